#!/usr/bin/env bash
# scripts/build-windows.sh [build-dir] [cmake options...]: cross-compiles the Windows
# programs (lumio-tty.exe, qxrender.exe, the core's test programs) into build-win64/.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
dir="${1:-$root/build-win64}"
[ $# -gt 0 ] && shift
launcher=()
if command -v ccache >/dev/null; then
    export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$root}"
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S "$root" -B "$dir" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DLUMIO_BENCH=OFF "${launcher[@]}" "$@" >/dev/null
cmake --build "$dir" --parallel "$(nproc)"
