# Sourced by the run, screenshot and benchmark scripts: installs what the machine
# lacks, configures the 32-bit build and builds the given targets.
#   quorvane_build ROOT BUILD_DIR TARGET...
quorvane_build() {
  local root=$1 build_dir=$2
  shift 2
  bash "$root/scripts/setup.sh"
  cmake --preset mingw-i686 -S "$root" -B "$build_dir" >/dev/null
  cmake --build "$build_dir" -j "$(nproc)" --target "$@" >/dev/null
}
