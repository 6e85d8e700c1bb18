#!/usr/bin/env bash
# kvpack's peak memory for the peer comparison's 200 MiB tree, the 32-bit and the 64-bit build
# (benchmarks/peers/kvpack_memory.py; figures in docs/benchmarks.md). Needs the trees that
# tools/test.sh builds.
# Usage: tools/bench-kvpack-memory.sh [--runs N] [--mb N] [--files N]
set -euo pipefail
source "$(dirname "$0")/common.sh"
[ -f "$run_dir/CMakeCache.txt" ] && [ -f "$win64_dir/CMakeCache.txt" ] ||
  { echo "build the trees first: tools/test.sh" >&2; exit 1; }
if [ "$wine_loader" = wow64 ] && [ -z "${KV_WINE_ROOT_ENTERED:-}" ]; then exec "$root/tools/wine-root.sh" enter "$0" "$@"; fi
cmake --build "$run_dir" -j "$jobs" --target kvpack kv_install >/dev/null
cmake --build "$win64_dir" -j "$jobs" --target kvpack >/dev/null
trap 'stop_wineserver "$run_dir"; stop_display' EXIT
start_display "$run_dir" >/dev/null
"$root/tools/wine-start.sh" "$run_dir" "$wine_loader"
echo "== $("$root/tools/wine-run.sh" "$run_dir" "$wine_loader" --describe)"
python3 "$root/benchmarks/peers/kvpack_memory.py" --tools "$run_dir" --loader "$wine_loader" \
    --kvpack "32-bit=$run_dir/kvpack.exe" --kvpack "64-bit=$win64_dir/kvpack.exe" --template "$run_dir/install.exe" "$@"
