#!/usr/bin/env bash
# Shows the balloon message box's three faces in a Wine virtual desktop under
# Xvfb and saves a screenshot of each: the three-button message box, the input
# box and the notice that hiding to the tray shows on the Windows 95 family.
#   bash scripts/screenshot-msgbox.sh [BUILD_DIR] [OUTPUT_DIR]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/lib/build.sh"
build=$(cd "${1:-${QUORVANE_BUILD_DIR:-$(quorvane_default_build "$root")}}" && pwd)
output=${2:-/tmp}
mkdir -p "$output"
[ -f "$build/bin/msgbox_demo.exe" ] || cmake --build "$build" --target msgbox_demo -j 2 >/dev/null

source "$root/scripts/lib/wine-session.sh"
source "$root/scripts/lib/screenshot.sh"
wine_session_start "$build"
DEMO_WAIT=4 demo_screenshot "$output/quorvane-msgbox-message.png" 800x600 desktop msgbox_demo.exe message 7
DEMO_WAIT=4 demo_screenshot "$output/quorvane-msgbox-input.png" 800x600 desktop msgbox_demo.exe input 7
DEMO_WAIT=4 demo_screenshot "$output/quorvane-msgbox-notice.png" 800x600 desktop msgbox_demo.exe notice 7
