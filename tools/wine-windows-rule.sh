#!/usr/bin/env bash
# Runs a Windows executable of this build as wine-run.sh does, but in a Wine prefix of its own
# whose wineserver keeps Windows' rule for read-only files: as root, Wine's server would open
# them for writing and rename other files over them, which Windows refuses with access denied.
# The server gets tools/windows-rule/refuse-readonly.c preloaded, built here with the
# machine's gcc. The prefix lives in BUILD_DIR/windows-rule; its display is the build's.
# Usage: wine-windows-rule.sh BUILD_DIR LOADER PROGRAM.exe [ARGS...]
#        wine-windows-rule.sh BUILD_DIR LOADER --start   (starts the prefix's server, as wine-start.sh)
set -euo pipefail
tools=$(cd "$(dirname "$0")" && pwd)
mkdir -p "$1"; build_dir=$(cd "$1" && pwd); loader=$2; shift 2
rule_dir=$build_dir/windows-rule
mkdir -p "$rule_dir/bin"

library=$rule_dir/refuse-readonly.so
source=$tools/windows-rule/refuse-readonly.c
# Built with the machine's gcc, also for the private root's server: a library linked against an
# older C library loads with a newer one.
if [ ! -e /.kv-wine-root ]; then
  (
    flock 9
    if [ ! -f "$library" ] || [ "$source" -nt "$library" ]; then
      gcc -shared -fPIC -O2 -Wall -o "$library.tmp" "$source" -ldl && mv "$library.tmp" "$library"
    fi
  ) 9>"$rule_dir/.build.lock"
  # The rest runs where that Wine is (tools/wine-run.sh).
  if [ "$loader" = wow64 ]; then exec "$tools/wine-root.sh" run "$0" "$build_dir" "$loader" "$@"; fi
fi
# The 64-bit server serves 32-bit and 64-bit programs alike; Debian's wine64 always has it.
case "$loader" in
  wow64) server=/usr/lib/x86_64-linux-gnu/wine/wineserver ;;
  *) server=/usr/lib/wine/wineserver64 ;;
esac
(
  flock 9
  wrapper=$rule_dir/bin/wineserver
  printf '#!/bin/sh\nLD_PRELOAD="%s" exec %s -p0 "$@"\n' "$library" "$server" > "$wrapper.tmp"
  chmod +x "$wrapper.tmp"
  cmp -s "$wrapper.tmp" "$wrapper" && rm "$wrapper.tmp" || mv "$wrapper.tmp" "$wrapper"
) 9>"$rule_dir/.build.lock"

# Wine starts a missing server from its own folder, without the library: the server is started
# here first, persistent, and one that runs without the library (started by a plain wine in
# this prefix) is replaced.
export WINEPREFIX=$rule_dir/wineprefix
export WINESERVER=$rule_dir/bin/wineserver
export PATH=$rule_dir/bin:$PATH
mkdir -p "$WINEPREFIX"
server_has_library() {  # exit 0: it has; 1: a server without it runs; 2: none runs
  local pid
  for pid in $(pgrep -x "$(basename "$server")"); do
    { tr '\0' '\n' < "/proc/$pid/environ"; } 2>/dev/null | grep -qxF "WINEPREFIX=$WINEPREFIX" || continue
    grep -qF "$library" "/proc/$pid/maps" 2>/dev/null && return 0
    return 1
  done
  return 2
}
(
  flock 9
  server_has_library && status=0 || status=$?
  if [ "$status" = 1 ]; then "$server" -k </dev/null >/dev/null 2>&1 9>&- || true; "$server" -w </dev/null >/dev/null 2>&1 9>&- || true; fi
  # The server lives on: it must not hold the lock.
  if [ "$status" != 0 ]; then "$WINESERVER" -p </dev/null >/dev/null 2>&1 9>&- || true; fi
) 9>"$rule_dir/.server.lock"
if [ -z "${DISPLAY:-}" ] && [ -f "$build_dir/.display" ]; then export DISPLAY=$(cat "$build_dir/.display"); fi

if [ "${1:-}" = --start ]; then exec "$tools/wine-start.sh" "$rule_dir" "$loader"; fi
exec "$tools/wine-run.sh" "$rule_dir" "$loader" "$@"
