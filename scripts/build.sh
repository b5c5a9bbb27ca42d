#!/usr/bin/env bash
# scripts/build.sh <build-dir> [cmake options...]: configure and build one tree.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
dir="$1"; shift
cmake -S "$root" -B "$dir" "$@" >/dev/null
cmake --build "$dir" --parallel "$(nproc)"
