#!/bin/sh
# Builds the fuzz targets with clang, libFuzzer and sanitizers, and runs each
# for the given number of seconds (default 60): fuzz.sh [SECONDS]
set -e
cd "$(dirname "$0")/.."
seconds="${1:-60}"
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DFUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
targets=$(grep -o '[a-z_]*_fuzz ' tests/tests.cmake | sort -u)
cmake --build build-fuzz -j"$(nproc)" --target $targets
for target in $targets; do
    corpus="build-fuzz/corpus-$target"
    mkdir -p "$corpus"
    echo "fuzzing $target for ${seconds}s"
    "build-fuzz/$target" -max_total_time="$seconds" -print_final_stats=1 \
        "$corpus" 2>&1 | tail -n 12
done
