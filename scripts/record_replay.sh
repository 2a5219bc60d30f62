#!/bin/sh
# Records a replay of one map from a live game: the map is stage 1 of a game
# started in a window; play it through to the clear and quit with Esc. The part
# of the key record that clears the stage in the simulator becomes the replay.
# usage: scripts/record_replay.sh MAP OUT
set -e
[ $# -eq 2 ] || { echo "usage: $0 MAP OUT" >&2; exit 2; }
root="$(cd "$(dirname "$0")/.." && pwd)"
map="$(realpath "$1")" out="$2"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir "$work/map"
cp "$map" "$work/map/map1.map"
(cd "$work" && "$root/build/frogpond" --window --record "$work/keys.txt")

# Split the record at its "# black" marks; try the parts from the last one back.
awk -v dir="$work" '/^# black$/ { n++; next } { print > (dir "/part" n ".txt") }' "$work/keys.txt"
for part in $(ls -rv "$work"/part*.txt); do
    clear=$("$root/build/sim" --map "$map" --input "$part" --until-clear --every 1000000000 2>/dev/null |
            sed -n 's/^{"clear":\([0-9]*\)}$/\1/p') || true
    if [ -n "$clear" ]; then
        { echo "# replay of $(basename "$map")"; echo "# clear time $clear"; cat "$part"; } > "$out"
        echo "$out: clears in $clear ms"
        exit 0
    fi
done
echo "no part of the record clears $map in the simulator" >&2
exit 1
