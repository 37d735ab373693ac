# The Linux process id of a Windows program running in this WINEPREFIX, by its
# file name (other prefixes on the machine may run a program of the same name).
wine_process_of() {
  local pid
  for pid in $(pgrep -f "$1"); do
    if tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qx "WINEPREFIX=$WINEPREFIX"; then
      echo "$pid"
      return
    fi
  done
}
