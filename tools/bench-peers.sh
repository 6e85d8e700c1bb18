#!/usr/bin/env bash
# Peer comparison of payload extraction (docs/benchmarks.md): generates a tree of 200 MiB in 4000
# files, packs it, builds an NSIS installer of the same tree (stored, silent), and times kvpack
# extract, the installer's extraction path, NSIS /S and a plain writer in one run, checking every
# output; then install.exe's time to its visible wizard with the shipped and the generated payload.
# Needs the runnable tree built first (tools/test.sh); installs NSIS itself (needs root).
# Usage: tools/bench-peers.sh [--runs N] [--mb N] [--files N] [--subject BUILD_DIR] [--markdown FILE]
#   --subject: another build tree whose kvpack and installer are measured (its bench programs are
#   built there); the rest comes from the runnable tree.
set -euo pipefail
source "$(dirname "$0")/common.sh"
[ -f "$run_dir/CMakeCache.txt" ] || { echo "build the runnable tree first: tools/test.sh" >&2; exit 1; }
command -v makensis >/dev/null || { apt-get update -qq && apt-get install -y -qq nsis >/dev/null; }
command -v python3 >/dev/null || apt-get install -y -qq python3 >/dev/null
if [ "$wine_loader" = wow64 ] && [ -z "${KV_WINE_ROOT_ENTERED:-}" ]; then exec "$root/tools/wine-root.sh" enter "$0" "$@"; fi
cmake --build "$run_dir" -j1 --target kvpack kv_install plain_writer_bench wizard_start_bench >/dev/null
# The wizard needs a display; Wine's services are started detached first, as a cold prefix's
# services would otherwise hold the output pipes of the programs measured.
start_display "$run_dir" >/dev/null
"$root/tools/wine-start.sh" "$run_dir" "$wine_loader"
exec python3 "$root/benchmarks/peers/peers.py" --tools "$run_dir" --loader "$wine_loader" "$@"
