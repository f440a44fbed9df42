#!/usr/bin/env bash
# Time from process start to the window's first frame: the probe (app/probe) in a Release build,
# under xvfb-run on the xcb platform, in scratch data folders with the emulated mount (not
# connected at launch). Prints each run and the median. Target: under 1500 ms.
#   bench/startup.sh [runs]   (default 7)
set -euo pipefail
runs=${1:-7}
source "$(dirname "${BASH_SOURCE[0]}")/probebuild.sh"
times=()
for ((i = 1; i <= runs; i++)); do
    ms=$(xvfb-run -a -s "-screen 0 1280x1024x24" env QT_QPA_PLATFORM=xcb \
        app/quorvel_probe --first-frame --settings "$KO_ROOT/qml/tests/shots/Settings.txt" 2>&1 |
        sed -n 's/^first-frame-ms: //p')
    echo "run $i: ${ms} ms"
    times+=("$ms")
done
median=$(printf '%s\n' "${times[@]}" | sort -n | sed -n "$(((runs + 1) / 2))p")
echo "first frame, median of $runs: ${median} ms (target < 1500 ms)"
