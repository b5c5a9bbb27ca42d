#!/usr/bin/env bash
# lumio.exe under Wine: the open command shows the system's file dialog, Cancel changes
# nothing and a picked file starts the reading; the speed slider takes a press; a file
# dropped from another program starts the reading too; the web-page command reaches the
# user's browser (a stub xdg-open here, which Wine's shell runs for web addresses); a
# path of 300 characters opens; -style is an unknown option.
set -uo pipefail
source "$(dirname "$0")/lib.sh"
win_init "$1" "$2"
e2e_start_desktop
win_prefix

# The browser: whatever Wine's shell opens a web address with lands in a file.
mkdir -p "$E2E_WORK/bin"
printf '#!/bin/sh\necho "$@" >>"%s"\n' "$E2E_WORK/browsed" >"$E2E_WORK/bin/xdg-open"
chmod +x "$E2E_WORK/bin/xdg-open"
export PATH="$E2E_WORK/bin:$PATH"

red_count() {
    import -window root "$E2E_WORK/now.png" 2>/dev/null
    convert "$E2E_WORK/now.png" -crop "630x40+$((WX + 10))+$((WY + 28))" +repage \
        -fx '(r>0.7&&g<0.3&&b<0.3)?1:0' -format '%[fx:int(mean*w*h)]' info: 2>/dev/null
}
reading() { (($(red_count) > 20)); }

e2e_start_lumio || { e2e_fail "the window did not appear"; e2e_finish; }
sleep 1
e2e_window_pos
reading && e2e_fail "reading without a document" || e2e_pass "no document, no reading"

# Open, then Cancel: nothing changes.
open_dialog() {
    xdotool windowactivate --sync "$E2E_WINDOW" 2>/dev/null
    win_click 1 $((WX + 513)) $((WY + 12))
    e2e_wait_for 8 xdotool search --onlyvisible --name '^Open$' || {
        e2e_shot no-dialog
        return 1
    }
}
if open_dialog; then
    e2e_pass "the open dialog shows"
    # A real key press in the active dialog, as a person's: a key sent to the window
    # (XSendEvent) can leave Wine cancelling every later dialog of the program at once.
    xdotool windowactivate --sync "$(xdotool search --onlyvisible --name '^Open$' | head -n1)" 2>/dev/null
    xdotool key Escape
    e2e_wait_for 5 sh -c "! xdotool search --onlyvisible --name '^Open$' | grep -q ." ||
        e2e_fail "Escape did not close the dialog"
    sleep 1
    reading && e2e_fail "Cancel started reading" || e2e_pass "Cancel changes nothing"
else
    e2e_fail "no open dialog"
fi

# Open, a file typed into the dialog: it is read.
if open_dialog; then
    dialog="$(xdotool search --onlyvisible --name '^Open$' | head -n1)"
    xdotool windowactivate --sync "$dialog" 2>/dev/null
    xdotool type --delay 5 "Z:$(echo "$E2E_SOURCE/data/sample.txt" | tr / '\\\\')"
    xdotool key Return
    e2e_wait_for 5 sh -c "! xdotool search --onlyvisible --name '^Open$' | grep -q ." ||
        e2e_fail "the dialog did not take the file"
    e2e_wait_for 5 reading && e2e_pass "the picked file is read" || e2e_fail "nothing read after the dialog"
    e2e_shot opened
else
    e2e_fail "no open dialog the second time"
fi

# The web page.
win_click 1 $((WX + 590)) $((WY + 12))
e2e_wait_for 15 test -s "$E2E_WORK/browsed" &&
    e2e_pass "web page: $(cat "$E2E_WORK/browsed")" || e2e_fail "the browser was not asked"
grep -q '^https\?://' "$E2E_WORK/browsed" 2>/dev/null || e2e_fail "not a web address"

# The speed slider takes a press on its track (and the program reads on).
slider_shot() {
    import -window root "$E2E_WORK/full.png" 2>/dev/null
    convert "$E2E_WORK/full.png" -crop "100x24+$((WX + 117))+$((WY + 1))" +repage "$1"
}
slider_shot "$E2E_WORK/slider-a.png"
win_click 1 $((WX + 205)) $((WY + 12))
sleep 0.5
slider_shot "$E2E_WORK/slider-b.png"
moved="$(compare -metric AE "$E2E_WORK/slider-a.png" "$E2E_WORK/slider-b.png" null: 2>&1 | cut -d' ' -f1)"
((${moved%.*} > 20)) && e2e_pass "the speed slider moves ($moved pixels)" ||
    e2e_fail "the speed slider did not move"
reading && e2e_pass "reading goes on" || e2e_fail "reading stopped after the slider"

# Exit.
win_click 1 $((WX + 629)) $((WY + 12))
e2e_wait_for 10 sh -c "! kill -0 $E2E_LUMIO_PID" && e2e_pass "exit" || e2e_fail "still running"
wait "$E2E_LUMIO_PID"
status=$?
[ "$status" = 0 ] || e2e_fail "exit status $status"

# Presses on the window titled $1 and drags, in steps as a hand does, onto the strip at
# $2,$3 (the ticker unless told).
drag_onto_strip() {
    e2e_wait_for 15 xdotool search --onlyvisible --name "^$1\$" || return 1
    local src dx="${2:-300}" dy="${3:-45}"
    src="$(xdotool search --onlyvisible --name "^$1\$" | head -n1)"
    eval "$(xdotool getwindowgeometry --shell "$src" | sed 's/^/S/')"
    xdotool mousemove $((SX + 20)) $((SY + 20)) mousedown 1
    for i in 1 2 3 4 5 6 7 8; do
        xdotool mousemove $((SX + 20 + i * (WX + dx - SX - 20) / 8)) \
            $((SY + 20 + i * (WY + dy - SY - 20) / 8))
        sleep 0.1
    done
    sleep 0.3
    xdotool mouseup 1
}

exit_lumio() {
    win_click 1 $((WX + 629)) $((WY + 12))
    e2e_wait_for 10 sh -c "! kill -0 $E2E_LUMIO_PID"
    wait "$E2E_LUMIO_PID"
}

# A drop from a Windows program (OLE drag and drop of the file-list format, which the
# system hands on as WM_DROPFILES to a window that accepts files).
e2e_start_lumio || e2e_fail "the window did not appear again"
sleep 1
e2e_window_pos
"$WIN_LOADER" "$E2E_BUILD/lumio_drag_source.exe" \
    "Z:$(echo "$E2E_SOURCE/data/sample.txt" | tr / '\\\\')" >"$E2E_WORK/dragged" 2>&1 &
E2E_PIDS+=("$!")
if drag_onto_strip lumio-win-drag-source; then
    e2e_wait_for 5 reading && e2e_pass "a file dropped by a Windows program is read" ||
        e2e_fail "the Windows program's drop was not read"
    e2e_wait_for 5 grep -q . "$E2E_WORK/dragged"
    grep -q '^dropped effect=1' "$E2E_WORK/dragged" && e2e_pass "the source saw a copy" ||
        e2e_fail "the source saw: $(cat "$E2E_WORK/dragged")"
else
    e2e_fail "no Windows drag source window"
fi
# A file that is not a text, dropped on the title strip (the window's own drop), is
# refused with a message, which waits for the user without holding the program it was
# dragged from.
printf 'not a text\n' >"$E2E_WORK/notes.md"
"$WIN_LOADER" "$E2E_BUILD/lumio_drag_source.exe" \
    "Z:$(echo "$E2E_WORK/notes.md" | tr / '\\\\')" >"$E2E_WORK/dragged-md" 2>&1 &
E2E_PIDS+=("$!")
if drag_onto_strip lumio-win-drag-source 400 12; then
    if e2e_wait_for 8 xdotool search --onlyvisible --name '^信息提示$'; then
        e2e_pass "a file that is not a text is refused with the message"
        e2e_wait_for 5 grep -q '^dropped' "$E2E_WORK/dragged-md" &&
            e2e_pass "the source is free while the message waits" ||
            e2e_fail "the source is held by the message"
        e2e_shot refused
        xdotool windowactivate --sync "$(xdotool search --onlyvisible --name '^信息提示$' | head -n1)" 2>/dev/null
        xdotool key Return
        e2e_wait_for 5 sh -c "! xdotool search --onlyvisible --name '^信息提示\$' | grep -q ." ||
            e2e_fail "the message did not close"
    else
        e2e_fail "no refusal for a file that is not a text"
    fi
else
    e2e_fail "no Windows drag source window the second time"
fi
exit_lumio || e2e_fail "no exit after the Windows drops"

# A drop from a Linux program (the Linux build's drag source, over XDND; Wine's driver
# delivers it as WM_DROPFILES too).
source_exe="$WIN_LINUX_BUILD/tests/e2e/lumio_drag_source"
if [ -x "$source_exe" ]; then
    e2e_start_lumio || e2e_fail "the window did not appear again"
    sleep 1
    e2e_window_pos
    QT_QPA_PLATFORM=xcb "$source_exe" "$E2E_SOURCE/data/sample.txt" >/dev/null 2>&1 &
    E2E_PIDS+=("$!")
    if drag_onto_strip lumio-drag-source; then
        e2e_wait_for 5 reading && e2e_pass "a file dropped by a Linux program is read" ||
            e2e_fail "the Linux program's drop was not read"
    else
        e2e_fail "no drag source window"
    fi
    exit_lumio || e2e_fail "no exit after the Linux drop"
else
    # The Windows tree is built with a Linux one (LUMIO_HOST_BUILD), whose tests build
    # this helper: without it the check has not been made, which is a failure.
    e2e_fail "no Linux drag source at $source_exe (build the Linux tree's tests first)"
fi

# A document whose path is 300 characters long, given on the command line: it is read.
long_dir="$E2E_WORK/$(printf 'a%.0s' {1..100})/$(printf 'b%.0s' {1..100})"
mkdir -p "$long_dir"
long_path="$long_dir/$(printf 'c%.0s' {1..80}).txt"
cp "$E2E_SOURCE/data/sample.txt" "$long_path"
long_win="Z:$(echo "$long_path" | tr / '\\')"
((${#long_win} >= 300)) || e2e_fail "the long path has only ${#long_win} characters"
if e2e_start_lumio "$long_win"; then
    sleep 1
    e2e_window_pos
    e2e_wait_for 5 reading && e2e_pass "a ${#long_win}-character path is read" ||
        e2e_fail "the ${#long_win}-character path was not read: $(cat "$E2E_WORK/lumio.err")"
    exit_lumio || e2e_fail "no exit after the long path"
else
    e2e_fail "the window did not appear for the long path"
fi

# Qt's options mean nothing to the Windows program: said, not taken as a value-taker
# that swallows the file after it.
timeout 60 "$E2E_LUMIO" -style "$long_win" >"$E2E_WORK/style.out" 2>"$E2E_WORK/style.err"
status=$?
[ "$status" = 2 ] && grep -q "unknown option -style" "$E2E_WORK/style.err" &&
    e2e_pass "-style is refused with a message" ||
    e2e_fail "-style: status $status, stderr: $(cat "$E2E_WORK/style.err")"
e2e_finish
