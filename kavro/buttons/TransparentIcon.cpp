// TransparentIcon.cpp - the transparent icon and the transparent icon button.
#include <afxwin.h>

#include <kavro/TransparentIcon.h>
#include <qtx/Support.h>

#include <commctrl.h>

#include "Frame.h"

/////////////////////////////////////////////////////////////////////////////
// CTransparentIcon

IMPLEMENT_DYNAMIC(CTransparentIcon, CTransparentStatic)

BEGIN_MESSAGE_MAP(CTransparentIcon, CTransparentStatic)
	ON_WM_PAINT()
	ON_MESSAGE(WM_PRINTCLIENT, &CTransparentIcon::OnPrintClient)
END_MESSAGE_MAP()

CTransparentIcon::CTransparentIcon()
	: m_nAlign(AlignCenter)
	, m_nIconId(0)
	, m_rcIcon(0, 0, 0, 0)
	, m_hIcon(NULL)
{
}

CTransparentIcon::~CTransparentIcon()
{
	ReleaseIcon();
}

CSize CTransparentIcon::GetIconSize() const
{
	return m_rcIcon.Size();
}

void CTransparentIcon::SetIcon(HICON hIcon, unsigned int nAlign)
{
	// Handing the control its own icon again must not destroy it.
	if (hIcon != m_hIcon)
		ReleaseIcon();
	m_hIcon = hIcon;
	TakeIcon(nAlign);
	if (GetSafeHwnd() != NULL)
		Invalidate(TRUE);
}

void CTransparentIcon::SetIcon(unsigned int nIconID, unsigned int nAlign, HINSTANCE hModule)
{
	if (nIconID == m_nIconId && nAlign == m_nAlign)
		return;
	ReleaseIcon();
	m_nIconId = nIconID;
	if (nIconID != 0)
	{
		m_hIcon = LoadIconResource(nIconID, hModule);
		if (m_hIcon == NULL)
			ReportFailure(kLogTransIconLoad);
	}
	TakeIcon(nAlign);
	if (GetSafeHwnd() != NULL)
		Invalidate(TRUE);
}

void CTransparentIcon::TakeIcon(unsigned int nAlign)
{
	m_rcIcon = GetIconRect(m_hIcon);
	if (m_hIcon != NULL)
		m_nAlign = nAlign <= AlignRight ? nAlign : static_cast<unsigned int>(AlignCenter);
	// The old icon may have covered more than the new one, or there is none
	// now: the parent repaints the whole area before anything goes on top.
	CWnd* pParent = GetSafeHwnd() != NULL ? GetParent() : NULL;
	if (pParent != NULL)
	{
		CRect rect;
		GetWindowRect(&rect);
		pParent->ScreenToClient(&rect);
		pParent->InvalidateRect(&rect, TRUE);
	}
}

void CTransparentIcon::ReleaseIcon()
{
	if (m_hIcon != NULL)
		::DestroyIcon(m_hIcon);
	m_hIcon = NULL;
}

void CTransparentIcon::DoPaint(CDC* pDC) const
{
	if (pDC == NULL || pDC->m_hDC == NULL)
		return;
	const int nOldBkMode = pDC->SetBkMode(TRANSPARENT);
	if (m_hIcon != NULL)
	{
		CRect rcClient;
		GetClientRect(&rcClient);
		const CSize size = m_rcIcon.Size();
		CPoint pt(rcClient.Width() / 2 - size.cx / 2, rcClient.Height() / 2 - size.cy / 2 + 1);
		if (m_nAlign == AlignLeft)
			pt.x = rcClient.left + 1;
		else if (m_nAlign == AlignRight)
			pt.x = rcClient.right - 1 - size.cx;
		// A disabled icon looks like an enabled one.
		pDC->DrawState(pt, size, m_hIcon, DST_ICON, static_cast<HBRUSH>(NULL));
	}
	pDC->SetBkMode(nOldBkMode);
}

void CTransparentIcon::OnPaint()
{
	CPaintDC dc(this);
	DoPaint(&dc);
}

LRESULT CTransparentIcon::OnPrintClient(WPARAM wParam, LPARAM /*lParam*/)
{
	DoPaint(CDC::FromHandle(reinterpret_cast<HDC>(wParam)));
	return 0;
}

/////////////////////////////////////////////////////////////////////////////
// CTransparentIconButton

IMPLEMENT_DYNAMIC(CTransparentIconButton, CWnd)

BEGIN_MESSAGE_MAP(CTransparentIconButton, CWnd)
	ON_WM_PAINT()
	ON_MESSAGE(WM_PRINTCLIENT, &CTransparentIconButton::OnPrintClient)
	ON_WM_MOUSEMOVE()
	ON_WM_LBUTTONDOWN()
	ON_WM_LBUTTONUP()
	ON_WM_LBUTTONDBLCLK()
	ON_MESSAGE(WM_MOUSELEAVE, &CTransparentIconButton::OnMouseLeave)
END_MESSAGE_MAP()

CTransparentIconButton::CTransparentIconButton()
	: m_bInTabCtrlPg(false)
	, m_bHot(false)
	, m_bPressed(false)
	, m_nIconAlignH(BS_CENTER)
	, m_nIconAlignV(BS_VCENTER)
	, m_rcIcon(0, 0, 0, 0)
	, m_hIcon(NULL)
	, m_hIconPressed(NULL)
	, m_hIconHot(NULL)
	, m_hIconDisabled(NULL)
	, m_pOwner(NULL)
{
}

CTransparentIconButton::~CTransparentIconButton()
{
	m_pOwner = NULL;
	ClearIcons();
}

bool CTransparentIconButton::Create(CWnd* pParent, unsigned int nID, unsigned int nIconAlignH,
	unsigned int nIconAlignV)
{
	m_pOwner = pParent;
	m_nIconAlignH = nIconAlignH;
	m_nIconAlignV = nIconAlignV;
	if (!CWnd::Create(NULL, StringUtils::DecryptText(kTextCtrlWindow), WS_CHILD | WS_VISIBLE,
			CRect(0, 0, 16, 16), pParent, nID))
	{
		ReportFailure(kLogIconButtonCreate);
		return false;
	}
	return true;
}

void CTransparentIconButton::SetIcon(QTXIcon::ButtonIcon eIcon, bool bHotTrack)
{
	unsigned int nNormalID = 0, nHotID = 0, nDisabledID = 0;
	HINSTANCE hModule = NULL;
	if (QTXIcon::GetIconInfo(eIcon, nNormalID, nHotID, nDisabledID, hModule, bHotTrack))
		SetIcon(nNormalID, hModule, 0, nHotID, nDisabledID);
}

// A state icon of the button: its own resource, or the normal icon when it
// has none or the resource does not load.
static HICON LoadStateIcon(unsigned int nID, HINSTANCE hModule, HICON hNormal)
{
	HICON hIcon = nID != 0 ? LoadIconResource(nID, hModule) : NULL;
	return hIcon != NULL ? hIcon : hNormal;
}

void CTransparentIconButton::SetIcon(unsigned int nIconID, HINSTANCE hModule, unsigned int nPressedID,
	unsigned int nHotID, unsigned int nDisabledID)
{
	ClearIcons();
	if (nIconID != 0)
	{
		m_hIcon = LoadIconResource(nIconID, hModule);
		if (m_hIcon == NULL)
			ReportFailure(kLogIconButtonLoad);
	}
	m_rcIcon = GetIconRect(m_hIcon);
	if (m_hIcon != NULL)
	{
		m_hIconPressed = LoadStateIcon(nPressedID, hModule, m_hIcon);
		m_hIconHot = LoadStateIcon(nHotID, hModule, m_hIcon);
		m_hIconDisabled = LoadStateIcon(nDisabledID, hModule, m_hIcon);
	}
	if (GetSafeHwnd() == NULL)
		return;
	Invalidate(TRUE);
	// Also when the button is left empty, so that the old icon goes.
	RedrawCtrl();
}

void CTransparentIconButton::EnableWindow(int bEnable)
{
	CWnd::EnableWindow(bEnable);
	RedrawCtrl();
}

void CTransparentIconButton::IsInTabCtrlPg()
{
	m_bInTabCtrlPg = true;
}

void CTransparentIconButton::RedrawCtrl()
{
	RedrawParentArea(this, m_bInTabCtrlPg, true);
}

void CTransparentIconButton::ClearIcons()
{
	// The state icons that fell back to the normal icon share its handle.
	if (m_hIcon != NULL)
	{
		for (HICON hIcon : { m_hIconPressed, m_hIconHot, m_hIconDisabled })
			if (hIcon != NULL && hIcon != m_hIcon)
				::DestroyIcon(hIcon);
		::DestroyIcon(m_hIcon);
	}
	m_hIcon = m_hIconPressed = m_hIconHot = m_hIconDisabled = NULL;
}

void CTransparentIconButton::DoPaint(CDC* pDC) const
{
	if (pDC == NULL || pDC->m_hDC == NULL)
		return;
	HICON hIcon = m_hIcon;
	CPoint pt(0, 0);
	UINT nFlags = DST_ICON;
	if (!IsWindowEnabled())
	{
		if (m_hIconDisabled != m_hIcon)
			hIcon = m_hIconDisabled;
		else
			nFlags |= DSS_DISABLED;
	}
	else if (::GetFocus() == m_hWnd)
	{
		hIcon = m_hIconPressed;
		if (m_bPressed)
			pt.Offset(1, 1);
	}
	else if (m_bHot && m_hIconHot != NULL)
	{
		hIcon = m_hIconHot;
	}
	if (hIcon == NULL)
		return;
	const int nOldBkMode = pDC->SetBkMode(TRANSPARENT);
	pDC->DrawState(pt, m_rcIcon.Size(), hIcon, nFlags, static_cast<HBRUSH>(NULL));
	pDC->SetBkMode(nOldBkMode);
}

void CTransparentIconButton::OnPaint()
{
	CPaintDC dc(this);
	DoPaint(&dc);
}

LRESULT CTransparentIconButton::OnPrintClient(WPARAM wParam, LPARAM /*lParam*/)
{
	DoPaint(CDC::FromHandle(reinterpret_cast<HDC>(wParam)));
	return 0;
}

void CTransparentIconButton::OnMouseMove(UINT nFlags, CPoint point)
{
	if (!m_bHot)
	{
		TRACKMOUSEEVENT tme = { sizeof(tme), TME_LEAVE, m_hWnd, 0 };
		if (_TrackMouseEvent(&tme))
		{
			m_bHot = true;
			Invalidate(TRUE);
		}
	}
	CWnd::OnMouseMove(nFlags, point);
}

void CTransparentIconButton::OnLButtonDown(UINT nFlags, CPoint point)
{
	m_bPressed = true;
	if (m_pOwner == NULL)
	{
		CWnd::OnLButtonDown(nFlags, point);
		return;
	}
	// The owner hears the press where it happened on the screen.
	CPoint ptScreen(point);
	ClientToScreen(&ptScreen);
	m_pOwner->SendMessage(WM_LBUTTONDOWN, nFlags, MAKELPARAM(ptScreen.x, ptScreen.y));
}

void CTransparentIconButton::OnLButtonUp(UINT nFlags, CPoint point)
{
	// Without this the focused look would stay pressed after the first click.
	m_bPressed = false;
	CWnd::OnLButtonUp(nFlags, point);
}

void CTransparentIconButton::OnLButtonDblClk(UINT nFlags, CPoint point)
{
	if (m_pOwner == NULL)
	{
		CWnd::OnLButtonDblClk(nFlags, point);
		return;
	}
	// Unlike a press, a double click keeps the button's own coordinates.
	m_pOwner->SendMessage(WM_LBUTTONDBLCLK, nFlags, MAKELPARAM(point.x, point.y));
}

LRESULT CTransparentIconButton::OnMouseLeave(WPARAM /*wParam*/, LPARAM /*lParam*/)
{
	m_bHot = false;
	Invalidate(TRUE);
	return 0;
}
