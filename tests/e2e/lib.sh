# Shared set-up of the end-to-end tests: a private X server (Xvfb) on a free display,
# openbox as the window manager and trayer as the tray host, all started here and
# stopped by their process ids when the test ends. Sourced by the *_test.sh scripts.
# Usage inside a test: e2e_init "$1" "$2"; e2e_start_desktop; ...; e2e_finish

E2E_PIDS=()
E2E_FAILURES=0

# A test that cannot run here: skipped (77) on a developer's machine, but a failure
# under CI (CI=true), which installs every tool and where a skip would pass for green.
e2e_skip() {
    if [ "${CI:-}" = true ]; then
        echo "FAIL: $* (under CI a test that cannot run fails)"
        exit 1
    fi
    echo "SKIP: $*"
    exit 77
}

e2e_need() {
    local tool
    for tool in "$@"; do
        if ! command -v "$tool" >/dev/null 2>&1; then
            e2e_skip "$tool is not installed (scripts/install-deps.sh installs it)"
        fi
    done
}

e2e_init() {
    E2E_BUILD="$(cd "$1" && pwd)"
    E2E_SOURCE="$(cd "$2" && pwd)"
    E2E_LUMIO="$E2E_BUILD/lumio"
    E2E_WORK="$(mktemp -d)"
    E2E_SHOTS="${LUMIO_E2E_SHOTS:-$E2E_WORK/shots}"
    mkdir -p "$E2E_SHOTS"
    # A session of the test's own: the program's one-strip lock and socket live in the
    # runtime folder, and Qt's texts follow the language.
    export XDG_RUNTIME_DIR="$E2E_WORK/run"
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    unset LC_ALL LC_MESSAGES LANGUAGE
    export LANG=C.UTF-8
    # The programs' reading memory goes here, never into the user's own state folder.
    export XDG_STATE_HOME="$E2E_WORK/state"
    e2e_need Xvfb openbox trayer xdotool import xwininfo xprop convert
    trap e2e_cleanup EXIT
}

e2e_fail() {
    echo "FAIL: $*"
    E2E_FAILURES=$((E2E_FAILURES + 1))
}

e2e_pass() {
    echo "ok: $*"
}

# Starts a background process and remembers it for the clean-up; its pid is in $!.
e2e_spawn() {
    "$@" &
    E2E_PIDS+=("$!")
}

e2e_cleanup() {
    local i
    for ((i = ${#E2E_PIDS[@]} - 1; i >= 0; i--)); do
        kill "${E2E_PIDS[$i]}" 2>/dev/null
    done
    for ((i = ${#E2E_PIDS[@]} - 1; i >= 0; i--)); do
        wait "${E2E_PIDS[$i]}" 2>/dev/null
    done
    rm -rf "$E2E_WORK"
}

# Waits up to $1 seconds for the command after it to succeed.
e2e_wait_for() {
    local timeout="$1"
    shift
    local deadline=$((SECONDS + timeout))
    until "$@" >/dev/null 2>&1; do
        if ((SECONDS >= deadline)); then
            return 1
        fi
        sleep 0.1
    done
}

# One attempt at a desktop: Xvfb on a display it picks itself (so parallel runs never
# clash), openbox, trayer (unless E2E_NO_TRAY is set). Fails, with everything it started stopped, when a part does
# not come up.
e2e_try_desktop() {
    local dfile="$E2E_WORK/display" first=${#E2E_PIDS[@]}
    rm -f "$dfile"
    # A test that needs more room than 1280 x 800 sets E2E_SCREEN.
    Xvfb -displayfd 7 -screen 0 "${E2E_SCREEN:-1280x800x24}" -nolisten tcp 7>"$dfile" 2>"$E2E_WORK/xvfb.log" &
    E2E_PIDS+=("$!")
    local xvfb=$!
    if ! e2e_wait_for 20 test -s "$dfile"; then
        return 1
    fi
    export DISPLAY=":$(head -n1 "$dfile")"
    e2e_wait_for 20 xprop -root -notype _NET_NONEXISTENT || return 1
    # A grey-blue desktop, so a screenshot shows what is window and what is not.
    xsetroot -solid '#5a7391' 2>/dev/null || true
    e2e_spawn openbox --sm-disable --config-file "$E2E_SOURCE/tests/e2e/openbox-rc.xml"
    e2e_wait_for 20 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' || return 1
    # E2E_NO_TRAY=1: a desktop without a notification area, as stock GNOME is.
    [ -n "${E2E_NO_TRAY:-}" ] || e2e_start_tray || return 1
    kill -0 "$xvfb" 2>/dev/null
}

e2e_start_tray() {
    e2e_spawn trayer --edge bottom --align right --widthtype request --height 32 \
        --SetDockType true --transparent false --tint 0xe0e0e0 --expand true
    e2e_wait_for 20 sh -c 'xdotool search --class trayer | grep -q .'
}

e2e_start_desktop() {
    local attempt
    for attempt in 1 2 3; do
        local first=${#E2E_PIDS[@]}
        if e2e_try_desktop; then
            export QT_QPA_PLATFORM=xcb
            unset WAYLAND_DISPLAY
            return 0
        fi
        echo "desktop attempt $attempt failed on ${DISPLAY:-no display}; $(tail -n 3 "$E2E_WORK/xvfb.log" | tr '\n' ' ')"
        # Stop what this attempt started, newest first, and try again.
        local i
        for ((i = ${#E2E_PIDS[@]} - 1; i >= first; i--)); do
            kill "${E2E_PIDS[$i]}" 2>/dev/null
            wait "${E2E_PIDS[$i]}" 2>/dev/null
            unset 'E2E_PIDS[i]'
        done
        E2E_PIDS=("${E2E_PIDS[@]}")
        sleep 1
    done
    echo "FAIL: no desktop (Xvfb, openbox and trayer) came up"
    exit 1
}

# Starts lumio with the given arguments; sets E2E_LUMIO_PID and E2E_WINDOW (its id).
e2e_start_lumio() {
    LUMIO_STATS=1 "$E2E_LUMIO" "$@" >"$E2E_WORK/lumio.out" 2>"$E2E_WORK/lumio.err" &
    E2E_LUMIO_PID=$!
    E2E_PIDS+=("$E2E_LUMIO_PID")
    E2E_WINDOW=""
    local deadline=$((SECONDS + 30))
    while [ -z "$E2E_WINDOW" ] && ((SECONDS < deadline)); do
        E2E_WINDOW="$(xdotool search --onlyvisible --name '^Lumio V3$' 2>/dev/null | head -n1)"
        [ -n "$E2E_WINDOW" ] || sleep 0.05
    done
    [ -n "$E2E_WINDOW" ]
}

# The window's position on the screen: sets WX and WY.
e2e_window_pos() {
    eval "$(xdotool getwindowgeometry --shell "$E2E_WINDOW" | grep -E '^(X|Y)=' | sed 's/^/W/')"
}

# Screenshot of the whole screen into $E2E_SHOTS/$1.png.
e2e_shot() {
    import -window root "$E2E_SHOTS/$1.png" 2>/dev/null
}

# The colour of a screen pixel as "r,g,b" from a screenshot: e2e_pixel FILE X Y.
e2e_pixel() {
    convert "$1" -format "%[fx:int(255*p{$2,$3}.r)],%[fx:int(255*p{$2,$3}.g)],%[fx:int(255*p{$2,$3}.b)]" info: 2>/dev/null
}

# Ends a still running program as a session's end would (SIGTERM: it quits its event
# loop and takes everything down), so a sanitizer build checks for leaks at its exit;
# then fails the test on any sanitizer report the program wrote.
e2e_stop_lumio() {
    [ -n "${E2E_LUMIO_PID:-}" ] || return 0
    if kill -0 "$E2E_LUMIO_PID" 2>/dev/null; then
        kill -TERM "$E2E_LUMIO_PID"
        e2e_wait_for 60 sh -c "! kill -0 $E2E_LUMIO_PID" || e2e_fail "SIGTERM did not end the program"
    fi
    if grep -qE 'ERROR: (Leak|Address)Sanitizer|runtime error:' "$E2E_WORK/lumio.err" 2>/dev/null; then
        e2e_fail "sanitizer report from the program"
        grep -E -A12 'ERROR: (Leak|Address)Sanitizer|runtime error:' "$E2E_WORK/lumio.err" | head -60
    fi
}

e2e_finish() {
    e2e_stop_lumio
    if ((E2E_FAILURES > 0)); then
        echo "$E2E_FAILURES failure(s); screenshots in $E2E_SHOTS"
        [ -f "$E2E_WORK/lumio.err" ] && { echo "--- lumio stderr"; cat "$E2E_WORK/lumio.err"; }
        exit 1
    fi
    exit 0
}

# Writes UTF-8 text as a GBK file: e2e_gbk FILE TEXT.
e2e_gbk() {
    printf '%s\r\n' "$2" | iconv -f UTF-8 -t CP936 >"$1"
}

# The reader's viewer in a screenshot: e2e_viewer_crop SHOT OUT (needs WX, WY).
e2e_viewer_crop() {
    convert "$1" -crop 649x45+"$WX"+$((WY + 24)) +repage "$2"
}

# Mean grey level (0..1) of an image, and how many of its pixels are pure red.
e2e_mean() {
    convert "$1" -colorspace gray -format "%[fx:mean]" info:
}
e2e_red_pixels() {
    convert "$1" -fill black +opaque '#FF0000' -fill white -opaque '#FF0000' -format "%[fx:int(mean*w*h+0.5)]" info:
}

# Pixels where red clearly dominates: the red mark with its smoothed edges.
e2e_reddish_pixels() {
    convert "$1" -fx "(r > g + 0.2 && r > b + 0.2) ? 1 : 0" -colorspace gray -format "%[fx:int(mean*w*h+0.5)]" info:
}

# Red pixels per red column, times ten: how dense the red characters' strokes are,
# whatever their number.
e2e_red_density() {
    local mask="$E2E_WORK/redmask.png" pixels columns
    convert "$1" -fx "(r > g + 0.2 && r > b + 0.2) ? 1 : 0" -colorspace gray "$mask"
    pixels=$(convert "$mask" -format "%[fx:int(mean*w*h+0.5)]" info:)
    columns=$(convert "$mask" -scale "$(identify -format %w "$mask")x1!" -threshold 0 \
        -format "%[fx:int(mean*w+0.5)]" info:)
    ((columns > 0)) && echo $((pixels * 10 / columns)) || echo 0
}

# Pixels that differ between two images of the same size.
e2e_differing() {
    compare -metric AE "$1" "$2" null: 2>&1 | sed 's/[^0-9].*//'
}

# The see-through pixels of a strip that holds still: e2e_see_through TAG WINDOW CROP OVER
# HOLES shoots the screen with WINDOW (at 0,0) under the strip and again with it moved
# away, crops both to CROP (WxH+X+Y), keeps the first crop as OVER and writes HOLES, white
# where the two differ.
e2e_see_through() {
    local tag="$1" window="$2" crop="$3"
    e2e_shot "$tag-over-target"
    xdotool windowmove "$window" 0 600
    sleep 0.8
    e2e_shot "$tag-over-desktop"
    xdotool windowmove "$window" 0 0
    sleep 0.8
    convert "$E2E_SHOTS/$tag-over-target.png" -crop "$crop" +repage "$4"
    convert "$E2E_SHOTS/$tag-over-desktop.png" -crop "$crop" +repage "$E2E_WORK/over-desktop.png"
    convert "$4" "$E2E_WORK/over-desktop.png" -compose difference -composite -colorspace gray \
        -threshold 0 "$5"
}

# Drags with the left button from one screen point to another in small steps.
e2e_drag() {
    local x0="$1" y0="$2" x1="$3" y1="$4" i
    xdotool mousemove "$x0" "$y0"
    sleep 0.2
    xdotool mousedown 1
    for i in 1 2 3 4 5 6 7 8 9 10 11 12; do
        xdotool mousemove $((x0 + (x1 - x0) * i / 12)) $((y0 + (y1 - y0) * i / 12))
        sleep 0.08
    done
    sleep 0.3
    xdotool mouseup 1
}

# The tray icon's centre on the screen: sets TX and TY; fails when there is none.
e2e_tray_icon() {
    local line
    line="$(xwininfo -root -tree | grep -E '"lumio": \("lumio" "lumio"\)  [0-9]+x[0-9]+\+0\+0  \+[0-9]+\+[0-9]+' | head -n1)"
    [ -n "$line" ] || return 1
    local size abs
    size="$(awk '{print $5}' <<<"$line")"
    abs="$(awk '{print $6}' <<<"$line")"
    local w="${size%%x*}" rest="${size#*x}"
    local h="${rest%%+*}"
    abs="${abs#+}"
    TX=$((${abs%%+*} + w / 2))
    TY=$((${abs#*+} + h / 2))
}

e2e_visible() {
    xdotool search --onlyvisible --name '^Lumio V3$' >/dev/null 2>&1
}

# The shown windows titled exactly $1, by the title in UTF-8 (_NET_WM_NAME): the legacy
# one xdotool's search reads is garbled when the program's locale is not installed.
e2e_windows_titled() {
    local w
    for w in $(xdotool search --onlyvisible --name . 2>/dev/null); do
        [ "$(xdotool getwindowname "$w" 2>/dev/null)" = "$1" ] && echo "$w"
    done
    return 0
}
e2e_titled() {
    [ -n "$(e2e_windows_titled "$1")" ]
}

# Whether the message box titled $1 can be read: a screenshot of its text area, above
# its buttons, shows the box's own face with writing on it, not the strip's pixels, and
# its frame lies clear of the strip's painted part (title band and viewer, at WX,WY).
# The screenshot goes to $E2E_SHOTS/$2.png; what is wrong goes to stdout.
e2e_message_readable() {
    local box shot="$E2E_SHOTS/$2.png" area="$E2E_WORK/message-area.png" face dark ok=0
    box="$(e2e_windows_titled "$1" | head -n1)"
    [ -n "$box" ] || { echo "no window titled $1"; return 1; }
    # (xwininfo: xdotool counts the frame's offset twice for a framed window)
    local info
    info="$(xwininfo -id "$box")"
    BX=$(sed -n 's/.*Absolute upper-left X: *//p' <<<"$info")
    BY=$(sed -n 's/.*Absolute upper-left Y: *//p' <<<"$info")
    BWIDTH=$(sed -n 's/.*Width: *//p' <<<"$info")
    BHEIGHT=$(sed -n 's/.*Height: *//p' <<<"$info")
    sleep 0.3
    import -window root "$shot" 2>/dev/null
    convert "$shot" -crop "${BWIDTH}x$((BHEIGHT * 6 / 10))+$BX+$BY" +repage "$area"
    # The box's face is a light grey; its writing is dark.
    face=$(convert "$area" -fx '(abs(r-0.937)<0.03 && abs(g-0.937)<0.03 && abs(b-0.937)<0.03) ? 1 : 0' \
        -colorspace gray -format '%[fx:int(100*mean)]' info:)
    dark=$(convert "$area" -colorspace gray -fx 'r<0.3 ? 1 : 0' -format '%[fx:int(mean*w*h)]' info:)
    if ((face < 50 || dark < 40)); then
        echo "the text area of $1 is ${face}% face and has $dark dark pixels: not the box's own"
        ok=1
    fi
    # With the window manager's frame (left, right, top, bottom) around it.
    local extents fl fr ft fb
    extents="$(xprop -id "$box" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.* = //p' | tr -d ' ')"
    IFS=, read -r fl fr ft fb <<<"${extents:-0,0,0,0}"
    local left=$((BX - fl)) top=$((BY - ft)) right=$((BX + BWIDTH + fr)) bottom=$((BY + BHEIGHT + fb))
    if ((left < WX + 650 && WX < right && top < WY + 69 && WY < bottom)); then
        echo "the box ${left},${top}..${right},${bottom} shares pixels with the strip at +$WX+$WY"
        ok=1
    fi
    return $ok
}

# A file name's bytes in the GBK code page, for names as old archives unpack them:
# e2e_gbk_name 你好 gives the four bytes C4 E3 BA C3.
e2e_gbk_name() {
    printf '%s' "$1" | iconv -f UTF-8 -t CP936
}

# A local file's URL with every byte of its name percent-encoded but the plain ones.
e2e_file_url() {
    local out="file://" hex
    for hex in $(printf '%s' "$1" | od -An -v -tx1); do
        case "$hex" in
        2[dDeEfF] | 3[0-9] | [46][1-9a-fA-F] | [57][0-9aA] | 5f) out+="$(printf "\\x$hex")" ;;
        *) out+="%${hex^^}" ;;
        esac
    done
    printf '%s\n' "$out"
}
