// ImageMenuRichEditTests.cpp - CImageMenuRichEdit in a real dialog: Edit commands, menu, focus, centring.
//
// Classes in this file:
//   CEditDialog, ImageMenuRichEditTest
#include <kavrotest/TestSupport.h>

#include <kavro/ImageMenuRichEdit.h>
#include <qtx/Graphics.h>
#include <qtx/Support.h>

#include "EditTestSupport.h"

#include <string>

namespace
{

const UINT kId = 100;
const UINT kButtonId = 101;

// A dialog as an application writes one around a rich edit: its Edit menu is
// updated through ON_UPDATE_COMMAND_UI when it opens, and its commands go to
// the rich edit while the rich edit has the focus.
class CEditDialog : public CDialog
{
public:
	CImageMenuRichEdit* m_pEdit = nullptr;

	virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override
	{
		if (m_pEdit != nullptr && GetFocus() == m_pEdit &&
			m_pEdit->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
			return TRUE;
		return CDialog::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
	}

protected:
	afx_msg void OnInitMenuPopup(CMenu* pPopupMenu, UINT /*nIndex*/, BOOL bSysMenu)
	{
		if (bSysMenu)
			return;
		CCmdUI state;
		state.m_pMenu = pPopupMenu;
		state.m_nIndexMax = pPopupMenu->GetMenuItemCount();
		for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; ++state.m_nIndex)
		{
			state.m_nID = pPopupMenu->GetMenuItemID(state.m_nIndex);
			state.DoUpdate(this, TRUE);
		}
	}
	DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CEditDialog, CDialog)
	ON_WM_INITMENUPOPUP()
END_MESSAGE_MAP()

const UINT kEditMenu[] = { ID_EDIT_UNDO, ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE, ID_EDIT_CLEAR,
	ID_EDIT_SELECT_ALL };

class ImageMenuRichEditTest : public ::testing::Test
{
protected:
	virtual void SetUp() override
	{
		ASSERT_TRUE(AfxInitRichEdit5());
		m_tmpl.AddItem(0x0080, "Other", kButtonId, 150, 5, 40, 14, WS_CHILD | WS_VISIBLE | WS_TABSTOP);
		ASSERT_TRUE(m_dlg.CreateIndirect(m_tmpl.Get()));
		m_dlg.m_pEdit = &m_edit;
		Make(WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL);
	}

	void Make(DWORD dwStyle, int cy = 80)
	{
		ASSERT_TRUE(m_edit.Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP | dwStyle, CRect(10, 10, 210, 10 + cy),
			&m_dlg, kId));
		m_edit.SetFocus();
		kt::PumpPending();
	}

	std::string Text() const
	{
		CString str;
		m_edit.GetWindowText(str);
		return str.GetString();
	}

	// Tracks the dialog's Edit menu and returns its items as the update
	// handlers left them: U undo, T cut, C copy, P paste, X clear, A select
	// all; lower case when greyed.
	std::string EditMenuLetters()
	{
		kt::MenuAnswer answer(m_dlg.GetSafeHwnd());
		CMenu menu;
		menu.CreatePopupMenu();
		for (UINT nID : kEditMenu)
			menu.AppendMenu(MF_STRING, nID, "item");
		menu.TrackPopupMenu(TPM_RIGHTBUTTON, 100, 100, &m_dlg);
		std::string letters;
		if (answer.Popups().empty())
			return "(none)";
		for (const kt::MenuAnswer::Item& item : answer.Popups().back())
		{
			const char* names = "UTCPXA";
			const size_t i = std::find(std::begin(kEditMenu), std::end(kEditMenu), item.id) - kEditMenu;
			const char c = i < 6 ? names[i] : '?';
			letters += (item.state & MFS_GRAYED) ? static_cast<char>(c - 'A' + 'a') : c;
		}
		return letters;
	}

	// Sends the dialog a command as its menu or an accelerator would.
	void Command(UINT nID)
	{
		m_dlg.SendMessage(WM_COMMAND, nID, 0);
		kt::PumpPending();
	}

	kt::DialogTemplate m_tmpl{ "Rich edit", 200, 120 };
	CEditDialog m_dlg;
	CImageMenuRichEdit m_edit;
};

// ---------------------------------------------------------------------------
// Edit commands through the dialog

TEST_F(ImageMenuRichEditTest, EditMenuEnablingFollowsTheControlWithTheFocus)
{
	const struct
	{
		const char* text;
		long nStart, nEnd;
		const char* clipboard;
		bool bTyped;
		const char* letters;
	} rows[] = {
		{ "", 0, 0, NULL, false, "utcpXa" },
		{ "abc", 1, 1, "clip", false, "utcPXA" },
		{ "abc", 0, 2, NULL, false, "uTCpXA" },
		{ "abc", 0, 2, "clip", true, "UTCPXA" },
	};
	for (const auto& r : rows)
	{
		m_edit.SetWindowText(r.text);
		m_edit.EmptyUndoBuffer();
		if (r.bTyped)
			m_edit.SendMessage(WM_CHAR, 'z');
		m_edit.SetSel(r.nStart, r.nEnd);
		et::SetClipboardText(r.clipboard);
		EXPECT_EQ(EditMenuLetters(), r.letters) << r.text << r.nStart << r.nEnd;
	}
	// Without the focus nobody handles the commands.
	m_dlg.GetDlgItem(kButtonId)->SetFocus();
	EXPECT_EQ(EditMenuLetters(), "utcpxa");
}

TEST_F(ImageMenuRichEditTest, EditCommandsAndTheReadOnlyModeThatRefusesThem)
{
	const struct
	{
		UINT nID;
		long nStart, nEnd;
		const char *text, *readOnlyText, *clipboard;
	} rows[] = {
		{ ID_EDIT_CUT, 0, 2, "llo", "hello", "he" },
		{ ID_EDIT_COPY, 0, 2, "hello", "hello", "he" },
		{ ID_EDIT_PASTE, 1, 1, "hclipello", "hello", "clip" },
		{ ID_EDIT_CLEAR, 1, 3, "hlo", "hello", "clip" },
		{ ID_EDIT_CLEAR, 1, 1, "hllo", "hello", "clip" },  // the character after the caret
		{ ID_EDIT_CLEAR, 5, 5, "hello", "hello", "clip" }, // at the end: nothing
		{ ID_EDIT_UNDO, 0, 0, "hello", "hello", "clip" },
	};
	for (bool bReadOnly : { false, true })
	{
		if (bReadOnly)
			m_edit.ActAsReadonly();
		for (const auto& r : rows)
		{
			m_edit.SetWindowText("hello");
			m_edit.EmptyUndoBuffer();
			if (r.nID == ID_EDIT_UNDO)
			{
				m_edit.SetSel(5, 5);
				m_edit.SendMessage(WM_CHAR, 'z');
			}
			m_edit.SetModify(FALSE);
			m_edit.SetSel(r.nStart, r.nEnd);
			et::SetClipboardText("clip");
			Command(r.nID);
			const char* want = bReadOnly ? r.readOnlyText : r.text;
			if (r.nID == ID_EDIT_UNDO && bReadOnly)
				want = "helloz";
			EXPECT_EQ(Text(), want) << r.nID << " " << r.nStart << " " << bReadOnly;
			EXPECT_EQ(et::ClipboardText(),
				r.nID == ID_EDIT_COPY || (r.nID == ID_EDIT_CUT && !bReadOnly) ? "he" : "clip")
				<< r.nID;
			// Wine's rich edit raises the modified flag for typing only.
			if (bReadOnly)
			{
				EXPECT_FALSE(m_edit.IsModified()) << r.nID;
			}
		}
	}
	// Select all still works.
	m_edit.SetSel(0, 0);
	Command(ID_EDIT_SELECT_ALL);
	long nStart = -1, nEnd = -1;
	m_edit.GetSel(nStart, nEnd);
	EXPECT_EQ(nStart, 0);
	EXPECT_GE(nEnd, 5);
}

TEST_F(ImageMenuRichEditTest, PasteFixLeavesOnlyTheControlsOwnPaste)
{
	m_edit.SetFixDoubleTextPasteBug();
	m_edit.SetWindowText("");
	et::SetClipboardText("p");
	// The update request still passes, so the Edit menu offers paste.
	EXPECT_EQ(EditMenuLetters().substr(3, 1), "P");
	Command(ID_EDIT_PASTE);
	EXPECT_EQ(Text(), "");
	// The context menu's paste goes through OnCommand: undo, copy, cut,
	// delete, paste.
	kt::MenuAnswer answer(m_edit.GetSafeHwnd());
	m_edit.SendMessage(WM_CHAR, 'z');
	m_edit.SetSel(0, 1);
	answer.Press({ VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN });
	et::OpenMenuFromKeyboard(m_edit.GetSafeHwnd());
	EXPECT_EQ(et::MenuLetters(answer), "U-CTDP-a");
	EXPECT_EQ(Text(), "p");
}

// ---------------------------------------------------------------------------
// Context menu and triple click

TEST_F(ImageMenuRichEditTest, ContextMenuFollowsTheReadOnlyStyle)
{
	kt::MenuAnswer answer(m_edit.GetSafeHwnd());
	et::SetClipboardText(NULL);
	m_edit.SetWindowText("one\r\ntwo");
	m_edit.SetSel(0, -1);
	et::OpenMenuFromKeyboard(m_edit.GetSafeHwnd());
	// Everything selected across a line break: select all is greyed.
	EXPECT_EQ(et::MenuLetters(answer), "u-CTDp-a");
	m_edit.SetReadOnly(TRUE);
	m_edit.SetSel(1, 1);
	et::OpenMenuFromKeyboard(m_edit.GetSafeHwnd());
	EXPECT_EQ(et::MenuLetters(answer), "c-A");
}

TEST_F(ImageMenuRichEditTest, ThirdClickSelectsTheWholeTextNotALine)
{
	m_edit.SetWindowText("first line\r\nsecond line\r\nthird");
	const long nAll = m_edit.GetTextLengthEx(GTL_NUMCHARS);
	const CPoint pt = m_edit.GetCharPos(14) + CPoint(2, 3);
	et::DoubleClick(m_edit.GetSafeHwnd(), pt);
	et::Click(m_edit.GetSafeHwnd(), WM_LBUTTONDOWN, pt);
	et::Click(m_edit.GetSafeHwnd(), WM_LBUTTONUP, pt);
	long nStart = -1, nEnd = -1;
	m_edit.GetSel(nStart, nEnd);
	EXPECT_EQ(nStart, 0);
	EXPECT_GE(nEnd, nAll);
}

// ---------------------------------------------------------------------------
// State: modified flag, insert mode, fill, focus and scroll

TEST_F(ImageMenuRichEditTest, ModifiedFlagInsertModeAndFill)
{
	EXPECT_FALSE(m_edit.IsModified());
	m_edit.SendMessage(WM_CHAR, 'a');
	EXPECT_TRUE(m_edit.IsModified());
	EXPECT_FALSE(m_edit.IsModified());
	m_edit.SendMessage(WM_CHAR, 'b');
	EXPECT_TRUE(m_edit.IsModified());

	EXPECT_TRUE(m_edit.GetInsertMode());
	for (bool bWant : { false, true })
	{
		m_edit.SendMessage(WM_KEYDOWN, VK_INSERT);
		m_edit.SendMessage(WM_KEYUP, VK_INSERT);
		EXPECT_EQ(m_edit.GetInsertMode(), bWant);
	}

	const struct
	{
		long nLimit;
		const char* text;
		int nPercent;
	} rows[] = { { 100, "", 0 }, { 100, "abcde\r\nfghij", 10 }, { 40, "abcde\r\nfghij", 25 },
		{ 3, "abcdef", 200 } };
	for (const auto& r : rows)
	{
		m_edit.SetWindowText(r.text);
		m_edit.LimitText(r.nLimit);
		EXPECT_EQ(m_edit.GetPercentFull(), r.nPercent) << r.nLimit << r.text;
	}
}

TEST_F(ImageMenuRichEditTest, FocusRoundTripKeepsSelectionAndScroll)
{
	CString strText;
	for (int i = 0; i < 60; ++i)
		strText.AppendFormat("line %d\r\n", i);
	m_edit.SetWindowText(strText);
	CWnd* pOther = m_dlg.GetDlgItem(kButtonId);
	for (bool bRemember : { false, true })
	{
		if (bRemember)
			m_edit.RemoveFocusHighlight();
		m_edit.SetFocus();
		m_edit.SetSel(0, 0);
		m_edit.LineScroll(20);
		const long nCaret = m_edit.LineIndex(25);
		m_edit.SetSel(nCaret, nCaret + 4);
		const int nFirst = m_edit.GetFirstVisibleLine();
		ASSERT_GT(nFirst, 10);
		pOther->SetFocus();
		// Tabbing back, the dialog selects the whole text first.
		m_edit.SetSel(0, -1);
		m_edit.SetFocus();
		kt::PumpPending();
		long nStart = -1, nEnd = -1;
		m_edit.GetSel(nStart, nEnd);
		if (bRemember)
		{
			EXPECT_EQ(nStart, nCaret);
			EXPECT_EQ(nEnd, nCaret + 4);
			EXPECT_EQ(m_edit.GetFirstVisibleLine(), nFirst);
		}
		else
		{
			EXPECT_EQ(nStart, 0);
		}
	}
	m_edit.ScrollToTheTop();
	EXPECT_EQ(m_edit.GetFirstVisibleLine(), 0);
	pOther->SetFocus();
	m_edit.SetFocus();
	EXPECT_EQ(m_edit.GetFirstVisibleLine(), 0);
	long nStart = -1, nEnd = -1;
	m_edit.GetSel(nStart, nEnd);
	EXPECT_EQ(nStart, 0);
	EXPECT_EQ(nEnd, 0);
}

// ---------------------------------------------------------------------------
// Look, font and class

TEST_F(ImageMenuRichEditTest, CentredTextBetweenBandsAndTheFlatLook)
{
	m_edit.DestroyWindow();
	m_edit.SetVerticallyCentered();
	Make(0, 60);
	m_edit.ModifyStyleEx(0, WS_EX_CLIENTEDGE, SWP_FRAMECHANGED);
	m_edit.SetFlatLook();
	EXPECT_FALSE(m_edit.GetExStyle() & WS_EX_CLIENTEDGE);
	EXPECT_TRUE(m_edit.GetStyle() & WS_BORDER);
	m_edit.SetWindowPos(NULL, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED);
	kt::FlushPaint(m_dlg.GetSafeHwnd());

	LOGFONTA lf = {};
	GraphicsUtils::SetDefaultFont(lf, "", -1, -1, false, false, false);
	CFont font;
	font.CreateFontIndirect(&lf);
	CClientDC dc(&m_edit);
	CFont* pOld = dc.SelectObject(&font);
	CRect rcText(0, 0, 0, 0);
	dc.DrawText("gM", &rcText, DT_CALCRECT);
	dc.SelectObject(pOld);
	const int nOffset = (60 - rcText.Height()) / 2;
	CRect rcClient;
	m_edit.GetClientRect(&rcClient);
	EXPECT_EQ(rcClient.Height(), 60 - 2 * nOffset);
	EXPECT_EQ(rcClient.Width(), 200);

	HDC hdc = ::GetWindowDC(m_edit.GetSafeHwnd());
	const kt::Snapshot shot(hdc, { 0, 0, 200, 60 });
	::ReleaseDC(m_edit.GetSafeHwnd(), hdc);
	const COLORREF crBand = ::GetSysColor(COLOR_WINDOW);
	EXPECT_EQ(shot.Count(crBand, { 0, 0, 200, nOffset }), 200 * nOffset);
	EXPECT_EQ(shot.Count(crBand, { 0, 60 - nOffset, 200, 60 }), 200 * nOffset);
}

TEST_F(ImageMenuRichEditTest, FontDefGivesTheDefaultTextColour)
{
	LOGFONTA lf = {};
	lf.lfHeight = -16;
	lstrcpyA(lf.lfFaceName, "Tahoma");
	m_edit.SetFontDef(FontDef(lf, RGB(200, 10, 20)));
	CHARFORMAT cf = {};
	m_edit.GetDefaultCharFormat(cf);
	EXPECT_EQ(cf.crTextColor, RGB(200, 10, 20));
	EXPECT_FALSE(cf.dwEffects & CFE_AUTOCOLOR);
	EXPECT_TRUE(m_edit.GetEventMask() & ENM_CHANGE);

	CRuntimeClass* pClass = RUNTIME_CLASS(CImageMenuRichEdit);
	EXPECT_STREQ(pClass->m_lpszClassName, "CImageMenuRichEdit");
	EXPECT_TRUE(pClass->IsDerivedFrom(RUNTIME_CLASS(CRichEditCtrl)));
	std::unique_ptr<CObject> pObject(pClass->CreateObject());
	EXPECT_TRUE(pObject && pObject->IsKindOf(pClass));
}

TEST_F(ImageMenuRichEditTest, WithoutAWindowEveryOperationFailsQuietly)
{
	const int nBefore = kt::CountGdiObjects();
	for (int i = 0; i < 10; ++i)
	{
		CImageMenuRichEdit edit;
		edit.SetFontDef(FontDef());
		edit.SetFlatLook();
		edit.ScrollToTheTop();
		edit.DoEditUndo();
		EXPECT_FALSE(edit.IsModified());
		EXPECT_FALSE(edit.CanEnableEditUndo());
		EXPECT_EQ(edit.GetPercentFull(), 0);
	}
	m_edit.DestroyWindow();
	m_edit.ScrollToTheTop();
	EXPECT_EQ(m_edit.GetPercentFull(), 0);
	EXPECT_LE(kt::CountGdiObjects(), nBefore);
}

} // namespace
