# shellcheck shell=bash
# The stages of ./dev test, each timed, and the table of them at the end.
# Sourced by ./dev (bash). A stage runs in the foreground (stage) or beside
# the others (beside): a stage beside runs at idle priority (SCHED_IDLE),
# taking only the processor time that the foreground leaves, with its output
# kept in STAGE_LOGS and printed when it is waited for (wait_beside).

STAGE_RECORDS=()   # "name|seconds|status" of the foreground stages
BESIDE_NAMES=()    # the stages beside, in the order they started
BESIDE_PIDS=()

now() { date +%s.%N; }

# stage NAME COMMAND...: runs COMMAND and keeps its time and exit status.
stage() {
    local name=$1 start status=0
    shift
    start=$(now)
    "$@" || status=$?
    STAGE_RECORDS+=("$name|$(elapsed "$start")|$status")
    return "$status"
}

# beside NAME COMMAND...: runs COMMAND in the background, at idle priority.
beside() {
    local name=$1 file
    shift
    file=$(stage_file "$name")
    (
        # This subshell and all it starts run at idle priority.
        chrt --idle -p 0 "$BASHPID" >/dev/null
        start=$(now)
        status=0
        "$@" >"$file.log" 2>&1 </dev/null || status=$?
        echo "$name|$(elapsed "$start")|$status" >"$file.record"
    ) &
    BESIDE_NAMES+=("$name")
    BESIDE_PIDS+=($!)
}

# Waits for the stages beside, printing the output of each.
wait_beside() {
    local i file
    for i in "${!BESIDE_NAMES[@]}"; do
        wait "${BESIDE_PIDS[$i]}" || true
        file=$(stage_file "${BESIDE_NAMES[$i]}")
        echo
        echo "=== ${BESIDE_NAMES[$i]} (ran beside the Win32 tests; $file.log)"
        cat "$file.log"
        STAGE_RECORDS+=("$(cat "$file.record" 2>/dev/null || echo "${BESIDE_NAMES[$i]}|?|1")")
    done
    BESIDE_NAMES=()
    BESIDE_PIDS=()
}

# The table of the stages; its exit status says whether every stage passed.
print_stages() {
    local total=$1 record name seconds status failed=0
    echo
    echo "Stages of ./dev test (seconds; \"beside\" stages ran at the same time as the Win32 tests):"
    for record in "${STAGE_RECORDS[@]}"; do
        IFS='|' read -r name seconds status <<<"$record"
        if [ "$status" = 0 ]; then
            printf '  %-28s %6s  passed\n' "$name" "$seconds"
        else
            printf '  %-28s %6s  FAILED\n' "$name" "$seconds"
            failed=1
        fi
    done
    printf '  %-28s %6s\n' "whole run" "$(elapsed "$total")"
    return $failed
}

elapsed() {
    awk -v a="$1" -v b="$(now)" 'BEGIN { printf "%.0f", b - a }'
}

stage_file() {
    mkdir -p "$STAGE_LOGS"
    echo "$STAGE_LOGS/$(printf '%s' "$1" | tr -c 'A-Za-z0-9' '-')"
}
