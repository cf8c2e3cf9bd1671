// ListEntries.h - what the highlighting list boxes share: finding an entry by text, measuring, drawing.
#pragma once

#include <afxwin.h>

// Text colour of disabled entries.
const COLORREF kDisabledEntryText = RGB(128, 128, 128);

// The index of the first entry whose text equals strText exactly (case
// included), or -1. The count is read again after every comparison.
int FindExactEntry(CListBox& listBox, const CString& strText);

// Deletes the font's handle and makes a new one through
// GraphicsUtils::SetDefaultFont; a failure leaves the font empty.
void RemakeFont(CFont& font, const CString& strFace, int nSize, int nWeight, bool bItalic, bool bUnderline,
	bool bStrikeOut);

// Height of the sample text in pFont (the DC's current font when pFont is
// NULL or has no handle) on the window's device context, the screen's when
// the window has none yet; 0 when there is no device context.
int MeasureSampleHeight(CWnd* pWnd, CFont* pFont);

// Draws the text part of one entry in crText on the window colour, or in
// the selection colours when bSelected; pFont is used when it has a handle.
// The entry's text is drawn left-aligned and vertically centred in rcItem
// with no margin, and a focus rectangle follows when the action asks for
// one. The device context's colours and font are restored.
void DrawListEntry(CListBox& listBox, const DRAWITEMSTRUCT& dis, COLORREF crText, bool bSelected,
	CFont* pFont);
