#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine lacks to build, run and test Quorvane:
# the MinGW-w64 cross compilers, the host's g++ (for tools run at build time), Wine
# (32-bit where the host runs 32-bit programs), Xvfb, doctest, CMake, ImageMagick, the CHM compiler, NSIS, and clang with
# libFuzzer and the sanitizers (llvm-symbolizer names lines in their reports) for the
# native build of the pure sources.
# Does nothing when everything is already there.
set -euo pipefail

source "$(dirname "$0")/lib/host-arch.sh"

# 32-bit Wine where the kernel runs 32-bit programs. Where it runs 64-bit code only,
# a 32-bit Wine installed earlier is removed: the `wine` command would pick its loader,
# which cannot start there, instead of the 64-bit one.
need_i386=0
wine32=()
if quorvane_host_runs_i386; then
  dpkg --print-foreign-architectures | grep -qx i386 || need_i386=1
  wine32=(wine32:i386)
elif dpkg-query -W -f='${Status}' wine32:i386 2>/dev/null | grep -q 'install ok installed'; then
  echo "setup: this host runs 64-bit code only: removing the 32-bit Wine loader" >&2
  DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq wine32:i386 >/dev/null
fi

packages=(
  cmake make g++ ccache
  g++-mingw-w64-i686-win32 g++-mingw-w64-x86-64-win32 binutils-mingw-w64-i686
  wine "${wine32[@]}" wine64
  xvfb xauth x11-utils xdotool imagemagick fonts-wine
  doctest-dev fp-utils-3.2.2 nsis
  clang libclang-rt-14-dev llvm
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ "$need_i386" -eq 0 ] && [ "${#missing[@]}" -eq 0 ]; then
  exit 0
fi

SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
if [ "$need_i386" -eq 1 ]; then
  $SUDO dpkg --add-architecture i386
fi
echo "setup: installing ${missing[*]}" >&2
# A mirror caught mid-sync fails one index now and then: try again, and go on with the
# lists that did arrive (the install below fails plainly if a package is really missing).
for attempt in 1 2 3; do
  $SUDO apt-get update -qq && break
  echo "setup: apt-get update failed (attempt $attempt), retrying" >&2
  sleep $((attempt * 5))
done
if ! $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null; then
  # When one architecture's security index is missing, the 32-bit libraries Wine needs
  # cannot match their 64-bit twins' newer versions: take both from the release itself.
  echo "setup: retrying the install from the bookworm release alone" >&2
  $SUDO apt-get install -y -qq --no-install-recommends -t bookworm "${missing[@]}" >/dev/null
fi
