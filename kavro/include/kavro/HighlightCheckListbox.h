// HighlightCheckListbox.h - a check list box whose marked entries are drawn bold in a highlight colour.
//
// Classes in this file:
//   CHighlightCheckListbox
#pragma once

#include <afxwin.h>

#include <set>

/////////////////////////////////////////////////////////////////////////////
// CHighlightCheckListbox
//
// The list box must be owner-drawn and keep its strings (LBS_HASSTRINGS).
// Entries are drawn in a regular font, highlighted ones in its bold twin and
// the highlight colour (red unless set), which shows on disabled entries
// too. The fonts come from SetFont, or else from the creation of the window
// through this class; the item height is measured with the bold font. A
// bound dialog list box that was given no fonts draws in the device
// context's font. Highlights stay with their indices when entries are
// inserted or deleted.

class AFX_EXT_CLASS CHighlightCheckListbox : public CCheckListBox
{
// Construction
public:
	CHighlightCheckListbox();
	virtual ~CHighlightCheckListbox();

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
	// Makes the regular font from the description and its bold twin (weight
	// 700 whatever nWeight says), and measures the item height again. May
	// come before the window exists; entries already present keep their
	// height, and nothing is redrawn.
	void SetFont(const CString& strFace, int nSize, int nWeight, bool bItalic, bool bUnderline,
		bool bStrikeOut);

// Overridables
public:
	virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
	virtual void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) override;

// Implementation
protected:
	// Sets the item height to the height of the sample text in the bold
	// font on the window's device context (the screen's before the window
	// exists).
	void CalculateFontHeight();

	bool m_bFontsSet;
	int m_nItemHeight; // 0 until measured
	CFont m_fontRegular;
	CFont m_fontBold;
	COLORREF m_crHighlight;
	std::set<int> m_highlights;

// Message handlers
protected:
	afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);

	DECLARE_MESSAGE_MAP()
};
