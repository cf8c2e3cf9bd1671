// tooltip.cpp - CToolTipCtrl, and the tooltips CWnd::EnableToolTips shows for a window's children.
//
// Classes in this file:
//   CThreadToolTip, ToolTipState

#include "afxcmn.h"

#include <stdlib.h>
#include <string.h>

IMPLEMENT_DYNAMIC(CToolTipCtrl, CWnd)

#define SEND(msg, wp, lp) ::SendMessageA(m_hWnd, (msg), (WPARAM)(wp), (LPARAM)(lp))

/////////////////////////////////////////////////////////////////////////////
// CToolTipCtrl

CToolTipCtrl::CToolTipCtrl()
{
}

CToolTipCtrl::~CToolTipCtrl()
{
}

BOOL CToolTipCtrl::Create(CWnd* pParentWnd, DWORD dwStyle)
{
	INITCOMMONCONTROLSEX icc = { sizeof(icc), ICC_BAR_CLASSES };
	::InitCommonControlsEx(&icc);
	return CWnd::CreateEx(0, TOOLTIPS_CLASSA, NULL, WS_POPUP | dwStyle, CW_USEDEFAULT, CW_USEDEFAULT,
		CW_USEDEFAULT, CW_USEDEFAULT, pParentWnd->GetSafeHwnd(), NULL);
}

void CToolTipCtrl::FillInToolInfo(TOOLINFO& ti, CWnd* pWnd, UINT_PTR nIDTool) const
{
	memset(&ti, 0, sizeof(ti));
	ti.cbSize = sizeof(ti);
	HWND hWnd = pWnd->GetSafeHwnd();
	if (nIDTool == 0)
	{
		ti.hwnd = ::GetParent(hWnd);
		ti.uFlags = TTF_IDISHWND;
		ti.uId = reinterpret_cast<UINT_PTR>(hWnd);
	}
	else
	{
		ti.hwnd = hWnd;
		ti.uId = nIDTool;
	}
}

void CToolTipCtrl::GetText(CString& str, CWnd* pWnd, UINT_PTR nIDTool) const
{
	CToolInfo ti;
	FillInToolInfo(ti, pWnd, nIDTool);
	ti.lpszText = ti.szText;
	ti.szText[0] = '\0';
	SEND(TTM_GETTEXTA, _countof(ti.szText), &ti);
	str = ti.szText;
}

BOOL CToolTipCtrl::GetToolInfo(CToolInfo& ToolInfo, CWnd* pWnd, UINT_PTR nIDTool) const
{
	FillInToolInfo(ToolInfo, pWnd, nIDTool);
	ToolInfo.lpszText = ToolInfo.szText;
	ToolInfo.szText[0] = '\0';
	return (BOOL)SEND(TTM_GETTOOLINFOA, 0, static_cast<LPTOOLINFOA>(&ToolInfo));
}

void CToolTipCtrl::SetToolInfo(LPTOOLINFO lpToolInfo)
{
	SEND(TTM_SETTOOLINFOA, 0, lpToolInfo);
}

void CToolTipCtrl::SetToolRect(CWnd* pWnd, UINT_PTR nIDTool, LPCRECT lpRect)
{
	TOOLINFO ti;
	FillInToolInfo(ti, pWnd, nIDTool);
	ti.rect = *lpRect;
	SEND(TTM_NEWTOOLRECTA, 0, &ti);
}

int CToolTipCtrl::GetToolCount() const
{
	return (int)SEND(TTM_GETTOOLCOUNT, 0, 0);
}

void CToolTipCtrl::SetDelayTime(UINT nDelay)
{
	SEND(TTM_SETDELAYTIME, TTDT_AUTOMATIC, MAKELPARAM(nDelay, 0));
}
void CToolTipCtrl::SetDelayTime(DWORD dwDuration, int iTime)
{
	SEND(TTM_SETDELAYTIME, dwDuration, MAKELPARAM(iTime, 0));
}
int CToolTipCtrl::GetDelayTime(DWORD dwDuration) const
{
	return (int)SEND(TTM_GETDELAYTIME, dwDuration, 0);
}
int CToolTipCtrl::SetMaxTipWidth(int iWidth)
{
	return (int)SEND(TTM_SETMAXTIPWIDTH, 0, iWidth);
}
int CToolTipCtrl::GetMaxTipWidth() const
{
	return (int)SEND(TTM_GETMAXTIPWIDTH, 0, 0);
}
void CToolTipCtrl::SetTipBkColor(COLORREF clr)
{
	SEND(TTM_SETTIPBKCOLOR, clr, 0);
}
COLORREF CToolTipCtrl::GetTipBkColor() const
{
	return (COLORREF)SEND(TTM_GETTIPBKCOLOR, 0, 0);
}
void CToolTipCtrl::SetTipTextColor(COLORREF clr)
{
	SEND(TTM_SETTIPTEXTCOLOR, clr, 0);
}
COLORREF CToolTipCtrl::GetTipTextColor() const
{
	return (COLORREF)SEND(TTM_GETTIPTEXTCOLOR, 0, 0);
}

void CToolTipCtrl::Activate(BOOL bActivate)
{
	SEND(TTM_ACTIVATE, bActivate, 0);
}

BOOL CToolTipCtrl::AddTool(CWnd* pWnd, UINT nIDText, LPCRECT lpRectTool, UINT_PTR nIDTool)
{
	// The control loads the string itself, from the module that has it.
	TOOLINFO ti;
	FillInToolInfo(ti, pWnd, nIDTool);
	if (lpRectTool != NULL)
		ti.rect = *lpRectTool;
	ti.hinst = AfxFindStringResourceHandle(nIDText);
	ti.lpszText = MAKEINTRESOURCEA(nIDText);
	return ti.hinst != NULL && SEND(TTM_ADDTOOLA, 0, &ti);
}

BOOL CToolTipCtrl::AddTool(CWnd* pWnd, LPCTSTR lpszText, LPCRECT lpRectTool, UINT_PTR nIDTool)
{
	if (pWnd == NULL || lpszText == NULL)
		return FALSE;
	TOOLINFO ti;
	FillInToolInfo(ti, pWnd, nIDTool);
	if (lpRectTool != NULL)
		ti.rect = *lpRectTool;
	ti.lpszText = const_cast<LPSTR>(lpszText);
	return (BOOL)SEND(TTM_ADDTOOLA, 0, &ti);
}

void CToolTipCtrl::DelTool(CWnd* pWnd, UINT_PTR nIDTool)
{
	TOOLINFO ti;
	FillInToolInfo(ti, pWnd, nIDTool);
	SEND(TTM_DELTOOLA, 0, &ti);
}

BOOL CToolTipCtrl::HitTest(CWnd* pWnd, CPoint pt, LPTOOLINFO lpToolInfo) const
{
	TTHITTESTINFOA hti;
	memset(&hti, 0, sizeof(hti));
	hti.hwnd = pWnd->GetSafeHwnd();
	hti.pt = pt;
	hti.ti.cbSize = sizeof(hti.ti);
	if (!SEND(TTM_HITTESTA, 0, &hti))
		return FALSE;
	if (lpToolInfo != NULL)
		*lpToolInfo = hti.ti;
	return TRUE;
}

void CToolTipCtrl::RelayEvent(LPMSG lpMsg)
{
	SEND(TTM_RELAYEVENT, 0, lpMsg);
}

void CToolTipCtrl::UpdateTipText(LPCTSTR lpszText, CWnd* pWnd, UINT_PTR nIDTool)
{
	TOOLINFO ti;
	FillInToolInfo(ti, pWnd, nIDTool);
	ti.lpszText = const_cast<LPSTR>(lpszText);
	SEND(TTM_UPDATETIPTEXTA, 0, &ti);
}

void CToolTipCtrl::UpdateTipText(UINT nIDText, CWnd* pWnd, UINT_PTR nIDTool)
{
	CString strText;
	if (strText.LoadString(nIDText))
		UpdateTipText(strText, pWnd, nIDTool);
}

void CToolTipCtrl::Update()
{
	SEND(TTM_UPDATE, 0, 0);
}

void CToolTipCtrl::Pop()
{
	SEND(TTM_POP, 0, 0);
}

/////////////////////////////////////////////////////////////////////////////
// Tooltips of CWnd::EnableToolTips
//
// One tooltip control per thread serves every window that enabled tooltips.
// It holds at most one tool, the one under the mouse: each mouse message
// asks the window's OnToolHitTest, and a different answer replaces the tool.

namespace
{
// The thread's tooltip; it deletes itself when its window goes, which the
// system does when the window that owns it is destroyed.
class CThreadToolTip : public CToolTipCtrl
{
protected:
	virtual void PostNcDestroy() override;
};

struct ToolTipState
{
	CThreadToolTip* pToolTip = NULL;
	HWND hWndOwner = NULL; // the window whose OnToolHitTest named the tool
	INT_PTR nLastHit = -1; // its answer, -1 for no tool
	TOOLINFO tiLast = {};  // the tool in the control while nLastHit != -1
};

thread_local ToolTipState t_toolTip;

void CThreadToolTip::PostNcDestroy()
{
	if (t_toolTip.pToolTip == this)
		t_toolTip = ToolTipState();
	delete this;
}

// Takes the tool out of the control (which hides the tip) and forgets it.
void ForgetTool()
{
	if (t_toolTip.pToolTip != NULL && t_toolTip.nLastHit != -1)
		t_toolTip.pToolTip->SendMessage(TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&t_toolTip.tiLast));
	t_toolTip.hWndOwner = NULL;
	t_toolTip.nLastHit = -1;
}

// The thread's tooltip, owned by the top-level window of pWnd so that it
// stays above it and goes with it.
CToolTipCtrl* ToolTipFor(CWnd* pWnd)
{
	HWND hWndTop = ::GetAncestor(pWnd->m_hWnd, GA_ROOT);
	CThreadToolTip* pToolTip = t_toolTip.pToolTip;
	if (pToolTip != NULL && ::GetWindow(pToolTip->m_hWnd, GW_OWNER) == hWndTop)
		return pToolTip;
	if (pToolTip != NULL)
		pToolTip->DestroyWindow();

	pToolTip = new CThreadToolTip;
	if (pToolTip == NULL || !pToolTip->Create(CWnd::FromHandle(hWndTop), TTS_ALWAYSTIP))
	{
		delete pToolTip;
		return NULL;
	}
	t_toolTip.pToolTip = pToolTip;
	return pToolTip;
}

bool IsClientMouseMessage(UINT message)
{
	return message >= WM_MOUSEFIRST && message <= WM_MOUSELAST;
}
} // namespace

BOOL CWnd::EnableToolTips(BOOL bEnable)
{
	BOOL bWasEnabled = (m_nFlags & WF_TOOLTIPS) != 0;
	if (bEnable)
	{
		m_nFlags |= WF_TOOLTIPS;
	}
	else
	{
		m_nFlags &= ~WF_TOOLTIPS;
		if (t_toolTip.hWndOwner == m_hWnd)
			ForgetTool();
	}
	return bWasEnabled;
}

INT_PTR CWnd::OnToolHitTest(CPoint point, TOOLINFO* pTI) const
{
	HWND hWndChild = ::ChildWindowFromPointEx(m_hWnd, point, CWP_SKIPINVISIBLE | CWP_SKIPTRANSPARENT);
	if (hWndChild == NULL || hWndChild == m_hWnd)
		return -1;
	// Labels and frames of a dialog share the id -1 (IDC_STATIC): no tool.
	int nID = ::GetDlgCtrlID(hWndChild);
	if (nID == 0 || static_cast<WORD>(nID) == 0xFFFF)
		return -1;
	if (pTI != NULL)
	{
		pTI->hwnd = m_hWnd;
		pTI->uId = reinterpret_cast<UINT_PTR>(hWndChild);
		pTI->uFlags |= TTF_IDISHWND;
		pTI->lpszText = LPSTR_TEXTCALLBACK;
		// Not a button: the tip is centred below the control.
		if (!(::SendMessageA(hWndChild, WM_GETDLGCODE, 0, 0) & DLGC_BUTTON))
			pTI->uFlags |= TTF_NOTBUTTON | TTF_CENTERTIP;
	}
	return nID;
}

void CWnd::FilterToolTipMessage(MSG* pMsg)
{
	UINT message = pMsg->message;
	if (message == WM_KEYDOWN || message == WM_SYSKEYDOWN || message == WM_MOUSELEAVE)
	{
		// A key or the mouse leaving ends the tip, as the user expects.
		if (t_toolTip.hWndOwner == m_hWnd)
			ForgetTool();
		return;
	}
	if (!IsClientMouseMessage(message) || (pMsg->hwnd != m_hWnd && !::IsChild(m_hWnd, pMsg->hwnd)))
		return;

	CPoint point(static_cast<short>(LOWORD(pMsg->lParam)), static_cast<short>(HIWORD(pMsg->lParam)));
	if (message == WM_MOUSEWHEEL || message == WM_MOUSEHWHEEL)
		::ScreenToClient(m_hWnd, &point); // the wheel's position is a screen one
	else
		::MapWindowPoints(pMsg->hwnd, m_hWnd, &point, 1);

	TOOLINFO ti;
	memset(&ti, 0, sizeof(ti));
	ti.cbSize = sizeof(ti);
	INT_PTR nHit = OnToolHitTest(point, &ti);
	if (nHit == -1)
	{
		ForgetTool();
		return;
	}
	CToolTipCtrl* pToolTip = ToolTipFor(this);
	if (pToolTip == NULL)
		return;

	if (nHit != t_toolTip.nLastHit || m_hWnd != t_toolTip.hWndOwner || ti.hwnd != t_toolTip.tiLast.hwnd ||
		ti.uId != t_toolTip.tiLast.uId)
	{
		ForgetTool();
		if (ti.lpszText == NULL)
			ti.lpszText = LPSTR_TEXTCALLBACK;
		pToolTip->SendMessage(TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
		// The control keeps its own copy of the text.
		if (ti.lpszText != LPSTR_TEXTCALLBACK)
			free(ti.lpszText);
		ti.lpszText = LPSTR_TEXTCALLBACK;
		t_toolTip.tiLast = ti;
		t_toolTip.nLastHit = nHit;
		t_toolTip.hWndOwner = m_hWnd;
	}

	// The control finds a whole-window tool by the message's window, and a
	// rectangle by the position in the owner's client area.
	MSG msg = *pMsg;
	HWND hWndTool = (ti.uFlags & TTF_IDISHWND) ? reinterpret_cast<HWND>(ti.uId) : ti.hwnd;
	POINT ptTool = point;
	::MapWindowPoints(m_hWnd, hWndTool, &ptTool, 1);
	msg.hwnd = hWndTool;
	msg.lParam = MAKELPARAM(ptTool.x, ptTool.y);
	if (message == WM_MOUSEWHEEL || message == WM_MOUSEHWHEEL)
		msg.message = WM_MOUSEMOVE;
	pToolTip->RelayEvent(&msg);
}
