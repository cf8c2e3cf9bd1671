// afximpl_.h - per-thread state of the window core (internal to kavroafx.dll).
//
// Classes in this file:
//   AFX_THREAD_STATE
#pragma once

#include "afxwin.h"
#include "handlemap_.h"

// What the window core keeps per thread. Zero-initialised; every field has a
// meaning at zero.
struct AFX_THREAD_STATE
{
	// The message the innermost AfxCallWndProc is handling; Default() and
	// the reflection helpers read it.
	MSG m_lastSentMsg;

	// Window creation: the object that the next created window binds to, and
	// the CBT hook that binds it.
	CWnd* m_pWndInit;
	HHOOK m_hHookOldCbtFilter;
	// The extended style PreSubclassWindow left on the window being created.
	// The system resets it from the creation parameters after the CBT hook,
	// so it is applied again when WM_NCCREATE arrives.
	HWND m_hWndExStyleInit;
	DWORD m_dwExStyleInit;

	// The thread object of this thread (the CWinApp on the main thread).
	CWinThread* m_pCurrentWinThread;

	// Message buffer of AfxPumpMessage on threads without a thread object.
	MSG m_msgCur;

	// Buffer for the name AfxRegisterWndClass returns.
	char m_szTempClassName[96];
};

AFX_THREAD_STATE* AFXAPI AfxGetThreadState();

// This thread's map of window handles to CWnd objects.
CHandleMap<CWnd, HWND>& AFXAPI AfxMapHWND();

// The first run-time class that hModule registered, or NULL.
CRuntimeClass* AfxFirstClassOfModule(HMODULE hModule);

// Window class of CWnd::Create with a NULL class name.
LPCSTR AFXAPI AfxDefaultWndClass();
