// HostWindow.cpp - the host window that test controls sit on, with a background painted by the test.
#include <kavrotest/TestSupport.h>

namespace kt
{

BEGIN_MESSAGE_MAP(HostWindow, CWnd)
	ON_WM_ERASEBKGND()
	ON_WM_PAINT()
END_MESSAGE_MAP()

HostWindow::HostWindow(int cx, int cy, COLORREF crBack)
{
	m_painter = Solid(crBack);
	// The window rectangle is chosen so that the client area is cx x cy.
	CRect rc(0, 0, cx, cy);
	const DWORD style = WS_POPUP | WS_VISIBLE;
	::AdjustWindowRectEx(&rc, style, FALSE, 0);
	rc.OffsetRect(40 - rc.left, 40 - rc.top);
	LPCTSTR cls = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(NULL, IDC_ARROW));
	CreateEx(0, cls, "kavro test host", style, rc, NULL, 0);
	UpdateWindow();
}

HostWindow::~HostWindow()
{
	if (::IsWindow(m_hWnd))
		DestroyWindow();
}

void HostWindow::SetPainter(Painter painter)
{
	m_painter = std::move(painter);
	if (::IsWindow(m_hWnd))
		RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

HostWindow::Painter HostWindow::Solid(COLORREF cr)
{
	return [cr](HDC hdc, const RECT& rc)
	{
		HBRUSH hbr = ::CreateSolidBrush(cr);
		::FillRect(hdc, &rc, hbr);
		::DeleteObject(hbr);
	};
}

HostWindow::Painter HostWindow::Checkerboard(int cell, COLORREF a, COLORREF b)
{
	return [cell, a, b](HDC hdc, const RECT& rc)
	{
		HBRUSH hbrA = ::CreateSolidBrush(a);
		HBRUSH hbrB = ::CreateSolidBrush(b);
		for (int y = rc.top; y < rc.bottom; y += cell)
			for (int x = rc.left; x < rc.right; x += cell)
			{
				RECT r = { x, y, x + cell, y + cell };
				::FillRect(hdc, &r, (((x / cell) + (y / cell)) & 1) ? hbrB : hbrA);
			}
		::DeleteObject(hbrA);
		::DeleteObject(hbrB);
	};
}

BOOL HostWindow::OnEraseBkgnd(CDC* pDC)
{
	CRect rc;
	GetClientRect(&rc);
	if (m_painter)
		m_painter(pDC->GetSafeHdc(), rc);
	return TRUE;
}

void HostWindow::OnPaint()
{
	CPaintDC dc(this);
}

} // namespace kt
