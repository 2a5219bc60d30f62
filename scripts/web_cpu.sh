#!/bin/sh
# The page's CPU on the title beside the native game's, both running at once
# on one Xvfb display: chromium's processes summed against the game's one,
# over SECONDS, with the page drawing through WebGL and through SDL's
# software renderer. usage: scripts/web_cpu.sh [SECONDS] (after web_build.sh)
set -e
here="$(cd "$(dirname "$0")/.." && pwd)"
seconds="${1:-10}"
work="$(mktemp -d)"
. "$here/tests/e2e/xvfb.sh"
trap 'kill $game $browser $server $xvfb 2>/dev/null || true; rm -rf "$work"' EXIT
start_xvfb "$work" 1600x600x24

ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat" 2>/dev/null || echo 0; }
# The browser and every process it started, found through their parents.
tree() {
    echo "$1"
    for child in $(ps -o pid= --ppid "$1"); do tree "$child"; done
}
tree_ticks() { total=0; for pid in $(tree "$1"); do total=$((total + $(ticks "$pid"))); done; echo $total; }
percent() { awk -v d="$1" -v hz="$(getconf CLK_TCK)" -v s="$seconds" 'BEGIN { printf "%.1f", 100 * d / hz / s }'; }

# Past the prolog to the title, then the keyboard's (no key is pressed).
printf -- '- 60\nZ 6\n' >"$work/to_title.txt"
cp -r "$here/build-web" "$work/site"
cp "$work/to_title.txt" "$work/site/"
port=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
python3 -m http.server --bind 127.0.0.1 --directory "$work/site" "$port" >/dev/null 2>&1 &
server=$!
mkdir "$work/game"
cp -r "$here/map" "$here/score.dat" "$work/game/"

measure() {
    (cd "$work/game" && exec "$here/build/frogpond" --window --replay "$work/to_title.txt") &
    game=$!
    chromium --no-sandbox --user-data-dir="$work/profile-$1" --no-first-run --no-default-browser-check \
        --autoplay-policy=no-user-gesture-required --window-size=700,600 --window-position=800,0 \
        "http://127.0.0.1:$port/index.html?replay=to_title.txt$2" >/dev/null 2>&1 &
    browser=$!
    sleep 8
    game_before=$(ticks $game) page_before=$(tree_ticks $browser)
    sleep "$seconds"
    game_use=$(percent $(($(ticks $game) - game_before)))
    page_use=$(percent $(($(tree_ticks $browser) - page_before)))
    echo "title over ${seconds} s, page with $1: page ${page_use}% of one core, native game ${game_use}%," \
        "ratio $(awk -v p="$page_use" -v g="$game_use" 'BEGIN { printf "%.1f", (g > 0 ? p / g : 0) }')"
    kill $game $browser 2>/dev/null || true; wait $game $browser 2>/dev/null || true
}
measure webgl ""
measure software "&renderer=software"
