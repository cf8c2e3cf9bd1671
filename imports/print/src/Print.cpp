// Print.cpp - print jobs: PrintInfo and the job side of UIPrinter.
#include <qtx/Print.h>

#include <winspool.h>

namespace
{

const int kTwipsPerInch = 1440;
const int kDefaultMarginMils = 1000; // one inch on every side

// The printer's DC for a name, or for the default printer when it is empty.
HDC OpenPrinterDC(const CString& strPrinter)
{
	CString strName = strPrinter;
	if (strName.IsEmpty())
	{
		char szDefault[512] = "";
		DWORD cch = sizeof(szDefault);
		if (!::GetDefaultPrinterA(szDefault, &cch))
			return NULL;
		strName = szDefault;
	}
	return ::CreateDCA("WINSPOOL", strName, NULL, NULL);
}

bool IsPrinterDC(HDC hdc)
{
	// A metafile or memory DC reports the technology of its reference
	// device, which may well be a printer; it still has no pages.
	const DWORD type = ::GetObjectType(hdc);
	if (type != OBJ_DC)
		return false;
	const int tech = ::GetDeviceCaps(hdc, TECHNOLOGY);
	return tech == DT_RASPRINTER || tech == DT_PLOTTER;
}

// The paper in device units relative to the DC's origin; empty on failure.
RECT GetPaperRect(HDC hdc, bool bPrinter, const PrintInfo& info)
{
	RECT rc = { 0, 0, 0, 0 };
	if (bPrinter)
	{
		// The origin of a printer DC is the corner of the printable area,
		// not of the sheet.
		const int x = ::GetDeviceCaps(hdc, PHYSICALOFFSETX);
		const int y = ::GetDeviceCaps(hdc, PHYSICALOFFSETY);
		::SetRect(&rc, -x, -y, ::GetDeviceCaps(hdc, PHYSICALWIDTH) - x,
			::GetDeviceCaps(hdc, PHYSICALHEIGHT) - y);
	}
	else if (info.m_sizePaper.cx > 0 && info.m_sizePaper.cy > 0)
	{
		::SetRect(&rc, 0, 0, ::MulDiv(info.m_sizePaper.cx, ::GetDeviceCaps(hdc, LOGPIXELSX), 1000),
			::MulDiv(info.m_sizePaper.cy, ::GetDeviceCaps(hdc, LOGPIXELSY), 1000));
	}
	else if (::GetObjectType(hdc) == OBJ_MEMDC)
	{
		BITMAP bm = {};
		HGDIOBJ hbm = ::GetCurrentObject(hdc, OBJ_BITMAP);
		if (hbm != NULL && ::GetObjectA(hbm, sizeof(bm), &bm) == sizeof(bm))
			::SetRect(&rc, 0, 0, bm.bmWidth, bm.bmHeight);
	}
	else
	{
		::SetRect(&rc, 0, 0, ::GetDeviceCaps(hdc, HORZRES), ::GetDeviceCaps(hdc, VERTRES));
	}
	return rc;
}

} // namespace

/////////////////////////////////////////////////////////////////////////////
// PrintInfo

PrintInfo::PrintInfo()
	: m_hDC(NULL)
	, m_rcMargins(kDefaultMarginMils, kDefaultMarginMils, kDefaultMarginMils, kDefaultMarginMils)
	, m_sizePaper(0, 0)
	, m_nFromPage(1)
	, m_nToPage(0)
	, m_nPagesPrinted(0)
{
}

/////////////////////////////////////////////////////////////////////////////
// UIPrinter

UIPrinter::UIPrinter()
{
}

UIPrinter::~UIPrinter()
{
}

bool UIPrinter::Print(PrintInfo* pInfo)
{
	if (pInfo == NULL)
		return false;
	pInfo->m_nPagesPrinted = 0;
	const CRect& rcMargins = pInfo->m_rcMargins;
	if (pInfo->m_nFromPage == 0 || (pInfo->m_nToPage != 0 && pInfo->m_nToPage < pInfo->m_nFromPage) ||
		rcMargins.left < 0 || rcMargins.top < 0 || rcMargins.right < 0 || rcMargins.bottom < 0)
		return false;

	HDC hdc = pInfo->m_hDC;
	HDC hdcOwned = NULL;
	if (hdc == NULL)
	{
		hdcOwned = OpenPrinterDC(pInfo->m_strPrinter);
		hdc = hdcOwned;
	}
	else
	{
		// A stale or foreign handle must not reach GDI's drawing calls.
		const DWORD type = ::GetObjectType(hdc);
		if (type != OBJ_DC && type != OBJ_MEMDC && type != OBJ_ENHMETADC)
			hdc = NULL;
	}
	if (hdc == NULL)
		return false;

	const bool bPrinter = IsPrinterDC(hdc);
	const RECT rcPaper = GetPaperRect(hdc, bPrinter, *pInfo);

	UINT nPrinted = 0;
	bool bOK = false;
	if (!::IsRectEmpty(&rcPaper))
	{
		const int nSaved = ::SaveDC(hdc);
		::SetMapMode(hdc, MM_TEXT);
		bOK = PrintPages(hdc, bPrinter, *pInfo, rcPaper, nPrinted);
		::RestoreDC(hdc, nSaved);
	}
	pInfo->m_nPagesPrinted = nPrinted;

	if (hdcOwned != NULL)
		::DeleteDC(hdcOwned);
	return bOK;
}

bool UIPrinter::PrintPages(HDC hdc, bool bPrinter, const PrintInfo& info, const RECT& rcPaper, UINT& nPrinted)
{
	const int dpiX = ::GetDeviceCaps(hdc, LOGPIXELSX);
	const int dpiY = ::GetDeviceCaps(hdc, LOGPIXELSY);
	if (dpiX <= 0 || dpiY <= 0)
		return false;

	RECT rcPage;
	rcPage.left = ::MulDiv(rcPaper.left, kTwipsPerInch, dpiX);
	rcPage.top = ::MulDiv(rcPaper.top, kTwipsPerInch, dpiY);
	rcPage.right = ::MulDiv(rcPaper.right, kTwipsPerInch, dpiX);
	rcPage.bottom = ::MulDiv(rcPaper.bottom, kTwipsPerInch, dpiY);
	RECT rcBody = rcPage;
	rcBody.left += ::MulDiv(info.m_rcMargins.left, kTwipsPerInch, 1000);
	rcBody.top += ::MulDiv(info.m_rcMargins.top, kTwipsPerInch, 1000);
	rcBody.right -= ::MulDiv(info.m_rcMargins.right, kTwipsPerInch, 1000);
	rcBody.bottom -= ::MulDiv(info.m_rcMargins.bottom, kTwipsPerInch, 1000);
	if (rcBody.right <= rcBody.left || rcBody.bottom <= rcBody.top)
		return false;

	if (!BeginPrinting(hdc, rcPage, rcBody))
	{
		EndPrinting(hdc);
		return false;
	}

	bool bOK = true;
	bool bDocStarted = false;
	if (bPrinter)
	{
		DOCINFOA di = { sizeof(DOCINFOA), NULL, NULL, NULL, 0 };
		di.lpszDocName = info.m_strDocName.IsEmpty() ? "Document" : (LPCSTR)info.m_strDocName;
		bOK = bDocStarted = ::StartDocA(hdc, &di) > 0;
	}

	for (UINT nPage = 1; bOK && HasMorePages(); ++nPage)
	{
		if (info.m_nToPage != 0 && nPage > info.m_nToPage)
			break;
		const bool bDraw = nPage >= info.m_nFromPage;
		if (bDraw)
		{
			if (!bPrinter)
				::FillRect(hdc, &rcPaper, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
			else if (::StartPage(hdc) <= 0)
			{
				bOK = false;
				break;
			}
		}
		bOK = PrintNextPage(hdc, bDraw);
		if (bDraw)
		{
			if (bPrinter && ::EndPage(hdc) <= 0)
				bOK = false;
			if (bOK)
				++nPrinted;
		}
	}

	EndPrinting(hdc);
	if (bDocStarted)
	{
		// A job that drew no page is dropped rather than sent as a blank sheet.
		if (bOK && nPrinted > 0)
			bOK = ::EndDoc(hdc) > 0;
		else
			::AbortDoc(hdc);
	}
	return bOK;
}
