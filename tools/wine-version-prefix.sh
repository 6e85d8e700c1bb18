#!/usr/bin/env bash
# A Wine prefix of its own that reports another Windows version, for test runs under it.
# Usage: wine-version-prefix.sh start DIR LOADER VERSION   creates DIR/wineprefix once, sets the
#                                                          version and checks what Windows reports
#        wine-version-prefix.sh stop DIR                   ends the prefix's wineserver
# VERSION is a name that winecfg knows (winxp, win10, ...). Windows XP as the installer's users
# have it is 32-bit: where the loader is 32-bit Wine the prefix for winxp is a 32-bit one, and a
# 64-bit prefix (wine64) reports winxp64 instead. DIR lies in a build tree, whose X display it uses
# when none is given. Programs run in the prefix through tools/wine-run.sh DIR LOADER ...
set -euo pipefail
tools=$(cd "$(dirname "$0")" && pwd)
cmd=$1; mkdir -p "$2"; dir=$(cd "$2" && pwd)

case "$cmd" in
  stop) WINEPREFIX="$dir/wineprefix" wineserver -k 2>/dev/null || true; exit 0 ;;
  start) ;;
  *) sed -n '3,9p' "$0" >&2; exit 2 ;;
esac

loader=$3 version=$4
[ -e "$dir/.display" ] || ln -s ../.display "$dir/.display"
case "$version:$loader" in
  winxp:wine64) version=winxp64 ;;
  winxp:*) [ -f "$dir/wineprefix/system.reg" ] || export WINEARCH=win32 ;;
esac
# What cmd's "ver" prints for each version (Wine's version table).
case "$version" in
  winxp) expected="5.1.2600" ;;
  winxp64) expected="5.2.3790" ;;
  win10) expected="10.0." ;;
  *) expected="" ;;
esac

run() { "$tools/wine-run.sh" "$dir" "$loader" "$@" </dev/null 2>/dev/null; }
run winecfg -v "$version" >/dev/null || { echo "winecfg does not know the version $version" >&2; exit 1; }
reported=$(run cmd /c ver | tr -d '\r' | grep -m1 .)
echo "$dir/wineprefix ($(grep -m1 -o 'arch=win[0-9]*' "$dir/wineprefix/system.reg")): $reported"
case "$reported" in
  *"$expected"*) ;;
  *) echo "expected Windows $expected after winecfg -v $version" >&2; exit 1 ;;
esac
