#!/usr/bin/env bash
# Starts the Wine prefix of a build tree (creating it on first use) and leaves its wineserver and
# boot services running. Everything they inherit goes to /dev/null: a daemon holding a test
# runner's output pipe would keep the runner waiting for ever.
# Usage: wine-start.sh BUILD_DIR LOADER
set -euo pipefail
# Programs that create windows need a display: keep one for the build unless one is given.
[ -n "${DISPLAY:-}" ] || "$(dirname "$0")/xvfb.sh" start "$1" >/dev/null
"$(dirname "$0")/wine-run.sh" "$1" "$2" cmd /c exit </dev/null >/dev/null 2>&1 || true
