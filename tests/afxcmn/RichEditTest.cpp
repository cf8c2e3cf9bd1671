// RichEditTest.cpp - CRichEditCtrl on both rich edit classes: text, selection, formats, limits, pages.
//
// Classes in this file:
//   RichEditTest
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
	virtual void SetUp() override
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
		[](DWORD_PTR cookie, LPBYTE pb, LONG cb, LONG* pcb) -> DWORD
		{
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
		[](DWORD_PTR cookie, LPBYTE pb, LONG cb, LONG* pcb) -> DWORD
		{
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

// What the layout test hands to the wrappers, and must reach the control.
FORMATRANGE s_range;
RECT s_rcBand = { 0, 0, 300, 100 };

const kt::Sequence kLayoutSeq = {
	{ EM_FORMATRANGE, kt::sent | kt::wparam | kt::lparam, FALSE, (LPARAM)&s_range },
	{ EM_FORMATRANGE, kt::sent | kt::wparam | kt::lparam, FALSE, (LPARAM)&s_range },
	{ EM_DISPLAYBAND, kt::sent | kt::lparam, 0, (LPARAM)&s_rcBand },
	{ EM_DISPLAYBAND, kt::sent | kt::lparam, 0, (LPARAM)&s_rcBand },
	{ EM_FORMATRANGE, kt::sent | kt::wparam | kt::lparam, FALSE, 0 },
	{ EM_FORMATRANGE, kt::sent | kt::wparam | kt::lparam, TRUE, 0 },
};

// The page layout is the control's: the wrappers pass the job on and bring
// back its answer, and measuring a page draws nothing.
TEST_P(RichEditTest, FormatRangeAndDisplayBandAreTheControls)
{
	m_edit.SetWindowText("Printed line one\r\nPrinted line two");
	const COLORREF kWhite = RGB(255, 255, 255);
	FORMATRANGE& fr = s_range;
	fr = {};
	fr.rcPage = { 0, 0, 4320, 4320 }; // three inches
	fr.rc = fr.rcPage;
	fr.chrg = { 0, -1 };
	RECT& rcBand = s_rcBand;

	kt::MessageRecorder recorder(m_edit.GetSafeHwnd());
	long nMeasured = -1, nControl = -2;
	BOOL bBand = -1, bControlBand = -2;
	kt::Snapshot measured;
	const kt::Snapshot banded = kt::Snapshot::Draw(300, 300, kWhite,
		[&](HDC hdc)
		{
			fr.hdc = fr.hdcTarget = hdc;
			nMeasured = m_edit.FormatRange(&fr, FALSE);
			nControl = (long)m_edit.SendMessage(EM_FORMATRANGE, FALSE, (LPARAM)&fr);
			measured = kt::Snapshot(hdc, { 0, 0, 300, 300 });
			bBand = m_edit.DisplayBand(&rcBand);
			bControlBand = (BOOL)m_edit.SendMessage(EM_DISPLAYBAND, 0, (LPARAM)&rcBand);
			m_edit.FormatRange(NULL, FALSE);
		});
	EXPECT_EQ(nControl, nMeasured);
	EXPECT_EQ(bControlBand, bBand);
	EXPECT_FALSE(m_edit.DisplayBand(NULL));
	m_edit.FormatRange(NULL);
	EXPECT_TRUE(recorder.Matches(kLayoutSeq, kt::kIncidental));
	// Measuring draws nothing; a band of the page draws only inside itself.
	EXPECT_EQ(300 * 300, measured.Count(kWhite));
	EXPECT_EQ(300 * 200, banded.Count(kWhite, { 0, 100, 300, 300 }));
}

INSTANTIATE_TEST_SUITE_P(Classes, RichEditTest, ::testing::Values("RichEdit20A", "RICHEDIT50W"));

} // namespace
