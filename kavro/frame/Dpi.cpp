// Dpi.cpp - the DPI of a control's window, and sizes at 96 DPI scaled to it.
#include <afxwin.h>

#include "Frame.h"

// A DPI outside this range comes from a broken device context, not a screen.
static const UINT kLowestDpi = 48;
static const UINT kHighestDpi = 960;

static UINT WINAPI NoDpiForWindow(HWND)
{
	return 0;
}

// Systems before Windows 10 (1607) have no GetDpiForWindow; the library must
// still load there, so it is looked up rather than imported.
static UINT(WINAPI* FindGetDpiForWindow())(HWND)
{
	HMODULE hUser = ::GetModuleHandleA("user32.dll");
	FARPROC pfn = hUser != NULL ? ::GetProcAddress(hUser, "GetDpiForWindow") : NULL;
	return pfn != NULL ? reinterpret_cast<UINT(WINAPI*)(HWND)>(reinterpret_cast<void (*)()>(pfn))
					   : &NoDpiForWindow;
}

UINT(WINAPI* g_pfnGetDpiForWindow)(HWND hWnd) = FindGetDpiForWindow();

UINT AFXAPI GetWindowDpi(HWND hWnd)
{
	UINT nDpi = hWnd != NULL ? g_pfnGetDpiForWindow(hWnd) : 0;
	if (nDpi == 0)
	{
		// Without the system's answer the device context's is the best there
		// is: the system DPI, for the window's monitor or any other.
		HDC hdc = ::GetDC(hWnd);
		if (hdc != NULL)
		{
			const int nLogPixels = ::GetDeviceCaps(hdc, LOGPIXELSY);
			nDpi = nLogPixels > 0 ? static_cast<UINT>(nLogPixels) : 0;
			::ReleaseDC(hWnd, hdc);
		}
	}
	return nDpi >= kLowestDpi && nDpi <= kHighestDpi ? nDpi : kDefaultDpi;
}
