#!/usr/bin/env bash
# Signs an installer with Authenticode through osslsigncode. Bind first, sign last: kvpack bind
# refuses a signed template, since a new payload would break the signature.
# Usage: tools/sign-installer.sh [OPTIONS] IN.exe OUT.exe
#   --pkcs12 FILE       certificate and key in one PKCS#12 file            (or KV_SIGN_PKCS12)
#   --cert FILE --key FILE   certificate (chain) and private key, PEM or DER (or KV_SIGN_CERT, KV_SIGN_KEY)
#   --password TEXT     password of the PKCS#12 file or of the key         (or KV_SIGN_PASSWORD)
#   --timestamp URL     RFC 3161 time-stamp server, optional               (or KV_SIGN_TIMESTAMP)
#   --name TEXT         description shown by Windows (default "Korvane installer")
# OUT.exe is written beside itself under a temporary name and put in place when signing succeeded.
set -euo pipefail
usage() { sed -n '2,11p' "$0" >&2; exit 2; }

pkcs12=${KV_SIGN_PKCS12:-} cert=${KV_SIGN_CERT:-} key=${KV_SIGN_KEY:-}
password=${KV_SIGN_PASSWORD:-} timestamp=${KV_SIGN_TIMESTAMP:-} name="Korvane installer"
files=()
while [ $# -gt 0 ]; do
  case "$1" in
    --pkcs12) pkcs12=$2; shift 2 ;;
    --cert) cert=$2; shift 2 ;;
    --key) key=$2; shift 2 ;;
    --password) password=$2; shift 2 ;;
    --timestamp) timestamp=$2; shift 2 ;;
    --name) name=$2; shift 2 ;;
    -h|--help) usage ;;
    -*) echo "unknown option $1" >&2; usage ;;
    *) files+=("$1"); shift ;;
  esac
done
[ ${#files[@]} -eq 2 ] || usage
in=${files[0]} out=${files[1]}
command -v osslsigncode >/dev/null || { echo "osslsigncode is missing (tools/setup-debian.sh installs it)" >&2; exit 1; }

signer=()
if [ -n "$pkcs12" ]; then
  signer=(-pkcs12 "$pkcs12")
elif [ -n "$cert" ] && [ -n "$key" ]; then
  signer=(-certs "$cert" -key "$key")
else
  echo "no signing certificate: give --pkcs12 FILE, or --cert FILE and --key FILE" >&2; exit 1
fi
pending="$out.signing"
secret=$(mktemp -d)
trap 'rm -f "$pending"; rm -rf "$secret"' EXIT
rm -f "$pending"
# The password goes through a file of our own, not the command line that every process can read.
if [ -n "$password" ]; then
  (umask 077 && printf %s "$password" >"$secret/password")
  signer+=(-readpass "$secret/password")
fi
[ -z "$timestamp" ] || signer+=(-ts "$timestamp")
osslsigncode sign "${signer[@]}" -n "$name" -h sha256 -in "$in" -out "$pending" >/dev/null
mv -f "$pending" "$out"
echo "signed: $out"
