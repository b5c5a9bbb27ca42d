#!/usr/bin/env bash
# The reading memory and the viewer's menu under a real X server: a right click on the
# viewer opens the menu, its chapter list jumps to a chapter, 从头开始 goes back to the
# start and 跳转到… takes a percentage; the program ends on SIGTERM and, opened
# again, reads on where it stopped; --no-memory leaves the state folder empty. Which
# part of the book is in view shows in the red characters: the fifth chapter is written
# in dense characters, everything else in light ones.
set -uo pipefail
source "$(dirname "$0")/lib.sh"
e2e_init "$1" "$2"
e2e_need iconv compare
e2e_start_desktop
tty="$E2E_BUILD/tools/lumio-tty"

rep() { printf "$1%.0s" $(seq 1 "$2"); }
book="$E2E_WORK/book.txt"
# A light opening paragraph first: at the default speed no chapter is being read for a
# minute, so the chapter list opens at its first entry.
printf '%s\r\n' "$(rep 一 300)" "序章 山雨欲来" "$(rep 一 400)" "第一章 少年" "$(rep 一 400)" \
    "第二章 远行" "$(rep 一 400)" "第三章 江湖" "$(rep 一 400)" "第四章 故人" "$(rep 一 400)" \
    "第五章 风雪" "$(rep 鬱 20000)" "第六章 归来" "$(rep 一 400)" "尾声" "$(rep 一 100)" |
    iconv -f UTF-8 -t CP936 >"$book"
memory="$XDG_STATE_HOME/lumio/reading-memory.txt"
# Where the fifth and sixth chapters begin, as the terminal reader numbers them.
"$tty" --chapters "$book" >"$E2E_WORK/chapters" || e2e_fail "lumio-tty --chapters"
at_of() { sed -n "$1p" "$E2E_WORK/chapters" | sed 's/.*"position":\([0-9]*\).*/\1/'; }
fifth=$(at_of 6)
sixth=$(at_of 7)
[ "$(wc -l <"$E2E_WORK/chapters")" = 8 ] && [ -n "$fifth" ] && [ -n "$sixth" ] ||
    e2e_fail "chapters: $(cat "$E2E_WORK/chapters")"

viewer_after() { # NAME SECONDS: waits, then shoots the screen and crops the viewer
    sleep "$2"
    e2e_shot "$1"
    e2e_viewer_crop "$E2E_SHOTS/$1.png" "$E2E_SHOTS/$1-viewer.png"
}
red_of() { e2e_red_density "$E2E_SHOTS/$1-viewer.png"; }
# The program's shown windows: the strip, and a menu or a tool tip while one is up.
popups() { xdotool search --onlyvisible --classname lumio 2>/dev/null | wc -l; }
# Runs the command and waits for a new window of the program (the menu); sets BEFORE.
opens_window() {
    BEFORE=$(popups)
    "$@"
    e2e_wait_for 5 sh -c "[ \$(xdotool search --onlyvisible --classname lumio | wc -l) -gt $BEFORE ]"
}
closed_again() {
    e2e_wait_for 5 sh -c "[ \$(xdotool search --onlyvisible --classname lumio | wc -l) -le $BEFORE ]"
}
# Opens the viewer's menu with a right click on the viewer; fails when none shows. The
# strip is made active first, as a hand's click would leave it: on a slow machine the
# menu closed just before may still hold the focus elsewhere.
open_menu() {
    xdotool windowactivate --sync "$E2E_WINDOW" 2>/dev/null
    opens_window xdotool mousemove $((WX + 300)) $((WY + 46)) click 3
}
# The position the memory holds for the book (empty when none).
remembered() {
    [ -f "$memory" ] && awk -F'\t' -v p="$(realpath "$book")" '$3 == p { print $1 }' "$memory"
}

# 1. A right click on the viewer opens the menu; its chapter list jumps.
e2e_start_lumio "$book" || { e2e_fail "no window"; e2e_finish; }
e2e_window_pos
viewer_after start 2.5
light=$(red_of start)
if open_menu; then
    e2e_pass "a right click on the viewer opens the menu"
    sleep 0.5
    e2e_shot menu
    xdotool key Down Right
    sleep 0.8
    e2e_shot chapters
    xdotool key Down Down Down Down Down Return
    viewer_after chapter 3
    dense=$(red_of chapter)
    ((dense > 2 * light)) && e2e_pass "the chapter list jumped to the fifth chapter ($dense, $light before)" ||
        e2e_fail "after the jump the red density is $dense, $light before"
else
    e2e_fail "no menu after a right click on the viewer"
    dense=1000000
fi
closed_again || e2e_fail "the menu stayed open"

# 2. The list marks the chapter being read; 从头开始, then 跳转到… with a chapter's title.
if open_menu; then
    xdotool key Down Right
    sleep 0.8
    e2e_shot chapters-marked
    xdotool key Escape Escape
    closed_again || e2e_fail "Escape left the menu open"
else
    e2e_fail "no menu for the chapter list"
fi
if open_menu; then
    xdotool key Down Down Down Return
    viewer_after from-start 2.5
    m=$(red_of from-start)
    ((dense > 2 * m)) && e2e_pass "从头开始 went back to the light start ($m)" || e2e_fail "from the start: $m"
else
    e2e_fail "no menu for 从头开始"
fi
if open_menu; then
    xdotool key Down Down Return
    if e2e_wait_for 5 xdotool search --onlyvisible --name '^跳转到$'; then
        sleep 0.5
        e2e_shot jump-box
        xdotool type --delay 60 "60"
        sleep 0.3
        xdotool key Return
        viewer_after jump 3
        m=$(red_of jump)
        ((m > 2 * light)) && e2e_pass "跳转到… 60 % jumped into the fifth chapter ($m)" ||
            e2e_fail "after 跳转到…: $m"
    else
        e2e_fail "no 跳转到 box"
    fi
else
    e2e_fail "no menu for 跳转到…"
fi

# 3. The menu key and Shift+F10 open the menu too; a right click on a button does not.
xdotool windowactivate --sync "$E2E_WINDOW" 2>/dev/null
for keys in shift+F10 Menu; do
    opens_window xdotool key "$keys" && e2e_pass "$keys opens the menu" || e2e_fail "$keys opened no menu"
    xdotool key Escape
    closed_again || e2e_fail "Escape left the menu open"
done
# A menu under the open button would cover the desktop below the strip, well below
# where the button's tool tip shows.
under_open_button() { convert "$E2E_SHOTS/$1.png" -crop 100x50+$((WX + 520))+$((WY + 75)) +repage "$E2E_SHOTS/$1-under.png"; }
e2e_shot before-button
under_open_button before-button
xdotool mousemove $((WX + 514)) $((WY + 12)) click 3
sleep 1
e2e_shot right-on-button
under_open_button right-on-button
changed=$(e2e_differing "$E2E_SHOTS/before-button-under.png" "$E2E_SHOTS/right-on-button-under.png")
((changed < 50)) && e2e_pass "no menu on a button" || { e2e_fail "a menu on a button ($changed)"; xdotool key Escape; }

# 4. SIGTERM ends it; the place in the fifth chapter is kept.
e2e_stop_lumio
kept=$(remembered)
[ -n "$kept" ] && ((kept > fifth && kept < sixth)) && e2e_pass "SIGTERM kept the place $kept" ||
    e2e_fail "kept '$kept', wanted between $fifth and $sixth: $(cat "$memory" 2>&1)"
cp "$E2E_WORK/lumio.err" "$E2E_WORK/first.err"

# 5. Opened again it reads on from there (slowly: the view ends where it stopped).
e2e_start_lumio "$book" || { e2e_fail "no window the second time"; e2e_finish; }
e2e_window_pos
viewer_after resumed 1.5
m=$(red_of resumed)
((m > 2 * light)) && e2e_pass "reopened, it reads on in the fifth chapter ($m)" || e2e_fail "reopened: $m"
# The exit button keeps the place too.
xdotool mousemove $((WX + 629)) $((WY + 12)) click 1
e2e_wait_for 10 sh -c "! kill -0 $E2E_LUMIO_PID" || e2e_fail "the exit button did not end it"
again=$(remembered)
[ -n "$again" ] && ((again > kept && again < sixth)) && e2e_pass "exit kept $again" ||
    e2e_fail "after exit: '$again' (was $kept)"

# 6. --no-memory: from the start, and nothing written.
export XDG_STATE_HOME="$E2E_WORK/state-none"
mkdir -p "$XDG_STATE_HOME"
e2e_start_lumio --no-memory --speed 10 "$book" || { e2e_fail "no window with --no-memory"; e2e_finish; }
e2e_window_pos
viewer_after no-memory 1.5
m=$(red_of no-memory)
((dense > 2 * m)) && e2e_pass "--no-memory starts at the start ($m)" || e2e_fail "--no-memory: $m"
e2e_stop_lumio
[ -z "$(ls -A "$XDG_STATE_HOME")" ] && e2e_pass "--no-memory left the state folder empty" ||
    e2e_fail "--no-memory wrote: $(ls -AR "$XDG_STATE_HOME")"
grep -q "reading memory" "$E2E_WORK/first.err" && e2e_fail "memory warnings: $(cat "$E2E_WORK/first.err")"

e2e_finish
