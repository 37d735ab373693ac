#!/usr/bin/env bash
# Fails when the program imports a DLL that Windows does not always take from the
# system folder. The loader resolves every import before the program runs, and an
# import that is not a known DLL is looked for beside the program first, where a
# copy planted in a user's folder would run as administrator (docs/security.md).
#   check-known-dlls.sh OBJDUMP EXE
set -euo pipefail
objdump=$1 exe=$2
# Known DLLs on the Windows the program supports (docs/security.md: the page, the
# key, and what only real Windows can confirm, msvcrt.dll among it). Anything else
# is loaded from the system folder by full path on first use (system/LazyLibrary.h).
known="advapi32.dll gdi32.dll kernel32.dll msvcrt.dll shell32.dll user32.dll"
source "$(dirname "$0")/imported-dlls.sh"
imported_dlls_outside check-known-dlls "$objdump" "$exe" "$known" || exit 1
if [ -n "$outside" ]; then
  echo "check-known-dlls: $(basename "$exe") imports DLLs Windows may load from beside it: $(tr '\n' ' ' <<<"$outside")" >&2
  echo "Load them from the system folder by full path on first use (system/LazyLibrary.h)." >&2
  exit 1
fi
echo "check-known-dlls: every DLL $(basename "$exe") imports is a known DLL: $(tr '\n' ' ' <<<"$imported")"
