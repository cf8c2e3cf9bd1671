// TransparentStatic.cpp - the transparent static text control.
#include <afxwin.h>

#include <kavro/TransparentStatic.h>
#include <qtx/Support.h>

#include <vector>

#include "Frame.h"

// Pieces of the ellipsis code, built once when the library loads.
static const CString kEllipsis("...");
static const CString kBackslash("\\");
static const CString kEmpty("");
static const CString kEllipsisBackslash("...\\");
static const CString kSlash("/");
static const CString kEllipsisSlash(".../");
static const CString kSeparators("\\/");

// Width of one line of text in the font selected into the DC.
static int MeasureLine(CDC* pDC, const CString& strText)
{
	return GetAnsiTextExtent(pDC, strText).cx;
}

// Texts longer than this are shortened by replaying the passes on indexes.
static const int kReplayLength = 512;
// The longest path the system accepts, in characters.
static const int kLongestPath = 32767;

// Where each character of strText starts (offsets, in bytes, with the text's
// length last) and the width of the text up to each of those places (widths),
// from one measurement of the running extents. The text is measured as UTF-16,
// which every code page converts to: a character takes one unit, or two when
// it lies outside the Basic Multilingual Plane (four bytes of UTF-8). False
// when the text does not convert unit for character (it holds a byte sequence
// that is no character), so that no width is taken for the wrong character.
static bool MeasureCharacters(CDC* pDC, const CString& strText, std::vector<int>& offsets,
	std::vector<int>& widths)
{
	const int nLength = strText.GetLength();
	const int nUnits = ::MultiByteToWideChar(CP_ACP, 0, strText, nLength, NULL, 0);
	if (nUnits <= 0)
		return false;
	std::vector<wchar_t> wide(nUnits);
	std::vector<int> extents(nUnits);
	SIZE size = { 0, 0 };
	if (::MultiByteToWideChar(CP_ACP, 0, strText, nLength, wide.data(), nUnits) != nUnits ||
		!::GetTextExtentExPointW(pDC->m_hDC, wide.data(), nUnits, 0, NULL, extents.data(), &size))
		return false;

	offsets.assign(1, 0);
	widths.assign(1, 0);
	offsets.reserve(nUnits + 1);
	widths.reserve(nUnits + 1);
	const bool bUtf8 = ::GetACP() == CP_UTF8;
	const LPCSTR pszText = strText;
	int nUnit = 0;
	for (LPCSTR p = pszText; p < pszText + nLength;)
	{
		const LPCSTR pNext = StringUtils::NextChar(p);
		nUnit += bUtf8 && pNext - p == 4 ? 2 : 1;
		if (pNext == p || nUnit > nUnits)
			return false;
		offsets.push_back(static_cast<int>(pNext - pszText));
		widths.push_back(extents[nUnit - 1]);
		p = pNext;
	}
	return nUnit == nUnits;
}

// The pass-by-pass shortening measures the whole text on every pass, which is
// quadratic in its length. Where every form the text takes is the ellipsis and
// a piece of the original (a leading ellipsis, or a trailing one on plain
// text), the widths of all forms follow from one measurement of the running
// extents, so the same passes, with the same stop conditions, are replayed on
// character indexes and only the result is built. Returns false when it does
// not apply.
static bool ReplayEllipsis(CDC* pDC, CString& strText, int cxText, int cxClient, bool bLeading,
	bool bTextContent)
{
	if (strText.GetLength() <= kReplayLength || (!bLeading && !bTextContent))
		return false;
	std::vector<int> offsets, widths;
	if (!MeasureCharacters(pDC, strText, offsets, widths))
		return false;
	const int nChars = static_cast<int>(offsets.size()) - 1;
	const int cxEllipsis = MeasureLine(pDC, kEllipsis);
	const LPCSTR pszText = strText;

	int cxPrevious = -1;
	int cx = cxText;
	if (bLeading)
	{
		// The text is "..." followed by the original from character nStart on.
		int nStart = 0;
		// Where the search for the next separator goes on; it only moves on.
		int nSep = 0;
		bool bFirst = true;
		do
		{
			if (cx == cxPrevious)
				break;
			cxPrevious = cx;
			if (bTextContent || !bFirst)
				nStart = nStart < nChars ? nStart + 1 : nChars;
			if (!bTextContent)
			{
				if (nSep < nStart)
					nSep = nStart;
				// A separator is a character of one byte, never part of another.
				while (nSep < nChars && pszText[offsets[nSep]] != '\\' && pszText[offsets[nSep]] != '/')
					++nSep;
				if (nSep < nChars)
					nStart = nSep;
			}
			cx = cxEllipsis + widths[nChars] - widths[nStart];
			bFirst = false;
		} while (cx >= cxClient);
		strText = kEllipsis + strText.Mid(offsets[nStart]);
	}
	else
	{
		// The text is the original's first nKeep characters and "...".
		int nKeep = nChars;
		do
		{
			if (cx == cxPrevious)
				break;
			cxPrevious = cx;
			nKeep = nKeep > 0 ? nKeep - 1 : 0;
			cx = widths[nKeep] + cxEllipsis;
		} while (cx >= cxClient);
		strText = strText.Left(offsets[nKeep]) + kEllipsis;
	}
	return true;
}

IMPLEMENT_DYNAMIC(CTransparentStatic, CStatic)

BEGIN_MESSAGE_MAP(CTransparentStatic, CStatic)
	ON_WM_CTLCOLOR_REFLECT()
	ON_WM_PAINT()
	ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

CTransparentStatic::CTransparentStatic()
	: m_bInTabCtrlPg(false)
	, m_bShowUnderscore(false)
	, m_nFormat(DT_WORDBREAK)
	, m_crText(::GetSysColor(COLOR_BTNTEXT))
	, m_eEllipsis(NoEllipsis)
	, m_eContentType(TextContent)
{
}

CTransparentStatic::~CTransparentStatic()
{
}

/////////////////////////////////////////////////////////////////////////////
// Operations

void CTransparentStatic::SetWindowTextA(const char* lpszText, bool bRedraw)
{
	CWnd::SetWindowText(lpszText);
	if (bRedraw)
		RedrawCtrl();
}

void CTransparentStatic::SetFormat(unsigned int nFormat, bool bRedraw)
{
	m_nFormat = nFormat;
	if (bRedraw)
		RedrawCtrl();
}

void CTransparentStatic::SetTextColor(unsigned long crText, bool bRedraw)
{
	m_crText = crText;
	if (bRedraw)
		RedrawCtrl();
}

void CTransparentStatic::UseEllipsis(Ellipsis eEllipsis, bool bRedraw)
{
	m_eEllipsis = eEllipsis;
	if (bRedraw)
		RedrawCtrl();
}

void CTransparentStatic::SetContentType(ContentType eContentType, bool bRedraw)
{
	m_eContentType = eContentType;
	if (bRedraw)
		RedrawCtrl();
}

void CTransparentStatic::EnableWindow(int bEnable, bool bRedraw)
{
	CWnd::EnableWindow(bEnable);
	if (bRedraw)
		RedrawCtrl();
}

void CTransparentStatic::ShowUnderscore(bool bShow, bool bRedraw)
{
	if (bShow == m_bShowUnderscore)
		return;
	m_bShowUnderscore = bShow;
	if (bRedraw)
		RedrawCtrl();
}

void CTransparentStatic::IsInTabCtrlPg()
{
	m_bInTabCtrlPg = true;
}

/////////////////////////////////////////////////////////////////////////////
// Overridables

void CTransparentStatic::PreSubclassWindow()
{
	CStatic::PreSubclassWindow();
	// Siblings below and the parent paint first, so whatever they draw is
	// there before our text goes on top.
	ModifyStyleEx(0, WS_EX_TRANSPARENT);
}

/////////////////////////////////////////////////////////////////////////////
// Implementation

void CTransparentStatic::RedrawCtrl()
{
	RedrawParentArea(this, m_bInTabCtrlPg, false);
}

void CTransparentStatic::DoPaint(CPaintDC* pDC) const
{
	CRect rect;
	GetClientRect(&rect);
	DoPaint(pDC, rect);
}

void CTransparentStatic::DoPaint(CPaintDC* pDC, CRect& rect) const
{
	if (pDC == NULL || pDC->m_hDC == NULL)
		return;

	HFONT hFont = reinterpret_cast<HFONT>(::SendMessageA(m_hWnd, WM_GETFONT, 0, 0));
	HGDIOBJ hOldFont = NULL;
	if (hFont != NULL)
		hOldFont = ::SelectObject(pDC->m_hDC, hFont);
	const int nOldBkMode = pDC->SetBkMode(TRANSPARENT);
	const bool bDisabled = (GetStyle() & WS_DISABLED) != 0;

	CString strText;
	GetWindowText(strText);
	ApplyEllipsis(pDC, strText);
	if (!m_bShowUnderscore)
		StringUtils::RemoveSingleAmpersand(strText);

	const COLORREF crOldText = DrawCaptionText(pDC, strText, rect, m_nFormat, m_crText, bDisabled);

	pDC->SetTextColor(crOldText);
	pDC->SetBkMode(nOldBkMode);
	if (hOldFont != NULL)
		::SelectObject(pDC->m_hDC, hOldFont);
}

void CTransparentStatic::ApplyEllipsis(CPaintDC* pDC, CString& strText) const
{
	if (m_eEllipsis == NoEllipsis || strText.IsEmpty() || pDC == NULL || pDC->m_hDC == NULL)
		return;

	CRect rcClient;
	GetClientRect(&rcClient);
	const int cxClient = rcClient.right - rcClient.left;

	int cxText = MeasureLine(pDC, strText);
	// A text exactly as wide as the control touches the border: shorten it too.
	if (cxText < cxClient)
		return;

	// No path the system accepts is longer than this (\\?\ paths included).
	// A longer "path" is shortened as plain text: folding it a directory per
	// pass would cost a measurement of the whole text for every separator.
	ContentType eContentType = m_eContentType;
	if (eContentType != TextContent && strText.GetLength() > kLongestPath)
		eContentType = TextContent;

	bool bFirst = true;
	int cxPrevious = -1;
	if ((m_eEllipsis == LeadingEllipsis || m_eEllipsis == TrailingEllipsis) &&
		ReplayEllipsis(pDC, strText, cxText, cxClient, m_eEllipsis == LeadingEllipsis,
			eContentType == TextContent))
	{
		cxText = MeasureLine(pDC, strText);
		if (cxText < cxClient)
			return;
		// The whole measured differently from the sum of its parts: finish
		// pass by pass from here.
		bFirst = false;
	}
	else if (m_eEllipsis == LeadingEllipsis)
	{
		strText = kEllipsis + strText;
	}
	else if (eContentType == FileContent)
	{
		strText = DirUtils::ParsePathFromFile(strText) + kEllipsis;
	}
	else
	{
		strText += kEllipsis;
	}

	do
	{
		// A pass that changed nothing would change nothing the next time.
		if (cxText == cxPrevious)
			break;
		cxPrevious = cxText;

		if (m_eEllipsis == LeadingEllipsis)
		{
			// The ellipsis and one more character go.
			if (eContentType == TextContent || !bFirst)
				strText = kEllipsis + StringUtils::NextChar(strText.GetString() + kEllipsis.GetLength());
			if (eContentType != TextContent)
			{
				const int nSep = strText.FindOneOf(kSeparators);
				if (nSep >= 0)
					strText = kEllipsis + strText.Mid(nSep);
			}
		}
		else if (m_eEllipsis == TrailingEllipsis)
		{
			if (eContentType == TextContent)
			{
				const LPCSTR pszText = strText;
				const LPCSTR pszLast =
					StringUtils::PrevChar(pszText, pszText + strText.GetLength() - kEllipsis.GetLength());
				strText = strText.Left(static_cast<int>(pszLast - pszText)) + kEllipsis;
			}
			else
			{
				// Take out the marker of the previous pass so that one remains.
				if (bFirst)
				{
					strText.Replace(kEllipsisBackslash, kBackslash);
					strText.Replace(kEllipsisSlash, kSlash);
				}
				else
				{
					strText.Replace(kEllipsisBackslash, kEmpty);
					strText.Replace(kEllipsisSlash, kEmpty);
				}
				const CString strDir = DirUtils::ParseLastDir(strText);
				int nPos = StringUtils::FindLast(strText, kBackslash + strDir + kBackslash);
				if (nPos == -1)
					nPos = StringUtils::FindLast(strText, kSlash + strDir + kSlash);
				if (nPos != -1)
					strText = strText.Left(nPos + 1) + kEllipsis + strText.Mid(nPos + 1 + strDir.GetLength());
			}
		}

		cxText = MeasureLine(pDC, strText);
		bFirst = false;
	} while (cxText >= cxClient);
}

/////////////////////////////////////////////////////////////////////////////
// Message handlers

HBRUSH CTransparentStatic::CtlColor(CDC* pDC, UINT /*nCtlColor*/)
{
	pDC->SetBkMode(TRANSPARENT);
	return static_cast<HBRUSH>(::GetStockObject(NULL_BRUSH));
}

void CTransparentStatic::OnPaint()
{
	CPaintDC dc(this);
	CRect rect;
	GetClientRect(&rect);
	DoPaint(&dc, rect);
}

BOOL CTransparentStatic::OnEraseBkgnd(CDC* /*pDC*/)
{
	return TRUE;
}
