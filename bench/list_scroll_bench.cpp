// list_scroll_bench.cpp - 100,000 entries filled, wheel-scrolled and repainted, against the system list box.
//
// Classes in this file:
//   CPlainOwnerDrawList, Figures
//
// The system's list box (not owner-drawn), a CMenuListbox of the same styles,
// the plainest owner-drawn list box (to tell owner drawing's own cost apart)
// and an owner-drawn CHighlightListbox with every tenth entry highlighted are
// each filled with the same 100,000 texts, then scrolled by the mouse wheel
// and repainted whole. The wheel is turned a notch at a time: each
// WM_MOUSEWHEEL is sent, the scroll messages it queued are handled and the
// list box paints (UpdateWindow). Prints the median time of each step and its
// ratio to the system's list box. Not a test: the numbers depend on the
// machine and its load.
#include "BenchHost.h"
#include "BenchTiming.h"

#include <afxwin.h>

#include <kavro/MenuListbox.h>

#include <stdio.h>
#include <string>
#include <vector>

namespace
{

const int kEntries = 100000;
const int kFillRuns = 3;
const int kWheelRuns = 3;
const int kNotches = 50;
const int kRepaintRuns = 21;
// The wheel starts here, far from both ends of the list.
const int kStartTop = 50000;
const DWORD kStyle =
	WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_BORDER | LBS_NOTIFY | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT;
const CRect kRect(10, 10, 250, 410);

CBenchApp theApp("list-scroll-bench");

// The least an owner-drawn list box does: each entry's text on the window
// colour. It separates what owner drawing costs from what the highlighting
// adds.
class CPlainOwnerDrawList : public CListBox
{
public:
	virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override
	{
		CDC* pDC = CDC::FromHandle(lpDrawItemStruct->hDC);
		CRect rc(lpDrawItemStruct->rcItem);
		pDC->FillSolidRect(rc, ::GetSysColor(COLOR_WINDOW));
		CString strText;
		GetText(static_cast<int>(lpDrawItemStruct->itemID), strText);
		pDC->DrawText(strText, rc, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
	}
	virtual void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) override
	{
		lpMeasureItemStruct->itemHeight = 16;
	}
};

// Handles every queued message, as the application's message loop would.
void Pump()
{
	MSG msg;
	while (::PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
	{
		::TranslateMessage(&msg);
		::DispatchMessageA(&msg);
	}
}

void Fill(CListBox& list, const std::vector<std::string>& texts)
{
	list.SetRedraw(FALSE);
	list.ResetContent();
	list.InitStorage(static_cast<int>(texts.size()), 24);
	for (const std::string& text : texts)
		list.AddString(text.c_str());
	list.SetRedraw(TRUE);
	list.Invalidate();
	list.UpdateWindow();
}

struct Figures
{
	double fill, wheel, repaint;
	int nTopAfterWheel;
};

Figures Measure(CListBox& list, const std::vector<std::string>& texts)
{
	Figures figures;
	figures.fill = MedianSeconds(kFillRuns, [&] { Fill(list, texts); });
	const HWND hWnd = list.GetSafeHwnd();
	CRect rc;
	list.GetWindowRect(rc);
	const LPARAM lPoint = MAKELPARAM(rc.CenterPoint().x, rc.CenterPoint().y);
	figures.wheel = MedianSeconds(
		kWheelRuns,
		[&]
		{
			list.SetTopIndex(kStartTop);
			list.UpdateWindow();
			Pump();
		},
		[&]
		{
			for (int i = 0; i < kNotches; ++i)
			{
				::SendMessageA(hWnd, WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), lPoint);
				Pump();
				::UpdateWindow(hWnd);
			}
		});
	figures.nTopAfterWheel = list.GetTopIndex();
	figures.repaint = MedianSeconds(kRepaintRuns,
		[hWnd] { ::RedrawWindow(hWnd, NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW); });
	return figures;
}

void Print(const char* name, const Figures& figures, const Figures* pBase)
{
	printf("%-17s fill %8.1f ms   wheel %7.1f ms (%d notches, top %d)   repaint %6.3f ms\n", name,
		figures.fill * 1000.0, figures.wheel * 1000.0, kNotches, figures.nTopAfterWheel,
		figures.repaint * 1000.0);
	if (pBase != NULL)
		printf("ratio %s/system fill %.2f wheel %.2f repaint %.2f\n", name, figures.fill / pBase->fill,
			figures.wheel / pBase->wheel, figures.repaint / pBase->repaint);
}

} // namespace

int main()
{
	if (!StartFramework("list_scroll_bench"))
		return 1;
	CWnd host;
	if (!CreateHost(host, 260, 420))
	{
		fprintf(stderr, "list_scroll_bench: no host window\n");
		return 1;
	}
	std::vector<std::string> texts;
	texts.reserve(kEntries);
	for (int i = 0; i < kEntries; ++i)
		texts.push_back("Entry " + std::to_string(i) + " of the long list");
	HFONT hFont = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));

	CListBox system;
	if (!system.Create(kStyle, kRect, &host, 1))
	{
		fprintf(stderr, "list_scroll_bench: no system list box\n");
		return 1;
	}
	system.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(hFont));
	const Figures base = Measure(system, texts);
	system.DestroyWindow();
	printf("%d entries; each wheel notch is one WM_MOUSEWHEEL, its scrolling and UpdateWindow\n", kEntries);
	Print("system", base, NULL);

	CMenuListbox menu;
	menu.Create(kStyle, kRect, &host, 2);
	menu.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(hFont));
	Print("CMenuListbox", Measure(menu, texts), &base);
	menu.DestroyWindow();

	CPlainOwnerDrawList plain;
	plain.Create(kStyle | LBS_OWNERDRAWFIXED, kRect, &host, 4);
	plain.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(hFont));
	const Figures ownerDraw = Measure(plain, texts);
	plain.DestroyWindow();
	Print("plain owner-draw", ownerDraw, &base);

	CHighlightListbox highlight;
	highlight.Create(kStyle | LBS_OWNERDRAWFIXED, kRect, &host, 3);
	for (int i = 0; i < kEntries; i += 10)
		highlight.SetHighlight(i);
	const Figures highlighted = Measure(highlight, texts);
	Print("CHighlightListbox", highlighted, &base);
	printf("ratio CHighlightListbox/plain owner-draw fill %.2f wheel %.2f repaint %.2f\n",
		highlighted.fill / ownerDraw.fill, highlighted.wheel / ownerDraw.wheel,
		highlighted.repaint / ownerDraw.repaint);
	highlight.DestroyWindow();

	host.DestroyWindow();
	return 0;
}
