// afxstat_.h - the process-wide module state shared by the application and every framework DLL.
//
// Classes in this file:
//   AFX_MODULE_STATE
#pragma once

class CWinApp;
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
