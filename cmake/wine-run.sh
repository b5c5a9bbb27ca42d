#!/usr/bin/env bash
# Runs a Windows program of the cross build under Wine, quietly, in the prefix named by
# WINEPREFIX (scripts/test.sh gives each run its own); without one, in a prefix of the
# user's kept in TMPDIR, so that the set-up of a new prefix is paid once.
set -euo pipefail
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEPREFIX="${WINEPREFIX:-${TMPDIR:-/tmp}/lumio-wine-$(id -u)}"
# The 64-bit loader itself: the `wine` script warns on stderr that there is no 32-bit
# Wine, which is true and beside the point.
loader=/usr/lib/wine/wine64
[ -x "$loader" ] || loader="$(command -v wine64 || command -v wine)"
exec "$loader" "$@"
