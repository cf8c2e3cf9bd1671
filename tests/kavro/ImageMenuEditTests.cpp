// ImageMenuEditTests.cpp - both edits' menus, commands, paste fix and triple click; frame and colours.
//
// Classes in this file:
//   CTestBackgroundEdit
#include "EditTestSupport.h"

#include <memory>

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

TEST_F(EditTest, PopupMenuOffersWhatTheControlAndTheClipboardAllow)
{
	const struct
	{
		bool bRich, bReadOnly, bUndo;
		const char* text;
		int nStart, nEnd;
		char clip;
		const char* letters;
	} rows[] = {
		{ false, false, false, "alpha", 2, 2, 'T', "u-ctdP-A" },
		{ false, false, true, "alpha", 0, 2, '-', "U-CTDp-A" },
		{ false, false, false, "alpha", 2, 2, 'B', "u-ctdp-A" },
		{ false, false, false, "alpha", 2, 2, 'H', "u-ctdP-A" },
		{ false, true, false, "alpha", 0, 2, 'T', "C-A" },
		{ false, true, false, "alpha", 2, 2, 'T', "c-A" },
		// Select all is greyed when there is nothing more to select.
		{ false, false, false, "", 0, 0, '-', "u-ctdp-a" },
		{ false, false, false, "abc", 0, 3, '-', "u-CTDp-a" },
		{ false, false, false, "abc", 0, 2, '-', "u-CTDp-A" },
		{ false, false, false, "abc", 1, 3, '-', "u-CTDp-A" },
		// The rich edit's select-all ends past its final paragraph mark.
		{ true, false, false, "one\r\ntwo", 0, -1, '-', "u-CTDp-a" },
		{ true, false, true, "one\r\ntwo", 0, 6, 'T', "U-CTDP-A" },
		{ true, true, false, "one\r\ntwo", 1, 1, '-', "c-A" },
	};
	for (const auto& r : rows)
	{
		CWnd& ctl = r.bRich ? static_cast<CWnd&>(m_rich) : m_edit;
		ctl.SendMessage(EM_SETREADONLY, r.bReadOnly);
		ctl.SetWindowText(r.text);
		if (r.bUndo)
			ctl.SendMessage(EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("x"));
		ctl.SendMessage(EM_SETSEL, r.nStart, r.nEnd);
		et::SetClipboard(r.clip);
		kt::MenuAnswer answer(ctl.GetSafeHwnd());
		// Another thread holding the clipboard open does not stop the menu,
		// and paste then fails quietly.
		et::WhileClipboardHeld(r.clip == 'H',
			[&]
			{
				OpenMenu(ctl);
				if (r.clip == 'H')
					ctl.SendMessage(WM_COMMAND, WM_PASTE);
			});
		EXPECT_EQ(et::MenuLetters(answer), r.letters) << &r - rows;
		EXPECT_EQ(Text(ctl), std::string(r.bUndo ? "x" : "") + r.text) << &r - rows;
	}

	// From the keyboard the menu opens below the control, from the mouse at the point.
	kt::MenuAnswer answer(m_edit.GetSafeHwnd());
	CRect rc;
	m_edit.GetWindowRect(&rc);
	for (CPoint at : { CPoint(-1, -1), rc.CenterPoint() })
	{
		OpenMenu(m_edit, at);
		EXPECT_EQ(CRect(answer.MenuRect()).TopLeft(), at.x < 0 ? CPoint(rc.left, rc.bottom) : at);
	}
}

TEST_F(EditTest, CommandsOfBothMenusAndTheReadOnlyModeThatRefusesThem)
{
	const struct
	{
		UINT nID;
		int nStart, nEnd;
		const char *text, *clipboard;
	} rows[] = {
		{ WM_UNDO, 6, 6, "hello", "clip" }, // the typed z goes
		{ WM_COPY, 0, 2, "helloz", "he" },
		{ WM_CUT, 0, 2, "lloz", "he" },
		{ WM_CLEAR, 1, 3, "hloz", "clip" },
		{ WM_PASTE, 1, 1, "hclipelloz", "clip" },
		{ 0x7400, 1, 1, "helloz", "clip" }, // select all
		// The Edit menu's, through the dialog: only the rich edit has them.
		{ ID_EDIT_UNDO, 6, 6, "hello", "clip" },
		{ ID_EDIT_COPY, 0, 2, "helloz", "he" },
		{ ID_EDIT_CUT, 0, 2, "lloz", "he" },
		{ ID_EDIT_CLEAR, 1, 3, "hloz", "clip" },
		{ ID_EDIT_CLEAR, 1, 1, "hlloz", "clip" },  // the character after the caret
		{ ID_EDIT_CLEAR, 6, 6, "helloz", "clip" }, // at the end: nothing
		{ ID_EDIT_PASTE, 1, 1, "hclipelloz", "clip" },
		{ ID_EDIT_SELECT_ALL, 1, 1, "helloz", "clip" },
	};
	// The edit, the rich edit, and the rich edit acting as read-only.
	for (int nPass = 0; nPass < 3; ++nPass)
	{
		CWnd& ctl = nPass == 0 ? static_cast<CWnd&>(m_edit) : m_rich;
		if (nPass == 2)
			m_rich.ActAsReadonly();
		ctl.SetFocus();
		for (const auto& r : rows)
		{
			if (nPass == 0 && r.nID >= ID_EDIT_CLEAR)
				continue;
			ctl.SetWindowText("hello");
			ctl.SendMessage(EM_SETSEL, 5, 5);
			ctl.SendMessage(WM_CHAR, 'z');
			// Acting as read-only, a raised flag is not reported (nor cleared).
			ctl.SendMessage(EM_SETMODIFY, nPass == 2);
			ctl.SendMessage(EM_SETSEL, r.nStart, r.nEnd);
			et::SetClipboard('T');
			(r.nID < ID_EDIT_CLEAR ? ctl : m_dlg).SendMessage(WM_COMMAND, r.nID);
			const bool bSelectAll = r.nID == 0x7400 || r.nID == ID_EDIT_SELECT_ALL;
			const bool bRefused = nPass == 2 && r.nID != WM_COPY && r.nID != ID_EDIT_COPY && !bSelectAll;
			EXPECT_EQ(Text(ctl), bRefused ? "helloz" : r.text) << r.nID << " " << nPass;
			EXPECT_EQ(et::ClipboardText(), bRefused ? "clip" : r.clipboard) << r.nID << " " << nPass;
			EXPECT_TRUE(!bSelectAll || (Sel(ctl).x == 0 && Sel(ctl).y >= 6))
				<< r.nID << " " << nPass << " " << Sel(ctl).x << "-" << Sel(ctl).y;
			EXPECT_TRUE(nPass < 2 || (!m_rich.IsModified() && m_rich.GetModify())) << r.nID;
		}
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
			pCtl->SendMessage(WM_CHAR, 'z');
			pCtl->SendMessage(EM_SETSEL, 0, 1);
			et::SetClipboard('T', "p");
			// The control's own paste, chosen in its menu: undo, copy, cut,
			// delete, paste.
			kt::MenuAnswer answer(pCtl->GetSafeHwnd());
			answer.Press({ VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN });
			OpenMenu(*pCtl);
			EXPECT_EQ(et::MenuLetters(answer).substr(0, 6), "U-CTDP");
			// The update request still reaches the handler, so the Edit menu
			// offers paste only with text on the clipboard.
			et::SetClipboard('-');
			EXPECT_EQ(EditMenuLetters()[3], 'p');
			et::SetClipboard('T', "p");
			EXPECT_EQ(EditMenuLetters()[3], 'P');
			m_dlg.SendMessage(WM_COMMAND, ID_EDIT_PASTE);
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
			const int nAll = bRich ? m_rich.GetTextLengthEx(GTL_NUMCHARS) : 16, nChar = bRich ? 14 : 8;
			const CPoint pt = (bRich ? m_rich.GetCharPos(nChar) : m_edit.PosFromChar(nChar)) + CPoint(1, 2);
			ctl.SetFocus();
			ctl.SendMessage(EM_SETSEL, 0, 0);
			Clicks(ctl, pt, { WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP });
			EXPECT_GT(Sel(ctl).x, 0) << "a double click selects the word";
			const UINT_PTR& nTimer = bRich ? m_rich.m_nTripleClickTimer : m_edit.m_nTripleClickTimer;
			EXPECT_TRUE(!bSlow || kt::PumpUntil([&nTimer] { return nTimer == 0; }, 5000));
			Clicks(ctl, pt, { WM_LBUTTONDOWN, WM_LBUTTONUP });
			const CPoint sel = Sel(ctl);
			EXPECT_TRUE(bSlow ? sel == CPoint(nChar, nChar) : sel.x == 0 && sel.y >= nAll)
				<< bRich << bSlow << " " << sel.x << "-" << sel.y;
		}
}

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
		bool bRich, bEnabled;
		int cy;
	} rows[] = { { false, true, 50 }, { false, false, 41 }, { false, true, 8 }, { true, true, 60 } };
	for (const auto& r : rows)
	{
		CImageMenuEdit edit;
		CImageMenuRichEdit rich;
		CWnd& ctl = r.bRich ? static_cast<CWnd&>(rich) : edit;
		const int cx = r.bRich ? 200 : 160;
		rich.SetVerticallyCentered();
		Make(ctl, 0, CRect(10, 10, 10 + cx, 10 + r.cy));
		edit.SetVerticallyCentered();
		edit.SetBorderColor(kBorder);
		ctl.EnableWindow(r.bEnabled);
		if (r.bRich)
		{
			// The flat look trades the client edge for WS_BORDER, which the
			// bands cover; the frame waits for the next calculation.
			rich.ModifyStyleEx(0, WS_EX_CLIENTEDGE, SWP_FRAMECHANGED);
			rich.SetFlatLook();
			EXPECT_EQ(rich.GetExStyle() & WS_EX_CLIENTEDGE, 0u);
			rich.SetWindowPos(NULL, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED);
		}
		// The edit's first paint asks for the frame calculation; the bands
		// must not keep what was painted there before, even in that paint.
		CWindowDC(&ctl).FillSolidRect(0, 0, cx, r.cy, RGB(1, 2, 3));
		ctl.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);

		LOGFONTA lf = {};
		GraphicsUtils::SetDefaultFont(lf, "", -1, -1, false, false, false);
		CFont font;
		font.CreateFontIndirect(&lf);
		CClientDC dc(&ctl);
		CFont* pOld = dc.SelectObject(r.bRich ? &font : ctl.GetFont());
		CRect rcText(0, 0, 0, 0);
		dc.DrawText("gM", &rcText, DT_CALCRECT);
		dc.SelectObject(pOld);
		const int nOffset = std::max(0, (r.cy - rcText.Height()) / 2), nRim = r.bRich ? 0 : 1;
		CRect rcClient;
		ctl.GetClientRect(&rcClient);
		EXPECT_EQ(rcClient.Size(), CSize(cx - 2 * nRim, r.cy - 2 * nOffset)) << r.cy;

		const kt::Snapshot shot = WindowPixels(ctl);
		const COLORREF crBand = r.bRich      ? ::GetSysColor(COLOR_WINDOW)
								: r.bEnabled ? RGB(255, 255, 255)
											 : RGB(240, 240, 240);
		for (CRect rc :
			{ CRect(nRim, nRim, cx - nRim, nOffset), CRect(nRim, r.cy - nOffset, cx - nRim, r.cy - nRim) })
			EXPECT_EQ(shot.Count(crBand, rc), std::max(0, rc.Width() * rc.Height())) << r.cy;
		// The border runs all round, over the bands; without bands the
		// client area reaches the top and bottom rows between the corners.
		for (CPoint pt : { CPoint(0, 0), CPoint(cx - 1, r.cy - 1), CPoint(0, r.cy / 2), CPoint(cx / 2, 0) })
			EXPECT_TRUE(r.bRich || (nOffset == 0 && pt.x == cx / 2) || shot.At(pt.x, pt.y) == kBorder)
				<< r.cy << " " << pt.x;
	}
}

TEST_F(EditTest, BackgroundEditRepaintsWholeAfterEveryChangeAndKeepsItsBorder)
{
	const COLORREF kBack = RGB(20, 40, 160), kText = RGB(255, 255, 0), kBorder = RGB(0, 200, 0);
	CBackgroundEdit edit;
	// The coloured border lies in the non-client edge that dialogs give edits.
	Make(edit, ES_MULTILINE | WS_VSCROLL);
	edit.ModifyStyleEx(0, WS_EX_CLIENTEDGE, SWP_FRAMECHANGED);
	edit.SetColors(kBack, kText);
	edit.SetBorderColor(kBorder);
	edit.SetWindowText("Hello");
	kt::FlushPaint(m_dlg.GetSafeHwnd());
	kt::Snapshot shot(edit.GetSafeHwnd());
	EXPECT_GT(shot.Count(kText), 10);
	EXPECT_GT(shot.Count(kBack), shot.Width() * shot.Height() / 2);

	const UINT changes[][2] = { { WM_VSCROLL, SB_LINEDOWN }, { WM_HSCROLL, SB_LINERIGHT }, { WM_CHAR, 'a' },
		{ WM_KEYDOWN, VK_RIGHT }, { WM_SIZE, 0 }, { WM_COPY, 0 }, { WM_CUT, 0 }, { WM_PASTE, 0 },
		{ WM_CLEAR, 0 }, { WM_UNDO, 0 }, { WM_SETTEXT, 0 } };
	CRect rcClient, rcUpdate;
	edit.GetClientRect(&rcClient);
	for (const auto& c : changes)
	{
		edit.ValidateRect(NULL);
		const LPARAM lParam =
			c[0] == WM_SETTEXT ? reinterpret_cast<LPARAM>("line\r\n\r\n\r\n\r\n\r\nend") : 0;
		EXPECT_EQ(edit.SendMessage(c[0], c[1], lParam), c[0] == WM_SETTEXT ? TRUE : 0) << c[0];
		EXPECT_TRUE(edit.GetUpdateRect(&rcUpdate, FALSE) && rcUpdate == rcClient) << c[0];
	}
	// After a scroll the border is still there.
	edit.SendMessage(WM_VSCROLL, SB_PAGEDOWN);
	kt::FlushPaint(m_dlg.GetSafeHwnd());
	EXPECT_GT(edit.GetFirstVisibleLine(), 0);
	shot = WindowPixels(edit);
	for (CPoint pt : { CPoint(0, 0), CPoint(159, 49), CPoint(80, 49) })
		EXPECT_EQ(shot.At(pt.x, pt.y), kBorder) << pt.x << "," << pt.y;
}

TEST_F(EditTest, WheelNotchesBecomePostedScrolls)
{
	CTestBackgroundEdit edit;
	Make(edit, ES_MULTILINE);
	const struct
	{
		int nLines, delta, nPosts;
		UINT code;
	} rows[] = { { 3, 120, 3, SB_LINEUP }, { 3, 40, 1, SB_LINEUP }, { 3, -240, 6, SB_LINEDOWN },
		{ 3, 30, 0, 0 }, { -1, 120, 1, SB_PAGEUP }, { -1, -360, 3, SB_PAGEDOWN }, { -1, 100, 0, 0 } };
	for (const auto& r : rows)
	{
		edit.m_nWheelScrollLines = r.nLines;
		kt::Sequence expected = { { WM_MOUSEWHEEL, kt::sent } };
		expected.insert(expected.end(), r.nPosts,
			{ WM_VSCROLL, kt::posted | kt::wparam, MAKEWPARAM(r.code, 0) });
		expected.push_back(kt::kSeparator);
		kt::MessageRecorder rec(edit.GetSafeHwnd());
		edit.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, r.delta), MAKELPARAM(20, 20));
		rec.Separate();
		EXPECT_TRUE(rec.Matches(expected, kt::kIncidental)) << r.nLines << " " << r.delta;
	}
}

TEST_F(EditTest, FontsClassesAndControlsWithoutAWindow)
{
	// The background edit reports the image-menu edit's run-time class.
	EXPECT_EQ(CBackgroundEdit().GetRuntimeClass(), RUNTIME_CLASS(CImageMenuEdit));
	std::unique_ptr<CObject> pObject(RUNTIME_CLASS(CImageMenuRichEdit)->CreateObject());
	EXPECT_TRUE(pObject && pObject->IsKindOf(RUNTIME_CLASS(CImageMenuRichEdit)));
	LOGFONTA lf = {};
	lf.lfHeight = -20;
	lstrcpyA(lf.lfFaceName, "Tahoma");
	CHARFORMAT cf = {};
	m_rich.SetFontDef(FontDef(lf, RGB(200, 10, 20)));
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
		EXPECT_EQ(edit.GetFont()->GetLogFont(&lf) ? lf.lfHeight : 0, -20);
		// An empty face stands for the default face.
		edit.SetFontDef(FontDef(LOGFONTA{}, RGB(0, 0, 0)));
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
		EXPECT_FALSE(rich.IsModified() || rich.CanEnableEditUndo() || rich.GetPercentFull() != 0);
	}
	kt::RunIdle();
	EXPECT_LE(kt::CountGdiObjects(), nBefore + 2);
}

} // namespace
