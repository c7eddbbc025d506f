#!/usr/bin/env bash
# Installs what Quellan needs, builds it and starts it in the folder this script was called from,
# where it keeps allbandwidth.dat. Without a display it shows its figures in the terminal.
set -euo pipefail
caller=$PWD
cd "$(dirname "$0")/.."
scripts/deps.sh
# Ninja and Release, as the test script builds the same folder; a folder made otherwise keeps its
# generator.
generator=()
[ -f build/CMakeCache.txt ] || generator=(-G Ninja)
cmake -S . -B build "${generator[@]}" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j "$(nproc)" --target quellan
program=$PWD/build/src/app/quellan
cd "$caller"
exec "$program" "$@"
