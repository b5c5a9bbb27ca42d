#!/usr/bin/env bash
# Documents whose names are not UTF-8, as unpacked from old archives (GBK names), open
# from the command line and by a drop whose URL carries the name's bytes
# (file:///…%C4%E3…), with no message box.
set -uo pipefail
source "$(dirname "$0")/lib.sh"
e2e_init "$1" "$2"
e2e_need iconv compare od
e2e_start_desktop
drag="$E2E_BUILD/tests/e2e/lumio_drag_source"

# 你好.txt and 再见.txt with GBK names, in a folder with a GBK name too.
folder="$E2E_WORK/$(e2e_gbk_name 小说)"
mkdir -p "$folder"
light="$folder/$(e2e_gbk_name 你好).txt"
dense="$folder/$(e2e_gbk_name 再见).txt"
e2e_gbk "$light" "$(printf '一%.0s' $(seq 1 400))"
e2e_gbk "$dense" "$(printf '鬱%.0s' $(seq 1 400))"
url="$(e2e_file_url "$dense")"
case "$url" in *%C4%E3* | *%D4%D9%BC%FB*) ;; *) e2e_fail "the URL does not carry GBK bytes: $url" ;; esac

viewer_after() { # NAME SECONDS
    sleep "$2"
    e2e_shot "$1"
    e2e_viewer_crop "$E2E_SHOTS/$1.png" "$E2E_SHOTS/$1-viewer.png"
}
no_message() {
    if e2e_titled 信息提示; then
        e2e_shot "$1-message"
        e2e_fail "$1: a message box instead of the document"
        xdotool key --window "$(e2e_windows_titled 信息提示 | head -n1)" Return
    fi
}

# From the command line: the argument's bytes name the file.
e2e_start_lumio "$light" || { e2e_fail "no window"; e2e_finish; }
e2e_window_pos
viewer_after cmdline 2
no_message cmdline
red=$(e2e_red_pixels "$E2E_SHOTS/cmdline-viewer.png")
((red > 30)) && e2e_pass "a GBK name on the command line is read ($red red pixels)" ||
    e2e_fail "a GBK name on the command line was not read ($red red pixels)"
light_red=$(e2e_red_density "$E2E_SHOTS/cmdline-viewer.png")

# A drop whose URL holds the name's GBK bytes.
"$drag" --url "$url" >"$E2E_WORK/drag.out" 2>&1 &
E2E_PIDS+=("$!")
e2e_wait_for 10 xdotool search --onlyvisible --name '^lumio-drag-source$' || e2e_fail "no drag source"
sleep 0.5
e2e_drag 100 440 $((WX + 300)) $((WY + 46))
viewer_after drop 2.5
no_message drop
dense_red=$(e2e_red_density "$E2E_SHOTS/drop-viewer.png")
((dense_red > 2 * light_red)) && e2e_pass "a GBK name dropped as $url is read" ||
    e2e_fail "after the drop: $dense_red red density, the light document had $light_red"
e2e_finish
