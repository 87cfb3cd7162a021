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
  ) 9>"$wine_root/boot.lock"
}
