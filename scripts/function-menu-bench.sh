#!/usr/bin/env bash
# Click-to-painted time of a key's function menu under Wine with full lists
# (100 macro sets of 100 macros, 50 timers, 20 devices): median of COUNT
# opens (default 20).
#   bash scripts/function-menu-bench.sh [COUNT]
set -eu
repo=$(cd "$(dirname "$0")/.." && pwd)
bin=$repo/build/windows/bin
[ -n "${BRELFX_IN_WINE_SESSION:-}" ] || exec env BRELFX_IN_WINE_SESSION=1 bash "$repo/scripts/wine-session.sh" bash "$0" "$@"
. "$repo/scripts/wine-env.sh"
# Wine's helper processes keep the output of the first program open: write
# to a file, not to a pipe.
out=$(mktemp "${TMPDIR:-/tmp}/brelfx-menu-bench.XXXXXX")
trap 'rm -f "$out"' EXIT
wine "$bin/function-menu-bench.exe" "${1:-20}" </dev/null >"$out" 2>&1 || true
tr -d '\r' <"$out"
