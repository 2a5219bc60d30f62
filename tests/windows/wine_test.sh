#!/bin/sh
# Both Windows builds from the release zip under Wine on Xvfb, unpacked into
# a folder with Japanese characters in its path, for a Windows user whose
# name has them too. The modern build plays stages 1 and 5 with --replay
# from the prolog through the stage select, each clear time checked against
# its replay and the best times read back from score.dat in the user's
# roaming application data. The classic build starts with Wine's sound on
# an ALSA null device, shows the prolog, takes keys sent with xdotool to the
# title and stage 1, and quits with Esc and exit code 0.
# usage: wine_test.sh ZIP BUILD_DIR SOURCE_DIR OUT_DIR
set -e
zip="$(realpath "$1")" build="$2" source="$3" out="$4"
mkdir -p "$out"
work="$(mktemp -d)"
here="$(dirname "$0")"
. "$here/../e2e/xvfb.sh"
. "$here/../e2e/stage_session.sh"
trap 'kill $game 2>/dev/null || true; wineserver -k 2>/dev/null || true; kill $xvfb 2>/dev/null || true; rm -rf "$work"' EXIT
# A signal or a closed pipe still ends the display and Wine through the trap above.
trap 'exit 1' HUP INT PIPE TERM

start_xvfb "$work" 640x480x24
# The Windows SDL chooses its own drivers; the host's choices would break it.
# Only its renderer is set: Direct3D in Wine on Xvfb runs on a software
# OpenGL that cannot hold 60 frames a second on this machine, and the clear
# times are real time.
unset SDL_AUDIODRIVER SDL_VIDEODRIVER
export SDL_RENDER_DRIVER=software
user="ユーザー"
export HOME="$work/home" USER="$user" LOGNAME="$user" WINEPREFIX="$work/prefix" WINEDEBUG=-all \
    WINEDLLOVERRIDES="mscoree,mshtml="
mkdir -p "$HOME"
# Wine's sound goes to ALSA's null device: the machine may have no sound card.
printf 'pcm.!default { type null }\nctl.!default { type hw card 0 }\n' >"$HOME/.asoundrc"
wineboot -i >/dev/null 2>&1
wineserver -w
folder="$work/$user/Downloads"
mkdir -p "$folder"
(cd "$folder" && cmake -E tar xf "$zip")
game_dir="$(ls -d "$folder"/frogpond-*-windows-x64)"
roaming="$WINEPREFIX/drive_c/users/$user/AppData/Roaming/frogpond"
shot() { "$build/xwd_to_png" "$work/Xvfb_screen0" "$out/$1.png"; }
# Any colour at all; each pixel's fourth byte is 0 or 255 by who drew it.
lit() { [ "$(tail -c 1228800 "$work/Xvfb_screen0" | tr -d '\000\377' | head -c 1 | wc -c)" -ne 0 ]; }

# Plays stage N from launch; BEFORE is the score.dat it must improve on.
play_stage() {
    stage_session "$source" "$1" >"$work/session$1.txt"
    while lit; do sleep 0.1; done
    started=$(date +%s.%N)
    (cd "$game_dir" && exec wine ./frogpond.exe --window --replay "$work/session$1.txt") 2>"$work/modern.log" &
    game=$!
    until lit; do sleep 0.02; done
    echo "modern stage $1: first frame $(echo "$(date +%s.%N) $started" | awk '{ printf "%.2f", $1 - $2 }') s after launch"
    sleep 1.2
    shot "modern-stage$1-prolog"
    wait_for_save "$roaming/score.dat" "$2" 120 ||
        { echo "stage $1: no best time saved in $roaming" >&2; cat "$work/modern.log" >&2; exit 1; }
    shot "modern-stage$1-result"
    kill $game; wait $game 2>/dev/null || true
    wineserver -w
}

play_stage 1 "$game_dir/score.dat"
cp "$roaming/score.dat" "$work/after1.dat"
play_stage 5 "$work/after1.dat"
failed=0
for stage in 1 5; do
    check_clear_time "modern stage $stage" "$(best_time "$roaming/score.dat" $stage)" \
        "$(replay_clear_ms "$source" $stage)" || failed=1
done
cmp -s "$game_dir/score.dat" "$source/score.dat" || { echo "the zip's own score.dat was written" >&2; failed=1; }

# Holds a key long enough for the classic game's polling to see it.
press() {
    xdotool keydown "$1"; sleep 0.2; xdotool keyup "$1"
}

# The classic game's palette fades are slow in Wine, so screens are told by
# how much of the picture is lit (colour bytes from 64 to 254): the
# prolog's pages about 200000, the stage select 470000, a stage 680000 and
# the title 730000.
lit_bytes() { tail -c 1228800 "$work/Xvfb_screen0" | tr -d '\000-\077\377' | wc -c; }
# Waits up to SECONDS for the lit bytes to pass (above) or fall under (below) N.
wait_lit() {
    deadline=$(($(date +%s) + $3))
    until [ "$(lit_bytes)" "$( [ "$1" = above ] && echo -gt || echo -lt)" "$2" ]; do
        [ "$(date +%s)" -lt "$deadline" ] || return 1
        sleep 0.1
    done
}
# Waits up to 60 s for the screen NAME, told by its lit bytes lying between
# LOW and HIGH in two readings half a second apart. The dark moment between
# two screens can be too short for a poll to see on a loaded machine, so the
# screens are told by what they show, not by the fade between them.
next_screen() {
    deadline=$(($(date +%s) + 60))
    until shows "$2" "$3" && sleep 0.5 && shows "$2" "$3"; do
        [ "$(date +%s)" -lt "$deadline" ] || { shot "classic-$1"; echo "classic: no $1 within 60 s" >&2; exit 1; }
        sleep 0.1
    done
    shot "classic-$1"
}
shows() { n=$(lit_bytes); [ "$n" -gt "$1" ] && [ "$n" -lt "$2" ]; }

(cd "$game_dir" && exec wine ./frogpond-classic.exe) 2>"$work/classic.log" &
game=$!
window=$(xdotool search --sync --onlyvisible --name "2D Game Sample" | head -n 1)
# Without a window manager keys reach a Wine window only once it has the
# focus; a window still being mapped refuses it, so this is tried again.
tries=0
until xdotool windowfocus --sync "$window" 2>/dev/null; do
    tries=$((tries + 1))
    [ $tries -le 50 ] || { echo "classic: its window never took the focus" >&2; exit 1; }
    sleep 0.2
done
wait_lit above 100000 60 || { echo "classic: no prolog within 60 s" >&2; exit 1; }
sleep 1
shot classic-prolog
# Z turns the prolog's pages until the title comes up.
pages=0
until wait_lit above 400000 5; do
    pages=$((pages + 1))
    [ $pages -le 10 ] || { shot classic-title; echo "classic: no title after 10 presses of Z" >&2; exit 1; }
    press z
done
sleep 0.5
shot classic-title
# The title's Z can be lost too: Z again until the title fades.
presses=0
until press z && wait_lit below 700000 5; do
    presses=$((presses + 1))
    [ $presses -le 5 ] || { shot classic-title; echo "classic: the title took no Z" >&2; exit 1; }
done
next_screen stage-select 380000 715000
# Where Wine runs the fades slowly the select may take the same Z at once.
# A press while the select still settles can be lost: Z again until the
# stage comes up.
if [ "$(lit_bytes)" -lt 620000 ]; then
    presses=0
    until press z && wait_lit above 620000 8; do
        presses=$((presses + 1))
        [ $presses -le 5 ] || { shot classic-stage1; echo "classic: the select took no Z" >&2; exit 1; }
    done
    next_screen stage1 620000 1228800
else
    echo "classic: the select passed on to stage 1 with the title's Z"
    mv "$out/classic-stage-select.png" "$out/classic-stage1.png"
fi
press Escape
deadline=$(($(date +%s) + 30))
while kill -0 $game 2>/dev/null && [ "$(date +%s)" -lt "$deadline" ]; do sleep 0.2; done
status=0
kill -0 $game 2>/dev/null && { echo "classic: still running 30 s after Esc" >&2; exit 1; }
wait $game || status=$?
game=
if [ $status -ne 0 ]; then
    echo "classic: exit code $status" >&2
    tail -n 20 "$work/classic.log" >&2
    failed=1
else
    echo "classic: started, showed the prolog, reached stage 1 and quit with Esc (exit code 0)"
fi
exit $failed
