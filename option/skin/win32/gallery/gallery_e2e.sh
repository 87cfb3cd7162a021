#!/usr/bin/env bash
# End-to-end test of the skin gallery under Wine + Xvfb: starts the gallery,
# drives it phase by phase with real input, and takes a screenshot after the
# phases worth seeing. Run inside scripts/wine-session.sh (it needs DISPLAY).
#   gallery_e2e.sh GALLERY_EXE DRIVER_EXE SCREENSHOT_FOLDER
set -u
gallery=$1 driver=$2 shots=$3
. "$(dirname "$0")/../../../../scripts/wine-env.sh"

mkdir -p "$shots"
work=$(mktemp -d "${TMPDIR:-/tmp}/brelfx-gallery.XXXXXX")
trace=$work/trace.txt
: >"$trace"
win_trace="Z:${trace//\//\\}"

wine "$gallery" --trace "$win_trace" </dev/null >"$work/gallery.log" 2>&1 &
gallery_pid=$!

status=0
phase() {
  # Each phase is bounded; a hang fails the test instead of stalling CI.
  if ! timeout 60 wine "$driver" "$win_trace" "$1" </dev/null >"$work/$1.log" 2>&1; then
    status=1
  fi
  grep -E '^(ok|FAIL)' "$work/$1.log" || cat "$work/$1.log"
}
shot() {
  sleep 0.5
  import -window root "$shots/$1" && echo "screenshot: $shots/$1"
}

phase interact
shot gallery.png
phase menu-open
shot gallery-menu.png
phase menu-choose
phase keyboard
phase list-edit-open
shot gallery-list.png
phase list-edit-commit
phase dialog-open
shot gallery-confirm.png
phase dialog-close
phase notice-open
shot gallery-notice.png
phase notice-close
phase popup-open
shot gallery-popup.png
phase popup-choose
shot gallery-after.png
phase close

# The gallery ends with its close button; never leave it behind.
for _ in $(seq 1 50); do
  kill -0 "$gallery_pid" 2>/dev/null || break
  sleep 0.1
done
if kill -0 "$gallery_pid" 2>/dev/null; then
  echo "FAIL: the gallery is still running"
  kill "$gallery_pid" 2>/dev/null
  status=1
fi
wait "$gallery_pid" 2>/dev/null
echo "--- owner messages seen"
cat "$trace"
rm -rf "$work"
[ $status -eq 0 ] && echo "gallery end-to-end: passed" || echo "gallery end-to-end: FAILED"
exit $status
