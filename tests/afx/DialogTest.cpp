// DialogTest.cpp - dialogs: templates, init data, the modal loop, placement, data exchange and routing.
//
// Classes in this file:
//   CBoundButton, CKeyEdit, CTestDialog, COwnerWnd, CComboDialog, CRoutingApp, CKickIdleDialog

#include <afxwin.h>

#include <kavrotest/TestSupport.h>

#include "resource.h"

#include <string>
#include <vector>

namespace
{

const int IDC_EDIT = 301, IDC_BUTTON = 302;

const UINT WM_TEST_END = WM_APP + 10;

// Who handled a command, for the routing test.
std::vector<std::string> g_handled;

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
	int m_nKeys = 0;
	virtual BOOL PreTranslateMessage(MSG* pMsg) override
	{
		m_nKeys += pMsg->message == WM_KEYDOWN;
		return CEdit::PreTranslateMessage(pMsg);
	}
};

class CTestDialog : public CDialog
{
public:
	CString m_strText = "before";
	CBoundButton m_button;
	CKeyEdit m_edit;
	int m_nEndInInit = 0;       // non-zero: EndDialog from OnInitDialog
	int m_nMissingID = 0;       // non-zero: also exchange a control the dialog lacks
	bool m_bMoveInInit = false; // to (7, 9)

	virtual BOOL OnInitDialog() override
	{
		BOOL bResult = CDialog::OnInitDialog();
		if (m_bMoveInInit)
			SetWindowPos(NULL, 7, 9, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
		if (m_nEndInInit != 0)
			EndDialog(m_nEndInInit);
		return bResult;
	}

protected:
	virtual void DoDataExchange(CDataExchange* pDX) override
	{
		DDX_Control(pDX, IDC_BUTTON, m_button);
		DDX_Control(pDX, IDC_EDIT, m_edit);
		DDX_Text(pDX, IDC_EDIT, m_strText);
		if (m_nMissingID != 0)
			DDX_Text(pDX, m_nMissingID, m_strText);
	}

	afx_msg LRESULT OnTestEnd(WPARAM wParam, LPARAM)
	{
		EndDialog(static_cast<int>(wParam));
		return 0;
	}
	afx_msg void OnCut() { g_handled.push_back("dialog"); }
	DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTestDialog, CDialog)
	ON_MESSAGE(WM_TEST_END, &CTestDialog::OnTestEnd)
	ON_COMMAND(ID_EDIT_CUT, &CTestDialog::OnCut)
END_MESSAGE_MAP()

// Owns the dialogs and answers the modal ones as a user would. When a
// dialog's loop goes idle it notes its own state and the dialog's place,
// types into the edit, then posts the answer (to item m_nItem, or to the
// dialog when 0). With no answer, or when the answer did not end the
// dialog, it destroys the dialog's window rather than wait forever.
class COwnerWnd : public kt::HostWindow
{
public:
	UINT m_nMsg = 0;
	WPARAM m_wParam = 0;
	int m_nItem = 0;
	int m_nIdle = 0;
	UINT m_nWhy = 0;
	bool m_bEnabledWhenIdle = true;
	CRect m_rcDialog;

protected:
	afx_msg void OnEnterIdle(UINT nWhy, CWnd* pWho)
	{
		m_nIdle++;
		m_nWhy = nWhy;
		m_bEnabledWhenIdle = IsWindowEnabled() != FALSE;
		pWho->GetWindowRect(&m_rcDialog);
		::SetDlgItemTextA(pWho->m_hWnd, IDC_EDIT, "typed");
		if (m_nMsg == 0 || m_nIdle > 1)
			::DestroyWindow(pWho->m_hWnd);
		else
			::PostMessageA(m_nItem != 0 ? ::GetDlgItem(pWho->m_hWnd, m_nItem) : pWho->m_hWnd, m_nMsg,
				m_wParam, 0);
	}
	afx_msg void OnCopy() { g_handled.push_back("owner"); }
	afx_msg void OnButton() { g_handled.push_back("owner-button"); }
	DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(COwnerWnd, kt::HostWindow)
	ON_WM_ENTERIDLE()
	ON_COMMAND(ID_EDIT_COPY, &COwnerWnd::OnCopy)
	ON_COMMAND(IDC_BUTTON, &COwnerWnd::OnButton)
END_MESSAGE_MAP()

TEST(Dialog, ModalLoopEndsWithTheEndDialogValueAndGivesTheOwnerBack)
{
	const INT_PTR kAny = -2;
	const struct
	{
		const char* name;
		int nEndInInit, nMissingID;
		UINT nMsg; // the owner's answer (none: it destroys the dialog)
		WPARAM wParam;
		int nItem;
		INT_PTR nResult;
		const char* pszText; // the member afterwards
		int nKeys;           // keys the edit saw before the dialog's navigation
	} kCases[] = {
		{ "EndDialog from OnInitDialog skips the loop", 7, 0, 0, 0, 0, 7, "before", 0 },
		{ "a failed first exchange ends the dialog", 0, 4242, 0, 0, 0, -1, "before", 0 },
		{ "EndDialog from a handler", 0, 0, WM_TEST_END, 42, 0, 42, "before", 0 },
		{ "OK saves the data", 0, 0, WM_COMMAND, IDOK, 0, IDOK, "typed", 0 },
		{ "Escape passes the edit, then cancels", 0, 0, WM_KEYDOWN, VK_ESCAPE, IDC_EDIT, IDCANCEL, "before",
			1 },
		{ "the window destroyed from outside", 0, 0, 0, 0, 0, kAny, "before", 0 },
	};
	for (const auto& c : kCases)
	{
		SCOPED_TRACE(c.name);
		COwnerWnd owner;
		owner.m_nMsg = c.nMsg;
		owner.m_wParam = c.wParam;
		owner.m_nItem = c.nItem;
		kt::DialogTemplate tpl = MakeTemplate();
		CTestDialog dlg;
		dlg.m_nEndInInit = c.nEndInInit;
		dlg.m_nMissingID = c.nMissingID;
		ASSERT_TRUE(dlg.InitModalIndirect(tpl.Get(), &owner));
		INT_PTR nResult = dlg.DoModal();
		if (c.nResult != kAny)
		{
			EXPECT_EQ(c.nResult, nResult);
		}
		EXPECT_EQ(CString(c.pszText), dlg.m_strText);
		EXPECT_EQ(c.nKeys, dlg.m_edit.m_nKeys);

		// The owner is disabled while the loop runs, and told when it goes
		// idle; it is enabled again afterwards.
		const bool bLoop = c.nEndInInit == 0 && c.nMissingID == 0;
		EXPECT_EQ(bLoop, owner.m_nIdle > 0);
		if (bLoop)
		{
			EXPECT_FALSE(owner.m_bEnabledWhenIdle);
			EXPECT_EQ(static_cast<UINT>(MSGF_DIALOGBOX), owner.m_nWhy);
		}
		EXPECT_TRUE(owner.IsWindowEnabled());
		EXPECT_EQ(nullptr, dlg.m_hWnd);

		// Controls bound by DDX_Control were bound once and let go with the
		// dialog.
		EXPECT_EQ(1, dlg.m_button.m_nPreSubclass);
		EXPECT_EQ(nullptr, dlg.m_button.m_hWnd);
	}
}

TEST(Dialog, DialogsAreCentredUnlessTheyPlacedThemselvesOrAreModeless)
{
	COwnerWnd owner;
	owner.m_nMsg = WM_COMMAND;
	owner.m_wParam = IDCANCEL;
	CRect rcOwner;
	owner.GetWindowRect(&rcOwner);
	kt::DialogTemplate tpl = MakeTemplate();
	for (bool bMove : { false, true })
	{
		CTestDialog dlg;
		dlg.m_bMoveInInit = bMove;
		owner.m_nIdle = 0;
		ASSERT_TRUE(dlg.InitModalIndirect(tpl.Get(), &owner));
		ASSERT_EQ(IDCANCEL, dlg.DoModal());
		if (bMove)
		{
			EXPECT_EQ(CPoint(7, 9), owner.m_rcDialog.TopLeft());
		}
		else
		{
			EXPECT_NEAR(rcOwner.CenterPoint().x, owner.m_rcDialog.CenterPoint().x, 1);
			EXPECT_NEAR(rcOwner.CenterPoint().y, owner.m_rcDialog.CenterPoint().y, 1);
		}
	}

	// Modeless with an enabled owner: where the template puts it, at (0, 0)
	// of the owner's client area.
	CTestDialog dlg;
	ASSERT_TRUE(dlg.CreateIndirect(tpl.Get(), &owner));
	CPoint ptDialog(0, 0), ptOwner(0, 0);
	dlg.ClientToScreen(&ptDialog);
	owner.ClientToScreen(&ptOwner);
	EXPECT_EQ(ptOwner, ptDialog);
}

TEST(Dialog, ModelessDialogExchangesDataBothWays)
{
	kt::HostWindow host;
	kt::DialogTemplate tpl = MakeTemplate();
	CTestDialog dlg;
	dlg.m_strText = "hello";
	ASSERT_TRUE(dlg.CreateIndirect(tpl.Get(), &host));
	// ANSI, so that controls send their notifications in the A forms.
	EXPECT_FALSE(::IsWindowUnicode(dlg.m_hWnd));

	// OnInitDialog's data exchange bound the controls and filled the edit.
	CString strEdit;
	dlg.m_edit.GetWindowText(strEdit);
	EXPECT_EQ(CString("hello"), strEdit);
	dlg.m_edit.SetWindowText("changed");
	EXPECT_TRUE(dlg.UpdateData(TRUE));
	EXPECT_EQ(CString("changed"), dlg.m_strText);

	// A text that is not a number fails the exchange and keeps the value.
	const struct
	{
		const char* pszText;
		bool bFailed;
		int nValue;
	} kNumbers[] = { { "12x", true, 5 }, { " -17 ", false, -17 } };
	for (const auto& c : kNumbers)
	{
		CDataExchange dx(&dlg, TRUE);
		int nValue = 5;
		dlg.m_edit.SetWindowText(c.pszText);
		DDX_Text(&dx, IDC_EDIT, nValue);
		EXPECT_EQ(c.bFailed, dx.m_bFailed != FALSE) << c.pszText;
		EXPECT_EQ(c.nValue, nValue) << c.pszText;
	}

	// A missing item fails the exchange; later calls of the pass do nothing.
	CDataExchange dx(&dlg, FALSE);
	CWnd missing;
	DDX_Control(&dx, 999, missing);
	EXPECT_TRUE(dx.m_bFailed);
	CButton button;
	DDX_Control(&dx, IDOK, button);
	EXPECT_EQ(nullptr, button.m_hWnd);

	HWND hWnd = dlg.m_hWnd;
	dlg.DestroyWindow();
	EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hWnd));
	EXPECT_EQ(nullptr, dlg.m_edit.m_hWnd);
}

/////////////////////////////////////////////////////////////////////////////
// Templates from resources, and their init data

// The combo box of IDD_INIT_DIALOG, exchanged as a string of at most five
// characters.
class CComboDialog : public CDialog
{
public:
	CString m_strCombo = "Four";

protected:
	virtual void DoDataExchange(CDataExchange* pDX) override
	{
		DDX_CBString(pDX, IDC_INIT_COMBO, m_strCombo);
		DDV_MaxChars(pDX, m_strCombo, 5);
	}
};

TEST(Dialog, InitDataFillsComboBoxesBeforeTheMembersComeIn)
{
	kt::HostWindow host;
	kt::DialogTemplate tpl("in memory", 120, 80, DS_SETFONT | WS_POPUP | WS_CAPTION);
	tpl.AddItem(0x0085, "", IDC_INIT_COMBO, 8, 8, 100, 60, WS_CHILD | WS_VISIBLE | CBS_DROPDOWN | WS_VSCROLL);
	// Records of control, message (the 16-bit CB_ADDSTRING that resource
	// editors write, or the 32-bit one), length, then the string.
	const BYTE kLo = LOBYTE(IDC_INIT_COMBO), kHi = HIBYTE(IDC_INIT_COMBO);
	BYTE data[] = { kLo, kHi, 0x03, 0x04, 4, 0, 0, 0, 'O', 'n', 'e', 0,                          //
		kLo, kHi, LOBYTE(CB_ADDSTRING), HIBYTE(CB_ADDSTRING), 5, 0, 0, 0, 'F', 'o', 'u', 'r', 0, //
		kLo, kHi, 0x03, 0x04, 6, 0, 0, 0, 'T', 'h', 'r', 'e', 'e', 0, 0, 0 };

	for (bool bResource : { true, false })
	{
		SCOPED_TRACE(bResource ? "from the resource" : "from memory");
		CComboDialog dlg;
		ASSERT_TRUE(
			bResource ? dlg.Create(IDD_INIT_DIALOG, &host) : dlg.CreateIndirect(tpl.Get(), &host, data));
		CComboBox* pCombo = static_cast<CComboBox*>(dlg.GetDlgItem(IDC_INIT_COMBO));
		std::vector<std::string> items;
		for (int i = 0; i < pCombo->GetCount(); i++)
		{
			CString str;
			pCombo->GetLBText(i, str);
			items.push_back(str.GetString());
		}
		EXPECT_EQ((std::vector<std::string>{ "One", "Four", "Three" }), items);
		EXPECT_EQ(1, pCombo->GetCurSel());

		// DDV_MaxChars after DDX_CBString limits what the user can type...
		HWND hWndEdit = ::GetWindow(pCombo->m_hWnd, GW_CHILD);
		EXPECT_EQ(5, ::SendMessageA(hWndEdit, EM_GETLIMITTEXT, 0, 0));
		// ... and refuses a longer text on the way back.
		pCombo->SetWindowText("Seventeen");
		EXPECT_FALSE(dlg.UpdateData(TRUE));
		pCombo->SetWindowText("Five");
		EXPECT_TRUE(dlg.UpdateData(TRUE));
		EXPECT_EQ(CString("Five"), dlg.m_strCombo);
	}
}

TEST(Dialog, MissingTemplatesFail)
{
	kt::HostWindow host;
	CDialog modeless, modal(IDD_APP_DIALOG + 77), none;
	EXPECT_FALSE(modeless.Create(IDD_APP_DIALOG + 77, &host));
	EXPECT_EQ(-1, modal.DoModal());
	EXPECT_EQ(-1, none.DoModal());
}

/////////////////////////////////////////////////////////////////////////////
// Command routing and idle time of dialogs

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
	afx_msg void OnCommandOfApp() { g_handled.push_back("app"); }
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
	ON_COMMAND(ID_EDIT_COPY, &CRoutingApp::OnCommandOfApp)
	ON_COMMAND(ID_EDIT_PASTE, &CRoutingApp::OnCommandOfApp)
	ON_UPDATE_COMMAND_UI(ID_EDIT_SELECT_ALL, &CRoutingApp::OnUpdateSelectAll)
END_MESSAGE_MAP()

TEST(Dialog, CommandsGoToTheDialogItsOwnerThenTheApplication)
{
	CRoutingApp app;
	COwnerWnd owner;
	kt::DialogTemplate tpl = MakeTemplate();
	CTestDialog dlg;
	ASSERT_TRUE(dlg.CreateIndirect(tpl.Get(), &owner));
	const struct
	{
		UINT nID;
		const char* pszHandler; // NULL: nobody
	} kCases[] = {
		{ ID_EDIT_CUT, "dialog" },
		{ ID_EDIT_COPY, "owner" },
		{ ID_EDIT_PASTE, "app" },
		{ ID_EDIT_UNDO, NULL },
		// A control's id is the dialog's business only.
		{ IDC_BUTTON, NULL },
	};
	for (const auto& c : kCases)
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
