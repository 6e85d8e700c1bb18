#!/usr/bin/env bash
# tools/sign-installer.sh with a throwaway self-signed code-signing certificate: osslsigncode
# verify accepts the signed install.exe, from a PKCS#12 file and from a certificate and key, and
# rejects it once one payload byte is changed; kvpack bind refuses the signed installer.
# Usage: signing-test.sh BUILD_DIR WINE_LOADER
set -euo pipefail
build=$(cd "$1" && pwd); loader=$2
root=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d); trap 'rm -rf "$work"' EXIT
fail() { echo "FAILED: $*" >&2; exit 1; }

openssl req -x509 -newkey rsa:2048 -nodes -keyout "$work/key.pem" -out "$work/cert.pem" -days 2 \
    -subj "/CN=Korvane test signer" -addext "extendedKeyUsage=codeSigning" 2>/dev/null
openssl pkcs12 -export -inkey "$work/key.pem" -in "$work/cert.pem" -out "$work/signer.p12" -passout pass:throwaway

"$root/tools/sign-installer.sh" --pkcs12 "$work/signer.p12" --password throwaway "$build/install.exe" "$work/signed.exe"
osslsigncode verify -CAfile "$work/cert.pem" -in "$work/signed.exe" | grep -E '(Current|Calculated) message digest|Signature verification|Succeeded'
KV_SIGN_CERT="$work/cert.pem" KV_SIGN_KEY="$work/key.pem" \
    "$root/tools/sign-installer.sh" "$build/install.exe" "$work/signed-pem.exe"
osslsigncode verify -CAfile "$work/cert.pem" -in "$work/signed-pem.exe" >/dev/null || fail "certificate and key"

# One byte inside INSTALL_DATA, past the stream's signature and root class name.
offset=$(grep -obUaP 'TPF0\x0eTInstallerData' "$work/signed.exe" | head -1 | cut -d: -f1)
[ -n "$offset" ] || fail "no payload stream in the signed installer"
cp "$work/signed.exe" "$work/tampered.exe"
printf '\x5a' | dd of="$work/tampered.exe" bs=1 seek=$((offset + 64)) conv=notrunc status=none
cmp -s "$work/signed.exe" "$work/tampered.exe" && fail "the byte was not changed"
if osslsigncode verify -CAfile "$work/cert.pem" -in "$work/tampered.exe" >"$work/tampered.txt" 2>&1; then
  fail "a changed payload byte still verifies"
fi
grep -E '(Current|Calculated) message digest|Signature verification|Failed' "$work/tampered.txt"
echo "tampered installer rejected"

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
