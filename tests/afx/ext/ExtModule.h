// ExtModule.h - entry points of the test extension DLL, looked up with GetProcAddress.
#pragma once

#include <afxwin.h>

extern "C"
{
	typedef BOOL (*PFN_EXTISDIALOG)(CObject* pObject);
	typedef CRuntimeClass* (*PFN_EXTCLASS)();
	typedef HINSTANCE (*PFN_EXTHANDLE)();
}
