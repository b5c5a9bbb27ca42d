#!/usr/bin/env bash
# packaging/debian/make_docs.sh SOURCE-DIR OUT-DIR "NAME <EMAIL>" PACKAGE
# Writes the two documents Debian wants of every package, made from the project's own so
# they can never disagree with them:
#   OUT-DIR/copyright     the licence in Debian's machine-readable copyright format
#   OUT-DIR/changelog.gz  CHANGELOG.md as a Debian changelog, one entry per release
set -euo pipefail
src="$1" out="$2" maintainer="$3" package="$4"
mkdir -p "$out"

# The copyright holder and year come from LICENSE's own "Copyright (c)" line.
holder="$(sed -n 's/^Copyright (c) //p' "$src/LICENSE" | head -n1)"
[ -n "$holder" ] || { echo "make_docs.sh: LICENSE has no 'Copyright (c)' line" >&2; exit 1; }
{
    cat <<HEAD
Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/
Upstream-Name: Lumio
Upstream-Contact: $maintainer

Files: *
Copyright: $holder
License: Expat
HEAD
    # The licence's text from its grant onwards; a blank line is " ." in this format.
    sed -n '/^Permission is hereby granted/,$p' "$src/LICENSE" | sed -e 's/^$/./' -e 's/^/ /'
} >"$out/copyright"

# Each "## [X.Y.Z] - YYYY-MM-DD" section becomes an entry: its "### Kind" headings as
# "  * Kind:" and its items as "    - " lines wrapped at 78 columns. Markdown's code
# quotes and link targets are left out.
awk -v package="$package" -v maintainer="$maintainer" '
function flush_item(   words, n, i, line, link) {
    if (item == "") return
    gsub(/`/, "", item)
    while (match(item, /\[[^]]*\]\([^)]*\)/)) {
        link = substr(item, RSTART, RLENGTH)
        sub(/\]\(.*/, "", link)
        item = substr(item, 1, RSTART - 1) substr(link, 2) substr(item, RSTART + RLENGTH)
    }
    n = split(item, words, " ")
    line = "    -"
    for (i = 1; i <= n; i++) {
        if (length(line) + 1 + length(words[i]) > 78) {
            print line
            line = "     "
        }
        line = line " " words[i]
    }
    print line
    item = ""
}
function close_entry() {
    flush_item()
    if (version != "") {
        cmd = "date -u -R -d " date
        cmd | getline stamp
        close(cmd)
        print ""
        print " -- " maintainer "  " stamp
        print ""
    }
    version = ""
}
/^## \[[0-9]+\.[0-9]+\.[0-9]+\] - [0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]$/ {
    close_entry()
    version = substr($2, 2, length($2) - 2)
    date = $4
    printf "%s (%s) unstable; urgency=medium\n\n", package, version
    next
}
/^## / { close_entry(); next }
version == "" { next }
/^### / { flush_item(); print "  * " substr($0, 5) ":"; next }
/^- / { flush_item(); item = substr($0, 3); next }
/^  +[^ ]/ && item != "" { sub(/^ +/, ""); item = item " " $0; next }
/^$/ { flush_item(); next }
END { close_entry() }
' "$src/CHANGELOG.md" | sed '${/^$/d}' >"$out/changelog"
grep -q "^$package (" "$out/changelog" || { echo "make_docs.sh: no release in CHANGELOG.md" >&2; exit 1; }
gzip -9nf "$out/changelog"
