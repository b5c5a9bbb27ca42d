#!/usr/bin/env bash
# Soak of lumio.exe under Wine, on the Windows end-to-end tests' desktop (Xvfb, openbox,
# trayer, a private prefix): the Linux program's soak (bench/soak_lib.sh: the same kinds
# of step drawn from SEED, the same checks after each). Watched for growth from a minute
# in to the end, in the same state, as lumio_gui_objects.exe counts them: the resident
# size (at most 10 % more); the GDI objects beside the system's cache of display DCs (at
# most 10 more: a few come and go, such as the icon of a box first shown late); the
# display DCs themselves (at most 64 more, the size of Wine's cache); the USER objects
# (windows under Wine; at most 10 more). Every step adds a line of these figures to
# figures.txt beside the screenshots ($LUMIO_E2E_SHOTS keeps them), so a growth can be
# traced to its steps. Clicks are held a moment, as a hand holds them; the tray icon is
# clicked from the Windows side (lumio_tray_click says why); files are dragged by a
# Windows program (OLE) or, where the Linux tree is built, by a Linux one (XDND), drawn
# at random.
# Usage: bench/soak_win32.sh WINDOWS-BUILD SRC SECONDS SEED
set -uo pipefail
source "$(dirname "$0")/../tests/win32/e2e/lib.sh"
source "$(dirname "$0")/soak_lib.sh"
win_init "${1:?usage: bench/soak_win32.sh WINDOWS-BUILD SRC SECONDS SEED}" "${2:?}"
e2e_need iconv
for helper in lumio_tray_click lumio_drag_source lumio_gui_objects; do
    [ -f "$E2E_BUILD/$helper.exe" ] || { echo "FAIL: $E2E_BUILD/$helper.exe is not built"; exit 1; }
done
linux_drag="$WIN_LINUX_BUILD/tests/e2e/lumio_drag_source"
[ -x "$linux_drag" ] || echo "note: no Linux drag source (build the Linux tree first): drops come from Windows only"
e2e_start_desktop
win_prefix

# Whatever Wine's shell opens the web page with writes down what it was given.
mkdir -p "$E2E_WORK/bin"
printf '#!/bin/sh\necho "$@" >>"%s/opened"\n' "$E2E_WORK" >"$E2E_WORK/bin/xdg-open"
chmod +x "$E2E_WORK/bin/xdg-open"
export PATH="$E2E_WORK/bin:$PATH"
soak_files

SOAK_GROWTH[gdi_beside_dcs]="0 10"
SOAK_GROWTH[gdi_dc]="0 64"
SOAK_GROWTH[user]="0 10"

soak_press() { win_click "$1" "$2" "$3"; }
soak_double() {
    xdotool mousemove "$1" "$2"
    sleep 0.15
    xdotool mousedown 1 sleep 0.05 mouseup 1 sleep 0.08 mousedown 1 sleep 0.05 mouseup 1
}
soak_tray_click() {
    local side=left
    (($1 == 3)) && side=right
    "$WIN_LOADER" "$E2E_BUILD/lumio_tray_click.exe" "$side" </dev/null >/dev/null 2>&1
}
soak_tray_icons() { win_tray_icons | grep -c .; }
soak_drag_source() {
    if [ -x "$linux_drag" ] && ((RANDOM % 2)); then
        QT_QPA_PLATFORM=xcb "$linux_drag" "$1" >/dev/null 2>&1 &
        SOAK_SOURCE_TITLE=lumio-drag-source
    else
        "$WIN_LOADER" "$E2E_BUILD/lumio_drag_source.exe" "$(soak_dialog_path "$1")" \
            </dev/null >/dev/null 2>&1 &
        SOAK_SOURCE_TITLE=lumio-win-drag-source
    fi
    SOAK_SOURCE=$!
}
soak_dialog_path() { echo "Z:$(tr / '\\' <<<"$1")"; }
# Windows that say they are dialogs and are the system's own: the controls' tool tips,
# which Wine shows as owned popups (one line of text, no title), and the open dialog's
# warnings (no title either, over the open dialog), which the steps close with it.
soak_system_dialog() {
    [ -z "$2" ] || return 1
    [ -n "$(visible_named Open)" ] && return 0
    local HEIGHT=99
    eval "$(xdotool getwindowgeometry --shell "$1" 2>/dev/null | grep '^HEIGHT=')"
    ((HEIGHT < 40))
}
soak_figures() {
    echo "rss=$(awk '/^VmRSS:/ {print $2}' "/proc/$pid/status" 2>/dev/null)"
    local counts
    counts="$("$WIN_LOADER" "$E2E_BUILD/lumio_gui_objects.exe" lumio.exe </dev/null 2>/dev/null | tr -d '\r')"
    echo "$counts"
    # Wine keeps display DCs for painting in a cache of up to 64, each with its visible
    # region and its surface, and makes more when painting nests deeper than it has yet
    # (the file dialog with its warning over it): that growth is the cache's own.
    local gdi dc
    gdi="$(sed -n 's/.*\bgdi=\([0-9]*\).*/\1/p' <<<"$counts")"
    dc="$(sed -n 's/.*\bgdi_dc=\([0-9]*\).*/\1/p' <<<"$counts")"
    [ -n "$gdi" ] && echo "gdi_beside_dcs=$((gdi - 3 * ${dc:-0}))"
}

soak_main "${3:?}" "${4:?}"
