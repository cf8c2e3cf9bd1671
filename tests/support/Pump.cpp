// Pump.cpp - message pumps that run the thread's messages through the framework.
#include <kavrotest/TestSupport.h>

namespace kt
{

namespace
{

void Dispatch(MSG& msg)
{
	CWinThread* pThread = AfxGetThread();
	if (pThread != NULL && pThread->PreTranslateMessage(&msg))
		return;
	::TranslateMessage(&msg);
	::DispatchMessageA(&msg);
}

} // namespace

void PumpPending()
{
	MSG msg;
	while (::PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
	{
		if (msg.message == WM_QUIT)
		{
			// Leave the quit request for whoever runs the real loop.
			::PostQuitMessage(static_cast<int>(msg.wParam));
			return;
		}
		Dispatch(msg);
	}
}

bool PumpUntil(const std::function<bool()>& cond, DWORD timeoutMs)
{
	const ULONGLONG deadline = ::GetTickCount64() + timeoutMs;
	for (;;)
	{
		PumpPending();
		if (cond())
			return true;
		const ULONGLONG now = ::GetTickCount64();
		if (now >= deadline)
			return false;
		DWORD wait = static_cast<DWORD>(deadline - now);
		if (wait > 20)
			wait = 20;
		::MsgWaitForMultipleObjects(0, NULL, FALSE, wait, QS_ALLINPUT);
	}
}

void PumpFor(DWORD ms)
{
	PumpUntil([] { return false; }, ms);
}

void FlushPaint(HWND hWnd)
{
	if (::IsWindow(hWnd))
		::RedrawWindow(hWnd, NULL, NULL, RDW_UPDATENOW | RDW_ALLCHILDREN);
	PumpPending();
}

} // namespace kt
