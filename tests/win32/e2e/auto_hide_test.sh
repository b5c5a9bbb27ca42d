#!/usr/bin/env bash
# lumio.exe steps aside for a full-screen window under Wine: a program of our own that
# covers the screen with a borderless window and makes it the foreground window hides
# the strip within a second; closing it shows the strip again, still above the others;
# a tray hide before is kept; with --no-auto-hide the strip stays up.
set -uo pipefail
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/../../e2e/full_screen_checks.sh"
win_init "$1" "$2"
e2e_start_desktop
win_prefix
full_screen="$E2E_BUILD/lumio_full_screen_window.exe"
tray_click="$E2E_BUILD/lumio_tray_click.exe"
[ -f "$full_screen" ] && [ -f "$tray_click" ] || { echo "FAIL: the test programs are not built"; exit 1; }

above() { xprop -id "$E2E_WINDOW" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE; }
said_shown() { grep -q shown "$E2E_WORK/full.out"; }
# Starts the full-screen program and waits until it says its window is up.
open_full_screen() {
    "$WIN_LOADER" "$full_screen" >"$E2E_WORK/full.out" 2>&1 &
    E2E_PIDS+=("$!")
    FULL_PID=$!
    e2e_took_ms 30000 said_shown >/dev/null
}

# Closes it with a click, as its user would.
close_full_screen() {
    win_click 1 640 400
    e2e_wait_for 10 sh -c "! kill -0 $FULL_PID" || e2e_fail "the full-screen program did not end"
    wait "$FULL_PID" 2>/dev/null
}

e2e_start_lumio "$E2E_SOURCE/data/sample.txt" || { e2e_fail "the window did not appear"; e2e_finish; }
sleep 2 # start-up's work done, so the times below are the rule's
e2e_window_pos

# --- A borderless window covering the screen, in front: the strip steps aside.
open_full_screen || e2e_fail "the full-screen program did not start"
e2e_steps_aside_for "a borderless window covering the screen"

# --- Closing it shows the strip again, above the others.
close_full_screen
e2e_comes_back_after "closing it" above

# --- A tray hide before is kept.
"$WIN_LOADER" "$tray_click" right >/dev/null 2>&1
e2e_wait_for 5 e2e_unmapped || e2e_fail "the tray did not hide it"
open_full_screen
sleep 1.5
close_full_screen
sleep 1.5
e2e_unmapped && e2e_pass "a tray hide before the full-screen window is kept" ||
    e2e_fail "closing the full-screen window undid the tray's hide"
"$WIN_LOADER" "$tray_click" left >/dev/null 2>&1
e2e_wait_for 5 e2e_mapped && e2e_pass "the tray shows it again" || e2e_fail "the tray does not show it"

# --- --no-auto-hide: the strip stays up.
e2e_stop_lumio
e2e_start_lumio --no-auto-hide "$E2E_SOURCE/data/sample.txt" ||
    { e2e_fail "no window with --no-auto-hide"; e2e_finish; }
sleep 1
open_full_screen
sleep 2
e2e_mapped && e2e_pass "--no-auto-hide leaves the strip up" || e2e_fail "hidden despite --no-auto-hide"
close_full_screen
e2e_finish
