#!/usr/bin/env bash
# Runs BrelFX under Wine with the simulated keyboard.
#
#   bash scripts/run.sh              build the Windows programs, start the monitor
#                                    (in a virtual display when there is no DISPLAY)
#                                    with "1", as an autostart entry with the option
#                                    flag does: the option window opens once the
#                                    keyboard is synchronised; wait until the monitor
#                                    ends (Ctrl-C stops everything)
#   bash scripts/run.sh sim CMD...   drive the simulated keyboard of the running
#                                    session: plug, unplug, press 5, profile 3, ...
#                                    (bash scripts/run.sh sim help lists them all)
#   bash scripts/run.sh hub [VERB …]  brelfx-talk-hub in the Talk hub's place: without a
#                                    verb it prints what the monitor sends and reads
#                                    verbs from this terminal (Ctrl-D says goodbye)
#   bash scripts/run.sh option       open the option application again from the monitor
#   bash scripts/run.sh stop         close the monitor
#
# The programs run in build/windows/bin, their shipping folder, so config.ini and
# the profile files appear there. The keyboard keeps its state in
# build/run/keyboard.bin between runs; "sim reset" gives it back its factory state.
# The monitor's debug lines (why something could not start, …) go to
# build/run/monitor.log.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/wine-env.sh

bin=$PWD/build/windows/bin
run_dir=$PWD/build/run
session=$run_dir/session.env
# Wine's drive Z: is the Linux root.
export BRELFX_SIM_STATE_FILE="Z:${run_dir//\//\\}\\keyboard.bin"

# Runs a Windows program of the session with its output on this terminal (Wine's
# helpers keep no pipe open: they inherit /dev/null from the session start).
in_session() {
  [ -f "$session" ] || { echo "run.sh: no monitor session is running (start one with: bash scripts/run.sh)" >&2; exit 1; }
  . "$session"
  export DISPLAY
  local out
  out=$(mktemp)
  set +e
  wine "$@" </dev/null >"$out" 2>&1
  local status=$?
  set -e
  cat "$out"
  rm -f "$out"
  return $status
}

case "${1:-start}" in
  sim)
    shift
    in_session "$bin/brelfx-sim.exe" "$@"
    exit $?
    ;;
  hub)
    shift
    if [ $# -gt 0 ]; then
      in_session "$bin/brelfx-talk-hub.exe" "$@"
      exit $?
    fi
    [ -f "$session" ] || { echo "run.sh: no monitor session is running (start one with: bash scripts/run.sh)" >&2; exit 1; }
    . "$session"
    export DISPLAY
    # Wine's helpers already run with /dev/null: the terminal may be the hub's.
    exec wine "$bin/brelfx-talk-hub.exe"
    ;;
  option)
    in_session "$bin/BrelFXMonitor.exe" 1
    exit $?
    ;;
  stop)
    # taskkill without /f posts WM_CLOSE to the monitor's window: a clean shutdown.
    in_session taskkill /im BrelFXMonitor.exe
    exit $?
    ;;
  start) ;;
  *)
    sed -n '2,23p' "$0" | sed 's/^# \{0,1\}//'
    exit 2
    ;;
esac

bash scripts/install-deps.sh >/dev/null
cmake --preset windows >/dev/null
targets=(BrelFXMonitor zendrel brelfx-sim brelfx-talk-hub)
# The option application, once the build has it; without it the monitor logs
# that it could not be started.
if ninja -C build/windows -t targets all 2>/dev/null | grep -q '^BrelFXOption:'; then
  targets+=(BrelFXOption)
fi
cmake --build --preset windows --target "${targets[@]}"
mkdir -p "$run_dir" "$bin/config"
brelfx_wine_boot

xvfb_pid=
if [ -z "${DISPLAY:-}" ]; then
  brelfx_start_xvfb
fi
echo "DISPLAY=$DISPLAY" >"$session"

cleanup() {
  rm -f "$session"
  wineserver -k </dev/null >/dev/null 2>&1 || true
  if [ -n "$xvfb_pid" ]; then
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
  fi
}
trap cleanup EXIT INT TERM

# Wine's helper processes start with this one; they must not hold the terminal.
wineserver -p </dev/null >/dev/null 2>&1
cat <<TEXT
BrelFX monitor running under Wine (DISPLAY=$DISPLAY, folder $bin, log $run_dir/monitor.log).
The option window opens once the keyboard is synchronised.
Drive the simulated keyboard from another terminal, for example:
  bash scripts/run.sh sim profile 3      the owner switches to profile 3 (config.ini follows)
  bash scripts/run.sh sim unplug         the keyboard leaves (Device=0); sim plug brings it back
  bash scripts/run.sh sim press 5        key item 5 goes down; sim release 5
  bash scripts/run.sh sim capture        every report and event that crossed the link
  bash scripts/run.sh sim help           all commands
  bash scripts/run.sh option             open the option window again after closing it
  bash scripts/run.sh stop               close the monitor (or press Ctrl-C here)
TEXT
# debugstr: the monitor's OutputDebugString lines reach the log.
WINEDEBUG=-all,+debugstr wine "$bin/BrelFXMonitor.exe" 1 </dev/null >"$run_dir/monitor.log" 2>&1 || true
echo "The monitor has ended."
