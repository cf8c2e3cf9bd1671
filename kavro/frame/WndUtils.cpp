// WndUtils.cpp - static helpers for ordinary controls and windows.
#include <afxwin.h>

#include <kavro/WndUtils.h>
#include <qtx/Graphics.h>

#include <algorithm>
#include <stdlib.h>

#include "Frame.h"

// Room for the list box's own margins around the widest text.
static const int kListMargin = 3;
// An owner-drawn entry is drawn with an icon or box in front of its text.
static const int kOwnerDrawMargin = 13;
// Distance that VerifyWndShape keeps from the work area's edges.
static const int kWorkAreaMargin = 5;
// Slack right of the widest tree label, beyond the borders.
static const int kTreeMargin = 5;

// Width of the widest entry text of a list box or a combo box's list, in the
// box's own font (the DC's default font when the box has none). The count is
// asked afresh after every entry.
template <class TBox>
static int WidestEntry(TBox& box, void (TBox::*pfnGetText)(int, CString&) const)
{
	ASSERT(::IsWindow(box.m_hWnd));
	if (!::IsWindow(box.m_hWnd))
		return 0;
	CClientDC dc(&box);
	CFont* pOldFont = dc.SelectObject(box.GetFont());
	int nWidest = 0;
	CString strText;
	for (int i = 0; i < box.GetCount(); ++i)
	{
		(box.*pfnGetText)(i, strText);
		nWidest = std::max(nWidest, static_cast<int>(GetAnsiTextExtent(&dc, strText).cx));
	}
	if (pOldFont != NULL)
		dc.SelectObject(pOldFont);
	return nWidest;
}

// LB_SETCURSEL and CB_SETCURSEL both answer -1 for an index they refuse.
template <class TBox>
static void SelectNear(TBox& box, int nIndex)
{
	if (box.SetCurSel(nIndex) == -1 && box.SetCurSel(nIndex + 1) == -1 && box.SetCurSel(nIndex - 1) == -1)
		box.SetCurSel(-1);
}

template <class TBox>
static void MoveEntry(TBox& box, void (TBox::*pfnGetText)(int, CString&) const, int nSource, int nTarget,
	bool bMoveData)
{
	box.SetRedraw(FALSE);
	CString strText;
	(box.*pfnGetText)(nSource, strText);
	const DWORD_PTR dwData = bMoveData ? box.GetItemData(nSource) : 0;
	box.DeleteString(nSource);
	const int nNew = box.InsertString(nTarget, strText);
	if (bMoveData)
		box.SetItemData(nNew, dwData);
	box.SetCurSel(nNew);
	// The caller repaints when it has finished moving entries.
	box.SetRedraw(TRUE);
}

static CRect WorkArea()
{
	CRect rcWork;
	::SystemParametersInfoA(SPI_GETWORKAREA, 0, &rcWork, 0);
	return rcWork;
}

/////////////////////////////////////////////////////////////////////////////
// Lists

void WndUtils::AdjustHScrollbar(CListBox& listBox)
{
	listBox.SetHorizontalExtent(GetListBoxWidest(listBox));
}

int WndUtils::GetListBoxWidest(CListBox& listBox)
{
	int nWidest = WidestEntry(listBox, &CListBox::GetText);
	if (listBox.GetStyle() & LBS_OWNERDRAWFIXED)
		nWidest += kOwnerDrawMargin;
	return nWidest + kListMargin;
}

void WndUtils::AdjustHScrollbar(CComboBox& comboBox)
{
	comboBox.SetHorizontalExtent(WidestEntry(comboBox, &CComboBox::GetLBText) + kListMargin);
}

int WndUtils::SelectExactString(CListBox& listBox, const CString& strText)
{
	const int nIndex = FindExactString(listBox, strText);
	if (nIndex != -1)
		listBox.SetCurSel(nIndex);
	return nIndex;
}

int WndUtils::FindExactString(CListBox& listBox, const CString& strText)
{
	// The list box matches without case; walk its matches until one has the
	// same case or its search, which wraps at the end, comes back to the first.
	const int nFirst = listBox.FindStringExact(-1, strText);
	int nIndex = nFirst;
	CString strEntry;
	while (nIndex != LB_ERR)
	{
		listBox.GetText(nIndex, strEntry);
		if (strEntry.Compare(strText) == 0)
			return nIndex;
		nIndex = listBox.FindStringExact(nIndex, strText);
		if (nIndex == nFirst)
			break;
	}
	return -1;
}

void WndUtils::SelectNextEntry(CListBox& listBox, int nIndex)
{
	SelectNear(listBox, nIndex);
}

void WndUtils::SelectNextEntry(CComboBox& comboBox, int nIndex)
{
	SelectNear(comboBox, nIndex);
}

void WndUtils::SwapEntries(CListBox& listBox, int nSource, int nTarget, bool bMoveData)
{
	MoveEntry(listBox, &CListBox::GetText, nSource, nTarget, bMoveData);
}

void WndUtils::SwapEntries(CComboBox& comboBox, int nSource, int nTarget, bool bMoveData)
{
	MoveEntry(comboBox, &CComboBox::GetLBText, nSource, nTarget, bMoveData);
}

void WndUtils::Remove3DBorder(CListBox& listBox)
{
	listBox.ModifyStyleEx(WS_EX_CLIENTEDGE, 0);
	listBox.ModifyStyle(0, WS_BORDER);
}

/////////////////////////////////////////////////////////////////////////////
// Edit controls

void WndUtils::AdjustVScrollbar(CEdit& edit)
{
	ASSERT(::IsWindow(edit.m_hWnd));
	if (!::IsWindow(edit.m_hWnd))
		return;
	TEXTMETRIC tm = {};
	{
		CClientDC dc(&edit);
		CFont* pOldFont = dc.SelectObject(edit.GetFont());
		dc.GetTextMetrics(&tm);
		if (pOldFont != NULL)
			dc.SelectObject(pOldFont);
	}
	if (tm.tmHeight <= 0)
		return;
	CRect rcFormat;
	edit.GetRect(&rcFormat);
	const int nVisibleLines = rcFormat.Height() / tm.tmHeight;
	if (nVisibleLines < edit.GetLineCount())
		edit.ModifyStyle(0, WS_VSCROLL, SWP_FRAMECHANGED);
	else
		edit.ModifyStyle(WS_VSCROLL, 0, SWP_FRAMECHANGED);
}

int WndUtils::GetCaretPosition(const CEdit& edit)
{
	// The character index is the low word; the high word is the line.
	return LOWORD(edit.CharFromPos(CWnd::GetCaretPos()));
}

/////////////////////////////////////////////////////////////////////////////
// Windows

void WndUtils::GetActualClientRect(const CWnd& wnd, CRect& rect)
{
	wnd.GetClientRect(&rect);
	const DWORD dwStyle = wnd.GetStyle();
	if (dwStyle & WS_HSCROLL)
		rect.bottom += ::GetSystemMetrics(SM_CYHSCROLL);
	if (dwStyle & WS_VSCROLL)
		rect.right += ::GetSystemMetrics(SM_CXVSCROLL);
}

void WndUtils::FitWindowToSize(CWnd& wnd, int nWidth, int nHeight)
{
	if (nWidth <= 0 || nHeight <= 0)
		return;
	const CRect rcWork = WorkArea();
	CRect rcClient, rcWindow;
	wnd.GetClientRect(&rcClient);
	wnd.GetWindowRect(&rcWindow);

	CRect rcFramed = rcClient;
	::AdjustWindowRectEx(&rcFramed, wnd.GetStyle(), FALSE, wnd.GetExStyle());
	const int cxFrame = abs(rcFramed.left - rcClient.left) + abs(rcFramed.right - rcClient.right);
	const int cyFrame = abs(rcFramed.top - rcClient.top) + abs(rcFramed.bottom - rcClient.bottom);

	int cxClient = 0, cyClient = 0;
	GraphicsUtils::CalculateScaledDims(nWidth, nHeight, rcWork.Width() - cxFrame, rcWork.Height() - cyFrame,
		cxClient, cyClient, false);
	const int cxNew = cxClient + cxFrame;
	const int cyNew = cyClient + cyFrame;

	int x = rcWindow.left;
	int y = rcWindow.top;
	if (x + cxNew > rcWork.right)
		x = rcWork.right - cxNew;
	if (y + cyNew > rcWork.bottom)
		y = rcWork.bottom - cyNew;
	wnd.MoveWindow(std::max(x, 0), std::max(y, 0), cxNew, cyNew, TRUE);
}

void WndUtils::VerifyWndShape(CRect& rect)
{
	if (rect.left == 0 && rect.top == 0 && rect.right == 0 && rect.bottom == 0)
		return;
	const CRect rcWork = WorkArea();
	if (rect.left < rcWork.left)
		rect.OffsetRect(rcWork.left - rect.left + kWorkAreaMargin, 0);
	if (rect.top < rcWork.top)
		rect.OffsetRect(0, rcWork.top - rect.top + kWorkAreaMargin);
	// A rectangle larger than the work area keeps its far edge on it and
	// loses the part that would lie off the screen.
	if (rect.right > rcWork.right)
	{
		rect.OffsetRect(-(rect.right - rcWork.right + kWorkAreaMargin), 0);
		if (rect.left < 0)
			rect.left = kWorkAreaMargin;
	}
	if (rect.bottom > rcWork.bottom)
	{
		rect.OffsetRect(0, -(rect.bottom - rcWork.bottom + kWorkAreaMargin));
		if (rect.top < 0)
			rect.top = kWorkAreaMargin;
	}
}

void WndUtils::TriggerOnSize(CWnd* pWnd)
{
	if (pWnd == NULL)
		return;
	CRect rcClient;
	pWnd->GetClientRect(&rcClient);
	pWnd->SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(rcClient.Width(), rcClient.Height()));
}

CRect WndUtils::GetWindowPlacement(CWnd* pParent, int nID)
{
	CRect rect(0, 0, 0, 0);
	CWnd* pChild = pParent != NULL ? pParent->GetDlgItem(nID) : NULL;
	WINDOWPLACEMENT wp = {};
	wp.length = sizeof(WINDOWPLACEMENT);
	if (pChild != NULL && pChild->GetWindowPlacement(&wp))
		rect = wp.rcNormalPosition;
	return rect;
}

/////////////////////////////////////////////////////////////////////////////
// Tree controls

int WndUtils::GetWidthOfContent(const CTreeCtrl& tree)
{
	// A root item counts at level 1, so one indent stands in for its button.
	int nWidest = 0;
	for (HTREEITEM hRoot = tree.GetNextItem(TVI_ROOT, TVGN_CHILD); hRoot != NULL;
		 hRoot = tree.GetNextItem(hRoot, TVGN_NEXT))
		GetHorizontalExtentHelper(tree, hRoot, 1, nWidest);

	int nWidth = nWidest + static_cast<int>(tree.GetIndent());
	if (tree.GetStyle() & WS_VSCROLL)
		nWidth += ::GetSystemMetrics(SM_CXVSCROLL);
	return nWidth + 2 * ::GetSystemMetrics(SM_CXBORDER) + kTreeMargin;
}

void WndUtils::GetHorizontalExtentHelper(const CTreeCtrl& tree, HTREEITEM hItem, int nLevel, int& nWidest)
{
	// A collapsed branch's items have no label rectangle, so only what the
	// tree shows counts; the depth, not the scroll position, gives the offset.
	CRect rcLabel;
	if (tree.GetItemRect(hItem, &rcLabel, TRUE))
		nWidest = std::max(nWidest, static_cast<int>(tree.GetIndent()) * nLevel + rcLabel.Width());
	for (HTREEITEM hChild = tree.GetNextItem(hItem, TVGN_CHILD); hChild != NULL;
		 hChild = tree.GetNextItem(hChild, TVGN_NEXT))
		GetHorizontalExtentHelper(tree, hChild, nLevel + 1, nWidest);
}
