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
source "$root/scripts/lib/screenshot.sh"
wine_session_start "$build"
for face in automatic manual pinged; do
  demo_screenshot "$out/net-pinger-$face.png" 1024x768 main pinger_demo.exe "$face" 8
done
