// EditTestSupport.h - the dialog, clipboard, menu and mouse helpers shared by the edit tests.
//
// Classes in this file:
//   ClipboardHolder, CEditDialog, CTestEdit, CTestRichEdit, EditTest
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

enum Clip
{
	Text,   // text on the clipboard
	Empty,  // nothing
	Bitmap, // only data that is not text
	Held    // text, and another thread holding the clipboard open
};

inline void SetClipboard(Clip clip, const char* text = "clip")
{
	if (clip == Text || clip == Held)
	{
		ASSERT_TRUE(ClipboardUtils::CopyTextToClipboard(text));
		return;
	}
	ASSERT_TRUE(::OpenClipboard(NULL));
	::EmptyClipboard();
	if (clip == Bitmap)
		::SetClipboardData(CF_BITMAP, ::CreateBitmap(4, 4, 1, 32, NULL));
	::CloseClipboard();
}

// The clipboard's text (its first line), empty when it has none.
inline std::string ClipboardText()
{
	TextArray lines;
	return ClipboardUtils::ParseClipboardText(lines, "") ? lines.GetCopyAt(0).GetString() : "";
}

// Holds the clipboard open from another thread while it lives, as another
// program might; nothing when bHold is false.
class ClipboardHolder
{
public:
	explicit ClipboardHolder(bool bHold)
	{
		if (bHold)
			m_thread = std::thread(
				[this]
				{
					HWND hWnd =
						::CreateWindowExA(0, "STATIC", "", 0, 0, 0, 1, 1, HWND_MESSAGE, NULL, NULL, NULL);
					m_bOpen = ::OpenClipboard(hWnd) != FALSE;
					::SetEvent(m_hOpened);
					::WaitForSingleObject(m_hRelease, INFINITE);
					if (m_bOpen)
						::CloseClipboard();
					::DestroyWindow(hWnd);
				});
		::WaitForSingleObject(m_hOpened, bHold ? INFINITE : 0);
	}
	~ClipboardHolder()
	{
		::SetEvent(m_hRelease);
		if (m_thread.joinable())
			m_thread.join();
		::CloseHandle(m_hOpened);
		::CloseHandle(m_hRelease);
	}
	bool IsOpen() const { return m_bOpen; }

private:
	HANDLE m_hOpened = ::CreateEventA(NULL, TRUE, FALSE, NULL);
	HANDLE m_hRelease = ::CreateEventA(NULL, TRUE, FALSE, NULL);
	bool m_bOpen = false;
	std::thread m_thread;
};

// The last popup the answer saw, one letter per item: U undo, C copy, T cut,
// D delete (clear), P paste, A select all, '-' a separator, for the context
// menu's ids and the framework's ID_EDIT_* alike; lower case when greyed.
inline std::string MenuLetters(const kt::MenuAnswer& answer)
{
	if (answer.Popups().empty())
		return "(none)";
	const UINT ids[][6] = { { WM_UNDO, WM_COPY, WM_CUT, WM_CLEAR, WM_PASTE, 0x7400 },
		{ ID_EDIT_UNDO, ID_EDIT_COPY, ID_EDIT_CUT, ID_EDIT_CLEAR, ID_EDIT_PASTE, ID_EDIT_SELECT_ALL } };
	std::string letters;
	for (const kt::MenuAnswer::Item& item : answer.Popups().back())
	{
		char c = (item.type & MFT_SEPARATOR) ? '-' : '?';
		for (const auto& row : ids)
			for (int i = 0; i < 6 && c == '?'; ++i)
				if (row[i] == item.id)
					c = (item.state & MFS_GRAYED) ? "uctdpa"[i] : "UCTDPA"[i];
		letters += c;
	}
	return letters;
}

// Posts the mouse messages at the point (client coordinates) and handles them.
inline void Clicks(HWND hWnd, POINT pt, std::initializer_list<UINT> messages)
{
	for (UINT message : messages)
		::PostMessageA(hWnd, message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
	kt::PumpPending();
}

} // namespace et

// A dialog as an application writes one around its edits: its Edit menu is
// updated through ON_UPDATE_COMMAND_UI when it opens, and its commands go to
// the control with the focus. (This and CTestEdit have their message maps in
// ImageMenuEditTests.cpp.)
class CEditDialog : public CDialog
{
public:
	virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override
	{
		CWnd* pFocus = GetFocus();
		if (pFocus != NULL && pFocus->GetParent() == this &&
			pFocus->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
			return TRUE;
		return CDialog::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
	}

protected:
	afx_msg void OnInitMenuPopup(CMenu* pPopupMenu, UINT /*nIndex*/, BOOL /*bSysMenu*/)
	{
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

// Derived as an application would: its own Edit-menu paste (and nothing else
// on its Edit menu), and a look at the triple-click timer.
class CTestEdit : public CImageMenuEdit
{
public:
	using CImageMenuEdit::m_nTripleClickTimer;

protected:
	afx_msg void OnEditPaste() { Paste(); }
	afx_msg void OnUpdateEditPaste(CCmdUI* /*pCmdUI*/) {}
	DECLARE_MESSAGE_MAP()
};

class CTestRichEdit : public CImageMenuRichEdit
{
public:
	using CImageMenuRichEdit::m_nTripleClickTimer;
};

// A dialog with a button, an image-menu edit and an image-menu rich edit; the
// edit has the focus.
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

	void Make(CEdit& edit, DWORD dwStyle = 0, const CRect& rc = CRect(10, 10, 170, 60))
	{
		ASSERT_TRUE(
			edit.Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL | dwStyle, rc, &m_dlg, 100));
		edit.SetFocus();
		kt::PumpPending();
	}

	static std::string Text(const CWnd& wnd)
	{
		CString str;
		wnd.GetWindowText(str);
		return str.GetString();
	}

	// Opens a control's context menu at the point, (-1, -1) as from the keyboard.
	static void OpenMenu(CWnd& wnd, CPoint at = CPoint(-1, -1))
	{
		::PostMessageA(wnd.GetSafeHwnd(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(wnd.GetSafeHwnd()),
			MAKELPARAM(at.x, at.y));
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

	// Sends the dialog a command as its menu or an accelerator would.
	void Command(UINT nID)
	{
		m_dlg.SendMessage(WM_COMMAND, nID, 0);
		kt::PumpPending();
	}

	kt::DialogTemplate m_tmpl{ "Edits", 200, 120 };
	CEditDialog m_dlg;
	CTestEdit m_edit;
	CTestRichEdit m_rich;
};
