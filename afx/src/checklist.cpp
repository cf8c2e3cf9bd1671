// checklist.cpp - CCheckListBox: a list box that draws a check box in front of every entry.
//
// Classes in this file:
//   AFX_CHECK_DATA

#include "afximpl_.h"
#include "ownerdraw_.h"

#include <algorithm>

// What the list box keeps as an entry's item data once the entry has a check
// state of its own; the application's item data lives inside it.
struct AFX_CHECK_DATA
{
	int m_nCheck;
	BOOL m_bEnabled;
	DWORD_PTR m_dwUserData;
};

namespace
{

// The check box is the system's standard 13-pixel box with a pixel of room
// on each side.
const int kCheckSize = 13;
const int kCheckMargin = 1;

} // namespace

IMPLEMENT_DYNAMIC(CCheckListBox, CListBox)

BEGIN_MESSAGE_MAP(CCheckListBox, CListBox)
	ON_WM_CREATE()
	ON_WM_LBUTTONDOWN()
	ON_WM_LBUTTONDBLCLK()
	ON_WM_KEYDOWN()
	ON_MESSAGE(WM_SETFONT, &CCheckListBox::OnSetFont)
	ON_MESSAGE(LB_GETITEMDATA, &CCheckListBox::OnLBGetItemData)
	ON_MESSAGE(LB_SETITEMDATA, &CCheckListBox::OnLBSetItemData)
END_MESSAGE_MAP()

CCheckListBox::CCheckListBox()
	: m_cyText(0)
	, m_nStyle(BS_AUTOCHECKBOX)
{
}

CCheckListBox::~CCheckListBox()
{
}

BOOL CCheckListBox::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
	// The box draws its entries and reads their texts back.
	ASSERT(dwStyle & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE));
	ASSERT(dwStyle & LBS_HASSTRINGS);
	return CListBox::Create(dwStyle, rect, pParentWnd, nID);
}

/////////////////////////////////////////////////////////////////////////////
// Attributes

void CCheckListBox::SetCheckStyle(UINT nStyle)
{
	if (nStyle == BS_CHECKBOX || nStyle == BS_AUTOCHECKBOX || nStyle == BS_3STATE || nStyle == BS_AUTO3STATE)
		m_nStyle = nStyle;
}

UINT CCheckListBox::GetCheckStyle()
{
	return m_nStyle;
}

void CCheckListBox::SetCheck(int nIndex, int nCheck)
{
	if (nCheck < 0 || nCheck > 2)
		return;
	// The indeterminate state belongs to the three-state styles.
	if (nCheck == 2 && m_nStyle != BS_3STATE && m_nStyle != BS_AUTO3STATE)
		return;
	AFX_CHECK_DATA* pData = EnsureCheckData(nIndex);
	if (pData == NULL)
		return;
	pData->m_nCheck = nCheck;
	InvalidateItem(nIndex);
}

int CCheckListBox::GetCheck(int nIndex)
{
	AFX_CHECK_DATA* pData = GetCheckData(nIndex);
	return pData != NULL ? pData->m_nCheck : 0;
}

void CCheckListBox::Enable(int nIndex, BOOL bEnabled)
{
	AFX_CHECK_DATA* pData = EnsureCheckData(nIndex);
	if (pData == NULL)
		return;
	pData->m_bEnabled = bEnabled;
	InvalidateItem(nIndex);
}

BOOL CCheckListBox::IsEnabled(int nIndex)
{
	AFX_CHECK_DATA* pData = GetCheckData(nIndex);
	return pData != NULL ? pData->m_bEnabled : TRUE;
}

int CCheckListBox::CalcMinimumItemHeight()
{
	return std::max(kCheckSize + 2 * kCheckMargin, m_cyText);
}

/////////////////////////////////////////////////////////////////////////////
// Overridables

CRect CCheckListBox::OnGetCheckPosition(CRect /*rectItem*/, CRect rectCheckBox)
{
	return rectCheckBox;
}

void CCheckListBox::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
	if (lpDrawItemStruct == NULL || (int)lpDrawItemStruct->itemID < 0)
		return;
	CDC* pDC = CDC::FromHandle(lpDrawItemStruct->hDC);
	CRect rc(lpDrawItemStruct->rcItem);
	if (lpDrawItemStruct->itemAction & (ODA_DRAWENTIRE | ODA_SELECT))
	{
		const int nIndex = static_cast<int>(lpDrawItemStruct->itemID);
		const bool bEnabled = IsWindowEnabled() && IsEnabled(nIndex);
		const bool bSelected = bEnabled && (lpDrawItemStruct->itemState & ODS_SELECTED);
		const COLORREF crBack = ::GetSysColor(bSelected ? COLOR_HIGHLIGHT : COLOR_WINDOW);
		const COLORREF crText = ::GetSysColor(!bEnabled   ? COLOR_GRAYTEXT
											  : bSelected ? COLOR_HIGHLIGHTTEXT
														  : COLOR_WINDOWTEXT);
		CString strText;
		GetText(nIndex, strText);
		const COLORREF crOldText = pDC->SetTextColor(crText);
		pDC->FillSolidRect(rc, crBack);
		pDC->DrawText(strText, rc, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
		pDC->SetTextColor(crOldText);
	}
	if (lpDrawItemStruct->itemAction & ODA_FOCUS)
		pDC->DrawFocusRect(rc);
}

void CCheckListBox::MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct)
{
	if (lpMeasureItemStruct != NULL)
		lpMeasureItemStruct->itemHeight = CalcMinimumItemHeight();
}

void CCheckListBox::DeleteItem(LPDELETEITEMSTRUCT /*lpDeleteItemStruct*/)
{
}

BOOL CCheckListBox::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
	switch (message)
	{
	case WM_DRAWITEM:
		PreDrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
		return HandledChildNotify(pResult, TRUE);
	case WM_MEASUREITEM:
		PreMeasureItem(reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam));
		return HandledChildNotify(pResult, TRUE);
	case WM_DELETEITEM:
		PreDeleteItem(reinterpret_cast<LPDELETEITEMSTRUCT>(lParam));
		return HandledChildNotify(pResult, TRUE);
	}
	return CListBox::OnChildNotify(message, wParam, lParam, pResult);
}

void CCheckListBox::PreSubclassWindow()
{
	CListBox::PreSubclassWindow();
	SetMinimumItemHeight();
}

/////////////////////////////////////////////////////////////////////////////
// Implementation

// The raw item data: it goes to the list box's own procedure, past the
// handlers below that hand out the application's part.
AFX_CHECK_DATA* CCheckListBox::GetCheckData(int nIndex)
{
	if (m_hWnd == NULL || nIndex < 0)
		return NULL;
	LRESULT lResult = DefWindowProc(LB_GETITEMDATA, nIndex, 0);
	if (lResult == LB_ERR)
		return NULL;
	return reinterpret_cast<AFX_CHECK_DATA*>(lResult);
}

AFX_CHECK_DATA* CCheckListBox::EnsureCheckData(int nIndex)
{
	if (m_hWnd == NULL || nIndex < 0 || nIndex >= GetCount())
		return NULL;
	AFX_CHECK_DATA* pData = GetCheckData(nIndex);
	if (pData != NULL)
		return pData;
	pData = new AFX_CHECK_DATA{ 0, TRUE, 0 };
	if (DefWindowProc(LB_SETITEMDATA, nIndex, reinterpret_cast<LPARAM>(pData)) == LB_ERR)
	{
		delete pData;
		return NULL;
	}
	return pData;
}

CRect CCheckListBox::GetCheckRect(const CRect& rectItem)
{
	CRect rectCheck(rectItem.left + kCheckMargin, rectItem.top, rectItem.left + kCheckMargin + kCheckSize,
		rectItem.top + kCheckSize);
	rectCheck.OffsetRect(0, std::max(0, (rectItem.Height() - kCheckSize) / 2));
	return OnGetCheckPosition(rectItem, rectCheck);
}

// Draws the check box, then hands the rest of the entry to DrawItem.
void CCheckListBox::PreDrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
	if (lpDrawItemStruct == NULL)
		return;
	DRAWITEMSTRUCT dis = *lpDrawItemStruct;
	if ((int)dis.itemID >= 0)
	{
		const int nIndex = static_cast<int>(dis.itemID);
		const CRect rectItem(dis.rcItem);
		const CRect rectCheck = GetCheckRect(rectItem);
		if (dis.itemAction & (ODA_DRAWENTIRE | ODA_SELECT))
		{
			CRect rectColumn(rectItem);
			rectColumn.right = rectCheck.right + kCheckMargin;
			::FillRect(dis.hDC, rectColumn, ::GetSysColorBrush(COLOR_WINDOW));
			UINT nState = DFCS_BUTTONCHECK;
			const int nCheck = GetCheck(nIndex);
			if (nCheck == 1)
				nState |= DFCS_CHECKED;
			else if (nCheck == 2)
				nState = DFCS_BUTTON3STATE | DFCS_CHECKED;
			if (!IsWindowEnabled() || !IsEnabled(nIndex))
				nState |= DFCS_INACTIVE;
			RECT rcBox = rectCheck;
			::DrawFrameControl(dis.hDC, &rcBox, DFC_BUTTON, nState);
		}
		dis.rcItem.left = rectCheck.right + kCheckMargin;
	}
	// The application's item data, not the box's state.
	AFX_CHECK_DATA* pData = reinterpret_cast<AFX_CHECK_DATA*>(dis.itemData);
	if (pData != NULL && (int)dis.itemID >= 0)
		dis.itemData = pData->m_dwUserData;
	DrawItem(&dis);
}

void CCheckListBox::PreMeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct)
{
	if (lpMeasureItemStruct == NULL)
		return;
	MeasureItem(lpMeasureItemStruct);
	const UINT nMinimum = static_cast<UINT>(CalcMinimumItemHeight());
	if (lpMeasureItemStruct->itemHeight < nMinimum)
		lpMeasureItemStruct->itemHeight = nMinimum;
}

void CCheckListBox::PreDeleteItem(LPDELETEITEMSTRUCT lpDeleteItemStruct)
{
	if (lpDeleteItemStruct == NULL)
		return;
	DELETEITEMSTRUCT dis = *lpDeleteItemStruct;
	AFX_CHECK_DATA* pData = reinterpret_cast<AFX_CHECK_DATA*>(dis.itemData);
	if (pData != NULL)
	{
		dis.itemData = pData->m_dwUserData;
		delete pData;
	}
	DeleteItem(&dis);
}

void CCheckListBox::ToggleCheck(int nIndex)
{
	if (m_nStyle != BS_AUTOCHECKBOX && m_nStyle != BS_AUTO3STATE)
		return;
	if (nIndex < 0 || nIndex >= GetCount() || !IsEnabled(nIndex))
		return;
	const int nStates = m_nStyle == BS_AUTO3STATE ? 3 : 2;
	SetCheck(nIndex, (GetCheck(nIndex) + 1) % nStates);
	CWnd* pParent = GetParent();
	if (pParent != NULL)
		pParent->SendMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), CLBN_CHKCHANGE), (LPARAM)m_hWnd);
}

void CCheckListBox::InvalidateItem(int nIndex)
{
	CRect rc;
	if (GetItemRect(nIndex, rc) != LB_ERR)
		InvalidateRect(rc, FALSE);
}

// A fixed-height list measures its entries once, when it is made; the box
// must fit in them whatever the application answered.
void CCheckListBox::SetMinimumItemHeight()
{
	CFont* pFont = GetFont();
	CClientDC dc(this);
	CFont* pOldFont = pFont != NULL ? dc.SelectObject(pFont) : NULL;
	TEXTMETRICA tm;
	if (dc.GetTextMetrics(&tm))
		m_cyText = tm.tmHeight;
	if (pOldFont != NULL)
		dc.SelectObject(pOldFont);
	if ((GetStyle() & LBS_OWNERDRAWFIXED) && GetItemHeight(0) < CalcMinimumItemHeight())
		SetItemHeight(0, CalcMinimumItemHeight());
}

/////////////////////////////////////////////////////////////////////////////
// Message handlers

int CCheckListBox::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
	if (CListBox::OnCreate(lpCreateStruct) == -1)
		return -1;
	SetMinimumItemHeight();
	return 0;
}

void CCheckListBox::OnLButtonDown(UINT nFlags, CPoint point)
{
	BOOL bOutside = TRUE;
	const int nIndex = static_cast<int>(ItemFromPoint(point, bOutside));
	CRect rectItem;
	const bool bOnBox = !bOutside && GetItemRect(nIndex, rectItem) != LB_ERR &&
						point.x < GetCheckRect(rectItem).right + kCheckMargin;
	// A disabled entry takes neither the check nor the selection.
	if (!bOutside && !IsEnabled(nIndex))
	{
		SetFocus();
		return;
	}
	CListBox::OnLButtonDown(nFlags, point);
	if (bOnBox)
		ToggleCheck(nIndex);
}

void CCheckListBox::OnLButtonDblClk(UINT nFlags, CPoint point)
{
	// Two quick clicks on a box are two toggles.
	OnLButtonDown(nFlags, point);
}

void CCheckListBox::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
	if (nChar == VK_SPACE)
	{
		ToggleCheck(GetCaretIndex());
		// A multiple-selection list also selects with the space bar.
		if (!(GetStyle() & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL)))
			return;
	}
	CListBox::OnKeyDown(nChar, nRepCnt, nFlags);
}

LRESULT CCheckListBox::OnSetFont(WPARAM, LPARAM)
{
	LRESULT lResult = Default();
	SetMinimumItemHeight();
	return lResult;
}

LRESULT CCheckListBox::OnLBGetItemData(WPARAM, LPARAM)
{
	LRESULT lResult = Default();
	if (lResult == LB_ERR || lResult == 0)
		return lResult;
	return static_cast<LRESULT>(reinterpret_cast<AFX_CHECK_DATA*>(lResult)->m_dwUserData);
}

LRESULT CCheckListBox::OnLBSetItemData(WPARAM wParam, LPARAM lParam)
{
	const int nIndex = static_cast<int>(wParam);
	// Index -1 sets every entry.
	if (nIndex == -1)
	{
		const int nCount = GetCount();
		for (int i = 0; i < nCount; ++i)
			OnLBSetItemData(i, lParam);
		return nCount > 0 ? 0 : LB_ERR;
	}
	AFX_CHECK_DATA* pData = EnsureCheckData(nIndex);
	if (pData == NULL)
		return LB_ERR;
	pData->m_dwUserData = static_cast<DWORD_PTR>(lParam);
	return 0;
}
