#!/usr/bin/env bash
# Runs the layout test program at 96, 120 and 144 dots per inch, in one copy of
# the test prefix whose LogPixels is set before each run (Wine reads it as a
# program starts), on a large screen and on the small screens where the window
# must shrink to fit: 144 dpi on 1024 x 768 and 120 dpi on 800 x 600, each on an
# X display of that size.
#   dpi_layout.sh TEST_EXE BASE_PREFIX WORK_FOLDER
set -uo pipefail
exe=$1 base=$2 work=$3
source "$(dirname "$0")/../support/checks.sh"
source "$(dirname "$0")/../../scripts/lib/wine-session.sh"

export WINEPREFIX=$work/dpi
rm -rf "$WINEPREFIX"
mkdir -p "$work"
# Hard links keep the copy quick; the registry files are real copies, as Wine rewrites them.
cp -al "$base" "$WINEPREFIX"
for f in system.reg user.reg userdef.reg; do cp --remove-destination "$base/$f" "$WINEPREFIX/$f"; done

large_display=${DISPLAY:-}
for run in "96 large" "120 large" "144 large" "144 1024x768" "120 800x600"; do
  read -r dpi screen <<<"$run"
  screen_pid=""
  if [ "$screen" != large ]; then
    n=$(_ws_free_display) || { fail "no free X display for $screen"; continue; }
    Xvfb ":$n" -screen 0 "${screen}x24" -nolisten tcp >/dev/null 2>&1 &
    screen_pid=$!
    for i in $(seq 1 50); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done
    export DISPLAY=":$n"
  fi
  # A server of its own for each screen: Wine's desktop takes its size from the first program.
  wineserver -p >/dev/null 2>&1 </dev/null
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
  out=$(cd "$(dirname "$exe")" && QUORVANE_EXPECTED_DPI=$dpi wine "$(basename "$exe")" --no-intro --force-colors=false 2>&1)
  rc=$?
  expect_eq "layout at $dpi dpi on the $screen screen" "$rc" 0
  [ "$rc" = 0 ] || echo "$out" >&2
  wineserver -k >/dev/null 2>&1; wineserver -w >/dev/null 2>&1
  if [ -n "$screen_pid" ]; then
    kill "$screen_pid" 2>/dev/null; wait "$screen_pid" 2>/dev/null
    export DISPLAY=$large_display
  fi
done

rm -rf "$WINEPREFIX"
checks_summary
