# Sourced by the run, screenshot and benchmark scripts: installs what the machine
# lacks, configures the build and builds the given targets.
#   quorvane_build ROOT BUILD_DIR TARGET...
#   quorvane_default_build ROOT     the build folder to use on this machine
source "$(dirname "${BASH_SOURCE[0]}")/host-arch.sh"

quorvane_default_build() {
  echo "$1/build/$(quorvane_run_arch)"
}

# The preset for a build folder: its own architecture where it names one.
quorvane_preset_for() {
  case "$1" in
    *x86_64*) echo mingw-x86_64 ;;
    *i686*) echo mingw-i686 ;;
    *) echo "mingw-$(quorvane_run_arch)" ;;
  esac
}

quorvane_build() {
  local root=$1 build_dir=$2
  shift 2
  bash "$root/scripts/setup.sh"
  quorvane_use_ccache "$root"
  cmake --preset "$(quorvane_preset_for "$build_dir")" -S "$root" -B "$build_dir" >/dev/null
  cmake --build "$build_dir" -j "$(nproc)" --target "$@" >/dev/null
}
