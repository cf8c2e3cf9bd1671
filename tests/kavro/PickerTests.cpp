// PickerTests.cpp - the icon combo box and the colour picker on real windows.
//
// Classes in this file:
//   CTestColorPicker, PickerHost, DialogAnswer, PickerTest
#include <kavrotest/TestSupport.h>

#include <kavro/ColorPicker.h>
#include <kavro/HighlightCheckListbox.h>
#include <kavro/IconComboBox.h>
#include <kavro/MenuListbox.h>

#include <functional>
#include <vector>

namespace
{

const UINT kId = 100;
const int kCustom = 40;

// Notes the rectangle of the selection field when the picker draws it, as
// an application that decorates its picker would derive.
class CTestColorPicker : public CColorPicker
{
public:
	virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override
	{
		if (lpDrawItemStruct->itemState & ODS_COMBOBOXEDIT)
			m_rcField = lpDrawItemStruct->rcItem;
		CColorPicker::DrawItem(lpDrawItemStruct);
	}
	CRect m_rcField;
};

// Notes CPN_SELCHANGE as it arrives, and any CBN_SELCHANGE that gets through.
class PickerHost : public kt::HostWindow
{
public:
	struct Note
	{
		WPARAM wParam;
		COLORREF crColor;
	};
	std::vector<Note> m_notes;
	int m_nCbnSelChange = 0;

protected:
	afx_msg LRESULT OnColorSelChange(WPARAM wParam, LPARAM lParam)
	{
		m_notes.push_back({ wParam, static_cast<COLORREF>(lParam) });
		return 0;
	}
	afx_msg void OnCbnSelChange() { ++m_nCbnSelChange; }
	DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(PickerHost, kt::HostWindow)
	ON_REGISTERED_MESSAGE(CColorPicker::CPN_SELCHANGE, &PickerHost::OnColorSelChange)
	ON_CBN_SELCHANGE(kId, &PickerHost::OnCbnSelChange)
END_MESSAGE_MAP()

// Answers the next modal dialog owned by hWndOwner at its first idle moment
// by running action on the dialog, which ends it one way or another.
class DialogAnswer
{
public:
	DialogAnswer(HWND hWndOwner, std::function<void(HWND)> action)
		: m_hWndOwner(hWndOwner)
		, m_action(std::move(action))
	{
		s_pThis = this;
		m_hHook = ::SetWindowsHookExA(WH_CALLWNDPROC, &CallWndProc, NULL, ::GetCurrentThreadId());
	}
	~DialogAnswer()
	{
		::UnhookWindowsHookEx(m_hHook);
		s_pThis = nullptr;
	}
	int m_nAnswered = 0;

private:
	static LRESULT CALLBACK CallWndProc(int code, WPARAM wParam, LPARAM lParam)
	{
		const CWPSTRUCT* p = reinterpret_cast<const CWPSTRUCT*>(lParam);
		if (code == HC_ACTION && s_pThis != nullptr && p->message == WM_ENTERIDLE &&
			p->wParam == MSGF_DIALOGBOX && p->hwnd == s_pThis->m_hWndOwner && s_pThis->m_nAnswered++ == 0)
			s_pThis->m_action(reinterpret_cast<HWND>(p->lParam));
		return ::CallNextHookEx(NULL, code, wParam, lParam);
	}

	static DialogAnswer* s_pThis;
	HWND m_hWndOwner;
	std::function<void(HWND)> m_action;
	HHOOK m_hHook;
};
DialogAnswer* DialogAnswer::s_pThis = nullptr;

// Types a colour into the dialog's red, green and blue boxes and confirms it.
std::function<void(HWND)> ConfirmColor(COLORREF cr)
{
	return [cr](HWND hDlg)
	{
		::SetDlgItemInt(hDlg, 706, GetRValue(cr), FALSE);
		::SetDlgItemInt(hDlg, 707, GetGValue(cr), FALSE);
		::SetDlgItemInt(hDlg, 708, GetBValue(cr), FALSE);
		::PostMessageA(hDlg, WM_COMMAND, IDOK, 0);
	};
}

class PickerTest : public ::testing::Test
{
protected:
	// An owner-drawn drop-down list that keeps its strings, as a dialog
	// template makes it, bound to picker.
	// Without a parent it is a popup window.
	void Bind(CColorPicker& picker, bool bParent = true)
	{
		HWND hWnd = ::CreateWindowExA(0, "COMBOBOX", "",
			(bParent ? WS_CHILD | WS_VISIBLE | WS_VSCROLL : WS_POPUP) | CBS_DROPDOWNLIST |
				CBS_OWNERDRAWFIXED | CBS_HASSTRINGS,
			10, 10, 200, 300, bParent ? m_host.GetSafeHwnd() : NULL,
			reinterpret_cast<HMENU>(static_cast<UINT_PTR>(bParent ? kId : 0)), NULL, NULL);
		ASSERT_TRUE(picker.SubclassWindow(hWnd));
	}
	// What a user's choice of entry nIndex does: select it, and the combo
	// box tells its parent.
	void Choose(CColorPicker& picker, int nIndex)
	{
		picker.SetCurSel(nIndex);
		m_host.SendMessage(WM_COMMAND, MAKEWPARAM(kId, CBN_SELCHANGE), (LPARAM)picker.GetSafeHwnd());
	}
	void MakeIconCombo(CIconComboBox& combo, int y = 10)
	{
		ASSERT_TRUE(combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED,
			CRect(10, y, 100, y + 190), &m_host, kId + 1));
	}
	void AddIcons(CImageList& list, std::initializer_list<COLORREF> colors)
	{
		list.Create(16, 16, ILC_COLOR32 | ILC_MASK, 5, 1);
		for (COLORREF cr : colors)
		{
			HICON hIcon = kt::SolidIcon(cr);
			list.Add(hIcon);
			::DestroyIcon(hIcon);
		}
	}

	PickerHost m_host;
};

TEST_F(PickerTest, PickerListsTheColoursInOrderThenTheCustomEntrySelectingItsColour)
{
	const COLORREF kOrder[] = { 0x00282828, 0x00C0C0C0, 0x00800080, 0x00000000, 0x00404000, 0x00FFFFFF,
		0x007F7F7F, 0x0082004B, 0x002A2AA5, 0x008B0000, 0x00005500, 0x00C07B7B, 0x005E0000, 0x00EEEEAF,
		0x0000008B, 0x00FF0000, 0x002068FF, 0x00008B8B, 0x00009300, 0x008E8E38, 0x00666666, 0x000000FF,
		0x005BADFF, 0x0032CD32, 0x0071B33C, 0x00FAE6E6, 0x008B8368, 0x00D4FF7F, 0x00C09E7D, 0x00CBC0FF,
		0x0000D7FF, 0x0000FFFF, 0x0000FF00, 0x00D0E040, 0x00E1E4FF, 0x00FFFFC0, 0x00480048, 0x008CB4D2,
		0x00E0FFFF, 0x0098FB98 };
	// The colour set before binding (white when none), and the entry it selects.
	const struct
	{
		COLORREF cr;
		int nSel;
	} rows[] = { { CLR_NONE, 5 }, { 0x00282828, 0 }, { 0x0098FB98, 39 }, { 0x00123456, kCustom } };
	for (const auto& row : rows)
	{
		CColorPicker picker;
		if (row.cr != CLR_NONE)
			picker.SetColor(row.cr);
		Bind(picker);
		const COLORREF cr = row.cr != CLR_NONE ? row.cr : 0x00FFFFFF;
		ASSERT_EQ(picker.GetCount(), 41);
		for (int i = 0; i < 40; ++i)
			EXPECT_EQ(picker.GetItemData(i), kOrder[i]) << i;
		EXPECT_EQ(picker.GetCurSel(), row.nSel);
		EXPECT_EQ(picker.GetItemData(kCustom), cr);
		EXPECT_EQ(picker.GetColor(), cr);
	}
	CString strFirst, strCustom;
	CColorPicker picker; // one with no parent
	Bind(picker, false);
	picker.GetLBText(0, strFirst);
	picker.GetLBText(kCustom, strCustom);
	EXPECT_FALSE(strFirst.IsEmpty());
	EXPECT_NE(strFirst, strCustom);
	picker.SetColor(0x00FF0000);
	EXPECT_EQ(picker.GetCurSel(), 15);
	picker.DestroyWindow();
}

// SetColor tells nobody; a choice is sent to the parent, synchronously, in
// place of CBN_SELCHANGE, even when the colour did not change.
const kt::Sequence kChooseSeq = {
	kt::kSeparator,
	kt::Command(CBN_SELCHANGE, kt::sent | kt::parent),
	{ 0, kt::sent | kt::parent | kt::wparam | kt::lparam, kId, 0x00FF0000 },
	kt::kSeparator,
	kt::Command(CBN_SELCHANGE, kt::sent | kt::parent),
	{ 0, kt::sent | kt::parent | kt::wparam | kt::lparam, kId, 0x00FF0000 },
	kt::kSeparator,
};

TEST_F(PickerTest, SetColorTellsNobodyAndAChoiceIsSentToTheParentInsteadOfCbnSelChange)
{
	CColorPicker picker;
	Bind(picker);
	kt::MessageRecorder rec(picker.GetSafeHwnd(), true);
	picker.SetColor(0x00010203);
	EXPECT_EQ(picker.GetCurSel(), kCustom);
	EXPECT_EQ(picker.GetItemData(kCustom), 0x00010203u);
	EXPECT_FALSE(::GetUpdateRect(picker.GetSafeHwnd(), NULL, FALSE)); // painted at once
	rec.Separate();
	for (int i = 0; i < 2; ++i)
	{
		Choose(picker, 15);
		EXPECT_EQ(m_host.m_notes.size(), i + 1u); // handled before the notification returns
		rec.Separate();
	}
	kt::Sequence seq = kChooseSeq;
	seq[2].message = seq[5].message = CColorPicker::CPN_SELCHANGE;
	EXPECT_TRUE(rec.Matches(seq,
		{ kt::kIncidental, { WM_DRAWITEM, WM_MEASUREITEM, CB_SETCURSEL, CB_GETCURSEL, CB_GETLBTEXT,
							   CB_GETLBTEXTLEN, CB_GETCOUNT, CB_GETITEMDATA, CB_SETITEMDATA } }));
	EXPECT_EQ(m_host.m_nCbnSelChange, 0);
	EXPECT_EQ(picker.GetColor(), 0x00FF0000u);
	EXPECT_EQ(picker.GetItemData(kCustom), 0x00FF0000u);
}

TEST_F(PickerTest, CustomEntryKeepsAConfirmedColourAndForgetsACancelledOne)
{
	CColorPicker picker;
	Bind(picker);
	picker.SetColor(0x00282828);
	// A cancelled dialog goes back to the unchanged colour's entry and sends
	// nothing; a confirmed colour of no entry stays on the custom entry; one
	// of the table selects its entry.
	const struct
	{
		std::function<void(HWND)> action;
		int nSel;
		COLORREF crColor;
		size_t nNotes;
	} rows[] = {
		{ [](HWND hDlg) { ::PostMessageA(hDlg, WM_COMMAND, IDCANCEL, 0); }, 0, 0x00282828, 0 },
		{ ConfirmColor(RGB(10, 20, 30)), kCustom, RGB(10, 20, 30), 1 },
		{ ConfirmColor(RGB(255, 215, 0)), 30, RGB(255, 215, 0), 2 },
	};
	for (const auto& row : rows)
	{
		DialogAnswer answer(m_host.GetSafeHwnd(), row.action);
		Choose(picker, kCustom);
		EXPECT_EQ(answer.m_nAnswered, 1);
		EXPECT_EQ(picker.GetCurSel(), row.nSel);
		EXPECT_EQ(picker.GetColor(), row.crColor);
		EXPECT_EQ(picker.GetItemData(kCustom), row.crColor);
		ASSERT_EQ(m_host.m_notes.size(), row.nNotes);
		if (row.nNotes > 0)
		{
			EXPECT_EQ(m_host.m_notes.back().crColor, row.crColor);
		}
	}
}

TEST_F(PickerTest, ParentDestroyedWhileTheDialogIsOpenEndsQuietly)
{
	CColorPicker picker;
	Bind(picker);
	DialogAnswer answer(m_host.GetSafeHwnd(), [this](HWND) { m_host.DestroyWindow(); });
	Choose(picker, kCustom);
	EXPECT_EQ(answer.m_nAnswered, 1);
	EXPECT_EQ(picker.GetSafeHwnd(), (HWND)NULL);
	EXPECT_TRUE(m_host.m_notes.empty());
	EXPECT_EQ(picker.GetColor(), 0x00FFFFFFu);
}

TEST_F(PickerTest, FieldShowsTheSwatchFramedInBlackBesideTheName)
{
	CTestColorPicker picker;
	picker.SetColor(RGB(255, 0, 0));
	Bind(picker);
	kt::FlushPaint(m_host.GetSafeHwnd());
	picker.RedrawWindow();
	const CRect rc = picker.m_rcField;
	ASSERT_FALSE(rc.IsRectEmpty());
	const int q = rc.Width() / 4;
	const kt::Snapshot shot(picker.GetSafeHwnd());
	// The swatch ends at a quarter of the width, framed; the name starts at q + 2.
	const CRect rcSwatch(rc.left + 2, rc.top + 2, q, rc.bottom - 2);
	EXPECT_EQ(shot.Count(RGB(255, 0, 0), { rcSwatch.left + 1, rcSwatch.top + 1, q - 1, rcSwatch.bottom - 1 }),
		(rcSwatch.Width() - 2) * (rcSwatch.Height() - 2));
	EXPECT_EQ(shot.Count(RGB(0, 0, 0), { rcSwatch.left, rcSwatch.top, q, rcSwatch.top + 1 }),
		rcSwatch.Width());
	const CRect rcText(rc.left + q + 2, rc.top, rc.right, rc.bottom);
	EXPECT_GT(rcText.Width() * rcText.Height() - shot.Count(shot.At(rc.right - 2, rc.top + 1), rcText), 10);
}

TEST_F(PickerTest, IconComboHasOneEntryPerImageAndDrawsItsIconOnePixelIn)
{
	CIconComboBox combo;
	MakeIconCombo(combo);
	EXPECT_EQ(combo.GetItemHeight(0), ::GetSystemMetrics(SM_CYSMICON) + 2);
	CImageList empty, five;
	AddIcons(empty, {});
	const COLORREF kColors[] = { RGB(200, 0, 0), RGB(0, 200, 0), RGB(0, 0, 200), RGB(200, 200, 0),
		RGB(0, 200, 200) };
	AddIcons(five, { kColors[0], kColors[1], kColors[2], kColors[3], kColors[4] });
	combo.ShowIcons(&five);
	EXPECT_EQ(combo.GetCount(), 5);
	EXPECT_EQ(combo.GetCurSel(), CB_ERR);
	EXPECT_EQ(combo.AddString("x"), CB_ERR);
	EXPECT_EQ(combo.InsertString(0, "x"), CB_ERR);
	EXPECT_EQ(combo.DeleteString(0), CB_ERR);
	EXPECT_EQ(combo.GetCount(), 5);

	combo.SetCurSel(3);
	combo.RedrawWindow();
	kt::Snapshot shot(combo.GetSafeHwnd());
	const int cx = ::GetSystemMetrics(SM_CXSMICON), cy = ::GetSystemMetrics(SM_CYSMICON);
	ASSERT_EQ(shot.Count(kColors[3]), cx * cy);
	// Where the field's item starts, the combo box decides: one pixel in from it.
	int x0 = -1, y0 = -1;
	for (int y = 0; y < shot.Height() && x0 < 0; ++y)
		for (int x = 0; x < shot.Width() && x0 < 0; ++x)
			if (shot.At(x, y) == kColors[3])
				x0 = x, y0 = y;
	EXPECT_EQ(shot.Count(kColors[3], { x0, y0, x0 + cx, y0 + cy }), cx * cy);

	five.Remove(4); // the list shrank below the entry: no icon, nothing breaks
	five.Remove(3);
	combo.RedrawWindow();
	EXPECT_EQ(kt::Snapshot(combo.GetSafeHwnd()).Count(kColors[3]), 0);
	combo.ShowIcons(&empty);
	EXPECT_EQ(combo.GetCount(), 0);
	combo.ShowIcons(&five);
	combo.ShowIcons(NULL);
	EXPECT_EQ(combo.GetCount(), 0);

	CObject* pObject = CRuntimeClass::CreateObject("CIconComboBox");
	EXPECT_TRUE(pObject != nullptr && pObject->IsKindOf(RUNTIME_CLASS(CIconComboBox)));
	delete pObject;
}

TEST_F(PickerTest, CreateFillPaintDestroyCyclesLeaveNoGdiObjects)
{
	CImageList icons;
	AddIcons(icons, { RGB(0, 0, 255), RGB(0, 255, 0) });
	const DWORD dwList =
		WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | LBS_NOTIFY | LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS;
	auto cycle = [&]
	{
		CColorPicker picker;
		Bind(picker);
		picker.SetColor(RGB(1, 2, 3));
		CIconComboBox combo;
		MakeIconCombo(combo, 50);
		combo.ShowIcons(&icons);
		combo.SetCurSel(1);
		CHighlightListbox high;
		CHighlightCheckListbox check;
		high.Create(dwList, CRect(10, 80, 150, 160), &m_host, kId + 2);
		check.Create(dwList, CRect(160, 80, 300, 160), &m_host, kId + 3);
		for (CListBox* pList : { static_cast<CListBox*>(&high), static_cast<CListBox*>(&check) })
		{
			pList->AddString("a");
			pList->AddString("b");
		}
		high.SetHighlight(1);
		check.SetHighlight(0);
		check.SetCheck(1, 1);
		kt::FlushPaint(m_host.GetSafeHwnd());
		picker.DestroyWindow();
	};
	cycle();
	kt::RunIdle();
	const int nBefore = kt::CountGdiObjects();
	for (int i = 0; i < 20; ++i)
		cycle();
	kt::RunIdle();
	EXPECT_LT(kt::CountGdiObjects() - nBefore, 10);
}

} // namespace
