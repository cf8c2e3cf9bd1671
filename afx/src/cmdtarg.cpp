// cmdtarg.cpp - CCmdTarget: message-map search, command routing and the wait cursor; CCmdUI.

#include "afximpl_.h"

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

/////////////////////////////////////////////////////////////////////////////
// CCmdTarget

CCmdTarget::CCmdTarget()
{
}

CCmdTarget::~CCmdTarget()
{
}

const AFX_MSGMAP* PASCAL CCmdTarget::GetThisMessageMap()
{
	static const AFX_MSGMAP_ENTRY _messageEntries[] = { { 0, 0, 0, 0, NULL, NULL, NULL } };
	static const AFX_MSGMAP messageMap = { NULL, &_messageEntries[0] };
	return &messageMap;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const
{
	return GetThisMessageMap();
}

const AFX_MSGMAP_ENTRY* PASCAL CCmdTarget::FindMessageEntry(const AFX_MSGMAP_ENTRY* lpEntry, UINT nMsg,
	UINT nCode, UINT nID)
{
	for (; lpEntry != NULL && lpEntry->pfnDispatch != NULL; ++lpEntry)
	{
		if (lpEntry->nMessage == nMsg && lpEntry->nCode == nCode && nID >= lpEntry->nID &&
			nID <= lpEntry->nLastID)
			return lpEntry;
	}
	return NULL;
}

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
	// A notification comes as MAKELONG(code, message); plain commands and
	// control notifications have no message part and mean WM_COMMAND.
	UINT nMsg = 0;
	UINT nKey = static_cast<UINT>(nCode);
	if (nKey != CN_UPDATE_COMMAND_UI)
	{
		nMsg = HIWORD(nKey);
		nKey = LOWORD(nKey);
	}
	if (nMsg == 0)
		nMsg = WM_COMMAND;

	for (const AFX_MSGMAP* pMap = GetMessageMap(); pMap != NULL;
		 pMap = pMap->pfnGetBaseMap != NULL ? (*pMap->pfnGetBaseMap)() : NULL)
	{
		const AFX_MSGMAP_ENTRY* lpEntry = FindMessageEntry(pMap->lpEntries, nMsg, nKey, nID);
		if (lpEntry == NULL)
			continue;
		if (pHandlerInfo != NULL)
		{
			pHandlerInfo->pTarget = this;
			pHandlerInfo->pmf = lpEntry->pfn;
			return TRUE;
		}
		AFX_MSGCALL call = { nMsg, 0, 0, 0, nID, nKey, pExtra };
		return (*lpEntry->pfnDispatch)(this, call);
	}
	return FALSE;
}

static void DoWaitCursor(int nCode)
{
	CWinApp* pApp = AfxGetApp();
	if (pApp != NULL)
		pApp->DoWaitCursor(nCode);
	else
		::SetCursor(::LoadCursor(NULL, nCode >= 0 ? IDC_WAIT : IDC_ARROW));
}

void CCmdTarget::BeginWaitCursor()
{
	DoWaitCursor(1);
}

void CCmdTarget::EndWaitCursor()
{
	DoWaitCursor(-1);
}

void CCmdTarget::RestoreWaitCursor()
{
	DoWaitCursor(0);
}

/////////////////////////////////////////////////////////////////////////////
// CCmdUI

CCmdUI::CCmdUI()
	: m_nID(0)
	, m_nIndex(0)
	, m_pMenu(NULL)
	, m_pSubMenu(NULL)
	, m_pOther(NULL)
	, m_bEnableChanged(FALSE)
	, m_bContinueRouting(FALSE)
	, m_nIndexMax(0)
	, m_pParentMenu(NULL)
{
}

void CCmdUI::Enable(BOOL bOn)
{
	if (m_pMenu != NULL)
	{
		// A popup's own state follows its items; leave it alone.
		if (m_pSubMenu != NULL)
			return;
		::EnableMenuItem(m_pMenu->m_hMenu, m_nIndex,
			MF_BYPOSITION | (bOn ? MF_ENABLED : (MF_DISABLED | MF_GRAYED)));
	}
	else if (m_pOther != NULL && ::IsWindow(m_pOther->m_hWnd))
	{
		// Disabling the focus window would leave the dialog without a focus.
		if (!bOn && ::GetFocus() == m_pOther->m_hWnd)
		{
			HWND hWndParent = ::GetParent(m_pOther->m_hWnd);
			if (hWndParent != NULL)
				::SendMessage(hWndParent, WM_NEXTDLGCTL, 0, FALSE);
		}
		m_pOther->EnableWindow(bOn);
	}
	m_bEnableChanged = TRUE;
}

void CCmdUI::SetCheck(int nCheck)
{
	if (m_pMenu != NULL)
	{
		if (m_pSubMenu != NULL)
			return;
		::CheckMenuItem(m_pMenu->m_hMenu, m_nIndex,
			MF_BYPOSITION | (nCheck != 0 ? MF_CHECKED : MF_UNCHECKED));
	}
	else if (m_pOther != NULL && ::IsWindow(m_pOther->m_hWnd))
	{
		if (m_pOther->SendMessage(WM_GETDLGCODE) & DLGC_BUTTON)
			m_pOther->SendMessage(BM_SETCHECK, static_cast<WPARAM>(nCheck));
	}
}

void CCmdUI::SetRadio(BOOL bOn)
{
	SetCheck(bOn ? 1 : 0);
}

void CCmdUI::SetText(LPCTSTR lpszText)
{
	if (lpszText == NULL)
		lpszText = "";
	if (m_pMenu != NULL)
	{
		if (m_pSubMenu != NULL)
			return;
		// Keep the item's enabled and checked state across the change.
		UINT nState = ::GetMenuState(m_pMenu->m_hMenu, m_nIndex, MF_BYPOSITION);
		nState &= ~(MF_BITMAP | MF_OWNERDRAW | MF_SEPARATOR | MF_POPUP | 0xFF00);
		::ModifyMenuA(m_pMenu->m_hMenu, m_nIndex, MF_BYPOSITION | MF_STRING | nState, m_nID, lpszText);
	}
	else if (m_pOther != NULL && ::IsWindow(m_pOther->m_hWnd))
	{
		// Setting the same text again would only flicker.
		CString strOld;
		m_pOther->GetWindowText(strOld);
		if (strOld != lpszText)
			m_pOther->SetWindowText(lpszText);
	}
}

void CCmdUI::ContinueRouting()
{
	m_bContinueRouting = TRUE;
}

BOOL CCmdUI::DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHndler)
{
	if (pTarget == NULL || m_nID == 0 || LOWORD(m_nID) == 0xFFFF)
		return TRUE;

	m_bEnableChanged = FALSE;
	BOOL bResult = pTarget->OnCmdMsg(m_nID, static_cast<int>(CN_UPDATE_COMMAND_UI), this, NULL);
	if (bDisableIfNoHndler && !m_bEnableChanged)
	{
		AFX_CMDHANDLERINFO info = { NULL, NULL };
		BOOL bHandler = pTarget->OnCmdMsg(m_nID, CN_COMMAND, this, &info);
		Enable(bHandler);
	}
	return bResult;
}
