#!/usr/bin/env bash
# Shows the backup manager with a few backups, hosted in the main window, in a
# Wine virtual desktop under Xvfb, and saves a screenshot of the main window.
#   bash tests/backupmanager/screenshot_backup_manager.sh BUILD_DIR [OUTPUT.png]
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "${1:?build folder}" && pwd)
output=${2:-/tmp/quorvane-backup-manager.png}

source "$root/scripts/lib/wine-session.sh"
wine_session_start "$build"
desktop_w=1024 desktop_h=768
(cd "$build/bin" && wine explorer /desktop=QuorvaneBackupDemo,${desktop_w}x${desktop_h} backup_manager_demo.exe 9 \
  >/dev/null 2>&1) &
demo=$!
sleep 6
# The main window is centred on the desktop, 714 x 499 pixels.
win_x=$(( (desktop_w - 714) / 2 )) win_y=$(( (desktop_h - 499) / 2 ))
import -window root -crop 714x499+${win_x}+${win_y} "$output"
wait "$demo" || true
echo "$output"
