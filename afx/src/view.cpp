// view.cpp - CView and CFormView: views that paint themselves through OnDraw.

#include "afxext.h"

IMPLEMENT_DYNAMIC(CView, CWnd)
IMPLEMENT_DYNAMIC(CFormView, CView)

BEGIN_MESSAGE_MAP(CView, CWnd)
	ON_WM_PAINT()
END_MESSAGE_MAP()

/////////////////////////////////////////////////////////////////////////////
// CView

CView::CView()
{
}

CView::~CView()
{
}

void CView::OnPaint()
{
	CPaintDC dc(this);
	OnDraw(&dc);
}

/////////////////////////////////////////////////////////////////////////////
// CFormView

CFormView::CFormView(LPCTSTR lpszTemplateName)
	: m_lpszTemplateName(lpszTemplateName)
{
}

CFormView::CFormView(UINT nIDTemplate)
	: m_lpszTemplateName(MAKEINTRESOURCEA(nIDTemplate))
{
}

CFormView::~CFormView()
{
}

void CFormView::OnDraw(CDC*)
{
}
