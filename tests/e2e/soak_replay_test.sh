#!/usr/bin/env bash
# The soaks' steps (bench/soak_lib.sh) with the desktop taken away: every program they
# run is replaced by a line in a transcript. The same seed must give the same transcript,
# or a failed soak cannot be replayed; another seed a different one; every kind of step
# must be among the actions drawn and have its own step; a failure names the steps
# before it.
set -uo pipefail
source "$2/tests/e2e/lib.sh"
source "$2/bench/soak_lib.sh"
failures=0
check() { # NAME CONDITION...
    local name="$1"
    shift
    if "$@"; then
        echo "ok: $name"
    else
        echo "FAIL: $name"
        failures=$((failures + 1))
    fi
}

# The failure report as the soaks have it, before `stop` is replaced below.
eval "report_$(declare -f stop)"

# The outside world, written down.
xdotool() { echo "xdotool $*"; }
e2e_drag() { echo "drag $*"; }
e2e_wait_for() { return 0; }
e2e_visible() { return 0; }
sleep() { :; }
kill() { :; }
wait() { :; }
soak_tray_click() { echo "tray $1"; }
soak_drag_source() {
    echo "source $1"
    SOAK_SOURCE=none
    SOAK_SOURCE_TITLE=source
}
stop() { echo "stop $1"; }
WX=315
WY=0
files=/files
good=(/files/one.txt /files/two.txt)
refused=(/files/refused.TXT /files/refused.doc)
unreadable=(/files/folder.txt /files/missing.txt)

# 300 steps drawn from SEED, as soak_main draws them.
transcript() {
    RANDOM="$1"
    local i a
    for ((i = 0; i < 300; i++)); do
        a="${actions[RANDOM % ${#actions[@]}]}"
        echo "step $a"
        "act_$a"
    done
}

first="$(transcript 13)"
again="$(transcript 13)"
other="$(transcript 14)"
check "the transcript has every step" test "$(grep -c '^step ' <<<"$first")" = 300
check "seed 13 replays step for step" test "$first" = "$again"
check "seed 14 draws other steps" test "$first" != "$other"
# Where the randomness lies beyond the choice of step: the control clicked, the file
# typed into the dialog, the place a file is dropped.
for what in '^xdotool mousemove' '^xdotool type' '^drag 100 440'; do
    check "the draws of '$what' replay" test "$(grep "$what" <<<"$first")" = "$(grep "$what" <<<"$again")"
    check "'$what' varies" test "$(grep "$what" <<<"$first" | sort -u | wc -l)" -gt 1
done
no_stop() { ! grep -q '^stop' <<<"$first"; }
check "no step stops the soak when the desktop answers" no_stop

drawn() { [[ " ${actions[*]} " == *" $1 "* ]]; }
has_step() { declare -F "act_$1" >/dev/null; }
for k in "${kinds[@]}"; do
    check "'$k' is among the actions drawn" drawn "$k"
    check "'$k' has a step" has_step "$k"
done
# A failed step names the steps before it, the last eight at most, from the first step on.
steps_before() { # N: the steps named after N steps
    (
        e2e_fail() { :; }
        e2e_shot() { :; }
        summary() { :; }
        e2e_finish() { exit 0; }
        kill() { return 1; } # the program is gone: no threads to record
        pid=""
        seed=1
        step="$1"
        history=()
        for ((i = 1; i <= $1; i++)); do history+=("$i:click"); done
        report_stop "the test" | sed -n 's/^soak: the steps before: //p'
    )
}
check "after one step, that step" test "$(steps_before 1)" = "1:click"
check "after three steps, all three" test "$(steps_before 3)" = "1:click 2:click 3:click"
check "after eight steps, all eight" test "$(steps_before 8 | wc -w)" = 8
check "after twelve steps, the last eight" test "$(steps_before 12)" = \
    "5:click 6:click 7:click 8:click 9:click 10:click 11:click 12:click"
((failures == 0)) || { echo "$failures failure(s)"; exit 1; }
