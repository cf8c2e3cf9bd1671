// Frame.h - services the controls share inside kavro.dll; not part of the public headers.
#pragma once

#include <afxwin.h>

#include <vector>

/////////////////////////////////////////////////////////////////////////////
// Registered window messages. The names are registered while the library
// loads; the value of a name is the same in every module of the process and
// differs from run to run, so owners compare against these values only. Each
// class that sends one publishes it as a static member of its own; until
// then the value stays inside the library.

// The clipboard viewer's timer delivers it back to the viewer when the
// clipboard has been quiet long enough.
extern const UINT MSG_GET_CLIPBOARD_CONTENT;

/////////////////////////////////////////////////////////////////////////////
// Failure log. A failure worth recording is one line in the application's
// log: a fixed identifier, and for one failure the system's error text
// directly after it.

const char* const kLog3DTextCreate = "{313B83F6-A402-4327-977B-F35D59EB079F}";
const char* const kLogClipViewerNotCreated = "{03D2250A-FF16-4F86-B298-B646529D2675}";
const char* const kLogClipViewerNotAWindow = "{EBD64AE2-36AF-49A4-A7E6-6A3C6D6B36EA}";
const char* const kLogClipViewerListener = "{3478FCD3-F648-4812-85BC-52486E0DEB14}";
const char* const kLogDirTreeFontAttach = "{EB7857BD-1068-485C-BBE6-4C9D7D19AF1D}";
const char* const kLogDirTreeFontException = "{925C3629-60D5-48F4-A7DE-9BBFB067060F}";
const char* const kLogTransIconLoad = "{0C566E29-14D0-4AC3-AB1D-D5A4AAE6E729}";
const char* const kLogIconButtonCreate = "{B5C393F0-F75E-42FE-B6E0-5C5236B17FAB}";
const char* const kLogIconButtonLoad = "{5CDE9578-C5E8-42FB-B994-9A020EE1D6C0}";
const char* const kLogProgressCreate = "{6242E398-A900-4B96-8A42-9B1C52A7AD2E}";
const char* const kLogProgressStepAtEnd = "{4A330902-8DBA-4100-87B3-00B1A292F9C6}";
const char* const kLogButtonNoDC = "{7CA99F6B-92C5-47C8-AF0E-1708B01BE9AC}";
const char* const kLogButtonLoad = "{77D10854-922E-43E7-955A-5747E61C10E4}";

// Writes one line to the application's log, when it has one: the identifier,
// followed by the text of the last system error when bWithSystemError is set.
void AFXAPI ReportFailure(LPCSTR lpszLogId, bool bWithSystemError = false);

/////////////////////////////////////////////////////////////////////////////
// Transparent repaint. A control that paints over its parent shows a change by
// having the parent repaint the area under it (the tab control when it sits on
// a tab page, since a page does not paint its own background); the control's
// own paint then follows. Without a parent the control repaints alone.
// bDialogEdgeOffset moves the area by the client edge (SM_CXEDGE, SM_CYEDGE)
// when the target is a dialog or a form view, as the buttons and the 3-D text
// do.
void AFXAPI RedrawParentArea(CWnd* pWnd, bool bInTabCtrlPg, bool bDialogEdgeOffset);

/////////////////////////////////////////////////////////////////////////////
// The clock of the progress bar's time-left estimate: fills now with the
// current moment (DateTime::SetToCurrent). A test of the internals points it
// at a clock of its own, so that elapsed times are known without waiting.

class DateTime;
extern void (*g_pfnProgressNow)(DateTime& now);

/////////////////////////////////////////////////////////////////////////////
// DPI. A size in pixels that a control uses (of an icon, a frame, a gap, an
// offset) is its size at 96 DPI, scaled by the DPI of the control's own
// window when it is used: at 96 DPI every picture stays as it was.

const UINT kDefaultDpi = USER_DEFAULT_SCREEN_DPI;

// The system's GetDpiForWindow, looked up when the library loads; where the
// system has none, a function that answers 0. A test of the internals points
// it elsewhere to give a window another DPI.
extern UINT(WINAPI* g_pfnGetDpiForWindow)(HWND hWnd);

// The DPI of the window: GetDpiForWindow, or when that has no answer the
// LOGPIXELSY of the window's DC (of the screen for NULL). 96 when the answer
// is 0 or beyond reason.
UINT AFXAPI GetWindowDpi(HWND hWnd);

// nPixels at 96 DPI at nDpi, rounded as MulDiv rounds.
inline int ScaleToDpi(int nPixels, UINT nDpi)
{
	return ::MulDiv(nPixels, static_cast<int>(nDpi), static_cast<int>(kDefaultDpi));
}

/////////////////////////////////////////////////////////////////////////////
// Icons of the buttons and icon controls.

// Loads the icon resource nID (its low word) at the resource's own size from
// hModule, or from the framework's current instance (the application) when
// hModule is NULL. NULL when the module holds no such icon.
HICON AFXAPI LoadIconResource(UINT nID, HINSTANCE hModule);
// (0, 0, width, height) of an icon, the size taken as twice its hot spot;
// empty for NULL or a handle that is no icon.
CRect AFXAPI GetIconRect(HICON hIcon);
// The same into rcIcon; false (and rcIcon empty) for NULL or a handle that is
// no icon, which tells a cursor or an icon with its hot spot at the corner
// from a handle that is gone.
bool AFXAPI GetIconRect(HICON hIcon, CRect& rcIcon);

/////////////////////////////////////////////////////////////////////////////
// Captions of the labels and buttons.

// Text in the ANSI code page of the process, drawn and measured through the
// wide GDI functions. The narrow ones read the bytes in the code page of the
// selected font's character set, which is not the process's when the font
// lacks that character set (a Latin face in code page 932), and never UTF-8.
int AFXAPI DrawAnsiText(CDC* pDC, const CString& strText, CRect& rect, UINT nFormat);
CSize AFXAPI GetAnsiTextExtent(CDC* pDC, const CString& strText);
BOOL AFXAPI AnsiTextOut(CDC* pDC, int x, int y, const CString& strText);

// Draws strText into rect (DrawText, nFormat) in crText, or, when bEmbossed,
// as a disabled caption: grey over a highlight copy one pixel down and right.
// The DC's text colour is left at the last one used; the one it had before is
// returned, for the caller to select back when it is done with the DC.
COLORREF AFXAPI DrawCaptionText(CDC* pDC, const CString& strText, CRect& rect, UINT nFormat, COLORREF crText,
	bool bEmbossed);

/////////////////////////////////////////////////////////////////////////////
// Shared string constants.

// Its extent gives the height of one line of text in the current font.
const char* const kSampleText = "gM";
// The face name that stands for the default face.
const char* const kDefaultFace = "";
// The code page that asks a rich edit for lengths in UTF-16 units, the units
// of its positions and of its text limit, whatever the ANSI code page.
const UINT kUnicodeCodePage = 1200;

/////////////////////////////////////////////////////////////////////////////
// Enciphered fixed texts, deciphered at the moment of use with
// StringUtils::DecryptText.

#include "FixedTexts.h"
