#!/usr/bin/env bash
# Start-up time of BrelFXOption.exe under Wine with the monitor and the
# simulated keyboard running: median of COUNT starts (default 10) from the
# process start to the first paint of the main window.
#   bash scripts/option-startup-bench.sh [COUNT]
set -eu
repo=$(cd "$(dirname "$0")/.." && pwd)
bin=$repo/build/windows/bin
[ -n "${BRELFX_IN_WINE_SESSION:-}" ] || exec env BRELFX_IN_WINE_SESSION=1 bash "$repo/scripts/wine-session.sh" bash "$0" "$@"
. "$repo/scripts/wine-env.sh"

folder=$(mktemp -d "${TMPDIR:-/tmp}/brelfx-startup.XXXXXX")
trap 'rm -rf "$folder"' EXIT
cp "$bin/BrelFXMonitor.exe" "$bin/BrelFXOption.exe" "$bin/zendrel.dll" "$folder/"
cp -r "$bin/help" "$folder/help"
mkdir -p "$folder/config"
export BRELFX_SIM_STATE_FILE="Z:${folder//\//\\}\\keyboard.bin"
wine "$bin/brelfx-sim.exe" reset </dev/null >/dev/null 2>&1

wine "$folder/BrelFXMonitor.exe" </dev/null >/dev/null 2>&1 &
monitor=$!
# Wait until the monitor has synchronised the keyboard (its host-state report).
for _ in $(seq 1 100); do
  wine "$bin/brelfx-sim.exe" capture 2>/dev/null </dev/null | grep -q "set   ok   15 03" && break
  sleep 0.2
done
wine "$bin/option-startup-bench.exe" "Z:${folder//\//\\}" "${1:-10}" </dev/null 2>&1 | tr -d '\r'
wine "$bin/brelfx-sim.exe" capture clear </dev/null >/dev/null 2>&1 || true
kill "$monitor" 2>/dev/null || true
wait "$monitor" 2>/dev/null || true
