// main.cpp - binds a transparent static through the installed package; exit code 0 on success.
//
// Classes in this file:
//   CConsumerApp
#include <afxwin.h>
#include <kavro/TransparentStatic.h>

class CConsumerApp : public CWinApp
{
};

CConsumerApp theApp;

int main()
{
	if (!AfxWinInit(::GetModuleHandleA(NULL), NULL, ::GetCommandLineA(), SW_HIDE))
		return 2;
	CWnd host;
	if (!host.CreateEx(0, AfxRegisterWndClass(0), "host", WS_POPUP, CRect(0, 0, 200, 100), NULL, 0))
		return 3;
	CTransparentStatic label;
	if (!label.Create("installed", WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 20), &host, 1))
		return 4;
	const bool ok = (label.GetExStyle() & WS_EX_TRANSPARENT) != 0 && label.IsKindOf(RUNTIME_CLASS(CStatic));
	host.DestroyWindow();
	return ok ? 0 : 5;
}
