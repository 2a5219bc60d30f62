#!/bin/sh
# Builds the downloads into dist/: the Debian package and the Windows zip
# (the modern and the classic executable), with their SHA256SUMS.
set -e
cd "$(dirname "$0")/.."
scripts/setup.sh
deb="$(scripts/linux_package.sh)"
zip="$(scripts/windows_package.sh)"
mkdir -p dist
rm -f dist/frogpond_*.deb dist/SHA256SUMS
cp "$deb" dist/
[ "$(dirname "$zip")" = "$PWD/dist" ] || cp "$zip" dist/
(cd dist && sha256sum "$(basename "$deb")" "$(basename "$zip")" >SHA256SUMS)
ls -l dist
