#!/bin/sh
# Builds the soak test with AddressSanitizer and UndefinedBehaviorSanitizer and
# plays every shipped map with random input: soak.sh [FRAMES] (default 100000).
set -e
cd "$(dirname "$0")/.."
frames="${1:-100000}"
flags="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer -g"
cmake -S . -B build-soak -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS="$flags" \
    -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
ASAN_OPTIONS=detect_leaks=0 cmake --build build-soak -j"$(nproc)" --target soak
SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy build-soak/tests/soak/soak "$frames" map/map*.map
