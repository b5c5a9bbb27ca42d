#!/usr/bin/env bash
# The program's messages can be read wherever the strip is: the refusal of a file named
# on the command line and the load error open clear of the strip at the top of the
# screen, a refused drop while reading with the strip moved to the bottom opens above
# it; each in the strip's layer. On a Chinese desktop Qt's own texts are Chinese: the
# open dialog is titled 打开 (its labels and the boxes' 确定 are in the screenshots).
set -uo pipefail
source "$(dirname "$0")/lib.sh"
e2e_init "$1" "$2"
e2e_need iconv compare
e2e_start_desktop
drag="$E2E_BUILD/tests/e2e/lumio_drag_source"
title='信息提示'

light="$E2E_WORK/light.txt"
e2e_gbk "$light" "$(printf '一%.0s' $(seq 1 400))"
printf 'ABC\r\n' >"$E2E_WORK/wrong.TXT"

# Waits for the box, checks it can be read, shoots it and closes it with Return.
read_box() { # SHOT
    if ! e2e_wait_for 10 e2e_titled "$title"; then
        e2e_fail "$1: no message box"
        return
    fi
    sleep 0.5
    e2e_window_pos
    local why
    why="$(e2e_message_readable "$title" "$1")" && e2e_pass "$1: the message can be read" ||
        e2e_fail "$1: $why"
    xdotool windowactivate --sync "$(e2e_windows_titled "$title" | head -n1)" 2>/dev/null
    xdotool key Return
    e2e_wait_for 10 eval '! e2e_titled "$title"' ||
        e2e_fail "$1: the message box stayed"
}

exit_lumio() {
    e2e_window_pos
    xdotool mousemove $((WX + 629)) $((WY + 12)) click 1
    e2e_wait_for 10 sh -c "! kill -0 $E2E_LUMIO_PID" || e2e_fail "the reader did not end"
    wait "$E2E_LUMIO_PID" 2>/dev/null
}

# 1. A refused name on the command line: the box opens as the strip does.
e2e_start_lumio "$E2E_WORK/wrong.TXT" || { e2e_fail "no window"; e2e_finish; }
read_box refusal-at-start
exit_lumio

# 2. A file that cannot be read.
e2e_start_lumio "$E2E_WORK/gone.txt" || { e2e_fail "no window"; e2e_finish; }
read_box load-error
exit_lumio

# 3. While reading, with the strip dragged to the bottom of the screen: a refused drop.
e2e_start_lumio "$light" || { e2e_fail "no window"; e2e_finish; }
sleep 1
e2e_window_pos
e2e_drag $((WX + 420)) $((WY + 12)) $((WX + 420)) 712
sleep 0.5
e2e_window_pos
((WY > 600)) && e2e_pass "the strip is at the bottom (y $WY)" || e2e_fail "the strip did not move: y $WY"
"$drag" "$E2E_WORK/wrong.TXT" >"$E2E_WORK/drag.out" 2>&1 &
E2E_PIDS+=("$!")
e2e_wait_for 10 xdotool search --onlyvisible --name '^lumio-drag-source$' || e2e_fail "no drag source"
sleep 0.5
e2e_drag 100 440 $((WX + 300)) $((WY + 46))
read_box refused-drop
kill "$!" 2>/dev/null
exit_lumio

# 4. A Chinese desktop: Qt's dialog and buttons speak it. (Only the program gets the
# language: the tools here read their patterns in the test's own.)
export LANG=zh_CN.UTF-8
e2e_start_lumio || { e2e_fail "no window"; e2e_finish; }
export LANG=C.UTF-8
sleep 0.5
e2e_window_pos
xdotool mousemove $((WX + 514)) $((WY + 12)) click 1
if e2e_wait_for 10 e2e_titled 打开; then
    e2e_pass "the open dialog is titled 打开"
    sleep 0.5
    e2e_shot dialog-zh
    xdotool type --delay 5 "$E2E_WORK/wrong.TXT"
    xdotool key Return
    read_box refusal-zh
else
    e2e_fail "no dialog titled 打开: $(xdotool search --onlyvisible --name . getwindowname %@ 2>/dev/null | tr '\n' '|')"
fi
exit_lumio
e2e_finish
