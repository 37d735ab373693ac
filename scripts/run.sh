#!/usr/bin/env bash
# Builds Quorvane and starts it under Wine in a prefix of its own (build/i686/run-prefix),
# installed as C:\Quorvane\quorvane.exe, installing what a fresh Debian 12 machine
# lacks first.
#
# Without arguments the main window starts in a Wine virtual desktop, so the tray
# icon shows; on the display in DISPLAY, or under a private Xvfb when there is none.
# Arguments run the command-line mode instead, e.g.
#   bash scripts/run.sh /optimize "Automatic-D"
#   bash scripts/run.sh /list
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/lib/build.sh"
build=${QUORVANE_BUILD_DIR:-$(quorvane_default_build "$root")}

source "$root/scripts/lib/build.sh"
quorvane_build "$root" "$build" quorvane

source "$root/scripts/lib/wine-session.sh"
[ -n "${DISPLAY:-}" ] && export QUORVANE_PRIVATE_DISPLAY=0
WINEPREFIX_OVERRIDE=$build/run-prefix wine_session_start "$build"

# Installed like a user would: C:\Quorvane, backups beside the program.
install_quorvane "$build"

if [ $# -gt 0 ]; then
  wine 'C:\Quorvane\quorvane.exe' "$@"
  exit $?
fi

if [ "${QUORVANE_PRIVATE_DISPLAY:-1}" = 1 ]; then
  echo "No display: Quorvane runs under Xvfb on $DISPLAY. See it with" >&2
  echo "  DISPLAY=$DISPLAY import -window root quorvane.png" >&2
  echo "or take the standard screenshots with scripts/screenshots.sh. Ctrl+C ends it." >&2
fi
cd "$install_dir"
wine explorer /desktop=Quorvane,1024x768 'C:\Quorvane\quorvane.exe'
