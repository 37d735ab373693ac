#!/usr/bin/env bash
# Starts Quorvane in a Wine virtual desktop under a private Xvfb display and saves
# what a person sees, at 96, 120 and 144 dots per inch (the prefix's LogPixels):
# the home page, the about page, every tool window hosted in the main window, the
# home page's status line after an apply, the tray balloon after hiding to the
# tray, the balloon message box's three faces, and at 144 dpi the home page on a
# 1024 x 768 screen.
#   scripts/screenshots.sh [OUTPUT_FOLDER]   (default build/screenshots)
#   QUORVANE_SCREENSHOT_DPIS="144" scripts/screenshots.sh   (only some resolutions)
# Pictures land in OUTPUT_FOLDER/96dpi, .../120dpi and .../144dpi.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/lib/build.sh"
build=${QUORVANE_BUILD_DIR:-$(quorvane_default_build "$root")}
out=${1:-$build/screenshots}
mkdir -p "$out"

source "$root/scripts/lib/build.sh"
quorvane_build "$root" "$build" quorvane msgbox_demo

source "$root/scripts/lib/wine-session.sh"
source "$root/scripts/lib/screenshot.sh"
WINEPREFIX_OVERRIDE=$build/screenshot-prefix wine_session_start "$build"
# Installed like a user would: C:\Quorvane, backups beside the program.
install_quorvane "$build"

tour() {
  local dpi=$1 dir=$out/${1}dpi
  mkdir -p "$dir"
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
  # Each run starts from the same settings: the window, not the tray.
  wine reg delete 'HKLM\SOFTWARE\Kestavo\Quorvane' /f >/dev/null 2>&1 || true

  # A larger font needs a larger screen: the window is 714 x 499 pixels at 96 dpi.
  local desktop_w=1024 desktop_h=768
  [ "$dpi" -le 120 ] || desktop_w=1280 desktop_h=1024
  (cd "$install_dir" && wine explorer /desktop=Quorvane,${desktop_w}x${desktop_h} quorvane.exe >/dev/null 2>&1 &)
  sleep 6

  # The window (10710 x 7485 twips) is centred on the desktop; the movie, drawn for
  # 96 dpi and grown by dpi/96, starts 1 pixel left of it and 38 above (grown too).
  local win_w=$(( (10710 * dpi + 720) / 1440 )) win_h=$(( (7485 * dpi + 720) / 1440 ))
  local win_x=$(( (desktop_w - win_w) / 2 )) win_y=$(( (desktop_h - win_h) / 2 ))
  click_movie() {
    xdotool mousemove $((win_x + ($1 - 1) * dpi / 96)) $((win_y + ($2 - 38) * dpi / 96)) click 1
    sleep 1.5
  }
  shot() {
    xdotool mousemove $((desktop_w - 24)) $((desktop_h - 68))  # no hover look in the picture
    sleep 0.5
    import -window root -crop ${desktop_w}x${desktop_h}+0+0 "$dir/$1.png"
    echo "screenshot: $dir/$1.png"
  }

  shot home
  click_movie 116 474   # About
  shot about
  click_movie 508 364   # Close, back home
  click_movie 116 134   # Wizard Mode
  shot wizard-mode
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
  wineserver -k || true
  wineserver -p >/dev/null 2>&1 </dev/null

  # A screen too small for the window at this resolution: it shrinks to the work area.
  if [ "$dpi" = 144 ]; then
    (cd "$install_dir" && wine explorer /desktop=Quorvane,1024x768 quorvane.exe >/dev/null 2>&1 &)
    sleep 6
    import -window root -crop 1024x768+0+0 "$dir/home-1024x768.png"
    echo "screenshot: $dir/home-1024x768.png"
    wineserver -k || true
    wineserver -p >/dev/null 2>&1 </dev/null
  fi

  # The balloon message box's faces come from its demo (the program itself calls
  # only the tray notice, and only on the Windows 95 family).
  local face demo_desktop=$((800 * dpi / 96))x$((600 * dpi / 96))
  for face in message input notice; do
    DEMO_WAIT=4 demo_screenshot "$dir/msgbox-$face.png" "$demo_desktop" desktop msgbox_demo.exe "$face" 7
  done
  wineserver -k || true
  wineserver -p >/dev/null 2>&1 </dev/null
}

for dpi in ${QUORVANE_SCREENSHOT_DPIS:-96 120 144}; do tour "$dpi"; done
