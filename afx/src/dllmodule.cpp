// dllmodule.cpp - extension DLL support: the module record, CDynLinkLibrary and the resource chain.

#include "afximpl_.h"

IMPLEMENT_DYNAMIC(CDynLinkLibrary, CCmdTarget)

// The chain is changed while DLLs load and unload (under the loader lock)
// and read by resource loads on any thread.
static SRWLOCK g_libraryLock = SRWLOCK_INIT;

/////////////////////////////////////////////////////////////////////////////
// Extension module record

BOOL AFXAPI AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE hModule)
{
	if (hModule == NULL)
		return FALSE;
	if (state.bInitialized)
		return TRUE;
	state.hModule = hModule;
	state.hResource = hModule;
	// The DLL's classes registered themselves while its statics were built,
	// before DllMain; the record names the first of them.
	state.pFirstSharedClass = AfxFirstClassOfModule(hModule);
	state.pFirstSharedFactory = NULL;
	state.bInitialized = TRUE;
	return TRUE;
}

void AFXAPI AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL bAll)
{
	if (!state.bInitialized && !bAll)
		return;

	// Unlink every library of this module, then delete them outside the lock.
	CDynLinkLibrary* pRemoved = NULL;
	AFX_MODULE_STATE* pModuleState = AfxGetModuleState();
	AcquireSRWLockExclusive(&g_libraryLock);
	for (CDynLinkLibrary** pp = &pModuleState->m_pFirstLibrary; *pp != NULL;)
	{
		CDynLinkLibrary* pDLL = *pp;
		if (pDLL->m_hModule == state.hModule)
		{
			*pp = pDLL->m_pNextDLL;
			pDLL->m_pNextDLL = pRemoved;
			pRemoved = pDLL;
		}
		else
		{
			pp = &pDLL->m_pNextDLL;
		}
	}
	ReleaseSRWLockExclusive(&g_libraryLock);

	while (pRemoved != NULL)
	{
		CDynLinkLibrary* pNext = pRemoved->m_pNextDLL;
		pRemoved->m_pNextDLL = NULL;
		delete pRemoved;
		pRemoved = pNext;
	}
	state.bInitialized = FALSE;
}

/////////////////////////////////////////////////////////////////////////////
// CDynLinkLibrary

CDynLinkLibrary::CDynLinkLibrary(AFX_EXTENSION_MODULE& state, BOOL bSystem)
	: m_hModule(state.hModule)
	, m_hResource(state.hResource)
	, m_pFirstSharedClass(state.pFirstSharedClass)
	, m_bSystem(bSystem)
	, m_pNextDLL(NULL)
{
	AddToChain();
}

CDynLinkLibrary::CDynLinkLibrary(HINSTANCE hModule, HINSTANCE hResource)
	: m_hModule(hModule)
	, m_hResource(hResource)
	, m_pFirstSharedClass(NULL)
	, m_bSystem(FALSE)
	, m_pNextDLL(NULL)
{
	AddToChain();
}

void CDynLinkLibrary::AddToChain()
{
	AFX_MODULE_STATE* pModuleState = AfxGetModuleState();
	AcquireSRWLockExclusive(&g_libraryLock);
	m_pNextDLL = pModuleState->m_pFirstLibrary;
	pModuleState->m_pFirstLibrary = this;
	ReleaseSRWLockExclusive(&g_libraryLock);
}

CDynLinkLibrary::~CDynLinkLibrary()
{
	// Deleted directly by its DLL rather than through AfxTermExtensionModule.
	AFX_MODULE_STATE* pModuleState = AfxGetModuleState();
	AcquireSRWLockExclusive(&g_libraryLock);
	for (CDynLinkLibrary** pp = &pModuleState->m_pFirstLibrary; *pp != NULL; pp = &(*pp)->m_pNextDLL)
	{
		if (*pp == this)
		{
			*pp = m_pNextDLL;
			break;
		}
	}
	ReleaseSRWLockExclusive(&g_libraryLock);
}

/////////////////////////////////////////////////////////////////////////////
// Resource chain

// Walks the chain in search order: the current resource module first (the
// application's own resources override those of its libraries), then the
// extension DLLs, ordinary ones before system ones. NULL when no module has
// what bHas looks for.
template <class Pred>
static HINSTANCE SearchResourceChain(Pred bHas)
{
	HINSTANCE hInstCurrent = AfxGetResourceHandle();
	if (bHas(hInstCurrent))
		return hInstCurrent;

	HINSTANCE hFound = NULL;
	AcquireSRWLockShared(&g_libraryLock);
	for (int nPass = 0; nPass < 2 && hFound == NULL; nPass++)
	{
		BOOL bSystemPass = nPass == 1;
		for (CDynLinkLibrary* pDLL = AfxGetModuleState()->m_pFirstLibrary; pDLL != NULL;
			 pDLL = pDLL->m_pNextDLL)
		{
			if ((pDLL->m_bSystem != FALSE) == bSystemPass && pDLL->m_hResource != NULL &&
				bHas(pDLL->m_hResource))
			{
				hFound = pDLL->m_hResource;
				break;
			}
		}
	}
	ReleaseSRWLockShared(&g_libraryLock);
	return hFound;
}

HINSTANCE AFXAPI AfxFindResourceHandle(LPCTSTR lpszName, LPCTSTR lpszType)
{
	if (lpszName == NULL || lpszType == NULL)
		return AfxGetResourceHandle();
	HINSTANCE hFound = SearchResourceChain(
		[=](HINSTANCE hInst) { return ::FindResourceA(hInst, lpszName, lpszType) != NULL; });
	// Not found anywhere: the caller's load fails on the current module.
	return hFound != NULL ? hFound : AfxGetResourceHandle();
}

HINSTANCE AFXAPI AfxFindStringResourceHandle(UINT nID)
{
	return SearchResourceChain(
		[=](HINSTANCE hInst)
		{
			// With a zero size LoadStringW gives the length without copying.
			LPCWSTR pszText = NULL;
			return ::LoadStringW(hInst, nID, reinterpret_cast<LPWSTR>(&pszText), 0) > 0;
		});
}
