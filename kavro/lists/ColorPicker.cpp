// ColorPicker.cpp - the combo box of named colour swatches and its custom entry.
#include <afxwin.h>
#include <afxdlgs.h>

#include <kavro/ColorPicker.h>
#include <qtx/Support.h>

#include <utility>
#include <vector>

#include "Frame.h"

IMPLEMENT_DYNCREATE(CColorPicker, CComboBox)

namespace
{

// The colours in the order the user sees them, each with its enciphered name.
const struct
{
	COLORREF crColor;
	const std::vector<int>* pName;
} kColors[] = { { RGB(40, 40, 40), &kTextColorCharcoal }, { RGB(192, 192, 192), &kTextColorSilver },
	{ RGB(128, 0, 128), &kTextColorPurple }, { RGB(0, 0, 0), &kTextColorBlack },
	{ RGB(0, 64, 64), &kTextColorDarkTeal }, { RGB(255, 255, 255), &kTextColorWhite },
	{ RGB(127, 127, 127), &kTextColorGrey }, { RGB(75, 0, 130), &kTextColorIndigo },
	{ RGB(165, 42, 42), &kTextColorBrown }, { RGB(0, 0, 139), &kTextColorDarkBlue },
	{ RGB(0, 85, 0), &kTextColorDarkGreen }, { RGB(123, 123, 192), &kTextColorPeriwinkle },
	{ RGB(0, 0, 94), &kTextColorNavy }, { RGB(175, 238, 238), &kTextColorPaleTurquoise },
	{ RGB(139, 0, 0), &kTextColorDarkRed }, { RGB(0, 0, 255), &kTextColorBlue },
	{ RGB(255, 104, 32), &kTextColorOrange }, { RGB(139, 139, 0), &kTextColorOlive },
	{ RGB(0, 147, 0), &kTextColorGreen }, { RGB(56, 142, 142), &kTextColorTeal },
	{ RGB(102, 102, 102), &kTextColorDimGrey }, { RGB(255, 0, 0), &kTextColorRed },
	{ RGB(255, 173, 91), &kTextColorLightOrange }, { RGB(50, 205, 50), &kTextColorLimeGreen },
	{ RGB(60, 179, 113), &kTextColorSeaGreen }, { RGB(230, 230, 250), &kTextColorLavender },
	{ RGB(104, 131, 139), &kTextColorSlateGrey }, { RGB(127, 255, 212), &kTextColorAquamarine },
	{ RGB(125, 158, 192), &kTextColorSteelBlue }, { RGB(255, 192, 203), &kTextColorPink },
	{ RGB(255, 215, 0), &kTextColorGold }, { RGB(255, 255, 0), &kTextColorYellow },
	{ RGB(0, 255, 0), &kTextColorLime }, { RGB(64, 224, 208), &kTextColorTurquoise },
	{ RGB(255, 228, 225), &kTextColorMistyRose }, { RGB(192, 255, 255), &kTextColorLightCyan },
	{ RGB(72, 0, 72), &kTextColorAubergine }, { RGB(210, 180, 140), &kTextColorTan },
	{ RGB(255, 255, 224), &kTextColorLightYellow }, { RGB(152, 251, 152), &kTextColorPaleGreen } };

// One table for every picker of the process: the colours with their
// deciphered names, filled by the first picker and kept until the library
// unloads.
std::vector<std::pair<COLORREF, CString>> g_colorTable;

void FillColorTable()
{
	if (!g_colorTable.empty())
		return;
	g_colorTable.reserve(sizeof(kColors) / sizeof(kColors[0]));
	for (const auto& color : kColors)
		g_colorTable.emplace_back(color.crColor, StringUtils::DecryptText(*color.pName));
}

} // namespace

BEGIN_MESSAGE_MAP(CColorPicker, CComboBox)
	ON_CONTROL_REFLECT(CBN_SELCHANGE, &CColorPicker::OnClicked)
	ON_WM_DESTROY()
END_MESSAGE_MAP()

CColorPicker::CColorPicker()
	: m_crColor(RGB(255, 255, 255))
	, m_bDialogOpen(false)
{
	FillColorTable();
}

CColorPicker::~CColorPicker()
{
}

COLORREF CColorPicker::GetColor() const
{
	return m_crColor;
}

void CColorPicker::SetColor(COLORREF crColor)
{
	m_crColor = crColor;
	if (m_hWnd == NULL)
		return;
	const int nCount = GetCount();
	int nSelect = nCount - 1;
	for (int i = 0; i < nCount; ++i)
	{
		if (GetItemData(i) == crColor)
		{
			nSelect = i;
			break;
		}
	}
	SetCurSel(nSelect);
	SetItemData(nCount - 1, m_crColor);
	RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void CColorPicker::PreSubclassWindow()
{
	CComboBox::PreSubclassWindow();
	int nMatch = -1;
	for (const auto& entry : g_colorTable)
	{
		const int nIndex = AddString(entry.second);
		if (nIndex == CB_ERR)
			continue;
		SetItemData(nIndex, entry.first);
		if (nMatch < 0 && entry.first == m_crColor)
			nMatch = nIndex;
	}
	const int nCustom = AddString(StringUtils::DecryptText(kTextColorCustom));
	if (nCustom != CB_ERR)
		SetItemData(nCustom, m_crColor);
	if (nMatch >= 0)
		SetCurSel(nMatch);
	else
		SetCurSel(nCustom != CB_ERR ? nCustom : 0);
}

void CColorPicker::OnClicked()
{
	const int nSelected = GetCurSel();
	if (nSelected == CB_ERR)
		return;
	CString strText;
	GetLBText(nSelected, strText);
	if (strText != StringUtils::DecryptText(kTextColorCustom))
	{
		m_crColor = static_cast<COLORREF>(GetItemData(nSelected));
	}
	else
	{
		CColorDialog dlg(m_crColor, CC_FULLOPEN | CC_ANYCOLOR, this);
		const HWND hWnd = m_hWnd;
		m_bDialogOpen = true;
		const INT_PTR nResult = dlg.DoModal();
		// The parent may have gone while the dialog was open, taking the
		// picker's window and perhaps this object with it: then nothing of
		// this object is touched.
		if (!::IsWindow(hWnd) || CWnd::FromHandlePermanent(hWnd) != this)
			return;
		m_bDialogOpen = false;
		if (nResult != IDOK)
		{
			SetColor(m_crColor);
			return;
		}
		m_crColor = dlg.GetColor();
		const int nCount = GetCount();
		int nMatch = -1;
		for (int i = 0; i < nCount && nMatch < 0; ++i)
		{
			if (GetItemData(i) == m_crColor)
				nMatch = i;
		}
		if (nMatch >= 0)
			SetCurSel(nMatch);
		else
			SetItemData(nSelected, m_crColor);
	}
	// The custom entry always shows the current colour.
	SetItemData(GetCount() - 1, m_crColor);
	CWnd* pParent = GetParent();
	if (pParent != NULL)
		pParent->SendMessage(CPN_SELCHANGE, GetDlgCtrlID(), m_crColor);
}

void CColorPicker::OnDestroy()
{
	CComboBox::OnDestroy();
	// The dialog goes with its owner, but its loop waits for a message
	// before it looks whether the dialog is still there.
	if (m_bDialogOpen)
		::PostThreadMessageA(::GetCurrentThreadId(), WM_NULL, 0, 0);
	m_bDialogOpen = false;
}

void CColorPicker::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
	if (lpDrawItemStruct == NULL)
		return;
	CDC dc;
	if (!dc.Attach(lpDrawItemStruct->hDC))
		return;
	const DRAWITEMSTRUCT& dis = *lpDrawItemStruct;
	CRect rcItem(dis.rcItem);
	const int q = (rcItem.right - rcItem.left) / 4;
	const COLORREF crWindow = ::GetSysColor(COLOR_WINDOW);
	const COLORREF crHighlight = ::GetSysColor(COLOR_HIGHLIGHT);
	const COLORREF crWindowText = ::GetSysColor(COLOR_WINDOWTEXT);
	CBrush* pFrameBrush = CBrush::FromHandle(static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));

	COLORREF crFill = crWindow;
	if (dis.itemState & ODS_SELECTED)
	{
		dc.SetTextColor(~crWindowText & 0x00FFFFFF);
		crFill = crHighlight;
	}
	else
	{
		dc.SetTextColor(crWindowText);
	}
	dc.SetBkColor(crFill);
	dc.FillSolidRect(rcItem, crFill);
	if (dis.itemState & ODS_FOCUS)
		dc.DrawFocusRect(rcItem);

	// The swatch ends at a quarter of the width counted from the control's
	// edge, which is the item's left edge in the list and in the field.
	CRect rcSwatch(rcItem);
	rcSwatch.DeflateRect(2, 2);
	rcSwatch.right = q;
	if (static_cast<int>(dis.itemID) == -1)
	{
		dc.Detach();
		return;
	}
	CString strText;
	GetLBText(static_cast<int>(dis.itemID), strText);
	COLORREF crSwatch = static_cast<COLORREF>(dis.itemData);
	if (dis.itemState & ODS_DISABLED)
	{
		crSwatch = ::GetSysColor(COLOR_INACTIVECAPTIONTEXT);
		dc.SetTextColor(crSwatch);
	}
	dc.SetBkMode(TRANSPARENT);
	AnsiTextOut(&dc, rcItem.left + q + 2, rcItem.top + 2, strText);
	dc.FillSolidRect(rcSwatch, crSwatch);
	dc.FrameRect(rcSwatch, pFrameBrush);
	dc.Detach();
}
