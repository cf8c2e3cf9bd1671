// ExtModule.cpp - a minimal extension DLL that joins the resource chain and class list as a library does.
//
// Classes in this file:
//   CExtWidget

#include <afxwin.h>
#include <afxdllx.h>

#include "ExtModule.h"

static AFX_EXTENSION_MODULE extModule = { FALSE, NULL };

class AFX_EXT_CLASS CExtWidget : public CWnd
{
	DECLARE_DYNCREATE(CExtWidget)
};

IMPLEMENT_DYNCREATE(CExtWidget, CWnd)

extern "C" __declspec(dllexport) BOOL ExtIsDialog(CObject* pObject)
{
	return pObject != NULL && pObject->IsKindOf(RUNTIME_CLASS(CDialog));
}

extern "C" __declspec(dllexport) CRuntimeClass* ExtDialogClass()
{
	return RUNTIME_CLASS(CDialog);
}

extern "C" __declspec(dllexport) CRuntimeClass* ExtFirstSharedClass()
{
	return extModule.pFirstSharedClass;
}

extern "C" __declspec(dllexport) HINSTANCE ExtInstanceHandle()
{
	return AfxGetInstanceHandle();
}

extern "C" __declspec(dllexport) HINSTANCE ExtModuleStateInstance()
{
	return AfxGetModuleState()->m_hCurrentInstanceHandle;
}

extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID)
{
	if (dwReason == DLL_PROCESS_ATTACH)
	{
		if (!AfxInitExtensionModule(extModule, hInstance))
			return FALSE;
		new CDynLinkLibrary(extModule);
	}
	else if (dwReason == DLL_PROCESS_DETACH)
	{
		AfxTermExtensionModule(extModule);
	}
	return TRUE;
}
