// DialogTest.cpp - dialogs: templates, the modal loop, modeless dialogs and data exchange.
//
// Classes in this file:
//   CBoundButton, CKeyEdit, CTestDialog, COwnerWnd, CRoutingApp, CRoutingOwner, CRoutingDialog,
//   CKickIdleDialog

#include <afxwin.h>

#include <kavrotest/TestSupport.h>

#include "resource.h"

#include <string>
#include <vector>

namespace
{

enum
{
	IDC_EDIT = 301,
	IDC_BUTTON = 302,
};

const UINT WM_TEST_CLOSE = WM_APP + 10;

kt::DialogTemplate MakeTemplate()
{
	kt::DialogTemplate tpl("test dialog", 160, 80);
	tpl.AddItem(0x0081, "", IDC_EDIT, 8, 8, 100, 14, WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL)
		.AddItem(0x0080, "button", IDC_BUTTON, 8, 30, 60, 14, WS_CHILD | WS_VISIBLE | WS_TABSTOP)
		.AddItem(0x0080, "OK", IDOK, 110, 60, 44, 14, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON)
		.AddItem(0x0080, "Cancel", IDCANCEL, 60, 60, 44, 14, WS_CHILD | WS_VISIBLE | WS_TABSTOP);
	return tpl;
}

class CBoundButton : public CButton
{
public:
	int m_nPreSubclass = 0;
	virtual void PreSubclassWindow() override { m_nPreSubclass++; }
};

// Sees the keys of its edit before the dialog's navigation does.
class CKeyEdit : public CEdit
{
public:
	int m_nPreTranslated = 0;
	virtual BOOL PreTranslateMessage(MSG* pMsg) override
	{
		if (pMsg->message == WM_KEYDOWN)
			m_nPreTranslated++;
		return CEdit::PreTranslateMessage(pMsg);
	}
};

class CTestDialog : public CDialog
{
public:
	CString m_strText;
	CBoundButton m_button;
	CKeyEdit m_edit;
	int m_nEndInInit = 0;      // non-zero: EndDialog from OnInitDialog
	bool m_bPostClose = false; // post WM_TEST_CLOSE from OnInitDialog
	WPARAM m_nPostedValue = 42;
	bool m_bOwnerEnabledInLoop = true;
	bool m_bInitDone = false;
	BOOL m_bKindOfDialog = FALSE;

	virtual BOOL OnInitDialog() override
	{
		CDialog::OnInitDialog();
		m_bInitDone = true;
		m_bKindOfDialog = IsKindOf(RUNTIME_CLASS(CDialog));
		if (m_nEndInInit != 0)
			EndDialog(m_nEndInInit);
		else if (m_bPostClose)
			PostMessage(WM_TEST_CLOSE, m_nPostedValue);
		return TRUE;
	}

protected:
	virtual void DoDataExchange(CDataExchange* pDX) override
	{
		DDX_Control(pDX, IDC_BUTTON, m_button);
		DDX_Control(pDX, IDC_EDIT, m_edit);
		DDX_Text(pDX, IDC_EDIT, m_strText);
	}

	afx_msg LRESULT OnTestClose(WPARAM wParam, LPARAM)
	{
		HWND hWndOwner = ::GetWindow(m_hWnd, GW_OWNER);
		m_bOwnerEnabledInLoop = hWndOwner != NULL && ::IsWindowEnabled(hWndOwner);
		EndDialog(static_cast<int>(wParam));
		return 0;
	}
	DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTestDialog, CDialog)
	ON_MESSAGE(WM_TEST_CLOSE, &CTestDialog::OnTestClose)
END_MESSAGE_MAP()

// An owner that answers the modal dialog when it goes idle, as a test helper
// answering a message box would.
class COwnerWnd : public kt::HostWindow
{
public:
	int m_nIdle = 0;
	UINT m_nWhy = 0;
	UINT m_nAnswer = 0;      // command to send to the dialog when idle
	bool m_bDestroy = false; // destroy the dialog's window when idle
	HWND m_hWndDialog = NULL;

protected:
	afx_msg void OnEnterIdle(UINT nWhy, CWnd* pWho)
	{
		m_nIdle++;
		m_nWhy = nWhy;
		m_hWndDialog = pWho->GetSafeHwnd();
		if (m_nAnswer != 0)
			pWho->PostMessage(WM_COMMAND, MAKEWPARAM(m_nAnswer, BN_CLICKED));
		if (m_bDestroy)
			::DestroyWindow(m_hWndDialog);
	}
	DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(COwnerWnd, kt::HostWindow)
	ON_WM_ENTERIDLE()
END_MESSAGE_MAP()

TEST(Dialog, ModalFromTemplateReturnsTheEndDialogValue)
{
	COwnerWnd owner;
	kt::DialogTemplate tpl = MakeTemplate();
	CTestDialog dlg;
	ASSERT_TRUE(dlg.InitModalIndirect(tpl.Get(), &owner));
	dlg.m_bPostClose = true;
	dlg.m_nPostedValue = 42;
	EXPECT_EQ(42, dlg.DoModal());
	EXPECT_TRUE(dlg.m_bInitDone);
	EXPECT_TRUE(dlg.m_bKindOfDialog);
	EXPECT_EQ(nullptr, dlg.m_hWnd);

	// The owner is disabled while the dialog runs and enabled again after.
	EXPECT_FALSE(dlg.m_bOwnerEnabledInLoop);
	EXPECT_TRUE(owner.IsWindowEnabled());

	// Controls bound by DDX_Control were bound once and let go with the dialog.
	EXPECT_EQ(1, dlg.m_button.m_nPreSubclass);
	EXPECT_EQ(nullptr, dlg.m_button.m_hWnd);
}

TEST(Dialog, ModalLoopEndsWhenTheWindowIsDestroyedFromOutside)
{
	COwnerWnd owner;
	owner.m_bDestroy = true;
	kt::DialogTemplate tpl = MakeTemplate();
	CTestDialog dlg;
	ASSERT_TRUE(dlg.InitModalIndirect(tpl.Get(), &owner));
	dlg.DoModal();
	EXPECT_EQ(1, owner.m_nIdle);
	EXPECT_EQ(nullptr, dlg.m_hWnd);
	EXPECT_TRUE(owner.IsWindowEnabled());
}

TEST(Dialog, EndDialogFromOnInitDialogSkipsTheLoop)
{
	kt::DialogTemplate tpl = MakeTemplate();
	CTestDialog dlg;
	ASSERT_TRUE(dlg.InitModalIndirect(tpl.Get()));
	dlg.m_nEndInInit = 7;
	EXPECT_EQ(7, dlg.DoModal());
}

TEST(Dialog, OwnerIsToldWhenTheModalLoopGoesIdle)
{
	COwnerWnd owner;
	owner.m_nAnswer = IDOK;
	kt::DialogTemplate tpl = MakeTemplate();
	CTestDialog dlg;
	dlg.m_strText = "before";
	ASSERT_TRUE(dlg.InitModalIndirect(tpl.Get(), &owner));
	EXPECT_EQ(IDOK, dlg.DoModal());
	EXPECT_GE(owner.m_nIdle, 1);
	EXPECT_EQ(static_cast<UINT>(MSGF_DIALOGBOX), owner.m_nWhy);
	EXPECT_NE(nullptr, owner.m_hWndDialog);
	// OnOK saved the edit's text back into the member.
	EXPECT_EQ(CString("before"), dlg.m_strText);
}

TEST(Dialog, KeysPassTheControlBeforeTheDialogNavigation)
{
	// Escape in the edit: the edit's PreTranslateMessage sees it, then
	// IsDialogMessage turns it into IDCANCEL.
	class CEscapeDialog : public CTestDialog
	{
	public:
		virtual BOOL OnInitDialog() override
		{
			CTestDialog::OnInitDialog();
			m_edit.SetFocus();
			m_edit.PostMessage(WM_KEYDOWN, VK_ESCAPE, 0x00010001);
			return FALSE;
		}
	};
	kt::DialogTemplate tpl = MakeTemplate();
	CEscapeDialog dlg;
	ASSERT_TRUE(dlg.InitModalIndirect(tpl.Get()));
	EXPECT_EQ(IDCANCEL, dlg.DoModal());
	EXPECT_EQ(1, dlg.m_edit.m_nPreTranslated);
}

TEST(Dialog, ModelessDialogFromTemplate)
{
	kt::HostWindow host;
	kt::DialogTemplate tpl = MakeTemplate();
	CTestDialog dlg;
	dlg.m_strText = "hello";
	ASSERT_TRUE(dlg.CreateIndirect(tpl.Get(), &host));
	ASSERT_NE(nullptr, dlg.m_hWnd);
	EXPECT_TRUE(dlg.m_bInitDone);
	EXPECT_TRUE(dlg.IsWindowVisible());
	EXPECT_EQ(&dlg, CWnd::FromHandlePermanent(dlg.m_hWnd));
	// ANSI, so that controls send their notifications in the A forms.
	EXPECT_FALSE(::IsWindowUnicode(dlg.m_hWnd));
	EXPECT_EQ(host.m_hWnd, ::GetWindow(dlg.m_hWnd, GW_OWNER));

	// OnInitDialog's data exchange filled the edit and bound the controls.
	CString strEdit;
	dlg.m_edit.GetWindowText(strEdit);
	EXPECT_EQ(CString("hello"), strEdit);
	EXPECT_EQ(&dlg.m_edit, CWnd::FromHandlePermanent(dlg.GetDlgItem(IDC_EDIT)->m_hWnd));

	dlg.m_edit.SetWindowText("changed");
	EXPECT_TRUE(dlg.UpdateData(TRUE));
	EXPECT_EQ(CString("changed"), dlg.m_strText);

	HWND hWnd = dlg.m_hWnd;
	dlg.DestroyWindow();
	EXPECT_FALSE(::IsWindow(hWnd));
	EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hWnd));
	EXPECT_EQ(nullptr, dlg.m_edit.m_hWnd);
}

TEST(Dialog, ResourceDialogIsFoundThroughTheResourceChain)
{
	kt::HostWindow host;
	CDialog dlg;
	ASSERT_TRUE(dlg.Create(IDD_APP_DIALOG, &host));
	EXPECT_NE(nullptr, dlg.GetDlgItem(IDC_APP_EDIT));
	dlg.DestroyWindow();

	CDialog missing;
	EXPECT_FALSE(missing.Create(IDD_APP_DIALOG + 77, &host));
	CDialog missingModal(IDD_APP_DIALOG + 77);
	EXPECT_EQ(-1, missingModal.DoModal());
	CDialog noTemplate;
	EXPECT_EQ(-1, noTemplate.DoModal());
}

TEST(Dialog, DataExchangeFailureIsAReturnValue)
{
	kt::HostWindow host;
	kt::DialogTemplate tpl = MakeTemplate();
	CDialog dlg;
	ASSERT_TRUE(dlg.CreateIndirect(tpl.Get(), &host));

	CDataExchange dx(&dlg, TRUE);
	int nValue = 5;
	::SetDlgItemTextA(dlg.m_hWnd, IDC_EDIT, "12x");
	DDX_Text(&dx, IDC_EDIT, nValue);
	EXPECT_TRUE(dx.m_bFailed);
	EXPECT_EQ(5, nValue);

	CDataExchange dxOk(&dlg, TRUE);
	::SetDlgItemTextA(dlg.m_hWnd, IDC_EDIT, " -17 ");
	DDX_Text(&dxOk, IDC_EDIT, nValue);
	EXPECT_FALSE(dxOk.m_bFailed);
	EXPECT_EQ(-17, nValue);

	// A missing item fails the exchange; later calls of the pass do nothing.
	CDataExchange dxMissing(&dlg, FALSE);
	CWnd wnd;
	DDX_Control(&dxMissing, 999, wnd);
	EXPECT_TRUE(dxMissing.m_bFailed);
	CButton button;
	DDX_Control(&dxMissing, IDC_BUTTON, button);
	EXPECT_EQ(nullptr, button.m_hWnd);
	dlg.DestroyWindow();
}

/////////////////////////////////////////////////////////////////////////////
// Command routing and idle time of dialogs

std::vector<std::string> g_handled;

// Stands in as the application for one test, as the program's own CWinApp.
class CRoutingApp : public CWinApp
{
public:
	CRoutingApp()
		: CRoutingApp(AfxGetApp(), AfxGetThread())
	{
	}
	virtual ~CRoutingApp() override
	{
		AfxGetModuleState()->m_pCurrentWinApp = m_pOldApp;
		AfxGetModuleState()->m_lpszCurrentAppName = m_pOldApp->m_pszAppName;
		AfxGetThreadState()->m_pCurrentWinThread = m_pOldThread;
	}

protected:
	afx_msg void OnCopy() { g_handled.push_back("app"); }
	afx_msg void OnPaste() { g_handled.push_back("app"); }
	afx_msg void OnUpdateSelectAll(CCmdUI*) { g_handled.push_back("app-update"); }
	DECLARE_MESSAGE_MAP()

private:
	// Taken before CWinApp's constructor makes this the application.
	CRoutingApp(CWinApp* pOldApp, CWinThread* pOldThread)
		: CWinApp("routing")
		, m_pOldApp(pOldApp)
		, m_pOldThread(pOldThread)
	{
	}

	CWinApp* m_pOldApp;
	CWinThread* m_pOldThread;
};

BEGIN_MESSAGE_MAP(CRoutingApp, CWinApp)
	ON_COMMAND(ID_EDIT_COPY, &CRoutingApp::OnCopy)
	ON_COMMAND(ID_EDIT_PASTE, &CRoutingApp::OnPaste)
	ON_UPDATE_COMMAND_UI(ID_EDIT_SELECT_ALL, &CRoutingApp::OnUpdateSelectAll)
END_MESSAGE_MAP()

class CRoutingOwner : public kt::HostWindow
{
protected:
	afx_msg void OnCopy() { g_handled.push_back("owner"); }
	afx_msg void OnButton() { g_handled.push_back("owner-button"); }
	DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CRoutingOwner, kt::HostWindow)
	ON_COMMAND(ID_EDIT_COPY, &CRoutingOwner::OnCopy)
	ON_COMMAND(IDC_BUTTON, &CRoutingOwner::OnButton)
END_MESSAGE_MAP()

class CRoutingDialog : public CDialog
{
protected:
	afx_msg void OnCut() { g_handled.push_back("dialog"); }
	DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CRoutingDialog, CDialog)
	ON_COMMAND(ID_EDIT_CUT, &CRoutingDialog::OnCut)
END_MESSAGE_MAP()

TEST(Dialog, CommandsGoToTheDialogItsOwnerThenTheApplication)
{
	CRoutingApp app;
	CRoutingOwner owner;
	kt::DialogTemplate tpl = MakeTemplate();
	CRoutingDialog dlg;
	ASSERT_TRUE(dlg.CreateIndirect(tpl.Get(), &owner));
	const struct
	{
		UINT nID;
		const char* pszHandler; // NULL: nobody
	} cases[] = {
		{ ID_EDIT_CUT, "dialog" },
		{ ID_EDIT_COPY, "owner" },
		{ ID_EDIT_PASTE, "app" },
		{ ID_EDIT_UNDO, NULL },
		// A control's id is the dialog's business only.
		{ IDC_BUTTON, NULL },
	};
	for (const auto& c : cases)
	{
		g_handled.clear();
		dlg.SendMessage(WM_COMMAND, MAKEWPARAM(c.nID, 0), 0);
		EXPECT_EQ(c.pszHandler != NULL ? std::vector<std::string>{ c.pszHandler }
									   : std::vector<std::string>{},
			g_handled)
			<< "command " << c.nID;
	}

	// Update requests take the same route.
	g_handled.clear();
	CCmdUI state;
	state.m_nID = ID_EDIT_SELECT_ALL;
	state.DoUpdate(&dlg, FALSE);
	EXPECT_EQ(std::vector<std::string>{ "app-update" }, g_handled);
	dlg.DestroyWindow();
}

// Asks for idle time three times, then ends; a timer ends it if the loop
// stops asking.
class CKickIdleDialog : public CDialog
{
public:
	std::vector<LPARAM> m_idleCounts;

	virtual BOOL OnInitDialog() override
	{
		SetTimer(1, 2000, NULL);
		return CDialog::OnInitDialog();
	}

protected:
	afx_msg LRESULT OnKickIdle(WPARAM, LPARAM lCount)
	{
		m_idleCounts.push_back(lCount);
		if (lCount == 3)
			EndDialog(IDOK);
		return lCount < 3;
	}
	afx_msg void OnTimer(UINT_PTR) { EndDialog(IDABORT); }
	DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CKickIdleDialog, CDialog)
	ON_MESSAGE(WM_KICKIDLE, &CKickIdleDialog::OnKickIdle)
	ON_WM_TIMER()
END_MESSAGE_MAP()

TEST(Dialog, ModalLoopKeepsKickingIdleWhileAskedTo)
{
	kt::DialogTemplate tpl = MakeTemplate();
	CKickIdleDialog dlg;
	ASSERT_TRUE(dlg.InitModalIndirect(tpl.Get()));
	EXPECT_EQ(IDOK, dlg.DoModal());
	EXPECT_EQ((std::vector<LPARAM>{ 0, 1, 2, 3 }), dlg.m_idleCounts);
}

} // namespace
