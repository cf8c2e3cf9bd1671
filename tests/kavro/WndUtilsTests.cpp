// WndUtilsTests.cpp - WndUtils on real list, combo, edit and tree controls and on real windows.
//
// Classes in this file:
//   WndUtilsTest, TreeNode
#include <kavrotest/ExpectAssert.h>
#include <kavrotest/TestSupport.h>

#include <kavro/WndUtils.h>

#include <algorithm>
#include <string>
#include <ostream>
#include <vector>

void PrintTo(const CRect& rc, std::ostream* os)
{
	*os << "(" << rc.left << ", " << rc.top << ", " << rc.right << ", " << rc.bottom << ")";
}

namespace
{

const UINT kId = 100;

class WndUtilsTest : public ::testing::Test
{
protected:
	virtual void SetUp() override
	{
		m_hFont = ::CreateFontA(-13, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET,
			OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, NONANTIALIASED_QUALITY, DEFAULT_PITCH, "Tahoma");
	}
	virtual void TearDown() override
	{
		m_host.DestroyWindow();
		::DeleteObject(m_hFont);
	}

	template <class TCtrl>
	void Make(TCtrl& ctrl, DWORD dwStyle, const CRect& rc = CRect(10, 10, 210, 110), bool bFont = true)
	{
		ASSERT_TRUE(ctrl.Create(WS_CHILD | WS_VISIBLE | dwStyle, rc, &m_host, kId));
		if (bFont)
			ctrl.SetFont(CFont::FromHandle(m_hFont));
	}

	// Width of text in the control's font as plain GDI measures it.
	static int TextWidth(CWnd& ctrl, const std::string& text)
	{
		HDC hdc = ::GetDC(ctrl.m_hWnd);
		HGDIOBJ hOld = ::SelectObject(hdc, reinterpret_cast<HGDIOBJ>(ctrl.SendMessage(WM_GETFONT)));
		SIZE size = {};
		::GetTextExtentPoint32A(hdc, text.c_str(), static_cast<int>(text.size()), &size);
		::SelectObject(hdc, hOld);
		::ReleaseDC(ctrl.m_hWnd, hdc);
		return size.cx;
	}

	template <class TBox>
	static void Fill(TBox& box, const std::vector<std::string>& texts)
	{
		box.ResetContent();
		for (size_t i = 0; i < texts.size(); ++i)
			box.SetItemData(box.AddString(texts[i].c_str()), 100 + i);
	}

	static CRect WorkArea()
	{
		CRect rc;
		::SystemParametersInfoA(SPI_GETWORKAREA, 0, &rc, 0);
		return rc;
	}

	kt::HostWindow m_host{ 400, 300 };
	HFONT m_hFont = NULL;
};

// ---------------------------------------------------------------------------
// Lists

TEST_F(WndUtilsTest, WidestEntryIsMeasuredInTheBoxFontWithOwnerDrawRoomOnlyForListBoxes)
{
	const std::vector<std::string> texts = { "short", "the widest entry of all", "WWW" };
	const struct
	{
		DWORD dwStyle;
		bool bFont, bFilled;
		int nOwnerDraw;
	} cases[] = { { 0, true, false, 0 }, { LBS_OWNERDRAWFIXED | LBS_HASSTRINGS, true, false, 13 },
		{ 0, true, true, 0 }, { LBS_OWNERDRAWFIXED | LBS_HASSTRINGS, true, true, 13 },
		{ 0, false, true, 0 } };
	for (const auto& c : cases)
	{
		CListBox list;
		Make(list, c.dwStyle, CRect(10, 10, 210, 110), c.bFont);
		Fill(list, c.bFilled ? texts : std::vector<std::string>());
		int nWidest = 0;
		for (const auto& t : list.GetCount() ? texts : std::vector<std::string>())
			nWidest = std::max(nWidest, TextWidth(list, t));
		EXPECT_EQ(WndUtils::GetListBoxWidest(list), nWidest + c.nOwnerDraw + 3) << c.dwStyle << c.bFilled;
		WndUtils::AdjustHScrollbar(list);
		EXPECT_EQ(list.GetHorizontalExtent(), nWidest + c.nOwnerDraw + 3);

		CComboBox combo;
		Make(combo, CBS_DROPDOWNLIST | (c.nOwnerDraw ? CBS_OWNERDRAWFIXED | CBS_HASSTRINGS : 0),
			CRect(10, 120, 210, 220), c.bFont);
		Fill(combo, c.bFilled ? texts : std::vector<std::string>());
		WndUtils::AdjustHScrollbar(combo);
		EXPECT_EQ(static_cast<int>(combo.GetHorizontalExtent()), nWidest + 3);
		list.DestroyWindow();
		combo.DestroyWindow();
	}
}

TEST_F(WndUtilsTest, ExactStringMatchesCaseAndEndsWhenTheSearchWrapsAround)
{
	const struct
	{
		std::vector<std::string> texts;
		const char* pszWanted;
		int nFound;
	} cases[] = { { { "ABC" }, "abc", -1 }, { { "abc", "ABC" }, "ABC", 1 },
		{ { "ABC", "x", "abc" }, "abc", 2 }, { { "ABC", "Abc", "aBc" }, "abc", -1 },
		{ { "abcd", "abc" }, "abc", 1 }, { {}, "abc", -1 } };
	CListBox list;
	Make(list, 0);
	for (const auto& c : cases)
	{
		Fill(list, c.texts);
		list.SetCurSel(-1);
		EXPECT_EQ(WndUtils::SelectExactString(list, c.pszWanted), c.nFound) << c.pszWanted << c.texts.size();
		EXPECT_EQ(list.GetCurSel(), c.nFound);
	}
}

template <class TBox>
void CheckSelectNext(TBox& box)
{
	// { entries, selected before, asked for, selected after }; selecting -1
	// answers -1 too, so asking for -1 selects the first entry.
	const int cases[][4] = { { 5, 0, 2, 2 }, { 5, 0, 5, 4 }, { 5, 0, 6, -1 }, { 0, -1, 0, -1 },
		{ 1, 0, -2, -1 }, { 5, 2, -1, 0 } };
	for (const auto& c : cases)
	{
		box.ResetContent();
		for (int i = 0; i < c[0]; ++i)
			box.AddString("entry");
		box.SetCurSel(c[1]);
		WndUtils::SelectNextEntry(box, c[2]);
		EXPECT_EQ(box.GetCurSel(), c[3]) << c[0] << " entries, index " << c[2];
	}
}

TEST_F(WndUtilsTest, SelectNextEntryFallsBackToTheNeighboursThenToNoSelection)
{
	CListBox list;
	Make(list, 0);
	CheckSelectNext(list);
	CComboBox combo;
	Make(combo, CBS_DROPDOWNLIST, CRect(10, 120, 210, 220));
	CheckSelectNext(combo);
}

template <class TBox>
void CheckSwap(TBox& box, void (TBox::*pfnGetText)(int, CString&) const)
{
	const struct
	{
		int nSource, nTarget;
		bool bData;
		const char* pszOrder;
		int nNewData;
	} cases[] = { { 3, 2, true, "01324", 103 }, { 3, 2, false, "01324", 0 }, { 1, 3, true, "02314", 101 },
		{ 0, -1, true, "12340", 100 } };
	for (const auto& c : cases)
	{
		box.ResetContent();
		for (int i = 0; i < 5; ++i)
			box.SetItemData(box.AddString(std::to_string(i).c_str()), 100 + i);
		WndUtils::SwapEntries(box, c.nSource, c.nTarget, c.bData);
		std::string order;
		CString text;
		for (int i = 0; i < box.GetCount(); ++i)
		{
			(box.*pfnGetText)(i, text);
			order += text.GetString();
		}
		const int nNew = c.nTarget < 0 ? 4 : c.nTarget;
		EXPECT_EQ(order, c.pszOrder);
		EXPECT_EQ(box.GetCurSel(), nNew);
		EXPECT_EQ(box.GetItemData(nNew), static_cast<DWORD_PTR>(c.nNewData));
	}
}

TEST_F(WndUtilsTest, SwapEntriesMovesTextAndOnRequestItemDataWithRedrawingOff)
{
	CListBox list;
	Make(list, 0);
	CheckSwap(list, &CListBox::GetText);
	CComboBox combo;
	Make(combo, CBS_DROPDOWNLIST, CRect(10, 120, 210, 220));
	CheckSwap(combo, &CComboBox::GetLBText);

	// Redrawing is back on afterwards.
	kt::MessageRecorder rec(list.m_hWnd);
	WndUtils::SwapEntries(list, 1, 0, false);
	rec.Separate();
	const kt::Sequence kSwapSeq = { { WM_SETREDRAW, kt::sent | kt::wparam, FALSE },
		{ WM_SETREDRAW, kt::sent | kt::wparam, TRUE }, kt::kSeparator };
	EXPECT_TRUE(
		rec.Matches(kSwapSeq, { kt::kIncidental, { LB_GETTEXTLEN, LB_GETTEXT, LB_DELETESTRING,
													 LB_INSERTSTRING, LB_SETCURSEL, WM_DELETEITEM } }));
}

TEST_F(WndUtilsTest, Remove3DBorderSwapsTheClientEdgeForAFlatBorder)
{
	for (const DWORD dwExStyle : { DWORD(WS_EX_CLIENTEDGE), DWORD(0) })
	{
		CListBox list;
		ASSERT_TRUE(list.CreateEx(dwExStyle, "LISTBOX", NULL, WS_CHILD | WS_VISIBLE, CRect(10, 10, 110, 110),
			&m_host, kId));
		WndUtils::Remove3DBorder(list);
		EXPECT_FALSE(list.GetExStyle() & WS_EX_CLIENTEDGE);
		EXPECT_TRUE(list.GetStyle() & WS_BORDER);
	}
}

// ---------------------------------------------------------------------------
// Edit controls

TEST_F(WndUtilsTest, EditScrollBarShowsOnlyWhenTheLinesDoNotFit)
{
	CEdit edit;
	Make(edit, ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL, CRect(10, 10, 210, 70));
	CRect rcFormat;
	edit.GetRect(&rcFormat);
	HDC hdc = ::GetDC(edit.m_hWnd);
	HGDIOBJ hOld = ::SelectObject(hdc, m_hFont);
	TEXTMETRICA tm = {};
	::GetTextMetricsA(hdc, &tm);
	::SelectObject(hdc, hOld);
	::ReleaseDC(edit.m_hWnd, hdc);
	const int nFit = rcFormat.Height() / tm.tmHeight;
	ASSERT_GE(nFit, 2);

	for (const int nLines : { 1, nFit, nFit + 1, 1 })
	{
		std::string text = "line";
		for (int i = 1; i < nLines; ++i)
			text += "\r\nline";
		edit.SetWindowText(text.c_str());
		WndUtils::AdjustVScrollbar(edit);
		EXPECT_EQ((edit.GetStyle() & WS_VSCROLL) != 0, nLines > nFit)
			<< nLines << " lines, " << nFit << " fit";
	}
}

TEST_F(WndUtilsTest, CaretPositionIsTheCharacterAtTheCaret)
{
	CEdit edit;
	Make(edit, ES_AUTOHSCROLL, CRect(10, 10, 310, 40));
	edit.SetWindowText("hello world");
	m_host.SetForegroundWindow();
	edit.SetFocus();
	for (const int nChar : { 0, 6, 11 })
	{
		edit.SetSel(nChar, nChar);
		EXPECT_EQ(WndUtils::GetCaretPosition(edit), nChar);
	}
}

// ---------------------------------------------------------------------------
// Windows

TEST_F(WndUtilsTest, ActualClientRectIsTheClientAreaWithoutScrollBars)
{
	CStatic plain;
	ASSERT_TRUE(plain.Create("", WS_CHILD | WS_BORDER, CRect(0, 0, 150, 100), &m_host));
	CRect rcPlain;
	plain.GetClientRect(&rcPlain);
	for (const DWORD dwScroll :
		{ DWORD(0), DWORD(WS_HSCROLL), DWORD(WS_VSCROLL), DWORD(WS_HSCROLL | WS_VSCROLL) })
	{
		CStatic ctrl;
		ASSERT_TRUE(ctrl.Create("", WS_CHILD | WS_BORDER | dwScroll, CRect(0, 0, 150, 100), &m_host));
		CRect rc;
		WndUtils::GetActualClientRect(ctrl, rc);
		EXPECT_EQ(rc, rcPlain) << std::hex << dwScroll;
	}
}

TEST_F(WndUtilsTest, FitWindowToSizeGivesTheClientSizeAndKeepsTheWindowOnTheWorkArea)
{
	const CRect rcWork = WorkArea();
	const struct
	{
		int x, y, cx, cy;
		bool bMoves;
	} cases[] = { { 50, 60, 300, 200, false }, { rcWork.right - 100, rcWork.bottom - 50, 300, 200, true },
		{ 50, 60, 0, 200, false }, { 50, 60, 300, -1, false } };
	for (const auto& c : cases)
	{
		CWnd wnd;
		ASSERT_TRUE(wnd.CreateEx(0, AfxRegisterWndClass(0), "fit", WS_OVERLAPPEDWINDOW | WS_VISIBLE, c.x, c.y,
			120, 90, NULL, NULL));
		CRect rcBefore, rcClient, rcWindow;
		wnd.GetWindowRect(&rcBefore);
		WndUtils::FitWindowToSize(wnd, c.cx, c.cy);
		wnd.GetClientRect(&rcClient);
		wnd.GetWindowRect(&rcWindow);
		if (c.cx <= 0 || c.cy <= 0)
		{
			EXPECT_EQ(rcWindow, rcBefore);
		}
		else
		{
			EXPECT_EQ(rcClient.Size(), CSize(c.cx, c.cy));
			EXPECT_EQ(rcWindow.TopLeft() == rcBefore.TopLeft(), !c.bMoves);
			EXPECT_TRUE(rcWindow.right <= rcWork.right && rcWindow.bottom <= rcWork.bottom);
			if (c.bMoves)
			{
				EXPECT_EQ(rcWindow.BottomRight(), rcWork.BottomRight());
			}
		}
		wnd.DestroyWindow();
	}

	// Too large for the work area: scaled down to fill its width, aspect kept.
	CWnd wnd;
	ASSERT_TRUE(wnd.CreateEx(0, AfxRegisterWndClass(0), "fit", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 60, 120,
		90, NULL, NULL));
	WndUtils::FitWindowToSize(wnd, rcWork.Width() * 4, rcWork.Width());
	CRect rcClient, rcWindow;
	wnd.GetClientRect(&rcClient);
	wnd.GetWindowRect(&rcWindow);
	EXPECT_EQ(rcWindow.left, rcWork.left);
	EXPECT_EQ(rcWindow.Width(), rcWork.Width());
	EXPECT_NEAR(rcClient.Height(), rcClient.Width() / 4, 1);
	wnd.DestroyWindow();
}

TEST_F(WndUtilsTest, VerifyWndShapeShiftsOntoTheWorkAreaAndClampsOversizedRectangles)
{
	const CRect w = WorkArea();
	const struct
	{
		CRect in, out;
	} cases[] = {
		{ CRect(0, 0, 0, 0), CRect(0, 0, 0, 0) },
		{ CRect(w.left + 10, w.top + 10, w.left + 110, w.top + 60),
			CRect(w.left + 10, w.top + 10, w.left + 110, w.top + 60) },
		{ CRect(w.left - 30, w.top - 20, w.left + 70, w.top + 30),
			CRect(w.left + 5, w.top + 5, w.left + 105, w.top + 55) },
		{ CRect(w.right - 50, w.bottom - 10, w.right + 50, w.bottom + 40),
			CRect(w.right - 105, w.bottom - 55, w.right - 5, w.bottom - 5) },
		{ CRect(w.left, w.top, w.right + 200, w.bottom + 100), CRect(5, 5, w.right - 5, w.bottom - 5) },
	};
	for (const auto& c : cases)
	{
		CRect rc = c.in;
		WndUtils::VerifyWndShape(rc);
		EXPECT_EQ(rc, c.out) << c.in.left << "," << c.in.top << "," << c.in.right << "," << c.in.bottom;
	}
}

TEST_F(WndUtilsTest, TriggerOnSizeSendsTheClientSizeAndPlacementReadsAChildsNormalRectangle)
{
	CListBox list;
	Make(list, WS_BORDER | LBS_NOINTEGRALHEIGHT, CRect(12, 14, 112, 84));
	CRect rcClient;
	list.GetClientRect(&rcClient);
	kt::MessageRecorder rec(list.m_hWnd);
	WndUtils::TriggerOnSize(&list);
	WndUtils::TriggerOnSize(NULL);
	rec.Separate();
	const kt::Sequence kSizeSeq = { { WM_SIZE, kt::sent | kt::wparam | kt::lparam, SIZE_RESTORED,
										MAKELPARAM(rcClient.Width(), rcClient.Height()) },
		kt::kSeparator };
	EXPECT_TRUE(rec.Matches(kSizeSeq, kt::kIncidental));

	EXPECT_EQ(WndUtils::GetWindowPlacement(&m_host, kId), CRect(12, 14, 112, 84));
	EXPECT_EQ(WndUtils::GetWindowPlacement(&m_host, kId + 1), CRect(0, 0, 0, 0));
	EXPECT_EQ(WndUtils::GetWindowPlacement(NULL, kId), CRect(0, 0, 0, 0));
}

// ---------------------------------------------------------------------------
// Tree controls

// One item of a test tree, in pre-order: its depth (1 for a root), its label
// and whether it is expanded.
struct TreeNode
{
	int nLevel;
	const char* pszText;
	bool bExpanded;
};

TEST_F(WndUtilsTest, WidthOfContentCountsOnlyShownItemsAtTheirDepth)
{
	const std::vector<TreeNode> collapsed = { { 1, "root", false },
		{ 2, "a very long hidden child label", false }, { 1, "second", false } };
	const std::vector<TreeNode> expanded = { { 1, "root", true }, { 2, "child label", true },
		{ 3, "x", false }, { 2, "sub", false }, { 3, "a very long hidden grandchild label", false } };
	const struct
	{
		std::vector<TreeNode> nodes;
		int nPadding; // entries added below to make the tree scroll
	} cases[] = { { {}, 0 }, { collapsed, 0 }, { expanded, 0 }, { expanded, 40 } };
	for (const auto& c : cases)
	{
		CTreeCtrl tree;
		Make(tree, TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT, CRect(10, 10, 210, 160));
		std::vector<HTREEITEM> items, parents = { TVI_ROOT };
		for (const auto& n : c.nodes)
		{
			parents.resize(n.nLevel);
			items.push_back(tree.InsertItem(n.pszText, parents.back()));
			parents.push_back(items.back());
		}
		for (int i = 0; i < c.nPadding; ++i)
			tree.InsertItem("pad");
		for (size_t i = 0; i < items.size(); ++i)
			if (c.nodes[i].bExpanded)
				tree.Expand(items[i], TVE_EXPAND);

		// The tree pads every label alike; take its padding from one item.
		const HTREEITEM hFirst = tree.GetRootItem();
		CRect rcLabel;
		const int nPad = hFirst && tree.GetItemRect(hFirst, &rcLabel, TRUE)
							 ? rcLabel.Width() - TextWidth(tree, tree.GetItemText(hFirst).GetString())
							 : 0;
		const int nIndent = static_cast<int>(tree.GetIndent());
		int nWidest = c.nPadding ? nIndent + TextWidth(tree, "pad") + nPad : 0;
		std::vector<bool> open = { true };
		for (const auto& n : c.nodes)
		{
			open.resize(n.nLevel);
			if (open.back())
				nWidest = std::max(nWidest, nIndent * n.nLevel + TextWidth(tree, n.pszText) + nPad);
			open.push_back(open.back() && n.bExpanded);
		}
		const bool bScroll = (tree.GetStyle() & WS_VSCROLL) != 0;
		EXPECT_EQ(bScroll, c.nPadding > 0);
		EXPECT_EQ(WndUtils::GetWidthOfContent(tree), nWidest + nIndent +
														 (bScroll ? ::GetSystemMetrics(SM_CXVSCROLL) : 0) +
														 2 * ::GetSystemMetrics(SM_CXBORDER) + 5)
			<< c.nodes.size() << " nodes, " << c.nPadding << " padding";
	}
}

// ---------------------------------------------------------------------------
// Bad input

TEST_F(WndUtilsTest, ControlsWithoutAWindowAreSurvived)
{
	CListBox list;
	Make(list, 0);
	list.DestroyWindow();
	CComboBox combo;
	CEdit edit;
	CTreeCtrl tree;
	CWnd wnd;
	CRect rc;
	KT_EXPECT_ASSERT(EXPECT_EQ(WndUtils::GetListBoxWidest(list), 3));
	KT_EXPECT_ASSERT(WndUtils::AdjustHScrollbar(combo));
	KT_EXPECT_ASSERT(EXPECT_EQ(WndUtils::SelectExactString(list, "x"), -1));
	KT_EXPECT_ASSERT(WndUtils::SelectNextEntry(combo, 0));
	KT_EXPECT_ASSERT(WndUtils::SwapEntries(list, 0, 1, true));
	KT_EXPECT_ASSERT(WndUtils::Remove3DBorder(list));
	KT_EXPECT_ASSERT(WndUtils::AdjustVScrollbar(edit));
	KT_EXPECT_ASSERT(WndUtils::GetCaretPosition(edit));
	KT_EXPECT_ASSERT(WndUtils::GetActualClientRect(wnd, rc));
	KT_EXPECT_ASSERT(WndUtils::FitWindowToSize(wnd, 100, 100));
	KT_EXPECT_ASSERT(WndUtils::TriggerOnSize(&wnd));
	KT_EXPECT_ASSERT(EXPECT_EQ(WndUtils::GetWindowPlacement(&wnd, kId), CRect(0, 0, 0, 0)));
	KT_EXPECT_ASSERT(EXPECT_GT(WndUtils::GetWidthOfContent(tree), 0));
}

} // namespace
