#!/usr/bin/env bash
# Shows the balloon message box's three faces in a Wine virtual desktop under
# Xvfb and saves a screenshot of each: the three-button message box, the input
# box and the notice that hiding to the tray shows on the Windows 95 family.
#   bash scripts/screenshot-msgbox.sh [BUILD_DIR] [OUTPUT_DIR]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-${QUORVANE_BUILD_DIR:-$root/build/i686}}" && pwd)
output=${2:-/tmp}
mkdir -p "$output"
[ -f "$build/bin/msgbox_demo.exe" ] || cmake --build "$build" --target msgbox_demo -j 2 >/dev/null

source "$root/scripts/lib/wine-session.sh"
wine_session_start "$build"

shoot() {  # face, picture name
  (cd "$build/bin" && wine explorer /desktop=QuorvaneBalloon,800x600 msgbox_demo.exe "$1" 7 >/dev/null 2>&1) &
  local demo=$!
  sleep 4
  import -window root -crop 800x600+0+0 "$output/$2"
  wait "$demo" || true
  echo "$output/$2"
}

shoot message quorvane-msgbox-message.png
shoot input quorvane-msgbox-input.png
shoot notice quorvane-msgbox-notice.png
