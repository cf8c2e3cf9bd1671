// PlainTextLayout.cpp - plain-text pages for rich edit controls without an EM_FORMATRANGE of their own.
#include "PlainTextLayout.h"

#include <algorithm>
#include <climits>
#include <new>

namespace
{

const int kTwipsPerInch = 1440;
const LONG kDefaultHeight = 200; // ten points, when the control reports no size

bool IsParagraphBreak(WCHAR ch)
{
	return ch == L'\r' || ch == L'\n' || ch == L'\v';
}

} // namespace

/////////////////////////////////////////////////////////////////////////////
// Construction

PlainTextLayout::PlainTextLayout()
	: m_nLength(0)
	, m_hFont(NULL)
	, m_crText(0)
{
}

PlainTextLayout::~PlainTextLayout()
{
	if (m_hFont != NULL)
		::DeleteObject(m_hFont);
}

bool PlainTextLayout::Create(CRichEditCtrl& edit, HDC hdc)
{
	// UTF-16 text has one element per character position, whatever the
	// class of the control (a paragraph break is one position).
	GETTEXTLENGTHEX gtl = { GTL_PRECISE | GTL_NUMCHARS, 1200 };
	const long nLength = static_cast<long>(edit.SendMessage(EM_GETTEXTLENGTHEX, (WPARAM)&gtl, 0));
	if (nLength < 0 || nLength >= LONG_MAX / static_cast<long>(sizeof(WCHAR)) - 1)
		return false;
	std::unique_ptr<WCHAR[]> text(new (std::nothrow) WCHAR[nLength + 1]);
	if (!text)
		return false;
	GETTEXTEX gt = { static_cast<DWORD>((nLength + 1) * sizeof(WCHAR)), GT_DEFAULT, 1200, NULL, NULL };
	const long nRead = static_cast<long>(edit.SendMessage(EM_GETTEXTEX, (WPARAM)&gt, (LPARAM)text.get()));
	if (nRead < 0)
		return false;
	const long nText = std::min(nRead, nLength);
	std::replace(text.get(), text.get() + nText, L'\t', L' ');

	// The default character format stands for the whole text.
	CHARFORMAT2 cf = {};
	edit.GetDefaultCharFormat(cf);
	LOGFONTA lf = {};
	const LONG yHeight = (cf.dwMask & CFM_SIZE) && cf.yHeight > 0 ? cf.yHeight : kDefaultHeight;
	lf.lfHeight = -::MulDiv(yHeight, ::GetDeviceCaps(hdc, LOGPIXELSY), kTwipsPerInch);
	lf.lfWeight = (cf.dwEffects & CFE_BOLD) ? FW_BOLD : FW_NORMAL;
	lf.lfItalic = (cf.dwEffects & CFE_ITALIC) ? TRUE : FALSE;
	lf.lfUnderline = (cf.dwEffects & CFE_UNDERLINE) ? TRUE : FALSE;
	lf.lfStrikeOut = (cf.dwEffects & CFE_STRIKEOUT) ? TRUE : FALSE;
	lf.lfCharSet = cf.bCharSet;
	lf.lfPitchAndFamily = cf.bPitchAndFamily;
	::lstrcpynA(lf.lfFaceName, cf.szFaceName, LF_FACESIZE);
	HFONT hFont = ::CreateFontIndirectA(&lf);
	if (hFont == NULL)
		return false;

	if (m_hFont != NULL)
		::DeleteObject(m_hFont);
	m_hFont = hFont;
	m_crText = (cf.dwEffects & CFE_AUTOCOLOR) || !(cf.dwMask & CFM_COLOR) ? ::GetSysColor(COLOR_WINDOWTEXT)
																		  : cf.crTextColor;
	m_text = std::move(text);
	m_nLength = nText;
	return true;
}

/////////////////////////////////////////////////////////////////////////////
// Operations

long PlainTextLayout::FormatRange(const FORMATRANGE& fr, bool bDisplay)
{
	const long cpEnd = (fr.chrg.cpMax < 0 || fr.chrg.cpMax > m_nLength) ? m_nLength : fr.chrg.cpMax;
	long cp = std::max(fr.chrg.cpMin, 0L);
	HDC hdc = fr.hdc;
	if (hdc == NULL || m_hFont == NULL || cp >= cpEnd)
		return cp;

	const int dpiX = ::GetDeviceCaps(hdc, LOGPIXELSX);
	const int dpiY = ::GetDeviceCaps(hdc, LOGPIXELSY);
	const RECT rc = { ::MulDiv(fr.rc.left, dpiX, kTwipsPerInch), ::MulDiv(fr.rc.top, dpiY, kTwipsPerInch),
		::MulDiv(fr.rc.right, dpiX, kTwipsPerInch), ::MulDiv(fr.rc.bottom, dpiY, kTwipsPerInch) };
	if (rc.right <= rc.left)
		return cp;

	// SaveDC brings back the caller's font, colours, alignment and clipping.
	const int nSavedDC = ::SaveDC(hdc);
	::SelectObject(hdc, m_hFont);
	::SetBkMode(hdc, TRANSPARENT);
	::SetTextAlign(hdc, TA_LEFT | TA_TOP | TA_NOUPDATECP);
	::SetTextColor(hdc, m_crText);
	// A word wider than the line is cut, and its last character may still
	// overhang the line.
	::IntersectClipRect(hdc, rc.left, rc.top, rc.right, rc.bottom);
	TEXTMETRICW tm = {};
	::GetTextMetricsW(hdc, &tm);
	const int cyLine = tm.tmHeight > 0 ? tm.tmHeight : 1;

	for (int y = rc.top; cp < cpEnd && y + cyLine <= rc.bottom; y += cyLine)
	{
		long cpPara = cp;
		while (cpPara < cpEnd && !IsParagraphBreak(m_text[cpPara]))
			++cpPara;
		const long nLine = cp < cpPara ? FitLine(hdc, cp, cpPara, rc.right - rc.left) : 0;

		if (bDisplay)
		{
			long nDraw = nLine;
			while (nDraw > 0 && m_text[cp + nDraw - 1] == L' ')
				--nDraw;
			if (nDraw > 0)
				::ExtTextOutW(hdc, rc.left, y, 0, NULL, &m_text[cp], static_cast<UINT>(nDraw), NULL);
		}

		// Spaces at a wrap belong to the line; a paragraph mark (CR LF in
		// the old text format) ends it.
		cp += nLine;
		while (cp < cpPara && m_text[cp] == L' ')
			++cp;
		if (cp == cpPara && cp < cpEnd)
		{
			if (m_text[cp] == L'\r' && cp + 1 < cpEnd && m_text[cp + 1] == L'\n')
				++cp;
			++cp;
		}
	}

	::RestoreDC(hdc, nSavedDC);
	return cp;
}

/////////////////////////////////////////////////////////////////////////////
// Implementation

long PlainTextLayout::FitLine(HDC hdc, long cp, long cpPara, int cxLine) const
{
	// At most one character per pixel can fit, so a long paragraph is not
	// measured whole again for each of its lines.
	const long nRest = cpPara - cp;
	const int nMeasure = static_cast<int>(std::min<long>(nRest, cxLine));
	int nFit = 0;
	SIZE size = {};
	if (!::GetTextExtentExPointW(hdc, &m_text[cp], nMeasure, cxLine, &nFit, NULL, &size))
		nFit = 0;
	if (nFit >= nRest)
		return nRest;

	// Broken after the last space that fits, else inside the word, but never
	// between the two halves of a character outside the BMP.
	long nLine = nFit;
	while (nLine > 0 && m_text[cp + nLine] != L' ')
		--nLine;
	if (nLine == 0)
		nLine = std::max(nFit, 1);
	if (nLine < nRest && IS_LOW_SURROGATE(m_text[cp + nLine]))
		nLine += nLine > 1 ? -1 : 1;
	return nLine;
}
