#!/usr/bin/env bash
# Runs quorvane.exe's command-line mode the way an administrator would, in Wine
# prefixes of its own that report Windows 98, Windows XP, 7 and 10, and checks
# what it wrote with Wine's own reg.exe and on disk.
#   command_line_prefixes.sh QUORVANE_EXE BASE_PREFIX WORK_FOLDER
set -uo pipefail
exe=$1 base=$2 work=$3
source "$(dirname "$0")/../support/checks.sh"

# The value column of one `reg query` line, or "missing".
reg_value() {
  local out
  out=$(wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' | grep -F "    $2    ") || { echo missing; return; }
  awk '{print $2, $3}' <<<"$out"
}

quorvane() {
  out=$(wine 'C:\Quorvane\quorvane.exe' "$@" 2>&1 | tr -d '\r')
  rc=${PIPESTATUS[0]}
}

new_prefix() {
  local version=$1
  export WINEPREFIX=$work/$version
  rm -rf "$WINEPREFIX"
  mkdir -p "$work"
  # Hard links keep the copy quick; the registry files are real copies, as Wine rewrites them.
  cp -al "$base" "$WINEPREFIX"
  for f in system.reg user.reg userdef.reg; do cp --remove-destination "$base/$f" "$WINEPREFIX/$f"; done
  wineserver -p >/dev/null 2>&1 </dev/null
  wine cmd.exe /c exit >/dev/null 2>&1 </dev/null
  wine reg add 'HKCU\Software\Wine' /v Version /d "$version" /f >/dev/null 2>&1
  mkdir -p "$WINEPREFIX/drive_c/Quorvane"
  cp "$exe" "$WINEPREFIX/drive_c/Quorvane/quorvane.exe"
  backups=$WINEPREFIX/drive_c/Quorvane/Backups
}

end_prefix() {
  wineserver -k >/dev/null 2>&1
  rm -rf "$WINEPREFIX"
}

mstcp='HKLM\System\CurrentControlSet\Services\VxD\MSTCP'
nettrans='HKLM\System\CurrentControlSet\Services\Class\NetTrans'
params='HKLM\SYSTEM\CurrentControlSet\Services\Tcpip\Parameters'
ie='HKCU\Software\Microsoft\Windows\CurrentVersion\Internet Settings'
ndi='HKLM\System\CurrentControlSet\Services\VxD\NWLink\Ndi\params\cachesize'
ours='SackOpts|Tcp1323Opts|TcpMaxDupAcks|DefaultTTL|DefaultRcvWindow|DefaultReceiveWindow|GlobalMaxTcpWindowSize|TcpWindowSize'
ours+='|PMTUBlackHoleDetect|EnablePMTUBHDetect|PMTUDiscovery|EnablePMTUDiscovery|KeepAliveTime|KeepAliveInterval'
ours+='|SYNAttackProtect|EnableICMPRedirects|MaxConnectionsPer1_0Server|MaxConnectionsPerServer|MaxMTU|MaxMSS|MTU|MSS'

# The program's values the keys hold, one "name type data" line each (the
# NDI cache's is the key's default value).
program_values() {
  local key
  for key in "$@"; do
    wine reg query "$key" 2>/dev/null | tr -d '\r' | grep -E "^    ($ours)    " | sed "s|^|$key|"
    [ "$key" != "$ndi" ] || wine reg query "$key" /ve 2>/dev/null | tr -d '\r' | grep -E '^    \(Default\)    REG_' |
      grep -v 'value not set'
  done
}

# "Windows default" leaves none of the program's values; restoring the backup it
# took brings every one back.
check_windows_default() {
  local family=$1
  shift
  quorvane /optimize "Automatic-D"
  local before
  before=$(program_values "$@")
  quorvane /optimize "Windows default"
  expect_eq "$family Windows default status" "$rc" 0
  expect_eq "$family Windows default leaves none of the values" "$(program_values "$@")" ""
  local backup
  backup=$(sed -n 's/^Backup: .*\\//p' <<<"$out")
  quorvane /restore "$backup"
  expect_eq "$family restore after Windows default" "$rc" 0
  expect_has "$family restore names its own backup" "$out" 'Backup: C:\Quorvane\Backups\'
  expect_eq "$family restore brings every value back" "$(program_values "$@")" "$before"
}

# --- Windows 98: text values, adapters under NetTrans ---
new_prefix win98
wine reg add "$nettrans\\0000" /f >/dev/null 2>&1
wine reg add "$mstcp" /v DefaultTTL /t REG_SZ /d 100 /f >/dev/null 2>&1
# Internet Explorer keeps its own numbers here, even on the 95 family.
wine reg add "$ie" /v MaxConnectionsPerServer /t REG_DWORD /d 6 /f >/dev/null 2>&1

quorvane /optimize "Automatic-D"
expect_eq "win98 /optimize status" "$rc" 0
expect_has "win98 /optimize output" "$out" 'Mode "Automatic-D" on Windows 98.'
expect_has "win98 /optimize output" "$out" 'Backup: C:\Quorvane\Backups\001.BCK'
expect_eq "win98 DefaultTTL" "$(reg_value "$mstcp" DefaultTTL)" "REG_SZ 64"
expect_eq "win98 DefaultRcvWindow" "$(reg_value "$mstcp" DefaultRcvWindow)" "REG_SZ 5432"
expect_eq "win98 SYNAttackProtect not written" "$(reg_value "$mstcp" SYNAttackProtect)" "missing"
expect_eq "win98 MaxMTU" "$(reg_value "$nettrans\\0000" MaxMTU)" "REG_SZ 576"
expect_eq "win98 IE" "$(reg_value "$ie" MaxConnectionsPer1_0Server)" "REG_SZ 20"
expect_eq "win98 backup system line" "$(sed -n 3p "$backups/001.BCK" | tr -d '\r')" "3"
expect_eq "win98 backup recorded DefaultTTL" "$(grep -A1 -F '"DefaultTTL"' "$backups/001.BCK" | sed -n 2p | tr -d '\r')" "100"

quorvane /restore 001.BCK
expect_eq "win98 /restore status" "$rc" 0
expect_eq "win98 DefaultTTL restored" "$(reg_value "$mstcp" DefaultTTL)" "REG_SZ 100"
expect_eq "win98 MaxMTU removed again" "$(reg_value "$nettrans\\0000" MaxMTU)" "missing"
expect_eq "win98 IE number comes back a number" "$(reg_value "$ie" MaxConnectionsPerServer)" "REG_DWORD 0x6"
cp "$backups/001.BCK" "$work/from-win98.BCK"
check_windows_default win98 "$mstcp" "$ie" "$ndi" "$nettrans\\0000"
end_prefix

# --- Windows XP: numbers, two keys per interface ---
new_prefix winxp
wine reg add "$params\\Interfaces\\{T1}" /f >/dev/null 2>&1
wine reg add "$params" /v DefaultTTL /t REG_DWORD /d 100 /f >/dev/null 2>&1

quorvane /optimize "automatic-e"
expect_eq "winxp /optimize status" "$rc" 0
expect_has "winxp /optimize output" "$out" 'Mode "Automatic-E" on Windows XP.'
expect_eq "winxp DefaultTTL" "$(reg_value "$params" DefaultTTL)" "REG_DWORD 0x40"
expect_eq "winxp DefaultReceiveWindow" "$(reg_value "$params" DefaultReceiveWindow)" "REG_DWORD 0x2000"
expect_eq "winxp SYNAttackProtect" "$(reg_value "$params" SYNAttackProtect)" "REG_DWORD 0x2"
expect_eq "winxp interface MTU" "$(reg_value "$params\\Interfaces\\{T1}" MTU)" "REG_DWORD 0x5dc"
expect_eq "winxp adapter service MSS" "$(reg_value 'HKLM\SYSTEM\CurrentControlSet\Services\{T1}\Parameters\Tcpip' MSS)" "REG_DWORD 0x5b4"
expect_eq "winxp IE" "$(reg_value "$ie" MaxConnectionsPerServer)" "REG_DWORD 0x14"
expect_eq "winxp backup system line" "$(sed -n 3p "$backups/001.BCK" | tr -d '\r')" "7"

quorvane /backup
expect_eq "winxp /backup status" "$rc" 0
expect_has "winxp /backup output" "$out" 'Backup: C:\Quorvane\Backups\002.BCK'

quorvane /list
expect_eq "winxp /list status" "$rc" 0
expect_has "winxp /list output" "$out" "001.BCK"
expect_has "winxp /list output" "$out" "002.BCK"

quorvane /restore 'C:\Quorvane\Backups\001.BCK'
expect_eq "winxp /restore status" "$rc" 0
expect_eq "winxp DefaultTTL restored" "$(reg_value "$params" DefaultTTL)" "REG_DWORD 0x64"
expect_eq "winxp DefaultReceiveWindow removed" "$(reg_value "$params" DefaultReceiveWindow)" "missing"

# Values other tools keep as text, binary or empty come back exactly; the export of
# the same backup, imported by regedit, leaves the registry as the restore does.
wine reg add "$params" /v KeepAliveTime /t REG_SZ /d 7200000 /f >/dev/null 2>&1
wine reg add "$params" /v DefaultTTL /t REG_SZ /d 64 /f >/dev/null 2>&1
wine reg add "$params" /v TcpWindowSize /t REG_BINARY /d 0102 /f >/dev/null 2>&1
wine reg add "$params" /v GlobalMaxTcpWindowSize /t REG_SZ /d "" /f >/dev/null 2>&1
quorvane /optimize "Automatic-D"
expect_eq "winxp /optimize over text values" "$rc" 0
expect_eq "winxp DefaultTTL applied" "$(reg_value "$params" DefaultTTL)" "REG_DWORD 0x40"
typed=$(ls "$backups" | grep -E '^[0-9]{3}\.BCK$' | sort | tail -1)
quorvane /export "$typed" 'C:\Quorvane\typed.reg'
expect_eq "winxp /export status" "$rc" 0
expect_eq "winxp export header" "$(head -1 "$WINEPREFIX/drive_c/Quorvane/typed.reg" | tr -d '\r')" "REGEDIT4"
quorvane /restore "$typed"
expect_eq "winxp /restore of text values" "$rc" 0
expect_eq "winxp KeepAliveTime text again" "$(reg_value "$params" KeepAliveTime)" "REG_SZ 7200000"
expect_eq "winxp DefaultTTL text again" "$(reg_value "$params" DefaultTTL)" "REG_SZ 64"
expect_eq "winxp TcpWindowSize binary again" "$(reg_value "$params" TcpWindowSize)" "REG_BINARY 0102"
expect_eq "winxp empty text again" "$(reg_value "$params" GlobalMaxTcpWindowSize)" "REG_SZ "
state() {
  local key
  for key in "$params" "$params\\Interfaces\\{T1}" 'HKLM\SYSTEM\CurrentControlSet\Services\{T1}\Parameters\Tcpip' \
             'HKLM\System\CurrentControlSet\Services\VxD\NWLink\Ndi\params\cachesize' "$ie"; do
    wine reg query "$key" 2>/dev/null | tr -d '\r'
  done
}
restored=$(state)
quorvane /optimize "Automatic-A"
wine regedit /s 'C:\Quorvane\typed.reg' >/dev/null 2>&1
expect_eq "winxp regedit import of the export equals the restore" "$(state)" "$restored"

# A NUL in a key line would write into Services\Tcpip itself: the whole file is refused.
{ cat "$backups/001.BCK"; printf '"SYSTEM\\CurrentControlSet\\Services\\Tcpip\0\\Parameters\\Tcpip"\r\n"MTU"\r\n1\r\n"MSS"\r\n1\r\n'; } > "$backups/nul.BCK"
quorvane /restore nul.BCK
expect_eq "winxp restore of a key with a NUL" "$rc" 4
expect_eq "winxp nothing written beside the NUL" "$(reg_value 'HKLM\SYSTEM\CurrentControlSet\Services\Tcpip' MTU)" "missing"

cp "$work/from-win98.BCK" "$backups/from-win98.BCK"
quorvane /restore from-win98.BCK
expect_eq "winxp restore of a 98 backup" "$rc" 3
expect_has "winxp restore of a 98 backup" "$out" "was made on Windows 98 (3); this is Windows XP (7)."
expect_eq "winxp nothing restored from 98" "$(reg_value "$params" DefaultTTL)" "REG_SZ 64"

printf '#2026-12-08#\r\n#07:30:00#\r\n7\r\n"Software\\Microsoft\\Windows\\CurrentVersion\\Run"\r\n' > "$backups/evil.BCK"
quorvane /restore evil.BCK
expect_eq "winxp restore of a foreign key" "$rc" 4
expect_has "winxp restore of a foreign key" "$out" "Line 4:"

touch "$backups/999.BCK"
quorvane /optimize "Automatic-A"
expect_eq "winxp no number left" "$rc" 2
expect_eq "winxp untouched when no number is left" "$(reg_value "$params" DefaultTTL)" "REG_SZ 64"
rm "$backups/999.BCK"

check_windows_default winxp "$params" "$params\\Interfaces\\{T1}" "$ndi" "$ie" \
  'HKLM\SYSTEM\CurrentControlSet\Services\{T1}\Parameters\Tcpip'

# A file far larger than any backup is damaged: its own status, no exception.
truncate -s 300M "$backups/huge.BCK"
quorvane /restore huge.BCK
expect_eq "winxp restore of a 300 MB file" "$rc" 6
expect_has "winxp restore of a 300 MB file" "$out" "larger than"
rm "$backups/huge.BCK"

# An export writes through no link planted in its place, with or without /y.
winini=$WINEPREFIX/drive_c/windows/win.ini
winini_before=$(md5sum <"$winini")
ln -s "$winini" "$WINEPREFIX/drive_c/Quorvane/planted.reg"
for y in "" /y; do
  quorvane /export 001.BCK 'C:\Quorvane\planted.reg' $y
  expect_eq "winxp export onto a link ${y:-without /y}" "$rc" "$([ -z "$y" ] && echo 7 || echo 0)"
  expect_eq "winxp win.ini untouched ${y:-without /y}" "$(md5sum <"$winini")" "$winini_before"
done

# A Backups folder that is a link is refused: backups go only into a real folder.
mv "$backups" "$work/real-backups"
ln -s "$WINEPREFIX/drive_c/windows/system32" "$backups"
quorvane /backup
expect_eq "winxp backup into a linked folder" "$rc" 2
expect_has "winxp backup into a linked folder" "$out" "is a link"
expect_eq "winxp nothing written through the link" "$(ls "$WINEPREFIX/drive_c/windows/system32" | grep -c '\.BCK$')" 0
rm "$backups"
mv "$work/real-backups" "$backups"

quorvane /optimize
expect_eq "winxp missing mode" "$rc" 1
expect_has "winxp missing mode" "$out" '"Automatic-A", "Automatic-B"'

# /status reads only: each value, what it holds, what this Windows does with it.
wine reg add "$params" /v DefaultTTL /t REG_SZ /d 64 /f >/dev/null 2>&1
wine reg add "$params" /v TcpWindowSize /t REG_BINARY /d 0102 /f >/dev/null 2>&1
wine reg delete "$params" /v SYNAttackProtect /f >/dev/null 2>&1
wine reg delete "$ie" /v MaxConnectionsPerServer /f >/dev/null 2>&1
before=$(wine reg query "$params" 2>/dev/null)
quorvane /status
expect_eq "winxp /status status" "$rc" 0
expect_has "winxp /status" "$out" 'The values Quorvane manages on Windows XP:'
expect_has "winxp /status" "$out" 'HKLM\System\CurrentControlSet\Services\Tcpip\Parameters'
status_line() { grep -F "  $1 =" <<<"$out" | head -1; }
expect_eq "winxp /status SYN" "$(status_line SYNAttackProtect)" '  SYNAttackProtect = not set: used'
expect_eq "winxp /status TTL" "$(status_line DefaultTTL)" '  DefaultTTL = "64" (REG_SZ): used'
expect_eq "winxp /status binary" "$(status_line TcpWindowSize)" '  TcpWindowSize = [01 02] (type 3): used'
expect_has "winxp /status" "$out" '  MaxConnectionsPerServer = not set: used only by programs that use WinINet'
expect_eq "winxp /status wrote nothing" "$(wine reg query "$params" 2>/dev/null)" "$before"

# --- Windows 7: newer than XP, still the NT layout ---
wine reg add 'HKCU\Software\Wine' /v Version /d win7 /f >/dev/null 2>&1
quorvane /optimize "Automatic-E"
expect_eq "win7 /optimize status" "$rc" 0
expect_has "win7 /optimize output" "$out" 'on Windows NT 5.2 or later.'
expect_eq "win7 TcpWindowSize" "$(reg_value "$params" TcpWindowSize)" "REG_DWORD 0x3ebc0"
latest=$(ls "$backups" | grep -E '^[0-9]{3}\.BCK$' | sort | tail -1)
expect_eq "win7 backup system line" "$(sed -n 3p "$backups/$latest" | tr -d '\r')" "8"
quorvane /status
expect_eq "win7 /status status" "$rc" 0
expect_has "win7 /status" "$out" 'The values Quorvane manages on Windows 7:'
expect_has "win7 /status" "$out" '  SYNAttackProtect = 2 (REG_DWORD): not used: SYN-flood protection is always on'
expect_has "win7 /status" "$out" '  TcpWindowSize = 256960 (REG_DWORD): not documented for Windows Vista and 7'

# --- Windows 10: the same layout, the same answers, named for what it is ---
wine reg add 'HKCU\Software\Wine' /v Version /d win10 /f >/dev/null 2>&1
quorvane /status
expect_eq "win10 /status status" "$rc" 0
expect_has "win10 /status" "$out" 'The values Quorvane manages on Windows 10:'
expect_has "win10 /status" "$out" '  SYNAttackProtect = 2 (REG_DWORD): not used: SYN-flood protection is always on'
expect_has "win10 /status" "$out" '  SackOpts = 1 (REG_DWORD): not documented for Windows 8 to 11'
end_prefix

checks_summary
