#!/usr/bin/env bash
# Installs Quorvane silently into a fresh Wine prefix, runs the installed program's
# command-line mode from there, checks the files, the Start-menu shortcuts and the
# Add/Remove Programs entry (Wine's reg.exe) and the logon task the program registers
# when started with its start-up option on; checks that the uninstaller stops for
# a running copy on any desktop but not for another program holding its names;
# uninstalls silently, deleting the backups and the task, and checks that links
# planted in the Backups folder were not followed.
#   install_roundtrip.sh SETUP_EXE PREFIX VERSION PROBE_EXE
set -uo pipefail
setup=$1 prefix=$2 version=$3 probe=$4
source "$(dirname "$0")/../support/checks.sh"
source "$(dirname "$0")/../../scripts/lib/wine-process.sh"
expect_file() { if [ -e "$2" ]; then pass; else fail "$1: $2 missing"; fi; }
expect_gone() { if [ ! -e "$2" ]; then pass; else fail "$1: $2 still there"; fi; }

# "present" while the logon task is registered: Wine keeps it as a file in system32's
# tasks folder (named "tasks" there, so compared case-insensitively).
logon_task() {
  find "$WINEPREFIX/drive_c/windows/system32" -maxdepth 2 -ipath '*/system32/tasks/quorvane' | grep -q . &&
    echo present || echo missing
}

# The data of one value as `reg query` shows it, or "missing".
reg_data() {
  wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' | grep -F "    $2    " |
    sed -E 's/^ +[^ ].*    REG_[A-Z_]+    //' || echo missing
}

export WINEPREFIX=$prefix WINEARCH=${QUORVANE_WINEARCH:-win32} WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml=
wineserver -k >/dev/null 2>&1
rm -rf "$WINEPREFIX"
mkdir -p "$WINEPREFIX"
wineboot -i >/dev/null 2>&1
# Wine goes on setting the prefix up after wineboot returns; used before that ends,
# its services (the Task Scheduler among them) time out at every start.
wineserver -w

program='C:\Program Files\Quorvane'
folder="$WINEPREFIX/drive_c/Program Files/Quorvane"
shortcuts="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Quorvane"
uninstall='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quorvane'
run='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'
settings='HKLM\SOFTWARE\Kestavo\Quorvane'

# --- install ---
wine "$setup" /S >/dev/null 2>&1
expect_eq "silent install's status" "$?" 0
for file in quorvane.exe Quorvane.swf QuorvaneMask.skn QuorvaneSpl.spl QuorvaneHelp.chm uninstall.exe; do
  expect_file "installed" "$folder/$file"
done
for link in "Quorvane.lnk" "Quorvane Help.lnk" "Uninstall Quorvane.lnk"; do
  expect_file "shortcut" "$shortcuts/$link"
done
expect_eq "DisplayName" "$(reg_data "$uninstall" DisplayName)" "Quorvane"
expect_eq "DisplayVersion" "$(reg_data "$uninstall" DisplayVersion)" "$version"
expect_eq "Publisher" "$(reg_data "$uninstall" Publisher)" "Kestavo"
expect_eq "DisplayIcon" "$(reg_data "$uninstall" DisplayIcon)" "$program\\quorvane.exe,0"
expect_eq "UninstallString" "$(reg_data "$uninstall" UninstallString)" "\"$program\\uninstall.exe\""
expect_eq "QuietUninstallString" "$(reg_data "$uninstall" QuietUninstallString)" "\"$program\\uninstall.exe\" /S"
# The program's files in KB, the Backups folder aside.
size_kb=$(find "$folder" -maxdepth 1 -type f -printf '%s\n' | awk '{ bytes += $1 } END { print int(bytes / 1024) }')
expect_eq "EstimatedSize" "$(( $(reg_data "$uninstall" EstimatedSize) ))" "$size_kb"

# --- the installed program, from its folder with a blank in the path ---
out=$(wine "$program\\quorvane.exe" /backup 2>&1 | tr -d '\r')
expect_eq "/backup output" "$out" "Backup: $program\\Backups\\001.BCK"
expect_file "backup written" "$folder/Backups/001.BCK"

# What the program leaves in the registry when used: its settings (and the task, below).
wine reg add "$run" /v Neighbour /d 'C:\neighbour.exe' /f >/dev/null 2>&1
wine reg add "$settings\\Settings\\MainSettings" /v chkRunMainProgram /d 1 /f >/dev/null 2>&1

# --- while Quorvane runs, its files are in use: the uninstaller stops, changing nothing,
# whether Quorvane runs on the uninstaller's desktop or on another one ---
# In place (_?= takes the rest of the command line, blanks and all), so the status
# is the uninstaller's own; a batch file gives the line as written.
printf '@"%s\\uninstall.exe" /S _?=%s\r\n@exit %%ERRORLEVEL%%\r\n' "$program" "$program" >"$WINEPREFIX/drive_c/uninstall-in-place.bat"
for desktop in "this desktop" "another desktop"; do
  if [ "$desktop" = "this desktop" ]; then
    wine "$program\\quorvane.exe" >/dev/null 2>&1 &
  else
    wine explorer /desktop=Another,640x480 "$program\\quorvane.exe" >/dev/null 2>&1 &
  fi
  running=$!
  for i in $(seq 1 100); do wine "$probe" running && break; sleep 0.2; done
  if [ "$desktop" = "this desktop" ]; then  # the option on: start-up registers the task
    for i in $(seq 1 150); do [ "$(logon_task)" = present ] && break; sleep 0.2; done
    expect_eq "logon task registered at start-up" "$(logon_task)" present
  fi
  sleep 2  # its window up: what the uninstaller once looked for
  wine cmd /c 'C:\uninstall-in-place.bat' >/dev/null 2>&1
  expect_eq "uninstall while running on $desktop: status" "$?" 2
  expect_file "uninstall while running on $desktop: program kept" "$folder/quorvane.exe"
  # The program itself (on another desktop, $running is the desktop's explorer).
  kill "$(wine_process_of '^C:\\Program Files\\Quorvane\\quorvane\.exe')" 2>/dev/null
  wait "$running"
done

# --- another program holding Quorvane's names stops nothing; the backups are deleted
# on request, never through a link planted in the Backups folder ---
wine "$probe" squat >/dev/null 2>&1 &
squatter=$!
for i in $(seq 1 50); do wine "$probe" running && break; sleep 0.2; done
outside="$WINEPREFIX/drive_c/outside"
mkdir -p "$outside"
echo kept >"$outside/victim.BCK"
echo kept >"$outside/linked.BCK"
ln -s "$outside" "$folder/Backups/folder-link.BCK"
ln -s "$outside/linked.BCK" "$folder/Backups/002.BCK"

# A Run value an older Quorvane left on Windows XP: the uninstaller removes it too.
wine reg add "$run" /v Quorvane /d "\"$program\\quorvane.exe\"" /f >/dev/null 2>&1

# --- uninstall: the uninstaller runs from a copy of itself, so wait for every process ---
wine "$folder/uninstall.exe" /S /DELETEBACKUPS >/dev/null 2>&1
expect_eq "silent uninstall's status" "$?" 0
# Its copy removes uninstall.exe last; the squatter still runs, so no wineserver -w yet.
for i in $(seq 1 300); do [ -e "$folder/uninstall.exe" ] || break; sleep 0.2; done
sleep 1
kill "$squatter" 2>/dev/null
wineserver -w
expect_eq "left in the program folder" "$(cd "$folder" && find . | sort | tr '\n' ' ')" \
  ". ./Backups ./Backups/002.BCK ./Backups/folder-link.BCK "
expect_eq "files the links lead to" "$(cat "$outside/victim.BCK" "$outside/linked.BCK" 2>&1 | tr '\n' ' ')" "kept kept "
expect_gone "shortcuts" "$shortcuts"
expect_eq "uninstall entry" "$(wine reg query "$uninstall" >/dev/null 2>&1 && echo present || echo gone)" "gone"
expect_eq "settings key" "$(wine reg query "$settings" >/dev/null 2>&1 && echo present || echo gone)" "gone"
expect_eq "Run value" "$(reg_data "$run" Quorvane)" "missing"
expect_eq "logon task" "$(logon_task)" missing
expect_eq "other Run values" "$(reg_data "$run" Neighbour)" 'C:\neighbour.exe'

wineserver -k >/dev/null 2>&1
# The prefix stays for a look when something failed.
if [ "$failures" -eq 0 ]; then rm -rf "$WINEPREFIX"; fi
checks_summary
