#!/usr/bin/env bash
# qxrender end to end: exit codes, usage, file formats and a few pixels.
# Called by CTest as: bash qxrender.sh <build-dir> <source-dir>
set -euo pipefail
source "$(dirname "$0")/lib.sh"
build="$TOOL_BUILD"
tool="$build/tools/qxrender"

# Three bytes of a P6 file at pixel (x, y), as "rr gg bb".
ppm_pixel() {
    local file="$1" x="$2" y="$3"
    local header width
    header=$(head -c 64 "$file" | head -n 3 | wc -c)
    width=$(head -n 2 "$file" | tail -n 1 | cut -d' ' -f1)
    od -An -tx1 -j $((header + (y * width + x) * 3)) -N3 "$file" | tr -s ' ' | sed 's/^ //'
}

expect_usage_error() {
    local out err rc=0
    out="$work/out.txt"
    err="$work/err.txt"
    "$tool" "$@" >"$out" 2>"$err" || rc=$?
    [ "$rc" -eq 2 ] || fail "exit $rc, wanted 2, for: $*"
    grep -q '^usage: qxrender' "$err" || fail "no usage on stderr for: $*"
    [ ! -s "$out" ] || fail "stdout not empty for: $*"
}

# --- bad arguments ---------------------------------------------------------------
expect_usage_error
expect_usage_error --out "$work/a.png"
expect_usage_error --style 6
expect_usage_error --style six --out "$work/a.png"
expect_usage_error --style 6 --out "$work/a.bmp"
expect_usage_error --style 6 --out "$work/a.png" --state 3
expect_usage_error --style 6 --out "$work/a.png" --size 75
expect_usage_error --style 6 --out "$work/a.png" --size 0x23
expect_usage_error --style 6 --out "$work/a.png" --back-color '#12345'
expect_usage_error --style 6 --out "$work/a.png" --fore-color 'sys:31'
expect_usage_error --style 6 --out "$work/a.png" --ambient-back red
expect_usage_error --style 6 --out "$work/a.png" --focus-rect --no-focus-rect
expect_usage_error --style 6 --out "$work/a.png" --style 7
expect_usage_error --style 6 --out "$work/a.png" --sparkle
expect_usage_error --style 6 --out "$work/a.png" --caption
expect_usage_error --style 6 --out "$work/a.png" --caption $'\xff'
expect_usage_error --gallery "$work/a.gif"
expect_usage_error --gallery "$work/a.png" --style 3
expect_usage_error --gallery
[ ! -e "$work/a.png" ] || fail "a refused run wrote its file"

# --help answers on stdout whatever else is given, and draws nothing.
for args in "--help" "--style 6 --out $work/h.png --help"; do
    rc=0
    # shellcheck disable=SC2086 # the words are the arguments
    "$tool" $args >"$work/help.txt" 2>"$work/err.txt" || rc=$?
    [ "$rc" -eq 0 ] || fail "exit $rc for: $args"
    grep -q '^usage: qxrender' "$work/help.txt" || fail "no usage on stdout for: $args"
    [ ! -s "$work/err.txt" ] || fail "stderr not empty for: $args"
done
[ ! -e "$work/h.png" ] || fail "--help drew a button"

# --- PNG -------------------------------------------------------------------------
"$tool" --style 6 --caption '&Open' --out "$work/b.png" || fail "PNG run failed"
sig=$(od -An -tx1 -N8 "$work/b.png" | tr -d ' \n')
[ "$sig" = "89504e470d0a1a0a" ] || fail "PNG signature $sig"
ihdr=$(od -An -tx1 -j12 -N12 "$work/b.png" | tr -d ' \n')
[ "$ihdr" = "494844520000004b00000017" ] || fail "PNG IHDR/size $ihdr (wanted 75 x 23)"
tail -c 12 "$work/b.png" | od -An -tx1 | tr -d ' \n' | grep -q '0000000049454e44ae426082' ||
    fail "PNG does not end with IEND"

# --- PPM and pixels ---------------------------------------------------------------
# Style 16 draws no background: the cleared surface shows the container's colour.
"$tool" --style 16 --ambient-back '#102030' --fore-color '#FF0000' --caption 'I' \
    --size 40x20 --out "$work/c.ppm" || fail "PPM run failed"
[ "$(head -n 3 "$work/c.ppm" | tr '\n' ' ')" = "P6 40 20 255 " ] || fail "PPM header"
[ "$(stat -c %s "$work/c.ppm")" -eq $((13 + 40 * 20 * 3)) ] || fail "PPM size"
[ "$(ppm_pixel "$work/c.ppm" 0 0)" = "10 20 30" ] || fail "corner $(ppm_pixel "$work/c.ppm" 0 0)"
# The caption "I" (6 x 12 cell) is centred: its top bar runs from x 18 to 20 on row 6.
[ "$(ppm_pixel "$work/c.ppm" 19 6)" = "ff 00 00" ] || fail "caption $(ppm_pixel "$work/c.ppm" 19 6)"
[ "$(ppm_pixel "$work/c.ppm" 19 4)" = "10 20 30" ] || fail "above the caption"

# A disabled caption is drawn in the grey-text system colour (6D6D6D by default).
"$tool" --style 16 --disabled --caption 'I' --size 40x20 --out "$work/d.ppm"
[ "$(ppm_pixel "$work/d.ppm" 19 6)" = "6d 6d 6d" ] || fail "grey caption $(ppm_pixel "$work/d.ppm" 19 6)"

# The control never gets smaller than 220 twips: --size 10x10 gives 15 x 15.
"$tool" --style 0 --size 10x10 --out "$work/e.ppm"
[ "$(head -n 2 "$work/e.ppm" | tail -n 1)" = "15 15" ] || fail "minimum size"

# An unwritable file is an error of its own.
rc=0
"$tool" --style 0 --out "$work/no/such/dir.png" 2>/dev/null || rc=$?
[ "$rc" -eq 1 ] || fail "unwritable output exit $rc"

# --- the gallery ------------------------------------------------------------------
# Six looks across, seventeen styles down, each button 75 x 23 on the button face.
"$tool" --gallery "$work/g.ppm" || fail "gallery run failed"
read -r gw gh < <(head -n 2 "$work/g.ppm" | tail -n 1)
[ "$gw" -ge $((6 * 75)) ] && [ "$gh" -ge $((17 * 23)) ] || fail "gallery size ${gw}x${gh}"
[ "$(ppm_pixel "$work/g.ppm" 0 0)" = "f0 f0 f0" ] || fail "gallery background"
# Not one grey field: the styles' own colours are in it (count distinct pixels).
colours=$(tail -c $((gw * gh * 3)) "$work/g.ppm" | od -An -v -tx1 -w3 | sort -u | wc -l)
[ "$colours" -gt 200 ] || fail "gallery has only $colours colours"
"$tool" --gallery "$work/g.png" || fail "gallery PNG run failed"
sig=$(od -An -tx1 -N8 "$work/g.png" | tr -d ' \n')
[ "$sig" = "89504e470d0a1a0a" ] || fail "gallery PNG signature $sig"

finish "qxrender: all checks passed"
