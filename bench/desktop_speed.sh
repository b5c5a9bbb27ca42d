#!/usr/bin/env bash
# bench/desktop_speed.sh <build-dir> <source-dir>
# The desktop program's speed on a real X server (Xvfb, openbox, trayer): start-up to the
# window shown, the CPU it takes reading at the default interval, and the cost of a tick
# at the fastest speed (the core's tick, the viewer's paint and the shape update, as the
# program measures them). A measured run, not a test: it prints each figure beside its
# target. Use an optimised build; a sanitizer build is several times slower by design.
set -uo pipefail
source "$2/tests/e2e/lib.sh"
e2e_init "$1" "$2"
e2e_need iconv
e2e_start_desktop
limit() { # NAME VALUE TARGET
    local verdict
    verdict=$(awk -v v="$2" -v m="$3" 'BEGIN { print (v < m) ? "within" : "OVER" }')
    echo "$1 = $2 (target < $3: $verdict)"
}
ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }

doc="$E2E_WORK/novel.txt"
iconv -f CP936 -t UTF-8 "$E2E_SOURCE/data/sample.txt" | tr -d '\r\n' >"$E2E_WORK/one.txt"
for i in 1 2 3 4 5 6 7 8; do cat "$E2E_WORK/one.txt"; done | iconv -f UTF-8 -t CP936 >"$doc"

started=$(date +%s%N)
e2e_start_lumio "$doc" || { e2e_fail "no window"; e2e_finish; }
shown_ms=$((($(date +%s%N) - started) / 1000000))
WX=315
WY=0

# CPU at the default interval (200 ms per character), after the start-up settled.
sleep 3
hz=$(getconf CLK_TCK)
t0=$(ticks "$E2E_LUMIO_PID")
s0=$(date +%s%N)
sleep 15
t1=$(ticks "$E2E_LUMIO_PID")
s1=$(date +%s%N)
cpu=$(awk -v t=$((t1 - t0)) -v hz="$hz" -v ns=$((s1 - s0)) 'BEGIN { printf "%.2f", 100 * t / hz / (ns / 1e9) }')

# The fastest speed: the speed slider's right end (4 ms per character).
xdotool mousemove $((WX + 117 + 96)) $((WY + 12)) click 1
sleep 10
xdotool mousemove $((WX + 629)) $((WY + 12)) click 1
e2e_wait_for 20 sh -c "! kill -0 $E2E_LUMIO_PID" || e2e_fail "exit did not end the program"
wait "$E2E_LUMIO_PID"
stats="$(grep -o 'lumio-stats {.*}' "$E2E_WORK/lumio.err" | sed 's/lumio-stats //')"
echo "$stats"
field() { sed -n "s/.*\"$1\":\([0-9.]*\).*/\1/p" <<<"$stats"; }
ticks_done=$(field ticks)
tick_us=$(field tick_us)
paint_us=$(field viewer_paint_us)
paints=$(field viewer_paints)
shape_us=$(field shape_us)
shapes=$(field shape_updates)
# Per tick: the core tick, plus the paints and shape updates spread over the ticks.
per_tick=$(awk -v t="$tick_us" -v p="$paint_us" -v np="$paints" -v s="$shape_us" -v ns="$shapes" \
    -v n="$ticks_done" 'BEGIN { printf "%.1f", t + (n ? (p * np + s * ns) / n : 0) }')
limit "launch to the window shown (ms, wall clock)" "$shown_ms" 500
limit "start-up to the window shown (ms, in the program)" "$(field startup_ms)" 500
limit "CPU at the default interval (% of one core)" "$cpu" 3
limit "cost of a tick incl. paint and shape (us)" "$per_tick" 1000
echo "ticks at the fastest speed in 10 s: $ticks_done"
e2e_finish
