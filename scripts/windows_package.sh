#!/bin/sh
# Builds both Windows executables and packs them with the stages, the default
# best times, the fallback font and its licence, and the README into
# dist/frogpond-VERSION-windows-x64.zip; prints the zip's path.
set -e
cd "$(dirname "$0")/.."
version="$(build/frogpond --version | cut -d' ' -f2)"
scripts/windows_build.sh >/dev/null
scripts/windows_modern_build.sh >/dev/null
name="frogpond-$version-windows-x64"
stage="build-windows-modern/$name"
rm -rf "$stage"
mkdir -p "$stage/fonts" dist
cp build-windows-modern/frogpond.exe "$stage/frogpond.exe"
cp build-windows/frogpond.exe "$stage/frogpond-classic.exe"
cp -r map score.dat "$stage/"
cp /usr/share/fonts/opentype/ipafont-gothic/ipagp.ttf "$stage/fonts/"
# The licence's own paragraph of the font package's copyright file.
awk '/^License: IPA-1$/ { n++ } n == 2 && /^$/ { exit } n == 2 && !/^License:/ { sub(/^ /, ""); sub(/^\.$/, ""); print }' \
    /usr/share/doc/fonts-ipafont-gothic/copyright >"$stage/fonts/IPA_Font_License.txt"
sed "s/@VERSION@/$version/" packaging/windows/README.txt | sed 's/$/\r/' >"$stage/README.txt"
rm -f "dist/$name.zip"
(cd build-windows-modern && cmake -E tar cf "$PWD/../dist/$name.zip" --format=zip "$name")
echo "$PWD/dist/$name.zip"
