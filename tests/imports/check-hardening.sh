#!/usr/bin/env bash
# Fails when a program lacks a hardening flag of its PE header: DYNAMIC_BASE (a randomised load
# address) and NX_COMPAT (no code run from data pages) on every program, HIGH_ENTROPY_VA (the
# whole 64-bit address range for that randomisation) on a 64-bit one, and LARGE_ADDRESS_AWARE
# (4 GB of address space on 64-bit Windows) on a program named after --large-address-aware.
# Names the program and flag.
# Usage: check-hardening.sh OBJDUMP [--large-address-aware] PROGRAM.exe...
set -euo pipefail
objdump=$1; shift

status=0 laa=0
for program in "$@"; do
  if [ "$program" = --large-address-aware ]; then laa=1; continue; fi
  "$objdump" -p "$program" >/dev/null  # a program objdump cannot read fails here
  "$objdump" -p "$program" | awk -v program="$program" -v laa=$laa '
    $1 == "Magic" { magic = $2 }
    /^Characteristics/ { in_characteristics = 1; next }
    in_characteristics && /^\t[a-z]/ { sub(/^\t/, ""); if ($0 == "large address aware") flags["LARGE_ADDRESS_AWARE"] = 1; next }
    { in_characteristics = 0 }
    /^DllCharacteristics/ { in_flags = 1; next }
    in_flags && /^\t\t/ { flags[$1] = 1; next }
    { in_flags = 0 }
    END {
      wanted = "DYNAMIC_BASE NX_COMPAT" (magic == "020b" ? " HIGH_ENTROPY_VA" : "") (laa ? " LARGE_ADDRESS_AWARE" : "")
      n = split(wanted, required, " ")
      for (i = 1; i <= n; i++)
        if (!(required[i] in flags)) { print program ": " required[i] " is not set"; failed = 1 }
      if (!failed) print program ": " wanted " set"
      exit failed
    }' || status=1
  laa=0
done
exit $status
