#!/usr/bin/env bash
# The code page tables in the source (code page 936, 950 and GB18030) are exactly what
# the generator asks of the C library's converters, so they can always be rebuilt and
# are never edited by hand.
# Called by CTest as: bash cp936_table.sh <build-dir> <source-dir>
set -euo pipefail
source "$(dirname "$0")/lib.sh"

for table in cp936 cp950 gb18030; do
    "$TOOL_BUILD/tools/cp936_table" "$table" >"$work/$table.cpp" || fail "the $table generator failed"
    if ! diff -u "$TOOL_SOURCE/src/platform/${table}_table.cpp" "$work/$table.cpp" >"$work/diff"; then
        head -n 40 "$work/diff"
        fail "src/platform/${table}_table.cpp differs from the generator's output"
    fi
done
"$TOOL_BUILD/tools/cp936_table" >"$work/default.cpp"
cmp -s "$work/default.cpp" "$work/cp936.cpp" || fail "without an argument it prints code page 936"
"$TOOL_BUILD/tools/cp936_table" latin1 >/dev/null 2>&1 && fail "an unknown code page is refused"
finish "cp936_table: tables up to date"
