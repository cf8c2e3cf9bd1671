// TransparentStatic.h - a static text control that lets its parent's background show through.
//
// Classes in this file:
//   CTransparentStatic
#pragma once

#include <afxwin.h>

class AFX_EXT_CLASS CTransparentStatic : public CStatic
{
	DECLARE_DYNAMIC(CTransparentStatic)

public:
	// How a text that is too wide for the control is shortened.
	enum Ellipsis
	{
		NoEllipsis = 0,      // never shorten
		LeadingEllipsis = 1, // "..." in front, text removed from the start
		TrailingEllipsis = 2 // "..." at the end; for paths, the directories nearest the end
	};

	// What the text is, which decides where it may be cut.
	enum ContentType
	{
		PathContent = 0, // a path: cut at backslashes or slashes
		FileContent = 1, // a full file name: like a path, trailing mode keeps the folder part
		TextContent = 2  // plain text: cut one character at a time
	};

// Construction
public:
	CTransparentStatic();
	virtual ~CTransparentStatic();

// Operations
public:
	// Each setter repaints the control at once when bRedraw is true; otherwise
	// the new value shows at the next paint.
	void SetWindowTextA(const char* lpszText, bool bRedraw = true);
	void SetFormat(unsigned int nFormat, bool bRedraw = true);
	void SetTextColor(unsigned long crText, bool bRedraw = true);
	void UseEllipsis(Ellipsis eEllipsis, bool bRedraw = true);
	void SetContentType(ContentType eContentType, bool bRedraw = true);
	void EnableWindow(int bEnable, bool bRedraw = true);
	void ShowUnderscore(bool bShow, bool bRedraw = true);
	// Marks the control as lying on a page of a tab control, so that repaints
	// go to the tab control that paints the page's background.
	void IsInTabCtrlPg();

// Overridables
protected:
	virtual void PreSubclassWindow() override;

// Implementation
protected:
	void RedrawCtrl();
	void DoPaint(CPaintDC* pDC) const;
	void DoPaint(CPaintDC* pDC, CRect& rect) const;
	void ApplyEllipsis(CPaintDC* pDC, CString& strText) const;

	bool m_bInTabCtrlPg;
	bool m_bShowUnderscore;
	unsigned int m_nFormat;
	COLORREF m_crText;
	Ellipsis m_eEllipsis;
	ContentType m_eContentType;

// Message handlers
protected:
	afx_msg HBRUSH CtlColor(CDC* pDC, UINT nCtlColor);
	afx_msg void OnPaint();
	afx_msg BOOL OnEraseBkgnd(CDC* pDC);

	DECLARE_MESSAGE_MAP()
};
