// dialog.cpp - CDialog, modal and modeless, from resources or in-memory templates; dialog data exchange.

#include "afximpl_.h"

#include <errno.h>
#include <limits.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
	ON_COMMAND(IDOK, &CDialog::OnOK)
	ON_COMMAND(IDCANCEL, &CDialog::OnCancel)
	ON_MESSAGE(WM_INITDIALOG, &CDialog::HandleInitDialog)
	ON_MESSAGE(WM_SETFONT, &CDialog::HandleSetFont)
END_MESSAGE_MAP()

/////////////////////////////////////////////////////////////////////////////
// Dialog procedure
//
// The dialog window runs AfxWndProc like any bound window; its previous
// procedure is the system's dialog procedure, which calls this one. Only
// WM_INITDIALOG needs it, to reach OnInitDialog with the system's meaning of
// the return value (TRUE: set the focus to the first control).

INT_PTR CALLBACK AfxDlgProc(HWND hWnd, UINT message, WPARAM, LPARAM)
{
	if (message == WM_INITDIALOG)
	{
		CDialog* pDlg = DYNAMIC_DOWNCAST(CDialog, CWnd::FromHandlePermanent(hWnd));
		if (pDlg != NULL)
			return pDlg->OnInitDialog();
		return TRUE;
	}
	return FALSE;
}

/////////////////////////////////////////////////////////////////////////////
// Construction

CDialog::CDialog()
	: m_nIDHelp(0)
	, m_lpszTemplateName(NULL)
	, m_hDialogTemplate(NULL)
	, m_lpDialogTemplate(NULL)
	, m_lpDialogInit(NULL)
	, m_pParentWnd(NULL)
	, m_hWndTop(NULL)
{
}

CDialog::CDialog(LPCTSTR lpszTemplateName, CWnd* pParentWnd)
	: m_nIDHelp(0)
	, m_lpszTemplateName(lpszTemplateName)
	, m_hDialogTemplate(NULL)
	, m_lpDialogTemplate(NULL)
	, m_lpDialogInit(NULL)
	, m_pParentWnd(pParentWnd)
	, m_hWndTop(NULL)
{
	if (IS_INTRESOURCE(lpszTemplateName))
		m_nIDHelp = LOWORD(reinterpret_cast<ULONG_PTR>(lpszTemplateName));
}

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
	: m_nIDHelp(nIDTemplate)
	, m_lpszTemplateName(MAKEINTRESOURCEA(nIDTemplate))
	, m_hDialogTemplate(NULL)
	, m_lpDialogTemplate(NULL)
	, m_lpDialogInit(NULL)
	, m_pParentWnd(pParentWnd)
	, m_hWndTop(NULL)
{
}

CDialog::~CDialog()
{
	// Destroyed here rather than in ~CWnd, while the dialog's own handlers
	// still exist.
	if (m_hWnd != NULL && ::IsWindow(m_hWnd) && FromHandlePermanent(m_hWnd) == this)
		DestroyWindow();
}

// The template of a dialog resource, and the module holding it.
static LPCDLGTEMPLATE LoadDialogTemplate(LPCTSTR lpszTemplateName, HINSTANCE& hInst)
{
	if (lpszTemplateName == NULL)
		return NULL;
	hInst = AfxFindResourceHandle(lpszTemplateName, RT_DIALOG);
	HRSRC hResource = ::FindResourceA(hInst, lpszTemplateName, RT_DIALOG);
	if (hResource == NULL)
		return NULL;
	HGLOBAL hTemplate = ::LoadResource(hInst, hResource);
	return hTemplate != NULL ? static_cast<LPCDLGTEMPLATE>(::LockResource(hTemplate)) : NULL;
}

BOOL CDialog::Create(LPCTSTR lpszTemplateName, CWnd* pParentWnd)
{
	m_lpszTemplateName = lpszTemplateName;
	// The resource's own init data, not what an earlier CreateIndirect gave.
	m_lpDialogInit = NULL;
	if (IS_INTRESOURCE(lpszTemplateName))
		m_nIDHelp = LOWORD(reinterpret_cast<ULONG_PTR>(lpszTemplateName));
	m_pParentWnd = pParentWnd;

	HINSTANCE hInst = NULL;
	LPCDLGTEMPLATE lpTemplate = LoadDialogTemplate(lpszTemplateName, hInst);
	if (lpTemplate == NULL)
		return FALSE;
	return CreateDlgIndirect(lpTemplate, pParentWnd, hInst);
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd)
{
	return Create(MAKEINTRESOURCEA(nIDTemplate), pParentWnd);
}

BOOL CDialog::CreateIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd, void* lpDialogInit)
{
	m_lpDialogInit = lpDialogInit;
	m_pParentWnd = pParentWnd;
	return CreateDlgIndirect(lpDialogTemplate, pParentWnd, NULL);
}

BOOL CDialog::CreateIndirect(HGLOBAL hDialogTemplate, CWnd* pParentWnd)
{
	if (hDialogTemplate == NULL)
		return FALSE;
	LPCDLGTEMPLATE lpTemplate = static_cast<LPCDLGTEMPLATE>(::GlobalLock(hDialogTemplate));
	BOOL bResult = CreateIndirect(lpTemplate, pParentWnd, NULL);
	::GlobalUnlock(hDialogTemplate);
	return bResult;
}

BOOL CDialog::CreateDlgIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd, HINSTANCE hInst)
{
	if (lpDialogTemplate == NULL || m_hWnd != NULL)
		return FALSE;
	if (hInst == NULL)
		hInst = AfxGetInstanceHandle();

	// Created ANSI, so that the controls' notifications (tree views ask with
	// WM_NOTIFYFORMAT) come in their A forms.
	AfxHookWindowCreate(this);
	HWND hWnd =
		::CreateDialogIndirectParamA(hInst, lpDialogTemplate, pParentWnd->GetSafeHwnd(), &AfxDlgProc, 0);
	if (!AfxUnhookWindowCreate())
		PostNcDestroy();
	return hWnd != NULL;
}

BOOL CDialog::InitModalIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd, void* lpDialogInit)
{
	if (lpDialogTemplate == NULL)
		return FALSE;
	m_lpDialogTemplate = lpDialogTemplate;
	m_pParentWnd = pParentWnd;
	m_lpDialogInit = lpDialogInit;
	return TRUE;
}

BOOL CDialog::InitModalIndirect(HGLOBAL hDialogTemplate, CWnd* pParentWnd)
{
	if (hDialogTemplate == NULL)
		return FALSE;
	m_hDialogTemplate = hDialogTemplate;
	m_pParentWnd = pParentWnd;
	return TRUE;
}

/////////////////////////////////////////////////////////////////////////////
// Modal operation

HWND CDialog::PreModal()
{
	HWND hWnd = m_pParentWnd->GetSafeHwnd();
	if (hWnd == NULL)
	{
		CWnd* pMainWnd = AfxGetMainWnd();
		if (pMainWnd != this)
			hWnd = pMainWnd->GetSafeHwnd();
	}
	if (hWnd != NULL && !::IsWindow(hWnd))
		hWnd = NULL;
	// The owner of a modal dialog is a top-level window.
	while (hWnd != NULL && (::GetWindowLongPtrA(hWnd, GWL_STYLE) & WS_CHILD))
		hWnd = ::GetParent(hWnd);
	m_hWndTop = hWnd;
	return hWnd;
}

void CDialog::PostModal()
{
	m_hWndTop = NULL;
}

INT_PTR CDialog::DoModal()
{
	if (m_hWnd != NULL)
		return -1;

	LPCDLGTEMPLATE lpTemplate = m_lpDialogTemplate;
	HINSTANCE hInst = AfxGetResourceHandle();
	HGLOBAL hTemplateToUnlock = NULL;
	if (m_lpszTemplateName != NULL)
	{
		lpTemplate = LoadDialogTemplate(m_lpszTemplateName, hInst);
	}
	else if (m_hDialogTemplate != NULL)
	{
		lpTemplate = static_cast<LPCDLGTEMPLATE>(::GlobalLock(m_hDialogTemplate));
		hTemplateToUnlock = m_hDialogTemplate;
	}
	if (lpTemplate == NULL)
		return -1;

	// The owner is disabled for as long as the dialog runs.
	HWND hWndParent = PreModal();
	BOOL bEnableParent = FALSE;
	if (hWndParent != NULL && hWndParent != ::GetDesktopWindow() && ::IsWindowEnabled(hWndParent))
	{
		::EnableWindow(hWndParent, FALSE);
		bEnableParent = TRUE;
	}

	m_nModalResult = -1;
	// Set before creation so that EndDialog from OnInitDialog is honoured.
	m_nFlags |= WF_CONTINUEMODAL;
	if (CreateDlgIndirect(lpTemplate, CWnd::FromHandle(hWndParent), hInst))
	{
		if (m_nFlags & WF_CONTINUEMODAL)
		{
			DWORD dwFlags = MLF_SHOWONIDLE;
			if (GetStyle() & DS_NOIDLEMSG)
				dwFlags |= MLF_NOIDLEMSG;
			RunModalLoop(dwFlags);
		}
		// Hidden before the owner is enabled again, so that the owner (not
		// some other window) becomes active.
		if (m_hWnd != NULL)
			SetWindowPos(NULL, 0, 0, 0, 0,
				SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
	}
	m_nFlags &= ~(WF_CONTINUEMODAL | WF_MODALLOOP);

	if (bEnableParent)
		::EnableWindow(hWndParent, TRUE);
	if (hWndParent != NULL && m_hWnd != NULL && ::GetActiveWindow() == m_hWnd)
		::SetActiveWindow(hWndParent);

	if (m_hWnd != NULL)
		DestroyWindow();
	PostModal();
	if (hTemplateToUnlock != NULL)
		::GlobalUnlock(hTemplateToUnlock);
	return m_nModalResult;
}

void CDialog::EndDialog(int nResult)
{
	if (m_nFlags & (WF_MODALLOOP | WF_CONTINUEMODAL))
		EndModalLoop(nResult);
	if (m_hWnd != NULL)
		::EndDialog(m_hWnd, nResult);
}

/////////////////////////////////////////////////////////////////////////////
// Overrides and handlers

BOOL CDialog::OnInitDialog()
{
	// The template's own control data first (combo box strings), then the
	// members: DDX_CBString can select a string the resource put there.
	BOOL bDlgInit =
		m_lpDialogInit != NULL ? ExecuteDlgInit(m_lpDialogInit) : ExecuteDlgInit(m_lpszTemplateName);
	// A dialog whose controls cannot be bound or filled is not shown at all.
	if (!bDlgInit || !UpdateData(FALSE))
	{
		EndDialog(-1);
		return FALSE;
	}
	return TRUE;
}

void CDialog::OnSetFont(CFont*)
{
}

void CDialog::PreInitDialog()
{
}

void CDialog::OnOK()
{
	if (!UpdateData(TRUE))
		return;
	EndDialog(IDOK);
}

void CDialog::OnCancel()
{
	EndDialog(IDCANCEL);
}

BOOL CDialog::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
	if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
		return TRUE;
	// Only commands travel on: a control's notification (its id lies below
	// 0x8000) and a system command (0xF000 up) belong to this dialog.
	if ((nCode != CN_COMMAND && nCode != static_cast<int>(CN_UPDATE_COMMAND_UI)) || nID < 0x8000 ||
		nID >= 0xF000)
		return FALSE;
	CWnd* pOwner = GetOwner();
	if (pOwner != NULL && pOwner->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
		return TRUE;
	CWinApp* pApp = AfxGetApp();
	return pApp != NULL && pApp->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

BOOL CDialog::PreTranslateMessage(MSG* pMsg)
{
	if (CWnd::PreTranslateMessage(pMsg))
		return TRUE;
	// Tab, arrows, Enter and Escape for the dialog's controls.
	return PreTranslateInput(pMsg);
}

// Centres the dialog as MFC centres its dialogs after OnInitDialog: a popup
// that OnInitDialog neither showed nor moved, and that is modal (its owner
// disabled) or unowned.
static void CenterUnplacedDialog(CDialog* pDlg, const CRect& rcBefore)
{
	if (pDlg->GetStyle() & (WS_CHILD | WS_VISIBLE))
		return;
	CRect rcNow;
	pDlg->GetWindowRect(&rcNow);
	if (rcNow.TopLeft() != rcBefore.TopLeft())
		return;
	HWND hWndOwner = ::GetWindow(pDlg->m_hWnd, GW_OWNER);
	if (hWndOwner != NULL && ::IsWindowEnabled(hWndOwner))
		return;
	pDlg->CenterWindow();
}

LRESULT CDialog::HandleInitDialog(WPARAM, LPARAM)
{
	PreInitDialog();
	CRect rcBefore;
	GetWindowRect(&rcBefore);
	// The system's dialog procedure calls AfxDlgProc, which calls OnInitDialog.
	LRESULT lResult = Default();
	if (::IsWindow(m_hWnd))
		CenterUnplacedDialog(this, rcBefore);
	return lResult;
}

LRESULT CDialog::HandleSetFont(WPARAM wParam, LPARAM)
{
	OnSetFont(CFont::FromHandle(reinterpret_cast<HFONT>(wParam)));
	return Default();
}

/////////////////////////////////////////////////////////////////////////////
// Operations

void CDialog::MapDialogRect(LPRECT lpRect) const
{
	::MapDialogRect(m_hWnd, lpRect);
}

void CDialog::SetHelpID(UINT nIDR)
{
	m_nIDHelp = nIDR;
}

void CDialog::NextDlgCtrl() const
{
	::SendMessageA(m_hWnd, WM_NEXTDLGCTL, 0, 0);
}

void CDialog::PrevDlgCtrl() const
{
	::SendMessageA(m_hWnd, WM_NEXTDLGCTL, 1, 0);
}

void CDialog::GotoDlgCtrl(CWnd* pWndCtrl)
{
	if (pWndCtrl != NULL && pWndCtrl->m_hWnd != NULL)
		::SendMessageA(m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(pWndCtrl->m_hWnd), 1L);
}

void CDialog::SetDefID(UINT nID)
{
	::SendMessageA(m_hWnd, DM_SETDEFID, nID, 0);
}

DWORD CDialog::GetDefID() const
{
	return static_cast<DWORD>(::SendMessageA(m_hWnd, DM_GETDEFID, 0, 0));
}

/////////////////////////////////////////////////////////////////////////////
// Dialog init data
//
// A DLGINIT resource, named as its dialog, is a list of records: WORD control
// id, WORD message, DWORD length, then the message's data; a control id of 0
// ends it. Resource editors write the 16-bit numbers of LB_ADDSTRING and
// CB_ADDSTRING, with the string (and its terminator) as the data.

BOOL CWnd::ExecuteDlgInit(LPCTSTR lpszResourceName)
{
	if (lpszResourceName == NULL)
		return TRUE;
	HINSTANCE hInst = AfxFindResourceHandle(lpszResourceName, RT_DLGINIT);
	HRSRC hResource = ::FindResourceA(hInst, lpszResourceName, RT_DLGINIT);
	if (hResource == NULL)
		return TRUE; // the template has no init data
	HGLOBAL hData = ::LoadResource(hInst, hResource);
	LPVOID lpData = hData != NULL ? ::LockResource(hData) : NULL;
	return lpData != NULL && ExecuteDlgInit(lpData);
}

BOOL CWnd::ExecuteDlgInit(LPVOID lpResource)
{
	const WORD kWin16LbAddString = 0x0401;
	const WORD kWin16CbAddString = 0x0403;
	const BYTE* pRecord = static_cast<const BYTE*>(lpResource);
	if (pRecord == NULL)
		return TRUE;
	for (;;)
	{
		// Records follow each other unaligned.
		WORD nIDC, nMsg;
		DWORD dwLength;
		memcpy(&nIDC, pRecord, sizeof(nIDC));
		if (nIDC == 0)
			return TRUE;
		memcpy(&nMsg, pRecord + 2, sizeof(nMsg));
		memcpy(&dwLength, pRecord + 4, sizeof(dwLength));
		const BYTE* pData = pRecord + 8;
		pRecord = pData + dwLength;

		UINT message;
		if (nMsg == kWin16LbAddString || nMsg == LB_ADDSTRING)
			message = LB_ADDSTRING;
		else if (nMsg == kWin16CbAddString || nMsg == CB_ADDSTRING)
			message = CB_ADDSTRING;
		else
			continue; // data for controls this framework does not have
		// LB_ERR and LB_ERRSPACE are CB_ERR and CB_ERRSPACE.
		LRESULT lResult = ::SendDlgItemMessageA(m_hWnd, nIDC, message, 0, reinterpret_cast<LPARAM>(pData));
		if (lResult == LB_ERR || lResult == LB_ERRSPACE)
			return FALSE;
	}
}

/////////////////////////////////////////////////////////////////////////////
// CDataExchange

CDataExchange::CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
	: m_bSaveAndValidate(bSaveAndValidate)
	, m_pDlgWnd(pDlgWnd)
	, m_bFailed(FALSE)
	, m_idLastControl(0)
	, m_bEditLastControl(FALSE)
{
}

HWND CDataExchange::PrepareCtrl(int nIDC)
{
	m_idLastControl = static_cast<UINT>(nIDC);
	m_bEditLastControl = FALSE;
	return m_pDlgWnd != NULL ? ::GetDlgItem(m_pDlgWnd->m_hWnd, nIDC) : NULL;
}

HWND CDataExchange::PrepareEditCtrl(int nIDC)
{
	HWND hWnd = PrepareCtrl(nIDC);
	m_bEditLastControl = TRUE;
	return hWnd;
}

void CDataExchange::Fail()
{
	m_bFailed = TRUE;
	if (!m_bSaveAndValidate || m_pDlgWnd == NULL)
		return;
	// Take the user to the value that was refused.
	HWND hWndLast = ::GetDlgItem(m_pDlgWnd->m_hWnd, static_cast<int>(m_idLastControl));
	if (hWndLast != NULL)
	{
		::SetFocus(hWndLast);
		if (m_bEditLastControl)
			::SendMessageA(hWndLast, EM_SETSEL, 0, -1);
	}
}

/////////////////////////////////////////////////////////////////////////////
// DDX routines. Each does nothing once the exchange has failed.

static BOOL CanExchange(CDataExchange* pDX)
{
	return pDX != NULL && !pDX->m_bFailed && pDX->m_pDlgWnd != NULL;
}

// The control an exchange works on; NULL when there is nothing to do, which
// fails the exchange when the dialog has no such control.
static HWND PrepareExchange(CDataExchange* pDX, int nIDC, BOOL bEdit)
{
	if (!CanExchange(pDX))
		return NULL;
	HWND hWndCtrl = bEdit ? pDX->PrepareEditCtrl(nIDC) : pDX->PrepareCtrl(nIDC);
	if (hWndCtrl == NULL)
		pDX->Fail();
	return hWndCtrl;
}

// A combo box, or a window class built on one.
static BOOL IsComboBox(HWND hWnd)
{
	char szClass[16];
	return ::RealGetWindowClassA(hWnd, szClass, sizeof(szClass)) != 0 && lstrcmpiA(szClass, "ComboBox") == 0;
}

static void GetControlText(HWND hWndCtrl, CString& value)
{
	int nLen = ::GetWindowTextLengthA(hWndCtrl);
	::GetWindowTextA(hWndCtrl, value.GetBufferSetLength(nLen), nLen + 1);
	value.ReleaseBuffer();
}

void AFXAPI DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl)
{
	if (!CanExchange(pDX) || rControl.m_hWnd != NULL)
		return;
	HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
	if (hWndCtrl == NULL || !rControl.SubclassWindow(hWndCtrl))
		pDX->Fail();
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, CString& value)
{
	HWND hWndCtrl = PrepareExchange(pDX, nIDC, TRUE);
	if (hWndCtrl == NULL)
		return;
	if (pDX->m_bSaveAndValidate)
		GetControlText(hWndCtrl, value);
	else
		::SetWindowTextA(hWndCtrl, value);
}

// Reads a whole number from the control; FALSE when the text is not one.
static BOOL ReadNumber(HWND hWndCtrl, BOOL bSigned, long long& nValue)
{
	char szText[64];
	::GetWindowTextA(hWndCtrl, szText, sizeof(szText));
	const char* psz = szText;
	while (*psz == ' ' || *psz == '\t')
		psz++;
	if (*psz == '\0' || (!bSigned && *psz == '-'))
		return FALSE;
	char* pszEnd = NULL;
	errno = 0;
	nValue = strtoll(psz, &pszEnd, 10);
	if (errno != 0 || pszEnd == psz)
		return FALSE;
	while (*pszEnd == ' ' || *pszEnd == '\t')
		pszEnd++;
	return *pszEnd == '\0';
}

// Exchanges a whole number that must lie in nMin..nMax; a text that is not
// such a number fails the exchange and leaves nValue alone.
static BOOL ExchangeNumber(CDataExchange* pDX, int nIDC, long long& nValue, long long nMin, long long nMax)
{
	HWND hWndCtrl = PrepareExchange(pDX, nIDC, TRUE);
	if (hWndCtrl == NULL)
		return FALSE;
	if (!pDX->m_bSaveAndValidate)
	{
		char szText[32];
		snprintf(szText, sizeof(szText), "%lld", nValue);
		::SetWindowTextA(hWndCtrl, szText);
		return FALSE;
	}
	long long nRead = 0;
	if (!ReadNumber(hWndCtrl, nMin < 0, nRead) || nRead < nMin || nRead > nMax)
	{
		pDX->Fail();
		return FALSE;
	}
	nValue = nRead;
	return TRUE;
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, int& value)
{
	long long nValue = value;
	if (ExchangeNumber(pDX, nIDC, nValue, INT_MIN, INT_MAX))
		value = static_cast<int>(nValue);
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, UINT& value)
{
	long long nValue = value;
	if (ExchangeNumber(pDX, nIDC, nValue, 0, UINT_MAX))
		value = static_cast<UINT>(nValue);
}

void AFXAPI DDX_Check(CDataExchange* pDX, int nIDC, int& value)
{
	HWND hWndCtrl = PrepareExchange(pDX, nIDC, FALSE);
	if (hWndCtrl == NULL)
		return;
	if (pDX->m_bSaveAndValidate)
		value = static_cast<int>(::SendMessageA(hWndCtrl, BM_GETCHECK, 0, 0));
	else if (value >= BST_UNCHECKED && value <= BST_INDETERMINATE)
		::SendMessageA(hWndCtrl, BM_SETCHECK, static_cast<WPARAM>(value), 0);
}

void AFXAPI DDX_Radio(CDataExchange* pDX, int nIDC, int& value)
{
	HWND hWndCtrl = PrepareExchange(pDX, nIDC, FALSE);
	if (hWndCtrl == NULL)
		return;
	// The group runs from nIDC to the next control with WS_GROUP; its radio
	// buttons are numbered from 0.
	if (pDX->m_bSaveAndValidate)
		value = -1;
	int iButton = 0;
	do
	{
		if (::SendMessageA(hWndCtrl, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON)
		{
			if (pDX->m_bSaveAndValidate)
			{
				if (::SendMessageA(hWndCtrl, BM_GETCHECK, 0, 0) == BST_CHECKED)
					value = iButton;
			}
			else
			{
				::SendMessageA(hWndCtrl, BM_SETCHECK, iButton == value ? BST_CHECKED : BST_UNCHECKED, 0);
			}
			iButton++;
		}
		hWndCtrl = ::GetWindow(hWndCtrl, GW_HWNDNEXT);
	} while (hWndCtrl != NULL && !(::GetWindowLongPtrA(hWndCtrl, GWL_STYLE) & WS_GROUP));
}

static void ExchangeIndex(CDataExchange* pDX, int nIDC, int& index, UINT nGetMsg, UINT nSetMsg)
{
	HWND hWndCtrl = PrepareExchange(pDX, nIDC, FALSE);
	if (hWndCtrl == NULL)
		return;
	if (pDX->m_bSaveAndValidate)
		index = static_cast<int>(::SendMessageA(hWndCtrl, nGetMsg, 0, 0));
	else
		::SendMessageA(hWndCtrl, nSetMsg, static_cast<WPARAM>(index), 0);
}

void AFXAPI DDX_LBIndex(CDataExchange* pDX, int nIDC, int& index)
{
	ExchangeIndex(pDX, nIDC, index, LB_GETCURSEL, LB_SETCURSEL);
}

void AFXAPI DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index)
{
	ExchangeIndex(pDX, nIDC, index, CB_GETCURSEL, CB_SETCURSEL);
}

void AFXAPI DDX_LBString(CDataExchange* pDX, int nIDC, CString& value)
{
	HWND hWndCtrl = PrepareExchange(pDX, nIDC, FALSE);
	if (hWndCtrl == NULL)
		return;
	if (pDX->m_bSaveAndValidate)
	{
		int nIndex = static_cast<int>(::SendMessageA(hWndCtrl, LB_GETCURSEL, 0, 0));
		int nLen = nIndex >= 0 ? static_cast<int>(::SendMessageA(hWndCtrl, LB_GETTEXTLEN, nIndex, 0)) : -1;
		if (nLen < 0)
		{
			value.Empty();
			return;
		}
		::SendMessageA(hWndCtrl, LB_GETTEXT, nIndex,
			reinterpret_cast<LPARAM>(value.GetBufferSetLength(nLen)));
		value.ReleaseBuffer();
	}
	else if (::SendMessageA(hWndCtrl, LB_SELECTSTRING, static_cast<WPARAM>(-1),
				 reinterpret_cast<LPARAM>(static_cast<LPCSTR>(value))) == LB_ERR)
	{
		::SendMessageA(hWndCtrl, LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
	}
}

void AFXAPI DDX_CBString(CDataExchange* pDX, int nIDC, CString& value)
{
	// An edit exchange, so that a DDV_MaxChars after it limits the combo box.
	HWND hWndCtrl = PrepareExchange(pDX, nIDC, TRUE);
	if (hWndCtrl == NULL)
		return;
	// The edit part holds the text for every style but the drop list, where
	// the window text is the selection's.
	if (pDX->m_bSaveAndValidate)
		GetControlText(hWndCtrl, value);
	else if (::SendMessageA(hWndCtrl, CB_SELECTSTRING, static_cast<WPARAM>(-1),
				 reinterpret_cast<LPARAM>(static_cast<LPCSTR>(value))) == CB_ERR)
	{
		::SetWindowTextA(hWndCtrl, value);
	}
}

void AFXAPI DDV_MaxChars(CDataExchange* pDX, const CString& value, int nChars)
{
	if (!CanExchange(pDX) || nChars < 0)
		return;
	if (pDX->m_bSaveAndValidate)
	{
		if (value.GetLength() > nChars)
			pDX->Fail();
	}
	else if (pDX->m_idLastControl != 0 && pDX->m_bEditLastControl)
	{
		HWND hWndLast = ::GetDlgItem(pDX->m_pDlgWnd->m_hWnd, static_cast<int>(pDX->m_idLastControl));
		if (hWndLast != NULL)
			::SendMessageA(hWndLast, IsComboBox(hWndLast) ? CB_LIMITTEXT : EM_LIMITTEXT,
				static_cast<WPARAM>(nChars), 0);
	}
}
