// BenchHost.h - how a benchmark starts: its application object, the framework and its host window.
//
// Classes in this file:
//   CBenchApp
#pragma once

#include <afxwin.h>

#include <stdio.h>

// The application object every framework program has; the bench's own
// main does the work.
class CBenchApp : public CWinApp
{
public:
	explicit CBenchApp(LPCTSTR lpszAppName)
		: CWinApp(lpszAppName)
	{
	}
};

// Starts the framework for this process; false, with a line on stderr that
// names the bench, when it cannot.
inline bool StartFramework(const char* pszBench)
{
	if (AfxWinInit(::GetModuleHandleA(NULL), NULL, ::GetCommandLineA(), SW_SHOWNORMAL))
		return true;
	fprintf(stderr, "%s: AfxWinInit failed\n", pszBench);
	return false;
}

// Creates host as a visible pop-up window of cx by cy pixels at the screen's
// origin; false when the window cannot be made.
inline bool CreateHost(CWnd& host, int cx, int cy)
{
	return host.CreateEx(0, AfxRegisterWndClass(0), "bench", WS_POPUP | WS_VISIBLE, CRect(0, 0, cx, cy), NULL,
			   0) != FALSE;
}
