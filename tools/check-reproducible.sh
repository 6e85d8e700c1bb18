#!/usr/bin/env bash
# Builds install.exe, uninstall.exe (which install.exe carries) and kvpack.exe from this checkout
# in fresh folders and compares them byte for byte: time stamps, build paths or random bytes in
# the output would differ. Prints each file's SHA-256 for both builds; exit code 1 when they differ.
# Usage: tools/check-reproducible.sh [--against BUILD_DIR] [WORK_DIR]
#   default: two fresh builds in folders of different names below WORK_DIR (build/reproducible)
#   --against: one fresh build, compared with the 32-bit executables of an existing tree (tools/test.sh
#   gives the tree it tested, which saves a second build)
set -euo pipefail
source "$(dirname "$0")/common.sh"
against=
[ "${1:-}" = --against ] && { against=$(cd "$2" && pwd); shift 2; }
work=$(mkdir -p "${1:-$build_root/reproducible}" && cd "${1:-$build_root/reproducible}" && pwd)
choose_wine
# Under the private root's Wine, inside its mount namespace (tools/wine-root.sh).
if [ "$wine_loader" = wow64 ] && [ -z "${KV_WINE_ROOT_ENTERED:-}" ]; then
  exec "$root/tools/wine-root.sh" enter "$0" ${against:+--against "$against"} "$work"
fi
if [ -n "$against" ]; then fresh=("$work/fresh"); else fresh=("$work/first" "$work/second-with-a-longer-name"); fi
# Each build's kvpack runs under Wine with a server and a display of that build's own.
trap 'for d in "${fresh[@]}"; do stop_wineserver "$d"; "$root/tools/xvfb.sh" stop "$d"; done; rm -rf "$work"' EXIT
for dir in "${fresh[@]}"; do
  rm -rf "$dir"
  cmake -S "$root" -B "$dir" -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-i686.cmake" \
        -DKV_TESTS=OFF "-DKV_WINE_LOADER=$wine_loader" >/dev/null
  cmake --build "$dir" -j "$jobs" --target kv_install kv_uninstall kvpack >/dev/null
done
dirs=("${fresh[@]}")
[ -z "$against" ] || dirs+=("$against")
status=0
for exe in install.exe uninstall.exe kvpack.exe; do
  sha256sum "${dirs[0]}/$exe" "${dirs[1]}/$exe"
  cmp -s "${dirs[0]}/$exe" "${dirs[1]}/$exe" || { echo "$exe differs between the two builds" >&2; status=1; }
done
[ $status -eq 0 ] && echo "reproducible: install.exe, uninstall.exe and kvpack.exe identical in both folders"
exit $status
