// WinMainApp.cpp - a dialog application written the framework's way; its exit code tells what happened.
//
// Classes in this file:
//   CAutoDialog, CDialogApp

#include <afxwin.h>

#include "../resource.h"

namespace
{

const UINT WM_CLOSE_DIALOG = WM_APP + 1;

class CAutoDialog : public CDialog
{
public:
	CAutoDialog()
		: CDialog(IDD_APP_DIALOG)
	{
	}

	virtual BOOL OnInitDialog() override
	{
		CDialog::OnInitDialog();
		PostMessage(WM_CLOSE_DIALOG, 42);
		return TRUE;
	}

protected:
	afx_msg LRESULT OnCloseDialog(WPARAM wParam, LPARAM)
	{
		EndDialog(static_cast<int>(wParam));
		return 0;
	}
	DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CAutoDialog, CDialog)
	ON_MESSAGE(WM_CLOSE_DIALOG, &CAutoDialog::OnCloseDialog)
END_MESSAGE_MAP()

class CDialogApp : public CWinApp
{
public:
	INT_PTR m_nResult = -1;
	bool m_bStarted = false;

	virtual BOOL InitInstance() override
	{
		// AfxWinInit ran first: the handles and the name are in place.
		m_bStarted = m_hInstance == ::GetModuleHandleA(NULL) && m_lpCmdLine != NULL && AfxGetApp() == this &&
					 AfxGetThread() == this && lstrcmpiA(m_pszAppName, "afx_winmain_app") == 0;
		CAutoDialog dlg;
		m_pMainWnd = &dlg;
		m_nResult = dlg.DoModal();
		// A dialog application ends without running the message loop.
		return FALSE;
	}

	virtual int ExitInstance() override
	{
		if (!m_bStarted)
			return 2;
		if (m_nResult != 42)
			return 3;
		// The main window going away cleared the pointer.
		if (m_pMainWnd != NULL)
			return 4;
		return 0;
	}
};

CDialogApp theApp;

} // namespace
