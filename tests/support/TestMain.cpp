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

UINT Dpi()
{
	static const UINT nDpi = []
	{
		HDC hdc = ::GetDC(NULL);
		const int n = hdc != NULL ? ::GetDeviceCaps(hdc, LOGPIXELSY) : 0;
		if (hdc != NULL)
			::ReleaseDC(NULL, hdc);
		return n > 0 ? static_cast<UINT>(n) : 96u;
	}();
	return nDpi;
}

int Scaled(int n)
{
	return ::MulDiv(n, static_cast<int>(Dpi()), 96);
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

// Every CTest entry names the DPI it is meant to run at in KAVRO_DPI (96
// without it), and its Wine prefix gives the screen that DPI. A process that
// got another one (a prefix made before, a caller's own WINEPREFIX) would
// pass without testing what the entry is for, so it stops before any case
// runs. Both what the screen says and what a window says count: the controls
// take their DPI from their window.
bool RunsAtTheWantedDpi()
{
	const char* wanted = getenv("KAVRO_DPI");
	const UINT nWanted = wanted != NULL && *wanted != '\0' ? strtoul(wanted, NULL, 10) : 96;
	UINT nWindowDpi = kt::Dpi();
	using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
	const auto pfnGetDpiForWindow = reinterpret_cast<GetDpiForWindowFn>(
		reinterpret_cast<void (*)()>(::GetProcAddress(::GetModuleHandleA("user32.dll"), "GetDpiForWindow")));
	HWND hWnd = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, NULL, NULL, NULL, NULL);
	if (pfnGetDpiForWindow != NULL && hWnd != NULL)
		nWindowDpi = pfnGetDpiForWindow(hWnd);
	if (hWnd != NULL)
		::DestroyWindow(hWnd);
	if (kt::Dpi() == nWanted && nWindowDpi == nWanted)
		return true;
	fprintf(stderr,
		"This entry is meant to run at %u DPI, but the screen is at %u DPI and a window at %u DPI.\n"
		"KAVRO_DPI picks the Wine prefix (tools/wine-env.sh); a prefix is made at its DPI only once "
		"(tools/make-prefix.sh).\n",
		nWanted, kt::Dpi(), nWindowDpi);
	return false;
}

} // namespace

int main(int argc, char** argv)
{
	if (!RunsInTheWantedCodePage() || !RunsAtTheWantedDpi())
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
