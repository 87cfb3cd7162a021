#!/usr/bin/env bash
# Runs what BrelFX has so far under Wine with the simulated keyboard:
#   - builds the Windows programs (build/windows/bin, their shipping folder),
#   - resets the simulated keyboard and writes a default configuration into
#     build/run with brelfx-config, then shows it,
#   - prints the reports that sending it would write to the keyboard,
#   - opens the skin gallery window (in a virtual display when there is no
#     DISPLAY, where a screenshot is saved to build/run/gallery.png).
# The monitor and the option application join this script as they are built.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target brelfx-config zendrel brelfx-sim skin-gallery

bin=$PWD/build/windows/bin
run_dir=$PWD/build/run
mkdir -p "$run_dir"
# Wine's drive Z: is the Linux root.
export BRELFX_SIM_STATE_FILE="Z:${run_dir//\//\\}\\keyboard.bin"
config_dir="Z:${run_dir//\//\\}\\config-folder"

demo() {
  run() { wine "$@" </dev/null >"$run_dir/out.txt" 2>&1; local s=$?; cat "$run_dir/out.txt"; return $s; }
  echo "--- the simulated keyboard, factory state"
  run "$bin/brelfx-sim.exe" reset
  run "$bin/brelfx-sim.exe" dump 1 | head -20
  echo "--- brelfx-config init + show"
  run "$bin/brelfx-config.exe" init "$config_dir"
  run "$bin/brelfx-config.exe" show "$config_dir" | head -40
  echo "--- the first reports sending this configuration writes"
  run "$bin/brelfx-config.exe" reports "$config_dir" | head -12
  echo "--- the skin gallery"
  wine "$bin/skin-gallery.exe" </dev/null >/dev/null 2>&1 &
  local gallery=$!
  if [ -n "${BRELFX_VIRTUAL_DISPLAY:-}" ]; then
    sleep 8
    import -window root "$run_dir/gallery.png" && echo "screenshot: $run_dir/gallery.png"
    kill "$gallery" 2>/dev/null || true
  else
    echo "close the gallery window to finish"
    wait "$gallery" || true
  fi
}

if [ -z "${DISPLAY:-}" ]; then
  export BRELFX_VIRTUAL_DISPLAY=1
fi
export -f demo
export bin run_dir config_dir
if [ -n "${BRELFX_VIRTUAL_DISPLAY:-}" ]; then
  bash scripts/wine-session.sh bash -c demo
else
  . scripts/wine-env.sh
  brelfx_wine_boot
  demo
fi
