// afxdd_.h - dialog data exchange between dialog controls and member variables (from afxwin.h).
//
// Classes in this file:
//   CDataExchange
//
// Exchange routines: DDX_Control, DDX_Text, DDX_Check, DDX_Radio, DDX_LBIndex, DDX_CBIndex,
// DDX_LBString, DDX_CBString; validation: DDV_MaxChars.
#pragma once

/////////////////////////////////////////////////////////////////////////////
// CDataExchange
//
// A failed exchange does not throw: Fail() marks the exchange as failed, the
// remaining DDX_ calls of the pass do nothing, and UpdateData returns FALSE.

class AFX_CORE_API CDataExchange
{
public:
// Construction
	CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate);

// Attributes
	BOOL m_bSaveAndValidate; // TRUE: controls to members; FALSE: members to controls
	CWnd* m_pDlgWnd;         // the dialog or window whose items are exchanged
	BOOL m_bFailed;

// Operations
	// The item's window, remembered for Fail(); NULL when there is none.
	HWND PrepareCtrl(int nIDC);
	HWND PrepareEditCtrl(int nIDC);
	// Marks the exchange as failed and puts the focus on the last prepared item.
	void Fail();

// Implementation
	UINT m_idLastControl;
	BOOL m_bEditLastControl;
};

AFX_CORE_API void AFXAPI DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);
AFX_CORE_API void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, CString& value);
AFX_CORE_API void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, int& value);
AFX_CORE_API void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, UINT& value);
AFX_CORE_API void AFXAPI DDX_Check(CDataExchange* pDX, int nIDC, int& value);
AFX_CORE_API void AFXAPI DDX_Radio(CDataExchange* pDX, int nIDC, int& value);
AFX_CORE_API void AFXAPI DDX_LBIndex(CDataExchange* pDX, int nIDC, int& index);
AFX_CORE_API void AFXAPI DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index);
AFX_CORE_API void AFXAPI DDX_LBString(CDataExchange* pDX, int nIDC, CString& value);
AFX_CORE_API void AFXAPI DDX_CBString(CDataExchange* pDX, int nIDC, CString& value);
AFX_CORE_API void AFXAPI DDV_MaxChars(CDataExchange* pDX, const CString& value, int nChars);
