// afxstat_.h - the module state shared by the application and every framework DLL; the thread state.
//
// Classes in this file:
//   AFX_MODULE_STATE, _AFX_THREAD_STATE
#pragma once

class CWinApp;
class CWinThread;
class CWnd;
class CDynLinkLibrary;

/////////////////////////////////////////////////////////////////////////////
// AFX_MODULE_STATE
//
// There is exactly one per process. An extension DLL has no state of its own,
// so the instance and resource handles it sees are those of the application.

class AFX_CORE_API AFX_MODULE_STATE
{
public:
// Attributes
	CWinApp* m_pCurrentWinApp;
	HINSTANCE m_hCurrentInstanceHandle;
	HINSTANCE m_hCurrentResourceHandle;
	LPCTSTR m_lpszCurrentAppName;
	BOOL m_bDLL;
	BOOL m_bSystem;

	// Extension DLLs that joined the resource chain, most recent first.
	CDynLinkLibrary* m_pFirstLibrary;
};

AFX_CORE_API AFX_MODULE_STATE* AFXAPI AfxGetModuleState();

/////////////////////////////////////////////////////////////////////////////
// _AFX_THREAD_STATE
//
// What the window core keeps for each thread. Zero at the start of a thread;
// every field has a meaning at zero.

struct _AFX_THREAD_STATE
{
	// The message the innermost AfxCallWndProc is handling; Default() and
	// the reflection helpers read it.
	MSG m_lastSentMsg;

	// Window creation: the object that the next window created on this thread
	// binds to, and the CBT hook that binds it. While a window made by
	// CreateEx is in its PreSubclassWindow, m_pWndInit is that window's
	// object; while SubclassWindow binds one, it is NULL.
	CWnd* m_pWndInit;
	HHOOK m_hHookOldCbtFilter;

	// The thread object of this thread (the CWinApp on the main thread).
	CWinThread* m_pCurrentWinThread;

	// Message buffer of AfxPumpMessage on threads without a thread object.
	MSG m_msgCur;

	// Modal loops running on this thread. Temporary objects are freed only
	// when it is zero: a caller below a modal loop may still hold one.
	int m_nTempMapLock;

	// Buffer for the name AfxRegisterWndClass returns.
	char m_szTempClassName[96];
};

AFX_CORE_API _AFX_THREAD_STATE* AFXAPI AfxGetThreadState();
