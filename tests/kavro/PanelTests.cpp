// PanelTests.cpp - panels, group frames, borders and 3-D texts on real windows: pictures, repaints, clicks.
//
// Classes in this file:
//   PanelTest
#include <kavrotest/CapturingLogger.h>
#include <kavrotest/TestSupport.h>

#include <kavro/3DTextCtrl.h>
#include <kavro/BackgroundStatic.h>

#include <functional>
#include <memory>
#include <string>

namespace
{

const COLORREF kTeal = RGB(0, 128, 128);
const COLORREF kYellow = RGB(255, 255, 0);
const COLORREF kPale = RGB(255, 255, 213);
const UINT kId = 100;

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

// The panel: filled, framed sunken, raised or not at all, its text inset.
// The group frame: etched, its caption set into the top edge between blanks
// (one blank not doubled), none for an empty caption.
TEST_F(PanelTest, PanelsAndGroupFramesMatchTheirApprovedPictures)
{
	const struct
	{
		std::function<void(CBackgroundStatic&)> set;
		COLORREF crBack;
	} panels[] = {
		{ [](CBackgroundStatic&) {}, kPale },
		{ [](CBackgroundStatic& c) { c.SetFrameType(false, false); }, kPale },
		{ [](CBackgroundStatic& c) { c.SetFrameType(false, true); }, kPale },
		{ [](CBackgroundStatic& c) { c.SetColor(kYellow); }, kYellow },
	};
	const CRect rc(20, 20, 180, 60);
	int nCase = 0;
	for (const auto& c : panels)
	{
		CBackgroundStatic ctrl;
		Make(ctrl, "Panel text", rc);
		EXPECT_FALSE(ctrl.GetExStyle() & WS_EX_TRANSPARENT);
		c.set(ctrl);
		kt::PumpPending();
		const kt::Snapshot shot = Shot(rc);
		EXPECT_APPROVED(shot, ("panel-" + std::to_string(++nCase)).c_str(), true);
		EXPECT_GT(shot.Count(c.crBack), rc.Width() * rc.Height() / 2);
	}
	for (const char* text : { "Name", "Name ", "" })
	{
		CGroupStatic ctrl;
		Make(ctrl, text, CRect(20, 20, 200, 100));
		EXPECT_TRUE(ctrl.GetExStyle() & WS_EX_TRANSPARENT);
		EXPECT_APPROVED(Shot(CRect(20, 20, 200, 100)), ("group-" + std::to_string(++nCase)).c_str(), true);
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

// Embossed (highlight up-left, shadow down-right, text between) or flat,
// aligned as GDI+ lays it out; over the parent's pattern when transparent.
TEST_F(PanelTest, TextIsEmbossedAndAlignedAsApproved)
{
	m_host->SetPainter(kt::HostWindow::Checkerboard(4, kYellow, kTeal));
	const COLORREF kText = RGB(200, 0, 0);
	const struct
	{
		bool bTransparent;
		std::function<void(C3DTextCtrl&)> set;
	} cases[] = {
		{ false, [](C3DTextCtrl&) {} },
		{ false, [](C3DTextCtrl& c) { c.SetEnable3DEffect(false); } },
		{ false, [](C3DTextCtrl& c) { c.SetDisplayFormat(DT_CENTER | DT_RIGHT); } },   // centre wins
		{ false, [](C3DTextCtrl& c) { c.SetDisplayFormat(DT_VCENTER | DT_BOTTOM); } }, // centre wins
		{ false, [](C3DTextCtrl& c) { c.SetDisplayFormat(DT_RIGHT | DT_BOTTOM); } },
		{ true,
			[&](C3DTextCtrl& c)
			{
				c.SetTransparent(true), c.SetHighlightLight(RGB(255, 255, 128));
				c.SetHighlightDark(RGB(0, 0, 128)), c.SetTextColor(kText);
			} },
	};
	const CRect rc(20, 20, 240, 110);
	int nCase = 0;
	for (const auto& c : cases)
	{
		C3DTextCtrl ctrl;
		Make(ctrl, rc);
		ctrl.SetText("Embossed words wrap at word boundaries inside the control");
		c.set(ctrl);
		kt::PumpPending();
		const kt::Snapshot shot = Shot(rc);
		EXPECT_APPROVED(shot, ("3dtext-" + std::to_string(++nCase)).c_str(), true);
		EXPECT_GT(shot.Count(c.bTransparent ? kText : ::GetSysColor(COLOR_BTNTEXT)), 50);
		EXPECT_EQ(shot.Count(kYellow) > 100, c.bTransparent);
		// Printed into a DC of the caller's, an opaque control looks the same;
		// a transparent one lacks the parent's pattern.
		const kt::Snapshot printed = kt::Snapshot::Draw(rc.Width(), rc.Height(), kTeal,
			[&](HDC hdc) { ctrl.SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(hdc), PRF_CLIENT); });
		EXPECT_EQ(printed.CountDiff(shot) == 0, !c.bTransparent) << nCase;
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
