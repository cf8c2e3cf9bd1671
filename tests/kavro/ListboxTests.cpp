// ListboxTests.cpp - the menu, highlight and highlight check list boxes on real windows.
//
// Classes in this file:
//   CTestMenuListbox, CommandHost, EntryLook, ListboxTest
#include <kavrotest/TestSupport.h>

#include <kavro/HighlightCheckListbox.h>
#include <kavro/MenuListbox.h>

#include "ListsTestIds.h"

#include <string>
#include <vector>

namespace
{

const UINT kId = 100;
const DWORD kOwnerDraw =
	WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | LBS_NOTIFY | LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS;
const COLORREF kGrey = RGB(128, 128, 128), kRed = RGB(240, 25, 25);

// Derived as an application would, to reach the unmapped horizontal wheel.
class CTestMenuListbox : public CMenuListbox
{
public:
	using CMenuListbox::OnMouseHWheel;
};

// Notes the menu commands it receives and the check changes of kId, and
// disables ID_LIST_DELETE through its update handler.
class CommandHost : public kt::HostWindow
{
public:
	std::vector<UINT> m_commands;
	int m_nChkChanges = 0;

protected:
	virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
	{
		if (lParam == 0)
			m_commands.push_back(LOWORD(wParam));
		else if (wParam == MAKEWPARAM(kId, CLBN_CHKCHANGE))
			++m_nChkChanges;
		return kt::HostWindow::OnCommand(wParam, lParam);
	}
	afx_msg void OnUpdateDelete(CCmdUI* pCmdUI) { pCmdUI->Enable(FALSE); }
	DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CommandHost, kt::HostWindow)
	ON_UPDATE_COMMAND_UI(ID_LIST_DELETE, &CommandHost::OnUpdateDelete)
END_MESSAGE_MAP()

// The scroll codes posted to hWnd as nMsg, taken off the queue; each must carry lParam 0.
std::vector<WPARAM> TakePosted(HWND hWnd, UINT nMsg)
{
	std::vector<WPARAM> codes;
	MSG msg;
	while (::PeekMessageA(&msg, hWnd, nMsg, nMsg, PM_REMOVE))
	{
		EXPECT_EQ(msg.lParam, 0);
		codes.push_back(msg.wParam);
	}
	return codes;
}

// The font the highlighting boxes make for themselves: the system's message font.
LOGFONTA MessageFont(LONG lWeight = FW_NORMAL)
{
	NONCLIENTMETRICSA ncm = {};
	ncm.cbSize = sizeof(ncm);
	::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(ncm), &ncm, 0);
	ncm.lfMessageFont.lfWeight = lWeight;
	return ncm.lfMessageFont;
}

int SampleHeight(const LOGFONTA& lf)
{
	CClientDC dc(NULL);
	CFont font;
	font.CreateFontIndirect(&lf);
	CFont* pOld = dc.SelectObject(&font);
	const int cy = dc.GetTextExtent("gM", 2).cy;
	dc.SelectObject(pOld);
	return cy;
}

struct EntryLook
{
	COLORREF crText, crBack;
	const LOGFONTA* pFont;
};

class ListboxTest : public ::testing::Test
{
protected:
	template <class List>
	void Make(List& list, DWORD dwStyle, std::initializer_list<const char*> texts)
	{
		ASSERT_TRUE(list.Create(dwStyle, CRect(10, 10, 210, 150), &m_host, kId));
		for (const char* text : texts)
			list.AddString(text);
	}
	void Click(CListBox& list, UINT nDown, int nIndex, int x)
	{
		CRect rc;
		list.GetItemRect(nIndex, rc);
		list.SendMessage(nDown, nDown == WM_LBUTTONDOWN ? MK_LBUTTON : MK_RBUTTON,
			MAKELPARAM(rc.left + x, rc.CenterPoint().y));
		if (nDown == WM_LBUTTONDOWN)
			list.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(rc.left + x, rc.CenterPoint().y));
		kt::PumpPending();
	}
	// Compares the list box on screen with entries drawn by GDI as given,
	// from nTextLeft on; left of it (the check boxes) the screen is copied.
	void ExpectEntries(CListBox& list, const std::vector<EntryLook>& looks, int nTextLeft = 0)
	{
		kt::FlushPaint(m_host.GetSafeHwnd());
		const kt::Snapshot shot(list.GetSafeHwnd());
		const kt::Snapshot want = kt::Snapshot::Draw(shot.Width(), shot.Height(), ::GetSysColor(COLOR_WINDOW),
			[&](HDC hdc)
			{
				for (int i = 0; i < static_cast<int>(looks.size()); ++i)
				{
					CRect rc;
					list.GetItemRect(i, rc);
					for (int y = rc.top; y < rc.bottom; ++y)
						for (int x = rc.left; x < nTextLeft; ++x)
							::SetPixel(hdc, x, y, shot.At(x, y));
					rc.left = nTextLeft;
					CDC* pDC = CDC::FromHandle(hdc);
					pDC->FillSolidRect(rc, looks[i].crBack);
					CFont font;
					font.CreateFontIndirect(looks[i].pFont);
					CFont* pOld = pDC->SelectObject(&font);
					pDC->SetTextColor(looks[i].crText);
					CString str;
					list.GetText(i, str);
					pDC->DrawText(str, rc, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
					pDC->SelectObject(pOld);
				}
			});
		EXPECT_EQ(shot.CountDiff(want), 0);
	}

	CommandHost m_host;
};

TEST_F(ListboxTest, WheelScrollsWholeLinesAndKeepsEachWheelsRemainder)
{
	const WPARAM U = SB_LINEUP, D = SB_LINEDOWN, R = SB_LINERIGHT, L = SB_LINELEFT;
	struct WheelEvent
	{
		bool bHorz;
		short zDelta;
		std::vector<WPARAM> posted;
	};
	const struct
	{
		UINT nSetting;
		std::vector<WheelEvent> events;
	} rows[] = {
		{ 3, { { false, 120, { U, U, U } }, { false, -240, { D, D, D, D, D, D } } } },
		// Partial turns add up whatever their direction; the last event's sign wins.
		{ 3, { { false, 60, {} }, { false, -60, { D, D, D } } } },
		{ 3, { { false, 100, {} }, { false, 100, { U, U, U } }, { false, 100, { U, U, U } } } },
		{ 1, { { false, -90, {} }, { false, -90, { D } }, { false, -180, { D, D } } } },
		{ 0, { { false, 240, {} } } },
		{ WHEEL_PAGESCROLL, { { false, 120, {} }, { false, -120, {} } } },
		// Half a notch on each wheel makes a notch of neither.
		{ 2, { { false, 60, {} }, { true, 60, {} }, { true, 60, { R, R } }, { true, -120, { L, L } },
				 { false, 60, { U, U } } } },
	};
	for (const auto& row : rows)
	{
		UINT nOld = 3;
		::SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &nOld, 0);
		::SystemParametersInfoA(SPI_SETWHEELSCROLLLINES, row.nSetting, NULL, 0);
		CTestMenuListbox list;
		::SystemParametersInfoA(SPI_SETWHEELSCROLLLINES, nOld, NULL, 0);
		ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL, CRect(10, 10, 200, 100), &m_host, kId));
		for (size_t i = 0; i < row.events.size(); ++i)
		{
			const WheelEvent& e = row.events[i];
			const BOOL bResult = e.bHorz ? list.OnMouseHWheel(0, e.zDelta, CPoint(50, 50))
										 : (BOOL)list.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, e.zDelta), 0);
			EXPECT_TRUE(bResult);
			const std::vector<WPARAM> none;
			EXPECT_EQ(TakePosted(list.GetSafeHwnd(), WM_VSCROLL), e.bHorz ? none : e.posted)
				<< "setting " << row.nSetting << ", event " << i;
			EXPECT_EQ(TakePosted(list.GetSafeHwnd(), WM_HSCROLL), e.bHorz ? e.posted : none)
				<< "setting " << row.nSetting << ", event " << i;
		}
	}
}

// The selection is made (telling the parent nothing) before the menu opens,
// the menu shows as the parent's update handlers leave it, and the command
// goes to the parent.
const kt::Sequence kRightClickSeq = {
	{ WM_RBUTTONDOWN, kt::sent },
	{ WM_SETFOCUS, kt::sent | kt::optional },
	kt::Command(LBN_SETFOCUS, kt::sent | kt::parent | kt::optional),
	{ LB_SETCURSEL, kt::sent | kt::wparam, 2 },
	{ WM_COMMAND, kt::posted | kt::parent | kt::wparam, ID_LIST_OPEN },
	kt::kSeparator,
};

TEST_F(ListboxTest, RightClickSelectsTheEntryThenShowsTheFilteredMenuToTheParent)
{
	CMenuListbox list;
	Make(list, WS_CHILD | WS_VISIBLE | LBS_NOTIFY, { "one", "two", "three" });
	list.SetMenuResID(IDR_LIST_MENU);
	kt::MenuAnswer answer(m_host.GetSafeHwnd());
	int nSelWhileOpen = -2;
	answer.WhileOpen([&] { nSelWhileOpen = list.GetCurSel(); });
	answer.Press({ VK_DOWN, VK_RETURN });
	CRect rc;
	list.GetItemRect(2, rc);
	kt::MessageRecorder rec(list.GetSafeHwnd(), true);
	list.SendMessage(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(rc.left + 5, rc.CenterPoint().y));
	rec.Separate();

	EXPECT_EQ(nSelWhileOpen, 2);
	EXPECT_EQ(::GetFocus(), list.GetSafeHwnd());
	ASSERT_EQ(answer.Popups().size(), 1u);
	const auto& items = answer.Popups()[0];
	ASSERT_EQ(items.size(), 2u);
	EXPECT_EQ(items[0].id, (UINT)ID_LIST_OPEN);
	EXPECT_FALSE(items[0].state & MFS_GRAYED);
	EXPECT_EQ(items[1].id, (UINT)ID_LIST_DELETE);
	EXPECT_TRUE(items[1].state & MFS_GRAYED);
	EXPECT_EQ(m_host.m_commands, std::vector<UINT>{ ID_LIST_OPEN });
	EXPECT_TRUE(rec.Matches(kRightClickSeq,
		{ kt::kIncidental,
			{ WM_KEYDOWN, WM_KEYUP, WM_CHAR, LB_GETITEMRECT, LB_ITEMFROMPOINT, LB_GETTOPINDEX, LB_GETCURSEL,
				WM_KILLFOCUS, WM_INITMENU, WM_INITMENUPOPUP, WM_ENTERMENULOOP, WM_EXITMENULOOP, WM_MENUSELECT,
				WM_ENTERIDLE, WM_UNINITMENUPOPUP, WM_MEASUREITEM, WM_DRAWITEM, WM_CAPTURECHANGED,
				WM_WINDOWPOSCHANGING, WM_WINDOWPOSCHANGED, WM_CANCELMODE, WM_TIMER } }));
}

TEST_F(ListboxTest, RightClickShowsNothingOffTheEntriesOrWithoutAUsableMenu)
{
	CMenuListbox list;
	Make(list, WS_CHILD | WS_VISIBLE | WS_VSCROLL, {});
	list.SetMenuResID(IDR_LIST_MENU);
	{
		kt::MenuAnswer answer(m_host.GetSafeHwnd());
		list.SendMessage(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(20, 5)); // an empty list
		EXPECT_EQ(list.GetCurSel(), LB_ERR);
		list.AddString("one");
		list.AddString("two");
		list.SetCurSel(0);
		list.SendMessage(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(20, 130)); // below the last entry
		EXPECT_EQ(list.GetCurSel(), 0);
		// No menu selects nothing; a missing resource or one with no popup
		// selects the entry and opens nothing.
		const struct
		{
			UINT nMenu;
			int nSelAfter;
		} rows[] = { { 0, 0 }, { 9999, 1 }, { IDR_FLAT_MENU, 1 } };
		for (const auto& row : rows)
		{
			list.SetCurSel(0);
			list.SetMenuResID(row.nMenu);
			Click(list, WM_RBUTTONDOWN, 1, 5);
			EXPECT_EQ(list.GetCurSel(), row.nSelAfter) << row.nMenu;
		}
		EXPECT_EQ(answer.Loops(), 0);
	}
	// An index beyond 16 bits in a long list (filled with no menu hook,
	// which would slow every message down).
	list.SetRedraw(FALSE);
	list.InitStorage(100000, 8);
	for (int i = 2; i < 100000; ++i)
		list.AddString(std::to_string(i).c_str());
	list.SetRedraw(TRUE);
	list.SetMenuResID(IDR_LIST_MENU);
	list.SetTopIndex(70000);
	kt::MenuAnswer answer(m_host.GetSafeHwnd());
	Click(list, WM_RBUTTONDOWN, 70001, 5);
	EXPECT_EQ(list.GetCurSel(), 70001);
	EXPECT_EQ(answer.Loops(), 1);
}

TEST_F(ListboxTest, HighlightListboxDrawsSelectedHighlightedAndDisabledEntries)
{
	CHighlightListbox list;
	Make(list, kOwnerDraw, { "alpha", "beta", "gamma", "beta", "delta" });
	const LOGFONTA lf = MessageFont();
	EXPECT_EQ(list.GetItemHeight(0), SampleHeight(lf));
	kt::FlushPaint(m_host.GetSafeHwnd());
	const COLORREF kHigh = RGB(0, 128, 0);
	list.SetHighlightColor(kHigh);
	list.SetHighlight(CString("beta"));  // the first of two
	list.SetHighlight(CString("Gamma")); // case differs: nothing
	list.SetHighlight(4);                // selected as well: the selection wins
	list.SetHighlight(42);
	list.SetCurSel(4);
	list.Invalidate();

	const COLORREF crBack = ::GetSysColor(COLOR_WINDOW);
	const EntryLook plain = { ::GetSysColor(COLOR_WINDOWTEXT), crBack, &lf }, high = { kHigh, crBack, &lf },
					sel = { ::GetSysColor(COLOR_HIGHLIGHTTEXT), ::GetSysColor(COLOR_HIGHLIGHT), &lf },
					grey = { kGrey, crBack, &lf };
	ExpectEntries(list, { plain, high, plain, plain, sel });
	list.EnableWindow(FALSE);
	ExpectEntries(list, { grey, grey, grey, grey, grey });
	list.EnableWindow(TRUE);
	kt::FlushPaint(m_host.GetSafeHwnd());
	list.ClearHighlights();
	EXPECT_TRUE(::GetUpdateRect(list.GetSafeHwnd(), NULL, FALSE));
	ExpectEntries(list, { plain, plain, plain, plain, sel });
}

TEST_F(ListboxTest, HighlightCheckListboxDrawsHighlightsBoldInItsFontsAlsoWhenDisabled)
{
	// The fonts the box makes itself, then fonts set before it is created.
	LOGFONTA lfTahoma = MessageFont(FW_THIN);
	lfTahoma.lfHeight = -24;
	lstrcpyA(lfTahoma.lfFaceName, "Tahoma");
	const LOGFONTA rows[] = { MessageFont(), lfTahoma };
	for (const LOGFONTA& lf : rows)
	{
		CHighlightCheckListbox list;
		if (lf.lfWeight == FW_THIN)
			list.SetFont(CString(lf.lfFaceName), -lf.lfHeight, lf.lfWeight, false, false, false);
		Make(list, kOwnerDraw, { "alpha", "beta", "gamma", "delta" });
		LOGFONTA lfBold = lf;
		lfBold.lfWeight = FW_BOLD;
		EXPECT_EQ(list.GetItemHeight(0), std::max(SampleHeight(lfBold), list.CalcMinimumItemHeight()));
		list.SetHighlight(1);
		list.SetHighlight(2);
		list.SetHighlight(CString("DELTA"));
		list.Enable(2, FALSE);
		list.Enable(3, FALSE);
		list.SetCurSel(0);
		const COLORREF crBack = ::GetSysColor(COLOR_WINDOW);
		const EntryLook sel = { ::GetSysColor(COLOR_HIGHLIGHTTEXT), ::GetSysColor(COLOR_HIGHLIGHT), &lf },
						high = { kRed, crBack, &lfBold }, grey = { kGrey, crBack, &lf };
		// The text starts right of the check box column.
		ExpectEntries(list, { sel, high, high, grey }, 15);
	}
}

TEST_F(ListboxTest, CheckBoxesToggleByClickAndSpaceTellTheParentAndShowTheirState)
{
	CHighlightCheckListbox list;
	Make(list, kOwnerDraw, { "alpha", "beta", "gamma" });
	list.SetItemData(0, 1234);
	Click(list, WM_LBUTTONDOWN, 0, 5); // on the box
	EXPECT_EQ(list.GetCheck(0), 1);
	EXPECT_EQ(list.GetItemData(0), 1234u); // the application's data survives the check state
	Click(list, WM_LBUTTONDOWN, 1, 60);    // on the text: selects only
	EXPECT_EQ(list.GetCheck(1), 0);
	EXPECT_EQ(list.GetCurSel(), 1);
	list.SendMessage(WM_KEYDOWN, VK_SPACE, 0);
	EXPECT_EQ(list.GetCheck(1), 1);
	list.Enable(2, FALSE); // a disabled entry neither toggles nor tells
	Click(list, WM_LBUTTONDOWN, 2, 5);
	EXPECT_EQ(list.GetCheck(2), 0);
	EXPECT_EQ(m_host.m_nChkChanges, 2);

	// Two states by default, three cycle with the three-state style;
	// out of range: nothing, and the failure values.
	list.SetCheck(1, 2);
	EXPECT_EQ(list.GetCheck(1), 1);
	list.SetCheckStyle(BS_AUTO3STATE);
	std::vector<int> seen;
	for (int i = 0; i < 3; ++i)
	{
		Click(list, WM_LBUTTONDOWN, 0, 5);
		seen.push_back(list.GetCheck(0));
	}
	EXPECT_EQ(seen, (std::vector<int>{ 2, 0, 1 }));
	list.SetCheck(7, 1);
	list.SetCheck(-1, 1);
	EXPECT_EQ(list.GetCheck(7), 0);
	EXPECT_EQ(list.GetCheck(-1), 0);

	list.SetCheck(1, 0);
	list.SetCheck(0, 2);
	list.Enable(2, TRUE);
	list.SetCheck(2, 1);
	kt::FlushPaint(m_host.GetSafeHwnd());
	const UINT states[] = { DFCS_BUTTON3STATE | DFCS_CHECKED, DFCS_BUTTONCHECK,
		DFCS_BUTTONCHECK | DFCS_CHECKED };
	for (int i = 0; i < 3; ++i)
	{
		CRect rc;
		list.GetItemRect(i, rc);
		RECT rcBox = { 1, (rc.Height() - 13) / 2, 14, (rc.Height() - 13) / 2 + 13 };
		const kt::Snapshot want = kt::Snapshot::Draw(15, rc.Height(), ::GetSysColor(COLOR_WINDOW),
			[&](HDC hdc) { ::DrawFrameControl(hdc, &rcBox, DFC_BUTTON, states[i]); });
		EXPECT_EQ(kt::Snapshot(list.GetSafeHwnd(), CRect(0, rc.top, 15, rc.bottom)).CountDiff(want), 0) << i;
	}
}

} // namespace
