// BackgroundStatic.h - statics for panels and frames: a coloured panel, an etched group, a coloured border.
//
// Classes in this file:
//   CBackgroundStatic, CGroupStatic, CBorderStatic
#pragma once

#include <afxwin.h>

#include <kavro/TransparentStatic.h>

/////////////////////////////////////////////////////////////////////////////
// CBackgroundStatic: an opaque panel of one colour, with a one-pixel raised or
// sunken frame, and its text drawn as the transparent static draws it.

class AFX_EXT_CLASS CBackgroundStatic : public CTransparentStatic
{
	DECLARE_DYNAMIC(CBackgroundStatic)

// Construction
public:
	// Pale yellow, with a sunken frame.
	CBackgroundStatic();
	virtual ~CBackgroundStatic();

// Operations
public:
	// The fill colour; repaints at once.
	void SetColor(unsigned long crBackground);
	// No frame when both are false; raised when bRaised, else sunken. Repaints at once.
	void SetFrameType(bool bFrame, bool bRaised);

// Overridables
protected:
	// Keeps the window opaque: the panel paints every pixel itself.
	virtual void PreSubclassWindow() override;

// Implementation
protected:
	bool m_bFrame;
	bool m_bRaised;
	COLORREF m_crBackground;

// Message handlers
protected:
	afx_msg void OnPaint();

	DECLARE_MESSAGE_MAP()
};

/////////////////////////////////////////////////////////////////////////////
// CGroupStatic: an etched group frame drawn over the parent's background, with
// the window text set into its top edge. Repaints go to the grandparent when
// there is one, as for a frame on a tab page.

class AFX_EXT_CLASS CGroupStatic : public CTransparentStatic
{
	DECLARE_DYNAMIC(CGroupStatic)

// Construction
public:
	CGroupStatic();
	virtual ~CGroupStatic();

// Message handlers
protected:
	afx_msg void OnPaint();

	DECLARE_MESSAGE_MAP()
};

/////////////////////////////////////////////////////////////////////////////
// CBorderStatic: a static whose outermost pixels are a one-pixel frame of a
// chosen colour, painted with the non-client area.

class AFX_EXT_CLASS CBorderStatic : public CStatic
{
	DECLARE_DYNAMIC(CBorderStatic)

// Construction
public:
	// The frame is COLOR_ACTIVEBORDER as it is at construction.
	CBorderStatic();
	virtual ~CBorderStatic();

// Operations
public:
	// Stores the frame colour and repaints the frame at once.
	void SetBorderColor(unsigned long crBorder);

// Implementation
protected:
	COLORREF m_crBorder;

// Message handlers
protected:
	afx_msg void OnNcPaint();

	DECLARE_MESSAGE_MAP()
};
