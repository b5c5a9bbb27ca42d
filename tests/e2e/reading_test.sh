#!/usr/bin/env bash
# Reading under a real X server: a GBK file opened from the command line, through the
# open dialog and by drops from another process (on the viewer and on the title strip)
# starts the ticker; screenshots over time show it advancing with a red mark; a drop
# without files changes nothing; a refused path shows the message box and changes
# nothing. Two documents that look different tell which one is being read: one of
# light characters, one of dense ones.
set -uo pipefail
source "$(dirname "$0")/lib.sh"
e2e_init "$1" "$2"
e2e_need iconv compare
e2e_start_desktop
drag="$E2E_BUILD/tests/e2e/lumio_drag_source"

light="$E2E_WORK/light.txt"
dense="$E2E_WORK/dense.txt"
e2e_gbk "$light" "$(printf '一%.0s' $(seq 1 400))"
e2e_gbk "$dense" "$(printf '鬱%.0s' $(seq 1 400))"
printf 'ABC\r\n' >"$E2E_WORK/wrong.TXT"

viewer_after() { # NAME SECONDS: waits, then shoots the screen and crops the viewer
    sleep "$2"
    e2e_shot "$1"
    e2e_viewer_crop "$E2E_SHOTS/$1.png" "$E2E_SHOTS/$1-viewer.png"
}
# Which document is read shows in the red characters, always the newest ones: the dense
# document's strokes cover far more of their columns than the light one's.
red_of() { e2e_red_density "$E2E_SHOTS/$1-viewer.png"; }
denser() { (($1 > 2 * $2)); }

# 1. From the command line.
e2e_start_lumio "$light" || { e2e_fail "no window"; e2e_finish; }
WX=315
WY=0
viewer_after cmdline-1 1.5
viewer_after cmdline-2 1.2
red=$(e2e_red_pixels "$E2E_SHOTS/cmdline-2-viewer.png")
((red > 30)) && e2e_pass "red mark ($red pixels)" || e2e_fail "no red mark ($red pixels)"
moved=$(e2e_differing "$E2E_SHOTS/cmdline-1-viewer.png" "$E2E_SHOTS/cmdline-2-viewer.png")
((moved > 100)) && e2e_pass "the ticker advances ($moved pixels changed)" ||
    e2e_fail "the view did not change over 1.2 s ($moved pixels)"
light_red=$(red_of cmdline-2)

# 2. Through the open dialog.
xdotool mousemove $((WX + 514)) $((WY + 12)) click 1
if e2e_wait_for 10 xdotool search --onlyvisible --name '^Open$'; then
    sleep 0.5
    xdotool type --delay 5 "$dense"
    xdotool key Return
    e2e_wait_for 10 sh -c "! xdotool search --onlyvisible --name '^Open\$'" || e2e_fail "the dialog stayed"
    viewer_after dialog 2.5
    dense_red=$(red_of dialog)
    denser "$dense_red" "$light_red" && e2e_pass "the dialog opened the dense document" ||
        e2e_fail "after the dialog: $dense_red red density, the light document had $light_red"
else
    e2e_fail "the open dialog did not appear"
    dense_red=1000000
fi

# 3. A drop from another process onto the viewer.
"$drag" "$light" >"$E2E_WORK/drag1.out" 2>&1 &
E2E_PIDS+=("$!")
e2e_wait_for 10 xdotool search --onlyvisible --name '^lumio-drag-source$' || e2e_fail "no drag source"
sleep 0.5
e2e_drag 100 440 $((WX + 300)) $((WY + 46))
viewer_after drop-viewer 2.5
m=$(red_of drop-viewer)
denser "$dense_red" "$m" && e2e_pass "a drop on the viewer opened the light document" ||
    e2e_fail "after the drop: $m red density, the dense document had $dense_red"
light_red=$m
kill "$!" 2>/dev/null

# 4. Several files dropped on the title strip: the first one is read.
"$drag" "$dense" "$light" >"$E2E_WORK/drag2.out" 2>&1 &
E2E_PIDS+=("$!")
e2e_wait_for 10 xdotool search --onlyvisible --name '^lumio-drag-source$' || e2e_fail "no drag source"
sleep 0.5
e2e_drag 100 440 $((WX + 420)) $((WY + 12))
viewer_after drop-strip 2.5
m=$(red_of drop-strip)
denser "$m" "$light_red" && e2e_pass "a drop on the title strip opened its first file" ||
    e2e_fail "after the strip drop: $m red density, the light document had $light_red"
kill "$!" 2>/dev/null

# 5. Text without files: nothing changes, reading goes on with the dense document.
"$drag" --text "不是文件" >"$E2E_WORK/drag3.out" 2>&1 &
E2E_PIDS+=("$!")
e2e_wait_for 10 xdotool search --onlyvisible --name '^lumio-drag-source$' || e2e_fail "no drag source"
sleep 0.5
e2e_drag 100 440 $((WX + 300)) $((WY + 46))
viewer_after drop-text 1.5
m=$(red_of drop-text)
denser "$m" "$light_red" && e2e_pass "a drop without files changed nothing" ||
    e2e_fail "after a text drop: $m red density, as if the document changed"
kill "$!" 2>/dev/null

# 6. A refused path: the message box, and reading goes on.
xdotool mousemove $((WX + 514)) $((WY + 12)) click 1
if e2e_wait_for 10 xdotool search --onlyvisible --name '^Open$'; then
    sleep 0.5
    xdotool type --delay 5 "$E2E_WORK/wrong.TXT"
    xdotool key Return
    if e2e_wait_for 10 xdotool search --onlyvisible --name '^信息提示$'; then
        e2e_pass "the refusal message box"
        e2e_shot refusal
        xdotool key Return
        e2e_wait_for 10 sh -c "! xdotool search --onlyvisible --name '^信息提示\$'" ||
            e2e_fail "the message box stayed"
    else
        e2e_fail "no message box for a .TXT path"
    fi
    viewer_after after-refusal-1 0.5
    viewer_after after-refusal-2 1.2
    m=$(red_of after-refusal-2)
    denser "$m" "$light_red" || e2e_fail "after the refusal: $m red density (light document: $light_red), as if the document changed"
    moved=$(e2e_differing "$E2E_SHOTS/after-refusal-1-viewer.png" "$E2E_SHOTS/after-refusal-2-viewer.png")
    ((moved > 100)) && e2e_pass "reading goes on after the refusal" || e2e_fail "reading stopped"
else
    e2e_fail "the open dialog did not appear the second time"
fi

grep -o 'lumio-stats.*' "$E2E_WORK/lumio.err" || true
e2e_finish
