#!/bin/sh
# Screenshots of the real window under Xvfb: every picture through BlitImage,
# Japanese text and a half-done fade, full screen and windowed.
# screenshots.sh BUILD_DIR OUT_DIR
set -e
build="$1"
out="$2"
mkdir -p "$out"
fb="$(mktemp -d)"
# A display number nobody else is using.
display=97
while [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
Xvfb :$display -screen 0 1600x1000x24 -fbdir "$fb" -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -rf "$fb"' EXIT
sleep 1
export DISPLAY=:$display SDL_AUDIODRIVER=dummy SDL_VIDEODRIVER=x11
for mode in fullscreen window; do
    options=""
    [ "$mode" = window ] && options="--window --scale 2"
    printf '#!/bin/sh\nsleep 0.3\nexec "%s/xwd_to_png" "%s/Xvfb_screen0" "%s/%s-$1.png"\n' \
        "$build" "$fb" "$out" "$mode" > "$fb/snap.sh"
    chmod +x "$fb/snap.sh"
    TOUR_SNAPSHOT="$fb/snap.sh" "$build/picture_tour" $options
done
shots=$(ls "$out"/*.png | wc -l)
echo "$shots screenshots in $out"
[ "$shots" -eq 26 ]
