#!/usr/bin/env bash
# --speed and --start on the desktop program: after the file's load the sliders move as
# the user would move them. The speed shows in the number of ticks; a start point past
# the end of a short document gives one empty tick, and reading pauses.
set -uo pipefail
source "$(dirname "$0")/lib.sh"
e2e_init "$1" "$2"
e2e_need iconv
e2e_start_desktop

doc="$E2E_WORK/doc.txt"
e2e_gbk "$doc" "$(printf '一%.0s' $(seq 1 400))"

# Runs the reader for $1 seconds with the other arguments, ends it through its exit
# button and sets TICKS from its figures.
run_for() {
    local seconds="$1"
    shift
    e2e_start_lumio "$@" || { e2e_fail "no window for $*"; return 1; }
    sleep "$seconds"
    e2e_window_pos
    xdotool mousemove $((WX + 629)) $((WY + 12)) click 1
    e2e_wait_for 10 sh -c "! kill -0 $E2E_LUMIO_PID" || e2e_fail "the reader did not end"
    wait "$E2E_LUMIO_PID" 2>/dev/null
    TICKS="$(grep -o '"ticks":[0-9]*' "$E2E_WORK/lumio.err" | cut -d: -f2)"
    echo "  $*: ${TICKS:-?} ticks in ${seconds}s"
    number "$TICKS" || e2e_fail "no tick figure for $* (did the program end before it said?)"
}
# Whether a run gave its figure: a comparison with none (an empty one counts as 0 in
# arithmetic) proves nothing.
number() { [[ "${1:-}" =~ ^[0-9]+$ ]]; }

run_for 2 "$doc"
slow="$TICKS"
run_for 2 --speed 10 "$doc"
fast="$TICKS"
number "$slow" && ((slow > 3 && slow < 20)) && e2e_pass "200 ms per character by default" || e2e_fail "$slow ticks by default"
number "$slow" && number "$fast" && ((fast > 4 * slow)) && e2e_pass "--speed 10 reads much faster ($fast ticks)" ||
    e2e_fail "--speed 10 gave $fast ticks against $slow"
run_for 2 --speed 0 "$doc"
number "$slow" && number "$TICKS" && ((TICKS < slow)) && e2e_pass "--speed 0 reads slower ($TICKS ticks)" || e2e_fail "--speed 0 gave $TICKS ticks"

# 400 characters and two spaces, start point 10: position 4020, past the end.
run_for 2 --speed 10 --start 10 "$doc"
[ "$TICKS" = 1 ] && e2e_pass "--start 10 jumps past the end: one tick, then paused" ||
    e2e_fail "--start 10 gave $TICKS ticks"

# A bad value stops the program before any window.
"$E2E_LUMIO" --start 11 "$doc" >/dev/null 2>"$E2E_WORK/bad.err"
status=$?
[ "$status" = 2 ] && grep -q "start wants a whole number from 0 to 10, not '11'" "$E2E_WORK/bad.err" &&
    e2e_pass "--start 11 is refused" || e2e_fail "--start 11: status $status, $(cat "$E2E_WORK/bad.err")"
e2e_finish
