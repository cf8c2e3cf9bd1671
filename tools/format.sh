#!/usr/bin/env bash
# Puts the C++ sources into the house style, or checks that they are in it.
#   tools/format.sh            formats every tracked .cpp and .h in place
#   tools/format.sh --check    lists the files that differ; exit status 1 if any
#   tools/format.sh FILE...    formats (or with --check, checks) only these
# clang-format does the work (.clang-format at the top of the tree); one step
# of our own puts MFC's section labels of a class body back at the left
# margin, where MFC's own headers keep them:
#   // Operations
#   public:
#   	void Refresh();
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"

check=0
if [ "${1:-}" = "--check" ]; then check=1; shift; fi

cf=$(command -v clang-format-14 || command -v clang-format || true)
if [ -z "$cf" ]; then
  echo "format: clang-format is not installed (tools/bootstrap.sh installs it)" >&2
  exit 2
fi

if [ $# -gt 0 ]; then
  files=("$@")
else
  mapfile -t files < <(git ls-files -- '*.cpp' '*.h')
fi

style() {
  "$cf" --style=file --assume-filename="$1" <"$1" |
    perl -pe 's{^\t(// (?:Construction|Attributes|Operations|Overridables|Implementation|Message handlers))$}{$1}'
}

bad=0
for f in "${files[@]}"; do
  [ -f "$f" ] || continue
  if [ $check -eq 1 ]; then
    if ! style "$f" | cmp -s - "$f"; then
      echo "not in the house style: $f (tools/format.sh $f)"
      bad=1
    fi
  else
    tmp=$(mktemp)
    style "$f" >"$tmp"
    if cmp -s "$tmp" "$f"; then rm -f "$tmp"; else cat "$tmp" >"$f"; rm -f "$tmp"; fi
  fi
done
if [ $check -eq 1 ]; then
  python3 tools/file-header.py --check "${files[@]}" || bad=1
else
  python3 tools/file-header.py "${files[@]}" || bad=1
fi
exit $bad
