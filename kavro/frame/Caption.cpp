// Caption.cpp - the caption of a control drawn plain, or embossed while the control is disabled.
#include <afxwin.h>

#include "Frame.h"

COLORREF AFXAPI DrawCaptionText(CDC* pDC, const CString& strText, CRect& rect, UINT nFormat, COLORREF crText,
	bool bEmbossed)
{
	if (!bEmbossed)
	{
		const COLORREF crOld = pDC->SetTextColor(crText);
		pDC->DrawText(strText, &rect, nFormat);
		return crOld;
	}
	// A highlight copy one pixel down and right under the grey text.
	const COLORREF crOld = pDC->SetTextColor(::GetSysColor(COLOR_BTNHIGHLIGHT));
	rect.OffsetRect(1, 1);
	pDC->DrawText(strText, &rect, nFormat);
	pDC->SetTextColor(::GetSysColor(COLOR_GRAYTEXT));
	rect.OffsetRect(-1, -1);
	pDC->DrawText(strText, &rect, nFormat);
	return crOld;
}
