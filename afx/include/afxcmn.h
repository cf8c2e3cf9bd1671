// afxcmn.h - wrappers of the common controls and the rich edit control.
//
// Classes in this file:
//   CImageList, CTreeCtrl, CToolInfo, CToolTipCtrl, CRichEditCtrl
#pragma once

#include "afxwin.h"

#include <commctrl.h>
#include <richedit.h>

// Loads Msftedit.dll, whose RICHEDIT50W class CRichEditCtrl::Create then
// prefers over the riched20.dll classes that AfxInitRichEdit2 loads.
AFX_CORE_API BOOL AFXAPI AfxInitRichEdit5();

/////////////////////////////////////////////////////////////////////////////
// CImageList - owns a common-controls image list.

class AFX_CORE_API CImageList : public CObject
{
	DECLARE_DYNCREATE(CImageList)

public:
// Construction
	CImageList();
	BOOL Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow);
	BOOL Create(UINT nBitmapID, int cx, int nGrow, COLORREF crMask);
	BOOL Create(LPCTSTR lpszBitmapID, int cx, int nGrow, COLORREF crMask);

// Attributes
	HIMAGELIST m_hImageList;
	operator HIMAGELIST() const { return m_hImageList; }
	HIMAGELIST GetSafeHandle() const;

	static CImageList* PASCAL FromHandle(HIMAGELIST hImageList);
	static CImageList* PASCAL FromHandlePermanent(HIMAGELIST hImageList);
	static void PASCAL DeleteTempMap();
	BOOL Attach(HIMAGELIST hImageList);
	HIMAGELIST Detach();

	int GetImageCount() const;
	BOOL SetImageCount(UINT uNewCount);
	COLORREF SetBkColor(COLORREF cr);
	COLORREF GetBkColor() const;
	BOOL GetImageInfo(int nImage, IMAGEINFO* pImageInfo) const;

// Operations
	BOOL DeleteImageList();
	int Add(CBitmap* pbmImage, CBitmap* pbmMask);
	int Add(CBitmap* pbmImage, COLORREF crMask);
	int Add(HICON hIcon);
	BOOL Remove(int nImage);
	BOOL Replace(int nImage, CBitmap* pbmImage, CBitmap* pbmMask);
	int Replace(int nImage, HICON hIcon);
	// A new icon that the caller owns (DestroyIcon).
	HICON ExtractIcon(int nImage);
	BOOL Draw(CDC* pDC, int nImage, POINT pt, UINT nStyle);

// Implementation
public:
	virtual ~CImageList();
};

/////////////////////////////////////////////////////////////////////////////
// CTreeCtrl - a tree view control
//
// Its notifications reach the parent in their ANSI forms (TVN_SELCHANGEDA
// ...) because the framework's windows answer WM_NOTIFYFORMAT with NFR_ANSI;
// a derived class takes them with ON_NOTIFY_REFLECT.

class AFX_CORE_API CTreeCtrl : public CWnd
{
	DECLARE_DYNAMIC(CTreeCtrl)

public:
// Construction
	CTreeCtrl();
	virtual ~CTreeCtrl();

	virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

// Attributes
	UINT GetCount() const;
	UINT GetVisibleCount() const;
	UINT GetIndent() const;
	COLORREF SetBkColor(COLORREF clr);

	// The image lists are owned by the caller; the results are temporary
	// objects when the caller never bound the list.
	CImageList* GetImageList(UINT nImageList) const;
	CImageList* SetImageList(CImageList* pImageList, int nImageListType);

	HTREEITEM GetNextItem(HTREEITEM hItem, UINT nCode) const;
	HTREEITEM GetChildItem(HTREEITEM hItem) const;
	HTREEITEM GetNextSiblingItem(HTREEITEM hItem) const;
	HTREEITEM GetPrevSiblingItem(HTREEITEM hItem) const;
	HTREEITEM GetParentItem(HTREEITEM hItem) const;
	HTREEITEM GetRootItem() const;
	HTREEITEM GetSelectedItem() const;
	HTREEITEM GetFirstVisibleItem() const;
	HTREEITEM GetNextVisibleItem(HTREEITEM hItem) const;

	BOOL GetItem(TVITEM* pItem) const;
	BOOL SetItem(TVITEM* pItem);
	BOOL SetItem(HTREEITEM hItem, UINT nMask, LPCTSTR lpszItem, int nImage, int nSelectedImage, UINT nState,
		UINT nStateMask, LPARAM lParam);
	CString GetItemText(HTREEITEM hItem) const;
	BOOL SetItemText(HTREEITEM hItem, LPCTSTR lpszItem);
	BOOL GetItemImage(HTREEITEM hItem, int& nImage, int& nSelectedImage) const;
	BOOL SetItemImage(HTREEITEM hItem, int nImage, int nSelectedImage);
	UINT GetItemState(HTREEITEM hItem, UINT nStateMask) const;
	BOOL SetItemState(HTREEITEM hItem, UINT nState, UINT nStateMask);
	BOOL ItemHasChildren(HTREEITEM hItem) const;

	// FALSE, with lpRect untouched, when the item is not visible (inside a
	// collapsed branch).
	BOOL GetItemRect(HTREEITEM hItem, LPRECT lpRect, BOOL bTextOnly) const;

// Operations
	HTREEITEM InsertItem(LPTVINSERTSTRUCT lpInsertStruct);
	HTREEITEM InsertItem(UINT nMask, LPCTSTR lpszItem, int nImage, int nSelectedImage, UINT nState,
		UINT nStateMask, LPARAM lParam, HTREEITEM hParent, HTREEITEM hInsertAfter);
	HTREEITEM InsertItem(LPCTSTR lpszItem, HTREEITEM hParent = TVI_ROOT, HTREEITEM hInsertAfter = TVI_LAST);
	HTREEITEM InsertItem(LPCTSTR lpszItem, int nImage, int nSelectedImage, HTREEITEM hParent = TVI_ROOT,
		HTREEITEM hInsertAfter = TVI_LAST);
	BOOL DeleteItem(HTREEITEM hItem);
	BOOL DeleteAllItems();

	BOOL Expand(HTREEITEM hItem, UINT nCode);
	BOOL Select(HTREEITEM hItem, UINT nCode);
	BOOL SelectItem(HTREEITEM hItem);
	BOOL EnsureVisible(HTREEITEM hItem);
	BOOL SortChildren(HTREEITEM hItem);

	HTREEITEM HitTest(CPoint pt, UINT* pFlags = NULL) const;
	HTREEITEM HitTest(TVHITTESTINFO* pHitTestInfo) const;
};

/////////////////////////////////////////////////////////////////////////////
// CToolTipCtrl - a tooltip control
//
// A tool is a whole window (nIDTool 0: the notifications go to the window's
// parent) or a rectangle of a window with an id of its own. Its text is
// given, loaded from a string resource, or asked of the window that gets the
// notifications (LPSTR_TEXTCALLBACK, answered on TTN_NEEDTEXT). The control
// sees the mouse only through RelayEvent, which a window typically calls from
// PreTranslateMessage.

class CToolInfo : public TOOLINFOA
{
public:
	TCHAR szText[256];
};

class AFX_CORE_API CToolTipCtrl : public CWnd
{
	DECLARE_DYNAMIC(CToolTipCtrl)

public:
// Construction
	CToolTipCtrl();
	virtual ~CToolTipCtrl();

	// A popup owned by pParentWnd; TTS_ALWAYSTIP and friends in dwStyle.
	virtual BOOL Create(CWnd* pParentWnd, DWORD dwStyle = 0);

// Attributes
	void GetText(CString& str, CWnd* pWnd, UINT_PTR nIDTool = 0) const;
	BOOL GetToolInfo(CToolInfo& ToolInfo, CWnd* pWnd, UINT_PTR nIDTool = 0) const;
	void SetToolInfo(LPTOOLINFO lpToolInfo);
	void SetToolRect(CWnd* pWnd, UINT_PTR nIDTool, LPCRECT lpRect);
	int GetToolCount() const;

	// nDelay sets every delay from the automatic one (TTDT_AUTOMATIC).
	void SetDelayTime(UINT nDelay);
	void SetDelayTime(DWORD dwDuration, int iTime);
	int GetDelayTime(DWORD dwDuration) const;
	int SetMaxTipWidth(int iWidth);
	int GetMaxTipWidth() const;
	void SetTipBkColor(COLORREF clr);
	COLORREF GetTipBkColor() const;
	void SetTipTextColor(COLORREF clr);
	COLORREF GetTipTextColor() const;

// Operations
	void Activate(BOOL bActivate);
	BOOL AddTool(CWnd* pWnd, UINT nIDText, LPCRECT lpRectTool = NULL, UINT_PTR nIDTool = 0);
	BOOL AddTool(CWnd* pWnd, LPCTSTR lpszText = LPSTR_TEXTCALLBACK, LPCRECT lpRectTool = NULL,
		UINT_PTR nIDTool = 0);
	void DelTool(CWnd* pWnd, UINT_PTR nIDTool = 0);
	// pt in pWnd's client coordinates; fills lpToolInfo with the tool there.
	BOOL HitTest(CWnd* pWnd, CPoint pt, LPTOOLINFO lpToolInfo) const;
	void RelayEvent(LPMSG lpMsg);
	void UpdateTipText(LPCTSTR lpszText, CWnd* pWnd, UINT_PTR nIDTool = 0);
	void UpdateTipText(UINT nIDText, CWnd* pWnd, UINT_PTR nIDTool = 0);
	void Update();
	void Pop();

// Implementation
protected:
	// The tool's identity: the window itself for nIDTool 0, else the id.
	void FillInToolInfo(TOOLINFO& ti, CWnd* pWnd, UINT_PTR nIDTool) const;
};

/////////////////////////////////////////////////////////////////////////////
// CRichEditCtrl - a rich edit control
//
// Works with any of the rich edit window classes, bound by Create, Attach or
// subclassing. Text goes in and out as ANSI strings whatever the class: for
// the Unicode classes the wrappers convert the messages that the system does
// not convert by itself.

class AFX_CORE_API CRichEditCtrl : public CWnd
{
	DECLARE_DYNAMIC(CRichEditCtrl)

public:
// Construction
	CRichEditCtrl();
	virtual ~CRichEditCtrl();

	// RICHEDIT50W when Msftedit.dll is loaded, else RichEdit20A (loading
	// riched20.dll when nobody has yet).
	virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

// Attributes
	BOOL CanUndo() const;
	BOOL CanPaste(UINT nFormat = 0) const;
	int GetLineCount() const;
	BOOL GetModify() const;
	void SetModify(BOOL bModified = TRUE);
	int GetFirstVisibleLine() const;
	CPoint GetCharPos(long lChar) const;

	long GetEventMask() const;
	DWORD SetEventMask(DWORD dwEventMask);
	UINT GetOptions() const;
	void SetOptions(WORD wOp, DWORD dwFlags);
	long GetLimitText() const;
	BOOL SetReadOnly(BOOL bReadOnly = TRUE);
	// Returns the previous background colour.
	COLORREF SetBackgroundColor(BOOL bSysColor, COLORREF cr);
	BOOL SetTargetDevice(HDC hDC, long lLineWidth);
	BOOL SetTargetDevice(CDC& dc, long lLineWidth);

	void GetSel(long& nStartChar, long& nEndChar) const;
	void GetSel(CHARRANGE& cr) const;
	CString GetSelText() const;
	long GetTextLength() const;
	// EM_GETTEXTLENGTHEX; a code page of -1 stands for the ANSI code page.
	long GetTextLengthEx(DWORD dwFlags = GTL_DEFAULT, UINT uCodePage = -1) const;
	// Characters nFirst up to (not including) nLast; nLast -1 reads to the
	// end. Returns the length of refString.
	int GetTextRange(int nFirst, int nLast, CString& refString) const;

	// The formats set cbSize themselves; the return is the valid dwMask.
	DWORD GetDefaultCharFormat(CHARFORMAT& cf) const;
	DWORD GetDefaultCharFormat(CHARFORMAT2& cf) const;
	BOOL SetDefaultCharFormat(CHARFORMAT& cf);
	BOOL SetDefaultCharFormat(CHARFORMAT2& cf);
	DWORD GetSelectionCharFormat(CHARFORMAT& cf) const;
	DWORD GetSelectionCharFormat(CHARFORMAT2& cf) const;
	BOOL SetSelectionCharFormat(CHARFORMAT& cf);
	BOOL SetSelectionCharFormat(CHARFORMAT2& cf);

// Operations
	void LimitText(long nChars = 0);
	long LineFromChar(long nIndex) const;
	int LineIndex(int nLine = -1) const;
	int LineLength(int nLine = -1) const;
	void LineScroll(int nLines, int nChars = 0);

	void SetSel(long nStartChar, long nEndChar);
	void SetSel(CHARRANGE& cr);
	void ReplaceSel(LPCTSTR lpszNewText, BOOL bCanUndo = FALSE);
	void HideSelection(BOOL bHide, BOOL bPerm);

	// The control lays out (and with bDisplay draws) one page of pfr->chrg
	// into pfr->rc (twips) on pfr->hdc and answers the first character that
	// did not fit. A NULL pfr frees the layout it keeps for the device.
	long FormatRange(FORMATRANGE* pfr, BOOL bDisplay = TRUE);
	// The control draws the part inside pDisplayRect (device units) of the
	// page that the last FormatRange measured without drawing.
	BOOL DisplayBand(LPRECT pDisplayRect);

	long StreamIn(int nFormat, EDITSTREAM& es);
	long StreamOut(int nFormat, EDITSTREAM& es);

	BOOL Undo();
	void EmptyUndoBuffer();
	void Clear();
	void Copy();
	void Cut();
	void Paste();
	void PasteSpecial(UINT nClipFormat, DWORD dvAspect = 0, HMETAFILE hMF = 0);

// Implementation
protected:
	// TRUE when the control's own procedure takes Unicode text, so that
	// messages the system leaves alone need wide buffers.
	BOOL IsUnicodeControl() const;
};
