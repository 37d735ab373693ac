#!/usr/bin/env bash
# Benchmarks of the memory and processor monitor under Wine:
#  1. one strip chart sample painted, against a bare BitBlt of the chart's size;
#  2. the program's processor time over an interval with every timer at its
#     default (charts 300 ms, alarm 100 ms), hidden to the tray and then with
#     the system status window shown, from the kernel's own accounting.
#  3. with --baseline BUILD_DIR (a build of an earlier commit): start-up of this
#     program against that one's, side by side.
#   scripts/bench-monitor.sh [--idle SECONDS] [--reps N] [--baseline BUILD_DIR]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/lib/build.sh"
build=${QUORVANE_BUILD_DIR:-$(quorvane_default_build "$root")}
reps=15 idle=60 baseline=
while [ $# -gt 0 ]; do
  case $1 in
    --reps) reps=$2; shift 2 ;;
    --idle) idle=$2; shift 2 ;;
    --baseline) baseline=$(cd "$2" && pwd); shift 2 ;;
    *) echo "usage: $0 [--idle SECONDS] [--reps N] [--baseline BUILD_DIR]" >&2; exit 2 ;;
  esac
done

source "$root/scripts/lib/build.sh"
quorvane_build "$root" "$build" quorvane bench_chart bench_startup

source "$root/scripts/lib/wine-session.sh"
source "$root/scripts/lib/wine-process.sh"
WINEPREFIX_OVERRIDE=$build/bench-monitor-prefix wine_session_start "$build"
install_quorvane "$build"

echo "== A chart sample painted"
(cd "$build/bin" && wine bench_chart.exe --reps "$reps")

if [ -n "$baseline" ]; then
  echo "== Start-up: this build against $baseline (its program in the 'minimal window' column)"
  wine reg delete 'HKLM\SOFTWARE\Kestavo\Quorvane' /f >/dev/null 2>&1 || true
  wine "$build/bin/bench_startup.exe" "$(winepath -w "$build/bin/quorvane.exe")" \
    "$(winepath -w "$baseline/bin/quorvane.exe")" --reps "$reps"
fi

ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
measure() {
  local label=$1 pid before after
  pid=$(wine_process_of quorvane.exe)
  [ -n "$pid" ] || { echo "quorvane.exe is not running" >&2; return 1; }
  before=$(ticks "$pid")
  sleep "$idle"
  after=$(ticks "$pid")
  awk -v t=$((after - before)) -v hz="$(getconf CLK_TCK)" -v s="$idle" -v l="$label" \
    'BEGIN { printf "| %s | %.2f s in %d s | %.3f %% of one core |\n", l, t / hz, s, 100 * t / hz / s }'
}

desktop_w=1024 desktop_h=768
win_x=$(( (desktop_w - 714) / 2 )) win_y=$(( (desktop_h - 499) / 2 ))
start_program() {
  (cd "$install_dir" && wine explorer /desktop=QuorvaneBench,${desktop_w}x${desktop_h} quorvane.exe >/dev/null 2>&1 &)
  sleep 8
}
stop_program() {
  local pid
  pid=$(wine_process_of quorvane.exe)
  [ -z "$pid" ] || kill "$pid"
  sleep 2
}

echo "== Processor time with every timer at its default, the pinger on to 127.0.0.1 each minute"
echo "| main window | processor time | share |"
wine reg delete 'HKLM\SOFTWARE\Kestavo\Quorvane' /f >/dev/null 2>&1 || true
pinger='HKLM\SOFTWARE\Kestavo\Quorvane\Settings\NetPinger'
for value in chkDoPinging=1 optAuto=False optManual=True txtPingHost=127.0.0.1 cmbPingInterval=0; do
  wine reg add "$pinger" /v "${value%%=*}" /d "${value#*=}" /f >/dev/null
done
wine reg add 'HKLM\SOFTWARE\Kestavo\Quorvane\Settings\MainSettings' /v chkRunProgramMini /d 1 /f >/dev/null
start_program
measure "hidden to the tray (target at most 0.5 %)"
stop_program

wine reg add 'HKLM\SOFTWARE\Kestavo\Quorvane\Settings\MainSettings' /v chkRunProgramMini /d 0 /f >/dev/null
start_program
# The movie's "System Status" button: movie point (116, 304) is window (115, 266).
xdotool mousemove $((win_x + 115)) $((win_y + 266)) click 1
sleep 2
measure "system status shown (target at most 1.5 %)"
import -window root -crop 714x499+${win_x}+${win_y} "$build/bench-monitor-status.png"
stop_program
