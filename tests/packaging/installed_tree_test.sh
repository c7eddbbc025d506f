#!/usr/bin/env bash
# Installs the build into a temporary prefix, checks the tree and its desktop files, and runs
# the installed program from another folder.
# Usage: installed_tree_test.sh <build folder> <source folder> <version> <with web view helper: 0|1>
set -euo pipefail
build=$1 source=$2 version=$3 with_helper=$4
here=$(dirname "$0")
. "$here/package_checks.sh"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
prefix=$scratch/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null

expect_executable "$prefix/bin/quellan"
if [ "$with_helper" = 1 ]; then
    expect_executable "$prefix/libexec/quellan/quellan_web_view"
fi
expect_shipped_data "$source/assets" "$prefix/share/quellan"
expect_desktop_files "$prefix/share"

desktop-file-validate "$prefix/share/applications/quellan.desktop" || fail "desktop entry rejected"
appstreamcli validate --no-net --pedantic "$prefix/share/metainfo/"*.metainfo.xml >"$scratch/as.log" ||
    { cat "$scratch/as.log"; fail "metainfo rejected"; }
warnings=$(MANWIDTH=80 man --warnings -E UTF-8 -l "$prefix/share/man/man1/quellan.1" 2>&1 >/dev/null)
[ -z "$warnings" ] || fail "the manual page renders with warnings: $warnings"
MANWIDTH=80 man -l "$prefix/share/man/man1/quellan.1" 2>/dev/null | grep -q -- "--ticks" ||
    fail "the manual page does not render its options"

expect_runs "$prefix/bin/quellan" "$version" "$scratch/elsewhere"

# Moved to another prefix, it still finds what it ships (checked by running it again there).
mv "$prefix" "$scratch/moved"
expect_runs "$scratch/moved/bin/quellan" "$version" "$scratch/elsewhere-moved"
echo "installed tree OK"
