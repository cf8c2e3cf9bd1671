// GalleryApp.cpp - the gallery application: one modal dialog that shows every control of the library.
//
// Classes in this file:
//   CGalleryApp
//
//   kavro-gallery.exe                       shows the gallery
//   kavro-gallery.exe /screenshots <dir>    writes a PNG of every page to <dir> and ends
#include <afxwin.h>
#include <commctrl.h>
#include <gdiplus.h>

#include "GalleryDlg.h"

class CGalleryApp : public CWinApp
{
public:
	CGalleryApp()
		: m_nExitCode(0)
	{
	}

	virtual BOOL InitInstance() override;
	virtual int ExitInstance() override;

private:
	int m_nExitCode;
};

CGalleryApp theApp;

BOOL CGalleryApp::InitInstance()
{
	CWinApp::InitInstance();

	INITCOMMONCONTROLSEX icc = { sizeof(icc), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES | ICC_TAB_CLASSES };
	::InitCommonControlsEx(&icc);
	Gdiplus::GdiplusStartupInput gdiplusInput;
	ULONG_PTR gdiplusToken = 0;
	Gdiplus::GdiplusStartup(&gdiplusToken, &gdiplusInput, NULL);
	// The taskbar progress talks to the shell through COM.
	const HRESULT hrCom = ::CoInitializeEx(NULL, COINIT_APARTMENTTHREADED);

	CString strShotsDir;
	CString strCmdLine(m_lpCmdLine);
	strCmdLine.Trim();
	const CString strSwitch("/screenshots");
	if (strCmdLine.Left(strSwitch.GetLength()).CompareNoCase(strSwitch) == 0)
	{
		strShotsDir = strCmdLine.Mid(strSwitch.GetLength());
		strShotsDir.Trim();
		strShotsDir.Trim('"');
		if (strShotsDir.IsEmpty())
			strShotsDir = ".";
	}
	{
		CGalleryDlg dlg(strShotsDir);
		m_pMainWnd = &dlg;
		dlg.DoModal();
		m_pMainWnd = NULL;
		if (!strShotsDir.IsEmpty() && dlg.GetShotCount() <= 0)
			m_nExitCode = 1;
	}

	if (SUCCEEDED(hrCom))
		::CoUninitialize();
	Gdiplus::GdiplusShutdown(gdiplusToken);
	// The dialog has closed: end the application instead of running a loop.
	return FALSE;
}

int CGalleryApp::ExitInstance()
{
	CWinApp::ExitInstance();
	return m_nExitCode;
}
