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

enum
{
	IDC_CONSUMER = 201,
	IDC_PASSER = 202,
	IDC_PLAIN = 203,
	IDC_STATIC_CHILD = 204,
	IDC_OWNERDRAW = 205,
	IDC_LIST = 206,
	IDC_COMBO = 207,
};

std::vector<std::string> g_order;

class CParentWnd : public kt::HostWindow
{
public:
	bool m_bOverrideCtlColor = false;
	HBRUSH m_hbrParent = NULL;
	UINT m_nLastCtlType = 0xFFFF;

protected:
	afx_msg void OnConsumerClicked() { g_order.push_back("parent-consumer"); }
	afx_msg void OnPasserClicked() { g_order.push_back("parent-passer"); }
	afx_msg void OnPlainClicked() { g_order.push_back("parent-plain"); }
	afx_msg void OnConsumerNotify(NMHDR*, LRESULT* pResult)
	{
		g_order.push_back("parent-notify-consumer");
		*pResult = 11;
	}
	afx_msg void OnPasserNotify(NMHDR*, LRESULT* pResult)
	{
		g_order.push_back("parent-notify-passer");
		*pResult = 12;
	}
	afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
	{
		m_nLastCtlType = nCtlColor;
		if (m_bOverrideCtlColor)
			return m_hbrParent;
		return CWnd::OnCtlColor(pDC, pWnd, nCtlColor);
	}
	DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CParentWnd, kt::HostWindow)
	ON_BN_CLICKED(IDC_CONSUMER, &CParentWnd::OnConsumerClicked)
	ON_BN_CLICKED(IDC_PASSER, &CParentWnd::OnPasserClicked)
	ON_BN_CLICKED(IDC_PLAIN, &CParentWnd::OnPlainClicked)
	ON_NOTIFY(NM_CLICK, IDC_CONSUMER, &CParentWnd::OnConsumerNotify)
	ON_NOTIFY(NM_CLICK, IDC_PASSER, &CParentWnd::OnPasserNotify)
	ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

// Takes BN_CLICKED and NM_CLICK for itself.
class CConsumingButton : public CButton
{
protected:
	afx_msg void OnClicked() { g_order.push_back("child-consumer"); }
	afx_msg void OnClick(NMHDR*, LRESULT* pResult)
	{
		g_order.push_back("child-notify-consumer");
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
		g_order.push_back("child-passer");
		return FALSE;
	}
	afx_msg BOOL OnClick(NMHDR*, LRESULT*)
	{
		g_order.push_back("child-notify-passer");
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
		ASSERT_NE(nullptr, m_hWndPlain);
		ASSERT_TRUE(m_static.Create("static", WS_CHILD | WS_VISIBLE, CRect(90, 5, 180, 30), &m_parent,
			IDC_STATIC_CHILD));
	}

	LRESULT SendNotify(HWND hWndFrom, UINT nID)
	{
		NMHDR nmhdr = { hWndFrom, nID, static_cast<UINT>(NM_CLICK) };
		return m_parent.SendMessage(WM_NOTIFY, nID, reinterpret_cast<LPARAM>(&nmhdr));
	}

	CParentWnd m_parent;
	CConsumingButton m_consumer;
	CPassingButton m_passer;
	CColorStatic m_static;
	HWND m_hWndPlain = NULL;
};

TEST_F(ReflectionTest, ControlNotificationsGoToTheControlFirst)
{
	// Real clicks: the button sends BN_CLICKED to its parent.
	m_consumer.SendMessage(BM_CLICK);
	EXPECT_EQ((std::vector<std::string>{ "child-consumer" }), g_order);

	g_order.clear();
	m_passer.SendMessage(BM_CLICK);
	EXPECT_EQ((std::vector<std::string>{ "child-passer", "parent-passer" }), g_order);

	// An unbound child has no object to reflect to.
	g_order.clear();
	::SendMessageA(m_hWndPlain, BM_CLICK, 0, 0);
	EXPECT_EQ((std::vector<std::string>{ "parent-plain" }), g_order);
}

TEST_F(ReflectionTest, NotificationsGoToTheControlFirst)
{
	EXPECT_EQ(21, SendNotify(m_consumer.m_hWnd, IDC_CONSUMER));
	EXPECT_EQ((std::vector<std::string>{ "child-notify-consumer" }), g_order);

	g_order.clear();
	EXPECT_EQ(12, SendNotify(m_passer.m_hWnd, IDC_PASSER));
	EXPECT_EQ((std::vector<std::string>{ "child-notify-passer", "parent-notify-passer" }), g_order);
}

TEST_F(ReflectionTest, CtlColorReflectsFromTheParentsBaseHandler)
{
	HBRUSH hbrChild = static_cast<HBRUSH>(::GetStockObject(GRAY_BRUSH));
	m_static.m_hbr = hbrChild;
	CClientDC dc(&m_static);

	// Every WM_CTLCOLORxxx arrives with its CTLCOLOR_xxx type.
	const UINT messages[] = { WM_CTLCOLORMSGBOX, WM_CTLCOLOREDIT, WM_CTLCOLORLISTBOX, WM_CTLCOLORBTN,
		WM_CTLCOLORDLG, WM_CTLCOLORSCROLLBAR, WM_CTLCOLORSTATIC };
	const UINT types[] = { CTLCOLOR_MSGBOX, CTLCOLOR_EDIT, CTLCOLOR_LISTBOX, CTLCOLOR_BTN, CTLCOLOR_DLG,
		CTLCOLOR_SCROLLBAR, CTLCOLOR_STATIC };
	for (int i = 0; i < 7; i++)
	{
		LRESULT lResult = m_parent.SendMessage(messages[i], reinterpret_cast<WPARAM>(dc.m_hDC),
			reinterpret_cast<LPARAM>(m_static.m_hWnd));
		EXPECT_EQ(reinterpret_cast<LRESULT>(hbrChild), lResult) << i;
		EXPECT_EQ(types[i], m_static.m_nCtlColor) << i;
		EXPECT_EQ(types[i], m_parent.m_nLastCtlType) << i;
	}
	EXPECT_EQ(7, m_static.m_nCalls);

	// NULL from the control leaves the colouring to the parent's default.
	m_static.m_hbr = NULL;
	LRESULT lDefault = m_parent.SendMessage(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc.m_hDC),
		reinterpret_cast<LPARAM>(m_static.m_hWnd));
	EXPECT_EQ(::DefWindowProcA(m_parent.m_hWnd, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc.m_hDC),
				  reinterpret_cast<LPARAM>(m_static.m_hWnd)),
		lDefault);

	// A parent handler that does not call its base wins over the control.
	m_static.m_nCalls = 0;
	m_parent.m_bOverrideCtlColor = true;
	m_parent.m_hbrParent = static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH));
	EXPECT_EQ(reinterpret_cast<LRESULT>(m_parent.m_hbrParent),
		m_parent.SendMessage(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc.m_hDC),
			reinterpret_cast<LPARAM>(m_static.m_hWnd)));
	EXPECT_EQ(0, m_static.m_nCalls);
}

TEST_F(ReflectionTest, StaticPaintingUsesTheReflectedBrush)
{
	// The static asks its parent with WM_CTLCOLORSTATIC when it paints.
	CBrush brush(RGB(0, 128, 255));
	m_static.m_hbr = static_cast<HBRUSH>(brush.GetSafeHandle());
	m_static.SetWindowText("");
	m_static.RedrawWindow();
	kt::Snapshot shot(m_static.m_hWnd);
	ASSERT_FALSE(shot.IsEmpty());
	EXPECT_EQ(RGB(0, 128, 255), shot.At(shot.Width() / 2, shot.Height() / 2));
	EXPECT_GT(m_static.m_nCalls, 0);
}

/////////////////////////////////////////////////////////////////////////////
// Owner draw

class COwnerDrawButton : public CButton
{
public:
	int m_nDraws = 0;
	UINT m_nCtlID = 0;

	virtual void DrawItem(LPDRAWITEMSTRUCT lpDIS) override
	{
		m_nDraws++;
		m_nCtlID = lpDIS->CtlID;
		HBRUSH hbr = ::CreateSolidBrush(RGB(255, 0, 0));
		::FillRect(lpDIS->hDC, &lpDIS->rcItem, hbr);
		::DeleteObject(hbr);
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
	int m_nMeasured = 0;

	virtual void MeasureItem(LPMEASUREITEMSTRUCT lpMIS) override
	{
		m_nMeasured++;
		lpMIS->itemHeight = 23;
	}
	virtual void DrawItem(LPDRAWITEMSTRUCT) override {}
};

TEST_F(ReflectionTest, DrawItemReachesTheButtonsVirtualDrawItem)
{
	COwnerDrawButton button;
	ASSERT_TRUE(button.Create("", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, CRect(100, 40, 160, 80), &m_parent,
		IDC_OWNERDRAW));
	button.RedrawWindow();
	EXPECT_GT(button.m_nDraws, 0);
	EXPECT_EQ(static_cast<UINT>(IDC_OWNERDRAW), button.m_nCtlID);
	kt::Snapshot shot(button.m_hWnd);
	EXPECT_EQ(RGB(255, 0, 0), shot.At(shot.Width() / 2, shot.Height() / 2));
}

TEST_F(ReflectionTest, MeasureItemReachesListAndComboObjects)
{
	// Variable height: once per item, with the object already bound.
	CMeasuredList list;
	ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS,
		CRect(190, 5, 300, 150), &m_parent, IDC_LIST));
	list.AddString("zero");
	list.AddString("one");
	list.AddString("two");
	EXPECT_EQ((std::vector<UINT>{ 0, 1, 2 }), list.m_measured);
	EXPECT_EQ(18, list.GetItemHeight(2));

	// Fixed height, made with Create: measured while it is being created,
	// where the creation hook has already bound it.
	CMeasuredCombo combo;
	ASSERT_TRUE(combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS,
		CRect(5, 100, 150, 200), &m_parent, IDC_COMBO));
	EXPECT_GT(combo.m_nMeasured, 0);
	EXPECT_EQ(23, combo.GetItemHeight(0));
}

} // namespace
