// gdi.cpp - CGdiObject and the pen, brush, font, bitmap and region wrappers.
#include "afxcmn.h"
#include "handlemap_.h"

#include <stdlib.h>
#include <string.h>

namespace
{
// A temporary wrapper has the class that matches the object's type, so
// that CPen::FromHandle and friends hand out real objects of their class.
CGdiObject* NewTempGdiObject(HGDIOBJ h)
{
	CGdiObject* pObject;
	switch (::GetObjectType(h))
	{
	case OBJ_PEN:
	case OBJ_EXTPEN:
		pObject = new CPen;
		break;
	case OBJ_BRUSH:
		pObject = new CBrush;
		break;
	case OBJ_FONT:
		pObject = new CFont;
		break;
	case OBJ_BITMAP:
		pObject = new CBitmap;
		break;
	case OBJ_REGION:
		pObject = new CRgn;
		break;
	default:
		pObject = new CGdiObject;
		break;
	}
	pObject->m_hObject = h;
	return pObject;
}

void DeleteTempGdiObject(CGdiObject* pObject)
{
	pObject->m_hObject = NULL;
	delete pObject;
}

CHandleMap<CGdiObject, HGDIOBJ>& MapHGDIOBJ()
{
	static thread_local CHandleMap<CGdiObject, HGDIOBJ> map(&NewTempGdiObject, &DeleteTempGdiObject);
	return map;
}
} // namespace

void AFXAPI _AfxDeleteTempGdiMaps()
{
	CDC::DeleteTempMap();
	CGdiObject::DeleteTempMap();
	CMenu::DeleteTempMap();
	CImageList::DeleteTempMap();
}

/////////////////////////////////////////////////////////////////////////////
// CGdiObject

IMPLEMENT_DYNCREATE(CGdiObject, CObject)

CGdiObject::CGdiObject()
	: m_hObject(NULL)
{
}

CGdiObject::~CGdiObject()
{
	DeleteObject();
}

HGDIOBJ CGdiObject::GetSafeHandle() const
{
	return m_hObject;
}

CGdiObject* PASCAL CGdiObject::FromHandle(HGDIOBJ hObject)
{
	return MapHGDIOBJ().FromHandle(hObject);
}

void PASCAL CGdiObject::DeleteTempMap()
{
	MapHGDIOBJ().DeleteTemp();
}

BOOL CGdiObject::Attach(HGDIOBJ hObject)
{
	// An object owns at most one handle; attaching over one would leak it.
	if (hObject == NULL || m_hObject != NULL)
		return FALSE;
	m_hObject = hObject;
	MapHGDIOBJ().SetPermanent(m_hObject, this);
	return TRUE;
}

HGDIOBJ CGdiObject::Detach()
{
	HGDIOBJ hObject = m_hObject;
	if (hObject != NULL && MapHGDIOBJ().LookupPermanent(hObject) == this)
		MapHGDIOBJ().RemoveHandle(hObject);
	m_hObject = NULL;
	return hObject;
}

BOOL CGdiObject::DeleteObject()
{
	if (m_hObject == NULL)
		return FALSE;
	return ::DeleteObject(Detach());
}

int CGdiObject::GetObject(int nCount, LPVOID lpObject) const
{
	if (m_hObject == NULL)
		return 0;
	return ::GetObject(m_hObject, nCount, lpObject);
}

UINT CGdiObject::GetObjectType() const
{
	return m_hObject == NULL ? 0 : ::GetObjectType(m_hObject);
}

BOOL CGdiObject::CreateStockObject(int nIndex)
{
	return Attach(::GetStockObject(nIndex));
}

BOOL CGdiObject::UnrealizeObject()
{
	return m_hObject != NULL && ::UnrealizeObject(m_hObject);
}

/////////////////////////////////////////////////////////////////////////////
// CPen

IMPLEMENT_DYNAMIC(CPen, CGdiObject)

CPen::CPen()
{
}

CPen::CPen(int nPenStyle, int nWidth, COLORREF crColor)
{
	CreatePen(nPenStyle, nWidth, crColor);
}

CPen::CPen(int nPenStyle, int nWidth, const LOGBRUSH* pLogBrush, int nStyleCount, const DWORD* lpStyle)
{
	CreatePen(nPenStyle, nWidth, pLogBrush, nStyleCount, lpStyle);
}

CPen::~CPen()
{
}

CPen* PASCAL CPen::FromHandle(HPEN hPen)
{
	return static_cast<CPen*>(CGdiObject::FromHandle(hPen));
}

BOOL CPen::CreatePen(int nPenStyle, int nWidth, COLORREF crColor)
{
	return Attach(::CreatePen(nPenStyle, nWidth, crColor));
}

BOOL CPen::CreatePen(int nPenStyle, int nWidth, const LOGBRUSH* pLogBrush, int nStyleCount,
	const DWORD* lpStyle)
{
	if (pLogBrush == NULL)
		return FALSE;
	return Attach(::ExtCreatePen(nPenStyle, nWidth, pLogBrush, nStyleCount, lpStyle));
}

BOOL CPen::CreatePenIndirect(LPLOGPEN lpLogPen)
{
	if (lpLogPen == NULL)
		return FALSE;
	return Attach(::CreatePenIndirect(lpLogPen));
}

int CPen::GetLogPen(LOGPEN* pLogPen)
{
	return GetObject(sizeof(LOGPEN), pLogPen);
}

int CPen::GetExtLogPen(EXTLOGPEN* pLogPen)
{
	return GetObject(sizeof(EXTLOGPEN), pLogPen);
}

/////////////////////////////////////////////////////////////////////////////
// CBrush

IMPLEMENT_DYNAMIC(CBrush, CGdiObject)

CBrush::CBrush()
{
}

CBrush::CBrush(COLORREF crColor)
{
	CreateSolidBrush(crColor);
}

CBrush::CBrush(int nIndex, COLORREF crColor)
{
	CreateHatchBrush(nIndex, crColor);
}

CBrush::CBrush(CBitmap* pBitmap)
{
	CreatePatternBrush(pBitmap);
}

CBrush::~CBrush()
{
}

CBrush* PASCAL CBrush::FromHandle(HBRUSH hBrush)
{
	return static_cast<CBrush*>(CGdiObject::FromHandle(hBrush));
}

BOOL CBrush::CreateSolidBrush(COLORREF crColor)
{
	return Attach(::CreateSolidBrush(crColor));
}

BOOL CBrush::CreateHatchBrush(int nIndex, COLORREF crColor)
{
	return Attach(::CreateHatchBrush(nIndex, crColor));
}

BOOL CBrush::CreateBrushIndirect(const LOGBRUSH* lpLogBrush)
{
	if (lpLogBrush == NULL)
		return FALSE;
	return Attach(::CreateBrushIndirect(lpLogBrush));
}

BOOL CBrush::CreatePatternBrush(CBitmap* pBitmap)
{
	if (pBitmap == NULL || pBitmap->m_hObject == NULL)
		return FALSE;
	return Attach(::CreatePatternBrush(static_cast<HBITMAP>(pBitmap->m_hObject)));
}

BOOL CBrush::CreateSysColorBrush(int nIndex)
{
	return Attach(::GetSysColorBrush(nIndex));
}

int CBrush::GetLogBrush(LOGBRUSH* pLogBrush)
{
	return GetObject(sizeof(LOGBRUSH), pLogBrush);
}

/////////////////////////////////////////////////////////////////////////////
// CFont

IMPLEMENT_DYNAMIC(CFont, CGdiObject)

CFont::CFont()
{
}

CFont::~CFont()
{
}

CFont* PASCAL CFont::FromHandle(HFONT hFont)
{
	return static_cast<CFont*>(CGdiObject::FromHandle(hFont));
}

BOOL CFont::CreateFontIndirect(const LOGFONT* lpLogFont)
{
	if (lpLogFont == NULL)
		return FALSE;
	return Attach(::CreateFontIndirect(lpLogFont));
}

BOOL CFont::CreateFont(int nHeight, int nWidth, int nEscapement, int nOrientation, int nWeight, BYTE bItalic,
	BYTE bUnderline, BYTE cStrikeOut, BYTE nCharSet, BYTE nOutPrecision, BYTE nClipPrecision, BYTE nQuality,
	BYTE nPitchAndFamily, LPCTSTR lpszFacename)
{
	return Attach(::CreateFont(nHeight, nWidth, nEscapement, nOrientation, nWeight, bItalic, bUnderline,
		cStrikeOut, nCharSet, nOutPrecision, nClipPrecision, nQuality, nPitchAndFamily, lpszFacename));
}

BOOL CFont::CreatePointFont(int nPointSize, LPCTSTR lpszFaceName, CDC* pDC)
{
	LOGFONT logFont;
	memset(&logFont, 0, sizeof(logFont));
	logFont.lfCharSet = DEFAULT_CHARSET;
	logFont.lfHeight = nPointSize;
	if (lpszFaceName != NULL)
		lstrcpynA(logFont.lfFaceName, lpszFaceName, LF_FACESIZE);
	return CreatePointFontIndirect(&logFont, pDC);
}

BOOL CFont::CreatePointFontIndirect(const LOGFONT* lpLogFont, CDC* pDC)
{
	if (lpLogFont == NULL)
		return FALSE;
	HDC hDC = pDC != NULL && pDC->m_hAttribDC != NULL ? pDC->m_hAttribDC : ::GetDC(NULL);
	if (hDC == NULL)
		return FALSE;

	// lfHeight is in tenths of a point; 72 points make an inch. Both ends go
	// through DPtoLP so that a mapping mode of the DC is honoured.
	LOGFONT logFont = *lpLogFont;
	POINT pt = { 0, MulDiv(::GetDeviceCaps(hDC, LOGPIXELSY), logFont.lfHeight, 720) };
	POINT ptOrg = { 0, 0 };
	::DPtoLP(hDC, &pt, 1);
	::DPtoLP(hDC, &ptOrg, 1);
	logFont.lfHeight = -abs(pt.y - ptOrg.y);

	if (pDC == NULL || pDC->m_hAttribDC == NULL)
		::ReleaseDC(NULL, hDC);
	return CreateFontIndirect(&logFont);
}

int CFont::GetLogFont(LOGFONT* pLogFont)
{
	return GetObject(sizeof(LOGFONT), pLogFont);
}

/////////////////////////////////////////////////////////////////////////////
// CBitmap

IMPLEMENT_DYNAMIC(CBitmap, CGdiObject)

CBitmap::CBitmap()
{
}

CBitmap::~CBitmap()
{
}

CBitmap* PASCAL CBitmap::FromHandle(HBITMAP hBitmap)
{
	return static_cast<CBitmap*>(CGdiObject::FromHandle(hBitmap));
}

BOOL CBitmap::LoadBitmap(LPCTSTR lpszResourceName)
{
	if (lpszResourceName == NULL || m_hObject != NULL)
		return FALSE;
	HINSTANCE hInst = AfxFindResourceHandle(lpszResourceName, RT_BITMAP);
	if (hInst == NULL)
		return FALSE;
	return Attach(::LoadBitmap(hInst, lpszResourceName));
}

BOOL CBitmap::LoadBitmap(UINT nIDResource)
{
	return LoadBitmap(MAKEINTRESOURCE(nIDResource));
}

BOOL CBitmap::LoadOEMBitmap(UINT nIDBitmap)
{
	return Attach(::LoadBitmap(NULL, MAKEINTRESOURCE(nIDBitmap)));
}

BOOL CBitmap::CreateBitmap(int nWidth, int nHeight, UINT nPlanes, UINT nBitcount, const void* lpBits)
{
	return Attach(::CreateBitmap(nWidth, nHeight, nPlanes, nBitcount, lpBits));
}

BOOL CBitmap::CreateBitmapIndirect(LPBITMAP lpBitmap)
{
	if (lpBitmap == NULL)
		return FALSE;
	return Attach(::CreateBitmapIndirect(lpBitmap));
}

BOOL CBitmap::CreateCompatibleBitmap(CDC* pDC, int nWidth, int nHeight)
{
	if (pDC == NULL || pDC->m_hDC == NULL)
		return FALSE;
	return Attach(::CreateCompatibleBitmap(pDC->m_hDC, nWidth, nHeight));
}

BOOL CBitmap::CreateDiscardableBitmap(CDC* pDC, int nWidth, int nHeight)
{
	if (pDC == NULL || pDC->m_hDC == NULL)
		return FALSE;
	return Attach(::CreateDiscardableBitmap(pDC->m_hDC, nWidth, nHeight));
}

int CBitmap::GetBitmap(BITMAP* pBitMap)
{
	return GetObject(sizeof(BITMAP), pBitMap);
}

DWORD CBitmap::SetBitmapBits(DWORD dwCount, const void* lpBits)
{
	if (m_hObject == NULL)
		return 0;
	return ::SetBitmapBits(static_cast<HBITMAP>(m_hObject), dwCount, lpBits);
}

DWORD CBitmap::GetBitmapBits(DWORD dwCount, LPVOID lpBits) const
{
	if (m_hObject == NULL)
		return 0;
	return ::GetBitmapBits(static_cast<HBITMAP>(m_hObject), dwCount, lpBits);
}

CSize CBitmap::SetBitmapDimension(int nWidth, int nHeight)
{
	CSize size;
	if (m_hObject != NULL)
		::SetBitmapDimensionEx(static_cast<HBITMAP>(m_hObject), nWidth, nHeight, &size);
	return size;
}

CSize CBitmap::GetBitmapDimension() const
{
	CSize size;
	if (m_hObject != NULL)
		::GetBitmapDimensionEx(static_cast<HBITMAP>(m_hObject), &size);
	return size;
}

/////////////////////////////////////////////////////////////////////////////
// CRgn

IMPLEMENT_DYNAMIC(CRgn, CGdiObject)

CRgn::CRgn()
{
}

CRgn::~CRgn()
{
}

CRgn* PASCAL CRgn::FromHandle(HRGN hRgn)
{
	return static_cast<CRgn*>(CGdiObject::FromHandle(hRgn));
}

BOOL CRgn::CreateRectRgn(int x1, int y1, int x2, int y2)
{
	return Attach(::CreateRectRgn(x1, y1, x2, y2));
}

BOOL CRgn::CreateRectRgnIndirect(LPCRECT lpRect)
{
	if (lpRect == NULL)
		return FALSE;
	return Attach(::CreateRectRgnIndirect(lpRect));
}

BOOL CRgn::CreateEllipticRgn(int x1, int y1, int x2, int y2)
{
	return Attach(::CreateEllipticRgn(x1, y1, x2, y2));
}

BOOL CRgn::CreateEllipticRgnIndirect(LPCRECT lpRect)
{
	if (lpRect == NULL)
		return FALSE;
	return Attach(::CreateEllipticRgnIndirect(lpRect));
}

BOOL CRgn::CreateRoundRectRgn(int x1, int y1, int x2, int y2, int x3, int y3)
{
	return Attach(::CreateRoundRectRgn(x1, y1, x2, y2, x3, y3));
}

BOOL CRgn::CreatePolygonRgn(LPPOINT lpPoints, int nCount, int nMode)
{
	if (lpPoints == NULL || nCount <= 0)
		return FALSE;
	return Attach(::CreatePolygonRgn(lpPoints, nCount, nMode));
}

void CRgn::SetRectRgn(int x1, int y1, int x2, int y2)
{
	if (m_hObject != NULL)
		::SetRectRgn(static_cast<HRGN>(m_hObject), x1, y1, x2, y2);
}

void CRgn::SetRectRgn(LPCRECT lpRect)
{
	if (lpRect != NULL)
		SetRectRgn(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}

int CRgn::CombineRgn(const CRgn* pRgn1, const CRgn* pRgn2, int nCombineMode)
{
	// RGN_COPY reads only the first source.
	if (m_hObject == NULL || pRgn1 == NULL || (pRgn2 == NULL && nCombineMode != RGN_COPY))
		return ERROR;
	return ::CombineRgn(static_cast<HRGN>(m_hObject), static_cast<HRGN>(pRgn1->m_hObject),
		pRgn2 != NULL ? static_cast<HRGN>(pRgn2->m_hObject) : NULL, nCombineMode);
}

int CRgn::CopyRgn(const CRgn* pRgnSrc)
{
	return CombineRgn(pRgnSrc, NULL, RGN_COPY);
}

BOOL CRgn::EqualRgn(const CRgn* pRgn) const
{
	if (m_hObject == NULL || pRgn == NULL)
		return FALSE;
	return ::EqualRgn(static_cast<HRGN>(m_hObject), static_cast<HRGN>(pRgn->m_hObject));
}

int CRgn::OffsetRgn(int x, int y)
{
	if (m_hObject == NULL)
		return ERROR;
	return ::OffsetRgn(static_cast<HRGN>(m_hObject), x, y);
}

int CRgn::OffsetRgn(POINT point)
{
	return OffsetRgn(point.x, point.y);
}

int CRgn::GetRgnBox(LPRECT lpRect) const
{
	if (m_hObject == NULL || lpRect == NULL)
		return ERROR;
	return ::GetRgnBox(static_cast<HRGN>(m_hObject), lpRect);
}

BOOL CRgn::PtInRegion(int x, int y) const
{
	return m_hObject != NULL && ::PtInRegion(static_cast<HRGN>(m_hObject), x, y);
}

BOOL CRgn::PtInRegion(POINT point) const
{
	return PtInRegion(point.x, point.y);
}

BOOL CRgn::RectInRegion(LPCRECT lpRect) const
{
	return m_hObject != NULL && lpRect != NULL && ::RectInRegion(static_cast<HRGN>(m_hObject), lpRect);
}
