// TreeCtrlTest.cpp - CTreeCtrl: items, navigation, expansion, geometry, reflected notifications.
//
// Classes in this file:
//   CNotifyTree, TreeCtrlTest
#include <kavrotest/TestSupport.h>

#include <afxcmn.h>

#include <string>
#include <vector>

namespace
{

const UINT kTreeID = 200;

// A tree that takes its notifications itself, as the directory tree does.
class CNotifyTree : public CTreeCtrl
{
public:
	std::vector<NMTREEVIEW> m_selChanged;
	std::vector<NMTREEVIEW> m_expanding;
	bool m_bVetoExpand = false;

protected:
	afx_msg void OnSelChanged(NMHDR* pNMHDR, LRESULT* pResult)
	{
		EXPECT_EQ(static_cast<UINT>(TVN_SELCHANGEDA), pNMHDR->code);
		m_selChanged.push_back(*reinterpret_cast<NMTREEVIEW*>(pNMHDR));
		*pResult = 0;
	}
	afx_msg void OnItemExpanding(NMHDR* pNMHDR, LRESULT* pResult)
	{
		m_expanding.push_back(*reinterpret_cast<NMTREEVIEW*>(pNMHDR));
		*pResult = m_bVetoExpand;
	}
	DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CNotifyTree, CTreeCtrl)
	ON_NOTIFY_REFLECT(TVN_SELCHANGED, &CNotifyTree::OnSelChanged)
	ON_NOTIFY_REFLECT(TVN_ITEMEXPANDING, &CNotifyTree::OnItemExpanding)
END_MESSAGE_MAP()

class TreeCtrlTest : public ::testing::Test
{
protected:
	virtual void SetUp() override
	{
		const RECT rc = { 0, 0, 300, 180 };
		ASSERT_TRUE(m_tree.Create(WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT |
									  TVS_SHOWSELALWAYS,
			rc, &m_host, kTreeID));
		m_hFruit = m_tree.InsertItem("Fruit");
		m_hApple = m_tree.InsertItem("Apple", m_hFruit);
		m_hPear = m_tree.InsertItem("Pear", m_hFruit);
		m_hVeg = m_tree.InsertItem("Vegetables");
	}

	kt::HostWindow m_host;
	CNotifyTree m_tree;
	HTREEITEM m_hFruit = NULL, m_hApple = NULL, m_hPear = NULL, m_hVeg = NULL;
};

TEST_F(TreeCtrlTest, ItemsNavigateAndKeepTheirData)
{
	const HTREEITEM kNavigation[][2] = { { m_tree.GetRootItem(), m_hFruit },
		{ m_tree.GetChildItem(m_hFruit), m_hApple }, { m_tree.GetNextSiblingItem(m_hApple), m_hPear },
		{ m_tree.GetPrevSiblingItem(m_hPear), m_hApple }, { m_tree.GetParentItem(m_hPear), m_hFruit },
		{ m_tree.GetNextSiblingItem(m_hVeg), NULL } };
	for (const auto& n : kNavigation)
		EXPECT_EQ(n[1], n[0]);
	EXPECT_TRUE(m_tree.ItemHasChildren(m_hFruit));
	EXPECT_FALSE(m_tree.ItemHasChildren(m_hVeg));

	// Labels longer than the first read buffer come back whole.
	const std::string strLong(700, 'x');
	EXPECT_TRUE(m_tree.SetItemText(m_hPear, strLong.c_str()));
	EXPECT_STREQ(strLong.c_str(), m_tree.GetItemText(m_hPear));
	EXPECT_STREQ("Apple", m_tree.GetItemText(m_hApple));

	// Children sort by label: a Cherry put first goes back behind Apple.
	m_tree.InsertItem("Cherry", m_hFruit, TVI_FIRST);
	EXPECT_TRUE(m_tree.SortChildren(m_hFruit));
	EXPECT_STREQ("Apple", m_tree.GetItemText(m_tree.GetChildItem(m_hFruit)));

	HTREEITEM hBanana =
		m_tree.InsertItem(TVIF_TEXT | TVIF_PARAM, "Banana", 0, 0, 0, 0, 42, m_hFruit, TVI_FIRST);
	EXPECT_EQ(hBanana, m_tree.GetChildItem(m_hFruit));
	TVITEM item = {};
	item.mask = TVIF_PARAM;
	item.hItem = hBanana;
	ASSERT_TRUE(m_tree.GetItem(&item));
	EXPECT_EQ(42, item.lParam);

	int nImage = -1, nSelected = -1;
	EXPECT_TRUE(m_tree.SetItemImage(m_hVeg, 3, 4));
	EXPECT_TRUE(m_tree.GetItemImage(m_hVeg, nImage, nSelected) && nImage == 3 && nSelected == 4);
	EXPECT_TRUE(m_tree.SetItemState(m_hVeg, TVIS_BOLD | TVIS_CUT, TVIS_BOLD | TVIS_CUT));
	EXPECT_EQ(static_cast<UINT>(TVIS_BOLD), m_tree.GetItemState(m_hVeg, TVIS_BOLD | TVIS_SELECTED));

	CImageList images;
	ASSERT_TRUE(images.Create(16, 16, ILC_COLOR32, 0, 4));
	EXPECT_EQ(NULL, m_tree.SetImageList(&images, TVSIL_NORMAL));
	EXPECT_EQ(&images, m_tree.GetImageList(TVSIL_NORMAL));
	m_tree.SetImageList(NULL, TVSIL_NORMAL);

	EXPECT_TRUE(m_tree.DeleteAllItems());
	EXPECT_EQ(0u, m_tree.GetCount());
}

TEST_F(TreeCtrlTest, ExpandedChildrenHaveRectanglesAndHits)
{
	// Inside a collapsed branch an item has no rectangle, and the caller's
	// is left alone.
	RECT rcChild = { -7, -7, -7, -7 };
	EXPECT_FALSE(m_tree.GetItemRect(m_hApple, &rcChild, FALSE));
	EXPECT_EQ(-7, rcChild.left);
	EXPECT_FALSE(m_tree.GetItemRect(m_hApple, NULL, FALSE));

	EXPECT_TRUE(m_tree.Expand(m_hFruit, TVE_EXPAND));
	RECT rcRoot = {}, rcLabel = {};
	ASSERT_TRUE(m_tree.GetItemRect(m_hFruit, &rcRoot, FALSE));
	ASSERT_TRUE(m_tree.GetItemRect(m_hApple, &rcChild, FALSE));
	ASSERT_TRUE(m_tree.GetItemRect(m_hApple, &rcLabel, TRUE));
	EXPECT_NEAR(rcRoot.bottom, rcChild.top, 1);
	EXPECT_GT(rcLabel.left, rcChild.left);
	EXPECT_LT(rcLabel.right, rcChild.right);

	UINT nFlags = 0;
	EXPECT_EQ(m_hApple, m_tree.HitTest(CRect(rcLabel).CenterPoint(), &nFlags));
	EXPECT_TRUE(nFlags & TVHT_ONITEMLABEL);
	EXPECT_EQ(NULL, m_tree.HitTest(CPoint(150, 170), &nFlags));
	EXPECT_TRUE(nFlags & TVHT_NOWHERE);
	EXPECT_EQ(NULL, m_tree.HitTest(NULL));
}

TEST_F(TreeCtrlTest, SelectionChangesAreReflectedToTheTree)
{
	EXPECT_TRUE(m_tree.SelectItem(m_hVeg));
	// A click selects too. The button-up is queued first: the tree waits for
	// it after the button-down to tell a click from a drag.
	m_tree.Expand(m_hFruit, TVE_EXPAND);
	RECT rc = {};
	ASSERT_TRUE(m_tree.GetItemRect(m_hPear, &rc, TRUE));
	const CPoint pt = CRect(rc).CenterPoint();
	m_tree.PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
	m_tree.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
	kt::PumpPending();
	EXPECT_EQ(m_hPear, m_tree.GetSelectedItem());
	ASSERT_EQ(2u, m_tree.m_selChanged.size());
	const NMTREEVIEW &byCode = m_tree.m_selChanged[0], &byMouse = m_tree.m_selChanged[1];
	EXPECT_TRUE(byCode.itemNew.hItem == m_hVeg && byCode.action == TVC_UNKNOWN);
	EXPECT_TRUE(byMouse.itemOld.hItem == m_hVeg && byMouse.itemNew.hItem == m_hPear);
	EXPECT_EQ(static_cast<UINT>(TVC_BYMOUSE), byMouse.action);
}

// Refused, the expansion is asked for and goes no further; allowed, it is
// asked for and then told.
const kt::Sequence kExpandSeq = {
	{ TVM_EXPAND, kt::sent | kt::wparam, TVE_EXPAND },
	kt::Notify(TVN_ITEMEXPANDINGA, kt::sent | kt::parent),
	kt::kSeparator,
	{ TVM_EXPAND, kt::sent | kt::wparam, TVE_EXPAND },
	kt::Notify(TVN_ITEMEXPANDINGA, kt::sent | kt::parent),
	kt::Notify(TVN_ITEMEXPANDEDA, kt::sent | kt::parent),
	kt::kSeparator,
};

TEST_F(TreeCtrlTest, ExpansionCanBeRefusedByTheReflectedHandler)
{
	kt::MessageRecorder rec(m_tree.GetSafeHwnd(), true);
	m_tree.m_bVetoExpand = true;
	m_tree.Expand(m_hFruit, TVE_EXPAND);
	rec.Separate();
	EXPECT_FALSE(m_tree.GetItemState(m_hFruit, TVIS_EXPANDED) & TVIS_EXPANDED);
	m_tree.m_bVetoExpand = false;
	EXPECT_TRUE(m_tree.Expand(m_hFruit, TVE_EXPAND));
	rec.Separate();
	EXPECT_TRUE(rec.Matches(kExpandSeq, { kt::kIncidental, { TVM_GETITEMA } }));
	EXPECT_TRUE(m_tree.GetItemState(m_hFruit, TVIS_EXPANDED) & TVIS_EXPANDED);
	ASSERT_EQ(2u, m_tree.m_expanding.size());
	EXPECT_EQ(m_hFruit, m_tree.m_expanding[0].itemNew.hItem);
	EXPECT_EQ(static_cast<UINT>(TVE_EXPAND), m_tree.m_expanding[0].action);
}

} // namespace
