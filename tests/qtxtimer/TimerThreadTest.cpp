// TimerThreadTest.cpp - TimerThread: deliveries through a real window's message queue.
//
// Classes in this file:
//   Delivery, Receiver, TimerThreadTest
#include <qtx/TimerThread.h>

#include <kavrotest/TestSupport.h>

#include <chrono>
#include <memory>
#include <vector>

namespace
{

LONGLONG NowUs()
{
	using namespace std::chrono;
	return duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count();
}

const UINT WM_TIMER_TEST = WM_APP + 17;

struct Delivery
{
	LONGLONG atUs;
	WPARAM wParam;
	LPARAM lParam;
};

// A window that notes when each timer message arrives through its queue.
class Receiver : public kt::HostWindow
{
public:
	std::vector<Delivery> m_deliveries;

protected:
	virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
	{
		if (message != WM_TIMER_TEST)
			return kt::HostWindow::WindowProc(message, wParam, lParam);
		m_deliveries.push_back({ NowUs(), wParam, lParam });
		return 0;
	}
};

class TimerThreadTest : public ::testing::Test
{
protected:
	// Waits until n messages have arrived in all (false after 2 s).
	bool Arrived(size_t n)
	{
		return kt::PumpUntil([&] { return m_got.size() >= n; });
	}

	Receiver m_wnd;
	const HWND m_hWnd = m_wnd.GetSafeHwnd();
	std::vector<Delivery>& m_got = m_wnd.m_deliveries;
};

TEST_F(TimerThreadTest, BurstOfRearmsDeliversOnceAfterTheLastOne)
{
	TimerThread timer(WM_TIMER_TEST, m_hWnd, 150, false, 7, -3);
	LONGLONG lastArm = 0;
	for (int i = 0; i < 5; ++i)
	{
		kt::PumpFor(40);
		EXPECT_TRUE(m_got.empty()) << "delivered during the burst, re-arm " << i;
		lastArm = NowUs();
		timer.SetTimeout(150);
	}
	ASSERT_TRUE(Arrived(1));
	EXPECT_GE(m_got[0].atUs - lastArm, 150000);
	EXPECT_TRUE(m_got[0].wParam == 7 && m_got[0].lParam == -3);

	// One-shot: after the delivery it stays quiet until armed again.
	kt::PumpFor(200);
	EXPECT_EQ(m_got.size(), 1u);
	lastArm = NowUs();
	timer.SetTimeout(50);
	ASSERT_TRUE(Arrived(2));
	EXPECT_GE(m_got[1].atUs - lastArm, 50000);
}

TEST_F(TimerThreadTest, StopEndsTheWorkerPromptlyAndSilencesIt)
{
	TimerThread stopped(WM_TIMER_TEST, m_hWnd, 100, false, 0, 0);
	EXPECT_TRUE(stopped.IsRunning() && stopped.SetPriority(THREAD_PRIORITY_BELOW_NORMAL));
	EXPECT_TRUE(stopped.Stop(INFINITE));
	EXPECT_FALSE(stopped.IsRunning() || stopped.SetPriority(THREAD_PRIORITY_NORMAL));
	stopped.SetTimeout(0);
	kt::PumpFor(100);
	EXPECT_TRUE(stopped.Stop(0)) << "stopping twice is harmless";

	// The worker must be woken, not left to sleep out its 30 s wait, by Stop
	// or by the destructor; the bound is loose because the machine may be busy.
	for (bool bStop : { true, false })
	{
		const LONGLONG start = NowUs();
		auto timer = std::make_unique<TimerThread>(WM_TIMER_TEST, m_hWnd, 30000, false, 0, 0);
		kt::PumpFor(50);
		EXPECT_TRUE(!bStop || timer->Stop(10000));
		timer.reset();
		EXPECT_LT(NowUs() - start, 10000000) << bStop;
	}
	EXPECT_TRUE(m_got.empty());
}

TEST_F(TimerThreadTest, StoppingIsSafeWhileDueOrAfterTheWindowIsGone)
{
	// Stop racing a delivery that is due right now: either order is fine,
	// but nothing may arrive after Stop has returned.
	for (int i = 0; i < 20; ++i)
	{
		TimerThread timer(WM_TIMER_TEST, m_hWnd, 0, false, 0, 0);
		timer.SetTimeout(i % 3);
		EXPECT_TRUE(timer.Stop(INFINITE));
	}
	kt::PumpPending();
	const size_t before = m_got.size();
	EXPECT_LE(before, 20u);
	kt::PumpFor(100);
	EXPECT_EQ(m_got.size(), before);

	// The window dies while the timer is armed; the post fails quietly.
	TimerThread timer(WM_TIMER_TEST, m_hWnd, 50, false, 0, 0);
	::DestroyWindow(m_hWnd);
	kt::PumpFor(100);
	timer.SetTimeout(0);
	EXPECT_TRUE(timer.Stop(INFINITE));
}

TEST_F(TimerThreadTest, PeriodicTimerRearmsItselfUntilDisarmed)
{
	const LONGLONG start = NowUs();
	TimerThread timer(WM_TIMER_TEST, m_hWnd, 60, true, 0, 0);
	ASSERT_TRUE(Arrived(5));
	const LONGLONG disarmed = NowUs();
	timer.SetTimeout(INFINITE);
	kt::PumpFor(50);
	const size_t count = m_got.size();
	ASSERT_GE(count, 3u);
	EXPECT_LE(LONGLONG(count), (disarmed - start) / 60000);
	// Each period starts when the previous message was posted, so the n-th
	// delivery comes no sooner than n periods after the start, however late
	// the queue was read.
	for (size_t i = 0; i < count; ++i)
		EXPECT_GE(m_got[i].atUs - start, LONGLONG(i + 1) * 60000) << i;

	kt::PumpFor(150);
	EXPECT_EQ(m_got.size(), count);
}

TEST_F(TimerThreadTest, DisarmedOrIdleWorkersDeliverNothingAndUseNoProcessorTime)
{
	// Disarmed from the start or later, armed far in the future, and two
	// that already delivered; none of them may deliver again, spin or poll.
	TimerThread created(WM_TIMER_TEST, m_hWnd, INFINITE, false, 0, 0);
	TimerThread disarmed(WM_TIMER_TEST, m_hWnd, 100, false, 0, 0);
	disarmed.SetTimeout(INFINITE);
	TimerThread waiting(WM_TIMER_TEST, m_hWnd, 60000, false, 0, 0);
	TimerThread fired1(WM_TIMER_TEST, m_hWnd, 0, false, 0, 0);
	TimerThread fired2(WM_TIMER_TEST, m_hWnd, 10, false, 0, 0);
	ASSERT_TRUE(Arrived(2));

	auto cpu = []
	{
		FILETIME times[4];
		::GetProcessTimes(::GetCurrentProcess(), &times[0], &times[1], &times[2], &times[3]);
		auto ticks = [](const FILETIME& ft) { return ULONGLONG(ft.dwHighDateTime) << 32 | ft.dwLowDateTime; };
		return ticks(times[2]) + ticks(times[3]);
	};
	const ULONGLONG before = cpu();
	::Sleep(500);
	// A spinning worker would burn all of the half second; allow 5% for noise.
	EXPECT_LT(cpu() - before, 250000u) << "CPU time over an idle half second, 100 ns units";
	kt::PumpPending();
	EXPECT_EQ(m_got.size(), 2u);

	// A timer made disarmed still works once armed.
	created.SetTimeout(0);
	EXPECT_TRUE(Arrived(3));
}

} // namespace
