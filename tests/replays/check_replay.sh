#!/bin/sh
# Replays an input script on its map and checks that the stage is cleared with
# exactly the time recorded in the script's "# clear time N" line.
# usage: check_replay.sh SIM MAP SCRIPT
set -e
sim="$1" map="$2" script="$3"
if [ ! -f "$script" ]; then
    echo "no replay for $map: record one with scripts/record_replay.sh" >&2
    exit 1
fi
expected=$(sed -n 's/^# clear time \([0-9]*\)$/\1/p' "$script")
if [ -z "$expected" ]; then
    echo "$script has no '# clear time N' line" >&2
    exit 1
fi
actual=$("$sim" --map "$map" --input "$script" --until-clear --every 1000000000 | sed -n 's/^{"clear":\([0-9]*\)}$/\1/p')
if [ "$actual" != "$expected" ]; then
    echo "$map: cleared in ${actual:-no time} ms, the replay recorded $expected ms" >&2
    exit 1
fi
echo "$map: cleared in $actual ms, as recorded"
