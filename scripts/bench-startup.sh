#!/usr/bin/env bash
# Start-up, footprint and idle benchmark of the main window under Wine. Prints:
#  - start-up time against two minimal window programs, all three started in turn
#    each round: a bare one, and one importing the same system DLLs as quorvane.exe;
#  - where Quorvane's start-up time goes, step by step, and each tool window's
#    first show, from the command to the window painted (bench_startup_steps);
#  - resident and private (anonymous) memory of each, idle after start-up, from the
#    kernel's figures for the Wine processes (/proc/PID/status);
#  - the processor time the program takes while idle, hidden to the tray.
#   scripts/bench-startup.sh [--reps N] [--idle SECONDS]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/lib/build.sh"
build=${QUORVANE_BUILD_DIR:-$(quorvane_default_build "$root")}
reps=9 idle=60
while [ $# -gt 0 ]; do
  case $1 in
    --reps) reps=$2; shift 2 ;;
    --idle) idle=$2; shift 2 ;;
    *) echo "usage: $0 [--reps N] [--idle SECONDS]" >&2; exit 2 ;;
  esac
done

source "$root/scripts/lib/build.sh"
quorvane_build "$root" "$build" quorvane bench_startup bench_startup_steps bench_minimal_window \
  bench_minimal_window_same_libraries bench_minimal_window_text

# The second reference must import exactly the DLLs the program imports.
objdump=$(command -v "$(basename "$build" | grep -q x86_64 && echo x86_64 || echo i686)-w64-mingw32-objdump")
dlls() { "$objdump" -p "$1" | awk '/DLL Name:/ { print tolower($3) }' | sort -u | tr '\n' ' '; }
ours=$(dlls "$build/bin/quorvane.exe")
reference=$(dlls "$build/bin/bench_minimal_window_same_libraries.exe")
echo "DLLs quorvane.exe imports: $ours"
if [ "$ours" != "$reference" ]; then
  echo "bench-startup: the same-libraries reference imports $reference; update bench/startup" >&2
  exit 1
fi

source "$root/scripts/lib/wine-session.sh"
source "$root/scripts/lib/wine-process.sh"
WINEPREFIX_OVERRIDE=$build/bench-startup-prefix wine_session_start "$build"
settings='HKLM\SOFTWARE\Kestavo\Quorvane'
wine reg delete "$settings" /f >/dev/null 2>&1 || true
bin=$(winepath -w "$build/bin")
wine "$build/bin/bench_startup.exe" "$bin\\quorvane.exe" "$bin\\bench_minimal_window.exe" \
  --same-libraries "$bin\\bench_minimal_window_same_libraries.exe" \
  --with-text "$bin\\bench_minimal_window_text.exe" --reps "$reps"

echo
echo "Where Quorvane's start-up goes, medians of $reps runs (ms; bench_startup_steps):"
steps=$(mktemp)
for _ in $(seq "$reps"); do
  (cd "$build/bin" && wine bench_startup_steps.exe --exit --first-shows | tr -d '\r') >>"$steps"
done
awk -F'\t' '
  /^show\t/ { next }
  /^#/ { sub(/^#/, "", $1); if (!($1 in noted)) { noted[$1] = 1; notes[++m] = $1 } extra[$1] = extra[$1] " " $2; next }
  !($1 in seen) { seen[$1] = 1; order[++n] = $1 }
  { ms[$1] = ms[$1] " " $2 }
  function median(list,   a, k, i, j, t) {
    k = split(list, a, " ")
    for (i = 2; i <= k; i++) for (j = i; j > 1 && a[j - 1] + 0 > a[j] + 0; j--) { t = a[j]; a[j] = a[j - 1]; a[j - 1] = t }
    return a[int((k + 1) / 2)]
  }
  END {
    for (i = 1; i <= n; i++) { t[i] = median(ms[order[i]]); total += t[i] }
    for (i = 1; i <= n; i++) printf "  %-50s %7.1f  %5.1f %%\n", order[i], t[i], 100 * t[i] / total
    printf "  %-50s %7.1f\n", "sum of the medians", total
    for (i = 1; i <= m; i++) printf "  %s: %s\n", notes[i], median(extra[notes[i]])
  }' "$steps"
echo
echo "Each tool window's first show, the command to the window painted, medians of $reps runs (ms; target at most 100):"
awk -F'\t' '
  $1 != "show" { next }
  !($2 in seen) { seen[$2] = 1; order[++n] = $2 }
  { ms[$2] = ms[$2] " " $3 }
  END {
    for (i = 1; i <= n; i++) {
      k = split(ms[order[i]], a, " ")
      for (x = 2; x <= k; x++) for (y = x; y > 1 && a[y - 1] + 0 > a[y] + 0; y--) { t = a[y]; a[y] = a[y - 1]; a[y - 1] = t }
      printf "  %-20s %7.1f\n", order[i], a[int((k + 1) / 2)]
    }
  }' "$steps"
rm -f "$steps"

kib() { awk -v k="$2" '$1 == k ":" { print $2 }' "/proc/$1/status"; }

echo
echo "Footprint idle after start-up (no tool window made yet), medians of 3 runs:"
for exe in quorvane.exe bench_minimal_window.exe bench_minimal_window_same_libraries.exe bench_minimal_window_text.exe; do
  rss=() anon=()
  for _ in 1 2 3; do
    (cd "$build/bin" && exec wine "$exe" >/dev/null 2>&1 &) 2>/dev/null
    sleep 4
    pid=$(wine_process_of "$exe")
    [ -n "$pid" ] || { echo "bench-startup: $exe is not running" >&2; exit 1; }
    rss+=("$(kib "$pid" VmRSS)") anon+=("$(kib "$pid" RssAnon)")
    kill "$pid"
    sleep 1
  done
  printf '%s %s %s\n' "$exe" "$(printf '%s\n' "${rss[@]}" | sort -n | sed -n 2p)" \
    "$(printf '%s\n' "${anon[@]}" | sort -n | sed -n 2p)"
done | awk '
  { name[NR] = $1; rss[NR] = $2; anon[NR] = $3 }
  END {
    for (i = 1; i <= NR; i++) {
      printf "  %-42s resident %6.1f MB, private %5.1f MB", name[i], rss[i] / 1024, anon[i] / 1024
      if (i > 1) printf "   Quorvane: %.2f times its resident size", rss[1] / rss[i]
      printf "\n"
    }
    print "  (target: Quorvane at most 1.3 times the bare minimal window resident)"
  }'

# Idle: the program's own process, user and system time, over the interval, hidden
# to the tray with every timer at its default.
wine reg add "$settings\\Settings\\MainSettings" /v chkRunProgramMini /d 1 /f >/dev/null
(cd "$build/bin" && wine quorvane.exe >/dev/null 2>&1 &)
sleep 3
pid=$(wine_process_of quorvane.exe)
ticks() { awk '{print $14 + $15}' "/proc/$pid/stat"; }
before=$(ticks)
sleep "$idle"
after=$(ticks)
hz=$(getconf CLK_TCK)
echo
awk -v t=$((after - before)) -v hz="$hz" -v s="$idle" \
  'BEGIN { printf "Idle in the tray: %.2f s of processor time in %d s, %.3f %% of one core (target at most 0.5 %%)\n", t / hz, s, 100 * t / hz / s }'
wine reg delete "$settings" /f >/dev/null 2>&1 || true
wineserver -k
