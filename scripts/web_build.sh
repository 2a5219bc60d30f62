#!/bin/sh
# Builds the game as a web page into build-web/: the page, frogpond.js,
# frogpond.wasm and frogpond.data (stages, shipped best times, the font),
# ready for any static web server. Emscripten compiles the game against SDL2
# and FreeType from Debian's source packages (scripts/build_deps.sh, cached);
# a native build in build/ first draws the pictures, synthesises the sounds
# and generates the sources made from text and the code page tables.
set -e
cd "$(dirname "$0")/.."
export NODE_PATH="${NODE_PATH:-/usr/share/nodejs}"
scripts/build.sh embed_resources pictures sounds story cp932_tables
prefix="$(scripts/build_deps.sh emscripten | tail -n 1)"
emcmake cmake -S . -B build-web-obj -DCMAKE_BUILD_TYPE=Release -DHOST_BUILD_DIR="$PWD/build" \
    -DWEB_OUTPUT_DIR="$PWD/build-web" -DSDL2_DIR="$prefix/lib/cmake/SDL2" \
    -Dfreetype_DIR="$prefix/lib/cmake/freetype" >/dev/null
cmake --build build-web-obj -j"$(nproc)"
echo "Web page: build-web/index.html"
