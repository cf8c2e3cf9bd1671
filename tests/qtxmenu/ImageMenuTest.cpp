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

std::string ItemText(HMENU hMenu, int nPos)
{
	char sz[256] = "";
	::GetMenuStringA(hMenu, nPos, sz, sizeof(sz), MF_BYPOSITION);
	return sz;
}

MENUITEMINFOA ItemInfo(HMENU hMenu, UINT nItem, BOOL bByPos = TRUE)
{
	MENUITEMINFOA mii = {};
	mii.cbSize = sizeof(mii);
	mii.fMask = MIIM_FTYPE | MIIM_DATA | MIIM_ID;
	::GetMenuItemInfoA(hMenu, nItem, bByPos, &mii);
	return mii;
}

bool IsGrayed(HMENU hMenu, UINT nID)
{
	return (::GetMenuState(hMenu, nID, MF_BYCOMMAND) & MF_GRAYED) != 0;
}
bool IsChecked(HMENU hMenu, UINT nID)
{
	return (::GetMenuState(hMenu, nID, MF_BYCOMMAND) & MF_CHECKED) != 0;
}

// A square icon of one colour, fully opaque.
HICON MakeIcon(COLORREF cr)
{
	const int size = ::GetSystemMetrics(SM_CXSMICON);
	const std::vector<DWORD> color(size * size,
		0xFF000000 | RGB(GetBValue(cr), GetGValue(cr), GetRValue(cr)));
	const std::vector<WORD> mask(size * ((size + 15) / 16), 0);
	ICONINFO ii = { TRUE, 0, 0, ::CreateBitmap(size, size, 1, 1, mask.data()),
		::CreateBitmap(size, size, 1, 32, color.data()) };
	HICON hIcon = ::CreateIconIndirect(&ii);
	::DeleteObject(ii.hbmMask);
	::DeleteObject(ii.hbmColor);
	return hIcon;
}

/////////////////////////////////////////////////////////////////////////////
// Loading and filtering

TEST(ImageMenuLoad, AppliesTheOwnersUpdateHandlersAndTidiesSeparators)
{
	MenuOwner owner;
	std::unique_ptr<CImageMenu> pMenu(CImageMenu::LoadFilteredPopupMenu(IDR_CONTEXT, &owner));
	ASSERT_NE(pMenu, nullptr);
	HMENU hMenu = pMenu->GetSafeHmenu();

	// Leading, doubled and trailing separators and the sub-menu that held
	// only a separator are gone.
	ASSERT_EQ(::GetMenuItemCount(hMenu), 5);
	EXPECT_EQ(ItemText(hMenu, 0), "&Open\tCtrl+O");
	EXPECT_TRUE(ItemInfo(hMenu, 1).fType & MFT_SEPARATOR);
	EXPECT_EQ(ItemText(hMenu, 2), "&Delete\tDel");
	EXPECT_EQ(ItemText(hMenu, 3), "&Wrap lines");
	EXPECT_EQ(ItemText(hMenu, 4), "&Sort");

	EXPECT_FALSE(IsGrayed(hMenu, ID_TEST_OPEN) || IsChecked(hMenu, ID_TEST_OPEN));
	EXPECT_TRUE(IsGrayed(hMenu, ID_TEST_DELETE));
	EXPECT_TRUE(IsChecked(hMenu, ID_TEST_WRAP));
	EXPECT_FALSE(IsGrayed(hMenu, ID_TEST_WRAP));
	// Sub-menus are filtered too.
	HMENU hSort = ::GetSubMenu(hMenu, 4);
	ASSERT_EQ(::GetMenuItemCount(hSort), 3);
	EXPECT_TRUE(IsGrayed(hSort, ID_TEST_ASCENDING));
	EXPECT_FALSE(IsGrayed(hSort, ID_TEST_DESCENDING));

	// Without an owner the items stay as the resource has them, tidied all
	// the same.
	pMenu.reset(CImageMenu::LoadFilteredPopupMenu(IDR_CONTEXT, NULL));
	ASSERT_NE(pMenu, nullptr);
	EXPECT_EQ(::GetMenuItemCount(pMenu->GetSafeHmenu()), 5);
	EXPECT_FALSE(
		IsGrayed(pMenu->GetSafeHmenu(), ID_TEST_DELETE) || IsChecked(pMenu->GetSafeHmenu(), ID_TEST_WRAP));

	// Nothing to show gives NULL; the first popup is taken even when a plain
	// item stands before it.
	EXPECT_EQ(CImageMenu::LoadFilteredPopupMenu(IDR_SEPARATORS_ONLY, &owner), nullptr);
	EXPECT_EQ(CImageMenu::LoadFilteredPopupMenu(IDR_NO_POPUP, &owner), nullptr);
	EXPECT_EQ(CImageMenu::LoadFilteredPopupMenu(999, &owner), nullptr);
	pMenu.reset(CImageMenu::LoadFilteredPopupMenu(IDR_SECOND_POPUP, &owner));
	ASSERT_NE(pMenu, nullptr);
	ASSERT_EQ(::GetMenuItemCount(pMenu->GetSafeHmenu()), 1);
	EXPECT_EQ(ItemText(pMenu->GetSafeHmenu(), 0), "&Open");
}

/////////////////////////////////////////////////////////////////////////////
// Tracking

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
	ASSERT_EQ(answer.Popups().size(), 2u);
	const std::vector<kt::MenuAnswer::Item>& open = answer.Popups()[0];
	ASSERT_EQ(open.size(), 4u);
	for (const kt::MenuAnswer::Item& item : open)
		EXPECT_EQ((item.type & MFT_OWNERDRAW) != 0, (item.type & MFT_SEPARATOR) == 0) << "item " << item.id;
	EXPECT_TRUE(open[3].state & MFS_GRAYED);
	EXPECT_GT(owner.m_nMeasured, 0);

	// Closed, each item has the application's data, type, text and state.
	mii = ItemInfo(hMenu, ID_TEST_WRAP, FALSE);
	EXPECT_EQ(mii.dwItemData, 0x1234u);
	EXPECT_FALSE(mii.fType & MFT_OWNERDRAW);
	EXPECT_EQ(ItemText(hMenu, 0), "&Open");
	EXPECT_EQ(ItemText(hMenu, 2), "&Wrap\tF2");
	EXPECT_TRUE(IsGrayed(hMenu, ID_TEST_DELETE));

	EXPECT_TRUE(menu.DestroyMenu());
	EXPECT_FALSE(menu.TrackPopupMenu(0, 0, 0, &owner, NULL));
}

/////////////////////////////////////////////////////////////////////////////
// Drawing

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

	// Runs the action while the menu is open, which is when its items are
	// owner-drawn, then closes it without a choice.
	void WhileOpen(const std::function<void()>& action)
	{
		bool ran = false;
		kt::MenuAnswer answer(m_owner.GetSafeHwnd());
		answer.WhileOpen(
			[&]
			{
				action();
				ran = true;
			});
		m_menu.TrackPopupMenu(TPM_RIGHTBUTTON, 80, 80, &m_owner, NULL);
		kt::PumpPending();
		EXPECT_TRUE(ran) << "the menu never went idle";
	}

	// Draws item nPos into a magenta bitmap, as the menu window would.
	kt::Snapshot Draw(int nPos, UINT state, ULONG_PTR dwData = 0)
	{
		kt::Snapshot shot;
		WhileOpen(
			[&]
			{
				const MENUITEMINFOA mii = ItemInfo(m_menu.GetSafeHmenu(), nPos);
				shot = kt::Snapshot::Draw(kWidth, kHeight, kMagenta,
					[&](HDC hdc)
					{
						DRAWITEMSTRUCT dis = { ODT_MENU, 0, mii.wID, ODA_DRAWENTIRE, state,
							(HWND)m_menu.GetSafeHmenu(), hdc, { 0, 0, kWidth, kHeight },
							dwData ? dwData : mii.dwItemData };
						m_menu.DrawItem(&dis);
					});
			});
		return shot;
	}

	MEASUREITEMSTRUCT Measure(int nPos, ULONG_PTR dwData = 0)
	{
		MEASUREITEMSTRUCT mis = {};
		WhileOpen(
			[&]
			{
				const MENUITEMINFOA mii = ItemInfo(m_menu.GetSafeHmenu(), nPos);
				mis = { ODT_MENU, 0, mii.wID, 0, 0, dwData ? dwData : mii.dwItemData };
				m_menu.MeasureItem(&mis);
			});
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
	HICON m_hIcon = MakeIcon(kIcon);
};

TEST_F(ImageMenuDraw, ItemStatesShowImageLabelAcceleratorAndMarks)
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
	EXPECT_EQ(other.Count(kIcon), 0) << "no image registered for this command";

	// Disabled: grey embossed text, the image in its disabled look, no bar.
	kt::Snapshot disabled = Draw(0, ODS_GRAYED | ODS_SELECTED);
	EXPECT_EQ(disabled.Count(kIcon), 0);
	EXPECT_LT(disabled.Count(crMenu, kImageColumn), 22 * kHeight) << "something is drawn for the image";
	EXPECT_EQ(disabled.At(kWidth - 1, 0), crMenu);
	EXPECT_GT(disabled.Count(::GetSysColor(COLOR_GRAYTEXT), kLabel), 10);
	EXPECT_EQ(disabled.Count(crText, kLabel), 0);
	EXPECT_TRUE(::GetSysColor(COLOR_BTNHIGHLIGHT) == crMenu ||
				disabled.Count(::GetSysColor(COLOR_BTNHIGHLIGHT), kLabel) > 10)
		<< "embossed";

	// Checked: a tick or a bullet where there is no image, else a frame.
	EXPECT_EQ(other.Count(crMenu, kImageColumn), 22 * kHeight);
	kt::Snapshot check = Draw(1, ODS_CHECKED);
	EXPECT_GT(check.Count(crText, kImageColumn), 5);
	kt::Snapshot bullet = Draw(2, ODS_CHECKED);
	EXPECT_GT(bullet.Count(crText, kImageColumn), 5);
	EXPECT_GT(bullet.CountDiff(check, kImageColumn), 5) << "radio items get a bullet, not a tick";

	kt::Snapshot framed = Draw(0, ODS_CHECKED);
	EXPECT_GT(framed.Count(::GetSysColor(COLOR_BTNSHADOW), kImageColumn), 10);
	EXPECT_GT(framed.Count(kIcon, kImageColumn), 0);
}

TEST_F(ImageMenuDraw, ForeignItemsAreLeftAloneAndSizesFollowTheText)
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
}

TEST_F(ImageMenuDraw, TheImageTableKeepsItsOwnCopy)
{
	HICON hIcon = MakeIcon(RGB(20, 160, 60));
	ASSERT_TRUE(CImageMenu::SetCommandImage(ID_TEST_WRAP, hIcon));
	::DestroyIcon(hIcon);
	EXPECT_GT(Draw(1, 0).Count(RGB(20, 160, 60), kImageColumn), 0);

	EXPECT_TRUE(CImageMenu::SetCommandImage(ID_TEST_WRAP, NULL));
	EXPECT_EQ(CImageMenu::GetCommandImage(ID_TEST_WRAP), (HICON)NULL);
	EXPECT_EQ(Draw(1, 0).Count(RGB(20, 160, 60)), 0);
}

} // namespace
