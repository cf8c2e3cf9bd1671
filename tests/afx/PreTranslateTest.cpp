// PreTranslateTest.cpp - the PreTranslateMessage walk of the thread's pump.
//
// Classes in this file:
//   CWalkWnd, PreTranslateTest

#include <afxwin.h>

#include <kavrotest/TestSupport.h>

#include <string>
#include <vector>

namespace
{

std::vector<std::string> g_walk;

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

class PreTranslateTest : public ::testing::Test
{
protected:
	virtual void SetUp() override
	{
		g_walk.clear();
		ASSERT_TRUE(m_main.CreateEx(0, NULL, "main", WS_POPUP | WS_VISIBLE, CRect(0, 0, 200, 200), NULL, 0));
		ASSERT_TRUE(m_panel.Create(NULL, "panel", WS_CHILD | WS_VISIBLE, CRect(0, 0, 150, 150), &m_main, 1));
		ASSERT_TRUE(
			m_control.Create(NULL, "control", WS_CHILD | WS_VISIBLE, CRect(0, 0, 50, 50), &m_panel, 2));
		ASSERT_TRUE(
			m_other.CreateEx(0, NULL, "other", WS_POPUP | WS_VISIBLE, CRect(300, 0, 400, 100), NULL, 0));
		ASSERT_TRUE(m_otherChild.Create(NULL, "other child", WS_CHILD | WS_VISIBLE, CRect(0, 0, 50, 50),
			&m_other, 3));
		m_pThread = AfxGetThread();
		ASSERT_NE(nullptr, m_pThread);
		m_pOldMain = m_pThread->m_pMainWnd;
		m_pThread->m_pMainWnd = &m_main;
		kt::PumpPending();
		g_walk.clear();
	}

	virtual void TearDown() override
	{
		// Reset first: destroying the main window would end the thread's loop.
		m_pThread->m_pMainWnd = m_pOldMain;
	}

	CWinThread* m_pThread = NULL;
	CWnd* m_pOldMain = NULL;
	CWalkWnd m_main{ "main" };
	CWalkWnd m_panel{ "panel" };
	CWalkWnd m_control{ "control" };
	CWalkWnd m_other{ "other" };
	CWalkWnd m_otherChild{ "other-child" };
};

TEST_F(PreTranslateTest, WalksFromTheControlUpToTheMainWindow)
{
	m_control.PostMessage(WM_KEYDOWN, VK_APPS, 0);
	kt::PumpPending();
	EXPECT_EQ((std::vector<std::string>{ "control", "panel", "main" }), g_walk);
	EXPECT_EQ(1, m_control.m_nKeyDowns);
}

TEST_F(PreTranslateTest, StopsAtTheFirstWindowThatTakesTheMessage)
{
	m_panel.m_bTake = true;
	m_control.PostMessage(WM_KEYDOWN, VK_F10, 0);
	kt::PumpPending();
	EXPECT_EQ((std::vector<std::string>{ "control", "panel" }), g_walk);
	// Taken means not dispatched.
	EXPECT_EQ(0, m_control.m_nKeyDowns);
}

TEST_F(PreTranslateTest, MainWindowGetsALastChanceForOtherTopLevelWindows)
{
	m_otherChild.PostMessage(WM_APP);
	kt::PumpPending();
	EXPECT_EQ((std::vector<std::string>{ "other-child", "other", "main" }), g_walk);
}

TEST_F(PreTranslateTest, SentMessagesDoNotPassThroughTheWalk)
{
	m_control.SendMessage(WM_KEYDOWN, VK_HOME, 0);
	EXPECT_TRUE(g_walk.empty());
	EXPECT_EQ(1, m_control.m_nKeyDowns);
}

TEST_F(PreTranslateTest, TheFrameworksOwnPumpWalksToo)
{
	m_control.PostMessage(WM_KEYDOWN, VK_APPS, 0);
	ASSERT_TRUE(m_pThread->PumpMessage());
	EXPECT_EQ((std::vector<std::string>{ "control", "panel", "main" }), g_walk);
	EXPECT_EQ(1, m_control.m_nKeyDowns);

	g_walk.clear();
	m_panel.m_bTake = true;
	m_control.PostMessage(WM_KEYDOWN, VK_APPS, 0);
	ASSERT_TRUE(AfxPumpMessage());
	EXPECT_EQ((std::vector<std::string>{ "control", "panel" }), g_walk);
	EXPECT_EQ(1, m_control.m_nKeyDowns);
}

} // namespace
