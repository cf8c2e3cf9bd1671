// WndUtils.h - static helpers that measure, scroll, select in and fit ordinary controls and windows.
//
// Classes in this file:
//   WndUtils
#pragma once

#include <afxwin.h>
#include <afxcmn.h>

// Every operation works on the window of the object it is given, through the
// control's standard messages, on the thread that owns the window. None of
// them keeps state; a failed message is absorbed.
class AFX_EXT_CLASS WndUtils
{
// Construction
private:
	WndUtils() = delete;

// Operations
public:
	// Lists: text widths and horizontal extents.

	// Sets the list box's horizontal extent (LB_SETHORIZONTALEXTENT) to
	// GetListBoxWidest; the scroll bar shows only with WS_HSCROLL.
	static void AdjustHScrollbar(CListBox& listBox);
	// Widest entry text in the box's font, + 13 for LBS_OWNERDRAWFIXED, + 3.
	static int GetListBoxWidest(CListBox& listBox);
	// Sets the combo box's horizontal extent to its widest entry text + 3.
	static void AdjustHScrollbar(CComboBox& comboBox);

	// Lists: finding, selecting and moving entries.

	// FindExactString, then LB_SETCURSEL on the entry found; returns its
	// index, or -1 when none matches (the selection is then left alone).
	static int SelectExactString(CListBox& listBox, const CString& strText);
	// Index of the entry whose text equals strText with case, or -1.
	static int FindExactString(CListBox& listBox, const CString& strText);
	// Selects nIndex, else nIndex + 1, else nIndex - 1, else nothing.
	static void SelectNextEntry(CListBox& listBox, int nIndex);
	static void SelectNextEntry(CComboBox& comboBox, int nIndex);
	// Moves the entry at nSource to nTarget (counted after the removal; -1
	// appends) and selects it, with redrawing off meanwhile. Only the text,
	// and the item data when bMoveData is true, go with it.
	static void SwapEntries(CListBox& listBox, int nSource, int nTarget, bool bMoveData);
	static void SwapEntries(CComboBox& comboBox, int nSource, int nTarget, bool bMoveData);

	// Edit controls.

	// Shows WS_VSCROLL only when the lines do not fit the formatting rectangle.
	static void AdjustVScrollbar(CEdit& edit);
	// Index (0 to 65535) of the character at the thread's caret (EM_CHARFROMPOS).
	static int GetCaretPosition(const CEdit& edit);

	// Windows.

	// The client rectangle as it would be without the window's scroll bars.
	static void GetActualClientRect(const CWnd& wnd, CRect& rect);
	// Gives a top-level window a client area of nWidth x nHeight, scaled down
	// to fit the work area, and moves it onto the work area. Does nothing
	// unless both are greater than 0.
	static void FitWindowToSize(CWnd& wnd, int nWidth, int nHeight);
	// Shifts a screen rectangle onto the work area with a margin of 5 pixels,
	// narrowing it only when it is wider or taller than the work area. An
	// all-zero rectangle is left alone.
	static void VerifyWndShape(CRect& rect);
	// Sends WM_SIZE (SIZE_RESTORED) with the current client size; NULL is ignored.
	static void TriggerOnSize(CWnd* pWnd);
	// The normal-position rectangle of the parent's child nID; empty when
	// there is no such child.
	static CRect GetWindowPlacement(CWnd* pParent, int nID);

	// Tree controls and list boxes.

	// Width in pixels that the labels of the tree's shown items need: the
	// widest indent x depth + label width, plus one indent, the vertical
	// scroll bar when the tree has WS_VSCROLL, and the borders.
	static int GetWidthOfContent(const CTreeCtrl& tree);
	// Replaces the list box's sunken WS_EX_CLIENTEDGE with a flat WS_BORDER;
	// the frame is not recalculated.
	static void Remove3DBorder(CListBox& listBox);

// Implementation
protected:
	// Raises nWidest to indent x nLevel + label width of hItem when the tree
	// shows its label, then does the same for every child at nLevel + 1.
	static void GetHorizontalExtentHelper(const CTreeCtrl& tree, HTREEITEM hItem, int nLevel, int& nWidest);
};
