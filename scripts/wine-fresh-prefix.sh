#!/usr/bin/env bash
# Runs one Windows program in a Wine prefix nothing has touched yet: a copy of
# the prefix as wineboot left it (kept under build/wine/pristine; booting
# costs about 25 s here, the copy about 2 s). The program gets a wineserver of
# its own, so it shares no named object or window with the session's tests,
# and the session's display. The prefix is deleted afterwards.
#   bash scripts/wine-fresh-prefix.sh PROGRAM [ARGS…]
set -u
. "$(dirname "$0")/wine-env.sh"
brelfx_wine_pristine

export WINEPREFIX
WINEPREFIX=$(mktemp -d "$wine_root/fresh.XXXXXX")
cleanup() {
  wineserver -k </dev/null >/dev/null 2>&1 || true
  rm -rf "$WINEPREFIX"
}
trap cleanup EXIT
cp -a "$wine_root/pristine/." "$WINEPREFIX/"
wineserver -p </dev/null >/dev/null 2>&1
brelfx_wine_output_via_file "$@"
