#!/usr/bin/env bash
# Builds the Debian package from the build folder (nothing is compiled again), checks its files
# and dependencies, unpacks it into a scratch root and runs the program from there.
# Usage: debian_package_test.sh <build folder> <source folder> <version> <with web view helper: 0|1>
set -euo pipefail
build=$1 source=$2 version=$3 with_helper=$4
here=$(dirname "$0")
. "$here/package_checks.sh"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
(cd "$build" && cpack -G DEB -B "$scratch/out" >"$scratch/cpack.log" 2>&1) ||
    { cat "$scratch/cpack.log"; fail "cpack -G DEB"; }
deb=$scratch/out/quellan_${version}_amd64.deb
[ -f "$deb" ] || fail "no $(basename "$deb"): $(ls "$scratch/out")"

files=$(dpkg-deb -c "$deb" | awk '{print $6}')
expected=(./usr/bin/quellan ./usr/share/applications/quellan.desktop
          ./usr/share/icons/hicolor/256x256/apps/quellan.png ./usr/share/man/man1/quellan.1)
[ "$with_helper" = 1 ] && expected+=(./usr/libexec/quellan/quellan_web_view)
for file in "${expected[@]}"; do
    grep -qx -- "$file" <<<"$files" || fail "$file is not in the package"
done
! grep -q -- '^./usr/include\|/test_\|/bench' <<<"$files" || fail "build-only files in the package"

[ "$(dpkg-deb -f "$deb" Package)" = quellan ] || fail "package name"
[ "$(dpkg-deb -f "$deb" Architecture)" = amd64 ] || fail "architecture"
depends=$(dpkg-deb -f "$deb" Depends)
# The fonts named, and the libraries found from the binaries.
for package in fonts-wine fonts-wqy-microhei fonts-liberation2 libc6 libstdc++6; do
    grep -q "\b$package\b" <<<"$depends" || fail "$package is not a dependency: $depends"
done
if [ "$with_helper" = 1 ]; then
    grep -q 'libqt6webenginewidgets6' <<<"$depends" || fail "no web engine dependency: $depends"
fi
[ "$(dpkg-deb -f "$deb" Description | wc -l)" -ge 2 ] || fail "no long description"

root=$scratch/root
dpkg -x "$deb" "$root"
expect_shipped_data "$source/assets" "$root/usr/share/quellan"
expect_desktop_files "$root/usr/share"
expect_runs "$root/usr/bin/quellan" "$version" "$scratch/elsewhere"
echo "package OK: $(basename "$deb")"
