// EditTestSupport.h - the dialog, clipboard and menu helpers shared by the edit tests.
//
// Classes in this file:
//   CEditDialog, CTestEdit, CTestRichEdit, EditTest
#pragma once

#include <kavrotest/TestSupport.h>

#include <kavro/ImageMenuEdit.h>
#include <kavro/ImageMenuRichEdit.h>
#include <qtx/Graphics.h>
#include <qtx/Support.h>

#include <string>
#include <thread>

namespace et
{

// Puts "clip" (kind 'T', or 'H' for the text that WhileClipboardHeld holds),
// nothing ('-') or only a bitmap ('B') on the clipboard.
inline void SetClipboard(char kind, const char* text = "clip")
{
	ASSERT_TRUE(::OpenClipboard(NULL));
	::EmptyClipboard();
	if (kind == 'B')
		::SetClipboardData(CF_BITMAP, ::CreateBitmap(4, 4, 1, 32, NULL));
	::CloseClipboard();
	EXPECT_TRUE((kind != 'T' && kind != 'H') || ClipboardUtils::CopyTextToClipboard(text));
}

// The clipboard's text (its first line), empty when it has none.
inline std::string ClipboardText()
{
	TextArray lines;
	return ClipboardUtils::ParseClipboardText(lines, "") ? lines.GetCopyAt(0).GetString() : "";
}

// Runs action, while another thread holds the clipboard open (as another
// program might) when bHold is set.
inline void WhileClipboardHeld(bool bHold, const std::function<void()>& action)
{
	HANDLE hOpened = ::CreateEventA(NULL, TRUE, !bHold, NULL),
		   hRelease = ::CreateEventA(NULL, TRUE, FALSE, NULL);
	std::thread holder(
		[=]
		{
			// Opened for a window of its own: Wine lets another thread of
			// the process open a clipboard that was opened for no window.
			HWND hWnd = ::CreateWindowExA(0, "STATIC", "", 0, 0, 0, 1, 1, NULL, NULL, NULL, NULL);
			EXPECT_TRUE(!bHold || ::OpenClipboard(hWnd));
			::SetEvent(hOpened);
			::WaitForSingleObject(hRelease, INFINITE);
			::CloseClipboard();
			::DestroyWindow(hWnd);
		});
	::WaitForSingleObject(hOpened, INFINITE);
	action();
	::SetEvent(hRelease);
	holder.join();
	::CloseHandle(hOpened);
	::CloseHandle(hRelease);
}

// The last popup the answer saw, one letter per item: U undo, C copy, T cut,
// D delete (clear), P paste, A select all, '-' a separator, for the context
// menu's ids and the framework's ID_EDIT_* alike; lower case when greyed.
inline std::string MenuLetters(const kt::MenuAnswer& answer)
{
	const UINT ids[][6] = { { WM_UNDO, WM_COPY, WM_CUT, WM_CLEAR, WM_PASTE, 0x7400 },
		{ ID_EDIT_UNDO, ID_EDIT_COPY, ID_EDIT_CUT, ID_EDIT_CLEAR, ID_EDIT_PASTE, ID_EDIT_SELECT_ALL } };
	if (answer.Popups().empty())
		return "(none)";
	std::string letters;
	for (const kt::MenuAnswer::Item& item : answer.Popups().back())
	{
		char c = (item.type & MFT_SEPARATOR) ? '-' : '?';
		for (int i = 0; i < 12 && c == '?'; ++i)
			if (ids[i / 6][i % 6] == item.id)
				c = (item.state & MFS_GRAYED) ? "uctdpa"[i % 6] : "UCTDPA"[i % 6];
		letters += c;
	}
	return letters;
}

} // namespace et

// A dialog as an application writes one around its edits: its Edit menu is
// updated through the update handlers when it opens, and its commands go to
// the control with the focus. It counts the rich edit's EN_CHANGE.
class CEditDialog : public CDialog
{
public:
	int m_nRichChanges = 0;

	virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
	{
		m_nRichChanges += wParam == MAKEWPARAM(102, EN_CHANGE);
		return CDialog::OnCommand(wParam, lParam);
	}
	virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override
	{
		CWnd* pFocus = GetFocus();
		if (pFocus != NULL && pFocus->GetParent() == this &&
			pFocus->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
			return TRUE;
		return CDialog::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
	}

protected:
	virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
	{
		CCmdUI state;
		if (message == WM_INITMENUPOPUP)
		{
			state.m_pMenu = CMenu::FromHandle(reinterpret_cast<HMENU>(wParam));
			state.m_nIndexMax = state.m_pMenu->GetMenuItemCount();
		}
		for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; ++state.m_nIndex)
		{
			state.m_nID = state.m_pMenu->GetMenuItemID(state.m_nIndex);
			state.DoUpdate(this, TRUE);
		}
		return CDialog::WindowProc(message, wParam, lParam);
	}
};

// Derived as an application would: its own Edit-menu paste (and nothing else
// on its Edit menu), and a look at the triple-click timer. Its message map is
// in ImageMenuEditTests.cpp.
class CTestEdit : public CImageMenuEdit
{
public:
	using CImageMenuEdit::m_nTripleClickTimer;

protected:
	afx_msg void OnEditPaste() { Paste(); }
	afx_msg void OnUpdateEditPaste(CCmdUI* pCmdUI) { pCmdUI->Enable(::IsClipboardFormatAvailable(CF_TEXT)); }
	DECLARE_MESSAGE_MAP()
};

class CTestRichEdit : public CImageMenuRichEdit
{
public:
	using CImageMenuRichEdit::m_nTripleClickTimer;
};

// A dialog with a button, an image-menu edit (with the focus) and an
// image-menu rich edit.
class EditTest : public ::testing::Test
{
protected:
	static const UINT kButtonId = 101;

	virtual void SetUp() override
	{
		ASSERT_TRUE(AfxInitRichEdit5());
		m_tmpl.AddItem(0x0080, "Other", kButtonId, 150, 5, 40, 14, WS_CHILD | WS_VISIBLE | WS_TABSTOP);
		ASSERT_TRUE(m_dlg.CreateIndirect(m_tmpl.Get()));
		ASSERT_TRUE(
			m_rich.Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL,
				CRect(10, 70, 210, 150), &m_dlg, 102));
		Make(m_edit);
	}

	void Make(CWnd& ctl, DWORD dwStyle = ES_AUTOHSCROLL, const CRect& rc = CRect(10, 10, 170, 60))
	{
		ASSERT_TRUE(ctl.Create(ctl.IsKindOf(RUNTIME_CLASS(CImageMenuRichEdit)) ? "RICHEDIT50W" : "EDIT", NULL,
			WS_CHILD | WS_VISIBLE | WS_TABSTOP | dwStyle, rc, &m_dlg, 100));
		ctl.SetFocus();
		kt::PumpPending();
	}

	static std::string Text(const CWnd& wnd)
	{
		CString str;
		wnd.GetWindowText(str);
		return str.GetString();
	}

	// The selection, read with pointers (no 65535 limit).
	static CPoint Sel(CWnd& wnd)
	{
		DWORD nStart = 0, nEnd = 0;
		wnd.SendMessage(EM_GETSEL, reinterpret_cast<WPARAM>(&nStart), reinterpret_cast<LPARAM>(&nEnd));
		return CPoint(nStart, nEnd);
	}

	// Opens a control's context menu at the point, (-1, -1) as from the keyboard.
	static void OpenMenu(CWnd& wnd, CPoint at = CPoint(-1, -1))
	{
		wnd.PostMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(wnd.GetSafeHwnd()), MAKELPARAM(at.x, at.y));
		kt::PumpPending();
	}

	// Posts mouse messages at the point (client coordinates) and handles them.
	static void Clicks(CWnd& wnd, CPoint pt, std::initializer_list<UINT> messages)
	{
		for (UINT message : messages)
			wnd.PostMessage(message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
		kt::PumpPending();
	}

	// Tracks the dialog's Edit menu (undo, cut, copy, paste, clear, select
	// all) and returns its items as the update handlers left them.
	std::string EditMenuLetters()
	{
		kt::MenuAnswer answer(m_dlg.GetSafeHwnd());
		CMenu menu;
		menu.CreatePopupMenu();
		for (UINT nID :
			{ ID_EDIT_UNDO, ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE, ID_EDIT_CLEAR, ID_EDIT_SELECT_ALL })
			menu.AppendMenu(MF_STRING, nID, "item");
		menu.TrackPopupMenu(TPM_RIGHTBUTTON, 100, 100, &m_dlg);
		return et::MenuLetters(answer);
	}

	kt::DialogTemplate m_tmpl{ "Edits", 200, 120 };
	CEditDialog m_dlg;
	CTestEdit m_edit;
	CTestRichEdit m_rich;
};
