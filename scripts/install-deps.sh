#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the tests and the program need.
# Safe to run again: it only calls apt-get when something is missing.
# scripts/install-deps.sh [run]: with "run", only what building and running the programs
# needs (scripts/run.sh), not the tests', benchmarks' and release files' tools.
set -euo pipefail

# The programs: the compiler, CMake, Qt 6 Widgets with X11 shapes, fonts for the captions
# and the text, and Qt's own dialog and button texts in the user's language.
run_packages=(
    build-essential cmake pkg-config
    qt6-base-dev libxcb1-dev libxcb-shape0-dev fonts-noto-cjk fonts-dejavu-core
    qt6-translations-l10n
)

# Everything else, besides the programs' own (added below): the tests, benchmarks, fuzzing,
# the Windows programs and the release files.
packages=(
    git
    libgtest-dev libgmock-dev libbenchmark-dev
    # peak memory of whole processes in bench/load_vs_iconv.sh
    time
    # the desktop program's end-to-end tests: a virtual X server, window manager, tray host, input and
    # screenshots
    xvfb openbox trayer xdotool imagemagick x11-utils x11-xserver-utils
    # the Windows programs: the cross compiler, GoogleTest's sources to build with it,
    # Wine to run their tests, ccache for the second tree of every build
    g++-mingw-w64-x86-64-posix googletest wine wine64 ccache
    # the fuzz targets: clang 14 with libFuzzer and the sanitizer runtimes, and the
    # symbolizer for their reports
    clang-14 libclang-rt-14-dev llvm-14
    # the release files: the Debian package's dependency list, the zip, the installer
    dpkg-dev zip unzip nsis
    # their checks: lintian for the Debian package, appstreamcli for its metadata,
    # desktop-file-validate for its desktop entry, man and groff for the manual pages
    lintian appstream desktop-file-utils man-db groff-base
    # CPack reads the programs' types with file(1) to list the Debian package's
    # dependencies; a bare system lacks it
    file
)

case "${1:-all}" in
run) packages=("${run_packages[@]}") ;;
all) packages+=("${run_packages[@]}") ;;
*)
    echo "usage: scripts/install-deps.sh [run]" >&2
    exit 2
    ;;
esac

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi
echo "Installing: ${missing[*]}"
$sudo env DEBIAN_FRONTEND=noninteractive apt-get update -qq
$sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
