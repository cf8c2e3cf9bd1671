// tree_width_bench.cpp - WndUtils::GetWidthOfContent on a large tree, against one label rectangle per item.
//
// The tree holds 1,000 expanded folders of 99 items each, 100,000 shown
// items, as a directory tree opened wide. The baseline is the least any
// measurement of the tree can do: one TVM_GETITEMRECT per item, sent by hand
// over a list of the items made beforehand. Prints the median time of each
// over several repetitions and their ratio. Not a test: the numbers depend on
// the machine and its load.
//
// Wine's tree view looks an item up by searching its list of items for every
// message that names one, so each message costs time in proportion to the
// tree's size: the ratio is about the number of item messages per item
// (GetWidthOfContent asks for the rectangle, the first child and the next
// sibling of each), and both times grow with the square of the item count.
#include <afxwin.h>
#include <afxcmn.h>

#include <kavro/WndUtils.h>

#include "BenchHost.h"
#include "BenchTiming.h"

#include <algorithm>
#include <stdio.h>
#include <string.h>
#include <vector>

namespace
{

const int kFolders = 1000;
const int kItemsPerFolder = 99;
const int kRepetitions = 3;

CBenchApp theApp("tree-width-bench");

// Widest label rectangle, one TVM_GETITEMRECT per item.
int WidestByHand(HWND hTree, const std::vector<HTREEITEM>& items)
{
	int nWidest = 0;
	for (HTREEITEM hItem : items)
	{
		// The item goes in through the rectangle's first bytes.
		RECT rc = {};
		memcpy(&rc, &hItem, sizeof(hItem));
		if (::SendMessageA(hTree, TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&rc)))
			nWidest = std::max(nWidest, static_cast<int>(rc.right - rc.left));
	}
	return nWidest;
}

} // namespace

int main()
{
	if (!StartFramework("tree_width_bench"))
		return 1;
	CWnd host;
	CTreeCtrl tree;
	if (!CreateHost(host, 300, 400) ||
		!tree.Create(WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT,
			CRect(0, 0, 300, 400), &host, 1))
	{
		fprintf(stderr, "tree_width_bench: no tree\n");
		return 1;
	}
	tree.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(::GetStockObject(DEFAULT_GUI_FONT)));

	// Items go in under collapsed folders, which are opened afterwards: the
	// tree then lays out its shown items once per folder, not once per item.
	std::vector<HTREEITEM> items, folders;
	char text[64];
	for (int f = 0; f < kFolders; ++f)
	{
		sprintf(text, "folder %04d", f);
		folders.push_back(tree.InsertItem(text));
		items.push_back(folders.back());
		for (int i = 0; i < kItemsPerFolder; ++i)
		{
			sprintf(text, "item %02d of folder %04d", i, f);
			items.push_back(tree.InsertItem(text, folders.back()));
		}
	}
	for (HTREEITEM hFolder : folders)
		tree.Expand(hFolder, TVE_EXPAND);

	// The first pass over the tree makes it measure every label; both runs
	// below find the widths already known.
	int nByHand = WidestByHand(tree.m_hWnd, items);
	int nWidth = 0;
	const double byHand = MedianSeconds(kRepetitions, [&] { nByHand = WidestByHand(tree.m_hWnd, items); });
	const double content = MedianSeconds(kRepetitions, [&] { nWidth = WndUtils::GetWidthOfContent(tree); });
	host.DestroyWindow();
	if (nByHand <= 0 || nWidth <= nByHand)
	{
		fprintf(stderr, "tree_width_bench: unexpected widths (by hand %d, content %d)\n", nByHand, nWidth);
		return 1;
	}

	printf("%zu shown items: GetWidthOfContent %.3f ms, TVM_GETITEMRECT per item %.3f ms (median of %d)\n",
		items.size(), content * 1000.0, byHand * 1000.0, kRepetitions);
	printf("ratio GetWidthOfContent/GETITEMRECT-per-item %.3f\n", byHand > 0 ? content / byHand : 0.0);
	return 0;
}
