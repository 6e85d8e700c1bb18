# Shared by test.sh and demo.sh: tree layout, the test architecture and the X display.
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
jobs=${KV_JOBS:-$(nproc)}

# KV_BUILD_ROOT puts the trees elsewhere, so that two builds of one checkout can run side by side.
build_root=${KV_BUILD_ROOT:-$root/build}

# The runnable build: 32-bit where this machine runs 32-bit Wine, else the same sources as 64-bit.
# Decided again once the packages are installed: before that, no Wine answers at all.
choose_run_arch() {
  if "$root/tools/wine32-works.sh"; then run_arch=i686; else run_arch=x86_64; fi
  run_dir="$build_root/run-$run_arch"
  ship_dir="$build_root/win32"
}
choose_run_arch

loader_for() { [ "$1" = i686 ] && echo wine || echo wine64; }

start_display() {  # $1: build dir; a private Xvfb for windows that the programs create
  DISPLAY=$("$root/tools/xvfb.sh" start "$1"); export DISPLAY
  display_dir=$1
}

stop_display() {
  [ -n "${display_dir:-}" ] && "$root/tools/xvfb.sh" stop "$display_dir" || true
}

stop_wineserver() {  # $1: build dir whose prefix's server is to end
  WINEPREFIX="$1/wineprefix" wineserver -k 2>/dev/null || true
}

configure_build() {  # $1 build dir, $2 arch, further args go to cmake
  local dir=$1 arch=$2; shift 2
  cmake -S "$root" -B "$dir" -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-$arch.cmake" "$@" >/dev/null
  cmake --build "$dir" -j "$jobs"
}

build_shipping() {  # the 32-bit product; packs its payload with the runnable build's kvpack
  if [ "$run_arch" = i686 ]; then ship_dir=$run_dir; return 0; fi
  configure_build "$ship_dir" i686 -DKV_TESTS=OFF \
      "-DKV_PACKER=$root/tools/wine-run.sh;$run_dir;wine64;$run_dir/kvpack.exe"
}

prepare_builds() {  # installs what is missing, builds both trees, and starts Wine and X for the run
  "$root/tools/setup-debian.sh"
  choose_run_arch
  trap 'stop_wineserver "$run_dir"; stop_display' EXIT
  start_display "$run_dir"
  configure_build "$run_dir" "$run_arch" -DKV_TESTS=ON
  "$root/tools/wine-start.sh" "$run_dir" "$(loader_for "$run_arch")"
  build_shipping
}
