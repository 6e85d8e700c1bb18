#!/usr/bin/env bash
# Runs a Windows executable of this build under Wine, in the build tree's own Wine prefix.
# Usage: wine-run.sh BUILD_DIR LOADER PROGRAM.exe [ARGS...]
#        wine-run.sh BUILD_DIR LOADER --server ARGS...   the prefix's wineserver (-k, -w, -p)
#        wine-run.sh BUILD_DIR LOADER --describe         the Wine's version and kind, one line
# LOADER is "wine" (the machine's 32-bit Wine), "wow64" (the WoW64 Wine of the private root,
# tools/wine-root.sh, where the rest of this script then runs) or "wine64" (the machine's wine64).
# The prefix is created on first use; a persistent wineserver keeps later starts fast.
set -euo pipefail
tools=$(cd "$(dirname "$0")" && pwd)
mkdir -p "$1"; build_dir=$(cd "$1" && pwd); loader=$2; shift 2
if [ "$loader" = wow64 ] && [ ! -e /.kv-wine-root ]; then
  exec "$tools/wine-root.sh" run "$tools/wine-run.sh" "$build_dir" "$loader" "$@"
fi

export WINEPREFIX="$build_dir/wineprefix"
# A prefix that runs in a locale of its own (tools/wine-test-prefix.sh): Wine takes the ANSI and
# OEM code pages from it at every start.
if [ -f "$build_dir/.locale" ]; then export LC_ALL=$(cat "$build_dir/.locale") LANG=$(cat "$build_dir/.locale"); fi
export WINEDEBUG=-all
# KV_WINE_DISABLED: Wine's built-in programs (comma-separated names) that this run must not find,
# as on a Windows that lacks them.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d${KV_WINE_DISABLED:+;$KV_WINE_DISABLED=d}"
case "$loader" in
  wow64)  bin=/usr/lib/x86_64-linux-gnu/wine/wine; server=/usr/lib/x86_64-linux-gnu/wine/wineserver ;;
  wine64) export WINEARCH=win64; export WINELOADER=/usr/lib/wine/wine64; bin=/usr/lib/wine/wine64; server=wineserver ;;
  *)      bin=$(command -v wine); server=wineserver ;;
esac
case "${1:-}" in
  --server) shift; exec "${WINESERVER:-$server}" "$@" ;;
  --describe)
    # A 64-bit loader that runs the 32-bit programs runs them in WoW64 mode.
    # (ELF class byte 2: 64-bit). The machine's wine script starts /usr/lib/wine/wine.
    elf=$bin; [ "$loader" != wine ] || elf=/usr/lib/wine/wine
    kind=32-bit; [ "$(od -An -tu1 -j4 -N1 "$elf" | tr -d ' ')" = 2 ] && kind=WoW64
    where="the machine's"; [ "$loader" != wow64 ] || where="in the private root ${KV_WINE_ROOT_ENTERED:-}"
    echo "$("$bin" --version | sed 's/^wine-/Wine /'), $kind, $where"; exit 0 ;;
esac
# Windows that tests create need an X display; without one use the display the test runner started.
if [ -z "${DISPLAY:-}" ] && [ -f "$build_dir/.display" ]; then export DISPLAY=$(cat "$build_dir/.display"); fi

# Programs run under the set-up lock do not inherit it (9>&-): the boot services they start stay
# as long as a persistent server runs, and would hold the lock for ever.
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  mkdir -p "$build_dir"
  (
    flock 9
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
      "$bin" wineboot -i </dev/null >/dev/null 2>&1 9>&- || true
    fi
  ) 9>"$build_dir/.wineprefix.lock"
fi
# Set-up of a new prefix, once: without a window manager (a bare Xvfb) Wine draws frames and
# captions itself, and a maximised window keeps its size, only when its X11 driver does not hand
# windows to a manager; and Wine's own Tahoma and Marlett (Debian's fonts-wine) are put where
# the prefix finds them, else dialogs are drawn in another face and title-bar buttons as letters.
if [ ! -f "$WINEPREFIX/.kv-prefix-ready" ]; then
  (
    flock 9
    if [ ! -f "$WINEPREFIX/.kv-prefix-ready" ]; then
      mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
      cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
      "$bin" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f </dev/null >/dev/null 2>&1 9>&- &&
        touch "$WINEPREFIX/.kv-prefix-ready"
    fi
  ) 9>"$build_dir/.wineprefix.lock"
fi
# Keep one wineserver alive for this prefix while tests run (about 0.2 s a start instead of 4 s).
# When this start made a new server (exit 0; 2 means one runs), the first program of the prefix
# starts the boot services, which would inherit this command's output and hold a pipe open for
# ever (`... | tail` would never end): a detached program starts them first.
if "${WINESERVER:-$server}" -p </dev/null >/dev/null 2>&1; then
  "$bin" cmd /c exit </dev/null >/dev/null 2>&1 || true
fi
exec "$bin" "$@"
