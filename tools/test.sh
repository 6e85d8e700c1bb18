#!/usr/bin/env bash
# Runs every test. Installs what is missing on a fresh Debian 12 machine first (needs root).
set -euo pipefail
source "$(dirname "$0")/common.sh"
"$root/tools/setup-debian.sh"

trap 'stop_wineserver "$run_dir"; stop_display' EXIT
start_display "$run_dir"
configure_build "$run_dir" "$run_arch" -DKV_TESTS=ON
"$root/tools/wine-start.sh" "$run_dir" "$(loader_for "$run_arch")"
build_shipping
cd "$run_dir"
ctest --output-on-failure -j "$jobs" "$@"
