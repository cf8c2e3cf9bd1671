// RichEditTest.cpp - CRichEditCtrl on both rich edit classes: text, selection, formats, streams, pages.
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

TEST_P(RichEditTest, TextRangesSelectionAndPositions)
{
	// A paragraph break is one character position.
	m_edit.SetWindowText("alpha beta\r\ngamma");
	const struct
	{
		int nFirst, nLast;
		const char* text;
	} kRanges[] = { { 6, 10, "beta" }, { 11, 500, "gamma" }, { 5, 2, "" }, { -1, 3, "" } };
	for (const auto& r : kRanges)
	{
		CString str("stale");
		EXPECT_EQ(static_cast<int>(strlen(r.text)), m_edit.GetTextRange(r.nFirst, r.nLast, str));
		EXPECT_STREQ(r.text, str) << r.nFirst << ".." << r.nLast;
	}
	// A character takes up to three bytes in UTF-8 and two in code page 932.
	std::wstring wide;
	for (int i = 0; i < 40; ++i)
		wide += ::GetACP() == CP_UTF8 ? L"表ソ能😀" : L"表ソ能";
	if (kt::IsAnsi(wide.c_str()))
	{
		m_edit.SetWindowText(kt::Ansi(wide.c_str()));
		CString str;
		EXPECT_EQ(m_edit.GetTextRange(0, -1, str), kt::Ansi(wide.c_str()).GetLength());
		EXPECT_EQ(str, kt::Ansi(wide.c_str()));
		m_edit.SetWindowText("alpha beta\r\ngamma");
	}
	// Rich edit controls answer positions through a POINTL.
	EXPECT_GT(m_edit.GetCharPos(11).y, m_edit.GetCharPos(1).y);
	EXPECT_EQ(m_edit.GetCharPos(1).y, m_edit.GetCharPos(6).y);
	EXPECT_LT(m_edit.GetCharPos(1).x, m_edit.GetCharPos(6).x);

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

	EXPECT_TRUE(m_edit.SetReadOnly());
	EXPECT_TRUE(m_edit.GetStyle() & ES_READONLY);
}

// Each wrapper names the size of the structure it was given.
TEST_P(RichEditTest, CharacterFormatsOfSelectionAndDefault)
{
	// The control starts with the bold system font.
	CHARFORMAT cf = {};
	cf.dwMask = CFM_FACE | CFM_BOLD;
	strcpy(cf.szFaceName, "Tahoma");
	ASSERT_TRUE(m_edit.SetDefaultCharFormat(cf));
	m_edit.SetWindowText("bold plain");
	m_edit.SetSel(0, 4);
	CHARFORMAT2 cf2 = {};
	cf2.dwMask = CFM_BOLD | CFM_COLOR;
	cf2.dwEffects = CFE_BOLD;
	cf2.crTextColor = RGB(200, 0, 0);
	ASSERT_TRUE(m_edit.SetSelectionCharFormat(cf2));

	m_edit.SetSel(1, 3);
	cf = {};
	EXPECT_TRUE(m_edit.GetSelectionCharFormat(cf) & CFM_BOLD);
	EXPECT_TRUE(cf.dwEffects & CFE_BOLD && cf.crTextColor == RGB(200, 0, 0));
	EXPECT_STREQ("Tahoma", cf.szFaceName);
	m_edit.SetSel(6, 9);
	cf2 = {};
	m_edit.GetSelectionCharFormat(cf2);
	EXPECT_FALSE(cf2.dwEffects & CFE_BOLD);
	cf2 = {};
	m_edit.GetDefaultCharFormat(cf2);
	EXPECT_STREQ("Tahoma", cf2.szFaceName);
}

TEST_P(RichEditTest, RtfStreamsOutAndBackIn)
{
	std::string rtf;
	EDITSTREAM es = { reinterpret_cast<DWORD_PTR>(&rtf), 0,
		[](DWORD_PTR cookie, LPBYTE pb, LONG cb, LONG* pcb) -> DWORD
		{
			reinterpret_cast<std::string*>(cookie)->append(reinterpret_cast<char*>(pb), cb);
			*pcb = cb;
			return 0;
		} };
	m_edit.SetWindowText("streamed in");
	EXPECT_GT(m_edit.StreamOut(SF_RTF, es), 0);
	// In a UTF-8 process the control writes UTF-8 RTF, which opens with \\urtf.
	EXPECT_TRUE(rtf.find("{\\rtf") == 0 || rtf.find("{\\urtf") == 0) << rtf.substr(0, 12);

	m_edit.SetWindowText("");
	es.pfnCallback = [](DWORD_PTR cookie, LPBYTE pb, LONG cb, LONG* pcb) -> DWORD
	{
		std::string& data = *reinterpret_cast<std::string*>(cookie);
		*pcb = static_cast<LONG>(data.copy(reinterpret_cast<char*>(pb), cb));
		data.erase(0, *pcb);
		return 0;
	};
	EXPECT_GT(m_edit.StreamIn(SF_RTF, es), 0);
	EXPECT_STREQ("streamed in", Text());
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

// The page layout is the control's (Wine's has none): the wrappers pass the
// job on and bring back its answer.
TEST_P(RichEditTest, FormatRangeAndDisplayBandAreTheControls)
{
	m_edit.SetWindowText("Printed line one\r\nPrinted line two");
	kt::MessageRecorder recorder(m_edit.GetSafeHwnd());
	kt::Snapshot::Draw(300, 300, RGB(255, 255, 255),
		[&](HDC hdc)
		{
			s_range = {};
			s_range.hdc = s_range.hdcTarget = hdc;
			s_range.rcPage = { 0, 0, 4320, 4320 }; // three inches
			s_range.rc = s_range.rcPage;
			s_range.chrg = { 0, -1 };
			EXPECT_EQ(m_edit.SendMessage(EM_FORMATRANGE, FALSE, (LPARAM)&s_range),
				m_edit.FormatRange(&s_range, FALSE));
			EXPECT_EQ(m_edit.SendMessage(EM_DISPLAYBAND, 0, (LPARAM)&s_rcBand),
				m_edit.DisplayBand(&s_rcBand));
			m_edit.FormatRange(NULL, FALSE);
		});
	EXPECT_FALSE(m_edit.DisplayBand(NULL));
	m_edit.FormatRange(NULL);
	EXPECT_TRUE(recorder.Matches(kLayoutSeq, kt::kIncidental));
}

INSTANTIATE_TEST_SUITE_P(Classes, RichEditTest, ::testing::Values("RichEdit20A", "RICHEDIT50W"));

} // namespace
