// richedit.cpp - CRichEditCtrl and the loading of Msftedit.dll.

#include "afxcmn.h"
#include "mbcs_.h"

#include <climits>
#include <memory>
#include <new>

IMPLEMENT_DYNAMIC(CRichEditCtrl, CWnd)

#define SEND(msg, wp, lp) \
	(ASSERT(::IsWindow(m_hWnd)), ::SendMessageA(m_hWnd, (msg), (WPARAM)(wp), (LPARAM)(lp)))

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
{
}
CRichEditCtrl::~CRichEditCtrl()
{
}

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

BOOL CRichEditCtrl::CanUndo() const
{
	return (BOOL)SEND(EM_CANUNDO, 0, 0);
}
BOOL CRichEditCtrl::CanPaste(UINT nFormat) const
{
	return (BOOL)SEND(EM_CANPASTE, nFormat, 0);
}
int CRichEditCtrl::GetLineCount() const
{
	return (int)SEND(EM_GETLINECOUNT, 0, 0);
}
BOOL CRichEditCtrl::GetModify() const
{
	return (BOOL)SEND(EM_GETMODIFY, 0, 0);
}
void CRichEditCtrl::SetModify(BOOL bModified)
{
	SEND(EM_SETMODIFY, bModified, 0);
}
int CRichEditCtrl::GetFirstVisibleLine() const
{
	return (int)SEND(EM_GETFIRSTVISIBLELINE, 0, 0);
}

CPoint CRichEditCtrl::GetCharPos(long lChar) const
{
	// Rich edit controls answer through a POINTL, unlike the plain edit.
	POINTL pt = { 0, 0 };
	SEND(EM_POSFROMCHAR, &pt, lChar);
	return CPoint(pt.x, pt.y);
}

long CRichEditCtrl::GetEventMask() const
{
	return (long)SEND(EM_GETEVENTMASK, 0, 0);
}
DWORD CRichEditCtrl::SetEventMask(DWORD dwEventMask)
{
	return (DWORD)SEND(EM_SETEVENTMASK, 0, dwEventMask);
}
UINT CRichEditCtrl::GetOptions() const
{
	return (UINT)SEND(EM_GETOPTIONS, 0, 0);
}
void CRichEditCtrl::SetOptions(WORD wOp, DWORD dwFlags)
{
	SEND(EM_SETOPTIONS, wOp, dwFlags);
}
long CRichEditCtrl::GetLimitText() const
{
	return (long)SEND(EM_GETLIMITTEXT, 0, 0);
}
BOOL CRichEditCtrl::SetReadOnly(BOOL bReadOnly)
{
	return (BOOL)SEND(EM_SETREADONLY, bReadOnly, 0);
}

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

void CRichEditCtrl::GetSel(CHARRANGE& cr) const
{
	SEND(EM_EXGETSEL, 0, &cr);
}

CString CRichEditCtrl::GetSelText() const
{
	CHARRANGE cr = { 0, 0 };
	SEND(EM_EXGETSEL, 0, &cr);
	CString strText;
	GetTextRange(cr.cpMin, cr.cpMax, strText);
	return strText;
}

long CRichEditCtrl::GetTextLength() const
{
	return (long)SEND(WM_GETTEXTLENGTH, 0, 0);
}

long CRichEditCtrl::GetTextLengthEx(DWORD dwFlags, UINT uCodePage) const
{
	GETTEXTLENGTHEX gtl = { dwFlags, uCodePage == static_cast<UINT>(-1) ? CP_ACP : uCodePage };
	return (long)SEND(EM_GETTEXTLENGTHEX, &gtl, 0);
}

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
		// One position (a UTF-16 unit) takes up to two bytes in a
		// double-byte code page and three in UTF-8; never less than two.
		const int nPerUnit = AfxMaxBytesPerUnit() > 2 ? AfxMaxBytesPerUnit() : 2;
		if (nChars > (INT_MAX - 1) / nPerUnit)
			return 0;
		LPSTR psz = refString.GetBuffer(nChars * nPerUnit + 1);
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

void CRichEditCtrl::LimitText(long nChars)
{
	SEND(EM_EXLIMITTEXT, 0, nChars);
}
long CRichEditCtrl::LineFromChar(long nIndex) const
{
	return (long)SEND(EM_EXLINEFROMCHAR, 0, nIndex);
}
int CRichEditCtrl::LineIndex(int nLine) const
{
	return (int)SEND(EM_LINEINDEX, nLine, 0);
}
int CRichEditCtrl::LineLength(int nLine) const
{
	return (int)SEND(EM_LINELENGTH, nLine, 0);
}
void CRichEditCtrl::LineScroll(int nLines, int nChars)
{
	SEND(EM_LINESCROLL, nChars, nLines);
}

void CRichEditCtrl::SetSel(long nStartChar, long nEndChar)
{
	CHARRANGE cr = { nStartChar, nEndChar };
	SEND(EM_EXSETSEL, 0, &cr);
}

void CRichEditCtrl::SetSel(CHARRANGE& cr)
{
	SEND(EM_EXSETSEL, 0, &cr);
}

void CRichEditCtrl::ReplaceSel(LPCTSTR lpszNewText, BOOL bCanUndo)
{
	// The system converts EM_REPLACESEL for the Unicode classes.
	SEND(EM_REPLACESEL, bCanUndo, lpszNewText != NULL ? lpszNewText : "");
}

void CRichEditCtrl::HideSelection(BOOL bHide, BOOL bPerm)
{
	SEND(EM_HIDESELECTION, bHide, bPerm);
}

long CRichEditCtrl::FormatRange(FORMATRANGE* pfr, BOOL bDisplay)
{
	return (long)SEND(EM_FORMATRANGE, bDisplay, pfr);
}

BOOL CRichEditCtrl::DisplayBand(LPRECT pDisplayRect)
{
	if (pDisplayRect == NULL)
		return FALSE;
	return (BOOL)SEND(EM_DISPLAYBAND, 0, pDisplayRect);
}

long CRichEditCtrl::StreamIn(int nFormat, EDITSTREAM& es)
{
	return (long)SEND(EM_STREAMIN, nFormat, &es);
}
long CRichEditCtrl::StreamOut(int nFormat, EDITSTREAM& es)
{
	return (long)SEND(EM_STREAMOUT, nFormat, &es);
}

BOOL CRichEditCtrl::Undo()
{
	return (BOOL)SEND(EM_UNDO, 0, 0);
}
void CRichEditCtrl::EmptyUndoBuffer()
{
	SEND(EM_EMPTYUNDOBUFFER, 0, 0);
}
void CRichEditCtrl::Clear()
{
	SEND(WM_CLEAR, 0, 0);
}
void CRichEditCtrl::Copy()
{
	SEND(WM_COPY, 0, 0);
}
void CRichEditCtrl::Cut()
{
	SEND(WM_CUT, 0, 0);
}
void CRichEditCtrl::Paste()
{
	SEND(WM_PASTE, 0, 0);
}

void CRichEditCtrl::PasteSpecial(UINT nClipFormat, DWORD dvAspect, HMETAFILE hMF)
{
	REPASTESPECIAL reps = { dvAspect, reinterpret_cast<DWORD_PTR>(hMF) };
	SEND(EM_PASTESPECIAL, nClipFormat, &reps);
}
