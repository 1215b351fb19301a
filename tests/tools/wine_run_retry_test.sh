#!/bin/sh
# tools/wine-run runs a program once more only when the test is marked as
# exposed to Wine's exit timing and Wine's server killed the program as it
# ended (exit status 137); every other outcome stands. A stand-in for Wine
# on PATH answers with the exit statuses it is given, one per run.
set -u
here=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cat >"$work/wine" <<'STANDIN'
#!/bin/sh
echo run >>"$WORK/runs"
status=$(head -n 1 "$WORK/statuses")
sed -i 1d "$WORK/statuses"
exit "$status"
STANDIN
chmod +x "$work/wine"
fail=0
# check MARK "STATUSES" RUNS FINAL: the stand-in answers STATUSES in turn.
check() {
    printf '%s\n' $2 >"$work/statuses"
    rm -f "$work/runs"
    WORK=$work PATH="$work:$PATH" WINEPREFIX=$work ARRL_WINE_EXIT_TIMING=$1 \
        "$here/tools/wine-run" program.exe 2>/dev/null
    status=$?
    runs=$(wc -l <"$work/runs")
    if [ "$runs" -ne "$3" ] || [ "$status" -ne "$4" ]; then
        echo "FAIL: mark '$1', statuses $2: $runs run(s), status $status; expected $3, $4"
        fail=1
    fi
}
check "a reason" "137 0" 2 0    # marked and killed as it ended: once more
check "a reason" "137 137" 2 137 # killed again: it stands
check "a reason" "1 0" 1 1      # a marked test's own failure stands
check "" "137 0" 1 137          # not marked: it stands
check "" "0" 1 0
exit $fail
