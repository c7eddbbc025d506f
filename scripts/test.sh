#!/usr/bin/env bash
# Builds Quellan twice (normal, and with AddressSanitizer + UndefinedBehaviorSanitizer) and runs every
# test in both. Installs what it needs first.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh
jobs=$(nproc)

run_build() {
    local dir=$1; shift
    cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
    cmake --build "$dir" -j "$jobs"
    (cd "$dir" && ctest --output-on-failure -j "$jobs" --timeout 300)
}

run_build build
run_build build-sanitize -DQUELLAN_SANITIZE=ON -DQUELLAN_BUILD_BENCH=OFF
