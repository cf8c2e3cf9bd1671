// TransparentIcon.h - an icon and an icon button that paint over their parent's background.
//
// Classes in this file:
//   CTransparentIcon, CTransparentIconButton
#pragma once

#include <afxwin.h>

#include <kavro/TransparentStatic.h>
#include <qtx/Graphics.h>

/////////////////////////////////////////////////////////////////////////////
// CTransparentIcon
//
// A transparent static that shows one icon instead of its text, at the left,
// in the middle or at the right of its client area and centred on its height.
// The icon belongs to the control.

class AFX_EXT_CLASS CTransparentIcon : public CTransparentStatic
{
	DECLARE_DYNAMIC(CTransparentIcon)

public:
	// Where the icon goes across the client area.
	enum
	{
		AlignLeft = 0,
		AlignCenter = 1,
		AlignRight = 2
	};

// Construction
public:
	CTransparentIcon();
	virtual ~CTransparentIcon();

// Attributes
public:
	// Width and height of the icon; 0, 0 without one.
	CSize GetIconSize() const;

// Operations
public:
	// Takes hIcon over (NULL removes the icon) and repaints. An alignment of
	// 3 or more means centred.
	void SetIcon(HICON hIcon, unsigned int nAlign);
	// Loads icon nIconID from hModule (NULL: the application) and repaints;
	// 0 removes the icon. Asking again for the last id with the same
	// alignment does nothing. A missing icon is logged and leaves none.
	void SetIcon(unsigned int nIconID, unsigned int nAlign, HINSTANCE hModule);

// Implementation
protected:
	// Paints the icon into pDC; WM_PAINT and WM_PRINTCLIENT both come here.
	void DoPaint(CDC* pDC) const;
	// Measures the icon just stored (empty without one), takes the alignment
	// for an icon and has the parent repaint under the control.
	void TakeIcon(unsigned int nAlign);
	// Destroys the icon, if any, and forgets it.
	void ReleaseIcon();

	unsigned int m_nAlign;
	unsigned int m_nIconId;
	CRect m_rcIcon;
	HICON m_hIcon;

// Message handlers
protected:
	afx_msg void OnPaint();
	afx_msg LRESULT OnPrintClient(WPARAM wParam, LPARAM lParam);

	DECLARE_MESSAGE_MAP()
};

/////////////////////////////////////////////////////////////////////////////
// CTransparentIconButton
//
// A 16 x 16 child made with Create and then placed by the caller. It shows
// its normal icon, the hot icon while the mouse is over it, the pressed icon
// while it has the focus and the disabled icon (or the normal one greyed)
// when disabled, all at its top-left corner over the parent's background.
// It sends no notification: a left press goes on to the owner given to
// Create as WM_LBUTTONDOWN in screen coordinates, a double click as
// WM_LBUTTONDBLCLK in the button's own client coordinates.

class AFX_EXT_CLASS CTransparentIconButton : public CWnd
{
	DECLARE_DYNAMIC(CTransparentIconButton)

// Construction
public:
	CTransparentIconButton();
	virtual ~CTransparentIconButton();
	// Makes the visible child (0, 0, 16, 16) of pParent, which also becomes
	// the owner. The BS_ alignments are kept but not used for painting. False,
	// and a log line, when the window is not created.
	bool Create(CWnd* pParent, unsigned int nID, unsigned int nIconAlignH, unsigned int nIconAlignV);

// Operations
public:
	// The graphics library's picture; bHotTrack gives it a separate hot
	// icon. Nothing changes for a picture the library does not know.
	void SetIcon(QTXIcon::ButtonIcon eIcon, bool bHotTrack);
	// Replaces the four icons by resources of hModule (NULL: the
	// application) and repaints. A state id of 0, or one that does not load,
	// shows the normal icon; a normal icon that does not load is logged and
	// leaves the button empty.
	void SetIcon(unsigned int nIconID, HINSTANCE hModule, unsigned int nPressedID, unsigned int nHotID,
		unsigned int nDisabledID);
	// Enables or disables the window and repaints through the parent.
	void EnableWindow(int bEnable);
	// Marks the button as lying on a page of a tab control, so that repaints
	// go to the tab control that paints the page's background.
	void IsInTabCtrlPg();

// Implementation
protected:
	// Repaints the parent's area under the button, then the button.
	void RedrawCtrl();
	// Destroys the four icons (each one once) and empties their slots.
	void ClearIcons();
	// Paints the icon of the current state into pDC; WM_PAINT and WM_PRINTCLIENT both come here.
	void DoPaint(CDC* pDC) const;

	bool m_bInTabCtrlPg;
	bool m_bHot;
	bool m_bPressed;
	unsigned int m_nIconAlignH;
	unsigned int m_nIconAlignV;
	CRect m_rcIcon;
	HICON m_hIcon;
	HICON m_hIconPressed;
	HICON m_hIconHot;
	HICON m_hIconDisabled;
	CWnd* m_pOwner;

// Message handlers
protected:
	afx_msg void OnPaint();
	afx_msg LRESULT OnPrintClient(WPARAM wParam, LPARAM lParam);
	afx_msg void OnMouseMove(UINT nFlags, CPoint point);
	afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
	// Clears the pressed state.
	afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
	afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
	afx_msg LRESULT OnMouseLeave(WPARAM wParam, LPARAM lParam);

	DECLARE_MESSAGE_MAP()
};
