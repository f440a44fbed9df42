#!/usr/bin/env python3
"""Runs scripts/check-folder-order on scratch trees with one include planted in each."""

import pathlib
import subprocess
import sys
import tempfile
import unittest

SCRIPT = pathlib.Path(__file__).resolve().parent.parent / "check-folder-order"

# (row name, file, include line, whether the check passes)
CASES = [
    ("own folder", "mount/mount.cpp", '#include "mount/imount.h"', True),
    ("folder below", "pages/list.cpp", '#include "catalog/astroobj.h"', True),
    ("bottom from top", "app/main.cpp", '#include "base/log.h"', True),
    ("server from below app", "app/root.cpp", '#include "server/tcpserver.h"', True),
    ("quickfuture uses pages", "quickfuture/future.h", '#include "pages/list.h"', True),
    ("system header", "base/log.cpp", "#include <QObject>", True),
    ("folder outside the order", "bench/bench.cpp", '#include "app/appmain.h"', True),
    ("test helper of a lower folder", "align/tests/rig.h", '#include "mount/tests/rig.h"', True),
    ("upward include", "mount/mount.cpp", '#include "pages/cataloglist.h"', False),
    ("upward from a subfolder", "mount/tasks/task.cpp", '#include "align/aligner.h"', False),
    ("upward from a test", "base/tests/tst_x.cpp", '#include "app/tests/scratchhome.h"', False),
    ("astro includes its sibling link", "astro/frames.h", '#include "link/cmdret.h"', False),
    ("link includes its sibling astro", "link/axis.cpp", '#include "astro/astrocalc.h"', False),
    ("server includes its sibling", "server/api.cpp", '#include "quickfuture/future.h"', False),
    ("quickfuture includes server", "quickfuture/x.h", '#include "server/api.h"', False),
    ("pages includes server", "pages/list.cpp", '#  include "server/api.h"', False),
    ("anything includes app", "catalog/db.cpp", '#include "app/appmain.h"', False),
]


class FolderOrderCheck(unittest.TestCase):
    def test_planted_includes(self):
        for name, file, line, passes in CASES:
            with self.subTest(name), tempfile.TemporaryDirectory() as root:
                path = pathlib.Path(root) / file
                path.parent.mkdir(parents=True)
                path.write_text(f'#include "{file.split("/")[0]}/own.h"\n{line}\n')
                run = subprocess.run([sys.executable, str(SCRIPT), root], capture_output=True,
                                     text=True, check=False)
                self.assertEqual(run.returncode == 0, passes, run.stderr)
                if not passes:
                    # Names the file and line of the include.
                    self.assertIn(f"{file}:2:", run.stderr)


if __name__ == "__main__":
    unittest.main()
