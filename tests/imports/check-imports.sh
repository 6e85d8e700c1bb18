#!/usr/bin/env bash
# Fails when a program imports a function that 32-bit Windows XP SP3 does not export, or imports
# from a DLL without a list of XP's exports here (one that Windows does not ship, such as a
# compiler runtime DLL). Windows XP refuses to start a program with one such import.
# Usage: check-imports.sh OBJDUMP EXPORT_LISTS_DIR PROGRAM.exe...
#   EXPORT_LISTS_DIR holds DLLNAME.txt files: NAME<TAB>VERSION[<TAB>arch=ARCHES] a line, where
#   VERSION is "base" (the XP / Server 2003 set) or a range of Windows versions such as
#   "0x600+" or "0x501-0x502"; "arch=" names the only processors that have the export.
set -euo pipefail
objdump=$1 lists=$2; shift 2

status=0
for program in "$@"; do
  "$objdump" -p "$program" >/dev/null  # a program objdump cannot read fails here
  "$objdump" -p "$program" | awk -v lists="$lists" -v program="$(basename "$program")" '
    function hex(text,   i, n) {
      n = 0; text = tolower(substr(text, 3))
      for (i = 1; i <= length(text); i++) n = n * 16 + index("0123456789abcdef", substr(text, i, 1)) - 1
      return n
    }
    # 32-bit XP (0x501): in the base set or in a range that covers it, on i386.
    function on_xp(version, arch,   bounds) {
      if (arch != "" && arch !~ /(^|,)i386(,|$)/) return 0
      if (version == "base") return 1
      if (version ~ /\+$/) return hex(substr(version, 1, length(version) - 1)) <= 1281
      split(version, bounds, "-")
      return hex(bounds[1]) <= 1281 && 1281 <= hex(bounds[2])
    }
    function load(dll,   file, line, f, n) {
      if (dll in loaded) return loaded[dll]
      file = lists "/" dll ".txt"
      loaded[dll] = 0
      while ((getline line < file) > 0) {
        loaded[dll] = 1
        if (line ~ /^#/) continue
        n = split(line, f, "\t")
        level[dll "!" f[1]] = f[2]
        reachable[dll "!" f[1]] = on_xp(f[2], n > 2 ? substr(f[3], 6) : "")
      }
      close(file)
      return loaded[dll]
    }
    function fail(text) { print program ": " text; failed = 1 }
    /^The Import Tables/ { in_imports = 1; next }
    /^[A-Z]/ { in_imports = 0; dll = "" }
    !in_imports { next }
    $1 == "DLL" && $2 == "Name:" {
      name = $3; dll = tolower(name); sub(/\.dll$/, "", dll)
      if (!load(dll)) { fail("imports from " name ", which Windows XP does not have (no list of its exports)"); dll = "" }
      next
    }
    # One import a line: a tab, its address, a tab, the hint (or ordinal) and the name.
    dll != "" && /^\t[0-9a-f]+\t/ {
      function_name = $3
      if (function_name == "<none>") fail(name " import by ordinal " $2 " cannot be checked")
      else if (!((dll "!" function_name) in level)) fail(name "!" function_name " is not exported by Windows XP")
      else if (!reachable[dll "!" function_name])
        fail(name "!" function_name " is not on 32-bit Windows XP (exported from version " level[dll "!" function_name] ")")
      else checked++
    }
    END {
      if (!failed && !checked) { print program ": no imports found"; exit 1 }
      if (!failed) print program ": all " checked " imports exist on Windows XP"
      exit failed
    }' || status=1
done
exit $status
