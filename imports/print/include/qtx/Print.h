// Print.h - print jobs and the printers that paginate a window's content onto them.
//
// Classes in this file:
//   PrintInfo, UIPrinter, RichTextEditPrinter
#pragma once

#include <afx.h>

#ifdef QTXPRINT_BUILD
#define QTXPRINT_API __declspec(dllexport)
#else
#define QTXPRINT_API __declspec(dllimport)
#endif

class CRichEditCtrl;
class PlainTextLayout;

/////////////////////////////////////////////////////////////////////////////
// PrintInfo - one print job, filled by the application and passed through to
// a printer.
//
// The target is, in this order of preference:
//   - m_hDC, a device context the application owns. A printer DC gets a
//     document of its own (StartDoc, StartPage/EndPage per page, EndDoc), so
//     the application must not have started one on it. Any other DC
//     (a memory DC over a bitmap, an enhanced-metafile DC, a window DC) has
//     no pages: each page of the range is drawn in turn over the same page
//     area, which is filled white first, so the DC ends up holding the last
//     page printed. To render one particular page, set the range to it.
//   - the printer named m_strPrinter;
//   - the default printer, when both are empty.
// Printers opened by name are closed again before Print returns.

class QTXPRINT_API PrintInfo
{
// Construction
public:
	PrintInfo();

// Attributes
public:
	HDC m_hDC;            // target DC, not owned; NULL: use a printer
	CString m_strPrinter; // printer name when m_hDC is NULL; empty: the default printer
	CString m_strDocName; // name of the document in the spooler; empty: "Document"
	CRect m_rcMargins;    // left, top, right, bottom, in thousandths of an inch (1000 each)
	// Paper size in thousandths of an inch for a DC that is not a printer;
	// (0, 0) takes the DC's own area (the bitmap selected into a memory DC,
	// the reference device's screen for the others). Printers use their paper.
	CSize m_sizePaper;
	UINT m_nFromPage; // first page to print, counted from 1
	UINT m_nToPage;   // last page to print; 0: to the end

	// Result: pages drawn by the last Print.
	UINT m_nPagesPrinted;
};

/////////////////////////////////////////////////////////////////////////////
// UIPrinter - the job side of printing: opens the target, starts and ends the
// document and its pages, honours the page range and counts the pages. A
// derived class lays out and draws its content page by page.

class QTXPRINT_API UIPrinter
{
// Construction
public:
	UIPrinter();
	virtual ~UIPrinter();

// Operations
public:
	// Prints the content for the job and sets pInfo->m_nPagesPrinted. False
	// when the job is NULL or invalid, the target cannot be opened, or the
	// device refuses the document; an empty content prints no page and
	// succeeds.
	virtual bool Print(PrintInfo* pInfo);

// Overridables
protected:
	// Called once per job before the first page. rcPage is the whole paper
	// and rcBody the part inside the margins, both in twips relative to the
	// DC's origin. False: the content cannot be printed.
	virtual bool BeginPrinting(HDC hdc, const RECT& rcPage, const RECT& rcBody) = 0;
	// True while content is left for a further page.
	virtual bool HasMorePages() const = 0;
	// Lays out the next page and draws it on hdc when bDraw is true (pages
	// before the range are only laid out). False when the page could not be
	// laid out, for instance when not even one line fits on it.
	virtual bool PrintNextPage(HDC hdc, bool bDraw) = 0;
	// Called once per job after the last page, also after a failure.
	virtual void EndPrinting(HDC hdc) = 0;

// Implementation
private:
	UIPrinter(const UIPrinter&) = delete;
	UIPrinter& operator=(const UIPrinter&) = delete;

	bool PrintPages(HDC hdc, bool bPrinter, const PrintInfo& info, const RECT& rcPaper, UINT& nPrinted);
};

/////////////////////////////////////////////////////////////////////////////
// RichTextEditPrinter - prints the whole content of a rich edit control, laid
// out page by page by the control itself (CRichEditCtrl::FormatRange), with
// all its formatting. A control that has no page layout (it answers
// EM_FORMATRANGE with 0 for text that is there) is printed as plain text
// instead: its text, word-wrapped to the body, in its default character
// format. The control must outlive the printer; its selection and scroll
// position are left alone.

class QTXPRINT_API RichTextEditPrinter : public UIPrinter
{
// Construction
public:
	explicit RichTextEditPrinter(CRichEditCtrl* pEdit);
	virtual ~RichTextEditPrinter();

// Overridables
protected:
	virtual bool BeginPrinting(HDC hdc, const RECT& rcPage, const RECT& rcBody) override;
	virtual bool HasMorePages() const override;
	virtual bool PrintNextPage(HDC hdc, bool bDraw) override;
	virtual void EndPrinting(HDC hdc) override;

// Implementation
private:
	RichTextEditPrinter(const RichTextEditPrinter&) = delete;
	RichTextEditPrinter& operator=(const RichTextEditPrinter&) = delete;

	bool IsEditAlive() const;

	CRichEditCtrl* m_pEdit;
	bool m_bPrinting; // between BeginPrinting and EndPrinting
	RECT m_rcPage;
	RECT m_rcBody;
	long m_cpNext;                 // first character of the next page
	long m_cpEnd;                  // number of characters in the control
	PlainTextLayout* m_pPlainText; // set while a job prints a control without a page layout
};
