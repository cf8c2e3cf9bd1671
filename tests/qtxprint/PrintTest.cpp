// Tests of the print library: a multi-page rich edit printed into bitmaps and
// enhanced metafiles.
#include <qtx/Print.h>

#include <kavrotest/TestSupport.h>

#include <afxcmn.h>
#include <richedit.h>

#include <string>

namespace
{

class RichTextPrintTest : public ::testing::Test
{
protected:
	void SetUp() override
	{
		ASSERT_TRUE(AfxInitRichEdit2());
		HWND hWnd = ::CreateWindowExA(0, "RichEdit20A", "",
			WS_CHILD | WS_VISIBLE | ES_MULTILINE | WS_VSCROLL, 0, 0, 300, 150,
			m_host.GetSafeHwnd(), (HMENU)100, NULL, NULL);
		ASSERT_NE(hWnd, (HWND)NULL);
		ASSERT_TRUE(m_edit.Attach(hWnd));
	}
	void TearDown() override
	{
		if (m_edit.GetSafeHwnd() != NULL)
			::DestroyWindow(m_edit.Detach());
	}

	void FillLines(int nLines)
	{
		std::string text;
		for (int i = 1; i <= nLines; ++i)
			text += "Line " + std::to_string(i) + " of the printed text\r\n";
		::SetWindowTextA(m_edit.GetSafeHwnd(), text.c_str());
	}

	// Prints into a white bitmap of the given size and returns its pixels.
	kt::Snapshot PrintToBitmap(PrintInfo& info, int cx, int cy, bool* pResult)
	{
		return kt::Snapshot::Draw(cx, cy, RGB(255, 255, 255), [&](HDC hdc) {
			info.m_hDC = hdc;
			RichTextEditPrinter printer(&m_edit);
			UIPrinter& job = printer;
			*pResult = job.Print(&info);
		});
	}

	kt::HostWindow m_host;
	CRichEditCtrl m_edit;
};

const COLORREF kWhite = RGB(255, 255, 255);

TEST_F(RichTextPrintTest, PaginatesTheWholeTextIntoABitmapInsideTheMargins)
{
	FillLines(120);
	CHARRANGE selBefore = { 3, 9 };
	::SendMessageA(m_edit.GetSafeHwnd(), EM_EXSETSEL, 0, (LPARAM)&selBefore);

	// 400 x 300 pixels at the bitmap's resolution, a quarter-inch margin.
	PrintInfo info;
	info.m_rcMargins.SetRect(250, 250, 250, 250);
	bool bOK = false;
	kt::Snapshot lastPage = PrintToBitmap(info, 400, 300, &bOK);
	ASSERT_TRUE(bOK);
	const UINT nPages = info.m_nPagesPrinted;
	EXPECT_GT(nPages, 2u);

	// Printing leaves the control's selection alone.
	CHARRANGE selAfter = {};
	::SendMessageA(m_edit.GetSafeHwnd(), EM_EXGETSEL, 0, (LPARAM)&selAfter);
	EXPECT_EQ(selAfter.cpMin, 3);
	EXPECT_EQ(selAfter.cpMax, 9);

	// The last page is what a memory DC keeps; text stays inside the margins.
	HDC hdcScreen = ::GetDC(NULL);
	const int margin = ::GetDeviceCaps(hdcScreen, LOGPIXELSX) / 4;
	::ReleaseDC(NULL, hdcScreen);
	RECT rcInk = lastPage.Bounds(kWhite);
	ASSERT_FALSE(::IsRectEmpty(&rcInk));
	EXPECT_GE(rcInk.left, margin - 1);
	EXPECT_GE(rcInk.top, margin - 1);
	EXPECT_LE(rcInk.right, 400 - margin + 1);
	EXPECT_LE(rcInk.bottom, 300 - margin + 1);

	// Twice the text takes more pages.
	FillLines(240);
	PrintInfo longer;
	longer.m_rcMargins = info.m_rcMargins;
	PrintToBitmap(longer, 400, 300, &bOK);
	EXPECT_TRUE(bOK);
	EXPECT_GE(longer.m_nPagesPrinted, 2 * nPages - 1);
}

TEST_F(RichTextPrintTest, PageRangeSelectsWhatIsDrawn)
{
	FillLines(120);
	PrintInfo all;
	all.m_rcMargins.SetRect(250, 250, 250, 250);
	bool bOK = false;
	const kt::Snapshot last = PrintToBitmap(all, 400, 300, &bOK);
	ASSERT_TRUE(bOK);
	const UINT nPages = all.m_nPagesPrinted;
	ASSERT_GT(nPages, 2u);

	PrintInfo first = all;
	first.m_nFromPage = 1;
	first.m_nToPage = 1;
	const kt::Snapshot page1 = PrintToBitmap(first, 400, 300, &bOK);
	EXPECT_TRUE(bOK);
	EXPECT_EQ(first.m_nPagesPrinted, 1u);

	PrintInfo second = all;
	second.m_nFromPage = 2;
	second.m_nToPage = 2;
	const kt::Snapshot page2 = PrintToBitmap(second, 400, 300, &bOK);
	EXPECT_EQ(second.m_nPagesPrinted, 1u);

	PrintInfo tail = all;
	tail.m_nFromPage = nPages;
	const kt::Snapshot lastAgain = PrintToBitmap(tail, 400, 300, &bOK);
	EXPECT_EQ(tail.m_nPagesPrinted, 1u);

	// Full pages carry the same amount of ink but different lines; the last
	// page is a part page and matches what the whole job left behind.
	EXPECT_GT(page1.CountDiff(page2), 0);
	EXPECT_GT(last.Count(kWhite), page1.Count(kWhite));
	EXPECT_EQ(lastAgain.CountDiff(last), 0);

	PrintInfo beyond = all;
	beyond.m_nFromPage = nPages + 1;
	const kt::Snapshot blank = PrintToBitmap(beyond, 400, 300, &bOK);
	EXPECT_TRUE(bOK);
	EXPECT_EQ(beyond.m_nPagesPrinted, 0u);
	EXPECT_EQ(blank.Count(kWhite), 400 * 300);
}

// Collects the text an enhanced metafile draws.
int CALLBACK CollectText(HDC, HANDLETABLE*, const ENHMETARECORD* pRecord, int, LPARAM lParam)
{
	std::wstring& text = *reinterpret_cast<std::wstring*>(lParam);
	if (pRecord->iType == EMR_EXTTEXTOUTW)
	{
		const EMREXTTEXTOUTW* p = reinterpret_cast<const EMREXTTEXTOUTW*>(pRecord);
		const wchar_t* chars = reinterpret_cast<const wchar_t*>(
			reinterpret_cast<const BYTE*>(p) + p->emrtext.offString);
		text.append(chars, p->emrtext.nChars);
	}
	else if (pRecord->iType == EMR_EXTTEXTOUTA)
	{
		const EMREXTTEXTOUTA* p = reinterpret_cast<const EMREXTTEXTOUTA*>(pRecord);
		const char* chars = reinterpret_cast<const char*>(p) + p->emrtext.offString;
		for (DWORD i = 0; i < p->emrtext.nChars; ++i)
			text += static_cast<wchar_t>(static_cast<unsigned char>(chars[i]));
	}
	return 1;
}

TEST_F(RichTextPrintTest, PrintsEveryPageIntoAnEnhancedMetafile)
{
	FillLines(120);
	HDC hdcEmf = ::CreateEnhMetaFileA(NULL, NULL, NULL, "kavro print test");
	ASSERT_NE(hdcEmf, (HDC)NULL);

	PrintInfo info;
	info.m_hDC = hdcEmf;
	info.m_sizePaper = CSize(4000, 3000);  // 4 x 3 inches
	info.m_rcMargins.SetRect(250, 250, 250, 250);
	RichTextEditPrinter printer(&m_edit);
	EXPECT_TRUE(printer.Print(&info));
	EXPECT_GT(info.m_nPagesPrinted, 2u);

	HENHMETAFILE hEmf = ::CloseEnhMetaFile(hdcEmf);
	ASSERT_NE(hEmf, (HENHMETAFILE)NULL);
	std::wstring text;
	::EnumEnhMetaFile(NULL, hEmf, CollectText, &text, NULL);
	::DeleteEnhMetaFile(hEmf);
	// Every page went in, the first line and the last.
	EXPECT_NE(text.find(L"Line 1 of"), std::wstring::npos);
	EXPECT_NE(text.find(L"Line 120 of"), std::wstring::npos);
}

TEST_F(RichTextPrintTest, BadJobsFailWithoutPrinting)
{
	FillLines(20);
	RichTextEditPrinter printer(&m_edit);
	EXPECT_FALSE(printer.Print(NULL));

	HDC hdcScreen = ::GetDC(NULL);
	HDC hdc = ::CreateCompatibleDC(hdcScreen);
	HBITMAP hbm = ::CreateCompatibleBitmap(hdcScreen, 200, 200);
	HGDIOBJ hOld = ::SelectObject(hdc, hbm);

	PrintInfo info;
	info.m_hDC = hdc;
	info.m_rcMargins.SetRect(100, 100, 100, 100);
	ASSERT_TRUE(printer.Print(&info));
	ASSERT_GT(info.m_nPagesPrinted, 0u);

	// Each bad field on its own: the result is false and no page is counted.
	PrintInfo bad = info;
	bad.m_nFromPage = 0;
	EXPECT_FALSE(printer.Print(&bad));
	EXPECT_EQ(bad.m_nPagesPrinted, 0u);
	bad = info;
	bad.m_nFromPage = 3;
	bad.m_nToPage = 2;
	EXPECT_FALSE(printer.Print(&bad));
	bad = info;
	bad.m_rcMargins.SetRect(1500, 100, 1500, 100);  // wider than the paper
	EXPECT_FALSE(printer.Print(&bad));
	bad = info;
	bad.m_rcMargins.left = -10;
	EXPECT_FALSE(printer.Print(&bad));
	bad = info;
	bad.m_hDC = NULL;
	bad.m_strPrinter = "No Such Printer On This Machine";
	EXPECT_FALSE(printer.Print(&bad));
	EXPECT_EQ(bad.m_nPagesPrinted, 0u);

	RichTextEditPrinter noEdit(NULL);
	PrintInfo again = info;
	EXPECT_FALSE(noEdit.Print(&again));
	EXPECT_EQ(again.m_nPagesPrinted, 0u);

	// An empty control prints nothing, successfully.
	::SetWindowTextA(m_edit.GetSafeHwnd(), "");
	again = info;
	EXPECT_TRUE(printer.Print(&again));
	EXPECT_EQ(again.m_nPagesPrinted, 0u);

	// A control whose window is gone.
	::DestroyWindow(m_edit.GetSafeHwnd());
	again = info;
	EXPECT_FALSE(printer.Print(&again));
	m_edit.Detach();

	::SelectObject(hdc, hOld);
	::DeleteObject(hbm);
	::DeleteDC(hdc);
	::ReleaseDC(NULL, hdcScreen);

	// A DC that no longer exists.
	again = info;
	EXPECT_FALSE(printer.Print(&again));
}

} // namespace
