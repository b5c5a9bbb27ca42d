#!/usr/bin/env bash
# Soak of the desktop program: the real lumio under Xvfb, openbox and trayer, driven for
# SECONDS by a random sequence of what a person does, drawn from SEED (the steps and the
# checks after each are bench/soak_lib.sh's). The resident size one minute in (after a
# warm-up that does every kind of step once and ends on the huge file) is compared with
# the size at the end in the same state: at most 10 % more.
# Usage: bench/soak.sh BUILD SRC SECONDS SEED
set -uo pipefail
source "$(dirname "$0")/../tests/e2e/lib.sh"
source "$(dirname "$0")/soak_lib.sh"
e2e_init "${1:?usage: bench/soak.sh BUILD SRC SECONDS SEED}" "${2:?}"
e2e_need iconv
drag="$E2E_BUILD/tests/e2e/lumio_drag_source"
[ -x "$drag" ] || { echo "FAIL: $drag is not built"; exit 1; }
e2e_start_desktop

# The desktop's opener for the web-page button writes down what it was given.
mkdir -p "$E2E_WORK/bin"
printf '#!/bin/sh\necho "$@" >>"%s/opened"\n' "$E2E_WORK" >"$E2E_WORK/bin/xdg-open"
chmod +x "$E2E_WORK/bin/xdg-open"
export PATH="$E2E_WORK/bin:$PATH"
soak_files

soak_tray_click() {
    e2e_tray_icon || return 1
    xdotool mousemove "$TX" "$TY" click "$1"
}
soak_tray_icons() {
    xwininfo -root -tree | grep -cE '"lumio": \("lumio" "lumio"\)  [0-9]+x[0-9]+\+0\+0'
}
soak_drag_source() {
    "$drag" "$@" >/dev/null 2>&1 &
    SOAK_SOURCE=$!
    SOAK_SOURCE_TITLE=lumio-drag-source
}
soak_figures() {
    echo "rss=$(awk '/^VmRSS:/ {print $2}' "/proc/$pid/status" 2>/dev/null)"
}

soak_main "${3:?}" "${4:?}"
