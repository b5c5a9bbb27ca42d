#!/usr/bin/env bash
# bench/win32_speed.sh <windows-build-dir> <source-dir>
# lumio.exe's speed under Wine on a real X server (Xvfb, openbox, trayer): start-up to
# the window shown, the CPU the program's process takes reading at the default interval
# (200 ms per character), and the cost of a tick at the fastest speed (the core's tick
# and the viewer's paint, as the program measures them). A measured run, not a test.
set -uo pipefail
source "$2/tests/win32/e2e/lib.sh"
win_init "$1" "$2"
e2e_need iconv
e2e_start_desktop
win_prefix
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

sleep 3
hz=$(getconf CLK_TCK)
t0=$(ticks "$E2E_LUMIO_PID")
s0=$(date +%s%N)
sleep 15
t1=$(ticks "$E2E_LUMIO_PID")
s1=$(date +%s%N)
cpu=$(awk -v t=$((t1 - t0)) -v hz="$hz" -v ns=$((s1 - s0)) 'BEGIN { printf "%.2f", 100 * t / hz / (ns / 1e9) }')

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
xdotool mousemove $((WX + 629)) $((WY + 12)) click 1
e2e_wait_for 20 sh -c "! kill -0 $E2E_LUMIO_PID" || e2e_fail "exit did not end the program"
wait "$E2E_LUMIO_PID"
stats="$(grep -ao 'lumio-stats {.*}' "$E2E_WORK/lumio.err" | sed 's/lumio-stats //')"
echo "$stats"
field() { sed -n "s/.*\"$1\":\([0-9.]*\).*/\1/p" <<<"$stats"; }
per_tick=$(awk -v t="$(field tick_us)" -v p="$(field viewer_paint_us)" -v np="$(field viewer_paints)" \
    -v n="$(field ticks)" 'BEGIN { printf "%.1f", t + (n ? p * np / n : 0) }')
limit "launch to the window shown (ms, wall clock, Wine's start included)" "$shown_ms" 500
limit "start-up to the window shown (ms, in the program)" "$(field startup_ms)" 500
limit "CPU of lumio.exe at the default interval (% of one core)" "$cpu" 3
limit "a tick with its paint (us)" "$per_tick" 1000
e2e_finish
