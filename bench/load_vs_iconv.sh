#!/usr/bin/env bash
# bench/load_vs_iconv.sh <build-dir> [runs] [--gigabyte]
# Whole process against whole process: `lumio-tty --trace 0 FILE` (load the document,
# its encoding found by itself; print its length, exit) and `iconv -f ENCODING -t
# UTF-16LE FILE > /dev/null`, run in turn on the same warm file, `runs` times each
# (default 11). Prints the medians of the wall times, their ratio and each side's peak
# resident size against the file size, for the 100 MiB GBK novel of bench_reader_load,
# a 100 MiB mostly-ASCII English text, and 100 MiB novels in UTF-8, UTF-16LE (with its
# mark) and GB18030 (one character in fifty beyond GBK) and English in UTF-8; with
# --gigabyte also a 1 GiB GBK novel (written under /tmp and removed afterwards). A
# measured run, not a test: use an optimised build.
set -euo pipefail
build="$(cd "$1" && pwd)"
runs="${2:-11}"
gigabyte="${3:-}"
tty="$build/tools/lumio-tty"
writer="$build/bench/bench_write_text"
for tool in "$tty" "$writer" /usr/bin/time; do
    [ -x "$tool" ] || { echo "missing $tool (build lumio-tty and bench_write_text)"; exit 1; }
done
command -v iconv >/dev/null || { echo "missing iconv"; exit 1; }

tmp="${TMPDIR:-/tmp}"
scratch="$(mktemp -d)"
big="$tmp/lumio-bench-novel-1g.txt"
trap 'rm -rf "$scratch" "$big"' EXIT

# ensure FILE KIND BYTES: writes the generated text unless a file of that size is there.
ensure() {
    if [ "$(stat -c %s "$1" 2>/dev/null || echo 0)" -lt "$3" ]; then
        "$writer" "$2" "$3" "$1"
        sync "$1" # its writing-back would otherwise run during the timed runs
    fi
}

median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# timed LOG COMMAND...: appends "seconds peak-KB" of one run of COMMAND (output dropped)
# to LOG. The wall time is taken to the microsecond (time's own is in hundredths, too
# coarse for a tenth of a second); its peak resident size comes from time.
timed() {
    local log="$1" start end
    shift
    start=$(date +%s%N)
    /usr/bin/time -f "%M" -o "$scratch/t" "$@" >/dev/null
    end=$(date +%s%N)
    echo "$(((end - start) / 1000))e-6 $(cat "$scratch/t")" >>"$log"
}

# measure LABEL FILE [ENCODING]: interleaved runs, then one line of figures; iconv reads
# the file as ENCODING (default CP936).
measure() {
    local label="$1" file="$2" from="${3:-CP936}" i
    : >"$scratch/lumio"
    : >"$scratch/iconv"
    cat "$file" >/dev/null # warm the page cache for both sides
    for ((i = 0; i < runs; i++)); do
        timed "$scratch/lumio" "$tty" --trace 0 "$file"
        timed "$scratch/iconv" iconv -f "$from" -t UTF-16LE "$file"
    done
    local bytes lumio_s iconv_s lumio_kb iconv_kb
    bytes=$(stat -c %s "$file")
    lumio_s=$(awk '{ print $1 }' "$scratch/lumio" | median)
    iconv_s=$(awk '{ print $1 }' "$scratch/iconv" | median)
    lumio_kb=$(awk '{ print $2 }' "$scratch/lumio" | median)
    iconv_kb=$(awk '{ print $2 }' "$scratch/iconv" | median)
    awk -v l="$label" -v b="$bytes" -v ls="$lumio_s" -v is="$iconv_s" -v lk="$lumio_kb" \
        -v ik="$iconv_kb" -v n="$runs" 'BEGIN {
        printf "%-22s %6.0f MB  lumio %.3f s  iconv %.3f s  time ratio %.2fx  peak RSS %.2fx file (iconv %.2fx)  [%d runs]\n",
            l, b / 1e6, ls, is, (is > 0 ? ls / is : 0), lk * 1024 / b, ik * 1024 / b, n }'
}

novel="$tmp/lumio-bench-novel.txt"
english="$tmp/lumio-bench-english.txt"
ensure "$novel" novel $((100 << 20))
ensure "$english" english $((100 << 20))
measure "GBK novel" "$novel"
measure "English (mostly ASCII)" "$english"
for kind in novel-utf8:UTF-8 novel-utf16le:UTF-16LE novel-gb18030:GB18030 english-utf8:UTF-8; do
    file="$tmp/lumio-bench-${kind%%:*}.txt"
    ensure "$file" "${kind%%:*}" $((100 << 20))
    measure "${kind%%:*}" "$file" "${kind#*:}"
done
if [ "$gigabyte" = "--gigabyte" ]; then
    ensure "$big" novel $((1 << 30))
    measure "GBK novel, 1 GiB" "$big"
fi
