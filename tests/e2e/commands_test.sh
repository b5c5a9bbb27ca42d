#!/usr/bin/env bash
# The tray icon and the window commands on a real desktop: the pin button hides and
# unpins, the tray's left button shows and the right one hides (reading goes on while
# hidden), pinning again keeps the window shown and above; the icon shows no hover tip;
# the web-page button hands the maker's address to the desktop's opener; exit removes
# the icon and ends the program.
set -uo pipefail
source "$(dirname "$0")/lib.sh"
e2e_init "$1" "$2"
e2e_need iconv compare
e2e_start_desktop

# The desktop's URL opener, replaced by one that writes down what it was given.
mkdir -p "$E2E_WORK/bin"
cat >"$E2E_WORK/bin/xdg-open" <<OPENER
#!/bin/sh
echo "\$@" >>"$E2E_WORK/opened"
OPENER
chmod +x "$E2E_WORK/bin/xdg-open"
export PATH="$E2E_WORK/bin:$PATH"

doc="$E2E_WORK/doc.txt"
e2e_gbk "$doc" "$(printf '桃花源记陶渊明晋太元中武陵人捕鱼为业%.0s' $(seq 1 20))"
"$E2E_BUILD/tests/e2e/lumio_click_target" 200 0 900 300 >/dev/null 2>&1 &
E2E_PIDS+=("$!")
e2e_wait_for 20 xdotool search --onlyvisible --name '^lumio-click-target$' || e2e_fail "no click target"
e2e_start_lumio "$doc" || { e2e_fail "no window"; e2e_finish; }
WX=315
WY=0
pin() { xdotool mousemove $((WX + 553)) $((WY + 12)) click 1; }
above() { xprop -id "$E2E_WINDOW" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE; }
e2e_wait_for 10 e2e_tray_icon || e2e_fail "no tray icon"
e2e_tray_icon
sleep 1

# Hovering over the icon shows no tip.
before="$(xdotool search --onlyvisible --class lumio | sort)"
xdotool mousemove "$TX" "$TY"
sleep 2
after="$(xdotool search --onlyvisible --class lumio | sort)"
[ "$before" = "$after" ] && e2e_pass "no hover tip" || e2e_fail "a window appeared on hover"

# Pin while pinned: hidden and no longer above.
e2e_shot before-pin
e2e_viewer_crop "$E2E_SHOTS/before-pin.png" "$E2E_SHOTS/before-pin-viewer.png"
pin
e2e_wait_for 5 sh -c '! xdotool search --onlyvisible --name "^Lumio V3$"' &&
    e2e_pass "pin hides the window" || e2e_fail "pin did not hide the window"
sleep 2 # reading goes on meanwhile

# Right button on the hidden window's icon: stays hidden. Left: shown, not pinned.
xdotool mousemove "$TX" "$TY" click 3
sleep 0.7
e2e_visible && e2e_fail "a right click showed the window" || e2e_pass "right click leaves it hidden"
xdotool mousemove "$TX" "$TY" click 1
e2e_wait_for 5 e2e_visible && e2e_pass "left click shows the window" || e2e_fail "left click did not show it"
sleep 0.8
above && e2e_fail "shown pinned after unpinning" || e2e_pass "shown, not pinned"
e2e_shot after-show
e2e_viewer_crop "$E2E_SHOTS/after-show.png" "$E2E_SHOTS/after-show-viewer.png"
moved=$(e2e_differing "$E2E_SHOTS/before-pin-viewer.png" "$E2E_SHOTS/after-show-viewer.png")
((moved > 100)) && e2e_pass "reading went on while hidden" || e2e_fail "the view did not move while hidden"
# Not pinned: another window can come over it.
xdotool windowactivate --sync "$(xdotool search --name '^lumio-click-target$' | head -n1)" 2>/dev/null
xdotool windowraise "$(xdotool search --name '^lumio-click-target$' | head -n1)" 2>/dev/null
sleep 0.5
stacking="$(xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*# //' | tr -d ' ')"
[ "$((${stacking##*,}))" != "$((E2E_WINDOW))" ] && e2e_pass "another window can cover it" ||
    e2e_fail "still on top when not pinned: $stacking"

# A left click on a shown window keeps it shown.
xdotool mousemove "$TX" "$TY" click 1
sleep 0.7
e2e_visible && e2e_pass "left click keeps it shown" || e2e_fail "left click hid it"

# Pin while not pinned: stays shown, above again.
xdotool windowactivate --sync "$E2E_WINDOW" 2>/dev/null
pin
sleep 1
e2e_visible && e2e_pass "pinning keeps it shown" || e2e_fail "pinning hid it"
above && e2e_pass "pinned: above again" || e2e_fail "not above after pinning"

# Right click hides it.
xdotool mousemove "$TX" "$TY" click 3
e2e_wait_for 5 sh -c '! xdotool search --onlyvisible --name "^Lumio V3$"' &&
    e2e_pass "right click hides it" || e2e_fail "right click did not hide it"
xdotool mousemove "$TX" "$TY" click 1
e2e_wait_for 5 e2e_visible || e2e_fail "not shown again"
sleep 0.5

# The web page: the maker's address goes to the desktop's opener.
xdotool mousemove $((WX + 592)) $((WY + 12)) click 1
e2e_wait_for 10 test -s "$E2E_WORK/opened" && e2e_pass "web page: $(cat "$E2E_WORK/opened")" ||
    e2e_fail "the web page was not opened"
grep -q '^https\?://' "$E2E_WORK/opened" 2>/dev/null || e2e_fail "not a web address"

# Exit.
xdotool mousemove $((WX + 629)) $((WY + 12)) click 1
e2e_wait_for 10 sh -c "! kill -0 $E2E_LUMIO_PID" && e2e_pass "exit ends the program" ||
    e2e_fail "still running after exit"
sleep 0.5
e2e_tray_icon && e2e_fail "the tray icon is still there" || e2e_pass "no tray icon left"
e2e_finish
