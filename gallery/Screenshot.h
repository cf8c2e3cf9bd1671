// Screenshot.h - writes what a window shows to a PNG file through GDI+.
#pragma once

#include <afxwin.h>

// The whole window, frame included. FALSE when it cannot be read or written.
BOOL SaveWindowPng(CWnd* pWnd, const CString& strPath);
