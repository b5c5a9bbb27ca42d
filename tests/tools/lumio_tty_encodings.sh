#!/usr/bin/env bash
# lumio-tty on documents in each encoding, found by themselves or named with --encoding:
# the trace shows the text as written, a GBK document traces as it always has, and a
# bad --encoding is a usage error.
# Usage: lumio_tty_encodings.sh <build-dir> <source-dir>
set -uo pipefail
source "$(dirname "$0")/lib.sh"
tty="$TOOL_BUILD/tools/lumio-tty"

# last_view FILE ARGS...: the view of the tick that shows the whole (short) document.
last_view() {
    local file="$1" length
    shift
    length="$("$tty" "$@" --trace 0 "$file" | sed -n 's/^{"length":\([0-9]*\),.*/\1/p')"
    "$tty" "$@" --trace "$length" "$file" | tail -1 | sed -n 's/.*"view":"\(.*\)","mark".*/\1/p'
}

# expect_view NAME FILE VIEW ARGS...
expect_view() {
    local name="$1" file="$2" want="$3"
    shift 3
    local got
    got="$(last_view "$file" "$@")"
    [ "$got" = "$want" ] || fail "$name: view '$got', wanted '$want'"
}

# "第一章" CRLF "　　正文𠀀。" in UTF-8; the others are made from it by iconv.
printf '\xe7\xac\xac\xe4\xb8\x80\xe7\xab\xa0\r\n\xe3\x80\x80\xe3\x80\x80\xe6\xad\xa3\xe6\x96\x87\xf0\xa0\x80\x80\xe3\x80\x82\r\n' >"$work/utf8.txt"
want='第一章  正文𠀀。  '
{ printf '\xef\xbb\xbf'; cat "$work/utf8.txt"; } >"$work/utf8-mark.txt"
{ printf '\xff\xfe'; iconv -f UTF-8 -t UTF-16LE "$work/utf8.txt"; } >"$work/utf16le-mark.txt"
{ printf '\xfe\xff'; iconv -f UTF-8 -t UTF-16BE "$work/utf8.txt"; } >"$work/utf16be-mark.txt"
iconv -f UTF-8 -t UTF-16LE "$work/utf8.txt" >"$work/utf16le.txt"
iconv -f UTF-8 -t GB18030 "$work/utf8.txt" >"$work/gb18030.txt"
printf '\xa4\xa4\xa4\xe5\r\n' >"$work/big5.txt"

expect_view "UTF-8" "$work/utf8.txt" "$want"
expect_view "UTF-8 with its mark" "$work/utf8-mark.txt" "$want"
expect_view "UTF-16LE with its mark" "$work/utf16le-mark.txt" "$want"
expect_view "UTF-16BE with its mark" "$work/utf16be-mark.txt" "$want"
expect_view "GBK with a GB18030 four-byte character" "$work/gb18030.txt" "$want"
expect_view "UTF-16LE named" "$work/utf16le.txt" "$want" --encoding utf-16le
expect_view "GB18030 named" "$work/gb18030.txt" "$want" --encoding GB18030
expect_view "Big5 named" "$work/big5.txt" "中文  " --encoding big5
expect_view "UTF-8 named on a marked file" "$work/utf8-mark.txt" "$want" --encoding utf-8
# Named GBK is code page 936 as it always was: no detection, no four-byte characters.
# E7 AC is 绗, AC E4 no pair (AC alone U+FFFD), E4 B8 涓, 80 €, E7 AB 绔, A0 U+FFFD; E3 80 is
# 銆, E6 AD 姝, A3 E6 ｆ, 96 87 枃, F0 A0 馉, and 82 before the CR U+FFFD.
expect_view "GBK named on UTF-8" "$work/utf8.txt" \
    "绗�涓€绔�  銆€銆€姝ｆ枃馉€€銆�  " --encoding gbk
expect_view "GBK named on GB18030" "$work/gb18030.txt" "第一章  正文�2�6。  " --encoding gbk

# A GBK document traces the same found by itself as named, tick for tick.
printf '\xa1\xa1\xb5\xda1\xd5\xc2 Lumio\r\n\r\n\xa1\xa1\xd5\xfd\xce\xc4\xa3\xac\xa1\xb0OK\xa1\xb1\xff\r\n' >"$work/gbk.txt"
"$tty" --trace 40 "$work/gbk.txt" >"$work/auto.trace"
"$tty" --encoding gbk --trace 40 "$work/gbk.txt" >"$work/gbk.trace"
cmp -s "$work/auto.trace" "$work/gbk.trace" || fail "a GBK document traces alike found and named"
grep -qF '"view":"第1章 Lumio  正文，“OK”�  "' "$work/auto.trace" || fail "GBK view: $(tail -1 "$work/auto.trace")"

# Bad names are usage errors, as other bad options are.
for args in "--encoding latin1" "--encoding" "--encoding utf8"; do
    # shellcheck disable=SC2086
    "$tty" $args "$work/utf8.txt" >"$work/out" 2>"$work/err" </dev/null
    status=$?
    [ "$status" -eq 2 ] && [ ! -s "$work/out" ] && grep -q usage "$work/err" ||
        fail "usage error for '$args' (status $status)"
done
"$tty" --encoding latin1 "$work/utf8.txt" >/dev/null 2>"$work/err"
grep -qF "unknown encoding 'latin1' (one of auto, gbk, gb18030, utf-8, utf-16le, utf-16be, big5)" \
    "$work/err" || fail "the unknown encoding is named with the known ones: $(cat "$work/err")"

# A large document whose read-ahead thread cannot start (the system refuses its stack)
# is read on one thread instead of failing.
yes $'abcdefg\r' | head -c $((17 << 20)) >"$work/large.txt"
expected="$("$tty" --trace 0 "$work/large.txt")"
# 1,980,643 whole lines of nine bytes give nine units each; the last five bytes, seven.
[ "$expected" = '{"length":17825794,"pos":0,"interval":200}' ] || fail "large: $expected"
starved="$(ulimit -s 1000000000000 && "$tty" --trace 0 "$work/large.txt" 2>&1)"
[ "$starved" = "$expected" ] || fail "large without a second thread: $starved"

finish "all lumio-tty encoding checks passed"
