// IconComboBox.cpp - the combo box that offers the icons of an image list.
#include <afxwin.h>
#include <afxcmn.h>

#include <kavro/IconComboBox.h>

IMPLEMENT_DYNCREATE(CIconComboBox, CComboBox)

CIconComboBox::CIconComboBox()
	: m_nItemHeight(::GetSystemMetrics(SM_CYSMICON) + 2)
	, m_pImageList(NULL)
{
}

CIconComboBox::~CIconComboBox()
{
	m_pImageList = NULL;
}

void CIconComboBox::ShowIcons(CImageList* pImageList)
{
	m_pImageList = pImageList;
	SendMessage(CB_RESETCONTENT);
	HIMAGELIST hList = pImageList != NULL ? pImageList->GetSafeHandle() : NULL;
	if (hList == NULL)
		return;
	for (int i = 0; i < ::ImageList_GetImageCount(hList); ++i)
		SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(""));
}

int CIconComboBox::AddString(LPCTSTR /*lpszString*/)
{
	return CB_ERR;
}

int CIconComboBox::InsertString(int /*nIndex*/, LPCTSTR /*lpszString*/)
{
	return CB_ERR;
}

int CIconComboBox::DeleteString(int /*nIndex*/)
{
	return CB_ERR;
}

void CIconComboBox::PreSubclassWindow()
{
	CComboBox::PreSubclassWindow();
	SendMessage(CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), LOWORD(m_nItemHeight));
}

void CIconComboBox::MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct)
{
	if (lpMeasureItemStruct != NULL)
		lpMeasureItemStruct->itemHeight = m_nItemHeight;
}

void CIconComboBox::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
	if (lpDrawItemStruct == NULL)
		return;
	CDC* pDC = CDC::FromHandle(lpDrawItemStruct->hDC);
	if (pDC == NULL)
		return;
	const DRAWITEMSTRUCT& dis = *lpDrawItemStruct;
	CRect rcItem(dis.rcItem);
	const bool bSelected = (dis.itemState & ODS_SELECTED) != 0;
	if (bSelected && (dis.itemAction & (ODA_DRAWENTIRE | ODA_SELECT)))
	{
		CBrush brush(::GetSysColor(COLOR_HIGHLIGHT));
		pDC->FillRect(rcItem, &brush);
	}
	// An unselected entry drawn whole keeps the background the box erased.
	if (!bSelected && (dis.itemAction & ODA_SELECT))
	{
		CBrush brush(RGB(255, 255, 255));
		pDC->FillRect(rcItem, &brush);
	}
	HIMAGELIST hList = m_pImageList != NULL ? m_pImageList->GetSafeHandle() : NULL;
	// Icons are fetched at each draw, so a changed list shows at once; an
	// entry beyond a shrunk list shows none.
	if (hList == NULL || dis.itemID >= static_cast<UINT>(::ImageList_GetImageCount(hList)))
		return;
	HICON hIcon = ::ImageList_GetIcon(hList, static_cast<int>(dis.itemID), ILD_NORMAL);
	if (hIcon == NULL)
		return;
	::DrawIconEx(dis.hDC, rcItem.left + 1, rcItem.top + 1, hIcon, ::GetSystemMetrics(SM_CXSMICON),
		::GetSystemMetrics(SM_CYSMICON), 0, NULL, DI_NORMAL);
	::DestroyIcon(hIcon);
}
