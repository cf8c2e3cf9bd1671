// WndUtilsTests.cpp - WndUtils on real list, combo, edit and tree controls and on real windows.
//
// Classes in this file:
//   WndUtilsTest
#include <kavrotest/ExpectAssert.h>
#include <kavrotest/TestSupport.h>

#include <kavro/WndUtils.h>

#include <algorithm>
#include <string>
#include <vector>

namespace
{

const UINT kId = 100;
const CRect kRect(10, 10, 210, 110);
const CRect kNoRect(0, 0, 0, 0);

class WndUtilsTest : public ::testing::Test
{
protected:
	// Creates ctrl in the host, in the GUI font unless bFont is false.
	template <class TCtrl>
	void Make(TCtrl& ctrl, DWORD dwStyle, const CRect& rc = kRect, bool bFont = true)
	{
		ASSERT_TRUE(ctrl.Create(WS_CHILD | WS_VISIBLE | dwStyle, rc, &m_host, kId));
		if (bFont)
			ctrl.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(::GetStockObject(DEFAULT_GUI_FONT)));
	}

	// Measures text, and with ptm the metrics, in the control's font with plain GDI.
	static int TextWidth(CWnd& ctrl, const std::string& text, TEXTMETRICA* ptm = NULL)
	{
		HDC hdc = ::GetDC(ctrl.m_hWnd);
		HGDIOBJ hOld = ::SelectObject(hdc, reinterpret_cast<HGDIOBJ>(ctrl.SendMessage(WM_GETFONT)));
		SIZE size = {};
		::GetTextExtentPoint32A(hdc, text.c_str(), static_cast<int>(text.size()), &size);
		if (ptm != NULL)
			::GetTextMetricsA(hdc, ptm);
		::SelectObject(hdc, hOld);
		::ReleaseDC(ctrl.m_hWnd, hdc);
		return size.cx;
	}

	// Fills a list or combo box; entry i gets item data 100 + i.
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
};

// ---------------------------------------------------------------------------
// Lists

TEST_F(WndUtilsTest, WidestEntryIsMeasuredInTheBoxFontWithOwnerDrawRoomOnlyForListBoxes)
{
	const std::vector<std::string> texts = { "short", "the widest entry of all", "WWW" };
	// { owner-drawn, filled, with a font of its own }
	const bool cases[][3] = { { false, false, true }, { true, false, true }, { false, true, true },
		{ true, true, true }, { false, true, false } };
	for (const auto& c : cases)
	{
		CListBox list;
		CComboBox combo;
		Make(list, c[0] ? LBS_OWNERDRAWFIXED | LBS_HASSTRINGS : 0, kRect, c[2]);
		Make(combo, CBS_DROPDOWNLIST | (c[0] ? CBS_OWNERDRAWFIXED | CBS_HASSTRINGS : 0),
			CRect(10, 120, 210, 220), c[2]);
		Fill(list, c[1] ? texts : std::vector<std::string>());
		Fill(combo, c[1] ? texts : std::vector<std::string>());
		int nWidest = 0;
		for (size_t i = 0; c[1] && i < texts.size(); ++i)
			nWidest = std::max(nWidest, TextWidth(list, texts[i]));
		const int nList = nWidest + (c[0] ? 13 : 0) + 3;
		EXPECT_EQ(WndUtils::GetListBoxWidest(list), nList) << c[0] << c[1] << c[2];
		WndUtils::AdjustHScrollbar(list);
		WndUtils::AdjustHScrollbar(combo);
		EXPECT_EQ(list.GetHorizontalExtent(), nList);
		EXPECT_EQ(static_cast<int>(combo.GetHorizontalExtent()), nWidest + 3);
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

TEST_F(WndUtilsTest, SelectNextEntryFallsBackToTheNeighboursThenToNoSelection)
{
	// { entries, selected before, asked for, selected after }; selecting -1
	// answers -1 too, so asking for -1 selects the first entry.
	const int cases[][4] = { { 5, 0, 2, 2 }, { 5, 0, 5, 4 }, { 5, 0, 6, -1 }, { 0, -1, 0, -1 },
		{ 1, 0, -2, -1 }, { 5, 2, -1, 0 } };
	auto check = [&](auto& box)
	{
		for (const auto& c : cases)
		{
			Fill(box, std::vector<std::string>(c[0], "entry"));
			box.SetCurSel(c[1]);
			WndUtils::SelectNextEntry(box, c[2]);
			EXPECT_EQ(box.GetCurSel(), c[3]) << c[0] << " entries, index " << c[2];
		}
	};
	CListBox list;
	CComboBox combo;
	Make(list, 0);
	Make(combo, CBS_DROPDOWNLIST, CRect(10, 120, 210, 220));
	check(list);
	check(combo);
}

TEST_F(WndUtilsTest, SwapEntriesMovesTextAndOnRequestItemDataWithRedrawingOff)
{
	const struct
	{
		int nSource, nTarget;
		bool bData;
		const char* pszOrder;
		int nNew;
		DWORD_PTR dwNewData;
	} cases[] = { { 3, 2, true, "01324", 2, 103 }, { 3, 2, false, "01324", 2, 0 },
		{ 1, 3, true, "02314", 3, 101 }, { 0, -1, true, "12340", 4, 100 } };
	auto check = [&](auto& box, auto pfnGetText)
	{
		for (const auto& c : cases)
		{
			Fill(box, { "0", "1", "2", "3", "4" });
			WndUtils::SwapEntries(box, c.nSource, c.nTarget, c.bData);
			std::string order;
			for (int i = 0; i < box.GetCount(); ++i)
			{
				CString text;
				(box.*pfnGetText)(i, text);
				order += text.GetString();
			}
			EXPECT_EQ(order, c.pszOrder);
			EXPECT_EQ(box.GetCurSel(), c.nNew);
			EXPECT_EQ(box.GetItemData(c.nNew), c.dwNewData);
		}
	};
	CListBox list;
	CComboBox combo;
	Make(list, 0);
	Make(combo, CBS_DROPDOWNLIST, CRect(10, 120, 210, 220));
	check(list, static_cast<void (CListBox::*)(int, CString&) const>(&CListBox::GetText));
	check(combo, static_cast<void (CComboBox::*)(int, CString&) const>(&CComboBox::GetLBText));

	kt::MessageRecorder rec(list.m_hWnd);
	WndUtils::SwapEntries(list, 1, 0, false);
	rec.Separate();
	const kt::Sequence kSwapSeq = { { WM_SETREDRAW, kt::sent | kt::wparam, FALSE },
		{ WM_SETREDRAW, kt::sent | kt::wparam, TRUE }, kt::kSeparator };
	EXPECT_TRUE(rec.Matches(kSwapSeq,
		{ kt::kIncidental, { LB_GETTEXTLEN, LB_GETTEXT, LB_DELETESTRING, LB_INSERTSTRING, LB_SETCURSEL } }));
}

// ---------------------------------------------------------------------------
// Edit controls

TEST_F(WndUtilsTest, EditScrollBarShowsOnlyWhenTheLinesDoNotFit)
{
	CEdit edit;
	Make(edit, ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL, CRect(10, 10, 210, 70));
	CRect rcFormat;
	edit.GetRect(&rcFormat);
	TEXTMETRICA tm = {};
	TextWidth(edit, "", &tm);
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

// ---------------------------------------------------------------------------
// Windows

TEST_F(WndUtilsTest, FitWindowToSizeGivesTheClientSizeAndKeepsTheWindowOnTheWorkArea)
{
	// { left, top, wanted width, wanted height }; the last is four times too
	// wide for the work area, so it is scaled to its width.
	const CRect w = WorkArea();
	const int cases[][4] = { { 50, 60, 0, 200 }, { 50, 60, 300, -1 }, { 50, 60, 300, 200 },
		{ w.right - 100, w.bottom - 50, 300, 200 }, { 50, 60, w.Width() * 4, w.Width() } };
	for (const auto& c : cases)
	{
		CWnd wnd;
		ASSERT_TRUE(wnd.CreateEx(0, AfxRegisterWndClass(0), "fit", WS_OVERLAPPEDWINDOW, c[0], c[1], 120, 90,
			NULL, NULL));
		CRect rcBefore, rcClient, rcWindow;
		wnd.GetWindowRect(&rcBefore);
		wnd.GetClientRect(&rcClient);
		const CSize frame = rcBefore.Size() - rcClient.Size();
		const CSize want = c[2] <= 0 || c[3] <= 0 ? rcClient.Size()
						   : c[2] > w.Width() ? CSize(w.Width() - frame.cx, (w.Width() - frame.cx + 2) / 4)
											  : CSize(c[2], c[3]);
		WndUtils::FitWindowToSize(wnd, c[2], c[3]);
		wnd.GetClientRect(&rcClient);
		wnd.GetWindowRect(&rcWindow);
		EXPECT_EQ(rcClient.Size(), want) << c[2] << " x " << c[3];
		// Moved only as far as it takes to stay on the work area.
		EXPECT_EQ(rcWindow.left, std::min<int>(rcBefore.left, w.right - rcWindow.Width()));
		EXPECT_EQ(rcWindow.top, std::min<int>(rcBefore.top, w.bottom - rcWindow.Height()));
	}
}

TEST_F(WndUtilsTest, VerifyWndShapeShiftsOntoTheWorkAreaAndClampsOversizedRectangles)
{
	const CRect w = WorkArea();
	const CRect cases[][2] = { { kRect + w.TopLeft(), kRect + w.TopLeft() },
		{ kRect + w.TopLeft() - CSize(30, 20), CRect(5, 5, 205, 105) + w.TopLeft() },
		{ kRect + w.BottomRight(), CRect(-205, -105, -5, -5) + w.BottomRight() },
		{ CRect(w.left, w.top, w.right + 200, w.bottom + 100), CRect(5, 5, w.right - 5, w.bottom - 5) } };
	for (const auto& c : cases)
	{
		CRect rc = c[0];
		WndUtils::VerifyWndShape(rc);
		EXPECT_TRUE(rc == c[1]) << rc.left << "," << rc.top << "," << rc.right << "," << rc.bottom;
	}
}

TEST_F(WndUtilsTest, TriggerOnSizeSendsTheClientSizeAndPlacementReadsAChildsNormalRectangle)
{
	CListBox list;
	Make(list, WS_BORDER | LBS_NOINTEGRALHEIGHT);
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

	EXPECT_TRUE(WndUtils::GetWindowPlacement(&m_host, kId) == kRect);
	EXPECT_TRUE(WndUtils::GetWindowPlacement(&m_host, kId + 1) == kNoRect);
	EXPECT_TRUE(WndUtils::GetWindowPlacement(NULL, kId) == kNoRect);
}

// ---------------------------------------------------------------------------
// Tree controls

TEST_F(WndUtilsTest, WidthOfContentCountsOnlyShownItemsAtTheirDepth)
{
	CTreeCtrl tree;
	Make(tree, TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT);
	const int nIndent = static_cast<int>(tree.GetIndent());
	// Expects the width of the given shown { depth, label } items; the tree
	// pads every label alike, so its padding is taken from the first item.
	auto check = [&](std::initializer_list<std::pair<int, const char*>> shown)
	{
		CRect rcLabel;
		const HTREEITEM hFirst = tree.GetRootItem();
		const int nPad = hFirst && tree.GetItemRect(hFirst, &rcLabel, TRUE)
							 ? rcLabel.Width() - TextWidth(tree, tree.GetItemText(hFirst).GetString())
							 : 0;
		int nWidest = 0;
		for (const auto& item : shown)
			nWidest = std::max(nWidest, nIndent * item.first + TextWidth(tree, item.second) + nPad);
		const bool bScroll = (tree.GetStyle() & WS_VSCROLL) != 0;
		EXPECT_EQ(WndUtils::GetWidthOfContent(tree), nWidest + nIndent + 2 * ::GetSystemMetrics(SM_CXBORDER) +
														 5 + (bScroll ? ::GetSystemMetrics(SM_CXVSCROLL) : 0))
			<< shown.size() << " items shown";
		return bScroll;
	};
	EXPECT_FALSE(check({}));
	const HTREEITEM hRoot = tree.InsertItem("root");
	const HTREEITEM hChild = tree.InsertItem("child label", hRoot);
	tree.InsertItem("x", hChild);
	const HTREEITEM hSub = tree.InsertItem("sub", hRoot);
	tree.InsertItem("a very long grandchild label, never shown", hSub);
	EXPECT_FALSE(check({ { 1, "root" } }));
	tree.Expand(hRoot, TVE_EXPAND);
	tree.Expand(hChild, TVE_EXPAND);
	// Four rows may or may not need a scroll bar, depending on the DPI.
	check({ { 1, "root" }, { 2, "child label" }, { 3, "x" }, { 2, "sub" } });
	for (int i = 0; i < 40; ++i)
		tree.InsertItem("more");
	EXPECT_TRUE(check({ { 2, "child label" }, { 1, "more" } }));
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
	KT_EXPECT_ASSERT(EXPECT_TRUE(WndUtils::GetWindowPlacement(&wnd, kId) == kNoRect));
	KT_EXPECT_ASSERT(EXPECT_GT(WndUtils::GetWidthOfContent(tree), 0));
}

} // namespace
