#!/usr/bin/env bash
# Runs every test. Installs what is missing on a fresh Debian 12 machine first (needs root).
# KV_WINE=wow64 runs them under the private root's WoW64 Wine even where the machine's Wine
# runs 32-bit programs (tools/common.sh).
set -euo pipefail
source "$(dirname "$0")/common.sh"
prepare_builds "$@"
# The 32-bit executables built once more in a fresh folder must come out byte for byte the same
# (before the tests, so that ctest's summary closes the output).
[ $# -gt 0 ] || "$root/tools/check-reproducible.sh" --against "$run_dir"
cd "$run_dir"
ctest --output-on-failure -j "$jobs" "$@"
