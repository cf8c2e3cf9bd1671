// HeaderTest.cpp - the framework's headers as an MFC application uses them.
//
// Classes in this file:
//   CColorView, CTestForm, CMenuWatcher
//
// Views, the menu and mouse-leave map entries, DEBUG_NEW, and nothing of the
// headers' own helpers left defined for the code that includes them.
#include <afxwin.h>
#include <afxext.h>
#include <afxcmn.h>
#include <afxdlgs.h>
#include <afxpriv.h>

#include <kavrotest/TestSupport.h>

#if defined(AFX_DECLARE_CTRL_IMAGES) || defined(AFX_DECLARE_LIST_ITEMS) || \
	defined(AFX_DECLARE_OWNERDRAW_ITEMS) || defined(AFX_MSG_THIS) || defined(AFX_PRINTF_FORMAT)
#error "a helper macro of the framework's headers is left defined"
#endif

// As MFC application sources start.
#define new DEBUG_NEW

namespace
{

class CColorView : public CView
{
public:
	virtual void OnDraw(CDC* pDC) override
	{
		CRect rc;
		GetClientRect(&rc);
		pDC->FillSolidRect(&rc, RGB(0, 128, 255));
	}
};

class CTestForm : public CFormView
{
public:
	CTestForm()
		: CFormView(1u)
	{
	}
};

TEST(Headers, ViewsPaintThroughOnDrawAndFormsAreViews)
{
	kt::HostWindow host;
	CColorView* pView = new CColorView;
	ASSERT_TRUE(pView->Create(NULL, NULL, WS_CHILD | WS_VISIBLE, CRect(10, 10, 50, 40), &host, 1));
	kt::FlushPaint(pView->m_hWnd);
	EXPECT_EQ(40 * 30, kt::Snapshot(pView->m_hWnd).Count(RGB(0, 128, 255)));
	delete pView;

	CTestForm form;
	EXPECT_TRUE(form.IsKindOf(RUNTIME_CLASS(CView)));
	EXPECT_FALSE(form.IsKindOf(RUNTIME_CLASS(CDialog)));
}

class CMenuWatcher : public kt::HostWindow
{
public:
	UINT m_nChar = 0, m_nCharFlags = 0, m_nUninitFlags = 0xFFFF;
	HMENU m_hCharMenu = NULL, m_hUninitMenu = NULL;
	int m_nNcLeave = 0;

protected:
	afx_msg LRESULT OnMenuChar(UINT nChar, UINT nFlags, CMenu* pMenu)
	{
		m_nChar = nChar;
		m_nCharFlags = nFlags;
		m_hCharMenu = pMenu->GetSafeHmenu();
		return MAKELRESULT(2, MNC_EXECUTE);
	}
	afx_msg void OnUnInitMenuPopup(CMenu* pPopupMenu, UINT nFlags)
	{
		m_hUninitMenu = pPopupMenu->GetSafeHmenu();
		m_nUninitFlags = nFlags;
	}
	afx_msg void OnNcMouseLeave() { m_nNcLeave++; }
	DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CMenuWatcher, kt::HostWindow)
	ON_WM_MENUCHAR()
	ON_WM_UNINITMENUPOPUP()
	ON_WM_NCMOUSELEAVE()
END_MESSAGE_MAP()

TEST(Headers, MenuAndMouseLeaveEntriesCrackTheirMessages)
{
	CMenuWatcher wnd;
	CMenu menu;
	ASSERT_TRUE(menu.CreatePopupMenu());
	LPARAM lMenu = reinterpret_cast<LPARAM>(menu.m_hMenu);

	EXPECT_EQ(MAKELRESULT(2, MNC_EXECUTE), wnd.SendMessage(WM_MENUCHAR, MAKEWPARAM('x', MF_POPUP), lMenu));
	EXPECT_EQ(static_cast<UINT>('x'), wnd.m_nChar);
	EXPECT_EQ(static_cast<UINT>(MF_POPUP), wnd.m_nCharFlags);
	EXPECT_EQ(menu.m_hMenu, wnd.m_hCharMenu);

	wnd.SendMessage(WM_UNINITMENUPOPUP, static_cast<WPARAM>(lMenu), MAKELPARAM(0, MF_SYSMENU));
	EXPECT_EQ(menu.m_hMenu, wnd.m_hUninitMenu);
	EXPECT_EQ(static_cast<UINT>(MF_SYSMENU), wnd.m_nUninitFlags);

	wnd.SendMessage(WM_NCMOUSELEAVE);
	EXPECT_EQ(1, wnd.m_nNcLeave);
}

} // namespace
