// PanelTests.cpp - panels, group frames, borders and 3-D texts on real windows: pictures, repaints, clicks.
//
// Classes in this file:
//   PanelTest
#include <kavrotest/CapturingLogger.h>
#include <kavrotest/TestSupport.h>

#include <kavro/3DTextCtrl.h>
#include <kavro/BackgroundStatic.h>

#include <gdiplus.h>

#include <functional>
#include <memory>

namespace
{

const COLORREF kTeal = RGB(0, 128, 128);
const COLORREF kYellow = RGB(255, 255, 0);
const COLORREF kPale = RGB(255, 255, 213);
const UINT kId = 100;

void Fill(HDC hdc, int l, int t, int r, int b, COLORREF cr)
{
	RECT rc = { l, t, r, b };
	HBRUSH hbr = ::CreateSolidBrush(cr);
	::FillRect(hdc, &rc, hbr);
	::DeleteObject(hbr);
}

class PanelTest : public ::testing::Test
{
protected:
	virtual void TearDown() override
	{
		m_host.reset();
		::DeleteObject(m_hFont);
	}

	// Creates a static of the test font at rc in the host and paints everything.
	void Make(CStatic& ctrl, const char* text, const CRect& rc, DWORD style = 0)
	{
		ASSERT_TRUE(ctrl.Create(text, WS_CHILD | WS_VISIBLE | SS_LEFT | style, rc, m_host.get(), kId));
		ctrl.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(m_hFont), FALSE);
		kt::RepaintAll(m_host->GetSafeHwnd());
	}

	// Creates a 3-D text in the host, sized to rc, in the test font.
	void Make(C3DTextCtrl& ctrl, const CRect& rc)
	{
		ASSERT_TRUE(ctrl.Create(m_host.get(), rc.left, rc.top, kId));
		ctrl.MoveWindow(&rc);
		ctrl.SetFont(m_lf);
	}

	kt::Snapshot Shot(const CRect& rc) { return kt::Snapshot(m_host->GetSafeHwnd(), rc); }

	LOGFONTA m_lf = kt::TestLogFont();
	HFONT m_hFont = kt::CreateTestFont();
	std::unique_ptr<kt::HostWindow> m_host = std::make_unique<kt::HostWindow>(360, 200, kTeal);
};

// ---------------------------------------------------------------------------
// Background panel

TEST_F(PanelTest, BackgroundPanelFillsFramesAndDrawsItsText)
{
	const COLORREF crLight = ::GetSysColor(COLOR_BTNHIGHLIGHT);
	const COLORREF crShadow = ::GetSysColor(COLOR_BTNSHADOW);
	const struct
	{
		const char* name;
		std::function<void(CBackgroundStatic&)> set;
		COLORREF crBack;
		int frame; // 0 none, 1 sunken, 2 raised
	} cases[] = {
		{ "default: pale yellow, sunken", [](CBackgroundStatic&) {}, kPale, 1 },
		{ "no frame", [](CBackgroundStatic& c) { c.SetFrameType(false, false); }, kPale, 0 },
		{ "raised alone draws a frame", [](CBackgroundStatic& c) { c.SetFrameType(false, true); }, kPale, 2 },
		{ "own colour", [](CBackgroundStatic& c) { c.SetColor(kYellow); }, kYellow, 1 },
	};
	const CRect rc(20, 20, 180, 60);
	for (const auto& c : cases)
	{
		SCOPED_TRACE(c.name);
		CBackgroundStatic ctrl;
		Make(ctrl, "Panel text", rc);
		EXPECT_FALSE(ctrl.GetExStyle() & WS_EX_TRANSPARENT);
		c.set(ctrl);
		kt::PumpPending();

		// Top and left edges in one colour, right and bottom in the other; the
		// bottom-right pair covers the corners they share.
		const COLORREF crTopLeft = c.frame == 2 ? crLight : crShadow;
		const COLORREF crBottomRight = c.frame == 2 ? crShadow : crLight;
		const int cx = rc.Width(), cy = rc.Height();
		const kt::Snapshot want = kt::Snapshot::Draw(cx, cy, c.crBack,
			[&](HDC hdc)
			{
				if (c.frame != 0)
				{
					Fill(hdc, 0, 0, cx - 1, 1, crTopLeft);
					Fill(hdc, 0, 0, 1, cy - 1, crTopLeft);
					Fill(hdc, cx - 1, 0, cx, cy, crBottomRight);
					Fill(hdc, 0, cy - 1, cx, cy, crBottomRight);
				}
				kt::DrawCaption(hdc, m_hFont, "Panel text", { 3, 1, cx - 3, cy - 1 }, DT_WORDBREAK,
					::GetSysColor(COLOR_BTNTEXT));
			});
		const kt::Snapshot shot = Shot(rc);
		EXPECT_EQ(shot.CountDiff(want), 0);
		EXPECT_GT(shot.Count(c.crBack), cx * cy / 2);
		EXPECT_GT(shot.Count(::GetSysColor(COLOR_BTNTEXT)), 20);
	}
}

// ---------------------------------------------------------------------------
// Group frame

TEST_F(PanelTest, GroupFrameIsEtchedWithTheCaptionSetIntoItsTopEdge)
{
	const struct
	{
		const char* text;
		const char* caption; // as drawn; empty for none
	} cases[] = { { "Name", " Name " }, { "Name ", " Name " }, { "", "" } };
	const CRect rc(20, 20, 200, 100);
	const int cx = rc.Width(), cy = rc.Height();
	for (const auto& c : cases)
	{
		SCOPED_TRACE(c.text);
		CGroupStatic ctrl;
		Make(ctrl, c.text, rc);
		EXPECT_TRUE(ctrl.GetExStyle() & WS_EX_TRANSPARENT);

		const kt::Snapshot want = kt::Snapshot::Draw(cx, cy, kTeal,
			[&](HDC hdc)
			{
				SIZE size = {};
				HGDIOBJ old = ::SelectObject(hdc, m_hFont);
				::GetTextExtentPoint32A(hdc, c.caption, lstrlenA(c.caption), &size);
				::SelectObject(hdc, old);
				const bool bCaption = *c.caption != 0;
				const int t = bCaption ? size.cy - 4 : 0;
				const int r = bCaption ? cx - 1 : cx;
				// Highlight right of the shadow and inside it along the top and
				// left; the shadow a closed rectangle; both open behind the caption.
				const COLORREF crLight = ::GetSysColor(COLOR_BTNHIGHLIGHT);
				Fill(hdc, r, t, r + 1, cy, crLight);
				Fill(hdc, 1, t + 1, r - 1, t + 2, crLight);
				Fill(hdc, 1, t + 1, 2, cy - 1, crLight);
				RECT frame = { 0, t, r, cy };
				HBRUSH hbr = ::CreateSolidBrush(::GetSysColor(COLOR_BTNSHADOW));
				::FrameRect(hdc, &frame, hbr);
				::DeleteObject(hbr);
				if (bCaption)
				{
					Fill(hdc, 9, t, 9 + size.cx + 1, t + 2, kTeal);
					kt::DrawCaption(hdc, m_hFont, c.caption, { 9, 0, 9 + size.cx, size.cy },
						DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS, RGB(0, 0, 0));
				}
			});
		const kt::Snapshot shot = Shot(rc);
		EXPECT_EQ(shot.CountDiff(want), 0);
		EXPECT_GT(shot.Count(kTeal), cx * cy / 2);
	}
}

// Seen from the page: a group frame's change is repainted by the tab control
// above the page from the start; a panel's by the page itself.
const kt::Sequence kPageRepaintSeq = {
	{ WM_PAINT, kt::sent | kt::parent },
	{ WM_ERASEBKGND, kt::sent | kt::parent },
	{ WM_PAINT, kt::posted },
	{ WM_NCPAINT, kt::sent | kt::optional },
	{ WM_ERASEBKGND, kt::sent },
	kt::kSeparator,
	{ WM_PAINT, kt::sent },
	{ WM_ERASEBKGND, kt::sent },
	kt::kSeparator,
};

TEST_F(PanelTest, GroupFrameRepaintsThroughTheTabControlAndPanelThroughItsParent)
{
	kt::TabPage tab(m_host.get(), CRect(10, 10, 340, 190));
	CGroupStatic group;
	ASSERT_TRUE(group.Create("Group", WS_CHILD | WS_VISIBLE, CRect(5, 5, 150, 100), &tab.m_page, 3));
	CBackgroundStatic panel;
	ASSERT_TRUE(panel.Create("Panel", WS_CHILD | WS_VISIBLE, CRect(160, 5, 300, 100), &tab.m_page, 4));
	kt::FlushPaint(m_host->GetSafeHwnd());

	kt::MessageRecorder onPage(tab.m_page.GetSafeHwnd(), true);
	group.SetWindowTextA("Group frame", true);
	onPage.Separate();
	panel.SetColor(kYellow);
	onPage.Separate();
	EXPECT_TRUE(onPage.Matches(kPageRepaintSeq, { kt::kQueries, { WM_CTLCOLORSTATIC } }));
}

// ---------------------------------------------------------------------------
// Bordered static

TEST_F(PanelTest, BorderIsTheWindowsOutermostPixelsAndFollowsItsColourAtOnce)
{
	CBorderStatic ctrl;
	const CRect rc(30, 30, 130, 70);
	Make(ctrl, "", rc, WS_BORDER);
	auto borderPixels = [&](COLORREF cr)
	{
		const kt::Snapshot shot = Shot(rc);
		CRect inner(rc);
		inner.OffsetRect(-rc.left, -rc.top);
		inner.DeflateRect(1, 1);
		return shot.Count(cr) - shot.Count(cr, inner);
	};
	const int perimeter = 2 * (rc.Width() + rc.Height()) - 4;
	EXPECT_EQ(borderPixels(::GetSysColor(COLOR_ACTIVEBORDER)), perimeter);

	// Shown before the call returns, the client area left alone.
	ctrl.SetBorderColor(RGB(255, 0, 0));
	EXPECT_EQ(borderPixels(RGB(255, 0, 0)), perimeter);
	EXPECT_EQ(Shot(rc).Count(RGB(255, 0, 0)), perimeter);
	EXPECT_EQ(Shot(CRect(rc.left - 1, rc.top - 1, rc.left, rc.top)).At(0, 0), kTeal);
}

// ---------------------------------------------------------------------------
// 3-D text

// Draws text as GDI+ lays it out in a w x h rectangle at (x, y).
void DrawGdiplusText(HDC hdc, const LOGFONTA& lf, const wchar_t* text, int x, int y, int w, int h,
	COLORREF cr, UINT format)
{
	Gdiplus::Graphics graphics(hdc);
	graphics.SetTextRenderingHint(Gdiplus::TextRenderingHintClearTypeGridFit);
	Gdiplus::Font font(hdc, &lf);
	Gdiplus::StringFormat sf(0, LANG_NEUTRAL);
	sf.SetAlignment((format & DT_CENTER)  ? Gdiplus::StringAlignmentCenter
					: (format & DT_RIGHT) ? Gdiplus::StringAlignmentFar
										  : Gdiplus::StringAlignmentNear);
	sf.SetLineAlignment((format & DT_VCENTER)  ? Gdiplus::StringAlignmentCenter
						: (format & DT_BOTTOM) ? Gdiplus::StringAlignmentFar
											   : Gdiplus::StringAlignmentNear);
	Gdiplus::SolidBrush brush(Gdiplus::Color(GetRValue(cr), GetGValue(cr), GetBValue(cr)));
	graphics.DrawString(text, -1, &font, Gdiplus::RectF(x, y, w, h), &sf, &brush);
}

TEST_F(PanelTest, TextIsEmbossedAndAlignedAsGdiplusLaysItOut)
{
	// Over a pattern: an opaque control covers it all, a transparent one only with its text.
	const kt::HostWindow::Painter pattern = kt::HostWindow::Checkerboard(4, kYellow, kTeal);
	m_host->SetPainter(pattern);
	// The transparent case has colours of its own.
	const COLORREF kLight = RGB(255, 255, 128), kDark = RGB(0, 0, 128), kText = RGB(200, 0, 0);
	const struct
	{
		const char* name;
		UINT format; // as GDI+ lays it out
		bool b3D, bTransparent;
		std::function<void(C3DTextCtrl&)> set;
	} cases[] = {
		{ "default", DT_WORDBREAK, true, false, [](C3DTextCtrl&) {} },
		{ "flat, in place", DT_WORDBREAK, false, false, [](C3DTextCtrl& c) { c.SetEnable3DEffect(false); } },
		{ "centre wins over right", DT_CENTER, true, false,
			[](C3DTextCtrl& c) { c.SetDisplayFormat(DT_CENTER | DT_RIGHT); } },
		{ "vertical centre wins over bottom", DT_VCENTER, true, false,
			[](C3DTextCtrl& c) { c.SetDisplayFormat(DT_VCENTER | DT_BOTTOM); } },
		{ "right and bottom", DT_RIGHT | DT_BOTTOM, true, false,
			[](C3DTextCtrl& c) { c.SetDisplayFormat(DT_RIGHT | DT_BOTTOM); } },
		{ "transparent, own colours", DT_WORDBREAK, true, true,
			[&](C3DTextCtrl& c)
			{
				c.SetTransparent(true), c.SetHighlightLight(kLight);
				c.SetHighlightDark(kDark), c.SetTextColor(kText);
			} },
	};
	const CRect rc(20, 20, 240, 110);
	const wchar_t* text = L"Embossed words wrap at word boundaries inside the control";
	for (const auto& c : cases)
	{
		SCOPED_TRACE(c.name);
		C3DTextCtrl ctrl;
		Make(ctrl, rc);
		ctrl.SetText(CString(text));
		c.set(ctrl);
		kt::PumpPending();
		const COLORREF crText = c.bTransparent ? kText : ::GetSysColor(COLOR_BTNTEXT);

		const int cx = rc.Width(), cy = rc.Height();
		const kt::Snapshot want = kt::Snapshot::Draw(cx, cy, ::GetSysColor(COLOR_BTNFACE),
			[&](HDC hdc)
			{
				if (c.bTransparent)
				{
					::SetViewportOrgEx(hdc, -rc.left, -rc.top, NULL);
					pattern(hdc, { 0, 0, 360, 200 });
					::SetViewportOrgEx(hdc, 0, 0, NULL);
				}
				if (c.b3D)
				{
					DrawGdiplusText(hdc, m_lf, text, 0, 0, cx, cy,
						c.bTransparent ? kLight : ::GetSysColor(COLOR_BTNHIGHLIGHT), c.format);
					DrawGdiplusText(hdc, m_lf, text, 2, 2, cx, cy,
						c.bTransparent ? kDark : ::GetSysColor(COLOR_BTNSHADOW), c.format);
				}
				const int d = c.b3D ? 1 : 0;
				DrawGdiplusText(hdc, m_lf, text, d, d, cx, cy, crText, c.format);
			});
		const kt::Snapshot shot = Shot(rc);
		EXPECT_EQ(shot.CountDiff(want), 0);
		EXPECT_GT(shot.Count(crText), 50);
		EXPECT_EQ(shot.Count(kYellow) > 100, c.bTransparent);
		// Printed into a DC of the caller's, an opaque control looks the same;
		// a transparent one lacks the parent's pattern.
		const kt::Snapshot printed = kt::Snapshot::Draw(cx, cy, kTeal,
			[&](HDC hdc) { ctrl.SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(hdc), PRF_CLIENT); });
		EXPECT_EQ(printed.CountDiff(want) == 0, !c.bTransparent);
	}
}

TEST_F(PanelTest, TransparentChangesRepaintTheParentMovedByTheEdgeInADialog)
{
	kt::DialogTemplate tmpl("3-D text", 200, 120);
	CDialog dlg;
	ASSERT_TRUE(dlg.CreateIndirect(tmpl.Get(), m_host.get()));
	const CRect rc(40, 30, 120, 70);
	const CSize edge(::GetSystemMetrics(SM_CXEDGE), ::GetSystemMetrics(SM_CYEDGE));
	ASSERT_GT(edge.cx, 0);
	for (CWnd* pParent : { static_cast<CWnd*>(&dlg), static_cast<CWnd*>(m_host.get()) })
	{
		const CSize d = pParent == &dlg ? edge : CSize(0, 0);
		C3DTextCtrl ctrl;
		ASSERT_TRUE(ctrl.Create(pParent, rc.left, rc.top, kId));
		ctrl.MoveWindow(&rc);
		ctrl.SetTransparent(true);
		kt::FlushPaint(pParent->GetSafeHwnd());
		const COLORREF crBack = kt::Snapshot(pParent->GetSafeHwnd()).At(0, 0);
		// Marks the parent's surface without invalidating it: what is
		// repainted comes back in the parent's own colour.
		CClientDC(pParent).FillSolidRect(0, 0, 400, 300, kYellow);
		ctrl.SetText("");
		const kt::Snapshot shot(pParent->GetSafeHwnd());
		EXPECT_EQ(shot.At(rc.left + d.cx, rc.top + d.cy), crBack) << d.cx;
		EXPECT_EQ(shot.At(rc.right - 1 + d.cx, rc.bottom - 1 + d.cy), crBack) << d.cx;
		EXPECT_EQ(shot.At(rc.left - 1 + d.cx, rc.top + d.cy), kYellow) << d.cx;
		EXPECT_EQ(shot.At(rc.right + d.cx, rc.bottom + d.cy), kYellow) << d.cx;
	}
	dlg.DestroyWindow();
}

// A change repaints the parent's area, then the control; a new font waits
// for the next paint; clicks reach the creating parent in the control's own
// coordinates.
const kt::Sequence kTextMessagesSeq = {
	{ WM_PAINT, kt::sent | kt::parent },
	{ WM_ERASEBKGND, kt::sent | kt::parent },
	{ WM_PAINT, kt::posted },
	{ WM_NCPAINT, kt::sent | kt::optional },
	{ WM_ERASEBKGND, kt::sent },
	kt::kSeparator,
	kt::kSeparator,
	{ WM_LBUTTONDOWN, kt::posted | kt::wparam | kt::lparam, MK_LBUTTON, MAKELPARAM(3, 4) },
	{ WM_LBUTTONDOWN, kt::sent | kt::parent | kt::wparam | kt::lparam, MK_LBUTTON, MAKELPARAM(3, 4) },
	{ WM_LBUTTONDBLCLK, kt::posted | kt::wparam | kt::lparam, MK_SHIFT, MAKELPARAM(7, 2) },
	{ WM_LBUTTONDBLCLK, kt::sent | kt::parent | kt::wparam | kt::lparam, MK_SHIFT, MAKELPARAM(7, 2) },
	kt::kSeparator,
};

TEST_F(PanelTest, TextRepaintsThroughItsParentAndForwardsClicksToIt)
{
	C3DTextCtrl ctrl;
	Make(ctrl, CRect(10, 10, 200, 40));
	kt::FlushPaint(m_host->GetSafeHwnd());
	kt::MessageRecorder rec(ctrl.GetSafeHwnd(), true);
	ctrl.SetText("text");
	rec.Separate();
	LOGFONTA big = m_lf;
	big.lfHeight = -24;
	ctrl.SetFont(big);
	rec.Separate();
	ctrl.PostMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 4));
	ctrl.PostMessage(WM_LBUTTONDBLCLK, MK_SHIFT, MAKELPARAM(7, 2));
	rec.Separate();
	EXPECT_TRUE(rec.Matches(kTextMessagesSeq, kt::kQueries));

	// The painted text is the control's own; the window keeps its first text.
	CString strWindow, strAfter;
	ctrl.GetWindowText(strWindow);
	EXPECT_FALSE(strWindow.IsEmpty());
	ctrl.SetWindowTextA("painted");
	EXPECT_EQ(ctrl.GetText(), CString("painted"));
	ctrl.GetWindowText(strAfter);
	EXPECT_EQ(strAfter, strWindow);
}

// ---------------------------------------------------------------------------
// Bad input and lifetimes

TEST_F(PanelTest, CreationGivesTheGuiFontAndAFailedOneIsLogged)
{
	kt::CapturingLogger logger;
	C3DTextCtrl made;
	ASSERT_TRUE(made.Create(m_host.get(), 10, 10, kId));
	CRect rc;
	made.GetWindowRect(&rc);
	EXPECT_EQ(rc.Size(), CSize(10, 20));
	made.MoveWindow(10, 10, 100, 30);
	made.SetText("Default font");
	kt::PumpPending();
	EXPECT_GT(Shot(CRect(10, 10, 110, 40)).Count(::GetSysColor(COLOR_BTNTEXT)), 20);

	C3DTextCtrl failed;
	EXPECT_FALSE(failed.Create(NULL, 0, 0, kId));
	EXPECT_EQ(failed.GetSafeHwnd(), (HWND)NULL);
	// Without a window, setters only store.
	failed.SetFont(m_lf);
	failed.SetText("stored");
	EXPECT_EQ(failed.GetText(), CString("stored"));
	EXPECT_EQ(logger.Lines(), std::vector<std::string>{ "{313B83F6-A402-4327-977B-F35D59EB079F}" });
}

TEST_F(PanelTest, CreatePaintDestroyCyclesLeaveNoGdiObjects)
{
	EXPECT_TRUE(kt::LeavesNoGdiObjects(
		[this]()
		{
			CBackgroundStatic panel;
			CGroupStatic group;
			CBorderStatic border;
			C3DTextCtrl text;
			Make(panel, "panel", CRect(0, 0, 1, 1));
			Make(group, "A caption much too long for its frame", CRect(10, 10, 40, 30));
			Make(border, "border", CRect(50, 10, 51, 40), WS_BORDER);
			Make(text, CRect(60, 60, 60, 90));
			text.SetText("zero wide");
			text.SetTransparent(true);
			kt::RepaintAll(m_host->GetSafeHwnd());
		}));
}

} // namespace
