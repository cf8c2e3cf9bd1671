// afxdll_.h - extension DLL support: the module record and the library object in the resource chain.
//
// Classes in this file:
//   AFX_EXTENSION_MODULE, CDynLinkLibrary
#pragma once

class COleObjectFactory;

/////////////////////////////////////////////////////////////////////////////
// AFX_EXTENSION_MODULE - one static object per extension DLL

// DLLs write "static AFX_EXTENSION_MODULE extModule = { FALSE, NULL };"; the
// defaults keep that initialiser complete.
struct AFX_EXTENSION_MODULE
{
	BOOL bInitialized = FALSE;
	HMODULE hModule = NULL;
	HMODULE hResource = NULL;
	CRuntimeClass* pFirstSharedClass = NULL;
	COleObjectFactory* pFirstSharedFactory = NULL;
};

/////////////////////////////////////////////////////////////////////////////
// CDynLinkLibrary - made with new in the DLL's DllMain; the framework deletes
// it in AfxTermExtensionModule.

class AFX_CORE_API CDynLinkLibrary : public CCmdTarget
{
	DECLARE_DYNAMIC(CDynLinkLibrary)

public:
// Construction
	explicit CDynLinkLibrary(AFX_EXTENSION_MODULE& state, BOOL bSystem = FALSE);
	CDynLinkLibrary(HINSTANCE hModule, HINSTANCE hResource);
	virtual ~CDynLinkLibrary();

// Attributes
	HMODULE m_hModule;
	HMODULE m_hResource; // for shared resources
	CRuntimeClass* m_pFirstSharedClass;
	BOOL m_bSystem; // searched after the others

// Implementation
	CDynLinkLibrary* m_pNextDLL; // next library in the resource chain

protected:
	void AddToChain();
};

// Records the DLL in state; FALSE when it cannot (DllMain must then fail).
AFX_CORE_API BOOL AFXAPI AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE hModule);
// Takes the DLL's libraries out of the resource chain and deletes them.
AFX_CORE_API void AFXAPI AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL bAll = FALSE);
