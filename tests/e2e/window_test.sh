#!/usr/bin/env bash
# The reader window on a real X server with openbox and trayer: it appears quickly at
# the top centre, above other windows, with no taskbar or pager entry; the tray icon
# and its balloon show; the colour key is the window's bounding and input shape and
# clicks on key pixels reach the window below; the title strip drags the window; exit
# ends the program and leaves no tray icon.
set -uo pipefail
source "$(dirname "$0")/lib.sh"
e2e_init "$1" "$2"
e2e_start_desktop
probe="$E2E_BUILD/tests/e2e/lumio_shape_probe"
[ -x "$probe" ] || e2e_skip "no $probe (the X11 shape library, libxcb-shape0-dev, builds it)"
target="$E2E_BUILD/tests/e2e/lumio_click_target"

# A white window where the reader will be, to count the clicks that pass through.
"$target" 200 0 900 300 >"$E2E_WORK/clicks" 2>/dev/null &
E2E_PIDS+=("$!")
e2e_wait_for 20 xdotool search --onlyvisible --name '^lumio-click-target$' || e2e_fail "no click target"

started=$(date +%s%N)
e2e_start_lumio || { e2e_fail "the window did not appear"; e2e_finish; }
shown_ms=$((($(date +%s%N) - started) / 1000000))
echo "window shown ${shown_ms} ms after the start"
((shown_ms < 3000)) || e2e_fail "start-up took ${shown_ms} ms"
sleep 1.5
e2e_shot window-start

# Title, size, place.
[ "$(xdotool getwindowname "$E2E_WINDOW")" = "Lumio V3" ] || e2e_fail "title"
eval "$(xdotool getwindowgeometry --shell "$E2E_WINDOW")"
[ "$WIDTH" = 650 ] && [ "$HEIGHT" = 139 ] && e2e_pass "650x139" || e2e_fail "size ${WIDTH}x${HEIGHT}"
[ "$X" = 315 ] && [ "$Y" = 0 ] && e2e_pass "top centre" || e2e_fail "placed at $X,$Y"
WX=$X
WY=$Y

# No taskbar or pager entry, above the others.
states="$(xprop -id "$E2E_WINDOW" _NET_WM_STATE)"
for s in _NET_WM_STATE_SKIP_TASKBAR _NET_WM_STATE_SKIP_PAGER _NET_WM_STATE_ABOVE; do
    grep -q "$s" <<<"$states" && e2e_pass "$s" || e2e_fail "missing $s in: $states"
done
xprop -id "$E2E_WINDOW" _MOTIF_WM_HINTS | grep -qE "= 0x2, 0x[0-9a-f]+, 0x0" && e2e_pass "no decorations" ||
    e2e_fail "decorations: $(xprop -id "$E2E_WINDOW" _MOTIF_WM_HINTS)"
# Activating the window below does not bring it over the reader.
xdotool windowactivate --sync "$(xdotool search --name '^lumio-click-target$' | head -n1)" 2>/dev/null
sleep 0.5
stacking="$(xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*# //' | tr -d ' ')"
last="${stacking##*,}"
[ "$((last))" = "$((E2E_WINDOW))" ] && e2e_pass "topmost" || e2e_fail "stacking $stacking"

# The tray icon is embedded in trayer and the balloon shows next to it.
panel="$(xdotool search --class trayer | while read -r w; do xwininfo -id "$w" -tree; done)"
icon="$(xwininfo -root -tree | grep -E '"lumio": \("lumio" "lumio"\)  2[0-9]x[0-9]+\+0\+0' | head -n1)"
[ -n "$icon" ] && e2e_pass "tray icon embedded" || e2e_fail "no tray icon in the panel"
balloon="$(xwininfo -root -tree | grep -E '"lumio": \("lumio" "lumio"\)  [0-9]+x[0-9]+\+[0-9]+\+[0-9]+' |
    awk '{split($5, g, "[x+]"); if (g[1] > 100 && g[3] > 900 && g[4] > 600) print}')"
[ -n "$balloon" ] && e2e_pass "balloon shown" || e2e_fail "no balloon"

# The shape: title strip and viewer in; below the viewer, and the last column, out.
shape="$("$probe" "$E2E_WINDOW" 300,10 300,40 10,68 300,69 300,120 649,10 648,10)"
echo "$shape" | sed 's/^/  shape /'
for want in "300,10 bounding=1 input=1" "300,40 bounding=1 input=1" "10,68 bounding=1 input=1" \
    "300,69 bounding=0 input=0" "300,120 bounding=0 input=0" "649,10 bounding=0 input=0" \
    "648,10 bounding=1 input=1"; do
    grep -qx "$want" <<<"$shape" || e2e_fail "shape: expected $want"
done
# The screenshot agrees: below the viewer the white window shows through.
[ "$(e2e_pixel "$E2E_SHOTS/window-start.png" $((WX + 300)) $((WY + 100)))" = "255,255,255" ] &&
    e2e_pass "see-through below the viewer" || e2e_fail "key pixels are not see-through"
[ "$(e2e_pixel "$E2E_SHOTS/window-start.png" $((WX + 300)) $((WY + 40)))" != "255,255,255" ] ||
    e2e_fail "the viewer is not shown"

# Clicks: on a key pixel it reaches the window below; on the viewer it does not.
: >"$E2E_WORK/clicks.before"
cp "$E2E_WORK/clicks" "$E2E_WORK/clicks.before"
xdotool mousemove $((WX + 300)) $((WY + 100)) click 1
sleep 0.5
grep -q "click $((WX + 300)) $((WY + 100))" "$E2E_WORK/clicks" && e2e_pass "click passes through" ||
    e2e_fail "a click on a key pixel did not reach the window below"
xdotool mousemove $((WX + 300)) $((WY + 40)) click 1
sleep 0.5
grep -q "click $((WX + 300)) $((WY + 40))" "$E2E_WORK/clicks" &&
    e2e_fail "a click on the viewer went through" || e2e_pass "the viewer takes its clicks"

# Dragging the title strip moves the window (the window manager does the moving).
xdotool mousemove $((WX + 400)) $((WY + 12)) mousedown 1
for i in 1 2 3 4 5 6 7 8 9 10; do
    xdotool mousemove $((WX + 400 + i * 10)) $((WY + 12 + i * 15))
    sleep 0.05
done
xdotool mouseup 1
sleep 0.5
eval "$(xdotool getwindowgeometry --shell "$E2E_WINDOW")"
[ "$X" = $((WX + 100)) ] && [ "$Y" = $((WY + 150)) ] && e2e_pass "dragged to $X,$Y" ||
    e2e_fail "after the drag the window is at $X,$Y, expected $((WX + 100)),$((WY + 150))"
e2e_shot window-dragged
WX=$X
WY=$Y

# A click on the title strip as quick as a touchpad tap (the button up before the window
# manager has taken the pointer), single or double, moves nothing, then or afterwards.
for clicks in 1 2; do
    xdotool mousemove $((WX + 400)) $((WY + 12)) click --repeat "$clicks" --delay 80 1
    sleep 0.3
    xdotool mousemove $((WX + 200)) $((WY + 300))
    sleep 0.4
    eval "$(xdotool getwindowgeometry --shell "$E2E_WINDOW")"
    [ "$X,$Y" = "$WX,$WY" ] && e2e_pass "a quick click ($clicks) leaves the window in place" ||
        e2e_fail "after a quick click ($clicks) the window followed the pointer to $X,$Y"
    xdotool windowmove "$E2E_WINDOW" "$WX" "$WY"
    sleep 0.3
done

# Exit: the program ends and its tray icon goes with it.
xdotool mousemove $((WX + 616 + 13)) $((WY + 1 + 11)) click 1
if e2e_wait_for 10 sh -c "! kill -0 $E2E_LUMIO_PID"; then
    e2e_pass "exit ends the program"
else
    e2e_fail "still running after exit"
fi
wait "$E2E_LUMIO_PID"
status=$?
[ "$status" = 0 ] || e2e_fail "exit status $status"
sleep 0.5
xwininfo -root -tree | grep -qE '"lumio": \("lumio" "lumio"\)  2[0-9]x[0-9]+\+0\+0' &&
    e2e_fail "the tray icon is still there" || e2e_pass "no tray icon left"
grep -o 'lumio-stats.*' "$E2E_WORK/lumio.err" || true
e2e_finish
