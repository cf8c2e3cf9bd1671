// button_paint_bench.cpp - a full repaint of CQTXButton (shade, icon, caption) against the system button.
//
// Both buttons are visible in one host window and repainted the same way:
// the whole button invalidated, then UpdateWindow. Prints the median time of
// one repaint of each and their ratio. Not a test: the numbers depend on the
// machine and its load.
#include "BenchHost.h"
#include "BenchTiming.h"

#include <afxwin.h>

#include <kavro/QTXButton.h>

#include <stdio.h>

namespace
{

const int kRepetitions = 201;
const CRect kRect(10, 10, 130, 40);

CBenchApp theApp("button-paint-bench");

// Median time of invalidating the whole button and painting it at once.
double MedianRepaintSeconds(CWnd& wnd)
{
	return MedianSeconds(kRepetitions,
		[&wnd]
		{
			wnd.Invalidate(TRUE);
			wnd.UpdateWindow();
		});
}

} // namespace

int main()
{
	if (!StartFramework("button_paint_bench"))
		return 1;
	CWnd host;
	if (!CreateHost(host, 300, 60))
	{
		fprintf(stderr, "button_paint_bench: no host window\n");
		return 1;
	}
	HFONT hFont = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));

	CButton system;
	CQTXButton button;
	if (!system.Create("&Print", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, kRect, &host, 1) ||
		!button.Create("&Print", WS_CHILD | WS_VISIBLE, kRect + CPoint(140, 0), &host, 2))
	{
		fprintf(stderr, "button_paint_bench: no buttons\n");
		return 1;
	}
	system.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(hFont));
	button.SetShadeProps(ShadeProps(ShadeProps::ShadeMetal, RGB(200, 180, 120)));
	button.SetIcon(QTXIcon::IconPrint, BS_LEFT, BS_VCENTER, true);
	host.UpdateWindow();

	// Alternating, so that both see the same state of the machine.
	double systemSeconds = 0.0, buttonSeconds = 0.0;
	for (int round = 0; round < 3; ++round)
	{
		systemSeconds += MedianRepaintSeconds(system);
		buttonSeconds += MedianRepaintSeconds(button);
	}
	printf("system push button: %.3f ms, CQTXButton: %.3f ms (medians of %d repaints, three rounds)\n",
		systemSeconds / 3 * 1000.0, buttonSeconds / 3 * 1000.0, kRepetitions);
	printf("ratio CQTXButton/system repaint %.2f\n", systemSeconds > 0 ? buttonSeconds / systemSeconds : 0.0);
	host.DestroyWindow();
	return 0;
}
