#!/usr/bin/env bash
# Start-up time of BrelFXOption.exe under Wine with the monitor and the
# simulated keyboard running: median of COUNT starts (default 10) from the
# process start to the first paint of the main window, beside the floor (a
# program that only shows one plain window), and the median time of each
# start-up step (BrelFXOption.exe notes them when BRELFX_STARTUP_TRACE names a
# file). The machine's load average is printed before and after: on a busy
# machine every figure grows.
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
echo "load average before: $(cut -d' ' -f1-3 /proc/loadavg)"
# The floor: a program that shows one plain window with the same title,
# timed in the same rounds so that both see the same machine load.
floor=$folder/floor
mkdir -p "$floor"
cp "$bin/option-startup-floor.exe" "$floor/BrelFXOption.exe"
export BRELFX_STARTUP_TRACE="Z:${folder//\//\\}\\trace.txt"
wine "$bin/option-startup-bench.exe" "Z:${folder//\//\\}" "${1:-10}" "Z:${floor//\//\\}" </dev/null 2>&1 | tr -d '\r'
echo "load average after: $(cut -d' ' -f1-3 /proc/loadavg)"
# Each step's median over the starts, in the order the steps come.
echo "where the time goes (ms since the process was created, median of the starts):"
awk '/^--/ {next}
     { ms = $1; $1 = ""; $2 = ""; step = substr($0, 3)
       if (!(step in seen)) { seen[step] = ++steps; name[steps] = step }
       value[step, ++count[step]] = ms }
     END { for (i = 1; i <= steps; i++) {
             s = name[i]; n = count[s]
             for (a = 1; a <= n; a++) for (b = a + 1; b <= n; b++)
               if (value[s, b] + 0 < value[s, a] + 0) { t = value[s, a]; value[s, a] = value[s, b]; value[s, b] = t }
             printf "  %8.1f  %s\n", value[s, int((n + 1) / 2)], s } }' "$folder/trace.txt"
wine "$bin/brelfx-sim.exe" capture clear </dev/null >/dev/null 2>&1 || true
kill "$monitor" 2>/dev/null || true
wait "$monitor" 2>/dev/null || true
