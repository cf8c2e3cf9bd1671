// RichTextEditPrinter.cpp - prints a rich edit control's content, page by page.
#include <qtx/Print.h>

#include <afxcmn.h>
#include <richedit.h>

#include <algorithm>
#include <vector>

namespace
{

const int kTwipsPerInch = 1440;
const int kDefaultPoints = 10;  // when the control reports no font size

int TwipsToDevice(int twips, int dpi)
{
	return ::MulDiv(twips, dpi, kTwipsPerInch);
}

} // namespace

// The fallback's layout: the control's text broken into lines that fit the
// body, and what they are drawn with.
struct RichTextEditPrinter::PlainText
{
	PlainText() : hFont(NULL), crText(0), cyLine(0), nNextLine(0) { ::SetRectEmpty(&rcBody); }
	~PlainText()
	{
		if (hFont != NULL)
			::DeleteObject(hFont);
	}

	bool LayOut(HDC hdc, HWND hWndEdit, const RECT& rcBodyTwips);
	void AddParagraph(HDC hdc, int nStart, int nEnd, int cxBody);

	CString strText;                            // tabs expanded
	std::vector<std::pair<int, int>> lines;     // start and length in strText
	HFONT hFont;
	COLORREF crText;
	int cyLine;
	RECT rcBody;                                // device units
	size_t nNextLine;
};

bool RichTextEditPrinter::PlainText::LayOut(HDC hdc, HWND hWndEdit, const RECT& rcBodyTwips)
{
	const int dpiX = ::GetDeviceCaps(hdc, LOGPIXELSX);
	const int dpiY = ::GetDeviceCaps(hdc, LOGPIXELSY);
	::SetRect(&rcBody, TwipsToDevice(rcBodyTwips.left, dpiX), TwipsToDevice(rcBodyTwips.top, dpiY),
		TwipsToDevice(rcBodyTwips.right, dpiX), TwipsToDevice(rcBodyTwips.bottom, dpiY));

	const int nLength = ::GetWindowTextLengthA(hWndEdit);
	::GetWindowTextA(hWndEdit, strText.GetBuffer(nLength + 1), nLength + 1);
	strText.ReleaseBuffer();
	strText.Replace("\t", "    ");

	// The default character format stands for the whole text.
	CHARFORMAT2A cf = {};
	cf.cbSize = sizeof(cf);
	::SendMessageA(hWndEdit, EM_GETCHARFORMAT, SCF_DEFAULT, (LPARAM)&cf);
	LOGFONTA lf = {};
	lf.lfHeight = -::MulDiv((cf.dwMask & CFM_SIZE) && cf.yHeight > 0 ? cf.yHeight : kDefaultPoints * 20,
		dpiY, kTwipsPerInch);
	lf.lfWeight = (cf.dwEffects & CFE_BOLD) ? FW_BOLD : FW_NORMAL;
	lf.lfItalic = (cf.dwEffects & CFE_ITALIC) ? TRUE : FALSE;
	lf.lfUnderline = (cf.dwEffects & CFE_UNDERLINE) ? TRUE : FALSE;
	lf.lfStrikeOut = (cf.dwEffects & CFE_STRIKEOUT) ? TRUE : FALSE;
	lf.lfCharSet = cf.bCharSet;
	lf.lfPitchAndFamily = cf.bPitchAndFamily;
	::lstrcpynA(lf.lfFaceName, cf.szFaceName, LF_FACESIZE);
	hFont = ::CreateFontIndirectA(&lf);
	if (hFont == NULL)
		return false;
	crText = (cf.dwEffects & CFE_AUTOCOLOR) || !(cf.dwMask & CFM_COLOR)
		? ::GetSysColor(COLOR_WINDOWTEXT) : cf.crTextColor;

	HGDIOBJ hOldFont = ::SelectObject(hdc, hFont);
	TEXTMETRICA tm = {};
	::GetTextMetricsA(hdc, &tm);
	cyLine = tm.tmHeight + tm.tmExternalLeading;

	// Paragraphs end at CR LF, CR or LF; the break after the last one makes
	// no empty line of its own.
	const int cxBody = rcBody.right - rcBody.left;
	const int nText = strText.GetLength();
	int nStart = 0;
	while (nStart < nText)
	{
		int nEnd = nStart;
		while (nEnd < nText && strText[nEnd] != '\r' && strText[nEnd] != '\n')
			++nEnd;
		AddParagraph(hdc, nStart, nEnd, cxBody);
		nStart = nEnd;
		if (nStart < nText && strText[nStart] == '\r')
			++nStart;
		if (nStart < nText && strText[nStart] == '\n')
			++nStart;
	}
	::SelectObject(hdc, hOldFont);
	return cyLine > 0;
}

void RichTextEditPrinter::PlainText::AddParagraph(HDC hdc, int nStart, int nEnd, int cxBody)
{
	LPCSTR psz = strText;
	if (nStart == nEnd)
		lines.push_back(std::make_pair(nStart, 0));
	while (nStart < nEnd)
	{
		int nFit = 0;
		SIZE size;
		::GetTextExtentExPointA(hdc, psz + nStart, nEnd - nStart, cxBody, &nFit, NULL, &size);
		if (nFit >= nEnd - nStart)
		{
			lines.push_back(std::make_pair(nStart, nEnd - nStart));
			return;
		}
		// Break at the last space that fits; a word wider than the body is
		// cut, but every line takes at least one character.
		int nBreak = nStart + nFit;
		while (nBreak > nStart && psz[nBreak] != ' ')
			--nBreak;
		if (nBreak == nStart)
			nBreak = nStart + std::max(nFit, 1);
		lines.push_back(std::make_pair(nStart, nBreak - nStart));
		nStart = nBreak;
		while (nStart < nEnd && psz[nStart] == ' ')
			++nStart;
	}
}

/////////////////////////////////////////////////////////////////////////////
// Construction

RichTextEditPrinter::RichTextEditPrinter(CRichEditCtrl* pEdit)
	: m_pEdit(pEdit), m_hWndEdit(NULL), m_cpNext(0), m_cpEnd(0), m_pPlain(NULL)
{
	::SetRectEmpty(&m_rcPage);
	::SetRectEmpty(&m_rcBody);
}

RichTextEditPrinter::~RichTextEditPrinter()
{
	delete m_pPlain;
}

/////////////////////////////////////////////////////////////////////////////
// Overrides

bool RichTextEditPrinter::BeginPrinting(HDC hdc, const RECT& rcPage, const RECT& rcBody)
{
	delete m_pPlain;
	m_pPlain = NULL;
	m_hWndEdit = m_pEdit != NULL ? m_pEdit->GetSafeHwnd() : NULL;
	if (m_hWndEdit == NULL || !::IsWindow(m_hWndEdit))
	{
		m_hWndEdit = NULL;
		return false;
	}
	m_rcPage = rcPage;
	m_rcBody = rcBody;
	m_cpNext = 0;

	// Counted in character positions, the unit EM_FORMATRANGE answers in
	// (a paragraph break is one position, not CR LF).
	GETTEXTLENGTHEX gtl = { GTL_PRECISE | GTL_NUMCHARS, 1200 };
	const LRESULT len = ::SendMessageA(m_hWndEdit, EM_GETTEXTLENGTHEX, (WPARAM)&gtl, 0);
	m_cpEnd = len > 0 ? static_cast<LONG>(len) : 0;

	if (m_cpEnd > 0 && !CanFormatRange(hdc))
	{
		m_pPlain = new PlainText;
		if (!m_pPlain->LayOut(hdc, m_hWndEdit, m_rcBody))
		{
			delete m_pPlain;
			m_pPlain = NULL;
			m_hWndEdit = NULL;
			return false;
		}
	}
	return true;
}

bool RichTextEditPrinter::HasMorePages() const
{
	if (m_hWndEdit == NULL)
		return false;
	if (m_pPlain != NULL)
		return m_pPlain->nNextLine < m_pPlain->lines.size();
	return m_cpNext < m_cpEnd;
}

bool RichTextEditPrinter::PrintNextPage(HDC hdc, bool bDraw)
{
	if (!::IsWindow(m_hWndEdit))
		return false;
	if (m_pPlain != NULL)
		return PrintPlainPage(hdc, bDraw);

	FORMATRANGE fr = {};
	fr.hdc = hdc;
	fr.hdcTarget = hdc;
	fr.rc = m_rcBody;
	fr.rcPage = m_rcPage;
	fr.chrg.cpMin = m_cpNext;
	fr.chrg.cpMax = -1;
	const LRESULT cpNext = ::SendMessageA(m_hWndEdit, EM_FORMATRANGE, bDraw, (LPARAM)&fr);
	// A page that takes no character (not even one line fits) would repeat
	// forever.
	if (cpNext <= m_cpNext)
		return false;
	m_cpNext = static_cast<LONG>(cpNext);
	return true;
}

void RichTextEditPrinter::EndPrinting(HDC /*hdc*/)
{
	// Lets the control drop the layout it cached for the device.
	if (m_pPlain == NULL && m_hWndEdit != NULL && ::IsWindow(m_hWndEdit))
		::SendMessageA(m_hWndEdit, EM_FORMATRANGE, FALSE, 0);
	delete m_pPlain;
	m_pPlain = NULL;
	m_hWndEdit = NULL;
}

/////////////////////////////////////////////////////////////////////////////
// Implementation

bool RichTextEditPrinter::CanFormatRange(HDC hdc)
{
	FORMATRANGE fr = {};
	fr.hdc = hdc;
	fr.hdcTarget = hdc;
	fr.rc = m_rcBody;
	fr.rcPage = m_rcPage;
	fr.chrg.cpMin = 0;
	fr.chrg.cpMax = -1;
	const LRESULT cpNext = ::SendMessageA(m_hWndEdit, EM_FORMATRANGE, FALSE, (LPARAM)&fr);
	::SendMessageA(m_hWndEdit, EM_FORMATRANGE, FALSE, 0);
	return cpNext > 0;
}

bool RichTextEditPrinter::PrintPlainPage(HDC hdc, bool bDraw)
{
	PlainText& plain = *m_pPlain;
	const size_t nPerPage = static_cast<size_t>((plain.rcBody.bottom - plain.rcBody.top) / plain.cyLine);
	if (nPerPage == 0)
		return false;
	const size_t nEnd = std::min(plain.nNextLine + nPerPage, plain.lines.size());
	if (bDraw)
	{
		HGDIOBJ hOldFont = ::SelectObject(hdc, plain.hFont);
		const COLORREF crOld = ::SetTextColor(hdc, plain.crText);
		const int nOldMode = ::SetBkMode(hdc, TRANSPARENT);
		const UINT nOldAlign = ::SetTextAlign(hdc, TA_TOP | TA_LEFT | TA_NOUPDATECP);
		LPCSTR psz = plain.strText;
		int y = plain.rcBody.top;
		for (size_t i = plain.nNextLine; i < nEnd; ++i, y += plain.cyLine)
		{
			const std::pair<int, int>& line = plain.lines[i];
			if (line.second > 0)
				::TextOutA(hdc, plain.rcBody.left, y, psz + line.first, line.second);
		}
		::SetTextAlign(hdc, nOldAlign);
		::SetBkMode(hdc, nOldMode);
		::SetTextColor(hdc, crOld);
		::SelectObject(hdc, hOldFont);
	}
	plain.nNextLine = nEnd;
	return true;
}
