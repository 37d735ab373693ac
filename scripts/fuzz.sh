#!/usr/bin/env bash
# Builds the pure sources natively with clang (no <windows.h>, no Wine) and runs
# the libFuzzer programs of tests/fuzz on them.
#   bash scripts/fuzz.sh                      build only
#   bash scripts/fuzz.sh TARGET [SECONDS]     fuzz TARGET (backup, number, movie, skin)
#                                             for SECONDS (default 600), keeping what it
#                                             finds in build/fuzz/corpus/TARGET
#   bash scripts/fuzz.sh TARGET -runs=N ...   libFuzzer flags instead: a fixed run from
#                                             the seeds alone (the tests do this)
# A fault stops the run and leaves its input as build/fuzz/TARGET-crash-*.
#   QUORVANE_FUZZ_DIR  build folder (default build/fuzz)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir=${QUORVANE_FUZZ_DIR:-$root/build/fuzz}

mkdir -p "$dir"
make -s -C "$dir" -f "$root/tests/fuzz/Makefile" ROOT="$root" -j 2 --no-print-directory
[ $# -gt 0 ] || exit 0

target=$1
shift
seeds=$root/tests/fuzz/corpus/$target
if [ $# -eq 0 ] || [[ $1 =~ ^[0-9]+$ ]]; then
  corpus=$dir/corpus/$target
  flags=(-max_total_time="${1:-600}")
else
  corpus=$(mktemp -d)
  trap 'rm -rf "$corpus"' EXIT
  flags=("$@")
fi
mkdir -p "$corpus"
UBSAN_OPTIONS=print_stacktrace=1 "$dir/$target-fuzzer" "${flags[@]}" -dict="$root/tests/fuzz/bounds.dict" \
  -artifact_prefix="$dir/$target-" "$corpus" "$seeds"
