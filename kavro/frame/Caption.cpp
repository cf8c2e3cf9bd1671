// Caption.cpp - captions drawn plain or embossed; text of the ANSI code page drawn through wide GDI.
#include <afxwin.h>

#include <qtx/Support.h>

#include "Frame.h"

int AFXAPI DrawAnsiText(CDC* pDC, const CString& strText, CRect& rect, UINT nFormat)
{
	const std::wstring wide = StringUtils::ToWide(strText);
	return ::DrawTextW(pDC->m_hDC, wide.c_str(), static_cast<int>(wide.size()), &rect, nFormat);
}

CSize AFXAPI GetAnsiTextExtent(CDC* pDC, const CString& strText)
{
	const std::wstring wide = StringUtils::ToWide(strText);
	SIZE size = { 0, 0 };
	::GetTextExtentPoint32W(pDC->m_hDC, wide.c_str(), static_cast<int>(wide.size()), &size);
	return size;
}

BOOL AFXAPI AnsiTextOut(CDC* pDC, int x, int y, const CString& strText)
{
	const std::wstring wide = StringUtils::ToWide(strText);
	return ::TextOutW(pDC->m_hDC, x, y, wide.c_str(), static_cast<int>(wide.size()));
}

COLORREF AFXAPI DrawCaptionText(CDC* pDC, const CString& strText, CRect& rect, UINT nFormat, COLORREF crText,
	bool bEmbossed)
{
	if (!bEmbossed)
	{
		const COLORREF crOld = pDC->SetTextColor(crText);
		DrawAnsiText(pDC, strText, rect, nFormat);
		return crOld;
	}
	// A highlight copy one pixel down and right under the grey text.
	const COLORREF crOld = pDC->SetTextColor(::GetSysColor(COLOR_BTNHIGHLIGHT));
	rect.OffsetRect(1, 1);
	DrawAnsiText(pDC, strText, rect, nFormat);
	pDC->SetTextColor(::GetSysColor(COLOR_GRAYTEXT));
	rect.OffsetRect(-1, -1);
	DrawAnsiText(pDC, strText, rect, nFormat);
	return crOld;
}
