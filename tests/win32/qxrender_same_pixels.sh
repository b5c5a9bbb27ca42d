#!/usr/bin/env bash
# qxrender.exe under Wine must write the very bytes the Linux qxrender writes: the
# gallery of every look and state, and single buttons with captions, colours and sizes.
# Usage: qxrender_same_pixels.sh <windows-build-dir> <source-dir> <linux-build-dir>
set -uo pipefail
source "$(dirname "$0")/../tools/lib.sh"
linux_tool="$(cd "$3" && pwd)/tools/qxrender"
[ -x "$linux_tool" ] || { echo "no Linux qxrender in $3 (build it first)"; exit 1; }

cases=(
    "--gallery OUT.ppm"
    "--style 6 --caption &Open --size 75x23 --focus --default --out OUT.png"
    "--style 12 --caption Pin --back-color #336699 --fore-color #ffcc00 --mouse-over --out OUT.ppm"
    "--style 3 --caption A&&B --size 31x17 --left-down --checked --out OUT.png"
)
script="$work/run.cmd"
printf '@echo off\r\n' >"$script"
winwork="Z:${work//\//\\}"
for i in "${!cases[@]}"; do
    args="${cases[$i]//OUT/$winwork\\w$i}"
    printf '"%s" %s\r\necho %%ERRORLEVEL%% >"%s"\r\n' \
        "Z:${TOOL_BUILD//\//\\}\\tools\\qxrender.exe" "${args//&/^&}" \
        "$winwork\\w$i.rc" >>"$script"
done
printf 'exit /b 0\r\n' >>"$script"
"$TOOL_SOURCE/cmake/wine-run.sh" cmd /c "Z:${script//\//\\}" </dev/null >"$work/wine.log" 2>&1 ||
    fail "cmd did not run the cases"

for i in "${!cases[@]}"; do
    # shellcheck disable=SC2086
    "$linux_tool" ${cases[$i]//OUT/$work/l$i} || fail "Linux qxrender failed: ${cases[$i]}"
    [ "$(tr -d ' \r' <"$work/w$i.rc")" = 0 ] || fail "qxrender.exe failed: ${cases[$i]}"
    ext="${cases[$i]##*.}"
    [ -s "$work/l$i.$ext" ] || fail "no Linux image for: ${cases[$i]}"
    cmp -s "$work/l$i.$ext" "$work/w$i.$ext" || fail "images differ: ${cases[$i]}"
done
finish "qxrender.exe writes the Linux images byte for byte in ${#cases[@]} cases"
