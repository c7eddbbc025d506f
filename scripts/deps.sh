#!/usr/bin/env bash
# Installs the Debian packages Quellan needs to build, test, package and run. Skips apt when all
# are present.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config
    libgtest-dev libgmock-dev libbenchmark-dev libpng-dev
    qt6-base-dev libxcb1-dev qt6-webengine-dev
    xvfb openbox xdotool x11-utils trayer imagemagick
    fonts-wine fonts-wqy-microhei fonts-liberation2
    iproute2
    wine64 gcc-mingw-w64-x86-64 g++-mingw-w64-x86-64
    desktop-file-utils appstream man-db dpkg-dev
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
