#!/usr/bin/env bash
# The Capsule corner tiles in the source are exactly what the generator draws, so the
# artwork can always be rebuilt from its bands and fixed cells.
# Called by CTest as: bash capsule_artwork.sh <build-dir> <source-dir>
set -euo pipefail
source "$(dirname "$0")/lib.sh"
build="$TOOL_BUILD"
source="$TOOL_SOURCE"

"$build/tools/capsule_artwork" >"$work/tiles.cpp"
if ! diff -u "$source/src/button/render/capsule_tiles.cpp" "$work/tiles.cpp" >"$work/diff"; then
    head -n 40 "$work/diff"
    echo "FAIL: src/button/render/capsule_tiles.cpp differs from the generator's output"
    exit 1
fi
echo "capsule_artwork: tiles up to date"
