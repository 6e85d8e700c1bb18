#!/usr/bin/env bash
# Installs what the build and the tests need on a fresh Debian 12 machine (run as root), and
# where the tests' Wine is the private root's (a kernel that runs no 32-bit code, or KV_WINE=wow64)
# makes that root once (tools/wine-root.sh), which changes nothing among the machine's packages.
# Costs no apt call where everything is present. A package mirror in the middle of a sync is
# expected: an index that will not download is named and left out, and an installation that is
# then unresolvable (one architecture's libraries newer than the other's) is tried once more with
# the versions that every architecture has.
set -euo pipefail

need=()
have() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }

# The 32-bit Wine loader comes from the i386 architecture; it is used where the kernel runs 32-bit code.
dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386

# debootstrap makes the private root where it is needed.
# gcc builds the native library that tools/wine-windows-rule.sh preloads into its wineserver.
# locales brings localedef's sources, and a font with Japanese letters lets Wine draw them.
for p in wine wine32:i386 wine64 g++-mingw-w64-i686 g++-mingw-w64-x86-64 cmake googletest xvfb xauth make util-linux fonts-wine \
         osslsigncode openssl gcc libc6-dev locales fonts-wqy-microhei debootstrap; do
  have "$p" || need+=("$p")
done

# The locales that the tests start Wine in: their code pages are what a Japanese, Russian or
# German Windows has (tools/wine-test-prefix.sh).
locales=()
for l in ja_JP ru_RU de_DE; do
  locale -a 2>/dev/null | grep -qix "$l.utf-\?8" || locales+=("$l")
done

generate_locales() {
  local l
  for l in "${locales[@]}"; do localedef -i "$l" -c -f UTF-8 "$l.UTF-8"; done
  [ ${#locales[@]} -eq 0 ] || echo "setup: generated the locales ${locales[*]/%/.UTF-8}"
}

# Where the machine's Wine cannot run the 32-bit programs (known only once it is installed).
make_wine_root() {
  if [ "${KV_WINE:-}" = wow64 ] || ! "$(dirname "$0")/wine32-works.sh"; then "$(dirname "$0")/wine-root.sh" make; fi
}

if [ ${#need[@]} -eq 0 ]; then generate_locales; make_wine_root; exit 0; fi

export DEBIAN_FRONTEND=noninteractive
started=$SECONDS
log=$(mktemp); pin=$(mktemp)  # what apt said last; the pin of the second try
trap 'rm -f "$log" "$pin"' EXIT
echo "setup: installing ${need[*]}"

# apt-get update exits 100 when any one index fails; the others are in place by then.
update_indexes() {
  local attempt
  for attempt in 1 2 3; do
    apt-get update -qq >"$log" 2>&1 && return 0
    [ "$attempt" = 3 ] || sleep $((attempt * 5))
  done
  grep -o 'Failed to fetch [^ ]*' "$log" | sort -u | sed 's/^Failed to fetch /setup: index not available, going on without it: /' ||
    sed 's/^/setup: apt-get update: /' "$log"
}

install_needed() {  # further arguments go to apt-get; what it says goes to $log
  apt-get install -y -qq --no-install-recommends -o Acquire::Retries=3 "$@" "${need[@]}" >"$log" 2>&1
}

update_indexes
if ! install_needed; then
  # The security suite may carry newer versions for one architecture than for the other, while
  # Multi-Arch libraries need the same version on both: prefer the main suite's for this install.
  if ! grep -qE 'unmet dependencies|held (broken )?packages|generated breaks' "$log"; then cat "$log" >&2; exit 1; fi
  echo "setup: unresolvable as the indexes stand; once more preferring versions that every architecture has"
  printf 'Package: *\nPin: release n=bookworm-security\nPin-Priority: 100\n' >"$pin"
  install_needed -o Dir::Etc::Preferences="$pin" || { cat "$log" >&2; exit 1; }
fi
generate_locales
echo "setup: done in $((SECONDS - started)) s"
make_wine_root
