// TransparentCheckbox.cpp - the transparent check box and radio button.
//
// Classes in this file:
//   StateItemLook
//
// Both are owner-drawn buttons that paint straight onto the DC of
// WM_DRAWITEM, with no background of their own: the parent has already
// painted the area (it is repainted through the parent on every change), and
// the icon and caption go on top of it.
#include <afxwin.h>

#include <kavro/TransparentCheckbox.h>
#include <qtx/Graphics.h>
#include <qtx/Support.h>

#include "Frame.h"

namespace
{

// What one paint of a state item needs from its control.
struct StateItemLook
{
	HICON hIcon;
	CRect rcIcon;
	bool bShowUnderscore;
	UINT nFormat;
	COLORREF crText;
	// Subtracted from the font's descent where the caption is placed.
	int nDescentLess;
	// Draw the focus frame around the caption.
	bool bFocus;
};

} // namespace

// The state icons of the graphics library; a picture it does not know stays
// NULL and is not drawn. The icon rectangle is the checked icon's, or the
// unchecked one's when only that exists.
static void LoadStateIcons(bool bRadio, HICON& hChecked, HICON& hUnchecked, CRect& rcIcon)
{
	unsigned int nID = 0;
	HINSTANCE hModule = NULL;
	hChecked = NULL;
	if (bRadio ? QTXIcon::GetRadioButton(nID, hModule, true) : QTXIcon::GetCheckOnID(nID, hModule))
		hChecked = LoadIconResource(nID, hModule);
	hUnchecked = NULL;
	if (bRadio ? QTXIcon::GetRadioButton(nID, hModule, false) : QTXIcon::GetCheckOffID(nID, hModule))
		hUnchecked = LoadIconResource(nID, hModule);
	rcIcon = GetIconRect(hChecked != NULL ? hChecked : hUnchecked);
}

static void DestroyStateIcons(HICON& hChecked, HICON& hUnchecked)
{
	if (hChecked != NULL)
		::DestroyIcon(hChecked);
	if (hUnchecked != NULL)
		::DestroyIcon(hUnchecked);
	hChecked = hUnchecked = NULL;
}

static void PlaceIcon(const CRect& rcIcon, CRect& rect, CPoint& iconPos)
{
	iconPos.x = rect.left;
	// Centred on the item's height as measured from 0, whatever rect.top is.
	iconPos.y = rect.Height() / 2 - rcIcon.Height() / 2 + 1;
	rect.left += rcIcon.Width() + 4;
}

// The state icon at the left, the caption beside it with its lower edge at
// the icon's lower edge less the descent; embossed when disabled.
static void DrawStateItem(const CWnd* pButton, LPDRAWITEMSTRUCT lpDIS, const StateItemLook& look)
{
	if (lpDIS->hDC == NULL)
		return;
	CDC* pDC = CDC::FromHandle(lpDIS->hDC);
	CRect rect(lpDIS->rcItem);
	CString strCaption;
	pButton->GetWindowText(strCaption);
	if (!look.bShowUnderscore)
		StringUtils::RemoveSingleAmpersand(strCaption);

	CFont* pFont = pButton->GetFont();
	CFont* pOldFont = pFont != NULL ? pDC->SelectObject(pFont) : NULL;
	TEXTMETRIC tm = {};
	pDC->GetTextMetrics(&tm);
	const int nDescent = tm.tmDescent - look.nDescentLess;
	const int nOldBkMode = pDC->SetBkMode(TRANSPARENT);
	const bool bDisabled = (lpDIS->itemState & ODS_DISABLED) != 0;

	CPoint iconPos;
	PlaceIcon(look.rcIcon, rect, iconPos);
	if (look.hIcon != NULL)
		pDC->DrawState(iconPos, look.rcIcon.Size(), look.hIcon,
			DST_ICON | (bDisabled ? DSS_DISABLED : DSS_NORMAL), static_cast<HBRUSH>(NULL));

	// The frame fits the letters as drawn: an underlining ampersand takes no room.
	CString strMeasured(strCaption);
	if (look.bShowUnderscore)
		StringUtils::RemoveSingleAmpersand(strMeasured);
	const CSize extent = GetAnsiTextExtent(pDC, strMeasured);
	rect.bottom = iconPos.y + look.rcIcon.Height() - nDescent;
	rect.top = rect.bottom - extent.cy - nDescent;
	rect.right = rect.left + extent.cx;

	const COLORREF crOldText = DrawCaptionText(pDC, strCaption, rect, look.nFormat, look.crText, bDisabled);

	if (look.bFocus)
	{
		rect.top += nDescent;
		rect.InflateRect(1, 1);
		pDC->DrawFocusRect(&rect);
	}

	pDC->SetTextColor(crOldText);
	pDC->SetBkMode(nOldBkMode);
	if (pOldFont != NULL)
		pDC->SelectObject(pOldFont);
}

static HBRUSH HollowBrush(CDC* pDC)
{
	pDC->SetBkMode(TRANSPARENT);
	return static_cast<HBRUSH>(::GetStockObject(NULL_BRUSH));
}

/////////////////////////////////////////////////////////////////////////////
// CTransparentCheckbox

IMPLEMENT_DYNAMIC(CTransparentCheckbox, CButton)

BEGIN_MESSAGE_MAP(CTransparentCheckbox, CButton)
	ON_WM_CTLCOLOR_REFLECT()
	ON_CONTROL_REFLECT_EX(BN_CLICKED, &CTransparentCheckbox::OnClicked)
	ON_WM_ERASEBKGND()
	ON_WM_KILLFOCUS()
	ON_WM_LBUTTONDOWN()
	ON_WM_LBUTTONUP()
	ON_WM_SETFOCUS()
END_MESSAGE_MAP()

CTransparentCheckbox::CTransparentCheckbox()
	: m_bInTabCtrlPg(false)
	, m_bShowUnderscore(false)
	, m_bChecked(false)
	, m_nFormat(DT_SINGLELINE | DT_BOTTOM)
	, m_crText(::GetSysColor(COLOR_BTNTEXT))
{
	LoadStateIcons(false, m_hIconChecked, m_hIconUnchecked, m_rcIcon);
}

CTransparentCheckbox::~CTransparentCheckbox()
{
	DestroyStateIcons(m_hIconChecked, m_hIconUnchecked);
}

bool CTransparentCheckbox::GetCheck() const
{
	return m_bChecked;
}

void CTransparentCheckbox::SetCheck(bool bChecked)
{
	m_bChecked = bChecked;
	RedrawCtrl();
}

void CTransparentCheckbox::SetWindowTextA(const char* lpszText)
{
	CWnd::SetWindowText(lpszText);
	RedrawCtrl();
}

void CTransparentCheckbox::EnableWindow(int bEnable)
{
	CWnd::EnableWindow(bEnable);
	RedrawCtrl();
}

void CTransparentCheckbox::ShowUnderscore(bool bShow)
{
	m_bShowUnderscore = bShow;
	RedrawCtrl();
}

void CTransparentCheckbox::SetFormat(unsigned int nFormat)
{
	m_nFormat = nFormat;
	RedrawCtrl();
}

void CTransparentCheckbox::SetTextColor(unsigned long crText)
{
	m_crText = crText;
	RedrawCtrl();
}

void CTransparentCheckbox::IsInTabCtrlPg()
{
	m_bInTabCtrlPg = true;
}

void CTransparentCheckbox::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
	if (lpDrawItemStruct == NULL)
		return;
	const StateItemLook look = { m_bChecked ? m_hIconChecked : m_hIconUnchecked, m_rcIcon, m_bShowUnderscore,
		m_nFormat, m_crText, 0, (lpDrawItemStruct->itemState & ODS_FOCUS) != 0 };
	DrawStateItem(this, lpDrawItemStruct, look);
}

void CTransparentCheckbox::PreSubclassWindow()
{
	// Whatever kind of button it was, it is now drawn by DrawItem.
	ModifyStyle(BS_TYPEMASK, BS_OWNERDRAW, SWP_FRAMECHANGED);
	CButton::PreSubclassWindow();
	ModifyStyleEx(0, WS_EX_TRANSPARENT);
}

void CTransparentCheckbox::RedrawCtrl()
{
	RedrawParentArea(this, m_bInTabCtrlPg, false);
}

void CTransparentCheckbox::AdjustForIcon(CRect& rect, CPoint& iconPos) const
{
	PlaceIcon(m_rcIcon, rect, iconPos);
}

HBRUSH CTransparentCheckbox::CtlColor(CDC* pDC, UINT /*nCtlColor*/)
{
	return HollowBrush(pDC);
}

BOOL CTransparentCheckbox::OnClicked()
{
	m_bChecked = !m_bChecked;
	RedrawCtrl();
	// Not consumed: the parent hears the click too.
	return FALSE;
}

BOOL CTransparentCheckbox::OnEraseBkgnd(CDC* /*pDC*/)
{
	return TRUE;
}

void CTransparentCheckbox::OnKillFocus(CWnd* pNewWnd)
{
	CButton::OnKillFocus(pNewWnd);
	RedrawCtrl();
}

void CTransparentCheckbox::OnLButtonDown(UINT nFlags, CPoint point)
{
	CButton::OnLButtonDown(nFlags, point);
	RedrawCtrl();
}

void CTransparentCheckbox::OnLButtonUp(UINT nFlags, CPoint point)
{
	CButton::OnLButtonUp(nFlags, point);
	if (GetCapture() == this)
	{
		::ReleaseCapture();
		RedrawCtrl();
	}
}

void CTransparentCheckbox::OnSetFocus(CWnd* pOldWnd)
{
	CButton::OnSetFocus(pOldWnd);
	RedrawCtrl();
}

/////////////////////////////////////////////////////////////////////////////
// CTransparentRButton

IMPLEMENT_DYNAMIC(CTransparentRButton, CButton)

BEGIN_MESSAGE_MAP(CTransparentRButton, CButton)
	ON_WM_CTLCOLOR_REFLECT()
	ON_CONTROL_REFLECT_EX(BN_CLICKED, &CTransparentRButton::OnClicked)
	ON_WM_ERASEBKGND()
	ON_WM_LBUTTONDOWN()
	ON_WM_LBUTTONUP()
	ON_WM_SETFOCUS()
	ON_WM_KILLFOCUS()
	ON_WM_KEYDOWN()
	ON_MESSAGE(BM_SETCHECK, &CTransparentRButton::OnBMSetCheck)
	ON_MESSAGE(BM_GETCHECK, &CTransparentRButton::OnBMGetCheck)
END_MESSAGE_MAP()

CTransparentRButton::CTransparentRButton()
	: m_bInTabCtrlPg(false)
	, m_bShowUnderscore(false)
	, m_bChecked(false)
	, m_bHaveFocus(false)
	, m_bButtonDown(false)
	, m_nFormat(DT_SINGLELINE | DT_VCENTER)
	, m_crText(::GetSysColor(COLOR_BTNTEXT))
{
	LoadStateIcons(true, m_hIconChecked, m_hIconUnchecked, m_rcIcon);
}

CTransparentRButton::~CTransparentRButton()
{
	ClearIcons();
}

bool CTransparentRButton::GetChecked() const
{
	return m_bChecked;
}

int CTransparentRButton::GetCheck() const
{
	return m_bChecked ? BST_CHECKED : BST_UNCHECKED;
}

void CTransparentRButton::SetChecked(bool bChecked)
{
	m_bChecked = bChecked;
	RedrawCtrl();
	if (bChecked)
		UncheckOthers();
}

void CTransparentRButton::SetGroupIDs(unsigned int nID1, unsigned int nID2, unsigned int nID3,
	unsigned int nID4, unsigned int nID5, unsigned int nID6, unsigned int nID7)
{
	m_groupIDs.clear();
	for (unsigned int nID : { nID1, nID2, nID3, nID4, nID5, nID6, nID7 })
		if (nID != 0)
			m_groupIDs.push_back(nID);
}

void CTransparentRButton::SetWindowTextA(const char* lpszText)
{
	CWnd::SetWindowText(lpszText);
	RedrawCtrl();
}

void CTransparentRButton::EnableWindow(int bEnable)
{
	CWnd::EnableWindow(bEnable);
	RedrawCtrl();
}

void CTransparentRButton::ShowUnderscore(bool bShow)
{
	m_bShowUnderscore = bShow;
	RedrawCtrl();
}

void CTransparentRButton::SetFormat(unsigned int nFormat)
{
	m_nFormat = nFormat;
	RedrawCtrl();
}

void CTransparentRButton::SetTextColor(unsigned long crText)
{
	m_crText = crText;
	RedrawCtrl();
}

void CTransparentRButton::IsInTabCtrlPg()
{
	m_bInTabCtrlPg = true;
}

void CTransparentRButton::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
	if (lpDrawItemStruct == NULL)
		return;
	// The caption sits a pixel lower than the check box's, and the focus frame
	// follows the focus as the control saw it, not only the item state.
	const StateItemLook look = { m_bChecked ? m_hIconChecked : m_hIconUnchecked, m_rcIcon, m_bShowUnderscore,
		m_nFormat, m_crText, 1, (lpDrawItemStruct->itemState & ODS_FOCUS) != 0 || m_bHaveFocus };
	DrawStateItem(this, lpDrawItemStruct, look);
}

void CTransparentRButton::PreSubclassWindow()
{
	// Whatever kind of button it was, it is now drawn by DrawItem.
	ModifyStyle(BS_TYPEMASK, BS_OWNERDRAW, SWP_FRAMECHANGED);
	CButton::PreSubclassWindow();
	ModifyStyleEx(0, WS_EX_TRANSPARENT);
}

void CTransparentRButton::RedrawCtrl()
{
	RedrawParentArea(this, m_bInTabCtrlPg, false);
}

void CTransparentRButton::AdjustForIcon(CRect& rect, CPoint& iconPos) const
{
	PlaceIcon(m_rcIcon, rect, iconPos);
}

void CTransparentRButton::UncheckOthers()
{
	CWnd* pParent = GetParent();
	if (pParent == NULL)
		return;
	for (unsigned int nID : m_groupIDs)
	{
		// A child never bound to an object is a temporary CWnd and fails the test.
		CTransparentRButton* pOther = DYNAMIC_DOWNCAST(CTransparentRButton, pParent->GetDlgItem(nID));
		if (pOther != NULL)
		{
			pOther->m_bChecked = false;
			pOther->RedrawCtrl();
		}
	}
}

void CTransparentRButton::ClearIcons()
{
	DestroyStateIcons(m_hIconChecked, m_hIconUnchecked);
}

HBRUSH CTransparentRButton::CtlColor(CDC* pDC, UINT /*nCtlColor*/)
{
	return HollowBrush(pDC);
}

BOOL CTransparentRButton::OnClicked()
{
	m_bChecked = true;
	RedrawCtrl();
	UncheckOthers();
	// Not consumed: the parent hears the click too.
	return FALSE;
}

BOOL CTransparentRButton::OnEraseBkgnd(CDC* /*pDC*/)
{
	return TRUE;
}

void CTransparentRButton::OnLButtonDown(UINT nFlags, CPoint point)
{
	CButton::OnLButtonDown(nFlags, point);
	m_bButtonDown = true;
}

void CTransparentRButton::OnLButtonUp(UINT nFlags, CPoint point)
{
	if (m_bButtonDown)
	{
		// Released over this button, not merely somewhere after pressing it.
		CPoint ptScreen(point);
		ClientToScreen(&ptScreen);
		if (::WindowFromPoint(ptScreen) == m_hWnd)
			SendMessage(BM_SETCHECK, BST_CHECKED);
	}
	m_bButtonDown = false;
	CButton::OnLButtonUp(nFlags, point);
}

void CTransparentRButton::OnSetFocus(CWnd* pOldWnd)
{
	CButton::OnSetFocus(pOldWnd);
	m_bHaveFocus = true;
	RedrawCtrl();
}

void CTransparentRButton::OnKillFocus(CWnd* pNewWnd)
{
	CButton::OnKillFocus(pNewWnd);
	m_bHaveFocus = false;
	RedrawCtrl();
}

void CTransparentRButton::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
	if (nChar == VK_SPACE)
		SendMessage(BM_SETCHECK, BST_CHECKED);
	CButton::OnKeyDown(nChar, nRepCnt, nFlags);
}

LRESULT CTransparentRButton::OnBMSetCheck(WPARAM wParam, LPARAM /*lParam*/)
{
	m_bChecked = wParam == BST_CHECKED;
	RedrawCtrl();
	if (m_bChecked)
		UncheckOthers();
	return 0;
}

LRESULT CTransparentRButton::OnBMGetCheck(WPARAM /*wParam*/, LPARAM /*lParam*/)
{
	return m_bChecked ? BST_CHECKED : BST_UNCHECKED;
}
