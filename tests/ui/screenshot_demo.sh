#!/usr/bin/env bash
# Shows the control layer's demo form in a Wine virtual desktop under Xvfb and
# saves a screenshot of the screen.
#   bash tests/ui/screenshot_demo.sh BUILD_DIR [OUTPUT.png]
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "${1:?build folder}" && pwd)
source "$root/scripts/lib/wine-session.sh"
source "$root/scripts/lib/screenshot.sh"
wine_session_start "$build"
demo_screenshot "${2:-/tmp/quorvane-ui-demo.png}" 800x560 desktop ui_demo.exe 8
