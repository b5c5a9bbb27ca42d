#!/usr/bin/env bash
# The strip steps aside for full-screen windows on a real X server: another program's
# window made full screen through the window manager (_NET_WM_STATE) hides the strip
# within a second; leaving full screen shows it again, still above the others, with the
# reading gone on meanwhile; the boss key shows it over a full-screen window, in front of
# it, and it stays; a window without a frame that covers the screen counts too; a tray
# hide before is kept; --no-auto-hide leaves the strip up.
set -uo pipefail
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/full_screen_checks.sh"
e2e_init "$1" "$2"
e2e_start_desktop
other_window="$E2E_BUILD/tests/e2e/lumio_other_window"
[ -x "$other_window" ] || { echo "SKIP: built without the X11 libraries (libxcb1-dev)"; exit 77; }

full() { xprop -id "$1" _NET_WM_STATE 2>/dev/null | grep -q _NET_WM_STATE_FULLSCREEN; }
not_full() { ! full "$1"; }
last_stacked() {
    local stacking
    stacking="$(xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*# //' | tr -d ' ')"
    [ "$((${stacking##*,}))" = "$(($1))" ]
}
topmost() {
    last_stacked "$E2E_WINDOW" &&
        xprop -id "$E2E_WINDOW" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE
}
activate() {
    xdotool windowactivate --sync "$1" 2>/dev/null
    e2e_wait_for 5 sh -c "[ \"\$(xdotool getactivewindow)\" = $(($1)) ]"
}
# Makes window $1 full screen ("add") or not ("remove") through the window manager and
# waits until the manager says it did; the program's time is counted from there. Under
# load openbox now and then drops such a request, so it is asked again each second.
set_full() {
    local check=full attempt
    [ "$2" = add ] || check=not_full
    for attempt in 1 2 3 4 5 6 7 8 9 10; do
        "$other_window" state "$1" "$2" _NET_WM_STATE_FULLSCREEN
        e2e_wait_for 1 "$check" "$1" && return 0
    done
    return 1
}
# Another program's plain window: sets NEW_WINDOW.
new_window() {
    local out="$E2E_WORK/window.$RANDOM"
    "$other_window" "$@" >"$out" 2>&1 &
    E2E_PIDS+=("$!")
    NEW_PID=$!
    e2e_wait_for 20 grep -q . "$out" || return 1
    NEW_WINDOW="$(head -n1 "$out")"
    e2e_wait_for 20 sh -c "xwininfo -id $NEW_WINDOW | grep -q IsViewable"
}

new_window 100 300 600 300 || { e2e_fail "no other window"; e2e_finish; }
other=$NEW_WINDOW
e2e_start_lumio "$E2E_SOURCE/data/sample.txt" || { e2e_fail "the window did not appear"; e2e_finish; }
e2e_wait_for 10 topmost || e2e_fail "not topmost at the start"
sleep 2 # start-up's work done, so the times below are the rule's

# --- Full screen through the window manager hides the strip within a second.
activate "$other" || e2e_fail "the other window did not get the focus"
e2e_window_pos
e2e_shot before
e2e_viewer_crop "$E2E_SHOTS/before.png" "$E2E_WORK/viewer-before.png"
set_full "$other" add || e2e_fail "the window manager did not make the window full screen"
e2e_steps_aside_for "a window made full screen"

# --- Leaving full screen shows it again, above the others; reading went on.
set_full "$other" remove || e2e_fail "the window manager did not end full screen"
e2e_comes_back_after "leaving full screen" topmost
sleep 0.5
e2e_window_pos
e2e_shot after
e2e_viewer_crop "$E2E_SHOTS/after.png" "$E2E_WORK/viewer-after.png"
changed=$(e2e_differing "$E2E_WORK/viewer-before.png" "$E2E_WORK/viewer-after.png")
((${changed:-0} > 100)) && e2e_pass "reading went on meanwhile" ||
    e2e_fail "the viewer shows what it showed before ($changed pixels differ)"

# --- The boss key shows the strip over a full-screen window, in front, and it stays.
activate "$other"
set_full "$other" add
e2e_wait_for 5 e2e_unmapped || e2e_fail "not hidden the second time"
xdotool key ctrl+alt+h
e2e_wait_for 5 e2e_mapped && e2e_pass "the boss key shows it during full screen" ||
    e2e_fail "the boss key does not show it"
e2e_wait_for 5 last_stacked "$E2E_WINDOW" && e2e_pass "in front of the full-screen window" ||
    e2e_fail "behind the full-screen window: $(xprop -root _NET_CLIENT_LIST_STACKING)"
sleep 1.5
e2e_mapped && e2e_pass "and it stays" || e2e_fail "hidden again while the same window is full screen"
e2e_shot boss-over-full-screen
set_full "$other" remove
sleep 1.5
e2e_mapped && e2e_wait_for 5 topmost && e2e_pass "still up and on top after full screen" ||
    e2e_fail "not up or not on top after full screen"

# --- A frameless window that covers the screen is full screen too; closing it ends that.
new_window 0 0 1280 800 frameless || e2e_fail "no covering window"
cover=$NEW_WINDOW
cover_pid=$NEW_PID
activate "$cover" || e2e_fail "the covering window did not get the focus"
ms=$(e2e_took_ms 5000 e2e_unmapped) && e2e_pass "a frameless window covering the screen hides it ($ms ms)" ||
    e2e_fail "not hidden by a frameless window covering the screen: $(xprop -id "$cover" _NET_FRAME_EXTENTS)"
kill "$cover_pid"
e2e_wait_for 5 e2e_mapped && e2e_pass "closing it shows the strip" || e2e_fail "not shown after it closed"

# --- A tray hide before is kept.
if e2e_tray_icon; then
    xdotool mousemove "$TX" "$TY" click 3
    e2e_wait_for 5 e2e_unmapped || e2e_fail "the tray did not hide it"
    activate "$other"
    set_full "$other" add
    sleep 1.5
    set_full "$other" remove
    sleep 1.5
    e2e_unmapped && e2e_pass "a tray hide before full screen is kept" ||
        e2e_fail "the end of full screen undid the tray's hide"
    xdotool mousemove "$TX" "$TY" click 1
    e2e_wait_for 5 e2e_mapped && e2e_wait_for 5 topmost && e2e_pass "the tray shows it, on top" ||
        e2e_fail "the tray does not bring it back on top"
else
    e2e_fail "no tray icon"
fi

# --- --no-auto-hide: the strip stays up.
e2e_stop_lumio
e2e_start_lumio --no-auto-hide "$E2E_SOURCE/data/sample.txt" ||
    { e2e_fail "no window with --no-auto-hide"; e2e_finish; }
e2e_wait_for 10 topmost
activate "$other"
set_full "$other" add
sleep 2
e2e_mapped && e2e_pass "--no-auto-hide leaves the strip up" || e2e_fail "hidden despite --no-auto-hide"
set_full "$other" remove
e2e_finish
