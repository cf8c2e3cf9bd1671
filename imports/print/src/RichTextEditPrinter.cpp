// RichTextEditPrinter.cpp - prints a rich edit control's content, page by page.
#include <qtx/Print.h>

#include "PlainTextLayout.h"

#include <new>

/////////////////////////////////////////////////////////////////////////////
// Construction

RichTextEditPrinter::RichTextEditPrinter(CRichEditCtrl* pEdit)
	: m_pEdit(pEdit)
	, m_bPrinting(false)
	, m_cpNext(0)
	, m_cpEnd(0)
	, m_pPlainText(NULL)
{
	::SetRectEmpty(&m_rcPage);
	::SetRectEmpty(&m_rcBody);
}

RichTextEditPrinter::~RichTextEditPrinter()
{
	delete m_pPlainText;
}

/////////////////////////////////////////////////////////////////////////////
// Overridables

bool RichTextEditPrinter::BeginPrinting(HDC /*hdc*/, const RECT& rcPage, const RECT& rcBody)
{
	m_bPrinting = IsEditAlive();
	if (!m_bPrinting)
		return false;
	m_rcPage = rcPage;
	m_rcBody = rcBody;
	m_cpNext = 0;
	delete m_pPlainText;
	m_pPlainText = NULL;

	// Counted in character positions, the unit FormatRange answers in (a
	// paragraph break is one position, not CR LF).
	GETTEXTLENGTHEX gtl = { GTL_PRECISE | GTL_NUMCHARS, 1200 };
	const LRESULT len = m_pEdit->SendMessage(EM_GETTEXTLENGTHEX, (WPARAM)&gtl, 0);
	m_cpEnd = len > 0 ? static_cast<long>(len) : 0;
	return true;
}

bool RichTextEditPrinter::HasMorePages() const
{
	return m_bPrinting && m_cpNext < m_cpEnd;
}

bool RichTextEditPrinter::PrintNextPage(HDC hdc, bool bDraw)
{
	if (!IsEditAlive())
		return false;

	FORMATRANGE fr = {};
	fr.hdc = hdc;
	fr.hdcTarget = hdc;
	fr.rc = m_rcBody;
	fr.rcPage = m_rcPage;
	fr.chrg.cpMin = m_cpNext;
	fr.chrg.cpMax = -1;
	long cpNext = 0;
	if (m_pPlainText != NULL)
		cpNext = m_pPlainText->FormatRange(fr, bDraw);
	else
	{
		// A control with a page layout answers at least cpMin, and more
		// once a line fits; 0 for text that is there means it has none.
		cpNext = m_pEdit->FormatRange(&fr, bDraw ? TRUE : FALSE);
		if (cpNext == 0 && m_cpNext < m_cpEnd)
		{
			m_pPlainText = new (std::nothrow) PlainTextLayout;
			if (m_pPlainText == NULL || !m_pPlainText->Create(*m_pEdit, hdc))
				return false;
			cpNext = m_pPlainText->FormatRange(fr, bDraw);
		}
	}
	// A page that takes no character (not even one line fits) would repeat
	// forever.
	if (cpNext <= m_cpNext)
		return false;
	m_cpNext = cpNext;
	return true;
}

void RichTextEditPrinter::EndPrinting(HDC /*hdc*/)
{
	// Lets the control drop the layout it kept for the device.
	if (m_bPrinting && IsEditAlive())
		m_pEdit->FormatRange(NULL, FALSE);
	m_bPrinting = false;
	delete m_pPlainText;
	m_pPlainText = NULL;
}

/////////////////////////////////////////////////////////////////////////////
// Implementation

bool RichTextEditPrinter::IsEditAlive() const
{
	return m_pEdit != NULL && ::IsWindow(m_pEdit->GetSafeHwnd());
}
