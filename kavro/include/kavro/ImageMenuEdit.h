// ImageMenuEdit.h - edit controls with an image popup menu of edit commands, and with colours of their own.
//
// Classes in this file:
//   CImageMenuEdit, CBackgroundEdit
#pragma once

#include <afxwin.h>

class FontDef;

/////////////////////////////////////////////////////////////////////////////
// CImageMenuEdit - an edit whose context menu is an image menu of the edit
// commands, which selects its whole text on a triple click, can centre its one
// line vertically and draws a one-pixel border in a colour of its own.

class AFX_EXT_CLASS CImageMenuEdit : public CEdit
{
	DECLARE_DYNCREATE(CImageMenuEdit)

// Construction
public:
	CImageMenuEdit();
	virtual ~CImageMenuEdit();

// Operations
public:
	// Colour of the one-pixel border; the frame is redrawn at once.
	void SetBorderColor(COLORREF crBorder);
	// Centres the line of text vertically from the next frame calculation
	// on, between bands painted in the non-client area.
	void SetVerticallyCentered();
	// Swallows the framework's paste command (ID_EDIT_PASTE routed through
	// OnCmdMsg), for applications whose Edit menu would paste a second time
	// what the edit's own Ctrl+V has already pasted.
	void SetFixDoubleTextPasteBug();
	// Makes the font from def's LOGFONT and gives it to the edit (WM_SETFONT,
	// redrawn).
	void SetFontDef(const FontDef& def);

// Overridables
public:
	virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

protected:
	// Carries out the popup menu's commands by sending the edit the message of
	// the same id (select all: EM_SETSEL 0, -1); returns what the edit answers.
	virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

// Implementation
protected:
	bool m_bVerticallyCentered;
	bool m_bFixDoubleTextPaste;
	int m_nVerticalOffset;        // pixels above and below the client area when centred
	UINT_PTR m_nTripleClickTimer; // non-zero for one double-click time after a double click
	COLORREF m_crBorder;
	CFont m_font;
	bool m_bFrameCalculated; // a centred frame has been calculated since SetVerticallyCentered

// Message handlers
protected:
	afx_msg void OnContextMenu(CWnd* pWnd, CPoint point);
	afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
	afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
	afx_msg void OnTimer(UINT_PTR nIDEvent);
	afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
	afx_msg void OnNcPaint();
	afx_msg HBRUSH CtlColor(CDC* pDC, UINT nCtlColor);

	DECLARE_MESSAGE_MAP()
};

/////////////////////////////////////////////////////////////////////////////
// CBackgroundEdit - an image-menu edit with its own text and background
// colours, which repaints itself whole after every change that could leave
// parts of the old background behind. Its run-time class is that of
// CImageMenuEdit.

class AFX_EXT_CLASS CBackgroundEdit : public CImageMenuEdit
{
// Construction
public:
	CBackgroundEdit();
	virtual ~CBackgroundEdit();

// Operations
public:
	// The background first, then the text colour; the control is invalidated
	// whole.
	void SetColors(COLORREF crBackground, COLORREF crText);

// Implementation
protected:
	int m_nWheelScrollLines; // lines per wheel notch, -1 for a page
	COLORREF m_crText;
	CBrush m_brBackground;

	void InvalidateWhole();
	// The edit's own handling of the current message, then InvalidateWhole; 0.
	LRESULT DefaultThenRepaint();

// Message handlers
protected:
	afx_msg HBRUSH CtlColor(CDC* pDC, UINT nCtlColor);
	afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
	afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
	afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
	afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
	afx_msg void OnSize(UINT nType, int cx, int cy);
	afx_msg LRESULT OnSetText(WPARAM wParam, LPARAM lParam);
	// WM_COPY, WM_CUT, WM_PASTE, WM_CLEAR and WM_UNDO: the edit's own
	// handling, then a whole repaint; they answer 0.
	afx_msg LRESULT OnCopy(WPARAM wParam, LPARAM lParam);
	afx_msg LRESULT OnCut(WPARAM wParam, LPARAM lParam);
	afx_msg LRESULT OnPaste(WPARAM wParam, LPARAM lParam);
	afx_msg LRESULT OnClear(WPARAM wParam, LPARAM lParam);
	afx_msg LRESULT OnUndo(WPARAM wParam, LPARAM lParam);
	// Posts WM_VSCROLL line (or page) scrolls for the wheel's notches
	// instead of the edit's own wheel handling; returns TRUE.
	afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);

	DECLARE_MESSAGE_MAP()
};
