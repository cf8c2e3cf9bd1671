// 3DTextCtrl.h - a child window that draws a text of its own with GDI+, embossed with light and dark copies.
//
// Classes in this file:
//   C3DTextCtrl
//
// The application starts GDI+ (GdiplusStartup) before the control paints.
#pragma once

#include <afxwin.h>

namespace Gdiplus
{
class GpFont;
}

class AFX_EXT_CLASS C3DTextCtrl : public CWnd
{
	DECLARE_DYNAMIC(C3DTextCtrl)

// Construction
public:
	C3DTextCtrl();
	virtual ~C3DTextCtrl();

	// Creates a visible 10 x 20 child at (x, y) in the parent's client area,
	// with the default GUI font; the parent gets the control's clicks. Logs
	// the failure and returns false when the window cannot be made.
	bool Create(CWnd* pParentWnd, int x, int y, UINT nID);

// Attributes
public:
	// The text the control paints (not its window text).
	CString GetText() const;

// Operations
public:
	// Replaces the font; shows at the next paint. Nothing changes without a window.
	void SetFont(const LOGFONTA& lf);
	// Each of these stores its value and repaints at once, in transparent mode
	// through the parent's area under the control.
	void SetText(const CString& strText);
	// Sets the painted text as SetText does; the window text stays as it is.
	void SetWindowTextA(const char* lpszText);
	// DT_CENTER or DT_RIGHT, and DT_VCENTER or DT_BOTTOM; other flags are passed over.
	void SetDisplayFormat(UINT nFormat);
	// Transparent: no background, the parent's shows through.
	void SetTransparent(bool bTransparent);
	// With the effect, a light copy is drawn one pixel up-left and a dark one
	// one pixel down-right of the text.
	void SetEnable3DEffect(bool bEnable);
	void SetHighlightLight(unsigned long crLight);
	void SetHighlightDark(unsigned long crDark);
	void SetTextColor(unsigned long crText);
	// Kept for the application; the picture does not change with them.
	void SetSkewAngle(double dAngle);
	void SetRotationAngle(double dAngle);
	// Enables or disables the window and repaints; both states look the same.
	void EnableWindow(BOOL bEnable);
	// Marks the control as lying on a page of a tab control, so that repaints
	// go to the tab control that paints the page's background.
	void IsInTabCtrlPg();

// Implementation
protected:
	// Repaints the parent's area under the control (the grandparent's on a
	// tab page, moved by the client edge in a dialog or form view), then the control.
	void RedrawCtrl();
	// Paints the background (unless transparent) and the text into pDC;
	// WM_PAINT and WM_PRINTCLIENT both come here.
	void DoPaint(CDC* pDC);
	// Sends the click to the parent given to Create; false when there is none.
	bool ForwardClick(UINT message, UINT nFlags, CPoint point);

	bool m_bTransparent;
	bool m_b3DEffect;
	bool m_bInTabCtrlPg;
	UINT m_nFormat;
	COLORREF m_crHighlightLight;
	COLORREF m_crHighlightDark;
	COLORREF m_crText;
	double m_dSkewAngle;
	double m_dRotationAngle;
	CWnd* m_pParent;
	Gdiplus::GpFont* m_pFont;
	CString m_strText;

// Message handlers
protected:
	afx_msg void OnPaint();
	afx_msg LRESULT OnPrintClient(WPARAM wParam, LPARAM lParam);
	// Passed on to the parent given to Create, in the control's client coordinates.
	afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
	afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);

	DECLARE_MESSAGE_MAP()
};
