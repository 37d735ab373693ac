#!/usr/bin/env bash
# Fails when the program imports a DLL outside those its first window needs: the
# loader maps and initialises every imported DLL (and what each pulls in) before
# the program runs, so libraries needed only later are loaded on first use.
#   check-startup-dlls.sh OBJDUMP EXE
set -euo pipefail
objdump=$1 exe=$2
startup="advapi32.dll gdi32.dll kernel32.dll msvcrt.dll shell32.dll user32.dll"
source "$(dirname "$0")/imported-dlls.sh"
imported_dlls_outside check-startup-dlls "$objdump" "$exe" "$startup" || exit 1
if [ -n "$outside" ]; then
  echo "check-startup-dlls: $(basename "$exe") imports DLLs start-up does not need: $(tr '\n' ' ' <<<"$outside")" >&2
  echo "Look their functions up on first use (system/LazyLibrary.h)." >&2
  exit 1
fi
echo "check-startup-dlls: $(basename "$exe") imports only $(tr '\n' ' ' <<<"$imported")"
