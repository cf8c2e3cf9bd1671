// treectrl.cpp - CTreeCtrl, the tree view wrapper.

#include "afxcmn.h"

#include <cstring>

IMPLEMENT_DYNAMIC(CTreeCtrl, CWnd)

#define SEND(msg, wp, lp) \
	(ASSERT(::IsWindow(m_hWnd)), ::SendMessageA(m_hWnd, (msg), (WPARAM)(wp), (LPARAM)(lp)))

/////////////////////////////////////////////////////////////////////////////
// Construction

CTreeCtrl::CTreeCtrl()
{
}
CTreeCtrl::~CTreeCtrl()
{
}

BOOL CTreeCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
	// Version 6 of the common controls registers its classes only on request.
	INITCOMMONCONTROLSEX icc = { sizeof(icc), ICC_TREEVIEW_CLASSES };
	::InitCommonControlsEx(&icc);
	return CWnd::Create(WC_TREEVIEWA, NULL, dwStyle, rect, pParentWnd, nID);
}

/////////////////////////////////////////////////////////////////////////////
// Attributes

UINT CTreeCtrl::GetCount() const
{
	return (UINT)SEND(TVM_GETCOUNT, 0, 0);
}
UINT CTreeCtrl::GetVisibleCount() const
{
	return (UINT)SEND(TVM_GETVISIBLECOUNT, 0, 0);
}
UINT CTreeCtrl::GetIndent() const
{
	return (UINT)SEND(TVM_GETINDENT, 0, 0);
}
COLORREF CTreeCtrl::SetBkColor(COLORREF clr)
{
	return (COLORREF)SEND(TVM_SETBKCOLOR, 0, clr);
}

CImageList* CTreeCtrl::GetImageList(UINT nImageList) const
{
	return CImageList::FromHandle((HIMAGELIST)SEND(TVM_GETIMAGELIST, nImageList, 0));
}

CImageList* CTreeCtrl::SetImageList(CImageList* pImageList, int nImageListType)
{
	HIMAGELIST hNew = pImageList != NULL ? pImageList->GetSafeHandle() : NULL;
	return CImageList::FromHandle((HIMAGELIST)SEND(TVM_SETIMAGELIST, nImageListType, hNew));
}

HTREEITEM CTreeCtrl::GetNextItem(HTREEITEM hItem, UINT nCode) const
{
	return (HTREEITEM)SEND(TVM_GETNEXTITEM, nCode, hItem);
}

HTREEITEM CTreeCtrl::GetChildItem(HTREEITEM hItem) const
{
	return GetNextItem(hItem, TVGN_CHILD);
}
HTREEITEM CTreeCtrl::GetNextSiblingItem(HTREEITEM hItem) const
{
	return GetNextItem(hItem, TVGN_NEXT);
}
HTREEITEM CTreeCtrl::GetPrevSiblingItem(HTREEITEM hItem) const
{
	return GetNextItem(hItem, TVGN_PREVIOUS);
}
HTREEITEM CTreeCtrl::GetParentItem(HTREEITEM hItem) const
{
	return GetNextItem(hItem, TVGN_PARENT);
}
HTREEITEM CTreeCtrl::GetRootItem() const
{
	return GetNextItem(NULL, TVGN_ROOT);
}
HTREEITEM CTreeCtrl::GetSelectedItem() const
{
	return GetNextItem(NULL, TVGN_CARET);
}
HTREEITEM CTreeCtrl::GetFirstVisibleItem() const
{
	return GetNextItem(NULL, TVGN_FIRSTVISIBLE);
}
HTREEITEM CTreeCtrl::GetNextVisibleItem(HTREEITEM hItem) const
{
	return GetNextItem(hItem, TVGN_NEXTVISIBLE);
}

BOOL CTreeCtrl::GetItem(TVITEM* pItem) const
{
	if (pItem == NULL)
		return FALSE;
	return (BOOL)SEND(TVM_GETITEM, 0, pItem);
}

BOOL CTreeCtrl::SetItem(TVITEM* pItem)
{
	if (pItem == NULL)
		return FALSE;
	return (BOOL)SEND(TVM_SETITEM, 0, pItem);
}

BOOL CTreeCtrl::SetItem(HTREEITEM hItem, UINT nMask, LPCTSTR lpszItem, int nImage, int nSelectedImage,
	UINT nState, UINT nStateMask, LPARAM lParam)
{
	TVITEM item = {};
	item.mask = nMask;
	item.hItem = hItem;
	item.state = nState;
	item.stateMask = nStateMask;
	item.pszText = const_cast<LPTSTR>(lpszItem != NULL ? lpszItem : "");
	item.iImage = nImage;
	item.iSelectedImage = nSelectedImage;
	item.lParam = lParam;
	return SetItem(&item);
}

CString CTreeCtrl::GetItemText(HTREEITEM hItem) const
{
	// The control cuts the label to the buffer, so a full buffer may mean
	// a longer label: try again with a bigger one.
	CString strText;
	for (int nLen = 256; nLen <= 0x100000; nLen *= 2)
	{
		TVITEM item = {};
		item.mask = TVIF_TEXT;
		item.hItem = hItem;
		item.pszText = strText.GetBufferSetLength(nLen);
		if (item.pszText == NULL)
			break;
		item.pszText[0] = '\0';
		item.cchTextMax = nLen + 1;
		if (!SEND(TVM_GETITEM, 0, &item))
			break;
		strText.ReleaseBuffer();
		if (strText.GetLength() < nLen)
			return strText;
	}
	strText.Empty();
	return strText;
}

BOOL CTreeCtrl::SetItemText(HTREEITEM hItem, LPCTSTR lpszItem)
{
	return SetItem(hItem, TVIF_TEXT, lpszItem, 0, 0, 0, 0, 0);
}

BOOL CTreeCtrl::GetItemImage(HTREEITEM hItem, int& nImage, int& nSelectedImage) const
{
	TVITEM item = {};
	item.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE;
	item.hItem = hItem;
	if (!GetItem(&item))
		return FALSE;
	nImage = item.iImage;
	nSelectedImage = item.iSelectedImage;
	return TRUE;
}

BOOL CTreeCtrl::SetItemImage(HTREEITEM hItem, int nImage, int nSelectedImage)
{
	return SetItem(hItem, TVIF_IMAGE | TVIF_SELECTEDIMAGE, NULL, nImage, nSelectedImage, 0, 0, 0);
}

UINT CTreeCtrl::GetItemState(HTREEITEM hItem, UINT nStateMask) const
{
	TVITEM item = {};
	item.mask = TVIF_STATE;
	item.hItem = hItem;
	item.stateMask = nStateMask;
	if (!GetItem(&item))
		return 0;
	return item.state & nStateMask;
}

BOOL CTreeCtrl::SetItemState(HTREEITEM hItem, UINT nState, UINT nStateMask)
{
	return SetItem(hItem, TVIF_STATE, NULL, 0, 0, nState, nStateMask, 0);
}

BOOL CTreeCtrl::ItemHasChildren(HTREEITEM hItem) const
{
	TVITEM item = {};
	item.mask = TVIF_CHILDREN;
	item.hItem = hItem;
	if (!GetItem(&item))
		return FALSE;
	return item.cChildren != 0;
}

BOOL CTreeCtrl::GetItemRect(HTREEITEM hItem, LPRECT lpRect, BOOL bTextOnly) const
{
	if (lpRect == NULL)
		return FALSE;
	// The item goes in through the rectangle's first bytes.
	RECT rc = {};
	memcpy(&rc, &hItem, sizeof(hItem));
	if (!SEND(TVM_GETITEMRECT, bTextOnly, &rc))
		return FALSE;
	*lpRect = rc;
	return TRUE;
}

/////////////////////////////////////////////////////////////////////////////
// Operations

HTREEITEM CTreeCtrl::InsertItem(LPTVINSERTSTRUCT lpInsertStruct)
{
	if (lpInsertStruct == NULL)
		return NULL;
	return (HTREEITEM)SEND(TVM_INSERTITEM, 0, lpInsertStruct);
}

HTREEITEM CTreeCtrl::InsertItem(UINT nMask, LPCTSTR lpszItem, int nImage, int nSelectedImage, UINT nState,
	UINT nStateMask, LPARAM lParam, HTREEITEM hParent, HTREEITEM hInsertAfter)
{
	TVINSERTSTRUCT tvis = {};
	tvis.hParent = hParent;
	tvis.hInsertAfter = hInsertAfter;
	tvis.item.mask = nMask;
	tvis.item.pszText = const_cast<LPTSTR>(lpszItem != NULL ? lpszItem : "");
	tvis.item.iImage = nImage;
	tvis.item.iSelectedImage = nSelectedImage;
	tvis.item.state = nState;
	tvis.item.stateMask = nStateMask;
	tvis.item.lParam = lParam;
	return InsertItem(&tvis);
}

HTREEITEM CTreeCtrl::InsertItem(LPCTSTR lpszItem, HTREEITEM hParent, HTREEITEM hInsertAfter)
{
	return InsertItem(TVIF_TEXT, lpszItem, 0, 0, 0, 0, 0, hParent, hInsertAfter);
}

HTREEITEM CTreeCtrl::InsertItem(LPCTSTR lpszItem, int nImage, int nSelectedImage, HTREEITEM hParent,
	HTREEITEM hInsertAfter)
{
	return InsertItem(TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE, lpszItem, nImage, nSelectedImage, 0, 0, 0,
		hParent, hInsertAfter);
}

BOOL CTreeCtrl::DeleteItem(HTREEITEM hItem)
{
	return (BOOL)SEND(TVM_DELETEITEM, 0, hItem);
}
BOOL CTreeCtrl::DeleteAllItems()
{
	return (BOOL)SEND(TVM_DELETEITEM, 0, TVI_ROOT);
}
BOOL CTreeCtrl::Expand(HTREEITEM hItem, UINT nCode)
{
	return (BOOL)SEND(TVM_EXPAND, nCode, hItem);
}
BOOL CTreeCtrl::Select(HTREEITEM hItem, UINT nCode)
{
	return (BOOL)SEND(TVM_SELECTITEM, nCode, hItem);
}
BOOL CTreeCtrl::SelectItem(HTREEITEM hItem)
{
	return Select(hItem, TVGN_CARET);
}
BOOL CTreeCtrl::EnsureVisible(HTREEITEM hItem)
{
	return (BOOL)SEND(TVM_ENSUREVISIBLE, 0, hItem);
}
BOOL CTreeCtrl::SortChildren(HTREEITEM hItem)
{
	return (BOOL)SEND(TVM_SORTCHILDREN, 0, hItem);
}

HTREEITEM CTreeCtrl::HitTest(CPoint pt, UINT* pFlags) const
{
	TVHITTESTINFO hti = {};
	hti.pt = pt;
	HTREEITEM hItem = HitTest(&hti);
	if (pFlags != NULL)
		*pFlags = hti.flags;
	return hItem;
}

HTREEITEM CTreeCtrl::HitTest(TVHITTESTINFO* pHitTestInfo) const
{
	if (pHitTestInfo == NULL)
		return NULL;
	return (HTREEITEM)SEND(TVM_HITTEST, 0, pHitTestInfo);
}
