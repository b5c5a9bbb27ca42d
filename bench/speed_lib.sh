# The desktop speed benchmarks' shared steps (bench/desktop_speed.sh for the Linux
# program, bench/win32_speed.sh for lumio.exe under Wine). Source it after the e2e
# library and e2e_init; it sets nothing up by itself.

# speed_limit NAME VALUE TARGET: one figure beside its target.
speed_limit() {
    local verdict
    verdict=$(awk -v v="$2" -v m="$3" 'BEGIN { print (v < m) ? "within" : "OVER" }')
    echo "$1 = $2 (target < $3: $verdict)"
}

# speed_novel FILE: the sample novel eight times over in one long line, GBK.
speed_novel() {
    iconv -f CP936 -t UTF-8 "$E2E_SOURCE/data/sample.txt" | tr -d '\r\n' >"$E2E_WORK/one.txt"
    local i
    for i in 1 2 3 4 5 6 7 8; do cat "$E2E_WORK/one.txt"; done | iconv -f UTF-8 -t CP936 >"$1"
}

# speed_idle_cpu PID: % of one core the process takes over 15 s, after 3 s to settle.
speed_idle_cpu() {
    local hz t0 t1 s0 s1
    cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
    sleep 3
    hz=$(getconf CLK_TCK)
    t0=$(cpu_ticks "$1")
    s0=$(date +%s%N)
    sleep 15
    t1=$(cpu_ticks "$1")
    s1=$(date +%s%N)
    awk -v t=$((t1 - t0)) -v hz="$hz" -v ns=$((s1 - s0)) 'BEGIN { printf "%.2f", 100 * t / hz / (ns / 1e9) }'
}

# speed_exit_stats: ends the program with its exit button and sets `stats` to the
# figures it printed; `field NAME` then reads one of them.
speed_exit_stats() {
    xdotool mousemove $((WX + 629)) $((WY + 12)) click 1
    e2e_wait_for 20 sh -c "! kill -0 $E2E_LUMIO_PID" || e2e_fail "exit did not end the program"
    wait "$E2E_LUMIO_PID"
    stats="$(grep -ao 'lumio-stats {.*}' "$E2E_WORK/lumio.err" | sed 's/lumio-stats //')"
    echo "$stats"
}
field() { sed -n "s/.*\"$1\":\([0-9.]*\).*/\1/p" <<<"$stats"; }
