#!/bin/sh
# Builds the Windows executable with mingw-w64 from the same game sources,
# using what the host build drew and generated (run ./test.sh or scripts/build.sh first).
set -e
cd "$(dirname "$0")/.."
cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
    -DCMAKE_BUILD_TYPE=Release -DHOST_BUILD_DIR="$PWD/build" >/dev/null
cmake --build build-windows -j"$(nproc)"
echo "Windows build: build-windows/frogpond.exe"
