// MessageMapTest.cpp - message maps: dispatch order, registered messages, Default(), commands and CCmdUI.
//
// Classes in this file:
//   CBaseWnd, CDerivedWnd, CCommandWnd, CFrameTarget, CSelfUpdatingButton, CPanelWnd

#include <afxwin.h>
#include <afxpriv.h>

#include <kavrotest/TestSupport.h>

#include <string>
#include <tuple>
#include <vector>

namespace
{

// Assigned after the maps below are first used: entries read it late.
UINT g_nRegisteredMsg = 0;

using Call = std::tuple<UINT, WPARAM, LPARAM>;
std::vector<Call> g_originalCalls;

// The procedure of the window before the framework subclasses it.
LRESULT CALLBACK OriginalProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
	if (message != WM_KEYDOWN && message != WM_APP && message != WM_APP + 1)
		return ::DefWindowProcA(hWnd, message, wParam, lParam);
	g_originalCalls.emplace_back(message, wParam, lParam);
	return 1000 + static_cast<LRESULT>(wParam);
}

class CBaseWnd : public CWnd
{
public:
	std::vector<std::string> m_calls;

protected:
	afx_msg void OnTimer(UINT_PTR nIDEvent) { m_calls.push_back("base-timer" + std::to_string(nIDEvent)); }
	afx_msg void OnSize(UINT, int cx, int cy)
	{
		m_calls.push_back("base-size" + std::to_string(cx) + "x" + std::to_string(cy));
	}
	afx_msg LRESULT OnRegistered(WPARAM wParam, LPARAM) { return wParam + 1; }
	DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBaseWnd, CWnd)
	ON_WM_TIMER()
	ON_WM_SIZE()
	ON_REGISTERED_MESSAGE(g_nRegisteredMsg, &CBaseWnd::OnRegistered)
END_MESSAGE_MAP()

class CDerivedWnd : public CBaseWnd
{
public:
	LRESULT m_lNested = 0;
	MSG m_current = {};

protected:
	afx_msg void OnTimer(UINT_PTR nIDEvent) { m_calls.push_back("derived-timer" + std::to_string(nIDEvent)); }
	afx_msg void OnKeyDown(UINT, UINT, UINT)
	{
		// Changed arguments do not travel: the base passes the message's own.
		CWnd::OnKeyDown('Z', 99, 99);
	}
	afx_msg LRESULT OnApp(WPARAM, LPARAM)
	{
		// A nested message has its own current message; ours comes back.
		m_lNested = SendMessage(WM_APP + 1, 5, 6);
		m_current = *GetCurrentMessage();
		return Default();
	}
	DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDerivedWnd, CBaseWnd)
	ON_WM_TIMER()
	ON_WM_KEYDOWN()
	ON_MESSAGE(WM_APP, &CDerivedWnd::OnApp)
END_MESSAGE_MAP()

TEST(MessageMap, DerivedEntriesWinAndDefaultPassesTheOriginalArgumentsToThePreviousProcedure)
{
	WNDCLASSA wc = {};
	wc.lpfnWndProc = &OriginalProc;
	wc.lpszClassName = "KavroAfxOriginal";
	::RegisterClassA(&wc);
	HWND hWnd = ::CreateWindowExA(0, wc.lpszClassName, "", WS_POPUP, 0, 0, 10, 10, NULL, NULL, NULL, NULL);
	g_nRegisteredMsg = 0;
	CDerivedWnd wnd;
	ASSERT_TRUE(wnd.SubclassWindow(hWnd));
	wnd.SendMessage(WM_TIMER, 7);
	wnd.SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(30, 20));
	EXPECT_EQ((std::vector<std::string>{ "derived-timer7", "base-size30x20" }), wnd.m_calls);
	// The variable behind ON_REGISTERED_MESSAGE is read when a message comes.
	g_nRegisteredMsg = ::RegisterWindowMessageA("kavro.afx.tests.registered");
	EXPECT_EQ(42, wnd.SendMessage(g_nRegisteredMsg, 41));

	// Messages without an entry, and Default(), reach the original procedure.
	g_originalCalls.clear();
	::SendMessageA(hWnd, WM_KEYDOWN, 'A', 0x001E0001);
	EXPECT_EQ(1003, ::SendMessageA(hWnd, WM_APP, 3, 4));
	EXPECT_EQ(1005, wnd.m_lNested);
	EXPECT_EQ((std::vector<Call>{ { WM_KEYDOWN, 'A', 0x001E0001 }, { WM_APP + 1, 5, 6 }, { WM_APP, 3, 4 } }),
		g_originalCalls);
	EXPECT_EQ(static_cast<UINT>(WM_APP), wnd.m_current.message);
	EXPECT_EQ(hWnd, wnd.m_current.hwnd);
}

/////////////////////////////////////////////////////////////////////////////
// Commands and update requests

// Runs any command up to ID_EDIT_CUT; Cut's update handler decides whether it
// is enabled, and checks it.
class CCommandWnd : public CWnd
{
public:
	std::vector<UINT> m_run;
	BOOL m_bEnableCut = TRUE;

protected:
	afx_msg void OnAnyCommand(UINT nID) { m_run.push_back(nID); }
	afx_msg void OnUpdateCut(CCmdUI* pCmdUI)
	{
		pCmdUI->Enable(m_bEnableCut);
		pCmdUI->SetCheck(1);
	}
	DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCommandWnd, CWnd)
	ON_COMMAND_RANGE(0, ID_EDIT_CUT, &CCommandWnd::OnAnyCommand)
	ON_UPDATE_COMMAND_UI(ID_EDIT_CUT, &CCommandWnd::OnUpdateCut)
END_MESSAGE_MAP()

TEST(Commands, MenuCommandsRunUnlessDisabledOrZero)
{
	CCommandWnd wnd;
	ASSERT_TRUE(wnd.CreateEx(0, NULL, "commands", WS_POPUP, CRect(0, 0, 50, 50), NULL, 0));
	// Menu items send code 0, accelerators code 1; neither has a control.
	const struct
	{
		UINT nID;
		WORD wCode;
		BOOL bEnableCut;
		bool bRun;
	} kCases[] = {
		{ ID_EDIT_COPY, 0, FALSE, true },
		{ ID_EDIT_COPY, 1, FALSE, true },
		{ ID_EDIT_CUT, 0, FALSE, false },
		{ ID_EDIT_CUT, 1, FALSE, false },
		{ ID_EDIT_CUT, 1, TRUE, true },
		{ ID_EDIT_PASTE, 0, TRUE, false },
		{ 0, 0, TRUE, false },
	};
	for (const auto& c : kCases)
	{
		wnd.m_run.clear();
		wnd.m_bEnableCut = c.bEnableCut;
		wnd.SendMessage(WM_COMMAND, MAKEWPARAM(c.nID, c.wCode), 0);
		EXPECT_EQ(c.bRun ? std::vector<UINT>{ c.nID } : std::vector<UINT>{}, wnd.m_run)
			<< "command " << c.nID << " code " << c.wCode;
	}
}

TEST(Commands, UpdateRequestsSetTheStateOfMenuItemsAndRunNothing)
{
	CCommandWnd wnd;
	ASSERT_TRUE(wnd.CreateEx(0, NULL, "update", WS_POPUP, CRect(0, 0, 50, 50), NULL, 0));
	wnd.m_bEnableCut = FALSE;
	CMenu menu;
	ASSERT_TRUE(menu.CreatePopupMenu());
	// Copy has a handler and no update entry; Cut's update entry disables and
	// checks it; Paste has no handler at all.
	const struct
	{
		UINT nID;
		UINT nState;
	} kItems[] = { { ID_EDIT_COPY, 0 }, { ID_EDIT_CUT, MF_GRAYED | MF_CHECKED },
		{ ID_EDIT_PASTE, MF_GRAYED } };
	for (const auto& item : kItems)
		menu.AppendMenu(MF_STRING, item.nID, "item");
	for (UINT nIndex = 0; nIndex < 3; nIndex++)
	{
		CCmdUI state;
		state.m_pMenu = &menu;
		state.m_nIndex = nIndex;
		state.m_nIndexMax = 3;
		state.m_nID = kItems[nIndex].nID;
		state.DoUpdate(&wnd, TRUE);
		EXPECT_EQ(kItems[nIndex].nState,
			::GetMenuState(menu.m_hMenu, nIndex, MF_BYPOSITION) & (MF_GRAYED | MF_CHECKED))
			<< kItems[nIndex].nID;
	}
	EXPECT_TRUE(wnd.m_run.empty());
}

TEST(Commands, WaitCursorIsCountedAndSurvivesTheMouse)
{
	CWinApp* pApp = AfxGetApp();
	ASSERT_NE(nullptr, pApp);
	CWnd wnd;
	ASSERT_TRUE(wnd.CreateEx(0, NULL, "wait", WS_POPUP | WS_VISIBLE, CRect(0, 0, 100, 100), NULL, 0));
	HWND hWndChild = ::CreateWindowExA(0, "BUTTON", "child", WS_CHILD | WS_VISIBLE, 0, 0, 50, 20, wnd.m_hWnd,
		NULL, NULL, NULL);
	// What the cursor is after the mouse moved over the window.
	auto cursorOver = [](HWND hWnd)
	{
		::SendMessageA(hWnd, WM_SETCURSOR, reinterpret_cast<WPARAM>(hWnd),
			MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
		return ::GetCursor();
	};
	HCURSOR hWait = ::LoadCursor(NULL, IDC_WAIT);
	CCmdTarget target;
	int nBefore = pApp->m_nWaitCursorCount;
	target.BeginWaitCursor();
	target.BeginWaitCursor();
	EXPECT_EQ(nBefore + 2, pApp->m_nWaitCursorCount);
	// The framework's windows, and the controls on them, keep the hourglass.
	EXPECT_EQ(hWait, cursorOver(wnd.m_hWnd));
	EXPECT_EQ(hWait, cursorOver(hWndChild));
	target.EndWaitCursor();
	target.EndWaitCursor();
	EXPECT_EQ(::LoadCursor(NULL, IDC_ARROW), cursorOver(hWndChild));
	// One end too many does not go below zero.
	target.EndWaitCursor();
	EXPECT_EQ(0, pApp->m_nWaitCursorCount);
}

/////////////////////////////////////////////////////////////////////////////
// Command UI of child controls

const UINT ID_OWN = 0x8101, ID_REFLECTED = 0x8102, ID_TARGET = 0x8103, ID_COMMAND_ONLY = 0x8104,
		   ID_NO_HANDLER = 0x8105, IDC_LABEL = 200, IDC_AUTOCHECK = 201, IDC_PANE = 202;

// Stands where an application's main frame would: the last stop of the route.
class CFrameTarget : public CCmdTarget
{
protected:
	afx_msg void OnUpdateTarget(CCmdUI* pCmdUI) { pCmdUI->SetCheck(1); }
	afx_msg void OnCommandOnly() {}
	DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CFrameTarget, CCmdTarget)
	ON_UPDATE_COMMAND_UI(ID_TARGET, &CFrameTarget::OnUpdateTarget)
	ON_COMMAND(ID_COMMAND_ONLY, &CFrameTarget::OnCommandOnly)
END_MESSAGE_MAP()

// Updates its own state, whatever its parent says.
class CSelfUpdatingButton : public CButton
{
protected:
	afx_msg void OnUpdateSelf(CCmdUI* pCmdUI) { pCmdUI->SetText("reflected"); }
	DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CSelfUpdatingButton, CButton)
	ON_UPDATE_COMMAND_UI_REFLECT(&CSelfUpdatingButton::OnUpdateSelf)
END_MESSAGE_MAP()

// Updates its controls at WM_IDLEUPDATECMDUI, as a dialog bar does.
class CPanelWnd : public CWnd
{
public:
	std::vector<WPARAM> m_idleUpdates;
	CCmdTarget* m_pTarget = NULL;

protected:
	afx_msg void OnUpdateOwn(CCmdUI* pCmdUI) { pCmdUI->Enable(FALSE); }
	afx_msg void OnUpdateReflected(CCmdUI* pCmdUI) { pCmdUI->SetText("parent"); }
	afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM)
	{
		m_idleUpdates.push_back(wParam);
		if (m_pTarget != NULL)
			UpdateDialogControls(m_pTarget, static_cast<BOOL>(wParam));
		return 0;
	}
	DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CPanelWnd, CWnd)
	ON_UPDATE_COMMAND_UI(ID_OWN, &CPanelWnd::OnUpdateOwn)
	ON_UPDATE_COMMAND_UI(ID_REFLECTED, &CPanelWnd::OnUpdateReflected)
	ON_MESSAGE(WM_IDLEUPDATECMDUI, &CPanelWnd::OnIdleUpdateCmdUI)
END_MESSAGE_MAP()

// The idle processing of the thread's message loop, with pWnd as the main
// window.
void RunIdle(CWnd* pMainWnd)
{
	CWinThread* pThread = AfxGetThread();
	CWnd* pOldMainWnd = pThread->m_pMainWnd;
	pThread->m_pMainWnd = pMainWnd;
	kt::RunIdle();
	pThread->m_pMainWnd = pOldMainWnd;
}

TEST(CommandUI, IdleTimeUpdatesTheControlsOfTheMainWindow)
{
	CFrameTarget target;
	CPanelWnd panel, pane;
	panel.m_pTarget = &target;
	ASSERT_TRUE(panel.CreateEx(0, NULL, "panel", WS_POPUP | WS_VISIBLE, CRect(0, 0, 300, 200), NULL, 0));
	ASSERT_TRUE(pane.Create(NULL, "pane", WS_CHILD, CRect(0, 0, 10, 10), &panel, IDC_PANE));
	CSelfUpdatingButton reflected;
	ASSERT_TRUE(reflected.Create("button", WS_CHILD | WS_VISIBLE, CRect(0, 0, 60, 20), &panel, ID_REFLECTED));
	const struct
	{
		const char* pszClass;
		DWORD dwStyle;
		UINT nID;
		bool bEnabled;
		UINT nCheck;
	} controls[] = {
		{ "BUTTON", BS_PUSHBUTTON, ID_OWN, false, BST_UNCHECKED },
		// Checked by the target, but it has no command to run.
		{ "BUTTON", BS_CHECKBOX, ID_TARGET, false, BST_CHECKED },
		{ "BUTTON", BS_PUSHBUTTON, ID_COMMAND_ONLY, true, BST_UNCHECKED },
		{ "BUTTON", BS_PUSHBUTTON, ID_NO_HANDLER, false, BST_UNCHECKED },
		{ "BUTTON", BS_AUTOCHECKBOX, IDC_AUTOCHECK, true, BST_UNCHECKED },
		{ "STATIC", SS_LEFT, IDC_LABEL, true, BST_UNCHECKED },
	};
	for (const auto& c : controls)
		::CreateWindowExA(0, c.pszClass, "c", WS_CHILD | WS_VISIBLE | c.dwStyle, 0, 30, 60, 20, panel.m_hWnd,
			reinterpret_cast<HMENU>(static_cast<UINT_PTR>(c.nID)), NULL, NULL);

	// The visible main window and its bound descendants are asked to update,
	// disabling what nobody handles.
	RunIdle(&panel);
	EXPECT_EQ(std::vector<WPARAM>{ TRUE }, panel.m_idleUpdates);
	EXPECT_EQ(std::vector<WPARAM>{ TRUE }, pane.m_idleUpdates);
	for (const auto& c : controls)
	{
		HWND hWnd = ::GetDlgItem(panel.m_hWnd, static_cast<int>(c.nID));
		EXPECT_EQ(c.bEnabled, ::IsWindowEnabled(hWnd) != FALSE) << c.nID;
		EXPECT_EQ(c.nCheck, ::SendMessageA(hWnd, BM_GETCHECK, 0, 0)) << c.nID;
	}
	// The control's own reflected entry comes before its parent's.
	CString strText;
	reflected.GetWindowText(strText);
	EXPECT_EQ(CString("reflected"), strText);

	// A hidden main window is left alone.
	panel.ShowWindow(SW_HIDE);
	RunIdle(&panel);
	EXPECT_EQ(1u, panel.m_idleUpdates.size());
}

} // namespace
