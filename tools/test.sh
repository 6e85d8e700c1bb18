#!/usr/bin/env bash
# Runs every test. Installs what is missing on a fresh Debian 12 machine first (needs root).
set -euo pipefail
source "$(dirname "$0")/common.sh"
prepare_builds
# The 32-bit executables built once more in a fresh folder must come out byte for byte the same
# (before the tests, so that ctest's summary closes the output).
[ $# -gt 0 ] || "$root/tools/check-reproducible.sh" --against "$ship_dir"
cd "$run_dir"
ctest --output-on-failure -j "$jobs" "$@"
