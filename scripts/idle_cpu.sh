#!/bin/sh
# The game's CPU use on the title, minimised (its window unmapped) and beside a
# bare SDL program that presents every frame, all on one Xvfb display, each
# over SECONDS. usage: scripts/idle_cpu.sh [SECONDS]
set -e
here="$(cd "$(dirname "$0")/.." && pwd)"
seconds="${1:-10}"
work="$(mktemp -d)"
. "$here/tests/e2e/xvfb.sh"
trap 'kill $game $bare $xvfb 2>/dev/null || true; rm -rf "$work"' EXIT
start_xvfb "$work" 640x480x24
g++ -O2 -o "$work/bare_present" "$here/tests/e2e/bare_present.cpp" $(sdl2-config --cflags --libs)

# Clock ticks of user and system time a process has used.
ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }
# Per cent of one core used by process $1 over the next $seconds.
usage() {
    before=$(ticks "$1"); sleep "$seconds"; after=$(ticks "$1")
    awk -v d="$((after - before))" -v hz="$(getconf CLK_TCK)" -v s="$seconds" 'BEGIN { printf "%.1f", 100 * d / hz / s }'
}

mkdir "$work/game"
cp -r "$here/map" "$here/score.dat" "$work/game/"
(cd "$work/game" && exec "$here/build/frogpond" --window --mute) &
game=$!
sleep 2
window=$(xdotool search --name "2D Game Sample" | head -n 1)
xdotool windowfocus "$window" key z; sleep 3     # past the prolog to the title
title=$(usage $game)
xdotool windowunmap "$window"; sleep 1
minimised=$(usage $game)
xdotool windowmap "$window"; sleep 1
kill -0 $game || { echo "the game did not survive being minimised" >&2; exit 1; }
kill $game; wait $game 2>/dev/null || true

"$work/bare_present" & bare=$!
sleep 2
bare_use=$(usage $bare)
echo "CPU of one core over ${seconds} s: game on the title ${title}%, game minimised ${minimised}%, bare SDL present ${bare_use}%"
awk -v t="$title" -v b="$bare_use" 'BEGIN { if (b > 0) printf "title / bare = %.2f\n", t / b }'
