// DiagnosticsTest.cpp - ASSERT and VERIFY in a checked build, and the wrappers that assert.
//
// A failed check fails the running test where the check stands, VERIFY's
// expression runs once, and the window and DC wrappers assert on a missing
// handle before they fail as in a release build.
#include <afxwin.h>

#include <kavrotest/ExpectAssert.h>
#include <kavrotest/TestSupport.h>

#include <gtest/gtest-spi.h>

#include <string>

#ifdef _DEBUG

TEST(Diagnostics, FailedChecksFailTheRunningTestAtTheirFileAndLine)
{
	::testing::TestPartResultArray failures;
	int nEvaluated = 0;
	int nLine = 0;
	{
		::testing::ScopedFakeTestPartResultReporter
			reporter(::testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &failures);
		nLine = __LINE__ + 1;
		ASSERT(++nEvaluated < 0);
		VERIFY(++nEvaluated > 0);
		// Inside the framework's DLL: reported at the wrapper's own line.
		CWnd wnd;
		wnd.ShowWindow(SW_SHOW);
	}
	EXPECT_EQ(nEvaluated, 2);
	ASSERT_EQ(failures.size(), 2);
	EXPECT_STREQ(failures.GetTestPartResult(0).file_name(), __FILE__);
	EXPECT_EQ(failures.GetTestPartResult(0).line_number(), nLine);
	EXPECT_TRUE(failures.GetTestPartResult(0).nonfatally_failed());
	const std::string wrapperFile = failures.GetTestPartResult(1).file_name();
	EXPECT_NE(wrapperFile.find("wnd.cpp"), std::string::npos) << wrapperFile;
	EXPECT_GT(failures.GetTestPartResult(1).line_number(), 0);
}

#endif

TEST(Diagnostics, WrappersOnAMissingHandleAssertThenFailAsInARelease)
{
	CWnd none;
	CWnd destroyed;
	ASSERT_TRUE(
		destroyed.CreateEx(0, AfxRegisterWndClass(0), "gone", WS_POPUP, CRect(0, 0, 10, 10), NULL, 0));
	HWND hWndGone = destroyed.m_hWnd;
	::DestroyWindow(hWndGone);
	ASSERT_FALSE(::IsWindow(hWndGone));
	destroyed.m_hWnd = hWndGone; // a stale handle, as a window destroyed behind the object's back leaves
	for (CWnd* pWnd : { &none, &destroyed })
	{
		KT_EXPECT_ASSERT(EXPECT_FALSE(pWnd->IsWindowVisible()));
		KT_EXPECT_ASSERT(EXPECT_EQ(pWnd->GetStyle(), 0u));
		KT_EXPECT_ASSERT(EXPECT_EQ(pWnd->SendMessage(WM_GETTEXTLENGTH), 0));
	}
	destroyed.m_hWnd = NULL;

	CDC dc;
	KT_EXPECT_ASSERT(EXPECT_FALSE(dc.LineTo(5, 5)));
	KT_EXPECT_ASSERT(EXPECT_EQ(dc.GetBkColor(), CLR_INVALID));
	CPen pen(PS_SOLID, 1, RGB(1, 2, 3));
	KT_EXPECT_ASSERT(EXPECT_EQ(dc.SelectObject(&pen), (CPen*)NULL));
}
