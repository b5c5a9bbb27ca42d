#!/usr/bin/env bash
# bench/desktop_speed.sh <build-dir> <source-dir>
# The desktop program's speed on a real X server (Xvfb, openbox, trayer): start-up to the
# window shown, the CPU it takes reading at the default interval, and the cost of a tick
# at the fastest speed (the core's tick, the viewer's paint and the shape update, as the
# program measures them). A measured run, not a test: it prints each figure beside its
# target. Use an optimised build; a sanitizer build is several times slower by design.
set -uo pipefail
source "$2/tests/e2e/lib.sh"
source "$2/bench/speed_lib.sh"
e2e_init "$1" "$2"
e2e_need iconv
e2e_start_desktop
doc="$E2E_WORK/novel.txt"
speed_novel "$doc"

started=$(date +%s%N)
e2e_start_lumio "$doc" || { e2e_fail "no window"; e2e_finish; }
shown_ms=$((($(date +%s%N) - started) / 1000000))
WX=315
WY=0

# CPU at the default interval (200 ms per character), after the start-up settled.
cpu=$(speed_idle_cpu "$E2E_LUMIO_PID")

# The fastest speed: the speed slider's right end (4 ms per character).
xdotool mousemove $((WX + 117 + 96)) $((WY + 12)) click 1
sleep 10
speed_exit_stats
ticks_done=$(field ticks)
tick_us=$(field tick_us)
paint_us=$(field viewer_paint_us)
paints=$(field viewer_paints)
shape_us=$(field shape_us)
shapes=$(field shape_updates)
# Per tick: the core tick, plus the paints and shape updates spread over the ticks.
per_tick=$(awk -v t="$tick_us" -v p="$paint_us" -v np="$paints" -v s="$shape_us" -v ns="$shapes" \
    -v n="$ticks_done" 'BEGIN { printf "%.1f", t + (n ? (p * np + s * ns) / n : 0) }')
speed_limit "launch to the window shown (ms, wall clock)" "$shown_ms" 500
speed_limit "start-up to the window shown (ms, in the program)" "$(field startup_ms)" 500
speed_limit "CPU at the default interval (% of one core)" "$cpu" 3
speed_limit "cost of a tick incl. paint and shape (us)" "$per_tick" 1000
echo "ticks at the fastest speed in 10 s: $ticks_done"
e2e_finish
