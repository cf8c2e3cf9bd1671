// menu.cpp - CMenu: menu wrapper, item operations and owner-draw dispatch.
//
// Classes in this file:
//   CTrackingScope
#include "afxwin.h"
#include "handlemap_.h"
#include "menu_impl_.h"

namespace
{
CMenu* NewTempMenu(HMENU hMenu)
{
	CMenu* pMenu = new CMenu;
	pMenu->m_hMenu = hMenu;
	return pMenu;
}

void DeleteTempMenu(CMenu* pMenu)
{
	pMenu->m_hMenu = NULL;
	delete pMenu;
}

CHandleMap<CMenu, HMENU>& MapHMENU()
{
	static thread_local CHandleMap<CMenu, HMENU> map(&NewTempMenu, &DeleteTempMenu);
	return map;
}

UINT_PTR BitmapItem(const CBitmap* pBmp)
{
	return reinterpret_cast<UINT_PTR>(pBmp != NULL ? pBmp->m_hObject : NULL);
}
} // namespace

// Set while CMenu::TrackPopupMenu runs on the thread.
static thread_local CMenu* g_pTrackedMenu = NULL;
static thread_local HWND g_hTrackingWindow = NULL;

namespace
{
// Records the tracked popup and its owner for the owner's WM_MEASUREITEM,
// which names no menu. A handler may track another popup meanwhile, so
// the previous pair comes back afterwards.
class CTrackingScope
{
public:
	CTrackingScope(CMenu* pMenu, CWnd* pWnd)
		: m_pOldMenu(g_pTrackedMenu)
		, m_hOldWnd(g_hTrackingWindow)
	{
		g_pTrackedMenu = pMenu;
		g_hTrackingWindow = pWnd != NULL ? pWnd->m_hWnd : NULL;
	}
	~CTrackingScope()
	{
		g_pTrackedMenu = m_pOldMenu;
		g_hTrackingWindow = m_hOldWnd;
	}
	HWND Owner() const { return g_hTrackingWindow; }

private:
	CMenu* m_pOldMenu;
	HWND m_hOldWnd;
};
} // namespace

CMenu* AFXAPI AfxGetTrackedMenu()
{
	return g_pTrackedMenu;
}

HWND AFXAPI AfxGetTrackingWindow()
{
	return g_hTrackingWindow;
}

IMPLEMENT_DYNCREATE(CMenu, CObject)

/////////////////////////////////////////////////////////////////////////////
// Construction and the handle map

CMenu::CMenu()
	: m_hMenu(NULL)
{
}

CMenu::~CMenu()
{
	DestroyMenu();
}

HMENU CMenu::GetSafeHmenu() const
{
	return m_hMenu;
}

CMenu* PASCAL CMenu::FromHandle(HMENU hMenu)
{
	return MapHMENU().FromHandle(hMenu);
}

CMenu* PASCAL CMenu::FromHandlePermanent(HMENU hMenu)
{
	return hMenu != NULL ? MapHMENU().LookupPermanent(hMenu) : NULL;
}

void PASCAL CMenu::DeleteTempMap()
{
	MapHMENU().DeleteTemp();
}

BOOL CMenu::Attach(HMENU hMenu)
{
	if (hMenu == NULL || m_hMenu != NULL)
		return FALSE;
	m_hMenu = hMenu;
	MapHMENU().SetPermanent(m_hMenu, this);
	return TRUE;
}

HMENU CMenu::Detach()
{
	HMENU hMenu = m_hMenu;
	if (hMenu != NULL && MapHMENU().LookupPermanent(hMenu) == this)
		MapHMENU().RemoveHandle(hMenu);
	m_hMenu = NULL;
	return hMenu;
}

BOOL CMenu::CreateMenu()
{
	return Attach(::CreateMenu());
}

BOOL CMenu::CreatePopupMenu()
{
	return Attach(::CreatePopupMenu());
}

BOOL CMenu::LoadMenu(LPCTSTR lpszResourceName)
{
	if (lpszResourceName == NULL || m_hMenu != NULL)
		return FALSE;
	HINSTANCE hInst = AfxFindResourceHandle(lpszResourceName, RT_MENU);
	if (hInst == NULL)
		return FALSE;
	return Attach(::LoadMenu(hInst, lpszResourceName));
}

BOOL CMenu::LoadMenu(UINT nIDResource)
{
	return LoadMenu(MAKEINTRESOURCE(nIDResource));
}

BOOL CMenu::LoadMenuIndirect(const void* lpMenuTemplate)
{
	if (lpMenuTemplate == NULL)
		return FALSE;
	return Attach(::LoadMenuIndirect(lpMenuTemplate));
}

BOOL CMenu::DestroyMenu()
{
	if (m_hMenu == NULL)
		return FALSE;
	return ::DestroyMenu(Detach());
}

/////////////////////////////////////////////////////////////////////////////
// Items

BOOL CMenu::TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd, LPCRECT lpRect)
{
	CTrackingScope scope(this, pWnd);
	return ::TrackPopupMenu(m_hMenu, nFlags, x, y, 0, scope.Owner(), lpRect);
}

BOOL CMenu::TrackPopupMenuEx(UINT fuFlags, int x, int y, CWnd* pWnd, LPTPMPARAMS lptpm)
{
	CTrackingScope scope(this, pWnd);
	return ::TrackPopupMenuEx(m_hMenu, fuFlags, x, y, scope.Owner(), lptpm);
}

BOOL CMenu::DeleteMenu(UINT nPosition, UINT nFlags)
{
	return ::DeleteMenu(m_hMenu, nPosition, nFlags);
}

BOOL CMenu::AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, LPCTSTR lpszNewItem)
{
	return ::AppendMenu(m_hMenu, nFlags, nIDNewItem, lpszNewItem);
}

BOOL CMenu::AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, const CBitmap* pBmp)
{
	return ::AppendMenu(m_hMenu, nFlags | MF_BITMAP, nIDNewItem, reinterpret_cast<LPCTSTR>(BitmapItem(pBmp)));
}

UINT CMenu::CheckMenuItem(UINT nIDCheckItem, UINT nCheck)
{
	return static_cast<UINT>(::CheckMenuItem(m_hMenu, nIDCheckItem, nCheck));
}

BOOL CMenu::CheckMenuRadioItem(UINT nIDFirst, UINT nIDLast, UINT nIDItem, UINT nFlags)
{
	return ::CheckMenuRadioItem(m_hMenu, nIDFirst, nIDLast, nIDItem, nFlags);
}

UINT CMenu::EnableMenuItem(UINT nIDEnableItem, UINT nEnable)
{
	return static_cast<UINT>(::EnableMenuItem(m_hMenu, nIDEnableItem, nEnable));
}

UINT CMenu::GetMenuItemCount() const
{
	return static_cast<UINT>(::GetMenuItemCount(m_hMenu));
}

UINT CMenu::GetMenuItemID(int nPos) const
{
	return ::GetMenuItemID(m_hMenu, nPos);
}

UINT CMenu::GetMenuState(UINT nID, UINT nFlags) const
{
	return ::GetMenuState(m_hMenu, nID, nFlags);
}

int CMenu::GetMenuString(UINT nIDItem, LPTSTR lpString, int nMaxCount, UINT nFlags) const
{
	return ::GetMenuString(m_hMenu, nIDItem, lpString, nMaxCount, nFlags);
}

int CMenu::GetMenuString(UINT nIDItem, CString& rString, UINT nFlags) const
{
	// A NULL buffer asks for the length first.
	int nLength = ::GetMenuString(m_hMenu, nIDItem, NULL, 0, nFlags);
	if (nLength <= 0)
	{
		rString.Empty();
		return 0;
	}
	LPTSTR pBuf = rString.GetBuffer(nLength);
	if (pBuf == NULL)
		return 0;
	nLength = ::GetMenuString(m_hMenu, nIDItem, pBuf, nLength + 1, nFlags);
	rString.ReleaseBuffer(nLength > 0 ? nLength : 0);
	return rString.GetLength();
}

BOOL CMenu::GetMenuItemInfo(UINT uItem, LPMENUITEMINFO lpMenuItemInfo, BOOL fByPos)
{
	return lpMenuItemInfo != NULL && ::GetMenuItemInfo(m_hMenu, uItem, fByPos, lpMenuItemInfo);
}

BOOL CMenu::SetMenuItemInfo(UINT uItem, LPMENUITEMINFO lpMenuItemInfo, BOOL fByPos)
{
	return lpMenuItemInfo != NULL && ::SetMenuItemInfo(m_hMenu, uItem, fByPos, lpMenuItemInfo);
}

CMenu* CMenu::GetSubMenu(int nPos) const
{
	return CMenu::FromHandle(::GetSubMenu(m_hMenu, nPos));
}

BOOL CMenu::InsertMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, LPCTSTR lpszNewItem)
{
	return ::InsertMenu(m_hMenu, nPosition, nFlags, nIDNewItem, lpszNewItem);
}

BOOL CMenu::InsertMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, const CBitmap* pBmp)
{
	return ::InsertMenu(m_hMenu, nPosition, nFlags | MF_BITMAP, nIDNewItem,
		reinterpret_cast<LPCTSTR>(BitmapItem(pBmp)));
}

BOOL CMenu::ModifyMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, LPCTSTR lpszNewItem)
{
	return ::ModifyMenu(m_hMenu, nPosition, nFlags, nIDNewItem, lpszNewItem);
}

BOOL CMenu::ModifyMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, const CBitmap* pBmp)
{
	return ::ModifyMenu(m_hMenu, nPosition, nFlags | MF_BITMAP, nIDNewItem,
		reinterpret_cast<LPCTSTR>(BitmapItem(pBmp)));
}

BOOL CMenu::RemoveMenu(UINT nPosition, UINT nFlags)
{
	return ::RemoveMenu(m_hMenu, nPosition, nFlags);
}

BOOL CMenu::SetMenuItemBitmaps(UINT nPosition, UINT nFlags, const CBitmap* pBmpUnchecked,
	const CBitmap* pBmpChecked)
{
	return ::SetMenuItemBitmaps(m_hMenu, nPosition, nFlags,
		reinterpret_cast<HBITMAP>(BitmapItem(pBmpUnchecked)),
		reinterpret_cast<HBITMAP>(BitmapItem(pBmpChecked)));
}

BOOL CMenu::SetDefaultItem(UINT uItem, BOOL fByPos)
{
	return ::SetMenuDefaultItem(m_hMenu, uItem, fByPos);
}

UINT CMenu::GetDefaultItem(UINT gmdiFlags, BOOL fByPos)
{
	return ::GetMenuDefaultItem(m_hMenu, fByPos, gmdiFlags);
}

// Owner-drawn items are drawn and measured by a derived class.
void CMenu::DrawItem(LPDRAWITEMSTRUCT)
{
}

void CMenu::MeasureItem(LPMEASUREITEMSTRUCT)
{
}

/////////////////////////////////////////////////////////////////////////////
// Owner-draw dispatch

CMenu* AFXAPI _AfxFindPopupMenuFromID(CMenu* pMenu, UINT nID)
{
	if (pMenu == NULL || pMenu->m_hMenu == NULL)
		return NULL;
	HMENU hMenu = pMenu->m_hMenu;
	int nItems = ::GetMenuItemCount(hMenu);
	for (int iItem = 0; iItem < nItems; ++iItem)
	{
		HMENU hSubMenu = ::GetSubMenu(hMenu, iItem);
		if (hSubMenu != NULL)
		{
			CMenu* pFound = _AfxFindPopupMenuFromID(CMenu::FromHandle(hSubMenu), nID);
			if (pFound != NULL)
				return pFound;
		}
		else if (::GetMenuItemID(hMenu, iItem) == nID)
		{
			return CMenu::FromHandlePermanent(hMenu);
		}
	}
	return NULL;
}

BOOL AFXAPI _AfxMeasureMenuItem(HWND hWnd, LPMEASUREITEMSTRUCT lpMeasureItemStruct)
{
	if (lpMeasureItemStruct == NULL || lpMeasureItemStruct->CtlType != ODT_MENU)
		return FALSE;
	CMenu* pMenu;
	if (g_pTrackedMenu != NULL && g_hTrackingWindow == hWnd)
		pMenu = g_pTrackedMenu;
	else
		pMenu = CMenu::FromHandle(::GetMenu(hWnd));
	pMenu = _AfxFindPopupMenuFromID(pMenu, lpMeasureItemStruct->itemID);
	if (pMenu == NULL)
		return FALSE;
	pMenu->MeasureItem(lpMeasureItemStruct);
	return TRUE;
}

BOOL AFXAPI _AfxDrawMenuItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
	if (lpDrawItemStruct == NULL || lpDrawItemStruct->CtlType != ODT_MENU)
		return FALSE;
	// For menu items hwndItem carries the HMENU that holds the item.
	CMenu* pMenu = CMenu::FromHandlePermanent(reinterpret_cast<HMENU>(lpDrawItemStruct->hwndItem));
	if (pMenu == NULL)
		return FALSE;
	pMenu->DrawItem(lpDrawItemStruct);
	return TRUE;
}
