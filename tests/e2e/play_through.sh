#!/bin/sh
# A player's run of the real game under Xvfb, keys sent by xdotool: the
# prolog skipped, the title and option menus walked (music off and on again),
# stage 1 chosen, played through to the clear and the result, and the new
# time found in score.dat and on the stage select. Screenshots stay in OUT.
# play_through.sh BUILD_DIR SOURCE_DIR OUT_DIR
set -e
build="$1" source="$2" out="$3"
mkdir -p "$out"
rm -f "$out"/*.png
work="$(mktemp -d)"
. "$(dirname "$0")/xvfb.sh"
trap 'kill $game $xvfb 2>/dev/null || true; rm -rf "$work"' EXIT
start_xvfb "$work" 1280x960x24

mkdir "$work/game"
cp -r "$source/map" "$source/score.dat" "$work/game/"
cd "$work/game"
"$build/frogpond" --window --scale 2 --debug 2> "$work/debug.txt" &
game=$!
sleep 2
window=$(xdotool search --name "2D Game Sample" | head -n 1)
[ -n "$window" ] || { echo "no game window" >&2; exit 1; }
xdotool windowfocus --sync "$window" 2>/dev/null || true

shot() { sleep 0.2; "$build/xwd_to_png" "$work/Xvfb_screen0" "$out/$1.png"; }
# A key held for the given seconds: long enough that every frame samples it.
hold() { xdotool keydown "$1"; sleep "$2"; xdotool keyup "$1"; sleep 0.15; }

sleep 1.5; shot 01-prolog
hold z 0.2; sleep 1.5; shot 02-title
hold Down 0.1; hold z 0.1; sleep 0.5; shot 03-option
hold z 0.1; shot 04-music-off
hold z 0.1
hold x 0.1; sleep 0.5
hold z 0.1; sleep 1.5; shot 05-stage-select
hold z 0.1; sleep 1.0; shot 06-stage-1

# Stage 1: walk right and push the crate to the far wall.
xdotool keydown Right
sleep 2.5; shot 07-pushing
sleep 3.5
xdotool keyup Right
sleep 1.5; shot 08-clear
sleep 3.5; shot 09-result
hold z 0.2; sleep 1.5; shot 10-stage-select-after
hold Left 0.1; shot 11-stage-1-best-times
hold Escape 0.1
sleep 1
kill -0 $game 2>/dev/null && { echo "the game did not quit on Esc" >&2; exit 1; }

grep -q "ScoreSave" "$work/debug.txt" || { echo "no new best time was saved" >&2; exit 1; }
first=$(cut -c1-7 score.dat)
default=$(cut -c1-7 "$source/score.dat")
[ "$first" -lt "$default" ] || { echo "stage 1's best time is still $first" >&2; exit 1; }
echo "stage 1 cleared in $(expr "$first" + 0) ms; $(ls "$out"/*.png | wc -l) screenshots in $out"
