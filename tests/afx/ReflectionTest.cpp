// ReflectionTest.cpp - reflection of parent notifications to bound child controls.
//
// Classes in this file:
//   CParentWnd, CConsumingButton, CPassingButton, CColorStatic, ReflectionTest, COwnerDrawButton,
//   CMeasuredList, CMeasuredCombo

#include <afxwin.h>

#include <kavrotest/TestSupport.h>

#include <string>
#include <vector>

namespace
{

const UINT IDC_CONSUMER = 201, IDC_PASSER = 202, IDC_PLAIN = 203, IDC_STATIC_CHILD = 204, IDC_OWNERDRAW = 205,
		   IDC_LIST = 206, IDC_COMBO = 207;

using Order = std::vector<std::string>;
Order g_order;

class CParentWnd : public kt::HostWindow
{
public:
	HBRUSH m_hbrOverride = NULL; // returned without asking the base when set
	UINT m_nCtlColor = 0xFFFF;

protected:
	afx_msg void OnClicked(UINT) { g_order.push_back("parent"); }
	afx_msg void OnClick(UINT, NMHDR*, LRESULT* pResult)
	{
		g_order.push_back("parent-notify");
		*pResult = 12;
	}
	afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
	{
		m_nCtlColor = nCtlColor;
		return m_hbrOverride != NULL ? m_hbrOverride : CWnd::OnCtlColor(pDC, pWnd, nCtlColor);
	}
	DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CParentWnd, kt::HostWindow)
	ON_CONTROL_RANGE(BN_CLICKED, IDC_CONSUMER, IDC_PLAIN, &CParentWnd::OnClicked)
	ON_NOTIFY_RANGE(NM_CLICK, IDC_CONSUMER, IDC_PASSER, &CParentWnd::OnClick)
	ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

// Takes BN_CLICKED and NM_CLICK for itself.
class CConsumingButton : public CButton
{
protected:
	afx_msg void OnClicked() { g_order.push_back("child"); }
	afx_msg void OnClick(NMHDR*, LRESULT* pResult)
	{
		g_order.push_back("child-notify");
		*pResult = 21;
	}
	DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CConsumingButton, CButton)
	ON_CONTROL_REFLECT(BN_CLICKED, &CConsumingButton::OnClicked)
	ON_NOTIFY_REFLECT(NM_CLICK, &CConsumingButton::OnClick)
END_MESSAGE_MAP()

// Sees them first and lets the parent have them too.
class CPassingButton : public CButton
{
protected:
	afx_msg BOOL OnClicked()
	{
		g_order.push_back("child");
		return FALSE;
	}
	afx_msg BOOL OnClick(NMHDR*, LRESULT*)
	{
		g_order.push_back("child-notify");
		return FALSE;
	}
	DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CPassingButton, CButton)
	ON_CONTROL_REFLECT_EX(BN_CLICKED, &CPassingButton::OnClicked)
	ON_NOTIFY_REFLECT_EX(NM_CLICK, &CPassingButton::OnClick)
END_MESSAGE_MAP()

class CColorStatic : public CStatic
{
public:
	HBRUSH m_hbr = NULL;
	int m_nCalls = 0;
	UINT m_nCtlColor = 0xFFFF;

protected:
	afx_msg HBRUSH CtlColor(CDC*, UINT nCtlColor)
	{
		m_nCalls++;
		m_nCtlColor = nCtlColor;
		return m_hbr;
	}
	DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CColorStatic, CStatic)
	ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

class ReflectionTest : public ::testing::Test
{
protected:
	virtual void SetUp() override
	{
		g_order.clear();
		ASSERT_TRUE(m_consumer.Create("consumer", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, CRect(5, 5, 80, 30),
			&m_parent, IDC_CONSUMER));
		ASSERT_TRUE(m_passer.Create("passer", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, CRect(5, 35, 80, 60),
			&m_parent, IDC_PASSER));
		m_hWndPlain = ::CreateWindowExA(0, "BUTTON", "plain", WS_CHILD | WS_VISIBLE, 5, 65, 75, 25,
			m_parent.m_hWnd, reinterpret_cast<HMENU>(IDC_PLAIN), NULL, NULL);
		ASSERT_TRUE(m_static.Create("static", WS_CHILD | WS_VISIBLE, CRect(90, 5, 180, 30), &m_parent,
			IDC_STATIC_CHILD));
	}

	LRESULT SendCtlColor(UINT message)
	{
		CClientDC dc(&m_static);
		return m_parent.SendMessage(message, reinterpret_cast<WPARAM>(dc.m_hDC),
			reinterpret_cast<LPARAM>(m_static.m_hWnd));
	}

	CParentWnd m_parent;
	CConsumingButton m_consumer;
	CPassingButton m_passer;
	CColorStatic m_static;
	HWND m_hWndPlain = NULL;
};

TEST_F(ReflectionTest, NotificationsGoToTheControlFirst)
{
	// Real clicks send BN_CLICKED; NM_CLICK comes as a control would send it.
	const struct
	{
		HWND hWnd;
		bool bNotify;
		LRESULT lResult;
		Order order;
	} kCases[] = {
		{ m_consumer.m_hWnd, false, 0, { "child" } },
		{ m_passer.m_hWnd, false, 0, { "child", "parent" } },
		// An unbound child has no object to reflect to.
		{ m_hWndPlain, false, 0, { "parent" } },
		{ m_consumer.m_hWnd, true, 21, { "child-notify" } },
		{ m_passer.m_hWnd, true, 12, { "child-notify", "parent-notify" } },
	};
	for (const auto& c : kCases)
	{
		g_order.clear();
		if (c.bNotify)
		{
			UINT nID = static_cast<UINT>(::GetDlgCtrlID(c.hWnd));
			NMHDR nmhdr = { c.hWnd, nID, static_cast<UINT>(NM_CLICK) };
			EXPECT_EQ(c.lResult, m_parent.SendMessage(WM_NOTIFY, nID, reinterpret_cast<LPARAM>(&nmhdr)));
		}
		else
		{
			::SendMessageA(c.hWnd, BM_CLICK, 0, 0);
		}
		EXPECT_EQ(c.order, g_order) << ::GetDlgCtrlID(c.hWnd) << (c.bNotify ? " NM_CLICK" : " BN_CLICKED");
	}
}

TEST_F(ReflectionTest, CtlColorReflectsFromTheParentsBaseHandler)
{
	HBRUSH hbrChild = static_cast<HBRUSH>(::GetStockObject(GRAY_BRUSH));
	m_static.m_hbr = hbrChild;

	// Every WM_CTLCOLORxxx arrives with its CTLCOLOR_xxx type.
	const UINT kTypes[][2] = { { WM_CTLCOLORMSGBOX, CTLCOLOR_MSGBOX }, { WM_CTLCOLOREDIT, CTLCOLOR_EDIT },
		{ WM_CTLCOLORLISTBOX, CTLCOLOR_LISTBOX }, { WM_CTLCOLORBTN, CTLCOLOR_BTN },
		{ WM_CTLCOLORDLG, CTLCOLOR_DLG }, { WM_CTLCOLORSCROLLBAR, CTLCOLOR_SCROLLBAR },
		{ WM_CTLCOLORSTATIC, CTLCOLOR_STATIC } };
	for (const auto& t : kTypes)
	{
		EXPECT_EQ(reinterpret_cast<LRESULT>(hbrChild), SendCtlColor(t[0])) << t[0];
		EXPECT_EQ(t[1], m_static.m_nCtlColor) << t[0];
		EXPECT_EQ(t[1], m_parent.m_nCtlColor) << t[0];
	}
	EXPECT_EQ(7, m_static.m_nCalls);

	// NULL from the control leaves the colouring to the parent's default.
	m_static.m_hbr = NULL;
	EXPECT_EQ(::DefWindowProcA(m_parent.m_hWnd, WM_CTLCOLORSTATIC, 0,
				  reinterpret_cast<LPARAM>(m_static.m_hWnd)),
		SendCtlColor(WM_CTLCOLORSTATIC));

	// A parent handler that does not call its base wins over the control.
	m_static.m_nCalls = 0;
	m_parent.m_hbrOverride = static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH));
	EXPECT_EQ(reinterpret_cast<LRESULT>(m_parent.m_hbrOverride), SendCtlColor(WM_CTLCOLORSTATIC));
	EXPECT_EQ(0, m_static.m_nCalls);
}

/////////////////////////////////////////////////////////////////////////////
// Owner draw

class COwnerDrawButton : public CButton
{
public:
	UINT m_nCtlID = 0;

	virtual void DrawItem(LPDRAWITEMSTRUCT lpDIS) override
	{
		m_nCtlID = lpDIS->CtlID;
		CDC::FromHandle(lpDIS->hDC)->FillSolidRect(&lpDIS->rcItem, RGB(255, 0, 0));
	}
};

class CMeasuredList : public CListBox
{
public:
	std::vector<UINT> m_measured;

	virtual void MeasureItem(LPMEASUREITEMSTRUCT lpMIS) override
	{
		m_measured.push_back(lpMIS->itemID);
		lpMIS->itemHeight = 10 + lpMIS->itemID * 4;
	}
	virtual void DrawItem(LPDRAWITEMSTRUCT) override {}
};

class CMeasuredCombo : public CComboBox
{
public:
	virtual void MeasureItem(LPMEASUREITEMSTRUCT lpMIS) override { lpMIS->itemHeight = 23; }
	virtual void DrawItem(LPDRAWITEMSTRUCT) override {}
};

TEST_F(ReflectionTest, DrawItemAndMeasureItemReachTheControlsVirtuals)
{
	COwnerDrawButton button;
	ASSERT_TRUE(button.Create("", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, CRect(100, 40, 160, 80), &m_parent,
		IDC_OWNERDRAW));
	button.RedrawWindow();
	EXPECT_EQ(static_cast<UINT>(IDC_OWNERDRAW), button.m_nCtlID);
	kt::Snapshot shot(button.m_hWnd);
	EXPECT_EQ(RGB(255, 0, 0), shot.At(shot.Width() / 2, shot.Height() / 2));

	// Variable height: once per item, with the object already bound.
	CMeasuredList list;
	ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS,
		CRect(190, 5, 300, 150), &m_parent, IDC_LIST));
	for (const char* psz : { "zero", "one", "two" })
		list.AddString(psz);
	EXPECT_EQ((std::vector<UINT>{ 0, 1, 2 }), list.m_measured);
	EXPECT_EQ(18, list.GetItemHeight(2));

	// Fixed height, made with Create: measured while it is being created,
	// where the creation hook has already bound it.
	CMeasuredCombo combo;
	ASSERT_TRUE(combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS,
		CRect(5, 100, 150, 200), &m_parent, IDC_COMBO));
	EXPECT_EQ(23, combo.GetItemHeight(0));
}

// The framework's check list box: a click on the box or the space bar
// toggles it, a click on the text only selects; the
// application's item data survives the check state; three states cycle with
// the three-state style; out of range, nothing; each box drawn as the
// system draws a check box.
TEST_F(ReflectionTest, CheckListBoxTogglesTellsAndDrawsItsBoxes)
{
	CCheckListBox list;
	ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LBS_NOTIFY | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS,
		CRect(10, 10, 200, 150), &m_parent, IDC_LIST));
	for (const char* text : { "alpha", "beta", "gamma" })
		list.AddString(text);
	list.SetItemData(0, 1234);
	CRect rc;
	list.GetItemRect(1, rc);
	auto click = [&](int nIndex, int x)
	{
		const LPARAM pt = MAKELPARAM(x, rc.Height() * nIndex + rc.Height() / 2);
		list.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, pt);
		list.SendMessage(WM_LBUTTONUP, 0, pt);
	};
	click(0, 5);
	click(1, 60);
	list.SendMessage(WM_KEYDOWN, VK_SPACE, 0);
	EXPECT_EQ(list.GetCheck(0) * 10 + list.GetCheck(1), 11);
	EXPECT_EQ(list.GetItemData(0), 1234u);
	EXPECT_EQ(list.GetCurSel(), 1);

	list.SetCheck(1, 2); // two states by default
	EXPECT_EQ(list.GetCheck(1), 1);
	list.SetCheckStyle(BS_AUTO3STATE);
	std::vector<int> seen;
	for (int i = 0; i < 3; ++i)
	{
		click(0, 5);
		seen.push_back(list.GetCheck(0));
	}
	EXPECT_EQ(seen, (std::vector<int>{ 2, 0, 1 }));
	list.SetCheck(7, 1);
	list.SetCheck(-1, 1);
	EXPECT_EQ(list.GetCheck(7) + list.GetCheck(-1), 0);

	list.SetCheck(0, 2);
	list.SetCheck(1, 0);
	kt::FlushPaint(m_parent.GetSafeHwnd());
	const UINT states[] = { DFCS_BUTTON3STATE | DFCS_CHECKED, DFCS_BUTTONCHECK, DFCS_BUTTONCHECK };
	for (int i = 0; i < 3; ++i)
	{
		RECT rcBox = { 1, (rc.Height() - 13) / 2, 14, (rc.Height() - 13) / 2 + 13 };
		const kt::Snapshot want = kt::Snapshot::Draw(15, rc.Height(), ::GetSysColor(COLOR_WINDOW),
			[&](HDC hdc) { ::DrawFrameControl(hdc, &rcBox, DFC_BUTTON, states[i]); });
		EXPECT_EQ(kt::Snapshot(list.GetSafeHwnd(), CRect(0, rc.Height() * i, 15, rc.Height() * (i + 1)))
					  .CountDiff(want),
			0)
			<< i;
	}
}

} // namespace
