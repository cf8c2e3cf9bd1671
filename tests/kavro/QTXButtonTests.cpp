// QTXButtonTests.cpp - the owner-drawn buttons on real windows: pictures, clicks, repeats, keys, groups.
//
// Classes in this file:
//   Exposed, ClickHost, Look, QTXButtonTest
#include <kavrotest/CapturingLogger.h>
#include <kavrotest/TestSupport.h>

#include <kavro/QTXButton.h>

#include <chrono>
#include <memory>
#include <string>

namespace
{

const COLORREF kMagenta = RGB(255, 0, 255);
const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kBlue = RGB(0, 0, 255);
const UINT kId = 100;
const CRect kRect(10, 10, 110, 40); // 100 x 30 in the host
const char* const kLogNoDC = "{7CA99F6B-92C5-47C8-AF0E-1708B01BE9AC}";
const char* const kLogLoad = "{77D10854-922E-43E7-955A-5747E61C10E4}";

// Derived as an application would, to read what the class keeps for derived classes.
template <class TButton>
class Exposed : public TButton
{
public:
	using TButton::m_bHot;
	using TButton::m_hIcon;
	using TButton::m_hIconHot;
	using TButton::m_nRepeatTimer;
};

using Clock = std::chrono::steady_clock;

// Notes each BN_CLICKED it gets with the time it came.
class ClickHost : public kt::HostWindow
{
public:
	ClickHost()
		: kt::HostWindow(320, 200, RGB(0, 128, 128))
	{
	}
	std::vector<Clock::time_point> m_clicks;

protected:
	virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
	{
		if (HIWORD(wParam) == BN_CLICKED)
			m_clicks.push_back(Clock::now());
		return kt::HostWindow::OnCommand(wParam, lParam);
	}
};

// The pieces of an expected picture, drawn with plain GDI.
struct Look
{
	UINT edge = EDGE_RAISED; // 0: none; EDGE_SUNKEN with bDefault: sunken outside, raised inside
	bool bDefault = false;   // the double edge of a default button
	int nFocus = 0;          // focus dots at this inset (0: none) of the frame's inner rectangle
	const char* text = "Go"; // as DrawText gets it
	CRect rcText{ 1, 1, 99, 29 };
	bool bEmbossed = false;
	HICON hIcon = NULL;
	CPoint ptIcon;
	UINT nIconFlags = DST_ICON;
};

class QTXButtonTest : public ::testing::Test
{
protected:
	virtual void SetUp() override
	{
		m_lf = {};
		m_lf.lfHeight = -13;
		m_lf.lfQuality = NONANTIALIASED_QUALITY;
		lstrcpyA(m_lf.lfFaceName, "Tahoma");
		m_hFont = ::CreateFontIndirectA(&m_lf);
		m_hIcon = kt::SolidIcon(kRed);
	}
	virtual void TearDown() override
	{
		::DeleteObject(m_hFont);
		::DestroyIcon(m_hIcon);
	}

	void Make(CQTXButton& btn, const char* text = "&Go", DWORD style = 0, const CRect& rc = kRect,
		UINT id = kId)
	{
		ASSERT_TRUE(btn.Create(text, WS_CHILD | WS_VISIBLE | WS_TABSTOP | style, rc, &m_host, id));
		btn.SetFont(m_lf);
		kt::FlushPaint(m_host.GetSafeHwnd());
	}

	// What DrawItem paints for an item state, on a magenta canvas.
	kt::Snapshot Render(CQTXButton& btn, UINT nState)
	{
		CRect rc;
		btn.GetClientRect(&rc);
		return kt::Snapshot::Draw(rc.Width(), rc.Height(), kMagenta,
			[&](HDC hdc)
			{
				DRAWITEMSTRUCT dis = { ODT_BUTTON, kId, 0, ODA_DRAWENTIRE, nState, btn.GetSafeHwnd(), hdc, rc,
					0 };
				btn.DrawItem(&dis);
			});
	}

	kt::Snapshot Expected(const Look& look, int cx = 100, int cy = 30)
	{
		return kt::Snapshot::Draw(cx, cy, ::GetSysColor(COLOR_BTNFACE),
			[&](HDC hdc)
			{
				RECT rc = { 0, 0, cx, cy };
				if (look.hIcon != NULL)
					::DrawStateA(hdc, NULL, NULL, reinterpret_cast<LPARAM>(look.hIcon), 0, look.ptIcon.x,
						look.ptIcon.y, 16, 16, look.nIconFlags);
				if (look.edge != 0)
					::DrawEdge(hdc, &rc, look.edge, BF_RECT);
				if (look.bDefault)
				{
					::InflateRect(&rc, -1, -1);
					::DrawEdge(hdc, &rc, EDGE_RAISED, BF_RECT);
				}
				for (int x = rc.left + look.nFocus; look.nFocus > 0 && x < rc.right - look.nFocus - 1; x += 2)
				{
					::SetPixel(hdc, x, rc.top + look.nFocus, 0);
					::SetPixel(hdc, x, rc.bottom - look.nFocus - 1, 0);
				}
				for (int y = rc.top + look.nFocus; look.nFocus > 0 && y < rc.bottom - look.nFocus - 1; y += 2)
				{
					::SetPixel(hdc, rc.left + look.nFocus, y, 0);
					::SetPixel(hdc, rc.right - look.nFocus - 1, y, 0);
				}
				HGDIOBJ hOld = ::SelectObject(hdc, m_hFont);
				::SetBkMode(hdc, TRANSPARENT);
				RECT rcText = look.rcText;
				if (look.bEmbossed)
				{
					::SetTextColor(hdc, ::GetSysColor(COLOR_BTNHIGHLIGHT));
					::OffsetRect(&rcText, 1, 1);
					::DrawTextA(hdc, look.text, -1, &rcText, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
					::OffsetRect(&rcText, -1, -1);
				}
				::SetTextColor(hdc, ::GetSysColor(look.bEmbossed ? COLOR_GRAYTEXT : COLOR_BTNTEXT));
				::DrawTextA(hdc, look.text, -1, &rcText, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
				::SelectObject(hdc, hOld);
			});
	}

	// Puts the cursor on a point of the host's client area.
	void CursorAt(CPoint pt)
	{
		m_host.ClientToScreen(&pt);
		::SetCursorPos(pt.x, pt.y);
	}
	void Mouse(CWnd& wnd, UINT message, CPoint pt = CPoint(50, 15))
	{
		wnd.SendMessage(message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
	}

	LOGFONTA m_lf;
	HFONT m_hFont = NULL;
	HICON m_hIcon = NULL;
	ClickHost m_host;
};

// ---------------------------------------------------------------------------
// Pictures

TEST_F(QTXButtonTest, EveryStateIsDrawnAsPlainGdiDrawsIt)
{
	// alignV 0: no icon. The caption is "&Go"; the icon a 16 x 16 square.
	const struct
	{
		const char* name;
		UINT nState;
		DWORD style;
		UINT alignH, alignV;
		UINT edge;
		bool bDefault;
		int nFocus;
		CRect rcText;
		bool bEmbossed;
		CPoint ptIcon;
		UINT nIconFlags;
	} cases[] = {
		{ "normal", 0, 0, 0, 0, EDGE_RAISED, false, 0, { 1, 1, 99, 29 }, false, {}, 0 },
		{ "focused", ODS_FOCUS, 0, 0, 0, EDGE_RAISED, false, 2, { 1, 1, 99, 29 }, false, {}, 0 },
		{ "pressed push-like", ODS_SELECTED, BS_PUSHLIKE, 0, 0, EDGE_SUNKEN, false, 0, { 2, 2, 100, 30 },
			false, {}, 0 },
		{ "pressed plain", ODS_SELECTED, 0, 0, 0, EDGE_SUNKEN, false, 0, { 1, 1, 99, 29 }, false, {}, 0 },
		{ "default, focus inside the double edge", ODS_DEFAULT | ODS_FOCUS, 0, 0, 0, EDGE_SUNKEN, true, 2,
			{ 1, 1, 99, 29 }, false, {}, 0 },
		{ "disabled", ODS_DISABLED, 0, 0, 0, EDGE_RAISED, false, 0, { 1, 1, 99, 29 }, true, {}, 0 },
		{ "icon left", 0, 0, BS_LEFT, BS_VCENTER, EDGE_RAISED, false, 0, { 24, 1, 99, 29 }, false, { 3, 7 },
			DST_ICON },
		{ "icon right", 0, 0, BS_RIGHT, BS_VCENTER, EDGE_RAISED, false, 0, { 1, 1, 83, 29 }, false, { 82, 7 },
			DST_ICON },
		{ "icon top, a bad horizontal value centres", 0, 0, 0x1234, BS_TOP, EDGE_RAISED, false, 0,
			{ 1, 17, 99, 29 }, false, { 42, 2 }, DST_ICON },
		{ "icon bottom", 0, 0, BS_CENTER, BS_BOTTOM, EDGE_RAISED, false, 0, { 1, 1, 99, 13 }, false,
			{ 42, 12 }, DST_ICON },
		{ "pressed icon moves with the caption", ODS_SELECTED, BS_PUSHLIKE, BS_LEFT, BS_VCENTER, EDGE_SUNKEN,
			false, 0, { 25, 2, 100, 30 }, false, { 4, 8 }, DST_ICON },
		{ "disabled icon greyed", ODS_DISABLED, 0, BS_LEFT, BS_VCENTER, EDGE_RAISED, false, 0,
			{ 24, 1, 99, 29 }, true, { 3, 7 }, DST_ICON | DSS_DISABLED },
	};
	for (const auto& c : cases)
	{
		SCOPED_TRACE(c.name);
		CQTXButton btn;
		Make(btn, "&Go", c.style);
		// Ampersands go from a disabled caption even when they are shown.
		btn.ShowUnderscore(c.nState == ODS_DISABLED);
		if (c.alignV != 0)
			btn.SetIcon(::CopyIcon(m_hIcon), c.alignH, c.alignV);
		Look look;
		look.edge = c.edge;
		look.bDefault = c.bDefault;
		look.nFocus = c.nFocus;
		look.rcText = c.rcText;
		look.bEmbossed = c.bEmbossed;
		look.hIcon = c.alignV != 0 ? m_hIcon : NULL;
		look.ptIcon = c.ptIcon;
		look.nIconFlags = c.nIconFlags;
		kt::Snapshot shot = Render(btn, c.nState);
		EXPECT_EQ(shot.CountDiff(Expected(look)), 0);
		EXPECT_EQ(shot.Count(kMagenta), 0);
	}
}

} // namespace
