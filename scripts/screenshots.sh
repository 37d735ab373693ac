#!/usr/bin/env bash
# Starts Quorvane in a Wine virtual desktop under a private Xvfb display and saves
# what a person sees: the home page, the about page, a tool window hosted in the
# main window, the home page's status line after an apply, and the tray balloon
# after hiding to the tray.
#   scripts/screenshots.sh [OUTPUT_FOLDER]   (default build/screenshots)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${QUORVANE_BUILD_DIR:-$root/build/i686}
out=${1:-$build/screenshots}
mkdir -p "$out"

source "$root/scripts/lib/build.sh"
quorvane_build "$root" "$build" quorvane

source "$root/scripts/lib/wine-session.sh"
WINEPREFIX_OVERRIDE=$build/screenshot-prefix wine_session_start "$build"
# Installed like a user would: C:\Quorvane, backups beside the program.
install_quorvane "$build"
# Each run starts from the same settings: the window, not the tray.
wine reg delete 'HKLM\SOFTWARE\Kestavo\Quorvane' /f >/dev/null 2>&1 || true

desktop_w=1024 desktop_h=768
(cd "$install_dir" && wine explorer /desktop=Quorvane,${desktop_w}x${desktop_h} quorvane.exe >/dev/null 2>&1 &)
sleep 6

# The main window is centred on the virtual desktop, 714 x 499 pixels; the movie
# starts 1 pixel left of it and 38 above, so movie point (x, y) is window (x-1, y-38).
win_x=$(( (desktop_w - 714) / 2 )) win_y=$(( (desktop_h - 499) / 2 ))
click_movie() {
  xdotool mousemove $((win_x + $1 - 1)) $((win_y + $2 - 38)) click 1
  sleep 1.5
}
shot() {
  xdotool mousemove 1000 700  # no hover look in the picture
  sleep 0.5
  import -window root -crop ${desktop_w}x${desktop_h}+0+0 "$out/$1.png"
  echo "screenshot: $out/$1.png"
}

shot home
click_movie 116 474   # About
shot about
click_movie 508 364   # Close, back home
click_movie 116 134   # Wizard Mode
shot tool-window
click_movie 413 379   # its Optimize Now: the home page says what was applied
shot home-status
click_movie 116 170   # Advanced Mode
shot advanced-mode
click_movie 116 206   # Backup Manager
click_movie 300 198   # the first backup, so Restore, Delete and Export... are enabled
shot backup-manager
click_movie 116 268   # Net Pinger
shot net-pinger
click_movie 116 304   # System Status, its charts running a few seconds
sleep 4
shot system-status
click_movie 116 340   # RAM Booster
shot ram-booster
click_movie 116 402   # Settings: the start-up options
shot startup-options
click_movie 651 60    # to the tray
sleep 1
shot tray-balloon
wineserver -k

# The balloon message box's faces come from its demo (the program itself calls
# only the tray notice, and only on the Windows 95 family).
wine_session_stop
trap - EXIT
bash "$root/scripts/screenshot-msgbox.sh" "$build" "$out"
