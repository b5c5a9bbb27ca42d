#!/usr/bin/env bash
# Soak of the desktop program: the real lumio under Xvfb, openbox and trayer, driven for
# SECONDS by a random sequence of what a person does, drawn from SEED: clicks and double
# clicks on every control (exit only at the end), drags of the strip and the sliders,
# keys, tray clicks, pin, the open dialog cancelled and accepted, drops of good, refused,
# unreadable and huge files, hiding and showing. Checked after every step: the process
# lives, the window can be brought back, no dialog but the open dialog and the message
# box (refusal and load errors), one tray icon. The resident size one minute in (after
# a warm-up that does every kind of step once and ends on the huge file) is compared
# with the size at the end in the same state: at most 10 % more.
# Usage: bench/soak.sh BUILD SRC SECONDS SEED
set -uo pipefail
source "$(dirname "$0")/../tests/e2e/lib.sh"
e2e_init "${1:?usage: bench/soak.sh BUILD SRC SECONDS SEED}" "${2:?}"
duration="${3:?}"
RANDOM="${4:?}"
seed="$4"
e2e_need iconv
drag="$E2E_BUILD/tests/e2e/lumio_drag_source"
[ -x "$drag" ] || { echo "FAIL: $drag is not built"; exit 1; }
e2e_start_desktop

# The desktop's opener for the web-page button writes down what it was given.
mkdir -p "$E2E_WORK/bin" "$E2E_WORK/files"
printf '#!/bin/sh\necho "$@" >>"%s/opened"\n' "$E2E_WORK" >"$E2E_WORK/bin/xdg-open"
chmod +x "$E2E_WORK/bin/xdg-open"
export PATH="$E2E_WORK/bin:$PATH"

files="$E2E_WORK/files"
e2e_gbk "$files/one.txt" "$(printf '桃花源记陶渊明晋太元中武陵人捕鱼为业%.0s' $(seq 1 30))"
e2e_gbk "$files/two.txt" "$(printf '缘溪行忘路之远近忽逢桃花林%.0s' $(seq 1 30))"
printf 'ABC\r\n' >"$files/refused.TXT"
printf 'ABC\r\n' >"$files/refused.doc"
mkdir -p "$files/folder.txt"              # a folder with a document's name: load error
ln -sf "$files/gone" "$files/missing.txt" # a dangling link: not found
# 40 MB of lines: the huge document.
e2e_gbk "$files/line" "$(printf '夹岸数百步中无杂树芳草鲜美落英缤纷%.0s' $(seq 1 4))"
head -c 40000000 < <(yes "$(cat "$files/line")") >"$files/huge.txt"
good=("$files/one.txt" "$files/two.txt")
refused=("$files/refused.TXT" "$files/refused.doc")
unreadable=("$files/folder.txt" "$files/missing.txt")

e2e_start_lumio "${good[0]}" || { e2e_fail "no window"; e2e_finish; }
pid=$E2E_LUMIO_PID
e2e_wait_for 10 e2e_tray_icon || e2e_fail "no tray icon"
e2e_window_pos

declare -A count
boxes=0
dialogs_seen=0
stop() {
    e2e_fail "$1 (step $step, last action ${last:-none}, seed $seed)"
    echo "soak: the steps before: ${history[*]: -8}"
    e2e_shot failure
    # Where each of the program's threads was when the step failed.
    if command -v gdb >/dev/null && kill -0 "$pid" 2>/dev/null; then
        gdb -p "$pid" -batch -ex "thread apply all bt 12" >"$E2E_SHOTS/failure-threads.txt" 2>&1
        echo "soak: the program's threads: $E2E_SHOTS/failure-threads.txt"
    fi
    summary
    e2e_finish
}
rss() { awk '/^VmRSS:/ {print $2}' "/proc/$pid/status" 2>/dev/null; }
tray_icons() {
    xwininfo -root -tree | grep -cE '"lumio": \("lumio" "lumio"\)  [0-9]+x[0-9]+\+0\+0'
}
visible_named() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n1; }

# Dialog-type windows of the program: only the open dialog and the message box.
check_dialogs() {
    local w name type
    for w in $(xdotool search --onlyvisible --pid "$pid" 2>/dev/null); do
        type="$(xprop -id "$w" _NET_WM_WINDOW_TYPE 2>/dev/null)"
        [[ "$type" == *DIALOG* ]] || continue
        name="$(xdotool getwindowname "$w" 2>/dev/null)"
        case "$name" in
        Open | 信息提示) ;;
        *) stop "an unexpected dialog: '$name'" ;;
        esac
    done
}

# Closes a message box if one is up (counting it).
answer_box() {
    local w
    w="$(visible_named 信息提示)"
    if [ -n "$w" ]; then
        boxes=$((boxes + 1))
        xdotool windowactivate --sync "$w" key Return 2>/dev/null
        e2e_wait_for 5 sh -c "! xdotool search --onlyvisible --name '^信息提示\$'" ||
            stop "the message box does not close"
    fi
}

# After every step: alive, nothing unexpected, the window back on screen, one icon.
settle() {
    kill -0 "$pid" 2>/dev/null || stop "the program is gone"
    check_dialogs
    answer_box
    # An accepted dialog may still be up: the file dialog's own warning about a name
    # that does not exist, or a folder it went into. Escape closes each in turn.
    local w tries=0
    while w="$(visible_named Open)" && [ -n "$w" ]; do
        ((tries++ < 5)) || stop "the open dialog does not close"
        xdotool windowactivate --sync "$w" key Escape 2>/dev/null
        sleep 0.6
    done
    if ! e2e_visible; then
        e2e_tray_icon || stop "no tray icon to bring the window back"
        xdotool mousemove "$TX" "$TY" click 1
        e2e_wait_for 5 e2e_visible || stop "the window cannot be brought back"
    fi
    local n
    n="$(tray_icons)"
    [ "$n" -eq 1 ] || stop "$n tray icons"
    e2e_window_pos
    # Keep the window where the next step can reach it.
    if ((WX < 0 || WY < 0 || WX > 600 || WY > 700)); then
        xdotool windowmove "$E2E_WINDOW" 315 0
        sleep 0.3
        e2e_window_pos
    fi
}

# Controls by their centres in the window (pixels); exit is left for the end.
controls=(mstart:19:12 mzant:55:12 mstop:92:12 loadtxt:514:12 pin:553:12 web:592:12
    strip:400:12 slider1:167:12 slider2:279:12 viewer:325:46)
pick() { echo "${controls[RANDOM % ${#controls[@]}]}"; }
at() { # NAME: sets CX CY on the screen
    local c
    for c in "${controls[@]}"; do
        if [ "${c%%:*}" = "$1" ]; then
            local rest="${c#*:}"
            CX=$((WX + ${rest%%:*}))
            CY=$((WY + ${rest#*:}))
        fi
    done
}

act_click() { local c; c="$(pick)"; at "${c%%:*}"; xdotool mousemove "$CX" "$CY" click 1; sleep 0.3; }
act_double() { local c; c="$(pick)"; at "${c%%:*}"; xdotool mousemove "$CX" "$CY" click --repeat 2 --delay 80 1; sleep 0.3; }
act_drag_strip() {
    at strip
    e2e_drag "$CX" "$CY" $((CX + RANDOM % 200 - 100)) $((CY + RANDOM % 150))
}
act_drag_slider() {
    local s=slider$((RANDOM % 2 + 1))
    at "$s"
    e2e_drag $((CX - 50 + RANDOM % 100)) "$CY" $((CX - 60 + RANDOM % 120)) "$CY"
}
act_keys() {
    # Focus a reading button first; one Tab at most from there never reaches exit.
    local c keys=(space Return Left Right Up Down) moves=("" Tab shift+Tab) access=(alt+o alt+s alt+p alt+x)
    c=(mstart mzant mstop slider1)
    at "${c[RANDOM % 4]}"
    xdotool mousemove "$CX" "$CY" click 1
    sleep 0.1
    local m="${moves[RANDOM % 3]}"
    [ -n "$m" ] && xdotool key "$m"
    if ((RANDOM % 4 == 0)); then
        xdotool key "${access[RANDOM % 4]}"
    else
        xdotool key "${keys[RANDOM % 6]}"
    fi
    sleep 0.3
}
act_tray() {
    e2e_tray_icon || stop "no tray icon"
    xdotool mousemove "$TX" "$TY" click $((RANDOM % 2 == 0 ? 1 : 3))
    sleep 0.5
}
act_pin() { at pin; xdotool mousemove "$CX" "$CY" click 1; sleep 0.5; }
act_hide_show() {
    e2e_tray_icon || stop "no tray icon"
    xdotool mousemove "$TX" "$TY" click 3
    e2e_wait_for 5 sh -c '! xdotool search --onlyvisible --name "^Lumio V3$"' || stop "the tray's right button does not hide"
    sleep 0.3
    xdotool mousemove "$TX" "$TY" click 1
    e2e_wait_for 5 e2e_visible || stop "the tray's left button does not show"
}
open_dialog() {
    at loadtxt
    xdotool mousemove "$CX" "$CY" click 1
    e2e_wait_for 10 xdotool search --onlyvisible --name '^Open$' || stop "the open dialog did not appear"
    sleep 0.4
}
act_dialog_cancel() { open_dialog; xdotool key Escape; sleep 0.5; }
act_dialog_accept() {
    local all=("${good[@]}" "${refused[@]}" "${unreadable[@]}")
    open_dialog
    xdotool type --delay 3 "${all[RANDOM % ${#all[@]}]}"
    xdotool key Return
    sleep 1
}
drop() { # FILE...: a real drag from another process onto the viewer or the strip
    "$drag" "$@" >/dev/null 2>&1 &
    local source=$!
    if e2e_wait_for 10 xdotool search --onlyvisible --name '^lumio-drag-source$'; then
        sleep 0.3
        local place=(viewer strip)
        at "${place[RANDOM % 2]}"
        e2e_drag 100 440 "$CX" "$CY"
        sleep 0.8
    fi
    kill "$source" 2>/dev/null
    wait "$source" 2>/dev/null
}
act_drop_good() { drop "${good[RANDOM % 2]}"; }
act_drop_refused() { drop "${refused[RANDOM % 2]}"; }
act_drop_unreadable() { drop "${unreadable[RANDOM % 2]}"; }
act_drop_huge() { drop "$files/huge.txt"; sleep 2; }

actions=(click click click double double drag_strip drag_slider drag_slider keys keys keys
    tray tray pin hide_show dialog_cancel dialog_accept drop_good drop_refused
    drop_unreadable drop_huge)
kinds=(click double drag_strip drag_slider keys tray pin hide_show dialog_cancel
    dialog_accept drop_good drop_refused drop_unreadable drop_huge)

summary() {
    local k line=""
    for k in "${kinds[@]}"; do
        line+=" $k=${count[$k]:-0}"
    done
    echo "soak: steps by kind:$line"
    echo "soak: message boxes answered: $boxes; RSS kB: first minute ${base_rss:-?}, max ${max_rss:-?}, end ${end_rss:-?}"
}

step=0
history=()
run() {
    last="$1"
    step=$((step + 1))
    history+=("$step:$1")
    count[$1]=$((${count[$1]:-0} + 1))
    "act_$1"
    settle
    local r
    r="$(rss)"
    [ -n "$r" ] && ((r > ${max_rss:-0})) && max_rss=$r
}

start=$SECONDS
for k in "${kinds[@]}"; do # warm-up: each kind once, ending on the huge document
    [ "$k" = drop_huge ] || run "$k"
done
run drop_huge
while ((SECONDS - start < 60)); do
    sleep 1
done
settle
base_rss="$(rss)"
echo "soak: first minute done after $step steps, RSS ${base_rss} kB"

while ((SECONDS - start < duration - 20)); do
    run "${actions[RANDOM % ${#actions[@]}]}"
done
run drop_huge
sleep 3
settle
end_rss="$(rss)"
summary
((end_rss * 100 <= base_rss * 110)) && e2e_pass "RSS grew $(((end_rss - base_rss) * 100 / base_rss)) %" ||
    e2e_fail "RSS grew from $base_rss kB to $end_rss kB"

# Exit at the end: the program ends, the icon goes.
at exit
e2e_window_pos
xdotool mousemove $((WX + 629)) $((WY + 12)) click 1
e2e_wait_for 15 sh -c "! kill -0 $pid" && e2e_pass "exit ends the program" || e2e_fail "still running after exit"
wait "$pid"
status=$?
((status == 0)) && e2e_pass "exit status 0" || e2e_fail "exit status $status"
echo "soak: $step steps in $((SECONDS - start)) s, seed $seed, $E2E_FAILURES failures"
e2e_finish
