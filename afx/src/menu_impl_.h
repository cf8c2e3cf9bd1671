// menu_impl_.h - owner-draw menu dispatch (internal to kavroafx.dll).
//
// WM_DRAWITEM for a menu item names its HMENU, but WM_MEASUREITEM names only
// the item's ID. CMenu::TrackPopupMenu therefore records the menu it tracks
// and the window that owns it, so that the owner's OnMeasureItem can find the
// CMenu object whose MeasureItem to call.
#pragma once

#include "afxgdi_.h"

// The CMenu whose TrackPopupMenu is running on this thread, or NULL.
CMenu* AFXAPI AfxGetTrackedMenu();
// The window that receives the tracked menu's messages, or NULL.
HWND AFXAPI AfxGetTrackingWindow();

// The permanent CMenu of the popup, among pMenu and its submenus, that holds
// an item with the ID nID; NULL when there is none.
CMenu* AFXAPI _AfxFindPopupMenuFromID(CMenu* pMenu, UINT nID);

// For CWnd::OnMeasureItem / OnDrawItem with CtlType == ODT_MENU: hand the
// message to the menu's MeasureItem / DrawItem. hWnd is the window that got
// WM_MEASUREITEM: the tracked popup is searched when it belongs to hWnd, the
// window's menu bar otherwise. TRUE when a CMenu handled it.
BOOL AFXAPI _AfxMeasureMenuItem(HWND hWnd, LPMEASUREITEMSTRUCT lpMeasureItemStruct);
BOOL AFXAPI _AfxDrawMenuItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
