#!/bin/sh
# Installs what building, playing and testing need on Debian 12, if missing.
set -e

PACKAGES="cmake g++ clang libclang-rt-14-dev pkg-config libsdl2-dev libfreetype-dev libfontconfig-dev \
libpng-dev libgtest-dev libgmock-dev libbenchmark-dev fonts-ipafont-gothic xvfb xdotool \
g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64 lintian desktop-file-utils appstream dpkg-dev \
wine wine64 emscripten chromium chromium-driver"

missing=""
for package in $PACKAGES; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $package"
    fi
done
[ -z "$missing" ] && exit 0

echo "Installing:$missing"
if [ "$(id -u)" -eq 0 ]; then
    SUDO=""
else
    SUDO="sudo"
fi
$SUDO apt-get update -q
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q $missing
