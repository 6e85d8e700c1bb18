# Shared by test.sh, demo.sh and screenshots.sh: tree layout, the Wine the tests run under, and the
# X display.
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
jobs=${KV_JOBS:-$(nproc)}

# KV_BUILD_ROOT puts the trees elsewhere, so that two builds of one checkout can run side by side.
build_root=${KV_BUILD_ROOT:-$root/build}

# The tests run the shipped 32-bit programs everywhere: under the machine's Wine where it runs
# 32-bit code, else (or with KV_WINE=wow64) under the WoW64 Wine of a private root
# (tools/wine-root.sh), whose tree and Wine prefixes are apart from the other's. The 64-bit build
# of the same sources is built and checked (imports, hardening, bind across bitness), never run
# as the product. Decided again once the packages are installed: before that, no Wine answers.
choose_wine() {
  if [ "${KV_WINE:-}" = wow64 ] || ! "$root/tools/wine32-works.sh"; then
    wine_loader=wow64 run_dir="$build_root/run-i686-wow64"
  else
    wine_loader=wine run_dir="$build_root/run-i686"
  fi
  win64_dir="$build_root/win64"
}
choose_wine

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
  [ -d "$1/wineprefix" ] && "$root/tools/wine-run.sh" "$1" "$wine_loader" --server -k 2>/dev/null || true
}

configure_build() {  # $1 build dir, $2 arch, further args go to cmake
  local dir=$1 arch=$2; shift 2
  cmake -S "$root" -B "$dir" -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-$arch.cmake" "$@" >/dev/null
  cmake --build "$dir" -j "$jobs"
}

# The 64-bit build: its payload packed by the tested tree's kvpack, as it runs no program itself.
build_win64() {
  configure_build "$win64_dir" x86_64 -DKV_TESTS=OFF \
      "-DKV_PACKER=$root/tools/wine-run.sh;$run_dir;$wine_loader;$run_dir/kvpack.exe"
}

# Installs what is missing (the private root too, where it is needed); where the tests' Wine is
# the private root's, runs the calling script again inside its mount namespace (once); builds both
# trees and starts Wine and X for the run. Arguments: the calling script's own.
prepare_builds() {
  "$root/tools/setup-debian.sh"
  choose_wine
  if [ "$wine_loader" = wow64 ] && [ -z "${KV_WINE_ROOT_ENTERED:-}" ]; then
    exec "$root/tools/wine-root.sh" enter "$0" "$@"
  fi
  echo "== Windows programs run under $("$root/tools/wine-run.sh" "$run_dir" "$wine_loader" --describe)"
  trap 'stop_wineserver "$run_dir"; stop_wineserver "$run_dir/windows-rule"; stop_display' EXIT
  start_display "$run_dir"
  configure_build "$run_dir" i686 -DKV_TESTS=ON "-DKV_WINE_LOADER=$wine_loader" "-DKV_WIN64_TREE=$win64_dir"
  "$root/tools/wine-start.sh" "$run_dir" "$wine_loader"
  build_win64
}

windows_path() {  # a Unix path as Wine's programs reach it, through the drive Z:
  echo "Z:$1" | tr / '\\'
}

# The demo machine: a Wine prefix of its own beside the build trees, where e2e_demo lays out fake
# IDEs and runs install.exe ("auto": through the driver, pictures into $2; "manual": for the user).
demo_dir="$build_root/demo"
run_demo() {  # $1 auto|manual, $2 folder for the pictures (auto only)
  "$root/tools/wine-start.sh" "$demo_dir" "$wine_loader"
  echo "== install.exe: the 32-bit product ($run_dir/install.exe)"
  echo "== Demo machine: Wine prefix $demo_dir/wineprefix (fake Delphi 5, Delphi 6 and C++ Builder 6)"
  local screens=()
  if [ "$1" = auto ]; then mkdir -p "$2"; screens=("KV_SCREENS=$(windows_path "$2")"); fi
  env "${screens[@]}" "$root/tools/wine-run.sh" "$demo_dir" "$wine_loader" "$run_dir/e2e_demo.exe" "$1"
}
