// GalleryPage.cpp - the common background of the gallery's pages.
#include "GalleryPage.h"

BEGIN_MESSAGE_MAP(CGalleryPage, CDialog)
	ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

CGalleryPage::CGalleryPage(UINT nIDTemplate, LPCTSTR lpszTitle)
	: CDialog(nIDTemplate)
	, m_nIDTemplate(nIDTemplate)
	, m_strTitle(lpszTitle)
{
}

CFont* CGalleryPage::GetScriptsFont()
{
	if (m_fontScripts.GetSafeHandle() == NULL)
	{
		LOGFONT lf;
		GetFont()->GetLogFont(&lf);
		// IPA P Gothic (Debian's fonts-ipafont-gothic) has every glyph the
		// pages show; where it is missing the system picks a face of the
		// same character set.
		lf.lfCharSet = DEFAULT_CHARSET;
		lstrcpynA(lf.lfFaceName, "IPAPGothic", LF_FACESIZE);
		m_fontScripts.CreateFontIndirect(&lf);
	}
	return &m_fontScripts;
}

BOOL CGalleryPage::OnEraseBkgnd(CDC* pDC)
{
	CRect rc;
	GetClientRect(&rc);

	// A diagonal wash from pale gold to light sky blue, with thin stripes so
	// that anything painting over it instead of letting it through shows.
	TRIVERTEX vertices[2] = {
		{ rc.left, rc.top, 0xFF00, 0xF000, 0xC800, 0 },
		{ rc.right, rc.bottom, 0xB000, 0xD800, 0xFF00, 0 },
	};
	GRADIENT_RECT gradient = { 0, 1 };
	::GradientFill(pDC->GetSafeHdc(), vertices, 2, &gradient, 1, GRADIENT_FILL_RECT_V);

	CPen pen(PS_SOLID, 1, RGB(255, 255, 255));
	CPen* pOldPen = pDC->SelectObject(&pen);
	for (int x = rc.left - rc.Height(); x < rc.right; x += 12)
	{
		pDC->MoveTo(x, rc.bottom);
		pDC->LineTo(x + rc.Height(), rc.top);
	}
	pDC->SelectObject(pOldPen);
	return TRUE;
}
