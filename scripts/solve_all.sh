#!/bin/sh
# Runs the solver on every shipped stage and writes a report of what it found:
# for each stage whether it was cleared, its fastest time against the replay's
# par, and the script, which is checked with sim --until-clear. A clear more
# than 10 % under par, or one that leaves a switch unturned or an item unmoved
# that the replay uses, is listed as a possible shortcut.
# usage: scripts/solve_all.sh [SECONDS [FIRST [LAST [OUT_DIR]]]]
#   defaults: 120 s a stage, stages 1 to 40, docs/solver.md and docs/solver/;
#   BUILD_DIR names another build folder holding solve and sim
set -e
cd "$(dirname "$0")/.."
seconds="${1:-120}" first="${2:-1}" last="${3:-40}" out="${4:-docs}"
build="${BUILD_DIR:-$PWD/build}"
mkdir -p "$out/solver"
report="$out/solver.md"
shortcuts="$out/solver/shortcuts.tmp"
: > "$shortcuts"

# The numbers in a JSON list field of a line, space separated.
field_list() { printf '%s\n' "$1" | sed -n "s/.*\"$2\":\[\([0-9,]*\)\].*/\1/p" | tr ',' ' '; }
field() { printf '%s\n' "$1" | sed -n "s/.*\"$2\":\([0-9]*\).*/\1/p"; }
seconds_of() { awk -v ms="$1" 'BEGIN { printf "%.2f s", ms / 1000 }'; }

# Numbers in the first list that are missing from the second: left alone by
# the solver, used by the replay.
left_out() {
    for n in $1; do
        case " $2 " in *" $n "*) ;; *) printf '%s ' "$n" ;; esac
    done
}

shortcut_note() {
    stage="$1" time="$2" par="$3" solved="$4" replayed="$5" note=""
    if [ $((time * 10)) -lt $((par * 9)) ]; then
        note="$(awk -v t="$time" -v p="$par" 'BEGIN { printf "%.0f %% under par", 100 - 100 * t / p }')"
    fi
    switches="$(left_out "$(field_list "$solved" unswitched)" "$(field_list "$replayed" unswitched)")"
    items="$(left_out "$(field_list "$solved" unmoved)" "$(field_list "$replayed" unmoved)")"
    [ -n "$switches" ] && note="${note:+$note; }switch ${switches% } never turned"
    [ -n "$items" ] && note="${note:+$note; }item ${items% } never moved"
    [ -n "$note" ] && echo "| $stage | $note |" >> "$shortcuts"
    return 0
}

{
    echo "# What the solver finds"
    echo
    echo "\`scripts/solve_all.sh\` ran \`build/solve\` on every shipped stage with $seconds s each on one core"
    echo "(see [the solver's notes](solver_notes.md) for how it searches). Par is the clear time of the stage's"
    echo "replay in \`tests/replays/\`; every script below was played again with \`sim --until-clear\` to the same time."
    echo
    echo "| Stage | Result | Solver | Par | Search | Script |"
    echo "|---|---|---|---|---|---|"
} > "$report.tmp"

solved_count=0
for n in $(seq "$first" "$last"); do
    map="map/map$n.map" replay="tests/replays/map$n.txt" script="$out/solver/map$n.txt"
    par="$(sed -n 's/^# clear time \([0-9]*\)$/\1/p' "$replay")"
    set +e
    result="$("$build/solve" --map "$map" --seconds "$seconds" --out "$script" 2> "$out/solver/log.tmp")"
    status=$?
    set -e
    figures="$(sed -n 's/^solve: \([0-9]*\) states.* in \([0-9.]*\) s .*/\1 states, \2 s/p' "$out/solver/log.tmp")"
    case $status in
    0)
        tests/replays/check_replay.sh "$build/sim" "$map" "$script" > /dev/null
        time="$(field "$result" clear)"
        steps="$(grep -v '^#' "$script" | tr '\n' ',' | sed 's/,$//; s/,/, /g')"
        echo "| $n | cleared | $(seconds_of "$time") | $(seconds_of "$par") | $figures | \`$steps\` |" >> "$report.tmp"
        shortcut_note "$n" "$time" "$par" "$result" "$("$build/solve" --map "$map" --usage-of "$replay")"
        solved_count=$((solved_count + 1))
        ;;
    1) echo "| $n | no clear: $result | | $(seconds_of "$par") | $figures | |" >> "$report.tmp"; rm -f "$script" ;;
    *)
        why="not found in $seconds s"
        grep -q "memory limit" "$out/solver/log.tmp" && why="not found before the memory bound"
        echo "| $n | $why | | $(seconds_of "$par") | $figures | |" >> "$report.tmp"; rm -f "$script"
        ;;
    esac
    echo "stage $n: exit $status $result" >&2
done

{
    echo
    echo "Cleared: $solved_count of stages $first to $last."
    echo
    echo "## Possible shortcuts"
    echo
    echo "Clears more than 10 % under par, or that never turn a switch or move an item the replay does."
    echo
    echo "| Stage | Why |"
    echo "|---|---|"
    cat "$shortcuts"
} >> "$report.tmp"
rm -f "$shortcuts" "$out/solver/log.tmp"
mv "$report.tmp" "$report"
echo "$report: $solved_count of stages $first to $last cleared"
