#!/usr/bin/env bash
# The desktop program as a user installs and starts it: `cmake --install` puts the
# program, its desktop entry (with the Chinese name) and the icon in the hicolor theme;
# --help, --version, a wrong option, and no display at all each answer plainly.
set -uo pipefail
source "$(dirname "$0")/lib.sh"
# The icons' sizes and colours are read with ImageMagick's identify.
e2e_need identify
build="$(cd "$1" && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
ok() { echo "ok: $*"; }

cmake --install "$build" --prefix "$work/usr" >"$work/install.log" 2>&1 || { cat "$work/install.log"; fail "install"; }
prefix="$work/usr"
[ -x "$prefix/bin/lumio" ] && ok "bin/lumio" || fail "no bin/lumio"
entry="$prefix/share/applications/lumio.desktop"
if [ -f "$entry" ]; then
    for line in 'Type=Application' 'Name=Lumio' 'Name[zh_CN]=Tolva电子文档阅读器' 'Exec=lumio %f' 'Icon=lumio'; do
        grep -qxF "$line" "$entry" || fail "desktop entry lacks: $line"
    done
    ok "desktop entry"
else
    fail "no desktop entry"
fi
for size in 16 24 32 48 64 72 96 128; do
    png="$prefix/share/icons/hicolor/${size}x${size}/apps/lumio.png"
    if [ -f "$png" ]; then
        [ "$(identify -format '%wx%h' "$png")" = "${size}x${size}" ] || fail "icon $size has the wrong size"
    else
        fail "no ${size}x${size} icon"
    fi
done
ok "hicolor icons"

# The twelve images the program itself carries: four of 256 colours, eight of full colour.
icons="$build/src/app/icons"
for size in 16 24 32 48; do
    type="$(identify -format '%[type]' "$icons/lumio-$size-8.png")"
    case "$type" in Palette*) ;; *) fail "lumio-$size-8.png is $type, not 256 colours" ;; esac
done
for size in 16 24 32 48 64 72 96 128; do
    [ "$(identify -format '%wx%h' "$icons/lumio-$size-32.png")" = "${size}x${size}" ] ||
        fail "lumio-$size-32.png"
done
ok "twelve icon images"

lumio="$prefix/bin/lumio"
version="$("$lumio" --version)"
[ "$version" = "lumio $(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")" ] &&
    ok "$version" || fail "--version said: $version"
"$lumio" --help | grep -q '^Usage: lumio \[OPTION\]... \[FILE.txt\]' && "$lumio" --help | grep -q -- '--boss-key KEYS' && ok "--help" || fail "--help"
"$lumio" --frobnicate >/dev/null 2>"$work/err"
[ $? = 2 ] && grep -q "unknown option --frobnicate" "$work/err" && ok "a wrong option" ||
    fail "a wrong option: $(cat "$work/err")"
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$lumio" >"$work/out" 2>"$work/err"
status=$?
[ $status = 3 ] && [ "$(wc -l <"$work/err")" = 1 ] && grep -q "no display" "$work/err" &&
    ok "no display: $(cat "$work/err")" || fail "without a display: status $status, $(cat "$work/err")"
((failures == 0)) || exit 1
