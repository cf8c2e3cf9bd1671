// commdlg.cpp - CCommonDialog and CColorDialog: wrappers around the system's common dialogs.

#include "afximpl_.h"

#include <afxdlgs.h>

IMPLEMENT_DYNAMIC(CCommonDialog, CDialog)
IMPLEMENT_DYNAMIC(CColorDialog, CCommonDialog)

/////////////////////////////////////////////////////////////////////////////
// CCommonDialog

CCommonDialog::CCommonDialog(CWnd* pParentWnd)
{
	m_pParentWnd = pParentWnd;
}

CCommonDialog::~CCommonDialog()
{
}

/////////////////////////////////////////////////////////////////////////////
// CColorDialog

namespace
{

// Custom colours last for the life of the process, as the dialog's own
// custom-colour boxes show them; they start white.
COLORREF g_crCustom[16] = { RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
	RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
	RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
	RGB(255, 255, 255), RGB(255, 255, 255) };

} // namespace

CColorDialog::CColorDialog(COLORREF clrInit, DWORD dwFlags, CWnd* pParentWnd)
	: CCommonDialog(pParentWnd)
{
	memset(&m_cc, 0, sizeof(m_cc));
	m_cc.lStructSize = sizeof(m_cc);
	m_cc.lpCustColors = g_crCustom;
	m_cc.Flags = dwFlags;
	if (clrInit != 0)
		SetCurrentColor(clrInit);
}

CColorDialog::~CColorDialog()
{
}

INT_PTR CColorDialog::DoModal()
{
	m_cc.hwndOwner = PreModal();
	const BOOL bOk = ::ChooseColorA(&m_cc);
	PostModal();
	return bOk ? IDOK : IDCANCEL;
}

COLORREF CColorDialog::GetColor() const
{
	return m_cc.rgbResult;
}

void CColorDialog::SetCurrentColor(COLORREF clr)
{
	m_cc.rgbResult = clr;
	m_cc.Flags |= CC_RGBINIT;
}

COLORREF* PASCAL CColorDialog::GetSavedCustomColors()
{
	return g_crCustom;
}
