// MenuTest.cpp - CMenu: building, ownership, temporary submenus, resources, owner-draw dispatch.
//
// Classes in this file:
//   OwnerDrawnMenu
#include <afxwin.h>

#include <kavrotest/TestSupport.h>

#include <gtest/gtest.h>

#include <string>

#include "resource.h"

TEST(MenuTest, ItemTextComesWholeOrNotAtAll)
{
	CMenu menu;
	ASSERT_TRUE(menu.CreatePopupMenu());
	menu.AppendMenu(MF_STRING, 10, "&Alpha");
	menu.AppendMenu(MF_SEPARATOR);
	const std::string strLong(300, 'g');
	menu.AppendMenu(MF_STRING, 30, strLong.c_str());
	EXPECT_EQ(3u, menu.GetMenuItemCount());

	// By command or by position, however long; a missing item has none.
	CString text;
	EXPECT_EQ(6, menu.GetMenuString(10, text, MF_BYCOMMAND));
	EXPECT_STREQ("&Alpha", text);
	EXPECT_EQ(300, menu.GetMenuString(2, text, MF_BYPOSITION));
	EXPECT_EQ(strLong, std::string(text));
	EXPECT_EQ(0, menu.GetMenuString(999, text, MF_BYCOMMAND));
	EXPECT_TRUE(text.IsEmpty());
}

TEST(MenuTest, ObjectsOwnTheirMenuButTemporariesDoNot)
{
	HMENU hMenu, hSub;
	{
		CMenu menu;
		ASSERT_TRUE(menu.LoadMenu(IDM_VALUES_MENU));
		hMenu = menu;
		EXPECT_EQ(&menu, CMenu::FromHandle(hMenu));
		EXPECT_EQ(&menu, CMenu::FromHandlePermanent(hMenu));
		// A submenu comes as a temporary wrapper, the same one until freed.
		CMenu* pFile = menu.GetSubMenu(0);
		ASSERT_NE(nullptr, pFile);
		hSub = pFile->GetSafeHmenu();
		EXPECT_EQ(pFile, menu.GetSubMenu(0));
		EXPECT_EQ(nullptr, CMenu::FromHandlePermanent(hSub));
		EXPECT_EQ(nullptr, menu.GetSubMenu(1));
		// Item operations pass their flags on: by command, then by position.
		EXPECT_EQ(static_cast<UINT>(MF_UNCHECKED), pFile->CheckMenuItem(1001, MF_BYCOMMAND | MF_CHECKED));
		EXPECT_EQ(static_cast<UINT>(MF_CHECKED), pFile->GetMenuState(0, MF_BYPOSITION) & MF_CHECKED);
		// Freeing the temporary wrapper leaves the submenu alone.
		CMenu::DeleteTempMap();
		EXPECT_TRUE(::IsMenu(hSub));
	}
	// The destructor destroyed the menu with its submenu.
	EXPECT_FALSE(::IsMenu(hMenu));
	EXPECT_FALSE(::IsMenu(hSub));

	CMenu missing;
	EXPECT_FALSE(missing.LoadMenu(9999));
	EXPECT_FALSE(missing.DestroyMenu());

	HMENU hKept;
	{
		CMenu menu;
		menu.CreateMenu();
		hKept = menu.Detach();
		EXPECT_EQ(nullptr, CMenu::FromHandlePermanent(hKept));
	}
	EXPECT_TRUE(::DestroyMenu(hKept));
}

namespace
{

// A popup whose items are all owner-drawn: measures them at a fixed size and
// paints them in one colour, recording what it was asked.
class OwnerDrawnMenu : public CMenu
{
public:
	int m_nMeasured = 0, m_nDrawn = 0;
	UINT m_nLastMeasuredID = 0;
	ULONG_PTR m_lastDrawnData = 0;

	virtual void MeasureItem(LPMEASUREITEMSTRUCT lpMIS) override
	{
		++m_nMeasured;
		m_nLastMeasuredID = lpMIS->itemID;
		lpMIS->itemWidth = 80;
		lpMIS->itemHeight = 21;
	}

	virtual void DrawItem(LPDRAWITEMSTRUCT lpDIS) override
	{
		++m_nDrawn;
		m_lastDrawnData = lpDIS->itemData;
		CDC* pDC = CDC::FromHandle(lpDIS->hDC);
		pDC->FillSolidRect(&lpDIS->rcItem, RGB(0, 99, 0));
	}
};

} // namespace

TEST(MenuTest, TrackedPopupMeasuresAndDrawsThroughItsObject)
{
	kt::HostWindow owner;
	kt::MenuAnswer answer(owner.GetSafeHwnd());
	OwnerDrawnMenu menu;
	ASSERT_TRUE(menu.CreatePopupMenu());
	menu.AppendMenu(MF_OWNERDRAW, 501, reinterpret_cast<LPCTSTR>(0x1111));
	menu.AppendMenu(MF_OWNERDRAW, 502, reinterpret_cast<LPCTSTR>(0x2222));

	// Nothing is selected, so the call returns zero once the menu closes.
	BOOL bResult = menu.TrackPopupMenu(TPM_LEFTALIGN | TPM_RETURNCMD, 20, 20, &owner);
	EXPECT_EQ(0, bResult);
	EXPECT_EQ(1, answer.Loops());
	EXPECT_EQ(2, menu.m_nMeasured);
	EXPECT_EQ(502u, menu.m_nLastMeasuredID);
	EXPECT_EQ(2, menu.m_nDrawn);
	EXPECT_EQ(0x2222u, menu.m_lastDrawnData);
	// The popup took the measured size (plus its frame).
	const CRect rcPopup(answer.MenuRect());
	EXPECT_GE(rcPopup.Width(), 80);
	EXPECT_TRUE(rcPopup.Height() >= 42 && rcPopup.Height() < 60) << rcPopup.Height();

	// Outside tracking, the owner has no menu and nothing is dispatched.
	MEASUREITEMSTRUCT mis = { ODT_MENU, 0, 501, 0, 0, 0 };
	owner.SendMessage(WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&mis));
	EXPECT_EQ(2, menu.m_nMeasured);
}
