#!/usr/bin/env bash
# Builds everything twice (optimised, and with ASan+UBSan) and runs every test in both,
# then cross-builds the Windows programs and runs their tests under Wine.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
scripts/install-deps.sh

# The tests and benchmarks on, whatever scripts/run.sh left in the tree's settings.
scripts/build.sh build -DLUMIO_TESTS=ON -DLUMIO_BENCH=ON
(cd build && ctest --output-on-failure)

scripts/build.sh build-asan -DCMAKE_BUILD_TYPE=Debug -DLUMIO_SANITIZE=ON -DLUMIO_BENCH=OFF
(cd build-asan && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure)

# The desktop program under a minute of random use (a 10-minute run: bench/soak.sh
# build . 600 SEED), with a fixed seed so a failure replays.
if [ -x build/lumio ]; then
    bash bench/soak.sh build . 60 13
fi

# Every parser under libFuzzer for about 20 s each (its own build tree, build-fuzz).
scripts/fuzz.sh 20

# The Windows programs, cross-built, their tests under Wine in a prefix of this run's own
# (the Linux tree above gives the lumio-tty their traces are compared with).
scripts/build-windows.sh build-win64 -DLUMIO_HOST_BUILD="$root/build"
WINEPREFIX="$(mktemp -d)"
export WINEPREFIX WINEDEBUG=-all
trap 'wineserver -k 2>/dev/null || true; rm -rf "$WINEPREFIX"' EXIT
# Set the prefix up once, apart from CTest: Wine's first start leaves background services
# that would hold a test's output open.
cmake/wine-run.sh wineboot -i </dev/null >/dev/null 2>&1
wineserver -w
(cd build-win64 && ctest --output-on-failure)
# lumio.exe under a minute of the same random use (10 minutes: bench/soak_win32.sh
# build-win64 . 600 SEED), in a prefix of its own.
bash bench/soak_win32.sh build-win64 . 60 13

# The release files, built from the trees above and checked as a user gets them.
scripts/package.sh dist >/dev/null
bash tests/release/check_release.sh dist .
