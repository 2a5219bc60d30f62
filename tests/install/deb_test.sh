#!/bin/sh
# Installs the Debian package as a player would, validates its menu entry,
# AppStream data and the package itself, plays stage 1 of the installed game
# under Xvfb and checks the best time it saved in $XDG_DATA_HOME, starts it
# once with a data folder it cannot make, then removes the package.
# usage: deb_test.sh PACKAGE.deb BUILD_DIR SOURCE_DIR OUT_DIR
set -e
deb="$(realpath "$1")" build="$2" source="$3" out="$4"
mkdir -p "$out"
work="$(mktemp -d)"
here="$(dirname "$0")"
. "$here/../e2e/xvfb.sh"
. "$here/../e2e/stage_session.sh"
remove() { DEBIAN_FRONTEND=noninteractive apt-get purge -y -q frogpond >"$work/apt.log" 2>&1; }
trap 'kill $game $xvfb 2>/dev/null || true; remove || true; rm -rf "$work"' EXIT
# A signal or a closed pipe still ends the display and the package through the trap above.
trap 'exit 1' HUP INT PIPE TERM
id=org.frogpond.FrogPond

DEBIAN_FRONTEND=noninteractive apt-get install -y -q --reinstall "$deb" >"$work/apt.log" 2>&1 ||
    { cat "$work/apt.log" >&2; exit 1; }
desktop-file-validate "/usr/share/applications/$id.desktop"
appstreamcli validate --no-net --pedantic "/usr/share/metainfo/$id.metainfo.xml"
lintian --fail-on error --no-tag-display-limit "$deb" | tee "$out/lintian.txt"
/usr/games/frogpond --version

start_xvfb "$work" 640x480x24
mkdir -p "$work/home"
export HOME="$work/home" XDG_DATA_HOME="$work/data"
stage_session "$source" 1 >"$work/session.txt"
/usr/games/frogpond --window --replay "$work/session.txt" 2>"$work/stderr.txt" &
game=$!
xdotool search --sync --name "2D Game Sample" >/dev/null
sleep 3
"$build/xwd_to_png" "$work/Xvfb_screen0" "$out/installed_title.png"
saved="$XDG_DATA_HOME/frogpond/score.dat"
wait_for_save "$saved" /usr/share/frogpond/score.dat 90 || { echo "no best time saved in $saved" >&2; exit 1; }
kill $game; wait $game 2>/dev/null || true
check_clear_time "installed stage 1" "$(best_time "$saved" 1)" "$(replay_clear_ms "$source" 1)"

# A data folder that cannot be made: the game plays from the shipped folder and says why once.
echo "not a folder" >"$work/file"
XDG_DATA_HOME="$work/file" /usr/games/frogpond --window 2>"$work/stderr.txt" &
game=$!
xdotool search --sync --name "2D Game Sample" >/dev/null
kill $game; wait $game 2>/dev/null || true
grep -q "best times will not be saved" "$work/stderr.txt" || { cat "$work/stderr.txt" >&2; exit 1; }
cmp /usr/share/frogpond/score.dat "$source/score.dat"

remove || { cat "$work/apt.log" >&2; exit 1; }
for path in /usr/games/frogpond /usr/share/frogpond "/usr/share/applications/$id.desktop"; do
    [ ! -e "$path" ] || { echo "$path is left after removing the package" >&2; exit 1; }
done
echo "package: installed, validated, played and removed"
