#!/usr/bin/env bash
# Builds Quorvane and its tests and runs every test under Wine inside Xvfb.
# Installs what a fresh Debian 12 machine lacks first.
#   QUORVANE_BUILD_DIR  build folder (default build/i686, or build/x86_64 where the
#                       host runs 64-bit code only)
#   QUORVANE_SKIP_X64=1  skip the 64-bit build where the tests run the 32-bit one
#
# The program ships as a 32-bit program and is tested as one wherever the host runs
# 32-bit code; the 64-bit build is compiled too, so the sources stay portable, and its
# processor-sampler test runs in a 64-bit prefix (record sizes differ with the pointer
# width). On a host that runs 64-bit code only (Wine's 32-bit loader cannot start), the
# 64-bit build runs every test and the 32-bit program and installer are still built.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
source "$root/scripts/lib/host-arch.sh"
arch=$(quorvane_run_arch)
quorvane_use_ccache "$root"
build=${QUORVANE_BUILD_DIR:-$root/build/$arch}
skip_other=${QUORVANE_SKIP_X64:-0}

other=$([ "$arch" = i686 ] && echo x86_64 || echo i686)
other_build=${build%/*}/$other
[ "$build" = "$root/build/$arch" ] || other_build=$build-$other

bash "$root/scripts/setup.sh"
if [ "$arch" = i686 ]; then
  cmake --preset mingw-i686 -S "$root" -B "$build" -DBUILD_TESTING=ON >/dev/null
  cmake --build "$build" -j "$(nproc)"
  if [ "$skip_other" != 1 ]; then
    cmake --preset mingw-x86_64 -S "$root" -B "$other_build" -DBUILD_TESTING=ON >/dev/null
    cmake --build "$other_build" -j "$(nproc)" --target quorvane test_cpu_sampler
  fi
else
  # The import checks read the shipped 32-bit program, so it is always built here.
  echo "test: this host runs 64-bit code only: the tests run the 64-bit build; the shipped" \
       "32-bit program and its installer are built in $other_build"
  cmake --preset mingw-x86_64 -S "$root" -B "$build" -DBUILD_TESTING=ON \
        "-DQUORVANE_SHIPPED_PROGRAM=$other_build/bin/quorvane.exe" >/dev/null
  cmake --build "$build" -j "$(nproc)"
  cmake --preset mingw-i686 -S "$root" -B "$other_build" -DBUILD_TESTING=OFF \
        "-DQUORVANE_PREBUILT_ICON=$build/generated/quorvane.ico" >/dev/null
  cmake --build "$other_build" -j "$(nproc)"
fi

source "$root/scripts/lib/wine-session.sh"
wine_session_start "$build"
# Tests share one registry, so they run one after another.
ctest --test-dir "$build" --output-on-failure --no-tests=error "$@"

# The 64-bit samplers in a 64-bit prefix of their own (made on first use).
if [ "$skip_other" != 1 ] && [ "$arch" = i686 ]; then
  echo "64-bit: test_cpu_sampler in $other_build/wineprefix"
  (cd "$other_build/bin" && WINEPREFIX="$other_build/wineprefix" WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES='mscoree,mshtml=' \
    wine test_cpu_sampler.exe --no-intro --force-colors=false)
fi
