// PlainTextLayout.h - the print library's own page layout of a rich edit's text (internal to qtxprint.dll).
//
// Classes in this file:
//   PlainTextLayout
#pragma once

#include <afxcmn.h>
#include <richedit.h>

#include <memory>

/////////////////////////////////////////////////////////////////////////////
// PlainTextLayout - the fallback for rich edit controls without
// EM_FORMATRANGE: some rich edit builds answer it with 0 and draw nothing,
// which leaves them no page layout at all. This one lays out the control's
// text as plain text the way EM_FORMATRANGE would: in the control's default
// character format (font and colour), broken into lines at word boundaries,
// paragraph breaks starting a new line, tabs as spaces. Each page answers
// with the first character position of the next page, which is always the
// start of a line.

class PlainTextLayout
{
// Construction
public:
	PlainTextLayout();
	~PlainTextLayout();

	// Takes a copy of the control's text and makes its default font for
	// pages drawn on hdc. False when the text cannot be read or the font
	// cannot be made.
	bool Create(CRichEditCtrl& edit, HDC hdc);

// Operations
public:
	// Lays out the lines of fr.chrg (cpMax -1: to the end) that fit into
	// fr.rc (twips) on fr.hdc, the DC given to Create, and draws them when
	// bDisplay is true. Returns the first character position that did not
	// fit, fr.chrg.cpMin when not even one line does.
	long FormatRange(const FORMATRANGE& fr, bool bDisplay);

// Implementation
private:
	PlainTextLayout(const PlainTextLayout&) = delete;
	PlainTextLayout& operator=(const PlainTextLayout&) = delete;

	// Characters of the line starting at cp that fit cxLine on hdc (at least
	// one), ending after the last space that fits when there is one.
	long FitLine(HDC hdc, long cp, long cpPara, int cxLine) const;

	std::unique_ptr<WCHAR[]> m_text; // one element per character position
	long m_nLength;
	HFONT m_hFont; // owned
	COLORREF m_crText;
};
