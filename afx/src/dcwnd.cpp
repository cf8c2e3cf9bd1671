// dcwnd.cpp - the contexts of a window: CPaintDC, CClientDC, CWindowDC.
#include "afxwin.h"

namespace
{
HWND SafeHwnd(const CWnd* pWnd)
{
	return pWnd != NULL ? pWnd->m_hWnd : NULL;
}
} // namespace

CWnd* CDC::GetWindow() const
{
	if (m_hDC == NULL)
		return NULL;
	return CWnd::FromHandle(::WindowFromDC(m_hDC));
}

/////////////////////////////////////////////////////////////////////////////
// CPaintDC

IMPLEMENT_DYNAMIC(CPaintDC, CDC)

CPaintDC::CPaintDC(CWnd* pWnd)
	: m_hWnd(SafeHwnd(pWnd))
{
	memset(&m_ps, 0, sizeof(m_ps));
	// Attached, so that CDC::FromHandle finds this object while painting.
	if (m_hWnd != NULL)
		Attach(::BeginPaint(m_hWnd, &m_ps));
}

CPaintDC::~CPaintDC()
{
	if (m_hDC != NULL)
	{
		::EndPaint(m_hWnd, &m_ps);
		Detach();
	}
}

/////////////////////////////////////////////////////////////////////////////
// CClientDC

IMPLEMENT_DYNAMIC(CClientDC, CDC)

CClientDC::CClientDC(CWnd* pWnd)
	: m_hWnd(SafeHwnd(pWnd))
{
	Attach(::GetDC(m_hWnd));
}

CClientDC::~CClientDC()
{
	if (m_hDC != NULL)
		::ReleaseDC(m_hWnd, Detach());
}

/////////////////////////////////////////////////////////////////////////////
// CWindowDC

IMPLEMENT_DYNAMIC(CWindowDC, CDC)

CWindowDC::CWindowDC(CWnd* pWnd)
	: m_hWnd(SafeHwnd(pWnd))
{
	Attach(::GetWindowDC(m_hWnd));
}

CWindowDC::~CWindowDC()
{
	if (m_hDC != NULL)
		::ReleaseDC(m_hWnd, Detach());
}
