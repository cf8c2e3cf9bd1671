// thread.cpp - thread and process state, CWinThread, CWinApp, the message pump and start-up functions.

#include "afximpl_.h"
#include "afxpriv.h"

#include <string.h>

IMPLEMENT_DYNAMIC(CWinThread, CCmdTarget)
IMPLEMENT_DYNAMIC(CWinApp, CWinThread)

/////////////////////////////////////////////////////////////////////////////
// State

_AFX_THREAD_STATE* AFXAPI AfxGetThreadState()
{
	static thread_local _AFX_THREAD_STATE state = {};
	return &state;
}

// One for the whole process: the application, this DLL and every extension
// DLL share it.
static AFX_MODULE_STATE g_moduleState = { NULL, NULL, NULL, NULL, FALSE, FALSE, NULL };

AFX_MODULE_STATE* AFXAPI AfxGetModuleState()
{
	// A program that never calls AfxWinInit still gets the .EXE's handle.
	if (g_moduleState.m_hCurrentInstanceHandle == NULL)
		g_moduleState.m_hCurrentInstanceHandle = ::GetModuleHandleA(NULL);
	if (g_moduleState.m_hCurrentResourceHandle == NULL)
		g_moduleState.m_hCurrentResourceHandle = g_moduleState.m_hCurrentInstanceHandle;
	return &g_moduleState;
}

CWinApp* AFXAPI AfxGetApp()
{
	return AfxGetModuleState()->m_pCurrentWinApp;
}

CWinThread* AFXAPI AfxGetThread()
{
	return AfxGetThreadState()->m_pCurrentWinThread;
}

CWnd* AFXAPI AfxGetMainWnd()
{
	CWinThread* pThread = AfxGetThread();
	return pThread != NULL ? pThread->GetMainWnd() : NULL;
}

LPCTSTR AFXAPI AfxGetAppName()
{
	LPCTSTR lpszName = AfxGetModuleState()->m_lpszCurrentAppName;
	return lpszName != NULL ? lpszName : "";
}

HINSTANCE AFXAPI AfxGetInstanceHandle()
{
	return AfxGetModuleState()->m_hCurrentInstanceHandle;
}

HINSTANCE AFXAPI AfxGetResourceHandle()
{
	return AfxGetModuleState()->m_hCurrentResourceHandle;
}

void AFXAPI AfxSetResourceHandle(HINSTANCE hInstResource)
{
	if (hInstResource != NULL)
		AfxGetModuleState()->m_hCurrentResourceHandle = hInstResource;
}

/////////////////////////////////////////////////////////////////////////////
// Message pump helpers

// Hands a queued message to the thread's PreTranslateMessage walk.
static BOOL PreTranslateQueued(MSG* pMsg)
{
	CWinThread* pThread = AfxGetThread();
	if (pThread != NULL)
		return pThread->PreTranslateMessage(pMsg);
	return CWnd::WalkPreTranslateTree(NULL, pMsg);
}

// Gets and dispatches one message; FALSE on WM_QUIT.
static BOOL PumpOne(MSG& msg)
{
	if (::GetMessageA(&msg, NULL, 0, 0) <= 0)
		return FALSE;
	if (msg.message != WM_KICKIDLE && !PreTranslateQueued(&msg))
	{
		::TranslateMessage(&msg);
		::DispatchMessageA(&msg);
	}
	return TRUE;
}

BOOL AFXAPI AfxPumpMessage()
{
	CWinThread* pThread = AfxGetThread();
	if (pThread != NULL)
		return pThread->PumpMessage();
	return PumpOne(AfxGetThreadState()->m_msgCur);
}

void AFXAPI AfxPostQuitMessage(int nExitCode)
{
	::PostQuitMessage(nExitCode);
}

/////////////////////////////////////////////////////////////////////////////
// CWinThread

CWinThread::CWinThread()
	: m_pMainWnd(NULL)
	, m_pActiveWnd(NULL)
	, m_bAutoDelete(TRUE)
	, m_hThread(NULL)
	, m_nThreadID(0)
	, m_nMsgLast(0)
{
	memset(&m_msgCur, 0, sizeof(m_msgCur));
	m_ptCursorLast.x = m_ptCursorLast.y = -1;
}

CWinThread::~CWinThread()
{
	_AFX_THREAD_STATE* pState = AfxGetThreadState();
	if (pState->m_pCurrentWinThread == this)
		pState->m_pCurrentWinThread = NULL;
}

CWnd* CWinThread::GetMainWnd()
{
	if (m_pActiveWnd != NULL)
		return m_pActiveWnd;
	return m_pMainWnd;
}

BOOL CWinThread::InitInstance()
{
	// A plain thread object has no loop of its own to run.
	return FALSE;
}

int CWinThread::ExitInstance()
{
	return static_cast<int>(m_msgCur.wParam);
}

BOOL CWinThread::PumpMessage()
{
	return PumpOne(m_msgCur);
}

BOOL CWinThread::IsIdleMessage(MSG* pMsg)
{
	// A mouse move that did not move, a paint or the caret's blink timer
	// does not end the idle phase.
	if (pMsg->message == WM_MOUSEMOVE || pMsg->message == WM_NCMOUSEMOVE)
	{
		if (pMsg->message == m_nMsgLast && pMsg->pt.x == m_ptCursorLast.x && pMsg->pt.y == m_ptCursorLast.y)
			return FALSE;
		m_ptCursorLast = pMsg->pt;
		m_nMsgLast = pMsg->message;
		return TRUE;
	}
	return pMsg->message != WM_PAINT && pMsg->message != 0x0118 /* WM_SYSTIMER */;
}

BOOL CWinThread::OnIdle(LONG lCount)
{
	if (lCount <= 0)
	{
		// Command UI first: the visible main window and its bound
		// descendants update their controls (UpdateDialogControls).
		CWnd* pMainWnd = m_pMainWnd;
		if (pMainWnd != NULL && ::IsWindow(pMainWnd->m_hWnd) && pMainWnd->IsWindowVisible())
		{
			AfxCallWndProc(pMainWnd, pMainWnd->m_hWnd, WM_IDLEUPDATECMDUI, TRUE, 0);
			pMainWnd->SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE, 0, TRUE, TRUE);
		}
		return TRUE;
	}
	// Then the temporary wrappers handed out since the last idle time, unless
	// a modal loop runs further down this thread's stack: its callers may
	// hold them.
	if (AfxGetThreadState()->m_nTempMapLock == 0)
	{
		CWnd::DeleteTempMap();
		_AfxDeleteTempGdiMaps();
	}
	return FALSE;
}

int CWinThread::Run()
{
	BOOL bIdle = TRUE;
	LONG lIdleCount = 0;
	for (;;)
	{
		while (bIdle && !::PeekMessageA(&m_msgCur, NULL, 0, 0, PM_NOREMOVE))
		{
			if (!OnIdle(lIdleCount++))
				bIdle = FALSE;
		}
		do
		{
			if (!PumpMessage())
				return ExitInstance();
			if (IsIdleMessage(&m_msgCur))
			{
				bIdle = TRUE;
				lIdleCount = 0;
			}
		} while (::PeekMessageA(&m_msgCur, NULL, 0, 0, PM_NOREMOVE));
	}
}

// The top of the chain that WalkPreTranslateTree climbs from hWnd.
static BOOL IsInParentChain(HWND hWnd, HWND hWndFind)
{
	for (; hWnd != NULL; hWnd = ::GetParent(hWnd))
	{
		if (hWnd == hWndFind)
			return TRUE;
	}
	return FALSE;
}

BOOL CWinThread::PreTranslateMessage(MSG* pMsg)
{
	if (pMsg == NULL || pMsg->hwnd == NULL)
		return FALSE;

	CWnd* pMainWnd = AfxGetMainWnd();
	HWND hWndMain = pMainWnd->GetSafeHwnd();
	if (CWnd::WalkPreTranslateTree(hWndMain, pMsg))
		return TRUE;

	// A message of another top-level window: the main window gets a last
	// chance (its accelerators, for instance).
	if (hWndMain != NULL && ::IsWindow(hWndMain) && ::IsWindow(pMsg->hwnd) &&
		!IsInParentChain(pMsg->hwnd, hWndMain))
		return pMainWnd->PreTranslateMessage(pMsg);
	return FALSE;
}

/////////////////////////////////////////////////////////////////////////////
// CWinApp

CWinApp::CWinApp(LPCTSTR lpszAppName)
	: m_hInstance(NULL)
	, m_lpCmdLine(NULL)
	, m_nCmdShow(SW_SHOWNORMAL)
	, m_pszAppName(lpszAppName)
	, m_pszExeName(NULL)
	, m_nWaitCursorCount(0)
	, m_hcurWaitCursorRestore(NULL)
{
	m_szExeName[0] = '\0';
	m_hThread = ::GetCurrentThread();
	m_nThreadID = ::GetCurrentThreadId();

	AFX_MODULE_STATE* pModuleState = AfxGetModuleState();
	pModuleState->m_pCurrentWinApp = this;
	pModuleState->m_lpszCurrentAppName = m_pszAppName;
	AfxGetThreadState()->m_pCurrentWinThread = this;
}

CWinApp::~CWinApp()
{
	AFX_MODULE_STATE* pModuleState = AfxGetModuleState();
	if (pModuleState->m_pCurrentWinApp == this)
	{
		pModuleState->m_pCurrentWinApp = NULL;
		pModuleState->m_lpszCurrentAppName = NULL;
	}
}

BOOL CWinApp::InitApplication()
{
	return TRUE;
}

BOOL CWinApp::InitInstance()
{
	return TRUE;
}

int CWinApp::ExitInstance()
{
	return static_cast<int>(m_msgCur.wParam);
}

int CWinApp::Run()
{
	// Without a main window nothing would ever end the loop.
	if (m_pMainWnd == NULL)
		AfxPostQuitMessage(0);
	return CWinThread::Run();
}

BOOL CWinApp::OnIdle(LONG lCount)
{
	return CWinThread::OnIdle(lCount);
}

void CWinApp::DoWaitCursor(int nCode)
{
	m_nWaitCursorCount += nCode;
	if (m_nWaitCursorCount > 0)
	{
		HCURSOR hcurPrev = ::SetCursor(::LoadCursor(NULL, IDC_WAIT));
		// Remember what to go back to when the outermost wait begins.
		if (nCode > 0 && m_nWaitCursorCount == 1)
			m_hcurWaitCursorRestore = hcurPrev;
	}
	else
	{
		m_nWaitCursorCount = 0;
		::SetCursor(
			m_hcurWaitCursorRestore != NULL ? m_hcurWaitCursorRestore : ::LoadCursor(NULL, IDC_ARROW));
	}
}

HCURSOR CWinApp::LoadCursor(LPCTSTR lpszResourceName) const
{
	return ::LoadCursorA(AfxFindResourceHandle(lpszResourceName, RT_GROUP_CURSOR), lpszResourceName);
}

HCURSOR CWinApp::LoadCursor(UINT nIDResource) const
{
	return LoadCursor(MAKEINTRESOURCEA(nIDResource));
}

HCURSOR CWinApp::LoadStandardCursor(LPCTSTR lpszCursorName) const
{
	return ::LoadCursorA(NULL, lpszCursorName);
}

HICON CWinApp::LoadIcon(LPCTSTR lpszResourceName) const
{
	return ::LoadIconA(AfxFindResourceHandle(lpszResourceName, RT_GROUP_ICON), lpszResourceName);
}

HICON CWinApp::LoadIcon(UINT nIDResource) const
{
	return LoadIcon(MAKEINTRESOURCEA(nIDResource));
}

HICON CWinApp::LoadStandardIcon(LPCTSTR lpszIconName) const
{
	return ::LoadIconA(NULL, lpszIconName);
}

/////////////////////////////////////////////////////////////////////////////
// Start-up

BOOL AFXAPI AfxWinInit(HINSTANCE hInstance, HINSTANCE, LPTSTR lpCmdLine, int nCmdShow)
{
	if (hInstance == NULL)
		hInstance = ::GetModuleHandleA(NULL);

	AFX_MODULE_STATE* pModuleState = AfxGetModuleState();
	pModuleState->m_hCurrentInstanceHandle = hInstance;
	pModuleState->m_hCurrentResourceHandle = hInstance;

	CWinApp* pApp = AfxGetApp();
	if (pApp != NULL)
	{
		pApp->m_hInstance = hInstance;
		pApp->m_lpCmdLine = lpCmdLine;
		pApp->m_nCmdShow = nCmdShow;

		// The executable's name without folder and extension names the
		// application when its constructor did not.
		char szPath[MAX_PATH];
		DWORD nLen = ::GetModuleFileNameA(hInstance, szPath, MAX_PATH);
		if (nLen > 0 && nLen < MAX_PATH)
		{
			const CString strPath(szPath);
			lstrcpynA(pApp->m_szExeName, strPath.Mid(strPath.ReverseFind('\\') + 1), MAX_PATH);
			const int iDot = CString(pApp->m_szExeName).ReverseFind('.');
			if (iDot >= 0)
				pApp->m_szExeName[iDot] = '\0';
			pApp->m_pszExeName = pApp->m_szExeName;
			if (pApp->m_pszAppName == NULL)
				pApp->m_pszAppName = pApp->m_szExeName;
		}
		pModuleState->m_lpszCurrentAppName = pApp->m_pszAppName;
	}

	INITCOMMONCONTROLSEX icc = { sizeof(icc), ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES };
	::InitCommonControlsEx(&icc);
	return TRUE;
}

void AFXAPI AfxWinTerm()
{
	CWnd::DeleteTempMap();
	_AfxDeleteTempGdiMaps();
}

int AFXAPI AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPTSTR lpCmdLine, int nCmdShow)
{
	int nReturnCode = -1;
	CWinThread* pThread = AfxGetThread();
	CWinApp* pApp = AfxGetApp();

	if (AfxWinInit(hInstance, hPrevInstance, lpCmdLine, nCmdShow) && pThread != NULL &&
		(pApp == NULL || pApp->InitApplication()))
	{
		if (!pThread->InitInstance())
		{
			// A dialog application ends here: its dialog already ran.
			if (pThread->m_pMainWnd != NULL && ::IsWindow(pThread->m_pMainWnd->m_hWnd))
				pThread->m_pMainWnd->DestroyWindow();
			nReturnCode = pThread->ExitInstance();
		}
		else
		{
			nReturnCode = pThread->Run();
		}
	}
	AfxWinTerm();
	return nReturnCode;
}

/////////////////////////////////////////////////////////////////////////////
// Miscellaneous

BOOL AFXAPI AfxInitRichEdit2()
{
	static HMODULE hRichEdit2 = NULL;
	if (hRichEdit2 == NULL)
		hRichEdit2 = ::LoadLibraryA("riched20.dll");
	return hRichEdit2 != NULL;
}

BOOL AFXAPI AfxInitRichEdit()
{
	static HMODULE hRichEdit1 = NULL;
	if (hRichEdit1 == NULL)
		hRichEdit1 = ::LoadLibraryA("riched32.dll");
	return AfxInitRichEdit2() && hRichEdit1 != NULL;
}

int AFXAPI AfxMessageBox(LPCTSTR lpszText, UINT nType, UINT)
{
	CWnd* pMainWnd = AfxGetMainWnd();
	HWND hWndOwner = pMainWnd->GetSafeHwnd();
	if (hWndOwner != NULL && !::IsWindow(hWndOwner))
		hWndOwner = NULL;
	return ::MessageBoxA(hWndOwner, lpszText != NULL ? lpszText : "", AfxGetAppName(), nType);
}

int AFXAPI AfxMessageBox(UINT nIDPrompt, UINT nType, UINT nIDHelp)
{
	CString strPrompt;
	strPrompt.LoadString(nIDPrompt);
	return AfxMessageBox(strPrompt, nType, nIDHelp);
}
