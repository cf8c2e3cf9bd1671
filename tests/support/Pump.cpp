// Pump.cpp - message pumps and idle time that run the thread through the framework; heap blocks in use.
#include <kavrotest/TestSupport.h>

#include <malloc.h>

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

void RunIdle()
{
	for (LONG lCount = 0; AfxGetThread()->OnIdle(lCount); lCount++)
	{
	}
}

size_t UsedHeapBlocks()
{
	_HEAPINFO info = {};
	size_t nUsed = 0;
	while (_heapwalk(&info) == _HEAPOK)
		nUsed += info._useflag == _USEDENTRY;
	return nUsed;
}

void FlushPaint(HWND hWnd)
{
	if (::IsWindow(hWnd))
		::RedrawWindow(hWnd, NULL, NULL, RDW_UPDATENOW | RDW_ALLCHILDREN);
	PumpPending();
}

} // namespace kt
