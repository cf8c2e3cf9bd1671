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
# tools/file-header.py keeps the opening comment of each file in its form
# (what the file is, then the classes it declares).
# The files are formatted as copies in a scratch folder, all in one run of
# clang-format; only a file whose content changes is written back, so that
# the build does not see untouched files as new.
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

files=()
if [ $# -gt 0 ]; then
  for f in "$@"; do [ -f "$f" ] && files+=("$f"); done
else
  mapfile -t files < <(git ls-files -- '*.cpp' '*.h' | sort -u)
fi
[ ${#files[@]} -gt 0 ] || exit 0

bad=0
if [ $check -eq 0 ]; then
  python3 tools/file-header.py "${files[@]}" || bad=1
fi

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cp .clang-format "$scratch/"
cp --parents "${files[@]}" "$scratch/"
(cd "$scratch" && "$cf" -i --style=file "${files[@]}" &&
  perl -pi -e 's{^\t(// (?:Construction|Attributes|Operations|Overridables|Implementation|Message handlers))$}{$1}' \
    "${files[@]}")

for f in "${files[@]}"; do
  cmp -s "$scratch/$f" "$f" && continue
  if [ $check -eq 1 ]; then
    echo "not in the house style: $f (tools/format.sh $f)"
    bad=1
  else
    cat "$scratch/$f" >"$f"
  fi
done
if [ $check -eq 1 ]; then
  python3 tools/file-header.py --check "${files[@]}" || bad=1
fi
exit $bad
