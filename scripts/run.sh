#!/usr/bin/env bash
# Builds Quorvane and starts it under Wine in a prefix of its own (build/i686/run-prefix),
# installing what a fresh Debian 12 machine lacks first.
#
# Until the main window is in place this runs the command-line mode: by default it
# applies the mode "Automatic-D" and then shows, with Wine's own reg.exe, the values
# Quorvane wrote. Any arguments are passed to quorvane.exe instead, e.g.
#   bash scripts/run.sh /list
#   bash scripts/run.sh /restore 001.BCK
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${QUORVANE_BUILD_DIR:-$root/build/i686}

bash "$root/scripts/setup.sh"
cmake --preset mingw-i686 -S "$root" -B "$build" >/dev/null
cmake --build "$build" -j "$(nproc)" --target quorvane

source "$root/scripts/lib/wine-session.sh"
WINEPREFIX_OVERRIDE=$build/run-prefix wine_session_start "$build"

# Installed like a user would: the program folder on drive C:, backups beside it.
install_dir=$WINEPREFIX/drive_c/Quorvane
mkdir -p "$install_dir"
cp "$build"/bin/quorvane.exe "$install_dir"/
for data in "$root"/data/*; do [ -e "$data" ] && cp "$data" "$install_dir"/; done

if [ $# -gt 0 ]; then
  wine 'C:\Quorvane\quorvane.exe' "$@"
  exit $?
fi

wine 'C:\Quorvane\quorvane.exe' /optimize "Automatic-D"
echo
echo "What Wine's registry holds now (wine reg query):"
for key in 'HKLM\SYSTEM\CurrentControlSet\Services\Tcpip\Parameters' \
           'HKLM\System\CurrentControlSet\Services\VxD\MSTCP' \
           'HKCU\Software\Microsoft\Windows\CurrentVersion\Internet Settings' \
           'HKLM\System\CurrentControlSet\Services\VxD\NWLink\Ndi\params\cachesize'; do
  wine reg query "$key" 2>/dev/null | tr -d '\r' | grep -v '^$' || true
done
echo
wine 'C:\Quorvane\quorvane.exe' /list
echo "Backups on disk: $install_dir/Backups"
