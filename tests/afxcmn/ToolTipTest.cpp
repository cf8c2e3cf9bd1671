// ToolTipTest.cpp - CToolTipCtrl fed by RelayEvent, and the tooltips of CWnd::EnableToolTips.
//
// Classes in this file:
//   CTopHost, CTipsHost, CHalvesHost, ToolTipTest
//
// The tooltips shown for a window's children or for the tools its
// OnToolHitTest names, with their text asked on TTN_NEEDTEXT.
#include <kavrotest/TestSupport.h>

#include <afxcmn.h>

#include <string.h>

#include <string>

namespace
{

const UINT kSaveID = 10, kOpenID = 11;

// The tooltip control this thread shows (at most one is visible).
HWND VisibleTip()
{
	HWND hWndTip = NULL;
	::EnumThreadWindows(
		::GetCurrentThreadId(),
		[](HWND hWnd, LPARAM lParam)
		{
			char szClass[32];
			::GetClassNameA(hWnd, szClass, sizeof(szClass));
			if (lstrcmpiA(szClass, TOOLTIPS_CLASSA) == 0 && ::IsWindowVisible(hWnd))
				*reinterpret_cast<HWND*>(lParam) = hWnd;
			return TRUE;
		},
		reinterpret_cast<LPARAM>(&hWndTip));
	return hWndTip;
}

// The text of the tool the tip shows.
std::string CurrentTipText(HWND hWndTip)
{
	char szText[80] = "";
	TOOLINFOA ti = {};
	ti.cbSize = sizeof(ti);
	ti.lpszText = szText;
	if (!::SendMessageA(hWndTip, TTM_GETCURRENTTOOLA, 0, reinterpret_cast<LPARAM>(&ti)))
		return std::string();
	return szText;
}

// The mouse comes to rest over pt of pWnd, its centre by default: the
// cursor goes there (the tip checks it) and the move arrives through the
// queue, as the user's would.
void HoverOver(CWnd* pWnd, CPoint pt = CPoint(-1, -1))
{
	if (pt == CPoint(-1, -1))
	{
		CRect rc;
		pWnd->GetClientRect(&rc);
		pt = rc.CenterPoint();
	}
	CPoint ptScreen = pt;
	pWnd->ClientToScreen(&ptScreen);
	::SetCursorPos(ptScreen.x, ptScreen.y);
	pWnd->PostMessage(WM_MOUSEMOVE, 0, MAKELPARAM(pt.x, pt.y));
}

// The tooltip checks that the cursor is still over its tool: a host stays
// above, and away from, the windows of tests running beside this one.
class CTopHost : public kt::HostWindow
{
public:
	CTopHost() { SetWindowPos(&wndTopMost, 600, 400, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE); }
};

// A window with two buttons and a label, whose tooltips it enables; it
// answers TTN_NEEDTEXT with the text of the control asked for.
class CTipsHost : public CTopHost
{
public:
	CButton m_save, m_open;
	CStatic m_label;
	UINT_PTR m_idAsked = 0;
	UINT m_uAskedFlags = 0;

	CTipsHost()
	{
		m_save.Create("Save", WS_CHILD | WS_VISIBLE, CRect(10, 10, 110, 40), this, kSaveID);
		m_open.Create("Open", WS_CHILD | WS_VISIBLE, CRect(10, 60, 110, 90), this, kOpenID);
		m_label.Create("label", WS_CHILD | WS_VISIBLE | SS_NOTIFY, CRect(10, 110, 110, 140), this, 0xFFFF);
	}

protected:
	afx_msg BOOL OnNeedText(UINT, NMHDR* pNMHDR, LRESULT*)
	{
		TOOLTIPTEXTA* pTTT = reinterpret_cast<TOOLTIPTEXTA*>(pNMHDR);
		m_idAsked = pNMHDR->idFrom;
		m_uAskedFlags = pTTT->uFlags;
		int nID = ::GetDlgCtrlID(reinterpret_cast<HWND>(pNMHDR->idFrom));
		strcpy(pTTT->szText, nID == kSaveID ? "Save the file" : "Open a file");
		return TRUE;
	}
	DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTipsHost, CTopHost)
	ON_NOTIFY_EX(TTN_NEEDTEXT, 0, &CTipsHost::OnNeedText)
END_MESSAGE_MAP()

// Two tools of its own, the left and the right half of its client area,
// named by OnToolHitTest with their text.
class CHalvesHost : public CTopHost
{
protected:
	virtual INT_PTR OnToolHitTest(CPoint point, TOOLINFO* pTI) const override
	{
		CRect rc;
		GetClientRect(&rc);
		const bool bLeft = point.x < rc.CenterPoint().x;
		(bLeft ? rc.right : rc.left) = rc.CenterPoint().x;
		pTI->hwnd = m_hWnd;
		pTI->uId = bLeft ? 1 : 2;
		pTI->rect = rc;
		pTI->lpszText = _strdup(bLeft ? "left half" : "right half");
		return pTI->uId;
	}
};

// The cursor is one for every process of the desktop, so cases that move it
// take turns, whichever test process they run in.
class ToolTipTest : public ::testing::Test
{
protected:
	virtual void SetUp() override
	{
		m_hMouse = ::CreateMutexA(NULL, FALSE, "kavro-tests-mouse");
		ASSERT_NE(nullptr, m_hMouse);
		DWORD dwWait = ::WaitForSingleObject(m_hMouse, 60000);
		ASSERT_TRUE(dwWait == WAIT_OBJECT_0 || dwWait == WAIT_ABANDONED);
	}
	virtual void TearDown() override
	{
		// Nothing of one case stays under the mouse of the next.
		::SetCursorPos(0, 0);
		kt::PumpPending();
		::ReleaseMutex(m_hMouse);
		::CloseHandle(m_hMouse);
	}

	HANDLE m_hMouse = NULL;
};

TEST_F(ToolTipTest, RelayedMouseShowsTheToolOfTheWindowUnderIt)
{
	class CRelayHost : public CTipsHost
	{
	public:
		CToolTipCtrl m_tip;
		virtual BOOL PreTranslateMessage(MSG* pMsg) override
		{
			m_tip.RelayEvent(pMsg);
			return CTipsHost::PreTranslateMessage(pMsg);
		}
	} host;
	ASSERT_TRUE(host.m_tip.Create(&host));
	EXPECT_EQ(host.m_hWnd, ::GetWindow(host.m_tip.m_hWnd, GW_OWNER));
	host.m_tip.SetDelayTime(TTDT_INITIAL, 1);
	ASSERT_TRUE(host.m_tip.AddTool(&host.m_save, "Save the file"));
	ASSERT_TRUE(host.m_tip.AddTool(&host.m_open));
	EXPECT_EQ(2, host.m_tip.GetToolCount());
	CString strText;
	host.m_tip.GetText(strText, &host.m_save);
	EXPECT_STREQ("Save the file", strText);

	HoverOver(&host.m_save);
	ASSERT_TRUE(kt::PumpUntil([] { return VisibleTip() != NULL; }));
	EXPECT_EQ(host.m_tip.m_hWnd, VisibleTip());
	EXPECT_EQ("Save the file", CurrentTipText(VisibleTip()));

	// A tool of the window itself asks its parent for the text.
	HoverOver(&host.m_open);
	ASSERT_TRUE(kt::PumpUntil([&] { return host.m_idAsked != 0; }));
	EXPECT_EQ(reinterpret_cast<UINT_PTR>(host.m_open.m_hWnd), host.m_idAsked);
	EXPECT_TRUE(host.m_uAskedFlags & TTF_IDISHWND);
}

TEST_F(ToolTipTest, EnabledWindowShowsTheTipsOfItsChildren)
{
	CTipsHost host;
	EXPECT_FALSE(host.EnableToolTips(TRUE));
	EXPECT_TRUE(host.EnableToolTips(TRUE));

	// The child under the mouse is the tool, its text asked of the window.
	HoverOver(&host.m_save);
	ASSERT_TRUE(kt::PumpUntil([] { return VisibleTip() != NULL; }));
	EXPECT_EQ(reinterpret_cast<UINT_PTR>(host.m_save.m_hWnd), host.m_idAsked);
	EXPECT_TRUE(host.m_uAskedFlags & TTF_IDISHWND);
	EXPECT_EQ(host.m_hWnd, ::GetWindow(VisibleTip(), GW_OWNER));

	// A child without an id of its own has no tip (waited for longer than
	// the tip's initial delay); another child has its own.
	host.m_idAsked = 0;
	HoverOver(&host.m_label);
	kt::PumpFor(800);
	EXPECT_EQ(nullptr, VisibleTip());
	EXPECT_EQ(0u, host.m_idAsked);
	HoverOver(&host.m_open);
	ASSERT_TRUE(kt::PumpUntil([] { return VisibleTip() != NULL; }));
	EXPECT_EQ(reinterpret_cast<UINT_PTR>(host.m_open.m_hWnd), host.m_idAsked);

	// Disabled: the tip goes and no other comes.
	host.EnableToolTips(FALSE);
	EXPECT_TRUE(kt::PumpUntil([] { return VisibleTip() == NULL; }));
	host.m_idAsked = 0;
	HoverOver(&host.m_save);
	kt::PumpFor(800);
	EXPECT_EQ(nullptr, VisibleTip());
	EXPECT_EQ(0u, host.m_idAsked);
}

TEST_F(ToolTipTest, OnToolHitTestNamesToolsOfItsOwn)
{
	CHalvesHost host;
	host.EnableToolTips();
	const struct
	{
		CPoint pt;
		const char* text;
	} kCases[] = { { CPoint(20, 50), "left half" }, { CPoint(300, 50), "right half" } };
	for (const auto& c : kCases)
	{
		SCOPED_TRACE(c.text);
		HoverOver(&host, c.pt);
		ASSERT_TRUE(kt::PumpUntil([&] { return CurrentTipText(VisibleTip()) == c.text; }));
	}
}

} // namespace
