// DirTreeInput.cpp - the directory tree: notifications, keys, the popup menu, copying and painting.
#include <afxwin.h>
#include <afxcmn.h>

#include <kavro/DirTreeCtrl.h>
#include <qtx/ImageMenu.h>

#include "Frame.h"

// Where the keyboard's popup menu opens when nothing is selected, from the
// client area's top-left corner.
static const int kMenuOffset = 5;

/////////////////////////////////////////////////////////////////////////////
// Notifications

void CDirTreeCtrl::SetMsgWnd(HWND hWnd)
{
	m_hMsgWnd = hWnd;
}

void CDirTreeCtrl::SetContextMenu(UINT nMenuID)
{
	m_nContextMenuID = nMenuID;
}

void CDirTreeCtrl::SetStateReset(bool bReset)
{
	m_bStateReset = bReset;
}

UINT CDirTreeCtrl::GetContextMenuID() const
{
	return m_nContextMenuID;
}

void CDirTreeCtrl::SetSelectChangedMsg(bool bSend)
{
	m_bSendSelChangedMsg = bSend;
}

void CDirTreeCtrl::SetDoDraw(bool bDoDraw)
{
	m_bDoDraw = bDoDraw;
}

void CDirTreeCtrl::BroadcastMsgToParent(UINT nMsg)
{
	if (m_hMsgWnd != NULL && ::IsWindow(m_hMsgWnd))
		::PostMessageA(m_hMsgWnd, nMsg, 0, 0);
}

void CDirTreeCtrl::OnSelchanged(NMHDR* pNMHDR, LRESULT* pResult)
{
	*pResult = 0;
	HTREEITEM hItem = reinterpret_cast<const NMTREEVIEW*>(pNMHDR)->itemNew.hItem;
	if (hItem == NULL)
		return;
	const CString strPath = GetItemPath(hItem);
	if (strPath.IsEmpty())
		return;
	m_strSelectedDir = strPath;
	if (m_bSendSelChangedMsg)
		BroadcastMsgToParent(MSG_DIR_TREE_SELCHANGED);
	// A selection made by keys may have scrolled the view.
	PrioritiseVisibleProbes(false);
}

/////////////////////////////////////////////////////////////////////////////
// Keys

void CDirTreeCtrl::OnKeydown(NMHDR* pNMHDR, LRESULT* pResult)
{
	*pResult = 0;
	const WORD wVKey = reinterpret_cast<const NMTVKEYDOWN*>(pNMHDR)->wVKey;
	if (wVKey != VK_RETURN && wVKey != VK_ESCAPE)
		return;
	if (wVKey == VK_RETURN)
	{
		HTREEITEM hItem = GetSelectedItem();
		if (hItem != NULL)
		{
			// Enter always reads the branch again.
			m_bStateReset = true;
			ExpandBranch(hItem, !IsBranchExpanded(hItem));
			m_bStateReset = false;
		}
	}
	CWnd* pParent = GetParent();
	if (pParent != NULL)
		pParent->SendMessage(wVKey == VK_RETURN ? MSG_DIR_TREE_KEY_ENTER : MSG_DIR_TREE_KEY_ESCAPE, 0, 0);
}

BOOL CDirTreeCtrl::PreTranslateMessage(MSG* pMsg)
{
	if (pMsg->message == WM_CONTEXTMENU)
	{
		DisplayContextMenu();
		return TRUE;
	}
	if (pMsg->message == WM_KEYDOWN || pMsg->message == WM_SYSKEYDOWN)
	{
		if (pMsg->wParam == VK_HOME && Keyboard::IsCtrlKeyDown())
		{
			HTREEITEM hItem = GetRootItem();
			if (hItem != NULL)
				SelectItem(hItem);
			return TRUE;
		}
		if (pMsg->wParam == VK_APPS || (pMsg->wParam == VK_F10 && Keyboard::IsShiftKeyDown()))
		{
			DisplayContextMenu();
			return TRUE;
		}
	}
	return CTreeCtrl::PreTranslateMessage(pMsg);
}

/////////////////////////////////////////////////////////////////////////////
// Popup menu and copying

void CDirTreeCtrl::OnRButtonDown(UINT /*nFlags*/, CPoint point)
{
	const MSG* pMsg = GetCurrentMessage();
	if (pMsg == NULL)
		return;
	SetFocus();
	HTREEITEM hItem = HitTest(point);
	if (hItem != NULL)
		SelectItem(hItem);
	OnPopupMenu(pMsg->pt);
}

void CDirTreeCtrl::DisplayContextMenu()
{
	CPoint point;
	HTREEITEM hItem = GetSelectedItem();
	CRect rect;
	if (hItem != NULL)
	{
		EnsureVisible(hItem);
		GetItemRect(hItem, &rect, TRUE);
		ClientToScreen(&rect);
		point = CPoint(rect.left, rect.bottom);
	}
	else
	{
		GetClientRect(&rect);
		ClientToScreen(&rect);
		point = CPoint(rect.left + kMenuOffset, rect.top + kMenuOffset);
	}
	OnPopupMenu(point);
}

void CDirTreeCtrl::OnPopupMenu(const CPoint& point)
{
	if (m_nContextMenuID == 0)
		return;
	CWnd* pParent = GetParent();
	CImageMenu* pPopup = CImageMenu::LoadFilteredPopupMenu(m_nContextMenuID, pParent);
	if (pPopup == NULL)
		return;
	UpdateContextMenu(pPopup);
	pPopup->TrackPopupMenu(0, point.x, point.y, pParent, NULL);
	delete pPopup;
}

void CDirTreeCtrl::UpdateContextMenu(CMenu* /*pMenu*/)
{
}

void CDirTreeCtrl::OnEditCopy()
{
	HTREEITEM hItem = GetSelectedItem();
	if (hItem != NULL)
		ClipboardUtils::CopyTextToClipboard(GetItemText(hItem));
}

void CDirTreeCtrl::OnUpdateEditCopy(CCmdUI* pCmdUI)
{
	pCmdUI->Enable(GetSelectedItem() != NULL);
}

/////////////////////////////////////////////////////////////////////////////
// Painting

void CDirTreeCtrl::OnPaint()
{
	// Validated even while drawing is off, or the paint would come back at once.
	CPaintDC dc(this);
	if (!m_bDoDraw)
		return;
	CDC memDC;
	if (!memDC.CreateCompatibleDC(&dc))
	{
		DefWindowProc(WM_PAINT, reinterpret_cast<WPARAM>(dc.m_hDC), 0);
		return;
	}

	CRect rcClip, rcClient;
	dc.GetClipBox(&rcClip);
	GetClientRect(&rcClient);
	CBitmap bitmap;
	bitmap.CreateCompatibleBitmap(&dc, rcClient.Width(), rcClient.Height());
	CBitmap* pOldBitmap = memDC.SelectObject(&bitmap);
	memDC.IntersectClipRect(&rcClip);
	// The tree paints only its items into a DC it is handed; the erase it
	// would have had comes first.
	memDC.FillSolidRect(&rcClient, ::GetSysColor(COLOR_WINDOW));
	DefWindowProc(WM_PAINT, reinterpret_cast<WPARAM>(memDC.m_hDC), 0);

	// Unselected labels again, in the control's font and colour.
	CFont font;
	CFont* pOldFont = NULL;
	LOGFONTA lf;
	if (m_pFont != NULL && m_pFont->GetLogFont(&lf) && font.CreateFontIndirect(&lf))
		pOldFont = memDC.SelectObject(&font);
	memDC.SetBkColor(::GetSysColor(COLOR_WINDOW));
	memDC.SetTextColor(m_crText);
	const UINT nVisible = GetVisibleCount() + 1;
	HTREEITEM hItem = GetFirstVisibleItem();
	for (UINT i = 0; hItem != NULL && i < nVisible; ++i, hItem = GetNextVisibleItem(hItem))
	{
		CRect rcLabel;
		if ((GetItemState(hItem, TVIS_SELECTED) & TVIS_SELECTED) == 0 && GetItemRect(hItem, &rcLabel, TRUE))
			AnsiTextOut(&memDC, rcLabel.left + 2, rcLabel.top + 1, GetItemText(hItem));
	}

	dc.BitBlt(rcClip.left, rcClip.top, rcClip.Width(), rcClip.Height(), &memDC, rcClip.left, rcClip.top,
		SRCCOPY);
	if (pOldFont != NULL)
		memDC.SelectObject(pOldFont);
	memDC.SelectObject(pOldBitmap);
}
