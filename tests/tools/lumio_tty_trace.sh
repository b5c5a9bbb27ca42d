#!/usr/bin/env bash
# Runs lumio-tty on generated documents and compares its trace with expectations that
# are written out by hand or computed here, apart from the program.
# Usage: lumio_tty_trace.sh <build-dir> <source-dir>
set -uo pipefail
source "$(dirname "$0")/lib.sh"
tty="$TOOL_BUILD/tools/lumio-tty"
# The reading memory of these runs lives here, never in the user's own state folder.
export XDG_STATE_HOME="$work/state"

# expect_trace NAME EXPECTED-FILE ARGS...: the trace must equal the file, exit 0, no stderr.
expect_trace() {
    local name="$1" expected="$2"
    shift 2
    "$tty" "$@" >"$work/out" 2>"$work/err"
    local status=$?
    [ "$status" -eq 0 ] || fail "$name: exit status $status"
    [ -s "$work/err" ] && fail "$name: stderr: $(cat "$work/err")"
    diff -u "$expected" "$work/out" >"$work/diff" || { fail "$name"; head -20 "$work/diff"; }
}

# expect_refusal NAME STDERR-PATTERN ARGS...: exit 2, nothing on stdout, the message on stderr.
expect_refusal() {
    local name="$1" pattern="$2"
    shift 2
    "$tty" "$@" >"$work/out" 2>"$work/err"
    local status=$?
    [ "$status" -eq 2 ] || fail "$name: exit status $status, wanted 2"
    [ -s "$work/out" ] && fail "$name: stdout not empty: $(head -c 200 "$work/out")"
    grep -qF -- "$pattern" "$work/err" || fail "$name: stderr '$(cat "$work/err")' lacks '$pattern'"
}

tick() { # K POS VIEW MARK TIMER
    printf '{"tick":%s,"pos":%s,"view":"%s","mark":%s,"timer":%s}\n' "$@"
}

# --- The ten-character document, from the load to the pause ---------------------------
# The file "ABCDEFGH" becomes the document "ABCDEFGH" plus two spaces.
printf 'ABCDEFGH' >"$work/ten.txt"
{
    echo '{"length":10,"pos":0,"interval":200}'
    tick 1 1 'A' null true
    tick 2 2 'AB' null true
    tick 3 3 'ABC' null true
    tick 4 4 'ABCD' null true
    tick 5 5 'ABCDE' null true
    tick 6 6 'ABCDEF' null true
    tick 7 7 'ABCDEFG' '[1,6]' true
    tick 8 8 'ABCDEFGH' '[1,6]' true
    tick 9 9 'ABCDEFGH ' '[1,6]' true
    tick 10 10 'ABCDEFGH  ' '[1,6]' true
    # From ReadPos 11 the mark is the last six; the view stays whole up to the tick
    # that begins at 201.
    for k in $(seq 11 202); do tick "$k" "$k" 'ABCDEFGH  ' '[4,6]' true; done
    tick 203 203 'BCDEFGH  ' '[3,6]' true
    tick 204 204 'CDEFGH  ' '[2,6]' true
    tick 205 205 'DEFGH  ' '[1,6]' true
    tick 206 206 'EFGH  ' null true
    tick 207 207 'FGH  ' null true
    tick 208 208 'GH  ' null true
    tick 209 209 'H  ' null true
    tick 210 210 '  ' null true
    tick 211 211 ' ' null true
    tick 212 212 '' null false
} >"$work/ten.expected"
expect_trace "ten-character life" "$work/ten.expected" --trace 1000 "$work/ten.txt"
head -4 "$work/ten.expected" >"$work/ten3.expected"
expect_trace "trace stops at N" "$work/ten3.expected" --trace 3 "$work/ten.txt"

# --- The change-over at 200/201/202 in a 300-character document -----------------------
doc=""
while [ ${#doc} -lt 298 ]; do doc+="abcdefghijklmnopqrstuvwxyz0123456789"; done
doc="${doc:0:298}"
printf '%s' "$doc" >"$work/three.txt"
doc+="  "
"$tty" --trace 204 "$work/three.txt" >"$work/out" || fail "change-over: exit status"
# tick K begins at p = K - 1: view = characters 1..p+1 up to p = 200, p-200..p-1 after.
while read -r k start length mark; do
    want="$(tick "$k" "$k" "${doc:start:length}" "[$mark,6]" true)"
    got="$(sed -n "$((k + 1))p" "$work/out")"
    [ "$got" = "$want" ] || fail "change-over tick $k: got $got"
done <<'TABLE'
11 0 11 5
200 0 200 194
201 0 201 195
202 0 200 194
203 1 200 194
204 2 200 194
TABLE

# --- Speed and start-point sliders ------------------------------------------------------
long=""
while [ ${#long} -lt 9998 ]; do long+="The quick brown fox jumps over the lazy dog. "; done
printf '%s' "${long:0:9998}" >"$work/long.txt"
# value|position in 10000 characters|interval in ms (10000 / (10.1 - v) and 404 - 40v,
# rounded halves to even, worked out apart from the program)
while IFS='|' read -r v pos interval; do
    printf '{"length":10000,"pos":%s,"interval":%s}\n' "$pos" "$interval" >"$work/slider.expected"
    expect_trace "sliders at $v" "$work/slider.expected" --speed "$v" --start "$v" --trace 0 \
        "$work/long.txt"
done <<'TABLE'
0|990|404
1|1099|364
2|1235|324
3|1408|284
4|1639|244
5|1961|204
6|2439|164
7|3226|124
8|4762|84
9|9091|44
10|100000|4
TABLE
{
    echo '{"length":10000,"pos":100000,"interval":200}'
    tick 1 100001 '' null false
} >"$work/past.expected"
expect_trace "start point past the end" "$work/past.expected" --start 10 --trace 5 "$work/long.txt"

# --- Empty and blank documents ----------------------------------------------------------
{
    echo '{"length":0,"pos":0,"interval":200}'
    tick 1 1 '' null false
} >"$work/empty.expected"
: >"$work/empty.txt"
printf '  \r\n\r\n\xa1\xa1 \xa1\xa1\r\n   ' >"$work/blank.txt"
expect_trace "empty document" "$work/empty.expected" --trace 9 "$work/empty.txt"
expect_trace "blank document" "$work/empty.expected" --trace 9 "$work/blank.txt"

# --- Line ends, GBK, bad bytes and characters JSON must escape ---------------------------
printf 'a\rb' >"$work/cr.txt"
printf 'a\nb' >"$work/lf.txt"
printf '\xa1\xa1\xd6\xd0\xff\r\n' >"$work/gbk.txt"
printf 'q"b\\c\td\x00e\x1bf' >"$work/ctl.txt"
# Each runs as many ticks as the document is long; the last shows the whole document.
# file|length|view|mark
while IFS='|' read -r file length view mark; do
    printf '{"length":%s,"pos":0,"interval":200}\n' "$length" >"$work/doc.expected"
    "$tty" --trace "$length" "$work/$file" >"$work/out" 2>"$work/err" || fail "$file: exit status"
    head -1 "$work/out" | cmp -s - "$work/doc.expected" || fail "$file: $(head -1 "$work/out")"
    want="$(tick "$length" "$length" "$view" "$mark" true)"
    [ "$(tail -1 "$work/out")" = "$want" ] || fail "$file: got $(tail -1 "$work/out")"
done <<'TABLE'
cr.txt|6|a  b  |null
lf.txt|5|a\nb  |null
gbk.txt|4|中�  |null
ctl.txt|13|q\"b\\c\td\u0000e\u001bf  |[7,6]
TABLE

# --- Refused and unreadable paths -------------------------------------------------------
cp "$work/ten.txt" "$work/upper.TXT"
mkdir "$work/dir.txt"
expect_refusal "upper-case extension" "请选择一个Txt文件." --trace 5 "$work/upper.TXT"
expect_refusal "empty path" "请选择一个Txt文件." --trace 5 ""
expect_refusal "not .txt" "请选择一个Txt文件." --trace 5 "$work/ten.txt.bak"
expect_refusal "missing file" "$work/missing.txt" --trace 5 "$work/missing.txt"
expect_refusal "directory" "文件夹" --trace 5 "$work/dir.txt"
(cd "$work" && expect_refusal "bare .txt" "“.txt”" --trace 5 ".txt")
expect_refusal "live mode refuses too" "请选择一个Txt文件." "$work/upper.TXT"
for args in "--speed 11" "--start -1" "--trace x" "--bogus" "--trace"; do
    # shellcheck disable=SC2086
    "$tty" $args "$work/ten.txt" >"$work/out" 2>"$work/err" </dev/null
    [ $? -eq 2 ] && [ ! -s "$work/out" ] && grep -q usage "$work/err" ||
        fail "usage error for '$args'"
done
"$tty" >"$work/out" 2>"$work/err" </dev/null
[ $? -eq 2 ] && grep -q "FILE is missing" "$work/err" || fail "usage error without FILE"

# --- Real-time play without a terminal: plays to the pause, then exits 0 ------------------
if timeout 20 "$tty" --speed 10 "$work/ten.txt" </dev/null >"$work/live" 2>"$work/err"; then
    [ "$(sed -n 1p "$work/live")" = "A" ] || fail "live: first line $(sed -n 1p "$work/live")"
    [ "$(sed -n 11p "$work/live")" = "ABCDEFGH  " ] || fail "live: line 11"
    [ "$(wc -l <"$work/live")" -eq 212 ] || fail "live: $(wc -l <"$work/live") lines, wanted 212"
    grep -q $'\x1b' "$work/live" && fail "live: escape sequences in a pipe"
else
    fail "live play without a terminal did not exit 0"
fi

# --- Chapters and jumps ------------------------------------------------------------------
printf '%s\r\n' "书名" "  序章 开始  " "正文" "第一章 少年" "他翻到第三章" "" "第二章　远行" "尾" |
    iconv -f UTF-8 -t CP936 >"$work/book.txt"
# Document text: 书名··序章 开始··正文··第一章 少年··他翻到第三章··第二章　远行··尾·· (· a space)
cat >"$work/chapters.expected" <<'JSON'
{"index":1,"title":"序章 开始","position":4}
{"index":2,"title":"第一章 少年","position":15}
{"index":3,"title":"第二章　远行","position":31}
JSON
expect_trace "chapter list" "$work/chapters.expected" --chapters "$work/book.txt"
: >"$work/none.expected"
expect_trace "no chapters" "$work/none.expected" --chapters "$work/ten.txt"
# --at and --chapter move ReadPos after the load and before the sliders.
while read -r name length pos interval args; do
    printf '{"length":%s,"pos":%s,"interval":%s}\n' "$length" "$pos" "$interval" >"$work/jump.expected"
    # shellcheck disable=SC2086
    expect_trace "$name" "$work/jump.expected" $args --trace 0
done <<TABLE
chapter-1 42 4 200 --chapter 1 $work/book.txt
chapter-3 42 31 200 --chapter 3 $work/book.txt
at-0 10 0 200 --at 0 $work/ten.txt
at-25-half-to-even 10 2 200 --at 25 $work/ten.txt
at-35-half-to-even 10 4 200 --at 35 $work/ten.txt
at-37.5 10000 3750 200 --at 37.5% $work/long.txt
at-100 10000 10000 200 --at 100 $work/long.txt
at-then-sliders 10000 1961 204 --at 80 --speed 5 --start 5 $work/long.txt
TABLE
expect_refusal "chapter beyond the last" "the document has 3 chapter(s)" --chapter 4 --trace 0 "$work/book.txt"
for args in "--at 100.1" "--at 5.55" "--at x" "--chapter 0" "--chapter -1" "--at 5 --chapter 1" "--at"; do
    # shellcheck disable=SC2086
    "$tty" $args "$work/ten.txt" >"$work/out" 2>"$work/err" </dev/null
    [ $? -eq 2 ] && [ ! -s "$work/out" ] && grep -q usage "$work/err" ||
        fail "usage error for '$args'"
done
# The first tick after a chapter jump shows the text up to the chapter's heading.
"$tty" --chapter 2 --trace 1 "$work/book.txt" | sed -n 2p >"$work/out"
grep -qF '"pos":16,"view":"书名  序章 开始  正文  第"' "$work/out" || fail "chapter jump view: $(cat "$work/out")"

# --- The reading memory -------------------------------------------------------------------
export XDG_STATE_HOME="$work/memory-state" # untouched by the runs above
memory="$XDG_STATE_HOME/lumio/reading-memory.txt"
ten="$(realpath "$work/ten.txt")"
timeout 20 "$tty" --trace 300 "$work/ten.txt" >/dev/null
[ -e "$XDG_STATE_HOME" ] && fail "a trace wrote to the state folder"
timeout 20 "$tty" --no-memory --speed 10 "$work/ten.txt" </dev/null >/dev/null
[ -e "$XDG_STATE_HOME" ] && fail "--no-memory wrote to the state folder"
# Played to the end: the place is the end of the document, under its full name.
(cd "$work" && timeout 20 "$tty" --speed 10 ten.txt </dev/null >/dev/null) || fail "live with memory"
printf 'lumio reading memory 1\n10\t10\t%s\n' "$ten" | cmp -s - "$memory" ||
    fail "memory after reading to the end: $(cat -A "$memory" 2>&1)"
# A place in the middle: the next run resumes there, and a trace still starts at 0.
printf 'lumio reading memory 1\n7\t10\t%s\n' "$ten" >"$memory"
timeout 20 "$tty" --speed 10 "$work/ten.txt" </dev/null >"$work/live" || fail "resumed live play"
[ "$(sed -n 1p "$work/live")" = "ABCDEFGH" ] || fail "resumed at 7: first view $(sed -n 1p "$work/live")"
[ "$(wc -l <"$work/live")" -eq 205 ] || fail "resumed at 7: $(wc -l <"$work/live") views, wanted 205"
printf 'lumio reading memory 1\n7\t10\t%s\n' "$ten" >"$memory"
expect_trace "trace ignores the memory" "$work/ten3.expected" --trace 3 "$work/ten.txt"
grep -qF "7	10	$ten" "$memory" || fail "a trace changed the memory"
# A damaged memory costs the memory and one line on stderr, never the reading.
printf 'garbage\n' >"$memory"
timeout 20 "$tty" --speed 10 "$work/ten.txt" </dev/null >"$work/live" 2>"$work/err" || fail "damaged memory"
[ "$(wc -l <"$work/err")" -eq 1 ] && grep -q "damaged" "$work/err" || fail "damaged memory: $(cat "$work/err")"
[ "$(sed -n 1p "$work/live")" = "A" ] || fail "damaged memory: first view $(sed -n 1p "$work/live")"

finish "all lumio-tty checks passed"
