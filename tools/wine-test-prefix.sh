#!/usr/bin/env bash
# A Wine prefix of its own that reports another Windows version or runs in another locale, for
# test runs under it.
# Usage: wine-test-prefix.sh start DIR LOADER SETTING   creates DIR/wineprefix once, applies the
#                                                       setting and checks what Windows reports
#        wine-test-prefix.sh stop DIR LOADER            ends the prefix's wineserver
# SETTING is a Windows version that winecfg knows (winxp, win10, ...) or a locale of this machine
# (ja_JP.UTF-8, ...; in the private root, one of its own). Windows XP as the installer's users have
# it is 32-bit: where the loader is the machine's 32-bit Wine the prefix for winxp is a 32-bit one.
# A WoW64 Wine (wow64) has no 32-bit prefix and its winecfg no winxp: its prefix, like a wine64
# one, reports winxp64 (Windows XP x64, 5.2) instead. Wine takes the ANSI and OEM code pages from the locale at every start, so the locale is
# kept in DIR/.locale, which tools/wine-run.sh applies to every program of the prefix. DIR lies in
# a build tree, whose X display it uses when none is given. Programs run in the prefix through
# tools/wine-run.sh DIR LOADER ...
set -euo pipefail
tools=$(cd "$(dirname "$0")" && pwd)
cmd=$1; mkdir -p "$2"; dir=$(cd "$2" && pwd)

case "$cmd" in
  stop) [ ! -d "$dir/wineprefix" ] || "$tools/wine-run.sh" "$dir" "$3" --server -k 2>/dev/null || true; exit 0 ;;
  start) ;;
  *) sed -n '4,6p' "$0" >&2; exit 2 ;;
esac

loader=$3 setting=$4
[ -e "$dir/.display" ] || ln -s ../.display "$dir/.display"
run() { "$tools/wine-run.sh" "$dir" "$loader" "$@" </dev/null 2>/dev/null; }
# A value as Windows reports it in the prefix.
reg_value() { run reg query "$1" /v "$2" | tr -d '\r' | awk -v name="$2" '$1 == name { print $3 }'; }

case "$setting" in
  *.*)
    # The code pages that Windows has in the locale's country.
    case "$setting" in
      ja_JP.*) expected="932 932" ;;
      ru_RU.*) expected="1251 866" ;;
      de_DE.*) expected="1252 850" ;;
      C.*) expected="1252 437" ;;
      *) expected="" ;;
    esac
    known=$(if [ "$loader" = wow64 ]; then "$tools/wine-root.sh" run locale -a; else locale -a; fi 2>/dev/null)
    grep -qix "${setting/UTF-8/utf-\\?8}" <<<"$known" ||
      { echo "the locale $setting is missing: tools/setup-debian.sh generates it" >&2; exit 1; }
    echo "$setting" >"$dir/.locale"
    # Tahoma has no CJK letters: Windows draws them from the fonts linked to it, first MS UI
    # Gothic, which Wine brings none of; Debian's WenQuanYi Micro Hei stands in for it.
    run reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'MS UI Gothic' /d 'WenQuanYi Micro Hei' /f >/dev/null
    nls='HKLM\System\CurrentControlSet\Control\Nls\CodePage'
    reported="$(reg_value "$nls" ACP) $(reg_value "$nls" OEMCP)"
    echo "$dir/wineprefix ($setting): ANSI and OEM code pages $reported"
    [ -z "$expected" ] || [ "$reported" = "$expected" ] ||
      { echo "expected the code pages $expected in $setting" >&2; exit 1; }
    ;;
  *)
    version=$setting
    case "$version:$loader" in
      winxp:wine64 | winxp:wow64) version=winxp64 ;;
      winxp:*) [ -f "$dir/wineprefix/system.reg" ] || export WINEARCH=win32 ;;
    esac
    # What cmd's "ver" prints for each version (Wine's version table).
    case "$version" in
      winxp) expected="5.1.2600" ;;
      winxp64) expected="5.2.3790" ;;
      win10) expected="10.0." ;;
      *) expected="" ;;
    esac
    run winecfg -v "$version" >/dev/null || { echo "winecfg does not know the version $version" >&2; exit 1; }
    reported=$(run cmd /c ver | tr -d '\r' | grep -m1 .)
    echo "$dir/wineprefix ($(grep -m1 -o 'arch=win[0-9]*' "$dir/wineprefix/system.reg")): $reported"
    case "$reported" in
      *"$expected"*) ;;
      *) echo "expected Windows $expected after winecfg -v $version" >&2; exit 1 ;;
    esac
    ;;
esac
