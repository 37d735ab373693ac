#!/usr/bin/env bash
# The pinger's cost: what starting its engine adds to the main window's Load
# (inside one process; its window is made only when shown), start-up of this
# build against the base it grew from (another Quorvane built from BASE,
# measured side by side, whole processes), and the processor
# time each takes while idle over the same seconds, with the pinger enabled in
# manual mode on 127.0.0.1 at its shortest interval (one echo a minute, to
# loopback only).
#   scripts/bench-pinger.sh [--base REF] [--reps N] [--idle SECONDS]
# BASE defaults to where this branch left main (git merge-base HEAD main).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/lib/build.sh"
build=${QUORVANE_BUILD_DIR:-$(quorvane_default_build "$root")}
base="" reps=15 idle=60
while [ $# -gt 0 ]; do
  case $1 in
    --base) base=$2; shift 2 ;;
    --reps) reps=$2; shift 2 ;;
    --idle) idle=$2; shift 2 ;;
    *) echo "usage: $0 [--base REF] [--reps N] [--idle SECONDS]" >&2; exit 2 ;;
  esac
done
[ -n "$base" ] || base=$(git -C "$root" merge-base HEAD main)
base=$(git -C "$root" rev-parse --short "$base")

source "$root/scripts/lib/build.sh"
quorvane_build "$root" "$build" quorvane bench_startup bench_pinger_load

# The base, from git, in a build folder of its own (kept for the next run).
base_src=$build/bench-base/$base/src base_build=$build/bench-base/$base/build
if [ ! -f "$base_build/bin/quorvane.exe" ]; then
  mkdir -p "$base_src"
  git -C "$root" archive "$base" | tar -x -C "$base_src"
  cmake --preset "$(quorvane_preset_for "$build")" -S "$base_src" -B "$base_build" -DBUILD_TESTING=OFF >/dev/null
  cmake --build "$base_build" -j "$(nproc)" --target quorvane >/dev/null
fi

source "$root/scripts/lib/wine-session.sh"
WINEPREFIX_OVERRIDE=$build/bench-pinger-prefix wine_session_start "$build"
# Each program in a folder of its own with its data files, under a name of its
# own, so its process is found by name (Wine shows a process by its file name).
drive=$WINEPREFIX/drive_c
rm -rf "$drive/QvPingerThis" "$drive/QvPingerBase"
mkdir -p "$drive/QvPingerThis" "$drive/QvPingerBase"
cp "$build"/bin/*.swf "$build"/bin/*.skn "$build"/bin/*.spl "$build"/bin/*.wav "$drive/QvPingerThis/"
cp "$build"/bin/quorvane.exe "$drive/QvPingerThis/qv-pinger-this.exe"
cp "$base_build"/bin/*.swf "$base_build"/bin/*.skn "$base_build"/bin/*.spl "$drive/QvPingerBase/"
cp "$base_build"/bin/quorvane.exe "$drive/QvPingerBase/qv-pinger-base.exe"

key='HKLM\SOFTWARE\Kestavo\Quorvane'
wine reg delete "$key" /f >/dev/null 2>&1 || true
for pair in chkDoPinging=1 optAuto=False optManual=True txtPingHost=127.0.0.1 cmbPingInterval=0 chkSound=0; do
  wine reg add "$key\\Settings\\NetPinger" /v "${pair%%=*}" /d "${pair#*=}" /f >/dev/null
done
wine reg add "$key\\Settings\\MainSettings" /v chkRunProgramMini /d 0 /f >/dev/null

(cd "$build/bin" && wine bench_pinger_load.exe --reps "$reps")
wine "$build/bin/bench_startup.exe" 'C:\QvPingerThis\qv-pinger-this.exe' 'C:\QvPingerBase\qv-pinger-base.exe' \
  --against "base $base" --reps "$reps"

# Idle: both programs run over the same seconds; the kernel's own accounting
# of each process's user and system time.
(cd "$drive/QvPingerThis" && wine qv-pinger-this.exe >/dev/null 2>&1 &)
(cd "$drive/QvPingerBase" && wine qv-pinger-base.exe >/dev/null 2>&1 &)
sleep 5
pid_of() { pgrep -f "^([A-Z]:.*\\\\)?$1\\.exe" | head -1; }
this=$(pid_of qv-pinger-this || true) other=$(pid_of qv-pinger-base || true)
[ -n "$this" ] && [ -n "$other" ] || { echo "bench-pinger: a program did not start" >&2; exit 1; }
# The kernel's count of echo requests sent (the first Icmp: line names the columns).
echoes() { awk '/^Icmp:/ { if (++n == 1) split($0, names); else for (i = 1; i <= NF; i++) if (names[i] == "OutEchos") print $i }' \
  /proc/net/snmp; }
ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
this_before=$(ticks "$this") other_before=$(ticks "$other") echoes_before=$(echoes)
sleep "$idle"
this_after=$(ticks "$this") other_after=$(ticks "$other") echoes_after=$(echoes)
hz=$(getconf CLK_TCK)
report() {
  awk -v name="$1" -v t=$(($3 - $2)) -v hz="$hz" -v s="$idle" \
    'BEGIN { printf "Idle, %s: %.2f s of processor time in %d s, %.3f %% of one core (target at most 0.5 %%)\n", name, t / hz, s, 100 * t / hz / s }'
}
report "this build, pinger on" "$this_before" "$this_after"
report "base $base" "$other_before" "$other_after"
echo "Echoes sent by the machine meanwhile (all programs): $((echoes_after - echoes_before))"
wineserver -k
