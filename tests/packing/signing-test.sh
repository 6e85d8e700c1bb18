#!/usr/bin/env bash
# tools/sign-installer.sh with a throwaway self-signed code-signing certificate: osslsigncode
# verify accepts the signed install.exe and the uninstaller it carries, from a PKCS#12 file and
# from a certificate and key, and rejects the installer once one byte of its payload or of its
# uninstaller is changed; kvpack bind refuses the signed installer.
# Usage: signing-test.sh BUILD_DIR WINE_LOADER
set -euo pipefail
build=$(cd "$1" && pwd); loader=$2
root=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d); trap 'rm -rf "$work"' EXIT
fail() { echo "FAILED: $*" >&2; exit 1; }

openssl req -x509 -newkey rsa:2048 -nodes -keyout "$work/key.pem" -out "$work/cert.pem" -days 2 \
    -subj "/CN=Korvane test signer" -addext "extendedKeyUsage=codeSigning" 2>/dev/null
openssl pkcs12 -export -inkey "$work/key.pem" -in "$work/cert.pem" -out "$work/signer.p12" -passout pass:throwaway

"$root/tools/sign-installer.sh" --pkcs12 "$work/signer.p12" --password throwaway --kvpack "$build/kvpack.exe" \
    "$build/install.exe" "$work/signed.exe"
osslsigncode verify -CAfile "$work/cert.pem" -in "$work/signed.exe" | grep -E '(Current|Calculated) message digest|Signature verification|Succeeded'
KV_SIGN_CERT="$work/cert.pem" KV_SIGN_KEY="$work/key.pem" \
    "$root/tools/sign-installer.sh" --kvpack "$build/kvpack.exe" "$build/install.exe" "$work/signed-pem.exe"
osslsigncode verify -CAfile "$work/cert.pem" -in "$work/signed-pem.exe" >/dev/null || fail "certificate and key"

# The uninstaller that an installation writes out carries a signature of its own.
"$root/tools/wine-run.sh" "$build" "$loader" "$build/kvpack.exe" uninstaller "Z:$work/signed.exe" "Z:$work/uninstall.exe" >/dev/null
osslsigncode verify -CAfile "$work/cert.pem" -in "$work/uninstall.exe" >"$work/uninstall.txt" 2>&1 ||
  { cat "$work/uninstall.txt"; fail "the uninstaller the signed installer carries does not verify"; }
echo "carried uninstaller verifies"

# One byte changed at the offset of the first match of a pattern: the signature no longer holds.
expect_rejected_after_change() {  # $1 what, $2 grep -P pattern, $3 bytes after the match
  local offset
  offset=$(grep -obUaP "$2" "$work/signed.exe" | head -1 | cut -d: -f1)
  [ -n "$offset" ] || fail "no $1 in the signed installer"
  cp "$work/signed.exe" "$work/tampered.exe"
  printf '\x5a' | dd of="$work/tampered.exe" bs=1 seek=$((offset + $3)) conv=notrunc status=none
  cmp -s "$work/signed.exe" "$work/tampered.exe" && fail "the byte of the $1 was not changed"
  if osslsigncode verify -CAfile "$work/cert.pem" -in "$work/tampered.exe" >"$work/tampered.txt" 2>&1; then
    fail "a changed byte of the $1 still verifies"
  fi
  grep -E '(Current|Calculated) message digest|Signature verification|Failed' "$work/tampered.txt"
  echo "installer with a changed byte of the $1 rejected"
}
# Inside INSTALL_DATA, past the stream's signature and root class name; inside the uninstaller's
# string table (UTF-16), which install.exe's own holds nowhere.
expect_rejected_after_change payload 'TPF0\x0eTInstallerData' 64
expect_rejected_after_change uninstaller 'R\x00e\x00m\x00o\x00v\x00e\x00 \x00K\x00o\x00r\x00v\x00a\x00n\x00e' 2

set +e
refused=$("$root/tools/wine-run.sh" "$build" "$loader" "$build/kvpack.exe" bind "Z:$work/signed.exe" \
    "Z:$build/data.res" "Z:$work/rebound.exe" 2>&1 >/dev/null)
code=$?
set -e
echo "$refused"
[ $code -eq 1 ] || fail "bind of a signed installer gave exit code $code"
case "$refused" in *"is signed: bind an unsigned build"*) ;; *) fail "bind's message" ;; esac
[ ! -e "$work/rebound.exe" ] || fail "bind wrote its output"
echo "signing test passed"
