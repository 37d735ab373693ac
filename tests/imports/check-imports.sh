#!/usr/bin/env bash
# Fails when the program imports a DLL function that the committed allowlist does
# not name, so nothing newer than Windows XP reaches the import table unnoticed.
#   check-imports.sh OBJDUMP EXE ALLOWLIST
# Lists every import not allowed ("dll!Function", the DLL name in lower case; an
# import by ordinal is "dll!#N"). Entries the program does not import are fine.
set -euo pipefail
export LC_ALL=C

if [ $# -ne 3 ]; then
  echo "usage: check-imports.sh OBJDUMP EXE ALLOWLIST" >&2
  exit 2
fi
objdump=$1 exe=$2 allowlist=$3

fail() { echo "check-imports: $*" >&2; exit 1; }

[ -f "$exe" ] && [ -r "$exe" ] || fail "cannot read $exe"
[ -f "$allowlist" ] && [ -r "$allowlist" ] || fail "cannot read the allowlist $allowlist"
dump=$("$objdump" -p "$exe" 2>&1) || fail "$objdump cannot read $exe: $dump"

# The import section: from its heading to the next line that starts in column 0.
# DLL lines are "<tab>DLL Name: KERNEL32.dll", entries "<tab>vma<tab>hint name".
imports=$(awk '
  /^The Import Tables/ { inside = 1; next }
  inside && /^[^ \t]/  { inside = 0 }
  !inside              { next }
  /^\tDLL Name: /      { dll = tolower($3); next }
  /^\t[0-9a-fA-F]+\t/ && dll != "" {
    name = ($3 == "<none>") ? "#" $2 : $3
    print dll "!" name
  }' <<<"$dump" | sort -u)
# Every Windows program imports from kernel32.dll; none read means the dump was not understood.
[ -n "$imports" ] || fail "no imports found in $exe (not a PE file, or objdump output not understood)"

# The allowlist without comments, blank lines, CRs and trailing blanks.
entries=$(sed -e 's/\r$//' -e 's/[[:space:]]*$//' -e '/^[[:space:]]*#/d' -e '/^$/d' "$allowlist")
malformed=$(grep -Ev '^[a-z0-9_.-]+![^[:space:]!]+$' <<<"$entries" || true)
[ -z "$malformed" ] || fail "malformed lines in $allowlist (want dll!Function, dll in lower case):
$malformed"
sort -c <<<"$entries" 2>/dev/null || fail "$allowlist is not sorted (LC_ALL=C sort): $(sort -c <<<"$entries" 2>&1 || true)"

unlisted=$(comm -23 <(echo "$imports") <(sort -u <<<"$entries"))
if [ -n "$unlisted" ]; then
  {
    echo "check-imports: $(basename "$exe") imports functions the allowlist $allowlist does not list:"
    sed 's/^/  /' <<<"$unlisted"
    echo "Windows XP SP2 must have each; add it (sorted) after checking, or look it up with GetProcAddress."
  } >&2
  exit 1
fi
echo "check-imports: all $(wc -l <<<"$imports") imports of $(basename "$exe") are in the allowlist"
