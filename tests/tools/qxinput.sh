#!/usr/bin/env bash
# qxinput end to end: each script under qxinput/ against the trace its .expected file
# holds (a `# args:` line in the script gives the command line), then the options.
# Called by CTest as: bash qxinput.sh <build-dir> <source-dir>
set -euo pipefail
source "$(dirname "$0")/lib.sh"
tool="$TOOL_BUILD/tools/qxinput"
cases="$TOOL_SOURCE/tests/tools/qxinput"

ran=0
for script in "$cases"/*.in; do
    name="$(basename "$script" .in)"
    args=()
    if line=$(grep -m1 '^# args:' "$script"); then
        read -r -a args <<<"${line#\# args:}"
    fi
    if ! "$tool" "${args[@]}" <"$script" >"$work/$name.out" 2>"$work/$name.err"; then
        fail "$name: exit status $? ($(cat "$work/$name.err"))"
        continue
    fi
    diff -u "$cases/$name.expected" "$work/$name.out" >"$work/$name.diff" ||
        fail "$name: trace differs"$'\n'"$(cat "$work/$name.diff")"
    ran=$((ran + 1))
done
[ "$ran" -ge 10 ] || fail "only $ran scripts ran"

# A last line without its newline is still read, and numbered as the input counts.
out=$(printf '\n# c\nKeyDown 13 0' | "$tool")
[ "$out" = '{"line":3,"events":["Click","KeyDown(13,0)"],"mState":0,"mMouseOver":false,"mLeftDown":false,"mHasFocus":false,"mSpaceDown":false,"mParentActive":false,"Value":false,"paints":0,"capture":"none","keys":[],"leaveRequests":0}' ] ||
    fail "unterminated last line: $out"
[ -z "$("$tool" </dev/null)" ] || fail "empty input printed something"

# --- options -----------------------------------------------------------------------
"$tool" --help >"$work/help.txt" 2>&1 </dev/null || fail "--help exit $?"
grep -q '^usage: qxinput' "$work/help.txt" || fail "--help prints no usage"

expect_usage_error() {
    local rc=0
    "$tool" "$@" </dev/null >"$work/out.txt" 2>"$work/err.txt" || rc=$?
    [ "$rc" -eq 2 ] || fail "exit $rc, wanted 2, for: $*"
    grep -q '^qxinput: ' "$work/err.txt" || fail "no reason on stderr for: $*"
    grep -q '^usage: qxinput' "$work/err.txt" || fail "no usage on stderr for: $*"
    [ ! -s "$work/out.txt" ] || fail "stdout not empty for: $*"
}
expect_usage_error --bogus
expect_usage_error script.txt
expect_usage_error --style
expect_usage_error --style seven
expect_usage_error --style 2147483648
expect_usage_error --style 1 --style 2
expect_usage_error --checkbox --checkbox
expect_usage_error --size 75
expect_usage_error --size 0x23
expect_usage_error --size 75x4097
expect_usage_error --size 75x23x1
grep -q 'unknown argument: --bogus' <("$tool" --bogus 2>&1 </dev/null || true) ||
    fail "the reason does not name the argument"

finish "qxinput: $ran scripts and the options passed"
