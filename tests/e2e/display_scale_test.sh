#!/usr/bin/env bash
# The reader window scaled by Qt (QT_SCALE_FACTOR 1.25, 1.5 and 2, and Xft.dpi 144) on a
# real X server with openbox and trayer: 650 x 139 times the scale at the top centre;
# the colour key exact (no pixel of RGB(66,66,66) shown, nothing of the strip or the
# viewer see-through, the bands right of the strip and below the viewer wholly
# see-through); the input shape the bounding shape to the pixel, so clicks pass where
# the window shows nothing and the buttons take them everywhere else (exit ends it).
set -uo pipefail
source "$(dirname "$0")/lib.sh"
e2e_init "$1" "$2"
# Room for the strip at 200 % (1300 pixels wide) at the top centre.
# shellcheck disable=SC2034 # read by e2e_start_desktop
E2E_SCREEN=1920x1080x24
SCREEN_W=1920
e2e_start_desktop
probe="$E2E_BUILD/tests/e2e/lumio_shape_probe"
[ -x "$probe" ] || { echo "SKIP: built without the X11 shape library (libxcb-shape0-dev)"; exit 77; }
"$E2E_BUILD/tests/e2e/lumio_click_target" 0 0 "$SCREEN_W" 400 >"$E2E_WORK/clicks" 2>/dev/null &
E2E_PIDS+=("$!")
e2e_wait_for 20 xdotool search --onlyvisible --name '^lumio-click-target$' ||
    { echo "FAIL: no click target"; exit 1; }
TARGET="$(xdotool search --onlyvisible --name '^lumio-click-target$' | head -n1)"

# A length at 100 % in pixels of the scale, rounded down: at_scale PIXELS.
at_scale() {
    awk -v p="$1" -v s="$scale" 'BEGIN { printf "%d", p * s }'
}
count_white() {
    convert "$1" -format "%[fx:int(mean*w*h+0.5)]" info:
}

# check_at TAG SCALE [QT_SCALE_FACTOR]
check_at() {
    local tag="$1"
    scale="$2"
    echo "--- $tag"
    if [ -n "${3:-}" ]; then
        export QT_SCALE_FACTOR="$3"
    else
        unset QT_SCALE_FACTOR
    fi
    e2e_start_lumio "$E2E_SOURCE/data/sample.txt" || { e2e_fail "$tag: no window"; return; }
    xdotool mousemove $((SCREEN_W - 5)) 700
    sleep 1.5
    eval "$(xdotool getwindowgeometry --shell "$E2E_WINDOW")"
    WX=$X
    WY=$Y
    local w h
    w=$(at_scale 650)
    h=$(at_scale 139)
    ((WIDTH >= w - 1 && WIDTH <= w + 1 && HEIGHT >= h - 1 && HEIGHT <= h + 1)) &&
        e2e_pass "$tag: ${WIDTH}x${HEIGHT}" || e2e_fail "$tag: size ${WIDTH}x${HEIGHT}, not ${w}x${h}"
    local centre=$(((SCREEN_W - WIDTH) / 2))
    ((X >= centre - 1 && X <= centre + 1)) && [ "$Y" = 0 ] && e2e_pass "$tag: top centre" ||
        e2e_fail "$tag: placed at $X,$Y"

    # The ticker runs.
    local vy vb
    vy=$(($(at_scale 24) + 1))
    vb=$(at_scale 69)
    e2e_shot "$tag-a"
    sleep 1
    e2e_shot "$tag-b"
    convert "$E2E_SHOTS/$tag-a.png" -crop "$(at_scale 640)x$((vb - vy))+$((WX + 4))+$((WY + vy))" \
        +repage "$E2E_WORK/va.png"
    convert "$E2E_SHOTS/$tag-b.png" -crop "$(at_scale 640)x$((vb - vy))+$((WX + 4))+$((WY + vy))" \
        +repage "$E2E_WORK/vb.png"
    local changed
    changed="$(e2e_differing "$E2E_WORK/va.png" "$E2E_WORK/vb.png")"
    ((${changed:-0} > 50)) && e2e_pass "$tag: the ticker advances ($changed pixels)" ||
        e2e_fail "$tag: the viewer did not change in a second"

    # Paused by its button, so the strip holds still; then over the white window and over
    # the desktop: the pixels that differ are the see-through ones.
    xdotool mousemove $((WX + $(at_scale 55))) $((WY + $(at_scale 12))) click 1
    xdotool mousemove $((SCREEN_W - 5)) 700
    sleep 0.8
    e2e_see_through "$tag" "$TARGET" "${WIDTH}x${HEIGHT}+$WX+$WY" "$E2E_WORK/a.png" \
        "$E2E_WORK/holes.png"
    local key
    key="$(convert "$E2E_WORK/a.png" -fx 'r == 66/255 && g == 66/255 && b == 66/255 ? 1 : 0' \
        -format "%[fx:int(mean*w*h+0.5)]" info:)"
    ((key == 0)) && e2e_pass "$tag: no pixel of the colour key shown" ||
        e2e_fail "$tag: $key pixels of RGB(66,66,66) shown"
    # Inside the strip and the viewer (where a scaled edge can fall half on a pixel, the
    # pixel is the window's), no hole; beyond them, all hole.
    local strip_r holes right below
    strip_r=$(at_scale 649)
    holes="$(convert "$E2E_WORK/holes.png" -crop "${strip_r}x${vb}+0+0" +repage \
        -format "%[fx:int(mean*w*h+0.5)]" info:)"
    ((holes == 0)) && e2e_pass "$tag: no see-through pixel on the strip or the viewer" ||
        e2e_fail "$tag: $holes see-through pixels on the strip or the viewer"
    local right_x=$((strip_r + 1)) below_y=$((vb + 1))
    right="$(convert "$E2E_WORK/holes.png" -crop "$((WIDTH - right_x))x${vb}+${right_x}+0" +repage \
        -format "%[fx:int(mean*w*h+0.5)]" info:)"
    below="$(convert "$E2E_WORK/holes.png" -crop "${WIDTH}x$((HEIGHT - below_y))+0+${below_y}" \
        +repage -format "%[fx:int(mean*w*h+0.5)]" info:)"
    ((right == (WIDTH - right_x) * vb && below == WIDTH * (HEIGHT - below_y))) &&
        e2e_pass "$tag: the bands right of the strip and below the viewer are see-through" ||
        e2e_fail "$tag: see-through right of the strip $right, below the viewer $below"
    # Click-through where see-through, to the pixel.
    local differ
    differ="$("$probe" "$E2E_WINDOW" --differ "$WIDTH" "$HEIGHT")"
    [ "$differ" = "differ=0" ] && e2e_pass "$tag: the input shape is the bounding shape" ||
        e2e_fail "$tag: input and bounding shapes: $differ"
    local cx=$((WX + WIDTH / 2)) cy=$((WY + (vb + HEIGHT) / 2))
    xdotool mousemove "$cx" "$cy" click 1
    sleep 0.5
    grep -q "click $cx $cy" "$E2E_WORK/clicks" && e2e_pass "$tag: a click below the viewer passes" ||
        e2e_fail "$tag: a click at $cx,$cy did not reach the window below"

    # Exit, the last button, on the far right of the strip.
    xdotool mousemove $((WX + $(at_scale 629))) $((WY + $(at_scale 12))) click 1
    if e2e_wait_for 10 sh -c "! kill -0 $E2E_LUMIO_PID"; then
        e2e_pass "$tag: exit ends the program"
    else
        e2e_fail "$tag: exit took no click"
        e2e_stop_lumio
    fi
    wait "$E2E_LUMIO_PID" 2>/dev/null
}

for factor in 1.25 1.5 2; do
    check_at "scale-$factor" "$factor" "$factor"
done
echo "Xft.dpi: 144" | xrdb -merge
check_at "xft-dpi-144" 1.5
E2E_LUMIO_PID=""
e2e_finish
