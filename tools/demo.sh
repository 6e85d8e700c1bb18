#!/usr/bin/env bash
# The main job: builds the installer, lays out a demo machine in a Wine prefix of its own (fake
# Delphi 5, Delphi 6 and C++ Builder 6 registered with working fake tools) and runs install.exe on
# it. With a display (DISPLAY set) install.exe is yours to click through. Without one, or with
# --auto, the end-to-end driver installs into Delphi 6 with the keyboard on a private X display and
# saves a picture of every page. Either way it ends with a report of what the installation did.
# Usage: tools/demo.sh [--auto]
set -euo pipefail
source "$(dirname "$0")/common.sh"
mode=manual
if [ "${1:-}" = --auto ] || [ -z "${DISPLAY:-}" ]; then mode=auto; fi
user_display=${DISPLAY:-}

prepare_builds "$@"  # exports the build's private X display
trap 'stop_wineserver "$demo_dir"; stop_wineserver "$run_dir"; stop_display' EXIT
[ "$mode" = auto ] || export DISPLAY=$user_display
screens="$demo_dir/screens"
rm -rf "$screens"
set +e
run_demo "$mode" "$screens"
code=$?
set -e
[ "$mode" = manual ] || echo "== Pictures of every page: $screens"
exit "$code"
