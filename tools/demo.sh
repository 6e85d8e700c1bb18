#!/usr/bin/env bash
# The main job: builds the installer (the 32-bit product and, where this machine cannot run 32-bit
# programs, a 64-bit build of the same sources to run here), lists the payload that install.exe
# carries, and starts it under Wine.
set -euo pipefail
source "$(dirname "$0")/common.sh"
prepare_builds

run() { "$root/tools/wine-run.sh" "$run_dir" "$(loader_for "$run_arch")" "$@"; }

echo "== The installer: $ship_dir/install.exe ($(stat -c %s "$ship_dir/install.exe") bytes, 32-bit)"
echo "== Payload it carries (kvpack list):"
run "$run_dir/kvpack.exe" list "$ship_dir/install.exe"

echo "== Starting install.exe under Wine ($run_arch build)"
set +e
run "$run_dir/install.exe"
code=$?
set -e
echo "install.exe ended with exit code $code"
exit "$code"
