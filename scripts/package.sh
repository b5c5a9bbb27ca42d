#!/usr/bin/env bash
# scripts/package.sh [DIST-DIR]: the release files, from the trees scripts/test.sh builds
# (build/ for Linux, build-win64/ for Windows; built here when missing):
#   lumio-VERSION-win64.zip        lumio.exe and the README as text
#   lumio-VERSION-win64-setup.exe  the Windows installer (NSIS)
#   lumio_VERSION_amd64.deb        what `cmake --install` installs, as a Debian package
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

[ -x build-win64/lumio.exe ] || scripts/build-windows.sh
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
# The README as plain text with Windows line ends.
sed 's/$/\r/' README.md >"$scratch/README.txt"
cp build-win64/lumio.exe "$scratch/lumio.exe"
rm -f "$dist/lumio-$version-win64.zip"
(cd "$scratch" && zip -q -X "$dist/lumio-$version-win64.zip" lumio.exe README.txt)
makensis -V2 -DVERSION="$version" -DEXE="$scratch/lumio.exe" -DREADME="$scratch/README.txt" \
    -DOUTFILE="$dist/lumio-$version-win64-setup.exe" packaging/lumio.nsi
ls -1 "$dist"
