// HighlightCheckListbox.cpp - the check list box whose marked entries are drawn bold in a highlight colour.
#include <afxwin.h>

#include <kavro/HighlightCheckListbox.h>

#include "Frame.h"
#include "ListEntries.h"

// Highlighted entries are red unless the application says otherwise.
static const COLORREF kDefaultHighlight = RGB(240, 25, 25);

BEGIN_MESSAGE_MAP(CHighlightCheckListbox, CCheckListBox)
	ON_WM_CREATE()
END_MESSAGE_MAP()

CHighlightCheckListbox::CHighlightCheckListbox()
	: m_bFontsSet(false)
	, m_nItemHeight(0)
	, m_crHighlight(kDefaultHighlight)
{
}

CHighlightCheckListbox::~CHighlightCheckListbox()
{
	m_highlights.clear();
	m_fontRegular.DeleteObject();
	m_fontBold.DeleteObject();
}

void CHighlightCheckListbox::SetHighlight(int nIndex)
{
	m_highlights.insert(nIndex);
}

void CHighlightCheckListbox::SetHighlight(const CString& strText)
{
	const int nIndex = FindExactEntry(*this, strText);
	if (nIndex >= 0)
		SetHighlight(nIndex);
}

void CHighlightCheckListbox::ClearHighlights()
{
	m_highlights.clear();
	InvalidateRect(NULL, TRUE);
}

void CHighlightCheckListbox::SetHighlightColor(COLORREF crHighlight)
{
	m_crHighlight = crHighlight;
}

void CHighlightCheckListbox::SetFont(const CString& strFace, int nSize, int nWeight, bool bItalic,
	bool bUnderline, bool bStrikeOut)
{
	RemakeFont(m_fontRegular, strFace, nSize, nWeight, bItalic, bUnderline, bStrikeOut);
	RemakeFont(m_fontBold, strFace, nSize, FW_BOLD, bItalic, bUnderline, bStrikeOut);
	m_bFontsSet = true;
	CalculateFontHeight();
}

void CHighlightCheckListbox::CalculateFontHeight()
{
	const int nHeight = MeasureSampleHeight(this, &m_fontBold);
	if (nHeight > 0)
		m_nItemHeight = nHeight;
}

void CHighlightCheckListbox::MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct)
{
	if (lpMeasureItemStruct == NULL)
		return;
	if (m_nItemHeight == 0)
		CalculateFontHeight();
	lpMeasureItemStruct->itemHeight = m_nItemHeight;
}

void CHighlightCheckListbox::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
	if (lpDrawItemStruct == NULL || CDC::FromHandle(lpDrawItemStruct->hDC) == NULL)
		return;
	const DRAWITEMSTRUCT& dis = *lpDrawItemStruct;
	const int nIndex = static_cast<int>(dis.itemID);
	if (nIndex < 0 || !(dis.itemAction & (ODA_DRAWENTIRE | ODA_SELECT)))
	{
		if (dis.itemAction & ODA_FOCUS)
			CDC::FromHandle(dis.hDC)->DrawFocusRect(&dis.rcItem);
		return;
	}
	const bool bDisabled = !IsWindowEnabled() || !IsEnabled(nIndex);
	const bool bHighlighted = m_highlights.count(nIndex) != 0;
	// The highlight shows on disabled entries as well.
	COLORREF crText = bDisabled ? kDisabledEntryText : ::GetSysColor(COLOR_WINDOWTEXT);
	if (bHighlighted)
		crText = m_crHighlight;
	DrawListEntry(*this, dis, crText, !bDisabled && (dis.itemState & ODS_SELECTED),
		bHighlighted ? &m_fontBold : &m_fontRegular);
}

int CHighlightCheckListbox::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
	if (CCheckListBox::OnCreate(lpCreateStruct) == -1)
		return -1;
	if (m_bFontsSet)
		return 0;
	RemakeFont(m_fontRegular, kDefaultFace, -1, -1, false, false, false);
	RemakeFont(m_fontBold, kDefaultFace, -1, FW_BOLD, false, false, false);
	CalculateFontHeight();
	return 0;
}
