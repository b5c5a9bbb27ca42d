#!/usr/bin/env bash
# Builds Lumio and plays the bundled sample novel.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
scripts/install-deps.sh
scripts/build.sh build
exec build/tools/lumio-tty "$@" data/sample.txt
