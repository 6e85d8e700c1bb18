#!/usr/bin/env bash
# Prepares an installer with another payload: packs DATA_DIR and LICENSE_TXT and binds them into a
# copy of the built 32-bit install.exe (kvpack build), OUT_DIR/install.exe (default build/custom).
# Usage: tools/build-installer.sh DATA_DIR LICENSE_TXT [OUT_DIR] [READONLY_FILES]
#   READONLY_FILES: files relative to DATA_DIR, ';' separated, to store read-only.
set -euo pipefail
[ $# -ge 2 ] || { sed -n '2,6p' "$0" >&2; exit 2; }
data=$(cd "$1" && pwd); license=$(cd "$(dirname "$2")" && pwd)/$(basename "$2")
source "$(dirname "$0")/common.sh"
out_dir=$(mkdir -p "${3:-$root/build/custom}" && cd "${3:-$root/build/custom}" && pwd)
"$root/tools/setup-debian.sh"
choose_wine
if [ "$wine_loader" = wow64 ] && [ -z "${KV_WINE_ROOT_ENTERED:-}" ]; then
  exec "$root/tools/wine-root.sh" enter "$0" "$data" "$license" "$out_dir" "${4:-}"
fi
trap 'stop_wineserver "$run_dir"; stop_display' EXIT
start_display "$run_dir" >/dev/null
# The tested tree's kvpack binds, and its install.exe is the template; its other settings stay.
cmake -S "$root" -B "$run_dir" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-i686.cmake" "-DKV_WINE_LOADER=$wine_loader" >/dev/null
cmake --build "$run_dir" -j "$jobs" --target kvpack kv_install
"$root/tools/wine-start.sh" "$run_dir" "$wine_loader"
template=$run_dir/install.exe
# Git keeps no file attributes: the read-only files are marked in a staging copy.
stage=$out_dir/payload-stage/Data
cmake "-DSOURCE=$data" "-DDEST=$stage" "-DREADONLY=${4:-}" -P "$root/payload/kvpack/StagePayload.cmake"
kvpack() { "$root/tools/wine-run.sh" "$run_dir" "$wine_loader" "$run_dir/kvpack.exe" "$@"; }
kvpack build "$(windows_path "$stage")" "$(windows_path "$license")" "$(windows_path "$template")" \
    "$(windows_path "$out_dir/install.exe")"
echo "installer: $out_dir/install.exe"
kvpack list "$(windows_path "$out_dir/install.exe")" | tail -1
