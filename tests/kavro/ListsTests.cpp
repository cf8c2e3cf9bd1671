// ListsTests.cpp - the list boxes, the check list, the icon combo box and the colour picker on real windows.
//
// Classes in this file:
//   CTestMenuListbox, CFieldNoter, ListsHost, ListsTest
#include <kavrotest/TestSupport.h>

#include <kavro/ColorPicker.h>
#include <kavro/HighlightCheckListbox.h>
#include <kavro/IconComboBox.h>
#include <kavro/MenuListbox.h>

#include "ListsTestIds.h"

#include <functional>
#include <string>
#include <tuple>
#include <utility>
#include <type_traits>
#include <vector>

namespace
{

const UINT kId = 100;
const int kCustom = 40;
const DWORD kOwnerDraw =
	WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | LBS_NOTIFY | LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS;

// Derived as an application would, to reach the unmapped horizontal wheel.
class CTestMenuListbox : public CMenuListbox
{
public:
	using CMenuListbox::OnMouseHWheel;
};

// Notes the rectangle the combo box gives its selection field to draw in.
template <class Combo>
class CFieldNoter : public Combo
{
public:
	virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override
	{
		if (lpDrawItemStruct->itemState & ODS_COMBOBOXEDIT)
			m_rcField = lpDrawItemStruct->rcItem;
		Combo::DrawItem(lpDrawItemStruct);
	}
	CRect m_rcField;
};

// Notes what reaches a parent: menu commands (it disables ID_LIST_DELETE
// through its update handler), check changes, colours and any CBN_SELCHANGE.
// At the first idle moment of a modal dialog it owns it runs m_answer.
class ListsHost : public kt::HostWindow
{
public:
	std::vector<UINT> m_commands;
	std::vector<std::pair<WPARAM, COLORREF>> m_colors;
	int m_nChkChanges = 0, m_nCbnSelChanges = 0;
	std::function<void(HWND)> m_answer;

protected:
	virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
	{
		if (lParam == 0)
			m_commands.push_back(LOWORD(wParam));
		m_nChkChanges += wParam == MAKEWPARAM(kId, CLBN_CHKCHANGE);
		return kt::HostWindow::OnCommand(wParam, lParam);
	}
	afx_msg void OnUpdateDelete(CCmdUI* pCmdUI) { pCmdUI->Enable(FALSE); }
	afx_msg void OnCbnSelChange() { ++m_nCbnSelChanges; } // only what the picker did not consume
	afx_msg LRESULT OnColor(WPARAM wParam, LPARAM lParam)
	{
		m_colors.push_back({ wParam, static_cast<COLORREF>(lParam) });
		return 0;
	}
	afx_msg void OnEnterIdle(UINT nWhy, CWnd* pWho)
	{
		if (nWhy == MSGF_DIALOGBOX && m_answer)
			std::exchange(m_answer, nullptr)(pWho->GetSafeHwnd());
	}
	DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ListsHost, kt::HostWindow)
	ON_UPDATE_COMMAND_UI(ID_LIST_DELETE, &ListsHost::OnUpdateDelete)
	ON_REGISTERED_MESSAGE(CColorPicker::CPN_SELCHANGE, &ListsHost::OnColor)
	ON_CBN_SELCHANGE(kId, &ListsHost::OnCbnSelChange)
	ON_WM_ENTERIDLE()
END_MESSAGE_MAP()

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

class ListsTest : public ::testing::Test
{
protected:
	template <class List>
	void Make(List& list, DWORD dwStyle, std::initializer_list<const char*> texts)
	{
		ASSERT_TRUE(list.Create(dwStyle, CRect(10, 10, 210, 150), &m_host, kId));
		for (const char* text : texts)
			list.AddString(text);
	}
	// A click of the button at x in entry nIndex; the left button is let go.
	void Click(CListBox& list, UINT nDown, int nIndex, int x)
	{
		CRect rc;
		list.GetItemRect(nIndex, rc);
		const LPARAM lPoint = MAKELPARAM(rc.left + x, rc.CenterPoint().y);
		list.SendMessage(nDown, nDown == WM_LBUTTONDOWN ? MK_LBUTTON : MK_RBUTTON, lPoint);
		if (nDown == WM_LBUTTONDOWN)
			list.SendMessage(WM_LBUTTONUP, 0, lPoint);
		kt::PumpPending();
	}
	// The entries on screen, from nTextLeft on.
	kt::Snapshot Entries(CListBox& list, int nTextLeft = 0)
	{
		kt::FlushPaint(m_host.GetSafeHwnd());
		CRect rc;
		list.GetClientRect(&rc);
		rc.left = nTextLeft;
		return kt::Snapshot(list.GetSafeHwnd(), rc);
	}
	// An owner-drawn drop-down list that keeps its strings, as a dialog
	// template makes it, bound to picker; without a parent, a popup.
	void Bind(CColorPicker& picker, bool bParent = true)
	{
		HWND hWnd = ::CreateWindowExA(0, "COMBOBOX", "",
			(bParent ? WS_CHILD | WS_VISIBLE | WS_VSCROLL : WS_POPUP) | CBS_DROPDOWNLIST |
				CBS_OWNERDRAWFIXED | CBS_HASSTRINGS,
			10, 10, 200, 300, bParent ? m_host.GetSafeHwnd() : NULL,
			reinterpret_cast<HMENU>(static_cast<UINT_PTR>(bParent ? kId : 0)), NULL, NULL);
		ASSERT_TRUE(picker.SubclassWindow(hWnd));
	}
	// What a user's choice of entry nIndex does: select it, and the combo
	// box tells its parent.
	void Choose(CColorPicker& picker, int nIndex)
	{
		picker.SetCurSel(nIndex);
		m_host.SendMessage(WM_COMMAND, MAKEWPARAM(kId, CBN_SELCHANGE), (LPARAM)picker.GetSafeHwnd());
	}
	void MakeIcons(CImageList& list, std::initializer_list<COLORREF> colors)
	{
		list.Create(16, 16, ILC_COLOR32 | ILC_MASK, 5, 1);
		for (COLORREF cr : colors)
		{
			HICON hIcon = kt::SolidIcon(cr);
			list.Add(hIcon);
			::DestroyIcon(hIcon);
		}
	}

	ListsHost m_host;
};

// ---------------------------------------------------------------------------
// Menu and highlight list boxes

TEST_F(ListsTest, WheelScrollsWholeLinesAndKeepsEachWheelsRemainder)
{
	// Each event turns one wheel; the lines it should scroll go up (or
	// right) for a positive delta, else down (or left).
	const struct
	{
		UINT nSetting;
		std::vector<std::tuple<char, short, int>> events; // wheel, delta, lines
	} rows[] = {
		{ 3, { { 'V', 120, 3 }, { 'V', -240, 6 } } },
		// Partial turns add up whatever their direction; the last event's sign wins.
		{ 3, { { 'V', 60, 0 }, { 'V', -60, 3 } } },
		{ 3, { { 'V', 100, 0 }, { 'V', 100, 3 }, { 'V', 100, 3 } } },
		{ 1, { { 'V', -90, 0 }, { 'V', -90, 1 }, { 'V', -180, 2 } } },
		{ 0, { { 'V', 240, 0 } } },
		{ WHEEL_PAGESCROLL, { { 'V', 120, 0 }, { 'V', -120, 0 } } },
		// Half a notch on each wheel makes a notch of neither.
		{ 2, { { 'V', 60, 0 }, { 'H', 60, 0 }, { 'H', 60, 2 }, { 'H', -120, 2 }, { 'V', 60, 2 } } },
	};
	for (const auto& row : rows)
	{
		UINT nOld = 3;
		::SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &nOld, 0);
		::SystemParametersInfoA(SPI_SETWHEELSCROLLLINES, row.nSetting, NULL, 0);
		CTestMenuListbox list;
		::SystemParametersInfoA(SPI_SETWHEELSCROLLLINES, nOld, NULL, 0);
		Make(list, WS_CHILD | WS_VISIBLE | WS_VSCROLL, {});
		for (const auto& [wheel, zDelta, nLines] : row.events)
		{
			const BOOL bResult = wheel == 'H'
									 ? list.OnMouseHWheel(0, zDelta, CPoint(50, 50))
									 : (BOOL)list.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, zDelta), 0);
			EXPECT_TRUE(bResult);
			const WPARAM nCode = wheel == 'H' ? (zDelta > 0 ? SB_LINERIGHT : SB_LINELEFT)
											  : (zDelta > 0 ? SB_LINEUP : SB_LINEDOWN);
			for (UINT nMsg : { WM_VSCROLL, WM_HSCROLL })
			{
				std::vector<WPARAM> posted;
				MSG msg;
				while (::PeekMessageA(&msg, list.GetSafeHwnd(), nMsg, nMsg, PM_REMOVE))
					posted.push_back(msg.lParam == 0 ? msg.wParam : 99);
				const bool bThis = (nMsg == WM_HSCROLL) == (wheel == 'H');
				EXPECT_EQ(posted, std::vector<WPARAM>(bThis ? nLines : 0, nCode))
					<< "setting " << row.nSetting << ", " << wheel << " " << zDelta;
			}
		}
	}
}

// The selection is made (telling the parent nothing) before the menu opens,
// and the command goes to the parent.
const kt::Sequence kRightClickSeq = {
	{ WM_RBUTTONDOWN, kt::sent },
	{ WM_SETFOCUS, kt::sent | kt::optional },
	kt::Command(LBN_SETFOCUS, kt::sent | kt::parent | kt::optional),
	{ LB_SETCURSEL, kt::sent | kt::wparam, 2 },
	{ WM_COMMAND, kt::posted | kt::parent | kt::wparam, ID_LIST_OPEN },
	kt::kSeparator,
};

TEST_F(ListsTest, RightClickSelectsTheEntryThenShowsTheFilteredMenuToTheParent)
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
	std::vector<std::pair<UINT, bool>> items; // id, greyed (Delete, by the parent's update handler)
	for (const auto& item : answer.Popups()[0])
		items.push_back({ item.id, (item.state & MFS_GRAYED) != 0 });
	EXPECT_EQ(items,
		(std::vector<std::pair<UINT, bool>>{ { ID_LIST_OPEN, false }, { ID_LIST_DELETE, true } }));
	EXPECT_EQ(m_host.m_commands, std::vector<UINT>{ ID_LIST_OPEN });
	EXPECT_TRUE(rec.Matches(kRightClickSeq,
		{ kt::kIncidental,
			{ WM_KEYDOWN, WM_KEYUP, WM_CHAR, LB_GETITEMRECT, LB_ITEMFROMPOINT, LB_GETTOPINDEX, LB_GETCURSEL,
				WM_KILLFOCUS, WM_INITMENU, WM_INITMENUPOPUP, WM_ENTERMENULOOP, WM_EXITMENULOOP, WM_MENUSELECT,
				WM_ENTERIDLE, WM_UNINITMENUPOPUP, WM_MEASUREITEM, WM_DRAWITEM, WM_CAPTURECHANGED,
				WM_WINDOWPOSCHANGING, WM_WINDOWPOSCHANGED, WM_CANCELMODE, WM_TIMER } }));
}

TEST_F(ListsTest, RightClickShowsNothingOffTheEntriesOrWithoutAUsableMenu)
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
		for (UINT nMenu : { 0, 9999, IDR_FLAT_MENU })
		{
			list.SetCurSel(0);
			list.SetMenuResID(nMenu);
			Click(list, WM_RBUTTONDOWN, 1, 5);
			EXPECT_EQ(list.GetCurSel(), nMenu == 0 ? 0 : 1) << nMenu;
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

TEST_F(ListsTest, HighlightListboxDrawsSelectedHighlightedAndDisabledEntries)
{
	CHighlightListbox fixed; // measured during its creation, before it has a font
	Make(fixed, (kOwnerDraw & ~LBS_OWNERDRAWVARIABLE) | LBS_OWNERDRAWFIXED, {});
	const LOGFONTA lf = MessageFont();
	EXPECT_EQ(fixed.GetItemHeight(0), SampleHeight(lf));
	fixed.DestroyWindow();
	CHighlightListbox list;
	Make(list, kOwnerDraw, { "alpha", "beta", "gamma", "beta", "delta" });
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

	// Highlighted in its colour, selected over highlighted, all grey when
	// disabled, and repainted plain once the highlights are cleared.
	EXPECT_APPROVED(Entries(list), "highlight-list", true);
	list.EnableWindow(FALSE);
	EXPECT_APPROVED(Entries(list), "highlight-list-disabled", true);
	list.EnableWindow(TRUE);
	kt::FlushPaint(m_host.GetSafeHwnd());
	list.ClearHighlights();
	EXPECT_TRUE(::GetUpdateRect(list.GetSafeHwnd(), NULL, FALSE));
	EXPECT_APPROVED(Entries(list), "highlight-list-cleared", true);
}

// ---------------------------------------------------------------------------
// Highlight check list box

TEST_F(ListsTest, HighlightCheckListboxDrawsHighlightsBoldInItsFontsAlsoWhenDisabled)
{
	// The fonts the box makes itself, then fonts set before it is created.
	LOGFONTA lfTahoma = MessageFont(FW_THIN);
	lfTahoma.lfHeight = -24;
	lstrcpyA(lfTahoma.lfFaceName, "Tahoma");
	for (const LOGFONTA& lf : { MessageFont(), lfTahoma })
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
		// Right of the check boxes: selected, highlighted in bold red, disabled grey.
		EXPECT_APPROVED(Entries(list, 15), lf.lfWeight == FW_THIN ? "check-list-tahoma-24" : "check-list",
			true);
	}
}

// A disabled entry neither toggles nor tells the parent; the others do.
// (Checking itself is the framework's check list box.)
TEST_F(ListsTest, DisabledEntriesDoNotToggle)
{
	CHighlightCheckListbox list;
	Make(list, kOwnerDraw, { "alpha", "beta" });
	list.Enable(1, FALSE);
	Click(list, WM_LBUTTONDOWN, 1, 5);
	list.SetCurSel(1);
	list.SendMessage(WM_KEYDOWN, VK_SPACE, 0);
	EXPECT_EQ(list.GetCheck(1), 0);
	EXPECT_EQ(m_host.m_nChkChanges, 0);
	list.Enable(1, TRUE);
	Click(list, WM_LBUTTONDOWN, 1, 5);
	EXPECT_EQ(list.GetCheck(1), 1);
	EXPECT_EQ(m_host.m_nChkChanges, 1);
}

// ---------------------------------------------------------------------------
// Colour picker

TEST_F(ListsTest, PickerListsTheColoursInOrderThenTheCustomEntrySelectingItsColour)
{
	const COLORREF kOrder[] = { 0x00282828, 0x00C0C0C0, 0x00800080, 0x00000000, 0x00404000, 0x00FFFFFF,
		0x007F7F7F, 0x0082004B, 0x002A2AA5, 0x008B0000, 0x00005500, 0x00C07B7B, 0x005E0000, 0x00EEEEAF,
		0x0000008B, 0x00FF0000, 0x002068FF, 0x00008B8B, 0x00009300, 0x008E8E38, 0x00666666, 0x000000FF,
		0x005BADFF, 0x0032CD32, 0x0071B33C, 0x00FAE6E6, 0x008B8368, 0x00D4FF7F, 0x00C09E7D, 0x00CBC0FF,
		0x0000D7FF, 0x0000FFFF, 0x0000FF00, 0x00D0E040, 0x00E1E4FF, 0x00FFFFC0, 0x00480048, 0x008CB4D2,
		0x00E0FFFF, 0x0098FB98 };
	// The colour set before binding (white when none), and the entry it selects.
	const std::pair<COLORREF, int> rows[] = { { CLR_NONE, 5 }, { 0x00282828, 0 }, { 0x0098FB98, 39 },
		{ 0x00123456, kCustom } };
	for (const auto& [crSet, nSel] : rows)
	{
		CColorPicker picker;
		if (crSet != CLR_NONE)
			picker.SetColor(crSet);
		Bind(picker);
		const COLORREF cr = crSet != CLR_NONE ? crSet : 0x00FFFFFF;
		ASSERT_EQ(picker.GetCount(), 41);
		for (int i = 0; i < 40; ++i)
			EXPECT_EQ(picker.GetItemData(i), kOrder[i]) << i;
		EXPECT_EQ(picker.GetCurSel(), nSel);
		EXPECT_EQ(picker.GetItemData(kCustom), cr);
		EXPECT_EQ(picker.GetColor(), cr);
	}
	CString strFirst, strCustom;
	CColorPicker picker; // one with no parent
	Bind(picker, false);
	picker.GetLBText(0, strFirst);
	picker.GetLBText(kCustom, strCustom);
	EXPECT_FALSE(strFirst.IsEmpty());
	EXPECT_NE(strFirst, strCustom);
	picker.SetColor(0x00FF0000);
	EXPECT_EQ(picker.GetCurSel(), 15);
	picker.DestroyWindow();
}

// SetColor tells nobody; a choice is sent to the parent, synchronously, in
// place of CBN_SELCHANGE, even when the colour did not change.
const kt::Sequence kChooseSeq = {
	kt::kSeparator,
	kt::Command(CBN_SELCHANGE, kt::sent | kt::parent),
	{ 0, kt::sent | kt::parent | kt::wparam | kt::lparam, kId, 0x00FF0000 },
	kt::kSeparator,
	kt::Command(CBN_SELCHANGE, kt::sent | kt::parent),
	{ 0, kt::sent | kt::parent | kt::wparam | kt::lparam, kId, 0x00FF0000 },
	kt::kSeparator,
};

TEST_F(ListsTest, SetColorTellsNobodyAndAChoiceIsSentToTheParentInsteadOfCbnSelChange)
{
	CColorPicker picker;
	Bind(picker);
	kt::MessageRecorder rec(picker.GetSafeHwnd(), true);
	picker.SetColor(0x00010203);
	EXPECT_EQ(picker.GetCurSel(), kCustom);
	EXPECT_EQ(picker.GetItemData(kCustom), 0x00010203u);
	EXPECT_FALSE(::GetUpdateRect(picker.GetSafeHwnd(), NULL, FALSE)); // painted at once
	rec.Separate();
	for (int i = 0; i < 2; ++i)
	{
		Choose(picker, 15);
		EXPECT_EQ(m_host.m_colors.size(), i + 1u); // handled before the notification returns
		rec.Separate();
	}
	kt::Sequence seq = kChooseSeq;
	seq[2].message = seq[5].message = CColorPicker::CPN_SELCHANGE;
	EXPECT_TRUE(rec.Matches(seq,
		{ kt::kIncidental, { WM_DRAWITEM, WM_MEASUREITEM, CB_SETCURSEL, CB_GETCURSEL, CB_GETLBTEXT,
							   CB_GETLBTEXTLEN, CB_GETCOUNT, CB_GETITEMDATA, CB_SETITEMDATA } }));
	EXPECT_EQ(m_host.m_nCbnSelChanges, 0);
	EXPECT_EQ(picker.GetItemData(kCustom), 0x00FF0000u);
}

TEST_F(ListsTest, CustomEntryKeepsAConfirmedColourAndForgetsACancelledOne)
{
	CColorPicker picker;
	Bind(picker);
	picker.SetColor(0x00282828);
	// The colour typed into the dialog's red, green and blue boxes, or
	// CLR_NONE to cancel: a cancelled dialog goes back to the unchanged
	// colour's entry and sends nothing; a colour of no entry stays on the
	// custom entry; one of the table selects its entry.
	const struct
	{
		COLORREF crTyped;
		int nSel;
		COLORREF crColor;
	} rows[] = { { CLR_NONE, 0, 0x00282828 }, { RGB(10, 20, 30), kCustom, RGB(10, 20, 30) },
		{ RGB(255, 215, 0), 30, RGB(255, 215, 0) } };
	for (const auto& row : rows)
	{
		const size_t nNotes = m_host.m_colors.size() + (row.crTyped != CLR_NONE);
		m_host.m_answer = [&](HWND hDlg)
		{
			// Opened full, on the current colour.
			const COLORREF crShown = RGB(::GetDlgItemInt(hDlg, 706, NULL, FALSE),
				::GetDlgItemInt(hDlg, 707, NULL, FALSE), ::GetDlgItemInt(hDlg, 708, NULL, FALSE));
			EXPECT_EQ(crShown, picker.GetColor());
			EXPECT_TRUE(::IsWindowVisible(::GetDlgItem(hDlg, 706)));
			if (row.crTyped != CLR_NONE)
				for (int i = 0; i < 3; ++i)
					::SetDlgItemInt(hDlg, 706 + i, (row.crTyped >> (8 * i)) & 0xFF, FALSE);
			::PostMessageA(hDlg, WM_COMMAND, row.crTyped != CLR_NONE ? IDOK : IDCANCEL, 0);
		};
		Choose(picker, kCustom);
		EXPECT_FALSE(m_host.m_answer); // answered
		EXPECT_EQ(picker.GetCurSel(), row.nSel);
		EXPECT_EQ(picker.GetColor(), row.crColor);
		EXPECT_EQ(picker.GetItemData(kCustom), row.crColor);
		ASSERT_EQ(m_host.m_colors.size(), nNotes);
		EXPECT_TRUE(nNotes == 0 || m_host.m_colors.back().second == row.crColor);
	}
}

TEST_F(ListsTest, ParentDestroyedWhileTheColourDialogIsOpenEndsQuietly)
{
	CColorPicker picker;
	Bind(picker);
	m_host.m_answer = [this](HWND) { m_host.DestroyWindow(); };
	Choose(picker, kCustom);
	EXPECT_FALSE(m_host.m_answer);
	EXPECT_EQ(picker.GetSafeHwnd(), (HWND)NULL);
	EXPECT_TRUE(m_host.m_colors.empty());
	EXPECT_EQ(picker.GetColor(), 0x00FFFFFFu);
}

TEST_F(ListsTest, PickerFieldShowsTheSwatchFramedInBlackBesideTheName)
{
	CFieldNoter<CColorPicker> picker;
	picker.SetColor(RGB(255, 0, 0));
	Bind(picker);
	kt::FlushPaint(m_host.GetSafeHwnd());
	const CRect rc = picker.m_rcField;
	const int q = rc.Width() / 4;
	const kt::Snapshot shot(picker.GetSafeHwnd());
	// The swatch ends at a quarter of the width, framed; the name starts at q + 2.
	const CRect rcSwatch(rc.left + 2, rc.top + 2, q, rc.bottom - 2);
	EXPECT_EQ(shot.Count(RGB(255, 0, 0), { rcSwatch.left + 1, rcSwatch.top + 1, q - 1, rcSwatch.bottom - 1 }),
		(rcSwatch.Width() - 2) * (rcSwatch.Height() - 2));
	EXPECT_EQ(shot.Count(RGB(0, 0, 0), { rcSwatch.left, rcSwatch.top, q, rcSwatch.top + 1 }),
		rcSwatch.Width());
	const CRect rcText(rc.left + q + 2, rc.top, rc.right, rc.bottom);
	EXPECT_GT(rcText.Width() * rcText.Height() - shot.Count(shot.At(rc.right - 2, rc.top + 1), rcText), 10);
}

// ---------------------------------------------------------------------------
// Icon combo box, and all of the controls together

TEST_F(ListsTest, IconComboHasOneEntryPerImageAndDrawsItsIconOnePixelIn)
{
	CFieldNoter<CIconComboBox> combo;
	ASSERT_TRUE(combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED,
		CRect(10, 10, 100, 200), &m_host, kId));
	EXPECT_EQ(combo.GetItemHeight(0), ::GetSystemMetrics(SM_CYSMICON) + 2);
	CImageList empty, five;
	MakeIcons(empty, {});
	const COLORREF kColor3 = RGB(200, 200, 0);
	MakeIcons(five, { RGB(200, 0, 0), RGB(0, 200, 0), RGB(0, 0, 200), kColor3, RGB(0, 200, 200) });
	combo.ShowIcons(&five);
	EXPECT_EQ(combo.GetCount(), 5);
	EXPECT_EQ(combo.GetCurSel(), CB_ERR);
	EXPECT_EQ(combo.AddString("x"), CB_ERR);
	EXPECT_EQ(combo.InsertString(0, "x"), CB_ERR);
	EXPECT_EQ(combo.DeleteString(-1), CB_ERR);
	static_assert(std::is_same<decltype(&CIconComboBox::DeleteString), int (CIconComboBox::*)(int)>::value,
		"the index is an int, as the other entry functions take it");
	EXPECT_EQ(combo.GetCount(), 5);

	combo.SetCurSel(3);
	combo.RedrawWindow();
	const int cx = ::GetSystemMetrics(SM_CXSMICON), cy = ::GetSystemMetrics(SM_CYSMICON);
	const kt::Snapshot shot(combo.GetSafeHwnd());
	EXPECT_EQ(shot.Count(kColor3), cx * cy);
	const CPoint pt = combo.m_rcField.TopLeft() + CPoint(1, 1);
	EXPECT_EQ(shot.Count(kColor3, { pt.x, pt.y, pt.x + cx, pt.y + cy }), cx * cy);

	five.Remove(4); // the list shrank below the entry: no icon, nothing breaks
	five.Remove(3);
	combo.RedrawWindow();
	EXPECT_EQ(kt::Snapshot(combo.GetSafeHwnd()).Count(kColor3), 0);
	combo.ShowIcons(&empty);
	EXPECT_EQ(combo.GetCount(), 0);
	combo.ShowIcons(&five);
	combo.ShowIcons(NULL);
	EXPECT_EQ(combo.GetCount(), 0);

	CObject* pObject = CRuntimeClass::CreateObject("CIconComboBox");
	EXPECT_TRUE(pObject != nullptr && pObject->IsKindOf(RUNTIME_CLASS(CIconComboBox)));
	delete pObject;
}

TEST_F(ListsTest, CreateFillPaintDestroyCyclesLeaveNoGdiObjects)
{
	CImageList icons;
	MakeIcons(icons, { RGB(0, 0, 255), RGB(0, 255, 0) });
	auto cycle = [&]
	{
		CColorPicker picker;
		Bind(picker);
		picker.SetColor(RGB(1, 2, 3));
		CIconComboBox combo;
		combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED, CRect(10, 50, 100, 200),
			&m_host, kId + 1);
		combo.ShowIcons(&icons);
		combo.SetCurSel(1);
		CHighlightListbox high;
		CHighlightCheckListbox check;
		high.Create(kOwnerDraw, CRect(10, 80, 150, 160), &m_host, kId + 2);
		check.Create(kOwnerDraw, CRect(160, 80, 300, 160), &m_host, kId + 3);
		for (CListBox* pList : { static_cast<CListBox*>(&high), static_cast<CListBox*>(&check) })
			pList->AddString("a"), pList->AddString("b");
		high.SetHighlight(1);
		check.SetHighlight(0);
		check.SetCheck(1, 1);
		kt::FlushPaint(m_host.GetSafeHwnd());
		picker.DestroyWindow();
	};
	cycle();
	kt::RunIdle();
	const int nBefore = kt::CountGdiObjects();
	for (int i = 0; i < 20; ++i)
		cycle();
	kt::RunIdle();
	EXPECT_LT(kt::CountGdiObjects() - nBefore, 10);
}

} // namespace
