#!/usr/bin/env bash
# A private Debian unstable root whose Wine runs 32-bit Windows programs in WoW64 mode, without any
# 32-bit Linux code: the tests' Wine on machines whose kernel runs no i386 program, and anywhere
# with KV_WINE=wow64. Made once (tools/setup-debian.sh) and kept outside the checkout in
# KV_WINE_ROOT (default /var/cache/korvane/wine-root); it changes nothing among the machine's own
# packages and sources.
# Usage: wine-root.sh make           makes the root unless it is made (root, network; about 300 MiB)
#        wine-root.sh enter CMD...   runs CMD in a private mount namespace where the root sees the
#                                    checkout, the build trees, /tmp (and so the X display) and
#                                    /dev at their own paths; the mounts end with the namespace
#        wine-root.sh run CMD...     runs CMD in the root, in the current folder (entering a
#                                    namespace of its own first when not in one)
set -euo pipefail
tools=$(cd "$(dirname "$0")" && pwd)
root=$(dirname "$tools")
wine_root=${KV_WINE_ROOT:-/var/cache/korvane/wine-root}
mirror=${KV_WINE_ROOT_MIRROR:-http://deb.debian.org/debian}
build_root=${KV_BUILD_ROOT:-$root/build}
# What the root holds, besides the base system: Wine, and what the tests' scripts use in it
# (pgrep, the locales of the code-page tests, the fonts that the prefixes copy or link).
packages="wine wine64 procps locales fonts-wine fonts-wqy-microhei"
locales="ja_JP ru_RU de_DE"
recipe="unstable minbase: $packages; locales $locales"
marker=.kv-wine-root  # written last; holds the recipe

made() { [ -f "$wine_root/$marker" ] && [ "$(cat "$wine_root/$marker")" = "$recipe" ]; }

# apt in the root, a few times for a mirror mid-sync. The mirror's unstable Release file may be past
# its Valid-Until date: the root's own apt configuration (never the machine's) accepts it.
apt_in() {  # $1: root; the rest goes to apt-get
  local dir=$1 attempt; shift
  for attempt in 1 2 3; do
    chroot "$dir" env DEBIAN_FRONTEND=noninteractive apt-get -qq -o Acquire::Retries=3 "$@" >>"$dir.log" 2>&1 && return 0
    [ "$attempt" = 3 ] || { echo "wine-root: apt-get $1 failed (the mirror may be mid-sync); once more"; sleep $((attempt * 10)); }
  done
  tail -20 "$dir.log" >&2
  return 1
}

provision() {  # $1: the new root; run in a mount namespace of its own, whose mounts go with it
  local dir=$1 d l
  for d in proc dev sys; do mount --rbind "/$d" "$dir/$d"; done
  apt_in "$dir" update
  apt_in "$dir" install -y --no-install-recommends $packages
  for l in $locales; do chroot "$dir" localedef -i "$l" -c -f UTF-8 "$l.UTF-8"; done
  chroot "$dir" apt-get clean
  rm -rf "$dir"/var/lib/apt/lists/*
}

make_root() {
  made && return 0
  # Inside a namespace the root's folders hold the checkout's binds: never delete there.
  [ -z "${KV_WINE_ROOT_ENTERED:-}" ] || { echo "wine-root: make it outside wine-root.sh enter" >&2; exit 1; }
  command -v debootstrap >/dev/null || { echo "wine-root: debootstrap is missing (tools/setup-debian.sh installs it)" >&2; exit 1; }
  local started=$SECONDS new attempt
  mkdir -p "$(dirname "$wine_root")"
  # Made aside and renamed into place when complete: a half-made root never passes for a made one.
  new=$(mktemp -d "$wine_root.new-XXXXXX")
  trap 'rm -rf --one-file-system "$new" "$new.log"' EXIT
  echo "wine-root: making $wine_root (Debian unstable with $packages)"
  for attempt in 1 2 3; do
    # In a namespace of its own: what it mounts in the new root goes when it ends.
    unshare -m debootstrap --variant=minbase unstable "$new" "$mirror" >"$new.log" 2>&1 && break
    if [ "$attempt" = 3 ]; then tail -20 "$new.log" >&2; exit 1; fi
    echo "wine-root: debootstrap failed (the mirror may be mid-sync); trying again"
    rm -rf --one-file-system "$new"; mkdir "$new"; sleep $((attempt * 10))
  done
  echo 'Acquire::Check-Valid-Until "false";' >"$new/etc/apt/apt.conf.d/99korvane-valid-until"
  printf '#!/bin/sh\nexit 101\n' >"$new/usr/sbin/policy-rc.d"  # no service of its packages starts
  chmod +x "$new/usr/sbin/policy-rc.d"
  unshare -m "$0" provision "$new"
  echo "$recipe" >"$new/$marker"
  rm -rf --one-file-system "$wine_root.old"
  [ ! -e "$wine_root" ] || mv "$wine_root" "$wine_root.old"
  mv "$new" "$wine_root"
  rm -rf --one-file-system "$wine_root.old" "$new.log"
  trap - EXIT
  echo "wine-root: made in $((SECONDS - started)) s; $(du -sh --one-file-system "$wine_root" | cut -f1) on disk"
}

enter() {
  made || { echo "wine-root: $wine_root is not made (tools/setup-debian.sh makes it)" >&2; exit 1; }
  local shared=$'/proc\n/dev\n/sys\n/tmp\n'$root
  case "$build_root/" in "$root"/*) ;; *) mkdir -p "$build_root"; shared+=$'\n'$build_root ;; esac
  # Private propagation: nothing mounted here reaches the machine, and all of it ends with the
  # namespace's last process, also when a run fails.
  KV_WINE_ROOT_ENTERED=$wine_root exec unshare -m --propagation private bash -c '
    set -e
    while IFS= read -r p; do mkdir -p "$1$p"; mount --rbind "$p" "$1$p"; done <<<"$2"
    shift 2
    exec "$@"' enter "$wine_root" "$shared" "$@"
}

case "${1:-}" in
  make) make_root ;;
  provision) provision "$2" ;;
  enter) shift; enter "$@" ;;
  run)
    shift
    [ -n "${KV_WINE_ROOT_ENTERED:-}" ] || enter "$0" run "$@"
    exec unshare --root="$KV_WINE_ROOT_ENTERED" --wd="$PWD" "$@" ;;
  *) sed -n '7,13p' "$0" >&2; exit 2 ;;
esac
