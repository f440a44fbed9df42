# Shared set-up for scripts/test and scripts/run: sourced, not run.
# Installs the Debian packages of scripts/packages.txt that are missing.

KO_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

ko_missing_packages() {
    local pkg missing=()
    while read -r pkg; do
        [[ -z "$pkg" || "$pkg" == \#* ]] && continue
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$pkg")
        fi
    done <"$KO_ROOT/scripts/packages.txt"
    echo "${missing[@]}"
}

ko_install_packages() {
    local missing
    missing=$(ko_missing_packages)
    [[ -z "$missing" ]] && return 0
    if [[ $(id -u) -ne 0 ]]; then
        echo "Missing Debian packages: $missing" >&2
        echo "Install them as root (apt-get install $missing) and run this again." >&2
        return 1
    fi
    echo "Installing: $missing"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -q || return 1
    # shellcheck disable=SC2086
    apt-get install -y -q --no-install-recommends $missing || return 1
}

# KO_JOBS=n caps the build's parallel jobs (default: every core).
ko_jobs() {
    echo "${KO_JOBS:-$(nproc 2>/dev/null || echo 2)}"
}

# KO_TEST_JOBS=n caps the tests run at once (default: four per build job, at most 16). Most tests
# spend much of their time waiting for timers, sockets and child processes: on two cores it takes
# eight at once to keep both cores busy.
ko_test_jobs() {
    local jobs=$(($(ko_jobs) * 4))
    echo "${KO_TEST_JOBS:-$((jobs > 16 ? 16 : jobs))}"
}
