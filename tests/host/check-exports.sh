#!/usr/bin/env bash
# Fails when a DLL exports anything but the classes its public headers declare
# for export (their members, static data, vtables and type information).
# usage: check-exports.sh <dll> <public include dir>
set -euo pipefail
dll=${1:?usage: check-exports.sh <dll> <public include dir>}
include=${2:?usage: check-exports.sh <dll> <public include dir>}

# A class is exported when its declaration names an export macro:
# "class AFX_EXT_CLASS CName", "class QTXSUPPORT_API Name", "struct ... Name".
mapfile -t classes < <(grep -rhoE '^(class|struct) +[A-Z][A-Z0-9_]* +[A-Za-z_][A-Za-z0-9_]*' "$include" |
  awk '{print $3}' | sort -u)
if [ ${#classes[@]} -eq 0 ]; then
  echo "no exported class declared under $include" >&2
  exit 2
fi
names=$(IFS='|'; echo "${classes[*]}")

exports=$(x86_64-w64-mingw32-objdump -p "$dll" |
  sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/s/^\s*\[ *[0-9]*\] //p' |
  x86_64-w64-mingw32-c++filt)
if [ -z "$exports" ]; then
  echo "$dll: no export table found" >&2
  exit 2
fi

unexpected=$(grep -vE "^(($names)::.*|(vtable|typeinfo|typeinfo name) for ($names))\$" <<<"$exports" || true)
if [ -n "$unexpected" ]; then
  echo "$(basename "$dll") exports what is not a public class (${classes[*]}):"
  sed 's/^/  /' <<<"$unexpected"
  exit 1
fi
echo "$(basename "$dll"): $(wc -l <<<"$exports") exports, all of ${classes[*]}"
