#!/usr/bin/env bash
# The release files as a user gets them: the Debian package holds the programs, the
# desktop entry and the icons and nothing built only for development; the zip holds
# lumio.exe and the README; the installer, run silently under Wine, puts the program,
# the README, a Start-menu entry and an uninstaller in place, and the uninstaller takes
# all of it away again.
# Usage: check_release.sh DIST-DIR SOURCE-DIR
set -uo pipefail
dist="$(cd "$1" && pwd)"
src="$(cd "$2" && pwd)"
version="$(sed -n 's/^project(lumio VERSION \([0-9.]*\).*/\1/p' "$src/CMakeLists.txt")"
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

deb="$dist/lumio_${version}_amd64.deb"
contents="$(dpkg-deb -c "$deb" | awk '{print $6}')"
for f in ./usr/bin/lumio ./usr/bin/lumio-tty ./usr/bin/qxrender ./usr/bin/qxinput \
    ./usr/share/applications/lumio.desktop \
    ./usr/share/icons/hicolor/128x128/apps/lumio.png ./usr/share/icons/hicolor/16x16/apps/lumio.png; do
    grep -qx -- "$f" <<<"$contents" || fail "the package lacks $f"
done
grep -qE 'capsule_artwork|lumio_icon_maker|bench_|test_' <<<"$contents" && fail "the package holds build-only files"
[ "$(dpkg-deb -f "$deb" Package)" = lumio ] || fail "package name"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "package version"
dpkg-deb -f "$deb" Depends | grep -q libqt6widgets6 || fail "no dependency on Qt Widgets"
dpkg-deb -f "$deb" Depends | grep -q qt6-translations-l10n || fail "no dependency on Qt's translations"

zip="$dist/lumio-$version-win64.zip"
[ "$(unzip -Z1 "$zip" | sort | tr '\n' ' ')" = "README.txt lumio.exe " ] || fail "zip holds: $(unzip -Z1 "$zip")"
[ "$(unzip -p "$zip" lumio.exe | head -c 2)" = MZ ] || fail "lumio.exe in the zip is no Windows program"

setup="$dist/lumio-$version-win64-setup.exe"
export WINEPREFIX="$(mktemp -d)" WINEDEBUG=-all
log="$(mktemp)"
trap 'wineserver -k 2>/dev/null; rm -rf "$WINEPREFIX" "$log"' EXIT
# Wine is given an open stdin and its output kept: with stdin closed (as some CI runners
# start jobs) it misplaces its own descriptors and the NSIS programs quietly do nothing.
wine_run() {
    "$src/cmake/wine-run.sh" "${@:2}" </dev/null >>"$log" 2>&1
    local status=$?
    wineserver -w
    [ "$status" -eq 0 ] || fail "$1 exited with $status under Wine"
}
wine_run "wineboot" wineboot -i
wine_run "the installer" "$setup" /S
home="$(find "$WINEPREFIX/drive_c/users" -mindepth 1 -maxdepth 1 -type d ! -name Public | head -n1)"
app="$home/AppData/Local/Programs/Lumio"
menu="$home/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Lumio"
for f in "$app/lumio.exe" "$app/README.txt" "$app/uninstall.exe" "$menu/Lumio.lnk"; do
    [ -f "$f" ] || fail "not installed: ${f#"$WINEPREFIX"/}"
done
cmp -s "$app/lumio.exe" <(unzip -p "$zip" lumio.exe) || fail "the installed lumio.exe is not the released one"
wine_run "the uninstaller" "$app/uninstall.exe" /S
# The uninstaller runs on from a copy of itself in TEMP; give that copy time to finish.
for _ in $(seq 50); do
    [ -e "$app" ] || [ -e "$menu" ] || break
    sleep 0.2
done
[ -e "$app" ] && fail "the uninstaller left $(ls "$app")"
[ -e "$menu" ] && fail "the uninstaller left the Start-menu entry"

if [ "$failures" -ne 0 ]; then
    echo "Wine said:"
    tail -n 40 "$log"
    echo "$failures check(s) failed"
    exit 1
fi
echo "release files: all checks passed"
