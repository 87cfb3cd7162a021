#!/usr/bin/env bash
# Runs a command inside one Wine session: a private prefix (booted once), a
# persistent wineserver and a virtual X display, all torn down afterwards.
#   bash scripts/wine-session.sh COMMAND [ARGS…]
set -u
. "$(dirname "$0")/wine-env.sh"

brelfx_wine_boot

brelfx_start_xvfb

# Keep the server up between test programs (each start would cost seconds).
wineserver -p </dev/null >/dev/null 2>&1

cleanup() {
  wineserver -k </dev/null >/dev/null 2>&1 || true
  kill "$xvfb_pid" 2>/dev/null || true
  wait "$xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT

"$@"
