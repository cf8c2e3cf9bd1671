// LifetimeTest.cpp - binding objects to windows and letting go of them; temporary objects; window classes.
//
// Classes in this file:
//   CTracedWnd, CTallCombo, CRestyledStatic, CForgetfulWnd, CIdleDialog

#include <afxwin.h>

#include <kavrotest/TestSupport.h>

#include <malloc.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

namespace
{

class CTracedWnd : public CWnd
{
public:
	std::vector<std::string> m_events;
	WNDPROC m_pfnAtPreSubclass = NULL;
	CWnd* m_pWndInitAtPreSubclass = NULL;
	bool* m_pbDeleted = NULL;
	bool m_bDeleteSelf = false;

	virtual ~CTracedWnd() override
	{
		if (m_pbDeleted != NULL)
			*m_pbDeleted = true;
	}

	virtual void PreSubclassWindow() override
	{
		m_events.push_back("presubclass");
		m_pfnAtPreSubclass = reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(m_hWnd, GWLP_WNDPROC));
		m_pWndInitAtPreSubclass = AfxGetThreadState()->m_pWndInit;
	}

protected:
	virtual void PostNcDestroy() override
	{
		m_events.push_back("postncdestroy");
		if (m_bDeleteSelf)
			delete this;
	}
	afx_msg BOOL OnNcCreate(LPCREATESTRUCT lpcs)
	{
		m_events.push_back("nccreate");
		return CWnd::OnNcCreate(lpcs);
	}
	afx_msg int OnCreate(LPCREATESTRUCT lpcs)
	{
		m_events.push_back("create");
		return CWnd::OnCreate(lpcs);
	}
	DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTracedWnd, CWnd)
	ON_WM_NCCREATE()
	ON_WM_CREATE()
END_MESSAGE_MAP()

int Count(const std::vector<std::string>& events, const char* pszEvent)
{
	int n = 0;
	for (const std::string& s : events)
		n += s == pszEvent;
	return n;
}

TEST(Lifetime, CreateBindsBeforeTheFirstMessageAndPreSubclassesBeforeOnCreate)
{
	kt::HostWindow host;
	CTracedWnd wnd;
	ASSERT_TRUE(wnd.Create(NULL, "traced", WS_CHILD | WS_VISIBLE, CRect(0, 0, 40, 40), &host, 10));
	ASSERT_GE(wnd.m_events.size(), 3u);
	EXPECT_EQ("nccreate", wnd.m_events[0]);
	EXPECT_EQ("presubclass", wnd.m_events[1]);
	EXPECT_EQ("create", wnd.m_events[2]);
	EXPECT_EQ(1, Count(wnd.m_events, "presubclass"));
	// PreSubclassWindow runs while the class's own procedure is in place, and
	// can tell that the window is being created.
	EXPECT_NE(AfxGetAfxWndProc(), wnd.m_pfnAtPreSubclass);
	EXPECT_EQ(&wnd, wnd.m_pWndInitAtPreSubclass);
	EXPECT_EQ(nullptr, AfxGetThreadState()->m_pWndInit);
	EXPECT_EQ(reinterpret_cast<LONG_PTR>(AfxGetAfxWndProc()), ::GetWindowLongPtrA(wnd.m_hWnd, GWLP_WNDPROC));
	EXPECT_EQ(&wnd, CWnd::FromHandlePermanent(wnd.m_hWnd));
	EXPECT_EQ(10, wnd.GetDlgCtrlID());

	// Create makes child windows only.
	CWnd popup;
	EXPECT_FALSE(popup.Create(NULL, "popup", WS_POPUP, CRect(0, 0, 10, 10), &host, 11));
	EXPECT_EQ(nullptr, popup.m_hWnd);
}

// Sets its selection field's height when bound, as list-like controls do.
class CTallCombo : public CComboBox
{
public:
	virtual void PreSubclassWindow() override { SetItemHeight(-1, 30); }
};

// Adjusts its styles when bound, as transparent controls do.
class CRestyledStatic : public CStatic
{
public:
	virtual void PreSubclassWindow() override
	{
		ModifyStyleEx(0, WS_EX_TRANSPARENT);
		ModifyStyle(0, SS_NOTIFY);
	}
};

TEST(Lifetime, WhatPreSubclassWindowDoesDuringCreateTakesEffect)
{
	// The combo box ignores messages before WM_NCCREATE and resets its item
	// height at WM_CREATE; a plain one told after creation is the reference.
	kt::HostWindow host;
	HWND hWndPlain = ::CreateWindowExA(0, "COMBOBOX", "", WS_CHILD | CBS_DROPDOWNLIST, 0, 0, 100, 120,
		host.m_hWnd, NULL, NULL, NULL);
	::SendMessageA(hWndPlain, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), 30);
	CTallCombo combo;
	ASSERT_TRUE(combo.Create(WS_CHILD | CBS_DROPDOWNLIST, CRect(0, 0, 100, 120), &host, 20));
	EXPECT_EQ(::SendMessageA(hWndPlain, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0),
		combo.GetItemHeight(-1));

	CRestyledStatic created;
	ASSERT_TRUE(created.Create("created", WS_CHILD | WS_VISIBLE, CRect(0, 0, 40, 20), &host, 12));
	EXPECT_NE(0u, created.GetExStyle() & WS_EX_TRANSPARENT);
	EXPECT_NE(0u, created.GetStyle() & SS_NOTIFY);
	EXPECT_NE(0u, created.GetStyle() & WS_VISIBLE);

	HWND hWnd = ::CreateWindowExA(0, "STATIC", "bound", WS_CHILD | WS_VISIBLE, 0, 30, 40, 20, host.m_hWnd,
		NULL, NULL, NULL);
	CRestyledStatic bound;
	ASSERT_TRUE(bound.SubclassWindow(hWnd));
	EXPECT_NE(0u, bound.GetExStyle() & WS_EX_TRANSPARENT);
	EXPECT_NE(0u, bound.GetStyle() & SS_NOTIFY);

	// The extended style given to CreateEx is the system's to adjust, as for
	// a window made without the framework (it keeps WS_EX_LAYERED apart).
	const DWORD dwExStyle = WS_EX_LAYERED | WS_EX_TOOLWINDOW;
	hWndPlain =
		::CreateWindowExA(dwExStyle, "STATIC", "plain", WS_POPUP, 0, 0, 60, 40, NULL, NULL, NULL, NULL);
	DWORD dwExpected = static_cast<DWORD>(::GetWindowLongA(hWndPlain, GWL_EXSTYLE)) | WS_EX_TRANSPARENT;
	::DestroyWindow(hWndPlain);
	CRestyledStatic popup;
	ASSERT_TRUE(popup.CreateEx(dwExStyle, "STATIC", "framework", WS_POPUP, CRect(0, 0, 60, 40), NULL, 0));
	EXPECT_EQ(dwExpected, popup.GetExStyle());
}

TEST(Lifetime, FailedCreationLeavesNothingBound)
{
	CTracedWnd wnd;
	EXPECT_FALSE(wnd.CreateEx(0, "NoSuchClassAnywhere", "x", WS_POPUP, CRect(0, 0, 10, 10), NULL, 0));
	EXPECT_EQ(nullptr, wnd.m_hWnd);
	EXPECT_EQ(1, Count(wnd.m_events, "postncdestroy"));
	EXPECT_EQ(0, Count(wnd.m_events, "presubclass"));
}

TEST(Lifetime, SubclassWindowCallsPreSubclassBeforeInstallingTheProcedure)
{
	HWND hWnd = ::CreateWindowExA(0, "BUTTON", "plain", WS_POPUP, 0, 0, 40, 20, NULL, NULL, NULL, NULL);
	ASSERT_NE(nullptr, hWnd);
	LONG_PTR pfnButton = ::GetWindowLongPtrA(hWnd, GWLP_WNDPROC);

	CTracedWnd wnd;
	ASSERT_TRUE(wnd.SubclassWindow(hWnd));
	EXPECT_EQ((std::vector<std::string>{ "presubclass" }), wnd.m_events);
	EXPECT_EQ(pfnButton, reinterpret_cast<LONG_PTR>(wnd.m_pfnAtPreSubclass));
	EXPECT_EQ(reinterpret_cast<LONG_PTR>(AfxGetAfxWndProc()), ::GetWindowLongPtrA(hWnd, GWLP_WNDPROC));
	EXPECT_EQ(&wnd, CWnd::FromHandlePermanent(hWnd));

	// One object per window.
	CWnd second;
	EXPECT_FALSE(second.SubclassWindow(hWnd));
	EXPECT_FALSE(second.Attach(hWnd));
	EXPECT_FALSE(second.SubclassWindow(NULL));

	EXPECT_EQ(nullptr, wnd.m_pWndInitAtPreSubclass);
	EXPECT_EQ(hWnd, wnd.UnsubclassWindow());
	EXPECT_EQ(pfnButton, ::GetWindowLongPtrA(hWnd, GWLP_WNDPROC));
	EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hWnd));
	::DestroyWindow(hWnd);
}

TEST(Lifetime, SubclassingAWindowLeftRoutedThroughTheFrameworkIsRefused)
{
	// Detached without unsubclassing: the original procedure is gone with the
	// first object, so a second one cannot take the window over.
	CWnd first;
	ASSERT_TRUE(first.CreateEx(0, "STATIC", "s", WS_POPUP, CRect(0, 0, 10, 10), NULL, 0));
	HWND hWnd = first.Detach();
	CWnd second;
	EXPECT_FALSE(second.SubclassWindow(hWnd));
	EXPECT_EQ(nullptr, second.m_hWnd);
	EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hWnd));
	::DestroyWindow(hWnd);
}

TEST(Lifetime, DestroyingTheWindowUnbindsAndCallsPostNcDestroy)
{
	kt::HostWindow host;
	CTracedWnd wnd;
	ASSERT_TRUE(wnd.Create(NULL, "traced", WS_CHILD, CRect(0, 0, 40, 40), &host, 10));
	HWND hWnd = wnd.m_hWnd;
	EXPECT_TRUE(wnd.DestroyWindow());
	EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hWnd));
	EXPECT_EQ(nullptr, wnd.m_hWnd);
	EXPECT_EQ(1, Count(wnd.m_events, "postncdestroy"));

	// A child goes with its parent.
	CTracedWnd child;
	ASSERT_TRUE(child.Create(NULL, "child", WS_CHILD, CRect(0, 0, 10, 10), &host, 11));
	HWND hWndChild = child.m_hWnd;
	host.DestroyWindow();
	EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hWndChild));
	EXPECT_EQ(nullptr, child.m_hWnd);
	EXPECT_EQ(1, Count(child.m_events, "postncdestroy"));
}

TEST(Lifetime, PostNcDestroyMayDeleteTheObject)
{
	bool bDeleted = false;
	CTracedWnd* pWnd = new CTracedWnd;
	pWnd->m_pbDeleted = &bDeleted;
	pWnd->m_bDeleteSelf = true;
	ASSERT_TRUE(pWnd->CreateEx(0, NULL, "self-deleting", WS_POPUP, CRect(0, 0, 10, 10), NULL, 0));
	HWND hWnd = pWnd->m_hWnd;
	pWnd->DestroyWindow();
	EXPECT_TRUE(bDeleted);
	EXPECT_FALSE(::IsWindow(hWnd));
	EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hWnd));
}

TEST(Lifetime, DestructorDestroysAnOwnedWindowOnly)
{
	HWND hWnd = NULL;
	{
		CWnd wnd;
		ASSERT_TRUE(wnd.CreateEx(0, NULL, "owned", WS_POPUP, CRect(0, 0, 10, 10), NULL, 0));
		hWnd = wnd.m_hWnd;
	}
	EXPECT_FALSE(::IsWindow(hWnd));

	// Attached without subclassing: still destroyed and unbound.
	hWnd = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, NULL, NULL, NULL, NULL);
	{
		CWnd wnd;
		ASSERT_TRUE(wnd.Attach(hWnd));
	}
	EXPECT_FALSE(::IsWindow(hWnd));
	EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hWnd));

	// Detached first: the window stays.
	hWnd = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, NULL, NULL, NULL, NULL);
	{
		CWnd wnd;
		ASSERT_TRUE(wnd.Attach(hWnd));
		EXPECT_EQ(hWnd, wnd.Detach());
	}
	EXPECT_TRUE(::IsWindow(hWnd));
	::DestroyWindow(hWnd);

	// Destroyed behind the attached object's back: nothing of it stays bound.
	hWnd = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, NULL, NULL, NULL, NULL);
	{
		CWnd wnd;
		ASSERT_TRUE(wnd.Attach(hWnd));
		::DestroyWindow(hWnd);
	}
	EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hWnd));
}

// A handler that forgets to call the base OnNcDestroy.
class CForgetfulWnd : public CTracedWnd
{
protected:
	afx_msg void OnNcDestroy() { m_events.push_back("own-ncdestroy"); }
	DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CForgetfulWnd, CTracedWnd)
	ON_WM_NCDESTROY()
END_MESSAGE_MAP()

TEST(Lifetime, MapIsCleanedEvenWhenOnNcDestroyIsOverridden)
{
	CForgetfulWnd wnd;
	ASSERT_TRUE(wnd.CreateEx(0, NULL, "forgetful", WS_POPUP, CRect(0, 0, 10, 10), NULL, 0));
	HWND hWnd = wnd.m_hWnd;
	::DestroyWindow(hWnd);
	EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hWnd));
	EXPECT_EQ(nullptr, wnd.m_hWnd);
	EXPECT_EQ(1, Count(wnd.m_events, "own-ncdestroy"));
	EXPECT_EQ(1, Count(wnd.m_events, "postncdestroy"));
}

/////////////////////////////////////////////////////////////////////////////
// Temporary objects

// The idle processing of the thread's message loop, as CWinThread::Run does it.
void RunIdle()
{
	for (LONG lCount = 0; AfxGetThread()->OnIdle(lCount); lCount++)
	{
	}
}

// Blocks in use on the C runtime heap, which CObject allocations come from.
size_t UsedHeapBlocks()
{
	_HEAPINFO info = {};
	size_t nUsed = 0;
	while (_heapwalk(&info) == _HEAPOK)
		nUsed += info._useflag == _USEDENTRY;
	return nUsed;
}

TEST(Lifetime, TemporaryObjectsArePlainAndFreedWhenIdle)
{
	const int nWindows = 40;
	std::vector<HWND> windows;
	for (int i = 0; i < nWindows; i++)
		windows.push_back(::CreateWindowExA(0, "BUTTON", "", WS_POPUP, 0, 0, 10, 10, NULL, NULL, NULL, NULL));

	CWnd::DeleteTempMap();
	size_t nBefore = UsedHeapBlocks();
	CWnd* pFirst = CWnd::FromHandle(windows[0]);
	ASSERT_NE(nullptr, pFirst);
	EXPECT_EQ(pFirst, CWnd::FromHandle(windows[0]));
	EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(windows[0]));
	// A temporary is a plain CWnd, whatever the control is.
	EXPECT_EQ(RUNTIME_CLASS(CWnd), pFirst->GetRuntimeClass());
	EXPECT_FALSE(pFirst->IsKindOf(RUNTIME_CLASS(CButton)));
	for (HWND hWnd : windows)
		EXPECT_EQ(hWnd, CWnd::FromHandle(hWnd)->m_hWnd);
	EXPECT_GE(UsedHeapBlocks(), nBefore + nWindows);

	// The thread's idle time frees them and leaves the windows alone.
	RunIdle();
	EXPECT_LT(UsedHeapBlocks(), nBefore + nWindows / 2);
	for (HWND hWnd : windows)
	{
		EXPECT_TRUE(::IsWindow(hWnd));
		::DestroyWindow(hWnd);
	}

	// Destroyed through its temporary object: the handle is forgotten at once.
	HWND hWndGone = ::CreateWindowExA(0, "BUTTON", "", WS_POPUP, 0, 0, 10, 10, NULL, NULL, NULL, NULL);
	CWnd* pTemp = CWnd::FromHandle(hWndGone);
	ASSERT_NE(nullptr, pTemp);
	EXPECT_TRUE(pTemp->DestroyWindow());
	EXPECT_EQ(nullptr, pTemp->m_hWnd);
	EXPECT_EQ(nullptr, CWnd::FromHandle(hWndGone));
	CWnd::DeleteTempMap();

	// No object for what is not a window.
	EXPECT_EQ(nullptr, CWnd::FromHandle(NULL));
	EXPECT_EQ(nullptr, CWnd::FromHandle(reinterpret_cast<HWND>(0x7FFF1234)));
}

// Runs the application's idle processing from its own idle time, then ends.
class CIdleDialog : public CDialog
{
protected:
	afx_msg LRESULT OnKickIdle(WPARAM, LPARAM)
	{
		RunIdle();
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
	HWND hWnd = ::CreateWindowExA(0, "BUTTON", "other", WS_POPUP, 0, 0, 10, 10, NULL, NULL, NULL, NULL);
	CWnd* pTemp = CWnd::FromHandle(hWnd);
	pTemp->SetOwner(pTemp);
	kt::DialogTemplate tpl("nested", 80, 40);
	CIdleDialog dlg;
	ASSERT_TRUE(dlg.InitModalIndirect(tpl.Get()));
	ASSERT_EQ(IDOK, dlg.DoModal());
	CWnd* pAfter = CWnd::FromHandle(hWnd);
	EXPECT_EQ(pTemp, pAfter);
	EXPECT_EQ(pAfter, pAfter->GetOwner());

	// The thread's own idle time, with no modal loop running, frees it.
	RunIdle();
	EXPECT_EQ(nullptr, CWnd::FromHandle(hWnd)->GetOwner());
	::DestroyWindow(hWnd);
}

TEST(Lifetime, PermanentObjectsAreReturnedByFromHandle)
{
	CButton button;
	ASSERT_TRUE(button.CreateEx(0, "BUTTON", "b", WS_POPUP, CRect(0, 0, 10, 10), NULL, 0));
	EXPECT_EQ(&button, CWnd::FromHandle(button.m_hWnd));
	EXPECT_TRUE(CWnd::FromHandle(button.m_hWnd)->IsKindOf(RUNTIME_CLASS(CButton)));
	EXPECT_EQ(button.m_hWnd, button.GetSafeHwnd());
	CWnd* volatile pNull = NULL;
	EXPECT_EQ(nullptr, pNull->GetSafeHwnd());
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
}

TEST(WindowClass, SameAttributesShareOneClass)
{
	HBRUSH hbr = static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH));
	std::string first = AfxRegisterWndClass(CS_CLASSDC | CS_HREDRAW, NULL, hbr);
	std::string second = AfxRegisterWndClass(CS_CLASSDC | CS_HREDRAW, NULL, hbr);
	std::string other = AfxRegisterWndClass(CS_CLASSDC | CS_VREDRAW, NULL, hbr);
	EXPECT_EQ(first, second);
	EXPECT_NE(first, other);

	WNDCLASSA wc;
	ASSERT_TRUE(::GetClassInfoA(AfxGetInstanceHandle(), first.c_str(), &wc));
	EXPECT_EQ(static_cast<UINT>(CS_CLASSDC | CS_HREDRAW), wc.style);
	EXPECT_EQ(hbr, wc.hbrBackground);

	// Windows of one CS_CLASSDC class share its device context.
	CWnd a, b;
	ASSERT_TRUE(a.CreateEx(0, first.c_str(), "a", WS_POPUP, CRect(0, 0, 10, 10), NULL, 0));
	ASSERT_TRUE(b.CreateEx(0, second.c_str(), "b", WS_POPUP, CRect(0, 0, 10, 10), NULL, 0));
	HDC hdcA = ::GetDC(a.m_hWnd);
	::ReleaseDC(a.m_hWnd, hdcA);
	HDC hdcB = ::GetDC(b.m_hWnd);
	::ReleaseDC(b.m_hWnd, hdcB);
	EXPECT_EQ(hdcA, hdcB);
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
