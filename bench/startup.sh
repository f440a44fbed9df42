#!/usr/bin/env bash
# Time from process start to the window's first frame: the probe (app/probe) in a Release build,
# under xvfb-run on the xcb platform, in scratch data folders with the emulated mount (not
# connected at launch). Prints each run and the median. Target: under 1500 ms.
#   bench/startup.sh [runs]   (default 7)
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../scripts/setup.sh"
cd "$KO_ROOT"

runs=${1:-7}
build=build/release
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DKO_SANITIZE=OFF -DKO_TSAN=OFF >/dev/null
cmake --build "$build" --target quorvel_probe -j "$(ko_jobs)" >/dev/null

home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export HOME=$home XDG_DATA_HOME=$home/data XDG_CONFIG_HOME=$home/config XDG_CACHE_HOME=$home/cache
cd "$build"
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
