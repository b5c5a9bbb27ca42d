# The soak's steps, checks and figures, shared by the Linux program's soak (bench/soak.sh)
# and lumio.exe's under Wine (bench/soak_win32.sh): a random sequence of what a person
# does, drawn from a seed, with the checks after every step. Source it after the e2e
# library, e2e_init and e2e_start_desktop; then define the few things that differ between
# the two programs and call soak_main SECONDS SEED:
#   soak_tray_click BUTTON        a click on the program's tray icon (1 left, 3 right);
#                                 fails when there is no icon
#   soak_tray_icons               prints how many tray icons the program has
#   soak_drag_source FILE         starts a program that drags FILE when pressed; sets
#                                 SOAK_SOURCE (its pid) and SOAK_SOURCE_TITLE (its window)
#   soak_figures                  prints the figures watched for growth, "NAME=VALUE ..."
#                                 (the resident size "rss" in kB at least)
# and SOAK_GROWTH[NAME]="PERCENT EXTRA": how far each figure may grow from the end of the
# first minute to the end, in percent of where it was plus a count. What a script may
# redefine after sourcing: soak_press BUTTON X Y (a click at a screen point, 1 left, 3
# right), soak_double X Y (a double click), soak_dialog_path FILE (FILE as it is typed
# into the open dialog), soak_system_dialog WINDOW NAME (whether a window that says it is
# a dialog is one the system puts up by itself).
#
# Each kind of step: clicks and double clicks on every control (exit only at the end),
# drags of the strip and the sliders, keys, tray clicks, pin, the open dialog cancelled and
# accepted, drops of good, refused, unreadable and huge files, hiding and showing. Checked
# after every step: the process lives, the window can be brought back, no dialog but the
# open dialog and the message box (refusal and load errors), one tray icon. The figures a
# minute in (after a warm-up that does every kind of step once and ends on the huge file)
# are compared with the figures at the end in the same state.

declare -A SOAK_GROWTH=([rss]="10 0")
soak_press() { xdotool mousemove "$2" "$3" click "$1"; }
soak_double() { xdotool mousemove "$1" "$2" click --repeat 2 --delay 80 1; }
soak_dialog_path() { echo "$1"; }
soak_system_dialog() { return 1; }

soak_files() {
    files="$E2E_WORK/files"
    mkdir -p "$files"
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
}

declare -A count
boxes=0
stop() {
    e2e_fail "$1 (step $step, last action ${last:-none}, seed $seed)"
    local first=$((${#history[@]} > 8 ? ${#history[@]} - 8 : 0))
    echo "soak: the steps before: ${history[*]:first}"
    e2e_shot failure
    # Where each of the program's threads was when the step failed.
    if command -v gdb >/dev/null && kill -0 "$pid" 2>/dev/null; then
        gdb -p "$pid" -batch -ex "thread apply all bt 12" >"$E2E_SHOTS/failure-threads.txt" 2>&1
        echo "soak: the program's threads: $E2E_SHOTS/failure-threads.txt"
    fi
    summary
    e2e_finish
}
has_tray_icon() { (($(soak_tray_icons) >= 1)); }
no_tray_icon() { (($(soak_tray_icons) == 0)); }
one_tray_icon() { (($(soak_tray_icons) == 1)); }
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
        *) soak_system_dialog "$w" "$name" || stop "an unexpected dialog: '$name'" ;;
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
        soak_tray_click 1 || stop "no tray icon to bring the window back"
        e2e_wait_for 5 e2e_visible || stop "the window cannot be brought back"
    fi
    # A window that goes while xdotool or xwininfo walks the tree ends them with an X
    # error, counting nothing: only a count that stays wrong is a fault.
    e2e_wait_for 5 one_tray_icon || stop "$(soak_tray_icons) tray icons"
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
# Sets `picked` to a control drawn at random; never called in a subshell, whose draws
# would not come from the seed.
pick() { picked="${controls[RANDOM % ${#controls[@]}]}"; }
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

act_click() { pick; at "${picked%%:*}"; soak_press 1 "$CX" "$CY"; sleep 0.3; }
act_double() { pick; at "${picked%%:*}"; soak_double "$CX" "$CY"; sleep 0.3; }
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
    soak_press 1 "$CX" "$CY"
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
    soak_tray_click $((RANDOM % 2 == 0 ? 1 : 3)) || stop "no tray icon"
    sleep 0.5
}
act_pin() { at pin; soak_press 1 "$CX" "$CY"; sleep 0.5; }
act_hide_show() {
    soak_tray_click 3 || stop "no tray icon"
    e2e_wait_for 5 sh -c '! xdotool search --onlyvisible --name "^Lumio V3$"' || stop "the tray's right button does not hide"
    sleep 0.3
    soak_tray_click 1 || stop "no tray icon"
    e2e_wait_for 5 e2e_visible || stop "the tray's left button does not show"
}
open_dialog() {
    at loadtxt
    soak_press 1 "$CX" "$CY"
    e2e_wait_for 10 xdotool search --onlyvisible --name '^Open$' || stop "the open dialog did not appear"
    sleep 0.4
}
act_dialog_cancel() { open_dialog; xdotool key Escape; sleep 0.5; }
act_dialog_accept() {
    local all=("${good[@]}" "${refused[@]}" "${unreadable[@]}")
    local file="${all[RANDOM % ${#all[@]}]}"
    open_dialog
    xdotool type --delay 3 "$(soak_dialog_path "$file")"
    xdotool key Return
    sleep 1
}
drop() { # FILE: a real drag from another process onto the viewer or the strip
    soak_drag_source "$1"
    if e2e_wait_for 10 xdotool search --onlyvisible --name "^$SOAK_SOURCE_TITLE\$"; then
        sleep 0.3
        local place=(viewer strip)
        at "${place[RANDOM % 2]}"
        e2e_drag 100 440 "$CX" "$CY"
        sleep 0.8
    fi
    kill "$SOAK_SOURCE" 2>/dev/null
    wait "$SOAK_SOURCE" 2>/dev/null
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

# The watched figures: the latest in `now`, the first minute's in `base`, the highest in
# `most`.
declare -A now base most
measure() {
    local pair name value
    for pair in $(soak_figures); do
        name="${pair%%=*}"
        value="${pair#*=}"
        [[ "$value" =~ ^[0-9]+$ ]] || continue # not read this time: the last one stands
        now[$name]=$value
        ((value <= ${most[$name]:-0})) || most[$name]=$value
    done
}

summary() {
    local k line=""
    for k in "${kinds[@]}"; do
        line+=" $k=${count[$k]:-0}"
    done
    echo "soak: steps by kind:$line"
    echo "soak: message boxes answered: $boxes"
    for k in "${!SOAK_GROWTH[@]}"; do
        echo "soak: $k: first minute ${base[$k]:-?}, max ${most[$k]:-?}, end ${now[$k]:-?}"
    done
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
    measure
    # Which steps move the figures, kept with the screenshots.
    echo "$step $1 $(for k in "${!now[@]}"; do printf '%s=%s ' "$k" "${now[$k]}"; done)" >>"$E2E_SHOTS/figures.txt"
}

# Whether each figure stayed within its growth.
check_growth() {
    local k pct extra
    for k in "${!SOAK_GROWTH[@]}"; do
        read -r pct extra <<<"${SOAK_GROWTH[$k]}"
        if [ -z "${base[$k]:-}" ] || [ -z "${now[$k]:-}" ]; then
            e2e_fail "no $k figure"
        elif ((now[$k] * 100 <= base[$k] * (100 + pct) + extra * 100)); then
            e2e_pass "$k grew from ${base[$k]} to ${now[$k]} (allowed: $pct % and $extra)"
        else
            e2e_fail "$k grew from ${base[$k]} to ${now[$k]} (allowed: $pct % and $extra)"
        fi
    done
}

# soak_main SECONDS SEED: the program is started on the first good file, driven for
# SECONDS, then ended with its exit button.
soak_main() {
    duration="$1"
    seed="$2"
    RANDOM="$seed"
    e2e_start_lumio "${good[0]}" || { e2e_fail "no window"; e2e_finish; }
    pid=$E2E_LUMIO_PID
    e2e_wait_for 10 has_tray_icon || e2e_fail "no tray icon"
    e2e_window_pos

    local start=$SECONDS k
    for k in "${kinds[@]}"; do # warm-up: each kind once, ending on the huge document
        [ "$k" = drop_huge ] || run "$k"
    done
    run drop_huge
    while ((SECONDS - start < 60)); do
        sleep 1
    done
    settle
    measure
    for k in "${!now[@]}"; do
        base[$k]="${now[$k]}"
    done
    echo "soak: first minute done after $step steps:" $(soak_figures)

    while ((SECONDS - start < duration - 20)); do
        run "${actions[RANDOM % ${#actions[@]}]}"
    done
    run drop_huge
    sleep 3
    settle
    measure
    summary
    check_growth

    # Exit at the end: the program ends, the icon goes.
    e2e_window_pos
    soak_press 1 $((WX + 629)) $((WY + 12))
    e2e_wait_for 15 sh -c "! kill -0 $pid" && e2e_pass "exit ends the program" || e2e_fail "still running after exit"
    wait "$pid"
    local status=$?
    ((status == 0)) && e2e_pass "exit status 0" || e2e_fail "exit status $status"
    e2e_wait_for 5 no_tray_icon && e2e_pass "the tray icon went with it" ||
        e2e_fail "$(soak_tray_icons) tray icons left after exit"
    echo "soak: $step steps in $((SECONDS - start)) s, seed $seed, $E2E_FAILURES failures"
    e2e_finish
}
