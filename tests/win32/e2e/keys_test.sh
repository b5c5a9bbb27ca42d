#!/usr/bin/env bash
# lumio.exe under Wine, driven from the keyboard: a click on the pause button gives it
# the focus; Shift+Tab walks the tab order backwards (pause, stop, pin, start) and
# Space presses the start button, so reading goes on; three more steps back (web page,
# exit) wrap round to the open button, whose Space brings the open dialog. The viewer
# and the title strip (disabled) take no focus.
set -uo pipefail
source "$(dirname "$0")/lib.sh"
win_init "$1" "$2"
e2e_start_desktop
win_prefix

viewer_shot() {
    import -window root "$E2E_WORK/full.png" 2>/dev/null
    e2e_viewer_crop "$E2E_WORK/full.png" "$1"
}
# Whether the view changes within a second: reading is going on.
moving() {
    viewer_shot "$E2E_WORK/v1.png"
    sleep 1
    viewer_shot "$E2E_WORK/v2.png"
    (($(e2e_differing "$E2E_WORK/v1.png" "$E2E_WORK/v2.png") > 100))
}
# A real key press (XTEST) in the active window, held a moment as a hand holds it.
press() {
    xdotool key --delay 150 "$@"
    sleep 0.3
}

e2e_start_lumio "$E2E_SOURCE/data/sample.txt" || { e2e_fail "the window did not appear"; e2e_finish; }
sleep 1.5
e2e_window_pos
xdotool windowactivate --sync "$E2E_WINDOW" 2>/dev/null
moving && e2e_pass "reading from the start" || e2e_fail "not reading after the start"

win_click 1 $((WX + 54)) $((WY + 12)) # the pause button
# The pointer leaves the strip: the button's tool tip, which shows over the viewer a
# moment after the pointer comes to rest, would otherwise count as movement.
xdotool mousemove $((WX + 300)) $((WY + 300))
sleep 0.8
moving && e2e_fail "the pause button did not pause" || e2e_pass "paused by a click"

# Back from pause: stop, pin, start.
press shift+Tab shift+Tab shift+Tab
press space
sleep 0.5
moving && e2e_pass "Shift+Tab three times and Space started the reading" ||
    e2e_fail "Space on the third control back did not start the reading"
e2e_shot keys-started

# Back from start: web page, exit, and round to the open button.
press shift+Tab shift+Tab shift+Tab
press space
if e2e_wait_for 8 xdotool search --onlyvisible --name '^Open$'; then
    e2e_pass "Shift+Tab wrapped round to the open button and Space opened the dialog"
    xdotool windowactivate --sync "$(xdotool search --onlyvisible --name '^Open$' | head -n1)" 2>/dev/null
    press Escape
    e2e_wait_for 5 sh -c "! xdotool search --onlyvisible --name '^Open$' | grep -q ." ||
        e2e_fail "Escape did not close the dialog"
else
    e2e_fail "no open dialog from the keyboard"
    e2e_shot keys-no-dialog
fi
kill -0 "$E2E_LUMIO_PID" 2>/dev/null && e2e_pass "still running" || e2e_fail "the program ended"
e2e_finish
