# Sourced by the screenshot scripts, after wine_session_start: runs one of the demo
# programs in a Wine virtual desktop and saves what the screen shows.
#
#   demo_screenshot OUTPUT DESKTOP CROP PROGRAM [ARGUMENTS]
#
# DESKTOP is the virtual desktop's size (1024x768); CROP the part to keep
# (WxH+X+Y; "desktop" keeps the whole desktop, "main" the main window centred on
# a 1024x768 desktop). The program runs from the build's bin folder and is given
# ARGUMENTS (the demos close themselves after a number of seconds, which comes
# last); the picture is taken DEMO_WAIT seconds (default 5) after the start.
demo_screenshot() {
  local output=$1 desktop=$2 crop=$3 program=$4
  shift 4
  case "$crop" in
    desktop) crop="$desktop+0+0" ;;
    main) crop="714x499+155+134" ;;
  esac
  (cd "$build/bin" && wine explorer /desktop=QuorvaneDemo,"$desktop" "$program" "$@" >/dev/null 2>&1) &
  local demo=$!
  sleep "${DEMO_WAIT:-5}"
  import -window root -crop "$crop" "$output"
  wait "$demo" || true
  echo "$output"
}
