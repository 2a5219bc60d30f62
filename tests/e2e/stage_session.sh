# Sourced by the end-to-end scripts that play a stage in a built game:
# stage_session SOURCE N [REPLAY] prints the input script from launch through
# stage N (prolog skipped, START on the title, the stage chosen on the select,
# its replay, by default the shipped stage's, the result passed); replay_clear_ms SOURCE N prints the time its
# replay records; best_time FILE N the first best time of stage N.
stage_session() {
    echo "- 100"; echo "Z 6"; echo "- 100"; echo "Z 6"; echo "- 100"
    i=1
    while [ $i -lt "$2" ]; do echo "R 3"; echo "- 3"; i=$((i + 1)); done
    # The replay starts once the select has faded out to black.
    echo "- 30"; echo "Z 6"; echo "# black"
    grep -v "^#" "${3:-$1/tests/replays/map$2.txt}"
    echo "- 420"; echo "Z 6"; echo "- 120"
}

replay_clear_ms() {
    sed -n 's/^# clear time \([0-9]*\)$/\1/p' "$1/tests/replays/map$2.txt"
}

best_time() {
    expr "$(cut -c$((($2 - 1) * 21 + 1))-$((($2 - 1) * 21 + 7)) "$1")" + 0
}

# Waits up to SECONDS for FILE to differ from SHIPPED: leaving the result saves.
wait_for_save() {
    deadline=$(($(date +%s) + $3))
    while { [ ! -f "$1" ] || cmp -s "$1" "$2"; } && [ "$(date +%s)" -lt "$deadline" ]; do
        sleep 0.2
    done
    sleep 0.5
    ! cmp -s "$1" "$2"
}

# Passes when BEST is within 20 ms of EXPECTED; prints what it found.
check_clear_time() {
    diff=$(($2 - $3))
    if [ "${diff#-}" -le 20 ]; then
        echo "$1: cleared in $2 ms (replay $3 ms)"
    else
        echo "$1: cleared in $2 ms, the replay clears in $3 ms" >&2
        return 1
    fi
}
