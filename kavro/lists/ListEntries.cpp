// ListEntries.cpp - finding, measuring and drawing the entries of the highlighting list boxes.
#include "ListEntries.h"

#include <qtx/Graphics.h>

#include "Frame.h"

int FindExactEntry(CListBox& listBox, const CString& strText)
{
	CString strEntry;
	for (int i = 0; i < listBox.GetCount(); ++i)
	{
		listBox.GetText(i, strEntry);
		if (strEntry == strText)
			return i;
	}
	return -1;
}

void RemakeFont(CFont& font, const CString& strFace, int nSize, int nWeight, bool bItalic, bool bUnderline,
	bool bStrikeOut)
{
	LOGFONTA lf;
	GraphicsUtils::SetDefaultFont(lf, strFace, nSize, nWeight, bItalic, bUnderline, bStrikeOut);
	font.DeleteObject();
	font.CreateFontIndirect(&lf);
}

int MeasureSampleHeight(CWnd* pWnd, CFont* pFont)
{
	HWND hWnd = pWnd->GetSafeHwnd();
	CDC dc;
	if (!dc.Attach(::GetDC(hWnd)))
		return 0;
	CFont* pOldFont = NULL;
	if (pFont != NULL && pFont->GetSafeHandle() != NULL)
		pOldFont = dc.SelectObject(pFont);
	const int cy = dc.GetTextExtent(kSampleText, lstrlenA(kSampleText)).cy;
	if (pOldFont != NULL)
		dc.SelectObject(pOldFont);
	::ReleaseDC(hWnd, dc.Detach());
	return cy;
}

void DrawListEntry(CListBox& listBox, const DRAWITEMSTRUCT& dis, COLORREF crText, bool bSelected,
	CFont* pFont)
{
	CDC* pDC = CDC::FromHandle(dis.hDC);
	CRect rcItem(dis.rcItem);
	const COLORREF crOldText = pDC->SetTextColor(crText);
	const COLORREF crOldBack = pDC->SetBkColor(::GetSysColor(COLOR_WINDOW));
	COLORREF crFill = ::GetSysColor(COLOR_WINDOW);
	if (bSelected)
	{
		pDC->SetTextColor(::GetSysColor(COLOR_HIGHLIGHTTEXT));
		crFill = ::GetSysColor(COLOR_HIGHLIGHT);
	}
	// FillSolidRect leaves the fill as the background colour, so the text
	// cell is painted in it whatever the background mode.
	pDC->FillSolidRect(rcItem, crFill);
	CFont* pOldFont = NULL;
	if (pFont != NULL && pFont->GetSafeHandle() != NULL)
		pOldFont = pDC->SelectObject(pFont);
	CString strText;
	listBox.GetText(static_cast<int>(dis.itemID), strText);
	DrawAnsiText(pDC, strText, rcItem, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
	pDC->SetTextColor(crOldText);
	pDC->SetBkColor(crOldBack);
	if (pOldFont != NULL)
		pDC->SelectObject(pOldFont);
	if (dis.itemAction & ODA_FOCUS)
		pDC->DrawFocusRect(rcItem);
}
