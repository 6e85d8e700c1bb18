#!/usr/bin/env bash
# Runs every test. Installs what is missing on a fresh Debian 12 machine first (needs root).
set -euo pipefail
source "$(dirname "$0")/common.sh"
prepare_builds
cd "$run_dir"
ctest --output-on-failure -j "$jobs" "$@"
