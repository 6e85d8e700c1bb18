#!/usr/bin/env bash
# Fails when a program lacks a hardening flag of its PE header: DYNAMIC_BASE (a randomised load
# address) and NX_COMPAT (no code run from data pages) on every program, HIGH_ENTROPY_VA (the
# whole 64-bit address range for that randomisation) on a 64-bit one. Names the program and flag.
# Usage: check-hardening.sh OBJDUMP PROGRAM.exe...
set -euo pipefail
objdump=$1; shift

status=0
for program in "$@"; do
  "$objdump" -p "$program" >/dev/null  # a program objdump cannot read fails here
  "$objdump" -p "$program" | awk -v program="$program" '
    $1 == "Magic" { magic = $2 }
    /^DllCharacteristics/ { in_flags = 1; next }
    in_flags && /^\t\t/ { flags[$1] = 1; next }
    { in_flags = 0 }
    END {
      required["DYNAMIC_BASE"]; required["NX_COMPAT"]
      if (magic == "020b") required["HIGH_ENTROPY_VA"]
      for (flag in required)
        if (!(flag in flags)) { print program ": " flag " is not set"; failed = 1 }
      if (!failed) print program ": " (magic == "020b" ? "DYNAMIC_BASE, NX_COMPAT and HIGH_ENTROPY_VA" : "DYNAMIC_BASE and NX_COMPAT") " set"
      exit failed
    }' || status=1
done
exit $status
