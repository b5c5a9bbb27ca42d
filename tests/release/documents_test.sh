#!/usr/bin/env bash
# The documents of a release as the build tree makes and installs them: the manual pages
# render cleanly and describe every option the programs' --help shows; `cmake --install`
# puts them, the AppStream metadata, the Debian copyright and changelog in place; the
# metadata and the desktop entry validate; every version written down is the project's;
# and the Debian documents are made right from odd changelogs too.
# Called by CTest as: bash documents_test.sh <build-dir> <source-dir>
set -uo pipefail
source "$(dirname "$0")/../tools/lib.sh"
source "$(dirname "$0")/documents.sh"
build="$TOOL_BUILD"
src="$TOOL_SOURCE"
version="$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")"
[ -n "$version" ] || fail "no project version in $build/CMakeCache.txt"

# --- manual pages ---------------------------------------------------------------------
declare -A programs=([lumio]="$build/lumio" [lumio-tty]="$build/tools/lumio-tty"
    [qxrender]="$build/tools/qxrender" [qxinput]="$build/tools/qxinput")
for name in "${!programs[@]}"; do
    page="$src/docs/man/$name.1"
    [ -f "$page" ] || { fail "no manual page for $name"; continue; }
    check_man_page "$page" "$version"
    program="${programs[$name]}"
    if [ -x "$program" ]; then
        help="$("$program" --help 2>&1)" || fail "$name --help exited with $?"
        check_options_documented "$page" "$help"
    elif [ "$name" != lumio ] || grep -q '^LUMIO_QT:BOOL=ON' "$build/CMakeCache.txt"; then
        fail "$program was not built"
    fi
done

# --- what cmake --install puts in place -------------------------------------------------
prefix="$work/usr"
cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1 ||
    fail "cmake --install: $(tail -n 5 "$work/install.log")"
installed_pages=(lumio-tty qxrender qxinput)
grep -q '^LUMIO_QT:BOOL=ON' "$build/CMakeCache.txt" && installed_pages+=(lumio)
for name in "${installed_pages[@]}"; do
    gz="$prefix/share/man/man1/$name.1.gz"
    if [ -f "$gz" ]; then
        cmp -s <(zcat "$gz") "$src/docs/man/$name.1" || fail "installed $name.1.gz is not docs/man/$name.1"
    else
        fail "not installed: share/man/man1/$name.1.gz"
    fi
done
doc="$prefix/share/doc/lumio"
[ -f "$doc/copyright" ] && check_copyright "$doc/copyright" "$src/LICENSE" || fail "no share/doc/lumio/copyright"
[ -f "$doc/changelog.gz" ] && check_debian_changelog "$doc/changelog.gz" "$src" "$version" ||
    fail "no share/doc/lumio/changelog.gz"
if grep -q '^LUMIO_QT:BOOL=ON' "$build/CMakeCache.txt"; then
    metainfo="$prefix/share/metainfo/io.github.lumio.Lumio.metainfo.xml"
    [ -f "$metainfo" ] || fail "not installed: share/metainfo/io.github.lumio.Lumio.metainfo.xml"
    [ -f "$prefix/share/applications/lumio.desktop" ] || fail "not installed: lumio.desktop"
fi
# The tree's own files, whatever was built, so a tree without Qt still checks them.
check_metainfo "$src/src/app/io.github.lumio.Lumio.metainfo.xml" "$src" lumio.desktop
report="$(desktop-file-validate "$src/src/app/lumio.desktop" 2>&1)"
[ -z "$report" ] || fail "desktop-file-validate: $report"

# --- the version, wherever it is written ------------------------------------------------
[ "$(changelog_releases "$src/CHANGELOG.md" | head -n1 | cut -d' ' -f1)" = "$version" ] ||
    fail "CHANGELOG.md's newest release is not $version"
grep -q "name=\"Lumio.Reader\" version=\"$version.0\"" "$src/src/win32/lumio.manifest" ||
    fail "the Windows manifest does not carry $version.0"

# --- the Debian documents from odd changelogs ---------------------------------------------
# Each case: a CHANGELOG.md, and the Debian changelog (without the trailer lines) or
# "error" when none can be made.
make_docs() {
    rm -rf "$work/case" "$work/out"
    mkdir -p "$work/case"
    cp "$src/LICENSE" "$work/case/"
    printf '%s' "$1" >"$work/case/CHANGELOG.md"
    bash "$src/packaging/debian/make_docs.sh" "$work/case" "$work/out" "A <a@example.org>" pkg \
        2>/dev/null || { echo error; return; }
    zcat "$work/out/changelog.gz" | grep -v '^ -- '
}
long="$(printf 'word%.0s ' $(seq 30))"
cases=(
    # Unreleased work is no entry; code quotes and link targets go; kinds stay.
    "## [Unreleased]
- not yet
## [1.2.0] - 2026-01-02
### Fixed
- \`--x\` works, see [the notes](https://example.org/n).
"
    "pkg (1.2.0) unstable; urgency=medium

  * Fixed:
    - --x works, see the notes.
"
    # An item over several lines is one item, wrapped at 78 columns.
    "## [2.0.0] - 2026-02-03
- ${long}
  and more
"
    "pkg (2.0.0) unstable; urgency=medium

    - word word word word word word word word word word word word word word
      word word word word word word word word word word word word word word
      word word and more
"
    # No release at all: no package may be made.
    "# Changelog
## [Unreleased]
- soon
"
    "error"
)
for ((i = 0; i < ${#cases[@]}; i += 2)); do
    got="$(make_docs "${cases[i]}")"
    [ "$got" = "${cases[i + 1]%$'\n'}" ] || fail "case $((i / 2 + 1)): got
$got"
done
# The date line of an entry: its weekday is the date's own.
make_docs "## [1.0.0] - 2026-12-09
- a
" >/dev/null
zcat "$work/out/changelog.gz" | grep -qx ' -- A <a@example.org>  Wed, 09 Dec 2026 00:00:00 +0000' ||
    fail "trailer: $(zcat "$work/out/changelog.gz" | grep '^ -- ')"

finish "release documents: all checks passed"
