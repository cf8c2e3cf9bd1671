#!/usr/bin/env bash
# Writes kavro/frame/FixedTexts.h and FixedTexts.cpp from kavro/frame/fixed-texts.txt
# (lines "kTextName<TAB>plain text"), enciphering each text with the support
# library's own cipher through qtxencipher.exe under Wine, and puts both files
# into the house style.
# usage: tools/make-fixed-texts.sh <build-dir>
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
top=$(dirname "$here")
build=$(realpath "${1:?usage: make-fixed-texts.sh <build-dir>}")
cmake --build "$build" --target qtxencipher >/dev/null
list="$top/kavro/frame/fixed-texts.txt"
h="$top/kavro/frame/FixedTexts.h"
cpp="$top/kavro/frame/FixedTexts.cpp"
{
  echo "// FixedTexts.h - the library's fixed texts, held enciphered; written by tools/make-fixed-texts.sh."
  echo "//"
  echo "// Made from fixed-texts.txt; do not edit."
  echo "#pragma once"
  echo
  echo "#include <vector>"
  echo
} >"$h"
{
  echo "// FixedTexts.cpp - the library's fixed texts, held enciphered; written by tools/make-fixed-texts.sh."
  echo "//"
  echo "// Made from fixed-texts.txt; do not edit."
  echo "#include \"Frame.h\""
  echo
} >"$cpp"
while IFS=$'\t' read -r name text; do
  [ -z "$name" ] && continue
  case "$name" in \#*) continue ;; esac
  ints=$("$build/wine-run.sh" "$build/bin/qtxencipher.exe" "$text" | tr -d '\r' | grep '^{')
  echo "extern const std::vector<int> $name;" >>"$h"
  echo "const std::vector<int> $name = $ints;" >>"$cpp"
done <"$list"
"$here/format.sh" "$h" "$cpp"
echo "wrote $h and $cpp" >&2
