// GradientProgressCtrl.h - a progress bar in a gradient or colour bands, with percentage and time left.
//
// Classes in this file:
//   CGradientProgressCtrl
//
// The bar paints itself, double-buffered, with GDI+; the application starts
// GDI+ before it creates one.
#pragma once

#include <afxwin.h>

#include <qtx/Support.h>

#include <map>

namespace Gdiplus
{
class Font;
} // namespace Gdiplus

class AFX_EXT_CLASS CGradientProgressCtrl : public CWnd
{
	DECLARE_DYNAMIC(CGradientProgressCtrl)

public:
	// The frame drawn round the bar.
	enum BorderStyle
	{
		NoBorder = 0,   // none: the whole client area is bar
		FlatBorder = 1, // one pixel of COLOR_WINDOWFRAME
		SunkenBorder =
			2 // one pixel of COLOR_BTNSHADOW at the top and left, COLOR_BTNHIGHLIGHT at the bottom and right
	};

// Construction
public:
	CGradientProgressCtrl();
	virtual ~CGradientProgressCtrl();

	// Creates the bar as a hidden child window; Init or InitSolid shows it.
	// False, with one line in the application's log, when the window cannot
	// be made.
	bool Create(CWnd* parent, CRect& rect, UINT id);

// Attributes
public:
	int GetPosition() const;
	int GetTotal() const;
	COLORREF GetTextColor() const;
	COLORREF GetBkColor() const;
	COLORREF GetStartColor() const;
	COLORREF GetEndColor() const;

// Operations
public:
	// Sets the bar up to fill with a gradient from startColour at the left to
	// a colour between startColour and endColour at the filled edge; position
	// 0, shown without activation (SW_SHOWNA), not repainted.
	void Init(int total, const CString& text, bool showPercent, COLORREF textColour, COLORREF bkColour,
		COLORREF startColour, COLORREF endColour, BorderStyle border);
	// Sets the bar up to fill in one colour: that of the first band whose
	// percentage threshold is at least the percentage done. Position 0,
	// shown without activation, not repainted.
	void InitSolid(const std::map<int, COLORREF>& bands, int total, const CString& text, bool showPercent,
		BorderStyle border, COLORREF textColour, COLORREF bkColour);

	// From now on the text ends with an estimate of the time left.
	void StartTiming();
	// Moves one unit on and repaints at once; at the end it stays there and
	// writes one line to the application's log.
	void Step();
	// Moves to pos (never past the total) and repaints at once.
	void Position(int pos);
	// Replaces the caller's part of the text and repaints at once.
	void UpdateText(const CString& text);
	// Both of the above with one repaint.
	void UpdatePositionText(int pos, const CString& text);
	// Moves to the end, then repaints at once or hides the bar (SW_HIDE);
	// the time left is no longer shown afterwards.
	void Stop(bool hide);

// Implementation
protected:
	// Makes the text font from DEFAULT_GUI_FONT; without a device context the
	// font stays null and the bar is painted without text.
	void CreateTextFont();
	// "(<duration> left)" by linear extrapolation from the time since
	// StartTiming; empty while not timing or at position 0.
	CString GetTimeLeft() const;
	// Invalidates the client area and paints it before returning.
	void RedrawCtrl();
	// Paints the whole bar into pDC; WM_PAINT and WM_PRINTCLIENT both come here.
	void DoPaint(CDC* pDC);
	// The caller's text with the percentage and the time left appended.
	CString ComposeText(float fFraction) const;

	bool m_bShowPercent;
	int m_nTotal;
	int m_nPosition;
	int m_nColorSteps;
	BorderStyle m_eBorderStyle;
	float m_fRedIncrement;
	float m_fGreenIncrement;
	float m_fBlueIncrement;
	Gdiplus::Font* m_pTextFont;
	// Colours in the ARGB form GDI+ takes (alpha, red, green, blue).
	DWORD m_argbStart;
	DWORD m_argbEnd;
	DWORD m_argbBk;
	DWORD m_argbText;
	DateTime m_startTime;
	CString m_strText;
	std::map<int, DWORD> m_bands;

// Message handlers
protected:
	afx_msg void OnPaint();
	afx_msg BOOL OnEraseBkgnd(CDC* pDC);
	afx_msg LRESULT OnPrintClient(WPARAM wParam, LPARAM lParam);

	DECLARE_MESSAGE_MAP()
};
