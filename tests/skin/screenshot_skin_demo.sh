#!/usr/bin/env bash
# Shows the skin demo (a main window in the skin's look with a tool window of
# every skinned control kind) in a Wine virtual desktop under Xvfb and saves a
# screenshot of the screen.
#   bash tests/skin/screenshot_skin_demo.sh BUILD_DIR [OUTPUT.png]
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "${1:?build folder}" && pwd)
output=${2:-/tmp/quorvane-skin-demo.png}

source "$root/scripts/lib/wine-session.sh"
wine_session_start "$build"
# The demo closes itself after 8 seconds; the picture is taken before that.
(cd "$build/bin" && wine explorer /desktop=QuorvaneSkinDemo,900x620 skin_demo.exe 8 >/dev/null 2>&1) &
demo=$!
sleep 5
import -window root -crop 900x620+0+0 "$output"
wait "$demo" || true
echo "$output"
