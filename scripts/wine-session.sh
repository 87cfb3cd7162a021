#!/usr/bin/env bash
# Runs a command inside one Wine session: a private prefix (booted once), a
# persistent wineserver and a virtual X display, all torn down afterwards.
#   bash scripts/wine-session.sh COMMAND [ARGS…]
set -u
. "$(dirname "$0")/wine-env.sh"

brelfx_wine_boot

# A free display number, chosen by Xvfb itself.
display_file=$(mktemp)
exec 3>"$display_file"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp </dev/null >/dev/null 2>&1 &
xvfb_pid=$!
exec 3>&-
for _ in $(seq 1 100); do
  [ -s "$display_file" ] && break
  sleep 0.05
done
export DISPLAY=":$(head -n1 "$display_file")"
rm -f "$display_file"

# Keep the server up between test programs (each start would cost seconds).
wineserver -p </dev/null >/dev/null 2>&1

cleanup() {
  wineserver -k </dev/null >/dev/null 2>&1 || true
  kill "$xvfb_pid" 2>/dev/null || true
  wait "$xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT

"$@"
