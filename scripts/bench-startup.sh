#!/usr/bin/env bash
# Start-up and idle benchmark of the main window under Wine. Prints the start-up
# time against a minimal window program, measured side by side, and the processor
# time the running program takes while idle, from the kernel's own accounting.
#   scripts/bench-startup.sh [--reps N] [--idle SECONDS]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${QUORVANE_BUILD_DIR:-$root/build/i686}
reps=9 idle=60
while [ $# -gt 0 ]; do
  case $1 in
    --reps) reps=$2; shift 2 ;;
    --idle) idle=$2; shift 2 ;;
    *) echo "usage: $0 [--reps N] [--idle SECONDS]" >&2; exit 2 ;;
  esac
done

source "$root/scripts/lib/build.sh"
quorvane_build "$root" "$build" quorvane bench_startup bench_minimal_window

source "$root/scripts/lib/wine-session.sh"
WINEPREFIX_OVERRIDE=$build/bench-startup-prefix wine_session_start "$build"
wine reg delete 'HKLM\SOFTWARE\Kestavo\Quorvane' /f >/dev/null 2>&1 || true
bin=$(winepath -w "$build/bin")
wine "$build/bin/bench_startup.exe" "$bin\\quorvane.exe" "$bin\\bench_minimal_window.exe" --reps "$reps"

# Idle: the program's own process, user and system time, over the interval.
(cd "$build/bin" && wine quorvane.exe >/dev/null 2>&1 &)
sleep 3
pid=$(pgrep -f 'quorvane.exe' | head -1)
ticks() { awk '{print $14 + $15}' "/proc/$pid/stat"; }
before=$(ticks)
sleep "$idle"
after=$(ticks)
hz=$(getconf CLK_TCK)
awk -v t=$((after - before)) -v hz="$hz" -v s="$idle" \
  'BEGIN { printf "Idle: %.2f s of processor time in %d s, %.3f %% of one core (target at most 0.5 %%)\n", t / hz, s, 100 * t / hz / s }'
wineserver -k
