// TestMain.cpp - the test programs' entry: an application object, COM, common controls and GDI+.
#include <kavrotest/ExpectAssert.h>

#include <afxwin.h>
#include <commctrl.h>
#include <objbase.h>
#include <gdiplus.h>

#include <gtest/gtest.h>
#include <kavrotest/TestSupport.h>

namespace kt
{

namespace
{

thread_local ExpectedAssert* t_pExpected = NULL;

} // namespace

ExpectedAssert::ExpectedAssert(const char* file, int line)
	: m_file(file)
	, m_line(line)
	, m_pOuter(t_pExpected)
{
	t_pExpected = this;
}

ExpectedAssert::~ExpectedAssert()
{
	t_pExpected = m_pOuter;
#ifdef _DEBUG
	if (m_count == 0)
		ADD_FAILURE_AT(m_file, m_line) << "expected a failed framework ASSERT, and none came";
#endif
}

bool ExpectedAssert::Take()
{
	if (t_pExpected == NULL)
		return false;
	++t_pExpected->m_count;
	return true;
}

} // namespace kt

namespace
{

// A failed ASSERT anywhere in the process fails the running test where the
// ASSERT stands, unless the test expects it.
BOOL AFXAPI FailTestAtAssert(LPCSTR lpszFileName, int nLine)
{
	if (!kt::ExpectedAssert::Take())
		ADD_FAILURE_AT(lpszFileName, nLine) << "framework ASSERT failed";
	return TRUE;
}

CWinApp theApp("kavro-tests");

} // namespace

int main(int argc, char** argv)
{
	AfxSetAssertHook(&FailTestAtAssert);
	if (!AfxWinInit(::GetModuleHandleA(NULL), NULL, ::GetCommandLineA(), SW_SHOWNORMAL))
	{
		fprintf(stderr, "AfxWinInit failed\n");
		return 1;
	}
	::OleInitialize(NULL);
	INITCOMMONCONTROLSEX icc = { sizeof(icc), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES };
	::InitCommonControlsEx(&icc);

	Gdiplus::GdiplusStartupInput gdiplusInput;
	ULONG_PTR gdiplusToken = 0;
	Gdiplus::GdiplusStartup(&gdiplusToken, &gdiplusInput, NULL);

	::testing::InitGoogleTest(&argc, argv);
	kt::ReportCrashes();
	int result = RUN_ALL_TESTS();

	Gdiplus::GdiplusShutdown(gdiplusToken);
	::OleUninitialize();
	return result;
}
