#!/usr/bin/env bash
# Starts quorvane.exe's window, then starts it again as a user would, and checks
# with a probe from a third process that the second start brought the first copy
# to the front (from the taskbar and from the tray) and ended, while the
# command-line mode runs beside the window; and that another program holding its
# names does not keep it from starting.
#   single_instance.sh QUORVANE_EXE PROBE_EXE
set -uo pipefail
exe=$1 probe=$2
settings='HKLM\SOFTWARE\Kestavo\Quorvane\Settings\MainSettings'
source "$(dirname "$0")/../support/checks.sh"
first=""

state() { wine "$probe" state 2>/dev/null | tr -d '\r'; }

# Waits up to 20 s for the probe to see the wanted state (a pattern).
wait_for_state() {
  local i now
  for i in $(seq 1 100); do
    now=$(state)
    [[ "$now" == $1 ]] && break
    sleep 0.2
  done
  echo "$now"
}

start_first() {
  wine "$exe" >/dev/null 2>&1 &
  first=$!
}

close_first() {
  wine "$probe" close >/dev/null 2>&1
  wait "$first" 2>/dev/null
  first=""
}
trap '[ -n "$first" ] && kill "$first" 2>/dev/null' EXIT

# The second start must end by itself, quickly, and successfully.
start_second() {
  local t0=$SECONDS
  timeout 30 wine "$exe" >/dev/null 2>&1
  expect_eq "$1: second start's status" "$?" 0
  echo "second start ($1): $((SECONDS - t0)) s"
}

wine reg delete "$settings" /v chkRunProgramMini /f >/dev/null 2>&1

# --- the window shown, then minimised ---
start_first
expect_eq "first copy shown" "$(wait_for_state "windows=1 visible=1 iconic=0 foreground=1")" \
  "windows=1 visible=1 iconic=0 foreground=1"
start_second "shown"
expect_eq "shown: one window, in front" "$(state)" "windows=1 visible=1 iconic=0 foreground=1"

wine "$probe" minimize >/dev/null 2>&1
# Without a window manager Wine may leave the minimised window active.
expect_eq "minimised" "$(wait_for_state "windows=1 visible=1 iconic=1 *" | cut -d' ' -f1-3)" \
  "windows=1 visible=1 iconic=1"
start_second "minimised"
expect_eq "minimised: restored, in front" "$(state)" "windows=1 visible=1 iconic=0 foreground=1"

# --- the command-line mode runs beside the window ---
out=$(timeout 30 wine "$exe" /list 2>&1)
expect_eq "command line beside the window: status" "$?" 0
if grep -q "Backups" <<<"$out"; then pass; else fail "command line beside the window printed: $out"; fi
expect_eq "command line beside the window: window untouched" "$(state)" "windows=1 visible=1 iconic=0 foreground=1"
close_first
expect_eq "first copy closed" "$(wait_for_state "windows=0 visible=0 iconic=0 foreground=0")" \
  "windows=0 visible=0 iconic=0 foreground=0"

# --- another program holds the names: Quorvane says so and starts anyway ---
wine "$probe" squat >/dev/null 2>&1 &
squatter=$!
trap '[ -n "$first" ] && kill "$first" 2>/dev/null; kill "$squatter" 2>/dev/null' EXIT
for i in $(seq 1 50); do wine "$probe" running && break; sleep 0.2; done
start_first
said=""
for i in $(seq 1 100); do said=$(wine "$probe" answer 2>/dev/null | tr -d '\r') && break; sleep 0.2; done
expect_has "name taken: the person is told" "$said" "Another program holds Quorvane's name"
expect_eq "name taken: started anyway" "$(wait_for_state "windows=1 visible=1 *" | cut -d' ' -f1-2)" \
  "windows=1 visible=1"
close_first
kill "$squatter" 2>/dev/null
wait "$squatter" 2>/dev/null

# --- started in the tray ---
wine reg add "$settings" /v chkRunProgramMini /d 1 /f >/dev/null 2>&1
start_first
expect_eq "first copy in the tray" "$(wait_for_state "windows=1 visible=0 iconic=0 foreground=0")" \
  "windows=1 visible=0 iconic=0 foreground=0"
start_second "tray"
expect_eq "tray: shown, in front" "$(state)" "windows=1 visible=1 iconic=0 foreground=1"
close_first
wine reg delete "$settings" /v chkRunProgramMini /f >/dev/null 2>&1

checks_summary
