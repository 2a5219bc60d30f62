#!/bin/sh
# Screenshots of frogpond-edit under Xvfb, driven by xdotool: a shipped map with
# a fault and a warning marked, and the palette's names on hover.
# editor_shots.sh BUILD_DIR SOURCE_DIR OUT_DIR
set -e
build="$1"
source="$2"
out="$3"
mkdir -p "$out"
fb="$(mktemp -d)"
. "$(dirname "$0")/xvfb.sh"
. "$(dirname "$0")/editor_window.sh"
trap 'kill $editor $xvfb 2>/dev/null || true; rm -rf "$fb"' EXIT
start_xvfb "$fb" 1024x600x24
export XDG_DATA_HOME="$fb/data"
snap() {
    sleep 0.5
    "$build/xwd_to_png" "$fb/Xvfb_screen0" "$out/$1.png"
}
cp "$source/map/map12.map" "$fb/map12.map"
# A porthole naming switch 9 of a map with fewer switches, and a target too many.
sed -i '5s/^\(....\)../\1F9/; 18s/^\(......\)../\1R0/' "$fb/map12.map"
open_editor "$build" "$fb/map12.map"
xdotool mousemove 76 92
snap editor_faults
xdotool mousemove 700 60
snap editor_palette_hover
xdotool mousemove 657 180 click 1 mousemove 272 144 click 1
xdotool key F5
sleep 2
xdotool keydown Right
sleep 0.6
xdotool keyup Right
snap editor_play
xdotool key Escape
sleep 0.5
xdotool key Escape
sleep 0.3
snap editor_quit_asks
xdotool key Escape
wait $editor
for shot in editor_faults editor_palette_hover editor_play editor_quit_asks; do
    [ "$(stat -c %s "$out/$shot.png")" -gt 20000 ] || { echo "$shot.png is blank" >&2; exit 1; }
done
echo "editor screenshots in $out"
