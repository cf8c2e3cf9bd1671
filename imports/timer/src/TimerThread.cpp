// TimerThread.cpp - the worker thread behind TimerThread.
//
// Classes in this file:
//   Lock
#include <qtx/TimerThread.h>

#include <process.h>

namespace
{

// RAII guard for the timer's critical section.
class Lock
{
public:
	explicit Lock(CRITICAL_SECTION& cs)
		: m_cs(cs)
	{
		::EnterCriticalSection(&m_cs);
	}
	~Lock() { ::LeaveCriticalSection(&m_cs); }
	Lock(const Lock&) = delete;
	Lock& operator=(const Lock&) = delete;
private:
	CRITICAL_SECTION& m_cs;
};

} // namespace

/////////////////////////////////////////////////////////////////////////////
// Construction

TimerThread::TimerThread(UINT message, HWND window, UINT timeoutMs, bool periodic, unsigned __int64 wParam,
	__int64 lParam)
	: m_message(message)
	, m_hWnd(window)
	, m_bPeriodic(periodic)
	, m_wParam(static_cast<WPARAM>(wParam))
	, m_lParam(static_cast<LPARAM>(lParam))
	, m_hWake(NULL)
	, m_hThread(NULL)
	, m_frequency(1)
	, m_bArmed(false)
	, m_bStopping(false)
	, m_timeout(INFINITE)
	, m_deadline(0)
{
	::InitializeCriticalSection(&m_lock);

	LARGE_INTEGER freq;
	if (::QueryPerformanceFrequency(&freq) && freq.QuadPart > 0)
		m_frequency = freq.QuadPart;

	SetTimeout(timeoutMs);

	m_hWake = ::CreateEventA(NULL, FALSE, FALSE, NULL);
	if (m_hWake == NULL)
		return;
	// The CRT's thread start keeps its per-thread data right in the worker.
	m_hThread = reinterpret_cast<HANDLE>(_beginthreadex(NULL, 0, &TimerThread::ThreadProc, this, 0, NULL));
}

TimerThread::~TimerThread()
{
	// A limited Stop may have left the worker running; it still reads this
	// object, so wait for it before the members go.
	TimerThread::Stop(INFINITE);
	if (m_hThread != NULL)
		::CloseHandle(m_hThread);
	if (m_hWake != NULL)
		::CloseHandle(m_hWake);
	::DeleteCriticalSection(&m_lock);
}

/////////////////////////////////////////////////////////////////////////////
// Attributes

bool TimerThread::IsRunning() const
{
	return m_hThread != NULL && ::WaitForSingleObject(m_hThread, 0) == WAIT_TIMEOUT;
}

/////////////////////////////////////////////////////////////////////////////
// Operations

void TimerThread::SetTimeout(UINT timeoutMs)
{
	{
		Lock lock(m_lock);
		m_timeout = timeoutMs;
		m_bArmed = (timeoutMs != INFINITE);
		if (m_bArmed)
			m_deadline = Now() + static_cast<LONGLONG>(timeoutMs) * m_frequency / 1000;
	}
	if (m_hWake != NULL)
		::SetEvent(m_hWake);
}

bool TimerThread::SetPriority(int priority)
{
	return IsRunning() && ::SetThreadPriority(m_hThread, priority) != FALSE;
}

bool TimerThread::Stop(unsigned long waitMs)
{
	{
		Lock lock(m_lock);
		m_bStopping = true;
		m_bArmed = false;
	}
	if (m_hThread == NULL)
		return true;
	::SetEvent(m_hWake);
	return ::WaitForSingleObject(m_hThread, waitMs) == WAIT_OBJECT_0;
}

/////////////////////////////////////////////////////////////////////////////
// Implementation

unsigned __stdcall TimerThread::ThreadProc(void* param)
{
	static_cast<TimerThread*>(param)->Run();
	return 0;
}

LONGLONG TimerThread::Now() const
{
	LARGE_INTEGER now;
	::QueryPerformanceCounter(&now);
	return now.QuadPart;
}

void TimerThread::Run()
{
	for (;;)
	{
		DWORD wait = INFINITE;
		{
			Lock lock(m_lock);
			if (m_bStopping)
				return;
			if (m_bArmed)
			{
				const LONGLONG left = m_deadline - Now();
				if (left <= 0)
				{
					// Posting under the lock keeps Stop and SetTimeout from
					// slipping in between the decision and the delivery. A
					// window destroyed meanwhile only makes the post fail.
					::PostMessageA(m_hWnd, m_message, m_wParam, m_lParam);
					// A periodic time-out of 0 would flood the queue; it delivers once.
					if (m_bPeriodic && m_timeout != 0)
						m_deadline = Now() + static_cast<LONGLONG>(m_timeout) * m_frequency / 1000;
					else
						m_bArmed = false;
					continue;
				}
				// Round up: waking early would only cost another wait, but
				// waking before the deadline must never deliver.
				const LONGLONG ms = (left * 1000 + m_frequency - 1) / m_frequency;
				wait = ms >= INFINITE ? INFINITE - 1 : static_cast<DWORD>(ms);
			}
		}
		::WaitForSingleObject(m_hWake, wait);
	}
}
