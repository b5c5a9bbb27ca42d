# Shared preamble of the tool tests: a scratch folder removed on exit, a failure count,
# and the closing verdict. Sourced by the *.sh scripts here, which CTest runs as
# `bash script <build-dir> <source-dir>`.
TOOL_BUILD="$(cd "$1" && pwd)"
TOOL_SOURCE="$(cd "$2" && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
failures=0

fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# Ends the script: status 1 with the number of failed checks, else 0 and `$1`.
finish() {
    if [ "$failures" -ne 0 ]; then
        echo "$failures check(s) failed"
        exit 1
    fi
    echo "$1"
    exit 0
}
