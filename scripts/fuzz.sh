#!/bin/sh
# Builds the fuzz targets with clang, libFuzzer and sanitizers, and runs each
# for the given number of seconds (default 60), seeded with the game's real
# files: fuzz.sh [SECONDS] [TARGET...]. Fails when a target finds a fault.
set -e
cd "$(dirname "$0")/.."
seconds="${1:-60}"
[ $# -gt 0 ] && shift
targets="${*:-$(grep -o '[a-z_]*_fuzz ' tests/tests.cmake | sort -u)}"
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DFUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz -j"$(nproc)" --target pictures sounds $targets

# The seeds are the shipped maps, score file and replays, and the pictures
# and sounds as the build makes them; a wave seed's first byte asks for every
# output of the parser.
seed_files() {
    case "$1" in
        stage_map_fuzz) cp map/*.map "$2" ;;
        score_file_fuzz) cp score.dat "$2" ;;
        input_script_fuzz) cp tests/replays/*.txt "$2" ;;
        bmp_reader_fuzz) cp build-fuzz/pictures/*.bmp "$2" ;;
        wave_parse_fuzz)
            for wave in build-fuzz/sounds/*.wav; do
                { printf '\007'; cat "$wave"; } > "$2/$(basename "$wave")"
            done ;;
    esac
}

# The map target takes inputs of up to 2 KB from the start, so that every one
# can be a whole map.
options() {
    case "$1" in
        stage_map_fuzz) echo "-max_len=2048 -len_control=0 -dict=$PWD/tests/fuzz/stage_map.dict" ;;
        score_file_fuzz) echo "-max_len=2048" ;;
        input_script_fuzz) echo "-max_len=4096" ;;
        wave_parse_fuzz) echo "-max_len=4194304" ;;
    esac
}

status=0
for target in $targets; do
    # Absolute paths, as a target may run in a folder of its own.
    corpus="$PWD/build-fuzz/corpus-$target"
    seeds="$PWD/build-fuzz/seeds-$target"
    rm -rf "$seeds"
    mkdir -p "$corpus" "$seeds"
    seed_files "$target" "$seeds"
    echo "fuzzing $target for ${seconds}s"
    log="build-fuzz/$target.log"
    # shellcheck disable=SC2046
    if ! "build-fuzz/$target" -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="$PWD/build-fuzz/" \
        $(options "$target") "$corpus" "$seeds" > "$log" 2>&1; then
        status=1
    fi
    grep -E "^#[0-9]+[[:space:]]+(INITED|DONE)|^stat::|ERROR|SUMMARY|artifact" "$log" || tail -n 20 "$log"
done
exit $status
