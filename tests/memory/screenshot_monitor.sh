#!/usr/bin/env bash
# Shows the system status window, its charts running for a while, and then the
# RAM configuration, each hosted in the main window in a Wine virtual desktop
# under Xvfb, and saves a screenshot of the main window for each.
#   bash tests/memory/screenshot_monitor.sh BUILD_DIR [OUTPUT_FOLDER]
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "${1:?build folder}" && pwd)
out=${2:-/tmp}
mkdir -p "$out"

source "$root/scripts/lib/wine-session.sh"
wine_session_start "$build"
desktop_w=1024 desktop_h=768
# The main window is centred on the desktop, 714 x 499 pixels.
win_x=$(( (desktop_w - 714) / 2 )) win_y=$(( (desktop_h - 499) / 2 ))
for face in status:system-status:16 ram:ram-booster:5; do
  IFS=: read -r which name wait <<<"$face"
  (cd "$build/bin" && wine explorer /desktop=QuorvaneMonitorDemo,${desktop_w}x${desktop_h} \
    monitor_demo.exe "$which $((wait + 4))" >/dev/null 2>&1) &
  demo=$!
  sleep "$wait"
  import -window root -crop 714x499+${win_x}+${win_y} "$out/$name.png"
  echo "$out/$name.png"
  wait "$demo" || true
done
