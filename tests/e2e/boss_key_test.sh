#!/usr/bin/env bash
# The boss key on a real X server: with another window focused, Ctrl+Alt+H hides the
# reader and shows it again, still above the others, Num Lock or not; a key chosen with
# --boss-key replaces the default; a key another client holds is said once, in one
# message box, and the program runs on (and its strip stays usable).
set -uo pipefail
source "$(dirname "$0")/lib.sh"
e2e_init "$1" "$2"
e2e_start_desktop
target="$E2E_BUILD/tests/e2e/lumio_click_target"
grabber="$E2E_BUILD/tests/e2e/lumio_key_grabber"
[ -x "$grabber" ] || e2e_skip "no $grabber (the X11 libraries, libxcb1-dev, build it)"
title='^Tolva电子文档阅读器$'

e2e_hidden() { ! e2e_visible; }

topmost() {
    local stacking last
    stacking="$(xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*# //' | tr -d ' ')"
    last="${stacking##*,}"
    [ "$((last))" = "$((E2E_WINDOW))" ] &&
        xprop -id "$E2E_WINDOW" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE
}

# Gives the focus to the other window; fails when it does not get it.
focus_target() {
    xdotool windowactivate --sync "$target_window" 2>/dev/null
    e2e_wait_for 5 sh -c "[ \"\$(xdotool getactivewindow)\" = $target_window ]"
}

# Ends the reader through its exit button.
exit_lumio() {
    local WX WY
    e2e_window_pos
    xdotool mousemove $((WX + 629)) $((WY + 12)) click 1
    e2e_wait_for 10 sh -c "! kill -0 $E2E_LUMIO_PID" || e2e_fail "the reader did not end"
    wait "$E2E_LUMIO_PID" 2>/dev/null
}

"$target" 100 300 600 300 >/dev/null 2>&1 &
E2E_PIDS+=("$!")
e2e_wait_for 20 xdotool search --onlyvisible --name '^lumio-click-target$' || e2e_fail "no other window"
target_window="$(xdotool search --onlyvisible --name '^lumio-click-target$' | head -n1)"

# --- The default key, pressed while another program has the focus.
e2e_start_lumio || { e2e_fail "the window did not appear"; e2e_finish; }
e2e_wait_for 10 topmost || e2e_fail "not topmost at the start"
focus_target || e2e_fail "the other window did not get the focus"
xdotool key ctrl+alt+h
e2e_wait_for 5 e2e_hidden && e2e_pass "Ctrl+Alt+H hides the strip" || e2e_fail "still shown"
sleep 0.5
e2e_hidden && e2e_pass "and it stays hidden" || e2e_fail "shown again by itself"
[ "$(xdotool getactivewindow)" = "$target_window" ] && e2e_pass "the focus stays where it was" ||
    e2e_fail "the focus moved"
xdotool key ctrl+alt+h
e2e_wait_for 5 e2e_visible && e2e_pass "pressed again it shows the strip" || e2e_fail "not shown"
e2e_wait_for 5 topmost && e2e_pass "still above the others" ||
    e2e_fail "not topmost: $(xprop -id "$E2E_WINDOW" _NET_WM_STATE)"
e2e_shot boss-shown

# With Num Lock and Caps Lock on the key still works.
xdotool key Num_Lock Caps_Lock
focus_target
xdotool key ctrl+alt+h
e2e_wait_for 5 e2e_hidden && e2e_pass "hides with Num Lock and Caps Lock on" ||
    e2e_fail "Num Lock or Caps Lock stops the key"
xdotool key ctrl+alt+h
e2e_wait_for 5 e2e_visible || e2e_fail "not shown again with the locks on"
xdotool key Num_Lock Caps_Lock

# A key held down: its repeats do not toggle the strip back and forth.
xdotool keydown ctrl+alt+h
sleep 1.5
xdotool keyup ctrl+alt+h
sleep 0.5
e2e_hidden && e2e_pass "a held key hides once" || e2e_fail "a held key toggled more than once"
xdotool key ctrl+alt+h
e2e_wait_for 5 e2e_visible || e2e_fail "not shown after the held key"

# The same key without Alt is not the boss key and goes to the focused window.
xdotool key ctrl+h
sleep 0.5
e2e_visible && e2e_pass "Ctrl+H is not the boss key" || e2e_fail "Ctrl+H hid the strip"
kill -0 "$E2E_LUMIO_PID" 2>/dev/null || e2e_fail "the reader ended"
exit_lumio
# The grab went with the program: another client can take the key now.
"$grabber" 12 68 >"$E2E_WORK/free" 2>&1 &
E2E_PIDS+=("$!")
free_grabber=$!
e2e_wait_for 5 grep -q . "$E2E_WORK/free"
grep -qx grabbed "$E2E_WORK/free" && e2e_pass "the key is free after exit" ||
    e2e_fail "the key is still held after exit: $(cat "$E2E_WORK/free")"
kill "$free_grabber" 2>/dev/null
wait "$free_grabber" 2>/dev/null

# --- A key of the user's choice replaces the default.
e2e_start_lumio --boss-key ctrl+shift+F12 || { e2e_fail "no window with --boss-key"; e2e_finish; }
e2e_wait_for 10 topmost
focus_target
xdotool key ctrl+alt+h
sleep 1
e2e_visible && e2e_pass "the default key does nothing then" || e2e_fail "Ctrl+Alt+H still hides"
xdotool key ctrl+shift+F12
e2e_wait_for 5 e2e_hidden && e2e_pass "Ctrl+Shift+F12 hides" || e2e_fail "Ctrl+Shift+F12 did not hide"
xdotool key ctrl+shift+F12
e2e_wait_for 5 e2e_visible && e2e_pass "Ctrl+Shift+F12 shows" || e2e_fail "Ctrl+Shift+F12 did not show"
exit_lumio

# --- A key another client holds.
"$grabber" 12 68 >"$E2E_WORK/grabber" 2>&1 &
E2E_PIDS+=("$!")
e2e_wait_for 5 grep -qx grabbed "$E2E_WORK/grabber" || e2e_fail "the grabber did not get the key"
e2e_start_lumio || { e2e_fail "no window when the key is taken"; e2e_finish; }
e2e_wait_for 10 xdotool search --onlyvisible --name "$title" || e2e_fail "no message about the taken key"
sleep 1
e2e_shot boss-taken
boxes="$(xdotool search --onlyvisible --name "$title" | wc -l)"
[ "$boxes" = 1 ] && e2e_pass "one message box" || e2e_fail "$boxes message boxes"
said="$(grep -c "boss key Ctrl+Alt+H is held by another program" "$E2E_WORK/lumio.err")"
[ "$said" = 1 ] && e2e_pass "said once on stderr too" || e2e_fail "said $said times on stderr"
focus_target
xdotool key ctrl+alt+h
sleep 1
grep -qx key "$E2E_WORK/grabber" && e2e_pass "the key goes to its holder" ||
    e2e_fail "the holder did not get the key"
e2e_visible && kill -0 "$E2E_LUMIO_PID" 2>/dev/null && e2e_pass "the reader runs on" ||
    e2e_fail "the reader is gone or hidden"
boxes="$(xdotool search --onlyvisible --name "$title" | wc -l)"
[ "$boxes" = 1 ] || e2e_fail "$boxes message boxes after a press"
# The tray still hides it (the program is usable without the key).
if e2e_tray_icon; then
    xdotool mousemove "$TX" "$TY" click 3
    e2e_wait_for 5 e2e_hidden && e2e_pass "the tray still hides it" || e2e_fail "the tray does not hide it"
    xdotool mousemove "$TX" "$TY" click 1
    e2e_wait_for 5 e2e_visible || e2e_fail "the tray does not show it"
else
    e2e_fail "no tray icon"
fi
exit_lumio
e2e_finish
