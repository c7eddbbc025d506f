#!/usr/bin/env bash
# Installs what Quellan needs, builds it and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc)" --target quellan
exec build/src/app/quellan "$@"
