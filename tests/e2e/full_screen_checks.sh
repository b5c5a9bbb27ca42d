# Checks shared by the tests of the strip stepping aside for full-screen windows, on
# Linux and under Wine. Sourced after lib.sh.

# Whether the reader's window is mapped: one request to the server, quicker than a
# search, so times taken with it are the program's.
e2e_mapped() {
    xwininfo -id "$E2E_WINDOW" 2>/dev/null | grep -q IsViewable
}

e2e_unmapped() {
    ! e2e_mapped
}

# Milliseconds until the command after the limit succeeds; fails past the limit ($1 ms).
e2e_took_ms() {
    local limit="$1" start
    shift
    start=$(date +%s%3N)
    until "$@"; do
        (($(date +%s%3N) - start > limit)) && return 1
        sleep 0.01
    done
    echo $(($(date +%s%3N) - start))
}

# The strip's light-blue title band on the screen (needs WX, WY): drawn, not only mapped.
e2e_strip_drawn() {
    e2e_shot after
    [ "$(e2e_pixel "$E2E_SHOTS/after.png" $((WX + 385)) $((WY + 22)))" = "179,215,255" ]
}

# The full-screen window has just come (what "$1" says it is): the strip must be gone
# within a second, and the white of that window show where it was (needs WX, WY).
e2e_steps_aside_for() {
    local ms
    if ms=$(e2e_took_ms 5000 e2e_unmapped); then
        ((ms <= 1000)) && e2e_pass "$1 hides the strip ($ms ms)" ||
            e2e_fail "$1 hid the strip only after $ms ms"
    else
        e2e_fail "the strip stays over $1"
    fi
    sleep 0.5
    e2e_shot full-screen
    local seen
    seen="$(e2e_pixel "$E2E_SHOTS/full-screen.png" $((WX + 300)) $((WY + 10)))"
    [ "$seen" = "255,255,255" ] && e2e_pass "the full-screen window shows where the strip was" ||
        e2e_fail "the strip's place shows $seen"
    sleep 1.5
    e2e_unmapped && e2e_pass "the strip stays hidden meanwhile" || e2e_fail "shown again by itself"
}

# The full-screen window has gone (what "$1" says did it): the strip comes back, above
# the others (the command "$2" checks that), and is drawn (needs WX, WY).
e2e_comes_back_after() {
    local ms
    ms=$(e2e_took_ms 5000 e2e_mapped) && e2e_pass "$1 shows the strip ($ms ms)" ||
        e2e_fail "not shown again after $1"
    e2e_wait_for 5 "$2" && e2e_pass "still above the others" ||
        e2e_fail "not above the others: $(xprop -id "$E2E_WINDOW" _NET_WM_STATE)"
    e2e_wait_for 5 e2e_strip_drawn && e2e_pass "and drawn on the screen" ||
        e2e_fail "mapped but not on the screen (see after.png)"
}
