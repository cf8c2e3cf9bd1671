// TestMain.cpp - the test programs' entry: an application object, COM, common controls and GDI+.
#include <kavrotest/ExpectAssert.h>

#include <afxwin.h>
#include <commctrl.h>
#include <objbase.h>
#include <gdiplus.h>

#include <stdio.h>
#include <stdlib.h>

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

// A CTest entry that runs the executable in another code page names that
// code page in KAVRO_TEST_CODEPAGE. A process that got a different one (the
// locale missing, the manifest not read) would pass without testing what the
// entry is for, so it stops before any case runs.
bool RunsInTheWantedCodePage()
{
	const char* wanted = getenv("KAVRO_TEST_CODEPAGE");
	if (wanted == NULL || *wanted == '\0')
		return true;
	const UINT codePage = ::GetACP();
	if (strtoul(wanted, NULL, 10) == codePage)
		return true;
	fprintf(stderr,
		"This entry is meant to run in code page %s, but the process runs in code page %u.\n"
		"Code page 932 needs the glibc locale ja_JP.UTF-8 (tools/bootstrap.sh makes it); UTF-8 needs "
		"the executable's .utf8.exe.manifest beside it.\n",
		wanted, codePage);
	return false;
}

} // namespace

int main(int argc, char** argv)
{
	if (!RunsInTheWantedCodePage())
		return 1;
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
