// MenuListbox.cpp - the list boxes with a popup menu, whole-line wheel scrolling and highlighted entries.
#include <afxwin.h>

#include <kavro/MenuListbox.h>
#include <qtx/ImageMenu.h>
#include <qtx/Support.h>

#include <memory>

#include "Frame.h"
#include "ListEntries.h"

/////////////////////////////////////////////////////////////////////////////
// CMenuListbox

BEGIN_MESSAGE_MAP(CMenuListbox, CListBox)
	ON_WM_RBUTTONDOWN()
	ON_WM_MOUSEWHEEL()
END_MESSAGE_MAP()

CMenuListbox::CMenuListbox()
	: m_nScrollLines(SystemUtils::GetMouseScrollLines())
	, m_nVertWheelRemainder(0)
	, m_nHorzWheelRemainder(0)
	, m_nMenuResID(0)
{
}

CMenuListbox::~CMenuListbox()
{
}

void CMenuListbox::SetMenuResID(UINT nMenuResID)
{
	m_nMenuResID = nMenuResID;
}

void CMenuListbox::ScrollByWheel(int& nRemainder, short zDelta, UINT nScrollMsg, UINT nLineBack, UINT nLineOn)
{
	// Magnitudes add up whatever the direction: the remainder is distance
	// turned, and the current event's sign decides where it goes.
	nRemainder += zDelta < 0 ? -static_cast<int>(zDelta) : zDelta;
	const int nNotches = nRemainder / WHEEL_DELTA;
	nRemainder -= nNotches * WHEEL_DELTA;
	const int nLines = nNotches * m_nScrollLines;
	const UINT nCode = zDelta > 0 ? nLineBack : nLineOn;
	for (int i = 0; i < nLines; ++i)
		PostMessage(nScrollMsg, nCode, 0);
}

void CMenuListbox::OnRButtonDown(UINT nFlags, CPoint point)
{
	CListBox::OnRButtonDown(nFlags, point);
	if (m_nMenuResID == 0)
		return;
	SetFocus();

	BOOL bOutside = TRUE;
	int nIndex = static_cast<int>(ItemFromPoint(point, bOutside));
	if (bOutside)
		return;
	// LB_ITEMFROMPOINT carries the index in 16 bits; the entries on show
	// start at the top index, so that restores the index in longer lists.
	const int nTop = GetTopIndex();
	nIndex = nTop + ((nIndex - nTop) & 0xFFFF);
	SetCurSel(nIndex);

	CWnd* pParent = GetParent();
	ClientToScreen(&point);
	std::unique_ptr<CImageMenu> pPopup(CImageMenu::LoadFilteredPopupMenu(m_nMenuResID, pParent));
	if (pPopup)
		pPopup->TrackPopupMenu(0, point.x, point.y, pParent, NULL);
}

BOOL CMenuListbox::OnMouseWheel(UINT /*nFlags*/, short zDelta, CPoint /*pt*/)
{
	ScrollByWheel(m_nVertWheelRemainder, zDelta, WM_VSCROLL, SB_LINEUP, SB_LINEDOWN);
	return TRUE;
}

BOOL CMenuListbox::OnMouseHWheel(UINT /*nFlags*/, short zDelta, CPoint /*pt*/)
{
	ScrollByWheel(m_nHorzWheelRemainder, zDelta, WM_HSCROLL, SB_LINERIGHT, SB_LINELEFT);
	return TRUE;
}

/////////////////////////////////////////////////////////////////////////////
// CHighlightListbox

BEGIN_MESSAGE_MAP(CHighlightListbox, CMenuListbox)
	ON_WM_CREATE()
END_MESSAGE_MAP()

CHighlightListbox::CHighlightListbox()
	: m_nItemHeight(0)
	, m_crHighlight(::GetSysColor(COLOR_GRAYTEXT))
{
}

CHighlightListbox::~CHighlightListbox()
{
	m_highlights.clear();
	m_font.DeleteObject();
}

void CHighlightListbox::SetHighlight(int nIndex)
{
	m_highlights.insert(nIndex);
}

void CHighlightListbox::SetHighlight(const CString& strText)
{
	const int nIndex = FindExactEntry(*this, strText);
	if (nIndex >= 0)
		SetHighlight(nIndex);
}

void CHighlightListbox::ClearHighlights()
{
	m_highlights.clear();
	InvalidateRect(NULL, TRUE);
}

void CHighlightListbox::SetHighlightColor(COLORREF crHighlight)
{
	m_crHighlight = crHighlight;
}

void CHighlightListbox::MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct)
{
	if (lpMeasureItemStruct != NULL)
		lpMeasureItemStruct->itemHeight = m_nItemHeight;
}

void CHighlightListbox::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
	if (lpDrawItemStruct == NULL || CDC::FromHandle(lpDrawItemStruct->hDC) == NULL)
		return;
	const DRAWITEMSTRUCT& dis = *lpDrawItemStruct;
	if (!(dis.itemAction & (ODA_DRAWENTIRE | ODA_SELECT)))
	{
		if (dis.itemAction & ODA_FOCUS)
			CDC::FromHandle(dis.hDC)->DrawFocusRect(&dis.rcItem);
		return;
	}
	const bool bDisabled = !IsWindowEnabled();
	COLORREF crText = ::GetSysColor(COLOR_WINDOWTEXT);
	if (bDisabled)
		crText = kDisabledEntryText;
	else if (m_highlights.count(static_cast<int>(dis.itemID)) != 0)
		crText = m_crHighlight;
	DrawListEntry(*this, dis, crText, !bDisabled && (dis.itemState & ODS_SELECTED), &m_font);
}

int CHighlightListbox::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
	if (CMenuListbox::OnCreate(lpCreateStruct) == -1)
		return -1;
	RemakeFont(m_font, kDefaultFace, -1, -1, false, false, false);
	// The font only draws the entries; the window keeps its own.
	const int nHeight = MeasureSampleHeight(this, &m_font);
	if (nHeight > 0)
		m_nItemHeight = nHeight;
	// A fixed-height list box asked for its item height while the default
	// procedure created it, before there was one to give.
	if ((lpCreateStruct->style & LBS_OWNERDRAWFIXED) && m_nItemHeight > 0)
		SetItemHeight(0, static_cast<UINT>(m_nItemHeight));
	return 0;
}
