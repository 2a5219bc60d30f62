#!/bin/sh
# Draws the waveform and spectrogram of each of the twelve built sounds in
# OUT_DIR/NAME.png and prints their figures as a table.
# usage: scripts/sound_views.sh [BUILD_DIR [OUT_DIR]] (after a build; default
# build and build/sound_views)
set -e
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build}"
out="${2:-$build/sound_views}"
mkdir -p "$out"

printf '%-8s %-10s %8s %8s %8s %8s %7s %9s %9s %9s\n' \
    name format seconds peak_dB rms_dB dc clipped loop_jump p99.9_jump max_jump
for name in CSWITCH PSWITCH VALVE CURSOR CLEAR CROAK GAME1 GAME2 TITLE STAGE SCORE PROLOG; do
    figures="$("$build/soundview" "$build/sounds/$name.wav" "$out/$name.png")"
    echo "$figures" | awk -v name="$name" '{
        for (i = 1; i <= NF; i++) { sub(/^[a-z0-9]*=/, "", $i); sub(/(dBFS|s)$/, "", $i) }
        printf "%-8s %-10s %8s %8s %8s %8s %7s %9s %9s %9s\n", name, $1, $2, $3, $4, $5, $6, $7, $8, $9
    }'
done
