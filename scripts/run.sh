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
#   bash scripts/run.sh upgrade      the firmware upgrade by hand: builds the upgrade program
#                                    and a test image of firmware 106, offers it in
#                                    build/run/BrelFX/FWUpdate, sets the keyboard to firmware
#                                    105 and starts the monitor, which starts the upgrade;
#                                    answer its question, watch the transfer; the monitor comes
#                                    back afterwards (Ctrl-C or run.sh stop ends the session)
#
# The programs run in build/run/BrelFX, a copy of the shipping folder
# (build/windows/shipping/BrelFX, what the zip and the installer carry) that each
# start refreshes as an upgrade install does: new programs, the session's
# config.ini and profile files kept. The keyboard keeps its state in
# build/run/keyboard.bin between runs; "sim reset" gives it back its factory state.
# The monitor's debug lines (why something could not start, …) go to
# build/run/monitor.log.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/wine-env.sh

bin=$PWD/build/windows/bin
shipping=$PWD/build/windows/shipping/BrelFX
run_dir=$PWD/build/run
app=$run_dir/BrelFX
session=$run_dir/session.env
# Wine's drive Z: is the Linux root.
export BRELFX_SIM_STATE_FILE="Z:${run_dir//\//\\}\\keyboard.bin"

# Runs a Windows program of the session with its output on this terminal (Wine's
# helpers keep no pipe open: they inherit /dev/null from the session start).
in_session() {
  [ -f "$session" ] || { echo "run.sh: no monitor session is running (start one with: bash scripts/run.sh)" >&2; exit 1; }
  . "$session"
  export DISPLAY
  brelfx_wine_output_via_file "$@"
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
    in_session "$app/BrelFXMonitor.exe" 1
    exit $?
    ;;
  stop)
    touch "$run_dir/stop"
    # taskkill without /f posts WM_CLOSE to the monitor's window: a clean shutdown.
    in_session taskkill /im BrelFXMonitor.exe
    exit $?
    ;;
  start | upgrade) ;;
  *)
    sed -n '2,31p' "$0" | sed 's/^# \{0,1\}//'
    exit 2
    ;;
esac

bash scripts/install-deps.sh >/dev/null
cmake --preset windows >/dev/null
targets=(shipping_folder brelfx-sim brelfx-talk-hub)
[ "${1:-start}" = upgrade ] && targets+=(upgrade_test_firmware)
cmake --build --preset windows --target "${targets[@]}"
# Programs and data replaced, settings the session changed kept.
mkdir -p "$app"
(cd "$shipping" && find . -type d) | while read -r folder; do mkdir -p "$app/$folder"; done
(cd "$shipping" && find . -type f) | while read -r file; do
  case $file in
    ./config.ini | ./config/*) cp -n "$shipping/$file" "$app/$file" ;;
    *) cp "$shipping/$file" "$app/$file" ;;
  esac
done
mkdir -p "$run_dir"
rm -f "$run_dir/stop"
# Only the upgrade session offers firmware: with an offer in place every start
# of the monitor would start the upgrade program.
rm -f "$app/FWUpdate/config.ini"
if [ "${1:-start}" = upgrade ]; then
  cp build/windows/test-firmware/* "$app/FWUpdate/"
fi
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
BrelFX monitor running under Wine (DISPLAY=$DISPLAY, folder $app, log $run_dir/monitor.log).
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
if [ "${1:-start}" = upgrade ]; then
  wine "$bin/brelfx-sim.exe" version 105 </dev/null >/dev/null 2>&1
  cat <<TEXT
The keyboard reports firmware 105; FWUpdate offers 106 ($(cd "$app/FWUpdate" && ls -- *.bin)).
The monitor starts the upgrade program and closes; press OK on its question. After the
success panel the monitor runs again and finds firmware 106 (bash scripts/run.sh sim dump).
Try a failure: bash scripts/run.sh sim fail-block 5 before pressing OK.
TEXT
  WINEDEBUG=-all,+debugstr wine "$app/BrelFXMonitor.exe" </dev/null >"$run_dir/monitor.log" 2>&1 || true
  # The monitor has handed over to the upgrade program, which starts it again.
  while [ ! -e "$run_dir/stop" ]; do sleep 1; done
  echo "The session has ended."
  exit 0
fi
# debugstr: the monitor's OutputDebugString lines reach the log.
WINEDEBUG=-all,+debugstr wine "$app/BrelFXMonitor.exe" 1 </dev/null >"$run_dir/monitor.log" 2>&1 || true
echo "The monitor has ended."
