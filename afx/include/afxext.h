// afxext.h - extended framework classes.
//
// Classes in this file:
//   CFormView
#pragma once

#include "afxwin.h"

/////////////////////////////////////////////////////////////////////////////
// CFormView - a view whose contents come from a dialog template. Only the
// class and its run-time record are provided, so that code can ask whether a
// window is a form view (or a view).

class AFX_CORE_API CFormView : public CView
{
	DECLARE_DYNAMIC(CFormView)

protected:
// Construction
	explicit CFormView(LPCTSTR lpszTemplateName);
	explicit CFormView(UINT nIDTemplate);

public:
	virtual ~CFormView();

// Overridables
	// The form's controls paint themselves; the default draws nothing.
	virtual void OnDraw(CDC* pDC) override;

// Implementation
	LPCTSTR m_lpszTemplateName;
};
