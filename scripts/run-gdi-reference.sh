#!/usr/bin/env bash
# Runs the gdi reference cases under wine64 in a private, throw-away prefix, with no display:
#   run-gdi-reference.sh <wine64> <wineserver> <program.exe> <output file>
set -euo pipefail
wine64=$1 wineserver=$2 program=$3 output=$4

prefix=$(mktemp -d "${TMPDIR:-/tmp}/quellan-gdi-reference.XXXXXX")
export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY WAYLAND_DISPLAY
cleanup() {
    "$wineserver" -k 2>/dev/null || true
    "$wineserver" -w 2>/dev/null || true
    rm -rf "$prefix"
}
trap cleanup EXIT

rm -f "$output"
"$wine64" "$program" > "$output.partial" 2>/dev/null
mv "$output.partial" "$output"
echo "reference cases run: $(grep -c '^case ' "$output")"
