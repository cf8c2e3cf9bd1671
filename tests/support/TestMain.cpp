// The test programs' entry: an MFC console program with one application
// object, COM, common controls and GDI+ started as an application starts them.
#include <afxwin.h>
#include <commctrl.h>
#include <objbase.h>
#include <gdiplus.h>

#include <gtest/gtest.h>
#include <kavrotest/TestSupport.h>

namespace
{

class CTestApp : public CWinApp
{
public:
	CTestApp()
		: CWinApp("kavro-tests")
	{
	}
};

CTestApp theApp;

} // namespace

int main(int argc, char** argv)
{
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
