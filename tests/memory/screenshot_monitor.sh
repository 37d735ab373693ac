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
source "$root/scripts/lib/screenshot.sh"
wine_session_start "$build"
DEMO_WAIT=16 demo_screenshot "$out/system-status.png" 1024x768 main monitor_demo.exe "status 20"
DEMO_WAIT=5 demo_screenshot "$out/ram-booster.png" 1024x768 main monitor_demo.exe "ram 9"
