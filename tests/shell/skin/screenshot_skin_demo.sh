#!/usr/bin/env bash
# Shows the skin demo (a main window in the skin's look with a tool window of
# every skinned control kind) in a Wine virtual desktop under Xvfb and saves a
# screenshot of the screen.
#   bash tests/shell/skin/screenshot_skin_demo.sh BUILD_DIR [OUTPUT.png]
set -euo pipefail
root=$(cd "$(dirname "$0")/../../.." && pwd)
build=$(cd "${1:?build folder}" && pwd)
source "$root/scripts/lib/wine-session.sh"
source "$root/scripts/lib/screenshot.sh"
wine_session_start "$build"
demo_screenshot "${2:-/tmp/quorvane-skin-demo.png}" 900x620 desktop skin_demo.exe 8
