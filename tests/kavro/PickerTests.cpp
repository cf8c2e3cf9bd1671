// PickerTests.cpp - the icon combo box and the colour picker on real windows.
//
// Classes in this file:
//   CTestColorPicker, PickerHost, DialogAnswer, PickerTest
#include <kavrotest/TestSupport.h>

#include <kavro/ColorPicker.h>
#include <kavro/IconComboBox.h>

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
	PickerHost()
		: kt::HostWindow(320, 200)
	{
	}
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

// Answers the next modal dialog owned by hWndOwner at its first idle moment:
// runs action with the dialog's handle, which ends it one way or another.
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
		const CWPSTRUCT* pMsg = reinterpret_cast<const CWPSTRUCT*>(lParam);
		if (code == HC_ACTION && s_pThis != nullptr && pMsg->message == WM_ENTERIDLE &&
			pMsg->wParam == MSGF_DIALOGBOX && pMsg->hwnd == s_pThis->m_hWndOwner && s_pThis->m_nAnswered == 0)
		{
			++s_pThis->m_nAnswered;
			s_pThis->m_action(reinterpret_cast<HWND>(pMsg->lParam));
		}
		return ::CallNextHookEx(NULL, code, wParam, lParam);
	}

	static DialogAnswer* s_pThis;
	HWND m_hWndOwner;
	std::function<void(HWND)> m_action;
	HHOOK m_hHook;
};
DialogAnswer* DialogAnswer::s_pThis = nullptr;

// The colour dialog's red, green and blue boxes.
const int kRedEdit = 706, kGreenEdit = 707, kBlueEdit = 708;

std::function<void(HWND)> ConfirmColor(COLORREF cr)
{
	return [cr](HWND hDlg)
	{
		::SetDlgItemInt(hDlg, kRedEdit, GetRValue(cr), FALSE);
		::SetDlgItemInt(hDlg, kGreenEdit, GetGValue(cr), FALSE);
		::SetDlgItemInt(hDlg, kBlueEdit, GetBValue(cr), FALSE);
		::PostMessageA(hDlg, WM_COMMAND, IDOK, 0);
	};
}

class PickerTest : public ::testing::Test
{
protected:
	// An owner-drawn drop-down list that keeps its strings, as a dialog
	// template would make it, bound to picker.
	void Bind(CColorPicker& picker, int y = 10)
	{
		HWND hWnd = ::CreateWindowExA(0, "COMBOBOX", "",
			WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS, 10,
			y, 200, 300, m_host.GetSafeHwnd(), reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kId)), NULL,
			NULL);
		ASSERT_TRUE(picker.SubclassWindow(hWnd));
	}
	// What a user's choice of entry nIndex does: select it, and the combo
	// box tells its parent.
	void Choose(CColorPicker& picker, int nIndex)
	{
		picker.SetCurSel(nIndex);
		m_host.SendMessage(WM_COMMAND, MAKEWPARAM(kId, CBN_SELCHANGE), (LPARAM)picker.GetSafeHwnd());
	}

	PickerHost m_host;
};

// ---------------------------------------------------------------------------
// Colour picker

TEST_F(PickerTest, PickerListsTheColoursInOrderThenTheCustomEntry)
{
	const COLORREF kOrder[] = { 0x00282828, 0x00C0C0C0, 0x00800080, 0x00000000, 0x00404000, 0x00FFFFFF,
		0x007F7F7F, 0x0082004B, 0x002A2AA5, 0x008B0000, 0x00005500, 0x00C07B7B, 0x005E0000, 0x00EEEEAF,
		0x0000008B, 0x00FF0000, 0x002068FF, 0x00008B8B, 0x00009300, 0x008E8E38, 0x00666666, 0x000000FF,
		0x005BADFF, 0x0032CD32, 0x0071B33C, 0x00FAE6E6, 0x008B8368, 0x00D4FF7F, 0x00C09E7D, 0x00CBC0FF,
		0x0000D7FF, 0x0000FFFF, 0x0000FF00, 0x00D0E040, 0x00E1E4FF, 0x00FFFFC0, 0x00480048, 0x008CB4D2,
		0x00E0FFFF, 0x0098FB98 };
	CColorPicker first, second;
	Bind(first);
	Bind(second, 40);
	for (CColorPicker* picker : { &first, &second })
	{
		ASSERT_EQ(picker->GetCount(), 41);
		for (int i = 0; i < 40; ++i)
		{
			EXPECT_EQ(picker->GetItemData(i), kOrder[i]) << i;
			CString strName;
			picker->GetLBText(i, strName);
			EXPECT_FALSE(strName.IsEmpty());
		}
		// White by default: its table entry is selected, the custom entry carries it.
		EXPECT_EQ(picker->GetCurSel(), 5);
		EXPECT_EQ(picker->GetItemData(kCustom), 0x00FFFFFFu);
	}
}

TEST_F(PickerTest, ColourSetBeforeBindingPicksItsEntryOrTheCustomOne)
{
	const struct
	{
		COLORREF cr;
		int nSel;
	} rows[] = { { 0x00282828, 0 }, { 0x0098FB98, 39 }, { 0x00123456, kCustom } };
	for (const auto& row : rows)
	{
		CColorPicker picker;
		picker.SetColor(row.cr);
		Bind(picker);
		EXPECT_EQ(picker.GetCurSel(), row.nSel);
		EXPECT_EQ(picker.GetItemData(kCustom), row.cr);
		EXPECT_EQ(picker.GetColor(), row.cr);
	}
}

TEST_F(PickerTest, SetColorSelectsRepaintsAndTellsNobody)
{
	CColorPicker picker;
	Bind(picker);
	picker.SetColor(0x000000FF);
	EXPECT_EQ(picker.GetCurSel(), 21);
	EXPECT_EQ(picker.GetItemData(kCustom), 0x000000FFu);
	picker.SetColor(0x00010203);
	EXPECT_EQ(picker.GetCurSel(), kCustom);
	EXPECT_EQ(picker.GetItemData(kCustom), 0x00010203u);
	EXPECT_FALSE(::GetUpdateRect(picker.GetSafeHwnd(), NULL, FALSE)); // painted at once
	EXPECT_TRUE(m_host.m_notes.empty());
}

TEST_F(PickerTest, ChoosingATableColourIsSentToTheParentInsteadOfCbnSelChange)
{
	CColorPicker picker;
	Bind(picker);
	kt::MessageRecorder rec(picker.GetSafeHwnd(), true);
	Choose(picker, 15);
	// Sent, not posted: handled before the notification returns.
	ASSERT_EQ(m_host.m_notes.size(), 1u);
	EXPECT_EQ(m_host.m_notes[0].wParam, kId);
	EXPECT_EQ(m_host.m_notes[0].crColor, 0x00FF0000u);
	rec.Separate();
	Choose(picker, 15); // the same colour again still notifies
	rec.Separate();
	const kt::Sequence kSeq = {
		kt::Command(CBN_SELCHANGE, kt::sent | kt::parent),
		{ CColorPicker::CPN_SELCHANGE, kt::sent | kt::parent | kt::wparam | kt::lparam, kId, 0x00FF0000 },
		kt::kSeparator,
		kt::Command(CBN_SELCHANGE, kt::sent | kt::parent),
		{ CColorPicker::CPN_SELCHANGE, kt::sent | kt::parent | kt::wparam | kt::lparam, kId, 0x00FF0000 },
		kt::kSeparator,
	};
	EXPECT_TRUE(rec.Matches(kSeq,
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
	{
		// Cancelled: back to the entry of the unchanged colour, nothing sent.
		DialogAnswer answer(m_host.GetSafeHwnd(),
			[](HWND hDlg) { ::PostMessageA(hDlg, WM_COMMAND, IDCANCEL, 0); });
		Choose(picker, kCustom);
		EXPECT_EQ(answer.m_nAnswered, 1);
		EXPECT_EQ(picker.GetCurSel(), 0);
		EXPECT_EQ(picker.GetColor(), 0x00282828u);
		EXPECT_TRUE(m_host.m_notes.empty());
	}
	{
		// A colour of no entry: the custom entry stays selected and carries it.
		DialogAnswer answer(m_host.GetSafeHwnd(), ConfirmColor(RGB(10, 20, 30)));
		Choose(picker, kCustom);
		EXPECT_EQ(answer.m_nAnswered, 1);
		EXPECT_EQ(picker.GetCurSel(), kCustom);
		EXPECT_EQ(picker.GetColor(), RGB(10, 20, 30));
		EXPECT_EQ(picker.GetItemData(kCustom), RGB(10, 20, 30));
		ASSERT_EQ(m_host.m_notes.size(), 1u);
		EXPECT_EQ(m_host.m_notes[0].crColor, RGB(10, 20, 30));
	}
	{
		// A colour of the table: its entry is selected.
		DialogAnswer answer(m_host.GetSafeHwnd(), ConfirmColor(RGB(255, 215, 0)));
		Choose(picker, kCustom);
		EXPECT_EQ(picker.GetCurSel(), 30);
		EXPECT_EQ(picker.GetItemData(kCustom), RGB(255, 215, 0));
		ASSERT_EQ(m_host.m_notes.size(), 2u);
		EXPECT_EQ(m_host.m_notes[1].crColor, RGB(255, 215, 0));
	}
}

// Hangs under Wine: the colour dialog keeps running after its owner is destroyed.
TEST_F(PickerTest, DISABLED_ParentDestroyedWhileTheDialogIsOpenEndsQuietly)
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

TEST_F(PickerTest, PickerWithoutAParentStillChooses)
{
	CColorPicker picker;
	HWND hWnd = ::CreateWindowExA(0, "COMBOBOX", "",
		WS_POPUP | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS, 0, 0, 200, 300, NULL, NULL, NULL,
		NULL);
	ASSERT_TRUE(picker.SubclassWindow(hWnd));
	EXPECT_EQ(picker.GetCount(), 41);
	picker.SetColor(0x00FF0000);
	EXPECT_EQ(picker.GetCurSel(), 15);
	picker.DestroyWindow();
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
	kt::Snapshot shot(picker.GetSafeHwnd());
	// Inside the swatch, on its frame, and the name's text starting at q + 2.
	const CRect rcSwatch(rc.left + 2, rc.top + 2, q, rc.bottom - 2);
	EXPECT_EQ(shot.Count(RGB(255, 0, 0),
				  { rcSwatch.left + 1, rcSwatch.top + 1, rcSwatch.right - 1, rcSwatch.bottom - 1 }),
		(rcSwatch.Width() - 2) * (rcSwatch.Height() - 2));
	EXPECT_EQ(shot.Count(RGB(0, 0, 0), { rcSwatch.left, rcSwatch.top, rcSwatch.right, rcSwatch.top + 1 }),
		rcSwatch.Width());
	const CRect rcText(rc.left + q + 2, rc.top, rc.right, rc.bottom);
	EXPECT_GT(rcText.Width() * rcText.Height() - shot.Count(shot.At(rc.right - 2, rc.top + 1), rcText), 10);
}

// ---------------------------------------------------------------------------
// Icon combo box

TEST_F(PickerTest, IconComboHasOneEntryPerImageAndNoOtherWayToAddOne)
{
	CIconComboBox combo;
	ASSERT_TRUE(combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED,
		CRect(10, 10, 100, 200), &m_host, kId));
	EXPECT_EQ(combo.GetItemHeight(0), ::GetSystemMetrics(SM_CYSMICON) + 2);
	CImageList empty, five;
	empty.Create(16, 16, ILC_COLOR32 | ILC_MASK, 0, 1);
	five.Create(16, 16, ILC_COLOR32 | ILC_MASK, 5, 1);
	for (int i = 0; i < 5; ++i)
	{
		HICON hIcon = kt::SolidIcon(RGB(40 * i, 0, 200));
		five.Add(hIcon);
		::DestroyIcon(hIcon);
	}
	combo.ShowIcons(&five);
	EXPECT_EQ(combo.GetCount(), 5);
	EXPECT_EQ(combo.GetCurSel(), CB_ERR);
	EXPECT_EQ(combo.AddString("x"), CB_ERR);
	EXPECT_EQ(combo.InsertString(0, "x"), CB_ERR);
	EXPECT_EQ(combo.DeleteString(0), CB_ERR);
	EXPECT_EQ(combo.GetCount(), 5);
	combo.ShowIcons(&empty);
	EXPECT_EQ(combo.GetCount(), 0);
	combo.ShowIcons(&five);
	combo.ShowIcons(NULL);
	EXPECT_EQ(combo.GetCount(), 0);

	CObject* pObject = CRuntimeClass::CreateObject("CIconComboBox");
	ASSERT_NE(pObject, nullptr);
	EXPECT_TRUE(pObject->IsKindOf(RUNTIME_CLASS(CIconComboBox)));
	delete pObject;
}

TEST_F(PickerTest, IconComboDrawsTheIconOfTheEntryOnePixelIn)
{
	CIconComboBox combo;
	ASSERT_TRUE(combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED,
		CRect(10, 10, 100, 200), &m_host, kId));
	CImageList list;
	list.Create(16, 16, ILC_COLOR32 | ILC_MASK, 5, 1);
	const COLORREF kColors[] = { RGB(200, 0, 0), RGB(0, 200, 0), RGB(0, 0, 200), RGB(200, 200, 0),
		RGB(0, 200, 200) };
	for (COLORREF cr : kColors)
	{
		HICON hIcon = kt::SolidIcon(cr);
		list.Add(hIcon);
		::DestroyIcon(hIcon);
	}
	combo.ShowIcons(&list);
	combo.SetCurSel(3);
	combo.RedrawWindow();
	kt::Snapshot shot(combo.GetSafeHwnd());
	const int cx = ::GetSystemMetrics(SM_CXSMICON), cy = ::GetSystemMetrics(SM_CYSMICON);
	ASSERT_EQ(shot.Count(kColors[3]), cx * cy);
	// Where the field's item starts, the combo box decides; one pixel in from it.
	int x0 = -1, y0 = -1;
	for (int y = 0; y < shot.Height() && x0 < 0; ++y)
		for (int x = 0; x < shot.Width() && x0 < 0; ++x)
			if (shot.At(x, y) == kColors[3])
				x0 = x, y0 = y;
	EXPECT_EQ(shot.Count(kColors[3], { x0, y0, x0 + cx, y0 + cy }), cx * cy);

	// The list shrank below the entry: no icon, and nothing else breaks.
	list.Remove(4);
	list.Remove(3);
	combo.RedrawWindow();
	EXPECT_EQ(kt::Snapshot(combo.GetSafeHwnd()).Count(kColors[3]), 0);
}

TEST_F(PickerTest, CreateFillDestroyCyclesLeaveNoGdiObjects)
{
	CImageList list;
	list.Create(16, 16, ILC_COLOR32 | ILC_MASK, 2, 1);
	HICON hIcon = kt::SolidIcon(RGB(0, 0, 255));
	list.Add(hIcon);
	list.Add(hIcon);
	::DestroyIcon(hIcon);
	auto cycle = [&]
	{
		CColorPicker picker;
		Bind(picker);
		CIconComboBox combo;
		combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED, CRect(10, 50, 100, 200),
			&m_host, kId + 1);
		combo.ShowIcons(&list);
		combo.SetCurSel(1);
		picker.SetColor(RGB(1, 2, 3));
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
