#!/bin/sh
# Installs what is missing, builds the game alone (no tests or benchmarks) and
# starts it in the player's own data folder, so that playing never changes
# this checkout.
set -e
here="$(cd "$(dirname "$0")" && pwd)"
"$here/scripts/setup.sh"
"$here/scripts/build.sh" frogpond

if [ -z "$DISPLAY" ] && [ -z "$WAYLAND_DISPLAY" ]; then
    echo "No display: the game needs a graphical session (DISPLAY or WAYLAND_DISPLAY is not set)." >&2
    exit 1
fi

data="${XDG_DATA_HOME:-$HOME/.local/share}/frogpond"
mkdir -p "$data"
ln -sfn "$here/map" "$data/map"
if [ ! -f "$data/score.dat" ] && [ -f "$here/score.dat" ]; then
    cp "$here/score.dat" "$data/score.dat"
fi
# The game starts in the data folder: a stage pack named from here must
# still be found from there.
for arg in "$@"; do
    if [ "$stages_next" = 1 ]; then
        arg="$(realpath -m "$arg")"
    fi
    [ "$arg" = --stages ] && stages_next=1 || stages_next=0
    set -- "$@" "$arg"
    shift
done
cd "$data"
exec "$here/build/frogpond" "$@"
