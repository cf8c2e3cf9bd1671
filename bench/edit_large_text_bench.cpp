// edit_large_text_bench.cpp - the image-menu edits and rich edit with 1 MB of text, against stock controls.
//
// Classes in this file:
//   Subject
//
// Each control gets the same text and is timed for: setting the text, opening
// the popup menu of edit commands (closed again from WM_ENTERIDLE, as soon as
// the menu loop waits for the user), a triple click, a full repaint and, for
// the rich edits, GetPercentFull. The stock control of each kind (EDIT,
// RICHEDIT50W) is timed the same way; the ratios say what the image-menu
// classes add. Not a test: the numbers depend on the machine and its load.
//
// The text is broken into lines of 53 characters: Wine's rich edit does not
// finish a WM_SETTEXT of 1 MB as one paragraph within minutes (a limit of
// Wine's rich edit, not of these classes), while broken into lines it takes
// a few seconds. Wine's rich edit has no context menu of its own: its menu
// figure has nothing to be compared with.
#include "BenchHost.h"
#include "BenchTiming.h"

#include <afxwin.h>
#include <afxcmn.h>

#include <kavro/ImageMenuEdit.h>
#include <kavro/ImageMenuRichEdit.h>

#include <stdio.h>
#include <string>

namespace
{

const size_t kTextBytes = 1 << 20;
const int kRepetitions = 9;
const CRect kRect(10, 10, 410, 310);
const DWORD kStyle = WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL;

CBenchApp theApp("edit-large-text-bench");

// About nBytes of text in lines of 53 characters and a line break.
std::string MakeText(size_t nBytes)
{
	const std::string line = "The quick brown fox jumps over the lazy dog, 0123456\r\n";
	std::string text;
	text.reserve(nBytes + line.size());
	while (text.size() < nBytes)
		text += line;
	return text;
}

void PumpPending()
{
	MSG msg;
	while (::PeekMessageA(&msg, NULL, 0, 0, PM_NOREMOVE))
		AfxPumpMessage();
}

// Closes every popup menu of the thread as soon as its loop waits for input.
LRESULT CALLBACK CloseMenuAtIdle(int code, WPARAM wParam, LPARAM lParam)
{
	const CWPSTRUCT* pMsg = reinterpret_cast<const CWPSTRUCT*>(lParam);
	if (code == HC_ACTION && pMsg->message == WM_ENTERIDLE && pMsg->wParam == MSGF_MENU)
		::EndMenu();
	return ::CallNextHookEx(NULL, code, wParam, lParam);
}

// The figures of one control, in seconds.
struct Subject
{
	const char* name;
	double setText = 0, menu = 0, tripleClick = 0, repaint = 0, percentFull = -1;
};

void Measure(CWnd& wnd, const std::string& text, Subject& s)
{
	s.setText = MedianSeconds(
		1, [&wnd] { wnd.SetWindowText(""); }, [&wnd, &text] { wnd.SetWindowText(text.c_str()); });
	PumpPending();
	const HWND hWnd = wnd.GetSafeHwnd();
	// Shift+F10 asks for the menu at the point -1, -1.
	s.menu = MedianSeconds(kRepetitions,
		[hWnd]
		{
			::SendMessageA(hWnd, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(hWnd), MAKELPARAM(-1, -1));
			PumpPending();
		});
	// Down, up, double click, up, then the third click, as the system
	// delivers three quick clicks; the last one selects the whole text.
	s.tripleClick = MedianSeconds(kRepetitions,
		[hWnd]
		{
			const LPARAM at = MAKELPARAM(20, 8);
			for (UINT message : { WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP,
					 WM_LBUTTONDOWN, WM_LBUTTONUP })
				::PostMessageA(hWnd, message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, at);
			PumpPending();
		});
	// Let the triple-click timer run out; repaint from the top with nothing
	// selected, as the stock control is left by its triple click.
	::Sleep(::GetDoubleClickTime() + 50);
	PumpPending();
	wnd.SendMessage(EM_SETSEL, 0, 0);
	wnd.SendMessage(EM_SCROLLCARET);
	s.repaint = MedianSeconds(kRepetitions,
		[&wnd] { wnd.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW); });
}

// Makes an edit of class TEdit on host with room for twice the text, and
// measures it.
template <class TEdit>
Subject MeasureEdit(const char* pszName, CWnd& host, const std::string& text)
{
	Subject s = { pszName };
	TEdit edit;
	edit.Create(kStyle, kRect, &host, 1);
	edit.SetLimitText(static_cast<UINT>(2 * kTextBytes));
	Measure(edit, text, s);
	return s;
}

void Print(const Subject& s, const Subject& stock)
{
	const auto ratio = [](double ours, double theirs) { return theirs > 0 ? ours / theirs : 0.0; };
	printf("%-20s set text %8.1f ms (x%.2f)  menu %7.2f ms (x%.2f)  triple click %7.2f ms (x%.2f)  "
		   "repaint %7.2f ms (x%.2f)",
		s.name, s.setText * 1000, ratio(s.setText, stock.setText), s.menu * 1000, ratio(s.menu, stock.menu),
		s.tripleClick * 1000, ratio(s.tripleClick, stock.tripleClick), s.repaint * 1000,
		ratio(s.repaint, stock.repaint));
	if (s.percentFull >= 0)
		printf("  fill %.3f ms (x%.1f)", s.percentFull * 1000, ratio(s.percentFull, stock.percentFull));
	printf("\n");
}

} // namespace

int main()
{
	if (!StartFramework("edit_large_text_bench"))
		return 1;
	if (!AfxInitRichEdit5())
	{
		fprintf(stderr, "edit_large_text_bench: the rich edit library failed\n");
		return 1;
	}
	CWnd host;
	if (!CreateHost(host, 420, 320))
	{
		fprintf(stderr, "edit_large_text_bench: no host window\n");
		return 1;
	}
	const HHOOK hHook = ::SetWindowsHookExA(WH_CALLWNDPROC, CloseMenuAtIdle, NULL, ::GetCurrentThreadId());
	const std::string text = MakeText(kTextBytes);
	printf("%zu bytes in %zu lines; ratios against the stock control\n", text.size(), text.size() / 55);

	const Subject stockEdit = MeasureEdit<CEdit>("EDIT", host, text);
	Print(stockEdit, stockEdit);
	Print(MeasureEdit<CImageMenuEdit>("CImageMenuEdit", host, text), stockEdit);
	Print(MeasureEdit<CBackgroundEdit>("CBackgroundEdit", host, text), stockEdit);

	Subject stockRich = { "RICHEDIT50W" };
	{
		CRichEditCtrl rich;
		rich.Create(kStyle, kRect, &host, 1);
		rich.LimitText(static_cast<long>(2 * kTextBytes));
		Measure(rich, text, stockRich);
		// What the fill must cost at least: one question for the length.
		stockRich.percentFull = MedianSeconds(kRepetitions, [&rich] { rich.GetTextLengthEx(GTL_NUMCHARS); });
	}
	Print(stockRich, stockRich);
	Subject imageMenuRich = { "CImageMenuRichEdit" };
	{
		CImageMenuRichEdit rich;
		rich.Create(kStyle, kRect, &host, 1);
		rich.LimitText(static_cast<long>(2 * kTextBytes));
		Measure(rich, text, imageMenuRich);
		int nPercent = 0;
		imageMenuRich.percentFull =
			MedianSeconds(kRepetitions, [&rich, &nPercent] { nPercent = rich.GetPercentFull(); });
		printf("(CImageMenuRichEdit fill: %d%% of a limit of %ld)\n", nPercent, rich.GetLimitText());
	}
	Print(imageMenuRich, stockRich);
	::UnhookWindowsHookEx(hHook);
	host.DestroyWindow();
	return 0;
}
