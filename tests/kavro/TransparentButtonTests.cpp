// TransparentButtonTests.cpp - the transparent check box, radio button, icon and icon button on real windows.
//
// Classes in this file:
//   TransparentButtonTest, EraseRecordingDialog
#include <kavrotest/CapturingLogger.h>
#include <kavrotest/TestSupport.h>

#include <kavro/TransparentCheckbox.h>
#include <kavro/TransparentIcon.h>
#include <qtx/Graphics.h>

#include <functional>
#include <memory>
#include <string>

#include "TransparentButtonTestIds.h"

namespace
{

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kTeal = RGB(0, 128, 128);
const COLORREF kYellow = RGB(255, 255, 0);
const COLORREF kNormalRed = RGB(200, 0, 0); // fill of IDI_TEST_NORMAL
const COLORREF kHotGreen = RGB(0, 160, 0);  // fill of IDI_TEST_HOT
const UINT kId = 100;

const char* const kLogIconLoad = "{0C566E29-14D0-4AC3-AB1D-D5A4AAE6E729}";
const char* const kLogButtonCreate = "{B5C393F0-F75E-42FE-B6E0-5C5236B17FAB}";
const char* const kLogButtonLoad = "{5CDE9578-C5E8-42FB-B994-9A020EE1D6C0}";

HICON LoadTestIcon(UINT nID)
{
	return static_cast<HICON>(
		::LoadImageA(::GetModuleHandleA(NULL), MAKEINTRESOURCEA(nID), IMAGE_ICON, 0, 0, 0));
}

class TransparentButtonTest : public ::testing::Test
{
protected:
	virtual void SetUp() override { m_host->SetPainter(kt::HostWindow::Checkerboard(3, kYellow, kTeal)); }

	virtual void TearDown() override
	{
		m_host.reset();
		::DeleteObject(m_hFont);
	}

	// Binds a new check box (or radio button) to the control at rc in the host.
	void Make(CButton& ctrl, const char* text, const CRect& rc, UINT nID = kId)
	{
		ASSERT_TRUE(ctrl.Create(text, WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, rc, m_host.get(), nID));
		ctrl.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(m_hFont), FALSE);
		Paint();
	}

	void Paint() { kt::RepaintAll(m_host->GetSafeHwnd()); }
	kt::Snapshot Shot(const CRect& rc) { return kt::Snapshot(m_host->GetSafeHwnd(), rc); }

	HFONT m_hFont = kt::CreateTestFont();
	std::unique_ptr<kt::HostWindow> m_host = std::make_unique<kt::HostWindow>(320, 200, kWhite);
};

// ---------------------------------------------------------------------------
// Check box and radio button pictures

// The state icon at the left, centred, the caption beside it on the
// parent's pattern; disabled: grey icon, embossed caption; a shown
// underscore's focus frame fits the letters; the mnemonic removed otherwise.
TEST_F(TransparentButtonTest, StateItemsMatchTheirApprovedPictures)
{
	const struct
	{
		bool radio, checked, disabled, focus, underscore;
		const char* caption;
	} cases[] = {
		{ false, false, false, false, false, "Check me" },
		{ false, true, false, false, false, "Check me" },
		{ false, true, true, false, false, "Check me" },
		{ false, false, false, true, true, "&Underline" },
		{ false, false, false, false, false, "&Name" },
		{ true, true, false, true, false, "Radio" },
		{ true, false, true, false, false, "Radio" },
	};
	const CRect rc(20, 20, 180, 44);
	int nCase = 0;
	for (const auto& c : cases)
	{
		std::unique_ptr<CButton> ctrl;
		if (c.radio)
			ctrl.reset(new CTransparentRButton);
		else
			ctrl.reset(new CTransparentCheckbox);
		Make(*ctrl, c.caption, rc);
		EXPECT_EQ(ctrl->GetButtonStyle() & BS_TYPEMASK, static_cast<UINT>(BS_OWNERDRAW));
		EXPECT_TRUE(ctrl->GetExStyle() & WS_EX_TRANSPARENT);
		if (c.radio)
		{
			auto* radio = static_cast<CTransparentRButton*>(ctrl.get());
			radio->SetChecked(c.checked);
			radio->ShowUnderscore(c.underscore);
		}
		else
		{
			auto* check = static_cast<CTransparentCheckbox*>(ctrl.get());
			check->SetCheck(c.checked);
			check->ShowUnderscore(c.underscore);
		}
		ctrl->EnableWindow(!c.disabled);
		if (c.focus)
			ctrl->SetFocus();
		kt::FlushPaint(m_host->GetSafeHwnd());
		const kt::Snapshot shot = Shot(rc);
		EXPECT_APPROVED(shot, ("stateitem-" + std::to_string(++nCase)).c_str(), true);
		EXPECT_GT(shot.Count(kYellow), 200); // the parent shows through
		ctrl->DestroyWindow();
	}
	// A caption of 100,000 characters paints and ends.
	CTransparentCheckbox huge;
	Make(huge, "", rc);
	huge.SetWindowTextA(std::string(100000, 'W').c_str());
	kt::PumpPending();
	EXPECT_GT(Shot(rc).Count(::GetSysColor(COLOR_BTNTEXT)), 20);
}

// ---------------------------------------------------------------------------
// Clicks, keys and groups

const kt::Ignore kInputCases = { kt::kIncidental, { WM_DRAWITEM, WM_CHAR, WM_GETDLGCODE } };

// A click (taking the focus, from the parent or a sibling), then the space
// bar, each ending in BN_CLICKED to the parent as the stock button sends it. The radio button also checks itself with
// BM_SETCHECK on release over it and at the key-down.
kt::Sequence ClickAndSpaceSeq(bool bRadio)
{
	const kt::Expected push = { BM_SETSTATE, kt::sent | kt::wparam, TRUE };
	const kt::Expected release = { BM_SETSTATE, kt::sent | kt::wparam, FALSE };
	const kt::Expected setCheck = { BM_SETCHECK, kt::sent | kt::wparam, BST_CHECKED };
	kt::Sequence seq = { { WM_LBUTTONDOWN, kt::sent }, { WM_KILLFOCUS, kt::sent | kt::parent | kt::optional },
		{ WM_SETFOCUS, kt::sent }, push, { WM_LBUTTONUP, kt::sent } };
	if (bRadio)
		seq.push_back(setCheck);
	seq.insert(seq.end(),
		{ release, { WM_CAPTURECHANGED, kt::sent }, kt::Command(BN_CLICKED, kt::sent | kt::parent),
			kt::kSeparator, { WM_KEYDOWN, kt::sent } });
	if (bRadio)
		seq.push_back(setCheck);
	seq.insert(seq.end(), { push, { WM_KEYUP, kt::sent }, release, { WM_CAPTURECHANGED, kt::sent },
							  kt::Command(BN_CLICKED, kt::sent | kt::parent), kt::kSeparator });
	return seq;
}

void Click(CWnd& ctrl, CPoint ptUp = CPoint(5, 5))
{
	ctrl.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
	ctrl.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(ptUp.x, ptUp.y));
}

TEST_F(TransparentButtonTest, ClickAndSpaceBarChangeTheStateOnceAndTheParentHearsThem)
{
	CTransparentCheckbox check;
	CTransparentRButton radio;
	Make(check, "Toggle", CRect(20, 20, 120, 40));
	Make(radio, "Radio", CRect(20, 50, 120, 70), kId + 1);
	for (bool bRadio : { false, true })
	{
		CButton& ctrl = bRadio ? static_cast<CButton&>(radio) : check;
		kt::MessageRecorder rec(ctrl.GetSafeHwnd(), true);
		Click(ctrl);
		rec.Separate();
		EXPECT_EQ(bRadio ? radio.GetCheck() : check.GetCheck(), 1) << bRadio;
		ctrl.SendMessage(WM_KEYDOWN, VK_SPACE, 0x00390001);
		ctrl.SendMessage(WM_KEYUP, VK_SPACE, 0xC0390001);
		rec.Separate();
		EXPECT_TRUE(rec.Matches(ClickAndSpaceSeq(bRadio), kInputCases)) << bRadio;
	}
	// The check box toggled back; the radio button stays checked.
	EXPECT_FALSE(check.GetCheck());
	EXPECT_EQ(radio.SendMessage(BM_GETCHECK), BST_CHECKED);
}

TEST_F(TransparentButtonTest, RadioGroupKeepsOneCheckedAndSkipsOtherWindows)
{
	CTransparentRButton r1, r2, r3;
	Make(r1, "One", CRect(10, 10, 100, 30), 11);
	Make(r2, "Two", CRect(10, 40, 100, 60), 12);
	Make(r3, "Three", CRect(10, 70, 100, 90), 13);
	// A stock check box in the list, and an id with no window.
	CButton plain;
	ASSERT_TRUE(plain.Create("plain", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, CRect(150, 10, 250, 30),
		m_host.get(), 14));
	plain.SetCheck(BST_CHECKED);
	r1.SetGroupIDs(12, 0, 13, 0, 14, 99, 0);
	r2.SetGroupIDs(11, 13, 14);
	r3.SetGroupIDs(11, 12);

	r1.SetChecked(true);
	r3.SetChecked(true);
	EXPECT_FALSE(r1.GetChecked());
	Click(r2);
	EXPECT_TRUE(r2.GetChecked());
	EXPECT_FALSE(r3.GetChecked());
	EXPECT_EQ(plain.GetCheck(), BST_CHECKED);

	// Released away from the button: no check of its own, and no click.
	r3.SetChecked(false);
	Click(r3, CPoint(200, 150));
	EXPECT_FALSE(r3.GetChecked());
}

// ---------------------------------------------------------------------------
// Where repaints go

// A dialog that notes the area it was asked to erase.
class EraseRecordingDialog : public CDialog
{
public:
	CRect m_rcErased;

protected:
	afx_msg BOOL OnEraseBkgnd(CDC* pDC)
	{
		pDC->GetClipBox(&m_rcErased);
		return CDialog::OnEraseBkgnd(pDC);
	}
	DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(EraseRecordingDialog, CDialog)
	ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

TEST_F(TransparentButtonTest, ChangesRepaintTheParentUnderTheControl)
{
	// On a plain window, the parent repaints exactly under the check box.
	CTransparentCheckbox check;
	const CRect rc(50, 40, 150, 64);
	Make(check, "Colour", rc);
	COLORREF crBack = kTeal;
	m_host->SetPainter([&crBack](HDC hdc, const RECT& r) { kt::HostWindow::Solid(crBack)(hdc, r); });
	crBack = kYellow;
	check.SetTextColor(RGB(255, 0, 0));
	kt::PumpPending();
	kt::Snapshot shot(m_host->GetSafeHwnd());
	EXPECT_EQ(shot.At(rc.left, rc.top), kYellow);
	EXPECT_EQ(shot.At(rc.right - 1, rc.bottom - 1), kYellow);
	EXPECT_EQ(shot.At(rc.left - 1, rc.top), kTeal);
	EXPECT_EQ(shot.At(rc.right, rc.bottom), kTeal);
	EXPECT_GT(shot.Count(RGB(255, 0, 0)), 10);

	// In a dialog the icon button's area is moved by the client edge; the
	// check box's is not.
	kt::DialogTemplate tmpl("repaint", 200, 100);
	EraseRecordingDialog dlg;
	ASSERT_TRUE(dlg.CreateIndirect(tmpl.Get(), m_host.get()));
	CTransparentCheckbox inDialog;
	ASSERT_TRUE(inDialog.Create("x", WS_CHILD | WS_VISIBLE, CRect(30, 20, 90, 40), &dlg, 201));
	CTransparentIconButton button;
	ASSERT_TRUE(button.Create(&dlg, 202, 0, 0));
	button.MoveWindow(100, 50, 16, 16);
	kt::FlushPaint(dlg.GetSafeHwnd());

	inDialog.SetCheck(true);
	EXPECT_EQ(dlg.m_rcErased, CRect(30, 20, 90, 40));
	button.EnableWindow(FALSE);
	const int cx = ::GetSystemMetrics(SM_CXEDGE), cy = ::GetSystemMetrics(SM_CYEDGE);
	EXPECT_EQ(dlg.m_rcErased, CRect(100 + cx, 50 + cy, 116 + cx, 66 + cy));
	dlg.DestroyWindow();
}

// Marked as on a tab page, each control's change is repainted by the tab
// control above the page; before that, by the page.
const kt::Sequence kTabPageSeq = {
	{ WM_PAINT, kt::sent },
	{ WM_ERASEBKGND, kt::sent },
	kt::kSeparator,
	{ WM_PAINT, kt::sent | kt::parent },
	{ WM_ERASEBKGND, kt::sent | kt::parent },
	{ WM_PAINT, kt::posted },
	{ WM_NCPAINT, kt::sent | kt::optional },
	{ WM_ERASEBKGND, kt::sent },
	kt::kSeparator,
};

TEST_F(TransparentButtonTest, OnATabPageTheTabControlRepaints)
{
	kt::TabPage tab(m_host.get(), CRect(10, 10, 300, 180));
	CTransparentCheckbox check;
	CTransparentRButton radio;
	CTransparentIconButton button;
	ASSERT_TRUE(check.Create("check", WS_CHILD | WS_VISIBLE, CRect(10, 10, 100, 30), &tab.m_page, 1));
	ASSERT_TRUE(radio.Create("radio", WS_CHILD | WS_VISIBLE, CRect(10, 40, 100, 60), &tab.m_page, 2));
	ASSERT_TRUE(button.Create(&tab.m_page, 3, 10, 70));
	const std::function<void(bool)> changes[] = { [&](bool b) { check.SetCheck(b); },
		[&](bool b) { radio.SetChecked(b); }, [&](bool b) { button.EnableWindow(!b); } };
	const std::function<void()> marks[] = { [&] { check.IsInTabCtrlPg(); }, [&] { radio.IsInTabCtrlPg(); },
		[&] { button.IsInTabCtrlPg(); } };
	for (int i = 0; i < 3; ++i)
	{
		kt::FlushPaint(m_host->GetSafeHwnd());
		kt::MessageRecorder onPage(tab.m_page.GetSafeHwnd(), true);
		changes[i](true);
		onPage.Separate();
		marks[i]();
		changes[i](false);
		onPage.Separate();
		EXPECT_TRUE(
			onPage.Matches(kTabPageSeq, { kt::kQueries, { WM_CTLCOLORSTATIC, WM_CTLCOLORBTN, WM_DRAWITEM } }))
			<< i;
	}
}

// ---------------------------------------------------------------------------
// Transparent icon

TEST_F(TransparentButtonTest, IconIsPlacedByItsAlignment)
{
	const CRect rc(20, 20, 120, 50);
	const struct
	{
		unsigned int align;
		int x;
	} cases[] = { { 0, 1 }, { 1, 50 - 8 }, { 2, 100 - 1 - 16 }, { 100, 50 - 8 } };
	for (const auto& c : cases)
	{
		CTransparentIcon icon;
		ASSERT_TRUE(icon.Create("", WS_CHILD | WS_VISIBLE, rc, m_host.get(), kId));
		HICON hIcon = LoadTestIcon(IDI_TEST_NORMAL);
		icon.SetIcon(hIcon, c.align);
		kt::FlushPaint(m_host->GetSafeHwnd());
		EXPECT_EQ(icon.GetIconSize(), CSize(16, 16));
		const kt::Snapshot shot = Shot(rc);
		EXPECT_APPROVED(shot, ("icon-align-" + std::to_string(c.align)).c_str());
		EXPECT_GT(shot.Count(kNormalRed), 100) << c.align;
		// WM_PRINTCLIENT paints the icon at the same place into the DC it is given.
		const kt::Snapshot printed = kt::Snapshot::Draw(100, 30, kWhite,
			[&](HDC hdc) { icon.SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(hdc), PRF_CLIENT); });
		EXPECT_EQ(CRect(printed.Bounds(kWhite)), CRect(c.x, 8, c.x + 16, 24)) << c.align;
		icon.DestroyWindow();
	}
}

TEST_F(TransparentButtonTest, IconByResourceLoadsOnceAndLogsWhatIsMissing)
{
	kt::CapturingLogger log;
	CTransparentIcon icon;
	const CRect rc(20, 20, 120, 50);
	ASSERT_TRUE(icon.Create("", WS_CHILD | WS_VISIBLE, rc, m_host.get(), kId));
	icon.SetIcon(IDI_TEST_LARGE, 0, NULL);
	EXPECT_EQ(icon.GetIconSize(), CSize(32, 32));

	// A handle replaces the picture; the same id and alignment asked again
	// afterwards is still taken as already there.
	HICON hSolid = kt::SolidIcon(kHotGreen);
	icon.SetIcon(hSolid, 0);
	icon.SetIcon(IDI_TEST_LARGE, 0, NULL);
	kt::FlushPaint(m_host->GetSafeHwnd());
	EXPECT_EQ(icon.GetIconSize(), CSize(16, 16));
	EXPECT_GT(Shot(rc).Count(kHotGreen), 200);
	EXPECT_TRUE(log.Lines().empty());

	icon.SetIcon(999, 0, NULL);
	EXPECT_EQ(icon.GetIconSize(), CSize(0, 0));
	icon.SetIcon(0, 0, NULL);
	ASSERT_EQ(log.Lines().size(), 1u);
	EXPECT_EQ(log.Lines()[0], kLogIconLoad);
	kt::FlushPaint(m_host->GetSafeHwnd());
	EXPECT_EQ(Shot(rc).Count(kHotGreen), 0);
	icon.DestroyWindow();
}

// ---------------------------------------------------------------------------
// Icon button

TEST_F(TransparentButtonTest, IconButtonForwardsPressesToItsOwner)
{
	CTransparentIconButton button;
	ASSERT_TRUE(button.Create(m_host.get(), kId, 0, 0));
	button.MoveWindow(40, 30, 16, 16);
	CPoint screen(3, 4);
	button.ClientToScreen(&screen);
	const kt::Sequence seq = {
		{ WM_LBUTTONDOWN, kt::sent },
		{ WM_LBUTTONDOWN, kt::sent | kt::parent | kt::wparam | kt::lparam, MK_LBUTTON,
			MAKELPARAM(screen.x, screen.y) },
		{ WM_LBUTTONUP, kt::sent },
		kt::kSeparator,
		{ WM_LBUTTONDBLCLK, kt::sent },
		{ WM_LBUTTONDBLCLK, kt::sent | kt::parent | kt::wparam | kt::lparam, MK_LBUTTON | MK_SHIFT,
			MAKELPARAM(3, 4) },
		kt::kSeparator,
	};
	kt::MessageRecorder rec(button.GetSafeHwnd(), true);
	button.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 4));
	button.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(3, 4));
	rec.Separate();
	button.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON | MK_SHIFT, MAKELPARAM(3, 4));
	rec.Separate();
	EXPECT_TRUE(rec.Matches(seq, kt::kIncidental));
	CString text;
	button.GetWindowText(text);
	EXPECT_FALSE(text.IsEmpty());
}

TEST_F(TransparentButtonTest, IconButtonShowsTheIconOfItsState)
{
	CTransparentIconButton button;
	ASSERT_TRUE(button.Create(m_host.get(), kId, 0, 0));
	const CRect rc(40, 30, 56, 46);
	button.MoveWindow(rc);
	auto check = [&](const char* what)
	{
		kt::FlushPaint(m_host->GetSafeHwnd());
		EXPECT_APPROVED(Shot(rc), (std::string("iconbutton-") + what).c_str());
	};

	button.SetIcon(IDI_TEST_NORMAL, NULL, IDI_TEST_PRESSED, IDI_TEST_HOT, 0);
	check("normal");
	const kt::Snapshot normal = Shot(rc);

	// Hot from a move over it until the mouse leaves.
	CPoint centre = rc.CenterPoint();
	m_host->ClientToScreen(&centre);
	::SetCursorPos(centre.x, centre.y);
	button.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(8, 8));
	check("hot");
	// The tracking armed by the move reports the leave on its own.
	::SetCursorPos(0, 0);
	EXPECT_TRUE(kt::PumpUntil([&]() { return Shot(rc).CountDiff(normal) == 0; }));

	// Focused: the pressed icon, shifted once pressed, back at a release.
	// Neither the focus nor a press repaints by itself.
	button.SetFocus();
	Paint();
	check("focused");
	button.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(8, 8));
	Paint();
	check("pressed");
	button.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(8, 8));
	Paint();
	check("focused");
	m_host->SetFocus();

	// Disabled: the normal icon greyed, or the disabled icon when it has one.
	button.EnableWindow(FALSE);
	check("disabled-greyed");
	button.SetIcon(IDI_TEST_NORMAL, NULL, 0, 0, IDI_TEST_DISABLED);
	check("disabled-own");
}

TEST_F(TransparentButtonTest, IconButtonFailuresAreLoggedAndLeaveNoIcon)
{
	kt::CapturingLogger log;
	CTransparentIconButton orphan;
	EXPECT_FALSE(orphan.Create(NULL, kId, 0, 0));

	CTransparentIconButton button;
	ASSERT_TRUE(button.Create(m_host.get(), kId, 0, 0));
	const CRect rc(0, 0, 16, 16);
	button.SetIcon(QTXIcon::IconNone, true); // unknown picture: nothing at all
	button.SetIcon(QTXIcon::IconOK, true);
	kt::FlushPaint(m_host->GetSafeHwnd());
	const kt::Snapshot empty = kt::DrawOverHost(*m_host, rc);
	EXPECT_GT(Shot(rc).CountDiff(empty), 20);
	// A missing state icon falls back to the normal one; a missing normal
	// icon leaves the button empty.
	button.SetIcon(IDI_TEST_NORMAL, NULL, 0, 998, 0);
	button.SetIcon(999, NULL, IDI_TEST_HOT, 0, 0);
	kt::FlushPaint(m_host->GetSafeHwnd());
	EXPECT_EQ(Shot(rc).CountDiff(empty), 0);
	const std::vector<std::string> want = { kLogButtonCreate, kLogButtonLoad };
	EXPECT_EQ(log.Lines(), want);
}

// ---------------------------------------------------------------------------
// Handles

TEST_F(TransparentButtonTest, CyclesOfEveryClassLeaveNoGdiObjectBehind)
{
	auto cycle = [this]()
	{
		CTransparentCheckbox check;
		CTransparentRButton radio;
		CTransparentIcon icon;
		CTransparentIconButton button;
		Make(check, "check", CRect(10, 10, 100, 30));
		Make(radio, "radio", CRect(10, 40, 100, 60), kId + 1);
		ASSERT_TRUE(icon.Create("", WS_CHILD | WS_VISIBLE, CRect(10, 70, 50, 100), m_host.get(), kId + 2));
		icon.SetIcon(IDI_TEST_NORMAL, 0, NULL);
		icon.SetIcon(kt::SolidIcon(kTeal), 2);
		icon.SetIcon(IDI_TEST_LARGE, 1, NULL);
		ASSERT_TRUE(button.Create(m_host.get(), kId + 3, 0, 0));
		for (int i = 0; i < 3; ++i)
			button.SetIcon(IDI_TEST_NORMAL, NULL, IDI_TEST_PRESSED, IDI_TEST_HOT, IDI_TEST_DISABLED);
		button.SetIcon(QTXIcon::IconCancel, true);
		Paint();
		// A draw request without a device context is passed over.
		DRAWITEMSTRUCT dis = { ODT_BUTTON, kId, 0, ODA_DRAWENTIRE, 0, check.GetSafeHwnd(), NULL,
			{ 0, 0, 90, 20 }, 0 };
		m_host->SendMessage(WM_DRAWITEM, kId, reinterpret_cast<LPARAM>(&dis));
	};
	EXPECT_TRUE(kt::LeavesNoGdiObjects(cycle, 10));
}

} // namespace
