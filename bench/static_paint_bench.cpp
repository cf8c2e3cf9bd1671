// static_paint_bench.cpp - CTransparentStatic painting an enormous text, against the system's static.
//
// Each ellipsis mode is measured; the system's static paints the same text
// with its own end ellipsis.
//
// The text is a "path" of 50,000 folders: shortening it pass by pass would
// measure all of it on every pass. Prints the median time of one synchronous
// repaint of each control and the ratio to the system's static. Not a test:
// the numbers depend on the machine and its load.
#include "BenchHost.h"
#include "BenchTiming.h"

#include <afxwin.h>

#include <kavro/TransparentStatic.h>

#include <algorithm>
#include <stdio.h>
#include <string>
#include <vector>

namespace
{

const int kRepetitions = 9;
const CRect kRect(10, 10, 200, 30);

CBenchApp theApp("static-paint-bench");

// Median time of a synchronous repaint of the whole window.
double MedianPaintSeconds(HWND hWnd)
{
	return MedianSeconds(kRepetitions,
		[hWnd] { ::RedrawWindow(hWnd, NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW); });
}

} // namespace

int main()
{
	if (!StartFramework("static_paint_bench"))
		return 1;
	std::string huge;
	for (int i = 0; i < 50000; ++i)
		huge += "a\\";

	CWnd host;
	if (!CreateHost(host, 240, 60))
	{
		fprintf(stderr, "static_paint_bench: no host window\n");
		return 1;
	}
	HFONT hFont = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));

	// Each control is made empty and then given the text: a window is not
	// created with a title this long.
	CStatic system;
	if (!system.Create("", WS_CHILD | WS_VISIBLE | SS_LEFT | SS_ENDELLIPSIS, kRect, &host, 1))
	{
		fprintf(stderr, "static_paint_bench: no system static\n");
		return 1;
	}
	system.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(hFont));
	system.SetWindowText(huge.c_str());
	const double baseline = MedianPaintSeconds(system.GetSafeHwnd());
	system.DestroyWindow();
	printf("system static, end ellipsis: %.3f ms (median of %d repaints of %zu characters)\n",
		baseline * 1000.0, kRepetitions, huge.size());

	struct Mode
	{
		const char* name;
		CTransparentStatic::Ellipsis ellipsis;
		CTransparentStatic::ContentType content;
	} const modes[] = {
		{ "NoEllipsis", CTransparentStatic::NoEllipsis, CTransparentStatic::TextContent },
		{ "LeadingText", CTransparentStatic::LeadingEllipsis, CTransparentStatic::TextContent },
		{ "TrailingText", CTransparentStatic::TrailingEllipsis, CTransparentStatic::TextContent },
		{ "LeadingPath", CTransparentStatic::LeadingEllipsis, CTransparentStatic::PathContent },
		{ "TrailingPath", CTransparentStatic::TrailingEllipsis, CTransparentStatic::PathContent },
		{ "TrailingFile", CTransparentStatic::TrailingEllipsis, CTransparentStatic::FileContent },
	};
	for (const Mode& mode : modes)
	{
		CTransparentStatic ctrl;
		ctrl.UseEllipsis(mode.ellipsis, false);
		ctrl.SetContentType(mode.content, false);
		ctrl.Create("", WS_CHILD | WS_VISIBLE | SS_LEFT, kRect, &host, 2);
		ctrl.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(hFont));
		ctrl.SetWindowTextA(huge.c_str(), false);
		const double seconds = MedianPaintSeconds(ctrl.GetSafeHwnd());
		ctrl.DestroyWindow();
		printf("ratio TransparentStatic/system %s %.3f (%.3f ms)\n", mode.name,
			baseline > 0 ? seconds / baseline : 0.0, seconds * 1000.0);
	}
	host.DestroyWindow();
	return 0;
}
