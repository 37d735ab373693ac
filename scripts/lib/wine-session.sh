# Sourced by the run, test and benchmark scripts: a private X display (Xvfb) and a
# 32-bit Wine prefix inside the build tree, with a persistent wineserver so every
# Wine process of the run starts in milliseconds instead of seconds.
#
#   wine_session_start BUILD_DIR   sets DISPLAY, WINEPREFIX, WINEARCH, WINEDEBUG, ...
#   wine_session_stop              stops the wineserver and the Xvfb it started

_ws_xvfb_pid=""

# win64 for a build of the 64-bit program, win32 otherwise.
wine_arch_of_build() {
  if grep -qs '^CMAKE_TOOLCHAIN_FILE.*x86_64' "$1/CMakeCache.txt"; then echo win64; else echo win32; fi
}

_ws_free_display() {
  local n
  for n in $(seq 90 160); do
    if [ ! -e "/tmp/.X${n}-lock" ] && [ ! -e "/tmp/.X11-unix/X${n}" ]; then
      echo "$n"; return 0
    fi
  done
  return 1
}

wine_session_start() {
  local build_dir
  build_dir=$(mkdir -p "$1" && cd "$1" && pwd)
  export WINEPREFIX="${WINEPREFIX_OVERRIDE:-$build_dir/wineprefix}"
  export WINEARCH
  WINEARCH=$(wine_arch_of_build "$build_dir")
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES='mscoree,mshtml='

  # A wineserver started without a display makes every later window creation fail,
  # so the display comes first.
  if [ -z "${DISPLAY:-}" ] || [ "${QUORVANE_PRIVATE_DISPLAY:-1}" = 1 ]; then
    local n
    n=$(_ws_free_display) || { echo "no free X display number" >&2; return 1; }
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    _ws_xvfb_pid=$!
    # Set now: a later step that fails must not leave the display behind.
    trap wine_session_stop EXIT
    export DISPLAY=":$n"
    local i
    for i in $(seq 1 50); do
      [ -e "/tmp/.X11-unix/X$n" ] && break
      sleep 0.1
    done
  fi

  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "wine-session: creating the Wine prefix $WINEPREFIX" >&2
    mkdir -p "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1 || true
    # No window manager runs under Xvfb: unmanaged windows spare Wine a 2 s wait
    # each time it takes down a captioned or active window.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 || true
    wineserver -w
  fi
  # A server already running for this prefix (another session's) serves as well.
  wineserver -p >/dev/null 2>&1 </dev/null || true
  # Wine's own background processes (services, plugplay, rpcss) start with the first
  # program and live as long as the server; started here, they hold no pipe of a test
  # runner open, so runners see their tests' output end.
  wine cmd.exe /c exit >/dev/null 2>&1 </dev/null || true
  trap wine_session_stop EXIT
}

wine_session_stop() {
  wineserver -k >/dev/null 2>&1 || true
  if [ -n "$_ws_xvfb_pid" ]; then
    kill "$_ws_xvfb_pid" >/dev/null 2>&1 || true
    wait "$_ws_xvfb_pid" 2>/dev/null || true
    _ws_xvfb_pid=""
  fi
}

# Installs the built program and the data files beside it into the prefix as a
# user would: C:\Quorvane. Sets install_dir to that folder on the Linux side.
install_quorvane() {
  local build_dir=$1 file
  install_dir=$WINEPREFIX/drive_c/Quorvane
  mkdir -p "$install_dir"
  for file in "$build_dir"/bin/quorvane.exe "$build_dir"/bin/*.swf "$build_dir"/bin/*.skn \
              "$build_dir"/bin/*.spl "$build_dir"/bin/*.chm "$build_dir"/bin/*.wav; do
    if [ -e "$file" ]; then cp "$file" "$install_dir"/; fi
  done
}
