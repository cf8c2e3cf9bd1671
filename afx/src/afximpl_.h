// afximpl_.h - helpers shared by the window core's sources (internal to kavroafx.dll).
#pragma once

#include "afxwin.h"
#include "handlemap_.h"

// This thread's map of window handles to CWnd objects.
CHandleMap<CWnd, HWND>& AFXAPI AfxMapHWND();

// The first run-time class that hModule registered, or NULL.
CRuntimeClass* AfxFirstClassOfModule(HMODULE hModule);

// Window class of CWnd::Create with a NULL class name.
LPCSTR AFXAPI AfxDefaultWndClass();
