// afxdlgs.h - common dialog wrappers.
//
// Classes in this file:
//   CCommonDialog, CColorDialog
#pragma once

#include "afxwin.h"

#include <commdlg.h>

/////////////////////////////////////////////////////////////////////////////
// CCommonDialog - base of the wrappers around the system's common dialogs.

class AFX_CORE_API CCommonDialog : public CDialog
{
	DECLARE_DYNAMIC(CCommonDialog)

public:
// Construction
	explicit CCommonDialog(CWnd* pParentWnd);
	virtual ~CCommonDialog();
};

/////////////////////////////////////////////////////////////////////////////
// CColorDialog - the system's colour dialog (ChooseColor).

class AFX_CORE_API CColorDialog : public CCommonDialog
{
	DECLARE_DYNAMIC(CColorDialog)

public:
// Attributes
	// Handed to ChooseColor as it stands; set fields before DoModal.
	CHOOSECOLOR m_cc;

// Construction
	CColorDialog(COLORREF clrInit = 0, DWORD dwFlags = 0, CWnd* pParentWnd = NULL);
	virtual ~CColorDialog();

// Operations
	// IDOK when the user confirmed a colour, IDCANCEL otherwise. The dialog
	// is owned by the parent's top-level window, which it disables while it
	// runs.
	virtual INT_PTR DoModal() override;

	// The colour chosen, valid after DoModal returned IDOK.
	COLORREF GetColor() const;
	// Sets the colour the dialog selects when it opens.
	void SetCurrentColor(COLORREF clr);
	// The sixteen custom colours, kept for the whole process.
	static COLORREF* PASCAL GetSavedCustomColors();
};
