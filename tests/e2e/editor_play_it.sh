#!/bin/sh
# The editor end to end under Xvfb: xdotool builds a stage in a new pack folder
# with the mouse (a wall dragged as a line, a stop wall, a crate, a target, the
# frog's start), saves it, plays it with F5 and the arrow keys until the frog
# has pushed the crate onto the target, and the replay kept beside it clears
# it in the simulator in exactly its recorded time. Then the game plays the
# pack with --stages, from the prolog through the stage select with that
# replay, and keeps the best time in the pack's own score.dat.
# editor_play_it.sh BUILD_DIR SOURCE_DIR PACK_DIR
set -e
build="$(cd "$1" && pwd)"
source="$2"
pack="$3"
fb="$(mktemp -d)"
. "$(dirname "$0")/xvfb.sh"
. "$(dirname "$0")/editor_window.sh"
. "$(dirname "$0")/stage_session.sh"
trap 'kill $editor $game $xvfb 2>/dev/null || true; rm -rf "$fb"' EXIT
start_xvfb "$fb" 1024x600x24
export XDG_DATA_HOME="$fb/data"
rm -rf "$pack"
mkdir -p "$pack"
open_editor "$build" "$pack"
# Cell (x, y) of the board is at window point (32 + 24x, 24 + 24y).
cell() { echo $((32 + 24 * $1)) $((24 + 24 * $2)); }
# The wall: a shelf dragged from (14,12) to (20,12), and a stop at (11,17).
xdotool mousemove 686 36 click 1
xdotool mousemove $(cell 14 12) mousedown 1 mousemove $(cell 17 12) mousemove $(cell 20 12) mouseup 1
xdotool mousemove $(cell 11 17) click 1
xdotool mousemove 657 180 click 1 mousemove $(cell 8 17) click 1
xdotool mousemove 715 151 click 1 mousemove $(cell 10 17) click 1
xdotool mousemove 802 180 click 1 mousemove $(cell 5 16) click 1
xdotool key ctrl+s
sleep 0.5
[ -f "$pack/map1.map" ] || { echo "the editor saved no map1.map" >&2; exit 1; }
"$build/tools/maplint/maplint" "$pack/map1.map"
shelf="$(sed -n 14p "$pack/map1.map" | cut -c29-42)"
[ "$shelf" = 10101010101010 ] || { echo "the dragged wall reads '$shelf'" >&2; exit 1; }
xdotool key F5
sleep 2
xdotool keydown Right
sleep 3
xdotool keyup Right
for wait in 1 2 3 4 5 6 7 8 9 10; do
    [ -f "$pack/map1.txt" ] && break
    sleep 1
done
[ -f "$pack/map1.txt" ] || { echo "playing it kept no replay" >&2; exit 1; }
"$source/tests/replays/check_replay.sh" "$build/sim" "$pack/map1.map" "$pack/map1.txt"
# Esc leaves the play if it is still on, and then quits the saved map.
for attempt in 1 2 3; do
    kill -0 $editor 2>/dev/null || break
    xdotool key Escape
    sleep 1
done
if kill -0 $editor 2>/dev/null; then
    echo "the editor did not quit on Esc" >&2
    exit 1
fi
wait $editor

player="$XDG_DATA_HOME/frogpond"
times="$player/packs/$(basename "$pack")/score.dat"
stage_session "$source" 1 "$pack/map1.txt" >"$fb/session.txt"
(cd "$fb" && exec "$build/frogpond" --window --mute --stages "$pack" --replay "$fb/session.txt") &
game=$!
wait_for_save "$times" /dev/null 60 || { echo "no best time in $times" >&2; exit 1; }
kill $game 2>/dev/null || true
wait $game 2>/dev/null || true
check_clear_time "the pack's stage 1" "$(best_time "$times" 1)" "$(sed -n 's/^# clear time //p' "$pack/map1.txt")"
[ ! -e "$player/score.dat" ] || { echo "the pack's time went into the shipped stages' score.dat" >&2; exit 1; }
