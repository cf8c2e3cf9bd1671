// TransparentCheckbox.h - check box and radio button drawing a state icon and caption over the parent.
//
// Classes in this file:
//   CTransparentCheckbox, CTransparentRButton
#pragma once

#include <afxwin.h>

#include <vector>

/////////////////////////////////////////////////////////////////////////////
// CTransparentCheckbox
//
// Subclass an ordinary check box (or any button) with it: the button becomes
// owner-drawn and transparent, and shows the graphics library's ticked or
// clear picture with its caption beside it, over whatever the parent painted.
// A click or the space bar toggles it; the parent still receives BN_CLICKED.
// Every setter repaints at once through the parent.

class AFX_EXT_CLASS CTransparentCheckbox : public CButton
{
	DECLARE_DYNAMIC(CTransparentCheckbox)

// Construction
public:
	// Loads the two state icons.
	CTransparentCheckbox();
	virtual ~CTransparentCheckbox();

// Attributes
public:
	// The check state kept by the control; no message is sent to the window.
	bool GetCheck() const;
	void SetCheck(bool bChecked);

// Operations
public:
	void SetWindowTextA(const char* lpszText);
	void EnableWindow(int bEnable);
	// Keeps the caption's mnemonic ampersands, so that DrawText underlines the next letter.
	void ShowUnderscore(bool bShow);
	// DT_ flags of the caption; DT_SINGLELINE | DT_BOTTOM by default.
	void SetFormat(unsigned int nFormat);
	void SetTextColor(unsigned long crText);
	// Marks the control as lying on a page of a tab control, so that repaints
	// go to the tab control that paints the page's background.
	void IsInTabCtrlPg();

// Overridables
public:
	virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

protected:
	// Makes the button owner-drawn and transparent.
	virtual void PreSubclassWindow() override;

// Implementation
protected:
	// Repaints the parent's area under the control, then the control.
	void RedrawCtrl();
	// Puts the icon at the left of rect, centred on its height, and moves rect's left past it.
	void AdjustForIcon(CRect& rect, CPoint& iconPos) const;

	bool m_bInTabCtrlPg;
	bool m_bShowUnderscore;
	bool m_bChecked;
	unsigned int m_nFormat;
	COLORREF m_crText;
	HICON m_hIconChecked;
	HICON m_hIconUnchecked;
	CRect m_rcIcon;

// Message handlers
protected:
	afx_msg HBRUSH CtlColor(CDC* pDC, UINT nCtlColor);
	afx_msg BOOL OnClicked();
	afx_msg BOOL OnEraseBkgnd(CDC* pDC);
	afx_msg void OnKillFocus(CWnd* pNewWnd);
	afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
	afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
	afx_msg void OnSetFocus(CWnd* pOldWnd);

	DECLARE_MESSAGE_MAP()
};

/////////////////////////////////////////////////////////////////////////////
// CTransparentRButton
//
// The radio button of the same kind. Checking it, by click, space bar,
// BM_SETCHECK or SetChecked, unchecks the other CTransparentRButton objects of
// its group, named by their control ids among the parent's children.

class AFX_EXT_CLASS CTransparentRButton : public CButton
{
	DECLARE_DYNAMIC(CTransparentRButton)

// Construction
public:
	// Loads the two state icons.
	CTransparentRButton();
	virtual ~CTransparentRButton();

// Attributes
public:
	bool GetChecked() const;
	// 1 when checked, else 0.
	int GetCheck() const;
	// Repaints; checking unchecks the rest of the group. No notification.
	void SetChecked(bool bChecked);
	// The ids of the other members of the group; 0 marks an unused argument.
	void SetGroupIDs(unsigned int nID1, unsigned int nID2 = 0, unsigned int nID3 = 0, unsigned int nID4 = 0,
		unsigned int nID5 = 0, unsigned int nID6 = 0, unsigned int nID7 = 0);

// Operations
public:
	void SetWindowTextA(const char* lpszText);
	void EnableWindow(int bEnable);
	// Keeps the caption's mnemonic ampersands, so that DrawText underlines the next letter.
	void ShowUnderscore(bool bShow);
	// DT_ flags of the caption; DT_SINGLELINE | DT_VCENTER by default.
	void SetFormat(unsigned int nFormat);
	void SetTextColor(unsigned long crText);
	// Marks the control as lying on a page of a tab control, so that repaints
	// go to the tab control that paints the page's background.
	void IsInTabCtrlPg();

// Overridables
public:
	virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

protected:
	// Makes the button owner-drawn and transparent.
	virtual void PreSubclassWindow() override;

// Implementation
protected:
	// Repaints the parent's area under the control, then the control.
	void RedrawCtrl();
	// Puts the icon at the left of rect, centred on its height, and moves rect's left past it.
	void AdjustForIcon(CRect& rect, CPoint& iconPos) const;
	// Clears and repaints the members of the group; other windows are skipped.
	void UncheckOthers();
	// Destroys both state icons.
	void ClearIcons();

	bool m_bInTabCtrlPg;
	bool m_bShowUnderscore;
	bool m_bChecked;
	bool m_bHaveFocus;
	bool m_bButtonDown;
	unsigned int m_nFormat;
	COLORREF m_crText;
	HICON m_hIconChecked;
	HICON m_hIconUnchecked;
	CRect m_rcIcon;
	std::vector<unsigned int> m_groupIDs;

// Message handlers
protected:
	afx_msg HBRUSH CtlColor(CDC* pDC, UINT nCtlColor);
	afx_msg BOOL OnClicked();
	afx_msg BOOL OnEraseBkgnd(CDC* pDC);
	afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
	afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
	afx_msg void OnSetFocus(CWnd* pOldWnd);
	afx_msg void OnKillFocus(CWnd* pNewWnd);
	afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
	afx_msg LRESULT OnBMSetCheck(WPARAM wParam, LPARAM lParam);
	afx_msg LRESULT OnBMGetCheck(WPARAM wParam, LPARAM lParam);

	DECLARE_MESSAGE_MAP()
};
