#!/usr/bin/env bash
# Runs the installer and then the uninstaller by hand, as a user would, in a Wine
# virtual desktop under Xvfb, in a fresh prefix of their own, pressing through the
# pages with the keyboard and saving a screenshot of each page.
#   bash scripts/screenshot-installer.sh [OUTPUT_FOLDER]   (default build/screenshots)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/lib/build.sh"
build=${QUORVANE_BUILD_DIR:-$(quorvane_default_build "$root")}
out=${1:-$build/screenshots}
mkdir -p "$out"

source "$root/scripts/lib/build.sh"
quorvane_build "$root" "$build" quorvane_installer
setup=$(ls "$build"/Quorvane-*-setup.exe)

source "$root/scripts/lib/wine-session.sh"
prefix=$build/installer-screenshot-prefix
rm -rf "$prefix"
WINEPREFIX_OVERRIDE=$prefix wine_session_start "$build"

desktop=Setup,800x600
shot() {
  sleep "${2:-2}"
  import -window root -crop 800x600+0+0 "$out/$1.png"
  echo "screenshot: $out/$1.png"
}
press() {
  xdotool key "$@"
}

wine explorer /desktop=$desktop "$setup" >/dev/null 2>&1 &
shot installer-1-welcome 5
press Return            # Next
shot installer-2-folder
press Return            # Install
shot installer-3-finish 6
press space             # no "Start Quorvane"
press Return            # Finish
sleep 2

# A backup, so the uninstaller asks about the Backups folder.
wine 'C:\Program Files\Quorvane\quorvane.exe' /backup >/dev/null 2>&1
wine explorer /desktop=$desktop 'C:\Program Files\Quorvane\uninstall.exe' >/dev/null 2>&1 &
shot uninstaller-1-confirm 5
press Return            # Uninstall
shot uninstaller-2-backups-question 3
press Return            # the default: No
shot uninstaller-3-done 3
press Return            # Close
sleep 1
ls "$prefix/drive_c/Program Files/Quorvane"
