#!/usr/bin/env bash
# Prints the lines of tests against the lines of code they test: the whole
# (every .cpp/.h under tests/ against those of afx, imports, kavro, gallery,
# bench and tools) and each family (a library or a family of controls, its
# tests against its own sources and headers). Files under tests/ that belong
# to no family (the shared test support, the package check) count in the
# whole only; a test file that matches no family is listed, to be assigned
# here.
#   tools/test-counts.sh          from the repository's root
set -euo pipefail
cd "$(dirname "$0")/.."

lines() { # lines of the .cpp/.h files among the paths given (missing ones count 0)
	local files=()
	for p in "$@"; do
		[ -e "$p" ] || continue
		while IFS= read -r f; do files+=("$f"); done < <(find "$p" -type f \( -name '*.cpp' -o -name '*.h' \) | sort)
	done
	if [ ${#files[@]} -eq 0 ]; then echo 0; else cat "${files[@]}" | wc -l; fi
}

pct() { awk -v t="$1" -v c="$2" 'BEGIN { printf "%.1f", (c > 0 ? 100 * t / c : 0) }'; }

H=kavro/include/kavro
T=tests/kavro
# family | code paths | test paths
FAMILIES="
afx|afx|tests/afx tests/afxcmn tests/afxvalues tests/afxcompile
support|imports/support|tests/qtxsupport
graphics|imports/graphics|tests/qtxgraphics
menu|imports/menu|tests/qtxmenu
timer|imports/timer|tests/qtxtimer
print|imports/print|tests/qtxprint
frame|kavro/frame $H/WndUtils.h $H/kavro.h|$T/FrameTests.cpp $T/WndUtilsTests.cpp
labels|kavro/labels $H/TransparentStatic.h $H/BackgroundStatic.h $H/3DTextCtrl.h|$T/TransparentStaticTests.cpp $T/PanelTests.cpp
buttons|kavro/buttons $H/QTXButton.h $H/TransparentCheckbox.h $H/TransparentIcon.h|$T/QTXButtonTests.cpp $T/TransparentButtonTests.cpp $T/TransparentButtonTestIds.h
dirtree|kavro/dirtree $H/DirTreeCtrl.h|$T/DirTreeCtrlTests.cpp $T/DirTreeTestIds.h
progress|kavro/progress $H/GradientProgressCtrl.h $H/TaskBarProgressCtrl.h|$T/ProgressTests.cpp $T/TaskBarProgressTests.cpp
edits|kavro/edits $H/ImageMenuEdit.h $H/ImageMenuRichEdit.h|$T/ImageMenuEditTests.cpp $T/ImageMenuRichEditTests.cpp $T/EditTestSupport.h
lists|kavro/lists $H/MenuListbox.h $H/HighlightCheckListbox.h $H/IconComboBox.h $H/ColorPicker.h|$T/ListsTests.cpp $T/ListsTestIds.h
clipboard|kavro/clipboard $H/ClipboardViewer.h|$T/ClipboardViewerTests.cpp
fields|kavro/fields $H/ControlMgr.h $H/ControlMgrEdit.h $H/ControlMgrPhoto.h|$T/ControlMgrTests.cpp
"
SHARED="tests/support tests/package tests/host"

code=$(lines afx imports kavro gallery bench tools)
tests=$(lines tests)
printf '%-10s %7s %7s %6s\n' family tests code share
printf '%-10s %7d %7d %5s%%  (cap 35 %%)\n' whole "$tests" "$code" "$(pct "$tests" "$code")"
assigned=()
over=0
while IFS='|' read -r name codepaths testpaths; do
	[ -n "$name" ] || continue
	# shellcheck disable=SC2086
	c=$(lines $codepaths)
	# shellcheck disable=SC2086
	t=$(lines $testpaths)
	mark=""
	if [ "$((2 * t))" -gt "$c" ]; then mark="  over half"; over=1; fi
	printf '%-10s %7d %7d %5s%%%s\n' "$name" "$t" "$c" "$(pct "$t" "$c")" "$mark"
	for p in $testpaths; do assigned+=("$p"); done
done <<<"$FAMILIES"
printf '%-10s %7d\n' shared "$(lines $SHARED)"

# Test files in no family and not shared support.
unassigned=$(find tests -type f \( -name '*.cpp' -o -name '*.h' \) | sort | while IFS= read -r f; do
	hit=0
	for p in "${assigned[@]}" $SHARED; do
		case "$f" in "$p" | "$p"/*) hit=1 ;; esac
	done
	[ $hit -eq 1 ] || echo "$f"
done)
if [ -n "$unassigned" ]; then
	echo "in no family (add them to FAMILIES in $0):"
	echo "$unassigned" | sed 's/^/  /'
fi
[ $over -eq 0 ]
