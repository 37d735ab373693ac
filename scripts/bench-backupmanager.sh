#!/usr/bin/env bash
# Builds and runs the backup manager's benchmark under Wine, in the build tree's
# prefix: 999 backup files, the list's refill, the open up to the rows painted,
# and one sort by each column, shown in the main window. Prints medians
# (milliseconds) against the targets, each beside its reference measured in the
# same run (a plain list view given the same rows as texts).
#   --against REV       also builds the benchmark of that git revision (in the
#                       build folder) and runs it in the same session, first and
#                       last around this tree's run; prints the figures side by side
#   QUORVANE_BUILD_DIR  build folder (default build/i686, or build/x86_64 where the host runs 64-bit code only)
#   other arguments go to the benchmark (e.g. --reps 15)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/lib/build.sh"
build=${QUORVANE_BUILD_DIR:-$(quorvane_default_build "$root")}

against=""
args=()
while (($#)); do
  if [[ $1 == --against ]]; then
    against=$(git -C "$root" rev-parse --verify "$2^{commit}")
    shift 2
  else
    args+=("$1")
    shift
  fi
done

source "$root/scripts/lib/build.sh"
quorvane_build "$root" "$build" bench_backupmanager
if [[ -n $against ]]; then
  other="$build/bench-against-${against:0:12}"
  if [[ ! -d $other/src ]]; then
    mkdir -p "$other/src"
    git -C "$root" archive "$against" | tar -x -C "$other/src"
  fi
  quorvane_build "$other/src" "$other/build" bench_backupmanager
fi

source "$root/scripts/lib/wine-session.sh"
wine_session_start "$build"

# The program folder of a run: a scratch folder of the build tree, never the
# folder beside the program.
work="$build/bench-backupmanager"
run() {  # EXE OUTPUT
  rm -rf "$work"
  mkdir -p "$work"
  local status=0
  wine "$1" --folder "$(winepath -w "$work")" "${args[@]}" >"$2" 2>/dev/null || status=$?
  rm -rf "$work"
  return "$status"
}

out=$(mktemp -d)
trap 'rm -rf "$out"; wine_session_stop' EXIT  # the session's own trap would be replaced
status=0
if [[ -n $against ]]; then run "$other/build/bin/bench_backupmanager.exe" "$out/before" || true; fi
run "$build/bin/bench_backupmanager.exe" "$out/now" || status=$?
if [[ -n $against ]]; then run "$other/build/bin/bench_backupmanager.exe" "$out/after" || true; fi
cat "$out/now"

if [[ -n $against ]]; then
  # Figures by their label (both builds print "label  median N ms"); the
  # revision's is the lower of its two runs, so the noise does not favour this tree.
  medians() { sed -nE 's/^ *(.*[^ ]) +median +([0-9.]+) ms.*/\1\t\2/p' "$@"; }
  echo
  printf '%-44s %12s %10s %6s\n' "median, ms" "${against:0:12}" "this tree" "ratio"
  medians "$out/before" "$out/after" | awk -F'\t' '!($1 in old) || $2 < old[$1] { old[$1] = $2 }
    END { for (k in old) print k "\t" old[k] }' >"$out/old"
  medians "$out/now" | awk -F'\t' 'FNR == NR { old[$1] = $2; next }
    { if ($1 in old) printf "%-44s %12.2f %10.2f %6.2f\n", $1, old[$1], $2, $2 / old[$1]
      else printf "%-44s %12s %10.2f %6s\n", $1, "-", $2, "-" }' "$out/old" -
fi
exit "$status"
