#!/usr/bin/env bash
# Shows the main window with the advanced wizard on each of its eight pages in a
# Wine virtual desktop under Xvfb and saves one screenshot of the window per page.
#   bash tests/optimizer/advanced/screenshot_advanced_pages.sh BUILD_DIR [OUTPUT_FOLDER]
set -euo pipefail
root=$(cd "$(dirname "$0")/../../.." && pwd)
build=$(cd "${1:?build folder}" && pwd)
out=${2:-/tmp/quorvane-advanced}
mkdir -p "$out"
source "$root/scripts/lib/wine-session.sh"
source "$root/scripts/lib/screenshot.sh"
wine_session_start "$build"
for page in 0 1 2 3 4 5 6 7; do
  demo_screenshot "$out/advanced-page-$((page + 1)).png" 1024x768 main advanced_demo.exe "$page 7"
done
