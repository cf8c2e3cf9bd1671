// Tests of CImageMenu: loading and filtering a menu resource, tracking with a
// real owner window, and the owner-drawn items' pixels.
#include <qtx/ImageMenu.h>

#include <kavrotest/TestSupport.h>

#include "MenuTestIds.h"

#include <memory>
#include <string>
#include <vector>

namespace
{

// The owner of the menus: update handlers for some commands, a record of the
// WM_COMMAND messages that arrive, and a hook that answers the open menu.
class MenuOwner : public kt::HostWindow
{
public:
	std::vector<UINT> m_commands;
	std::function<void()> m_onMenuIdle;  // run once, on the first WM_ENTERIDLE
	int m_nMeasured = 0;                 // menu items the menu measured
	int m_nDrawn = 0;                    // WM_DRAWITEM messages for menu items

protected:
	afx_msg void OnUpdateDisable(CCmdUI* pCmdUI) { pCmdUI->Enable(FALSE); }
	afx_msg void OnUpdateCheck(CCmdUI* pCmdUI) { pCmdUI->SetCheck(1); }

	virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
	{
		if (message == WM_ENTERIDLE && wParam == MSGF_MENU && m_onMenuIdle)
		{
			auto action = std::move(m_onMenuIdle);
			m_onMenuIdle = nullptr;
			action();
			return 0;
		}
		if (message == WM_COMMAND && lParam == 0)
			m_commands.push_back(LOWORD(wParam));
		const LRESULT result = kt::HostWindow::WindowProc(message, wParam, lParam);
		if (message == WM_MEASUREITEM)
		{
			auto* pMIS = reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam);
			if (pMIS->CtlType == ODT_MENU && pMIS->itemWidth > 0)
				++m_nMeasured;
		}
		else if (message == WM_DRAWITEM
			&& reinterpret_cast<LPDRAWITEMSTRUCT>(lParam)->CtlType == ODT_MENU)
			++m_nDrawn;
		return result;
	}

	DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(MenuOwner, kt::HostWindow)
	ON_UPDATE_COMMAND_UI(ID_TEST_DELETE, OnUpdateDisable)
	ON_UPDATE_COMMAND_UI(ID_TEST_ASCENDING, OnUpdateDisable)
	ON_UPDATE_COMMAND_UI(ID_TEST_WRAP, OnUpdateCheck)
END_MESSAGE_MAP()

// Gives the tests the switch between string and owner-drawn items.
class TestMenu : public CImageMenu
{
public:
	using CImageMenu::BeginOwnerDraw;
	using CImageMenu::EndOwnerDraw;
};

std::string ItemText(HMENU hMenu, int nPos)
{
	char sz[256] = "";
	::GetMenuStringA(hMenu, nPos, sz, sizeof(sz), MF_BYPOSITION);
	return sz;
}

UINT ItemType(HMENU hMenu, int nPos)
{
	MENUITEMINFOA mii = {};
	mii.cbSize = sizeof(mii);
	mii.fMask = MIIM_FTYPE;
	::GetMenuItemInfoA(hMenu, nPos, TRUE, &mii);
	return mii.fType;
}

// Presses keys in the open menu: posted to the thread's queue, which the
// menu's own loop reads.
void PostKeys(HWND hWnd, std::initializer_list<UINT> keys)
{
	for (UINT vk : keys)
	{
		::PostMessageA(hWnd, WM_KEYDOWN, vk, 1);
		::PostMessageA(hWnd, WM_KEYUP, vk, 0xC0000001);
	}
}

// A square icon of one colour, fully opaque.
HICON MakeIcon(COLORREF cr)
{
	const int size = ::GetSystemMetrics(SM_CXSMICON);
	HDC hdcScreen = ::GetDC(NULL);
	HDC hdc = ::CreateCompatibleDC(hdcScreen);
	HBITMAP hbmColor = ::CreateCompatibleBitmap(hdcScreen, size, size);
	HBITMAP hbmMask = ::CreateBitmap(size, size, 1, 1, NULL);
	RECT rc = { 0, 0, size, size };
	HGDIOBJ hOld = ::SelectObject(hdc, hbmColor);
	HBRUSH hbr = ::CreateSolidBrush(cr);
	::FillRect(hdc, &rc, hbr);
	::DeleteObject(hbr);
	::SelectObject(hdc, hbmMask);
	::PatBlt(hdc, 0, 0, size, size, BLACKNESS);
	::SelectObject(hdc, hOld);
	ICONINFO ii = { TRUE, 0, 0, hbmMask, hbmColor };
	HICON hIcon = ::CreateIconIndirect(&ii);
	::DeleteObject(hbmColor);
	::DeleteObject(hbmMask);
	::DeleteDC(hdc);
	::ReleaseDC(NULL, hdcScreen);
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
	EXPECT_EQ(CMenu::FromHandlePermanent(hMenu), pMenu.get());

	// Leading, doubled and trailing separators and the sub-menu that held
	// only a separator are gone.
	ASSERT_EQ(::GetMenuItemCount(hMenu), 5);
	EXPECT_EQ(ItemText(hMenu, 0), "&Open\tCtrl+O");
	EXPECT_TRUE(ItemType(hMenu, 1) & MFT_SEPARATOR);
	EXPECT_EQ(ItemText(hMenu, 2), "&Delete\tDel");
	EXPECT_EQ(ItemText(hMenu, 3), "&Wrap lines");
	EXPECT_EQ(ItemText(hMenu, 4), "&Sort");

	EXPECT_FALSE(::GetMenuState(hMenu, ID_TEST_OPEN, MF_BYCOMMAND) & (MF_GRAYED | MF_CHECKED));
	EXPECT_TRUE(::GetMenuState(hMenu, ID_TEST_DELETE, MF_BYCOMMAND) & MF_GRAYED);
	EXPECT_TRUE(::GetMenuState(hMenu, ID_TEST_WRAP, MF_BYCOMMAND) & MF_CHECKED);
	EXPECT_FALSE(::GetMenuState(hMenu, ID_TEST_WRAP, MF_BYCOMMAND) & MF_GRAYED);

	// Sub-menus are filtered too.
	HMENU hSort = ::GetSubMenu(hMenu, 4);
	ASSERT_NE(hSort, (HMENU)NULL);
	ASSERT_EQ(::GetMenuItemCount(hSort), 3);
	EXPECT_TRUE(::GetMenuState(hSort, 0, MF_BYPOSITION) & MF_GRAYED);
	EXPECT_FALSE(::GetMenuState(hSort, 2, MF_BYPOSITION) & MF_GRAYED);

	// Without an owner, or with one that has no update handlers, the items
	// stay as the resource has them.
	kt::HostWindow plain;
	for (CWnd* pOwner : { (CWnd*)NULL, (CWnd*)&plain })
	{
		std::unique_ptr<CImageMenu> pAll(CImageMenu::LoadFilteredPopupMenu(IDR_CONTEXT, pOwner));
		ASSERT_NE(pAll, nullptr);
		EXPECT_EQ(::GetMenuItemCount(pAll->GetSafeHmenu()), 5);
		EXPECT_FALSE(::GetMenuState(pAll->GetSafeHmenu(), ID_TEST_DELETE, MF_BYCOMMAND) & MF_GRAYED);
		EXPECT_FALSE(::GetMenuState(pAll->GetSafeHmenu(), ID_TEST_WRAP, MF_BYCOMMAND) & MF_CHECKED);
	}
}

TEST(ImageMenuLoad, GivesNullWhenThereIsNothingToShow)
{
	MenuOwner owner;
	EXPECT_EQ(CImageMenu::LoadFilteredPopupMenu(IDR_SEPARATORS_ONLY, &owner), nullptr);
	EXPECT_EQ(CImageMenu::LoadFilteredPopupMenu(IDR_NO_POPUP, &owner), nullptr);
	EXPECT_EQ(CImageMenu::LoadFilteredPopupMenu(999, &owner), nullptr);

	// The first popup is taken even when a plain item stands before it.
	std::unique_ptr<CImageMenu> pMenu(CImageMenu::LoadFilteredPopupMenu(IDR_SECOND_POPUP, &owner));
	ASSERT_NE(pMenu, nullptr);
	ASSERT_EQ(::GetMenuItemCount(pMenu->GetSafeHmenu()), 1);
	EXPECT_EQ(ItemText(pMenu->GetSafeHmenu(), 0), "&Open");
}

/////////////////////////////////////////////////////////////////////////////
// Tracking

TEST(ImageMenuTrack, ChosenCommandReachesTheOwnerAndItemsAreOwnerDrawnMeanwhile)
{
	MenuOwner owner;
	std::unique_ptr<CImageMenu> pMenu(CImageMenu::LoadFilteredPopupMenu(IDR_CONTEXT, &owner));
	ASSERT_NE(pMenu, nullptr);
	HMENU hMenu = pMenu->GetSafeHmenu();

	UINT typeWhileOpen = 0;
	owner.m_onMenuIdle = [&] {
		typeWhileOpen = ItemType(hMenu, 0);
		PostKeys(owner.GetSafeHwnd(), { VK_DOWN, VK_RETURN });
	};
	pMenu->TrackPopupMenu(0, 60, 60, &owner, NULL);
	kt::PumpPending();

	EXPECT_TRUE(typeWhileOpen & MFT_OWNERDRAW);
	EXPECT_GT(owner.m_nMeasured, 0);
	EXPECT_GT(owner.m_nDrawn, 0);
	EXPECT_EQ(owner.m_commands, std::vector<UINT>{ ID_TEST_OPEN });

	// Closed again, the items are plain strings as loaded.
	EXPECT_FALSE(ItemType(hMenu, 0) & MFT_OWNERDRAW);
	EXPECT_EQ(ItemText(hMenu, 0), "&Open\tCtrl+O");
	EXPECT_EQ(ItemText(hMenu, 3), "&Wrap lines");
}

TEST(ImageMenuTrack, StackMenuBuiltWithAppendMenuIsRestoredAfterClosing)
{
	MenuOwner owner;
	CImageMenu menu;
	ASSERT_TRUE(menu.Attach(::CreatePopupMenu()));
	menu.AppendMenu(MF_BYPOSITION, ID_TEST_OPEN, "&Open");
	menu.AppendMenu(MF_SEPARATOR | MF_BYPOSITION, 0, (LPCTSTR)NULL);
	menu.AppendMenu(MF_BYPOSITION, ID_TEST_WRAP, "&Wrap\tF2");
	menu.AppendMenu(MF_BYPOSITION | MF_GRAYED | MF_DISABLED, ID_TEST_DELETE, "&Delete");
	MENUITEMINFOA mii = {};
	mii.cbSize = sizeof(mii);
	mii.fMask = MIIM_DATA;
	mii.dwItemData = 0x1234;
	::SetMenuItemInfoA(menu.GetSafeHmenu(), ID_TEST_WRAP, FALSE, &mii);

	// Closed without a choice: no command.
	owner.m_onMenuIdle = [] { ::EndMenu(); };
	menu.TrackPopupMenu(TPM_RIGHTBUTTON, 80, 80, &owner, NULL);
	kt::PumpPending();
	EXPECT_TRUE(owner.m_commands.empty());

	// The keyboard skips the separator; the item keeps the application's
	// data and text.
	owner.m_onMenuIdle = [&] { PostKeys(owner.GetSafeHwnd(), { VK_DOWN, VK_DOWN, VK_RETURN }); };
	menu.TrackPopupMenu(TPM_RIGHTBUTTON, 80, 80, &owner, NULL);
	kt::PumpPending();
	EXPECT_EQ(owner.m_commands, std::vector<UINT>{ ID_TEST_WRAP });

	// Owner-drawn items still answer their mnemonics.
	owner.m_onMenuIdle = [&] { ::PostMessageA(owner.GetSafeHwnd(), WM_CHAR, 'o', 1); };
	menu.TrackPopupMenu(TPM_RIGHTBUTTON, 80, 80, &owner, NULL);
	kt::PumpPending();
	EXPECT_EQ(owner.m_commands, (std::vector<UINT>{ ID_TEST_WRAP, ID_TEST_OPEN }));

	mii.dwItemData = 0;
	mii.fMask = MIIM_DATA | MIIM_FTYPE;
	ASSERT_TRUE(::GetMenuItemInfoA(menu.GetSafeHmenu(), ID_TEST_WRAP, FALSE, &mii));
	EXPECT_EQ(mii.dwItemData, 0x1234u);
	EXPECT_FALSE(mii.fType & MFT_OWNERDRAW);
	EXPECT_EQ(ItemText(menu.GetSafeHmenu(), 2), "&Wrap\tF2");
	EXPECT_TRUE(::GetMenuState(menu.GetSafeHmenu(), ID_TEST_DELETE, MF_BYCOMMAND) & MF_GRAYED);

	EXPECT_TRUE(menu.DestroyMenu());
	EXPECT_FALSE(menu.TrackPopupMenu(0, 0, 0, &owner, NULL));
}

/////////////////////////////////////////////////////////////////////////////
// Drawing

class ImageMenuDraw : public ::testing::Test
{
protected:
	void SetUp() override
	{
		ASSERT_TRUE(m_menu.Attach(::CreatePopupMenu()));
		m_menu.AppendMenu(MF_STRING, ID_TEST_OPEN, "&Open\tCtrl+O");
		m_menu.AppendMenu(MF_STRING, ID_TEST_WRAP, "Wrap");
		m_menu.AppendMenu(MF_STRING, ID_TEST_ASCENDING, "Ascending");
		MENUITEMINFOA mii = {};
		mii.cbSize = sizeof(mii);
		mii.fMask = MIIM_FTYPE;
		mii.fType = MFT_STRING | MFT_RADIOCHECK;
		::SetMenuItemInfoA(m_menu.GetSafeHmenu(), ID_TEST_ASCENDING, FALSE, &mii);
		m_hIcon = MakeIcon(kIcon);
		ASSERT_TRUE(CImageMenu::SetCommandImage(ID_TEST_OPEN, m_hIcon));
		m_menu.BeginOwnerDraw();
	}
	void TearDown() override
	{
		m_menu.EndOwnerDraw();
		CImageMenu::SetCommandImage(ID_TEST_OPEN, NULL);
		::DestroyIcon(m_hIcon);
	}

	// Draws item nPos into a magenta bitmap, as the menu window would.
	kt::Snapshot Draw(int nPos, UINT state, ULONG_PTR* pData = NULL)
	{
		MENUITEMINFOA mii = {};
		mii.cbSize = sizeof(mii);
		mii.fMask = MIIM_DATA | MIIM_ID;
		::GetMenuItemInfoA(m_menu.GetSafeHmenu(), nPos, TRUE, &mii);
		return kt::Snapshot::Draw(kWidth, kHeight, kMagenta, [&](HDC hdc) {
			DRAWITEMSTRUCT dis = { ODT_MENU, 0, mii.wID, ODA_DRAWENTIRE, state,
				(HWND)m_menu.GetSafeHmenu(), hdc, { 0, 0, kWidth, kHeight },
				pData != NULL ? *pData : mii.dwItemData };
			m_menu.DrawItem(&dis);
		});
	}

	MEASUREITEMSTRUCT Measure(int nPos)
	{
		MENUITEMINFOA mii = {};
		mii.cbSize = sizeof(mii);
		mii.fMask = MIIM_DATA | MIIM_ID;
		::GetMenuItemInfoA(m_menu.GetSafeHmenu(), nPos, TRUE, &mii);
		MEASUREITEMSTRUCT mis = { ODT_MENU, 0, mii.wID, 0, 0, mii.dwItemData };
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

	TestMenu m_menu;
	HICON m_hIcon = NULL;
};

TEST_F(ImageMenuDraw, NormalAndSelectedItemsShowImageLabelAndAccelerator)
{
	const int size = ::GetSystemMetrics(SM_CXSMICON);
	const COLORREF crMenu = ::GetSysColor(COLOR_MENU);
	const COLORREF crText = ::GetSysColor(COLOR_MENUTEXT);

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
}

TEST_F(ImageMenuDraw, DisabledItemIsGreyAndEmbossed)
{
	kt::Snapshot disabled = Draw(0, ODS_GRAYED | ODS_SELECTED);
	EXPECT_EQ(disabled.Count(kIcon), 0) << "the image is drawn in its disabled look";
	EXPECT_EQ(disabled.At(kWidth - 1, 0), ::GetSysColor(COLOR_MENU)) << "no highlight bar";
	EXPECT_GT(disabled.Count(::GetSysColor(COLOR_GRAYTEXT), kLabel), 10);
	EXPECT_EQ(disabled.Count(::GetSysColor(COLOR_MENUTEXT), kLabel), 0);
	if (::GetSysColor(COLOR_BTNHIGHLIGHT) != ::GetSysColor(COLOR_MENU))
	{
		EXPECT_GT(disabled.Count(::GetSysColor(COLOR_BTNHIGHLIGHT), kLabel), 10);
	}
	// Something is drawn where the image goes.
	EXPECT_LT(disabled.Count(::GetSysColor(COLOR_MENU), kImageColumn), 22 * kHeight);
}

TEST_F(ImageMenuDraw, CheckedItemsShowAMarkOrAFramedImage)
{
	const COLORREF crMenu = ::GetSysColor(COLOR_MENU);
	const int columnArea = 22 * kHeight;

	kt::Snapshot unchecked = Draw(1, 0);
	EXPECT_EQ(unchecked.Count(crMenu, kImageColumn), columnArea);

	kt::Snapshot check = Draw(1, ODS_CHECKED);
	EXPECT_GT(check.Count(::GetSysColor(COLOR_MENUTEXT), kImageColumn), 5);
	kt::Snapshot bullet = Draw(2, ODS_CHECKED);
	EXPECT_GT(bullet.Count(::GetSysColor(COLOR_MENUTEXT), kImageColumn), 5);
	EXPECT_GT(bullet.CountDiff(check, kImageColumn), 5) << "radio items get a bullet, not a tick";

	kt::Snapshot framed = Draw(0, ODS_CHECKED);
	EXPECT_GT(framed.Count(::GetSysColor(COLOR_BTNSHADOW), kImageColumn), 10);
	EXPECT_GT(framed.Count(kIcon, kImageColumn), 0);
}

TEST_F(ImageMenuDraw, ForeignItemsAreLeftAloneAndSizesFollowTheText)
{
	ULONG_PTR foreign = 0x4321;
	EXPECT_EQ(Draw(0, 0, &foreign).Count(kMagenta), kWidth * kHeight);
	MEASUREITEMSTRUCT mis = { ODT_MENU, 0, ID_TEST_OPEN, 0, 0, foreign };
	m_menu.MeasureItem(&mis);
	EXPECT_EQ(mis.itemWidth, 0u);

	const MEASUREITEMSTRUCT open = Measure(0);   // "&Open" and "Ctrl+O"
	const MEASUREITEMSTRUCT wrap = Measure(1);   // "Wrap"
	const MEASUREITEMSTRUCT asc = Measure(2);    // "Ascending"
	EXPECT_GE(open.itemHeight, (UINT)::GetSystemMetrics(SM_CXSMICON));
	EXPECT_EQ(wrap.itemHeight, open.itemHeight);
	EXPECT_GT(asc.itemWidth, wrap.itemWidth);
	EXPECT_GT(open.itemWidth, asc.itemWidth) << "room for the accelerator text";
}

TEST_F(ImageMenuDraw, TheImageTableKeepsItsOwnCopy)
{
	// The caller's icon may go once it is registered.
	HICON hIcon = MakeIcon(RGB(20, 160, 60));
	ASSERT_TRUE(CImageMenu::SetCommandImage(ID_TEST_WRAP, hIcon));
	::DestroyIcon(hIcon);
	EXPECT_GT(Draw(1, 0).Count(RGB(20, 160, 60), kImageColumn), 0);

	EXPECT_TRUE(CImageMenu::SetCommandImage(ID_TEST_WRAP, NULL));
	EXPECT_EQ(CImageMenu::GetCommandImage(ID_TEST_WRAP), (HICON)NULL);
	EXPECT_EQ(Draw(1, 0).Count(RGB(20, 160, 60)), 0);
}

} // namespace
