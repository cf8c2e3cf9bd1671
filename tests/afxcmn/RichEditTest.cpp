// Tests of CRichEditCtrl on both kinds of rich edit class: text and selection
// round trips, character formats, limits, streams and printing into a memory DC.
#include <kavrotest/TestSupport.h>

#include <afxcmn.h>

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

INSTANTIATE_TEST_SUITE_P(Classes, RichEditTest, ::testing::Values("RichEdit20A", "RICHEDIT50W"));

}  // namespace
