// QTXButtonTests.cpp - the owner-drawn buttons on real windows: pictures, clicks, repeats, keys, groups.
//
// Classes in this file:
//   Exposed, ClickHost, QTXButtonTest
#include <kavrotest/CapturingLogger.h>
#include <kavrotest/TestSupport.h>

#include <kavro/QTXButton.h>

#include <chrono>
#include <functional>
#include <string>

namespace
{

const COLORREF kMagenta = RGB(255, 0, 255);
const COLORREF kRed = RGB(255, 0, 0);
const UINT kId = 100;
const CRect kRect(10, 10, 110, 40); // 100 x 30 in the host
const char* const kLogNoDC = "{7CA99F6B-92C5-47C8-AF0E-1708B01BE9AC}";
const char* const kLogLoad = "{77D10854-922E-43E7-955A-5747E61C10E4}";

// Derived as an application would, to read what the class keeps for derived classes.
class Exposed : public CQTXButton
{
public:
	using CQTXButton::m_bHot;
	using CQTXButton::m_hIcon;
	using CQTXButton::m_hIconHot;
};

using Clock = std::chrono::steady_clock;

// Notes each BN_CLICKED it gets with the time it came.
class ClickHost : public kt::HostWindow
{
public:
	ClickHost()
		: kt::HostWindow(320, 200, RGB(0, 128, 128))
	{
	}
	std::vector<Clock::time_point> m_clicks;

protected:
	virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
	{
		if (HIWORD(wParam) == BN_CLICKED)
			m_clicks.push_back(Clock::now());
		return kt::HostWindow::OnCommand(wParam, lParam);
	}
};

class QTXButtonTest : public ::testing::Test
{
protected:
	virtual void TearDown() override
	{
		::DeleteObject(m_hFont);
		::DestroyIcon(m_hIcon);
	}

	void Make(CQTXButton& btn, const char* text = "&Go", DWORD style = 0, const CRect& rc = kRect,
		UINT id = kId)
	{
		ASSERT_TRUE(btn.Create(text, WS_CHILD | WS_VISIBLE | WS_TABSTOP | style, rc, &m_host, id));
		btn.SetFont(m_lf);
		kt::FlushPaint(m_host.GetSafeHwnd());
	}

	// What DrawItem paints for an item state, on a magenta canvas (its left
	// cx pixels when cx is given).
	kt::Snapshot Render(CQTXButton& btn, UINT nState, int cx = 0)
	{
		CRect rc;
		btn.GetClientRect(&rc);
		return kt::Snapshot::Draw(cx > 0 ? cx : rc.Width(), rc.Height(), kMagenta,
			[&](HDC hdc)
			{
				DRAWITEMSTRUCT dis = { ODT_BUTTON, kId, 0, ODA_DRAWENTIRE, nState, btn.GetSafeHwnd(), hdc, rc,
					0 };
				btn.DrawItem(&dis);
			});
	}

	// Puts the cursor on a point of the host's client area.
	void CursorAt(CPoint pt)
	{
		m_host.ClientToScreen(&pt);
		::SetCursorPos(pt.x, pt.y);
	}
	void Mouse(CWnd& wnd, UINT message, CPoint pt = CPoint(50, 15))
	{
		wnd.SendMessage(message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
	}

	LOGFONTA m_lf = kt::TestLogFont();
	HFONT m_hFont = kt::CreateTestFont();
	HICON m_hIcon = kt::SolidIcon(kRed);
	ClickHost m_host;
};

// ---------------------------------------------------------------------------
// Pictures

// The caption "&Go" in every state, with a 16 x 16 icon on each side (a bad
// horizontal value centres it), in the caption's own colour, with the
// regular font when disabled, with no focus dots at a margin of 0 or less,
// and a shaded face made anew for a new size.
TEST_F(QTXButtonTest, EveryStateMatchesItsApprovedPicture)
{
	using Set = std::function<void(CQTXButton&)>;
	auto icon = [this](UINT alignH, UINT alignV)
	{ return [=](CQTXButton& b) { b.SetIcon(::CopyIcon(m_hIcon), alignH, alignV); }; };
	const struct
	{
		const char* name;
		UINT nState;
		DWORD style;
		Set set;
	} cases[] = {
		{ "normal", 0, 0, {} },
		{ "focused", ODS_FOCUS, 0, {} },
		{ "pressed push-like", ODS_SELECTED, BS_PUSHLIKE, {} },
		{ "pressed plain", ODS_SELECTED, 0, {} },
		{ "default, focus inside the double edge", ODS_DEFAULT | ODS_FOCUS, 0, {} },
		{ "disabled, ampersand gone though shown", ODS_DISABLED, 0,
			[](CQTXButton& b) { b.ShowUnderscore(true); } },
		{ "icon left", 0, 0, icon(BS_LEFT, BS_VCENTER) },
		{ "icon right", 0, 0, icon(BS_RIGHT, BS_VCENTER) },
		{ "icon top", 0, 0, icon(0x1234, BS_TOP) },
		{ "icon bottom", 0, 0, icon(BS_CENTER, BS_BOTTOM) },
		{ "pressed icon moves with the caption", ODS_SELECTED, BS_PUSHLIKE, icon(BS_LEFT, BS_VCENTER) },
		{ "disabled icon greyed", ODS_DISABLED, 0, icon(BS_LEFT, BS_VCENTER) },
		{ "text colour", 0, 0, [](CQTXButton& b) { b.SetTextColor(kRed); } },
		{ "disabled in the regular font", ODS_DISABLED, 0,
			[](CQTXButton& b) { b.SetRegularFontWhenDisabled(true, false); } },
		{ "focus margin 0", ODS_FOCUS, 0, [](CQTXButton& b) { b.SetFocusRectMargin(0); } },
		{ "focus margin -1", ODS_FOCUS, 0, [](CQTXButton& b) { b.SetFocusRectMargin(-1); } },
		{ "focus margin 5", ODS_FOCUS, 0, [](CQTXButton& b) { b.SetFocusRectMargin(5); } },
		{ "shaded, then resized", 0, 0,
			[](CQTXButton& b)
			{
				b.SetShadeProps(ShadeProps(ShadeProps::ShadeVertical, RGB(90, 140, 200)));
				b.MoveWindow(10, 10, 60, 40);
			} },
	};
	int nCase = 0;
	for (const auto& c : cases)
	{
		SCOPED_TRACE(c.name);
		CQTXButton btn;
		Make(btn, "&Go", c.style);
		if (c.set)
			c.set(btn);
		kt::Snapshot shot = Render(btn, c.nState);
		EXPECT_APPROVED(shot, ("qtx-" + std::to_string(++nCase)).c_str(), true);
		EXPECT_EQ(shot.Count(kMagenta), 0);
	}
}

TEST_F(QTXButtonTest, JumpingIconRisesOverItsShadowWhileHot)
{
	Exposed btn;
	Make(btn, "");
	btn.SetIcon(::CopyIcon(m_hIcon), BS_CENTER, BS_VCENTER);
	btn.SetJumpIcon(true);
	btn.m_bHot = true;
	kt::Snapshot shot = Render(btn, 0);
	// The icon at (42, 7) rises to (41, 6) over its shadow at (43, 8).
	const COLORREF crShadow = shot.At(58, 23);
	EXPECT_EQ(shot.At(41, 6), kRed);
	EXPECT_EQ(shot.At(56, 21), kRed);
	EXPECT_NE(crShadow, kRed);
	EXPECT_NE(crShadow, ::GetSysColor(COLOR_BTNFACE));
	EXPECT_EQ(shot.At(45, 22), crShadow);
}

// ---------------------------------------------------------------------------
// Mouse

// A click: the button's own processing sends the one notification at release.
const kt::Sequence kClickSeq = {
	{ WM_LBUTTONDOWN, kt::sent },
	{ WM_LBUTTONUP, kt::sent },
	kt::Command(BN_CLICKED, kt::sent | kt::parent),
	kt::kSeparator,
	// A double click is a second press.
	{ WM_LBUTTONDBLCLK, kt::sent },
	{ WM_LBUTTONDOWN, kt::sent },
	{ WM_LBUTTONUP, kt::sent },
	kt::Command(BN_CLICKED, kt::sent | kt::parent),
	kt::kSeparator,
};
const kt::Ignore kButtonTraffic = { kt::kIncidental,
	{ WM_DRAWITEM, BM_SETSTATE, BM_GETSTATE, WM_CAPTURECHANGED, WM_SETFOCUS, WM_KILLFOCUS, WM_TIMER,
		WM_PARENTNOTIFY, WM_MOUSEACTIVATE, WM_CHILDACTIVATE, WM_CHAR } };

TEST_F(QTXButtonTest, ClickAndDoubleClickEachNotifyOnce)
{
	CQTXButton btn;
	Make(btn);
	CursorAt(CPoint(60, 25));
	kt::MessageRecorder rec(btn.GetSafeHwnd(), true);
	Mouse(btn, WM_LBUTTONDOWN);
	Mouse(btn, WM_LBUTTONUP);
	rec.Separate();
	Mouse(btn, WM_LBUTTONDBLCLK);
	Mouse(btn, WM_LBUTTONUP);
	rec.Separate();
	EXPECT_TRUE(rec.Matches(kClickSeq, kButtonTraffic));

	// The focus going elsewhere while the button is held lets the mouse go;
	// the release that follows clicks nothing.
	const size_t nClicks = m_host.m_clicks.size();
	Mouse(btn, WM_LBUTTONDOWN);
	ASSERT_EQ(::GetCapture(), btn.GetSafeHwnd());
	m_host.SetFocus();
	EXPECT_EQ(::GetCapture(), (HWND)NULL);
	Mouse(btn, WM_LBUTTONUP);
	EXPECT_EQ(m_host.m_clicks.size(), nClicks);
}

TEST_F(QTXButtonTest, RepeaterClicksAfter250ThenEvery90MsUntilReleasedOrDraggedOut)
{
	CQTXButton btn;
	Make(btn);
	btn.SetAsRepeaterButton();
	CursorAt(CPoint(60, 25));
	const Clock::time_point t0 = Clock::now();
	Mouse(btn, WM_LBUTTONDOWN);
	ASSERT_TRUE(kt::PumpUntil([&] { return m_host.m_clicks.size() >= 4; }, 3000));
	Mouse(btn, WM_LBUTTONUP);
	const size_t nHeld = m_host.m_clicks.size();
	kt::PumpFor(250);
	// No click on release after repeats, none after it.
	EXPECT_EQ(m_host.m_clicks.size(), nHeld);

	auto ms = [](Clock::duration d)
	{ return std::chrono::duration_cast<std::chrono::milliseconds>(d).count(); };
	// Timers never come early; a busy machine may make them late.
	EXPECT_GE(ms(m_host.m_clicks[0] - t0), 240);
	EXPECT_LE(ms(m_host.m_clicks[0] - t0), 450);
	for (size_t i = 1; i < 4; ++i)
	{
		EXPECT_GE(ms(m_host.m_clicks[i] - m_host.m_clicks[i - 1]), 80) << i;
		EXPECT_LE(ms(m_host.m_clicks[i] - m_host.m_clicks[i - 1]), 250) << i;
	}

	// A quick click sends exactly one notification, from the release.
	m_host.m_clicks.clear();
	Mouse(btn, WM_LBUTTONDOWN);
	Mouse(btn, WM_LBUTTONUP);
	EXPECT_EQ(m_host.m_clicks.size(), 1u);
	// Destroyed while its timer runs and it holds the mouse: nothing follows.
	Mouse(btn, WM_LBUTTONDOWN);
	btn.DestroyWindow();
	EXPECT_EQ(::GetCapture(), (HWND)NULL);
	kt::PumpFor(350);
	EXPECT_EQ(m_host.m_clicks.size(), 1u);

	// Dragged out, the repetition stops for good: back in, the button is
	// pushed again but does not repeat.
	CQTXButton again;
	Make(again);
	again.SetAsRepeaterButton();
	m_host.m_clicks.clear();
	CursorAt(CPoint(60, 25));
	Mouse(again, WM_LBUTTONDOWN);
	ASSERT_TRUE(kt::PumpUntil([&] { return m_host.m_clicks.size() >= 1; }));
	CursorAt(CPoint(200, 150));
	Mouse(again, WM_MOUSEMOVE, CPoint(190, 140));
	EXPECT_FALSE(again.GetState() & BST_PUSHED);
	kt::PumpFor(200);
	const size_t nOut = m_host.m_clicks.size();
	CursorAt(CPoint(60, 25));
	Mouse(again, WM_MOUSEMOVE);
	EXPECT_TRUE(again.GetState() & BST_PUSHED);
	kt::PumpFor(300);
	Mouse(again, WM_LBUTTONUP);
	EXPECT_EQ(m_host.m_clicks.size(), nOut);
	EXPECT_LE(nOut, 2u);
}

TEST_F(QTXButtonTest, ShadedFlatButtonIsHotWhileTheMouseIsOverItAndSinksWhenPressed)
{
	Exposed btn;
	CursorAt(CPoint(250, 150));
	Make(btn, "");
	btn.SetShadeProps(ShadeProps(ShadeProps::ShadeVertical, RGB(90, 140, 200)));
	const kt::Snapshot normal = Render(btn, 0);
	// A gradient from top to bottom and no frame while the mouse is away.
	EXPECT_NE(normal.At(50, 1), normal.At(50, 28));
	EXPECT_EQ(normal.At(0, 15), normal.At(50, 15));
	// Pressed: the face sinks by one pixel inside a thin frame.
	const kt::Snapshot pressed = Render(btn, ODS_SELECTED);
	for (int y = 2; y < 28; ++y)
		ASSERT_EQ(pressed.At(50, y + 1), normal.At(50, y)) << y;
	EXPECT_EQ(pressed.At(0, 15), ::GetSysColor(COLOR_BTNSHADOW));
	EXPECT_EQ(pressed.At(99, 15), ::GetSysColor(COLOR_BTNHIGHLIGHT));

	// Hot from a move over it: a darker face with a raised thin frame.
	CursorAt(CPoint(60, 25));
	Mouse(btn, WM_MOUSEMOVE);
	kt::FlushPaint(m_host.GetSafeHwnd());
	EXPECT_TRUE(btn.m_bHot);
	const kt::Snapshot hot(btn.GetSafeHwnd());
	EXPECT_LT(GetGValue(hot.At(50, 15)), GetGValue(normal.At(50, 15)));
	EXPECT_EQ(hot.At(0, 15), ::GetSysColor(COLOR_BTNHIGHLIGHT));
	EXPECT_EQ(hot.At(99, 15), ::GetSysColor(COLOR_BTNSHADOW));
	// The mouse leaves: the system tells the button, which repaints without
	// frame, through its parent's WM_DRAWITEM.
	CursorAt(CPoint(250, 150));
	ASSERT_TRUE(kt::PumpUntil([&] { return !btn.m_bHot; }));
	kt::FlushPaint(m_host.GetSafeHwnd());
	EXPECT_EQ(kt::Snapshot(btn.GetSafeHwnd()).CountDiff(normal), 0);
	// Made larger, the hot face covers the new size too.
	btn.MoveWindow(10, 10, 140, 50);
	btn.m_bHot = true;
	EXPECT_EQ(Render(btn, 0).Count(kMagenta), 0);
}

// ---------------------------------------------------------------------------
// Keys

TEST_F(QTXButtonTest, TabMovesToTheNextTabStopWithoutWrapping)
{
	CQTXButton first, last;
	Make(first, "1", 0, CRect(10, 10, 50, 30), 201);
	CButton noStop, disabled, hidden;
	noStop.Create("n", WS_CHILD | WS_VISIBLE, CRect(60, 10, 90, 30), &m_host, 202);
	disabled.Create("d", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_DISABLED, CRect(100, 10, 130, 30), &m_host,
		203);
	hidden.Create("h", WS_CHILD | WS_TABSTOP, CRect(140, 10, 170, 30), &m_host, 204);
	Make(last, "2", 0, CRect(180, 10, 220, 30), 205);
	BYTE keys[256] = {};
	const struct
	{
		CQTXButton* pFrom;
		bool bShift;
		CQTXButton* pTo;
	} cases[] = { { &first, false, &last }, { &last, false, &last }, { &last, true, &first },
		{ &first, true, &first } };
	for (const auto& c : cases)
	{
		keys[VK_SHIFT] = c.bShift ? 0x80 : 0;
		::SetKeyboardState(keys);
		c.pFrom->SetFocus();
		c.pFrom->SendMessage(WM_CHAR, VK_TAB, 0);
		EXPECT_EQ(CWnd::GetFocus(), c.pTo) << c.pFrom->GetDlgCtrlID() << (c.bShift ? " shift" : "");
	}
	keys[VK_SHIFT] = 0;
	::SetKeyboardState(keys);
}

// ---------------------------------------------------------------------------
// Check boxes and radio buttons

// A click on a check box toggles it before the button's own notification;
// a press released outside changes nothing and notifies nothing.
const kt::Sequence kCheckClickSeq = {
	{ WM_LBUTTONDOWN, kt::sent },
	{ WM_LBUTTONUP, kt::sent },
	{ BM_SETCHECK, kt::sent | kt::wparam, BST_CHECKED },
	kt::Command(BN_CLICKED, kt::sent | kt::parent),
	kt::kSeparator,
	{ WM_LBUTTONDOWN, kt::sent },
	{ WM_LBUTTONUP, kt::sent },
	kt::kSeparator,
	{ WM_KEYDOWN, kt::sent },
	{ BM_SETCHECK, kt::sent | kt::wparam, BST_UNCHECKED },
	{ WM_KEYUP, kt::sent },
	kt::Command(BN_CLICKED, kt::sent | kt::parent),
	kt::kSeparator,
};

TEST_F(QTXButtonTest, CheckBoxTogglesOnClicksThatEndOnItAndOnSpace)
{
	CQTXCheckbox box;
	Make(box, "Check", BS_PUSHLIKE);
	CursorAt(CPoint(60, 25));
	kt::MessageRecorder rec(box.GetSafeHwnd(), true);
	Mouse(box, WM_LBUTTONDOWN);
	Mouse(box, WM_LBUTTONUP);
	rec.Separate();
	EXPECT_EQ(box.GetCheck(), 1);
	Mouse(box, WM_LBUTTONDOWN);
	Mouse(box, WM_LBUTTONUP, CPoint(200, 100));
	rec.Separate();
	EXPECT_TRUE(box.GetChecked());
	box.SetFocus();
	box.SendMessage(WM_KEYDOWN, VK_SPACE, 0);
	box.SendMessage(WM_KEYUP, VK_SPACE, 0xC0000001);
	rec.Separate();
	EXPECT_TRUE(rec.Matches(kCheckClickSeq, kButtonTraffic));
	EXPECT_EQ(box.SendMessage(BM_GETCHECK), BST_UNCHECKED);

	// Only 1 checks.
	box.SetChecked(true);
	box.SendMessage(BM_SETCHECK, BST_INDETERMINATE);
	EXPECT_FALSE(box.GetChecked());
}

TEST_F(QTXButtonTest, RadioGroupKeepsOneCheckedAndSkipsOtherWindows)
{
	CQTXRadiobutton radios[3];
	for (int i = 0; i < 3; ++i)
		Make(radios[i], "Radio", 0, CRect(10, 10 + 35 * i, 110, 40 + 35 * i), 201 + i);
	CQTXButton other;
	Make(other, "Other", 0, CRect(150, 10, 250, 40), 204);
	CButton plain;
	plain.Create("Plain", WS_CHILD | WS_VISIBLE, CRect(150, 50, 250, 80), &m_host, 205);
	radios[0].SetGroupIDs(202, 0, 203, 204, 205, 999, 0, 0);
	radios[1].SetGroupIDs(201, 203, 0, 0, 0, 0, 0, 0);
	radios[2].SetGroupIDs(201, 202, 0, 0, 0, 0, 0, 0);

	auto checks = [&]
	{ return std::to_string(radios[0].GetCheck() * 100 + radios[1].GetCheck() * 10 + radios[2].GetCheck()); };
	radios[1].SetChecked(true);
	EXPECT_EQ(checks(), "10");
	CursorAt(CPoint(60, 25));
	Mouse(radios[0], WM_LBUTTONDOWN);
	Mouse(radios[0], WM_LBUTTONUP);
	EXPECT_EQ(checks(), "100");
	radios[2].SetFocus();
	radios[2].SendMessage(WM_KEYDOWN, VK_SPACE, 0);
	EXPECT_EQ(checks(), "1");
	// Clicking a checked radio button keeps it checked.
	radios[2].SendMessage(BM_SETCHECK, BST_CHECKED);
	EXPECT_EQ(checks(), "1");

	// The state shows as the graphics library's radio icon on the left, no
	// frame, and the focus dots of the radio button with the focus even when
	// the item state does not have it.
	for (int i = 0; i < 3; ++i)
		EXPECT_APPROVED(Render(radios[i], 0, 22), ("radio-" + std::to_string(i)).c_str());
}

// ---------------------------------------------------------------------------
// Icons, sizes and bad input

TEST_F(QTXButtonTest, IconsTheButtonLoadedOrWasGivenAreDestroyedOnceAndOnlyOnce)
{
	auto alive = [](HICON h)
	{
		ICONINFO info;
		if (!::GetIconInfo(h, &info))
			return false;
		::DeleteObject(info.hbmColor);
		::DeleteObject(info.hbmMask);
		return true;
	};
	HICON hLoaded, hHot, hGiven = ::CopyIcon(m_hIcon);
	{
		Exposed btn;
		Make(btn);
		btn.SetIcon(QTXIcon::IconOK, BS_LEFT, BS_VCENTER, true);
		hLoaded = btn.m_hIcon;
		hHot = btn.m_hIconHot;
		ASSERT_TRUE(alive(hLoaded));
		ASSERT_NE(hHot, hLoaded);
		btn.SetIcon(hGiven, BS_LEFT, BS_VCENTER);
		EXPECT_FALSE(alive(hLoaded));
		EXPECT_FALSE(alive(hHot));
		// Given again, and a destroyed handle: neither is destroyed twice.
		btn.SetIcon(hGiven, BS_LEFT, BS_VCENTER);
		EXPECT_TRUE(alive(hGiven));
		btn.SetIcon(hLoaded, BS_LEFT, BS_VCENTER);
		EXPECT_EQ(btn.m_hIcon, (HICON)NULL);
		EXPECT_FALSE(alive(hGiven));
		hGiven = ::CopyIcon(m_hIcon);
		btn.SetIcon(hGiven, BS_LEFT, BS_VCENTER);
	}
	EXPECT_FALSE(alive(hGiven));
}

TEST_F(QTXButtonTest, FailuresAreLoggedOnceAndLeaveAPlainButton)
{
	kt::CapturingLogger log;
	CQTXButton btn;
	Make(btn);
	btn.SetIcon(::CopyIcon(m_hIcon), BS_LEFT, BS_VCENTER);
	btn.SetIcon(4711, NULL, BS_LEFT, BS_VCENTER, 0, 0, 0);
	ASSERT_EQ(log.Lines(), std::vector<std::string>{ kLogLoad });
	EXPECT_APPROVED(Render(btn, 0), "qtx-1", true);

	// No DC anywhere: a button without a window.
	CQTXButton windowless;
	DRAWITEMSTRUCT dis = { ODT_BUTTON, kId, 0, ODA_DRAWENTIRE, 0, NULL, NULL, { 0, 0, 10, 10 }, 0 };
	windowless.DrawItem(&dis);
	windowless.DrawItem(NULL);
	EXPECT_EQ(log.Lines(), (std::vector<std::string>{ kLogLoad, kLogNoDC }));
	// No DC given to a button with a window: it paints through its own.
	dis.hwndItem = btn.GetSafeHwnd();
	btn.DrawItem(&dis);
	EXPECT_EQ(log.Lines().size(), 2u);
}

TEST_F(QTXButtonTest, ContentSizeAddsCaptionIconAndFocusMargin)
{
	CQTXButton btn;
	Make(btn, "");
	btn.SetFocusRectMargin(3);
	EXPECT_EQ(btn.GetContentSize(), CSize(8, 8));
	btn.SetIcon(::CopyIcon(m_hIcon), BS_LEFT, BS_TOP);
	EXPECT_EQ(btn.GetContentSize(), CSize(16 + 6 + 8, 16 + 8));
	btn.SetIcon(::CopyIcon(m_hIcon), BS_CENTER, BS_VCENTER);
	EXPECT_EQ(btn.GetContentSize(), CSize(16 + 8, 16 + 8));

	// 100,000 characters: measured whole (half an average character and the
	// margins added) and drawn, the face painted everywhere.
	const std::string text(100000, 'W');
	btn.SetWindowText(text.c_str());
	TEXTMETRICA tm = {};
	CClientDC dc(&btn);
	HGDIOBJ hOld = ::SelectObject(dc.m_hDC, m_hFont);
	dc.GetTextMetrics(&tm);
	::SelectObject(dc.m_hDC, hOld);
	EXPECT_EQ(btn.GetContentSize().cx, kt::TextWidth(m_hFont, text.c_str()) + tm.tmAveCharWidth / 2 + 8);
	EXPECT_EQ(Render(btn, ODS_FOCUS).Count(kMagenta), 0);
}

TEST_F(QTXButtonTest, CreatePaintDestroyCyclesLeakNoGdiObject)
{
	EXPECT_TRUE(kt::LeavesNoGdiObjects(
		[&]
		{
			CQTXButton btn;
			CQTXCheckbox box;
			CQTXRadiobutton radio;
			Make(btn, "Button");
			Make(box, "Box", 0, CRect(10, 50, 110, 80), 201);
			Make(radio, "Radio", 0, CRect(10, 90, 110, 120), 202);
			btn.SetShadeProps(ShadeProps(ShadeProps::ShadeMetal, RGB(200, 180, 120)));
			btn.SetIcon(QTXIcon::IconSave, BS_LEFT, BS_VCENTER, true);
			btn.SetFont("", -1, 700, 0, 0);
			btn.SetJumpIcon(true);
			box.SetChecked(true);
			radio.SetChecked(true);
			CursorAt(CPoint(60, 25));
			Mouse(btn, WM_MOUSEMOVE);
			m_host.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
			btn.EnableWindow(FALSE);
			kt::FlushPaint(m_host.GetSafeHwnd());
		}));
}

} // namespace
