#!/usr/bin/env bash
# Shows the main window with the advanced wizard on each of its eight pages in a
# Wine virtual desktop under Xvfb and saves one screenshot of the window per page.
#   bash tests/advanced/screenshot_advanced_pages.sh BUILD_DIR [OUTPUT_FOLDER]
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "${1:?build folder}" && pwd)
out=${2:-/tmp/quorvane-advanced}
mkdir -p "$out"

source "$root/scripts/lib/wine-session.sh"
wine_session_start "$build"
# The main window is centred on the 1024 x 768 desktop, 714 x 499 pixels.
desktop_w=1024 desktop_h=768
win_x=$(( (desktop_w - 714) / 2 )) win_y=$(( (desktop_h - 499) / 2 ))
for page in 0 1 2 3 4 5 6 7; do
  (cd "$build/bin" && wine explorer /desktop=QuorvaneAdvanced,${desktop_w}x${desktop_h} \
     advanced_demo.exe "$page 7" >/dev/null 2>&1) &
  demo=$!
  sleep 5
  import -window root -crop 714x499+${win_x}+${win_y} "$out/advanced-page-$((page + 1)).png"
  wait "$demo" || true
  echo "$out/advanced-page-$((page + 1)).png"
done
