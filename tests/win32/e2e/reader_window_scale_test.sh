#!/usr/bin/env bash
# The reader window's own tests at other resolutions (test_win32_window.exe), which make
# real top-level windows and so need a desktop: run under Wine on the private one.
set -uo pipefail
source "$(dirname "$0")/lib.sh"
win_init "$1" "$2"
e2e_start_desktop
win_prefix
program="$E2E_BUILD/test_win32_window.exe"
[ -f "$program" ] || { echo "FAIL: no $program"; exit 1; }
if "$WIN_LOADER" "$program" </dev/null; then
    e2e_pass "the reader window's scale tests"
else
    e2e_fail "the reader window's scale tests"
fi
e2e_finish
