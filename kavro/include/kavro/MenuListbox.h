// MenuListbox.h - list boxes with a right-click popup menu, whole-line wheel scrolling and highlights.
//
// Classes in this file:
//   CMenuListbox, CHighlightListbox
#pragma once

#include <afxwin.h>

#include <set>

/////////////////////////////////////////////////////////////////////////////
// CMenuListbox
//
// Bind it to a list box of a dialog or create it as a child window. A right
// click on an entry selects the entry (without LBN_SELCHANGE) and opens the
// popup of the menu resource set with SetMenuResID, filtered through the
// parent's update handlers; the chosen command goes to the parent. The
// mouse wheel scrolls whole lines, as many per notch as the user's setting
// asks; partial turns add up until they make a notch.

class AFX_EXT_CLASS CMenuListbox : public CListBox
{
// Construction
public:
	CMenuListbox();
	virtual ~CMenuListbox();

// Operations
public:
	// The menu resource whose first popup a right click shows; 0 shows none.
	void SetMenuResID(UINT nMenuResID);

// Implementation
protected:
	int m_nScrollLines;        // lines per wheel notch; below 1 the wheel scrolls nothing
	int m_nVertWheelRemainder; // wheel distance not yet turned into notches
	int m_nHorzWheelRemainder; // the same for the horizontal wheel
	UINT m_nMenuResID;

	// Posts one scroll message per whole line that the wheel distance
	// makes, each with lParam 0: nLineBack for a positive delta, nLineOn
	// otherwise.
	void ScrollByWheel(int& nRemainder, short zDelta, UINT nScrollMsg, UINT nLineBack, UINT nLineOn);

// Message handlers
protected:
	afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
	// Posts WM_VSCROLL SB_LINEUP (delta above 0) or SB_LINEDOWN per line;
	// always TRUE, the list box's own wheel handling is not called.
	afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
	// The horizontal counterpart, posting WM_HSCROLL SB_LINERIGHT or
	// SB_LINELEFT. Not in the message map: a derived class maps it when it
	// wants horizontal wheel scrolling.
	afx_msg BOOL OnMouseHWheel(UINT nFlags, short zDelta, CPoint pt);

	DECLARE_MESSAGE_MAP()
};

/////////////////////////////////////////////////////////////////////////////
// CHighlightListbox
//
// A CMenuListbox that draws its entries in a font of its own, those whose
// indices the application marked in the highlight colour. The list box must
// be owner-drawn and keep its strings (LBS_HASSTRINGS). The font and the item
// height are made when the window is created through this class (a fixed-height
// list box is given that height then); a bound dialog list box has neither and
// draws in the device context's font.
// Highlights stay with their indices when entries are inserted or deleted.

class AFX_EXT_CLASS CHighlightListbox : public CMenuListbox
{
// Construction
public:
	CHighlightListbox();
	virtual ~CHighlightListbox();

// Operations
public:
	// Marks the entry at nIndex; no redraw.
	void SetHighlight(int nIndex);
	// Marks the first entry whose text equals strText exactly (case
	// included); nothing when none does. No redraw.
	void SetHighlight(const CString& strText);
	// Unmarks every entry and repaints the whole list box (with erasing).
	void ClearHighlights();
	// Text colour of highlighted entries that are not selected; no redraw.
	void SetHighlightColor(COLORREF crHighlight);

// Overridables
public:
	virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
	virtual void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) override;

// Implementation
protected:
	int m_nItemHeight; // 0 until the window is created through this class
	COLORREF m_crHighlight;
	CFont m_font;
	std::set<int> m_highlights;

// Message handlers
protected:
	afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);

	DECLARE_MESSAGE_MAP()
};
