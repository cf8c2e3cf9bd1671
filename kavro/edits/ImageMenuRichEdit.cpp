// ImageMenuRichEdit.cpp - the image-menu rich edit.
#include <afxwin.h>
#include <afxcmn.h>

#include <kavro/ImageMenuRichEdit.h>
#include <qtx/Support.h>

#include <algorithm>
#include <vector>

#include "EditShared.h"
#include "Frame.h"

// True when a character outside the Basic Multilingual Plane, two positions
// of the control, begins at nPos; only the text in UTF-16 shows it. Leaves
// the selection changed.
static bool IsSurrogatePairAt(CRichEditCtrl& edit, long nPos)
{
	edit.SetSel(nPos, nPos + 2);
	wchar_t szUnits[3] = {};
	GETTEXTEX gt = { sizeof(szUnits), GT_SELECTION, kUnicodeCodePage, NULL, NULL };
	edit.SendMessage(EM_GETTEXTEX, reinterpret_cast<WPARAM>(&gt), reinterpret_cast<LPARAM>(szUnits));
	return IS_HIGH_SURROGATE(szUnits[0]) && IS_LOW_SURROGATE(szUnits[1]);
}

IMPLEMENT_DYNCREATE(CImageMenuRichEdit, CRichEditCtrl)

BEGIN_MESSAGE_MAP(CImageMenuRichEdit, CRichEditCtrl)
	ON_WM_CONTEXTMENU()
	ON_WM_LBUTTONDBLCLK()
	ON_WM_LBUTTONDOWN()
	ON_WM_TIMER()
	ON_WM_KEYDOWN()
	ON_WM_SETFOCUS()
	ON_WM_KILLFOCUS()
	ON_WM_NCCALCSIZE()
	ON_WM_NCPAINT()
	ON_WM_CTLCOLOR_REFLECT()
	ON_MESSAGE(WM_GETTEXTLENGTH, &CImageMenuRichEdit::OnGetTextLength)
	ON_COMMAND(ID_EDIT_COPY, &CImageMenuRichEdit::OnEditCopy)
	ON_COMMAND(ID_EDIT_CUT, &CImageMenuRichEdit::OnEditCut)
	ON_COMMAND(ID_EDIT_PASTE, &CImageMenuRichEdit::OnEditPaste)
	ON_COMMAND(ID_EDIT_UNDO, &CImageMenuRichEdit::OnEditUndo)
	ON_COMMAND(ID_EDIT_CLEAR, &CImageMenuRichEdit::OnEditClear)
	ON_COMMAND(ID_EDIT_SELECT_ALL, &CImageMenuRichEdit::OnEditSelectAll)
	ON_UPDATE_COMMAND_UI(ID_EDIT_COPY, &CImageMenuRichEdit::OnUpdateEditCopy)
	ON_UPDATE_COMMAND_UI(ID_EDIT_CUT, &CImageMenuRichEdit::OnUpdateEditCut)
	ON_UPDATE_COMMAND_UI(ID_EDIT_PASTE, &CImageMenuRichEdit::OnUpdateEditPaste)
	ON_UPDATE_COMMAND_UI(ID_EDIT_UNDO, &CImageMenuRichEdit::OnUpdateEditUndo)
	ON_UPDATE_COMMAND_UI(ID_EDIT_SELECT_ALL, &CImageMenuRichEdit::OnUpdateEditSelectAll)
END_MESSAGE_MAP()

CImageMenuRichEdit::CImageMenuRichEdit()
	: m_bInsertMode(true)
	, m_bRemoveFocusHighlight(false)
	, m_bActAsReadonly(false)
	, m_bVerticallyCentered(false)
	, m_bFixDoubleTextPaste(false)
	, m_nFirstVisibleLine(0)
	, m_nTripleClickTimer(0)
	, m_nSelStart(0)
	, m_nSelEnd(0)
	, m_rcBottomBand(0, 0, 0, 0)
	, m_rcTopBand(0, 0, 0, 0)
	, m_bFrameCalculated(false)
{
	CreateDefaultEditFont(m_font);
}

CImageMenuRichEdit::~CImageMenuRichEdit()
{
	m_font.DeleteObject();
}

/////////////////////////////////////////////////////////////////////////////
// Attributes

bool CImageMenuRichEdit::GetInsertMode() const
{
	return m_bInsertMode;
}

bool CImageMenuRichEdit::IsModified()
{
	if (m_bActAsReadonly || !::IsWindow(m_hWnd) || !GetModify())
		return false;
	SetModify(FALSE);
	return true;
}

bool CImageMenuRichEdit::CanEnableEditUndo() const
{
	return ::IsWindow(m_hWnd) && CanUndo();
}

int CImageMenuRichEdit::GetPercentFull() const
{
	if (!::IsWindow(m_hWnd))
		return 0;
	const long nLimit = GetLimitText();
	if (nLimit <= 0)
		return 0;
	// A paragraph break is one character, or two counted as CR LF: the
	// difference of the two lengths is the number of breaks, which the fill
	// leaves out. Two questions, however long the text (walking the lines
	// asks the control to find each line from the start).
	const long long nChars = GetTextLengthEx(GTL_NUMCHARS | GTL_PRECISE, kUnicodeCodePage);
	const long long nBreaks =
		std::max(0LL, GetTextLengthEx(GTL_NUMCHARS | GTL_PRECISE | GTL_USECRLF, kUnicodeCodePage) - nChars);
	return static_cast<int>((nChars - nBreaks) * 100 / nLimit);
}

/////////////////////////////////////////////////////////////////////////////
// Operations

void CImageMenuRichEdit::ActAsReadonly()
{
	m_bActAsReadonly = true;
}

void CImageMenuRichEdit::RemoveFocusHighlight()
{
	m_bRemoveFocusHighlight = true;
}

void CImageMenuRichEdit::SetVerticallyCentered()
{
	m_bVerticallyCentered = true;
}

void CImageMenuRichEdit::SetFixDoubleTextPasteBug()
{
	m_bFixDoubleTextPaste = true;
}

void CImageMenuRichEdit::SetFlatLook()
{
	if (!::IsWindow(m_hWnd))
		return;
	ModifyStyleEx(WS_EX_CLIENTEDGE, 0);
	ModifyStyle(0, WS_BORDER);
}

void CImageMenuRichEdit::SetFontDef(const FontDef& def)
{
	ApplyFontDef(this, m_font, def);
	if (!::IsWindow(m_hWnd))
		return;
	CHARFORMAT cf = {};
	GetDefaultCharFormat(cf);
	// Only the colour, with the automatic colour switched off.
	cf.dwMask = CFM_COLOR;
	cf.dwEffects = 0;
	cf.crTextColor = def.GetTextColor();
	SetDefaultCharFormat(cf);
}

void CImageMenuRichEdit::ScrollToTheTop()
{
	if (!::IsWindow(m_hWnd))
		return;
	SetRedraw(FALSE);
	const int nFirst = GetFirstVisibleLine();
	if (nFirst > 0)
		LineScroll(-nFirst);
	SetSel(0, 0);
	// The top is what the next focus comes back to.
	RememberView(0, 0);
	SetRedraw(TRUE);
	RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW | RDW_FRAME);
	if (m_bActAsReadonly)
		HideCaret();
}

void CImageMenuRichEdit::DoEditUndo()
{
	if (!m_bActAsReadonly && ::IsWindow(m_hWnd))
		SendMessage(EM_UNDO);
}

/////////////////////////////////////////////////////////////////////////////
// Overridables

BOOL CImageMenuRichEdit::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
	if (IsSwallowedPaste(m_bFixDoubleTextPaste, nID, nCode))
		return TRUE;
	return CRichEditCtrl::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

void CImageMenuRichEdit::PreSubclassWindow()
{
	SetEventMask(GetEventMask() | ENM_CHANGE);
	CRichEditCtrl::PreSubclassWindow();
}

BOOL CImageMenuRichEdit::OnCommand(WPARAM wParam, LPARAM lParam)
{
	const UINT nID = LOWORD(wParam);
	switch (nID)
	{
	case WM_COPY:
		SendMessage(WM_COPY);
		return TRUE;
	case WM_UNDO:
	case WM_CUT:
	case WM_CLEAR:
		if (!m_bActAsReadonly)
			SendMessage(nID);
		return TRUE;
	case WM_PASTE:
		PastePlainText();
		return TRUE;
	case ID_EDITMENU_SELECT_ALL:
		SelectAll();
		return TRUE;
	}
	return CRichEditCtrl::OnCommand(wParam, lParam);
}

/////////////////////////////////////////////////////////////////////////////
// Implementation

void CImageMenuRichEdit::RememberView(long nSelStart, long nSelEnd)
{
	m_nFirstVisibleLine = GetFirstVisibleLine();
	m_nSelStart = nSelStart;
	m_nSelEnd = nSelEnd;
}

void CImageMenuRichEdit::SelectAll()
{
	RememberView(0, -1);
	SetSel(0, -1);
}

void CImageMenuRichEdit::PastePlainText()
{
	if (!m_bActAsReadonly)
		PasteSpecial(CF_TEXT, 0, NULL);
}

/////////////////////////////////////////////////////////////////////////////
// Message handlers

void CImageMenuRichEdit::OnContextMenu(CWnd* pWnd, CPoint point)
{
	long nStart = 0, nEnd = 0;
	GetSel(nStart, nEnd);
	// Counted the way selections count, one character for a line break.
	const long nLength = GetTextLengthEx(GTL_NUMCHARS | GTL_PRECISE, kUnicodeCodePage);
	EditMenuState state;
	state.bReadOnly = (GetStyle() & ES_READONLY) != 0;
	state.bCanUndo = CanUndo() != FALSE;
	state.bHasSelection = nStart != nEnd;
	// A select-all can end one past the text, on the final paragraph mark.
	state.bAllSelected = nLength == 0 || (nStart == 0 && nEnd >= nLength);
	TrackEditMenu(this, pWnd, point, state);
}

void CImageMenuRichEdit::OnLButtonDblClk(UINT /*nFlags*/, CPoint /*point*/)
{
	Default();
	m_nTripleClickTimer = ArmTripleClick(this);
	if (m_bActAsReadonly)
		HideCaret();
}

void CImageMenuRichEdit::OnLButtonDown(UINT /*nFlags*/, CPoint /*point*/)
{
	Default();
	// A triple click remembers the view the selection leaves; the menu's
	// select all remembers the one it was chosen in.
	if (m_nTripleClickTimer != 0)
	{
		SetSel(0, -1);
		RememberView(0, -1);
	}
}

void CImageMenuRichEdit::OnTimer(UINT_PTR nIDEvent)
{
	Default();
	DisarmTripleClick(this, m_nTripleClickTimer, nIDEvent);
}

void CImageMenuRichEdit::OnKeyDown(UINT nChar, UINT /*nRepCnt*/, UINT /*nFlags*/)
{
	if (nChar == VK_INSERT)
		m_bInsertMode = !m_bInsertMode;
	Default();
}

void CImageMenuRichEdit::OnSetFocus(CWnd* pOldWnd)
{
	CRichEditCtrl::OnSetFocus(pOldWnd);
	if (!m_bRemoveFocusHighlight || !::IsWindow(m_hWnd))
		return;
	SetRedraw(FALSE);
	SetSel(m_nSelStart, m_nSelEnd);
	// Selecting may have scrolled the caret into view (and a dialog selects
	// everything before it gives the focus); scroll back to the remembered
	// first line from wherever that left the view.
	const int nScroll = m_nFirstVisibleLine - GetFirstVisibleLine();
	if (nScroll != 0)
		LineScroll(nScroll);
	if (m_bActAsReadonly)
		HideCaret();
	SetRedraw(TRUE);
	Invalidate();
}

void CImageMenuRichEdit::OnKillFocus(CWnd* pNewWnd)
{
	if (::IsWindow(m_hWnd))
	{
		long nStart = 0, nEnd = 0;
		GetSel(nStart, nEnd);
		RememberView(nStart, nEnd);
	}
	CRichEditCtrl::OnKillFocus(pNewWnd);
}

void CImageMenuRichEdit::OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp)
{
	const CRect rcWindow(lpncsp->rgrc[0]);
	const int nTextHeight =
		m_bVerticallyCentered && !rcWindow.IsRectEmpty() ? MeasureLineHeight(this, &m_font) : -1;
	if (nTextHeight < 0)
	{
		CRichEditCtrl::OnNcCalcSize(bCalcValidRects, lpncsp);
		return;
	}
	// A text taller than the control is not centred: it keeps the whole
	// height and gets no bands, as in the plain edit.
	const int nOffset = std::max(0, (rcWindow.Height() - nTextHeight) / 2);
	m_rcTopBand.SetRect(0, 0, rcWindow.Width(), nOffset);
	m_rcBottomBand.SetRect(0, rcWindow.Height() - nOffset, rcWindow.Width(), rcWindow.Height());
	m_bFrameCalculated = true;
	lpncsp->rgrc[0].top += nOffset;
	lpncsp->rgrc[0].bottom -= nOffset;
}

void CImageMenuRichEdit::OnNcPaint()
{
	Default();
	if (!m_bVerticallyCentered)
		return;
	CDC* pDC = GetWindowDC();
	if (pDC == NULL)
		return;
	HBRUSH hBrush = ::GetSysColorBrush((GetStyle() & ES_READONLY) ? COLOR_BTNFACE : COLOR_WINDOW);
	::FillRect(pDC->m_hDC, &m_rcBottomBand, hBrush);
	::FillRect(pDC->m_hDC, &m_rcTopBand, hBrush);
	ReleaseDC(pDC);
}

HBRUSH CImageMenuRichEdit::CtlColor(CDC* /*pDC*/, UINT /*nCtlColor*/)
{
	if (m_bVerticallyCentered && m_rcTopBand.IsRectEmpty() && !m_bFrameCalculated)
		SetWindowPos(&wndTop, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOOWNERZORDER | SWP_FRAMECHANGED);
	return NULL;
}

LRESULT CImageMenuRichEdit::OnGetTextLength(WPARAM /*wParam*/, LPARAM /*lParam*/)
{
	const LRESULT nLength = Default();
	// A narrow caller sizes its buffer by this answer, which the narrow rich
	// edit of some systems (Wine's) gives in UTF-16 units; characters of more
	// than one byte in the ANSI code page outnumber them, and the text read
	// into that buffer would be cut. Count the bytes of the text as read.
	CPINFO info;
	if (nLength <= 0 || !::GetCPInfo(CP_ACP, &info) || info.MaxCharSize <= 1)
		return nLength;
	GETTEXTLENGTHEX gtl = { GTL_NUMCHARS | GTL_PRECISE | GTL_USECRLF, kUnicodeCodePage };
	const LRESULT nUnits = SendMessage(EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&gtl), 0);
	if (nUnits <= 0)
		return nLength;
	std::vector<wchar_t> text(nUnits + 1);
	GETTEXTEX gt = { static_cast<DWORD>(text.size() * sizeof(wchar_t)), GT_USECRLF, kUnicodeCodePage, NULL,
		NULL };
	const int nRead = static_cast<int>(
		SendMessage(EM_GETTEXTEX, reinterpret_cast<WPARAM>(&gt), reinterpret_cast<LPARAM>(text.data())));
	return std::max<LRESULT>(nLength,
		::WideCharToMultiByte(CP_ACP, 0, text.data(), nRead, NULL, 0, NULL, NULL));
}

void CImageMenuRichEdit::OnEditCopy()
{
	SendMessage(WM_COPY);
}

void CImageMenuRichEdit::OnEditCut()
{
	if (!m_bActAsReadonly)
		SendMessage(WM_CUT);
}

void CImageMenuRichEdit::OnEditPaste()
{
	PastePlainText();
}

void CImageMenuRichEdit::OnEditUndo()
{
	DoEditUndo();
}

void CImageMenuRichEdit::OnEditClear()
{
	if (m_bActAsReadonly)
		return;
	long nStart = 0, nEnd = 0;
	GetSel(nStart, nEnd);
	if (nStart == nEnd)
	{
		// Without a selection the character after the caret goes, as the
		// Delete key takes it; nothing at the end of the text.
		if (nStart >= GetTextLengthEx(GTL_NUMCHARS | GTL_PRECISE, kUnicodeCodePage))
			return;
		SetSel(nStart, nStart + (IsSurrogatePairAt(*this, nStart) ? 2 : 1));
	}
	SendMessage(WM_CLEAR);
	if (nStart == nEnd)
		SetSel(nStart, nStart);
}

void CImageMenuRichEdit::OnEditSelectAll()
{
	SetSel(0, -1);
}

void CImageMenuRichEdit::OnUpdateEditCopy(CCmdUI* pCmdUI)
{
	long nStart = 0, nEnd = 0;
	GetSel(nStart, nEnd);
	pCmdUI->Enable(nStart != nEnd);
}

void CImageMenuRichEdit::OnUpdateEditCut(CCmdUI* pCmdUI)
{
	OnUpdateEditCopy(pCmdUI);
}

void CImageMenuRichEdit::OnUpdateEditPaste(CCmdUI* pCmdUI)
{
	pCmdUI->Enable(CanPaste(0));
}

void CImageMenuRichEdit::OnUpdateEditUndo(CCmdUI* pCmdUI)
{
	pCmdUI->Enable(CanEnableEditUndo());
}

void CImageMenuRichEdit::OnUpdateEditSelectAll(CCmdUI* pCmdUI)
{
	pCmdUI->Enable(GetTextLength() >= 1);
}
