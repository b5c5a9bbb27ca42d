#!/usr/bin/env bash
# lumio.exe, one strip per session, under Wine on a desktop without a tray host: after
# the pin has hidden the strip a second lumio.exe shows it again and ends with 0; a
# second `lumio.exe FILE` opens FILE in the running strip (a relative name too) and
# ends with 0; --new-instance opens a strip of its own.
set -uo pipefail
source "$(dirname "$0")/lib.sh"
win_init "$1" "$2"
E2E_NO_TRAY=1 e2e_start_desktop
win_prefix

mkdir -p "$E2E_WORK/docs"
light="$E2E_WORK/docs/light.txt"
dense="$E2E_WORK/docs/dense.txt"
e2e_gbk "$light" "$(printf '一%.0s' $(seq 1 400))"
e2e_gbk "$dense" "$(printf '鬱%.0s' $(seq 1 400))"
windows_name() { echo "Z:$(echo "$1" | tr / '\\\\')"; }

strips() { xdotool search --onlyvisible --name '^Lumio V3$' 2>/dev/null | wc -l; }
hidden() { ! e2e_visible; }
viewer() { # NAME: the ticker's line, cropped from a screenshot
    e2e_shot "$1"
    convert "$E2E_SHOTS/$1.png" -crop "630x40+$((WX + 10))+$((WY + 28))" +repage "$E2E_SHOTS/$1-viewer.png"
}
red_of() { e2e_red_density "$E2E_SHOTS/$1-viewer.png"; }
second=0
second_start() { # ARGS...
    second=$((second + 1))
    timeout 30 "$E2E_LUMIO" "$@" >"$E2E_WORK/second-$second.out" 2>"$E2E_WORK/second-$second.err" </dev/null
    local status=$?
    [ "$status" = 0 ] && e2e_pass "a second start ($*) ends with 0" ||
        e2e_fail "a second start ($*) ended with $status: $(cat "$E2E_WORK/second-$second.err")"
}

e2e_start_lumio || { e2e_fail "the window did not appear"; e2e_finish; }
sleep 1
e2e_window_pos

# The pin hides the strip; a second start shows it again.
win_click 1 $((WX + 553)) $((WY + 12))
e2e_wait_for 5 hidden && e2e_pass "the pin hides the strip" || e2e_fail "the pin did not hide it"
second_start
e2e_wait_for 5 e2e_visible && e2e_pass "a second start brings the strip back" ||
    e2e_fail "the strip stayed hidden after a second start"
sleep 0.5
[ "$(strips)" = 1 ] && e2e_pass "one strip" || e2e_fail "$(strips) strips"

# A second start with a file: the running strip reads it.
viewer idle
(($(red_of idle) == 0)) || e2e_fail "reading before any document"
second_start "$(windows_name "$light")"
sleep 2
viewer light
light_red=$(red_of light)
((light_red > 0)) && e2e_pass "the second start's file is read in the first strip" ||
    e2e_fail "the second start's file was not read"
# A relative name, from another folder than the first strip's.
(cd "$E2E_WORK/docs" && second_start dense.txt)
sleep 2.5
viewer dense
dense_red=$(red_of dense)
((dense_red > 2 * light_red)) && e2e_pass "a relative name is the second start's own file" ||
    e2e_fail "after 'lumio.exe dense.txt': $dense_red red density, the light document had $light_red"
[ "$(strips)" = 1 ] && e2e_pass "still one strip" || e2e_fail "$(strips) strips"
kill -0 "$E2E_LUMIO_PID" 2>/dev/null || e2e_fail "the first strip ended"

# --new-instance: a strip of its own.
"$E2E_LUMIO" --new-instance --boss-key none >"$E2E_WORK/new.out" 2>"$E2E_WORK/new.err" </dev/null &
new=$!
E2E_PIDS+=("$new")
e2e_wait_for 20 sh -c '[ "$(xdotool search --onlyvisible --name "^Lumio V3\$" | wc -l)" = 2 ]' &&
    e2e_pass "--new-instance opens a second strip" || e2e_fail "--new-instance: $(strips) strips"
e2e_finish
