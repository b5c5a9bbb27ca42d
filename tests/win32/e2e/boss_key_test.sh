#!/usr/bin/env bash
# lumio.exe's boss key (RegisterHotKey) under Wine: with another program in front, the
# default Ctrl+Alt+H hides the strip and shows it again, still above the others; a key
# chosen with --boss-key replaces the default; a key another program holds is said once,
# in a message box, and the program runs on. Wine hands a registered key over only while
# one of its own windows has the keyboard, so the program in front is Wine's notepad.
set -uo pipefail
source "$(dirname "$0")/lib.sh"
win_init "$1" "$2"
e2e_start_desktop
win_prefix
title='^Tolva电子文档阅读器$'
e2e_hidden() { ! e2e_visible; }

"$WIN_LOADER" notepad </dev/null >/dev/null 2>&1 &
E2E_PIDS+=("$!")
e2e_wait_for 20 xdotool search --onlyvisible --name 'Notepad' || e2e_fail "no notepad"
notepad="$(xdotool search --onlyvisible --name 'Notepad' | head -n1)"
focus_notepad() {
    xdotool windowactivate --sync "$notepad" 2>/dev/null
    e2e_wait_for 5 sh -c "[ \"\$(xdotool getactivewindow)\" = $notepad ]"
}
exit_lumio() {
    local WX WY
    e2e_window_pos
    win_click 1 $((WX + 629)) $((WY + 12))
    e2e_wait_for 10 sh -c "! kill -0 $E2E_LUMIO_PID" || e2e_fail "the reader did not end"
    wait "$E2E_LUMIO_PID" 2>/dev/null
}

# --- The default key.
e2e_start_lumio "$E2E_SOURCE/data/sample.txt" || { e2e_fail "the window did not appear"; e2e_finish; }
sleep 1
focus_notepad || e2e_fail "notepad did not get the focus"
xdotool key ctrl+alt+h
e2e_wait_for 5 e2e_hidden && e2e_pass "Ctrl+Alt+H hides the strip" || e2e_fail "still shown"
focus_notepad || e2e_fail "notepad lost the focus while the strip was hidden"
xdotool key ctrl+alt+h
e2e_wait_for 5 e2e_visible && e2e_pass "pressed again it shows the strip" || e2e_fail "not shown"
xprop -id "$E2E_WINDOW" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE && e2e_pass "still above" ||
    e2e_fail "not above: $(xprop -id "$E2E_WINDOW" _NET_WM_STATE)"
first_pid=$E2E_LUMIO_PID
first_window=$E2E_WINDOW

# --- The same key asked for by a second reader: taken, said once, and it runs on.
mv "$E2E_WORK/lumio.err" "$E2E_WORK/first.err"
# (--new-instance: a plain second start would hand over to the first and end)
LUMIO_STATS=1 "$E2E_LUMIO" --new-instance >"$E2E_WORK/second.out" 2>"$E2E_WORK/second.err" &
second_pid=$!
E2E_PIDS+=("$second_pid")
e2e_wait_for 20 xdotool search --onlyvisible --name "$title" && e2e_pass "a message box says the key is taken" ||
    e2e_fail "no message box"
[ "$(xdotool search --onlyvisible --name "$title" | wc -l)" = 1 ] && e2e_pass "one box" ||
    e2e_fail "$(xdotool search --onlyvisible --name "$title" | wc -l) boxes"
e2e_wait_for 5 grep -q "held by another program" "$E2E_WORK/second.err" && e2e_pass "and stderr says it" ||
    e2e_fail "stderr: $(cat "$E2E_WORK/second.err")"
kill -0 "$second_pid" && e2e_pass "the second reader runs on" || e2e_fail "the second reader ended"
kill "$second_pid" 2>/dev/null
wait "$second_pid" 2>/dev/null
for w in $(xdotool search --name "$title"); do xdotool windowclose "$w" 2>/dev/null; done

E2E_LUMIO_PID=$first_pid
E2E_WINDOW=$first_window
exit_lumio

# --- A chosen key replaces the default.
e2e_start_lumio --boss-key ctrl+shift+F12 "$E2E_SOURCE/data/sample.txt" ||
    { e2e_fail "the window did not appear"; e2e_finish; }
sleep 1
# The old key first, then, with the focus where it was, the new one: a key that reaches
# the program from there shows that the old one would have too, had it still been held.
focus_notepad || e2e_fail "notepad did not get the focus for the old key"
xdotool key ctrl+alt+h
sleep 1
e2e_visible && e2e_pass "Ctrl+Alt+H is no longer the key" || e2e_fail "Ctrl+Alt+H still hides"
[ "$(xdotool getactivewindow)" = "$notepad" ] || e2e_fail "the focus left notepad after the old key"
xdotool key ctrl+shift+F12
e2e_wait_for 5 e2e_hidden && e2e_pass "Ctrl+Shift+F12 hides, from where Ctrl+Alt+H did nothing" ||
    e2e_fail "Ctrl+Shift+F12 did not hide"
focus_notepad || e2e_fail "notepad lost the focus while the strip was hidden"
xdotool key ctrl+shift+F12
e2e_wait_for 5 e2e_visible && e2e_pass "and shows again" || e2e_fail "not shown again"
exit_lumio
e2e_finish
