// imagelist.cpp - CImageList: owner of a common-controls image list.
#include "afxcmn.h"
#include "handlemap_.h"

namespace
{
CImageList* NewTempImageList(HIMAGELIST hImageList)
{
	CImageList* pList = new CImageList;
	pList->m_hImageList = hImageList;
	return pList;
}

void DeleteTempImageList(CImageList* pList)
{
	pList->m_hImageList = NULL;
	delete pList;
}

CHandleMap<CImageList, HIMAGELIST>& MapHIMAGELIST()
{
	static thread_local CHandleMap<CImageList, HIMAGELIST> map(&NewTempImageList, &DeleteTempImageList);
	return map;
}

HBITMAP BitmapOf(CBitmap* pBitmap)
{
	return pBitmap != NULL ? static_cast<HBITMAP>(pBitmap->m_hObject) : NULL;
}
} // namespace

IMPLEMENT_DYNCREATE(CImageList, CObject)

CImageList::CImageList()
	: m_hImageList(NULL)
{
}

CImageList::~CImageList()
{
	DeleteImageList();
}

HIMAGELIST CImageList::GetSafeHandle() const
{
	return m_hImageList;
}

CImageList* PASCAL CImageList::FromHandle(HIMAGELIST hImageList)
{
	return MapHIMAGELIST().FromHandle(hImageList);
}

CImageList* PASCAL CImageList::FromHandlePermanent(HIMAGELIST hImageList)
{
	return hImageList != NULL ? MapHIMAGELIST().LookupPermanent(hImageList) : NULL;
}

void PASCAL CImageList::DeleteTempMap()
{
	MapHIMAGELIST().DeleteTemp();
}

BOOL CImageList::Attach(HIMAGELIST hImageList)
{
	if (hImageList == NULL || m_hImageList != NULL)
		return FALSE;
	m_hImageList = hImageList;
	MapHIMAGELIST().SetPermanent(m_hImageList, this);
	return TRUE;
}

HIMAGELIST CImageList::Detach()
{
	HIMAGELIST hImageList = m_hImageList;
	if (hImageList != NULL && MapHIMAGELIST().LookupPermanent(hImageList) == this)
		MapHIMAGELIST().RemoveHandle(hImageList);
	m_hImageList = NULL;
	return hImageList;
}

BOOL CImageList::Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow)
{
	if (m_hImageList != NULL)
		return FALSE;
	return Attach(::ImageList_Create(cx, cy, nFlags, nInitial, nGrow));
}

BOOL CImageList::Create(UINT nBitmapID, int cx, int nGrow, COLORREF crMask)
{
	return Create(MAKEINTRESOURCE(nBitmapID), cx, nGrow, crMask);
}

BOOL CImageList::Create(LPCTSTR lpszBitmapID, int cx, int nGrow, COLORREF crMask)
{
	if (lpszBitmapID == NULL || m_hImageList != NULL)
		return FALSE;
	HINSTANCE hInst = AfxFindResourceHandle(lpszBitmapID, RT_BITMAP);
	if (hInst == NULL)
		return FALSE;
	return Attach(
		::ImageList_LoadImage(hInst, lpszBitmapID, cx, nGrow, crMask, IMAGE_BITMAP, LR_DEFAULTCOLOR));
}

BOOL CImageList::DeleteImageList()
{
	if (m_hImageList == NULL)
		return FALSE;
	return ::ImageList_Destroy(Detach());
}

int CImageList::GetImageCount() const
{
	return m_hImageList != NULL ? ::ImageList_GetImageCount(m_hImageList) : 0;
}

BOOL CImageList::SetImageCount(UINT uNewCount)
{
	return m_hImageList != NULL && ::ImageList_SetImageCount(m_hImageList, uNewCount);
}

COLORREF CImageList::SetBkColor(COLORREF cr)
{
	return m_hImageList != NULL ? ::ImageList_SetBkColor(m_hImageList, cr) : CLR_NONE;
}

COLORREF CImageList::GetBkColor() const
{
	return m_hImageList != NULL ? ::ImageList_GetBkColor(m_hImageList) : CLR_NONE;
}

BOOL CImageList::GetImageInfo(int nImage, IMAGEINFO* pImageInfo) const
{
	return m_hImageList != NULL && pImageInfo != NULL &&
		   ::ImageList_GetImageInfo(m_hImageList, nImage, pImageInfo);
}

int CImageList::Add(CBitmap* pbmImage, CBitmap* pbmMask)
{
	if (m_hImageList == NULL || BitmapOf(pbmImage) == NULL)
		return -1;
	return ::ImageList_Add(m_hImageList, BitmapOf(pbmImage), BitmapOf(pbmMask));
}

int CImageList::Add(CBitmap* pbmImage, COLORREF crMask)
{
	if (m_hImageList == NULL || BitmapOf(pbmImage) == NULL)
		return -1;
	return ::ImageList_AddMasked(m_hImageList, BitmapOf(pbmImage), crMask);
}

int CImageList::Add(HICON hIcon)
{
	// The list keeps its own copy; the caller still owns hIcon.
	if (m_hImageList == NULL || hIcon == NULL)
		return -1;
	return ::ImageList_AddIcon(m_hImageList, hIcon);
}

BOOL CImageList::Remove(int nImage)
{
	return m_hImageList != NULL && ::ImageList_Remove(m_hImageList, nImage);
}

BOOL CImageList::Replace(int nImage, CBitmap* pbmImage, CBitmap* pbmMask)
{
	if (m_hImageList == NULL || BitmapOf(pbmImage) == NULL)
		return FALSE;
	return ::ImageList_Replace(m_hImageList, nImage, BitmapOf(pbmImage), BitmapOf(pbmMask));
}

int CImageList::Replace(int nImage, HICON hIcon)
{
	if (m_hImageList == NULL || hIcon == NULL)
		return -1;
	return ::ImageList_ReplaceIcon(m_hImageList, nImage, hIcon);
}

HICON CImageList::ExtractIcon(int nImage)
{
	if (m_hImageList == NULL)
		return NULL;
	return ::ImageList_GetIcon(m_hImageList, nImage, ILD_NORMAL);
}

BOOL CImageList::Draw(CDC* pDC, int nImage, POINT pt, UINT nStyle)
{
	if (m_hImageList == NULL || pDC == NULL || pDC->m_hDC == NULL)
		return FALSE;
	return ::ImageList_Draw(m_hImageList, nImage, pDC->m_hDC, pt.x, pt.y, nStyle);
}
