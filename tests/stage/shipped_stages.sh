#!/bin/sh
# The shipped stages: numbered from 1 without a gap (the game counts them up
# to the first missing number), each with its replay, and score.dat written
# from those replays by scripts/default_scores.sh.
# usage: shipped_stages.sh SOURCE_DIR
set -e
cd "$1"
count=$(ls map/map*.map | wc -l)
for n in $(seq 1 "$count"); do
    [ -f "map/map$n.map" ] || { echo "map/map$n.map is missing: the game would offer only $((n - 1)) stages" >&2; exit 1; }
    [ -f "tests/replays/map$n.txt" ] || { echo "stage $n has no replay" >&2; exit 1; }
done
expected="$(mktemp)"
trap 'rm -f "$expected"' EXIT
scripts/default_scores.sh "$expected" >/dev/null
cmp -s "$expected" score.dat || { echo "score.dat is not what scripts/default_scores.sh writes" >&2; exit 1; }
echo "$count stages, all with replays, score.dat up to date"
