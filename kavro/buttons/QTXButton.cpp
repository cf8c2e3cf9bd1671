// QTXButton.cpp - the owner-drawn push button: drawing, icons, shading, hot tracking, repeat and Tab.
#include <afxwin.h>

#include <commctrl.h>

#include <algorithm>

#include <kavro/QTXButton.h>
#include <qtx/Graphics.h>
#include <qtx/Support.h>

#include "Frame.h"

// The one window timer of a repeater button.
static const UINT_PTR kRepeatTimerId = 1;
// From the press to the first repeated click, and between repeated clicks.
static const UINT kRepeatDelay = 250;
static const UINT kRepeatInterval = 90;
// Darkening of the jumping icon's shadow and of the hot shade's palette.
static const double kJumpShadowFactor = -0.25;
static const double kHotShadeFactor = -0.45;
// Room a left or right icon takes beside the caption when measuring, and
// between a left icon and the caption when drawing.
static const int kIconGap = 6;
static const int kIconCaptionGap = 7;

IMPLEMENT_DYNAMIC(CQTXButton, CButton)

BEGIN_MESSAGE_MAP(CQTXButton, CButton)
	ON_WM_ERASEBKGND()
	ON_WM_LBUTTONDOWN()
	ON_WM_LBUTTONUP()
	ON_WM_MOUSEMOVE()
	ON_WM_LBUTTONDBLCLK()
	ON_WM_KILLFOCUS()
	ON_WM_CHAR()
	ON_WM_SIZE()
	ON_WM_TIMER()
	ON_WM_DESTROY()
	ON_MESSAGE(WM_MOUSELEAVE, &CQTXButton::OnMouseLeave)
END_MESSAGE_MAP()

/////////////////////////////////////////////////////////////////////////////
// Construction

CQTXButton::CQTXButton()
	: m_bPushLike(true)
	, m_bHot(false)
	, m_bJumpIcon(false)
	, m_bButtonDown(false)
	, m_bFlat(false)
	, m_bDrawFrame(true)
	, m_bRegularFontWhenDisabled(false)
	, m_bShaded(false)
	, m_bShowUnderscore(false)
	, m_bRepeater(false)
	, m_bRepeated(false)
	, m_nFocusRectMargin(2)
	, m_nSpecialStyle(0)
	, m_nTextAlign(DT_CENTER | DT_VCENTER | DT_SINGLELINE)
	, m_nIconAlignH(BS_CENTER)
	, m_nIconAlignV(BS_VCENTER)
	, m_nRepeatTimer(0)
	, m_crText(::GetSysColor(COLOR_BTNTEXT))
	, m_rcIcon(0, 0, 0, 0)
	, m_hIcon(NULL)
	, m_hIconPressed(NULL)
	, m_hIconHot(NULL)
	, m_hIconDisabled(NULL)
{
}

CQTXButton::~CQTXButton()
{
	ClearIcons();
}

/////////////////////////////////////////////////////////////////////////////
// Attributes

void CQTXButton::SetTextColor(unsigned long color)
{
	m_crText = color;
}

void CQTXButton::SetTextAlign(unsigned int format)
{
	m_nTextAlign = format;
}

void CQTXButton::SetFocusRectMargin(short margin)
{
	m_nFocusRectMargin = margin;
}

void CQTXButton::SetJumpIcon(bool jump)
{
	m_bJumpIcon = jump;
}

void CQTXButton::ShowUnderscore(bool show)
{
	if (show == m_bShowUnderscore)
		return;
	m_bShowUnderscore = show;
	Repaint();
}

void CQTXButton::SetRegularFontWhenDisabled(bool regular, bool redraw)
{
	m_bRegularFontWhenDisabled = regular;
	if (redraw)
		Repaint();
}

void CQTXButton::SetButtonStyle(unsigned int style, bool redraw)
{
	m_nSpecialStyle = 0;
	m_bPushLike = (style & BS_PUSHLIKE) != 0;
	if (redraw)
		Repaint();
}

CSize CQTXButton::GetContentSize()
{
	CSize size(0, 0);
	if (::IsWindow(m_hWnd))
	{
		CString strText;
		GetWindowText(strText);
		if (!strText.IsEmpty())
		{
			CClientDC dc(this);
			CreateDefaultFont();
			CFont* pOldFont = dc.SelectObject(&m_font);
			size = GetAnsiTextExtent(&dc, strText);
			TEXTMETRIC tm;
			if (dc.GetTextMetrics(&tm))
			{
				size.cx += tm.tmAveCharWidth / 2;
				size.cy += std::max(tm.tmDescent, tm.tmInternalLeading + tm.tmExternalLeading);
			}
			dc.SelectObject(pOldFont);
		}
	}
	if (m_hIcon != NULL)
	{
		if (m_nIconAlignH == BS_CENTER)
			size.cx = std::max<LONG>(size.cx, m_rcIcon.Width());
		else
			size.cx += m_rcIcon.Width() + kIconGap;
		if (m_nIconAlignV == BS_VCENTER)
			size.cy = std::max<LONG>(size.cy, m_rcIcon.Height());
		else
			size.cy += m_rcIcon.Height();
	}
	size.cx += 2 + 2 * m_nFocusRectMargin;
	size.cy += 2 + 2 * m_nFocusRectMargin;
	return size;
}

/////////////////////////////////////////////////////////////////////////////
// Operations

void CQTXButton::SetAsRepeaterButton()
{
	m_bRepeater = true;
}

void CQTXButton::SetShadeProps(const ShadeProps& props)
{
	CRect rect(0, 0, 0, 0);
	if (::IsWindow(m_hWnd))
		GetClientRect(&rect);
	m_bShaded = m_bFlat = props.m_nShading != ShadeProps::ShadeNone;
	m_shadeNormal.SetSize(rect.Width(), rect.Height());
	m_shadeNormal.SetShadeProps(props);
	m_shadeHot.SetSize(rect.Width(), rect.Height());
	if (m_shadeHot.SetShadeProps(props))
		m_shadeHot.BlendPalette(GraphicsUtils::AdjustColor(props.m_crColor, kHotShadeFactor), props.m_nBlend);
	Repaint();
}

void CQTXButton::SetIcon(QTXIcon::ButtonIcon icon, unsigned int alignH, unsigned int alignV, bool flag)
{
	unsigned int normalId = 0, hotId = 0, disabledId = 0;
	HINSTANCE module = NULL;
	if (QTXIcon::GetIconInfo(icon, normalId, hotId, disabledId, module, flag))
		SetIcon(normalId, module, alignH, alignV, 0, hotId, disabledId);
}

void CQTXButton::SetIcon(unsigned int iconId, HINSTANCE module, unsigned int alignH, unsigned int alignV,
	unsigned int pressedId, unsigned int hotId, unsigned int disabledId)
{
	ClearIcons();
	m_rcIcon.SetRectEmpty();
	if (iconId != 0)
	{
		m_hIcon = LoadIconResource(iconId, module);
		if (m_hIcon == NULL)
		{
			ReportFailure(kLogButtonLoad);
		}
		else
		{
			SetIconAlign(alignH, alignV);
			GetIconRect(m_hIcon, m_rcIcon);
			// A state icon that is not given or cannot be loaded shows the normal one.
			HICON CQTXButton::*slots[] = { &CQTXButton::m_hIconPressed, &CQTXButton::m_hIconHot,
				&CQTXButton::m_hIconDisabled };
			const unsigned int ids[] = { pressedId, hotId, disabledId };
			for (int i = 0; i < 3; ++i)
			{
				HICON hState = ids[i] != 0 ? LoadIconResource(ids[i], module) : NULL;
				this->*slots[i] = hState != NULL ? hState : m_hIcon;
			}
		}
	}
	Repaint();
}

void CQTXButton::SetIcon(HICON icon, unsigned int alignH, unsigned int alignV)
{
	SetIconAlign(alignH, alignV);
	// Icons held so far go, except the one handed in again.
	for (HICON* pSlot : { &m_hIcon, &m_hIconPressed, &m_hIconHot, &m_hIconDisabled })
	{
		if (*pSlot == icon)
			*pSlot = NULL;
	}
	ClearIcons();
	m_rcIcon.SetRectEmpty();
	// A destroyed handle may come back as someone else's icon: keep none.
	if (icon != NULL && GetIconRect(icon, m_rcIcon))
		m_hIcon = m_hIconPressed = m_hIconHot = m_hIconDisabled = icon;
	Repaint();
}

bool CQTXButton::SetFont(const CString& face, long a, long b, unsigned char c, unsigned char d)
{
	LOGFONTA lf;
	GraphicsUtils::SetDefaultFont(lf, face, a, b, c != 0, d != 0, false);
	return SetFont(lf);
}

bool CQTXButton::SetFont(LOGFONTA& lf)
{
	m_font.DeleteObject();
	return m_font.Attach(::CreateFontIndirectA(&lf)) != FALSE;
}

/////////////////////////////////////////////////////////////////////////////
// Overridables

bool CQTXButton::IsChecked() const
{
	return false;
}

bool CQTXButton::GetHaveFocus() const
{
	return false;
}

void CQTXButton::AdjustForIcon(CRect& textRect, CPoint& iconPos) const
{
	if (m_hIcon == NULL)
		return;
	const int cx = m_rcIcon.Width();
	const int cy = m_rcIcon.Height();
	if (m_nIconAlignH == BS_LEFT)
		iconPos.x = textRect.left + 2;
	else if (m_nIconAlignH == BS_RIGHT)
		iconPos.x = textRect.right - cx - 1;
	else
		iconPos.x = textRect.left + textRect.Width() / 2 - cx / 2;
	if (m_nIconAlignV == BS_TOP)
		iconPos.y = textRect.top + 1;
	else if (m_nIconAlignV == BS_BOTTOM)
		iconPos.y = textRect.bottom - 1 - cy;
	else
		iconPos.y = textRect.top + textRect.Height() / 2 - cy / 2;

	if (m_nIconAlignH == BS_LEFT)
		textRect.left += cx + kIconCaptionGap;
	else if (m_nIconAlignH == BS_RIGHT)
		textRect.right -= cx;
	if (m_nIconAlignV == BS_TOP)
		textRect.top += cy;
	else if (m_nIconAlignV == BS_BOTTOM)
		textRect.bottom -= cy;
}

void CQTXButton::PreSubclassWindow()
{
	m_nSpecialStyle = 0;
	m_bPushLike = (GetStyle() & BS_PUSHLIKE) != 0;
	CButton::PreSubclassWindow();
	// The type bits are replaced, not ORed: a radio or three-state type ORed
	// with the owner-draw type would make a command link.
	ModifyStyle(BS_TYPEMASK, BS_OWNERDRAW);
}

void CQTXButton::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
	if (lpDrawItemStruct == NULL)
		return;

	// While the mouse is held, the pushed look follows the cursor; a change
	// of state brings its own paint.
	CPoint ptCursor;
	if (m_bButtonDown && GetCapture() == this && ::GetCursorPos(&ptCursor))
	{
		const bool bInside = WindowFromPoint(ptCursor) == this;
		const bool bPushed = (GetState() & BST_PUSHED) != 0;
		if (bInside != bPushed)
		{
			SetState(bInside);
			return;
		}
	}

	CDC* pDC = CDC::FromHandle(lpDrawItemStruct->hDC);
	CDC* pWindowDC = NULL;
	if (pDC == NULL && ::IsWindow(m_hWnd))
		pDC = pWindowDC = GetDC();
	if (pDC == NULL)
	{
		ReportFailure(kLogButtonNoDC);
		return;
	}
	{
		CMemDC memDC(pDC);
		if (memDC.IsValid())
			DrawFace(&memDC, *lpDrawItemStruct);
	}
	if (pWindowDC != NULL)
		ReleaseDC(pWindowDC);
}

/////////////////////////////////////////////////////////////////////////////
// Implementation

void CQTXButton::SetSpecialStyle(unsigned long style)
{
	m_nSpecialStyle = style;
	m_bPushLike = false;
	m_bDrawFrame = false;
}

void CQTXButton::ClearIcons()
{
	HICON icons[] = { m_hIconPressed, m_hIconHot, m_hIconDisabled, m_hIcon };
	for (int i = 0; i < 4; ++i)
	{
		if (icons[i] != NULL && std::find(icons, icons + i, icons[i]) == icons + i)
			::DestroyIcon(icons[i]);
	}
	m_hIcon = m_hIconPressed = m_hIconHot = m_hIconDisabled = NULL;
}

void CQTXButton::Repaint()
{
	if (::IsWindow(m_hWnd))
		Invalidate(TRUE);
}

void CQTXButton::NotifyClicked()
{
	CWnd* pParent = GetParent();
	if (pParent != NULL)
		pParent->SendMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), BN_CLICKED),
			reinterpret_cast<LPARAM>(m_hWnd));
}

void CQTXButton::SetIconAlign(unsigned int alignH, unsigned int alignV)
{
	m_nIconAlignH = (alignH == BS_LEFT || alignH == BS_RIGHT || alignH == BS_CENTER) ? alignH : BS_CENTER;
	m_nIconAlignV = (alignV == BS_TOP || alignV == BS_BOTTOM || alignV == BS_VCENTER) ? alignV : BS_VCENTER;
}

void CQTXButton::CreateDefaultFont()
{
	if (m_font.GetSafeHandle() != NULL)
		return;
	LOGFONTA lf;
	GraphicsUtils::SetDefaultFont(lf, kDefaultFace, -1, -1, false, false, false);
	m_font.Attach(::CreateFontIndirectA(&lf));
}

void CQTXButton::DrawIcon(CDC* pDC, HICON hIcon, CPoint pt, UINT nFlags, HBRUSH hBrush) const
{
	if (hIcon != NULL)
		pDC->DrawState(pt, m_rcIcon.Size(), hIcon, nFlags, hBrush);
}

void CQTXButton::DrawFace(CDC* pDC, DRAWITEMSTRUCT& dis)
{
	CRect& rcItem = *reinterpret_cast<CRect*>(&dis.rcItem);
	const bool bDisabled = (dis.itemState & ODS_DISABLED) != 0;
	const bool bChecked = IsChecked();
	const bool bPressed = !bDisabled && ((dis.itemState & ODS_SELECTED) != 0 || bChecked);
	const COLORREF crFace = ::GetSysColor(COLOR_BTNFACE);

	pDC->SetBkMode(TRANSPARENT);
	CRect rcText = rcItem;
	rcText.DeflateRect(1, 1);
	CString strText;
	GetWindowText(strText);
	CFont* pOldFont = NULL;
	if (!strText.IsEmpty())
	{
		CreateDefaultFont();
		pOldFont = pDC->SelectObject(&m_font);
	}
	CPoint iconPos(0, 0);
	AdjustForIcon(rcText, iconPos);

	if (bDisabled)
	{
		if (m_bShaded)
			m_shadeNormal.Draw(pDC->m_hDC, 0, 0);
		else
			pDC->FillSolidRect(&rcItem, crFace);
		if (m_hIconDisabled != m_hIcon)
			DrawIcon(pDC, m_hIconDisabled, iconPos, DST_ICON);
		else
			DrawIcon(pDC, m_hIcon, iconPos, DST_ICON | DSS_DISABLED);
		if (m_bDrawFrame && !m_bFlat)
			pDC->DrawEdge(&rcItem, EDGE_RAISED, BF_RECT);
		if (!strText.IsEmpty())
		{
			// Mnemonics mean nothing on a button that cannot be pressed.
			strText.Replace("&", "");
			DrawCaptionText(pDC, strText, rcText, m_nTextAlign, m_crText, !m_bRegularFontWhenDisabled);
		}
	}
	else
	{
		if (bPressed)
		{
			if (!m_bShaded)
				pDC->FillSolidRect(&rcItem, crFace);
			else if (bChecked)
				(m_bHot ? m_shadeHot : m_shadeNormal).Draw(pDC->m_hDC, 0, 0);
			else
			{
				// The face itself sinks with the button.
				const int nShift = m_bDrawFrame ? 1 : 0;
				m_shadeNormal.Draw(pDC->m_hDC, nShift, nShift);
			}
			if (m_hIconPressed != NULL)
			{
				if (m_bPushLike)
					iconPos.Offset(1, 1);
				DrawIcon(pDC, m_hIconPressed, iconPos, DST_ICON);
			}
			if (m_bPushLike)
				rcText.OffsetRect(1, 1);
			if (m_bDrawFrame)
			{
				if (m_bFlat)
					pDC->Draw3dRect(&rcItem, ::GetSysColor(COLOR_BTNSHADOW),
						::GetSysColor(COLOR_BTNHIGHLIGHT));
				else
					pDC->DrawEdge(&rcItem, EDGE_SUNKEN, BF_RECT);
			}
		}
		else
		{
			if (!m_bShaded)
				pDC->FillSolidRect(&rcItem, crFace);
			else
				(m_bHot ? m_shadeHot : m_shadeNormal).Draw(pDC->m_hDC, 0, 0);
			if (m_bJumpIcon && m_bHot)
			{
				// A one-colour shadow one pixel down-right, the icon one pixel up-left.
				iconPos.Offset(1, 1);
				CBrush brush(GraphicsUtils::AdjustColor(::GetSysColor(COLOR_BTNSHADOW), kJumpShadowFactor));
				DrawIcon(pDC, m_hIconHot != NULL ? m_hIconHot : m_hIcon, iconPos, DST_ICON | DSS_MONO,
					static_cast<HBRUSH>(brush.GetSafeHandle()));
				iconPos.Offset(-2, -2);
			}
			DrawIcon(pDC, (m_hIconHot != NULL && m_bHot) ? m_hIconHot : m_hIcon, iconPos, DST_ICON);
			// Flat buttons show their frame only under the mouse; check boxes
			// and radio buttons never.
			if (m_bDrawFrame && (m_bHot || !m_bFlat))
			{
				if (dis.itemState & ODS_DEFAULT)
				{
					pDC->DrawEdge(&rcItem, EDGE_SUNKEN, BF_RECT);
					rcItem.DeflateRect(1, 1);
					pDC->DrawEdge(&rcItem, EDGE_RAISED, BF_RECT);
				}
				else if (m_bFlat)
					pDC->Draw3dRect(&rcItem, ::GetSysColor(COLOR_BTNHIGHLIGHT),
						::GetSysColor(COLOR_BTNSHADOW));
				else
					pDC->DrawEdge(&rcItem, EDGE_RAISED, BF_RECT);
			}
		}
		if ((dis.itemState & ODS_FOCUS) != 0 || GetHaveFocus())
			DrawFocusFrame(pDC, rcItem);
		if (!strText.IsEmpty())
		{
			pDC->SetTextColor(m_crText);
			if (!m_bShowUnderscore)
				StringUtils::RemoveSingleAmpersand(strText);
			DrawAnsiText(pDC, strText, rcText, m_nTextAlign);
		}
	}
	if (pOldFont != NULL)
		pDC->SelectObject(pOldFont);
}

void CQTXButton::DrawFocusFrame(CDC* pDC, const CRect& rcItem) const
{
	const int m = m_nFocusRectMargin;
	if (m <= 0)
		return;
	// Every second pixel in black: DrawFocusRect would invert the shaded face.
	const COLORREF crDot = RGB(0, 0, 0);
	const int x0 = rcItem.left + m, y0 = rcItem.top + m;
	const int x1 = rcItem.right - (m + 1), y1 = rcItem.bottom - (m + 1);
	for (int x = x0; x < x1; x += 2)
	{
		pDC->SetPixel(x, y0, crDot);
		pDC->SetPixel(x, y1, crDot);
	}
	for (int y = y0; y < y1; y += 2)
	{
		pDC->SetPixel(x0, y, crDot);
		pDC->SetPixel(x1, y, crDot);
	}
}

/////////////////////////////////////////////////////////////////////////////
// Message handlers

BOOL CQTXButton::OnEraseBkgnd(CDC* /*pDC*/)
{
	// DrawItem paints every pixel.
	return TRUE;
}

void CQTXButton::OnLButtonDown(UINT /*nFlags*/, CPoint /*point*/)
{
	if (m_bRepeater)
	{
		m_nRepeatTimer = SetTimer(kRepeatTimerId, kRepeatDelay, NULL);
		m_bRepeated = false;
	}
	// The button captures the mouse and shows itself pushed.
	Default();
	m_bButtonDown = true;
}

void CQTXButton::OnLButtonUp(UINT /*nFlags*/, CPoint point)
{
	m_bButtonDown = false;
	if (m_bRepeater)
	{
		KillRepeatTimer();
		if (GetCapture() != NULL)
		{
			// Releasing the capture takes the pushed look away; the button's
			// own release would click once more after the repeats.
			ReleaseCapture();
			CRect rcClient;
			GetClientRect(&rcClient);
			if (!m_bRepeated && rcClient.PtInRect(point))
				NotifyClicked();
			return;
		}
	}
	Default();
}

void CQTXButton::OnMouseMove(UINT /*nFlags*/, CPoint point)
{
	if (m_bButtonDown && GetCapture() == this)
	{
		const bool bInside = IsHeldOver(point);
		const bool bPushed = (GetState() & BST_PUSHED) != 0;
		if (bInside != bPushed)
		{
			SetState(bInside);
			Invalidate(TRUE);
		}
	}
	else if (!m_bHot)
	{
		TRACKMOUSEEVENT tme = { sizeof(tme), TME_LEAVE, m_hWnd, 0 };
		if (_TrackMouseEvent(&tme))
		{
			m_bHot = true;
			Invalidate(TRUE);
		}
	}
	Default();
}

void CQTXButton::OnLButtonDblClk(UINT nFlags, CPoint point)
{
	// A double click is a second press.
	SendMessage(WM_LBUTTONDOWN, nFlags, MAKELPARAM(point.x, point.y));
}

void CQTXButton::OnKillFocus(CWnd* pNewWnd)
{
	if (GetCapture() == this)
	{
		ReleaseCapture();
		m_bButtonDown = false;
	}
	CButton::OnKillFocus(pNewWnd);
}

void CQTXButton::OnChar(UINT nChar, UINT /*nRepCnt*/, UINT /*nFlags*/)
{
	CWnd* pParent = nChar == VK_TAB ? GetParent() : NULL;
	if (pParent != NULL)
	{
		const bool bShift = (::GetKeyState(VK_SHIFT) & ~1) != 0;
		CWnd* pWnd = pParent->GetWindow(GW_CHILD);
		while (pWnd != NULL && pWnd->m_hWnd != m_hWnd)
			pWnd = pWnd->GetWindow(GW_HWNDNEXT);
		// No wrapping at either end: there the focus stays.
		while (pWnd != NULL)
		{
			pWnd = pWnd->GetWindow(bShift ? GW_HWNDPREV : GW_HWNDNEXT);
			if (pWnd != NULL && pWnd->IsWindowVisible() && pWnd->IsWindowEnabled() &&
				(pWnd->GetStyle() & WS_TABSTOP) != 0)
			{
				pWnd->SetFocus();
				break;
			}
		}
	}
	Default();
}

void CQTXButton::OnSize(UINT nType, int cx, int cy)
{
	CButton::OnSize(nType, cx, cy);
	if (m_bShaded && ::IsWindow(m_hWnd))
	{
		m_shadeNormal.SetSize(cx, cy);
		m_shadeHot.SetSize(cx, cy);
	}
}

void CQTXButton::OnTimer(UINT_PTR /*nIDEvent*/)
{
	KillRepeatTimer();
	// Once the cursor has left the button the repetition ends for this press.
	if ((GetState() & BST_PUSHED) == 0)
		return;
	m_nRepeatTimer = SetTimer(kRepeatTimerId, kRepeatInterval, NULL);
	m_bRepeated = true;
	Default();
	// Last: the parent may destroy the button in its handler.
	NotifyClicked();
}

void CQTXButton::OnDestroy()
{
	KillRepeatTimer();
	m_font.DeleteObject();
	m_bHot = m_bButtonDown = false;
	CButton::OnDestroy();
}

LRESULT CQTXButton::OnMouseLeave(WPARAM /*wParam*/, LPARAM /*lParam*/)
{
	m_bHot = false;
	Invalidate(TRUE);
	return 0;
}

bool CQTXButton::IsHeldOver(CPoint point) const
{
	if (!m_bButtonDown)
		return false;
	ClientToScreen(&point);
	return WindowFromPoint(point) == this;
}

void CQTXButton::KillRepeatTimer()
{
	if (m_nRepeatTimer != 0)
	{
		KillTimer(m_nRepeatTimer);
		m_nRepeatTimer = 0;
	}
}
