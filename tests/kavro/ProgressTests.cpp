// ProgressTests.cpp - CGradientProgressCtrl on real windows: arithmetic, pictures, text, repaints, bad input.
//
// Classes in this file:
//   TestProgress, ProgressTest
//
// The bar's clock is replaced inside the library's objects linked into this
// program, so elapsed times are set, not waited for.
#include <kavrotest/CapturingLogger.h>
#include <kavrotest/TestSupport.h>

#include <kavro/GradientProgressCtrl.h>

#include "Frame.h"

#include <map>
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

// Steps: I init with a total, P position, S step, T position with text, X
// stop; then the position and the number of log lines (one per call at the
// end). Never past the total, below zero kept, an empty range at its end at
// once, a reversed range.
TEST_F(ProgressTest, PositionArithmeticAtAndPastTheEnds)
{
	const struct
	{
		char op;
		int nArg, nPosition;
		size_t nLogLines;
	} steps[] = { { 'I', 10, 0, 0 }, { 'P', 4, 4, 0 }, { 'P', 25, 10, 0 }, { 'P', -3, -3, 0 },
		{ 'S', 0, -2, 0 }, { 'T', 11, 10, 0 }, { 'S', 0, 10, 1 }, { 'S', 0, 10, 2 }, { 'P', 9, 9, 2 },
		{ 'S', 0, 10, 2 }, { 'P', 3, 3, 2 }, { 'X', 0, 10, 2 }, { 'I', 0, 0, 2 }, { 'S', 0, 0, 3 },
		{ 'P', 5, 0, 3 }, { 'I', -5, 0, 3 }, { 'P', 3, -5, 3 }, { 'S', 0, -5, 4 } };
	for (const auto& s : steps)
	{
		if (s.op == 'I')
			m_bar.Init(s.nArg, "", false, kText, kBack, RGB(0, 0, 0), RGB(255, 255, 255), GP::FlatBorder);
		else if (s.op == 'P')
			m_bar.Position(s.nArg);
		else if (s.op == 'S')
			m_bar.Step();
		else if (s.op == 'T')
			m_bar.UpdatePositionText(s.nArg, "x");
		else
			m_bar.Stop(false);
		EXPECT_EQ(m_bar.GetPosition(), s.nPosition) << s.op << s.nArg;
		EXPECT_EQ(m_log.Lines().size(), s.nLogLines) << s.op << s.nArg;
	}
	for (const auto& line : m_log.Lines())
		EXPECT_EQ(line, "{4A330902-8DBA-4100-87B3-00B1A292F9C6}");
}

// Gradients from the start colour to the position's colour on the way to the
// end colour, in each border, and bands that fill with the first threshold
// reached (without bands the gradient rule runs with no increments).
TEST_F(ProgressTest, GradientsAndBandsMatchTheirApprovedPictures)
{
	const struct
	{
		GP::BorderStyle border;
		COLORREF crStart, crEnd;
		int nPosition; // of 10
	} cases[] = {
		{ GP::FlatBorder, RGB(10, 20, 200), RGB(210, 120, 0), 5 },
		{ GP::SunkenBorder, RGB(10, 20, 200), RGB(210, 120, 0), 10 },
		{ GP::NoBorder, RGB(0, 0, 0), RGB(30, 60, 90), 3 },
		{ static_cast<GP::BorderStyle>(7), RGB(255, 0, 0), RGB(0, 0, 255), 4 },
		{ GP::FlatBorder, RGB(40, 90, 140), RGB(40, 90, 140), 7 }, // equal ends
		{ GP::FlatBorder, RGB(40, 90, 140), RGB(0, 0, 0), 0 },     // nothing done yet
	};
	int nCase = 0;
	for (const auto& c : cases)
	{
		m_bar.Init(10, "", false, kText, kBack, c.crStart, c.crEnd, c.border);
		m_bar.Position(c.nPosition);
		const kt::Snapshot shot = Shot();
		EXPECT_APPROVED(shot, ("progress-gradient-" + std::to_string(++nCase)).c_str());
		const bool bFramed = c.border == GP::FlatBorder || c.border == GP::SunkenBorder;
		EXPECT_EQ(shot.At(bFramed ? 1 : 0, kBarRect.Height() / 2), c.nPosition > 0 ? c.crStart : kBack);
	}

	const COLORREF kRed = RGB(255, 0, 0), kGreen = RGB(0, 160, 0);
	const std::map<int, COLORREF> bands = { { 50, kRed }, { 100, kGreen } };
	for (const auto& c : { std::make_pair(bands, 50), std::make_pair(bands, 51),
			 std::make_pair(std::map<int, COLORREF>(), 60) })
	{
		m_bar.InitSolid(c.first, 100, "", false, GP::FlatBorder, kText, kBack);
		m_bar.Position(c.second);
		EXPECT_APPROVED(Shot(), ("progress-bands-" + std::to_string(++nCase)).c_str());
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
	kt::Snapshot shot = Shot();
	EXPECT_APPROVED(shot, "progress-text", true);
	EXPECT_GT(shot.Count(kText, { 100, 1, 199, 23 }), 10);

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
	EXPECT_APPROVED(kt::Snapshot(m_bar.GetSafeHwnd()), "progress-stopped-estimate", true);
	EXPECT_APPROVED(Shot(), "progress-stopped", true);
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
