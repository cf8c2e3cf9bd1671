// dc.cpp - CDC: device-context wrapper, attributes, selection and drawing.
#include "afxwin.h"
#include "handlemap_.h"

namespace
{
CDC* NewTempDC(HDC hDC)
{
	CDC* pDC = new CDC;
	pDC->m_hDC = hDC;
	pDC->m_hAttribDC = hDC;
	return pDC;
}

void DeleteTempDC(CDC* pDC)
{
	pDC->m_hDC = NULL;
	pDC->m_hAttribDC = NULL;
	delete pDC;
}

CHandleMap<CDC, HDC>& MapHDC()
{
	static thread_local CHandleMap<CDC, HDC> map(&NewTempDC, &DeleteTempDC);
	return map;
}

HGDIOBJ HandleOf(const CGdiObject* pObject)
{
	return pObject != NULL ? pObject->m_hObject : NULL;
}

// Attribute setters apply to the output context, when it is a separate
// one, and then to the attribute context, whose answer callers get.
template <class TSetter>
void OnBothContexts(const CDC* pDC, TSetter setter)
{
	if (pDC->m_hDC != pDC->m_hAttribDC && pDC->m_hDC != NULL)
		setter(pDC->m_hDC);
	if (pDC->m_hAttribDC != NULL)
		setter(pDC->m_hAttribDC);
}
} // namespace

IMPLEMENT_DYNCREATE(CDC, CObject)

/////////////////////////////////////////////////////////////////////////////
// Construction and the handle map

CDC::CDC()
	: m_hDC(NULL)
	, m_hAttribDC(NULL)
	, m_bPrinting(FALSE)
{
}

CDC::~CDC()
{
	if (m_hDC != NULL)
		::DeleteDC(Detach());
}

HDC CDC::GetSafeHdc() const
{
	return m_hDC;
}

CDC* PASCAL CDC::FromHandle(HDC hDC)
{
	return MapHDC().FromHandle(hDC);
}

void PASCAL CDC::DeleteTempMap()
{
	MapHDC().DeleteTemp();
}

BOOL CDC::Attach(HDC hDC)
{
	if (hDC == NULL || m_hDC != NULL)
		return FALSE;
	m_hDC = hDC;
	MapHDC().SetPermanent(m_hDC, this);
	SetAttribDC(m_hDC);
	return TRUE;
}

HDC CDC::Detach()
{
	HDC hDC = m_hDC;
	if (hDC != NULL && MapHDC().LookupPermanent(hDC) == this)
		MapHDC().RemoveHandle(hDC);
	ReleaseAttribDC();
	m_hDC = NULL;
	return hDC;
}

void CDC::SetAttribDC(HDC hDC)
{
	m_hAttribDC = hDC;
}

void CDC::SetOutputDC(HDC hDC)
{
	m_hDC = hDC;
}

void CDC::ReleaseAttribDC()
{
	m_hAttribDC = NULL;
}

void CDC::ReleaseOutputDC()
{
	m_hDC = NULL;
}

BOOL CDC::CreateDC(LPCTSTR lpszDriverName, LPCTSTR lpszDeviceName, LPCTSTR lpszOutput, const void* lpInitData)
{
	return Attach(
		::CreateDC(lpszDriverName, lpszDeviceName, lpszOutput, static_cast<const DEVMODE*>(lpInitData)));
}

BOOL CDC::CreateIC(LPCTSTR lpszDriverName, LPCTSTR lpszDeviceName, LPCTSTR lpszOutput, const void* lpInitData)
{
	return Attach(
		::CreateIC(lpszDriverName, lpszDeviceName, lpszOutput, static_cast<const DEVMODE*>(lpInitData)));
}

BOOL CDC::CreateCompatibleDC(CDC* pDC)
{
	// A NULL pDC makes a context compatible with the screen.
	return Attach(::CreateCompatibleDC(pDC != NULL ? pDC->m_hDC : NULL));
}

BOOL CDC::DeleteDC()
{
	if (m_hDC == NULL)
		return FALSE;
	return ::DeleteDC(Detach());
}

int CDC::SaveDC()
{
	int nRetVal = 0;
	if (m_hAttribDC != NULL)
		nRetVal = ::SaveDC(m_hAttribDC);
	// The output context's level is what RestoreDC gets back.
	if (m_hDC != m_hAttribDC && ::SaveDC(m_hDC) != 0)
		nRetVal = -1;
	return nRetVal;
}

BOOL CDC::RestoreDC(int nSavedDC)
{
	BOOL bRetVal = TRUE;
	if (m_hDC != m_hAttribDC)
		bRetVal = ::RestoreDC(m_hDC, nSavedDC);
	if (m_hAttribDC != NULL)
		bRetVal = ::RestoreDC(m_hAttribDC, nSavedDC) && bRetVal;
	return bRetVal;
}

int CDC::GetDeviceCaps(int nIndex) const
{
	ASSERT(m_hAttribDC != NULL);
	return ::GetDeviceCaps(m_hAttribDC, nIndex);
}

/////////////////////////////////////////////////////////////////////////////
// Selection

CGdiObject* PASCAL CDC::SelectGdiObject(HDC hDC, HGDIOBJ h)
{
	if (hDC == NULL || h == NULL)
		return NULL;
	return CGdiObject::FromHandle(::SelectObject(hDC, h));
}

CGdiObject* CDC::SelectObject(CGdiObject* pObject)
{
	ASSERT(m_hDC != NULL);
	HGDIOBJ h = HandleOf(pObject);
	if (h == NULL)
		return NULL;
	// Select into both contexts; the previous object is the attribute one's.
	HGDIOBJ hOld = NULL;
	OnBothContexts(this, [&](HDC hDC) { hOld = ::SelectObject(hDC, h); });
	return CGdiObject::FromHandle(hOld);
}

CPen* CDC::SelectObject(CPen* pPen)
{
	return static_cast<CPen*>(SelectObject(static_cast<CGdiObject*>(pPen)));
}

CBrush* CDC::SelectObject(CBrush* pBrush)
{
	return static_cast<CBrush*>(SelectObject(static_cast<CGdiObject*>(pBrush)));
}

CFont* CDC::SelectObject(CFont* pFont)
{
	return static_cast<CFont*>(SelectObject(static_cast<CGdiObject*>(pFont)));
}

CBitmap* CDC::SelectObject(CBitmap* pBitmap)
{
	ASSERT(m_hDC != NULL);
	// Bitmaps go into the output context only: one bitmap cannot be
	// selected into two contexts.
	HGDIOBJ h = HandleOf(pBitmap);
	if (h == NULL || m_hDC == NULL)
		return NULL;
	return static_cast<CBitmap*>(CGdiObject::FromHandle(::SelectObject(m_hDC, h)));
}

int CDC::SelectObject(CRgn* pRgn)
{
	ASSERT(m_hDC != NULL);
	HGDIOBJ h = HandleOf(pRgn);
	if (h == NULL || m_hDC == NULL)
		return ERROR;
	int nRetVal = ERROR;
	OnBothContexts(this,
		[&](HDC hDC) { nRetVal = static_cast<int>(reinterpret_cast<INT_PTR>(::SelectObject(hDC, h))); });
	return nRetVal;
}

CGdiObject* CDC::SelectStockObject(int nIndex)
{
	ASSERT(m_hDC != NULL);
	HGDIOBJ h = ::GetStockObject(nIndex);
	if (h == NULL)
		return NULL;
	HGDIOBJ hOld = NULL;
	OnBothContexts(this, [&](HDC hDC) { hOld = ::SelectObject(hDC, h); });
	return CGdiObject::FromHandle(hOld);
}

CPen* CDC::GetCurrentPen() const
{
	ASSERT(m_hDC != NULL);
	return CPen::FromHandle(static_cast<HPEN>(::GetCurrentObject(m_hDC, OBJ_PEN)));
}

CBrush* CDC::GetCurrentBrush() const
{
	ASSERT(m_hDC != NULL);
	return CBrush::FromHandle(static_cast<HBRUSH>(::GetCurrentObject(m_hDC, OBJ_BRUSH)));
}

CFont* CDC::GetCurrentFont() const
{
	ASSERT(m_hDC != NULL);
	return CFont::FromHandle(static_cast<HFONT>(::GetCurrentObject(m_hDC, OBJ_FONT)));
}

CBitmap* CDC::GetCurrentBitmap() const
{
	ASSERT(m_hDC != NULL);
	return CBitmap::FromHandle(static_cast<HBITMAP>(::GetCurrentObject(m_hDC, OBJ_BITMAP)));
}

CPoint CDC::GetBrushOrg() const
{
	ASSERT(m_hDC != NULL);
	CPoint point;
	::GetBrushOrgEx(m_hDC, &point);
	return point;
}

CPoint CDC::SetBrushOrg(int x, int y)
{
	ASSERT(m_hDC != NULL);
	CPoint point;
	::SetBrushOrgEx(m_hDC, x, y, &point);
	return point;
}

CPoint CDC::SetBrushOrg(POINT point)
{
	return SetBrushOrg(point.x, point.y);
}

COLORREF CDC::GetNearestColor(COLORREF crColor) const
{
	ASSERT(m_hAttribDC != NULL);
	return ::GetNearestColor(m_hAttribDC, crColor);
}

/////////////////////////////////////////////////////////////////////////////
// Drawing attributes

COLORREF CDC::GetBkColor() const
{
	ASSERT(m_hAttribDC != NULL);
	return ::GetBkColor(m_hAttribDC);
}

int CDC::GetBkMode() const
{
	ASSERT(m_hAttribDC != NULL);
	return ::GetBkMode(m_hAttribDC);
}

int CDC::GetROP2() const
{
	ASSERT(m_hAttribDC != NULL);
	return ::GetROP2(m_hAttribDC);
}

int CDC::GetStretchBltMode() const
{
	ASSERT(m_hAttribDC != NULL);
	return ::GetStretchBltMode(m_hAttribDC);
}

COLORREF CDC::GetTextColor() const
{
	ASSERT(m_hAttribDC != NULL);
	return ::GetTextColor(m_hAttribDC);
}

COLORREF CDC::SetBkColor(COLORREF crColor)
{
	COLORREF crOld = CLR_INVALID;
	OnBothContexts(this, [&](HDC hDC) { crOld = ::SetBkColor(hDC, crColor); });
	return crOld;
}

int CDC::SetBkMode(int nBkMode)
{
	int nOld = 0;
	OnBothContexts(this, [&](HDC hDC) { nOld = ::SetBkMode(hDC, nBkMode); });
	return nOld;
}

int CDC::SetROP2(int nDrawMode)
{
	int nOld = 0;
	OnBothContexts(this, [&](HDC hDC) { nOld = ::SetROP2(hDC, nDrawMode); });
	return nOld;
}

int CDC::SetStretchBltMode(int nStretchMode)
{
	int nOld = 0;
	OnBothContexts(this, [&](HDC hDC) { nOld = ::SetStretchBltMode(hDC, nStretchMode); });
	return nOld;
}

COLORREF CDC::SetTextColor(COLORREF crColor)
{
	COLORREF crOld = CLR_INVALID;
	OnBothContexts(this, [&](HDC hDC) { crOld = ::SetTextColor(hDC, crColor); });
	return crOld;
}

UINT CDC::GetTextAlign() const
{
	ASSERT(m_hAttribDC != NULL);
	return ::GetTextAlign(m_hAttribDC);
}

UINT CDC::SetTextAlign(UINT nFlags)
{
	UINT nOld = GDI_ERROR;
	OnBothContexts(this, [&](HDC hDC) { nOld = ::SetTextAlign(hDC, nFlags); });
	return nOld;
}

/////////////////////////////////////////////////////////////////////////////
// Mapping

int CDC::GetMapMode() const
{
	ASSERT(m_hAttribDC != NULL);
	return ::GetMapMode(m_hAttribDC);
}

int CDC::SetMapMode(int nMapMode)
{
	int nOld = 0;
	OnBothContexts(this, [&](HDC hDC) { nOld = ::SetMapMode(hDC, nMapMode); });
	return nOld;
}

CPoint CDC::GetViewportOrg() const
{
	ASSERT(m_hAttribDC != NULL);
	CPoint point;
	::GetViewportOrgEx(m_hAttribDC, &point);
	return point;
}

CPoint CDC::SetViewportOrg(int x, int y)
{
	CPoint point;
	OnBothContexts(this, [&](HDC hDC) { ::SetViewportOrgEx(hDC, x, y, &point); });
	return point;
}

CPoint CDC::SetViewportOrg(POINT point)
{
	return SetViewportOrg(point.x, point.y);
}

CPoint CDC::OffsetViewportOrg(int nWidth, int nHeight)
{
	CPoint point;
	OnBothContexts(this, [&](HDC hDC) { ::OffsetViewportOrgEx(hDC, nWidth, nHeight, &point); });
	return point;
}

CSize CDC::GetViewportExt() const
{
	ASSERT(m_hAttribDC != NULL);
	CSize size;
	::GetViewportExtEx(m_hAttribDC, &size);
	return size;
}

CSize CDC::SetViewportExt(int cx, int cy)
{
	CSize size;
	OnBothContexts(this, [&](HDC hDC) { ::SetViewportExtEx(hDC, cx, cy, &size); });
	return size;
}

CSize CDC::SetViewportExt(SIZE size)
{
	return SetViewportExt(size.cx, size.cy);
}

CPoint CDC::GetWindowOrg() const
{
	ASSERT(m_hAttribDC != NULL);
	CPoint point;
	::GetWindowOrgEx(m_hAttribDC, &point);
	return point;
}

CPoint CDC::SetWindowOrg(int x, int y)
{
	CPoint point;
	OnBothContexts(this, [&](HDC hDC) { ::SetWindowOrgEx(hDC, x, y, &point); });
	return point;
}

CPoint CDC::SetWindowOrg(POINT point)
{
	return SetWindowOrg(point.x, point.y);
}

CPoint CDC::OffsetWindowOrg(int nWidth, int nHeight)
{
	CPoint point;
	OnBothContexts(this, [&](HDC hDC) { ::OffsetWindowOrgEx(hDC, nWidth, nHeight, &point); });
	return point;
}

CSize CDC::GetWindowExt() const
{
	ASSERT(m_hAttribDC != NULL);
	CSize size;
	::GetWindowExtEx(m_hAttribDC, &size);
	return size;
}

CSize CDC::SetWindowExt(int cx, int cy)
{
	CSize size;
	OnBothContexts(this, [&](HDC hDC) { ::SetWindowExtEx(hDC, cx, cy, &size); });
	return size;
}

CSize CDC::SetWindowExt(SIZE size)
{
	return SetWindowExt(size.cx, size.cy);
}

void CDC::DPtoLP(LPPOINT lpPoints, int nCount) const
{
	ASSERT(m_hAttribDC != NULL);
	if (lpPoints != NULL && nCount > 0)
		::DPtoLP(m_hAttribDC, lpPoints, nCount);
}

void CDC::DPtoLP(LPRECT lpRect) const
{
	DPtoLP(reinterpret_cast<LPPOINT>(lpRect), 2);
}

void CDC::DPtoLP(LPSIZE lpSize) const
{
	// A size is the difference of two points, so the origins cancel out.
	if (lpSize == NULL)
		return;
	POINT pts[2] = { { 0, 0 }, { lpSize->cx, lpSize->cy } };
	DPtoLP(pts, 2);
	lpSize->cx = pts[1].x - pts[0].x;
	lpSize->cy = pts[1].y - pts[0].y;
}

void CDC::LPtoDP(LPPOINT lpPoints, int nCount) const
{
	ASSERT(m_hAttribDC != NULL);
	if (lpPoints != NULL && nCount > 0)
		::LPtoDP(m_hAttribDC, lpPoints, nCount);
}

void CDC::LPtoDP(LPRECT lpRect) const
{
	LPtoDP(reinterpret_cast<LPPOINT>(lpRect), 2);
}

void CDC::LPtoDP(LPSIZE lpSize) const
{
	if (lpSize == NULL)
		return;
	POINT pts[2] = { { 0, 0 }, { lpSize->cx, lpSize->cy } };
	LPtoDP(pts, 2);
	lpSize->cx = pts[1].x - pts[0].x;
	lpSize->cy = pts[1].y - pts[0].y;
}

/////////////////////////////////////////////////////////////////////////////
// Regions and clipping

BOOL CDC::FillRgn(CRgn* pRgn, CBrush* pBrush)
{
	ASSERT(m_hDC != NULL);
	if (pRgn == NULL || pBrush == NULL)
		return FALSE;
	return ::FillRgn(m_hDC, *pRgn, *pBrush);
}

BOOL CDC::FrameRgn(CRgn* pRgn, CBrush* pBrush, int nWidth, int nHeight)
{
	ASSERT(m_hDC != NULL);
	if (pRgn == NULL || pBrush == NULL)
		return FALSE;
	return ::FrameRgn(m_hDC, *pRgn, *pBrush, nWidth, nHeight);
}

BOOL CDC::InvertRgn(CRgn* pRgn)
{
	ASSERT(m_hDC != NULL);
	return pRgn != NULL && ::InvertRgn(m_hDC, *pRgn);
}

BOOL CDC::PaintRgn(CRgn* pRgn)
{
	ASSERT(m_hDC != NULL);
	return pRgn != NULL && ::PaintRgn(m_hDC, *pRgn);
}

int CDC::GetClipBox(LPRECT lpRect) const
{
	ASSERT(m_hDC != NULL);
	if (lpRect == NULL)
		return ERROR;
	return ::GetClipBox(m_hDC, lpRect);
}

BOOL CDC::PtVisible(int x, int y) const
{
	ASSERT(m_hDC != NULL);
	return ::PtVisible(m_hDC, x, y);
}

BOOL CDC::PtVisible(POINT point) const
{
	return PtVisible(point.x, point.y);
}

BOOL CDC::RectVisible(LPCRECT lpRect) const
{
	ASSERT(m_hDC != NULL);
	return lpRect != NULL && ::RectVisible(m_hDC, lpRect);
}

int CDC::SelectClipRgn(CRgn* pRgn)
{
	// A NULL region removes the clipping region.
	int nRetVal = ERROR;
	HRGN hRgn = pRgn != NULL ? static_cast<HRGN>(pRgn->m_hObject) : NULL;
	OnBothContexts(this, [&](HDC hDC) { nRetVal = ::SelectClipRgn(hDC, hRgn); });
	return nRetVal;
}

int CDC::SelectClipRgn(CRgn* pRgn, int nMode)
{
	int nRetVal = ERROR;
	HRGN hRgn = pRgn != NULL ? static_cast<HRGN>(pRgn->m_hObject) : NULL;
	OnBothContexts(this, [&](HDC hDC) { nRetVal = ::ExtSelectClipRgn(hDC, hRgn, nMode); });
	return nRetVal;
}

int CDC::ExcludeClipRect(int x1, int y1, int x2, int y2)
{
	int nRetVal = ERROR;
	OnBothContexts(this, [&](HDC hDC) { nRetVal = ::ExcludeClipRect(hDC, x1, y1, x2, y2); });
	return nRetVal;
}

int CDC::ExcludeClipRect(LPCRECT lpRect)
{
	if (lpRect == NULL)
		return ERROR;
	return ExcludeClipRect(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}

int CDC::IntersectClipRect(int x1, int y1, int x2, int y2)
{
	int nRetVal = ERROR;
	OnBothContexts(this, [&](HDC hDC) { nRetVal = ::IntersectClipRect(hDC, x1, y1, x2, y2); });
	return nRetVal;
}

int CDC::IntersectClipRect(LPCRECT lpRect)
{
	if (lpRect == NULL)
		return ERROR;
	return IntersectClipRect(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}

int CDC::OffsetClipRgn(int x, int y)
{
	int nRetVal = ERROR;
	OnBothContexts(this, [&](HDC hDC) { nRetVal = ::OffsetClipRgn(hDC, x, y); });
	return nRetVal;
}

int CDC::OffsetClipRgn(SIZE size)
{
	return OffsetClipRgn(size.cx, size.cy);
}

/////////////////////////////////////////////////////////////////////////////
// Lines and shapes

CPoint CDC::GetCurrentPosition() const
{
	ASSERT(m_hAttribDC != NULL);
	CPoint point;
	::GetCurrentPositionEx(m_hAttribDC, &point);
	return point;
}

CPoint CDC::MoveTo(int x, int y)
{
	CPoint point;
	OnBothContexts(this, [&](HDC hDC) { ::MoveToEx(hDC, x, y, &point); });
	return point;
}

CPoint CDC::MoveTo(POINT point)
{
	return MoveTo(point.x, point.y);
}

BOOL CDC::LineTo(int x, int y)
{
	ASSERT(m_hAttribDC != NULL);
	// Keep the attribute context's current position in step.
	if (m_hAttribDC != NULL && m_hAttribDC != m_hDC)
		::MoveToEx(m_hAttribDC, x, y, NULL);
	return ::LineTo(m_hDC, x, y);
}

BOOL CDC::LineTo(POINT point)
{
	return LineTo(point.x, point.y);
}

BOOL CDC::Polyline(const POINT* lpPoints, int nCount)
{
	ASSERT(m_hDC != NULL);
	return lpPoints != NULL && nCount > 0 && ::Polyline(m_hDC, lpPoints, nCount);
}

void CDC::FillRect(LPCRECT lpRect, CBrush* pBrush)
{
	ASSERT(m_hDC != NULL);
	if (lpRect != NULL && pBrush != NULL)
		::FillRect(m_hDC, lpRect, static_cast<HBRUSH>(pBrush->m_hObject));
}

void CDC::FrameRect(LPCRECT lpRect, CBrush* pBrush)
{
	ASSERT(m_hDC != NULL);
	if (lpRect != NULL && pBrush != NULL)
		::FrameRect(m_hDC, lpRect, static_cast<HBRUSH>(pBrush->m_hObject));
}

void CDC::InvertRect(LPCRECT lpRect)
{
	ASSERT(m_hDC != NULL);
	if (lpRect != NULL)
		::InvertRect(m_hDC, lpRect);
}

BOOL CDC::DrawIcon(int x, int y, HICON hIcon)
{
	ASSERT(m_hDC != NULL);
	return ::DrawIcon(m_hDC, x, y, hIcon);
}

BOOL CDC::DrawIcon(POINT point, HICON hIcon)
{
	return DrawIcon(point.x, point.y, hIcon);
}

BOOL CDC::DrawState(CPoint pt, CSize size, HBITMAP hBitmap, UINT nFlags, HBRUSH hBrush)
{
	ASSERT(m_hDC != NULL);
	return ::DrawState(m_hDC, hBrush, NULL, reinterpret_cast<LPARAM>(hBitmap), 0, pt.x, pt.y, size.cx,
		size.cy, nFlags | DST_BITMAP);
}

BOOL CDC::DrawState(CPoint pt, CSize size, CBitmap* pBitmap, UINT nFlags, CBrush* pBrush)
{
	if (pBitmap == NULL)
		return FALSE;
	return DrawState(pt, size, static_cast<HBITMAP>(pBitmap->m_hObject), nFlags,
		static_cast<HBRUSH>(HandleOf(pBrush)));
}

BOOL CDC::DrawState(CPoint pt, CSize size, HICON hIcon, UINT nFlags, HBRUSH hBrush)
{
	ASSERT(m_hDC != NULL);
	return ::DrawState(m_hDC, hBrush, NULL, reinterpret_cast<LPARAM>(hIcon), 0, pt.x, pt.y, size.cx, size.cy,
		nFlags | DST_ICON);
}

BOOL CDC::DrawState(CPoint pt, CSize size, HICON hIcon, UINT nFlags, CBrush* pBrush)
{
	return DrawState(pt, size, hIcon, nFlags, static_cast<HBRUSH>(HandleOf(pBrush)));
}

BOOL CDC::DrawState(CPoint pt, CSize size, LPCTSTR lpszText, UINT nFlags, BOOL bPrefixText, int nTextLen,
	HBRUSH hBrush)
{
	ASSERT(m_hDC != NULL);
	if (lpszText == NULL)
		return FALSE;
	return ::DrawState(m_hDC, hBrush, NULL, reinterpret_cast<LPARAM>(lpszText), static_cast<WPARAM>(nTextLen),
		pt.x, pt.y, size.cx, size.cy, nFlags | (bPrefixText ? DST_PREFIXTEXT : DST_TEXT));
}

BOOL CDC::DrawState(CPoint pt, CSize size, LPCTSTR lpszText, UINT nFlags, BOOL bPrefixText, int nTextLen,
	CBrush* pBrush)
{
	return DrawState(pt, size, lpszText, nFlags, bPrefixText, nTextLen,
		static_cast<HBRUSH>(HandleOf(pBrush)));
}

BOOL CDC::DrawState(CPoint pt, CSize size, DRAWSTATEPROC lpDrawProc, LPARAM lData, UINT nFlags, HBRUSH hBrush)
{
	ASSERT(m_hDC != NULL);
	if (lpDrawProc == NULL)
		return FALSE;
	return ::DrawState(m_hDC, hBrush, lpDrawProc, lData, 0, pt.x, pt.y, size.cx, size.cy,
		nFlags | DST_COMPLEX);
}

BOOL CDC::DrawState(CPoint pt, CSize size, DRAWSTATEPROC lpDrawProc, LPARAM lData, UINT nFlags,
	CBrush* pBrush)
{
	return DrawState(pt, size, lpDrawProc, lData, nFlags, static_cast<HBRUSH>(HandleOf(pBrush)));
}

BOOL CDC::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
	ASSERT(m_hDC != NULL);
	return ::Arc(m_hDC, x1, y1, x2, y2, x3, y3, x4, y4);
}

BOOL CDC::Arc(LPCRECT lpRect, POINT ptStart, POINT ptEnd)
{
	if (lpRect == NULL)
		return FALSE;
	return Arc(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom, ptStart.x, ptStart.y, ptEnd.x,
		ptEnd.y);
}

void CDC::DrawFocusRect(LPCRECT lpRect)
{
	ASSERT(m_hDC != NULL);
	if (lpRect != NULL)
		::DrawFocusRect(m_hDC, lpRect);
}

BOOL CDC::Ellipse(int x1, int y1, int x2, int y2)
{
	ASSERT(m_hDC != NULL);
	return ::Ellipse(m_hDC, x1, y1, x2, y2);
}

BOOL CDC::Ellipse(LPCRECT lpRect)
{
	return lpRect != NULL && Ellipse(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}

BOOL CDC::Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
	ASSERT(m_hDC != NULL);
	return ::Pie(m_hDC, x1, y1, x2, y2, x3, y3, x4, y4);
}

BOOL CDC::Pie(LPCRECT lpRect, POINT ptStart, POINT ptEnd)
{
	if (lpRect == NULL)
		return FALSE;
	return Pie(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom, ptStart.x, ptStart.y, ptEnd.x,
		ptEnd.y);
}

BOOL CDC::Polygon(const POINT* lpPoints, int nCount)
{
	ASSERT(m_hDC != NULL);
	return lpPoints != NULL && nCount > 0 && ::Polygon(m_hDC, lpPoints, nCount);
}

BOOL CDC::Rectangle(int x1, int y1, int x2, int y2)
{
	ASSERT(m_hDC != NULL);
	return ::Rectangle(m_hDC, x1, y1, x2, y2);
}

BOOL CDC::Rectangle(LPCRECT lpRect)
{
	return lpRect != NULL && Rectangle(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}

BOOL CDC::RoundRect(int x1, int y1, int x2, int y2, int x3, int y3)
{
	ASSERT(m_hDC != NULL);
	return ::RoundRect(m_hDC, x1, y1, x2, y2, x3, y3);
}

BOOL CDC::RoundRect(LPCRECT lpRect, POINT point)
{
	return lpRect != NULL &&
		   RoundRect(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom, point.x, point.y);
}

/////////////////////////////////////////////////////////////////////////////
// Bitmaps and pixels

BOOL CDC::PatBlt(int x, int y, int nWidth, int nHeight, DWORD dwRop)
{
	ASSERT(m_hDC != NULL);
	return ::PatBlt(m_hDC, x, y, nWidth, nHeight, dwRop);
}

BOOL CDC::PatBlt(LPCRECT lpRect, DWORD dwRop)
{
	return lpRect != NULL && PatBlt(lpRect->left, lpRect->top, lpRect->right - lpRect->left,
								 lpRect->bottom - lpRect->top, dwRop);
}

BOOL CDC::BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, DWORD dwRop)
{
	ASSERT(m_hDC != NULL);
	// Raster operations that use no source take a NULL source context.
	return ::BitBlt(m_hDC, x, y, nWidth, nHeight, pSrcDC != NULL ? pSrcDC->m_hDC : NULL, xSrc, ySrc, dwRop);
}

BOOL CDC::StretchBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, int nSrcWidth,
	int nSrcHeight, DWORD dwRop)
{
	ASSERT(m_hDC != NULL);
	return ::StretchBlt(m_hDC, x, y, nWidth, nHeight, pSrcDC != NULL ? pSrcDC->m_hDC : NULL, xSrc, ySrc,
		nSrcWidth, nSrcHeight, dwRop);
}

COLORREF CDC::GetPixel(int x, int y) const
{
	ASSERT(m_hDC != NULL);
	return ::GetPixel(m_hDC, x, y);
}

COLORREF CDC::GetPixel(POINT point) const
{
	return GetPixel(point.x, point.y);
}

COLORREF CDC::SetPixel(int x, int y, COLORREF crColor)
{
	ASSERT(m_hDC != NULL);
	return ::SetPixel(m_hDC, x, y, crColor);
}

COLORREF CDC::SetPixel(POINT point, COLORREF crColor)
{
	return SetPixel(point.x, point.y, crColor);
}

BOOL CDC::SetPixelV(int x, int y, COLORREF crColor)
{
	ASSERT(m_hDC != NULL);
	return ::SetPixelV(m_hDC, x, y, crColor);
}

BOOL CDC::SetPixelV(POINT point, COLORREF crColor)
{
	return SetPixelV(point.x, point.y, crColor);
}

/////////////////////////////////////////////////////////////////////////////
// Text

BOOL CDC::TextOut(int x, int y, LPCTSTR lpszString, int nCount)
{
	ASSERT(m_hDC != NULL);
	if (lpszString == NULL || nCount < 0)
		return FALSE;
	return ::TextOut(m_hDC, x, y, lpszString, nCount);
}

BOOL CDC::TextOut(int x, int y, const CString& str)
{
	return TextOut(x, y, str.GetString(), str.GetLength());
}

BOOL CDC::ExtTextOut(int x, int y, UINT nOptions, LPCRECT lpRect, LPCTSTR lpszString, UINT nCount,
	LPINT lpDxWidths)
{
	ASSERT(m_hDC != NULL);
	// A NULL string with ETO_OPAQUE only fills the rectangle.
	return ::ExtTextOut(m_hDC, x, y, nOptions, lpRect, lpszString, lpszString != NULL ? nCount : 0,
		lpDxWidths);
}

BOOL CDC::ExtTextOut(int x, int y, UINT nOptions, LPCRECT lpRect, const CString& str, LPINT lpDxWidths)
{
	return ExtTextOut(x, y, nOptions, lpRect, str.GetString(), str.GetLength(), lpDxWidths);
}

int CDC::DrawText(LPCTSTR lpszString, int nCount, LPRECT lpRect, UINT nFormat)
{
	ASSERT(m_hDC != NULL);
	if (lpszString == NULL || lpRect == NULL)
		return 0;
	return ::DrawText(m_hDC, lpszString, nCount, lpRect, nFormat);
}

int CDC::DrawText(const CString& str, LPRECT lpRect, UINT nFormat)
{
	return DrawText(str.GetString(), str.GetLength(), lpRect, nFormat);
}

CSize CDC::GetTextExtent(LPCTSTR lpszString, int nCount) const
{
	ASSERT(m_hAttribDC != NULL);
	CSize size;
	if (lpszString != NULL && nCount > 0)
		::GetTextExtentPoint32(m_hAttribDC, lpszString, nCount, &size);
	return size;
}

CSize CDC::GetTextExtent(const CString& str) const
{
	return GetTextExtent(str.GetString(), str.GetLength());
}

CSize CDC::GetOutputTextExtent(LPCTSTR lpszString, int nCount) const
{
	ASSERT(m_hDC != NULL);
	CSize size;
	if (lpszString != NULL && nCount > 0)
		::GetTextExtentPoint32(m_hDC, lpszString, nCount, &size);
	return size;
}

CSize CDC::GetOutputTextExtent(const CString& str) const
{
	return GetOutputTextExtent(str.GetString(), str.GetLength());
}

int CDC::GetTextFace(int nCount, LPTSTR lpszFacename) const
{
	ASSERT(m_hAttribDC != NULL);
	return ::GetTextFace(m_hAttribDC, nCount, lpszFacename);
}

int CDC::GetTextFace(CString& rString) const
{
	ASSERT(m_hAttribDC != NULL);
	int nResult = ::GetTextFace(m_hAttribDC, LF_FACESIZE, rString.GetBuffer(LF_FACESIZE));
	rString.ReleaseBuffer();
	return nResult;
}

BOOL CDC::GetTextMetrics(LPTEXTMETRIC lpMetrics) const
{
	ASSERT(m_hAttribDC != NULL);
	return lpMetrics != NULL && ::GetTextMetrics(m_hAttribDC, lpMetrics);
}

BOOL CDC::GetOutputTextMetrics(LPTEXTMETRIC lpMetrics) const
{
	ASSERT(m_hDC != NULL);
	return lpMetrics != NULL && ::GetTextMetrics(m_hDC, lpMetrics);
}

/////////////////////////////////////////////////////////////////////////////
// Edges and frames

BOOL CDC::DrawEdge(LPRECT lpRect, UINT nEdge, UINT nFlags)
{
	ASSERT(m_hDC != NULL);
	return lpRect != NULL && ::DrawEdge(m_hDC, lpRect, nEdge, nFlags);
}

BOOL CDC::DrawFrameControl(LPRECT lpRect, UINT nType, UINT nState)
{
	ASSERT(m_hDC != NULL);
	return lpRect != NULL && ::DrawFrameControl(m_hDC, lpRect, nType, nState);
}

void CDC::FillSolidRect(LPCRECT lpRect, COLORREF clr)
{
	ASSERT(m_hDC != NULL);
	if (lpRect == NULL)
		return;
	// An opaque ExtTextOut is the cheapest solid fill, and it leaves the
	// background colour at clr, which callers rely on for the text they
	// draw next.
	::SetBkColor(m_hDC, clr);
	::ExtTextOut(m_hDC, 0, 0, ETO_OPAQUE, lpRect, NULL, 0, NULL);
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF clr)
{
	// Negative extents grow left or up from (x, y).
	CRect rect(x, y, x + cx, y + cy);
	rect.NormalizeRect();
	FillSolidRect(&rect, clr);
}

void CDC::Draw3dRect(LPCRECT lpRect, COLORREF clrTopLeft, COLORREF clrBottomRight)
{
	if (lpRect != NULL)
		Draw3dRect(lpRect->left, lpRect->top, lpRect->right - lpRect->left, lpRect->bottom - lpRect->top,
			clrTopLeft, clrBottomRight);
}

void CDC::Draw3dRect(int x, int y, int cx, int cy, COLORREF clrTopLeft, COLORREF clrBottomRight)
{
	// The top-right and bottom-left corner pixels belong to the lower edges.
	FillSolidRect(x, y, cx - 1, 1, clrTopLeft);
	FillSolidRect(x, y, 1, cy - 1, clrTopLeft);
	FillSolidRect(x + cx, y, -1, cy, clrBottomRight);
	FillSolidRect(x, y + cy, cx, -1, clrBottomRight);
}

/////////////////////////////////////////////////////////////////////////////
// Printing

int CDC::StartDoc(LPDOCINFO lpDocInfo)
{
	ASSERT(m_hDC != NULL);
	if (lpDocInfo == NULL)
		return SP_ERROR;
	return ::StartDoc(m_hDC, lpDocInfo);
}

int CDC::StartDoc(LPCTSTR lpszDocName)
{
	DOCINFO di = {};
	di.cbSize = sizeof(di);
	di.lpszDocName = lpszDocName;
	return StartDoc(&di);
}

int CDC::StartPage()
{
	ASSERT(m_hDC != NULL);
	return ::StartPage(m_hDC);
}

int CDC::EndPage()
{
	ASSERT(m_hDC != NULL);
	return ::EndPage(m_hDC);
}

int CDC::AbortDoc()
{
	ASSERT(m_hDC != NULL);
	return ::AbortDoc(m_hDC);
}

int CDC::EndDoc()
{
	ASSERT(m_hDC != NULL);
	return ::EndDoc(m_hDC);
}
