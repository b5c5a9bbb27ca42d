#!/usr/bin/env bash
# lumio-tty.exe under Wine must print, byte for byte, what the Linux lumio-tty prints
# for the same document: the sample, every document under tests/data and generated ones
# (line ends, GBK with bad bytes, control characters, sliders, refusals).
# Usage: lumio_tty_same_trace.sh <windows-build-dir> <source-dir> <linux-build-dir>
set -uo pipefail
source "$(dirname "$0")/../tools/lib.sh"
linux_tty="$(cd "$3" && pwd)/tools/lumio-tty"
[ -x "$linux_tty" ] || { echo "no Linux lumio-tty in $3 (build it first)"; exit 1; }
wine_run="$TOOL_SOURCE/cmake/wine-run.sh"

# Generated documents beside the checked-in ones. The GBK one keeps to characters every
# code page 936 table maps alike; where tables differ is code_page_system_table's business.
mkdir "$work/gen"
printf 'ABCDEFGH' >"$work/gen/ten.txt"
long=""
while [ ${#long} -lt 9998 ]; do long+="The quick brown fox jumps over the lazy dog. "; done
printf '%s' "${long:0:9998}" >"$work/gen/long.txt"
: >"$work/gen/empty.txt"
printf '  \r\n\r\n\xa1\xa1 \xa1\xa1\r\n   ' >"$work/gen/blank.txt"
printf 'a\rb\nc\r\n' >"$work/gen/ends.txt"
printf '\xa1\xa1\xd6\xd0\xff\x81\x30\x80\xfe\x7f\xb0\xa1\r\n\x81' >"$work/gen/gbk.txt"
printf 'q"b\\c\td\x00e\x1bf\x7f' >"$work/gen/ctl.txt"
printf 'x' >"$work/gen/upper.TXT"
# The other encodings: UTF-8 without a mark, UTF-16LE with one, GB18030 in GBK, Big5.
printf '\xe7\xac\xac\xe4\xb8\x80\r\n\xf0\xa0\x80\x80\xff' >"$work/gen/utf8.txt"
printf '\xff\xfe\x2c\x7b\x0d\x00\x0a\x00\x40\xd8\x00\xdc\x00\xd8' >"$work/gen/utf16.txt"
printf '\x95\x32\x82\x36\xd6\xd0\x84\x31\xa5\x30\r\n' >"$work/gen/gb4.txt"
printf '\xa4\xa4\xa4\xe5\r\n' >"$work/gen/big5.txt"

# case|arguments (the document last); one Wine start runs them all through cmd.
cases=()
add() { cases+=("$1|$2"); }
add sample "--trace 1500 $TOOL_SOURCE/data/sample.txt"
while IFS= read -r doc; do
    add "data-${#cases[@]}" "--trace 40 $doc"
done < <(find "$TOOL_SOURCE/tests/data" -name '*.txt' | sort)
for doc in ten empty blank ends gbk ctl; do add "$doc" "--trace 1000 $work/gen/$doc.txt"; done
add change-over "--trace 215 $work/gen/long.txt"
for v in 0 3 7 10; do add "sliders-$v" "--speed $v --start $v --trace 3 $work/gen/long.txt"; done
add refusal "--trace 5 $work/gen/upper.TXT"
for doc in utf8 utf16 gb4; do add "$doc" "--trace 100 $work/gen/$doc.txt"; done
add big5 "--encoding big5 --trace 100 $work/gen/big5.txt"
add usage-encoding "--encoding latin1 $work/gen/ten.txt"
add usage "--speed 11 $work/gen/ten.txt"

script="$work/run.cmd"
printf '@echo off\r\n' >"$script"
for i in "${!cases[@]}"; do
    args="${cases[$i]#*|}"
    winargs=""
    for a in $args; do
        case "$a" in /*) winargs+=" Z:${a//\//\\}" ;; *) winargs+=" $a" ;; esac
    done
    printf '"%s"%s >"%s" 2>"%s"\r\necho %%ERRORLEVEL%% >"%s"\r\n' \
        "Z:${TOOL_BUILD//\//\\}\\tools\\lumio-tty.exe" "$winargs" \
        "Z:${work//\//\\}\\$i.wout" "Z:${work//\//\\}\\$i.werr" "Z:${work//\//\\}\\$i.wrc" \
        >>"$script"
done
printf 'exit /b 0\r\n' >>"$script"
"$wine_run" cmd /c "Z:${script//\//\\}" </dev/null || fail "cmd did not run the cases"
# Now and then Wine's cmd cannot start one program of the many (status 9009, "not
# recognised"): such a case runs once more on its own, as the only one.
for i in "${!cases[@]}"; do
    if [ "$(tr -d '\r ' <"$work/$i.wrc" 2>/dev/null)" = 9009 ]; then
        echo "case ${cases[$i]%%|*}: cmd could not start it; running it again"
        grep -F "\\$i.wout" "$script" | head -n1 >"$work/again.cmd"
        printf 'echo %%ERRORLEVEL%% >"%s"\r\n' "Z:${work//\//\\}\\$i.wrc" >>"$work/again.cmd"
        "$wine_run" cmd /c "Z:${work//\//\\}\\again.cmd" </dev/null
    fi
done

for i in "${!cases[@]}"; do
    name="${cases[$i]%%|*}"
    # shellcheck disable=SC2086
    "$linux_tty" ${cases[$i]#*|} >"$work/$i.lout" 2>"$work/$i.lerr" </dev/null
    echo $? >"$work/$i.lrc"
    cmp -s "$work/$i.lout" "$work/$i.wout" ||
        { fail "$name: stdout differs"; diff <(head -c 2000 "$work/$i.lout") <(head -c 2000 "$work/$i.wout") | head -6; }
    [ "$(tr -d ' \r' <"$work/$i.wrc")" = "$(cat "$work/$i.lrc")" ] ||
        fail "$name: exit status $(tr -d ' \r' <"$work/$i.wrc"), Linux $(cat "$work/$i.lrc")"
    # Messages name no paths in these cases, so they must match too.
    case "$name" in refusal | usage | usage-encoding)
        cmp -s "$work/$i.lerr" "$work/$i.werr" || fail "$name: stderr differs: $(cat "$work/$i.werr")" ;;
    esac
done
[ -s "$work/0.lout" ] || fail "the sample gave no trace"
finish "lumio-tty.exe traces equal the Linux ones in ${#cases[@]} cases"
