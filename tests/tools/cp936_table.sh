#!/usr/bin/env bash
# The code page 936 tables in the source are exactly what the generator asks of the C
# library's converter, so they can always be rebuilt and are never edited by hand.
# Called by CTest as: bash cp936_table.sh <build-dir> <source-dir>
set -euo pipefail
source "$(dirname "$0")/lib.sh"

"$TOOL_BUILD/tools/cp936_table" >"$work/table.cpp" || fail "the generator failed"
if ! diff -u "$TOOL_SOURCE/src/platform/cp936_table.cpp" "$work/table.cpp" >"$work/diff"; then
    head -n 40 "$work/diff"
    fail "src/platform/cp936_table.cpp differs from the generator's output"
fi
finish "cp936_table: tables up to date"
