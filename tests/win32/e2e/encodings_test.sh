#!/usr/bin/env bash
# lumio.exe under Wine reads documents in other encodings as the Linux program does: a
# novel's opening line in UTF-8 and in UTF-16, dropped from a Windows program, gives the
# very pixels of the same line in GB18030 (found by itself), which stands whole in the
# viewer from its fifteenth tick to its two hundredth; and --encoding holds for drops.
set -uo pipefail
source "$(dirname "$0")/lib.sh"
win_init "$1" "$2"
e2e_need iconv compare
e2e_start_desktop
win_prefix

line='第一章　春眠不觉晓，𠀀“你好”ok。'
printf '\xe3\x80\x80\xe3\x80\x80%s\r\n' "$line" >"$E2E_WORK/utf8.txt"
iconv -f UTF-8 -t GB18030 "$E2E_WORK/utf8.txt" >"$E2E_WORK/gb18030.txt"
{ printf '\xff\xfe'; iconv -f UTF-8 -t UTF-16LE "$E2E_WORK/utf8.txt"; } >"$E2E_WORK/utf16le.txt"
iconv -f UTF-8 -t UTF-16LE "$E2E_WORK/utf8.txt" >"$E2E_WORK/utf16le-unmarked.txt"
# Another book by name: the same file dropped again would resume where its reading stopped.
cp "$E2E_WORK/utf16le-unmarked.txt" "$E2E_WORK/utf16le-unmarked-2.txt"

# viewer NAME: a screenshot of the ticker's text into $E2E_WORK/NAME.png.
viewer() {
    import -window root "$E2E_WORK/full.png" 2>/dev/null
    convert "$E2E_WORK/full.png" -crop "630x40+$((WX + 10))+$((WY + 28))" +repage "$E2E_WORK/$1.png"
    cp "$E2E_WORK/$1.png" "$E2E_SHOTS/$1.png"
}
differing() { compare -metric AE "$E2E_WORK/$1.png" "$E2E_WORK/$2.png" null: 2>&1 | sed 's/[^0-9].*//'; }

# drop NAME FILE: FILE dragged from a Windows program onto the ticker.
drop() {
    "$WIN_LOADER" "$E2E_BUILD/lumio_drag_source.exe" "Z:$(echo "$2" | tr / '\\\\')" \
        >"$E2E_WORK/$1.dragged" 2>&1 &
    E2E_PIDS+=("$!")
    e2e_wait_for 15 xdotool search --onlyvisible --name '^lumio-win-drag-source$' || {
        e2e_fail "no drag source for $1"
        return 1
    }
    local src
    src="$(xdotool search --onlyvisible --name '^lumio-win-drag-source$' | head -n1)"
    eval "$(xdotool getwindowgeometry --shell "$src" | sed 's/^/S/')"
    xdotool mousemove $((SX + 20)) $((SY + 20)) mousedown 1
    for i in 1 2 3 4 5 6 7 8; do
        xdotool mousemove $((SX + 20 + i * (WX + 280 - SX)/ 8)) $((SY + 20 + i * (WY + 25 - SY) / 8))
        sleep 0.1
    done
    sleep 0.3
    xdotool mouseup 1
    # Away from the strip, so that no button's tool tip lies over the ticker.
    xdotool mousemove 100 600
    e2e_wait_for 10 grep -q '^dropped' "$E2E_WORK/$1.dragged" || e2e_fail "$1: the source saw no drop"
}

xdotool mousemove 100 600
e2e_start_lumio "$E2E_WORK/gb18030.txt" || { e2e_fail "the window did not appear"; e2e_finish; }
sleep 1
e2e_window_pos
sleep 4
viewer gb18030
sleep 1
viewer gb18030-later
[ "$(differing gb18030 gb18030-later)" = 0 ] && e2e_pass "the whole line stands still in the viewer" ||
    e2e_fail "the view still changes: the comparisons below would mean nothing"

for encoding in utf8 utf16le; do
    drop "$encoding" "$E2E_WORK/$encoding.txt" || continue
    viewer "$encoding-early"
    early=$(differing gb18030 "$encoding-early")
    ((early > 200)) || e2e_fail "the $encoding drop opened nothing new ($early pixels differ)"
    sleep 4.5
    viewer "$encoding"
    d=$(differing gb18030 "$encoding")
    ((d == 0)) && e2e_pass "the $encoding drop reads as the GB18030 line" ||
        e2e_fail "the $encoding drop looks unlike the GB18030 line: $d pixels differ"
done

# An encoding named on the command line holds for drops: UTF-16LE without its mark.
win_click 1 $((WX + 629)) $((WY + 12))
e2e_wait_for 10 sh -c "! kill -0 $E2E_LUMIO_PID" || e2e_fail "no exit"
xdotool mousemove 100 600
e2e_start_lumio --encoding utf-16le "$E2E_WORK/utf16le-unmarked.txt" ||
    { e2e_fail "the window did not appear again"; e2e_finish; }
sleep 1
e2e_window_pos
sleep 4
viewer named
drop named-drop "$E2E_WORK/utf16le-unmarked-2.txt" && viewer named-early
(($(differing named named-early) > 200)) || e2e_fail "the drop with --encoding opened nothing new"
sleep 4.5
viewer named-drop
for shot in named named-drop; do
    d=$(differing gb18030 "$shot")
    ((d == 0)) && e2e_pass "$shot: --encoding utf-16le reads the unmarked file" ||
        e2e_fail "$shot: the unmarked UTF-16LE file looks unlike the line: $d pixels differ"
done
e2e_finish
