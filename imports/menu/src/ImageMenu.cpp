// ImageMenu.cpp - CImageMenu: loading, filtering and drawing of image popup menus.
//
// Classes in this file:
//   ImageTable, CFilterCmdUI
#include <qtx/ImageMenu.h>

#include <algorithm>
#include <map>

namespace
{

// Layout of an item, in pixels.
const int kImageMargin = 3;  // around the image, inside its column
const int kTextGap = 6;      // between the image column and the text
const int kAccelGap = 24;    // between the label and the accelerator text
const int kRightMargin = 12; // after the text; the sub-menu arrow lives there

// The process-wide image table. Icons are copies owned by the table.
class ImageTable
{
public:
	~ImageTable()
	{
		for (auto& entry : m_icons)
			::DestroyIcon(entry.second);
	}
	BOOL Set(UINT nID, HICON hIcon)
	{
		HICON hCopy = NULL;
		if (hIcon != NULL && (hCopy = ::CopyIcon(hIcon)) == NULL)
			return FALSE;
		auto it = m_icons.find(nID);
		if (it != m_icons.end())
		{
			::DestroyIcon(it->second);
			m_icons.erase(it);
		}
		if (hCopy != NULL)
			m_icons[nID] = hCopy;
		return TRUE;
	}
	HICON Get(UINT nID) const
	{
		auto it = m_icons.find(nID);
		return it != m_icons.end() ? it->second : NULL;
	}
private:
	std::map<UINT, HICON> m_icons;
};

ImageTable& Images()
{
	static ImageTable table;
	return table;
}

// Collects what an update handler asks for, instead of changing the menu
// while it is being walked.
class CFilterCmdUI : public CCmdUI
{
public:
	CFilterCmdUI()
		: m_bEnabled(TRUE)
		, m_nCheck(-1)
	{
	}
	virtual void Enable(BOOL bOn = TRUE) override { m_bEnabled = bOn; }
	virtual void SetCheck(int nCheck = 1) override { m_nCheck = nCheck; }

	BOOL m_bEnabled;
	int m_nCheck; // -1: the handler left the check mark alone
};

UINT GetItemType(HMENU hMenu, int nPos, HMENU* phSubMenu = NULL, UINT* pnID = NULL)
{
	MENUITEMINFOA mii = {};
	mii.cbSize = sizeof(mii);
	mii.fMask = MIIM_FTYPE | MIIM_SUBMENU | MIIM_ID;
	if (!::GetMenuItemInfoA(hMenu, nPos, TRUE, &mii))
		return 0;
	if (phSubMenu != NULL)
		*phSubMenu = mii.hSubMenu;
	if (pnID != NULL)
		*pnID = mii.wID;
	return mii.fType;
}

bool IsSeparator(HMENU hMenu, int nPos)
{
	return (GetItemType(hMenu, nPos) & MFT_SEPARATOR) != 0;
}

// Drops separators that lead, trail or follow another separator.
void TidySeparators(HMENU hMenu)
{
	bool bAfterSeparator = true;
	for (int i = 0; i < ::GetMenuItemCount(hMenu);)
	{
		const bool bSeparator = IsSeparator(hMenu, i);
		if (bSeparator && bAfterSeparator)
		{
			::DeleteMenu(hMenu, i, MF_BYPOSITION);
			continue;
		}
		bAfterSeparator = bSeparator;
		++i;
	}
	const int nCount = ::GetMenuItemCount(hMenu);
	if (nCount > 0 && IsSeparator(hMenu, nCount - 1))
		::DeleteMenu(hMenu, nCount - 1, MF_BYPOSITION);
}

// Applies the owner's update handlers to the menu and its sub-menus, then
// drops what is left empty.
void FilterMenu(HMENU hMenu, CWnd* pOwner)
{
	for (int i = 0; i < ::GetMenuItemCount(hMenu);)
	{
		HMENU hSubMenu = NULL;
		UINT nID = 0;
		const UINT fType = GetItemType(hMenu, i, &hSubMenu, &nID);
		if (hSubMenu != NULL)
		{
			FilterMenu(hSubMenu, pOwner);
			if (::GetMenuItemCount(hSubMenu) <= 0)
			{
				::DeleteMenu(hMenu, i, MF_BYPOSITION);
				continue;
			}
		}
		else if (!(fType & MFT_SEPARATOR) && nID != 0 && pOwner != NULL)
		{
			CFilterCmdUI state;
			state.m_nID = nID;
			state.m_nIndex = i;
			state.m_nIndexMax = ::GetMenuItemCount(hMenu);
			state.m_pMenu = CMenu::FromHandle(hMenu);
			state.m_pOther = NULL;
			if (pOwner->OnCmdMsg(nID, CN_UPDATE_COMMAND_UI, &state, NULL))
			{
				::EnableMenuItem(hMenu, i, MF_BYPOSITION | (state.m_bEnabled ? MF_ENABLED : MF_GRAYED));
				if (state.m_nCheck >= 0)
					::CheckMenuItem(hMenu, i, MF_BYPOSITION | (state.m_nCheck ? MF_CHECKED : MF_UNCHECKED));
			}
		}
		++i;
	}
	TidySeparators(hMenu);
}

// Draws a check mark or radio bullet from the Marlett symbol font, which
// follows the text colour (DrawFrameControl's glyphs are black and white).
void DrawCheckGlyph(HDC hdc, const RECT& rc, bool bRadio, COLORREF cr)
{
	const int size = rc.bottom - rc.top;
	HFONT hFont = ::CreateFontA(size, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SYMBOL_CHARSET,
		OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, "Marlett");
	if (hFont == NULL)
		return;
	HGDIOBJ hOldFont = ::SelectObject(hdc, hFont);
	const COLORREF crOld = ::SetTextColor(hdc, cr);
	RECT rcGlyph = rc;
	// Marlett: "a" is the check mark, "h" the bullet.
	::DrawTextA(hdc, bRadio ? "h" : "a", 1, &rcGlyph, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
	::SetTextColor(hdc, crOld);
	::SelectObject(hdc, hOldFont);
	::DeleteObject(hFont);
}

} // namespace

IMPLEMENT_DYNAMIC(CImageMenu, CMenu)

/////////////////////////////////////////////////////////////////////////////
// Construction

CImageMenu::CImageMenu()
	: m_hFont(NULL)
{
}

CImageMenu::~CImageMenu()
{
	for (ItemData* p : m_items)
		delete p;
	if (m_hFont != NULL)
		::DeleteObject(m_hFont);
}

CImageMenu* CImageMenu::LoadFilteredPopupMenu(UINT nIDResource, CWnd* pOwner)
{
	HINSTANCE hInst = AfxFindResourceHandle(MAKEINTRESOURCE(nIDResource), RT_MENU);
	HMENU hBar = ::LoadMenuA(hInst, MAKEINTRESOURCE(nIDResource));
	if (hBar == NULL)
		return NULL;

	// Take the first popup out of the loaded menu, so that destroying the
	// rest leaves it alive.
	HMENU hPopup = NULL;
	for (int i = 0; i < ::GetMenuItemCount(hBar) && hPopup == NULL; ++i)
	{
		HMENU hSubMenu = ::GetSubMenu(hBar, i);
		if (hSubMenu != NULL && ::RemoveMenu(hBar, i, MF_BYPOSITION))
			hPopup = hSubMenu;
	}
	::DestroyMenu(hBar);
	if (hPopup == NULL)
		return NULL;

	if (pOwner != NULL && pOwner->GetSafeHwnd() == NULL)
		pOwner = NULL;
	FilterMenu(hPopup, pOwner);
	if (::GetMenuItemCount(hPopup) <= 0)
	{
		::DestroyMenu(hPopup);
		return NULL;
	}

	CImageMenu* pMenu = new CImageMenu;
	if (!pMenu->Attach(hPopup))
	{
		delete pMenu;
		::DestroyMenu(hPopup);
		return NULL;
	}
	return pMenu;
}

/////////////////////////////////////////////////////////////////////////////
// Attributes

BOOL CImageMenu::SetCommandImage(UINT nID, HICON hIcon)
{
	return Images().Set(nID, hIcon);
}

HICON CImageMenu::GetCommandImage(UINT nID)
{
	return Images().Get(nID);
}

/////////////////////////////////////////////////////////////////////////////
// Operations

BOOL CImageMenu::TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd, LPCRECT lpRect)
{
	if (m_hMenu == NULL || !::IsMenu(m_hMenu) || pWnd == NULL || !::IsWindow(pWnd->GetSafeHwnd()))
		return FALSE;
	// A nested call (from a handler while the menu is open) finds the items
	// already owner-drawn.
	const bool bOuter = m_items.empty();
	if (bOuter)
		BeginOwnerDraw();
	const BOOL bResult = CMenu::TrackPopupMenu(nFlags, x, y, pWnd, lpRect);
	if (bOuter)
		EndOwnerDraw();
	return bResult;
}

/////////////////////////////////////////////////////////////////////////////
// Overridables

void CImageMenu::MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct)
{
	if (lpMeasureItemStruct == NULL || lpMeasureItemStruct->CtlType != ODT_MENU)
		return;
	const ItemData* pItem = FindItemData(lpMeasureItemStruct->itemData);
	if (pItem == NULL)
		return;

	HDC hdc = ::GetDC(NULL);
	if (hdc == NULL)
		return;
	HGDIOBJ hOldFont = ::SelectObject(hdc, GetMenuFont());
	TEXTMETRICA tm = {};
	::GetTextMetricsA(hdc, &tm);
	RECT rcText = { 0, 0, 0, 0 };
	::DrawTextA(hdc, pItem->strText, pItem->strText.GetLength(), &rcText, DT_SINGLELINE | DT_CALCRECT);
	int cx = GetImageSize() + 2 * kImageMargin + kTextGap + (rcText.right - rcText.left) + kRightMargin;
	if (!pItem->strAccel.IsEmpty())
	{
		RECT rcAccel = { 0, 0, 0, 0 };
		::DrawTextA(hdc, pItem->strAccel, pItem->strAccel.GetLength(), &rcAccel,
			DT_SINGLELINE | DT_CALCRECT | DT_NOPREFIX);
		cx += kAccelGap + (rcAccel.right - rcAccel.left);
	}
	::SelectObject(hdc, hOldFont);
	::ReleaseDC(NULL, hdc);

	lpMeasureItemStruct->itemWidth = cx;
	lpMeasureItemStruct->itemHeight = std::max(GetImageSize() + 2 * kImageMargin, (int)tm.tmHeight + 4);
}

void CImageMenu::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
	if (lpDrawItemStruct == NULL || lpDrawItemStruct->CtlType != ODT_MENU)
		return;
	const ItemData* pItem = FindItemData(lpDrawItemStruct->itemData);
	if (pItem == NULL)
		return;

	HDC hdc = lpDrawItemStruct->hDC;
	const RECT& rc = lpDrawItemStruct->rcItem;
	const UINT state = lpDrawItemStruct->itemState;
	const bool bDisabled = (state & (ODS_GRAYED | ODS_DISABLED)) != 0;
	// A disabled item cannot be chosen, so it gets no highlight bar.
	const bool bSelected = (state & ODS_SELECTED) != 0 && !bDisabled;
	const bool bChecked = (state & ODS_CHECKED) != 0;

	::FillRect(hdc, &rc, ::GetSysColorBrush(bSelected ? COLOR_HIGHLIGHT : COLOR_MENU));

	// Image column: the command's image, framed when checked; a plain check
	// mark when there is no image.
	const int size = GetImageSize();
	const RECT rcColumn = { rc.left, rc.top, rc.left + size + 2 * kImageMargin, rc.bottom };
	RECT rcImage;
	rcImage.left = rcColumn.left + kImageMargin;
	rcImage.top = rc.top + (rc.bottom - rc.top - size) / 2;
	rcImage.right = rcImage.left + size;
	rcImage.bottom = rcImage.top + size;
	const COLORREF crText = ::GetSysColor(bDisabled   ? COLOR_GRAYTEXT
										  : bSelected ? COLOR_HIGHLIGHTTEXT
													  : COLOR_MENUTEXT);

	if (HICON hIcon = GetCommandImage(pItem->nID))
	{
		if (bChecked)
		{
			RECT rcFrame = rcImage;
			::InflateRect(&rcFrame, kImageMargin - 1, kImageMargin - 1);
			::DrawEdge(hdc, &rcFrame, BDR_SUNKENOUTER, BF_RECT);
		}
		if (bDisabled)
			::DrawStateA(hdc, NULL, NULL, (LPARAM)hIcon, 0, rcImage.left, rcImage.top, size, size,
				DST_ICON | DSS_DISABLED);
		else
			::DrawIconEx(hdc, rcImage.left, rcImage.top, hIcon, size, size, 0, NULL, DI_NORMAL);
	}
	else if (bChecked)
	{
		DrawCheckGlyph(hdc, rcImage, (pItem->fType & MFT_RADIOCHECK) != 0, crText);
	}

	// Text: the label at the left, the accelerator text at the right.
	HGDIOBJ hOldFont = ::SelectObject(hdc, GetMenuFont());
	const int nOldMode = ::SetBkMode(hdc, TRANSPARENT);
	const COLORREF crOld = ::GetTextColor(hdc);
	UINT nFormat = DT_SINGLELINE | DT_VCENTER;
	if (state & ODS_NOACCEL)
		nFormat |= DT_HIDEPREFIX;
	const RECT rcText = { rcColumn.right + kTextGap, rc.top, rc.right - kRightMargin, rc.bottom };
	auto drawText = [&](COLORREF cr, int offset)
	{
		RECT rcDraw = rcText;
		::OffsetRect(&rcDraw, offset, offset);
		::SetTextColor(hdc, cr);
		::DrawTextA(hdc, pItem->strText, pItem->strText.GetLength(), &rcDraw, nFormat | DT_LEFT);
		if (!pItem->strAccel.IsEmpty())
			::DrawTextA(hdc, pItem->strAccel, pItem->strAccel.GetLength(), &rcDraw,
				nFormat | DT_RIGHT | DT_NOPREFIX);
	};
	// Disabled text is embossed: a highlight copy one pixel down and right
	// under the grey text.
	if (bDisabled)
		drawText(::GetSysColor(COLOR_BTNHIGHLIGHT), 1);
	drawText(crText, 0);
	::SetTextColor(hdc, crOld);
	::SetBkMode(hdc, nOldMode);
	::SelectObject(hdc, hOldFont);
}

/////////////////////////////////////////////////////////////////////////////
// Implementation

void CImageMenu::BeginOwnerDraw()
{
	const int nCount = ::GetMenuItemCount(m_hMenu);
	for (int i = 0; i < nCount; ++i)
	{
		// The text's length first: a fixed buffer would cut a long text,
		// which in UTF-8 takes up to three bytes a character.
		MENUITEMINFOA mii = {};
		mii.cbSize = sizeof(mii);
		mii.fMask = MIIM_FTYPE | MIIM_ID | MIIM_SUBMENU | MIIM_DATA | MIIM_STRING;
		if (!::GetMenuItemInfoA(m_hMenu, i, TRUE, &mii))
			continue;
		CString strText;
		mii.cch += 1;
		mii.dwTypeData = strText.GetBuffer(static_cast<int>(mii.cch));
		if (mii.dwTypeData == NULL || !::GetMenuItemInfoA(m_hMenu, i, TRUE, &mii))
			continue;
		strText.ReleaseBuffer();
		// Separators, sub-menus and items the application draws itself keep
		// their look.
		if (mii.hSubMenu != NULL || (mii.fType & (MFT_SEPARATOR | MFT_OWNERDRAW | MFT_BITMAP)))
			continue;

		ItemData* pItem = new ItemData;
		pItem->nID = mii.wID;
		pItem->fType = mii.fType;
		pItem->dwOldData = mii.dwItemData;
		pItem->strText = strText;
		const int nTab = pItem->strText.Find('\t');
		if (nTab >= 0)
		{
			pItem->strAccel = pItem->strText.Mid(nTab + 1);
			pItem->strText = pItem->strText.Left(nTab);
		}

		MENUITEMINFOA set = {};
		set.cbSize = sizeof(set);
		set.fMask = MIIM_FTYPE | MIIM_DATA;
		set.fType = mii.fType | MFT_OWNERDRAW;
		set.dwItemData = reinterpret_cast<ULONG_PTR>(pItem);
		if (::SetMenuItemInfoA(m_hMenu, i, TRUE, &set))
			m_items.push_back(pItem);
		else
			delete pItem;
	}
}

void CImageMenu::EndOwnerDraw()
{
	const int nCount = ::GetMenuItemCount(m_hMenu);
	for (int i = 0; i < nCount; ++i)
	{
		MENUITEMINFOA mii = {};
		mii.cbSize = sizeof(mii);
		mii.fMask = MIIM_FTYPE | MIIM_DATA;
		if (!::GetMenuItemInfoA(m_hMenu, i, TRUE, &mii) || !(mii.fType & MFT_OWNERDRAW))
			continue;
		const ItemData* pItem = FindItemData(mii.dwItemData);
		if (pItem == NULL)
			continue;

		CString strText = pItem->strText;
		if (!pItem->strAccel.IsEmpty())
		{
			strText += '\t';
			strText += pItem->strAccel;
		}
		MENUITEMINFOA set = {};
		set.cbSize = sizeof(set);
		set.fMask = MIIM_FTYPE | MIIM_DATA | MIIM_STRING;
		set.fType = pItem->fType;
		set.dwItemData = pItem->dwOldData;
		set.dwTypeData = const_cast<LPSTR>((LPCSTR)strText);
		::SetMenuItemInfoA(m_hMenu, i, TRUE, &set);
	}
	for (ItemData* p : m_items)
		delete p;
	m_items.clear();
}

const CImageMenu::ItemData* CImageMenu::FindItemData(ULONG_PTR dwItemData) const
{
	// Item data of foreign owner-drawn items must not be taken for ours.
	for (const ItemData* p : m_items)
	{
		if (reinterpret_cast<ULONG_PTR>(p) == dwItemData)
			return p;
	}
	return NULL;
}

HFONT CImageMenu::GetMenuFont()
{
	if (m_hFont == NULL)
	{
		NONCLIENTMETRICSA ncm = {};
		ncm.cbSize = sizeof(ncm);
		if (::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(ncm), &ncm, 0))
			m_hFont = ::CreateFontIndirectA(&ncm.lfMenuFont);
	}
	return m_hFont != NULL ? m_hFont : static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
}

int CImageMenu::GetImageSize()
{
	return ::GetSystemMetrics(SM_CXSMICON);
}
