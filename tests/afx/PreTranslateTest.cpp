// PreTranslateTest.cpp - the PreTranslateMessage walk of the thread's pump.
//
// Classes in this file:
//   CWalkWnd, CWalkWindows

#include <afxwin.h>

#include <kavrotest/TestSupport.h>

#include <string>
#include <vector>

namespace
{

using Walk = std::vector<std::string>;
Walk g_walk;

class CWalkWnd : public CWnd
{
public:
	explicit CWalkWnd(const char* pszName)
		: m_strName(pszName)
	{
	}

	virtual BOOL PreTranslateMessage(MSG* pMsg) override
	{
		if (pMsg->message == WM_KEYDOWN || pMsg->message == WM_APP)
			g_walk.push_back(m_strName);
		return m_bTake && pMsg->message == WM_KEYDOWN;
	}

	std::string m_strName;
	bool m_bTake = false;
	int m_nKeyDowns = 0;

protected:
	afx_msg void OnKeyDown(UINT, UINT, UINT) { m_nKeyDowns++; }
	DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CWalkWnd, CWnd)
	ON_WM_KEYDOWN()
END_MESSAGE_MAP()

// A main window with a panel holding a control, and another top-level
// window with a child; the main window is the thread's while they live.
struct CWalkWindows
{
	CWalkWindows()
	{
		m_main.CreateEx(0, NULL, "main", WS_POPUP | WS_VISIBLE, CRect(0, 0, 200, 200), NULL, 0);
		m_panel.Create(NULL, "panel", WS_CHILD | WS_VISIBLE, CRect(0, 0, 150, 150), &m_main, 1);
		m_control.Create(NULL, "control", WS_CHILD | WS_VISIBLE, CRect(0, 0, 50, 50), &m_panel, 2);
		m_other.CreateEx(0, NULL, "other", WS_POPUP | WS_VISIBLE, CRect(300, 0, 400, 100), NULL, 0);
		m_otherChild.Create(NULL, "other child", WS_CHILD | WS_VISIBLE, CRect(0, 0, 50, 50), &m_other, 3);
		m_pOldMain = AfxGetThread()->m_pMainWnd;
		AfxGetThread()->m_pMainWnd = &m_main;
		kt::PumpPending();
		g_walk.clear();
	}
	// Reset first: destroying the main window would end the thread's loop.
	~CWalkWindows() { AfxGetThread()->m_pMainWnd = m_pOldMain; }

	CWnd* m_pOldMain;
	CWalkWnd m_main{ "main" };
	CWalkWnd m_panel{ "panel" };
	CWalkWnd m_control{ "control" };
	CWalkWnd m_other{ "other" };
	CWalkWnd m_otherChild{ "other-child" };
};

TEST(PreTranslate, PumpsWalkFromTheWindowUpToTheMainWindowUntilOneTakesTheMessage)
{
	enum Pump
	{
		kTestPump,
		kThreadPump,
		kAfxPump,
		kSent
	};
	const struct
	{
		const char* name;
		bool bOther;  // to the other top-level window's child, not the control
		UINT message; // WM_KEYDOWN, which the panel may take, or WM_APP
		bool bPanelTakes;
		Pump pump;
		Walk walk;
	} kCases[] = {
		{ "through the test pump", false, WM_KEYDOWN, false, kTestPump, { "control", "panel", "main" } },
		{ "taken by the panel", false, WM_KEYDOWN, true, kTestPump, { "control", "panel" } },
		// The main window gets a last chance at other top-level windows' messages.
		{ "another top-level window", true, WM_APP, false, kTestPump, { "other-child", "other", "main" } },
		{ "sent, not posted", false, WM_KEYDOWN, false, kSent, {} },
		{ "CWinThread::PumpMessage", false, WM_KEYDOWN, false, kThreadPump, { "control", "panel", "main" } },
		{ "AfxPumpMessage, taken", false, WM_KEYDOWN, true, kAfxPump, { "control", "panel" } },
	};
	for (const auto& c : kCases)
	{
		SCOPED_TRACE(c.name);
		CWalkWindows w;
		w.m_panel.m_bTake = c.bPanelTakes;
		CWalkWnd& target = c.bOther ? w.m_otherChild : w.m_control;
		if (c.pump == kSent)
			target.SendMessage(c.message, VK_APPS);
		else
			target.PostMessage(c.message, VK_APPS);
		if (c.pump == kTestPump)
			kt::PumpPending();
		else if (c.pump != kSent)
		{
			ASSERT_TRUE(c.pump == kThreadPump ? AfxGetThread()->PumpMessage() : AfxPumpMessage());
		}
		EXPECT_EQ(c.walk, g_walk);
		// Taken means not dispatched.
		EXPECT_EQ(c.message == WM_KEYDOWN && !c.bPanelTakes ? 1 : 0, target.m_nKeyDowns);
	}
}

} // namespace
