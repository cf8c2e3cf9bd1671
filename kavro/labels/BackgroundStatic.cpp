// BackgroundStatic.cpp - the background panel, the group frame and the bordered static.
#include <afxwin.h>

#include <kavro/BackgroundStatic.h>

#include "Frame.h"

// The panel's colour until the application sets one: a pale yellow.
static const COLORREF kDefaultBackground = RGB(255, 255, 213);
// The caption starts this far from the group frame's left edge.
static const int kCaptionIndent = 9;
// The frame's top edge runs this far above the caption's bottom.
static const int kCaptionRise = 4;
// DrawText flags of the group caption: one line, centred in its gap, cut with "..." when too long.
static const UINT kCaptionFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS;

/////////////////////////////////////////////////////////////////////////////
// CBackgroundStatic

IMPLEMENT_DYNAMIC(CBackgroundStatic, CTransparentStatic)

BEGIN_MESSAGE_MAP(CBackgroundStatic, CTransparentStatic)
	ON_WM_PAINT()
END_MESSAGE_MAP()

CBackgroundStatic::CBackgroundStatic()
	: m_bFrame(true)
	, m_bRaised(false)
	, m_crBackground(kDefaultBackground)
{
}

CBackgroundStatic::~CBackgroundStatic()
{
}

void CBackgroundStatic::SetColor(unsigned long crBackground)
{
	m_crBackground = crBackground;
	RedrawCtrl();
}

void CBackgroundStatic::SetFrameType(bool bFrame, bool bRaised)
{
	m_bFrame = bFrame;
	m_bRaised = bRaised;
	RedrawCtrl();
}

void CBackgroundStatic::PreSubclassWindow()
{
	// Skips the transparent static's WS_EX_TRANSPARENT on purpose.
	CWnd::PreSubclassWindow();
}

void CBackgroundStatic::OnPaint()
{
	CPaintDC dc(this);
	CRect rc;
	GetClientRect(&rc);
	dc.FillSolidRect(&rc, m_crBackground);

	if (m_bFrame || m_bRaised)
	{
		const COLORREF crHighlight = ::GetSysColor(COLOR_BTNHIGHLIGHT);
		const COLORREF crShadow = ::GetSysColor(COLOR_BTNSHADOW);
		// Top and left edges; LineTo leaves the end point out, so each pair
		// meets the other without overlapping it.
		CPen penTopLeft(PS_SOLID, 1, m_bRaised ? crHighlight : crShadow);
		CPen* pOldPen = dc.SelectObject(&penTopLeft);
		dc.MoveTo(rc.left, rc.bottom - 1);
		dc.LineTo(rc.left, rc.top);
		dc.LineTo(rc.right - 1, rc.top);
		// Right and bottom edges.
		CPen penBottomRight(PS_SOLID, 1, m_bRaised ? crShadow : crHighlight);
		dc.SelectObject(&penBottomRight);
		dc.MoveTo(rc.right - 1, rc.top);
		dc.LineTo(rc.right - 1, rc.bottom - 1);
		dc.LineTo(rc.left - 1, rc.bottom - 1);
		dc.SelectObject(pOldPen);
	}

	rc.DeflateRect(3, 1);
	DoPaint(&dc, rc);
}

/////////////////////////////////////////////////////////////////////////////
// CGroupStatic

IMPLEMENT_DYNAMIC(CGroupStatic, CTransparentStatic)

BEGIN_MESSAGE_MAP(CGroupStatic, CTransparentStatic)
	ON_WM_PAINT()
END_MESSAGE_MAP()

CGroupStatic::CGroupStatic()
{
	// Group frames usually sit on tab pages, whose background the tab control paints.
	m_bInTabCtrlPg = true;
}

CGroupStatic::~CGroupStatic()
{
}

void CGroupStatic::OnPaint()
{
	CPaintDC dc(this);
	CRect rc;
	GetClientRect(&rc);

	// The caption stands one space clear of the frame line on either side.
	CString strCaption;
	GetWindowText(strCaption);
	if (!strCaption.IsEmpty())
	{
		if (strCaption[0] != ' ')
			strCaption.Insert(0, ' ');
		if (strCaption[strCaption.GetLength() - 1] != ' ')
			strCaption += ' ';
	}
	const bool bCaption = !strCaption.IsEmpty();

	const int nOldBkMode = dc.SetBkMode(TRANSPARENT);
	CFont* pOldFont = NULL;
	CRect rcCaption;
	int yTop = rc.top;
	int xRight = rc.right;
	if (bCaption)
	{
		CFont* pFont = GetFont();
		if (pFont != NULL)
			pOldFont = dc.SelectObject(pFont);
		const CSize size = GetAnsiTextExtent(&dc, strCaption);
		rcCaption.SetRect(rc.left + kCaptionIndent, rc.top, rc.left + kCaptionIndent + size.cx,
			rc.top + size.cy);
		// The top edge runs through the caption's lower half.
		yTop = rc.top + size.cy - kCaptionRise;
		xRight = rc.right - 1;
	}

	// A horizontal line from the current position to xEnd at height y, left
	// open where the caption sits.
	auto lineAcross = [&](int y, int xEnd)
	{
		if (bCaption)
		{
			dc.LineTo(rcCaption.left, y);
			dc.MoveTo(rcCaption.right + 1, y);
		}
		dc.LineTo(xEnd, y);
	};

	// The highlight: outside the shadow on the right and at the bottom (where
	// the client area's limit clips it), inside it along the top and the left.
	CPen penHighlight(PS_SOLID, 1, ::GetSysColor(COLOR_BTNHIGHLIGHT));
	CPen* pOldPen = dc.SelectObject(&penHighlight);
	dc.MoveTo(xRight, yTop);
	dc.LineTo(xRight, rc.bottom);
	dc.LineTo(rc.left, rc.bottom);
	dc.MoveTo(rc.left + 1, yTop + 1);
	lineAcross(yTop + 1, xRight - 1);
	dc.MoveTo(rc.left + 1, rc.bottom - 1);
	dc.LineTo(rc.left + 1, yTop + 1);

	// The shadow rectangle.
	CPen penShadow(PS_SOLID, 1, ::GetSysColor(COLOR_BTNSHADOW));
	dc.SelectObject(&penShadow);
	dc.MoveTo(rc.left, yTop);
	lineAcross(yTop, xRight - 1);
	dc.LineTo(xRight - 1, rc.bottom - 1);
	dc.LineTo(rc.left, rc.bottom - 1);
	dc.LineTo(rc.left, yTop);
	dc.SelectObject(pOldPen);

	// In the DC's own text colour: the group caption does not take the label's.
	if (bCaption)
		DrawAnsiText(&dc, strCaption, rcCaption, kCaptionFormat);

	dc.SetBkMode(nOldBkMode);
	if (pOldFont != NULL)
		dc.SelectObject(pOldFont);
}

/////////////////////////////////////////////////////////////////////////////
// CBorderStatic

IMPLEMENT_DYNAMIC(CBorderStatic, CStatic)

BEGIN_MESSAGE_MAP(CBorderStatic, CStatic)
	ON_WM_NCPAINT()
END_MESSAGE_MAP()

CBorderStatic::CBorderStatic()
	: m_crBorder(::GetSysColor(COLOR_ACTIVEBORDER))
{
}

CBorderStatic::~CBorderStatic()
{
}

void CBorderStatic::SetBorderColor(unsigned long crBorder)
{
	m_crBorder = crBorder;
	// Before the window exists the colour waits for the first paint.
	if (::IsWindow(m_hWnd))
		RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASENOW | RDW_FRAME);
}

void CBorderStatic::OnNcPaint()
{
	Default();
	CDC* pDC = GetWindowDC();
	if (pDC == NULL)
		return;
	CRect rc;
	GetWindowRect(&rc);
	rc.MoveToXY(0, 0);
	CBrush brush(m_crBorder);
	pDC->FrameRect(&rc, &brush);
	ReleaseDC(pDC);
}
