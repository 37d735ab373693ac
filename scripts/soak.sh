#!/usr/bin/env bash
# An hour (or MINUTES) of the program with every timer at its fastest under Wine
# (bench/soak/soak_run.cpp): the pinger every minute to 127.0.0.1 only, the
# status window shown at its highest speed, the alarm checking every 100 ms at a
# level that makes it free, the tray tool-tip following. Samples the program's
# private memory (its own figure, and the kernel's anonymous resident memory of
# the Wine process), its handles and, where the system reports them, its GDI and
# USER objects (Wine reports none of these four: the kernel's figures stand in,
# the process's open file descriptors for handles), and the windows of the
# program every SAMPLE seconds, then prints each figure's growth per hour.
# Growth is taken from the first sample after a warm-up of WARMUP seconds (300; the
# first ping loads the network libraries, the first freeing sizes the heap) to the
# last. Target: flat, within 1 % of the starting figure per hour, no count that only rises.
# A benchmark, not a test: CI does not run it.
#   scripts/soak.sh [MINUTES] [SAMPLE_SECONDS] [WARMUP_SECONDS]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
minutes=${1:-60} sample=${2:-60} warmup=${3:-300}
source "$root/scripts/lib/build.sh"
build=${QUORVANE_BUILD_DIR:-$(quorvane_default_build "$root")}
quorvane_build "$root" "$build" bench_soak

source "$root/scripts/lib/wine-session.sh"
source "$root/scripts/lib/wine-process.sh"
WINEPREFIX_OVERRIDE=$build/soak-prefix wine_session_start "$build"
wine reg delete 'HKLM\SOFTWARE\Kestavo\Quorvane' /f >/dev/null 2>&1 || true

log=$(mktemp)
(cd "$build/bin" && wine bench_soak.exe "$minutes" "$sample" | tr -d '\r' >"$log") &
runner=$!
sleep 3
pid=$(wine_process_of bench_soak.exe)
[ -n "$pid" ] || { echo "soak: bench_soak.exe did not start" >&2; exit 1; }
echo "soak: $minutes min, a sample every $sample s (Wine process $pid)"
kernel=$(mktemp)
while kill -0 "$pid" 2>/dev/null; do
  fds=$(ls "/proc/$pid/fd" 2>/dev/null | wc -l)
  awk -v t="$SECONDS" -v fds="$fds" '$1 == "RssAnon:" { print t "\t" $2 "\t" fds }' "/proc/$pid/status" >>"$kernel" 2>/dev/null || true
  sleep "$sample"
done
wait "$runner" || true

echo "seconds  private KB  handles  GDI  USER  windows  (the program's own figures)"
awk -F'\t' '$1 == "sample" { printf "%7d  %10d  %7d  %4d  %4d  %7d\n", $2, $3, $4, $5, $6, $7 }' "$log"
echo "seconds  anonymous resident KB  file descriptors  (the kernel's figures)"
awk -F'\t' '{ printf "%7d  %21d  %16d\n", $1, $2, $3 }' "$kernel"
# Growth per hour of each figure from its first sample after the warm-up to its last; "only rises"
# when no sample is lower than the one before and the last is higher than the first.
growth() {  # NAME FILE COLUMN-OF-SECONDS COLUMN-OF-FIGURE [FILTER]
  awk -F'\t' -v name="$1" -v tc="$3" -v fc="$4" -v filter="${5:-}" -v warmup="$warmup" '
    filter != "" && $1 != filter { next }
    $tc + 0 < warmup + 0 { next }
    { n++; t[n] = $tc; f[n] = $fc }
    END {
      if (n < 2 || t[n] == t[1]) { printf "  %-34s too few samples\n", name; exit }
      if (f[1] == 0 && f[n] == 0) { printf "  %-34s not reported here\n", name; exit }
      rises = f[n] > f[1]
      for (i = 2; i <= n; i++) if (f[i] < f[i - 1]) rises = 0
      hours = (t[n] - t[1]) / 3600
      printf "  %-34s %9d -> %9d   %+7.2f %% per hour%s\n", name, f[1], f[n],
             100 * (f[n] - f[1]) / (f[1] ? f[1] : 1) / hours, rises ? "   (only rises)" : ""
    }' "$2"
}
echo
echo "Growth per hour after a warm-up of $warmup s, to the last sample (target: within 1 %, no count that only rises):"
growth "private memory (the program's, KB)" "$log" 2 3 sample
growth "anonymous resident (kernel, KB)" "$kernel" 1 2
growth "handles" "$log" 2 4 sample
growth "GDI objects" "$log" 2 5 sample
growth "USER objects" "$log" 2 6 sample
growth "windows" "$log" 2 7 sample
growth "file descriptors (kernel)" "$kernel" 1 3
rm -f "$log" "$kernel"
wineserver -k
