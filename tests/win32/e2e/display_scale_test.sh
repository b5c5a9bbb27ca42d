#!/usr/bin/env bash
# lumio.exe at 100 %, 150 % and 200 % (96, 144 and 192 dots per inch, the prefix's
# LogPixels), each on a real X server with openbox and trayer: the strip 650 x 139 times
# the scale at the top centre; nothing of the strip or the viewer see-through, the
# bands right of the strip and below the viewer wholly see-through and click-through;
# the ticker advancing with its red mark; the pause button at rest and held down drawn
# as the button renderer draws it at the scaled size (the caption aside); exit.
set -uo pipefail
source "$(dirname "$0")/lib.sh"
win_init "$1" "$2"
# Room for the strip at 200 % (1300 pixels wide) at the top centre.
# shellcheck disable=SC2034 # read by e2e_start_desktop
E2E_SCREEN=1920x1080x24
SCREEN_W=1920
e2e_start_desktop
win_prefix

QXRENDER="$E2E_BUILD/tools/qxrender.exe"
[ -f "$QXRENDER" ] || { echo "FAIL: no $QXRENDER"; exit 1; }
target_exe="$WIN_LINUX_BUILD/tests/e2e/lumio_click_target"
if [ ! -x "$target_exe" ]; then
    # The see-through checks need the Linux tree's click target behind the strip.
    if [ "${CI:-}" = true ]; then
        echo "FAIL: no click target in $WIN_LINUX_BUILD (build the Linux tree first)"
        exit 1
    fi
    echo "SKIP: no click target in $WIN_LINUX_BUILD (build the Linux tree first)"
    exit 77
fi
server="$(command -v wineserver || echo /usr/lib/wine/wineserver)"

# A length in twips as pixels at a resolution: twips * dpi / 1440, halves to even.
px() {
    local n=$(($1 * $2)) q r
    q=$((n / 1440))
    r=$((n % 1440))
    if ((2 * r > 1440 || (2 * r == 1440 && q % 2 == 1))); then
        q=$((q + 1))
    fi
    echo "$q"
}

# A control's rectangle from its twips (left top width height): sets L T R B.
place() {
    L=$(px "$1" "$dpi")
    T=$(px "$2" "$dpi")
    R=$((L + $(px "$3" "$dpi")))
    B=$((T + $(px "$4" "$dpi")))
}

# Pixels that differ between two images of one size, as a white-on-black mask.
diff_mask() {
    convert "$1" "$2" -compose difference -composite -colorspace gray -threshold 0 "$3"
}
count_white() {
    convert "$1" -format "%[fx:int(mean*w*h+0.5)]" info:
}

# The button as the renderer draws it at the size it has on the screen: style 6 in the
# pause button's colours, no caption, the container magenta so that what lies outside
# the rounded region can be told. qxrender.exe writes it (the same bytes as the Linux
# one).
render() {
    local out="$1"
    shift
    "$WIN_LOADER" "$QXRENDER" --style 6 --back-color '#008080' --fore-color '#ffffff' \
        --focus-rect --ambient-back '#ff00ff' --size "$((R - L))x$((B - T))" "$@" \
        --out "Z:${out//\//\\}" </dev/null >/dev/null 2>&1
}

# The screen's button against the renderer's: equal everywhere inside the region but for
# the caption (with the focus rectangle round it), which must keep clear of the frame,
# the highlight and the gradient's sides. same_look SHOT NAME [qxrender options]
same_look() {
    local shot="$1" what="$2"
    local w=$((R - L)) h=$((B - T)) margin=$((2 * dpi / 96))
    convert "$shot" -crop "${w}x${h}+$((WX + L))+$((WY + T))" +repage "$E2E_WORK/screen.png"
    render "$E2E_WORK/look.png" "${@:3}"
    [ -s "$E2E_WORK/look.png" ] || { e2e_fail "$what: qxrender drew nothing"; return; }
    convert "$E2E_WORK/look.png" -fill black +opaque '#ff00ff' -fill white -opaque '#ff00ff' \
        "$E2E_WORK/outside.png"
    diff_mask "$E2E_WORK/screen.png" "$E2E_WORK/look.png" "$E2E_WORK/differ.png"
    convert "$E2E_WORK/differ.png" \( "$E2E_WORK/outside.png" -negate \) -compose multiply \
        -composite "$E2E_WORK/inside.png"
    local differing box bw bh bx by
    differing="$(count_white "$E2E_WORK/inside.png")"
    box="$(convert "$E2E_WORK/inside.png" -format '%@' info:)"
    bw="${box%%x*}"
    box="${box#*x}"
    bh="${box%%+*}"
    box="${box#*+}"
    bx="${box%%+*}"
    by="${box#*+}"
    if ((differing == 0)); then
        e2e_fail "$what: no caption drawn on the button"
    elif ((bx >= margin && by >= margin && bx + bw <= w - margin && by + bh <= h - margin)); then
        e2e_pass "$what: ${w}x${h} as the renderer draws it, the caption within ${bw}x${bh}+${bx}+${by}"
    else
        e2e_fail "$what: the ${w}x${h} button differs from the renderer's at ${bw}x${bh}+${bx}+${by}"
        cp "$E2E_WORK/screen.png" "$E2E_SHOTS/$what-screen.png"
        cp "$E2E_WORK/look.png" "$E2E_SHOTS/$what-renderer.png"
    fi
}

check_at() {
    dpi="$1"
    local tag="dpi$dpi" width height
    echo "--- $dpi dots per inch"
    # A new wineserver reads the resolution; Wine's shell comes back with it.
    "$server" -k 2>/dev/null
    "$server" -w 2>/dev/null
    "$WIN_LOADER" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f \
        >/dev/null 2>&1
    xdotool mousemove $((SCREEN_W - 5)) 700
    e2e_start_lumio "$E2E_SOURCE/data/sample.txt" || { e2e_fail "$tag: no window"; return; }
    sleep 2
    eval "$(xdotool getwindowgeometry --shell "$E2E_WINDOW")"
    WX=$X
    WY=$Y
    width=$(px 9750 "$dpi")
    height=$(px 2085 "$dpi")
    local exact_w=$((650 * dpi / 96)) exact_h=$((139 * dpi / 96))
    ((WIDTH >= exact_w - 1 && WIDTH <= exact_w + 1 && HEIGHT >= exact_h - 1 &&
        HEIGHT <= exact_h + 1)) && [ "$WIDTH" = "$width" ] && [ "$HEIGHT" = "$height" ] &&
        e2e_pass "$tag: ${WIDTH}x${HEIGHT}" ||
        e2e_fail "$tag: size ${WIDTH}x${HEIGHT}, expected ${width}x${height}"
    [ "$X" = $(((SCREEN_W - WIDTH) / 2)) ] && [ "$Y" = 0 ] && e2e_pass "$tag: top centre" ||
        e2e_fail "$tag: placed at $X,$Y"

    # The ticker runs, its newest characters red.
    place 0 360 9735 675
    local vx=$((WX + L)) vy=$((WY + T)) vw=$((R - L)) vh=$((B - T))
    e2e_shot "$tag-a"
    sleep 1
    e2e_shot "$tag-b"
    convert "$E2E_SHOTS/$tag-a.png" -crop "${vw}x${vh}+$vx+$vy" +repage "$E2E_WORK/va.png"
    convert "$E2E_SHOTS/$tag-b.png" -crop "${vw}x${vh}+$vx+$vy" +repage "$E2E_WORK/vb.png"
    local changed red
    changed="$(e2e_differing "$E2E_WORK/va.png" "$E2E_WORK/vb.png")"
    ((${changed:-0} > 50)) && e2e_pass "$tag: the ticker advances ($changed pixels)" ||
        e2e_fail "$tag: the viewer did not change in a second"
    red="$(e2e_red_pixels "$E2E_WORK/vb.png")"
    ((red > 20)) && e2e_pass "$tag: red mark ($red pixels)" || e2e_fail "$tag: no red mark"

    # The pause button at rest, then held down (and let go off the button: no click).
    place 630 10 400 345
    local cx=$((WX + (L + R) / 2)) cy=$((WY + (T + B) / 2))
    same_look "$E2E_SHOTS/$tag-b.png" "$tag-rest"
    # Held near its bottom edge: the tool tip that comes up under the pointer lies
    # below the button then.
    xdotool mousemove "$cx" $((WY + B - 2))
    sleep 0.3
    xdotool mousedown 1
    sleep 0.6
    e2e_shot "$tag-pressed"
    xdotool mousemove $((SCREEN_W - 5)) 700
    sleep 0.2
    xdotool mouseup 1
    same_look "$E2E_SHOTS/$tag-pressed.png" "$tag-pressed" \
        --state 2 --left-down --mouse-over --focus

    # Paused with a real click, so the strip holds still for the see-through checks.
    win_click 1 "$cx" "$cy"
    xdotool mousemove $((SCREEN_W - 5)) 700
    sleep 0.8
    e2e_see_through "$tag" "$TARGET" "${WIDTH}x${HEIGHT}+$WX+$WY" "$E2E_WORK/over-target.png" \
        "$E2E_WORK/holes.png"
    # The strip (title strip and viewer) has no hole; what lies right of it and below the
    # viewer is all hole.
    local strip_r viewer_b holes
    place 0 0 9735 375
    strip_r=$R
    place 0 360 9735 675
    viewer_b=$B
    holes="$(convert "$E2E_WORK/holes.png" -crop "${strip_r}x${viewer_b}+0+0" +repage \
        -format "%[fx:int(mean*w*h+0.5)]" info:)"
    ((holes == 0)) && e2e_pass "$tag: no see-through pixel on the strip or the viewer" ||
        e2e_fail "$tag: $holes see-through pixels on the strip or the viewer"
    local band_w=$((WIDTH - strip_r)) band_h=$((HEIGHT - viewer_b)) right below
    right="$(convert "$E2E_WORK/holes.png" -crop "${band_w}x${viewer_b}+${strip_r}+0" +repage \
        -format "%[fx:int(mean*w*h+0.5)]" info:)"
    below="$(convert "$E2E_WORK/holes.png" -crop "${WIDTH}x${band_h}+0+${viewer_b}" +repage \
        -format "%[fx:int(mean*w*h+0.5)]" info:)"
    ((band_w >= 1 && right == band_w * viewer_b)) &&
        e2e_pass "$tag: the ${band_w}-pixel band right of the strip is see-through" ||
        e2e_fail "$tag: $right of $((band_w * viewer_b)) pixels right of the strip see-through"
    ((below == WIDTH * band_h)) &&
        e2e_pass "$tag: the ${band_h}-pixel band below the viewer is see-through" ||
        e2e_fail "$tag: $below of $((WIDTH * band_h)) pixels below the viewer see-through"
    # Clicks there reach the window below: the right band's last column, and below.
    local px_r=$((WX + WIDTH - 1)) py_r=$((WY + viewer_b / 2))
    local px_b=$((WX + WIDTH / 2)) py_b=$((WY + viewer_b + band_h / 2))
    win_click 1 "$px_r" "$py_r"
    win_click 1 "$px_b" "$py_b"
    sleep 0.5
    grep -q "click $px_r $py_r" "$E2E_WORK/clicks" && grep -q "click $px_b $py_b" "$E2E_WORK/clicks" &&
        e2e_pass "$tag: clicks pass through both bands" ||
        e2e_fail "$tag: clicks at $px_r,$py_r and $px_b,$py_b did not reach the window below"

    # Exit: the last button.
    place 9240 10 405 345
    win_click 1 $((WX + (L + R) / 2)) $((WY + (T + B) / 2))
    if e2e_wait_for 10 sh -c "! kill -0 $E2E_LUMIO_PID"; then
        e2e_pass "$tag: exit ends the program"
    else
        e2e_fail "$tag: still running after exit"
        kill "$E2E_LUMIO_PID" 2>/dev/null
    fi
    wait "$E2E_LUMIO_PID" 2>/dev/null
}

QT_QPA_PLATFORM=xcb "$target_exe" 0 0 "$SCREEN_W" 400 >"$E2E_WORK/clicks" 2>/dev/null &
E2E_PIDS+=("$!")
e2e_wait_for 20 xdotool search --onlyvisible --name '^lumio-click-target$' ||
    { echo "FAIL: the click target did not come up"; exit 1; }
TARGET="$(xdotool search --onlyvisible --name '^lumio-click-target$' | head -n1)"

for resolution in ${LUMIO_TEST_DPIS:-96 144 192}; do
    check_at "$resolution"
done
E2E_LUMIO_PID=""
e2e_finish
