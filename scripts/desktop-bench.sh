#!/usr/bin/env bash
# Benchmarks of the game-profile watch under Wine (not tests), run by hand
# inside a Wine session:
#   bash scripts/wine-session.sh bash scripts/desktop-bench.sh [SECONDS]
# Starts the monitor with the simulated keyboard and BrelOSD.exe in a
# scratch folder, and 20 idle stand-in programs (one of them in the
# foreground, no game); prints the monitor's CPU share over SECONDS (60) with
# the watch running, then the median cost of one foreground check through
# the real Toolhelp snapshot. Everything it started is closed by process id.
set -u
cd "$(dirname "$0")/.."
bin=$PWD/build/windows/bin
seconds=${1:-60}
work=$(mktemp -d "${TMPDIR:-/tmp}/brelfx-desktop-bench.XXXXXX")
cp "$bin/BrelFXMonitor.exe" "$bin/zendrel.dll" "$bin/BrelOSD.exe" "$work/"
mkdir -p "$work/config"
export BRELFX_SIM_STATE_FILE="Z:${work//\//\\}\\keyboard.bin"
quiet() { wine "$@" </dev/null >/dev/null 2>&1; }

quiet "$bin/brelfx-sim.exe" reset
pids=()
wine "$work/BrelFXMonitor.exe" </dev/null >/dev/null 2>&1 &
pids+=($!)
for i in $(seq -w 1 20); do
  cp "$bin/e2e/game_stand_in.exe" "$work/idle$i.exe"
  wine "$work/idle$i.exe" </dev/null >/dev/null 2>&1 &
  pids+=($!)
done
sleep 8  # the keyboard's arrival wait and the first sync

wine "$bin/process-usage.exe" BrelFXMonitor.exe "$seconds" </dev/null 2>&1
wine "$bin/foreground_check_bench.exe" 301 </dev/null 2>&1

quiet "$bin/brelfx-sim.exe" capture >/dev/null
for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
wait 2>/dev/null
rm -rf "$work"
