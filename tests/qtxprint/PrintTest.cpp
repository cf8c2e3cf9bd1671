// PrintTest.cpp - the print library: a multi-page rich edit printed into bitmaps and metafiles.
//
// Classes in this file:
//   StandInEdit, TextRun, RichTextPrintTest
#include <qtx/Print.h>

#include <kavrotest/TestSupport.h>

#include <afxcmn.h>
#include <richedit.h>

#include <algorithm>
#include <string>
#include <vector>

namespace
{

// A rich edit whose page layout the test stands in for: each page takes
// m_nCharsPerPage more characters and draws nothing; 0 answers every page
// with 0, as a control without a page layout does.
class StandInEdit : public CRichEditCtrl
{
public:
	long m_nCharsPerPage = 0;

protected:
	virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
	{
		if (message == EM_DISPLAYBAND || (message == EM_FORMATRANGE && (lParam == 0 || m_nCharsPerPage == 0)))
			return 0;
		if (message != EM_FORMATRANGE)
			return CRichEditCtrl::WindowProc(message, wParam, lParam);
		GETTEXTLENGTHEX gtl = { GTL_PRECISE | GTL_NUMCHARS, 1200 };
		const long nEnd = static_cast<long>(CRichEditCtrl::WindowProc(EM_GETTEXTLENGTHEX, (WPARAM)&gtl, 0));
		return std::min(reinterpret_cast<const FORMATRANGE*>(lParam)->chrg.cpMin + m_nCharsPerPage, nEnd);
	}
};

// One text output of an enhanced metafile: its characters and its height on the page.
struct TextRun
{
	std::wstring text;
	LONG y;
};

int CALLBACK CollectText(HDC, HANDLETABLE*, const ENHMETARECORD* pRecord, int, LPARAM lParam)
{
	// The plain-text layout draws wide text.
	if (pRecord->iType == EMR_EXTTEXTOUTW)
	{
		const EMREXTTEXTOUTW* p = reinterpret_cast<const EMREXTTEXTOUTW*>(pRecord);
		const wchar_t* chars =
			reinterpret_cast<const wchar_t*>(reinterpret_cast<const BYTE*>(p) + p->emrtext.offString);
		reinterpret_cast<std::vector<TextRun>*>(lParam)->push_back(
			{ std::wstring(chars, p->emrtext.nChars), p->emrtext.ptlReference.y });
	}
	return 1;
}

std::wstring Wide(const std::string& text)
{
	return std::wstring(text.begin(), text.end());
}

class RichTextPrintTest : public ::testing::Test
{
protected:
	virtual void SetUp() override
	{
		ASSERT_TRUE(m_edit.Create(WS_CHILD | WS_VISIBLE | ES_MULTILINE | WS_VSCROLL, CRect(0, 0, 300, 150),
			&m_host, 100));
	}
	virtual void TearDown() override
	{
		if (m_edit.GetSafeHwnd() != NULL)
			m_edit.DestroyWindow();
	}

	static std::string LineText(int nLine)
	{
		return "Line " + std::to_string(nLine) + " of the printed text";
	}
	void FillLines(int nLines)
	{
		std::string text;
		for (int i = 1; i <= nLines; ++i)
			text += LineText(i) + "\r\n";
		::SetWindowTextA(m_edit.GetSafeHwnd(), text.c_str());
	}

	// Sets the default character format, which plain text is printed in.
	void Format(LONG yHeight = 200, COLORREF crText = CLR_INVALID)
	{
		CHARFORMAT cf = {};
		cf.dwMask = CFM_FACE | CFM_SIZE | CFM_COLOR | CFM_BOLD;
		cf.dwEffects = crText == CLR_INVALID ? CFE_AUTOCOLOR : 0;
		cf.crTextColor = crText == CLR_INVALID ? 0 : crText;
		cf.yHeight = yHeight;
		strcpy(cf.szFaceName, "Tahoma");
		ASSERT_TRUE(m_edit.SetDefaultCharFormat(cf));
	}

	// Prints into a white 400 x 300 bitmap and returns its pixels.
	kt::Snapshot PrintToBitmap(PrintInfo& info)
	{
		return kt::Snapshot::Draw(400, 300, kWhite,
			[&](HDC hdc)
			{
				info.m_hDC = hdc;
				RichTextEditPrinter printer(&m_edit);
				EXPECT_TRUE(static_cast<UIPrinter&>(printer).Print(&info));
			});
	}

	// Prints on 4 x 3 inch pages of an enhanced metafile, each drawn over the
	// last, and returns the text it drew.
	std::vector<TextRun> PrintToMetafile(PrintInfo& info)
	{
		std::vector<TextRun> runs;
		info.m_hDC = ::CreateEnhMetaFileA(NULL, NULL, NULL, "kavro print test");
		info.m_sizePaper = CSize(4000, 3000);
		RichTextEditPrinter printer(&m_edit);
		EXPECT_TRUE(printer.Print(&info));
		HENHMETAFILE hEmf = ::CloseEnhMetaFile(info.m_hDC);
		::EnumEnhMetaFile(NULL, hEmf, CollectText, &runs, NULL);
		::DeleteEnhMetaFile(hEmf);
		return runs;
	}

	static constexpr COLORREF kWhite = RGB(255, 255, 255);
	kt::HostWindow m_host;
	StandInEdit m_edit;
};

// Without a page layout in the control, the library lays out the text itself.

TEST_F(RichTextPrintTest, PagesBreakAtLineStartsAndOnlyTheRangeIsDrawn)
{
	FillLines(60);
	Format();
	CHARRANGE sel = { 3, 9 };
	m_edit.SendMessage(EM_EXSETSEL, 0, (LPARAM)&sel);

	// The whole job: every line once, whole and in order, and a new page
	// (back at the top of the body) starts with a line of its own.
	PrintInfo all;
	all.m_rcMargins.SetRect(250, 250, 250, 250);
	const std::vector<TextRun> runs = PrintToMetafile(all);
	const UINT nPages = all.m_nPagesPrinted;
	ASSERT_GT(nPages, 2u);
	ASSERT_EQ(runs.size(), 60u);
	std::vector<size_t> pageStarts = { 0 };
	for (size_t i = 0; i < runs.size(); ++i)
	{
		EXPECT_EQ(Wide(LineText(static_cast<int>(i + 1))), runs[i].text);
		if (i > 0 && runs[i].y < runs[i - 1].y)
		{
			EXPECT_EQ(runs[i].y, runs[0].y);
			pageStarts.push_back(i);
		}
	}
	ASSERT_EQ(pageStarts.size(), nPages);
	pageStarts.push_back(runs.size());

	// Printing leaves the control's selection alone.
	sel = {};
	m_edit.SendMessage(EM_EXGETSEL, 0, (LPARAM)&sel);
	EXPECT_TRUE(sel.cpMin == 3 && sel.cpMax == 9);

	// Pages before the range are only measured: a range draws exactly its
	// own lines; to page 0 is to the end; past the end there is nothing.
	// from, to, pages drawn
	const UINT ranges[][3] = { { 2, 2, 1 }, { nPages, 0, 1 }, { nPages + 1, 0, 0 } };
	for (const auto& r : ranges)
	{
		PrintInfo part = all;
		part.m_nFromPage = r[0];
		part.m_nToPage = r[1];
		const std::vector<TextRun> drawn = PrintToMetafile(part);
		EXPECT_EQ(part.m_nPagesPrinted, r[2]) << r[0];
		const size_t first = r[2] != 0 ? pageStarts[r[0] - 1] : 0, end = r[2] != 0 ? pageStarts[r[0]] : 0;
		ASSERT_EQ(drawn.size(), end - first) << r[0];
		for (size_t i = 0; i < drawn.size(); ++i)
			EXPECT_EQ(runs[first + i].text, drawn[i].text);
	}

	// Other DCs have no pages: each page is drawn over the last, on white,
	// so the bitmap holds the last page only.
	PrintInfo whole, last, large;
	const kt::Snapshot wholeJob = PrintToBitmap(whole);
	last.m_nFromPage = whole.m_nPagesPrinted;
	EXPECT_GT(whole.m_nPagesPrinted, 1u);
	EXPECT_EQ(PrintToBitmap(last).CountDiff(wholeJob), 0);
	EXPECT_EQ(last.m_nPagesPrinted, 1u);
	// The default character format sets the size: twice the size takes about twice the pages.
	Format(400);
	PrintToBitmap(large);
	EXPECT_GE(2 * large.m_nPagesPrinted, 3 * whole.m_nPagesPrinted);

	// A control with a page layout gives the job's pages, and what it draws
	// (nothing here) is all that is drawn.
	m_edit.m_nCharsPerPage = 100;
	GETTEXTLENGTHEX gtl = { GTL_PRECISE | GTL_NUMCHARS, 1200 };
	const long nLength = static_cast<long>(m_edit.SendMessage(EM_GETTEXTLENGTHEX, (WPARAM)&gtl, 0));
	EXPECT_EQ(PrintToBitmap(whole).Count(kWhite), 400 * 300);
	EXPECT_EQ(whole.m_nPagesPrinted, static_cast<UINT>((nLength + 99) / 100));
}

TEST_F(RichTextPrintTest, PlainTextWrapsAtWordBoundariesInsideTheBodyInItsColour)
{
	std::string text;
	for (int i = 0; i < 20; ++i)
		text += "wrapping words ";
	const std::string longWord(120, 'x');
	text += "\r\n" + longWord;
	::SetWindowTextA(m_edit.GetSafeHwnd(), text.c_str());
	Format(200, RGB(200, 0, 0));

	PrintInfo info;
	info.m_rcMargins.SetRect(500, 500, 500, 500);
	const std::vector<TextRun> runs = PrintToMetafile(info);
	EXPECT_EQ(info.m_nPagesPrinted, 1u);

	// Lines of whole words without the spaces at the breaks, then the word
	// too long for any line, cut where the line is full.
	std::wstring words, cut;
	int nWordLines = 0, nCutLines = 0;
	for (const TextRun& run : runs)
	{
		ASSERT_FALSE(run.text.empty());
		const bool bCut = run.text[0] == L'x';
		(bCut ? cut : words) += (bCut || words.empty() ? L"" : L" ") + run.text;
		++(bCut ? nCutLines : nWordLines);
	}
	EXPECT_GT(nWordLines, 2);
	EXPECT_EQ(Wide(text.substr(0, text.find(" \r"))), words);
	EXPECT_GT(nCutLines, 1);
	EXPECT_EQ(Wide(longWord), cut);

	// The same page in a bitmap: red ink only (blended with the white paper
	// at most), inside the half-inch margins.
	const kt::Snapshot page = PrintToBitmap(info);
	int nRed = 0, nOther = 0;
	for (int y = 0; y < page.Height(); ++y)
		for (int x = 0; x < page.Width(); ++x)
		{
			const COLORREF cr = page.At(x, y);
			nOther += GetGValue(cr) != GetBValue(cr) || GetRValue(cr) < GetGValue(cr);
			nRed += GetRValue(cr) - GetGValue(cr) > 100;
		}
	EXPECT_GT(nRed, 100);
	EXPECT_EQ(nOther, 0);
	HDC hdcScreen = ::GetDC(NULL);
	const int margin = ::MulDiv(::GetDeviceCaps(hdcScreen, LOGPIXELSX), 500, 1000);
	::ReleaseDC(NULL, hdcScreen);
	const RECT rcInk = page.Bounds(kWhite);
	EXPECT_TRUE(rcInk.left >= margin - 1 && rcInk.top >= margin - 1 && rcInk.right <= 400 - margin + 1 &&
				rcInk.bottom <= 300 - margin + 1)
		<< rcInk.left << "," << rcInk.top << "," << rcInk.right << "," << rcInk.bottom;
}

// A word of characters outside the BMP, each two positions, is cut between
// characters, never between the halves of one.
TEST_F(RichTextPrintTest, PlainTextNeverCutsACharacterInHalf)
{
	std::wstring text;
	for (int i = 0; i < 60; ++i)
		text += i % 3 ? L"\U0001F600" : L"\U00010348";
	SETTEXTEX st = { ST_DEFAULT, 1200 };
	m_edit.SendMessage(EM_SETTEXTEX, (WPARAM)&st, (LPARAM)text.c_str());
	Format(200);

	PrintInfo info;
	info.m_rcMargins.SetRect(1500, 500, 1500, 500);
	std::wstring printed;
	int nLines = 0;
	for (const TextRun& run : PrintToMetafile(info))
	{
		ASSERT_FALSE(run.text.empty());
		EXPECT_FALSE(IS_LOW_SURROGATE(run.text.front()) || IS_HIGH_SURROGATE(run.text.back())) << nLines;
		printed += run.text;
		++nLines;
	}
	EXPECT_GT(nLines, 2);
	EXPECT_EQ(printed, text);
}

TEST_F(RichTextPrintTest, BadJobsFailWithoutPrinting)
{
	FillLines(20);
	RichTextEditPrinter printer(&m_edit);
	EXPECT_FALSE(printer.Print(NULL));

	PrintInfo good;
	kt::Snapshot::Draw(200, 200, kWhite,
		[&](HDC hdc)
		{
			good.m_hDC = hdc;
			good.m_rcMargins.SetRect(100, 100, 100, 100);
			ASSERT_TRUE(printer.Print(&good));
			ASSERT_GT(good.m_nPagesPrinted, 0u);

			// Each bad field on its own: the result is false and no page is counted.
			const std::function<void(PrintInfo&)> faults[] = {
				[](PrintInfo& i) { i.m_nFromPage = 0; },
				[](PrintInfo& i) { i.m_nFromPage = 3, i.m_nToPage = 2; },
				[](PrintInfo& i) { i.m_rcMargins.SetRect(1500, 100, 1500, 100); }, // wider than the paper
				[](PrintInfo& i) { i.m_rcMargins.left = -10; },
				[](PrintInfo& i) { i.m_hDC = NULL, i.m_strPrinter = "No Such Printer On This Machine"; },
			};
			for (const auto& fault : faults)
			{
				PrintInfo bad = good;
				fault(bad);
				EXPECT_FALSE(printer.Print(&bad));
				EXPECT_EQ(bad.m_nPagesPrinted, 0u);
			}
			PrintInfo again = good;
			EXPECT_FALSE(RichTextEditPrinter(NULL).Print(&again));
			EXPECT_EQ(again.m_nPagesPrinted, 0u);

			// An empty control prints nothing, successfully.
			::SetWindowTextA(m_edit.GetSafeHwnd(), "");
			EXPECT_TRUE(printer.Print(&again));
			EXPECT_EQ(again.m_nPagesPrinted, 0u);
		});

	// A DC that no longer exists; a control whose window is gone.
	FillLines(20);
	EXPECT_FALSE(printer.Print(&good));
	kt::Snapshot::Draw(200, 200, kWhite,
		[&](HDC hdc)
		{
			good.m_hDC = hdc;
			m_edit.DestroyWindow();
			EXPECT_FALSE(printer.Print(&good));
		});
}

} // namespace
