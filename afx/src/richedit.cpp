// richedit.cpp - CRichEditCtrl and the loading of Msftedit.dll.

#include "afxcmn.h"

#include <climits>
#include <memory>
#include <new>

IMPLEMENT_DYNAMIC(CRichEditCtrl, CWnd)

#define SEND(msg, wp, lp) ::SendMessageA(m_hWnd, (msg), (WPARAM)(wp), (LPARAM)(lp))

namespace
{
	const char kMsfteditDll[] = "msftedit.dll";
}

BOOL AFXAPI AfxInitRichEdit5()
{
	static HMODULE hMsftedit = NULL;
	if (hMsftedit == NULL)
		hMsftedit = ::LoadLibraryA(kMsfteditDll);
	return hMsftedit != NULL;
}

/////////////////////////////////////////////////////////////////////////////
// Construction

CRichEditCtrl::CRichEditCtrl()
	: m_frBand(), m_bBandLaidOut(FALSE)
{
}
CRichEditCtrl::~CRichEditCtrl() {}

BOOL CRichEditCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
	// Whoever loaded the newer library asked for its class; the module being
	// there means its classes are registered.
	LPCSTR lpszClass = RICHEDIT_CLASSA;
	if (::GetModuleHandleA(kMsfteditDll) != NULL)
		lpszClass = "RICHEDIT50W";
	else if (!AfxInitRichEdit2())
		return FALSE;
	return CWnd::Create(lpszClass, NULL, dwStyle, rect, pParentWnd, nID);
}

BOOL CRichEditCtrl::IsUnicodeControl() const
{
	// The framework's ANSI subclass hides what the control itself expects;
	// its class says it: "RichEdit20A" and the old "RichEdit" take ANSI,
	// "RichEdit20W" and "RICHEDIT50W" Unicode.
	char szClass[32] = "";
	int nLen = ::GetClassNameA(m_hWnd, szClass, static_cast<int>(sizeof(szClass)));
	return nLen > 0 && (szClass[nLen - 1] == 'W' || szClass[nLen - 1] == 'w');
}

/////////////////////////////////////////////////////////////////////////////
// Attributes

BOOL CRichEditCtrl::CanUndo() const { return (BOOL)SEND(EM_CANUNDO, 0, 0); }
BOOL CRichEditCtrl::CanPaste(UINT nFormat) const { return (BOOL)SEND(EM_CANPASTE, nFormat, 0); }
int CRichEditCtrl::GetLineCount() const { return (int)SEND(EM_GETLINECOUNT, 0, 0); }
BOOL CRichEditCtrl::GetModify() const { return (BOOL)SEND(EM_GETMODIFY, 0, 0); }
void CRichEditCtrl::SetModify(BOOL bModified) { SEND(EM_SETMODIFY, bModified, 0); }
int CRichEditCtrl::GetFirstVisibleLine() const { return (int)SEND(EM_GETFIRSTVISIBLELINE, 0, 0); }

CPoint CRichEditCtrl::GetCharPos(long lChar) const
{
	// Rich edit controls answer through a POINTL, unlike the plain edit.
	POINTL pt = { 0, 0 };
	SEND(EM_POSFROMCHAR, &pt, lChar);
	return CPoint(pt.x, pt.y);
}

long CRichEditCtrl::GetEventMask() const { return (long)SEND(EM_GETEVENTMASK, 0, 0); }
DWORD CRichEditCtrl::SetEventMask(DWORD dwEventMask) { return (DWORD)SEND(EM_SETEVENTMASK, 0, dwEventMask); }
UINT CRichEditCtrl::GetOptions() const { return (UINT)SEND(EM_GETOPTIONS, 0, 0); }
void CRichEditCtrl::SetOptions(WORD wOp, DWORD dwFlags) { SEND(EM_SETOPTIONS, wOp, dwFlags); }
long CRichEditCtrl::GetLimitText() const { return (long)SEND(EM_GETLIMITTEXT, 0, 0); }
BOOL CRichEditCtrl::SetReadOnly(BOOL bReadOnly) { return (BOOL)SEND(EM_SETREADONLY, bReadOnly, 0); }

COLORREF CRichEditCtrl::SetBackgroundColor(BOOL bSysColor, COLORREF cr)
{
	return (COLORREF)SEND(EM_SETBKGNDCOLOR, bSysColor, cr);
}

BOOL CRichEditCtrl::SetTargetDevice(HDC hDC, long lLineWidth)
{
	return (BOOL)SEND(EM_SETTARGETDEVICE, hDC, lLineWidth);
}

BOOL CRichEditCtrl::SetTargetDevice(CDC& dc, long lLineWidth)
{
	return SetTargetDevice(dc.m_hDC, lLineWidth);
}

void CRichEditCtrl::GetSel(long& nStartChar, long& nEndChar) const
{
	CHARRANGE cr = { 0, 0 };
	SEND(EM_EXGETSEL, 0, &cr);
	nStartChar = cr.cpMin;
	nEndChar = cr.cpMax;
}

void CRichEditCtrl::GetSel(CHARRANGE& cr) const { SEND(EM_EXGETSEL, 0, &cr); }

CString CRichEditCtrl::GetSelText() const
{
	CHARRANGE cr = { 0, 0 };
	SEND(EM_EXGETSEL, 0, &cr);
	CString strText;
	GetTextRange(cr.cpMin, cr.cpMax, strText);
	return strText;
}

long CRichEditCtrl::GetTextLength() const { return (long)SEND(WM_GETTEXTLENGTH, 0, 0); }

int CRichEditCtrl::GetTextRange(int nFirst, int nLast, CString& refString) const
{
	refString.Empty();
	if (m_hWnd == NULL || nFirst < 0)
		return 0;

	// Character positions (a paragraph break counts once), whatever the
	// class's own string type.
	GETTEXTLENGTHEX gtl = { GTL_PRECISE | GTL_NUMCHARS, 1200 };
	const int nEnd = (int)SEND(EM_GETTEXTLENGTHEX, &gtl, 0);
	if (nLast < 0 || nLast > nEnd)
		nLast = nEnd;
	if (nFirst >= nLast)
		return 0;
	const int nChars = nLast - nFirst;

	if (IsUnicodeControl())
	{
		// EM_GETTEXTRANGE is not converted by the system: the control fills
		// the buffer with its own characters.
		std::unique_ptr<WCHAR[]> buf(new (std::nothrow) WCHAR[nChars + 1]);
		if (!buf)
			return 0;
		TEXTRANGEW tr = { { nFirst, nLast }, buf.get() };
		const int nCopied = (int)SEND(EM_GETTEXTRANGE, 0, &tr);
		if (nCopied > 0)
			refString = CString(buf.get(), nCopied);
	}
	else
	{
		// A double-byte character takes two bytes for one position.
		if (nChars > (INT_MAX - 1) / 2)
			return 0;
		LPSTR psz = refString.GetBuffer(nChars * 2 + 1);
		if (psz == NULL)
			return 0;
		TEXTRANGEA tr = { { nFirst, nLast }, psz };
		const int nCopied = (int)SEND(EM_GETTEXTRANGE, 0, &tr);
		refString.ReleaseBuffer(nCopied > 0 ? nCopied : 0);
	}
	return refString.GetLength();
}

DWORD CRichEditCtrl::GetDefaultCharFormat(CHARFORMAT& cf) const
{
	cf.cbSize = sizeof(CHARFORMAT);
	return (DWORD)SEND(EM_GETCHARFORMAT, SCF_DEFAULT, &cf);
}

DWORD CRichEditCtrl::GetDefaultCharFormat(CHARFORMAT2& cf) const
{
	cf.cbSize = sizeof(CHARFORMAT2);
	return (DWORD)SEND(EM_GETCHARFORMAT, SCF_DEFAULT, &cf);
}

BOOL CRichEditCtrl::SetDefaultCharFormat(CHARFORMAT& cf)
{
	cf.cbSize = sizeof(CHARFORMAT);
	return (BOOL)SEND(EM_SETCHARFORMAT, SCF_DEFAULT, &cf);
}

BOOL CRichEditCtrl::SetDefaultCharFormat(CHARFORMAT2& cf)
{
	cf.cbSize = sizeof(CHARFORMAT2);
	return (BOOL)SEND(EM_SETCHARFORMAT, SCF_DEFAULT, &cf);
}

DWORD CRichEditCtrl::GetSelectionCharFormat(CHARFORMAT& cf) const
{
	cf.cbSize = sizeof(CHARFORMAT);
	return (DWORD)SEND(EM_GETCHARFORMAT, SCF_SELECTION, &cf);
}

DWORD CRichEditCtrl::GetSelectionCharFormat(CHARFORMAT2& cf) const
{
	cf.cbSize = sizeof(CHARFORMAT2);
	return (DWORD)SEND(EM_GETCHARFORMAT, SCF_SELECTION, &cf);
}

BOOL CRichEditCtrl::SetSelectionCharFormat(CHARFORMAT& cf)
{
	cf.cbSize = sizeof(CHARFORMAT);
	return (BOOL)SEND(EM_SETCHARFORMAT, SCF_SELECTION, &cf);
}

BOOL CRichEditCtrl::SetSelectionCharFormat(CHARFORMAT2& cf)
{
	cf.cbSize = sizeof(CHARFORMAT2);
	return (BOOL)SEND(EM_SETCHARFORMAT, SCF_SELECTION, &cf);
}

/////////////////////////////////////////////////////////////////////////////
// Operations

void CRichEditCtrl::LimitText(long nChars) { SEND(EM_EXLIMITTEXT, 0, nChars); }
long CRichEditCtrl::LineFromChar(long nIndex) const { return (long)SEND(EM_EXLINEFROMCHAR, 0, nIndex); }
int CRichEditCtrl::LineIndex(int nLine) const { return (int)SEND(EM_LINEINDEX, nLine, 0); }
int CRichEditCtrl::LineLength(int nLine) const { return (int)SEND(EM_LINELENGTH, nLine, 0); }
void CRichEditCtrl::LineScroll(int nLines, int nChars) { SEND(EM_LINESCROLL, nChars, nLines); }

void CRichEditCtrl::SetSel(long nStartChar, long nEndChar)
{
	CHARRANGE cr = { nStartChar, nEndChar };
	SEND(EM_EXSETSEL, 0, &cr);
}

void CRichEditCtrl::SetSel(CHARRANGE& cr) { SEND(EM_EXSETSEL, 0, &cr); }

void CRichEditCtrl::ReplaceSel(LPCTSTR lpszNewText, BOOL bCanUndo)
{
	// The system converts EM_REPLACESEL for the Unicode classes.
	SEND(EM_REPLACESEL, bCanUndo, lpszNewText != NULL ? lpszNewText : "");
}

void CRichEditCtrl::HideSelection(BOOL bHide, BOOL bPerm) { SEND(EM_HIDESELECTION, bHide, bPerm); }

long CRichEditCtrl::FormatRange(FORMATRANGE* pfr, BOOL bDisplay)
{
	m_bBandLaidOut = FALSE;
	const long cpNext = (long)SEND(EM_FORMATRANGE, bDisplay, pfr);
	// A control with a page layout answers at least cpMin, and more once a
	// line fits; 0 otherwise means it has none (some rich edit builds leave
	// the message unimplemented).
	if (pfr == NULL || cpNext != 0)
		return cpNext;
	const long cpLaidOut = LayOutRange(*pfr, bDisplay, NULL);
	if (!bDisplay)
	{
		m_frBand = *pfr;
		m_bBandLaidOut = TRUE;
	}
	return cpLaidOut;
}

BOOL CRichEditCtrl::DisplayBand(LPRECT pDisplayRect)
{
	if (pDisplayRect == NULL)
		return FALSE;
	if (m_bBandLaidOut)
	{
		LayOutRange(m_frBand, TRUE, pDisplayRect);
		return TRUE;
	}
	return (BOOL)SEND(EM_DISPLAYBAND, 0, pDisplayRect);
}

long CRichEditCtrl::LayOutRange(const FORMATRANGE& fr, BOOL bDisplay, LPCRECT lpClip)
{
	GETTEXTLENGTHEX gtl = { GTL_PRECISE | GTL_NUMCHARS, 1200 };
	const long nLength = (long)SEND(EM_GETTEXTLENGTHEX, &gtl, 0);
	const long cpEnd = (fr.chrg.cpMax < 0 || fr.chrg.cpMax > nLength) ? nLength : fr.chrg.cpMax;
	long cp = fr.chrg.cpMin > 0 ? fr.chrg.cpMin : 0;
	HDC hdc = fr.hdc;
	if (hdc == NULL || cp >= cpEnd)
		return cp;

	// UTF-16 text has one element per character position, whatever the
	// class; tabs are laid out as spaces.
	std::unique_ptr<WCHAR[]> text(new (std::nothrow) WCHAR[nLength + 1]);
	if (!text)
		return cp;
	GETTEXTEX gt = { static_cast<DWORD>((nLength + 1) * sizeof(WCHAR)), GT_DEFAULT, 1200, NULL, NULL };
	if ((long)SEND(EM_GETTEXTEX, &gt, text.get()) < cpEnd)
		return cp;
	for (long i = cp; i < cpEnd; ++i)
		if (text[i] == L'\t')
			text[i] = L' ';

	const int dpiX = ::GetDeviceCaps(hdc, LOGPIXELSX);
	const int dpiY = ::GetDeviceCaps(hdc, LOGPIXELSY);
	const RECT rc = { ::MulDiv(fr.rc.left, dpiX, 1440), ::MulDiv(fr.rc.top, dpiY, 1440),
		::MulDiv(fr.rc.right, dpiX, 1440), ::MulDiv(fr.rc.bottom, dpiY, 1440) };

	CHARFORMAT2 cf = {};
	GetDefaultCharFormat(cf);
	LOGFONTA lf = {};
	lf.lfHeight = -::MulDiv(cf.yHeight, dpiY, 1440);
	lf.lfWeight = (cf.dwEffects & CFE_BOLD) ? FW_BOLD : FW_NORMAL;
	lf.lfItalic = (cf.dwEffects & CFE_ITALIC) != 0;
	lf.lfUnderline = (cf.dwEffects & CFE_UNDERLINE) != 0;
	lf.lfStrikeOut = (cf.dwEffects & CFE_STRIKEOUT) != 0;
	lf.lfCharSet = cf.bCharSet;
	lf.lfPitchAndFamily = cf.bPitchAndFamily;
	::lstrcpynA(lf.lfFaceName, cf.szFaceName, LF_FACESIZE);
	HFONT hFont = ::CreateFontIndirectA(&lf);
	if (hFont == NULL)
		return cp;

	// SaveDC brings back the caller's font, colours, alignment and clipping.
	const int nSavedDC = ::SaveDC(hdc);
	::SelectObject(hdc, hFont);
	::SetBkMode(hdc, TRANSPARENT);
	::SetTextAlign(hdc, TA_LEFT | TA_TOP | TA_NOUPDATECP);
	::SetTextColor(hdc, (cf.dwEffects & CFE_AUTOCOLOR) ? ::GetSysColor(COLOR_WINDOWTEXT) : cf.crTextColor);
	if (lpClip != NULL)
		::IntersectClipRect(hdc, lpClip->left, lpClip->top, lpClip->right, lpClip->bottom);
	TEXTMETRICW tm = {};
	::GetTextMetricsW(hdc, &tm);
	const int cyLine = tm.tmHeight > 0 ? tm.tmHeight : 1;

	auto isBreak = [](WCHAR ch) { return ch == L'\r' || ch == L'\n' || ch == L'\v'; };
	for (int y = rc.top; cp < cpEnd && y + cyLine <= rc.bottom; y += cyLine)
	{
		long cpPara = cp;
		while (cpPara < cpEnd && !isBreak(text[cpPara]))
			++cpPara;

		// As much of the paragraph as the width takes, broken after a space
		// where there is one, else inside the word (at least one character).
		const int nRest = static_cast<int>(cpPara - cp);
		int nFit = 0;
		SIZE size = {};
		::GetTextExtentExPointW(hdc, &text[cp], nRest, rc.right - rc.left, &nFit, NULL, &size);
		int nLine = nRest;
		if (nFit < nRest)
		{
			nLine = nFit;
			while (nLine > 0 && text[cp + nLine] != L' ')
				--nLine;
			if (nLine == 0)
				nLine = nFit > 0 ? nFit : 1;
		}

		if (bDisplay)
		{
			int nDraw = nLine;
			while (nDraw > 0 && text[cp + nDraw - 1] == L' ')
				--nDraw;
			::ExtTextOutW(hdc, rc.left, y, 0, NULL, &text[cp], nDraw, NULL);
		}

		// Spaces at a wrap belong to the line; a paragraph mark (CR LF in
		// the old format) ends it.
		cp += nLine;
		while (cp < cpPara && text[cp] == L' ')
			++cp;
		if (cp == cpPara && cp < cpEnd)
		{
			if (text[cp] == L'\r' && cp + 1 < cpEnd && text[cp + 1] == L'\n')
				++cp;
			++cp;
		}
	}

	::RestoreDC(hdc, nSavedDC);
	::DeleteObject(hFont);
	return cp;
}

long CRichEditCtrl::StreamIn(int nFormat, EDITSTREAM& es) { return (long)SEND(EM_STREAMIN, nFormat, &es); }
long CRichEditCtrl::StreamOut(int nFormat, EDITSTREAM& es) { return (long)SEND(EM_STREAMOUT, nFormat, &es); }

BOOL CRichEditCtrl::Undo() { return (BOOL)SEND(EM_UNDO, 0, 0); }
void CRichEditCtrl::EmptyUndoBuffer() { SEND(EM_EMPTYUNDOBUFFER, 0, 0); }
void CRichEditCtrl::Clear() { SEND(WM_CLEAR, 0, 0); }
void CRichEditCtrl::Copy() { SEND(WM_COPY, 0, 0); }
void CRichEditCtrl::Cut() { SEND(WM_CUT, 0, 0); }
void CRichEditCtrl::Paste() { SEND(WM_PASTE, 0, 0); }

void CRichEditCtrl::PasteSpecial(UINT nClipFormat, DWORD dvAspect, HMETAFILE hMF)
{
	REPASTESPECIAL reps = { dvAspect, reinterpret_cast<DWORD_PTR>(hMF) };
	SEND(EM_PASTESPECIAL, nClipFormat, &reps);
}
