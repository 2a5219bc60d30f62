#!/bin/sh
# Stage 1 played under Xvfb with keys rebound in settings.ini: confirm on
# Space, right on D, quit on Q. The menus and the stage's replay (right held)
# go through the new keys only; the stage must be cleared with a new best
# time, Escape must no longer quit and Q must.
# rebound_keys.sh BUILD_DIR SOURCE_DIR
set -e
build="$1" source="$2"
work="$(mktemp -d)"
. "$(dirname "$0")/xvfb.sh"
trap 'kill $game $xvfb 2>/dev/null || true; rm -rf "$work"' EXIT
start_xvfb "$work" 640x480x24

mkdir -p "$XDG_CONFIG_HOME/frogpond" "$work/game"
printf '[keys]\nconfirm = Space\nright = D\nquit = Q\n' > "$XDG_CONFIG_HOME/frogpond/settings.ini"
cp -r "$source/map" "$source/score.dat" "$work/game/"
cd "$work/game"
"$build/frogpond" --window --keys > "$work/keys.txt"
grep -q "^confirm  Space$" "$work/keys.txt" || { echo "confirm is not on Space:" >&2; cat "$work/keys.txt" >&2; exit 1; }
"$build/frogpond" --window --debug 2> "$work/debug.txt" &
game=$!
sleep 2
window=$(xdotool search --name "2D Game Sample" | head -n 1)
[ -n "$window" ] || { echo "no game window" >&2; exit 1; }
xdotool windowfocus --sync "$window" 2>/dev/null || true

hold() { xdotool keydown "$1"; sleep "$2"; xdotool keyup "$1"; sleep 0.15; }
# The replay's steps, "KEYS FRAMES", with each game key on its new key.
play_replay() {
    grep -v "^#" "$1" | while read -r keys frames; do
        held=$(echo "$keys" | sed 's/-//; s/R/d /; s/L/Left /; s/U/Up /; s/D/Down /; s/Z/space /; s/X/x /; s/C/c /')
        for key in $held; do xdotool keydown "$key"; done
        sleep "$(awk -v f="$frames" 'BEGIN { print f / 60 }')"
        for key in $held; do xdotool keyup "$key"; done
    done
}

sleep 1.5
hold space 0.2; sleep 1.5       # the prolog skipped
hold space 0.1; sleep 1.5       # START on the title
hold space 0.1; sleep 1.0       # stage 1 on the stage select
play_replay "$source/tests/replays/map1.txt"
sleep 1.0
hold d 0.5; sleep 7             # past the clear to the result
hold space 0.2; sleep 1.5
hold Escape 0.1; sleep 0.5
kill -0 $game 2>/dev/null || { echo "Escape still quits" >&2; exit 1; }
hold q 0.1; sleep 1
kill -0 $game 2>/dev/null && { echo "the game did not quit on Q" >&2; exit 1; }

grep -q "ScoreSave" "$work/debug.txt" || { echo "no new best time was saved" >&2; exit 1; }
first=$(cut -c1-7 score.dat)
default=$(cut -c1-7 "$source/score.dat")
[ "$first" -lt "$default" ] || { echo "stage 1's best time is still $first" >&2; exit 1; }
echo "stage 1 cleared on rebound keys in $(expr "$first" + 0) ms"
