# Sourced by the probe benchmarks: builds the probe in a Release build (build/release), makes
# scratch home and data folders that go when the script ends, and enters the build folder.
source "$(dirname "${BASH_SOURCE[0]}")/../scripts/setup.sh"
cd "$KO_ROOT"
build=build/release
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DKO_SANITIZE=OFF -DKO_TSAN=OFF >/dev/null
cmake --build "$build" --target quorvel_probe -j "$(ko_jobs)" >/dev/null

home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export HOME=$home XDG_DATA_HOME=$home/data XDG_CONFIG_HOME=$home/config XDG_CACHE_HOME=$home/cache
cd "$build"
