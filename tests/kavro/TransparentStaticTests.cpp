// TransparentStaticTests.cpp - CTransparentStatic on real windows: transparency, emboss, ellipses, repaints.
//
// Classes in this file:
//   TransparentStaticTest
#include <kavrotest/ExpectAssert.h>
#include <kavrotest/TestSupport.h>

#include <kavro/TransparentStatic.h>

#include <string>

namespace
{

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kTeal = RGB(0, 128, 128);
const COLORREF kYellow = RGB(255, 255, 0);
using TS = CTransparentStatic;

class TransparentStaticTest : public ::testing::Test
{
protected:
	virtual void TearDown() override { ::DeleteObject(m_hFont); }

	void Make(CTransparentStatic& ctrl, const char* text, const CRect& rc, CWnd* pParent = NULL)
	{
		ASSERT_TRUE(ctrl.Create(text, WS_CHILD | WS_VISIBLE | SS_LEFT, rc, pParent ? pParent : &m_host, 100));
		ctrl.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(m_hFont), FALSE);
		kt::RepaintAll(m_host.GetSafeHwnd());
	}

	// The host under rc with text drawn on top as plain GDI draws it.
	kt::Snapshot Expected(const CRect& rc, const char* text, COLORREF cr = ::GetSysColor(COLOR_BTNTEXT),
		UINT format = DT_WORDBREAK, bool bEmbossed = false)
	{
		return kt::DrawOverHost(m_host, rc,
			[&](HDC hdc) {
				kt::DrawCaption(hdc, m_hFont, text, { 0, 0, rc.Width(), rc.Height() }, format, cr, bEmbossed);
			});
	}
	kt::Snapshot Shot(const CRect& rc) { return kt::Snapshot(m_host.GetSafeHwnd(), rc); }
	int Width(const std::string& text) { return kt::TextWidth(m_hFont, text.c_str()); }

	HFONT m_hFont = kt::CreateTestFont();
	kt::HostWindow m_host{ 360, 160, kWhite };
};

TEST_F(TransparentStaticTest, TextIsDrawnOverTheParentPlainEmbossedOrWithItsMnemonic)
{
	m_host.SetPainter(kt::HostWindow::Checkerboard(3, kYellow, kTeal));
	const COLORREF kRed = RGB(255, 0, 0);
	const struct
	{
		const char* name;
		bool bEnabled, bUnderscore;
		const char* drawn;
		COLORREF cr;
	} cases[] = {
		{ "plain, ampersand removed", true, false, "Hello, transparent World", kRed },
		{ "underscore shown", true, true, "Hello, &transparent World", kRed },
		{ "disabled: embossed whatever the colour", false, false, "Hello, transparent World", 0 },
	};
	const CRect rc(20, 20, 220, 50);
	for (const auto& c : cases)
	{
		SCOPED_TRACE(c.name);
		CTransparentStatic ctrl;
		Make(ctrl, "Hello, &transparent World", rc);
		EXPECT_TRUE(ctrl.GetExStyle() & WS_EX_TRANSPARENT);
		ctrl.SetTextColor(kRed, false);
		ctrl.ShowUnderscore(c.bUnderscore, false);
		ctrl.EnableWindow(c.bEnabled, true);
		kt::PumpPending();
		const kt::Snapshot shot = Shot(rc);
		EXPECT_EQ(shot.CountDiff(Expected(rc, c.drawn, c.cr, DT_WORDBREAK, !c.bEnabled)), 0);
		// Not a vacuous match: pattern and text are both there.
		EXPECT_GT(shot.Count(kYellow), 100);
		EXPECT_GT(shot.Count(c.bEnabled ? kRed : ::GetSysColor(COLOR_GRAYTEXT)), 20);
	}
}

TEST_F(TransparentStaticTest, BoundToADialogItemItBecomesTransparentAndAnswersWithAHollowBrush)
{
	kt::DialogTemplate tmpl("bound", 160, 60);
	tmpl.AddItem(0x0082, "bound label", 200, 10, 10, 100, 12, WS_VISIBLE | SS_LEFT);
	CDialog dlg;
	ASSERT_TRUE(dlg.CreateIndirect(tmpl.Get(), &m_host));
	CTransparentStatic bound;
	ASSERT_FALSE(::GetWindowLongA(::GetDlgItem(dlg.m_hWnd, 200), GWL_EXSTYLE) & WS_EX_TRANSPARENT);
	ASSERT_TRUE(bound.SubclassDlgItem(200, &dlg));
	EXPECT_TRUE(bound.GetExStyle() & WS_EX_TRANSPARENT);
	{
		CClientDC dc(&bound);
		dc.SetBkMode(OPAQUE);
		const LRESULT brush = dlg.SendMessage(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc.m_hDC),
			reinterpret_cast<LPARAM>(bound.m_hWnd));
		EXPECT_EQ(reinterpret_cast<HGDIOBJ>(brush), ::GetStockObject(NULL_BRUSH));
		EXPECT_EQ(dc.GetBkMode(), TRANSPARENT);
	}
	dlg.DestroyWindow();
}

// ---------------------------------------------------------------------------
// Ellipsis

TEST_F(TransparentStaticTest, ShortensPassByPassUntilTheTextFits)
{
	const struct
	{
		const char* name;
		TS::Ellipsis mode;
		TS::ContentType content;
		const char* text;
		// The forms the text takes pass by pass; the control is made just wide
		// enough for the form at index fit, so every earlier one is too wide.
		std::vector<std::string> forms;
		size_t fit;
	} cases[] = {
		{ "leading text", TS::LeadingEllipsis, TS::TextContent, "abcdefgh",
			{ "...bcdefgh", "...cdefgh", "...defgh" }, 2 },
		{ "trailing text", TS::TrailingEllipsis, TS::TextContent, "abcdefgh",
			{ "abcdefg...", "abcdef...", "abcde..." }, 2 },
		{ "leading path: a directory, then a character per pass", TS::LeadingEllipsis, TS::PathContent,
			"C:\\a\\b\\file.txt",
			{ "...\\a\\b\\file.txt", "...\\b\\file.txt", "...\\file.txt", "...file.txt", "...le.txt" }, 4 },
		{ "leading file like a path", TS::LeadingEllipsis, TS::FileContent, "C:\\a\\b\\file.txt",
			{ "...\\a\\b\\file.txt", "...\\b\\file.txt", "...\\file.txt" }, 2 },
		{ "trailing path folds the directories nearest the end", TS::TrailingEllipsis, TS::PathContent,
			"C:\\alpha\\beta\\gamma\\file.txt",
			{ "C:\\alpha\\beta\\...\\file.txt...", "C:\\alpha\\...\\file.txt..." }, 1 },
		{ "trailing path with slashes", TS::TrailingEllipsis, TS::PathContent, "C:/alpha/beta/gamma/file.txt",
			{ "C:/alpha/beta/.../file.txt...", "C:/alpha/.../file.txt..." }, 1 },
		{ "trailing file keeps the folder part", TS::TrailingEllipsis, TS::FileContent,
			"C:\\abc\\def\\ghi\\file.txt", { "C:\\abc\\def\\ghi\\...", "C:\\abc\\def\\...\\..." }, 1 },
		// "..." is as short as it gets.
		{ "nothing fits", TS::LeadingEllipsis, TS::TextContent, "abcdefgh", { "..." }, 0 },
		{ "no ellipsis mode", TS::NoEllipsis, TS::TextContent, "abcdefgh", { "abcdefgh" }, 0 },
	};
	for (const auto& c : cases)
	{
		SCOPED_TRACE(c.name);
		const std::string& want = c.forms[c.fit];
		const int cx = c.fit == 0 ? 4 : Width(want) + 1;
		for (size_t i = 0; i < c.fit; ++i)
			ASSERT_GE(Width(c.forms[i]), cx) << "test setup: " << c.forms[i];
		CTransparentStatic ctrl;
		ctrl.UseEllipsis(c.mode, false);
		ctrl.SetContentType(c.content, false);
		const CRect rc(10, 10, 10 + cx, 34);
		Make(ctrl, c.text, rc);
		EXPECT_EQ(Shot(rc).CountDiff(Expected(rc, want.c_str())), 0) << "expected " << want;
		// Only the drawing is shortened.
		CString stored;
		ctrl.GetWindowText(stored);
		EXPECT_STREQ(stored, c.text);
	}
	// At exactly its width a text counts as too wide.
	CTransparentStatic exact;
	exact.UseEllipsis(TS::TrailingEllipsis, false);
	const CRect rc(10, 40, 10 + Width("abcdefgh"), 64);
	Make(exact, "abcdefgh", rc);
	EXPECT_GT(Shot(rc).CountDiff(Expected(rc, "abcdefgh")), 0);
}

TEST_F(TransparentStaticTest, LongTextsEndInTheFormOfPassByPassShortening)
{
	// Long enough to be shortened by replaying the passes on indexes.
	std::string text, path;
	for (int i = 0; i < 60; ++i)
	{
		text += "Lorem ipsum ";
		path += "folder" + std::to_string(i) + "\\";
	}
	// The text less k characters at the front or the back, with the ellipsis.
	auto form = [&](size_t k, bool bLeading)
	{ return bLeading ? "..." + text.substr(k) : text.substr(0, text.size() - k) + "..."; };
	// The first form, pass by pass, narrower than cx.
	auto fitting = [&](int cx, bool bLeading)
	{
		size_t k = 1;
		while (Width(form(k, bLeading)) >= cx)
			++k;
		return k;
	};
	const size_t kLeading = fitting(160, true), kTrailing = fitting(160, false);
	// A path loses a directory per pass, so it ends at a separator.
	std::string leadingPath;
	for (size_t k = path.find('\\'); leadingPath.empty(); k = path.find('\\', k + 1))
		if (Width("..." + path.substr(k)) < 160)
			leadingPath = "..." + path.substr(k);
	// Each text also at the width where one character more fits, so that a
	// replay that skips characters shows.
	const struct
	{
		TS::Ellipsis mode;
		TS::ContentType content;
		const std::string& text;
		int cx;
		std::string want;
	} cases[] = { { TS::LeadingEllipsis, TS::TextContent, text, 160, form(kLeading, true) },
		{ TS::LeadingEllipsis, TS::TextContent, text, Width(form(kLeading - 1, true)) + 1,
			form(kLeading - 1, true) },
		{ TS::TrailingEllipsis, TS::TextContent, text, 160, form(kTrailing, false) },
		{ TS::TrailingEllipsis, TS::TextContent, text, Width(form(kTrailing - 1, false)) + 1,
			form(kTrailing - 1, false) },
		{ TS::LeadingEllipsis, TS::PathContent, path, 160, leadingPath } };
	for (const auto& c : cases)
	{
		CTransparentStatic ctrl;
		ctrl.UseEllipsis(c.mode, false);
		ctrl.SetContentType(c.content, false);
		ctrl.SetFormat(DT_SINGLELINE, false);
		const CRect rc(10, 10, 10 + c.cx, 30);
		Make(ctrl, c.text.c_str(), rc);
		EXPECT_EQ(Shot(rc).CountDiff(
					  Expected(rc, c.want.c_str(), ::GetSysColor(COLOR_BTNTEXT), DT_SINGLELINE)),
			0)
			<< c.want;
	}

	// A "path" of 50,000 folders, longer than any path the system takes: it
	// paints something and ends (its time is for the benchmark).
	std::string huge;
	for (int i = 0; i < 50000; ++i)
		huge += "a\\";
	const CRect rc(10, 10, 170, 30);
	for (auto content : { TS::TextContent, TS::PathContent, TS::FileContent })
	{
		CTransparentStatic ctrl;
		ctrl.UseEllipsis(TS::TrailingEllipsis, false);
		ctrl.SetContentType(content, false);
		Make(ctrl, "", rc);
		ctrl.SetWindowTextA(huge.c_str(), true);
		kt::PumpPending();
		EXPECT_GT(Shot(rc).Count(::GetSysColor(COLOR_BTNTEXT)), 10) << content;
	}
}

// ---------------------------------------------------------------------------
// Where repaints go

// The cases are about where painting goes; the colours the static asks
// for (Wine's own static draws a new text at once) are not.
const kt::Ignore kPaintCases = { kt::kQueries, { WM_CTLCOLORSTATIC } };

// Each repaint asked of a control with a parent: the parent repaints the
// control's rectangle at once, then the control paints its text over it from
// the queue. Underscores unchanged, changed without a repaint, unchanged
// again though a repaint is asked: nothing.
const kt::Sequence kRepaintsSeq = {
	{ WM_SETTEXT, kt::sent },
	{ WM_PAINT, kt::sent | kt::parent },
	{ WM_ERASEBKGND, kt::sent | kt::parent },
	{ WM_PAINT, kt::posted },
	{ WM_NCPAINT, kt::sent | kt::optional },
	{ WM_ERASEBKGND, kt::sent },
	kt::kSeparator,
	kt::kSeparator,
	kt::kSeparator,
	kt::kSeparator,
	{ WM_PAINT, kt::sent | kt::parent },
	{ WM_ERASEBKGND, kt::sent | kt::parent },
	{ WM_PAINT, kt::posted },
	{ WM_NCPAINT, kt::sent | kt::optional },
	{ WM_ERASEBKGND, kt::sent },
	kt::kSeparator,
};

TEST_F(TransparentStaticTest, RepaintsGoToTheParentUnderTheControlOnlyWhenSomethingChanged)
{
	COLORREF crBack = kTeal;
	m_host.SetPainter([&crBack](HDC hdc, const RECT& rc) { kt::HostWindow::Solid(crBack)(hdc, rc); });
	CTransparentStatic ctrl;
	const CRect rc(50, 40, 150, 70);
	Make(ctrl, "", rc);
	// Marked as on a tab page with no tab control above: the parent repaints.
	ctrl.IsInTabCtrlPg();
	crBack = kYellow;
	kt::MessageRecorder rec(ctrl.GetSafeHwnd(), true);
	ctrl.SetWindowTextA("", true);
	rec.Separate();
	const kt::Snapshot shot(m_host.GetSafeHwnd());
	EXPECT_EQ(shot.At(rc.left, rc.top), kYellow);
	EXPECT_EQ(shot.At(rc.right - 1, rc.bottom - 1), kYellow);
	EXPECT_EQ(shot.At(rc.left - 1, rc.top), kTeal);
	EXPECT_EQ(shot.At(rc.right, rc.bottom), kTeal);
	const std::pair<bool, bool> underscores[] = { { false, true }, { true, false }, { true, true },
		{ false, true } };
	for (const auto& u : underscores)
	{
		ctrl.ShowUnderscore(u.first, u.second);
		rec.Separate();
	}
	EXPECT_TRUE(rec.Matches(kRepaintsSeq, kPaintCases));
}

TEST_F(TransparentStaticTest, WithoutAParentTheControlRepaintsItselfAtOnce)
{
	CTransparentStatic alone;
	ASSERT_TRUE(
		alone.CreateEx(0, "STATIC", "alone", WS_POPUP | WS_VISIBLE, CRect(400, 400, 500, 430), NULL, 0));
	kt::PumpPending();
	kt::MessageRecorder recAlone(alone.GetSafeHwnd());
	alone.SetTextColor(RGB(1, 2, 3), true);
	recAlone.Separate();
	EXPECT_TRUE(recAlone.Matches({ { WM_PAINT, kt::sent }, { WM_NCPAINT, kt::sent | kt::optional },
									 { WM_ERASEBKGND, kt::sent }, kt::kSeparator },
		kPaintCases));
}

// Seen from the page: first the page itself repaints under the label;
// marked as on a tab page, the tab control above the page does.
const kt::Sequence kTabPageSeq = {
	{ WM_PAINT, kt::sent },
	{ WM_ERASEBKGND, kt::sent },
	kt::kSeparator,
	{ WM_PAINT, kt::sent | kt::parent },
	{ WM_ERASEBKGND, kt::sent | kt::parent },
	{ WM_PAINT, kt::posted },
	{ WM_NCPAINT, kt::sent | kt::optional },
	{ WM_ERASEBKGND, kt::sent },
	kt::kSeparator,
};

TEST_F(TransparentStaticTest, OnATabPageTheTabControlRepaints)
{
	kt::TabPage tab(&m_host, CRect(10, 10, 320, 150));
	CTransparentStatic ctrl;
	Make(ctrl, "on a page", CRect(10, 10, 120, 30), &tab.m_page);
	kt::MessageRecorder onPage(tab.m_page.GetSafeHwnd(), true);
	ctrl.SetWindowTextA("still on the page", true);
	onPage.Separate();
	ctrl.IsInTabCtrlPg();
	ctrl.SetWindowTextA("now the tab control paints", true);
	onPage.Separate();
	EXPECT_TRUE(onPage.Matches(kTabPageSeq, kPaintCases));
}

TEST_F(TransparentStaticTest, WithoutAWindowSettersStoreAndTheWindowMembersAssert)
{
	CTransparentStatic ctrl;
	ctrl.SetTextColor(RGB(1, 2, 3), true);
	ctrl.ShowUnderscore(true, true);
	Make(ctrl, "text", CRect(10, 10, 20, 30));
	ctrl.DestroyWindow();
	KT_EXPECT_ASSERT(ctrl.SetWindowTextA("after destroy", true));
	KT_EXPECT_ASSERT(ctrl.EnableWindow(FALSE, true));
	EXPECT_EQ(ctrl.GetSafeHwnd(), (HWND)NULL);
}

} // namespace
