#!/usr/bin/env bash
# Prepares an installer with another payload: packs DATA_DIR and LICENSE_TXT and builds the 32-bit
# install.exe that carries them, in OUT_DIR (default build/custom).
# Usage: tools/build-installer.sh DATA_DIR LICENSE_TXT [OUT_DIR] [READONLY_FILES]
#   READONLY_FILES: files relative to DATA_DIR, ';' separated, to store read-only.
set -euo pipefail
[ $# -ge 2 ] || { sed -n '2,6p' "$0" >&2; exit 2; }
data=$(cd "$1" && pwd); license=$(cd "$(dirname "$2")" && pwd)/$(basename "$2")
source "$(dirname "$0")/common.sh"
ship_dir=$(mkdir -p "${3:-$root/build/custom}" && cd "${3:-$root/build/custom}" && pwd)
"$root/tools/setup-debian.sh"
choose_run_arch
trap 'stop_wineserver "$run_dir"' EXIT
# Only kvpack is needed from the runnable tree; its other settings stay as they are.
cmake -S "$root" -B "$run_dir" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-$run_arch.cmake" >/dev/null
cmake --build "$run_dir" -j "$jobs" --target kvpack
"$root/tools/wine-start.sh" "$run_dir" "$(loader_for "$run_arch")"
packer=()
[ "$run_arch" = i686 ] || packer=("-DKV_PACKER=$root/tools/wine-run.sh;$run_dir;wine64;$run_dir/kvpack.exe")
configure_build "$ship_dir" i686 -DKV_TESTS=OFF "${packer[@]}" \
    "-DKV_PAYLOAD_DATA=$data" "-DKV_PAYLOAD_LICENSE=$license" "-DKV_PAYLOAD_READONLY=${4:-}"
echo "installer: $ship_dir/install.exe"
"$root/tools/wine-run.sh" "$run_dir" "$(loader_for "$run_arch")" "$run_dir/kvpack.exe" list "$ship_dir/install.exe" | tail -1
