// clipboard_bench.cpp - CClipboardViewer under bursts of 1,000 clipboard changes made by another thread.
//
// Classes in this file:
//   CBenchOwner
//
// Three bursts; prints the number of notifications each burst gave (goal:
// 1), the delay from the last change to the notification (goal: the 300 ms
// quiet period and little more), and the processor time that the process's other threads, the
// viewer's timer thread among them, take while the clipboard is quiet (goal:
// about 0). Not a test: the numbers depend on the machine and its load.
#include "BenchHost.h"
#include "BenchTiming.h"

#include <afxwin.h>

#include <kavro/ClipboardViewer.h>

#include <tlhelp32.h>

#include <atomic>
#include <stdio.h>
#include <string>
#include <thread>

namespace
{

const int kChanges = 1000;
const DWORD kIdleMs = 2000;

CBenchApp theApp("clipboard-bench");

class CBenchOwner : public CWnd
{
public:
	int m_nNotifications = 0;
	LARGE_INTEGER m_last = {};

protected:
	afx_msg LRESULT OnContentChanged(WPARAM, LPARAM)
	{
		++m_nNotifications;
		::QueryPerformanceCounter(&m_last);
		return 0;
	}
	DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBenchOwner, CWnd)
	ON_REGISTERED_MESSAGE(CClipboardViewer::MSG_CLIPBOARDCONTENT_CHANGED, &CBenchOwner::OnContentChanged)
END_MESSAGE_MAP()

// Runs the thread's messages through the framework for ms milliseconds.
void PumpFor(DWORD ms)
{
	const DWORD start = ::GetTickCount();
	while (::GetTickCount() - start < ms)
	{
		MSG msg;
		if (::PeekMessageA(&msg, NULL, 0, 0, PM_NOREMOVE))
			AfxPumpMessage();
		else
			::MsgWaitForMultipleObjects(0, NULL, FALSE, 10, QS_ALLINPUT);
	}
}

// Processor time, in milliseconds, of every thread of the process but this one.
double OtherThreadsCpuMs()
{
	double total = 0;
	HANDLE snap = ::CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
	THREADENTRY32 te = {};
	te.dwSize = sizeof(te);
	for (BOOL ok = ::Thread32First(snap, &te); ok; ok = ::Thread32Next(snap, &te))
	{
		if (te.th32OwnerProcessID != ::GetCurrentProcessId() || te.th32ThreadID == ::GetCurrentThreadId())
			continue;
		HANDLE hThread = ::OpenThread(THREAD_QUERY_INFORMATION, FALSE, te.th32ThreadID);
		FILETIME created, exited, kernel, user;
		if (hThread != NULL && ::GetThreadTimes(hThread, &created, &exited, &kernel, &user))
		{
			ULARGE_INTEGER k = { { kernel.dwLowDateTime, kernel.dwHighDateTime } };
			ULARGE_INTEGER u = { { user.dwLowDateTime, user.dwHighDateTime } };
			total += static_cast<double>(k.QuadPart + u.QuadPart) / 10000.0;
		}
		if (hThread != NULL)
			::CloseHandle(hThread);
	}
	::CloseHandle(snap);
	return total;
}

} // namespace

int main()
{
	if (!StartFramework("clipboard_bench"))
		return 1;
	CBenchOwner owner;
	if (!owner.CreateEx(0, AfxRegisterWndClass(0), "bench", WS_POPUP, CRect(0, 0, 100, 100), NULL, 0))
	{
		fprintf(stderr, "clipboard_bench: no owner window\n");
		return 1;
	}
	CClipboardViewer viewer;
	viewer.Create(true, &owner, false);

	// Three bursts in one run, so that one slow moment of the machine shows
	// as one figure of three.
	for (int burst = 0; burst < 3; ++burst)
	{
		owner.m_nNotifications = 0;
		std::atomic<bool> done(false);
		LARGE_INTEGER start = {}, lastChange = {};
		::QueryPerformanceCounter(&start);
		std::thread writer(
			[&]
			{
				HWND hWnd = ::CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, NULL, NULL, NULL);
				for (int i = 0; i < kChanges; ++i)
				{
					while (!::OpenClipboard(hWnd))
						::Sleep(1);
					::EmptyClipboard();
					const std::string text = "change " + std::to_string(i);
					HGLOBAL hData = ::GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
					memcpy(::GlobalLock(hData), text.c_str(), text.size() + 1);
					::GlobalUnlock(hData);
					::SetClipboardData(CF_TEXT, hData);
					::CloseClipboard();
				}
				::QueryPerformanceCounter(&lastChange);
				::DestroyWindow(hWnd);
				done = true;
			});
		while (!done)
			PumpFor(10);
		writer.join();
		// Long enough for the delivery and for a second one that must not come.
		PumpFor(1000);

		printf("burst %d of %d clipboard changes in %.0f ms\n", burst + 1, kChanges,
			Seconds(start, lastChange) * 1000.0);
		printf("notifications: %d (goal 1)\n", owner.m_nNotifications);
		if (owner.m_nNotifications > 0)
			printf("delay after the last change: %.0f ms (goal 300 to 350)\n",
				Seconds(lastChange, owner.m_last) * 1000.0);
	}

	const double cpuBefore = OtherThreadsCpuMs();
	PumpFor(kIdleMs);
	const double cpuAfter = OtherThreadsCpuMs();
	printf("other threads' processor time over %lu idle ms: %.1f ms (goal about 0)\n", kIdleMs,
		cpuAfter - cpuBefore);

	viewer.DestroyWindow();
	owner.DestroyWindow();
	return 0;
}
