# Sourced by the Wine scripts: a private, prompt-free Wine environment under
# build/wine so tests never touch the user's own prefix.
repo_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
wine_root=${BRELFX_WINE_ROOT:-$repo_root/build/wine}
export WINEPREFIX=$wine_root/prefix
export HOME=$wine_root/home
export WINEARCH=win64
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d;winealsa.drv,winepulse.drv="
mkdir -p "$HOME"

# Runs a Windows program with its output passed on afterwards through a file:
# Wine's helper processes inherit stdout/stderr and outlive the program, so
# a pipe would keep the reader (CTest, $(…), | tail) waiting for EOF.
# Returns the program's exit status.
brelfx_wine_output_via_file() {
  local out status
  out=$(mktemp "${TMPDIR:-/tmp}/brelfx-wine.XXXXXX")
  # Safe under set -e: a failing program still has its output shown.
  wine "$@" </dev/null >"$out" 2>&1 && status=0 || status=$?
  cat "$out"
  rm -f "$out"
  # A program that dies early may leave no output of its own.
  [ "$status" -eq 0 ] || echo "wine-env: $1 ended with status $status" >&2
  return $status
}

# Boots the prefix once; later calls only take the lock and return.
brelfx_wine_boot() {
  mkdir -p "$wine_root"
  (
    flock 9
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
      wineboot -i </dev/null >/dev/null 2>&1 || true
      wineserver -w </dev/null >/dev/null 2>&1 || true
      brelfx_keep_pristine_copy "$WINEPREFIX"
    fi
    # Font faces for the help texts; imported again whenever the file changes.
    local fonts=$repo_root/scripts/wine-fonts.reg
    if ! cmp -s "$fonts" "$wine_root/wine-fonts.reg"; then
      wine regedit /S "Z:${fonts//\//\\}" </dev/null >/dev/null 2>&1 &&
        cp "$fonts" "$wine_root/wine-fonts.reg"
    fi
  ) 9>"$wine_root/boot.lock"
}

# Keeps the prefix as wineboot left it for the tests that need an untouched
# one (scripts/wine-fresh-prefix.sh): copying it is far quicker than a boot.
brelfx_keep_pristine_copy() {
  rm -rf "$wine_root/pristine.new"
  cp -a "$1" "$wine_root/pristine.new" && mv "$wine_root/pristine.new" "$wine_root/pristine"
}

# Makes the pristine prefix when an older session prefix was booted without
# keeping one; boots it on a wineserver of its own.
brelfx_wine_pristine() {
  mkdir -p "$wine_root"
  (
    flock 9
    if [ ! -f "$wine_root/pristine/system.reg" ]; then
      local boot=$wine_root/pristine.boot
      rm -rf "$boot"
      WINEPREFIX=$boot wineboot -i </dev/null >/dev/null 2>&1 || true
      WINEPREFIX=$boot wineserver -w </dev/null >/dev/null 2>&1 || true
      mv "$boot" "$wine_root/pristine"
    fi
  ) 9>"$wine_root/pristine.lock"
}

# Starts Xvfb on a display number it picks itself; sets DISPLAY and
# xvfb_pid (kill it when done).
brelfx_start_xvfb() {
  local display_file
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
}
