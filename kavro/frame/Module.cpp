// Module.cpp - kavro.dll as an extension library of the application's framework.
#include <afxwin.h>
#include <afxdllx.h>

static AFX_EXTENSION_MODULE s_kavroDLL;

extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID /*lpReserved*/)
{
	if (dwReason == DLL_PROCESS_ATTACH)
	{
		if (!AfxInitExtensionModule(s_kavroDLL, hInstance))
			return FALSE;
		// Inserts our resources into the application's search chain, so that
		// a control finds the library's resources by identifier.
		new CDynLinkLibrary(s_kavroDLL);
	}
	else if (dwReason == DLL_PROCESS_DETACH)
	{
		AfxTermExtensionModule(s_kavroDLL);
	}
	return TRUE;
}
