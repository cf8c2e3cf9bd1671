// Caption.cpp - captions drawn plain or embossed; text of the ANSI code page drawn through wide GDI.
//
// Classes in this file:
//   ShapedLine
#include <afxwin.h>

#include <qtx/Support.h>

#include <usp10.h>

#include "Frame.h"

// Some systems' GDI (Wine's) draws each half of a character outside the
// Basic Multilingual Plane as a missing glyph; Uniscribe shapes the pair as
// the one character it is. Text with such a character is laid out by
// Uniscribe on one line.
static bool HasSurrogatePair(const std::wstring& text)
{
	for (size_t i = 0; i + 1 < text.size(); ++i)
	{
		if (IS_HIGH_SURROGATE(text[i]) && IS_LOW_SURROGATE(text[i + 1]))
			return true;
	}
	return false;
}

// One line of text shaped by Uniscribe in the DC's font.
class ShapedLine
{
public:
	ShapedLine(HDC hDC, const std::wstring& text)
	{
		if (!text.empty() && FAILED(::ScriptStringAnalyse(hDC, text.c_str(), static_cast<int>(text.size()), 0,
								 -1, SSA_GLYPHS, 0, NULL, NULL, NULL, NULL, NULL, &m_ssa)))
			m_ssa = NULL;
	}
	~ShapedLine()
	{
		if (m_ssa != NULL)
			::ScriptStringFree(&m_ssa);
	}
	bool IsShaped() const { return m_ssa != NULL; }
	CSize GetSize() const
	{
		const SIZE* pSize = ::ScriptString_pSize(m_ssa);
		return pSize != NULL ? CSize(*pSize) : CSize(0, 0);
	}
	void Draw(int x, int y, const RECT* prcClip) const
	{
		::ScriptStringOut(m_ssa, x, y, prcClip != NULL ? ETO_CLIPPED : 0, prcClip, 0, 0, FALSE);
	}

private:
	ShapedLine(const ShapedLine&) = delete;
	ShapedLine& operator=(const ShapedLine&) = delete;

	SCRIPT_STRING_ANALYSIS m_ssa = NULL;
};

// DrawText's work for one line shaped by Uniscribe: mnemonic ampersands
// removed (no underline), the line placed by the alignment flags and clipped
// to the rectangle. Returns the line's height.
static int DrawShapedLine(CDC* pDC, std::wstring text, CRect& rect, UINT nFormat)
{
	if ((nFormat & DT_NOPREFIX) == 0)
	{
		for (size_t i = 0; i < text.size(); ++i)
		{
			if (text[i] == L'&')
				text.erase(i, 1);
		}
	}
	const ShapedLine line(pDC->m_hDC, text);
	const CSize size = line.IsShaped() ? line.GetSize() : CSize(0, pDC->GetTextExtent("gM", 2).cy);
	if ((nFormat & DT_CALCRECT) != 0)
	{
		rect.right = rect.left + size.cx;
		rect.bottom = rect.top + size.cy;
		return size.cy;
	}
	int x = rect.left;
	if ((nFormat & DT_CENTER) != 0)
		x = (rect.left + rect.right - size.cx) / 2;
	else if ((nFormat & DT_RIGHT) != 0)
		x = rect.right - size.cx;
	int y = rect.top;
	if ((nFormat & DT_SINGLELINE) != 0 && (nFormat & DT_VCENTER) != 0)
		y = (rect.top + rect.bottom - size.cy) / 2;
	else if ((nFormat & DT_SINGLELINE) != 0 && (nFormat & DT_BOTTOM) != 0)
		y = rect.bottom - size.cy;
	if (line.IsShaped())
		line.Draw(x, y, (nFormat & DT_NOCLIP) != 0 ? NULL : &rect);
	return size.cy;
}

int AFXAPI DrawAnsiText(CDC* pDC, const CString& strText, CRect& rect, UINT nFormat)
{
	const std::wstring wide = StringUtils::ToWide(strText);
	if (HasSurrogatePair(wide))
		return DrawShapedLine(pDC, wide, rect, nFormat);
	return ::DrawTextW(pDC->m_hDC, wide.c_str(), static_cast<int>(wide.size()), &rect, nFormat);
}

CSize AFXAPI GetAnsiTextExtent(CDC* pDC, const CString& strText)
{
	const std::wstring wide = StringUtils::ToWide(strText);
	if (HasSurrogatePair(wide))
	{
		const ShapedLine line(pDC->m_hDC, wide);
		if (line.IsShaped())
			return line.GetSize();
	}
	SIZE size = { 0, 0 };
	::GetTextExtentPoint32W(pDC->m_hDC, wide.c_str(), static_cast<int>(wide.size()), &size);
	return size;
}

BOOL AFXAPI AnsiTextOut(CDC* pDC, int x, int y, const CString& strText)
{
	const std::wstring wide = StringUtils::ToWide(strText);
	if (HasSurrogatePair(wide))
	{
		const ShapedLine line(pDC->m_hDC, wide);
		if (line.IsShaped())
		{
			line.Draw(x, y, NULL);
			return TRUE;
		}
	}
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
