// 3DTextCtrl.cpp - the 3-D text control, drawn with GDI+.
#include <afxwin.h>

#include <kavro/3DTextCtrl.h>
#include <qtx/Graphics.h>
#include <qtx/Support.h>

#include "Frame.h"

namespace gdip = Gdiplus::DllExports;

// The size the window is created with, until the application sizes it.
static const int kCreateWidth = 10;
static const int kCreateHeight = 20;

// A GDI+ font for the LOGFONT on the DC, or for the font selected into the
// DC when there is no LOGFONT; NULL when GDI+ cannot make one.
static Gdiplus::GpFont* MakeFont(HDC hdc, const LOGFONTA* pLogFont)
{
	Gdiplus::GpFont* pFont = NULL;
	const Gdiplus::Status status = pLogFont != NULL ? gdip::GdipCreateFontFromLogfontA(hdc, pLogFont, &pFont)
													: gdip::GdipCreateFontFromDC(hdc, &pFont);
	return status == Gdiplus::Ok ? pFont : NULL;
}

// An opaque GDI+ colour.
static Gdiplus::ARGB ToArgb(COLORREF cr)
{
	return Gdiplus::Color::MakeARGB(255, GetRValue(cr), GetGValue(cr), GetBValue(cr));
}

// The client rectangle moved by (d, d), as GDI+ takes it.
static Gdiplus::RectF LayoutRect(const CRect& rc, int d)
{
	return Gdiplus::RectF(static_cast<Gdiplus::REAL>(rc.left + d), static_cast<Gdiplus::REAL>(rc.top + d),
		static_cast<Gdiplus::REAL>(rc.Width()), static_cast<Gdiplus::REAL>(rc.Height()));
}

IMPLEMENT_DYNAMIC(C3DTextCtrl, CWnd)

BEGIN_MESSAGE_MAP(C3DTextCtrl, CWnd)
	ON_WM_PAINT()
	ON_MESSAGE(WM_PRINTCLIENT, &C3DTextCtrl::OnPrintClient)
	ON_WM_LBUTTONDOWN()
	ON_WM_LBUTTONDBLCLK()
END_MESSAGE_MAP()

C3DTextCtrl::C3DTextCtrl()
	: m_bTransparent(false)
	, m_b3DEffect(true)
	, m_bInTabCtrlPg(false)
	, m_nFormat(DT_WORDBREAK)
	, m_crHighlightLight(::GetSysColor(COLOR_BTNHIGHLIGHT))
	, m_crHighlightDark(::GetSysColor(COLOR_BTNSHADOW))
	, m_crText(::GetSysColor(COLOR_BTNTEXT))
	, m_dSkewAngle(0.0)
	, m_dRotationAngle(0.0)
	, m_pParent(NULL)
	, m_pFont(NULL)
{
}

C3DTextCtrl::~C3DTextCtrl()
{
	if (m_pFont != NULL)
		gdip::GdipDeleteFont(m_pFont);
	m_pFont = NULL;
	m_pParent = NULL;
}

bool C3DTextCtrl::Create(CWnd* pParentWnd, int x, int y, UINT nID)
{
	m_pParent = pParentWnd;
	if (!CWnd::Create(NULL, StringUtils::DecryptText(kTextCtrlWindow), WS_CHILD | WS_VISIBLE,
			CRect(x, y, x + kCreateWidth, y + kCreateHeight), pParentWnd, nID))
	{
		ReportFailure(kLog3DTextCreate);
		return false;
	}

	CDC* pDC = GetDC();
	if (pDC != NULL)
	{
		HGDIOBJ hFont = ::GetStockObject(DEFAULT_GUI_FONT);
		if (hFont == NULL)
			hFont = ::GetStockObject(ANSI_VAR_FONT);
		LOGFONTA lf;
		const bool bLogFont = hFont != NULL && ::GetObjectA(hFont, sizeof(lf), &lf) == sizeof(lf);
		Gdiplus::GpFont* pFont = MakeFont(pDC->m_hDC, bLogFont ? &lf : NULL);
		if (pFont != NULL)
		{
			if (m_pFont != NULL)
				gdip::GdipDeleteFont(m_pFont);
			m_pFont = pFont;
		}
		ReleaseDC(pDC);
	}
	return true;
}

/////////////////////////////////////////////////////////////////////////////
// Attributes

CString C3DTextCtrl::GetText() const
{
	return m_strText;
}

/////////////////////////////////////////////////////////////////////////////
// Operations

void C3DTextCtrl::SetFont(const LOGFONTA& lf)
{
	if (!::IsWindow(m_hWnd))
		return;
	CDC* pDC = GetDC();
	if (pDC == NULL)
		return;
	if (m_pFont != NULL)
		gdip::GdipDeleteFont(m_pFont);
	m_pFont = MakeFont(pDC->m_hDC, &lf);
	ReleaseDC(pDC);
}

void C3DTextCtrl::SetText(const CString& strText)
{
	m_strText = strText;
	RedrawCtrl();
}

void C3DTextCtrl::SetWindowTextA(const char* lpszText)
{
	m_strText = lpszText;
	RedrawCtrl();
}

void C3DTextCtrl::SetDisplayFormat(UINT nFormat)
{
	m_nFormat = nFormat;
	RedrawCtrl();
}

void C3DTextCtrl::SetTransparent(bool bTransparent)
{
	m_bTransparent = bTransparent;
	RedrawCtrl();
}

void C3DTextCtrl::SetEnable3DEffect(bool bEnable)
{
	m_b3DEffect = bEnable;
	RedrawCtrl();
}

void C3DTextCtrl::SetHighlightLight(unsigned long crLight)
{
	m_crHighlightLight = crLight;
	RedrawCtrl();
}

void C3DTextCtrl::SetHighlightDark(unsigned long crDark)
{
	m_crHighlightDark = crDark;
	RedrawCtrl();
}

void C3DTextCtrl::SetTextColor(unsigned long crText)
{
	m_crText = crText;
	RedrawCtrl();
}

void C3DTextCtrl::SetSkewAngle(double dAngle)
{
	m_dSkewAngle = dAngle;
	RedrawCtrl();
}

void C3DTextCtrl::SetRotationAngle(double dAngle)
{
	m_dRotationAngle = dAngle;
	RedrawCtrl();
}

void C3DTextCtrl::EnableWindow(BOOL bEnable)
{
	CWnd::EnableWindow(bEnable);
	RedrawCtrl();
}

void C3DTextCtrl::IsInTabCtrlPg()
{
	m_bInTabCtrlPg = true;
}

/////////////////////////////////////////////////////////////////////////////
// Implementation

void C3DTextCtrl::RedrawCtrl()
{
	RedrawParentArea(this, m_bInTabCtrlPg, true);
}

void C3DTextCtrl::DoPaint(CDC* pDC)
{
	if (pDC == NULL || pDC->m_hDC == NULL)
		return;

	CRect rc;
	GetClientRect(&rc);
	if (!m_bTransparent)
		pDC->FillSolidRect(rc.left, rc.top, rc.Width() + 1, rc.Height() + 1, ::GetSysColor(COLOR_BTNFACE));

	// The embossed look: the light copy in place, the dark one two pixels
	// down and right, the text between them.
	const Gdiplus::RectF rcLight = LayoutRect(rc, 0);
	const Gdiplus::RectF rcDark = LayoutRect(rc, 2);
	const Gdiplus::RectF rcText = LayoutRect(rc, m_b3DEffect ? 1 : 0);

	// No format flags: the text wraps at word boundaries inside the rectangle.
	Gdiplus::GpStringFormat* pFormat = NULL;
	gdip::GdipCreateStringFormat(0, LANG_NEUTRAL, &pFormat);
	Gdiplus::StringAlignment eAlign = Gdiplus::StringAlignmentNear;
	if (m_nFormat & DT_CENTER)
		eAlign = Gdiplus::StringAlignmentCenter;
	else if (m_nFormat & DT_RIGHT)
		eAlign = Gdiplus::StringAlignmentFar;
	Gdiplus::StringAlignment eLineAlign = Gdiplus::StringAlignmentNear;
	if (m_nFormat & DT_VCENTER)
		eLineAlign = Gdiplus::StringAlignmentCenter;
	else if (m_nFormat & DT_BOTTOM)
		eLineAlign = Gdiplus::StringAlignmentFar;
	gdip::GdipSetStringFormatAlign(pFormat, eAlign);
	gdip::GdipSetStringFormatLineAlign(pFormat, eLineAlign);

	Gdiplus::GpSolidFill* pLightBrush = NULL;
	Gdiplus::GpSolidFill* pDarkBrush = NULL;
	Gdiplus::GpSolidFill* pTextBrush = NULL;
	const Gdiplus::ARGB black = Gdiplus::Color::MakeARGB(255, 0, 0, 0);
	gdip::GdipCreateSolidFill(m_b3DEffect ? ToArgb(m_crHighlightLight) : black, &pLightBrush);
	gdip::GdipCreateSolidFill(m_b3DEffect ? ToArgb(m_crHighlightDark) : black, &pDarkBrush);
	gdip::GdipCreateSolidFill(ToArgb(m_crText), &pTextBrush);

	CString strText(m_strText);
	wchar_t* pszText = StringUtils::ConvertToWCHAR(strText);

	Gdiplus::GpGraphics* pGraphics = NULL;
	gdip::GdipCreateFromHDC(pDC->m_hDC, &pGraphics);
	if (pGraphics != NULL && pszText != NULL && m_pFont != NULL)
	{
		gdip::GdipSetTextRenderingHint(pGraphics, Gdiplus::TextRenderingHintClearTypeGridFit);
		if (m_b3DEffect)
		{
			gdip::GdipDrawString(pGraphics, pszText, -1, m_pFont, &rcLight, pFormat, pLightBrush);
			gdip::GdipDrawString(pGraphics, pszText, -1, m_pFont, &rcDark, pFormat, pDarkBrush);
		}
		gdip::GdipDrawString(pGraphics, pszText, -1, m_pFont, &rcText, pFormat, pTextBrush);
	}

	delete[] pszText;
	strText.ReleaseBuffer(-1);
	if (pGraphics != NULL)
		gdip::GdipDeleteGraphics(pGraphics);
	gdip::GdipDeleteBrush(pLightBrush);
	gdip::GdipDeleteBrush(pDarkBrush);
	gdip::GdipDeleteBrush(pTextBrush);
	if (pFormat != NULL)
		gdip::GdipDeleteStringFormat(pFormat);
}

// The creating parent handles the control's clicks, told where they fell in
// the control's own client coordinates.
bool C3DTextCtrl::ForwardClick(UINT message, UINT nFlags, CPoint point)
{
	if (m_pParent == NULL)
		return false;
	m_pParent->SendMessage(message, nFlags, MAKELPARAM(point.x, point.y));
	return true;
}

/////////////////////////////////////////////////////////////////////////////
// Message handlers

void C3DTextCtrl::OnPaint()
{
	CPaintDC dc(this);
	DoPaint(&dc);
}

LRESULT C3DTextCtrl::OnPrintClient(WPARAM wParam, LPARAM /*lParam*/)
{
	DoPaint(CDC::FromHandle(reinterpret_cast<HDC>(wParam)));
	return 0;
}

void C3DTextCtrl::OnLButtonDown(UINT nFlags, CPoint point)
{
	if (!ForwardClick(WM_LBUTTONDOWN, nFlags, point))
		CWnd::OnLButtonDown(nFlags, point);
}

void C3DTextCtrl::OnLButtonDblClk(UINT nFlags, CPoint point)
{
	if (!ForwardClick(WM_LBUTTONDBLCLK, nFlags, point))
		CWnd::OnLButtonDblClk(nFlags, point);
}
