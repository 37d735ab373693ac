# Sourced by the scripts: which Windows build this machine can run under Wine.
# The program ships as a 32-bit program, and its tests run it as one wherever the
# host runs 32-bit code. Some hosts run 64-bit user code only (the kernel's IA-32
# emulation is off, so Wine's 32-bit loader cannot start): there the 64-bit build,
# from the same sources, is the one tested and run.
#
#   quorvane_host_runs_i386         true when the kernel runs 32-bit x86 programs
#   quorvane_host_runs_win32        true when Wine's 32-bit loader starts here
#   quorvane_run_arch               i686 or x86_64: the build to run and test here

quorvane_host_runs_i386() {
  local dir status=1
  dir=$(mktemp -d)
  # The smallest 32-bit program: exit(0) through the i386 system call.
  if printf '.globl _start\n_start: movl $1, %%eax\n xorl %%ebx, %%ebx\n int $0x80\n' |
       as --32 -o "$dir/exit.o" - 2>/dev/null &&
     ld -m elf_i386 -o "$dir/exit" "$dir/exit.o" 2>/dev/null; then
    "$dir/exit" 2>/dev/null && status=0
  fi
  rm -rf "$dir"
  return $status
}

quorvane_host_runs_win32() {
  local loader
  for loader in /usr/lib/wine/wine /usr/lib/i386-linux-gnu/wine/wine /opt/wine-stable/bin/wine; do
    if [ -x "$loader" ]; then
      "$loader" --version >/dev/null 2>&1
      return
    fi
  done
  return 1
}

quorvane_run_arch() {
  if [ -n "${QUORVANE_ARCH:-}" ]; then
    echo "$QUORVANE_ARCH"
  elif quorvane_host_runs_win32; then
    echo i686
  else
    echo x86_64
  fi
}

# Builds go through ccache where it is installed: a fresh clone or another work tree
# of the same sources compiles only what differs (paths are taken relative to ROOT).
#   quorvane_use_ccache ROOT
quorvane_use_ccache() {
  command -v ccache >/dev/null 2>&1 || return 0
  export CMAKE_CXX_COMPILER_LAUNCHER=${CMAKE_CXX_COMPILER_LAUNCHER:-ccache}
  export CMAKE_C_COMPILER_LAUNCHER=${CMAKE_C_COMPILER_LAUNCHER:-ccache}
  export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$1} CCACHE_NOHASHDIR=${CCACHE_NOHASHDIR:-1}
}
