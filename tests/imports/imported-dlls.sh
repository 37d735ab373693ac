# Sourced by the import checks: the DLLs a program imports, read with objdump.
#   imported_dlls_outside NAME OBJDUMP EXE "a.dll b.dll ..."
# sets `imported` (every DLL the program imports, lower case, one a line) and
# `outside` (those not in the list); fails when no import could be read.
imported_dlls_outside() {
  local name=$1 objdump=$2 exe=$3 allowed=$4
  imported=$("$objdump" -p "$exe" | awk '/DLL Name:/ { print tolower($3) }' | sort -u)
  [ -n "$imported" ] || { echo "$name: no imports read from $exe" >&2; return 1; }
  outside=$(comm -23 <(echo "$imported") <(tr ' ' '\n' <<<"$allowed" | sort))
}
