#!/usr/bin/env bash
# One strip per session, on a desktop without a notification area (as stock GNOME is):
# the program says once, readably, how the strip comes back; after the pin has hidden
# it a second `lumio` shows it again and ends with 0; a second `lumio FILE` opens FILE
# in the running strip (a relative name, a GBK name, a refused name too) and ends with
# 0; --new-instance opens a strip of its own; a strip killed without a word leaves
# nothing that stops the next one. With a tray host there is no such word.
set -uo pipefail
source "$(dirname "$0")/lib.sh"
e2e_init "$1" "$2"
e2e_need iconv compare od
E2E_NO_TRAY=1 e2e_start_desktop
notice='Tolva电子文档阅读器'

mkdir -p "$E2E_WORK/docs"
light="$E2E_WORK/docs/light.txt"
dense="$E2E_WORK/docs/dense.txt"
gbk="$E2E_WORK/docs/$(e2e_gbk_name 你好).txt"
e2e_gbk "$light" "$(printf '一%.0s' $(seq 1 400))"
e2e_gbk "$dense" "$(printf '鬱%.0s' $(seq 1 400))"
cp "$light" "$gbk"
printf 'ABC\r\n' >"$E2E_WORK/docs/wrong.TXT"

strips() { xdotool search --onlyvisible --name '^Lumio V3$' 2>/dev/null | wc -l; }
hidden() { ! e2e_visible; }
viewer_after() { # NAME SECONDS
    sleep "$2"
    e2e_shot "$1"
    e2e_viewer_crop "$E2E_SHOTS/$1.png" "$E2E_SHOTS/$1-viewer.png"
}
red_of() { e2e_red_density "$E2E_SHOTS/$1-viewer.png"; }
# A second start: must end by itself, with 0, soon. Its output is kept for the end.
second=0
second_start() { # ARGS...
    second=$((second + 1))
    timeout 20 "$E2E_LUMIO" "$@" >"$E2E_WORK/second-$second.out" 2>"$E2E_WORK/second-$second.err"
    local status=$?
    [ "$status" = 0 ] && e2e_pass "a second start ($*) ends with 0" ||
        e2e_fail "a second start ($*) ended with $status: $(cat "$E2E_WORK/second-$second.err")"
}
close_box() { # TITLE
    xdotool windowactivate --sync "$(e2e_windows_titled "$1" | head -n1)" 2>/dev/null
    xdotool key Return
    e2e_wait_for 10 eval '! e2e_titled "$1"' || e2e_fail "the box $1 stayed"
}

# 1. No notification area: the word in the balloon's place, once, readable.
e2e_start_lumio || { e2e_fail "no window"; e2e_finish; }
e2e_window_pos
if e2e_wait_for 10 e2e_titled "$notice"; then
    why="$(e2e_message_readable "$notice" no-tray)" && e2e_pass "without a tray the program says how the strip comes back" ||
        e2e_fail "the word without a tray: $why"
    close_box "$notice"
else
    e2e_fail "nothing said without a tray"
fi
sleep 4
e2e_titled "$notice" && e2e_fail "said twice" || e2e_pass "said once"

# 2. The pin hides the strip; a second start shows it again.
xdotool mousemove $((WX + 553)) $((WY + 12)) click 1
e2e_wait_for 5 hidden && e2e_pass "the pin hides the strip" || e2e_fail "the pin did not hide it"
second_start
e2e_wait_for 5 e2e_visible && e2e_pass "a second start brings the strip back" ||
    e2e_fail "the strip stayed hidden after a second start"
sleep 0.5
[ "$(strips)" = 1 ] && e2e_pass "one strip" || e2e_fail "$(strips) strips"
kill -0 "$E2E_LUMIO_PID" 2>/dev/null || e2e_fail "the first strip ended"

# 3. A second start with a file: the running strip reads it.
viewer_after idle 0.2
((($(e2e_red_pixels "$E2E_SHOTS/idle-viewer.png")) < 10)) || e2e_fail "reading before any document"
second_start "$light"
viewer_after light 2
light_red=$(red_of light)
((light_red > 0)) && e2e_pass "the second start's file is read in the first strip" ||
    e2e_fail "the second start's file was not read"
# A relative name, from another folder than the first strip's.
(cd "$E2E_WORK/docs" && second_start dense.txt)
viewer_after dense 2.5
dense_red=$(red_of dense)
((dense_red > 2 * light_red)) && e2e_pass "a relative name is the second start's own file" ||
    e2e_fail "after 'lumio dense.txt': $dense_red red density, the light document had $light_red"
# A name that is not UTF-8 travels as its bytes.
second_start "$gbk"
viewer_after gbk 2.5
m=$(red_of gbk)
((dense_red > 2 * m && m > 0)) && e2e_pass "a GBK name handed over is read" ||
    e2e_fail "after the GBK name: $m red density (light $light_red, dense $dense_red)"
# A refused name: the running strip says so, readably.
second_start "$E2E_WORK/docs/wrong.TXT"
if e2e_wait_for 10 e2e_titled 信息提示; then
    why="$(e2e_message_readable 信息提示 handed-refusal)" && e2e_pass "the running strip refuses the handed name" ||
        e2e_fail "the refusal of a handed name: $why"
    close_box 信息提示
else
    e2e_fail "no refusal for a handed .TXT name"
fi
[ "$(strips)" = 1 ] && e2e_pass "still one strip" || e2e_fail "$(strips) strips"

# 4. --new-instance: a strip of its own.
"$E2E_LUMIO" --new-instance --boss-key none >"$E2E_WORK/new.out" 2>"$E2E_WORK/new.err" &
new=$!
E2E_PIDS+=("$new")
e2e_wait_for 15 sh -c '[ "$(xdotool search --onlyvisible --name "^Lumio V3\$" | wc -l)" = 2 ]' &&
    e2e_pass "--new-instance opens a second strip" || e2e_fail "--new-instance: $(strips) strips"
kill -TERM "$new"
e2e_wait_for 15 sh -c "! kill -0 $new" || e2e_fail "the second strip did not end"

# 5. Killed without a word: the next start is a strip of its own, and takes hand-overs.
kill -KILL "$E2E_LUMIO_PID"
wait "$E2E_LUMIO_PID" 2>/dev/null
e2e_wait_for 10 hidden || e2e_fail "the killed strip is still shown"
start=$SECONDS
e2e_start_lumio "$light" || e2e_fail "no strip after one was killed"
((SECONDS - start < 5)) && e2e_pass "a strip killed leaves nothing in the way" ||
    e2e_fail "the strip after a killed one took $((SECONDS - start)) s"
e2e_window_pos
xdotool mousemove $((WX + 553)) $((WY + 12)) click 1
e2e_wait_for 5 hidden || e2e_fail "the pin did not hide the new strip"
second_start
e2e_wait_for 5 e2e_visible && e2e_pass "the new strip takes hand-overs" || e2e_fail "the new strip stayed hidden"
e2e_wait_for 10 e2e_titled "$notice" && close_box "$notice"
e2e_stop_lumio

# 6. With a tray host, nothing is said.
e2e_start_tray || e2e_fail "no tray host"
e2e_start_lumio || e2e_fail "no window with a tray"
sleep 5
e2e_titled "$notice" && e2e_fail "the word shown although there is a tray" ||
    e2e_pass "with a tray, the balloon alone"
e2e_tray_icon && e2e_pass "the tray icon is there" || e2e_fail "no tray icon"

if grep -lE 'ERROR: (Leak|Address)Sanitizer|runtime error:' "$E2E_WORK"/second-*.err "$E2E_WORK/new.err" 2>/dev/null; then
    e2e_fail "sanitizer report from a second start or the --new-instance strip"
fi
e2e_finish
