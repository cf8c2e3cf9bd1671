// ImageMenuRichEditTests.cpp - CImageMenuRichEdit in a dialog: Edit-menu enabling, state, focus.
#include "EditTestSupport.h"

namespace
{

TEST_F(EditTest, RichEditMenuEnablingFollowsTheControlWithTheFocus)
{
	m_rich.SetFocus();
	const struct
	{
		const char* text;
		int nStart, nEnd;
		char clip;
		const char* letters; // undo, cut, copy, paste, clear, select all
	} rows[] = { { "", 0, 0, '-', "utcpDa" }, { "abc", 1, 1, 'T', "utcPDA" }, { "abc", 0, 2, '-', "uTCpDA" },
		{ "abc", 0, 2, 'T', "UTCPDA" } };
	for (const auto& r : rows)
	{
		m_rich.SetWindowText(r.text);
		m_rich.EmptyUndoBuffer();
		if (r.letters[0] == 'U')
			m_rich.SendMessage(WM_CHAR, 'z');
		m_rich.SetSel(r.nStart, r.nEnd);
		et::SetClipboard(r.clip);
		EXPECT_EQ(EditMenuLetters(), r.letters) << r.text << r.nStart << r.nEnd;
	}
	// Without the focus nobody handles the commands.
	m_dlg.GetDlgItem(kButtonId)->SetFocus();
	EXPECT_EQ(EditMenuLetters(), "utcpda");
}

// Typing is reported once by IsModified and to the parent as EN_CHANGE;
// Insert flips the mode; the fill leaves line breaks out; Clear at a
// paragraph break takes the break, after it the next character.
TEST_F(EditTest, RichEditModifiedFlagInsertModeFillAndClear)
{
	EXPECT_FALSE(m_rich.IsModified());
	for (bool bInsert : { false, true })
	{
		const int nChanges = m_dlg.m_nRichChanges;
		m_rich.SendMessage(WM_CHAR, 'a');
		EXPECT_EQ(m_dlg.m_nRichChanges, nChanges + 1);
		EXPECT_TRUE(m_rich.IsModified());
		EXPECT_FALSE(m_rich.IsModified());
		m_rich.SendMessage(WM_KEYDOWN, VK_INSERT);
		m_rich.SendMessage(WM_KEYUP, VK_INSERT);
		EXPECT_EQ(m_rich.GetInsertMode(), bInsert);
	}
	// Line breaks do not count.
	const struct
	{
		int nLimit;
		const char* text;
		int nPercent;
	} rows[] = { { 100, "", 0 }, { 100, "abcde\r\nfghij", 10 }, { 40, "ab\r\ncde\r\n\r\nfghij\r\n", 25 },
		{ 3, "abcdef", 200 } };
	for (const auto& r : rows)
	{
		m_rich.SetWindowText(r.text);
		m_rich.LimitText(r.nLimit);
		EXPECT_EQ(m_rich.GetPercentFull(), r.nPercent) << r.nLimit << r.text;
	}
	m_rich.SetFocus();
	for (const auto& [nCaret, want] : { std::make_pair(2, "abcd"), std::make_pair(3, "ab\r\nd") })
	{
		m_rich.SetWindowText("ab\r\ncd");
		m_rich.SetSel(nCaret, nCaret);
		m_dlg.SendMessage(WM_COMMAND, ID_EDIT_CLEAR);
		EXPECT_EQ(Text(m_rich), want) << nCaret;
	}
}

TEST_F(EditTest, RichEditFocusRoundTripKeepsSelectionAndScroll)
{
	CString strText;
	for (int i = 0; i < 60; ++i)
		strText.AppendFormat("line %d\r\n", i);
	m_rich.SetWindowText(strText);
	CWnd* pOther = m_dlg.GetDlgItem(kButtonId);
	for (bool bRemember : { false, true })
	{
		if (bRemember)
			m_rich.RemoveFocusHighlight();
		m_rich.SetFocus();
		m_rich.SetSel(0, 0);
		m_rich.LineScroll(20);
		const int nCaret = m_rich.LineIndex(25);
		m_rich.SetSel(nCaret, nCaret + 4);
		const int nFirst = m_rich.GetFirstVisibleLine();
		ASSERT_GT(nFirst, 10);
		pOther->SetFocus();
		// Tabbing back, the dialog selects the whole text first.
		m_rich.SetSel(0, -1);
		m_rich.SetFocus();
		kt::PumpPending();
		EXPECT_EQ(Sel(m_rich).x, bRemember ? nCaret : 0);
		EXPECT_TRUE(!bRemember || (Sel(m_rich).y == nCaret + 4 && m_rich.GetFirstVisibleLine() == nFirst));
	}
	// The top is what the next focus comes back to.
	m_rich.ScrollToTheTop();
	EXPECT_EQ(m_rich.GetFirstVisibleLine(), 0);
	pOther->SetFocus();
	m_rich.SetFocus();
	EXPECT_EQ(Sel(m_rich), CPoint(0, 0));
	EXPECT_EQ(m_rich.GetFirstVisibleLine(), 0);
}

} // namespace
