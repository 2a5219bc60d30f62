#!/bin/sh
# Screenshots of the real window under Xvfb: every picture through BlitImage,
# Japanese text and a half-done fade, full screen and windowed.
# screenshots.sh BUILD_DIR OUT_DIR
set -e
build="$1"
out="$2"
mkdir -p "$out"
fb="$(mktemp -d)"
. "$(dirname "$0")/xvfb.sh"
trap 'kill $xvfb 2>/dev/null; rm -rf "$fb"' EXIT
start_xvfb "$fb" 1600x1000x24
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
