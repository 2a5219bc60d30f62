#!/bin/sh
# The editor end to end under Xvfb: xdotool builds a stage in a new pack folder
# with the mouse (a crate over a target, the frog's start), saves it, plays it
# with F5 until it clears, and the replay kept beside it clears it in the
# simulator in exactly its recorded time.
# editor_play_it.sh BUILD_DIR SOURCE_DIR
set -e
build="$1"
source="$2"
fb="$(mktemp -d)"
trap 'kill $editor $xvfb 2>/dev/null || true; rm -rf "$fb"' EXIT
display=$((200 + ($$ + 150) % 300))
while [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
Xvfb :$display -screen 0 1024x600x24 -fbdir "$fb" -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
sleep 1
export DISPLAY=:$display SDL_AUDIODRIVER=dummy SDL_VIDEODRIVER=x11 XDG_DATA_HOME="$fb/data"
mkdir "$fb/pack"
"$build/frogpond-edit" "$fb/pack" &
editor=$!
sleep 1.5
window=$(xdotool search --name "stage editor" | head -1)
xdotool windowmove "$window" 0 0
xdotool windowfocus "$window"
sleep 0.3
# Palette entries: crate, target, frog; then the cells (12,10), (12,17), (5,16).
xdotool mousemove 657 180 click 1 mousemove 320 264 click 1
xdotool mousemove 715 151 click 1 mousemove 320 432 click 1
xdotool mousemove 802 180 click 1 mousemove 152 408 click 1
xdotool key ctrl+s
sleep 0.5; [ -n "$SHOT" ] && "$build/xwd_to_png" "$fb/Xvfb_screen0" "$SHOT"
sleep 0.3
[ -f "$fb/pack/map1.map" ] || { echo "the editor saved no map1.map" >&2; exit 1; }
xdotool key F5
sleep 4
[ -f "$fb/pack/map1.txt" ] || { echo "playing it kept no replay" >&2; exit 1; }
"$build/tools/maplint/maplint" "$fb/pack/map1.map"
"$source/tests/replays/check_replay.sh" "$build/sim" "$fb/pack/map1.map" "$fb/pack/map1.txt"
xdotool key Escape
wait $editor
