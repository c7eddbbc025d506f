#!/usr/bin/env bash
# Builds the fuzz targets with clang in their own build folder and runs each for a bounded time
# (QUELLAN_FUZZ_SECONDS, 20 by default) from a copy of its seeds in fuzz/corpus. Fails when any
# target crashes, leaks or draws a sanitizer report; the input that did it is kept beside the
# target in the build folder.
set -euo pipefail
cd "$(dirname "$0")/.."

dir=${1:-build-fuzz}
seconds=${QUELLAN_FUZZ_SECONDS:-20}

CXX=clang++ cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUELLAN_FUZZ=ON \
    -DQUELLAN_BUILD_TESTS=OFF -DQUELLAN_BUILD_BENCH=OFF -DQUELLAN_BUILD_QT=OFF \
    -DQUELLAN_WERROR=ON >/dev/null
cmake --build "$dir" -j "$(nproc)" --target quellan_fuzz_targets

failed=()
for seeds in fuzz/corpus/*/; do
    target=$(basename "$seeds")
    corpus=$(mktemp -d)
    cp "$seeds"* "$corpus"/
    echo "fuzzing $target for ${seconds}s"
    if ! "$dir/fuzz/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$dir/fuzz/$target-" "$corpus" \
        >"$dir/fuzz/$target.log" 2>&1; then
        tail -n 60 "$dir/fuzz/$target.log"
        failed+=("$target")
    fi
    grep -E '^stat::number_of_executed_units' "$dir/fuzz/$target.log" || true
    rm -rf "$corpus"
done
if [ ${#failed[@]} -ne 0 ]; then
    echo "fuzz targets that failed: ${failed[*]}" >&2
    exit 1
fi
