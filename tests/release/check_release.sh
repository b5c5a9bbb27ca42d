#!/usr/bin/env bash
# The release files as a user gets them. The Debian package holds the programs, their
# manual pages, the desktop entry, the AppStream metadata, the icons, the copyright file
# and the changelog, nothing built only for development, and lintian, appstreamcli,
# desktop-file-validate and man find no fault with it. The zip is a portable copy:
# lumio.exe, the README and the licence. The installer, run silently under Wine, puts the
# program, the README, the licence and a Start-menu entry in place (the desktop shortcut
# only when asked) and registers the program in the user's uninstall key; the
# uninstaller that key names takes all of it away again, keeping the reading memory
# unless asked to remove it.
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
source "$src/tests/release/documents.sh"
scratch="$(mktemp -d)"
export WINEPREFIX="$scratch/wine" WINEDEBUG=-all
log="$scratch/wine.log"
trap 'wineserver -k 2>/dev/null; rm -rf "$scratch"' EXIT

# --- the Debian package -------------------------------------------------------------------
deb="$dist/lumio_${version}_amd64.deb"
contents="$(dpkg-deb -c "$deb" | awk '{print $6}')"
for f in ./usr/bin/lumio ./usr/bin/lumio-tty ./usr/bin/qxrender ./usr/bin/qxinput \
    ./usr/share/applications/lumio.desktop \
    ./usr/share/metainfo/io.github.lumio.Lumio.metainfo.xml \
    ./usr/share/doc/lumio/copyright ./usr/share/doc/lumio/changelog.gz \
    ./usr/share/man/man1/lumio.1.gz ./usr/share/man/man1/lumio-tty.1.gz \
    ./usr/share/man/man1/qxrender.1.gz ./usr/share/man/man1/qxinput.1.gz \
    ./usr/share/icons/hicolor/128x128/apps/lumio.png ./usr/share/icons/hicolor/16x16/apps/lumio.png; do
    grep -qx -- "$f" <<<"$contents" || fail "the package lacks $f"
done
grep -qE 'capsule_artwork|lumio_icon_maker|bench_|test_' <<<"$contents" && fail "the package holds build-only files"
[ "$(dpkg-deb -f "$deb" Package)" = lumio ] || fail "package name"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "package version"
dpkg-deb -f "$deb" Depends | grep -q libqt6widgets6 || fail "no dependency on Qt Widgets"
# Continuation lines of the description are the text itself, as apt show prints them.
description="$(dpkg-deb -f "$deb" Description)"
[ "$(wc -l <<<"$description")" -ge 3 ] || fail "the description has no long text"
grep -q '^ *;' <<<"$description" && fail "the description has lines starting with ';'"
lintian_report="$(lintian --fail-on error,warning "$deb" 2>&1)" ||
    fail "lintian finds fault with the package: $lintian_report"
dpkg-deb -f "$deb" Depends | grep -q qt6-translations-l10n || fail "no dependency on Qt's translations"

unpacked="$scratch/deb"
dpkg-deb -x "$deb" "$unpacked"
for page in "$unpacked"/usr/share/man/man1/*.1.gz; do
    check_man_page "$page" "$version"
done
check_metainfo "$unpacked/usr/share/metainfo/io.github.lumio.Lumio.metainfo.xml" "$src" lumio.desktop
[ -f "$unpacked/usr/share/applications/lumio.desktop" ] || fail "no desktop entry to launch"
report="$(desktop-file-validate "$unpacked/usr/share/applications/lumio.desktop" 2>&1)"
[ -z "$report" ] || fail "desktop-file-validate: $report"
check_copyright "$unpacked/usr/share/doc/lumio/copyright" "$src/LICENSE"
check_debian_changelog "$unpacked/usr/share/doc/lumio/changelog.gz" "$src" "$version"

# --- the zip ------------------------------------------------------------------------------
zip="$dist/lumio-$version-win64.zip"
[ "$(unzip -Z1 "$zip" | sort | tr '\n' ' ')" = "LICENSE.txt README.txt lumio.exe " ] ||
    fail "zip holds: $(unzip -Z1 "$zip" | tr '\n' ' ')"
[ "$(unzip -p "$zip" lumio.exe | head -c 2)" = MZ ] || fail "lumio.exe in the zip is no Windows program"
# The licence as Windows shows text: LICENSE word for word first, with CRLF line ends.
unzip -p "$zip" LICENSE.txt >"$scratch/LICENSE.txt"
cmp -s <(head -n "$(wc -l <"$src/LICENSE")" "$scratch/LICENSE.txt") <(sed 's/$/\r/' "$src/LICENSE") ||
    fail "the zip's LICENSE.txt does not begin with LICENSE in Windows line ends"

# --- the installer under Wine -------------------------------------------------------------
setup="$dist/lumio-$version-win64-setup.exe"
# Wine's desktop and menus must not reach the real home: shell folders link into a home
# of this run's own, and no Linux menu entries are made for the shortcuts.
export HOME="$scratch/home" WINEDLLOVERRIDES="winemenubuilder.exe=d"
mkdir -p "$HOME/Desktop"
# Wine is given an open stdin and its output kept: with stdin closed (as some CI runners
# start jobs) it misplaces its own descriptors and the NSIS programs quietly do nothing.
wine_run() {
    "$src/cmake/wine-run.sh" "${@:2}" </dev/null >>"$log" 2>&1
    local status=$?
    wineserver -w
    [ "$status" -eq 0 ] || fail "$1 exited with $status under Wine"
}
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Lumio'
# The values of the uninstall key, one "NAME|TYPE|DATA" a line; nothing when it is gone.
uninstall_key() {
    "$src/cmake/wine-run.sh" reg query "$key" </dev/null 2>/dev/null | tr -d '\r' |
        sed -n 's/^    \([^ ]*\)    \(REG_[A-Z_]*\)    \(.*\)$/\1|\2|\3/p'
    wineserver -w
}
value() { sed -n "s/^$1|[^|]*|//p" <<<"$values"; }
# A Windows path on drive C: as the Unix path Wine keeps it under.
unix_path() {
    local path="${1#[Cc]:\\}"
    echo "$WINEPREFIX/drive_c/${path//\\//}"
}
# Every file and folder of the user's profile and the run's home but the temporary ones:
# what the installer wrote and the uninstaller must take away again.
profile_files() {
    find "$WINEPREFIX/drive_c/users" "$HOME" -path '*/Temp' -prune -o -path '*/.cache' -prune \
        -o -print | sort
}

wine_run "wineboot" wineboot -i
home="$(find "$WINEPREFIX/drive_c/users" -mindepth 1 -maxdepth 1 -type d ! -name Public | head -n1)"
app="$home/AppData/Local/Programs/Lumio"
menu="$home/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Lumio"
desktop_link="$home/Desktop/Lumio.lnk"
memory="$home/AppData/Local/Lumio"
# Waits until the uninstaller's copy in TEMP, which does the work, has finished.
wait_gone() {
    for _ in $(seq 50); do
        [ -e "$app" ] || [ -e "$menu" ] || break
        sleep 0.2
    done
}
profile_files >"$scratch/before.txt"

# First round: the defaults, as a person clicking through gets them.
wine_run "the installer" "$setup" /S
for f in "$app/lumio.exe" "$app/README.txt" "$app/LICENSE.txt" "$app/uninstall.exe" \
    "$menu/Lumio.lnk" "$menu/Uninstall Lumio.lnk"; do
    [ -f "$f" ] || fail "not installed: ${f#"$WINEPREFIX"/}"
done
[ -e "$desktop_link" ] && fail "the desktop shortcut was made though not asked for"
cmp -s "$app/lumio.exe" <(unzip -p "$zip" lumio.exe) || fail "the installed lumio.exe is not the released one"
cmp -s "$app/LICENSE.txt" "$scratch/LICENSE.txt" || fail "the installed LICENSE.txt is not the released one"

values="$(uninstall_key)"
[ "$(value DisplayName)" = Lumio ] || fail "DisplayName: '$(value DisplayName)'"
[ "$(value DisplayVersion)" = "$version" ] || fail "DisplayVersion: '$(value DisplayVersion)'"
[ -n "$(value Publisher)" ] || fail "no Publisher"
[ "$(unix_path "$(value InstallLocation)")" -ef "$app" ] || fail "InstallLocation: '$(value InstallLocation)'"
icon="$(value DisplayIcon)"
[ "$(unix_path "${icon%,0}")" -ef "$app/lumio.exe" ] || fail "DisplayIcon: '$icon'"
uninstaller="$(value UninstallString)"
[[ "$uninstaller" == \"*\" ]] || fail "UninstallString is not quoted: '$uninstaller'"
uninstaller="${uninstaller//\"/}"
[ "$(unix_path "$uninstaller")" -ef "$app/uninstall.exe" ] || fail "UninstallString: '$uninstaller'"
[ "$(value QuietUninstallString)" = "\"$uninstaller\" /S" ] ||
    fail "QuietUninstallString: '$(value QuietUninstallString)'"
# Apps shows the size in kilobytes: at least what lumio.exe takes.
size="$(value EstimatedSize)"
[[ "$(sed -n 's/^EstimatedSize|\(REG_DWORD\)|.*/\1/p' <<<"$values")" == REG_DWORD ]] &&
    (( size * 1024 >= $(stat -c %s "$app/lumio.exe") )) || fail "EstimatedSize: '$size'"
[ "$(value NoModify)" = 0x1 ] && [ "$(value NoRepair)" = 0x1 ] || fail "NoModify/NoRepair not set"
[[ "$(value InstallDate)" =~ ^20[0-9]{6}$ ]] || fail "InstallDate: '$(value InstallDate)'"

# The reading memory lumio.exe would have written; the uninstaller keeps it by default.
mkdir -p "$memory"
echo "lumio reading memory 1" >"$memory/reading-memory.txt"
wine_run "the uninstaller (the key's QuietUninstallString)" "$(unix_path "$uninstaller")" /S
wait_gone
[ -e "$app" ] && fail "the uninstaller left $(ls "$app")"
[ -e "$menu" ] && fail "the uninstaller left the Start-menu entry"
[ -n "$(uninstall_key)" ] && fail "the uninstaller left the uninstall key"
[ -f "$memory/reading-memory.txt" ] || fail "the uninstaller removed the reading memory unasked"

# Second round: the desktop shortcut ticked, and the memory removed on request.
wine_run "the installer with /DESKTOPSHORTCUT" "$setup" /S /DESKTOPSHORTCUT
[ -f "$desktop_link" ] || fail "no desktop shortcut when ticked"
[ -n "$(uninstall_key)" ] || fail "the second installation made no uninstall key"
wine_run "the uninstaller with /REMOVEMEMORY" "$app/uninstall.exe" /S /REMOVEMEMORY
wait_gone
[ -e "$desktop_link" ] && fail "the uninstaller left the desktop shortcut"
[ -e "$memory" ] && fail "the uninstaller left the reading memory though asked to remove it"
[ -n "$(uninstall_key)" ] && fail "the uninstaller left the uninstall key"
profile_files >"$scratch/after.txt"
left="$(comm -13 "$scratch/before.txt" "$scratch/after.txt")"
[ -z "$left" ] || fail "left behind after uninstalling: ${left//"$WINEPREFIX"\//}"

if [ "$failures" -ne 0 ]; then
    echo "Wine said:"
    tail -n 40 "$log"
    echo "$failures check(s) failed"
    exit 1
fi
echo "release files: all checks passed"
