// GradientProgressCtrl.cpp - CGradientProgressCtrl: its arithmetic, GDI+ painting and time-left text.
#include <kavro/GradientProgressCtrl.h>

#include "Frame.h"

#include <qtx/Graphics.h>

#include <cstdlib>

namespace
{

const COLORREF kDefaultStart = RGB(4, 188, 188);
const COLORREF kDefaultEnd = RGB(67, 120, 67);
const COLORREF kDefaultText = RGB(0, 0, 0);
// The gradient runs along this line; only its x coordinates matter.
const float kGradientY = 10.0f;

DWORD ToArgb(COLORREF cr)
{
	return Gdiplus::Color::MakeARGB(255, GetRValue(cr), GetGValue(cr), GetBValue(cr));
}

COLORREF ToColorRef(DWORD argb)
{
	return Gdiplus::Color(argb).ToCOLORREF();
}

void DefaultNow(DateTime& now)
{
	now.SetToCurrent();
}

} // namespace

void (*g_pfnProgressNow)(DateTime& now) = &DefaultNow;

IMPLEMENT_DYNAMIC(CGradientProgressCtrl, CWnd)

BEGIN_MESSAGE_MAP(CGradientProgressCtrl, CWnd)
	ON_WM_PAINT()
	ON_WM_ERASEBKGND()
	ON_MESSAGE(WM_PRINTCLIENT, &CGradientProgressCtrl::OnPrintClient)
END_MESSAGE_MAP()

CGradientProgressCtrl::CGradientProgressCtrl()
	: m_bShowPercent(false)
	, m_nTotal(0)
	, m_nPosition(0)
	, m_nColorSteps(0)
	, m_eBorderStyle(FlatBorder)
	, m_fRedIncrement(0.0f)
	, m_fGreenIncrement(0.0f)
	, m_fBlueIncrement(0.0f)
	, m_pTextFont(NULL)
	, m_argbStart(ToArgb(kDefaultStart))
	, m_argbEnd(ToArgb(kDefaultEnd))
	, m_argbBk(ToArgb(::GetSysColor(COLOR_BTNFACE)))
	, m_argbText(ToArgb(kDefaultText))
{
}

CGradientProgressCtrl::~CGradientProgressCtrl()
{
	delete m_pTextFont;
}

bool CGradientProgressCtrl::Create(CWnd* parent, CRect& rect, UINT id)
{
	// A child needs a parent; the framework would only assert without one.
	const bool bCreated =
		parent != NULL && ::IsWindow(parent->GetSafeHwnd()) &&
		CWnd::Create(NULL, StringUtils::DecryptText(kTextProgressWindow), WS_CHILD, rect, parent, id, NULL);
	if (!bCreated)
		ReportFailure(kLogProgressCreate);
	return bCreated;
}

int CGradientProgressCtrl::GetPosition() const
{
	return m_nPosition;
}

int CGradientProgressCtrl::GetTotal() const
{
	return m_nTotal;
}

COLORREF CGradientProgressCtrl::GetTextColor() const
{
	return ToColorRef(m_argbText);
}

COLORREF CGradientProgressCtrl::GetBkColor() const
{
	return ToColorRef(m_argbBk);
}

COLORREF CGradientProgressCtrl::GetStartColor() const
{
	return ToColorRef(m_argbStart);
}

COLORREF CGradientProgressCtrl::GetEndColor() const
{
	return ToColorRef(m_argbEnd);
}

void CGradientProgressCtrl::Init(int total, const CString& text, bool showPercent, COLORREF textColour,
	COLORREF bkColour, COLORREF startColour, COLORREF endColour, BorderStyle border)
{
	m_nTotal = total;
	m_eBorderStyle = border;
	m_bShowPercent = showPercent;
	m_nPosition = 0;
	m_strText = text;
	m_argbStart = ToArgb(startColour);
	m_argbEnd = ToArgb(endColour);
	m_argbBk = ToArgb(bkColour);
	m_argbText = ToArgb(textColour);
	m_bands.clear();
	CreateTextFont();

	// The leading edge walks from the start colour to the end colour in as
	// many steps as the channel that changes most.
	const int nRed = GetRValue(endColour) - GetRValue(startColour);
	const int nGreen = GetGValue(endColour) - GetGValue(startColour);
	const int nBlue = GetBValue(endColour) - GetBValue(startColour);
	m_nColorSteps = std::max(std::abs(nRed), std::max(std::abs(nGreen), std::abs(nBlue)));
	if (m_nColorSteps >= 1)
	{
		m_fRedIncrement = static_cast<float>(nRed) / m_nColorSteps;
		m_fGreenIncrement = static_cast<float>(nGreen) / m_nColorSteps;
		m_fBlueIncrement = static_cast<float>(nBlue) / m_nColorSteps;
	}
	else
		m_fRedIncrement = m_fGreenIncrement = m_fBlueIncrement = 0.0f;

	if (::IsWindow(m_hWnd))
		ShowWindow(SW_SHOWNA);
}

void CGradientProgressCtrl::InitSolid(const std::map<int, COLORREF>& bands, int total, const CString& text,
	bool showPercent, BorderStyle border, COLORREF textColour, COLORREF bkColour)
{
	m_bShowPercent = showPercent;
	m_nTotal = total;
	m_eBorderStyle = border;
	m_strText = text;
	m_nPosition = 0;
	m_nColorSteps = 0;
	m_fRedIncrement = m_fGreenIncrement = m_fBlueIncrement = 0.0f;
	CreateTextFont();
	m_argbText = ToArgb(textColour);
	m_argbBk = ToArgb(bkColour);

	m_bands.clear();
	for (const auto& band : bands)
		m_bands[band.first] = ToArgb(band.second);

	if (::IsWindow(m_hWnd))
		ShowWindow(SW_SHOWNA);
}

void CGradientProgressCtrl::StartTiming()
{
	g_pfnProgressNow(m_startTime);
}

void CGradientProgressCtrl::Step()
{
	if (m_nPosition == m_nTotal)
	{
		ReportFailure(kLogProgressStepAtEnd);
		return;
	}
	++m_nPosition;
	RedrawCtrl();
}

void CGradientProgressCtrl::Position(int pos)
{
	m_nPosition = std::min(pos, m_nTotal);
	RedrawCtrl();
}

void CGradientProgressCtrl::UpdateText(const CString& text)
{
	m_strText = text;
	RedrawCtrl();
}

void CGradientProgressCtrl::UpdatePositionText(int pos, const CString& text)
{
	m_nPosition = std::min(pos, m_nTotal);
	m_strText = text;
	RedrawCtrl();
}

void CGradientProgressCtrl::Stop(bool hide)
{
	m_nPosition = m_nTotal;
	if (!hide)
		RedrawCtrl();
	else if (::IsWindow(m_hWnd))
		ShowWindow(SW_HIDE);
	m_startTime.SetUnset();
}

void CGradientProgressCtrl::CreateTextFont()
{
	delete m_pTextFont;
	m_pTextFont = NULL;
	if (!::IsWindow(m_hWnd))
		return;
	CDC* pDC = GetDC();
	if (pDC == NULL)
		return;

	HGDIOBJ hStock = ::GetStockObject(DEFAULT_GUI_FONT);
	if (hStock == NULL)
		hStock = ::GetStockObject(ANSI_VAR_FONT);
	LOGFONTA lf;
	if (hStock != NULL && ::GetObjectA(hStock, sizeof(lf), &lf) == sizeof(lf))
		m_pTextFont = new Gdiplus::Font(pDC->GetSafeHdc(), &lf);
	else
		m_pTextFont = new Gdiplus::Font(pDC->GetSafeHdc());
	ReleaseDC(pDC);
	// Without GDI+ (or a face it can use) the bar goes without text.
	if (m_pTextFont->GetLastStatus() != Gdiplus::Ok)
	{
		delete m_pTextFont;
		m_pTextFont = NULL;
	}
}

CString CGradientProgressCtrl::GetTimeLeft() const
{
	if (!m_startTime.IsSet() || m_nPosition == 0 || m_nTotal == 0)
		return CString();
	DateTime now;
	g_pfnProgressNow(now);
	__int64 nElapsed = 0;
	DateTime::ConvertDeltaToSeconds(now, m_startTime, nElapsed);
	const __int64 nRemaining = static_cast<__int64>(m_nTotal - m_nPosition) * nElapsed / m_nPosition;
	return "(" + DateTime::ConvertSecondsToText(nRemaining) + StringUtils::DecryptText(kTextTimeLeftSuffix);
}

void CGradientProgressCtrl::RedrawCtrl()
{
	if (!::IsWindow(m_hWnd))
		return;
	Invalidate(TRUE);
	UpdateWindow();
}

CString CGradientProgressCtrl::ComposeText(float fFraction) const
{
	CString strText(m_strText);
	if (m_bShowPercent)
	{
		if (!strText.IsEmpty())
			strText += ' ';
		const float fPercent = fFraction * 100.0f;
		strText.AppendFormat("%.0f%%", static_cast<double>(fPercent));
	}
	if (m_startTime.IsSet())
	{
		if (!strText.IsEmpty())
			strText += ' ';
		strText += GetTimeLeft();
	}
	return strText;
}

void CGradientProgressCtrl::DoPaint(CDC* pDC)
{
	if (m_nTotal < 1)
		return;
	CRect rc;
	GetClientRect(&rc);
	CMemDC memDC(pDC, rc);
	if (!memDC.IsValid())
		return;
	Gdiplus::Graphics graphics(memDC.GetSafeHdc());

	// Lines end on the last pixel inside the client area, so the frame's
	// right and bottom edges come in by one first.
	if (m_eBorderStyle == FlatBorder || m_eBorderStyle == SunkenBorder)
	{
		--rc.right;
		--rc.bottom;
		const Gdiplus::Point ptBottomLeft(rc.left, rc.bottom);
		const Gdiplus::Point ptTopLeft(rc.left, rc.top);
		const Gdiplus::Point ptTopRight(rc.right, rc.top);
		const Gdiplus::Point ptBottomRight(rc.right, rc.bottom);
		if (m_eBorderStyle == FlatBorder)
		{
			Gdiplus::Color frame;
			frame.SetFromCOLORREF(::GetSysColor(COLOR_WINDOWFRAME));
			Gdiplus::Pen pen(frame, 1.0f);
			const Gdiplus::Point points[] = { ptBottomLeft, ptTopLeft, ptTopRight, ptBottomRight,
				ptBottomLeft };
			graphics.DrawLines(&pen, points, _countof(points));
		}
		else
		{
			Gdiplus::Color shadow, highlight;
			shadow.SetFromCOLORREF(::GetSysColor(COLOR_BTNSHADOW));
			highlight.SetFromCOLORREF(::GetSysColor(COLOR_BTNHIGHLIGHT));
			Gdiplus::Pen penShadow(shadow, 1.0f);
			Gdiplus::Pen penHighlight(highlight, 1.0f);
			const Gdiplus::Point dark[] = { ptBottomLeft, ptTopLeft, ptTopRight };
			const Gdiplus::Point light[] = { ptBottomLeft, ptBottomRight, ptTopRight };
			graphics.DrawLines(&penShadow, dark, _countof(dark));
			graphics.DrawLines(&penHighlight, light, _countof(light));
		}
		++rc.left;
		++rc.top;
	}
	const int nWidth = rc.Width();
	const int nHeight = rc.Height();

	const float fFraction = static_cast<float>(m_nPosition) / static_cast<float>(m_nTotal);
	const int nPercent = static_cast<int>(static_cast<__int64>(m_nPosition) * 100 / m_nTotal);
	const int nFilled = static_cast<int>(nWidth * fFraction);

	if (nFilled > 0)
	{
		const Gdiplus::Rect rcFilled(rc.left, rc.top, nFilled, nHeight);
		if (!m_bands.empty())
		{
			// The first band that reaches the percentage done; above the
			// highest threshold the filled part is left unpainted.
			const auto band = m_bands.lower_bound(nPercent);
			if (band != m_bands.end())
			{
				Gdiplus::SolidBrush brush{ Gdiplus::Color(band->second) };
				graphics.FillRectangle(&brush, rcFilled);
			}
		}
		else
		{
			const Gdiplus::Color start(m_argbStart);
			const float k = m_nColorSteps * fFraction;
			const BYTE red = static_cast<BYTE>(static_cast<int>(start.GetR() + k * m_fRedIncrement));
			const BYTE green = static_cast<BYTE>(static_cast<int>(start.GetG() + k * m_fGreenIncrement));
			const BYTE blue = static_cast<BYTE>(static_cast<int>(start.GetB() + k * m_fBlueIncrement));
			Gdiplus::LinearGradientBrush brush(Gdiplus::PointF(static_cast<float>(rc.left), kGradientY),
				Gdiplus::PointF(static_cast<float>(rc.left + nFilled), kGradientY), start,
				Gdiplus::Color(255, red, green, blue));
			brush.SetWrapMode(Gdiplus::WrapModeTile);
			graphics.FillRectangle(&brush, rcFilled);
		}
	}

	Gdiplus::SolidBrush bkBrush{ Gdiplus::Color(m_argbBk) };
	graphics.FillRectangle(&bkBrush, rc.left + nFilled, rc.top, nWidth - nFilled, nHeight);

	const CString strText = ComposeText(fFraction);
	if (m_pTextFont != NULL && !strText.IsEmpty())
	{
		const std::wstring wText = StringUtils::ToWide(strText);
		const Gdiplus::RectF rcLayout(static_cast<float>(rc.left), static_cast<float>(rc.top),
			static_cast<float>(nWidth), static_cast<float>(nHeight));
		Gdiplus::StringFormat format;
		format.SetAlignment(Gdiplus::StringAlignmentCenter);
		format.SetLineAlignment(Gdiplus::StringAlignmentCenter);
		Gdiplus::SolidBrush textBrush{ Gdiplus::Color(m_argbText) };
		graphics.DrawString(wText.c_str(), static_cast<INT>(wText.size()), m_pTextFont, rcLayout, &format,
			&textBrush);
	}
}

void CGradientProgressCtrl::OnPaint()
{
	CPaintDC dc(this);
	DoPaint(&dc);
}

BOOL CGradientProgressCtrl::OnEraseBkgnd(CDC* /*pDC*/)
{
	// The paint covers the whole client area through its buffer.
	return TRUE;
}

LRESULT CGradientProgressCtrl::OnPrintClient(WPARAM wParam, LPARAM /*lParam*/)
{
	CDC* pDC = CDC::FromHandle(reinterpret_cast<HDC>(wParam));
	if (pDC != NULL)
		DoPaint(pDC);
	return 0;
}
