// Tests of CRichEditCtrl on both kinds of rich edit class: text and selection
// round trips, character formats, limits, streams and pages drawn into a
// memory DC.
#include <kavrotest/TestSupport.h>

#include <afxcmn.h>

#include <cstring>
#include <string>

namespace
{

const RECT kEditRect = { 10, 10, 290, 150 };
const DWORD kEditStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | ES_MULTILINE;

CString ClassOf(const CWnd& wnd)
{
	char sz[64] = "";
	::GetClassNameA(wnd.GetSafeHwnd(), sz, sizeof(sz));
	return sz;
}

TEST(RichEditCreate, UsesTheClassOfTheLoadedLibrary)
{
	kt::HostWindow host;
	if (::GetModuleHandleA("msftedit.dll") == NULL)
	{
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

// Every case runs on the ANSI class and on a Unicode one, for which the
// wrappers convert what the system does not.
class RichEditTest : public ::testing::TestWithParam<const char*>
{
protected:
	void SetUp() override
	{
		ASSERT_TRUE(AfxInitRichEdit2() && AfxInitRichEdit5());
		ASSERT_TRUE(m_edit.CWnd::Create(GetParam(), NULL, kEditStyle, kEditRect, &m_host, 100));
	}
	CString Text() const
	{
		CString str;
		m_edit.GetWindowText(str);
		return str;
	}

	kt::HostWindow m_host;
	CRichEditCtrl m_edit;
};

TEST_P(RichEditTest, TextRangesAndSelectionRoundTrip)
{
	// A paragraph break is one character position.
	m_edit.SetWindowText("alpha beta\r\ngamma");
	CString str;
	EXPECT_EQ(4, m_edit.GetTextRange(6, 10, str));
	EXPECT_STREQ("beta", str);
	EXPECT_EQ(5, m_edit.GetTextRange(11, 500, str));
	EXPECT_STREQ("gamma", str);
	EXPECT_EQ(0, m_edit.GetTextRange(5, 2, str));
	EXPECT_TRUE(str.IsEmpty());
	EXPECT_EQ(0, m_edit.GetTextRange(-1, 3, str));

	m_edit.SetSel(6, 10);
	long nStart = -1, nEnd = -1;
	m_edit.GetSel(nStart, nEnd);
	EXPECT_EQ(6, nStart);
	EXPECT_EQ(10, nEnd);
	EXPECT_STREQ("beta", m_edit.GetSelText());

	m_edit.ReplaceSel("BETA", TRUE);
	EXPECT_STREQ("alpha BETA\r\ngamma", Text());
	EXPECT_TRUE(m_edit.Undo());
	EXPECT_STREQ("alpha beta\r\ngamma", Text());

	CHARRANGE cr = { 5, -1 };
	m_edit.SetSel(cr);
	m_edit.ReplaceSel(NULL);
	EXPECT_STREQ("alpha", Text());
	EXPECT_FALSE(m_edit.CanUndo());
}

TEST_P(RichEditTest, CharacterFormatsOfSelectionAndDefault)
{
	// The control starts with the bold system font.
	CHARFORMAT cfDefault = {};
	cfDefault.dwMask = CFM_FACE | CFM_SIZE | CFM_BOLD;
	cfDefault.yHeight = 240;
	strcpy(cfDefault.szFaceName, "Tahoma");
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
	EXPECT_TRUE(m_edit.GetSelectionCharFormat(cfRead) & CFM_BOLD);
	EXPECT_TRUE(cfRead.dwEffects & CFE_BOLD);
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

TEST_P(RichEditTest, LimitReadOnlyAndWrapping)
{
	m_edit.LimitText(3);
	EXPECT_EQ(3, m_edit.GetLimitText());
	for (char ch : std::string("abcde"))
		m_edit.SendMessage(WM_CHAR, ch, 1);
	EXPECT_STREQ("abc", Text());

	m_edit.SetModify(FALSE);
	ASSERT_TRUE(m_edit.SetReadOnly(TRUE));
	EXPECT_TRUE(m_edit.GetOptions() & ECO_READONLY);
	m_edit.SendMessage(WM_CHAR, 'x', 1);
	EXPECT_FALSE(m_edit.GetModify());
	m_edit.SetOptions(ECOOP_AND, ~(DWORD)ECO_READONLY);
	m_edit.SetSel(0, -1);
	m_edit.SendMessage(WM_CHAR, 'x', 1);
	EXPECT_STREQ("x", Text());
	EXPECT_TRUE(m_edit.GetModify());

	// A line too long for the control wraps until the target device says
	// not to.
	m_edit.LimitText();
	m_edit.SetWindowText("a line much too long for the narrow control to show on one line of its own");
	EXPECT_GT(m_edit.GetLineCount(), 1);
	EXPECT_GT(m_edit.GetCharPos(70).y, m_edit.GetCharPos(1).y);
	ASSERT_TRUE(m_edit.SetTargetDevice(NULL, 1));
	EXPECT_EQ(1, m_edit.GetLineCount());
	EXPECT_EQ(0, m_edit.LineFromChar(70));
	EXPECT_EQ(m_edit.GetCharPos(70).y, m_edit.GetCharPos(1).y);
}

TEST_P(RichEditTest, RtfStreamsKeepTheFormats)
{
	std::string rtf;
	EDITSTREAM esOut = { reinterpret_cast<DWORD_PTR>(&rtf), 0,
		[](DWORD_PTR cookie, LPBYTE pb, LONG cb, LONG* pcb) -> DWORD {
			reinterpret_cast<std::string*>(cookie)->append(reinterpret_cast<char*>(pb), cb);
			*pcb = cb;
			return 0;
		} };
	m_edit.SetWindowText("streamed in");
	m_edit.SetSel(0, 8);
	CHARFORMAT cf = {};
	cf.dwMask = CFM_ITALIC;
	cf.dwEffects = CFE_ITALIC;
	m_edit.SetSelectionCharFormat(cf);
	EXPECT_GT(m_edit.StreamOut(SF_RTF, esOut), 0);
	EXPECT_EQ(0u, rtf.find("{\\rtf"));

	CRichEditCtrl copy;
	ASSERT_TRUE(copy.CWnd::Create(GetParam(), NULL, kEditStyle, kEditRect, &m_host, 101));
	EDITSTREAM esIn = { reinterpret_cast<DWORD_PTR>(&rtf), 0,
		[](DWORD_PTR cookie, LPBYTE pb, LONG cb, LONG* pcb) -> DWORD {
			std::string& data = *reinterpret_cast<std::string*>(cookie);
			*pcb = static_cast<LONG>(data.copy(reinterpret_cast<char*>(pb), cb));
			data.erase(0, *pcb);
			return 0;
		} };
	EXPECT_GT(copy.StreamIn(SF_RTF, esIn), 0);
	CString str;
	copy.GetWindowText(str);
	EXPECT_STREQ("streamed in", str);
	copy.SetSel(2, 4);
	copy.GetSelectionCharFormat(cf);
	EXPECT_TRUE(cf.dwEffects & CFE_ITALIC);
	copy.SetSel(9, 11);
	copy.GetSelectionCharFormat(cf);
	EXPECT_FALSE(cf.dwEffects & CFE_ITALIC);
}

// Pages of text into a memory bitmap, as a print job lays them out.
TEST_P(RichEditTest, FormatRangeDrawsPagesAndReportsTheBreaks)
{
	std::string text;
	for (int i = 0; i < 60; ++i)
		text += "Printed line " + std::to_string(i) + "\r\n";
	m_edit.SetWindowText(text.c_str());
	// In character positions: the empty last line starts at the end.
	const long nEnd = m_edit.LineIndex(m_edit.GetLineCount() - 1);

	const RECT rcPixels = { 0, 0, 300, 300 };
	const COLORREF kWhite = RGB(255, 255, 255);
	HDC hdcScreen = ::GetDC(NULL);
	HDC hdc = ::CreateCompatibleDC(hdcScreen);
	HBITMAP hbm = ::CreateCompatibleBitmap(hdcScreen, 300, 300);
	::ReleaseDC(NULL, hdcScreen);
	HGDIOBJ hbmOld = ::SelectObject(hdc, hbm);
	auto clear = [&] { ::FillRect(hdc, &rcPixels, (HBRUSH)::GetStockObject(WHITE_BRUSH)); };
	auto ink = [&](const RECT& rc) {
		return (rc.right - rc.left) * (rc.bottom - rc.top) - kt::Snapshot(hdc, rcPixels).Count(kWhite, rc);
	};

	FORMATRANGE fr = {};
	fr.hdc = fr.hdcTarget = hdc;
	fr.rcPage = { 0, 0, MulDiv(300, 1440, ::GetDeviceCaps(hdc, LOGPIXELSX)),
		MulDiv(300, 1440, ::GetDeviceCaps(hdc, LOGPIXELSY)) };
	fr.rc = fr.rcPage;
	fr.chrg = { 0, -1 };

	// Measuring draws nothing; drawing gives the same break, at a line start.
	clear();
	const long nBreak = m_edit.FormatRange(&fr, FALSE);
	EXPECT_GT(nBreak, 0);
	EXPECT_LT(nBreak, nEnd);
	EXPECT_EQ(0, ink(rcPixels));
	EXPECT_EQ(nBreak, m_edit.FormatRange(&fr, TRUE));
	EXPECT_GT(ink(rcPixels), 0);
	CString str;
	m_edit.GetTextRange(nBreak - 1, nBreak + 7, str);
	EXPECT_STREQ("\rPrinted", str);

	// A band of the measured page draws only inside its rectangle.
	clear();
	m_edit.FormatRange(&fr, FALSE);
	RECT rcBand = { 0, 0, 300, 100 };
	EXPECT_TRUE(m_edit.DisplayBand(&rcBand));
	EXPECT_GT(ink(rcBand), 0);
	EXPECT_EQ(0, ink({ 0, 100, 300, 300 }));

	// Each page goes on from the previous break, up to the end.
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

INSTANTIATE_TEST_SUITE_P(Classes, RichEditTest, ::testing::Values("RichEdit20A", "RICHEDIT50W"));

}  // namespace
