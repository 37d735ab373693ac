#!/usr/bin/env bash
# Starts quorvane.exe as scripts/run.sh does, in a Wine virtual desktop, presses
# Help with the mouse as a person does, ten times over, and checks each time that
# the help viewer started and that Quorvane and its desktop are still there three
# seconds later.
#   help_viewer.sh QUORVANE_EXE
set -uo pipefail
exe=$1
source "$(dirname "$0")/../support/checks.sh"
source "$(dirname "$0")/../../scripts/lib/wine-process.sh"
folder=$(dirname "$exe")
desktop=QuorvaneHelp

running() { [ -n "$(wine_process_of "$1")" ]; }
# The desktop closes by itself once nothing runs on it.
end_all() {
  for pattern in '^C:.*\\hh\.exe' '^[^ ]*quorvane\.exe'; do
    kill "$(wine_process_of "$pattern")" 2>/dev/null
  done
}
trap end_all EXIT

(cd "$folder" && wine explorer /desktop=$desktop,1024x768 quorvane.exe >/dev/null 2>&1 &)
# The main window's place on the desktop, once it has settled there.
place() { xwininfo -root -tree | sed -n 's/.*"Quorvane": ("quorvane.exe".* [0-9]*x[0-9]*+\([0-9]*\)+\([0-9]*\) .*/\1 \2/p'; }
at="" before=""
for i in $(seq 1 100); do
  sleep 0.5
  at=$(place)
  [ -n "$at" ] && [ "$at" = "$before" ] && break
  before=$at
done
read -r win_x win_y <<<"$at"
# The Help button's middle, from the face's own file; the movie starts 38 pixels above the window.
read -r help_x help_y < <(awk '/command=IDC_FS_help/ { print $2 + int($4 / 2), $3 + int($5 / 2) - 38 }' "$folder/Quorvane.swf")

for try in $(seq 1 10); do
  xdotool mousemove $((win_x + help_x)) $((win_y + help_y)) click 1
  sleep 3
  state="viewer=$(running '^C:.*\\hh\.exe' && echo 1 || echo 0)"
  state+=" quorvane=$(running '^[^ ]*quorvane\.exe' && echo 1 || echo 0)"
  state+=" desktop=$(running "desktop=$desktop" && echo 1 || echo 0)"
  expect_eq "Help, try $try" "$state" "viewer=1 quorvane=1 desktop=1"
  kill "$(wine_process_of '^C:.*\\hh\.exe')" 2>/dev/null
  sleep 1
done
checks_summary
