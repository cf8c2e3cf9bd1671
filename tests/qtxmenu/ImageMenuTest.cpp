// ImageMenuTest.cpp - CImageMenu: loading and filtering menus, tracking with a real owner, item pixels.
//
// Classes in this file:
//   MenuOwner, ImageMenuDraw
#include <qtx/ImageMenu.h>

#include <kavrotest/TestSupport.h>

#include "MenuTestIds.h"

#include <memory>
#include <string>
#include <vector>

namespace
{

// The owner of the menus: update handlers for some commands, and a count of
// the items the menu measured through it.
class MenuOwner : public kt::HostWindow
{
public:
	int m_nMeasured = 0;

protected:
	afx_msg void OnUpdateDisable(CCmdUI* pCmdUI) { pCmdUI->Enable(FALSE); }
	afx_msg void OnUpdateCheck(CCmdUI* pCmdUI) { pCmdUI->SetCheck(1); }

	virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
	{
		const LRESULT result = kt::HostWindow::WindowProc(message, wParam, lParam);
		if (message == WM_MEASUREITEM)
			m_nMeasured += reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam)->itemWidth > 0;
		return result;
	}

	DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(MenuOwner, kt::HostWindow)
	ON_UPDATE_COMMAND_UI(ID_TEST_DELETE, &MenuOwner::OnUpdateDisable)
	ON_UPDATE_COMMAND_UI(ID_TEST_ASCENDING, &MenuOwner::OnUpdateDisable)
	ON_UPDATE_COMMAND_UI(ID_TEST_WRAP, &MenuOwner::OnUpdateCheck)
END_MESSAGE_MAP()

MENUITEMINFOA ItemInfo(HMENU hMenu, UINT nItem, BOOL bByPos = TRUE, char* pszText = NULL)
{
	MENUITEMINFOA mii = {};
	mii.cbSize = sizeof(mii);
	mii.fMask = MIIM_FTYPE | MIIM_DATA | MIIM_ID | MIIM_STATE | MIIM_SUBMENU | MIIM_STRING;
	mii.dwTypeData = pszText;
	mii.cch = pszText != NULL ? 255 : 0;
	::GetMenuItemInfoA(hMenu, nItem, bByPos, &mii);
	return mii;
}

// A menu's items in one line: each item's text ("-" for a separator), "#"
// before an owner-drawn one, "~" after a greyed one, "+" after a checked one,
// a sub-menu's items in brackets.
std::string Describe(HMENU hMenu)
{
	std::string items;
	for (int i = 0; i < ::GetMenuItemCount(hMenu); ++i)
	{
		char sz[256] = "";
		const MENUITEMINFOA mii = ItemInfo(hMenu, i, TRUE, sz);
		items += i > 0 ? "|" : "";
		items += mii.fType & MFT_OWNERDRAW ? "#" : "";
		if (mii.fType & MFT_SEPARATOR)
			items += "-";
		else
			items +=
				std::string(sz) + (mii.fState & MF_GRAYED ? "~" : "") + (mii.fState & MF_CHECKED ? "+" : "");
		if (mii.hSubMenu != NULL)
			items += "[" + Describe(mii.hSubMenu) + "]";
	}
	return items;
}

TEST(ImageMenuLoad, AppliesTheOwnersUpdateHandlersAndTidiesSeparators)
{
	// Leading, doubled and trailing separators and the sub-menu that held
	// only a separator are gone; without an owner the items stay as the
	// resource has them; the first popup is taken even when a plain item
	// stands before it; nothing to show gives NULL.
	MenuOwner owner;
	const struct
	{
		UINT nID;
		CWnd* pOwner;
		const char* items;
	} loads[] = {
		{ IDR_CONTEXT, &owner,
			"&Open\tCtrl+O|-|&Delete\tDel~|&Wrap lines+|&Sort[&Ascending~|-|D&escending]" },
		{ IDR_CONTEXT, NULL, "&Open\tCtrl+O|-|&Delete\tDel|&Wrap lines|&Sort[&Ascending|-|D&escending]" },
		{ IDR_SECOND_POPUP, &owner, "&Open" },
		{ IDR_SEPARATORS_ONLY, &owner, "NULL" },
		{ IDR_NO_POPUP, &owner, "NULL" },
		{ 999, &owner, "NULL" },
	};
	for (const auto& l : loads)
	{
		std::unique_ptr<CImageMenu> pMenu(CImageMenu::LoadFilteredPopupMenu(l.nID, l.pOwner));
		EXPECT_EQ(pMenu ? Describe(pMenu->GetSafeHmenu()) : "NULL", l.items) << l.nID;
	}
}

// What the owner hears from a tracked menu besides the commands.
constexpr UINT kMenuTraffic[] = { WM_ENTERMENULOOP, WM_EXITMENULOOP, WM_INITMENU, WM_INITMENUPOPUP,
	WM_UNINITMENUPOPUP, WM_MENUSELECT, WM_ENTERIDLE, WM_MENUCHAR, WM_MEASUREITEM, WM_DRAWITEM, WM_KEYDOWN,
	WM_KEYUP, WM_CHAR, WM_CAPTURECHANGED, WM_NCHITTEST, WM_SETCURSOR, WM_MOUSEMOVE };

// Each chosen item is one command, posted to the owner when its menu closes.
const kt::Sequence kCommandsSeq = {
	{ WM_COMMAND, kt::posted | kt::wparam | kt::lparam, MAKEWPARAM(ID_TEST_WRAP, 0), 0 },
	kt::kSeparator,
	{ WM_COMMAND, kt::posted | kt::wparam | kt::lparam, MAKEWPARAM(ID_TEST_OPEN, 0), 0 },
	kt::kSeparator,
};

TEST(ImageMenuTrack, ItemsAreOwnerDrawnWhileOpenAndRestoredAfterwards)
{
	MenuOwner owner;
	CImageMenu menu;
	ASSERT_TRUE(menu.Attach(::CreatePopupMenu()));
	HMENU hMenu = menu.GetSafeHmenu();
	menu.AppendMenu(MF_BYPOSITION, ID_TEST_OPEN, "&Open");
	menu.AppendMenu(MF_SEPARATOR | MF_BYPOSITION, 0, (LPCTSTR)NULL);
	menu.AppendMenu(MF_BYPOSITION, ID_TEST_WRAP, "&Wrap\tF2");
	menu.AppendMenu(MF_BYPOSITION | MF_GRAYED | MF_DISABLED, ID_TEST_DELETE, "&Delete");
	MENUITEMINFOA mii = {};
	mii.cbSize = sizeof(mii);
	mii.fMask = MIIM_DATA;
	mii.dwItemData = 0x1234;
	::SetMenuItemInfoA(hMenu, ID_TEST_WRAP, FALSE, &mii);

	// The keyboard skips the separator; owner-drawn items still answer their
	// mnemonics. The owner's messages reach the menu's MeasureItem.
	kt::MenuAnswer answer(owner.GetSafeHwnd());
	kt::MessageRecorder rec(owner.GetSafeHwnd());
	answer.Press({ VK_DOWN, VK_DOWN, VK_RETURN });
	menu.TrackPopupMenu(TPM_RIGHTBUTTON, 80, 80, &owner, NULL);
	rec.Separate();
	answer.Press({ 'O' });
	menu.TrackPopupMenu(TPM_RIGHTBUTTON, 80, 80, &owner, NULL);
	rec.Separate();
	EXPECT_TRUE(rec.Matches(kCommandsSeq, kMenuTraffic));
	EXPECT_GT(owner.m_nMeasured, 0);
	ASSERT_EQ(answer.Popups().size(), 2u);
	std::string open;
	for (const kt::MenuAnswer::Item& item : answer.Popups()[0])
		open += std::string(item.type & MFT_OWNERDRAW ? "#" : "") +
				(item.type & MFT_SEPARATOR ? "-" : item.text) + "|";
	EXPECT_EQ(open, "#|-|#|#|");
	EXPECT_TRUE(answer.Popups()[0][3].state & MFS_GRAYED);

	// Closed, each item has the application's data, type, text and state,
	// a text of any length in full.
	EXPECT_EQ(Describe(hMenu), "&Open|-|&Wrap\tF2|&Delete~");
	CString strLong = CString('x', 700) + "\tF5", strBack;
	menu.AppendMenu(MF_BYPOSITION, ID_TEST_ASCENDING, strLong);
	answer.Press({});
	menu.TrackPopupMenu(TPM_RIGHTBUTTON, 80, 80, &owner, NULL);
	EXPECT_TRUE(menu.GetMenuString(ID_TEST_ASCENDING, strBack, MF_BYCOMMAND) > 0 && strBack == strLong);
	EXPECT_EQ(ItemInfo(hMenu, ID_TEST_WRAP, FALSE).dwItemData, 0x1234u);
	EXPECT_TRUE(menu.DestroyMenu());
	EXPECT_FALSE(menu.TrackPopupMenu(0, 0, 0, &owner, NULL));
}

class ImageMenuDraw : public ::testing::Test
{
protected:
	virtual void SetUp() override
	{
		ASSERT_TRUE(m_menu.Attach(::CreatePopupMenu()));
		m_menu.AppendMenu(MF_STRING, ID_TEST_OPEN, "&Open\tCtrl+O");
		m_menu.AppendMenu(MF_STRING, ID_TEST_WRAP, "Wrap");
		m_menu.AppendMenu(MF_STRING | MFT_RADIOCHECK, ID_TEST_ASCENDING, "Ascending");
		ASSERT_TRUE(CImageMenu::SetCommandImage(ID_TEST_OPEN, m_hIcon));
	}
	virtual void TearDown() override
	{
		CImageMenu::SetCommandImage(ID_TEST_OPEN, NULL);
		::DestroyIcon(m_hIcon);
	}

	// Runs the checks while the menu is open, which is when its items are
	// owner-drawn, then closes it without a choice.
	void WhileOpen(const std::function<void()>& checks)
	{
		bool ran = false;
		kt::MenuAnswer answer(m_owner.GetSafeHwnd());
		answer.WhileOpen(
			[&]
			{
				checks();
				ran = true;
			});
		m_menu.TrackPopupMenu(TPM_RIGHTBUTTON, 80, 80, &m_owner, NULL);
		kt::PumpPending();
		EXPECT_TRUE(ran) << "the menu never went idle";
	}

	// Draws item nPos into a magenta bitmap, or measures it, as the menu
	// window would; dwData stands in for the item's own data.
	kt::Snapshot Draw(int nPos, UINT state, ULONG_PTR dwData = 0)
	{
		const MENUITEMINFOA mii = ItemInfo(m_menu.GetSafeHmenu(), nPos);
		return kt::Snapshot::Draw(kWidth, kHeight, kMagenta,
			[&](HDC hdc)
			{
				DRAWITEMSTRUCT dis = { ODT_MENU, 0, mii.wID, ODA_DRAWENTIRE, state,
					(HWND)m_menu.GetSafeHmenu(), hdc, { 0, 0, kWidth, kHeight },
					dwData ? dwData : mii.dwItemData };
				m_menu.DrawItem(&dis);
			});
	}
	MEASUREITEMSTRUCT Measure(int nPos, ULONG_PTR dwData = 0)
	{
		const MENUITEMINFOA mii = ItemInfo(m_menu.GetSafeHmenu(), nPos);
		MEASUREITEMSTRUCT mis = { ODT_MENU, 0, mii.wID, 0, 0, dwData ? dwData : mii.dwItemData };
		m_menu.MeasureItem(&mis);
		return mis;
	}

	static const int kWidth = 220;
	static const int kHeight = 24;
	static const COLORREF kIcon = RGB(200, 30, 40);
	static const COLORREF kMagenta = RGB(255, 0, 255);
	const RECT kImageColumn = { 0, 0, 22, kHeight };
	const RECT kLabel = { 28, 0, 120, kHeight };
	const RECT kAccel = { 150, 0, kWidth, kHeight };
	const COLORREF crMenu = ::GetSysColor(COLOR_MENU);
	const COLORREF crText = ::GetSysColor(COLOR_MENUTEXT);

	MenuOwner m_owner;
	CImageMenu m_menu;
	HICON m_hIcon = kt::SolidIcon(kIcon, ::GetSystemMetrics(SM_CXSMICON));
};

TEST_F(ImageMenuDraw, ItemStatesShowImageLabelAcceleratorAndMarks)
{
	WhileOpen(
		[&]
		{
			const int size = ::GetSystemMetrics(SM_CXSMICON);
			kt::Snapshot normal = Draw(0, 0);
			EXPECT_EQ(normal.Count(kMagenta), 0) << "the whole item is painted";
			EXPECT_EQ(normal.At(kWidth - 1, 0), crMenu);
			EXPECT_EQ(normal.Count(kIcon, kImageColumn), size * size);
			EXPECT_GT(normal.Count(crText, kLabel), 10);
			EXPECT_GT(normal.Count(crText, kAccel), 10) << "accelerator text at the right";

			kt::Snapshot selected = Draw(0, ODS_SELECTED);
			EXPECT_EQ(selected.At(kWidth - 1, 0), ::GetSysColor(COLOR_HIGHLIGHT));
			EXPECT_EQ(selected.Count(kIcon, kImageColumn), size * size);
			EXPECT_GT(selected.Count(::GetSysColor(COLOR_HIGHLIGHTTEXT), kLabel), 10);

			// The label is what the item says: another item draws other pixels.
			kt::Snapshot other = Draw(1, 0);
			EXPECT_GT(other.CountDiff(normal, kLabel), 10);
			EXPECT_EQ(other.Count(crMenu, kImageColumn), 22 * kHeight) << "no image, no mark";

			// Disabled: grey text, the image in its disabled look, no bar.
			kt::Snapshot disabled = Draw(0, ODS_GRAYED | ODS_SELECTED);
			EXPECT_EQ(disabled.Count(kIcon), 0);
			EXPECT_LT(disabled.Count(crMenu, kImageColumn), 22 * kHeight)
				<< "something is drawn for the image";
			EXPECT_EQ(disabled.At(kWidth - 1, 0), crMenu);
			EXPECT_GT(disabled.Count(::GetSysColor(COLOR_GRAYTEXT), kLabel), 10);
			EXPECT_EQ(disabled.Count(crText, kLabel), 0);

			// Checked: a tick or a bullet where there is no image, else a frame.
			kt::Snapshot check = Draw(1, ODS_CHECKED);
			EXPECT_GT(check.Count(crText, kImageColumn), 5);
			kt::Snapshot bullet = Draw(2, ODS_CHECKED);
			EXPECT_GT(bullet.Count(crText, kImageColumn), 5);
			EXPECT_GT(bullet.CountDiff(check, kImageColumn), 5) << "radio items get a bullet, not a tick";
			kt::Snapshot framed = Draw(0, ODS_CHECKED);
			EXPECT_GT(framed.Count(::GetSysColor(COLOR_BTNSHADOW), kImageColumn), 10);
			EXPECT_GT(framed.Count(kIcon, kImageColumn), 0);
		});
}

TEST_F(ImageMenuDraw, ForeignItemsAreLeftAloneSizesFollowTheTextAndImagesAreCopied)
{
	WhileOpen(
		[&]
		{
			const ULONG_PTR foreign = 0x4321;
			EXPECT_EQ(Draw(0, 0, foreign).Count(kMagenta), kWidth * kHeight);
			EXPECT_EQ(Measure(0, foreign).itemWidth, 0u);

			const MEASUREITEMSTRUCT open = Measure(0); // "&Open" and "Ctrl+O"
			const MEASUREITEMSTRUCT wrap = Measure(1); // "Wrap"
			const MEASUREITEMSTRUCT asc = Measure(2);  // "Ascending"
			EXPECT_GE(open.itemHeight, (UINT)::GetSystemMetrics(SM_CXSMICON));
			EXPECT_EQ(wrap.itemHeight, open.itemHeight);
			EXPECT_GT(asc.itemWidth, wrap.itemWidth);
			EXPECT_GT(open.itemWidth, asc.itemWidth) << "room for the accelerator text";

			// The image table keeps its own copy.
			HICON hIcon = kt::SolidIcon(RGB(20, 160, 60), ::GetSystemMetrics(SM_CXSMICON));
			ASSERT_TRUE(CImageMenu::SetCommandImage(ID_TEST_WRAP, hIcon));
			::DestroyIcon(hIcon);
			EXPECT_GT(Draw(1, 0).Count(RGB(20, 160, 60), kImageColumn), 0);

			EXPECT_TRUE(CImageMenu::SetCommandImage(ID_TEST_WRAP, NULL));
			EXPECT_EQ(Draw(1, 0).Count(RGB(20, 160, 60)), 0);
		});
}

} // namespace
