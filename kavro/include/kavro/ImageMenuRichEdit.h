// ImageMenuRichEdit.h - a rich edit with an image popup menu and the framework's Edit commands.
//
// Classes in this file:
//   CImageMenuRichEdit
#pragma once

#include <afxwin.h>
#include <afxcmn.h>

class FontDef;

/////////////////////////////////////////////////////////////////////////////
// CImageMenuRichEdit - the rich-edit sibling of CImageMenuEdit: the same popup
// menu, triple click, vertical centring and paste-command fix, plus the
// ID_EDIT_* commands with their update handlers, a read-only mode that keeps
// the ES_READONLY style off, a flat look, a memory of the selection and scroll
// position across focus changes, the insert/overwrite state and the fill
// against the text limit.

class AFX_EXT_CLASS CImageMenuRichEdit : public CRichEditCtrl
{
	DECLARE_DYNCREATE(CImageMenuRichEdit)

// Construction
public:
	CImageMenuRichEdit();
	virtual ~CImageMenuRichEdit();

// Attributes
public:
	// True while typing inserts, false in overwrite mode (the Insert key flips it).
	bool GetInsertMode() const;
	// True once after each change (the modified flag is cleared as it is
	// read); always false when acting as read-only.
	bool IsModified();
	// EM_CANUNDO.
	bool CanEnableEditUndo() const;
	// The characters of all lines, line breaks not counted, in percent of the
	// text limit (EM_GETLIMITTEXT); 0 when there is no limit to measure against.
	int GetPercentFull() const;

// Operations
public:
	// Refuses the editing commands (cut, paste, delete, undo) and hides the
	// caret, without the ES_READONLY style.
	void ActAsReadonly();
	// Puts the selection and scroll position that the control had when it
	// lost the focus back when the focus returns.
	void RemoveFocusHighlight();
	// Centres the text vertically from the next frame calculation on.
	void SetVerticallyCentered();
	// Swallows the framework's paste command (ID_EDIT_PASTE routed through
	// OnCmdMsg); the control's own Ctrl+V and menu still paste.
	void SetFixDoubleTextPasteBug();
	// Replaces WS_EX_CLIENTEDGE by WS_BORDER; the frame is not recalculated.
	void SetFlatLook();
	// Makes the font from def's LOGFONT, gives it to the control (WM_SETFONT,
	// redrawn) and makes def's text colour the default character colour.
	void SetFontDef(const FontDef& def);
	// Scrolls to the first line and puts the caret at the start, redrawn at
	// once. Nothing without a window.
	void ScrollToTheTop();
	// EM_UNDO unless acting as read-only.
	void DoEditUndo();

// Overridables
public:
	virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

protected:
	// Adds ENM_CHANGE to the event mask, so that the parent hears EN_CHANGE.
	virtual void PreSubclassWindow() override;
	// Carries out the popup menu's commands.
	virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

// Implementation
protected:
	bool m_bInsertMode;
	bool m_bRemoveFocusHighlight;
	bool m_bActAsReadonly;
	bool m_bVerticallyCentered;
	bool m_bFixDoubleTextPaste;
	int m_nFirstVisibleLine;      // remembered for the next focus
	UINT_PTR m_nTripleClickTimer; // non-zero for one double-click time after a double click
	long m_nSelStart;             // selection remembered for the next focus
	long m_nSelEnd;
	CFont m_font;
	CRect m_rcBottomBand; // non-client bands when centred, window coordinates
	CRect m_rcTopBand;
	bool m_bFrameCalculated; // a centred frame has been calculated since SetVerticallyCentered

	// Remembers the first visible line and the selection for the next focus.
	void RememberView(long nSelStart, long nSelEnd);
	// Selects everything and remembers it.
	void SelectAll();
	// Pastes the clipboard's plain text unless acting as read-only.
	void PastePlainText();

// Message handlers
protected:
	afx_msg void OnContextMenu(CWnd* pWnd, CPoint point);
	afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
	afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
	afx_msg void OnTimer(UINT_PTR nIDEvent);
	afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
	afx_msg void OnSetFocus(CWnd* pOldWnd);
	afx_msg void OnKillFocus(CWnd* pNewWnd);
	afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
	afx_msg void OnNcPaint();
	afx_msg HBRUSH CtlColor(CDC* pDC, UINT nCtlColor);
	// The text's length in bytes of the ANSI code page, at least.
	afx_msg LRESULT OnGetTextLength(WPARAM wParam, LPARAM lParam);

	afx_msg void OnEditCopy();
	afx_msg void OnEditCut();
	afx_msg void OnEditPaste();
	afx_msg void OnEditUndo();
	afx_msg void OnEditClear();
	afx_msg void OnEditSelectAll();
	afx_msg void OnUpdateEditCopy(CCmdUI* pCmdUI);
	afx_msg void OnUpdateEditCut(CCmdUI* pCmdUI);
	afx_msg void OnUpdateEditPaste(CCmdUI* pCmdUI);
	afx_msg void OnUpdateEditUndo(CCmdUI* pCmdUI);
	afx_msg void OnUpdateEditSelectAll(CCmdUI* pCmdUI);

	DECLARE_MESSAGE_MAP()
};
