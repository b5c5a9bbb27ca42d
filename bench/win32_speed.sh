#!/usr/bin/env bash
# bench/win32_speed.sh <windows-build-dir> <source-dir>
# lumio.exe's speed under Wine on a real X server (Xvfb, openbox, trayer): start-up to
# the window shown, the CPU the program's process takes reading at the default interval
# (200 ms per character), and the cost of a tick at the fastest speed (the core's tick
# and the viewer's paint, as the program measures them). A measured run, not a test.
set -uo pipefail
source "$2/tests/win32/e2e/lib.sh"
source "$2/bench/speed_lib.sh"
win_init "$1" "$2"
e2e_need iconv
e2e_start_desktop
win_prefix
doc="$E2E_WORK/novel.txt"
speed_novel "$doc"

started=$(date +%s%N)
e2e_start_lumio "$doc" || { e2e_fail "no window"; e2e_finish; }
shown_ms=$((($(date +%s%N) - started) / 1000000))
WX=315
WY=0

cpu=$(speed_idle_cpu "$E2E_LUMIO_PID")

# The fastest speed: the speed slider's right end (a press Wine's trackbar sees as one:
# held a moment, as a hand holds it).
for i in 1 2; do
    xdotool mousemove $((WX + 205)) $((WY + 12))
    sleep 0.2
    xdotool mousedown 1
    sleep 0.3
    xdotool mouseup 1
    sleep 0.3
done
sleep 10
speed_exit_stats
per_tick=$(awk -v t="$(field tick_us)" -v p="$(field viewer_paint_us)" -v np="$(field viewer_paints)" \
    -v n="$(field ticks)" 'BEGIN { printf "%.1f", t + (n ? p * np / n : 0) }')
startup_ms=$(field startup_ms)

# Started again with Wine already up, as Windows is when a person starts the program:
# the server kept running, its shell started by the run before. The median of five.
"$(command -v wineserver || echo /usr/lib/wine/wineserver)" -p
warm=()
for i in 1 2 3 4 5; do
    started=$(date +%s%N)
    e2e_start_lumio "$doc" || { e2e_fail "no window the warm time"; e2e_finish; }
    warm+=($((($(date +%s%N) - started) / 1000000)))
    sleep 1
    speed_exit_stats >/dev/null
done
warm_ms=$(printf '%s\n' "${warm[@]}" | sort -n | sed -n 3p)
echo "warm launches (ms): ${warm[*]}"
speed_limit "launch to the window shown (ms, wall clock, Wine's own start included)" "$shown_ms" 500
speed_limit "launch to the window shown (ms, wall clock, Wine already running)" "$warm_ms" 500
speed_limit "start-up to the window shown (ms, in the program)" "$startup_ms" 500
speed_limit "CPU of lumio.exe at the default interval (% of one core)" "$cpu" 3
speed_limit "a tick with its paint (us)" "$per_tick" 1000
e2e_finish
