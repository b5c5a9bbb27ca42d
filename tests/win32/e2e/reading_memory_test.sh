#!/usr/bin/env bash
# lumio.exe's reading memory and viewer menu under Wine: a right click on the viewer
# opens the menu (TrackPopupMenu); its chapter list jumps to a chapter, 从头开始 goes
# back to the start, 跳转到… takes a percentage; the menu key and Shift+F10 open it
# too; the exit button keeps the place, and opened again the program reads on from
# there; hiding the strip and the end of the session (WM_QUERYENDSESSION, WM_ENDSESSION)
# keep it too;
# --no-memory leaves %LOCALAPPDATA%\Lumio alone. The fifth chapter is written in dense
# characters, everything else in light ones, so the red mark tells where the view is.
set -uo pipefail
source "$(dirname "$0")/lib.sh"
win_init "$1" "$2"
e2e_need iconv compare
e2e_start_desktop
win_prefix

rep() { printf "$1%.0s" $(seq 1 "$2"); }
book="$E2E_WORK/book.txt"
printf '%s\r\n' "风起之时" "序章 山雨欲来" "$(rep 一 400)" "第一章 少年" "$(rep 一 400)" \
    "第二章 远行" "$(rep 一 400)" "第三章 江湖" "$(rep 一 400)" "第四章 故人" "$(rep 一 400)" \
    "第五章 风雪" "$(rep 鬱 20000)" "第六章 归来" "$(rep 一 400)" "尾声" "$(rep 一 100)" |
    iconv -f UTF-8 -t CP936 >"$book"
# Where the fifth and sixth chapters begin (see the Linux test: the same document).
fifth=2057
sixth=22066
local_app_data() { find "$WINEPREFIX/drive_c/users" -maxdepth 3 -type d -name Local -path '*AppData*' | head -n1; }
remembered() {
    local file
    file="$(local_app_data)/Lumio/reading-memory.txt"
    [ -f "$file" ] && awk -F'\t' '/book\.txt$/ { print $1 }' "$file"
}

viewer_after() { # NAME SECONDS
    sleep "$2"
    e2e_shot "$1"
    e2e_viewer_crop "$E2E_SHOTS/$1.png" "$E2E_SHOTS/$1-viewer.png"
}
red_of() { e2e_red_density "$E2E_SHOTS/$1-viewer.png"; }
# The menu shows below and right of where it was asked for, over the empty desktop: at
# the pointer, or from the keyboard under the viewer's left end.
menu_x=305
below_viewer() { # SHOT: crops where the menu opens
    convert "$E2E_SHOTS/$1.png" -crop 110x80+$((WX + menu_x))+$((WY + 75)) +repage "$E2E_SHOTS/$1-below.png"
}
menu_shown() { # BEFORE AFTER: the region changed as a menu over it changes it
    (($(e2e_differing "$E2E_SHOTS/$1-below.png" "$E2E_SHOTS/$2-below.png") > 1000))
}
# open_menu NAME COMMAND...: runs the command, then tells whether a menu came up.
open_menu() {
    local name="$1"
    shift
    e2e_shot "$name-before"
    below_viewer "$name-before"
    "$@"
    sleep 1.2
    e2e_shot "$name"
    below_viewer "$name"
    menu_shown "$name-before" "$name"
}
right_click_viewer() { win_click 3 $((WX + 300)) $((WY + 46)); }
press() {
    xdotool key --delay 150 "$@"
    sleep 0.3
}

# 1. The chapter list.
e2e_start_lumio --speed 10 "$book" || { e2e_fail "the window did not appear"; e2e_finish; }
e2e_window_pos
viewer_after start 1.5
light=$(red_of start)
if open_menu menu right_click_viewer; then
    e2e_pass "a right click on the viewer opens the menu"
    press Down Right
    sleep 0.5
    e2e_shot chapters
    press Down Down Down Down Down Return
    viewer_after chapter 2
    dense=$(red_of chapter)
    ((dense > 2 * light)) && e2e_pass "the chapter list jumped to the fifth chapter ($dense, $light before)" ||
        e2e_fail "after the jump the red density is $dense, $light before"
else
    e2e_fail "no menu after a right click on the viewer"
    dense=1000000
fi

# 2. 从头开始, then 跳转到… 60 (%).
if open_menu menu2 right_click_viewer; then
    press Down Down Down Return
    viewer_after from-start 1.5
    m=$(red_of from-start)
    ((dense > 2 * m)) && e2e_pass "从头开始 went back to the light start ($m)" || e2e_fail "from the start: $m"
else
    e2e_fail "no menu for 从头开始"
fi
if open_menu menu3 right_click_viewer; then
    press Down Down Return
    if e2e_wait_for 8 xdotool search --onlyvisible --name '^跳转到$'; then
        sleep 0.5
        e2e_shot jump-box
        press 6 0 Return
        viewer_after jump 2
        m=$(red_of jump)
        ((m > 2 * light)) && e2e_pass "跳转到… 60 % jumped into the fifth chapter ($m)" || e2e_fail "after 跳转到…: $m"
    else
        e2e_fail "no 跳转到 box"
    fi
else
    e2e_fail "no menu for 跳转到…"
fi

# 3. From the keyboard.
xdotool windowactivate --sync "$E2E_WINDOW" 2>/dev/null
win_click 1 $((WX + 54)) $((WY + 12)) # the pause button takes the focus (and pauses)
xdotool mousemove $((WX + 300)) $((WY + 300))
sleep 0.8
menu_x=5
for keys in shift+F10 Menu; do
    open_menu "key-$keys" press "$keys" && e2e_pass "$keys opens the menu" || e2e_fail "$keys opened no menu"
    press Escape
done
win_click 1 $((WX + 20)) $((WY + 12)) # start again
menu_x=305

# 4. The exit button keeps the place; opened again, the reading goes on from there.
sleep 0.5
win_click 1 $((WX + 629)) $((WY + 12))
e2e_wait_for 15 sh -c "! kill -0 $E2E_LUMIO_PID" || e2e_fail "the exit button did not end it"
kept=$(remembered)
[ -n "$kept" ] && ((kept > fifth && kept < sixth)) && e2e_pass "exit kept the place $kept" ||
    e2e_fail "kept '$kept', wanted between $fifth and $sixth: $(cat "$(local_app_data)/Lumio/reading-memory.txt" 2>&1)"
e2e_start_lumio "$book" || { e2e_fail "no window the second time"; e2e_finish; }
e2e_window_pos
viewer_after resumed 2
m=$(red_of resumed)
((m > 2 * light)) && e2e_pass "reopened, it reads on in the fifth chapter ($m)" || e2e_fail "reopened: $m"

# 5. Hiding the strip keeps the place; so does the end of the session, hidden or not.
if open_menu menu4 right_click_viewer; then
    press Down Down Down Return # 从头开始: a place the memory does not hold yet
    viewer_after before-pin 1
fi
win_click 1 $((WX + 553)) $((WY + 12)) # the pin button unpins and hides the strip
e2e_wait_for 5 sh -c '! xdotool search --onlyvisible --name "^Lumio V3$"' || e2e_fail "the pin did not hide it"
hidden=$(remembered)
[ -n "$hidden" ] && ((hidden < fifth)) && e2e_pass "hiding kept $hidden" || e2e_fail "after hiding: '$hidden'"
sleep 2 # reading goes on while hidden
"$WIN_LOADER" wineboot --end-session >/dev/null 2>&1
e2e_wait_for 20 sh -c "! kill -0 $E2E_LUMIO_PID" || e2e_fail "the end of the session did not end it"
ended=$(remembered)
[ -n "$ended" ] && ((ended > hidden && ended < fifth)) && e2e_pass "the end of the session kept $ended" ||
    e2e_fail "after the end of the session: '$ended' (hidden at $hidden)"

# 6. --no-memory reads and writes nothing.
rm -rf "$(local_app_data)/Lumio"
e2e_start_lumio --no-memory --speed 10 "$book" || { e2e_fail "no window with --no-memory"; e2e_finish; }
e2e_window_pos
viewer_after no-memory 1.5
win_click 1 $((WX + 629)) $((WY + 12))
e2e_wait_for 15 sh -c "! kill -0 $E2E_LUMIO_PID" || e2e_fail "the exit button did not end it"
[ ! -e "$(local_app_data)/Lumio" ] && e2e_pass "--no-memory wrote nothing" ||
    e2e_fail "--no-memory wrote: $(ls -R "$(local_app_data)/Lumio")"

e2e_finish
