// ImageMenuEditTests.cpp - both edits' popup menu, paste fix and triple click; frame and colours.
//
// Classes in this file:
//   CTestBackgroundEdit
#include "EditTestSupport.h"

#include <memory>

BEGIN_MESSAGE_MAP(CEditDialog, CDialog)
	ON_WM_INITMENUPOPUP()
END_MESSAGE_MAP()

BEGIN_MESSAGE_MAP(CTestEdit, CImageMenuEdit)
	ON_COMMAND(ID_EDIT_PASTE, &CTestEdit::OnEditPaste)
	ON_UPDATE_COMMAND_UI(ID_EDIT_PASTE, &CTestEdit::OnUpdateEditPaste)
END_MESSAGE_MAP()

namespace
{

class CTestBackgroundEdit : public CBackgroundEdit
{
public:
	using CBackgroundEdit::m_nWheelScrollLines;
};

// ---------------------------------------------------------------------------
// The popup menu, the paste fix and the triple click, in both edits

TEST_F(EditTest, PopupMenuOffersWhatTheControlAndTheClipboardAllow)
{
	const struct
	{
		bool bRich, bReadOnly, bUndo;
		const char* text;
		int nStart, nEnd;
		et::Clip clip;
		const char* letters;
	} rows[] = {
		{ false, false, false, "alpha", 2, 2, et::Text, "u-ctdP-A" },
		{ false, false, false, "alpha", 0, 2, et::Text, "u-CTDP-A" },
		{ false, false, true, "alpha", 0, 2, et::Empty, "U-CTDp-A" },
		{ false, false, false, "alpha", 2, 2, et::Bitmap, "u-ctdp-A" },
		// Another thread holding the clipboard open does not stop the menu.
		{ false, false, false, "alpha", 2, 2, et::Held, "u-ctdP-A" },
		{ false, true, false, "alpha", 0, 2, et::Text, "C-A" },
		{ false, true, false, "alpha", 2, 2, et::Text, "c-A" },
		// Select all is greyed when there is nothing more to select.
		{ false, false, false, "", 0, 0, et::Empty, "u-ctdp-a" },
		{ false, false, false, "abc", 0, 3, et::Empty, "u-CTDp-a" },
		{ false, false, false, "abc", 0, 2, et::Empty, "u-CTDp-A" },
		{ false, false, false, "abc", 1, 3, et::Empty, "u-CTDp-A" },
		// The rich edit's select-all ends past its final paragraph mark.
		{ true, false, false, "one\r\ntwo", 0, -1, et::Empty, "u-CTDp-a" },
		{ true, false, true, "one\r\ntwo", 0, 6, et::Text, "U-CTDP-A" },
		{ true, true, false, "one\r\ntwo", 1, 1, et::Empty, "c-A" },
	};
	for (const auto& r : rows)
	{
		CWnd& ctl = r.bRich ? static_cast<CWnd&>(m_rich) : m_edit;
		ctl.SendMessage(EM_SETREADONLY, r.bReadOnly);
		ctl.SetWindowText(r.text);
		ctl.SendMessage(EM_EMPTYUNDOBUFFER);
		if (r.bUndo)
			ctl.SendMessage(EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("x"));
		ctl.SendMessage(EM_SETSEL, r.nStart, r.nEnd);
		et::SetClipboard(r.clip);
		kt::MenuAnswer answer(ctl.GetSafeHwnd());
		et::ClipboardHolder holder(r.clip == et::Held);
		OpenMenu(ctl);
		EXPECT_EQ(et::MenuLetters(answer), r.letters) << &r - rows;
		if (holder.IsOpen())
		{
			// Paste then fails quietly.
			const std::string before = Text(ctl);
			ctl.SendMessage(WM_COMMAND, WM_PASTE);
			EXPECT_EQ(Text(ctl), before);
		}
	}

	// From the keyboard the menu opens below the control, from the mouse at the point.
	kt::MenuAnswer answer(m_edit.GetSafeHwnd());
	CRect rc;
	m_edit.GetWindowRect(&rc);
	for (CPoint at : { CPoint(-1, -1), rc.CenterPoint() })
	{
		OpenMenu(m_edit, at);
		EXPECT_EQ(CPoint(answer.MenuRect().left, answer.MenuRect().top),
			at.x < 0 ? rc.BottomRight() - CSize(rc.Width(), 0) : at);
	}
}

TEST_F(EditTest, EachMenuCommandIsCarriedOut)
{
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
		{ { D, R }, "alpha", "clip", 0, 0 },                 // undo: the typed x goes
		{ { D, D, R }, "xalpha", "xa", 0, 2 },               // copy
		{ { D, D, D, R }, "lpha", "xa", 0, 0 },              // cut
		{ { D, D, D, D, R }, "lpha", "clip", 0, 0 },         // delete
		{ { D, D, D, D, D, R }, "cliplpha", "clip", 4, 4 },  // paste, once
		{ { D, D, D, D, D, D, R }, "xalpha", "clip", 0, 6 }, // select all
	};
	for (const auto& r : rows)
	{
		m_edit.SetWindowText("alpha");
		m_edit.ReplaceSel("x", TRUE);
		m_edit.SetSel(0, 2);
		et::SetClipboard(et::Text);
		answer.Press(r.keys);
		OpenMenu(m_edit);
		int nStart = -1, nEnd = -1;
		m_edit.GetSel(nStart, nEnd);
		EXPECT_EQ(Text(m_edit), r.text) << r.keys.size();
		EXPECT_EQ(et::ClipboardText(), r.clipboard) << r.keys.size();
		EXPECT_EQ(CPoint(nStart, nEnd), CPoint(r.nSelStart, r.nSelEnd)) << r.keys.size();
	}
}

TEST_F(EditTest, PasteFixLeavesOnlyTheControlsOwnPaste)
{
	for (CWnd* pCtl : { static_cast<CWnd*>(&m_edit), static_cast<CWnd*>(&m_rich) })
		for (bool bFix : { false, true })
		{
			if (bFix)
				pCtl == &m_edit ? m_edit.SetFixDoubleTextPasteBug() : m_rich.SetFixDoubleTextPasteBug();
			pCtl->SetFocus();
			pCtl->SetWindowText("");
			et::SetClipboard(et::Text, "p");
			// The update request still passes, so the Edit menu offers paste.
			EXPECT_EQ(EditMenuLetters().substr(3, 1), "P");
			Command(ID_EDIT_PASTE);
			// The control's own paste: the context menu's command.
			pCtl->SendMessage(WM_COMMAND, WM_PASTE);
			EXPECT_EQ(Text(*pCtl), bFix ? "p" : "pp") << (pCtl == &m_rich) << bFix;
		}
}

TEST_F(EditTest, ThirdClickInsideTheDoubleClickTimeSelectsEverything)
{
	m_edit.SetWindowText("alpha beta gamma");
	m_rich.SetWindowText("first line\r\nsecond line\r\nthird");
	for (bool bRich : { false, true })
		for (bool bSlow : { false, true })
		{
			CWnd& ctl = bRich ? static_cast<CWnd&>(m_rich) : m_edit;
			const long nAll = bRich ? m_rich.GetTextLengthEx(GTL_NUMCHARS) : 16;
			const long nChar = bRich ? 14 : 8;
			const CPoint pt = (bRich ? m_rich.GetCharPos(nChar) : m_edit.PosFromChar(nChar)) + CPoint(1, 2);
			ctl.SetFocus();
			ctl.SendMessage(EM_SETSEL, 0, 0);
			et::Clicks(ctl.GetSafeHwnd(), pt,
				{ WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP });
			long nStart = -1, nEnd = -1;
			ctl.SendMessage(EM_GETSEL, reinterpret_cast<WPARAM>(&nStart), reinterpret_cast<LPARAM>(&nEnd));
			EXPECT_GT(nStart, 0) << "a double click selects the word";
			const UINT_PTR& nTimer = bRich ? m_rich.m_nTripleClickTimer : m_edit.m_nTripleClickTimer;
			if (bSlow)
			{
				EXPECT_TRUE(kt::PumpUntil([&nTimer] { return nTimer == 0; }, 5000));
			}
			et::Clicks(ctl.GetSafeHwnd(), pt, { WM_LBUTTONDOWN, WM_LBUTTONUP });
			ctl.SendMessage(EM_GETSEL, reinterpret_cast<WPARAM>(&nStart), reinterpret_cast<LPARAM>(&nEnd));
			EXPECT_EQ(nStart, bSlow ? nChar : 0) << bRich << bSlow;
			EXPECT_TRUE(bSlow ? nEnd == nChar : nEnd >= nAll) << bRich << bSlow << " " << nEnd;
		}
}

// ---------------------------------------------------------------------------
// Frame: centring, bands and border

kt::Snapshot WindowPixels(CWnd& wnd)
{
	CRect rc;
	wnd.GetWindowRect(&rc);
	HDC hdc = ::GetWindowDC(wnd.GetSafeHwnd());
	const kt::Snapshot shot(hdc, { 0, 0, rc.Width(), rc.Height() });
	::ReleaseDC(wnd.GetSafeHwnd(), hdc);
	return shot;
}

TEST_F(EditTest, CentredLineSitsBetweenBandsInsideTheBorder)
{
	const COLORREF kBorder = RGB(200, 0, 0);
	const struct
	{
		bool bRich;
		int cy;
		bool bEnabled;
	} rows[] = { { false, 50, true }, { false, 41, false }, { false, 8, true }, { true, 60, true } };
	for (const auto& r : rows)
	{
		CImageMenuEdit edit;
		CImageMenuRichEdit rich;
		CWnd& ctl = r.bRich ? static_cast<CWnd&>(rich) : edit;
		const int cx = r.bRich ? 200 : 160;
		CFont font;
		if (r.bRich)
		{
			// The flat look trades the client edge for WS_BORDER, which the
			// centred frame covers with its bands.
			rich.SetVerticallyCentered();
			ASSERT_TRUE(rich.Create(WS_CHILD | WS_VISIBLE, CRect(10, 10, 10 + cx, 10 + r.cy), &m_dlg, 103));
			rich.ModifyStyleEx(0, WS_EX_CLIENTEDGE, SWP_FRAMECHANGED);
			rich.SetFlatLook();
			EXPECT_EQ(rich.GetExStyle() & WS_EX_CLIENTEDGE, 0u);
			EXPECT_NE(rich.GetStyle() & WS_BORDER, 0u);
			rich.SetWindowPos(NULL, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED);
			LOGFONTA lf = {};
			GraphicsUtils::SetDefaultFont(lf, "", -1, -1, false, false, false);
			font.CreateFontIndirect(&lf);
		}
		else
		{
			Make(edit, 0, CRect(10, 10, 10 + cx, 10 + r.cy));
			edit.SetVerticallyCentered();
			edit.SetBorderColor(kBorder);
			edit.EnableWindow(r.bEnabled);
			// The first paint asks for the frame calculation.
			edit.Invalidate();
			kt::FlushPaint(m_dlg.GetSafeHwnd());
		}
		kt::FlushPaint(m_dlg.GetSafeHwnd());

		CClientDC dc(&ctl);
		CFont* pOld = dc.SelectObject(r.bRich ? &font : ctl.GetFont());
		CRect rcText(0, 0, 0, 0);
		dc.DrawText("gM", &rcText, DT_CALCRECT);
		dc.SelectObject(pOld);
		const int nOffset = std::max(0, (r.cy - rcText.Height()) / 2);
		CRect rcClient;
		ctl.GetClientRect(&rcClient);
		EXPECT_EQ(rcClient.Size(), CSize(r.bRich ? cx : cx - 2, r.cy - 2 * nOffset)) << r.cy;

		const kt::Snapshot shot = WindowPixels(ctl);
		const COLORREF crBand =
			r.bRich ? ::GetSysColor(COLOR_WINDOW) : (r.bEnabled ? RGB(255, 255, 255) : RGB(240, 240, 240));
		const int nRim = r.bRich ? 0 : 1;
		const CRect rcTop(nRim, nRim, cx - nRim, nOffset),
			rcBottom(nRim, r.cy - nOffset, cx - nRim, r.cy - nRim);
		EXPECT_EQ(shot.Count(crBand, rcTop), std::max(0, rcTop.Width() * rcTop.Height())) << r.cy;
		EXPECT_EQ(shot.Count(crBand, rcBottom), std::max(0, rcBottom.Width() * rcBottom.Height())) << r.cy;
		if (r.bRich)
			continue;
		// The border runs all round, over the bands; without bands the
		// client area reaches the top and bottom rows between the corners.
		for (CPoint pt : { CPoint(0, 0), CPoint(cx / 2, 0), CPoint(cx - 1, r.cy - 1), CPoint(0, r.cy / 2),
				 CPoint(cx - 1, r.cy / 2) })
		{
			if (nOffset > 0 || pt.x == 0 || pt.x == cx - 1)
			{
				EXPECT_EQ(shot.At(pt.x, pt.y), kBorder) << r.cy << " " << pt.x << "," << pt.y;
			}
		}
	}
}

TEST_F(EditTest, BorderKeepsItsColourAfterScrolling)
{
	const COLORREF kBorder = RGB(0, 0, 200);
	CImageMenuEdit edit;
	// The coloured border lies in the non-client edge that dialogs give edits.
	Make(edit, ES_MULTILINE | WS_VSCROLL);
	edit.ModifyStyleEx(0, WS_EX_CLIENTEDGE, SWP_FRAMECHANGED);
	edit.SetBorderColor(kBorder);
	CString strText;
	for (int i = 0; i < 40; ++i)
		strText += "line\r\n";
	edit.SetWindowText(strText);
	edit.SendMessage(WM_VSCROLL, SB_PAGEDOWN);
	kt::FlushPaint(m_dlg.GetSafeHwnd());
	EXPECT_GT(edit.GetFirstVisibleLine(), 0);
	const kt::Snapshot shot = WindowPixels(edit);
	for (CPoint pt : { CPoint(0, 0), CPoint(159, 49), CPoint(80, 49) })
		EXPECT_EQ(shot.At(pt.x, pt.y), kBorder) << pt.x << "," << pt.y;
}

// ---------------------------------------------------------------------------
// Background edit

TEST_F(EditTest, BackgroundEditPaintsItsColoursWholeAfterEveryChange)
{
	CBackgroundEdit edit;
	Make(edit, ES_MULTILINE);
	const COLORREF kBack = RGB(20, 40, 160), kText = RGB(255, 255, 0);
	edit.SetColors(kBack, kText);
	edit.SetWindowText("Hello");
	kt::FlushPaint(m_dlg.GetSafeHwnd());
	kt::Snapshot shot(edit.GetSafeHwnd());
	EXPECT_GT(shot.Count(kText), 10);
	EXPECT_GT(shot.Count(kBack), shot.Width() * shot.Height() / 2);

	const struct
	{
		UINT message;
		WPARAM wParam;
	} changes[] = { { WM_VSCROLL, SB_LINEDOWN }, { WM_HSCROLL, SB_LINERIGHT }, { WM_CHAR, 'a' },
		{ WM_KEYDOWN, VK_RIGHT }, { WM_SIZE, 0 }, { WM_COPY, 0 }, { WM_CUT, 0 }, { WM_PASTE, 0 },
		{ WM_CLEAR, 0 }, { WM_UNDO, 0 }, { WM_SETTEXT, 0 } };
	CRect rcClient;
	edit.GetClientRect(&rcClient);
	for (const auto& c : changes)
	{
		edit.ValidateRect(NULL);
		EXPECT_EQ(edit.SendMessage(c.message, c.wParam, c.message == WM_SETTEXT ? (LPARAM) "x" : 0),
			c.message == WM_SETTEXT ? TRUE : 0)
			<< c.message;
		CRect rcUpdate;
		EXPECT_TRUE(edit.GetUpdateRect(&rcUpdate, FALSE)) << c.message;
		EXPECT_EQ(rcUpdate, rcClient) << c.message;
	}
}

TEST_F(EditTest, WheelNotchesBecomePostedScrolls)
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
// Classes, fonts and controls without a window

TEST_F(EditTest, FontsClassesAndControlsWithoutAWindow)
{
	// The background edit reports the image-menu edit's run-time class.
	EXPECT_EQ(CBackgroundEdit().GetRuntimeClass(), RUNTIME_CLASS(CImageMenuEdit));
	for (CRuntimeClass* pClass : { RUNTIME_CLASS(CImageMenuEdit), RUNTIME_CLASS(CImageMenuRichEdit) })
	{
		std::unique_ptr<CObject> pObject(pClass->CreateObject());
		EXPECT_TRUE(pObject && pObject->IsKindOf(pClass)) << pClass->m_lpszClassName;
	}

	LOGFONTA lf = {};
	lf.lfHeight = -20;
	lstrcpyA(lf.lfFaceName, "Tahoma");
	m_rich.SetFontDef(FontDef(lf, RGB(200, 10, 20)));
	CHARFORMAT cf = {};
	m_rich.GetDefaultCharFormat(cf);
	EXPECT_EQ(cf.crTextColor, RGB(200, 10, 20));
	EXPECT_EQ(cf.dwEffects & CFE_AUTOCOLOR, 0u);

	const int nBefore = kt::CountGdiObjects();
	for (int i = 0; i < 20; ++i)
	{
		CBackgroundEdit edit;
		CImageMenuRichEdit rich;
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
		kt::FlushPaint(m_dlg.GetSafeHwnd());
		edit.DestroyWindow();
		// A control without a window takes its operations quietly.
		edit.SetColors(RGB(1, 2, 3), RGB(4, 5, 6));
		edit.SetBorderColor(RGB(7, 8, 9));
		edit.SetFontDef(FontDef(lf, RGB(0, 0, 0)));
		rich.SetFontDef(FontDef());
		rich.SetFlatLook();
		rich.ScrollToTheTop();
		rich.DoEditUndo();
		EXPECT_FALSE(rich.IsModified());
		EXPECT_FALSE(rich.CanEnableEditUndo());
		EXPECT_EQ(rich.GetPercentFull(), 0);
	}
	kt::RunIdle();
	EXPECT_LE(kt::CountGdiObjects(), nBefore + 2);
}

} // namespace
