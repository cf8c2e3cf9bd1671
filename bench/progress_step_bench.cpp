// progress_step_bench.cpp - CGradientProgressCtrl::Step with its repaint, against the system's progress bar.
//
// Both bars have the same size and go through the same number of steps; the
// system's bar is stepped with PBM_STEPIT followed by UpdateWindow, so that
// each step is on the screen before the next, as Step guarantees. Prints the
// median time of a whole run and the ratio to the system's bar. Not a test:
// the numbers depend on the machine and its load.
#include "BenchHost.h"
#include "BenchTiming.h"

#include <afxwin.h>
#include <commctrl.h>

#include <kavro/GradientProgressCtrl.h>

#include <gdiplus.h>
#include <stdio.h>

namespace
{

const int kRepetitions = 9;
const int kSteps = 200;
const CRect kRect(10, 10, 310, 32);

CBenchApp theApp("progress-step-bench");

} // namespace

int main()
{
	if (!StartFramework("progress_step_bench"))
		return 1;
	INITCOMMONCONTROLSEX icc = { sizeof(icc), ICC_PROGRESS_CLASS };
	::InitCommonControlsEx(&icc);
	Gdiplus::GdiplusStartupInput gdiplusInput;
	ULONG_PTR gdiplusToken = 0;
	Gdiplus::GdiplusStartup(&gdiplusToken, &gdiplusInput, NULL);

	CWnd host;
	if (!CreateHost(host, 320, 60))
	{
		fprintf(stderr, "progress_step_bench: no host window\n");
		return 1;
	}

	CWnd system;
	if (!system.CreateEx(0, PROGRESS_CLASS, "", WS_CHILD | WS_VISIBLE, kRect, &host, 1))
	{
		fprintf(stderr, "progress_step_bench: no system progress bar\n");
		return 1;
	}
	system.SendMessage(PBM_SETRANGE32, 0, kSteps);
	system.SendMessage(PBM_SETSTEP, 1);
	const double baseline = MedianSeconds(
		kRepetitions, [&] { system.SendMessage(PBM_SETPOS, 0); },
		[&]
		{
			for (int i = 0; i < kSteps; ++i)
			{
				system.SendMessage(PBM_STEPIT);
				system.UpdateWindow();
			}
		});
	system.DestroyWindow();
	printf("system progress bar: %.3f ms (median of %d runs of %d steps)\n", baseline * 1000.0, kRepetitions,
		kSteps);

	struct Kind
	{
		const char* name;
		bool bBands;
		bool bText;
	} const kinds[] = {
		{ "gradient", false, false },
		{ "gradient, percentage and time left", false, true },
		{ "bands", true, false },
	};
	for (const Kind& kind : kinds)
	{
		CGradientProgressCtrl bar;
		CRect rc(kRect);
		bar.Create(&host, rc, 2);
		const CString strText = kind.bText ? "Copying" : "";
		const double seconds = MedianSeconds(
			kRepetitions,
			[&]
			{
				if (kind.bBands)
					bar.InitSolid({ { 50, RGB(200, 0, 0) }, { 100, RGB(0, 160, 0) } }, kSteps, strText,
						kind.bText, CGradientProgressCtrl::FlatBorder, RGB(0, 0, 0), RGB(240, 240, 240));
				else
					bar.Init(kSteps, strText, kind.bText, RGB(0, 0, 0), RGB(240, 240, 240), RGB(4, 188, 188),
						RGB(67, 120, 67), CGradientProgressCtrl::FlatBorder);
				if (kind.bText)
					bar.StartTiming();
			},
			[&]
			{
				for (int i = 0; i < kSteps; ++i)
					bar.Step();
			});
		bar.DestroyWindow();
		printf("ratio GradientProgressCtrl/system %s %.3f (%.3f ms)\n", kind.name,
			baseline > 0 ? seconds / baseline : 0.0, seconds * 1000.0);
	}
	host.DestroyWindow();
	Gdiplus::GdiplusShutdown(gdiplusToken);
	return 0;
}
