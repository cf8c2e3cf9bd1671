// ImageMenuEdit.cpp - the image-menu edit and the background edit.
#include <afxwin.h>

#include <kavro/ImageMenuEdit.h>
#include <qtx/Support.h>

#include <cstdlib>

#include "EditShared.h"

// The bands above and below a centred line take the colour of an edit's client area.
const COLORREF kBandEnabled = RGB(255, 255, 255);
const COLORREF kBandDisabled = RGB(240, 240, 240);
// The background edit's colour until the application sets its own.
const COLORREF kDefaultBackground = RGB(255, 255, 213);

/////////////////////////////////////////////////////////////////////////////
// CImageMenuEdit

IMPLEMENT_DYNCREATE(CImageMenuEdit, CEdit)

BEGIN_MESSAGE_MAP(CImageMenuEdit, CEdit)
	ON_WM_CONTEXTMENU()
	ON_WM_LBUTTONDBLCLK()
	ON_WM_LBUTTONDOWN()
	ON_WM_TIMER()
	ON_WM_NCCALCSIZE()
	ON_WM_NCPAINT()
	ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

CImageMenuEdit::CImageMenuEdit()
	: m_bVerticallyCentered(false)
	, m_bFixDoubleTextPaste(false)
	, m_nVerticalOffset(0)
	, m_nTripleClickTimer(0)
	, m_crBorder(::GetSysColor(COLOR_ACTIVEBORDER))
	, m_bFrameCalculated(false)
{
	CreateDefaultEditFont(m_font);
}

CImageMenuEdit::~CImageMenuEdit()
{
	m_font.DeleteObject();
}

void CImageMenuEdit::SetBorderColor(COLORREF crBorder)
{
	m_crBorder = crBorder;
	if (::IsWindow(m_hWnd))
		RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASENOW | RDW_FRAME);
}

void CImageMenuEdit::SetVerticallyCentered()
{
	m_bVerticallyCentered = true;
}

void CImageMenuEdit::SetFixDoubleTextPasteBug()
{
	m_bFixDoubleTextPaste = true;
}

void CImageMenuEdit::SetFontDef(const FontDef& def)
{
	ApplyFontDef(this, m_font, def);
}

BOOL CImageMenuEdit::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
	if (IsSwallowedPaste(m_bFixDoubleTextPaste, nID, nCode))
		return TRUE;
	return CEdit::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

BOOL CImageMenuEdit::OnCommand(WPARAM wParam, LPARAM lParam)
{
	const UINT nID = LOWORD(wParam);
	switch (nID)
	{
	case WM_CUT:
	case WM_COPY:
	case WM_PASTE:
	case WM_CLEAR:
	case WM_UNDO:
		return static_cast<BOOL>(SendMessage(nID, 0, 0));
	case ID_EDITMENU_SELECT_ALL:
		return static_cast<BOOL>(SendMessage(EM_SETSEL, 0, -1));
	}
	return CEdit::OnCommand(wParam, lParam);
}

void CImageMenuEdit::OnContextMenu(CWnd* pWnd, CPoint point)
{
	// EM_GETSEL with pointers: the packed answer stops at 65535 characters.
	int nStart = 0, nEnd = 0;
	GetSel(nStart, nEnd);
	// The end of the text in the selection's own units: the window text's
	// length counts bytes of the ANSI code page, which a double-byte or UTF-8
	// character outnumbers.
	const int nLastLine = LineIndex(GetLineCount() - 1);
	const int nLength = nLastLine + LineLength(nLastLine);
	EditMenuState state;
	state.bReadOnly = (GetStyle() & ES_READONLY) != 0;
	state.bCanUndo = CanUndo() != FALSE;
	state.bHasSelection = nStart != nEnd;
	state.bAllSelected = nLength == 0 || (nStart == 0 && nEnd == nLength);
	TrackEditMenu(this, pWnd, point, state);
}

void CImageMenuEdit::OnLButtonDblClk(UINT /*nFlags*/, CPoint /*point*/)
{
	Default();
	m_nTripleClickTimer = ArmTripleClick(this);
}

void CImageMenuEdit::OnLButtonDown(UINT /*nFlags*/, CPoint /*point*/)
{
	Default();
	if (m_nTripleClickTimer != 0)
	{
		SetSel(0, -1);
		SendMessage(EM_SCROLLCARET);
	}
}

void CImageMenuEdit::OnTimer(UINT_PTR nIDEvent)
{
	Default();
	DisarmTripleClick(this, m_nTripleClickTimer, nIDEvent);
}

void CImageMenuEdit::OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp)
{
	// The line is measured in the font the edit shows: the dialog's, or
	// the system font, until the application gives it a FontDef.
	const int nTextHeight = m_bVerticallyCentered ? MeasureLineHeight(this, GetFont()) : -1;
	if (nTextHeight < 0)
	{
		CEdit::OnNcCalcSize(bCalcValidRects, lpncsp);
		return;
	}
	RECT& rc = lpncsp->rgrc[0];
	const int nClientHeight = rc.bottom - rc.top;
	m_nVerticalOffset = nClientHeight >= nTextHeight ? (nClientHeight - nTextHeight) / 2 : 0;
	m_bFrameCalculated = true;
	// The standard edge takes no room: the border is painted in the
	// one-pixel strips left at the sides and over the bands.
	rc.top += m_nVerticalOffset;
	rc.bottom -= m_nVerticalOffset;
	rc.left += 1;
	rc.right -= 1;
}

void CImageMenuEdit::OnNcPaint()
{
	Default();

	CDC* pDC = GetWindowDC();
	if (pDC == NULL)
		return;
	CRect rc;
	GetWindowRect(&rc);
	rc.OffsetRect(-rc.left, -rc.top);
	if (m_bVerticallyCentered && m_nVerticalOffset > 0)
	{
		const COLORREF crBand = IsWindowEnabled() ? kBandEnabled : kBandDisabled;
		pDC->FillSolidRect(0, 0, rc.Width(), m_nVerticalOffset, crBand);
		pDC->FillSolidRect(0, rc.bottom - m_nVerticalOffset, rc.Width(), m_nVerticalOffset, crBand);
	}
	CBrush brBorder;
	if (brBorder.CreateSolidBrush(m_crBorder))
		pDC->FrameRect(&rc, &brBorder);
	ReleaseDC(pDC);
}

HBRUSH CImageMenuEdit::CtlColor(CDC* /*pDC*/, UINT /*nCtlColor*/)
{
	// A centring set after the window was made waits for a frame
	// calculation; ask for one once, as the first paint colours the edit.
	if (m_bVerticallyCentered && m_nVerticalOffset == 0 && !m_bFrameCalculated)
	{
		SetWindowPos(&wndTop, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOOWNERZORDER | SWP_FRAMECHANGED);
		// A frame changed while the edit paints is painted only at a later
		// update (so under Wine): until then the new bands show whatever the
		// parent had painted there. Paint the frame now.
		RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_FRAME | RDW_ERASENOW);
	}
	return NULL;
}

/////////////////////////////////////////////////////////////////////////////
// CBackgroundEdit

BEGIN_MESSAGE_MAP(CBackgroundEdit, CImageMenuEdit)
	ON_WM_CTLCOLOR_REFLECT()
	ON_WM_VSCROLL()
	ON_WM_HSCROLL()
	ON_WM_CHAR()
	ON_WM_KEYDOWN()
	ON_WM_SIZE()
	ON_MESSAGE(WM_SETTEXT, &CBackgroundEdit::OnSetText)
	ON_MESSAGE(WM_COPY, &CBackgroundEdit::OnCopy)
	ON_MESSAGE(WM_CUT, &CBackgroundEdit::OnCut)
	ON_MESSAGE(WM_PASTE, &CBackgroundEdit::OnPaste)
	ON_MESSAGE(WM_CLEAR, &CBackgroundEdit::OnClear)
	ON_MESSAGE(WM_UNDO, &CBackgroundEdit::OnUndo)
	ON_WM_MOUSEWHEEL()
END_MESSAGE_MAP()

CBackgroundEdit::CBackgroundEdit()
	: m_nWheelScrollLines(SystemUtils::GetMouseScrollLines())
	, m_crText(::GetSysColor(COLOR_WINDOWTEXT))
{
	m_brBackground.CreateSolidBrush(kDefaultBackground);
}

CBackgroundEdit::~CBackgroundEdit()
{
	m_brBackground.DeleteObject();
}

void CBackgroundEdit::SetColors(COLORREF crBackground, COLORREF crText)
{
	m_crText = crText;
	m_brBackground.DeleteObject();
	m_brBackground.CreateSolidBrush(crBackground);
	InvalidateWhole();
}

void CBackgroundEdit::InvalidateWhole()
{
	if (::IsWindow(m_hWnd))
		Invalidate(TRUE);
}

HBRUSH CBackgroundEdit::CtlColor(CDC* pDC, UINT /*nCtlColor*/)
{
	if (pDC != NULL)
	{
		pDC->SetTextColor(m_crText);
		pDC->SetBkMode(TRANSPARENT);
	}
	return static_cast<HBRUSH>(m_brBackground.GetSafeHandle());
}

void CBackgroundEdit::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
{
	CImageMenuEdit::OnVScroll(nSBCode, nPos, pScrollBar);
	InvalidateWhole();
}

void CBackgroundEdit::OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
{
	CImageMenuEdit::OnHScroll(nSBCode, nPos, pScrollBar);
	InvalidateWhole();
}

void CBackgroundEdit::OnChar(UINT /*nChar*/, UINT /*nRepCnt*/, UINT /*nFlags*/)
{
	DefaultThenRepaint();
}

void CBackgroundEdit::OnKeyDown(UINT /*nChar*/, UINT /*nRepCnt*/, UINT /*nFlags*/)
{
	DefaultThenRepaint();
}

void CBackgroundEdit::OnSize(UINT /*nType*/, int /*cx*/, int /*cy*/)
{
	DefaultThenRepaint();
}

LRESULT CBackgroundEdit::OnSetText(WPARAM /*wParam*/, LPARAM /*lParam*/)
{
	DefaultThenRepaint();
	return TRUE;
}

LRESULT CBackgroundEdit::DefaultThenRepaint()
{
	Default();
	InvalidateWhole();
	return 0;
}

LRESULT CBackgroundEdit::OnCopy(WPARAM /*wParam*/, LPARAM /*lParam*/)
{
	return DefaultThenRepaint();
}

LRESULT CBackgroundEdit::OnCut(WPARAM /*wParam*/, LPARAM /*lParam*/)
{
	return DefaultThenRepaint();
}

LRESULT CBackgroundEdit::OnPaste(WPARAM /*wParam*/, LPARAM /*lParam*/)
{
	return DefaultThenRepaint();
}

LRESULT CBackgroundEdit::OnClear(WPARAM /*wParam*/, LPARAM /*lParam*/)
{
	return DefaultThenRepaint();
}

LRESULT CBackgroundEdit::OnUndo(WPARAM /*wParam*/, LPARAM /*lParam*/)
{
	return DefaultThenRepaint();
}

BOOL CBackgroundEdit::OnMouseWheel(UINT /*nFlags*/, short zDelta, CPoint /*pt*/)
{
	// -1 scrolls a page per notch; otherwise the lines of the notches,
	// truncated toward zero, so a smooth wheel's small steps may scroll nothing.
	const bool bPage = m_nWheelScrollLines == -1;
	const long long nSteps =
		bPage ? zDelta / WHEEL_DELTA : static_cast<long long>(zDelta) * m_nWheelScrollLines / WHEEL_DELTA;
	const UINT nCode =
		bPage ? (nSteps > 0 ? SB_PAGEUP : SB_PAGEDOWN) : (nSteps > 0 ? SB_LINEUP : SB_LINEDOWN);
	for (long long i = 0; i < std::llabs(nSteps); ++i)
		PostMessage(WM_VSCROLL, MAKEWPARAM(nCode, 0), 0);
	return TRUE;
}
