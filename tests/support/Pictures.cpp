// Pictures.cpp - the test font, captions drawn with plain GDI, tab pages and the GDI leak check.
#include <kavrotest/TestSupport.h>

namespace kt
{

LOGFONTA TestLogFont()
{
	LOGFONTA lf = {};
	lf.lfHeight = -13;
	lf.lfCharSet = ANSI_CHARSET;
	lf.lfQuality = NONANTIALIASED_QUALITY;
	lstrcpyA(lf.lfFaceName, "Tahoma");
	return lf;
}

HFONT CreateTestFont()
{
	const LOGFONTA lf = TestLogFont();
	return ::CreateFontIndirectA(&lf);
}

int TextWidth(HFONT hFont, const char* text)
{
	HDC hdc = ::GetDC(NULL);
	HGDIOBJ hOld = ::SelectObject(hdc, hFont);
	SIZE size = {};
	::GetTextExtentPoint32A(hdc, text, lstrlenA(text), &size);
	::SelectObject(hdc, hOld);
	::ReleaseDC(NULL, hdc);
	return size.cx;
}

void DrawCaption(HDC hdc, HFONT hFont, const char* text, RECT rc, UINT format, COLORREF cr, bool bEmbossed)
{
	HGDIOBJ hOld = ::SelectObject(hdc, hFont);
	::SetBkMode(hdc, TRANSPARENT);
	if (bEmbossed)
	{
		RECT rcLight = rc;
		::OffsetRect(&rcLight, 1, 1);
		::SetTextColor(hdc, ::GetSysColor(COLOR_BTNHIGHLIGHT));
		::DrawTextA(hdc, text, -1, &rcLight, format);
		cr = ::GetSysColor(COLOR_GRAYTEXT);
	}
	::SetTextColor(hdc, cr);
	::DrawTextA(hdc, text, -1, &rc, format);
	::SelectObject(hdc, hOld);
}

Snapshot DrawOverHost(const HostWindow& host, const RECT& rc, const std::function<void(HDC)>& draw)
{
	RECT rcHost;
	::GetClientRect(host.GetSafeHwnd(), &rcHost);
	return Snapshot::Draw(rc.right - rc.left, rc.bottom - rc.top, RGB(255, 255, 255),
		[&](HDC hdc)
		{
			POINT old;
			::SetViewportOrgEx(hdc, -rc.left, -rc.top, &old);
			if (host.GetPainter())
				host.GetPainter()(hdc, rcHost);
			::SetViewportOrgEx(hdc, old.x, old.y, NULL);
			if (draw)
				draw(hdc);
		});
}

void RepaintAll(HWND hWnd)
{
	::RedrawWindow(hWnd, NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
	PumpPending();
}

TabPage::TabPage(CWnd* pParent, const RECT& rcTabs)
{
	m_tabs.Create(WC_TABCONTROLA, "", WS_CHILD | WS_VISIBLE, rcTabs, pParent, 301);
	const CRect rcPage(10, 30, rcTabs.right - rcTabs.left - 10, rcTabs.bottom - rcTabs.top - 20);
	m_page.Create(AfxRegisterWndClass(0), "page", WS_CHILD | WS_VISIBLE, rcPage, &m_tabs, 300);
}

TabPage::~TabPage()
{
	if (::IsWindow(m_tabs.m_hWnd))
		m_tabs.DestroyWindow();
}

::testing::AssertionResult LeavesNoGdiObjects(const std::function<void()>& cycle, int nCycles)
{
	// The first cycle makes the framework's and the system's first-use objects.
	cycle();
	RunIdle();
	const int nBefore = CountGdiObjects();
	if (nBefore <= 0)
		return ::testing::AssertionFailure() << "no GDI objects counted";
	for (int i = 0; i < nCycles; ++i)
		cycle();
	RunIdle();
	const int nAfter = CountGdiObjects();
	if (nAfter == nBefore)
		return ::testing::AssertionSuccess();
	return ::testing::AssertionFailure()
		   << nAfter - nBefore << " GDI objects more after " << nCycles << " cycles";
}

} // namespace kt
