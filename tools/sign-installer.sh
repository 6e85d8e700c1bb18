#!/usr/bin/env bash
# Signs an installer with Authenticode through osslsigncode: first the uninstaller it carries,
# which an installation writes out and Windows starts elevated from Programs and Features, bound
# back in with kvpack; then the installer itself. Bind first, sign last: kvpack bind refuses a
# signed template, since a new payload would break the signature.
# Usage: tools/sign-installer.sh [OPTIONS] IN.exe OUT.exe
#   --pkcs12 FILE       certificate and key in one PKCS#12 file            (or KV_SIGN_PKCS12)
#   --cert FILE --key FILE   certificate (chain) and private key, PEM or DER (or KV_SIGN_CERT, KV_SIGN_KEY)
#   --password TEXT     password of the PKCS#12 file or of the key         (or KV_SIGN_PASSWORD)
#   --timestamp URL     RFC 3161 time-stamp server, optional               (or KV_SIGN_TIMESTAMP)
#   --name TEXT         description shown by Windows (default "Korvane installer")
#   --kvpack FILE       kvpack.exe, run under Wine (default: the runnable build tree's)
# OUT.exe is written beside itself under a temporary name and put in place when signing succeeded.
set -euo pipefail
usage() { sed -n '2,14p' "$0" >&2; exit 2; }
source "$(dirname "$0")/common.sh"

pkcs12=${KV_SIGN_PKCS12:-} cert=${KV_SIGN_CERT:-} key=${KV_SIGN_KEY:-}
password=${KV_SIGN_PASSWORD:-} timestamp=${KV_SIGN_TIMESTAMP:-} name="Korvane installer"
kvpack=$run_dir/kvpack.exe
files=()
while [ $# -gt 0 ]; do
  case "$1" in
    --pkcs12) pkcs12=$2; shift 2 ;;
    --cert) cert=$2; shift 2 ;;
    --key) key=$2; shift 2 ;;
    --password) password=$2; shift 2 ;;
    --timestamp) timestamp=$2; shift 2 ;;
    --name) name=$2; shift 2 ;;
    --kvpack) kvpack=$2; shift 2 ;;
    -h|--help) usage ;;
    -*) echo "unknown option $1" >&2; usage ;;
    *) files+=("$1"); shift ;;
  esac
done
[ ${#files[@]} -eq 2 ] || usage
in=${files[0]} out=${files[1]}
command -v osslsigncode >/dev/null || { echo "osslsigncode is missing (tools/setup-debian.sh installs it)" >&2; exit 1; }
[ -f "$kvpack" ] || { echo "no kvpack.exe at $kvpack: build the tree, or give --kvpack FILE" >&2; exit 1; }
kvpack_dir=$(cd "$(dirname "$kvpack")" && pwd)
# Under the Wine that its tree was built for.
kvpack_loader=$(sed -n 's/^KV_WINE_LOADER:STRING=//p' "$kvpack_dir/CMakeCache.txt" 2>/dev/null)
kvpack_loader=${kvpack_loader:-$wine_loader}
run_kvpack() { "$root/tools/wine-run.sh" "$kvpack_dir" "$kvpack_loader" "$kvpack_dir/$(basename "$kvpack")" "$@" >/dev/null; }

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
work=$(mktemp -d)
trap 'rm -f "$pending"; rm -rf "$secret" "$work"' EXIT
rm -f "$pending"
# The password goes through a file of our own, not the command line that every process can read.
if [ -n "$password" ]; then
  (umask 077 && printf %s "$password" >"$secret/password")
  signer+=(-readpass "$secret/password")
fi
[ -z "$timestamp" ] || signer+=(-ts "$timestamp")
run_kvpack uninstaller "$(windows_path "$(cd "$(dirname "$in")" && pwd)/$(basename "$in")")" "$(windows_path "$work/uninstall.exe")"
osslsigncode sign "${signer[@]}" -n "Korvane uninstaller" -h sha256 -in "$work/uninstall.exe" \
    -out "$work/uninstall-signed.exe" >/dev/null
run_kvpack bind-uninstaller "$(windows_path "$(cd "$(dirname "$in")" && pwd)/$(basename "$in")")" \
    "$(windows_path "$work/uninstall-signed.exe")" "$(windows_path "$work/install.exe")"
osslsigncode sign "${signer[@]}" -n "$name" -h sha256 -in "$work/install.exe" -out "$pending" >/dev/null
mv -f "$pending" "$out"
echo "signed: $out (and the uninstaller it carries)"
