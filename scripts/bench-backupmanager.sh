#!/usr/bin/env bash
# Builds and runs the backup manager's benchmark under Wine, in the build tree's
# prefix: 999 backup files, the list's refill and one sort by each column, shown
# in the main window. Prints medians (milliseconds) against the targets.
#   QUORVANE_BUILD_DIR  build folder (default build/i686)
#   extra arguments go to the benchmark (e.g. --reps 15)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${QUORVANE_BUILD_DIR:-$root/build/i686}

source "$root/scripts/lib/build.sh"
quorvane_build "$root" "$build" bench_backupmanager

source "$root/scripts/lib/wine-session.sh"
wine_session_start "$build"

# The program folder of the run: a scratch folder of the build tree, never the
# folder beside the program.
work="$build/bench-backupmanager"
rm -rf "$work"
mkdir -p "$work"
status=0
wine "$build/bin/bench_backupmanager.exe" --folder "$(winepath -w "$work")" "$@" || status=$?
rm -rf "$work"
exit "$status"
