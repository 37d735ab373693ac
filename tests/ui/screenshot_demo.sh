#!/usr/bin/env bash
# Shows the control layer's demo form in a Wine virtual desktop under Xvfb and
# saves a screenshot of the screen.
#   bash tests/ui/screenshot_demo.sh BUILD_DIR [OUTPUT.png]
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "${1:?build folder}" && pwd)
output=${2:-/tmp/quorvane-ui-demo.png}

source "$root/scripts/lib/wine-session.sh"
wine_session_start "$build"
# The demo closes itself after 8 seconds; the picture is taken before that.
(cd "$build/bin" && wine explorer /desktop=QuorvaneUiDemo,800x560 ui_demo.exe 8 >/dev/null 2>&1) &
demo=$!
sleep 5
import -window root -crop 800x560+0+0 "$output"
wait "$demo" || true
echo "$output"
