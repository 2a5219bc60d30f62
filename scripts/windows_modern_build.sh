#!/bin/sh
# Builds the modern Windows executable: the game on our own platform layer,
# cross-built with mingw-w64 against SDL2 and FreeType from Debian's source
# packages (built once by scripts/build_deps.sh into its cache), using what
# the host build drew and generated (run ./test.sh or scripts/build.sh first).
set -e
cd "$(dirname "$0")/.."
prefix="$(scripts/build_deps.sh mingw | tail -n 1)"
FROGPOND_DEPS_PREFIX="$prefix" cmake -S . -B build-windows-modern -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
    -DCMAKE_BUILD_TYPE=Release -DWINDOWS_MODERN=ON -DHOST_BUILD_DIR="$PWD/build" >/dev/null
cmake --build build-windows-modern -j"$(nproc)"
echo "Windows build: build-windows-modern/frogpond.exe"
