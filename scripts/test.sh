#!/usr/bin/env bash
# Builds Quellan twice (optimised as a package is built, and with AddressSanitizer +
# UndefinedBehaviorSanitizer) with warnings as errors, and runs every test in both. Installs what
# it needs first.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh
jobs=$(nproc)

run_build() {
    local dir=$1 type=$2; shift 2
    cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE="$type" -DQUELLAN_WERROR=ON "$@" >/dev/null
    cmake --build "$dir" -j "$jobs"
    (cd "$dir" && ctest --output-on-failure -j "$jobs" --timeout 300)
}

# The plain build is the package's: its tests also install it and build the .deb from it.
run_build build Release
run_build build-sanitize RelWithDebInfo -DQUELLAN_SANITIZE=ON -DQUELLAN_BUILD_BENCH=OFF
