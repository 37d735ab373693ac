#!/usr/bin/env bash
# Checks that check-imports.sh fails when it must: an import missing from the
# list, an unreadable program, a file that is not a program; and that an entry
# the program does not import is no failure.
#   check-imports-selftest.sh OBJDUMP EXE ALLOWLIST
set -uo pipefail
export LC_ALL=C
objdump=$1 exe=$2 allowlist=$3
check="$(dirname "$0")/check-imports.sh"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failures=0

expect() {  # expect pass|fail NAME PATTERN -- ARGS...
  local want=$1 name=$2 pattern=$3 output status
  shift 4
  output=$(bash "$check" "$@" 2>&1)
  status=$?
  if { [ "$want" = pass ] && [ $status -ne 0 ]; } || { [ "$want" = fail ] && [ $status -eq 0 ]; } ||
     ! grep -qF -- "$pattern" <<<"$output"; then
    echo "FAILED: $name (exit status $status, expected to $want, output should contain \"$pattern\"):"
    sed 's/^/  | /' <<<"$output"
    failures=$((failures + 1))
  else
    echo "ok: $name"
  fi
}

# Any one import of the program: with an empty list, the check names them all.
echo "# nothing allowed" >"$scratch/empty.txt"
one=$(bash "$check" "$objdump" "$exe" "$scratch/empty.txt" 2>&1 | sed -n 's/^  \([^ ]*![^ ]*\)$/\1/p' | head -n 1)
if [ -z "$one" ]; then
  echo "FAILED: an empty allowlist named no import of $exe"
  exit 1
fi

grep -vxF -- "$one" "$allowlist" >"$scratch/without-one.txt"
expect fail "an import missing from the list is reported" "  $one" -- "$objdump" "$exe" "$scratch/without-one.txt"

{ cat "$allowlist"; echo "zzz-not-a-dll.dll!NeverImported"; } >"$scratch/with-extra.txt"
expect pass "an entry the program does not import is fine" "are in the allowlist" -- "$objdump" "$exe" "$scratch/with-extra.txt"

expect fail "a missing program fails the check" "cannot read" -- "$objdump" "$scratch/no-such.exe" "$allowlist"
expect fail "a file that is no program fails the check" "cannot read" -- "$objdump" "$allowlist" "$allowlist"

[ $failures -eq 0 ]
