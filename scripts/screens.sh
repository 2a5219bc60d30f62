#!/bin/sh
# Writes the screenshots in docs/screens/: the menus from the end-to-end run
# under Xvfb, and play from the replays through the simulator.
# usage: scripts/screens.sh (after a build)
set -e
root="$(cd "$(dirname "$0")/.." && pwd)"
out="$root/docs/screens"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

"$root/tests/e2e/play_through.sh" "$root/build" "$root" "$work/e2e" >/dev/null
for pair in 01-prolog:prolog 02-title:title 03-option:option 05-stage-select:stage_select 09-result:result; do
    cp "$work/e2e/${pair%%:*}.png" "$out/${pair##*:}.png"
done

# One frame of a stage's replay, run on past the clear: shot NAME STAGE FRAME
shot() {
    name="$1" stage="$2" frame="$3"
    { cat "$root/tests/replays/map$stage.txt"; echo "- 400"; } > "$work/script.txt"
    rm -rf "$work/frames"
    "$root/build/sim" --map "$root/map/map$stage.map" --input "$work/script.txt" --every "$frame" \
        --png "$work/frames" >/dev/null
    cp "$(printf "%s/frames/frame%06d.png" "$work" "$frame")" "$out/$name.png"
}
shot play_ladders_and_water 16 200
shot play_tap_floats_crate 6 400
shot play_wheel_drains_room 11 620
shot play_plate_lever_belt 17 260
shot play_star_and_ice 18 300
shot play_clear 1 400
# The pause menu: the replay of stage 2 stops a second in and C is pressed.
{ echo "- 60"; echo "C 2"; echo "- 30"; } > "$work/pause.txt"
rm -rf "$work/frames"
"$root/build/sim" --map "$root/map/map2.map" --input "$work/pause.txt" --every 91 --png "$work/frames" >/dev/null
cp "$work/frames/frame000091.png" "$out/play_pause.png"
# Starting boards of a few stages, as the stage designers see them.
for pair in 9:board_melting_ice 14:board_joined_by_pipes 32:board_waterworks 40:board_everything_in_order; do
    "$root/build/mapshot" "$root/map/map${pair%%:*}.map" "$out/${pair##*:}.png"
done
# The six prolog pictures as they are stored.
"$root/build/tests/pictures/bmp_to_png" "$root/build/pictures/PROLOG.bmp" "$out/prolog_pages.png" 1
echo "screenshots in $out"
