// controls.cpp - the standard control wrappers: CStatic, CButton, CListBox, CComboBox, CEdit, CScrollBar.

#include "afximpl_.h"
#include "ownerdraw_.h"

IMPLEMENT_DYNAMIC(CStatic, CWnd)
IMPLEMENT_DYNAMIC(CButton, CWnd)
IMPLEMENT_DYNAMIC(CListBox, CWnd)
IMPLEMENT_DYNAMIC(CComboBox, CWnd)
IMPLEMENT_DYNAMIC(CEdit, CWnd)
IMPLEMENT_DYNAMIC(CScrollBar, CWnd)

// Shorthand for the wrappers below: a message to the control itself, which
// must exist.
#define SEND(msg, wp, lp) \
	(ASSERT(::IsWindow(m_hWnd)), ::SendMessageA(m_hWnd, (msg), (WPARAM)(wp), (LPARAM)(lp)))

// The members that CListBox and CComboBox share, each sent as the box's own
// message: prefix is LB_ or CB_.
#define IMPLEMENT_LIST_MEMBERS(theClass, prefix) \
	int theClass::GetCount() const \
	{ \
		return (int)SEND(prefix##GETCOUNT, 0, 0); \
	} \
	int theClass::GetCurSel() const \
	{ \
		return (int)SEND(prefix##GETCURSEL, 0, 0); \
	} \
	int theClass::SetCurSel(int nSelect) \
	{ \
		return (int)SEND(prefix##SETCURSEL, nSelect, 0); \
	} \
	LCID theClass::GetLocale() const \
	{ \
		return (LCID)SEND(prefix##GETLOCALE, 0, 0); \
	} \
	LCID theClass::SetLocale(LCID nNewLocale) \
	{ \
		return (LCID)SEND(prefix##SETLOCALE, nNewLocale, 0); \
	} \
	int theClass::GetTopIndex() const \
	{ \
		return (int)SEND(prefix##GETTOPINDEX, 0, 0); \
	} \
	int theClass::SetTopIndex(int nIndex) \
	{ \
		return (int)SEND(prefix##SETTOPINDEX, nIndex, 0); \
	} \
	int theClass::InitStorage(int nItems, UINT nBytes) \
	{ \
		return (int)SEND(prefix##INITSTORAGE, nItems, nBytes); \
	} \
	DWORD_PTR theClass::GetItemData(int nIndex) const \
	{ \
		return (DWORD_PTR)SEND(prefix##GETITEMDATA, nIndex, 0); \
	} \
	int theClass::SetItemData(int nIndex, DWORD_PTR dwItemData) \
	{ \
		return (int)SEND(prefix##SETITEMDATA, nIndex, dwItemData); \
	} \
	void* theClass::GetItemDataPtr(int nIndex) const \
	{ \
		return (void*)GetItemData(nIndex); \
	} \
	int theClass::SetItemDataPtr(int nIndex, void* pData) \
	{ \
		return SetItemData(nIndex, (DWORD_PTR)pData); \
	} \
	int theClass::SetItemHeight(int nIndex, UINT cyItemHeight) \
	{ \
		return (int)SEND(prefix##SETITEMHEIGHT, nIndex, MAKELONG(cyItemHeight, 0)); \
	} \
	int theClass::GetItemHeight(int nIndex) const \
	{ \
		return (int)SEND(prefix##GETITEMHEIGHT, nIndex, 0); \
	} \
	int theClass::FindStringExact(int nIndexStart, LPCTSTR lpszFind) const \
	{ \
		return (int)SEND(prefix##FINDSTRINGEXACT, nIndexStart, lpszFind); \
	} \
	int theClass::AddString(LPCTSTR lpszString) \
	{ \
		return (int)SEND(prefix##ADDSTRING, 0, lpszString); \
	} \
	int theClass::DeleteString(UINT nIndex) \
	{ \
		return (int)SEND(prefix##DELETESTRING, nIndex, 0); \
	} \
	int theClass::InsertString(int nIndex, LPCTSTR lpszString) \
	{ \
		return (int)SEND(prefix##INSERTSTRING, nIndex, lpszString); \
	} \
	void theClass::ResetContent() \
	{ \
		SEND(prefix##RESETCONTENT, 0, 0); \
	} \
	int theClass::Dir(UINT attr, LPCTSTR lpszWildCard) \
	{ \
		return (int)SEND(prefix##DIR, attr, lpszWildCard); \
	} \
	int theClass::FindString(int nStartAfter, LPCTSTR lpszString) const \
	{ \
		return (int)SEND(prefix##FINDSTRING, nStartAfter, lpszString); \
	} \
	int theClass::SelectString(int nStartAfter, LPCTSTR lpszString) \
	{ \
		return (int)SEND(prefix##SELECTSTRING, nStartAfter, lpszString); \
	} \
	void theClass::DrawItem(LPDRAWITEMSTRUCT) \
	{ \
	} \
	void theClass::MeasureItem(LPMEASUREITEMSTRUCT) \
	{ \
	} \
	int theClass::CompareItem(LPCOMPAREITEMSTRUCT) \
	{ \
		return 0; \
	} \
	void theClass::DeleteItem(LPDELETEITEMSTRUCT) \
	{ \
	}

// The text of item nIndex, or empty when there is no such item.
static void GetItemText(HWND hWnd, UINT nLenMsg, UINT nTextMsg, int nIndex, CString& rString)
{
	int nLen = (int)::SendMessageA(hWnd, nLenMsg, nIndex, 0);
	if (nLen < 0)
	{
		rString.Empty();
		return;
	}
	::SendMessageA(hWnd, nTextMsg, nIndex, (LPARAM)rString.GetBufferSetLength(nLen));
	rString.ReleaseBuffer();
}

/////////////////////////////////////////////////////////////////////////////
// CStatic

CStatic::CStatic()
{
}
CStatic::~CStatic()
{
}

BOOL CStatic::Create(LPCTSTR lpszText, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
	return CWnd::Create("STATIC", lpszText, dwStyle, rect, pParentWnd, nID);
}

HICON CStatic::SetIcon(HICON hIcon)
{
	return (HICON)SEND(STM_SETICON, hIcon, 0);
}
HICON CStatic::GetIcon() const
{
	return (HICON)SEND(STM_GETICON, 0, 0);
}
HBITMAP CStatic::SetBitmap(HBITMAP hBitmap)
{
	return (HBITMAP)SEND(STM_SETIMAGE, IMAGE_BITMAP, hBitmap);
}
HBITMAP CStatic::GetBitmap() const
{
	return (HBITMAP)SEND(STM_GETIMAGE, IMAGE_BITMAP, 0);
}
HCURSOR CStatic::SetCursor(HCURSOR hCursor)
{
	return (HCURSOR)SEND(STM_SETIMAGE, IMAGE_CURSOR, hCursor);
}
HCURSOR CStatic::GetCursor()
{
	return (HCURSOR)SEND(STM_GETIMAGE, IMAGE_CURSOR, 0);
}

HENHMETAFILE CStatic::SetEnhMetaFile(HENHMETAFILE hMetaFile)
{
	return (HENHMETAFILE)SEND(STM_SETIMAGE, IMAGE_ENHMETAFILE, hMetaFile);
}

HENHMETAFILE CStatic::GetEnhMetaFile() const
{
	return (HENHMETAFILE)SEND(STM_GETIMAGE, IMAGE_ENHMETAFILE, 0);
}

void CStatic::DrawItem(LPDRAWITEMSTRUCT)
{
}

BOOL CStatic::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
	// An SS_OWNERDRAW static paints through DrawItem.
	return ReflectDrawItem(this, message, lParam, pResult) ||
		   CWnd::OnChildNotify(message, wParam, lParam, pResult);
}

/////////////////////////////////////////////////////////////////////////////
// CButton

CButton::CButton()
{
}
CButton::~CButton()
{
}

BOOL CButton::Create(LPCTSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
	return CWnd::Create("BUTTON", lpszCaption, dwStyle, rect, pParentWnd, nID);
}

UINT CButton::GetState() const
{
	return (UINT)SEND(BM_GETSTATE, 0, 0);
}
void CButton::SetState(BOOL bHighlight)
{
	SEND(BM_SETSTATE, bHighlight, 0);
}
int CButton::GetCheck() const
{
	return (int)SEND(BM_GETCHECK, 0, 0);
}
void CButton::SetCheck(int nCheck)
{
	SEND(BM_SETCHECK, nCheck, 0);
}
UINT CButton::GetButtonStyle() const
{
	return (UINT)::GetWindowLongPtrA(m_hWnd, GWL_STYLE) & 0xFF;
}
void CButton::SetButtonStyle(UINT nStyle, BOOL bRedraw)
{
	SEND(BM_SETSTYLE, nStyle, bRedraw);
}
HICON CButton::SetIcon(HICON hIcon)
{
	return (HICON)SEND(BM_SETIMAGE, IMAGE_ICON, hIcon);
}
HICON CButton::GetIcon() const
{
	return (HICON)SEND(BM_GETIMAGE, IMAGE_ICON, 0);
}
HBITMAP CButton::SetBitmap(HBITMAP hBitmap)
{
	return (HBITMAP)SEND(BM_SETIMAGE, IMAGE_BITMAP, hBitmap);
}
HBITMAP CButton::GetBitmap() const
{
	return (HBITMAP)SEND(BM_GETIMAGE, IMAGE_BITMAP, 0);
}
HCURSOR CButton::SetCursor(HCURSOR hCursor)
{
	return (HCURSOR)SEND(BM_SETIMAGE, IMAGE_CURSOR, hCursor);
}
HCURSOR CButton::GetCursor()
{
	return (HCURSOR)SEND(BM_GETIMAGE, IMAGE_CURSOR, 0);
}

void CButton::DrawItem(LPDRAWITEMSTRUCT)
{
}

BOOL CButton::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
	// WM_DRAWITEM of a BS_OWNERDRAW button ends in the virtual DrawItem.
	return ReflectDrawItem(this, message, lParam, pResult) ||
		   CWnd::OnChildNotify(message, wParam, lParam, pResult);
}

/////////////////////////////////////////////////////////////////////////////
// CListBox

CListBox::CListBox()
{
}
CListBox::~CListBox()
{
}

BOOL CListBox::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
	return CWnd::Create("LISTBOX", NULL, dwStyle, rect, pParentWnd, nID);
}

IMPLEMENT_LIST_MEMBERS(CListBox, LB_)

int CListBox::GetHorizontalExtent() const
{
	return (int)SEND(LB_GETHORIZONTALEXTENT, 0, 0);
}
void CListBox::SetHorizontalExtent(int cxExtent)
{
	SEND(LB_SETHORIZONTALEXTENT, cxExtent, 0);
}

UINT CListBox::ItemFromPoint(CPoint pt, BOOL& bOutside) const
{
	DWORD dw = (DWORD)SEND(LB_ITEMFROMPOINT, 0, MAKELPARAM(pt.x, pt.y));
	bOutside = HIWORD(dw) != 0;
	return LOWORD(dw);
}

int CListBox::GetSel(int nIndex) const
{
	return (int)SEND(LB_GETSEL, nIndex, 0);
}
int CListBox::SetSel(int nIndex, BOOL bSelect)
{
	return (int)SEND(LB_SETSEL, bSelect, nIndex);
}
int CListBox::GetSelCount() const
{
	return (int)SEND(LB_GETSELCOUNT, 0, 0);
}

int CListBox::GetSelItems(int nMaxItems, LPINT rgIndex) const
{
	if (rgIndex == NULL || nMaxItems <= 0)
		return 0;
	return (int)SEND(LB_GETSELITEMS, nMaxItems, rgIndex);
}

void CListBox::SetAnchorIndex(int nIndex)
{
	SEND(LB_SETANCHORINDEX, nIndex, 0);
}
int CListBox::GetAnchorIndex() const
{
	return (int)SEND(LB_GETANCHORINDEX, 0, 0);
}
int CListBox::GetItemRect(int nIndex, LPRECT lpRect) const
{
	return (int)SEND(LB_GETITEMRECT, nIndex, lpRect);
}

int CListBox::GetText(int nIndex, LPTSTR lpszBuffer) const
{
	if (lpszBuffer == NULL)
		return LB_ERR;
	return (int)SEND(LB_GETTEXT, nIndex, lpszBuffer);
}

void CListBox::GetText(int nIndex, CString& rString) const
{
	GetItemText(m_hWnd, LB_GETTEXTLEN, LB_GETTEXT, nIndex, rString);
}

int CListBox::GetTextLen(int nIndex) const
{
	return (int)SEND(LB_GETTEXTLEN, nIndex, 0);
}
void CListBox::SetColumnWidth(int cxWidth)
{
	SEND(LB_SETCOLUMNWIDTH, cxWidth, 0);
}
BOOL CListBox::SetTabStops(int nTabStops, LPINT rgTabStops)
{
	return (BOOL)SEND(LB_SETTABSTOPS, nTabStops, rgTabStops);
}
void CListBox::SetTabStops()
{
	SEND(LB_SETTABSTOPS, 0, 0);
}
BOOL CListBox::SetTabStops(const int& cxEachStop)
{
	return (BOOL)SEND(LB_SETTABSTOPS, 1, &cxEachStop);
}
int CListBox::GetCaretIndex() const
{
	return (int)SEND(LB_GETCARETINDEX, 0, 0);
}
int CListBox::SetCaretIndex(int nIndex, BOOL bScroll)
{
	return (int)SEND(LB_SETCARETINDEX, nIndex, MAKELONG(bScroll, 0));
}

int CListBox::SelItemRange(BOOL bSelect, int nFirstItem, int nLastItem)
{
	return (int)SEND(LB_SELITEMRANGEEX, bSelect ? nFirstItem : nLastItem, bSelect ? nLastItem : nFirstItem);
}

int CListBox::VKeyToItem(UINT, UINT)
{
	return -1;
}
int CListBox::CharToItem(UINT, UINT)
{
	return -1;
}

BOOL CListBox::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
	if (message == WM_VKEYTOITEM)
		return HandledChildNotify(pResult, VKeyToItem(LOWORD(wParam), HIWORD(wParam)));
	if (message == WM_CHARTOITEM)
		return HandledChildNotify(pResult, CharToItem(LOWORD(wParam), HIWORD(wParam)));
	return ReflectOwnerDraw(this, message, lParam, pResult) ||
		   CWnd::OnChildNotify(message, wParam, lParam, pResult);
}

/////////////////////////////////////////////////////////////////////////////
// CComboBox

CComboBox::CComboBox()
{
}
CComboBox::~CComboBox()
{
}

BOOL CComboBox::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
	return CWnd::Create("COMBOBOX", NULL, dwStyle, rect, pParentWnd, nID);
}

IMPLEMENT_LIST_MEMBERS(CComboBox, CB_)

void CComboBox::SetHorizontalExtent(UINT nExtent)
{
	SEND(CB_SETHORIZONTALEXTENT, nExtent, 0);
}
UINT CComboBox::GetHorizontalExtent() const
{
	return (UINT)SEND(CB_GETHORIZONTALEXTENT, 0, 0);
}
int CComboBox::SetDroppedWidth(UINT nWidth)
{
	return (int)SEND(CB_SETDROPPEDWIDTH, nWidth, 0);
}
int CComboBox::GetDroppedWidth() const
{
	return (int)SEND(CB_GETDROPPEDWIDTH, 0, 0);
}
DWORD CComboBox::GetEditSel() const
{
	return (DWORD)SEND(CB_GETEDITSEL, 0, 0);
}
BOOL CComboBox::LimitText(int nMaxChars)
{
	return (BOOL)SEND(CB_LIMITTEXT, nMaxChars, 0);
}
BOOL CComboBox::SetEditSel(int nStartChar, int nEndChar)
{
	return (BOOL)SEND(CB_SETEDITSEL, 0, MAKELONG(nStartChar, nEndChar));
}

int CComboBox::GetLBText(int nIndex, LPTSTR lpszText) const
{
	if (lpszText == NULL)
		return CB_ERR;
	return (int)SEND(CB_GETLBTEXT, nIndex, lpszText);
}

void CComboBox::GetLBText(int nIndex, CString& rString) const
{
	GetItemText(m_hWnd, CB_GETLBTEXTLEN, CB_GETLBTEXT, nIndex, rString);
}

int CComboBox::GetLBTextLen(int nIndex) const
{
	return (int)SEND(CB_GETLBTEXTLEN, nIndex, 0);
}
int CComboBox::SetExtendedUI(BOOL bExtended)
{
	return (int)SEND(CB_SETEXTENDEDUI, bExtended, 0);
}
BOOL CComboBox::GetExtendedUI() const
{
	return (BOOL)SEND(CB_GETEXTENDEDUI, 0, 0);
}
void CComboBox::GetDroppedControlRect(LPRECT lprect) const
{
	SEND(CB_GETDROPPEDCONTROLRECT, 0, lprect);
}
BOOL CComboBox::GetDroppedState() const
{
	return (BOOL)SEND(CB_GETDROPPEDSTATE, 0, 0);
}
void CComboBox::ShowDropDown(BOOL bShowIt)
{
	SEND(CB_SHOWDROPDOWN, bShowIt, 0);
}
void CComboBox::Clear()
{
	SEND(WM_CLEAR, 0, 0);
}
void CComboBox::Copy()
{
	SEND(WM_COPY, 0, 0);
}
void CComboBox::Cut()
{
	SEND(WM_CUT, 0, 0);
}
void CComboBox::Paste()
{
	SEND(WM_PASTE, 0, 0);
}

BOOL CComboBox::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
	return ReflectOwnerDraw(this, message, lParam, pResult) ||
		   CWnd::OnChildNotify(message, wParam, lParam, pResult);
}

/////////////////////////////////////////////////////////////////////////////
// CEdit

CEdit::CEdit()
{
}
CEdit::~CEdit()
{
}

BOOL CEdit::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
	return CWnd::Create("EDIT", NULL, dwStyle, rect, pParentWnd, nID);
}

BOOL CEdit::CanUndo() const
{
	return (BOOL)SEND(EM_CANUNDO, 0, 0);
}
int CEdit::GetLineCount() const
{
	return (int)SEND(EM_GETLINECOUNT, 0, 0);
}
BOOL CEdit::GetModify() const
{
	return (BOOL)SEND(EM_GETMODIFY, 0, 0);
}
void CEdit::SetModify(BOOL bModified)
{
	SEND(EM_SETMODIFY, bModified, 0);
}
void CEdit::GetRect(LPRECT lpRect) const
{
	SEND(EM_GETRECT, 0, lpRect);
}
DWORD CEdit::GetSel() const
{
	return (DWORD)SEND(EM_GETSEL, 0, 0);
}
void CEdit::GetSel(int& nStartChar, int& nEndChar) const
{
	SEND(EM_GETSEL, &nStartChar, &nEndChar);
}
HLOCAL CEdit::GetHandle() const
{
	return (HLOCAL)SEND(EM_GETHANDLE, 0, 0);
}
void CEdit::SetHandle(HLOCAL hBuffer)
{
	SEND(EM_SETHANDLE, hBuffer, 0);
}
void CEdit::SetMargins(UINT nLeft, UINT nRight)
{
	SEND(EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELONG(nLeft, nRight));
}
DWORD CEdit::GetMargins() const
{
	return (DWORD)SEND(EM_GETMARGINS, 0, 0);
}
void CEdit::SetLimitText(UINT nMax)
{
	SEND(EM_SETLIMITTEXT, nMax, 0);
}
UINT CEdit::GetLimitText() const
{
	return (UINT)SEND(EM_GETLIMITTEXT, 0, 0);
}

CPoint CEdit::PosFromChar(UINT nChar) const
{
	return CPoint(static_cast<DWORD>(SEND(EM_POSFROMCHAR, nChar, 0)));
}

int CEdit::CharFromPos(CPoint pt) const
{
	return (int)SEND(EM_CHARFROMPOS, 0, MAKELPARAM(pt.x, pt.y));
}

int CEdit::GetLine(int nIndex, LPTSTR lpszBuffer) const
{
	if (lpszBuffer == NULL)
		return 0;
	return (int)SEND(EM_GETLINE, nIndex, lpszBuffer);
}

int CEdit::GetLine(int nIndex, LPTSTR lpszBuffer, int nMaxLength) const
{
	// EM_GETLINE reads the buffer size from the buffer's first word.
	if (lpszBuffer == NULL || nMaxLength < static_cast<int>(sizeof(WORD)))
		return 0;
	*reinterpret_cast<LPWORD>(lpszBuffer) = static_cast<WORD>(nMaxLength);
	return (int)SEND(EM_GETLINE, nIndex, lpszBuffer);
}

TCHAR CEdit::GetPasswordChar() const
{
	return (TCHAR)SEND(EM_GETPASSWORDCHAR, 0, 0);
}
int CEdit::GetFirstVisibleLine() const
{
	return (int)SEND(EM_GETFIRSTVISIBLELINE, 0, 0);
}
void CEdit::EmptyUndoBuffer()
{
	SEND(EM_EMPTYUNDOBUFFER, 0, 0);
}
BOOL CEdit::FmtLines(BOOL bAddEOL)
{
	return (BOOL)SEND(EM_FMTLINES, bAddEOL, 0);
}
void CEdit::LimitText(int nChars)
{
	SEND(EM_LIMITTEXT, nChars, 0);
}
int CEdit::LineFromChar(int nIndex) const
{
	return (int)SEND(EM_LINEFROMCHAR, nIndex, 0);
}
int CEdit::LineIndex(int nLine) const
{
	return (int)SEND(EM_LINEINDEX, nLine, 0);
}
int CEdit::LineLength(int nLine) const
{
	return (int)SEND(EM_LINELENGTH, nLine, 0);
}
void CEdit::LineScroll(int nLines, int nChars)
{
	SEND(EM_LINESCROLL, nChars, nLines);
}
void CEdit::ReplaceSel(LPCTSTR lpszNewText, BOOL bCanUndo)
{
	SEND(EM_REPLACESEL, bCanUndo, lpszNewText != NULL ? lpszNewText : "");
}
void CEdit::SetPasswordChar(TCHAR ch)
{
	SEND(EM_SETPASSWORDCHAR, (BYTE)ch, 0);
}
void CEdit::SetRect(LPCRECT lpRect)
{
	SEND(EM_SETRECT, 0, lpRect);
}
void CEdit::SetRectNP(LPCRECT lpRect)
{
	SEND(EM_SETRECTNP, 0, lpRect);
}
void CEdit::SetSel(DWORD dwSelection, BOOL bNoScroll)
{
	SetSel((short)LOWORD(dwSelection), (short)HIWORD(dwSelection), bNoScroll);
}
void CEdit::SetSel(int nStartChar, int nEndChar, BOOL bNoScroll)
{
	SEND(EM_SETSEL, nStartChar, nEndChar);
	if (!bNoScroll)
		SEND(EM_SCROLLCARET, 0, 0);
}
BOOL CEdit::SetTabStops(int nTabStops, LPINT rgTabStops)
{
	return (BOOL)SEND(EM_SETTABSTOPS, nTabStops, rgTabStops);
}
void CEdit::SetTabStops()
{
	SEND(EM_SETTABSTOPS, 0, 0);
}
BOOL CEdit::SetTabStops(const int& cxEachStop)
{
	return (BOOL)SEND(EM_SETTABSTOPS, 1, &cxEachStop);
}
BOOL CEdit::Undo()
{
	return (BOOL)SEND(EM_UNDO, 0, 0);
}
void CEdit::Clear()
{
	SEND(WM_CLEAR, 0, 0);
}
void CEdit::Copy()
{
	SEND(WM_COPY, 0, 0);
}
void CEdit::Cut()
{
	SEND(WM_CUT, 0, 0);
}
void CEdit::Paste()
{
	SEND(WM_PASTE, 0, 0);
}
BOOL CEdit::SetReadOnly(BOOL bReadOnly)
{
	return (BOOL)SEND(EM_SETREADONLY, bReadOnly, 0);
}

/////////////////////////////////////////////////////////////////////////////
// CScrollBar

CScrollBar::CScrollBar()
{
}
CScrollBar::~CScrollBar()
{
}

BOOL CScrollBar::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
	return CWnd::Create("SCROLLBAR", NULL, dwStyle, rect, pParentWnd, nID);
}

int CScrollBar::GetScrollPos() const
{
	return ::GetScrollPos(m_hWnd, SB_CTL);
}
int CScrollBar::SetScrollPos(int nPos, BOOL bRedraw)
{
	return ::SetScrollPos(m_hWnd, SB_CTL, nPos, bRedraw);
}
void CScrollBar::GetScrollRange(LPINT lpMinPos, LPINT lpMaxPos) const
{
	::GetScrollRange(m_hWnd, SB_CTL, lpMinPos, lpMaxPos);
}
void CScrollBar::SetScrollRange(int nMinPos, int nMaxPos, BOOL bRedraw)
{
	::SetScrollRange(m_hWnd, SB_CTL, nMinPos, nMaxPos, bRedraw);
}
void CScrollBar::ShowScrollBar(BOOL bShow)
{
	::ShowScrollBar(m_hWnd, SB_CTL, bShow);
}
BOOL CScrollBar::EnableScrollBar(UINT nArrowFlags)
{
	return ::EnableScrollBar(m_hWnd, SB_CTL, nArrowFlags);
}
BOOL CScrollBar::SetScrollInfo(LPSCROLLINFO lpScrollInfo, BOOL bRedraw)
{
	return CWnd::SetScrollInfo(SB_CTL, lpScrollInfo, bRedraw);
}
BOOL CScrollBar::GetScrollInfo(LPSCROLLINFO lpScrollInfo, UINT nMask)
{
	return CWnd::GetScrollInfo(SB_CTL, lpScrollInfo, nMask);
}
int CScrollBar::GetScrollLimit()
{
	return CWnd::GetScrollLimit(SB_CTL);
}
