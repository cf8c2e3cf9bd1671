// LifetimeTest.cpp - binding objects to windows and letting go of them; temporary objects; window classes.
//
// Classes in this file:
//   CTracedWnd, CTallCombo, CRestyledStatic, CIdleDialog

#include <afxwin.h>

#include <kavrotest/TestSupport.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

namespace
{

using Events = std::vector<std::string>;
Events g_events;

class CTracedWnd : public CWnd
{
public:
	WNDPROC m_pfnAtPreSubclass = NULL;
	CWnd* m_pWndInitAtPreSubclass = NULL;
	bool m_bDeleteSelf = false;
	bool m_bSkipBaseNcDestroy = false; // as a handler that forgets to call the base

	virtual ~CTracedWnd() override { g_events.push_back("deleted"); }

	virtual void PreSubclassWindow() override
	{
		g_events.push_back("presubclass");
		m_pfnAtPreSubclass = reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(m_hWnd, GWLP_WNDPROC));
		m_pWndInitAtPreSubclass = AfxGetThreadState()->m_pWndInit;
	}

protected:
	virtual void PostNcDestroy() override
	{
		g_events.push_back("postncdestroy");
		if (m_bDeleteSelf)
			delete this;
	}
	afx_msg BOOL OnNcCreate(LPCREATESTRUCT lpcs)
	{
		g_events.push_back("nccreate");
		return CWnd::OnNcCreate(lpcs);
	}
	afx_msg int OnCreate(LPCREATESTRUCT lpcs)
	{
		g_events.push_back("create");
		return CWnd::OnCreate(lpcs);
	}
	afx_msg void OnNcDestroy()
	{
		g_events.push_back("ncdestroy");
		if (!m_bSkipBaseNcDestroy)
			CWnd::OnNcDestroy();
	}
	DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTracedWnd, CWnd)
	ON_WM_NCCREATE()
	ON_WM_CREATE()
	ON_WM_NCDESTROY()
END_MESSAGE_MAP()

HWND CreatePlain(const char* pszClass)
{
	return ::CreateWindowExA(0, pszClass, "", WS_POPUP, 0, 0, 40, 20, NULL, NULL, NULL, NULL);
}

// Sets its selection field's height when bound, as list-like controls do.
class CTallCombo : public CComboBox
{
public:
	virtual void PreSubclassWindow() override { SetItemHeight(-1, 30); }
};

// Adjusts its extended style when bound, as transparent controls do.
class CRestyledStatic : public CStatic
{
public:
	virtual void PreSubclassWindow() override { ModifyStyleEx(0, WS_EX_TRANSPARENT); }
};

TEST(Lifetime, CreateBindsBeforeTheFirstMessageAndPreSubclassesOnceTheClassCreatedTheWindow)
{
	kt::HostWindow host;
	CTracedWnd wnd;
	g_events.clear();
	ASSERT_TRUE(wnd.Create(NULL, "traced", WS_CHILD | WS_VISIBLE, CRect(0, 0, 40, 40), &host, 10));
	EXPECT_EQ((Events{ "nccreate", "presubclass", "create" }), g_events);
	// PreSubclassWindow runs while the class's own procedure is in place, and
	// can tell that the window is being created.
	EXPECT_NE(AfxGetAfxWndProc(), wnd.m_pfnAtPreSubclass);
	EXPECT_EQ(&wnd, wnd.m_pWndInitAtPreSubclass);
	EXPECT_EQ(nullptr, AfxGetThreadState()->m_pWndInit);

	CTracedWnd failed;
	g_events.clear();
	EXPECT_FALSE(failed.CreateEx(0, "NoSuchClassAnywhere", "x", WS_POPUP, CRect(0, 0, 10, 10), NULL, 0));
	EXPECT_EQ(nullptr, failed.m_hWnd);
	EXPECT_EQ(Events{ "postncdestroy" }, g_events);
	// Create makes child windows only.
	CWnd popup;
	EXPECT_FALSE(popup.Create(NULL, "popup", WS_POPUP, CRect(0, 0, 10, 10), &host, 11));
	EXPECT_EQ(nullptr, popup.m_hWnd);

	// What PreSubclassWindow does takes effect. The combo box ignores messages
	// before WM_NCCREATE and resets its item height at WM_CREATE; a plain one
	// told after creation is the reference.
	HWND hWndPlain = ::CreateWindowExA(0, "COMBOBOX", "", WS_CHILD | CBS_DROPDOWNLIST, 0, 0, 100, 120,
		host.m_hWnd, NULL, NULL, NULL);
	::SendMessageA(hWndPlain, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), 30);
	CTallCombo combo;
	ASSERT_TRUE(combo.Create(WS_CHILD | CBS_DROPDOWNLIST, CRect(0, 0, 100, 120), &host, 20));
	EXPECT_EQ(::SendMessageA(hWndPlain, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0),
		combo.GetItemHeight(-1));

	// The extended style given to CreateEx is the system's to adjust, as for
	// a window made without the framework (it keeps WS_EX_LAYERED apart).
	const DWORD dwExStyle = WS_EX_LAYERED | WS_EX_TOOLWINDOW;
	hWndPlain =
		::CreateWindowExA(dwExStyle, "STATIC", "plain", WS_POPUP, 0, 0, 60, 40, NULL, NULL, NULL, NULL);
	DWORD dwExpected = static_cast<DWORD>(::GetWindowLongA(hWndPlain, GWL_EXSTYLE)) | WS_EX_TRANSPARENT;
	::DestroyWindow(hWndPlain);
	CRestyledStatic restyled;
	ASSERT_TRUE(restyled.CreateEx(dwExStyle, "STATIC", "framework", WS_POPUP, CRect(0, 0, 60, 40), NULL, 0));
	EXPECT_EQ(dwExpected, restyled.GetExStyle());
}

TEST(Lifetime, SubclassWindowCallsPreSubclassBeforeInstallingTheProcedure)
{
	HWND hWnd = CreatePlain("BUTTON");
	LONG_PTR pfnButton = ::GetWindowLongPtrA(hWnd, GWLP_WNDPROC);
	CTracedWnd wnd;
	g_events.clear();
	ASSERT_TRUE(wnd.SubclassWindow(hWnd));
	EXPECT_EQ(Events{ "presubclass" }, g_events);
	EXPECT_EQ(pfnButton, reinterpret_cast<LONG_PTR>(wnd.m_pfnAtPreSubclass));
	EXPECT_EQ(nullptr, wnd.m_pWndInitAtPreSubclass);

	// One object per window.
	CWnd second;
	EXPECT_FALSE(second.SubclassWindow(hWnd));
	EXPECT_FALSE(second.Attach(hWnd));

	EXPECT_EQ(hWnd, wnd.UnsubclassWindow());
	EXPECT_EQ(pfnButton, ::GetWindowLongPtrA(hWnd, GWLP_WNDPROC));
	EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hWnd));

	// Detached without unsubclassing: the original procedure went with the
	// first object, so a second one cannot take the window over.
	ASSERT_TRUE(wnd.SubclassWindow(hWnd));
	wnd.Detach();
	EXPECT_FALSE(second.SubclassWindow(hWnd));
	EXPECT_EQ(nullptr, second.m_hWnd);
	::DestroyWindow(hWnd);
}

TEST(Lifetime, DestroyingTheWindowUnbindsAndCallsPostNcDestroyOnce)
{
	const struct
	{
		const char* name;
		bool bMember; // CWnd::DestroyWindow, else ::DestroyWindow of the window or its parent
		bool bParent, bDeleteSelf, bSkipBase;
	} kCases[] = {
		{ "CWnd::DestroyWindow", true, false, false, false },
		{ "with its parent", false, true, false, false },
		{ "PostNcDestroy deletes the object", true, false, true, false },
		{ "OnNcDestroy does not call the base", false, false, false, true },
	};
	for (const auto& c : kCases)
	{
		SCOPED_TRACE(c.name);
		kt::HostWindow host;
		CTracedWnd* pWnd = new CTracedWnd;
		pWnd->m_bDeleteSelf = c.bDeleteSelf;
		pWnd->m_bSkipBaseNcDestroy = c.bSkipBase;
		ASSERT_TRUE(pWnd->Create(NULL, "traced", WS_CHILD, CRect(0, 0, 40, 40), &host, 10));
		HWND hWnd = pWnd->m_hWnd;
		g_events.clear();
		if (c.bMember)
			EXPECT_TRUE(pWnd->DestroyWindow());
		else
			::DestroyWindow(c.bParent ? host.m_hWnd : hWnd);
		EXPECT_FALSE(::IsWindow(hWnd));
		EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hWnd));
		if (!c.bDeleteSelf)
		{
			EXPECT_EQ(nullptr, pWnd->m_hWnd);
			delete pWnd;
		}
		EXPECT_EQ((Events{ "ncdestroy", "postncdestroy", "deleted" }), g_events);
	}
}

TEST(Lifetime, DestructorDestroysAnOwnedWindowOnly)
{
	const struct
	{
		const char* name;
		bool bDetach, bDestroyBehind, bAlive;
	} kCases[] = {
		{ "attached", false, false, false },
		{ "detached first", true, false, true },
		{ "destroyed behind the object's back", false, true, false },
	};
	for (const auto& c : kCases)
	{
		SCOPED_TRACE(c.name);
		HWND hWnd = CreatePlain("STATIC");
		{
			CWnd wnd;
			ASSERT_TRUE(wnd.Attach(hWnd));
			if (c.bDetach)
				wnd.Detach();
			if (c.bDestroyBehind)
				::DestroyWindow(hWnd);
		}
		EXPECT_EQ(c.bAlive, ::IsWindow(hWnd) != FALSE);
		EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hWnd));
		::DestroyWindow(hWnd);
	}
}

/////////////////////////////////////////////////////////////////////////////
// Temporary objects

TEST(Lifetime, TemporaryObjectsArePlainAndFreedWhenIdle)
{
	const size_t nWindows = 40;
	std::vector<HWND> windows;
	for (size_t i = 0; i < nWindows; i++)
		windows.push_back(CreatePlain("BUTTON"));

	CWnd::DeleteTempMap();
	size_t nBefore = kt::UsedHeapBlocks();
	CWnd* pFirst = CWnd::FromHandle(windows[0]);
	EXPECT_EQ(pFirst, CWnd::FromHandle(windows[0]));
	EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(windows[0]));
	// A temporary is a plain CWnd, whatever the control is.
	EXPECT_EQ(RUNTIME_CLASS(CWnd), pFirst->GetRuntimeClass());
	for (HWND hWnd : windows)
		EXPECT_EQ(hWnd, CWnd::FromHandle(hWnd)->m_hWnd);
	EXPECT_GE(kt::UsedHeapBlocks(), nBefore + nWindows);

	// The thread's idle time frees them and leaves the windows alone.
	kt::RunIdle();
	EXPECT_LT(kt::UsedHeapBlocks(), nBefore + nWindows / 2);
	for (HWND hWnd : windows)
		EXPECT_TRUE(::DestroyWindow(hWnd));

	// Destroyed through its temporary object: the handle is forgotten at once.
	HWND hWndGone = CreatePlain("BUTTON");
	CWnd* pTemp = CWnd::FromHandle(hWndGone);
	EXPECT_TRUE(pTemp->DestroyWindow());
	EXPECT_EQ(nullptr, pTemp->m_hWnd);
	EXPECT_EQ(nullptr, CWnd::FromHandle(hWndGone));
	EXPECT_EQ(nullptr, CWnd::FromHandle(NULL));

	// A bound window answers with its own object.
	CButton button;
	ASSERT_TRUE(button.CreateEx(0, "BUTTON", "b", WS_POPUP, CRect(0, 0, 10, 10), NULL, 0));
	EXPECT_EQ(&button, CWnd::FromHandle(button.m_hWnd));
	CWnd* volatile pNull = NULL;
	EXPECT_EQ(nullptr, pNull->GetSafeHwnd());
}

// Runs the application's idle processing from its own idle time, then ends.
class CIdleDialog : public CDialog
{
protected:
	afx_msg LRESULT OnKickIdle(WPARAM, LPARAM)
	{
		kt::RunIdle();
		EndDialog(IDOK);
		return FALSE;
	}
	DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CIdleDialog, CDialog)
	ON_MESSAGE(WM_KICKIDLE, &CIdleDialog::OnKickIdle)
END_MESSAGE_MAP()

TEST(Lifetime, TemporariesLiveUntilTheOutermostIdleTime)
{
	// Held across a nested modal dialog, as a context menu handler holds its
	// pWnd; SetOwner leaves a mark that a fresh temporary would not have.
	HWND hWnd = CreatePlain("BUTTON");
	CWnd* pTemp = CWnd::FromHandle(hWnd);
	pTemp->SetOwner(pTemp);
	kt::DialogTemplate tpl("nested", 80, 40);
	CIdleDialog dlg;
	ASSERT_TRUE(dlg.InitModalIndirect(tpl.Get()));
	ASSERT_EQ(IDOK, dlg.DoModal());
	EXPECT_EQ(pTemp, CWnd::FromHandle(hWnd));
	EXPECT_EQ(pTemp, pTemp->GetOwner());

	// The thread's own idle time, with no modal loop running, frees it.
	kt::RunIdle();
	EXPECT_EQ(nullptr, CWnd::FromHandle(hWnd)->GetOwner());
	::DestroyWindow(hWnd);
}

/////////////////////////////////////////////////////////////////////////////
// Window classes

TEST(WindowClass, DefaultClassHasDoubleClicksArrowAndNoBackground)
{
	CWnd wnd;
	ASSERT_TRUE(wnd.CreateEx(0, NULL, "default", WS_POPUP, CRect(0, 0, 10, 10), NULL, 0));
	EXPECT_EQ(static_cast<ULONG_PTR>(CS_DBLCLKS), ::GetClassLongPtrA(wnd.m_hWnd, GCL_STYLE));
	EXPECT_EQ(0u, ::GetClassLongPtrA(wnd.m_hWnd, GCLP_HBRBACKGROUND));
	EXPECT_EQ(0u, ::GetClassLongPtrA(wnd.m_hWnd, GCLP_HICON));
	EXPECT_EQ(reinterpret_cast<ULONG_PTR>(::LoadCursor(NULL, IDC_ARROW)),
		::GetClassLongPtrA(wnd.m_hWnd, GCLP_HCURSOR));
	EXPECT_FALSE(::IsWindowUnicode(wnd.m_hWnd));

	// The same attributes share one class.
	HBRUSH hbr = static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH));
	std::string first = AfxRegisterWndClass(CS_CLASSDC | CS_HREDRAW, NULL, hbr);
	EXPECT_EQ(first, AfxRegisterWndClass(CS_CLASSDC | CS_HREDRAW, NULL, hbr));
	EXPECT_NE(first, AfxRegisterWndClass(CS_CLASSDC | CS_VREDRAW, NULL, hbr));
	WNDCLASSA wc;
	ASSERT_TRUE(::GetClassInfoA(AfxGetInstanceHandle(), first.c_str(), &wc));
	EXPECT_EQ(static_cast<UINT>(CS_CLASSDC | CS_HREDRAW), wc.style);
	EXPECT_EQ(hbr, wc.hbrBackground);
}

TEST(WindowClass, RegistrationRacingAnotherThreadSucceeds)
{
	// Window classes belong to the process: threads asking for the same
	// attributes at once all get the class, whoever registered it.
	HCURSOR hCursor = ::LoadCursor(NULL, IDC_CROSS);
	const std::string strName = AfxRegisterWndClass(CS_NOCLOSE, hCursor);
	std::atomic<int> nNull(0);
	for (int nRound = 0; nRound < 100; nRound++)
	{
		::UnregisterClassA(strName.c_str(), AfxGetInstanceHandle());
		std::atomic<bool> bGo(false);
		std::vector<std::thread> threads;
		for (int i = 0; i < 4; i++)
			threads.emplace_back(
				[&]
				{
					while (!bGo)
						std::this_thread::yield();
					nNull += AfxRegisterWndClass(CS_NOCLOSE, hCursor) == NULL;
				});
		bGo = true;
		for (std::thread& thread : threads)
			thread.join();
	}
	EXPECT_EQ(0, nNull);
}

} // namespace
