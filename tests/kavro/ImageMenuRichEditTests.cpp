// ImageMenuRichEditTests.cpp - CImageMenuRichEdit in a dialog: Edit commands, read-only mode, state, focus.
//
// Classes in this file:
//   ImageMenuRichEditTest
#include "EditTestSupport.h"

namespace
{

class ImageMenuRichEditTest : public EditTest
{
protected:
	virtual void SetUp() override
	{
		EditTest::SetUp();
		m_rich.SetFocus();
		kt::PumpPending();
	}
};

TEST_F(ImageMenuRichEditTest, EditMenuEnablingFollowsTheControlWithTheFocus)
{
	const struct
	{
		const char* text;
		long nStart, nEnd;
		et::Clip clip;
		bool bTyped;
		const char* letters; // undo, cut, copy, paste, clear, select all
	} rows[] = {
		{ "", 0, 0, et::Empty, false, "utcpDa" },
		{ "abc", 1, 1, et::Text, false, "utcPDA" },
		{ "abc", 0, 2, et::Empty, false, "uTCpDA" },
		{ "abc", 0, 2, et::Text, true, "UTCPDA" },
	};
	for (const auto& r : rows)
	{
		m_rich.SetWindowText(r.text);
		m_rich.EmptyUndoBuffer();
		if (r.bTyped)
			m_rich.SendMessage(WM_CHAR, 'z');
		m_rich.SetSel(r.nStart, r.nEnd);
		et::SetClipboard(r.clip);
		EXPECT_EQ(EditMenuLetters(), r.letters) << r.text << r.nStart << r.nEnd;
	}
	// Without the focus nobody handles the commands.
	m_dlg.GetDlgItem(kButtonId)->SetFocus();
	EXPECT_EQ(EditMenuLetters(), "utcpda");
}

TEST_F(ImageMenuRichEditTest, EditCommandsAndTheReadOnlyModeThatRefusesThem)
{
	const struct
	{
		UINT nID;
		long nStart, nEnd;
		const char *text, *clipboard;
	} rows[] = {
		{ ID_EDIT_CUT, 0, 2, "llo", "he" },
		{ ID_EDIT_COPY, 0, 2, "hello", "he" },
		{ ID_EDIT_PASTE, 1, 1, "hclipello", "clip" },
		{ ID_EDIT_CLEAR, 1, 3, "hlo", "clip" },
		{ ID_EDIT_CLEAR, 1, 1, "hllo", "clip" },  // the character after the caret
		{ ID_EDIT_CLEAR, 5, 5, "hello", "clip" }, // at the end: nothing
		{ ID_EDIT_UNDO, 5, 5, "hello", "clip" },  // the typed z goes
		{ WM_CUT, 0, 2, "llo", "he" },            // the context menu's commands
		{ WM_UNDO, 5, 5, "hello", "clip" },
		{ WM_CLEAR, 1, 3, "hlo", "clip" },
	};
	for (bool bReadOnly : { false, true })
	{
		if (bReadOnly)
			m_rich.ActAsReadonly();
		for (const auto& r : rows)
		{
			const bool bUndo = r.nID == ID_EDIT_UNDO || r.nID == WM_UNDO;
			m_rich.SetWindowText("hello");
			m_rich.EmptyUndoBuffer();
			if (bUndo)
			{
				m_rich.SetSel(5, 5);
				m_rich.SendMessage(WM_CHAR, 'z');
			}
			m_rich.SetModify(FALSE);
			m_rich.SetSel(r.nStart, r.nEnd);
			et::SetClipboard(et::Text);
			if (r.nID < WM_USER)
				m_rich.SendMessage(WM_COMMAND, r.nID);
			else
				Command(r.nID);
			const bool bRefused = bReadOnly && r.nID != ID_EDIT_COPY;
			EXPECT_EQ(Text(m_rich), !bRefused ? r.text
									: bUndo   ? "helloz"
											  : "hello")
				<< r.nID << " " << r.nStart << " " << bReadOnly;
			EXPECT_EQ(et::ClipboardText(), bRefused ? "clip" : r.clipboard) << r.nID;
			// Wine's rich edit raises the modified flag for typing only.
			EXPECT_TRUE(!bReadOnly || !m_rich.IsModified()) << r.nID;
		}
	}
	// Select all still works.
	m_rich.SetSel(0, 0);
	Command(ID_EDIT_SELECT_ALL);
	long nStart = -1, nEnd = -1;
	m_rich.GetSel(nStart, nEnd);
	EXPECT_EQ(nStart, 0);
	EXPECT_GE(nEnd, 5);
}

TEST_F(ImageMenuRichEditTest, ModifiedFlagInsertModeAndFill)
{
	EXPECT_FALSE(m_rich.IsModified());
	for (char c : { 'a', 'b' })
	{
		m_rich.SendMessage(WM_CHAR, c);
		EXPECT_TRUE(m_rich.IsModified());
		EXPECT_FALSE(m_rich.IsModified());
	}

	EXPECT_TRUE(m_rich.GetInsertMode());
	for (bool bWant : { false, true })
	{
		m_rich.SendMessage(WM_KEYDOWN, VK_INSERT);
		m_rich.SendMessage(WM_KEYUP, VK_INSERT);
		EXPECT_EQ(m_rich.GetInsertMode(), bWant);
	}

	// Line breaks do not count.
	const struct
	{
		long nLimit;
		const char* text;
		int nPercent;
	} rows[] = { { 100, "", 0 }, { 100, "abcde\r\nfghij", 10 }, { 40, "ab\r\ncde\r\n\r\nfghij", 25 },
		{ 3, "abcdef", 200 } };
	for (const auto& r : rows)
	{
		m_rich.SetWindowText(r.text);
		m_rich.LimitText(r.nLimit);
		EXPECT_EQ(m_rich.GetPercentFull(), r.nPercent) << r.nLimit << r.text;
	}
}

TEST_F(ImageMenuRichEditTest, FocusRoundTripKeepsSelectionAndScroll)
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
		const long nCaret = m_rich.LineIndex(25);
		m_rich.SetSel(nCaret, nCaret + 4);
		const int nFirst = m_rich.GetFirstVisibleLine();
		ASSERT_GT(nFirst, 10);
		pOther->SetFocus();
		// Tabbing back, the dialog selects the whole text first.
		m_rich.SetSel(0, -1);
		m_rich.SetFocus();
		kt::PumpPending();
		long nStart = -1, nEnd = -1;
		m_rich.GetSel(nStart, nEnd);
		EXPECT_EQ(nStart, bRemember ? nCaret : 0);
		if (bRemember)
		{
			EXPECT_EQ(nEnd, nCaret + 4);
			EXPECT_EQ(m_rich.GetFirstVisibleLine(), nFirst);
		}
	}
	// The top is what the next focus comes back to.
	m_rich.ScrollToTheTop();
	EXPECT_EQ(m_rich.GetFirstVisibleLine(), 0);
	pOther->SetFocus();
	m_rich.SetFocus();
	long nStart = -1, nEnd = -1;
	m_rich.GetSel(nStart, nEnd);
	EXPECT_EQ(CPoint(nStart, nEnd), CPoint(0, 0));
	EXPECT_EQ(m_rich.GetFirstVisibleLine(), 0);
}

} // namespace
