// MenuTest.cpp - CMenu: building, ownership, temporary submenus, resources, owner-draw dispatch.
//
// Classes in this file:
//   OwnerDrawnMenu
#include <afxwin.h>

#include <kavrotest/TestSupport.h>

#include <gtest/gtest.h>

#include "resource.h"

TEST(MenuTest, BuildQueryAndEditItems)
{
	CMenu menu;
	ASSERT_TRUE(menu.CreatePopupMenu());
	ASSERT_TRUE(menu.AppendMenu(MF_STRING, 10, "&Alpha"));
	ASSERT_TRUE(menu.AppendMenu(MF_SEPARATOR));
	ASSERT_TRUE(menu.AppendMenu(MF_STRING, 30, "Gamma"));
	CMenu sub;
	sub.CreatePopupMenu();
	sub.AppendMenu(MF_STRING, 40, "Delta");
	ASSERT_TRUE(menu.AppendMenu(MF_POPUP, reinterpret_cast<UINT_PTR>(sub.Detach()), "Sub"));
	EXPECT_EQ(4u, menu.GetMenuItemCount());
	EXPECT_EQ(10u, menu.GetMenuItemID(0));
	EXPECT_EQ(0u, menu.GetMenuItemID(1));
	EXPECT_EQ(static_cast<UINT>(-1), menu.GetMenuItemID(3));

	CString text;
	EXPECT_EQ(6, menu.GetMenuString(10, text, MF_BYCOMMAND));
	EXPECT_STREQ("&Alpha", text);
	EXPECT_EQ(3, menu.GetMenuString(3, text, MF_BYPOSITION));
	EXPECT_STREQ("Sub", text);
	EXPECT_EQ(0, menu.GetMenuString(999, text, MF_BYCOMMAND));
	EXPECT_TRUE(text.IsEmpty());

	// Check and enable return the previous state.
	EXPECT_EQ(static_cast<UINT>(MF_UNCHECKED), menu.CheckMenuItem(30, MF_CHECKED | MF_BYCOMMAND));
	EXPECT_EQ(static_cast<UINT>(MF_CHECKED), menu.CheckMenuItem(30, MF_UNCHECKED | MF_BYCOMMAND));
	EXPECT_EQ(static_cast<UINT>(MF_ENABLED), menu.EnableMenuItem(10, MF_GRAYED | MF_BYCOMMAND));
	EXPECT_TRUE(menu.GetMenuState(10, MF_BYCOMMAND) & MF_GRAYED);
	EXPECT_EQ(static_cast<UINT>(-1), menu.GetMenuState(999, MF_BYCOMMAND));

	ASSERT_TRUE(menu.InsertMenu(0, MF_BYPOSITION | MF_STRING, 5, "First"));
	ASSERT_TRUE(menu.ModifyMenu(30, MF_BYCOMMAND | MF_STRING, 31, "Gamma 2"));
	EXPECT_EQ(31u, menu.GetMenuItemID(3));
	ASSERT_TRUE(menu.SetDefaultItem(31));
	EXPECT_EQ(31u, menu.GetDefaultItem(0));
	ASSERT_TRUE(menu.DeleteMenu(1, MF_BYPOSITION));
	EXPECT_EQ(4u, menu.GetMenuItemCount());
	EXPECT_EQ(5u, menu.GetMenuItemID(0));

	// RemoveMenu hands a popup back undestroyed; DeleteMenu destroys it.
	HMENU hSub = ::GetSubMenu(menu, 3);
	ASSERT_TRUE(menu.RemoveMenu(3, MF_BYPOSITION));
	EXPECT_TRUE(::IsMenu(hSub));
	CMenu owner;
	owner.Attach(hSub);
}

TEST(MenuTest, ObjectsOwnTheirMenuButTemporariesDoNot)
{
	HMENU hMenu, hSub;
	{
		CMenu menu;
		ASSERT_TRUE(menu.LoadMenu(IDM_VALUES_MENU));
		hMenu = menu;
		EXPECT_EQ(2u, menu.GetMenuItemCount());
		CMenu* pFile = menu.GetSubMenu(0);
		ASSERT_NE(nullptr, pFile);
		hSub = pFile->GetSafeHmenu();
		EXPECT_EQ(pFile, menu.GetSubMenu(0));
		EXPECT_EQ(nullptr, CMenu::FromHandlePermanent(hSub));
		EXPECT_EQ(&menu, CMenu::FromHandlePermanent(hMenu));
		EXPECT_EQ(&menu, CMenu::FromHandle(hMenu));
		EXPECT_EQ(1002u, pFile->GetMenuItemID(1));
		EXPECT_TRUE(pFile->GetMenuState(1002, MF_BYCOMMAND) & MF_GRAYED);
		EXPECT_EQ(nullptr, menu.GetSubMenu(1));

		// Freeing the temporary wrapper leaves the submenu alone.
		CMenu::DeleteTempMap();
		EXPECT_TRUE(::IsMenu(hSub));
	}
	// The destructor destroyed the menu with its submenu.
	EXPECT_FALSE(::IsMenu(hMenu));
	EXPECT_FALSE(::IsMenu(hSub));

	CMenu missing;
	EXPECT_FALSE(missing.LoadMenu(9999));
	EXPECT_EQ(nullptr, missing.GetSafeHmenu());
	EXPECT_FALSE(missing.DestroyMenu());

	HMENU hKept;
	{
		CMenu menu;
		menu.CreateMenu();
		hKept = menu.Detach();
		EXPECT_EQ(nullptr, CMenu::FromHandlePermanent(hKept));
	}
	EXPECT_TRUE(::IsMenu(hKept));
	::DestroyMenu(hKept);
}

namespace
{

// A popup whose items are all owner-drawn: measures them at a fixed size and
// paints them in one colour, recording what it was asked.
class OwnerDrawnMenu : public CMenu
{
public:
	int m_nMeasured = 0;
	int m_nDrawn = 0;
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
	EXPECT_GE(rcPopup.Height(), 42);
	EXPECT_LT(rcPopup.Height(), 60);

	// Outside tracking, the owner has no menu and nothing is dispatched.
	MEASUREITEMSTRUCT mis = { ODT_MENU, 0, 501, 0, 0, 0 };
	owner.SendMessage(WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&mis));
	EXPECT_EQ(2, menu.m_nMeasured);
}
