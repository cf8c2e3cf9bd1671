// winmain.cpp - the entry point of a GUI application written the framework's way.
//
// Linked into the application as an object (target kavroafx_main), never into
// a DLL; AfxWinMain runs InitInstance, then Run or, when InitInstance returns
// FALSE (a dialog application), ExitInstance.

#include "afxwin.h"

extern "C" int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow)
{
	return AfxWinMain(hInstance, hPrevInstance, lpCmdLine, nCmdShow);
}
