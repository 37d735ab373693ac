#!/usr/bin/env bash
# Shows the net pinger hosted in the main window in a Wine virtual desktop under
# Xvfb and saves a screenshot of the main window for each face: automatic mode,
# manual mode, and after "Ping Now" (a real echo to 127.0.0.1).
#   bash tests/pinger/screenshot_pinger.sh BUILD_DIR [OUTPUT_FOLDER]
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
for face in automatic manual pinged; do
  (cd "$build/bin" && wine explorer /desktop=QuorvanePinger,${desktop_w}x${desktop_h} pinger_demo.exe $face 8 \
    >/dev/null 2>&1) &
  demo=$!
  sleep 5
  import -window root -crop 714x499+${win_x}+${win_y} "$out/net-pinger-$face.png"
  wait "$demo" || true
  echo "$out/net-pinger-$face.png"
done
