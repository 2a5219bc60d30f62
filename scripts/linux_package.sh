#!/bin/sh
# Builds the game and its Debian package with CPack; prints the package's path.
set -e
cd "$(dirname "$0")/.."
scripts/build.sh >/dev/null
(cd build && cpack >/dev/null)
ls "$PWD"/build/frogpond_*_amd64.deb
