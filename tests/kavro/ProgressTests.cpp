// ProgressTests.cpp - CGradientProgressCtrl on real windows: arithmetic, pictures, text, repaints, bad input.
//
// Classes in this file:
//   TestProgress, ProgressTest, Picture
//
// The bar's clock is replaced inside the library's objects linked into this
// program, so elapsed times are set, not waited for.
#include <kavrotest/CapturingLogger.h>
#include <kavrotest/TestSupport.h>

#include <kavro/GradientProgressCtrl.h>

#include "Frame.h"

#include <gdiplus.h>

#include <memory>
#include <string>

namespace
{

const COLORREF kHostBack = RGB(255, 0, 255);
const COLORREF kBack = RGB(230, 230, 230);
const COLORREF kText = RGB(0, 0, 0);
const UINT kId = 200;
const CRect kBarRect(10, 10, 210, 34);
using GP = CGradientProgressCtrl;

// The moment the bar takes for now.
DateTime g_now(740000, 3600);

void TestNow(DateTime& now)
{
	now = g_now;
}

// Opens the bar's protected text helpers to the tests, as a derived class may.
class TestProgress : public CGradientProgressCtrl
{
public:
	using CGradientProgressCtrl::ComposeText;
	using CGradientProgressCtrl::GetTimeLeft;
};

class ProgressTest : public ::testing::Test
{
protected:
	virtual void SetUp() override
	{
		g_pfnProgressNow = &TestNow;
		m_host.reset(new kt::HostWindow(240, 60, kHostBack));
		CRect rc(kBarRect);
		ASSERT_TRUE(m_bar.Create(m_host.get(), rc, kId));
	}

	virtual void TearDown() override
	{
		m_bar.DestroyWindow();
		m_host.reset();
		g_pfnProgressNow = m_pfnSaved;
	}

	// What the bar shows after a full repaint of the host.
	kt::Snapshot Shot()
	{
		kt::RepaintAll(m_host->GetSafeHwnd());
		return kt::Snapshot(m_bar.GetSafeHwnd());
	}

	void (*m_pfnSaved)(DateTime&) = g_pfnProgressNow;
	std::unique_ptr<kt::HostWindow> m_host;
	TestProgress m_bar;
	kt::CapturingLogger m_log;
};

// The bar's picture drawn by the test: the border with plain GDI, the filled
// part with a GDI+ gradient (or solid colour) from crStart to crEdge, the
// rest in crBack, and the text with GDI+ in the stock GUI font.
struct Picture
{
	GP::BorderStyle border;
	int nFilled;
	COLORREF crStart, crEdge;
	std::wstring text;
};

kt::Snapshot Draw(const Picture& p, int cx = kBarRect.Width(), int cy = kBarRect.Height())
{
	return kt::Snapshot::Draw(cx, cy, kHostBack,
		[&](HDC hdc)
		{
			CRect inner(0, 0, cx, cy);
			auto strip = [hdc](int x, int y, int w, int h, int nColor)
			{
				RECT rc = { x, y, x + w, y + h };
				::FillRect(hdc, &rc, ::GetSysColorBrush(nColor));
			};
			if (p.border == GP::FlatBorder)
			{
				strip(0, 0, cx, 1, COLOR_WINDOWFRAME);
				strip(0, 0, 1, cy, COLOR_WINDOWFRAME);
				strip(0, cy - 1, cx, 1, COLOR_WINDOWFRAME);
				strip(cx - 1, 0, 1, cy, COLOR_WINDOWFRAME);
			}
			else if (p.border == GP::SunkenBorder)
			{
				// Both lines end at the top right corner, and a line leaves
				// its end out, so that pixel keeps the parent's colour.
				strip(0, 0, cx - 1, 1, COLOR_BTNSHADOW);
				strip(0, 0, 1, cy, COLOR_BTNSHADOW);
				strip(0, cy - 1, cx, 1, COLOR_BTNHIGHLIGHT);
				strip(cx - 1, 1, 1, cy - 1, COLOR_BTNHIGHLIGHT);
			}
			if (p.border == GP::FlatBorder || p.border == GP::SunkenBorder)
				inner.DeflateRect(1, 1, 1, 1);

			Gdiplus::Graphics g(hdc);
			Gdiplus::Color start, edge, back, text;
			start.SetFromCOLORREF(p.crStart);
			edge.SetFromCOLORREF(p.crEdge);
			back.SetFromCOLORREF(kBack);
			text.SetFromCOLORREF(kText);
			if (p.nFilled > 0)
			{
				Gdiplus::LinearGradientBrush brush(Gdiplus::Point(inner.left, 0),
					Gdiplus::Point(inner.left + p.nFilled, 0), start, edge);
				g.FillRectangle(&brush, inner.left, inner.top, p.nFilled, inner.Height());
			}
			Gdiplus::SolidBrush brBack(back);
			g.FillRectangle(&brBack, inner.left + p.nFilled, inner.top, inner.Width() - p.nFilled,
				inner.Height());
			if (!p.text.empty())
			{
				LOGFONTA lf;
				::GetObjectA(::GetStockObject(DEFAULT_GUI_FONT), sizeof(lf), &lf);
				Gdiplus::Font font(hdc, &lf);
				Gdiplus::StringFormat format;
				format.SetAlignment(Gdiplus::StringAlignmentCenter);
				format.SetLineAlignment(Gdiplus::StringAlignmentCenter);
				Gdiplus::SolidBrush brText(text);
				const Gdiplus::RectF layout(static_cast<float>(inner.left), static_cast<float>(inner.top),
					static_cast<float>(inner.Width()), static_cast<float>(inner.Height()));
				g.DrawString(p.text.c_str(), -1, &font, layout, &format, &brText);
			}
		});
}

TEST_F(ProgressTest, PositionArithmeticAtAndPastTheEnds)
{
	enum Op
	{
		InitTotal,
		SetPos,
		StepOnce,
		SetPosText,
		StopShown
	};
	const struct
	{
		Op op;
		int nArg;
		int nPosition;
		size_t nLogLines;
	} steps[] = {
		{ InitTotal, 10, 0, 0 },
		{ SetPos, 4, 4, 0 },
		{ SetPos, 25, 10, 0 }, // never past the total
		{ SetPos, -3, -3, 0 }, // below zero is kept
		{ StepOnce, 0, -2, 0 },
		{ SetPosText, 11, 10, 0 },
		{ StepOnce, 0, 10, 1 }, // at the end: one log line per call
		{ StepOnce, 0, 10, 2 },
		{ SetPos, 9, 9, 2 },
		{ StepOnce, 0, 10, 2 },
		{ SetPos, 3, 3, 2 },
		{ StopShown, 0, 10, 2 },
		{ InitTotal, 0, 0, 2 }, // an empty range is at its end at once
		{ StepOnce, 0, 0, 3 },
		{ SetPos, 5, 0, 3 },
		{ InitTotal, -5, 0, 3 }, // a reversed range
		{ SetPos, 3, -5, 3 },
		{ StepOnce, 0, -5, 4 },
	};
	for (const auto& s : steps)
	{
		switch (s.op)
		{
		case InitTotal:
			m_bar.Init(s.nArg, "", false, kText, kBack, RGB(0, 0, 0), RGB(255, 255, 255), GP::FlatBorder);
			break;
		case SetPos:
			m_bar.Position(s.nArg);
			break;
		case StepOnce:
			m_bar.Step();
			break;
		case SetPosText:
			m_bar.UpdatePositionText(s.nArg, "x");
			break;
		case StopShown:
			m_bar.Stop(false);
			break;
		}
		EXPECT_EQ(m_bar.GetPosition(), s.nPosition) << "op " << s.op << " arg " << s.nArg;
		EXPECT_EQ(m_log.Lines().size(), s.nLogLines) << "op " << s.op << " arg " << s.nArg;
	}
	for (const auto& line : m_log.Lines())
		EXPECT_EQ(line, "{4A330902-8DBA-4100-87B3-00B1A292F9C6}");
}

// The leading edge moves from the start colour toward the end colour in as
// many steps as the channel that changes most; the edge colours are worked
// out by hand.
TEST_F(ProgressTest, GradientIsPaintedAsGdiPlusPaintsIt)
{
	const struct
	{
		GP::BorderStyle border;
		COLORREF crStart, crEnd;
		int nPosition; // of 10
		COLORREF crEdge;
	} cases[] = {
		{ GP::FlatBorder, RGB(10, 20, 200), RGB(210, 120, 0), 5, RGB(110, 70, 100) },
		{ GP::SunkenBorder, RGB(10, 20, 200), RGB(210, 120, 0), 10, RGB(210, 120, 0) },
		{ GP::NoBorder, RGB(0, 0, 0), RGB(30, 60, 90), 3, RGB(9, 18, 27) },
		{ static_cast<GP::BorderStyle>(7), RGB(255, 0, 0), RGB(0, 0, 255), 4, RGB(153, 0, 102) },
		{ GP::FlatBorder, RGB(40, 90, 140), RGB(40, 90, 140), 7, RGB(40, 90, 140) }, // equal ends
		{ GP::FlatBorder, RGB(40, 90, 140), RGB(0, 0, 0), 0, RGB(40, 90, 140) },     // nothing done yet
	};
	for (const auto& c : cases)
	{
		m_bar.Init(10, "", false, kText, kBack, c.crStart, c.crEnd, c.border);
		m_bar.Position(c.nPosition);
		const bool bFramed = c.border == GP::FlatBorder || c.border == GP::SunkenBorder;
		const int nInner = kBarRect.Width() - (bFramed ? 2 : 0);
		const Picture want = { c.border, nInner * c.nPosition / 10, c.crStart, c.crEdge, L"" };
		EXPECT_EQ(m_bar.GetStartColor(), c.crStart);
		EXPECT_EQ(m_bar.GetEndColor(), c.crEnd);
		const kt::Snapshot shot = Shot();
		EXPECT_EQ(shot.CountDiff(Draw(want)), 0) << "border " << c.border << " position " << c.nPosition;
		if (c.nPosition > 0)
		{
			EXPECT_EQ(shot.At(bFramed ? 1 : 0, kBarRect.Height() / 2), c.crStart);
		}
	}
}

TEST_F(ProgressTest, BandsFillWithTheFirstThresholdReached)
{
	const COLORREF kRed = RGB(255, 0, 0), kGreen = RGB(0, 160, 0);
	const struct
	{
		std::map<int, COLORREF> bands;
		int nPosition; // of 100
		COLORREF crFill;
	} cases[] = {
		{ { { 50, kRed }, { 100, kGreen } }, 50, kRed },
		{ { { 50, kRed }, { 100, kGreen } }, 51, kGreen },
		// Without bands the gradient rule runs with no increments.
		{ {}, 60, RGB(4, 188, 188) },
	};
	for (const auto& c : cases)
	{
		m_bar.InitSolid(c.bands, 100, "", false, GP::FlatBorder, kText, kBack);
		m_bar.Position(c.nPosition);
		const int nFilled = (kBarRect.Width() - 2) * c.nPosition / 100;
		const Picture want = { GP::FlatBorder, nFilled, c.crFill, c.crFill, L"" };
		EXPECT_EQ(Shot().CountDiff(Draw(want)), 0) << "position " << c.nPosition;
	}
}

TEST_F(ProgressTest, NothingIsPaintedBelowATotalOfOne)
{
	for (int total : { 0, -3 })
	{
		m_bar.Init(total, "Text", true, kText, kBack, RGB(0, 0, 0), RGB(0, 0, 255), GP::FlatBorder);
		// The host's own colour shows through where the bar paints nothing.
		const kt::Snapshot shot = Shot();
		EXPECT_EQ(shot.Count(kHostBack), kBarRect.Width() * kBarRect.Height()) << total;
	}
}

TEST_F(ProgressTest, TextIsCentredAndClippedToTheBar)
{
	m_bar.Init(12, "Copying", true, kText, kBack, RGB(0, 0, 0), RGB(0, 0, 255), GP::FlatBorder);
	m_bar.Position(5); // 41.7 % shows as 42%
	const Picture want = { GP::FlatBorder, 198 * 5 / 12, RGB(0, 0, 0), RGB(0, 0, 106), L"Copying 42%" };
	kt::Snapshot shot = Shot();
	EXPECT_EQ(shot.CountDiff(Draw(want)), 0);
	EXPECT_GT(shot.Count(kText, { 100, 1, 199, 23 }), 10); // not a vacuous match

	// A text far too long for the bar stays inside the frame.
	m_bar.UpdateText(CString('W', 200));
	shot = Shot();
	const RECT inner = { 1, 1, kBarRect.Width() - 1, kBarRect.Height() - 1 };
	const int nFrame = 2 * (kBarRect.Width() + kBarRect.Height()) - 4;
	EXPECT_EQ(shot.Count(::GetSysColor(COLOR_WINDOWFRAME)) -
				  shot.Count(::GetSysColor(COLOR_WINDOWFRAME), inner),
		nFrame);
}

// The text: the caller's, the percentage and the time left, each after a
// blank when something comes before it. The estimate is linear over the
// whole time since StartTiming, and truncated.
TEST_F(ProgressTest, TextWithPercentageAndTimeLeft)
{
	const struct
	{
		const char* text;
		bool bPercent;
		int nTotal, nPosition;
		int nElapsed; // seconds since StartTiming; -1 for not timing
		const char* want;
	} cases[] = {
		{ "", true, 12, 5, -1, "42%" },
		{ "Copy", true, 12, 5, -1, "Copy 42%" },
		{ "", true, 12, -3, -1, "-25%" },
		{ "Copy", false, 12, 5, -1, "Copy" },
		{ "Copy", false, 12, 0, 60, "Copy " }, // no estimate yet, the blank stays
		{ "", false, 12, 0, 60, "" },
		{ "Copy", true, 12, 4, 60, "Copy 33% (2 min left)" },
		{ "", false, 3, 1, 3725, "(2 h 4 min left)" },
		{ "", false, 7, 3, 10, "(13 s left)" },
		{ "", false, 10, 10, 500, "(0 s left)" },
	};
	for (const auto& c : cases)
	{
		m_bar.Stop(true);
		m_bar.Init(c.nTotal, c.text, c.bPercent, kText, kBack, RGB(0, 0, 0), RGB(0, 0, 255), GP::NoBorder);
		// Over midnight: the moments are a day number and a second of the day.
		g_now = DateTime(740000, 86000);
		if (c.nElapsed >= 0)
			m_bar.StartTiming();
		const int nNow = 86000 + c.nElapsed;
		g_now = DateTime(740000 + nNow / 86400, nNow % 86400);
		m_bar.Position(c.nPosition);
		const float fFraction = static_cast<float>(c.nPosition) / static_cast<float>(c.nTotal);
		EXPECT_STREQ(m_bar.ComposeText(fFraction), c.want) << c.text << " " << c.nPosition;
	}
	// Init keeps the timing; Stop ends it.
	m_bar.Init(10, "", false, kText, kBack, RGB(0, 0, 0), RGB(0, 0, 255), GP::NoBorder);
	m_bar.Position(5);
	EXPECT_STRNE(m_bar.GetTimeLeft(), "");
	m_bar.Stop(false);
	m_bar.Position(5);
	EXPECT_STREQ(m_bar.GetTimeLeft(), "");
}

// Stop(false) paints the full bar with its last estimate; the next paint has
// none.
TEST_F(ProgressTest, StopPaintsTheLastEstimateOnce)
{
	m_bar.Init(4, "Done", false, kText, kBack, RGB(0, 0, 0), RGB(0, 0, 255), GP::NoBorder);
	m_bar.StartTiming();
	m_bar.Position(1);
	m_bar.Stop(false);
	const int cx = kBarRect.Width();
	EXPECT_EQ(kt::Snapshot(m_bar.GetSafeHwnd())
				  .CountDiff(Draw({ GP::NoBorder, cx, 0, RGB(0, 0, 255), L"Done (0 s left)" })),
		0);
	EXPECT_EQ(Shot().CountDiff(Draw({ GP::NoBorder, cx, 0, RGB(0, 0, 255), L"Done" })), 0);
	EXPECT_TRUE(m_bar.IsWindowVisible());
	m_bar.Stop(true);
	EXPECT_FALSE(m_bar.IsWindowVisible());
}

// Every setter paints before it returns, so the bar moves while the caller's
// job keeps the thread busy; a Step at the end paints nothing.
const kt::Sequence kRepaintSeq = {
	{ WM_PAINT, kt::sent },
	{ WM_NCPAINT, kt::sent | kt::optional },
	{ WM_ERASEBKGND, kt::sent },
	kt::kSeparator,
};
const kt::Sequence kNoRepaintSeq = { kt::kSeparator };

TEST_F(ProgressTest, SettersRepaintBeforeTheyReturn)
{
	m_bar.Init(3, "", true, kText, kBack, RGB(0, 0, 0), RGB(0, 0, 255), GP::FlatBorder);
	kt::PumpPending();
	const std::function<void()> repainting[] = {
		[&] { m_bar.Step(); },
		[&] { m_bar.Position(2); },
		[&] { m_bar.UpdateText("a"); },
		[&] { m_bar.UpdatePositionText(3, "b"); },
		[&] { m_bar.Stop(false); },
	};
	for (const auto& action : repainting)
	{
		kt::MessageRecorder rec(m_bar.GetSafeHwnd());
		action();
		rec.Separate();
		EXPECT_TRUE(rec.Matches(kRepaintSeq, kt::kQueries));
	}
	kt::MessageRecorder rec(m_bar.GetSafeHwnd());
	m_bar.Step();
	rec.Separate();
	EXPECT_TRUE(rec.Matches(kNoRepaintSeq, kt::kQueries));
}

TEST(ProgressLifetime, HiddenUntilInitCreatedOnceAndWithoutAWindowOnlyCounting)
{
	kt::CapturingLogger log;
	kt::HostWindow host(100, 40);
	CRect rc(0, 0, 80, 20);
	{
		GP bar;
		ASSERT_TRUE(bar.Create(&host, rc, kId));
		EXPECT_EQ(bar.GetDlgCtrlID(), static_cast<int>(kId));
		EXPECT_FALSE(bar.IsWindowVisible());
		bar.InitSolid({}, 10, "", false, GP::NoBorder, kText, kBack);
		EXPECT_TRUE(bar.IsWindowVisible());
		EXPECT_FALSE(bar.Create(&host, rc, kId)); // once only
	}
	GP orphan;
	EXPECT_FALSE(orphan.Create(NULL, rc, kId));
	const std::vector<std::string> want(2, "{6242E398-A900-4B96-8A42-9B1C52A7AD2E}");
	EXPECT_EQ(log.Lines(), want);

	// Calls before the window exists and after its parent went change the
	// numbers and draw nothing.
	GP bar;
	bar.Init(5, "t", true, kText, kBack, RGB(0, 0, 0), RGB(0, 0, 255), GP::FlatBorder);
	bar.Step();
	bar.UpdatePositionText(3, "u");
	bar.StartTiming();
	bar.Stop(true);
	EXPECT_EQ(bar.GetPosition(), 5);

	auto parent = std::make_unique<kt::HostWindow>(100, 40);
	ASSERT_TRUE(bar.Create(parent.get(), rc, kId));
	parent.reset();
	EXPECT_EQ(bar.GetSafeHwnd(), (HWND)NULL);
	bar.Init(5, "t", true, kText, kBack, RGB(0, 0, 0), RGB(0, 0, 255), GP::FlatBorder);
	bar.Step();
	bar.Stop(false);
	EXPECT_EQ(bar.GetPosition(), 5);
}

// One leaked handle per cycle would show: every cycle makes and paints a bar
// of each kind, some too narrow to hold anything.
TEST(ProgressLifetime, CyclesLeaveNoGdiObjects)
{
	kt::HostWindow host(200, 40);
	int nCycle = 0;
	auto cycle = [&]()
	{
		for (int cx : { 1, 0, 120 + nCycle++ })
		{
			CRect rc(0, 0, cx, 20);
			GP bar;
			ASSERT_TRUE(bar.Create(&host, rc, kId));
			if (cx % 2)
				bar.Init(10, "Busy", true, kText, kBack, RGB(0, 0, 0), RGB(0, 0, 255), GP::SunkenBorder);
			else
				bar.InitSolid({ { 100, RGB(0, 128, 0) } }, 10, "Busy", true, GP::FlatBorder, kText, kBack);
			for (int i = 0; i < 5; ++i)
				bar.Step();
			CClientDC dc(&host);
			bar.SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), PRF_CLIENT);
			kt::FlushPaint(host.GetSafeHwnd());
		}
	};
	EXPECT_TRUE(kt::LeavesNoGdiObjects(cycle, 10));
}

} // namespace
