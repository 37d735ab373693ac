#!/usr/bin/env bash
# Shows the backup manager with a few backups, hosted in the main window, in a
# Wine virtual desktop under Xvfb, and saves a screenshot of the main window.
#   bash tests/optimizer/backup/screenshot_backup_manager.sh BUILD_DIR [OUTPUT.png]
set -euo pipefail
root=$(cd "$(dirname "$0")/../../.." && pwd)
build=$(cd "${1:?build folder}" && pwd)
source "$root/scripts/lib/wine-session.sh"
source "$root/scripts/lib/screenshot.sh"
wine_session_start "$build"
DEMO_WAIT=6 demo_screenshot "${2:-/tmp/quorvane-backup-manager.png}" 1024x768 main backup_manager_demo.exe 9
