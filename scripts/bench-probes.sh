#!/usr/bin/env bash
# Builds and runs the system probes' benchmark under Wine, in the build tree's
# prefix, and prints figures and ratios:
#   - PingHost to 127.0.0.1 against a bare IcmpSendEcho loop (target: within 2x)
#   - FreeUpMemory of 100 MB (200 MB written) against malloc+memset+free of the
#     same 200 MB (target: within 1.5x)
#   - the NT processor-usage sampler against the Linux kernel's own counters in
#     /proc/stat over the same 1-second intervals, idle and with one core kept
#     busy by a separate process for 5 s (target: within 5 percentage points)
# Echoes go to 127.0.0.1 only.
#   QUORVANE_BUILD_DIR  build folder (default build/i686, or build/x86_64 where the host runs 64-bit code only)
#   PROBE_PING_ROUNDS, PROBE_PINGS, PROBE_FREE_ROUNDS, PROBE_FREE_MB,
#   PROBE_CPU_INTERVALS (per phase), PROBE_BUSY_SECONDS  to change the run
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/lib/build.sh"
build=${QUORVANE_BUILD_DIR:-$(quorvane_default_build "$root")}

source "$root/scripts/lib/build.sh"
quorvane_build "$root" "$build" probe_bench

source "$root/scripts/lib/wine-session.sh"
wine_session_start "$build"
exe="$build/bin/probe_bench.exe"

echo "== ICMP echo"
wine "$exe" ping "${PROBE_PING_ROUNDS:-7}" "${PROBE_PINGS:-200}"
echo "== Freeing memory"
wine "$exe" free "${PROBE_FREE_ROUNDS:-7}" "${PROBE_FREE_MB:-100}"

echo "== Processor usage: NT sampler against /proc/stat ($(nproc) processors)"
intervals=${PROBE_CPU_INTERVALS:-5}
busy_seconds=${PROBE_BUSY_SECONDS:-5}

# Busy and idle ticks of all processors together, from the kernel's first line.
read_kernel_ticks() {
  local label user nice system idle iowait irq softirq steal rest
  read -r label user nice system idle iowait irq softirq steal rest </proc/stat
  kernel_idle=$((idle + iowait))
  kernel_total=$((user + nice + system + idle + iowait + irq + softirq + steal))
}

coproc SAMPLER { wine "$exe" cpu 2>/dev/null; }
sampler_out=${SAMPLER[0]}
sampler_in=${SAMPLER[1]}
read -r line <&"$sampler_out"
[ "${line%$'\r'}" = ready ] || { echo "sampler did not start: $line" >&2; exit 1; }
read_kernel_ticks

busy_pid=""
stop_busy() { [ -n "$busy_pid" ] && kill "$busy_pid" 2>/dev/null; busy_pid=""; }
trap 'stop_busy; wine_session_stop' EXIT

printf '%-6s %-9s %9s %9s %9s\n' phase interval sampler kernel diff
sum_idle=0; max_idle=0; sum_busy=0; max_busy=0
for phase in idle busy; do
  if [ "$phase" = busy ]; then
    # One core kept busy by a separate process; the next intervals fall within it.
    timeout "$busy_seconds" bash -c 'while :; do :; done' &
    busy_pid=$!
    # a fresh interval start, so the first busy interval is all busy
    echo q >&"$sampler_in"; read -r line <&"$sampler_out"; read_kernel_ticks
  fi
  for i in $(seq 1 "$intervals"); do
    previous_idle=$kernel_idle; previous_total=$kernel_total
    sleep 0.97
    read_kernel_ticks
    echo q >&"$sampler_in"
    read -r line <&"$sampler_out"
    sampler=${line%$'\r'}
    d_total=$((kernel_total - previous_total)); d_idle=$((kernel_idle - previous_idle))
    # kernel usage in tenths of a percent, rounded
    kernel10=$(( (1000 * (d_total - d_idle) + d_total / 2) / d_total ))
    diff10=$(( sampler * 10 - kernel10 )); [ "$diff10" -lt 0 ] && diff10=$(( -diff10 ))
    printf '%-6s %-9s %8d%% %6d.%d%% %6d.%d\n' "$phase" "$i" "$sampler" $((kernel10 / 10)) $((kernel10 % 10)) \
      $((diff10 / 10)) $((diff10 % 10))
    if [ "$phase" = idle ]; then
      sum_idle=$((sum_idle + diff10)); [ "$diff10" -gt "$max_idle" ] && max_idle=$diff10
    else
      sum_busy=$((sum_busy + diff10)); [ "$diff10" -gt "$max_busy" ] && max_busy=$diff10
    fi
  done
done
stop_busy
echo x >&"$sampler_in"
wait "$SAMPLER_PID" 2>/dev/null || true

show_tenths() { printf '%d.%d' $(( $1 / 10 )) $(( $1 % 10 )); }
echo "cpu idle: mean |sampler - kernel| $(show_tenths $((sum_idle / intervals))) points, max $(show_tenths "$max_idle") (target <= 5)"
echo "cpu busy: mean |sampler - kernel| $(show_tenths $((sum_busy / intervals))) points, max $(show_tenths "$max_busy") (target <= 5)"
