#!/bin/sh
# Plays stages in the real game under Xvfb, as a new player would meet them:
# for each stage a fresh game is started, the prolog skipped, the stage chosen
# on the stage select and its replay played by the game's own --replay, then
# the clear and the result are passed. Every stage must end with a new best
# time in score.dat. Screenshots of each start board, the clear and the result
# stay in OUT.
# usage: stages_in_game.sh BUILD_DIR SOURCE_DIR OUT_DIR [FIRST [LAST]]
set -e
build="$1" source="$2" out="$3" first="${4:-1}" last="${5:-10}"
mkdir -p "$out"
work="$(mktemp -d)"
. "$(dirname "$0")/xvfb.sh"
trap 'kill $game $xvfb 2>/dev/null || true; rm -rf "$work"' EXIT
start_xvfb "$work" 640x480x24

# Waits for the first lit picture: the prolog's first frame, frame 1 of the game.
wait_for_picture() {
    while [ "$(tail -c 1228800 "$work/Xvfb_screen0" | tr -d '\000' | head -c 1 | wc -c)" -eq 0 ]; do
        sleep 0.01
    done
}
shot() { "$build/xwd_to_png" "$work/Xvfb_screen0" "$out/$1.png"; }
# Waits until the given frame of the game has been shown.
until_frame() { sleep "$(awk -v start="$started" -v frame="$1" -v now="$(date +%s.%N)" 'BEGIN { t = start + frame / 60 - now; print (t > 0 ? t : 0) }')"; }

. "$(dirname "$0")/stage_session.sh"
session() { stage_session "$source" "$1"; }

failed=0
for stage in $(seq "$first" "$last"); do
    rm -rf "$work/game"; mkdir "$work/game"
    cp -r "$source/map" "$source/score.dat" "$work/game/"
    session "$stage" > "$work/session.txt"
    before=$(awk '/^# black$/ { exit } { n += $2 } END { print n + 7 }' "$work/session.txt")
    play=$(awk '/^# black$/ { on = 1; next } on && !/^#/ { n += $2 } END { print n - 546 }' "$work/session.txt")
    cleared=$("$build/sim" --map "$source/map/map$stage.map" --input "$source/tests/replays/map$stage.txt" \
              --until-clear | tail -n 2 | head -n 1 | sed 's/^{"frame":\([0-9]*\).*/\1/')
    (cd "$work/game" && exec "$build/frogpond" --window --replay "$work/session.txt") &
    game=$!
    xdotool search --sync --name "2D Game Sample" >/dev/null
    wait_for_picture
    started=$(echo "$(date +%s.%N)" | awk '{ printf "%.3f", $1 - 1 / 60 }')
    name=$(printf "stage%02d" "$stage")
    until_frame $((before + 14)); shot "$name-start"
    until_frame $((before + cleared + 90)); shot "$name-clear"
    until_frame $((before + play + 410)); shot "$name-result"
    # Leaving the result saves the times; on a slow machine that only comes later.
    deadline=$(($(date +%s) + 60))
    while cmp -s "$work/game/score.dat" "$source/score.dat" && [ "$(date +%s)" -lt "$deadline" ]; do
        sleep 0.2
    done
    sleep 0.5
    kill $game; wait $game 2>/dev/null || true
    best=$(cut -c$(((stage - 1) * 21 + 1))-$(((stage - 1) * 21 + 7)) "$work/game/score.dat")
    shipped=$(cut -c$(((stage - 1) * 21 + 1))-$(((stage - 1) * 21 + 7)) "$source/score.dat")
    if [ "$best" -lt "$shipped" ]; then
        echo "stage $stage: cleared in the game in $(expr "$best" + 0) ms"
    else
        echo "stage $stage: no new best time (score.dat still holds $shipped)" >&2
        failed=1
    fi
done
exit $failed
