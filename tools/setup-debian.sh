#!/usr/bin/env bash
# Installs what the build and the tests need on a fresh Debian 12 machine (run as root).
# Does nothing for packages that are already present.
set -euo pipefail

need=()
have() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }

# The 32-bit Wine loader comes from the i386 architecture; it is used where the kernel runs 32-bit code.
dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386

# gcc builds the native library that tools/wine-windows-rule.sh preloads into its wineserver.
for p in wine wine32:i386 wine64 g++-mingw-w64-i686 g++-mingw-w64-x86-64 cmake googletest xvfb xauth make util-linux fonts-wine \
         osslsigncode openssl gcc libc6-dev; do
  have "$p" || need+=("$p")
done

if [ ${#need[@]} -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${need[@]}" >/dev/null
fi
