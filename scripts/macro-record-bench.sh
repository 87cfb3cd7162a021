#!/usr/bin/env bash
# The macro recorder under Wine: 201 key strokes with gaps of 1-200 ms into a
# recording editor pane; prints the p50/p99/max error of the recorded delays
# and the time of the recorder's hook procedure.
#   bash scripts/macro-record-bench.sh
set -eu
repo=$(cd "$(dirname "$0")/.." && pwd)
bin=$repo/build/windows/bin
[ -n "${BRELFX_IN_WINE_SESSION:-}" ] || exec env BRELFX_IN_WINE_SESSION=1 bash "$repo/scripts/wine-session.sh" bash "$0" "$@"
. "$repo/scripts/wine-env.sh"
# Wine's helper processes keep the output of the first program open: write
# to a file, not to a pipe.
out=$(mktemp "${TMPDIR:-/tmp}/brelfx-record-bench.XXXXXX")
trap 'rm -f "$out"' EXIT
wine "$bin/macro-record-bench.exe" </dev/null >"$out" 2>&1 || true
tr -d '\r' <"$out"
