#!/usr/bin/env bash
# Builds every libFuzzer target (clang 14, ASan+UBSan, tree build-fuzz) and runs each for
# SECONDS from a copy of its seed corpus under fuzz/corpus/, so the committed corpus
# does not grow. Crash inputs are kept under build-fuzz/findings/TARGET/.
# Usage: scripts/fuzz.sh SECONDS [TARGET...]
# LUMIO_FUZZ_RUNS=N also ends each run after N inputs (for long runs: 10 million or 30 min).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
seconds="${1:?usage: scripts/fuzz.sh SECONDS [TARGET...]}"
shift
build="${LUMIO_FUZZ_BUILD:-$root/build-fuzz}"

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    for f in fuzz/*_fuzzer.cpp; do
        targets+=("$(basename "$f" _fuzzer.cpp)")
    done
fi

export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$(dirname "$root")}"
launcher=()
if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S . -B "$build" -DCMAKE_CXX_COMPILER=clang++-14 "${launcher[@]}" -DLUMIO_FUZZ=ON \
    -DLUMIO_TESTS=OFF -DLUMIO_BENCH=OFF -DLUMIO_QT=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j2 --target "${targets[@]/%/_fuzzer}" >/dev/null

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1}"
limit=()
if [ -n "${LUMIO_FUZZ_RUNS:-}" ]; then
    limit=(-runs="$LUMIO_FUZZ_RUNS")
fi
runs=0
crashes=0
for t in "${targets[@]}"; do
    mkdir -p "$work/$t" "$build/findings/$t"
    cp -r "fuzz/corpus/$t/." "$work/$t/"
    log="$work/$t.log"
    status=0
    "$build/fuzz/${t}_fuzzer" "$work/$t" -max_total_time="$seconds" "${limit[@]}" -timeout=10 \
        -rss_limit_mb=2048 -max_len=65536 -print_final_stats=1 \
        -artifact_prefix="$build/findings/$t/" >"$log" 2>&1 || status=$?
    n="$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)"
    if [ -z "$n" ]; then # a crash ends the run before the final statistics
        n="$(grep -oE '^#[0-9]+' "$log" | tail -1 | tr -d '#')"
    fi
    n="${n:-0}"
    runs=$((runs + n))
    cov="$(grep -oE 'cov: [0-9]+' "$log" | tail -1 || true)"
    if [ "$status" -ne 0 ]; then
        crashes=$((crashes + 1))
        echo "fuzz: $t FAILED after $n runs (exit $status); log:"
        grep -E 'ERROR|SUMMARY|artifact|#0 |#1 |#2 |#3 ' "$log" | head -20
    else
        echo "fuzz: $t: $n runs in at most ${seconds}s, ${cov:-cov: ?}"
    fi
done
echo "fuzz: ${#targets[@]} targets, $runs runs, $crashes crashes"
[ "$crashes" -eq 0 ]
