// TransparentStaticTests.cpp - CTransparentStatic on real windows: transparency, emboss, ellipses, repaints.
//
// Classes in this file:
//   TransparentStaticTest
#include <kavrotest/ExpectAssert.h>
#include <kavrotest/TestSupport.h>

#include <kavro/TransparentStatic.h>

#include <commctrl.h>

#include <memory>
#include <string>

namespace
{

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kTeal = RGB(0, 128, 128);
const COLORREF kYellow = RGB(255, 255, 0);
const UINT kId = 100;
using TS = CTransparentStatic;

class TransparentStaticTest : public ::testing::Test
{
protected:
	virtual void SetUp() override
	{
		m_hFont = ::CreateFontA(-13, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET,
			OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, NONANTIALIASED_QUALITY, DEFAULT_PITCH, "Tahoma");
		m_host.reset(new kt::HostWindow(360, 160, kWhite));
	}

	virtual void TearDown() override
	{
		m_host.reset();
		::DeleteObject(m_hFont);
	}

	// Creates the control at rc in the host with the test font.
	void Make(CTransparentStatic& ctrl, const char* text, const CRect& rc, CWnd* pParent = NULL)
	{
		ASSERT_TRUE(
			ctrl.Create(text, WS_CHILD | WS_VISIBLE | SS_LEFT, rc, pParent ? pParent : m_host.get(), kId));
		ctrl.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(m_hFont), FALSE);
		Paint();
	}

	void Paint()
	{
		m_host->RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
		kt::PumpPending();
	}

	// What the host shows under the control's rectangle now.
	kt::Snapshot Shot(const CRect& rc) { return kt::Snapshot(m_host->GetSafeHwnd(), rc); }

	int TextWidth(const char* text)
	{
		HDC hdc = ::GetDC(NULL);
		HGDIOBJ old = ::SelectObject(hdc, m_hFont);
		SIZE size = {};
		::GetTextExtentPoint32A(hdc, text, lstrlenA(text), &size);
		::SelectObject(hdc, old);
		::ReleaseDC(NULL, hdc);
		return size.cx;
	}

	// The picture plain GDI makes of text over the host's painter at rc.
	kt::Snapshot Expected(const CRect& rc, const char* text, COLORREF crText, UINT format = DT_WORDBREAK,
		bool disabled = false)
	{
		kt::HostWindow::Painter painter = m_painter;
		CRect rcHost;
		m_host->GetClientRect(&rcHost);
		return kt::Snapshot::Draw(rc.Width(), rc.Height(), kWhite,
			[&](HDC hdc)
			{
				POINT old;
				::SetViewportOrgEx(hdc, -rc.left, -rc.top, &old);
				if (painter)
					painter(hdc, rcHost);
				::SetViewportOrgEx(hdc, old.x, old.y, NULL);
				HGDIOBJ oldFont = ::SelectObject(hdc, m_hFont);
				::SetBkMode(hdc, TRANSPARENT);
				RECT r = { 0, 0, rc.Width(), rc.Height() };
				if (disabled)
				{
					::SetTextColor(hdc, ::GetSysColor(COLOR_BTNHIGHLIGHT));
					RECT r1 = { 1, 1, rc.Width() + 1, rc.Height() + 1 };
					::DrawTextA(hdc, text, -1, &r1, format);
					crText = ::GetSysColor(COLOR_GRAYTEXT);
				}
				::SetTextColor(hdc, crText);
				::DrawTextA(hdc, text, -1, &r, format);
				::SelectObject(hdc, oldFont);
			});
	}

	void SetPainter(kt::HostWindow::Painter painter)
	{
		m_painter = painter;
		m_host->SetPainter(painter);
	}

	HFONT m_hFont = NULL;
	std::unique_ptr<kt::HostWindow> m_host;
	kt::HostWindow::Painter m_painter = kt::HostWindow::Solid(kWhite);
};

// ---------------------------------------------------------------------------
// Transparency

TEST_F(TransparentStaticTest, ParentPaintingShowsAroundAndBetweenTheLetters)
{
	SetPainter(kt::HostWindow::Checkerboard(3, kYellow, kTeal));
	CTransparentStatic ctrl;
	const CRect rc(20, 20, 220, 50);
	Make(ctrl, "Hello, transparent World", rc);

	const COLORREF crText = ::GetSysColor(COLOR_BTNTEXT);
	kt::Snapshot shot = Shot(rc);
	kt::Snapshot want = Expected(rc, "Hello, transparent World", crText);
	EXPECT_EQ(shot.CountDiff(want), 0);
	// Not a vacuous match: pattern and text are both there.
	EXPECT_GT(shot.Count(kYellow), 100);
	EXPECT_GT(shot.Count(kTeal), 100);
	EXPECT_GT(shot.Count(crText), 20);
}

TEST_F(TransparentStaticTest, AddsTransparentStyleWhenBoundToADialogItem)
{
	kt::DialogTemplate tmpl("bound", 160, 60);
	tmpl.AddItem(0x0082, "bound label", 200, 10, 10, 100, 12, WS_VISIBLE | SS_LEFT);
	CDialog dlg;
	ASSERT_TRUE(dlg.CreateIndirect(tmpl.Get(), m_host.get()));
	HWND hItem = ::GetDlgItem(dlg.GetSafeHwnd(), 200);
	ASSERT_FALSE(::GetWindowLongA(hItem, GWL_EXSTYLE) & WS_EX_TRANSPARENT);
	CTransparentStatic bound;
	ASSERT_TRUE(bound.SubclassDlgItem(200, &dlg));
	EXPECT_TRUE(bound.GetExStyle() & WS_EX_TRANSPARENT);
	dlg.DestroyWindow();
}

TEST_F(TransparentStaticTest, ReflectedCtlColorSetsTransparentModeAndHollowBrush)
{
	CTransparentStatic ctrl;
	Make(ctrl, "x", CRect(10, 10, 60, 30));
	HDC hdc = ::GetDC(ctrl.GetSafeHwnd());
	::SetBkMode(hdc, OPAQUE);
	LRESULT brush = m_host->SendMessage(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(hdc),
		reinterpret_cast<LPARAM>(ctrl.GetSafeHwnd()));
	EXPECT_EQ(reinterpret_cast<HGDIOBJ>(brush), ::GetStockObject(NULL_BRUSH));
	EXPECT_EQ(::GetBkMode(hdc), TRANSPARENT);
	::ReleaseDC(ctrl.GetSafeHwnd(), hdc);
}

// ---------------------------------------------------------------------------
// Disabled look and ampersands

TEST_F(TransparentStaticTest, DisabledDrawsHighlightCopyUnderGreyTextWhateverTheTextColour)
{
	SetPainter(kt::HostWindow::Solid(kTeal));
	CTransparentStatic ctrl;
	const CRect rc(20, 20, 200, 50);
	Make(ctrl, "Disabled text", rc);
	ctrl.SetTextColor(RGB(255, 0, 0), false);
	ctrl.EnableWindow(FALSE, true);
	kt::PumpPending();

	EXPECT_EQ(Shot(rc).CountDiff(Expected(rc, "Disabled text", RGB(255, 0, 0), DT_WORDBREAK, true)), 0);

	ctrl.EnableWindow(TRUE, true);
	kt::PumpPending();
	EXPECT_EQ(Shot(rc).CountDiff(Expected(rc, "Disabled text", RGB(255, 0, 0))), 0);
}

TEST_F(TransparentStaticTest, AmpersandsAreRemovedUnlessUnderscoresAreShown)
{
	CTransparentStatic ctrl;
	const CRect rc(20, 20, 200, 50);
	Make(ctrl, "&Name", rc);
	const COLORREF cr = ::GetSysColor(COLOR_BTNTEXT);
	kt::Snapshot hidden = Shot(rc);
	EXPECT_EQ(hidden.CountDiff(Expected(rc, "Name", cr)), 0);

	ctrl.ShowUnderscore(true, true);
	kt::PumpPending();
	kt::Snapshot shown = Shot(rc);
	// DrawText itself turns the single ampersand into an underline.
	EXPECT_EQ(shown.CountDiff(Expected(rc, "&Name", cr)), 0);
	EXPECT_GT(shown.CountDiff(hidden), 0);
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
			{ "...bcdefgh", "...cdefgh", "...defgh", "...efgh" }, 2 },
		{ "trailing text", TS::TrailingEllipsis, TS::TextContent, "abcdefgh",
			{ "abcdefg...", "abcdef...", "abcde...", "abcd..." }, 2 },
		{ "leading path drops one directory per pass", TS::LeadingEllipsis, TS::PathContent,
			"C:\\a\\b\\file.txt",
			{ "...\\a\\b\\file.txt", "...\\b\\file.txt", "...\\file.txt", "...file.txt" }, 1 },
		{ "leading path, then one character per pass", TS::LeadingEllipsis, TS::PathContent,
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
	};
	for (const auto& c : cases)
	{
		SCOPED_TRACE(c.name);
		const std::string& want = c.forms[c.fit];
		const int cx = TextWidth(want.c_str()) + 1;
		for (size_t i = 0; i < c.fit; ++i)
			ASSERT_GE(TextWidth(c.forms[i].c_str()), cx) << "test setup: " << c.forms[i];

		CTransparentStatic ctrl;
		ctrl.UseEllipsis(c.mode, false);
		ctrl.SetContentType(c.content, false);
		const CRect rc(10, 10, 10 + cx, 34);
		Make(ctrl, c.text, rc);
		EXPECT_EQ(Shot(rc).CountDiff(Expected(rc, want.c_str(), ::GetSysColor(COLOR_BTNTEXT))), 0)
			<< "expected " << want;
		// The stored text is untouched: only the drawing is shortened.
		CString stored;
		ctrl.GetWindowText(stored);
		EXPECT_STREQ(stored, c.text);
		ctrl.DestroyWindow();
	}
}

TEST_F(TransparentStaticTest, WhenTheTextIsShortenedAtAll)
{
	// A text is shortened only when it is wider than the control, never
	// without an ellipsis mode, and the loop stops at "..." when even that is
	// too wide. At exactly the control's width the text counts as too wide.
	const int cxText = TextWidth("abcdefgh");
	const struct
	{
		TS::Ellipsis mode;
		int cx;
		const char* drawn; // NULL: anything but the whole text
	} cases[] = {
		{ TS::TrailingEllipsis, cxText + 1, "abcdefgh" },
		{ TS::TrailingEllipsis, cxText, NULL },
		{ TS::NoEllipsis, 30, "abcdefgh" },
		{ TS::LeadingEllipsis, 4, "..." },
		{ TS::TrailingEllipsis, 4, "..." },
	};
	const COLORREF cr = ::GetSysColor(COLOR_BTNTEXT);
	for (const auto& c : cases)
	{
		CTransparentStatic ctrl;
		ctrl.UseEllipsis(c.mode, false);
		const CRect rc(10, 10, 10 + c.cx, 30);
		Make(ctrl, "abcdefgh", rc);
		if (c.drawn != NULL)
			EXPECT_EQ(Shot(rc).CountDiff(Expected(rc, c.drawn, cr)), 0) << c.mode << " " << c.cx;
		else
			EXPECT_GT(Shot(rc).CountDiff(Expected(rc, "abcdefgh", cr)), 0) << c.mode << " " << c.cx;
		ctrl.DestroyWindow();
	}
}

TEST_F(TransparentStaticTest, LongTextsEndInTheSameFormAsPassByPassShortening)
{
	// Long enough to be shortened by replaying the passes; the forms that
	// result are the ones the passes define.
	std::string text, path;
	for (int i = 0; i < 60; ++i)
		text += "Lorem ipsum ";
	for (int i = 0; i < 60; ++i)
		path += "folder" + std::to_string(i) + "\\";
	path += "name.txt";
	const int cx = 160;
	const CRect rc(10, 10, 10 + cx, 30);
	const COLORREF cr = ::GetSysColor(COLOR_BTNTEXT);
	auto fits = [&](const std::string& s) { return TextWidth(s.c_str()) < cx; };

	std::string leading, trailing, leadingPath;
	for (size_t k = 1; k <= text.size() && leading.empty(); ++k)
		if (fits("..." + text.substr(k)))
			leading = "..." + text.substr(k);
	for (size_t m = text.size() - 1; m > 0 && trailing.empty(); --m)
		if (fits(text.substr(0, m) + "..."))
			trailing = text.substr(0, m) + "...";
	// A path loses a directory per pass, so it ends at a separator.
	for (size_t k = path.find('\\'); k != std::string::npos && leadingPath.empty();
		 k = path.find('\\', k + 1))
		if (fits("..." + path.substr(k)))
			leadingPath = "..." + path.substr(k);
	ASSERT_FALSE(leading.empty());
	ASSERT_FALSE(trailing.empty());
	ASSERT_FALSE(leadingPath.empty());

	struct
	{
		TS::Ellipsis mode;
		TS::ContentType content;
		const std::string* text;
		const std::string* want;
	} cases[] = {
		{ TS::LeadingEllipsis, TS::TextContent, &text, &leading },
		{ TS::TrailingEllipsis, TS::TextContent, &text, &trailing },
		{ TS::LeadingEllipsis, TS::PathContent, &path, &leadingPath },
	};
	for (const auto& c : cases)
	{
		CTransparentStatic ctrl;
		ctrl.UseEllipsis(c.mode, false);
		ctrl.SetContentType(c.content, false);
		ctrl.SetFormat(DT_SINGLELINE, false);
		Make(ctrl, c.text->c_str(), rc);
		EXPECT_EQ(Shot(rc).CountDiff(Expected(rc, c.want->c_str(), cr, DT_SINGLELINE)), 0) << *c.want;
		ctrl.DestroyWindow();
	}
}

// ---------------------------------------------------------------------------
// Where repaints go

// The cases are about where painting goes; the colours the static asks
// for (Wine's own static draws a new text at once) are not.
const kt::Ignore kPaintCases = { kt::kQueries, { WM_CTLCOLORSTATIC } };

// Each repaint asked of a control with a parent: the parent repaints the
// control's rectangle at once, then the control paints its text over it from
// the queue.
const kt::Sequence kRepaintsSeq = {
	{ WM_SETTEXT, kt::sent },
	{ WM_PAINT, kt::sent | kt::parent },
	{ WM_ERASEBKGND, kt::sent | kt::parent },
	{ WM_PAINT, kt::posted },
	{ WM_NCPAINT, kt::sent | kt::optional },
	{ WM_ERASEBKGND, kt::sent },
	kt::kSeparator,
	// Underscores unchanged, changed without a repaint, unchanged again though
	// a repaint is asked: nothing. Changed with a repaint asked: a repaint.
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
	SetPainter([&crBack](HDC hdc, const RECT& rc) { kt::HostWindow::Solid(crBack)(hdc, rc); });
	CTransparentStatic ctrl;
	const CRect rc(50, 40, 150, 70);
	Make(ctrl, "", rc);
	// Marked as on a tab page, but with no tab control above its top-level
	// parent: the parent repaints all the same.
	ctrl.IsInTabCtrlPg();

	// The parent's painting changes; only what the control covers is redone.
	crBack = kYellow;
	kt::MessageRecorder rec(ctrl.GetSafeHwnd(), true);
	ctrl.SetWindowTextA("", true);
	rec.Separate();
	kt::Snapshot shot(m_host->GetSafeHwnd());
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

// Seen from the page: first the page itself repaints under the label;
// marked as on a tab page, the tab control above the page does, and the page
// is painted again over the tab control's background.
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

TEST_F(TransparentStaticTest, RedrawGoesToTheGrandparentOnATabPage)
{
	// host -> tab control -> page -> label, the page painting nothing of its own.
	CWnd tabs;
	ASSERT_TRUE(
		tabs.Create(WC_TABCONTROLA, "", WS_CHILD | WS_VISIBLE, CRect(10, 10, 320, 150), m_host.get(), 301));
	CWnd page;
	ASSERT_TRUE(page.Create(AfxRegisterWndClass(0), "page", WS_CHILD | WS_VISIBLE, CRect(10, 30, 300, 130),
		&tabs, 300));
	CTransparentStatic ctrl;
	Make(ctrl, "on a page", CRect(10, 10, 120, 30), &page);

	kt::MessageRecorder onPage(page.GetSafeHwnd(), true);
	ctrl.SetWindowTextA("still on the page", true);
	onPage.Separate();
	ctrl.IsInTabCtrlPg();
	ctrl.SetWindowTextA("now the tab control paints", true);
	onPage.Separate();
	EXPECT_TRUE(onPage.Matches(kTabPageSeq, kPaintCases));
	tabs.DestroyWindow();
}

// Without a parent the control repaints itself at once.
const kt::Sequence kAloneSeq = { { WM_PAINT, kt::sent }, { WM_NCPAINT, kt::sent | kt::optional },
	{ WM_ERASEBKGND, kt::sent }, kt::kSeparator };

TEST_F(TransparentStaticTest, RedrawWithoutParentRepaintsTheControlItself)
{
	CTransparentStatic ctrl;
	ASSERT_TRUE(
		ctrl.CreateEx(0, "STATIC", "alone", WS_POPUP | WS_VISIBLE, CRect(400, 400, 500, 430), NULL, 0));
	EXPECT_EQ(::GetParent(ctrl.GetSafeHwnd()), (HWND)NULL);
	kt::PumpPending();
	kt::MessageRecorder rec(ctrl.GetSafeHwnd());
	ctrl.SetTextColor(RGB(1, 2, 3), true);
	rec.Separate();
	EXPECT_TRUE(rec.Matches(kAloneSeq, kPaintCases));
	ctrl.DestroyWindow();
}

// ---------------------------------------------------------------------------
// Bad input

TEST_F(TransparentStaticTest, MissingWindowDoesNothing)
{
	CTransparentStatic ctrl;
	// No window yet: setters that do not ask for a repaint just store.
	ctrl.SetFormat(DT_SINGLELINE, false);
	ctrl.UseEllipsis(TS::TrailingEllipsis, false);
	// Asking for a repaint without a window is harmless too.
	ctrl.SetTextColor(RGB(1, 2, 3), true);
	ctrl.ShowUnderscore(true, true);

	// After destruction the text and enabled state go to the framework's
	// window members, which assert as MFC's do and then do nothing.
	Make(ctrl, "text", CRect(10, 10, 20, 30));
	ctrl.DestroyWindow();
	KT_EXPECT_ASSERT(ctrl.SetWindowTextA("after destroy", true));
	KT_EXPECT_ASSERT(ctrl.EnableWindow(FALSE, true));
	EXPECT_EQ(ctrl.GetSafeHwnd(), (HWND)NULL);
}

// How long such texts take is for the benchmark (bench/static_paint_bench);
// here they must paint something and end.
TEST_F(TransparentStaticTest, EmptyAndEnormousTextsPaint)
{
	CTransparentStatic empty;
	empty.UseEllipsis(TS::LeadingEllipsis, false);
	const CRect rc(10, 10, 200, 30);
	Make(empty, "", rc);
	EXPECT_EQ(Shot(rc).Count(kWhite), rc.Width() * rc.Height());

	// A "path" of 50,000 folders: every pass of the path shortening would
	// measure all of it.
	std::string huge;
	for (int i = 0; i < 50000; ++i)
		huge += "a\\";
	const TS::Ellipsis modes[] = { TS::NoEllipsis, TS::LeadingEllipsis, TS::TrailingEllipsis };
	const TS::ContentType contents[] = { TS::TextContent, TS::PathContent, TS::FileContent };
	const CRect rcHuge(10, 40, 200, 60);
	for (auto mode : modes)
		for (auto content : contents)
		{
			CTransparentStatic ctrl;
			ctrl.UseEllipsis(mode, false);
			ctrl.SetContentType(content, false);
			Make(ctrl, "", rcHuge);
			ctrl.SetWindowTextA(huge.c_str(), true);
			kt::PumpPending();
			EXPECT_GT(Shot(rcHuge).Count(::GetSysColor(COLOR_BTNTEXT)), 10) << mode << "/" << content;
			ctrl.DestroyWindow();
		}
}

} // namespace
