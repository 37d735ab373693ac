#!/usr/bin/env bash
# Builds Quorvane and its tests and runs every test under Wine inside Xvfb.
# Installs what a fresh Debian 12 machine lacks first.
#   QUORVANE_BUILD_DIR  build folder (default build/i686)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${QUORVANE_BUILD_DIR:-$root/build/i686}

bash "$root/scripts/setup.sh"
cmake --preset mingw-i686 -S "$root" -B "$build" >/dev/null
cmake --build "$build" -j "$(nproc)"

# The 64-bit build is compiled too, so the sources stay portable; of it, the
# processor samplers' test runs (record sizes differ with the pointer width).
if [ "${QUORVANE_SKIP_X64:-0}" != 1 ]; then
  x64=${build%/*}/x86_64
  [ "$build" = "$root/build/i686" ] || x64=$build-x86_64
  cmake --preset mingw-x86_64 -S "$root" -B "$x64" -DBUILD_TESTING=ON >/dev/null
  cmake --build "$x64" -j "$(nproc)" --target quorvane test_cpu_sampler
fi

source "$root/scripts/lib/wine-session.sh"
wine_session_start "$build"
# Tests share one registry, so they run one after another.
ctest --test-dir "$build" --output-on-failure --no-tests=error "$@"

# The 64-bit samplers in a 64-bit prefix of their own (made on first use).
if [ "${QUORVANE_SKIP_X64:-0}" != 1 ]; then
  echo "64-bit: test_cpu_sampler in $x64/wineprefix"
  (cd "$x64/bin" && WINEPREFIX="$x64/wineprefix" WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES='mscoree,mshtml=' \
    wine test_cpu_sampler.exe --no-intro --force-colors=false)
fi
