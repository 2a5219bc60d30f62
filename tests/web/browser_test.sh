#!/bin/sh
# The web page in Debian's chromium, headless, through chromium-driver, served
# from 127.0.0.1 only: stages 1 and 5 played from the prolog by their replays,
# storage, scaling and screenshots (tests/web/browser_test.py).
# usage: tests/web/browser_test.sh BUILD_WEB SOURCE OUT
set -e
here="$(cd "$(dirname "$0")" && pwd)"
web="$(realpath "$1")" source="$(realpath "$2")" out="$3"
. "$here/../e2e/stage_session.sh"
rm -rf "$out"
mkdir -p "$out/site"
out="$(realpath "$out")"
for file in "$web"/*; do ln -s "$file" "$out/site/"; done

plays=""
for stage in 1 5; do
    stage_session "$source" $stage >"$out/site/session$stage.txt"
    plays="$plays $stage:session$stage.txt:$(replay_clear_ms "$source" $stage)"
done

# A free port for each server: the kernel's choice for a socket bound to 0.
free_port() { python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])'; }
page_port=$(free_port)
python3 -m http.server --bind 127.0.0.1 --directory "$out/site" "$page_port" >"$out/http.log" 2>&1 &
server=$!
driver_port=$(free_port)
chromedriver --port="$driver_port" --allowed-ips=127.0.0.1 >"$out/driver.log" 2>&1 &
driver=$!
trap 'kill $server $driver 2>/dev/null || true' EXIT
for _ in $(seq 50); do
    curl -sf "http://127.0.0.1:$driver_port/status" >/dev/null && curl -sf "http://127.0.0.1:$page_port/" >/dev/null && break
    sleep 0.1
done
# shellcheck disable=SC2086
python3 "$here/browser_test.py" "http://127.0.0.1:$page_port/index.html" "http://127.0.0.1:$driver_port" \
    "$source/score.dat" "$out" $plays
