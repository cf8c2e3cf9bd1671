// wndproc.cpp - how a message reaches a CWnd: window procedure, dispatch, routing, reflection, the walk.
//
// Classes in this file:
//   CTestCmdUI

#include "afximpl_.h"
#include "menu_impl_.h"

/////////////////////////////////////////////////////////////////////////////
// Window procedure

WNDPROC AFXAPI AfxGetAfxWndProc()
{
	return &AfxWndProc;
}

// The window's class creates it first; PreSubclassWindow then talks to a
// complete control (Wine's combo box drops what it is sent before
// WM_NCCREATE and resets its item height at WM_CREATE; a list box or a tree
// view ignores everything before WM_CREATE); the object's own WM_CREATE
// handlers come last, their default processing already done.
static LRESULT CreateAndPreSubclass(CWnd* pWnd, HWND hWnd, WPARAM wParam, LPARAM lParam)
{
	WNDPROC pfnClass = pWnd->m_pfnSuper;
	LRESULT lResult = pfnClass != NULL ? ::CallWindowProcA(pfnClass, hWnd, WM_CREATE, wParam, lParam)
									   : ::DefWindowProcA(hWnd, WM_CREATE, wParam, lParam);
	if (lResult == -1)
	{
		pWnd->m_nFlags &= ~WF_CREATING;
		return -1;
	}

	// As when subclassing, the class's own procedure answers whatever
	// PreSubclassWindow sends, and whatever it installs goes under ours.
	_AFX_THREAD_STATE* pState = AfxGetThreadState();
	CWnd* pWndInitOuter = pState->m_pWndInit;
	pState->m_pWndInit = pWnd;
	if (pfnClass != NULL)
		::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(pfnClass));
	pWnd->PreSubclassWindow();
	pState->m_pWndInit = pWndInitOuter;
	WNDPROC pfnOld = reinterpret_cast<WNDPROC>(
		::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&AfxWndProc)));
	if (pfnOld != &AfxWndProc)
		pWnd->m_pfnSuper = pfnOld;

	lResult = AfxCallWndProc(pWnd, hWnd, WM_CREATE, wParam, lParam);
	pWnd->m_nFlags &= ~WF_CREATING;
	return lResult;
}

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
	CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
	if (pWnd == NULL || pWnd->m_hWnd != hWnd)
		return ::DefWindowProcA(hWnd, nMsg, wParam, lParam);
	if (nMsg == WM_CREATE && (pWnd->m_nFlags & WF_CREATING))
		return CreateAndPreSubclass(pWnd, hWnd, wParam, lParam);
	return AfxCallWndProc(pWnd, hWnd, nMsg, wParam, lParam);
}

LRESULT AFXAPI AfxCallWndProc(CWnd* pWnd, HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
	_AFX_THREAD_STATE* pState = AfxGetThreadState();
	// Messages nest (a handler sends another); each level sees its own.
	MSG msgOuter = pState->m_lastSentMsg;
	pState->m_lastSentMsg.hwnd = hWnd;
	pState->m_lastSentMsg.message = nMsg;
	pState->m_lastSentMsg.wParam = wParam;
	pState->m_lastSentMsg.lParam = lParam;

	LRESULT lResult = 0;
	try
	{
		lResult = pWnd->WindowProc(nMsg, wParam, lParam);
	}
	catch (...)
	{
		// Nothing may unwind through the system's dispatch code.
		::OutputDebugStringA("kavroafx: exception in a message handler, message dropped\n");
		lResult = 0;
	}

	if (nMsg == WM_NCDESTROY)
	{
		// A handler that did not pass WM_NCDESTROY on to CWnd::OnNcDestroy
		// would leave a dangling map entry; finish the job here. (When the base
		// ran, the object may already be deleted, hence the lookup.)
		CWnd* pStill = CWnd::FromHandlePermanent(hWnd);
		if (pStill != NULL)
		{
			pStill->Detach();
			pStill->PostNcDestroy();
		}
	}

	pState->m_lastSentMsg = msgOuter;
	return lResult;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
	LRESULT lResult = 0;
	if (!OnWndMsg(message, wParam, lParam, &lResult))
		lResult = DefWindowProc(message, wParam, lParam);
	return lResult;
}

LRESULT CWnd::DefWindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam)
{
	// The class already created the window (CreateAndPreSubclass).
	if (nMsg == WM_CREATE && (m_nFlags & WF_CREATING))
		return 0;
	if (m_pfnSuper != NULL)
		return ::CallWindowProcA(m_pfnSuper, m_hWnd, nMsg, wParam, lParam);
	return ::DefWindowProcA(m_hWnd, nMsg, wParam, lParam);
}

LRESULT CWnd::Default()
{
	// The message's own parameters, whatever a handler did with its copies.
	const MSG& msg = AfxGetThreadState()->m_lastSentMsg;
	return DefWindowProc(msg.message, msg.wParam, msg.lParam);
}

const MSG* PASCAL CWnd::GetCurrentMessage()
{
	MSG& msg = AfxGetThreadState()->m_lastSentMsg;
	msg.time = static_cast<DWORD>(::GetMessageTime());
	DWORD dwPos = ::GetMessagePos();
	msg.pt.x = static_cast<short>(LOWORD(dwPos));
	msg.pt.y = static_cast<short>(HIWORD(dwPos));
	return &msg;
}

/////////////////////////////////////////////////////////////////////////////
// Message-map dispatch

// The entry for a window message in one map, or NULL. An entry keyed
// WM_CTLCOLOR stands for all seven WM_CTLCOLORxxx messages.
static const AFX_MSGMAP_ENTRY* FindWindowMessageEntry(const AFX_MSGMAP_ENTRY* lpEntry, UINT message,
	UINT nAltMessage)
{
	for (; lpEntry->pfnDispatch != NULL; ++lpEntry)
	{
		if (lpEntry->nCode != 0 || lpEntry->nID != 0)
			continue;
		if (lpEntry->nMessage == message)
			return lpEntry;
		if (nAltMessage != 0 && lpEntry->nMessage == nAltMessage)
			return lpEntry;
		if (message >= 0xC000 && lpEntry->nMessage == 0xC000 && lpEntry->pnRegisteredMessage != NULL &&
			*lpEntry->pnRegisteredMessage == message)
			return lpEntry;
	}
	return NULL;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
	LRESULT lResult = 0;

	if (message == WM_COMMAND)
	{
		if (!OnCommand(wParam, lParam))
			return FALSE;
		lResult = 1;
	}
	else if (message == WM_NOTIFY)
	{
		NMHDR* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
		if (pNMHDR == NULL || pNMHDR->hwndFrom == NULL || !OnNotify(wParam, lParam, &lResult))
			return FALSE;
	}
	else
	{
		AFX_MSGCALL call = { message, wParam, lParam, 0, 0, 0, NULL };
		UINT nAltMessage = 0;
		if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC)
		{
			nAltMessage = WM_CTLCOLOR;
			call.nCode = message - WM_CTLCOLORMSGBOX;
		}

		const AFX_MSGMAP_ENTRY* lpEntry = NULL;
		for (const AFX_MSGMAP* pMap = GetMessageMap(); pMap != NULL && lpEntry == NULL;
			 pMap = pMap->pfnGetBaseMap != NULL ? (*pMap->pfnGetBaseMap)() : NULL)
		{
			lpEntry = FindWindowMessageEntry(pMap->lpEntries, message, nAltMessage);
		}
		if (lpEntry == NULL || !(*lpEntry->pfnDispatch)(this, call))
			return FALSE;
		lResult = call.lResult;
	}

	if (pResult != NULL)
		*pResult = lResult;
	return TRUE;
}

BOOL CWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
	return CCmdTarget::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

namespace
{

// Asks an update handler whether a command is enabled, and changes nothing.
class CTestCmdUI : public CCmdUI
{
public:
	BOOL m_bEnabled = TRUE;

	virtual void Enable(BOOL bOn) override
	{
		m_bEnabled = bOn;
		m_bEnableChanged = TRUE;
	}
	virtual void SetCheck(int) override {}
	virtual void SetRadio(BOOL) override {}
	virtual void SetText(LPCTSTR) override {}
};

} // namespace

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
	UINT nID = LOWORD(wParam);
	HWND hWndCtrl = reinterpret_cast<HWND>(lParam);
	int nCode = HIWORD(wParam);

	if (hWndCtrl == NULL)
	{
		// A menu item or an accelerator: a plain command, unless it has no
		// id or its update handler disables it now (an accelerator has no
		// grayed item to stop it, and the menu may be stale).
		if (nID == 0)
			return FALSE;
		CTestCmdUI state;
		state.m_nID = nID;
		OnCmdMsg(nID, static_cast<int>(CN_UPDATE_COMMAND_UI), &state, NULL);
		if (!state.m_bEnabled)
			return TRUE;
		nCode = CN_COMMAND;
	}
	else
	{
		// A control notification: the control's object sees it first.
		if (ReflectLastMsg(hWndCtrl))
			return TRUE;
		if (nID == 0)
			return FALSE;
	}
	return OnCmdMsg(nID, nCode, NULL, NULL);
}

BOOL CWnd::OnNotify(WPARAM, LPARAM lParam, LRESULT* pResult)
{
	NMHDR* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
	if (pNMHDR == NULL)
		return FALSE;
	HWND hWndCtrl = pNMHDR->hwndFrom;

	if (ReflectLastMsg(hWndCtrl, pResult))
		return TRUE;

	UINT nID = static_cast<UINT>(::GetDlgCtrlID(hWndCtrl));
	AFX_NOTIFY notify = { pResult, pNMHDR };
	return OnCmdMsg(nID, static_cast<int>(MAKELONG(pNMHDR->code, WM_NOTIFY)), &notify, NULL);
}

/////////////////////////////////////////////////////////////////////////////
// Reflection

BOOL PASCAL CWnd::ReflectLastMsg(HWND hWndChild, LRESULT* pResult)
{
	// Only bound objects take part; a temporary wrapper has no handlers.
	CWnd* pWnd = FromHandlePermanent(hWndChild);
	if (pWnd == NULL)
		return FALSE;
	return pWnd->SendChildNotifyLastMsg(pResult);
}

BOOL CWnd::SendChildNotifyLastMsg(LRESULT* pResult)
{
	const MSG& msg = AfxGetThreadState()->m_lastSentMsg;
	return OnChildNotify(msg.message, msg.wParam, msg.lParam, pResult);
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
	return ReflectChildNotify(message, wParam, lParam, pResult);
}

BOOL CWnd::ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
	LRESULT lIgnored = 0;
	switch (message)
	{
	case WM_HSCROLL:
	case WM_VSCROLL:
	case WM_PARENTNOTIFY:
	case WM_DRAWITEM:
	case WM_MEASUREITEM:
	case WM_DELETEITEM:
	case WM_VKEYTOITEM:
	case WM_CHARTOITEM:
	case WM_COMPAREITEM:
		return CWnd::OnWndMsg(WM_REFLECT_BASE + message, wParam, lParam, pResult);

	case WM_COMMAND:
		if (CWnd::OnCmdMsg(0, static_cast<int>(MAKELONG(HIWORD(wParam), WM_REFLECT_BASE + WM_COMMAND)), NULL,
				NULL))
		{
			if (pResult != NULL)
				*pResult = 1;
			return TRUE;
		}
		return FALSE;

	case WM_NOTIFY:
	{
		NMHDR* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
		if (pNMHDR == NULL)
			return FALSE;
		AFX_NOTIFY notify = { pResult != NULL ? pResult : &lIgnored, pNMHDR };
		return CWnd::OnCmdMsg(0, static_cast<int>(MAKELONG(pNMHDR->code, WM_REFLECT_BASE + WM_NOTIFY)),
			&notify, NULL);
	}

	default:
		if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC)
		{
			AFX_CTLCOLOR ctl = { m_hWnd, reinterpret_cast<HDC>(wParam), message - WM_CTLCOLORMSGBOX };
			return CWnd::OnWndMsg(WM_REFLECT_BASE + WM_CTLCOLOR, 0, reinterpret_cast<LPARAM>(&ctl), pResult);
		}
		return FALSE;
	}
}

/////////////////////////////////////////////////////////////////////////////
// Command UI of child controls

// Only a control that issues commands can lack a handler: static text,
// edits, lists, group boxes and the automatic check boxes and radio buttons,
// which keep their own state, are never disabled for the want of one.
static BOOL IsCommandButton(HWND hWnd)
{
	if (!(::SendMessageA(hWnd, WM_GETDLGCODE, 0, 0) & DLGC_BUTTON))
		return FALSE;
	UINT nType = static_cast<UINT>(::GetWindowLongPtrA(hWnd, GWL_STYLE)) & BS_TYPEMASK;
	return nType != BS_AUTOCHECKBOX && nType != BS_AUTO3STATE && nType != BS_AUTORADIOBUTTON &&
		   nType != BS_GROUPBOX;
}

// The code under which a control's ON_UPDATE_COMMAND_UI_REFLECT entry is found.
static const int kReflectedUpdate =
	static_cast<int>(MAKELONG(static_cast<WORD>(CN_UPDATE_COMMAND_UI), WM_REFLECT_BASE + WM_COMMAND));

void CWnd::UpdateDialogControls(CCmdTarget* pTarget, BOOL bDisableIfNoHndler)
{
	for (HWND hWndChild = ::GetTopWindow(m_hWnd); hWndChild != NULL;
		 hWndChild = ::GetWindow(hWndChild, GW_HWNDNEXT))
	{
		CCmdUI state;
		state.m_nID = static_cast<UINT>(::GetDlgCtrlID(hWndChild));
		state.m_pOther = FromHandle(hWndChild);

		// The control's own reflected entry first, without routing.
		CWnd* pChild = FromHandlePermanent(hWndChild);
		if (pChild != NULL && pChild->CWnd::OnCmdMsg(0, kReflectedUpdate, &state, NULL))
			continue;
		if (CWnd::OnCmdMsg(state.m_nID, static_cast<int>(CN_UPDATE_COMMAND_UI), &state, NULL))
			continue;
		state.DoUpdate(pTarget, bDisableIfNoHndler && IsCommandButton(hWndChild));
	}
}

/////////////////////////////////////////////////////////////////////////////
// PreTranslateMessage

BOOL CWnd::PreTranslateMessage(MSG* pMsg)
{
	if (m_nFlags & WF_TOOLTIPS)
		FilterToolTipMessage(pMsg);
	return FALSE;
}

BOOL PASCAL CWnd::WalkPreTranslateTree(HWND hWndStop, MSG* pMsg)
{
	if (pMsg == NULL)
		return FALSE;
	for (HWND hWnd = pMsg->hwnd; hWnd != NULL; hWnd = ::GetParent(hWnd))
	{
		CWnd* pWnd = FromHandlePermanent(hWnd);
		if (pWnd != NULL && pWnd->PreTranslateMessage(pMsg))
			return TRUE;
		if (hWnd == hWndStop)
			break;
	}
	return FALSE;
}

BOOL CWnd::IsDialogMessage(LPMSG lpMsg)
{
	if (lpMsg == NULL || m_hWnd == NULL)
		return FALSE;
	return ::IsDialogMessageA(m_hWnd, lpMsg);
}

BOOL CWnd::PreTranslateInput(LPMSG lpMsg)
{
	// Only keyboard and mouse input is dialog navigation.
	if ((lpMsg->message < WM_KEYFIRST || lpMsg->message > WM_KEYLAST) &&
		(lpMsg->message < WM_MOUSEFIRST || lpMsg->message > WM_MOUSELAST))
		return FALSE;
	return IsDialogMessage(lpMsg);
}

/////////////////////////////////////////////////////////////////////////////
// Dialog data and modal loops

void CWnd::DoDataExchange(CDataExchange*)
{
}

BOOL CWnd::UpdateData(BOOL bSaveAndValidate)
{
	if (m_hWnd == NULL)
		return FALSE;
	CDataExchange dx(this, bSaveAndValidate);
	DoDataExchange(&dx);
	return !dx.m_bFailed;
}

BOOL CWnd::ContinueModal()
{
	return (m_nFlags & WF_CONTINUEMODAL) != 0;
}

void CWnd::EndModalLoop(int nResult)
{
	m_nModalResult = nResult;
	if (m_nFlags & WF_CONTINUEMODAL)
	{
		m_nFlags &= ~WF_CONTINUEMODAL;
		// Wake the loop if it waits for input.
		PostMessage(WM_NULL);
	}
}

int CWnd::RunModalLoop(DWORD dwFlags)
{
	BOOL bShowIdle = (dwFlags & MLF_SHOWONIDLE) && !(GetStyle() & WS_VISIBLE);
	HWND hWndParent = ::GetParent(m_hWnd);
	m_nFlags |= WF_MODALLOOP | WF_CONTINUEMODAL;
	// Whoever called us may hold temporary objects across the loop; they
	// stay until the thread's outermost idle time.
	_AFX_THREAD_STATE* pState = AfxGetThreadState();
	pState->m_nTempMapLock++;

	BOOL bIdle = TRUE;
	LONG lIdleCount = 0;
	BOOL bQuit = FALSE;
	while (ContinueModal())
	{
		MSG msg;
		if (!::PeekMessageA(&msg, NULL, 0, 0, PM_NOREMOVE))
		{
			if (!bIdle)
			{
				::WaitMessage();
				continue;
			}
			// The queue has just run dry: show the dialog and tell the owner
			// (helpers answer dialogs from there).
			if (lIdleCount == 0)
			{
				if (bShowIdle)
				{
					ShowWindow(SW_SHOWNORMAL);
					UpdateWindow();
					bShowIdle = FALSE;
				}
				if (!(dwFlags & MLF_NOIDLEMSG) && hWndParent != NULL)
					::SendMessageA(hWndParent, WM_ENTERIDLE, MSGF_DIALOGBOX,
						reinterpret_cast<LPARAM>(m_hWnd));
			}
			// WM_KICKIDLE carries the idle count and answers non-zero while
			// the window wants more idle time.
			if ((dwFlags & MLF_NOKICKIDLE) || !::IsWindow(m_hWnd) ||
				!SendMessage(WM_KICKIDLE, MSGF_DIALOGBOX, static_cast<LPARAM>(lIdleCount++)))
				bIdle = FALSE;
			continue;
		}

		if (!AfxPumpMessage())
		{
			// WM_QUIT: leave it for the outer loop.
			AfxPostQuitMessage(0);
			bQuit = TRUE;
			break;
		}
		if (bShowIdle && (msg.message == WM_SYSKEYDOWN || msg.message == 0x0118 /* WM_SYSTIMER */))
		{
			ShowWindow(SW_SHOWNORMAL);
			UpdateWindow();
			bShowIdle = FALSE;
		}
		if (msg.message != WM_PAINT && msg.message != 0x0118 && msg.message != WM_MOUSEMOVE &&
			msg.message != WM_NCMOUSEMOVE)
		{
			bIdle = TRUE;
			lIdleCount = 0;
		}
	}
	m_nFlags &= ~(WF_MODALLOOP | WF_CONTINUEMODAL);
	pState->m_nTempMapLock--;
	return bQuit ? -1 : m_nModalResult;
}

/////////////////////////////////////////////////////////////////////////////
// CWnd's own message map: what every window needs for reflection, owner-draw
// menus, the wait cursor and clean-up.

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
	ON_WM_CTLCOLOR()
	ON_WM_DRAWITEM()
	ON_WM_MEASUREITEM()
	ON_WM_COMPAREITEM()
	ON_WM_DELETEITEM()
	ON_WM_CHARTOITEM()
	ON_WM_VKEYTOITEM()
	ON_WM_HSCROLL()
	ON_WM_VSCROLL()
	ON_WM_PARENTNOTIFY()
	ON_WM_SETCURSOR()
	ON_WM_NCDESTROY()
END_MESSAGE_MAP()

/////////////////////////////////////////////////////////////////////////////
// Handlers that reflect to the child control

HBRUSH CWnd::OnCtlColor(CDC*, CWnd* pWnd, UINT)
{
	LRESULT lResult;
	if (ReflectLastMsg(pWnd->GetSafeHwnd(), &lResult))
		return reinterpret_cast<HBRUSH>(lResult);
	return reinterpret_cast<HBRUSH>(Default());
}

void CWnd::OnDrawItem(int, LPDRAWITEMSTRUCT lpDrawItemStruct)
{
	if (lpDrawItemStruct == NULL)
	{
		Default();
		return;
	}
	if (lpDrawItemStruct->CtlType == ODT_MENU)
	{
		if (_AfxDrawMenuItem(lpDrawItemStruct))
			return;
	}
	else if (ReflectLastMsg(lpDrawItemStruct->hwndItem))
	{
		return;
	}
	Default();
}

void CWnd::OnMeasureItem(int, LPMEASUREITEMSTRUCT lpMeasureItemStruct)
{
	if (lpMeasureItemStruct == NULL)
	{
		Default();
		return;
	}
	if (lpMeasureItemStruct->CtlType == ODT_MENU)
	{
		if (_AfxMeasureMenuItem(m_hWnd, lpMeasureItemStruct))
			return;
	}
	else
	{
		// The message names only the control's id.
		CWnd* pChild = GetDescendantWindow(static_cast<int>(lpMeasureItemStruct->CtlID), TRUE);
		if (pChild != NULL && pChild->SendChildNotifyLastMsg())
			return;
	}
	Default();
}

int CWnd::OnCompareItem(int, LPCOMPAREITEMSTRUCT lpCompareItemStruct)
{
	LRESULT lResult;
	if (lpCompareItemStruct != NULL && ReflectLastMsg(lpCompareItemStruct->hwndItem, &lResult))
		return static_cast<int>(lResult);
	return static_cast<int>(Default());
}

void CWnd::OnDeleteItem(int, LPDELETEITEMSTRUCT lpDeleteItemStruct)
{
	if (lpDeleteItemStruct != NULL && ReflectLastMsg(lpDeleteItemStruct->hwndItem))
		return;
	Default();
}

int CWnd::OnCharToItem(UINT, CListBox* pListBox, UINT)
{
	LRESULT lResult;
	if (ReflectLastMsg(pListBox->GetSafeHwnd(), &lResult))
		return static_cast<int>(lResult);
	return static_cast<int>(Default());
}

int CWnd::OnVKeyToItem(UINT, CListBox* pListBox, UINT)
{
	LRESULT lResult;
	if (ReflectLastMsg(pListBox->GetSafeHwnd(), &lResult))
		return static_cast<int>(lResult);
	return static_cast<int>(Default());
}

void CWnd::OnHScroll(UINT, UINT, CScrollBar* pScrollBar)
{
	// No scroll bar: the window's own bar, nothing to reflect.
	if (pScrollBar != NULL && ReflectLastMsg(pScrollBar->GetSafeHwnd()))
		return;
	Default();
}

void CWnd::OnVScroll(UINT, UINT, CScrollBar* pScrollBar)
{
	if (pScrollBar != NULL && ReflectLastMsg(pScrollBar->GetSafeHwnd()))
		return;
	Default();
}

void CWnd::OnParentNotify(UINT message, LPARAM lParam)
{
	if ((LOWORD(message) == WM_CREATE || LOWORD(message) == WM_DESTROY) &&
		ReflectLastMsg(reinterpret_cast<HWND>(lParam)))
		return;
	Default();
}

void CWnd::OnNcDestroy()
{
	// The main window going away ends the thread's message loop.
	CWinThread* pThread = AfxGetThread();
	if (pThread != NULL)
	{
		if (pThread->m_pMainWnd == this)
		{
			AfxPostQuitMessage(0);
			pThread->m_pMainWnd = NULL;
		}
		if (pThread->m_pActiveWnd == this)
			pThread->m_pActiveWnd = NULL;
	}

	// A modal loop running for this window ends with the window.
	m_nFlags &= ~WF_CONTINUEMODAL;

	Default();

	// Give the window its original procedure back for whatever the system
	// still sends, then unbind and let the object finish itself.
	if (m_pfnSuper != NULL &&
		reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(m_hWnd, GWLP_WNDPROC)) == &AfxWndProc)
	{
		::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
	}
	Detach();
	PostNcDestroy();
}

/////////////////////////////////////////////////////////////////////////////
// Handlers that pass the message on unchanged

void CWnd::OnActivate(UINT, CWnd*, BOOL)
{
	Default();
}
void CWnd::OnActivateApp(BOOL, DWORD)
{
	Default();
}
void CWnd::OnCancelMode()
{
	Default();
}
void CWnd::OnCaptureChanged(CWnd*)
{
	Default();
}
void CWnd::OnChar(UINT, UINT, UINT)
{
	Default();
}
void CWnd::OnClipboardUpdate()
{
	Default();
}
void CWnd::OnClose()
{
	Default();
}
void CWnd::OnContextMenu(CWnd*, CPoint)
{
	Default();
}
int CWnd::OnCreate(LPCREATESTRUCT)
{
	return static_cast<int>(Default());
}
void CWnd::OnDestroy()
{
	Default();
}
void CWnd::OnDropFiles(HDROP)
{
	Default();
}
void CWnd::OnEnable(BOOL)
{
	Default();
}
void CWnd::OnEnterIdle(UINT, CWnd*)
{
	Default();
}
BOOL CWnd::OnEraseBkgnd(CDC*)
{
	return static_cast<BOOL>(Default());
}
UINT CWnd::OnGetDlgCode()
{
	return static_cast<UINT>(Default());
}
void CWnd::OnGetMinMaxInfo(MINMAXINFO*)
{
	Default();
}
BOOL CWnd::OnHelpInfo(HELPINFO*)
{
	return static_cast<BOOL>(Default());
}
void CWnd::OnInitMenu(CMenu*)
{
	Default();
}
void CWnd::OnInitMenuPopup(CMenu*, UINT, BOOL)
{
	Default();
}
void CWnd::OnKeyDown(UINT, UINT, UINT)
{
	Default();
}
void CWnd::OnKeyUp(UINT, UINT, UINT)
{
	Default();
}
void CWnd::OnKillFocus(CWnd*)
{
	Default();
}
void CWnd::OnLButtonDblClk(UINT, CPoint)
{
	Default();
}
void CWnd::OnLButtonDown(UINT, CPoint)
{
	Default();
}
void CWnd::OnLButtonUp(UINT, CPoint)
{
	Default();
}
void CWnd::OnMButtonDblClk(UINT, CPoint)
{
	Default();
}
void CWnd::OnMButtonDown(UINT, CPoint)
{
	Default();
}
void CWnd::OnMButtonUp(UINT, CPoint)
{
	Default();
}
LRESULT CWnd::OnMenuChar(UINT, UINT, CMenu*)
{
	return Default();
}
void CWnd::OnMenuSelect(UINT, UINT, HMENU)
{
	Default();
}
int CWnd::OnMouseActivate(CWnd*, UINT, UINT)
{
	return static_cast<int>(Default());
}
void CWnd::OnMouseHover(UINT, CPoint)
{
	Default();
}
void CWnd::OnMouseHWheel(UINT, short, CPoint)
{
	Default();
}
void CWnd::OnMouseLeave()
{
	Default();
}
void CWnd::OnMouseMove(UINT, CPoint)
{
	Default();
}
BOOL CWnd::OnMouseWheel(UINT, short, CPoint)
{
	return static_cast<BOOL>(Default());
}
void CWnd::OnMove(int, int)
{
	Default();
}
BOOL CWnd::OnNcActivate(BOOL)
{
	return static_cast<BOOL>(Default());
}
void CWnd::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS*)
{
	Default();
}
BOOL CWnd::OnNcCreate(LPCREATESTRUCT)
{
	return static_cast<BOOL>(Default());
}
LRESULT CWnd::OnNcHitTest(CPoint)
{
	return Default();
}
void CWnd::OnNcLButtonDown(UINT, CPoint)
{
	Default();
}
void CWnd::OnNcLButtonUp(UINT, CPoint)
{
	Default();
}
void CWnd::OnNcMouseLeave()
{
	Default();
}
void CWnd::OnNcMouseMove(UINT, CPoint)
{
	Default();
}
void CWnd::OnNcPaint()
{
	Default();
}
void CWnd::OnPaint()
{
	Default();
}
void CWnd::OnPrintClient(CDC*, UINT)
{
	Default();
}
void CWnd::OnRButtonDblClk(UINT, CPoint)
{
	Default();
}
void CWnd::OnRButtonDown(UINT, CPoint)
{
	Default();
}
void CWnd::OnRButtonUp(UINT, CPoint)
{
	Default();
}
BOOL CWnd::OnSetCursor(CWnd*, UINT, UINT)
{
	// During a wait the hourglass stays whatever the class cursor is.
	CWinApp* pApp = AfxGetApp();
	if (pApp != NULL && pApp->m_nWaitCursorCount > 0)
	{
		pApp->DoWaitCursor(0);
		return TRUE;
	}
	return static_cast<BOOL>(Default());
}
void CWnd::OnSetFocus(CWnd*)
{
	Default();
}
void CWnd::OnSettingChange(UINT, LPCTSTR)
{
	Default();
}
void CWnd::OnShowWindow(BOOL, UINT)
{
	Default();
}
void CWnd::OnSize(UINT, int, int)
{
	Default();
}
void CWnd::OnSizing(UINT, LPRECT)
{
	Default();
}
void CWnd::OnStyleChanged(int, LPSTYLESTRUCT)
{
	Default();
}
void CWnd::OnStyleChanging(int, LPSTYLESTRUCT)
{
	Default();
}
void CWnd::OnSysChar(UINT, UINT, UINT)
{
	Default();
}
void CWnd::OnSysColorChange()
{
	Default();
}
void CWnd::OnSysCommand(UINT, LPARAM)
{
	Default();
}
void CWnd::OnSysKeyDown(UINT, UINT, UINT)
{
	Default();
}
void CWnd::OnSysKeyUp(UINT, UINT, UINT)
{
	Default();
}
LRESULT CWnd::OnThemeChanged()
{
	return Default();
}
void CWnd::OnTimer(UINT_PTR)
{
	Default();
}
void CWnd::OnUnInitMenuPopup(CMenu*, UINT)
{
	Default();
}
void CWnd::OnWindowPosChanged(WINDOWPOS*)
{
	Default();
}
void CWnd::OnWindowPosChanging(WINDOWPOS*)
{
	Default();
}
