# The Windows program's end-to-end tests: the Linux tests' desktop (Xvfb, openbox,
# trayer) with lumio.exe under Wine in a private prefix made once per script run.
# Usage: source it, then win_init "$1" "$2"  (the Windows build dir, the source dir).
source "$(dirname "${BASH_SOURCE[0]}")/../../e2e/lib.sh"

win_init() {
    local build="$1" source="$2"
    e2e_need wine
    WIN_LOADER=/usr/lib/wine/wine64
    [ -x "$WIN_LOADER" ] || WIN_LOADER="$(command -v wine64 || command -v wine)"
    e2e_init "$build" "$source"
    trap win_cleanup EXIT
    WIN_EXE="$E2E_BUILD/lumio.exe"
    [ -f "$WIN_EXE" ] || { echo "FAIL: no $WIN_EXE"; exit 1; }
    export WINEPREFIX="$E2E_WORK/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    # Helpers of the Linux build (the click target), where there is one.
    WIN_LINUX_BUILD="${LUMIO_LINUX_BUILD:-$E2E_SOURCE/build}"
    # e2e_start_lumio runs $E2E_LUMIO: here lumio.exe under Wine.
    E2E_LUMIO="$E2E_WORK/lumio"
    printf '#!/bin/sh\nexec "%s" "%s" "$@"\n' "$WIN_LOADER" "$WIN_EXE" >"$E2E_LUMIO"
    chmod +x "$E2E_LUMIO"
}

# Wine's server of this prefix goes first, then the desktop.
win_cleanup() {
    local server
    server="$(command -v wineserver || echo /usr/lib/wine/wineserver)"
    [ -x "$server" ] && [ -d "${WINEPREFIX:-}" ] && "$server" -k 2>/dev/null
    e2e_cleanup
}

# The prefix is made before the clock starts, so start-up times are the program's own.
# A bare prefix has no font for Chinese behind the system's own text (message boxes, tool
# tips, the balloon), which every Windows has: the system fonts are linked to the CJK
# font installed here, as Windows links them to its own.
win_prefix() {
    "$WIN_LOADER" wineboot -i >/dev/null 2>&1
    local face link='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink'
    for face in Tahoma "Microsoft Sans Serif" "MS Shell Dlg" "MS Shell Dlg 2" "Segoe UI"; do
        "$WIN_LOADER" reg add "$link" /v "$face" /t REG_MULTI_SZ /f \
            /d 'NotoSansCJK-Regular.ttc,Noto Sans CJK SC' >/dev/null 2>&1
    done
    local server
    server="$(command -v wineserver || echo /usr/lib/wine/wineserver)"
    [ -x "$server" ] && "$server" -w 2>/dev/null
    return 0
}

# The tray icons Wine docked in trayer (windows of Wine's shell, explorer.exe, inside
# trayer's panel): one line per icon window.
win_tray_icons() {
    local w
    for w in $(xdotool search --class trayer); do
        xwininfo -id "$w" -tree 2>/dev/null | grep -E '"explorer.exe"\)  [0-9]+x[0-9]+\+0\+0' || true
    done
}

# Shown windows of Wine's shell wide enough to be a balloon.
win_balloons() {
    local w width
    for w in $(xdotool search --onlyvisible --classname explorer.exe 2>/dev/null); do
        width="$(xdotool getwindowgeometry --shell "$w" 2>/dev/null | sed -n 's/^WIDTH=//p')"
        [ "${width:-0}" -gt 100 ] && echo "$w"
    done
}

win_balloons_shown() {
    [ -n "$(win_balloons)" ]
}

# A click as a hand makes it: the button held a moment. Wine's controls can miss a
# press and release that arrive together. win_click BUTTON [--window W] X Y
win_click() {
    local button="$1"
    shift
    xdotool mousemove "$@"
    sleep 0.15
    xdotool mousedown "$button"
    sleep 0.15
    xdotool mouseup "$button"
}

win_balloons_gone() {
    [ -z "$(win_balloons)" ]
}
