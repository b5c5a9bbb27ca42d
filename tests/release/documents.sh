# Checks of the documents every release carries, shared by the tests of the build tree
# (documents_test.sh) and of the release files (check_release.sh). Each check calls
# `fail` (which the sourcing script defines) for every fault it finds.

# The releases of CHANGELOG.md, newest first, as "VERSION DATE" lines.
changelog_releases() {
    sed -n 's/^## \[\([0-9][0-9.]*\)\] - \([0-9-]*\)$/\1 \2/p' "$1"
}

# A manual page (plain or gzipped) that man and groff render without a warning, whose
# header names the version and whose NAME line has the form whatis reads.
check_man_page() {
    local page="$1" version="$2" text name
    name="$(basename "$page")"
    text="$(zcat -f "$page")"
    local warnings
    warnings="$(MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)"
    [ -z "$warnings" ] || fail "man warns about $name: $warnings"
    warnings="$(groff -ww -k -man -Tutf8 -z <<<"$text" 2>&1)"
    [ -z "$warnings" ] || fail "groff warns about $name: $warnings"
    grep -q "^\.TH [A-Z-]* 1 [0-9-]* \"Lumio $version\" \"User Commands\"$" <<<"$text" ||
        fail "$name: its .TH line does not name Lumio $version"
    grep -A1 '^\.SH NAME$' <<<"$text" | grep -q '^[a-z-]*\(\\-[a-z]*\)* \\- ' ||
        fail "$name: the NAME section is not 'program \\- what it does'"
}

# Every long option that a program's --help text shows has an entry of its own in the
# OPTIONS section of its manual page: a tag line at the rendered page's first indent
# ("-h, --help", "--size WxH"), so a mere mention in passing does not count.
check_options_documented() {
    local page="$1" help="$2" rendered option
    rendered="$(MANWIDTH=200 man -l "$page" 2>/dev/null | sed -n '/^OPTIONS$/,/^[A-Z]/p')"
    for option in $(grep -o -- '--[a-z][a-z-]*' <<<"$help" | sort -u); do
        grep -qE -- "^ {7}(-[a-zA-Z], )?$option( |,|$)" <<<"$rendered" ||
            fail "$(basename "$page") has no entry for $option"
    done
}

# The AppStream metadata: valid, its releases those of the changelog in the same order,
# its desktop entry the one given, its screenshots the README's pictures under docs/.
check_metainfo() {
    local file="$1" source="$2" desktop_id="$3" report
    report="$(appstreamcli validate --no-net "$file" 2>&1)" ||
        fail "appstreamcli rejects $(basename "$file"): $report"
    local listed expected
    listed="$(grep -o '<release version="[^"]*" date="[^"]*"' "$file" |
        sed 's/<release version="\([^"]*\)" date="\([^"]*\)"/\1 \2/')"
    expected="$(changelog_releases "$source/CHANGELOG.md")"
    [ -n "$expected" ] && [ "$listed" = "$expected" ] ||
        fail "the metadata's releases ($(tr '\n' ',' <<<"$listed")) are not the changelog's ($(tr '\n' ',' <<<"$expected"))"
    grep -q "<launchable type=\"desktop-id\">$desktop_id</launchable>" "$file" ||
        fail "the metadata does not launch $desktop_id"
    grep -q '<name xml:lang="zh_CN">' "$file" && grep -q '<summary xml:lang="zh_CN">' "$file" &&
        grep -q '<p xml:lang="zh_CN">' "$file" || fail "the metadata has no Simplified Chinese"
    local shots=0 url picture
    for url in $(sed -n 's:.*<image>\(.*\)</image>.*:\1:p' "$file"); do
        picture="docs/${url##*/docs/}"
        shots=$((shots + 1))
        [ -f "$source/$picture" ] || fail "screenshot $url is no file of the tree"
        grep -qF "($picture)" "$source/README.md" || fail "screenshot $picture is not in the README"
    done
    [ "$shots" -gt 0 ] || fail "the metadata shows no screenshot"
}

# Debian's machine-readable copyright file, whose licence is LICENSE's word for word.
check_copyright() {
    local file="$1" license="$2"
    head -n1 "$file" | grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
        fail "copyright: not in the machine-readable format"
    grep -qx 'Files: \*' "$file" && grep -qx 'License: Expat' "$file" ||
        fail "copyright: no 'Files: *' paragraph under the Expat (MIT) licence"
    grep -qx "Copyright: $(sed -n 's/^Copyright (c) //p' "$license")" "$file" ||
        fail "copyright: the holder is not LICENSE's"
    cmp -s <(sed -n '/^License: Expat$/,$p' "$file" | tail -n +2 | sed -e 's/^ //' -e 's/^\.$//') \
        <(sed -n '/^Permission is hereby granted/,$p' "$license") ||
        fail "copyright: the licence text differs from LICENSE"
}

# The package's changelog.gz: gzip at its best and without a time stamp, a Debian
# changelog whose entries are the releases of CHANGELOG.md, the newest the version given.
check_debian_changelog() {
    local file="$1" source="$2" version="$3" scratch
    scratch="$(mktemp)"
    zcat "$file" >"$scratch" || fail "changelog.gz is not gzip"
    # Header bytes 4-7: the time stamp; byte 8: 2 for the best compression.
    [ "$(od -An -tx1 -j4 -N5 "$file" | tr -d ' \n')" = 0000000002 ] ||
        fail "changelog.gz has a time stamp or is not compressed at its best"
    local entries expected
    entries="$(dpkg-parsechangelog -l "$scratch" --format rfc822 --all 2>&1 | sed -n 's/^Version: //p')"
    expected="$(changelog_releases "$source/CHANGELOG.md" | cut -d' ' -f1)"
    [ "$entries" = "$expected" ] ||
        fail "the Debian changelog's versions ($(tr '\n' ' ' <<<"$entries")) are not the changelog's"
    [ "$(dpkg-parsechangelog -l "$scratch" -S Version 2>/dev/null)" = "$version" ] ||
        fail "the Debian changelog's newest entry is not $version"
    rm -f "$scratch"
}
