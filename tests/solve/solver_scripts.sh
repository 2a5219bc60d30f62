#!/bin/sh
# Every script the solver report lists in docs/solver/ clears its stage in
# sim --until-clear in exactly the time the report gives.
# usage: solver_scripts.sh BUILD_DIR SOURCE_DIR
build="$1" source="$2" failed=0 checked=0
for script in "$source"/docs/solver/map*.txt; do
    [ -f "$script" ] || continue
    name="$(basename "$script" .txt)"
    "$source/tests/replays/check_replay.sh" "$build/sim" "$source/map/$name.map" "$script" || failed=1
    checked=$((checked + 1))
done
echo "$checked solver scripts checked"
exit $failed
