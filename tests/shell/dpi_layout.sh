#!/usr/bin/env bash
# Runs the layout test program at 96, 120 and 144 dots per inch, in one copy of
# the test prefix whose LogPixels is set before each run (Wine reads it as a
# program starts).
#   dpi_layout.sh TEST_EXE BASE_PREFIX WORK_FOLDER
set -uo pipefail
exe=$1 base=$2 work=$3
source "$(dirname "$0")/../support/checks.sh"

export WINEPREFIX=$work/dpi
rm -rf "$WINEPREFIX"
mkdir -p "$work"
# Hard links keep the copy quick; the registry files are real copies, as Wine rewrites them.
cp -al "$base" "$WINEPREFIX"
for f in system.reg user.reg userdef.reg; do cp --remove-destination "$base/$f" "$WINEPREFIX/$f"; done
wineserver -p >/dev/null 2>&1 </dev/null

for dpi in 96 120 144; do
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
  out=$(cd "$(dirname "$exe")" && QUORVANE_EXPECTED_DPI=$dpi wine "$(basename "$exe")" --no-intro --force-colors=false 2>&1)
  rc=$?
  expect_eq "layout at $dpi dpi" "$rc" 0
  [ "$rc" = 0 ] || echo "$out" >&2
done

wineserver -k >/dev/null 2>&1
rm -rf "$WINEPREFIX"
checks_summary
