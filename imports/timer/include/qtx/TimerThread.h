// TimerThread.h - a worker thread that posts one window message after a quiet period.
//
// Classes in this file:
//   TimerThread
#pragma once

#include <windows.h>

#ifdef QTXTIMER_BUILD
#define QTXTIMER_API __declspec(dllexport)
#else
#define QTXTIMER_API __declspec(dllimport)
#endif

/////////////////////////////////////////////////////////////////////////////
// TimerThread
//
// Owns one worker thread. While the timer is armed, the worker waits for the
// time-out to pass since the last call to SetTimeout and then posts the
// message to the window, so the message is handled on the window's own thread
// through its message queue. Re-arming before the time-out has passed starts
// the wait again, so a burst of re-arms gives one delivery. The worker sleeps
// on a kernel event between changes; it never polls.
//
// Every member may be called from any thread.

class QTXTIMER_API TimerThread
{
// Construction
public:
	// message, window: what is posted, and to which window.
	// timeoutMs: the first time-out, counted from construction; INFINITE
	//   creates the timer disarmed.
	// periodic: false delivers once and then disarms until the next
	//   SetTimeout; true re-arms with the same time-out after every delivery
	//   (a time-out of 0 still delivers only once).
	// wParam, lParam: the parameters posted with the message.
	TimerThread(UINT message, HWND window, UINT timeoutMs, bool periodic = false, unsigned __int64 wParam = 0,
		__int64 lParam = 0);
	virtual ~TimerThread();

// Attributes
public:
	// False when the worker could not be started or has been stopped.
	bool IsRunning() const;

// Operations
public:
	// Restarts the wait with a new time-out from now; INFINITE disarms.
	void SetTimeout(UINT timeoutMs);
	// Takes a THREAD_PRIORITY_* value; false when the worker is gone or the
	// value is refused.
	bool SetPriority(int priority);
	// Ends the worker, waiting up to waitMs (INFINITE: without limit) for it.
	// Nothing is posted once Stop has been called. Returns true when the
	// worker has ended.
	virtual bool Stop(unsigned long waitMs);

// Implementation
private:
	TimerThread(const TimerThread&) = delete;
	TimerThread& operator=(const TimerThread&) = delete;

	static unsigned __stdcall ThreadProc(void* param);
	void Run();
	LONGLONG Now() const;

	const UINT m_message;
	const HWND m_hWnd;
	const bool m_bPeriodic;
	const WPARAM m_wParam;
	const LPARAM m_lParam;

	CRITICAL_SECTION m_lock;
	HANDLE m_hWake; // auto-reset: the state below has changed
	HANDLE m_hThread;
	LONGLONG m_frequency; // performance-counter ticks per second
	// Guarded by m_lock.
	bool m_bArmed;
	bool m_bStopping;
	UINT m_timeout;
	LONGLONG m_deadline; // performance-counter value of the next delivery
};
