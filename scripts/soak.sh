#!/bin/sh
# Builds the soak test with the game code under AddressSanitizer and
# UndefinedBehaviorSanitizer and plays every shipped map with random input,
# two maps at a time: soak.sh [FRAMES] (default 100000 per map).
set -e
cd "$(dirname "$0")/.."
frames="${1:-100000}"
cmake -S . -B build-soak -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSOAK_SANITIZE=ON >/dev/null
cmake --build build-soak -j"$(nproc)" --target soak
export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy
ls map/map*.map | xargs -n 1 -P "$(nproc)" build-soak/tests/soak/soak "$frames"
