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

# Boots the prefix once; later calls only take the lock and return.
brelfx_wine_boot() {
  mkdir -p "$wine_root"
  (
    flock 9
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
      wineboot -i </dev/null >/dev/null 2>&1 || true
      wineserver -w </dev/null >/dev/null 2>&1 || true
    fi
    # Font faces for the help texts; imported again whenever the file changes.
    local fonts=$repo_root/scripts/wine-fonts.reg
    if ! cmp -s "$fonts" "$wine_root/wine-fonts.reg"; then
      wine regedit /S "Z:${fonts//\//\\}" </dev/null >/dev/null 2>&1 &&
        cp "$fonts" "$wine_root/wine-fonts.reg"
    fi
  ) 9>"$wine_root/boot.lock"
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
