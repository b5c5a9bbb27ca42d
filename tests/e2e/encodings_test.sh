#!/usr/bin/env bash
# Documents in other encodings, dropped on the real program, read as the same document in
# GB18030 does: a novel's opening line, short enough to stand whole in the viewer from
# its fifteenth tick to its two hundredth, gives the same pixels whatever encoding it came
# in, where a misreading would show other characters. (Screenshots kept with
# LUMIO_E2E_SHOTS.)
set -uo pipefail
source "$(dirname "$0")/lib.sh"
e2e_init "$1" "$2"
e2e_need iconv compare
e2e_start_desktop
drag="$E2E_BUILD/tests/e2e/lumio_drag_source"

# The same line in GB18030 (found by itself: GBK with a four-byte character), UTF-8
# without a mark, UTF-16LE and UTF-16BE with theirs, each opened by a paragraph indent.
line='第一章　春眠不觉晓，𠀀“你好”ok。'
printf '\xe3\x80\x80\xe3\x80\x80%s\r\n' "$line" >"$E2E_WORK/utf8.txt"
iconv -f UTF-8 -t GB18030 "$E2E_WORK/utf8.txt" >"$E2E_WORK/gb18030.txt"
{ printf '\xff\xfe'; iconv -f UTF-8 -t UTF-16LE "$E2E_WORK/utf8.txt"; } >"$E2E_WORK/utf16le.txt"
{ printf '\xfe\xff'; iconv -f UTF-8 -t UTF-16BE "$E2E_WORK/utf8.txt"; } >"$E2E_WORK/utf16be.txt"
iconv -f UTF-8 -t UTF-16LE "$E2E_WORK/utf8.txt" >"$E2E_WORK/utf16le-unmarked.txt"
# Another book by name: the same file dropped again would resume where its reading stopped.
cp "$E2E_WORK/utf16le-unmarked.txt" "$E2E_WORK/utf16le-unmarked-2.txt"

viewer_after() { # NAME SECONDS: waits, then shoots the screen and crops the viewer
    sleep "$2"
    e2e_shot "$1"
    e2e_viewer_crop "$E2E_SHOTS/$1.png" "$E2E_SHOTS/$1-viewer.png"
}

# drop NAME FILE: drags FILE from another process onto the viewer.
drop() {
    "$drag" "$2" >"$E2E_WORK/$1.drag" 2>&1 &
    E2E_PIDS+=("$!")
    e2e_wait_for 10 xdotool search --onlyvisible --name '^lumio-drag-source$' || e2e_fail "no drag source for $1"
    sleep 0.5
    e2e_drag 100 440 $((WX + 300)) $((WY + 46))
    sleep 0.5 # the drop ends between the two programs after the button comes up
    kill "$!" 2>/dev/null
}

# At 200 ms a tick the line is whole after three seconds and stays so for forty.
e2e_start_lumio "$E2E_WORK/gb18030.txt" || { e2e_fail "no window"; e2e_finish; }
WX=315
WY=0
viewer_after gb18030 5
red=$(e2e_red_pixels "$E2E_SHOTS/gb18030-viewer.png")
((red > 30)) && e2e_pass "the GB18030 line reads, red mark ($red pixels)" || e2e_fail "no red mark ($red pixels)"
viewer_after gb18030-later 1
differing=$(e2e_differing "$E2E_SHOTS/gb18030-viewer.png" "$E2E_SHOTS/gb18030-later-viewer.png")
((differing == 0)) && e2e_pass "the whole line stands still in the viewer" ||
    e2e_fail "the view still changes ($differing pixels): the comparison below would mean nothing"

for encoding in utf8 utf16le utf16be; do
    drop "$encoding" "$E2E_WORK/$encoding.txt"
    # Just after the drop the view holds a few characters: the drop did open the file.
    e2e_shot "$encoding-early"
    e2e_viewer_crop "$E2E_SHOTS/$encoding-early.png" "$E2E_SHOTS/$encoding-early-viewer.png"
    early=$(e2e_differing "$E2E_SHOTS/gb18030-viewer.png" "$E2E_SHOTS/$encoding-early-viewer.png")
    ((early > 200)) || e2e_fail "the $encoding drop opened nothing new ($early pixels differ)"
    viewer_after "$encoding" 4
    differing=$(e2e_differing "$E2E_SHOTS/gb18030-viewer.png" "$E2E_SHOTS/$encoding-viewer.png")
    ((differing == 0)) && e2e_pass "the $encoding drop reads as the GB18030 line" ||
        e2e_fail "the $encoding drop looks unlike the GB18030 line: $differing pixels differ"
done

# An encoding named on the command line holds for drops too: UTF-16LE without its mark.
e2e_stop_lumio
e2e_start_lumio --encoding utf-16le "$E2E_WORK/utf16le-unmarked.txt" || { e2e_fail "no window"; e2e_finish; }
viewer_after named 5
drop named-drop "$E2E_WORK/utf16le-unmarked-2.txt"
viewer_after named-drop-early 0
early=$(e2e_differing "$E2E_SHOTS/named-viewer.png" "$E2E_SHOTS/named-drop-early-viewer.png")
((early > 200)) || e2e_fail "the drop with --encoding opened nothing new ($early pixels differ)"
viewer_after named-drop 4
for shot in named named-drop; do
    differing=$(e2e_differing "$E2E_SHOTS/gb18030-viewer.png" "$E2E_SHOTS/$shot-viewer.png")
    ((differing == 0)) && e2e_pass "$shot: --encoding utf-16le reads the unmarked file" ||
        e2e_fail "$shot: the unmarked UTF-16LE file looks unlike the line: $differing pixels differ"
done

e2e_finish
