#!/usr/bin/env bash
# Builds and runs the optimizer engine's benchmark under Wine, in the build tree's
# prefix: apply with its backup at 1, 16 and 256 interfaces against its floor,
# NextBackupPath with 998 backups present, restore of a 256-interface file.
# Prints medians (microseconds) and ratios.
#   QUORVANE_BUILD_DIR  build folder (default build/i686, or build/x86_64 where the host runs 64-bit code only)
#   extra arguments go to the benchmark (e.g. --reps 15)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/lib/build.sh"
build=${QUORVANE_BUILD_DIR:-$(quorvane_default_build "$root")}

source "$root/scripts/lib/build.sh"
quorvane_build "$root" "$build" bench_optimizer

source "$root/scripts/lib/wine-session.sh"
wine_session_start "$build"

# Backups go to a scratch folder of the build tree, never beside the program.
work="$build/bench-optimizer"
rm -rf "$work"
mkdir -p "$work"
status=0
wine "$build/bin/bench_optimizer.exe" --folder "$(winepath -w "$work")" "$@" || status=$?
rm -rf "$work"
exit "$status"
