#!/usr/bin/env bash
# Builds Lumio and plays the bundled sample novel: in the desktop program when there is a
# display, in the terminal ticker when there is none.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
# Only what the programs need, and only the programs: the tests, benchmarks and
# generators are scripts/test.sh's.
scripts/install-deps.sh run
cmake -S . -B build -DLUMIO_TESTS=OFF -DLUMIO_BENCH=OFF >/dev/null
cmake --build build --parallel "$(nproc)" --target lumio lumio-tty
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [ -x build/lumio ]; then
    exec build/lumio data/sample.txt
fi
echo "lumio: no display to show the reader on (DISPLAY is not set); playing the sample in the terminal ticker instead."
exec build/tools/lumio-tty "$@" data/sample.txt
