# Shared by test.sh, demo.sh and screenshots.sh: tree layout, the test architecture and the X display.
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
  # A display that was up already is someone else's to stop.
  display_dir=
  [ -f "$1/.xvfb.pid" ] && kill -0 "$(cat "$1/.xvfb.pid")" 2>/dev/null || display_dir=$1
  DISPLAY=$("$root/tools/xvfb.sh" start "$1"); export DISPLAY
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
  trap 'stop_wineserver "$run_dir"; stop_wineserver "$run_dir/windows-rule"; stop_display' EXIT
  start_display "$run_dir"
  # A 64-bit test tree checks the imports of the 32-bit product, which build_shipping puts there.
  configure_build "$run_dir" "$run_arch" -DKV_TESTS=ON "-DKV_SHIPPED_TREE=$build_root/win32"
  "$root/tools/wine-start.sh" "$run_dir" "$(loader_for "$run_arch")"
  build_shipping
}

windows_path() {  # a Unix path as Wine's programs reach it, through the drive Z:
  echo "Z:$1" | tr / '\\'
}

# The demo machine: a Wine prefix of its own beside the build trees, where e2e_demo lays out fake
# IDEs and runs install.exe ("auto": through the driver, pictures into $2; "manual": for the user).
demo_dir="$build_root/demo"
run_demo() {  # $1 auto|manual, $2 folder for the pictures (auto only)
  local loader; loader=$(loader_for "$run_arch")
  "$root/tools/wine-start.sh" "$demo_dir" "$loader"
  if [ "$run_arch" = i686 ]; then
    echo "== install.exe: the 32-bit product ($run_dir/install.exe), run under 32-bit Wine"
  else
    echo "== install.exe: a 64-bit build of the same sources ($run_dir/install.exe), run under wine64;"
    echo "   this machine runs no 32-bit Wine, so the 32-bit product ($ship_dir/install.exe) cannot start here"
  fi
  echo "== Demo machine: Wine prefix $demo_dir/wineprefix (fake Delphi 5, Delphi 6 and C++ Builder 6)"
  local screens=()
  if [ "$1" = auto ]; then mkdir -p "$2"; screens=("KV_SCREENS=$(windows_path "$2")"); fi
  env "${screens[@]}" "$root/tools/wine-run.sh" "$demo_dir" "$loader" "$run_dir/e2e_demo.exe" "$1"
}
