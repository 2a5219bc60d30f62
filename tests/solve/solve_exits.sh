#!/bin/sh
# The solver's exit codes: 2 for bad input, 1 for boards shown impossible,
# 3 when the time runs out, 0 with a script that sim --until-clear replays
# to the time the solver gave.
# usage: solve_exits.sh BUILD_DIR SOURCE_DIR
build="$1" source="$2" work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
failed=0
expect() {
    want="$1"; shift
    "$build/solve" "$@" > "$work/out" 2> "$work/err"
    got=$?
    if [ "$got" != "$want" ]; then
        echo "solve $*: exit $got, expected $want" >&2; cat "$work/err" >&2; failed=1
    fi
}
expect 2 --map
expect 2 --map "$source/map/map1.map" --seconds -4
expect 2 --map "$source/map/map1.map" --move-frames 0
expect 2 --map "$work/no-such.map"
expect 2 --map "$work"
expect 1 --map "$source/tests/solve/maps/walled_target.map"
grep -q '"impossible":"the target in column 8, row 18' "$work/out" || { echo "no reason given" >&2; failed=1; }
expect 1 --map "$source/tests/solve/maps/sealed_rooms.map" --seconds 60
grep -q '"noClear":' "$work/out" || { echo "sealed rooms not proven" >&2; failed=1; }
expect 3 --map "$source/map/map40.map" --seconds 1
expect 0 --map "$source/map/map2.map" --seconds 30 --out "$work/map2.txt"
"$source/tests/replays/check_replay.sh" "$build/sim" "$source/map/map2.map" "$work/map2.txt" || failed=1
exit $failed
