#!/usr/bin/env bash
# The named deep-sky list in the real window: time to open it until its first rows are drawn,
# one search keystroke until the rows are redrawn, and the longest frame while it scrolls from
# end to end. The probe (app/probe) in a Release build, under xvfb-run on the xcb platform, in
# scratch data folders. Targets: open under 300 ms, a keystroke under 100 ms, no frame over 50 ms.
#   bench/cataloglist_ui.sh [runs]   (default 3)
set -euo pipefail
runs=${1:-3}
source "$(dirname "${BASH_SOURCE[0]}")/probebuild.sh"
for ((i = 1; i <= runs; i++)); do
    echo "run $i:"
    xvfb-run -a -s "-screen 0 1280x1024x24" env QT_QPA_PLATFORM=xcb \
        app/quorvel_probe --driver "$KO_ROOT/bench/cataloglist_ui.qml" --out "$home/out" \
        --settings "$KO_ROOT/qml/tests/shots/Settings.txt" 2>&1 |
        sed -n 's/^.*\(open-ms\|keystroke-ms\|longest-frame-ms\)/  \1/p'
done
echo "targets: open < 300 ms, keystroke < 100 ms, longest frame < 50 ms"
