// ImageMenuEditTests.cpp - CImageMenuEdit and CBackgroundEdit on real windows: menu, clicks, frame, colours.
//
// Classes in this file:
//   CTestEdit, CTestBackgroundEdit, ImageMenuEditTest, FramePixels
#include <kavrotest/TestSupport.h>

#include <kavro/ImageMenuEdit.h>
#include <qtx/Support.h>

#include "EditTestSupport.h"

#include <string>

namespace
{

const UINT kId = 100;
const CRect kEditRect(10, 10, 170, 60);

// Derived as an application would: its own Edit-menu paste, and a look at
// the triple-click timer.
class CTestEdit : public CImageMenuEdit
{
public:
	using CImageMenuEdit::m_nTripleClickTimer;
	int m_nPasteCommands = 0;
	int m_nPasteUpdates = 0;

protected:
	afx_msg void OnEditPaste()
	{
		++m_nPasteCommands;
		Paste();
	}
	afx_msg void OnUpdateEditPaste(CCmdUI* /*pCmdUI*/) { ++m_nPasteUpdates; }
	DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTestEdit, CImageMenuEdit)
	ON_COMMAND(ID_EDIT_PASTE, &CTestEdit::OnEditPaste)
	ON_UPDATE_COMMAND_UI(ID_EDIT_PASTE, &CTestEdit::OnUpdateEditPaste)
END_MESSAGE_MAP()

class CTestBackgroundEdit : public CBackgroundEdit
{
public:
	using CBackgroundEdit::m_nWheelScrollLines;
};

class ImageMenuEditTest : public ::testing::Test
{
protected:
	void Make(CEdit& edit, DWORD dwStyle = 0, const CRect& rc = kEditRect)
	{
		ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL | dwStyle, rc, &m_host, kId));
		edit.SetFocus();
		kt::PumpPending();
	}

	std::string Text(const CWnd& wnd) const
	{
		CString str;
		wnd.GetWindowText(str);
		return str.GetString();
	}

	kt::HostWindow m_host{ 320, 200, RGB(0, 128, 128) };
	CTestEdit m_edit;
};

// ---------------------------------------------------------------------------
// The popup menu

TEST_F(ImageMenuEditTest, MenuOffersWhatTheEditAndTheClipboardAllow)
{
	Make(m_edit);
	kt::MenuAnswer answer(m_edit.GetSafeHwnd());
	enum Clip
	{
		Text,
		Empty,
		Bitmap,
		Held
	};
	const struct
	{
		bool bReadOnly, bSelect, bUndo;
		Clip clip;
		const char* letters;
	} rows[] = {
		{ false, false, false, Text, "u-ctdP-A" },
		{ false, true, false, Text, "u-CTDP-A" },
		{ false, true, true, Empty, "U-CTDp-A" },
		{ false, false, false, Bitmap, "u-ctdp-A" },
		// Another program holding the clipboard open does not stop the menu.
		{ false, false, false, Held, "u-ctdP-A" },
		{ true, true, false, Text, "C-A" },
		{ true, false, false, Text, "c-A" },
	};
	for (const auto& r : rows)
	{
		m_edit.SetReadOnly(r.bReadOnly);
		m_edit.SetWindowText("alpha beta");
		m_edit.EmptyUndoBuffer();
		if (r.bUndo)
		{
			m_edit.SetSel(0, 0);
			m_edit.ReplaceSel("x", TRUE);
		}
		m_edit.SetSel(r.bSelect ? 0 : 2, 2);
		et::SetClipboardText(r.clip == Empty ? NULL : "clip");
		if (r.clip == Bitmap)
			et::SetClipboardBitmap();
		{
			std::unique_ptr<et::ClipboardHolder> holder(r.clip == Held ? new et::ClipboardHolder : nullptr);
			et::OpenMenuFromKeyboard(m_edit.GetSafeHwnd());
		}
		EXPECT_EQ(et::MenuLetters(answer), r.letters) << r.bReadOnly << r.bSelect << r.bUndo << r.clip;
	}
}

TEST_F(ImageMenuEditTest, SelectAllIsGreyedWhenThereIsNothingMoreToSelect)
{
	Make(m_edit);
	kt::MenuAnswer answer(m_edit.GetSafeHwnd());
	et::SetClipboardText(NULL);
	const struct
	{
		const char* text;
		int nStart, nEnd;
		const char* letters;
	} rows[] = { { "", 0, 0, "u-ctdp-a" }, { "abc", 0, 3, "u-CTDp-a" }, { "abc", 0, 2, "u-CTDp-A" },
		{ "abc", 1, 3, "u-CTDp-A" } };
	for (const auto& r : rows)
	{
		m_edit.SetWindowText(r.text);
		m_edit.SetSel(r.nStart, r.nEnd);
		et::OpenMenuFromKeyboard(m_edit.GetSafeHwnd());
		EXPECT_EQ(et::MenuLetters(answer), r.letters) << r.text << r.nStart << r.nEnd;
	}
}

TEST_F(ImageMenuEditTest, KeyboardMenuOpensBelowTheControlAndMouseMenuAtThePoint)
{
	Make(m_edit);
	kt::MenuAnswer answer(m_edit.GetSafeHwnd());
	CRect rcWindow;
	m_edit.GetWindowRect(&rcWindow);
	et::OpenMenuFromKeyboard(m_edit.GetSafeHwnd());
	ASSERT_EQ(answer.Loops(), 1);
	EXPECT_EQ(CPoint(answer.MenuRect().left, answer.MenuRect().top), CPoint(rcWindow.left, rcWindow.bottom));

	const CPoint at = rcWindow.CenterPoint();
	::PostMessageA(m_edit.GetSafeHwnd(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(m_edit.GetSafeHwnd()),
		MAKELPARAM(at.x, at.y));
	kt::PumpPending();
	ASSERT_EQ(answer.Loops(), 2);
	EXPECT_EQ(CPoint(answer.MenuRect().left, answer.MenuRect().top), at);
}

TEST_F(ImageMenuEditTest, EachMenuCommandIsCarriedOut)
{
	Make(m_edit);
	kt::MenuAnswer answer(m_edit.GetSafeHwnd());
	// With every item enabled the arrow keys step through them in order:
	// undo, copy, cut, delete, paste, select all.
	const UINT D = VK_DOWN, R = VK_RETURN;
	const struct
	{
		std::initializer_list<UINT> keys;
		const char *text, *clipboard;
		int nSelStart, nSelEnd;
	} rows[] = {
		{ { D, R }, "alpha beta", "clip", 0, 0 },                  // undo: the typed x goes
		{ { D, D, R }, "xalpha beta", "xa", 0, 2 },                // copy
		{ { D, D, D, R }, "lpha beta", "xa", 0, 0 },               // cut
		{ { D, D, D, D, R }, "lpha beta", "clip", 0, 0 },          // delete
		{ { D, D, D, D, D, R }, "cliplpha beta", "clip", 4, 4 },   // paste, once
		{ { D, D, D, D, D, D, R }, "xalpha beta", "clip", 0, 11 }, // select all
	};
	for (const auto& r : rows)
	{
		m_edit.SetWindowText("alpha beta");
		m_edit.SetSel(0, 0);
		m_edit.ReplaceSel("x", TRUE);
		m_edit.SetSel(0, 2);
		et::SetClipboardText("clip");
		answer.Press(r.keys);
		et::OpenMenuFromKeyboard(m_edit.GetSafeHwnd());
		int nStart = -1, nEnd = -1;
		m_edit.GetSel(nStart, nEnd);
		EXPECT_EQ(Text(m_edit), r.text) << r.keys.size();
		EXPECT_EQ(et::ClipboardText(), r.clipboard) << r.keys.size();
		EXPECT_EQ(nStart, r.nSelStart) << r.keys.size();
		EXPECT_EQ(nEnd, r.nSelEnd) << r.keys.size();
	}
}

TEST_F(ImageMenuEditTest, PasteFailsQuietlyWhileAnotherThreadHoldsTheClipboard)
{
	Make(m_edit);
	m_edit.SetWindowText("abc");
	et::SetClipboardText("clip");
	et::ClipboardHolder holder;
	ASSERT_TRUE(holder.IsOpen());
	m_edit.SendMessage(WM_COMMAND, WM_PASTE);
	EXPECT_EQ(Text(m_edit), "abc");
}

// ---------------------------------------------------------------------------
// The paste-command fix

TEST_F(ImageMenuEditTest, PasteFixSwallowsOnlyTheRoutedPasteCommand)
{
	Make(m_edit);
	et::SetClipboardText("p");
	CCmdUI state;
	state.m_nID = ID_EDIT_PASTE;
	for (bool bFix : { false, true })
	{
		if (bFix)
			m_edit.SetFixDoubleTextPasteBug();
		m_edit.SetWindowText("");
		m_edit.m_nPasteCommands = m_edit.m_nPasteUpdates = 0;
		// The application's Edit menu: an update request, then the command.
		m_edit.OnCmdMsg(ID_EDIT_PASTE, static_cast<int>(CN_UPDATE_COMMAND_UI), &state, NULL);
		EXPECT_TRUE(m_edit.OnCmdMsg(ID_EDIT_PASTE, CN_COMMAND, NULL, NULL));
		// The edit's own paste: Ctrl+V arrives as WM_PASTE.
		m_edit.SendMessage(WM_PASTE);
		EXPECT_EQ(m_edit.m_nPasteUpdates, 1) << bFix;
		EXPECT_EQ(m_edit.m_nPasteCommands, bFix ? 0 : 1) << bFix;
		EXPECT_EQ(Text(m_edit), bFix ? "p" : "pp") << bFix;
	}
}

// ---------------------------------------------------------------------------
// Triple click

TEST_F(ImageMenuEditTest, ThirdClickInsideTheDoubleClickTimeSelectsEverything)
{
	Make(m_edit);
	m_edit.SetWindowText("alpha beta gamma");
	const CPoint inBeta = m_edit.PosFromChar(8) + CPoint(1, 2);
	for (bool bSlow : { false, true })
	{
		m_edit.SetSel(0, 0);
		et::DoubleClick(m_edit.GetSafeHwnd(), inBeta);
		int nStart = -1, nEnd = -1;
		m_edit.GetSel(nStart, nEnd);
		EXPECT_EQ(nEnd - nStart, 5) << "a double click selects the word";
		if (bSlow)
		{
			EXPECT_TRUE(kt::PumpUntil([this] { return m_edit.m_nTripleClickTimer == 0; }, 5000));
		}
		et::Click(m_edit.GetSafeHwnd(), WM_LBUTTONDOWN, inBeta);
		et::Click(m_edit.GetSafeHwnd(), WM_LBUTTONUP, inBeta);
		m_edit.GetSel(nStart, nEnd);
		EXPECT_EQ(nStart, bSlow ? 8 : 0) << bSlow;
		EXPECT_EQ(nEnd, bSlow ? 8 : 16) << bSlow;
	}
}

// ---------------------------------------------------------------------------
// Frame: centring, bands and border

class FramePixels
{
public:
	explicit FramePixels(CWnd& wnd)
	{
		CRect rc;
		wnd.GetWindowRect(&rc);
		HDC hdc = ::GetWindowDC(wnd.GetSafeHwnd());
		m_shot = kt::Snapshot(hdc, { 0, 0, rc.Width(), rc.Height() });
		::ReleaseDC(wnd.GetSafeHwnd(), hdc);
	}
	kt::Snapshot m_shot;
};

int LineHeight(CWnd& wnd)
{
	CClientDC dc(&wnd);
	CFont* pOld = dc.SelectObject(wnd.GetFont());
	CRect rc(0, 0, 0, 0);
	dc.DrawText("gM", &rc, DT_CALCRECT);
	dc.SelectObject(pOld);
	return rc.Height();
}

TEST_F(ImageMenuEditTest, CentredLineSitsBetweenBandsInsideTheBorder)
{
	const COLORREF kBorder = RGB(200, 0, 0);
	const struct
	{
		int cy;
		bool bEnabled;
	} rows[] = { { 50, true }, { 41, false }, { 8, true } };
	for (const auto& r : rows)
	{
		CImageMenuEdit edit;
		Make(edit, 0, CRect(10, 10, 170, 10 + r.cy));
		edit.SetVerticallyCentered();
		edit.SetBorderColor(kBorder);
		edit.EnableWindow(r.bEnabled);
		// The first paint asks for the frame calculation.
		edit.Invalidate();
		kt::FlushPaint(m_host.GetSafeHwnd());
		kt::FlushPaint(m_host.GetSafeHwnd());

		const int nText = LineHeight(edit);
		const int nOffset = r.cy >= nText ? (r.cy - nText) / 2 : 0;
		CRect rcClient;
		edit.GetClientRect(&rcClient);
		EXPECT_EQ(rcClient.Height(), r.cy - 2 * nOffset) << r.cy;
		EXPECT_EQ(rcClient.Width(), 158) << r.cy;

		const kt::Snapshot& shot = FramePixels(edit).m_shot;
		const COLORREF crBand = r.bEnabled ? RGB(255, 255, 255) : RGB(240, 240, 240);
		// Without bands the client area reaches the top and bottom rows.
		for (int x : { 0, 80, 159 })
		{
			if (nOffset == 0 && x == 80)
				continue;
			EXPECT_EQ(shot.At(x, 0), kBorder) << x;
			EXPECT_EQ(shot.At(x, r.cy - 1), kBorder) << x;
		}
		EXPECT_EQ(shot.At(0, r.cy / 2), kBorder);
		EXPECT_EQ(shot.At(159, r.cy / 2), kBorder);
		const CRect rcTop(1, 1, 159, nOffset), rcBottom(1, r.cy - nOffset, 159, r.cy - 1);
		EXPECT_EQ(shot.Count(crBand, rcTop), std::max(0, rcTop.Width() * rcTop.Height())) << r.cy;
		EXPECT_EQ(shot.Count(crBand, rcBottom), std::max(0, rcBottom.Width() * rcBottom.Height())) << r.cy;
	}
}

TEST_F(ImageMenuEditTest, BorderKeepsItsColourAfterScrolling)
{
	const COLORREF kBorder = RGB(0, 0, 200);
	CImageMenuEdit edit;
	// The edit draws a WS_BORDER frame inside its client area itself; the
	// coloured border lies in the non-client edge that dialogs give edits.
	Make(edit, ES_MULTILINE | WS_VSCROLL);
	edit.ModifyStyleEx(0, WS_EX_CLIENTEDGE, SWP_FRAMECHANGED);
	edit.SetBorderColor(kBorder);
	CString strText;
	for (int i = 0; i < 40; ++i)
		strText += "line\r\n";
	edit.SetWindowText(strText);
	edit.SendMessage(WM_VSCROLL, SB_PAGEDOWN);
	kt::FlushPaint(m_host.GetSafeHwnd());
	EXPECT_GT(edit.GetFirstVisibleLine(), 0);
	const kt::Snapshot& shot = FramePixels(edit).m_shot;
	EXPECT_EQ(shot.At(0, 0), kBorder);
	EXPECT_EQ(shot.At(kEditRect.Width() - 1, kEditRect.Height() - 1), kBorder);
	EXPECT_EQ(shot.At(kEditRect.Width() / 2, kEditRect.Height() - 1), kBorder);
}

// ---------------------------------------------------------------------------
// Background edit

TEST_F(ImageMenuEditTest, BackgroundEditPaintsItsColoursWholeAfterEveryChange)
{
	CBackgroundEdit edit;
	Make(edit, ES_MULTILINE);
	const COLORREF kBack = RGB(20, 40, 160), kText = RGB(255, 255, 0);
	edit.SetColors(kBack, kText);
	edit.SetWindowText("Hello");
	kt::FlushPaint(m_host.GetSafeHwnd());
	kt::Snapshot shot(edit.GetSafeHwnd());
	EXPECT_GT(shot.Count(kText), 10);
	EXPECT_GT(shot.Count(kBack), shot.Width() * shot.Height() / 2);

	const struct
	{
		UINT message;
		WPARAM wParam;
	} changes[] = { { WM_VSCROLL, SB_LINEDOWN }, { WM_HSCROLL, SB_LINERIGHT }, { WM_CHAR, 'a' },
		{ WM_KEYDOWN, VK_RIGHT }, { WM_SIZE, 0 }, { WM_COPY, 0 }, { WM_CUT, 0 }, { WM_PASTE, 0 },
		{ WM_CLEAR, 0 }, { WM_UNDO, 0 } };
	CRect rcClient;
	edit.GetClientRect(&rcClient);
	for (const auto& c : changes)
	{
		edit.ValidateRect(NULL);
		edit.SendMessage(c.message, c.wParam, 0);
		CRect rcUpdate;
		EXPECT_TRUE(edit.GetUpdateRect(&rcUpdate, FALSE)) << c.message;
		EXPECT_EQ(rcUpdate, rcClient) << c.message;
	}
	edit.ValidateRect(NULL);
	EXPECT_EQ(edit.SendMessage(WM_SETTEXT, 0, reinterpret_cast<LPARAM>("x")), TRUE);
	CRect rcUpdate;
	EXPECT_TRUE(edit.GetUpdateRect(&rcUpdate, FALSE));
}

TEST_F(ImageMenuEditTest, WheelNotchesBecomePostedScrolls)
{
	CTestBackgroundEdit edit;
	Make(edit, ES_MULTILINE);
	const struct
	{
		int nLines;
		short delta;
		int nPosts;
		UINT code;
	} rows[] = { { 3, 120, 3, SB_LINEUP }, { 3, 40, 1, SB_LINEUP }, { 3, -240, 6, SB_LINEDOWN },
		{ 3, 30, 0, 0 }, { -1, 120, 1, SB_PAGEUP }, { -1, -360, 3, SB_PAGEDOWN }, { -1, 100, 0, 0 } };
	for (const auto& r : rows)
	{
		edit.m_nWheelScrollLines = r.nLines;
		kt::Sequence expected = { { WM_MOUSEWHEEL, kt::sent } };
		for (int i = 0; i < r.nPosts; ++i)
			expected.push_back({ WM_VSCROLL, kt::posted | kt::wparam, MAKEWPARAM(r.code, 0) });
		expected.push_back(kt::kSeparator);
		kt::MessageRecorder rec(edit.GetSafeHwnd());
		edit.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, r.delta), MAKELPARAM(20, 20));
		rec.Separate();
		EXPECT_TRUE(rec.Matches(expected, kt::kIncidental)) << r.nLines << " " << r.delta;
	}
}

// ---------------------------------------------------------------------------
// Class, font and bad input

TEST_F(ImageMenuEditTest, RunTimeClassesAndDynamicCreation)
{
	CRuntimeClass* pClass = RUNTIME_CLASS(CImageMenuEdit);
	EXPECT_STREQ(pClass->m_lpszClassName, "CImageMenuEdit");
	EXPECT_TRUE(pClass->IsDerivedFrom(RUNTIME_CLASS(CEdit)));
	std::unique_ptr<CObject> pObject(pClass->CreateObject());
	ASSERT_NE(pObject, nullptr);
	EXPECT_TRUE(pObject->IsKindOf(RUNTIME_CLASS(CImageMenuEdit)));
	CBackgroundEdit background;
	EXPECT_EQ(background.GetRuntimeClass(), pClass);
}

TEST_F(ImageMenuEditTest, FontDefReachesTheEditAndNothingLeaks)
{
	LOGFONTA lf = {};
	lf.lfHeight = -20;
	lstrcpyA(lf.lfFaceName, "Tahoma");
	const int nBefore = kt::CountGdiObjects();
	for (int i = 0; i < 20; ++i)
	{
		CBackgroundEdit edit;
		Make(edit);
		edit.SetFontDef(FontDef(lf, RGB(0, 0, 0)));
		LOGFONTA got = {};
		edit.GetFont()->GetLogFont(&got);
		EXPECT_EQ(got.lfHeight, -20);
		// An empty face stands for the default face.
		edit.SetFontDef(FontDef(LOGFONTA{}, RGB(0, 0, 0)));
		EXPECT_NE(edit.GetFont(), nullptr);
		edit.SetColors(RGB(1, 2, 3), RGB(4, 5, 6));
		edit.SetBorderColor(RGB(7, 8, 9));
		edit.SetVerticallyCentered();
		kt::FlushPaint(m_host.GetSafeHwnd());
		edit.DestroyWindow();
		// A destroyed control takes its setters quietly.
		edit.SetColors(RGB(1, 2, 3), RGB(4, 5, 6));
		edit.SetBorderColor(RGB(7, 8, 9));
		edit.SetFontDef(FontDef(lf, RGB(0, 0, 0)));
	}
	kt::RunIdle();
	EXPECT_LE(kt::CountGdiObjects(), nBefore + 2);
}

} // namespace
