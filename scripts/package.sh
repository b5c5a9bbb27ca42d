#!/usr/bin/env bash
# scripts/package.sh [DIST-DIR]: the release files, from the trees scripts/test.sh builds
# (build/ for Linux, build-win64/ for Windows; built here when missing):
#   lumio-VERSION-win64.zip        a portable copy: lumio.exe, the README and the licence
#   lumio-VERSION-win64-setup.exe  the Windows installer (NSIS)
#   lumio_VERSION_amd64.deb        what `cmake --install` installs, as a Debian package
# A package that lintian or appstreamcli finds fault with is not released: the script
# stops with their report. tests/release/check_release.sh checks the files in full.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
dist="$(mkdir -p "${1:-dist}" && cd "${1:-dist}" && pwd)"
version="$(sed -n 's/^project(lumio VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)"
scripts/install-deps.sh

[ -f build/CPackConfig.cmake ] || scripts/build.sh build
cmake --build build --parallel "$(nproc)" >/dev/null
(cd build && cpack -G DEB -B "$dist/cpack" >/dev/null)
mv "$dist/cpack/lumio_${version}_amd64.deb" "$dist/"
rm -rf "$dist/cpack"
deb="$dist/lumio_${version}_amd64.deb"
# Errors and warnings stop the release (the package carries no lintian overrides).
report="$(lintian --fail-on error,warning "$deb" 2>&1)" ||
    { echo "$report" >&2; echo "package.sh: lintian finds fault with $deb" >&2; exit 1; }
report="$(appstreamcli validate --no-net src/app/io.github.lumio.Lumio.metainfo.xml 2>&1)" ||
    { echo "$report" >&2; echo "package.sh: appstreamcli finds fault with the metadata" >&2; exit 1; }

[ -x build-win64/lumio.exe ] || scripts/build-windows.sh
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
# The README and the licence as plain text with Windows line ends; the licence followed
# by the notices of the runtime linked into lumio.exe.
sed 's/$/\r/' README.md >"$scratch/README.txt"
cat LICENSE packaging/windows-runtime-notices.txt | sed 's/$/\r/' >"$scratch/LICENSE.txt"
cp build-win64/lumio.exe "$scratch/lumio.exe"
rm -f "$dist/lumio-$version-win64.zip"
(cd "$scratch" && zip -q -X "$dist/lumio-$version-win64.zip" lumio.exe README.txt LICENSE.txt)
makensis -V2 -DVERSION="$version" -DEXE="$scratch/lumio.exe" -DREADME="$scratch/README.txt" \
    -DLICENSE="$scratch/LICENSE.txt" -DICON="$root/build-win64/src/win32/lumio.ico" \
    -DOUTFILE="$dist/lumio-$version-win64-setup.exe" packaging/lumio.nsi
ls -1 "$dist"
