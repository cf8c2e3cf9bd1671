// Tests of CRichEditCtrl on both kinds of rich edit class: text and selection
// round trips, character formats, limits, streams and printing into a memory DC.
#include <kavrotest/TestSupport.h>

#include <afxcmn.h>

#include <algorithm>
#include <cstring>
#include <string>

namespace
{

CString ClassOf(const CWnd& wnd)
{
	char sz[64] = "";
	::GetClassNameA(wnd.GetSafeHwnd(), sz, sizeof(sz));
	return sz;
}

const RECT kEditRect = { 10, 10, 290, 150 };
const DWORD kEditStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | ES_MULTILINE;

TEST(RichEditCreate, UsesTheClassOfTheLoadedLibrary)
{
	kt::HostWindow host;
	if (::GetModuleHandleA("msftedit.dll") == NULL)
	{
		// Nothing but riched20.dll: its ANSI class.
		CRichEditCtrl edit;
		ASSERT_TRUE(edit.Create(kEditStyle, kEditRect, &host, 100));
		EXPECT_STRCASEEQ("RichEdit20A", ClassOf(edit));
	}
	ASSERT_TRUE(AfxInitRichEdit5());
	CRichEditCtrl edit;
	ASSERT_TRUE(edit.Create(kEditStyle, kEditRect, &host, 101));
	EXPECT_STRCASEEQ("RICHEDIT50W", ClassOf(edit));
	EXPECT_EQ(&edit, CWnd::FromHandlePermanent(edit.GetSafeHwnd()));
}

// Every case runs on the ANSI class and on a Unicode one, where the wrappers
// convert what the system does not.
class RichEditTest : public ::testing::TestWithParam<const char*>
{
protected:
	void SetUp() override
	{
		ASSERT_TRUE(AfxInitRichEdit2());
		ASSERT_TRUE(AfxInitRichEdit5());
		ASSERT_TRUE(m_edit.CWnd::Create(GetParam(), NULL, kEditStyle, kEditRect, &m_host, 100));
	}

	kt::HostWindow m_host;
	CRichEditCtrl m_edit;
};

TEST_P(RichEditTest, TextRangesCountAParagraphBreakOnce)
{
	m_edit.SetWindowText("First line\r\nSecond line");
	CString str;
	EXPECT_EQ(5, m_edit.GetTextRange(0, 5, str));
	EXPECT_STREQ("First", str);
	EXPECT_EQ(6, m_edit.GetTextRange(11, 17, str));
	EXPECT_STREQ("Second", str);
	EXPECT_EQ(11, m_edit.GetTextRange(11, -1, str));
	EXPECT_STREQ("Second line", str);
	// Past the end is clipped; reversed or negative ranges give nothing.
	EXPECT_EQ(4, m_edit.GetTextRange(18, 500, str));
	EXPECT_STREQ("line", str);
	EXPECT_EQ(0, m_edit.GetTextRange(5, 2, str));
	EXPECT_TRUE(str.IsEmpty());
	EXPECT_EQ(0, m_edit.GetTextRange(-1, 3, str));
}

TEST_P(RichEditTest, SelectionReplaceAndUndo)
{
	m_edit.SetWindowText("alpha beta gamma");
	m_edit.SetSel(6, 10);
	long nStart = -1, nEnd = -1;
	m_edit.GetSel(nStart, nEnd);
	EXPECT_EQ(6, nStart);
	EXPECT_EQ(10, nEnd);
	EXPECT_STREQ("beta", m_edit.GetSelText());

	m_edit.EmptyUndoBuffer();
	m_edit.ReplaceSel("BETA", TRUE);
	CString str;
	m_edit.GetWindowText(str);
	EXPECT_STREQ("alpha BETA gamma", str);
	EXPECT_TRUE(m_edit.CanUndo());
	EXPECT_TRUE(m_edit.Undo());
	m_edit.GetWindowText(str);
	EXPECT_STREQ("alpha beta gamma", str);

	// The whole text, and a NULL replacement deletes the selection.
	CHARRANGE cr = { 0, -1 };
	m_edit.SetSel(cr);
	EXPECT_STREQ("alpha beta gamma", m_edit.GetSelText());
	m_edit.SetSel(5, 10);
	m_edit.ReplaceSel(NULL);
	m_edit.GetWindowText(str);
	EXPECT_STREQ("alpha gamma", str);
	EXPECT_FALSE(m_edit.CanUndo());
}

TEST_P(RichEditTest, CharacterFormatsOfSelectionAndDefault)
{
	CHARFORMAT cfDefault = {};
	// The control starts with the bold system font.
	cfDefault.dwMask = CFM_FACE | CFM_SIZE | CFM_BOLD;
	cfDefault.yHeight = 240;
	lstrcpyA(cfDefault.szFaceName, "Tahoma");
	ASSERT_TRUE(m_edit.SetDefaultCharFormat(cfDefault));
	m_edit.SetWindowText("bold plain");

	m_edit.SetSel(0, 4);
	CHARFORMAT cf = {};
	cf.dwMask = CFM_BOLD | CFM_COLOR;
	cf.dwEffects = CFE_BOLD;
	cf.crTextColor = RGB(200, 0, 0);
	ASSERT_TRUE(m_edit.SetSelectionCharFormat(cf));

	CHARFORMAT cfRead = {};
	m_edit.SetSel(1, 3);
	DWORD dwMask = m_edit.GetSelectionCharFormat(cfRead);
	EXPECT_EQ(sizeof(CHARFORMAT), cfRead.cbSize);
	EXPECT_TRUE((dwMask & CFM_BOLD) && (cfRead.dwEffects & CFE_BOLD));
	EXPECT_EQ(RGB(200, 0, 0), cfRead.crTextColor);
	EXPECT_STREQ("Tahoma", cfRead.szFaceName);
	EXPECT_EQ(240, cfRead.yHeight);

	m_edit.SetSel(6, 9);
	m_edit.GetSelectionCharFormat(cfRead);
	EXPECT_FALSE(cfRead.dwEffects & CFE_BOLD);

	CHARFORMAT2 cf2 = {};
	m_edit.GetDefaultCharFormat(cf2);
	EXPECT_STREQ("Tahoma", cf2.szFaceName);
}

TEST_P(RichEditTest, LinesAndCharacterPositions)
{
	m_edit.SetWindowText("one\r\ntwo two\r\nthree");
	EXPECT_EQ(3, m_edit.GetLineCount());
	EXPECT_EQ(4, m_edit.LineIndex(1));
	EXPECT_EQ(7, m_edit.LineLength(m_edit.LineIndex(1)));
	EXPECT_EQ(2, m_edit.LineFromChar(13));
	CPoint ptFirst = m_edit.GetCharPos(0);
	CPoint ptNext = m_edit.GetCharPos(1);
	CPoint ptLine = m_edit.GetCharPos(4);
	EXPECT_GT(ptNext.x, ptFirst.x);
	EXPECT_EQ(ptFirst.y, ptNext.y);
	EXPECT_GT(ptLine.y, ptFirst.y);
}

TEST_P(RichEditTest, LimitAndReadOnlyStopInput)
{
	m_edit.LimitText(3);
	EXPECT_EQ(3, m_edit.GetLimitText());
	for (char ch : std::string("abcde"))
		m_edit.SendMessage(WM_CHAR, ch, 1);
	CString str;
	m_edit.GetWindowText(str);
	EXPECT_STREQ("abc", str);

	m_edit.LimitText();
	m_edit.SetWindowText("");
	m_edit.SetModify(FALSE);
	ASSERT_TRUE(m_edit.SetReadOnly(TRUE));
	EXPECT_TRUE(m_edit.GetOptions() & ECO_READONLY);
	m_edit.SendMessage(WM_CHAR, 'x', 1);
	EXPECT_EQ(0, m_edit.GetTextLength());
	m_edit.SetOptions(ECOOP_AND, ~(DWORD)ECO_READONLY);
	m_edit.SendMessage(WM_CHAR, 'x', 1);
	EXPECT_EQ(1, m_edit.GetTextLength());
	EXPECT_TRUE(m_edit.GetModify());
}

// Streams hand the text through a memory buffer; an RTF copy keeps formats.
struct StreamBuffer
{
	std::string data;
	size_t pos = 0;

	static DWORD CALLBACK Write(DWORD_PTR cookie, LPBYTE pb, LONG cb, LONG* pcb)
	{
		reinterpret_cast<StreamBuffer*>(cookie)->data.append(reinterpret_cast<char*>(pb), cb);
		*pcb = cb;
		return 0;
	}
	static DWORD CALLBACK Read(DWORD_PTR cookie, LPBYTE pb, LONG cb, LONG* pcb)
	{
		StreamBuffer* p = reinterpret_cast<StreamBuffer*>(cookie);
		LONG n = static_cast<LONG>(std::min<size_t>(cb, p->data.size() - p->pos));
		memcpy(pb, p->data.data() + p->pos, n);
		p->pos += n;
		*pcb = n;
		return 0;
	}
};

TEST_P(RichEditTest, StreamsRoundTripTextAndFormats)
{
	StreamBuffer in;
	in.data = "streamed in";
	EDITSTREAM es = { reinterpret_cast<DWORD_PTR>(&in), 0, &StreamBuffer::Read };
	EXPECT_EQ(11, m_edit.StreamIn(SF_TEXT, es));
	CString str;
	m_edit.GetWindowText(str);
	EXPECT_STREQ("streamed in", str);

	m_edit.SetSel(0, 8);
	CHARFORMAT cf = {};
	cf.dwMask = CFM_ITALIC;
	cf.dwEffects = CFE_ITALIC;
	m_edit.SetSelectionCharFormat(cf);
	StreamBuffer out;
	es = { reinterpret_cast<DWORD_PTR>(&out), 0, &StreamBuffer::Write };
	EXPECT_GT(m_edit.StreamOut(SF_RTF, es), 0);
	EXPECT_EQ(0u, out.data.find("{\\rtf"));

	CRichEditCtrl copy;
	ASSERT_TRUE(copy.CWnd::Create(GetParam(), NULL, kEditStyle, kEditRect, &m_host, 101));
	es = { reinterpret_cast<DWORD_PTR>(&out), 0, &StreamBuffer::Read };
	copy.StreamIn(SF_RTF, es);
	copy.GetWindowText(str);
	EXPECT_STREQ("streamed in", str);
	copy.SetSel(2, 4);
	copy.GetSelectionCharFormat(cf);
	EXPECT_TRUE(cf.dwEffects & CFE_ITALIC);
	copy.SetSel(9, 11);
	copy.GetSelectionCharFormat(cf);
	EXPECT_FALSE(cf.dwEffects & CFE_ITALIC);
}

// Prints pages of text into a memory bitmap the way a print job does.
TEST_P(RichEditTest, FormatRangeDrawsPagesAndReportsTheBreak)
{
	std::string text;
	for (int i = 0; i < 60; ++i)
		text += "Printed line " + std::to_string(i) + "\r\n";
	m_edit.SetWindowText(text.c_str());
	// In character positions: the empty last line starts at the end.
	const long nEnd = m_edit.LineIndex(m_edit.GetLineCount() - 1);

	HDC hdcScreen = ::GetDC(NULL);
	HDC hdc = ::CreateCompatibleDC(hdcScreen);
	HBITMAP hbm = ::CreateCompatibleBitmap(hdcScreen, 300, 300);
	::ReleaseDC(NULL, hdcScreen);
	HGDIOBJ hbmOld = ::SelectObject(hdc, hbm);
	const int dpiX = ::GetDeviceCaps(hdc, LOGPIXELSX), dpiY = ::GetDeviceCaps(hdc, LOGPIXELSY);
	const RECT rcPixels = { 0, 0, 300, 300 };
	auto clear = [&] { ::FillRect(hdc, &rcPixels, (HBRUSH)::GetStockObject(WHITE_BRUSH)); };
	auto inked = [&] { return 300 * 300 - kt::Snapshot(hdc, rcPixels).Count(RGB(255, 255, 255)); };

	FORMATRANGE fr = {};
	fr.hdc = fr.hdcTarget = hdc;
	fr.rcPage = { 0, 0, MulDiv(300, 1440, dpiX), MulDiv(300, 1440, dpiY) };
	fr.rc = fr.rcPage;
	fr.chrg = { 0, -1 };

	// Measuring draws nothing; the same page drawn gives the same break,
	// which falls at the start of a line.
	clear();
	const long nBreak = m_edit.FormatRange(&fr, FALSE);
	EXPECT_GT(nBreak, 0);
	EXPECT_LT(nBreak, nEnd);
	EXPECT_EQ(0, inked());
	EXPECT_EQ(nBreak, m_edit.FormatRange(&fr, TRUE));
	EXPECT_GT(inked(), 0);
	CString str;
	m_edit.GetTextRange(nBreak - 1, nBreak + 7, str);
	EXPECT_STREQ("\rPrinted", str);

	// A band of the measured page draws only inside its rectangle.
	clear();
	m_edit.FormatRange(&fr, FALSE);
	RECT rcBand = { 0, 0, 300, 100 };
	EXPECT_TRUE(m_edit.DisplayBand(&rcBand));
	kt::Snapshot band(hdc, rcPixels);
	EXPECT_GT(band.Count(RGB(255, 255, 255), rcBand), 0);
	EXPECT_LT(band.Count(RGB(255, 255, 255), rcBand), 300 * 100);
	EXPECT_EQ(300 * 200, band.Count(RGB(255, 255, 255), { 0, 100, 300, 300 }));

	// The pages go on from each break to the end of the text.
	int nPages = 1;
	for (long cp = nBreak; cp < nEnd; ++nPages)
	{
		fr.chrg.cpMin = cp;
		const long cpNext = m_edit.FormatRange(&fr, TRUE);
		ASSERT_GT(cpNext, cp);
		cp = cpNext;
	}
	EXPECT_GE(nPages, 3);
	m_edit.FormatRange(NULL, FALSE);

	::SelectObject(hdc, hbmOld);
	::DeleteObject(hbm);
	::DeleteDC(hdc);
}

TEST_P(RichEditTest, TargetDeviceControlsWrapping)
{
	m_edit.SetWindowText("a line much too long for the narrow control to show on one line of its own");
	EXPECT_GT(m_edit.GetLineCount(), 1);
	ASSERT_TRUE(m_edit.SetTargetDevice(NULL, 1));
	EXPECT_EQ(1, m_edit.GetLineCount());
}

INSTANTIATE_TEST_SUITE_P(Classes, RichEditTest, ::testing::Values("RichEdit20A", "RICHEDIT50W"));

}  // namespace
