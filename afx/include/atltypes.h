// atltypes.h - point, size and rectangle value types over the Win32 structures.
//
// Classes in this file:
//   CSize, CPoint, CRect
#pragma once

#ifndef _WINDOWS_
#include <windows.h>
#endif

class CSize;
class CPoint;
class CRect;

/////////////////////////////////////////////////////////////////////////////
// CSize - an extent; the members are those of SIZE (cx, cy)

class CSize : public tagSIZE
{
public:
// Construction
	CSize() throw()
	{
		cx = 0;
		cy = 0;
	}
	CSize(int initCX, int initCY) throw()
	{
		cx = initCX;
		cy = initCY;
	}
	CSize(SIZE initSize) throw() { *static_cast<SIZE*>(this) = initSize; }
	CSize(POINT initPt) throw()
	{
		cx = initPt.x;
		cy = initPt.y;
	}
	// Low word is cx, high word cy, as in a packed LPARAM extent.
	CSize(DWORD dwSize) throw()
	{
		cx = static_cast<short>(LOWORD(dwSize));
		cy = static_cast<short>(HIWORD(dwSize));
	}

// Operations
	BOOL operator==(SIZE size) const throw() { return cx == size.cx && cy == size.cy; }
	BOOL operator!=(SIZE size) const throw() { return !(*this == size); }
	void operator+=(SIZE size) throw()
	{
		cx += size.cx;
		cy += size.cy;
	}
	void operator-=(SIZE size) throw()
	{
		cx -= size.cx;
		cy -= size.cy;
	}
	void SetSize(int CX, int CY) throw()
	{
		cx = CX;
		cy = CY;
	}

	CSize operator+(SIZE size) const throw() { return CSize(cx + size.cx, cy + size.cy); }
	CSize operator-(SIZE size) const throw() { return CSize(cx - size.cx, cy - size.cy); }
	CSize operator-() const throw() { return CSize(-cx, -cy); }
	inline CPoint operator+(POINT point) const throw();
	inline CPoint operator-(POINT point) const throw();
	inline CRect operator+(const RECT* lpRect) const throw();
	inline CRect operator-(const RECT* lpRect) const throw();
};

/////////////////////////////////////////////////////////////////////////////
// CPoint - a position; the members are those of POINT (x, y)

class CPoint : public tagPOINT
{
public:
// Construction
	CPoint() throw()
	{
		x = 0;
		y = 0;
	}
	CPoint(int initX, int initY) throw()
	{
		x = initX;
		y = initY;
	}
	CPoint(POINT initPt) throw() { *static_cast<POINT*>(this) = initPt; }
	CPoint(SIZE initSize) throw()
	{
		x = initSize.cx;
		y = initSize.cy;
	}
	// Coordinates packed into a message's lParam are signed 16-bit values:
	// positions left of or above a window's origin are negative.
	CPoint(LPARAM dwPoint) throw()
	{
		x = static_cast<short>(LOWORD(dwPoint));
		y = static_cast<short>(HIWORD(dwPoint));
	}

// Operations
	void Offset(int xOffset, int yOffset) throw()
	{
		x += xOffset;
		y += yOffset;
	}
	void Offset(POINT point) throw() { Offset(point.x, point.y); }
	void Offset(SIZE size) throw() { Offset(size.cx, size.cy); }
	void SetPoint(int X, int Y) throw()
	{
		x = X;
		y = Y;
	}

	BOOL operator==(POINT point) const throw() { return x == point.x && y == point.y; }
	BOOL operator!=(POINT point) const throw() { return !(*this == point); }
	void operator+=(SIZE size) throw() { Offset(size); }
	void operator-=(SIZE size) throw() { Offset(-size.cx, -size.cy); }
	void operator+=(POINT point) throw() { Offset(point); }
	void operator-=(POINT point) throw() { Offset(-point.x, -point.y); }

	CPoint operator+(SIZE size) const throw() { return CPoint(x + size.cx, y + size.cy); }
	CPoint operator-(SIZE size) const throw() { return CPoint(x - size.cx, y - size.cy); }
	CPoint operator-() const throw() { return CPoint(-x, -y); }
	CPoint operator+(POINT point) const throw() { return CPoint(x + point.x, y + point.y); }
	CSize operator-(POINT point) const throw() { return CSize(x - point.x, y - point.y); }
	inline CRect operator+(const RECT* lpRect) const throw();
	inline CRect operator-(const RECT* lpRect) const throw();
};

/////////////////////////////////////////////////////////////////////////////
// CRect - a rectangle; the members are those of RECT (left, top, right, bottom)

class CRect : public tagRECT
{
public:
// Construction
	CRect() throw() { left = top = right = bottom = 0; }
	CRect(int l, int t, int r, int b) throw()
	{
		left = l;
		top = t;
		right = r;
		bottom = b;
	}
	CRect(const RECT& srcRect) throw() { CopyRect(&srcRect); }
	CRect(LPCRECT lpSrcRect) throw() { CopyRect(lpSrcRect); }
	CRect(POINT point, SIZE size) throw()
	{
		left = point.x;
		top = point.y;
		right = point.x + size.cx;
		bottom = point.y + size.cy;
	}
	CRect(POINT topLeft, POINT bottomRight) throw()
	{
		left = topLeft.x;
		top = topLeft.y;
		right = bottomRight.x;
		bottom = bottomRight.y;
	}

// Attributes
	int Width() const throw() { return right - left; }
	int Height() const throw() { return bottom - top; }
	CSize Size() const throw() { return CSize(Width(), Height()); }
	// The corners are the RECT's own storage, so they can be assigned to.
	CPoint& TopLeft() throw() { return *reinterpret_cast<CPoint*>(this); }
	CPoint& BottomRight() throw() { return *(reinterpret_cast<CPoint*>(this) + 1); }
	const CPoint& TopLeft() const throw() { return *reinterpret_cast<const CPoint*>(this); }
	const CPoint& BottomRight() const throw() { return *(reinterpret_cast<const CPoint*>(this) + 1); }
	CPoint CenterPoint() const throw() { return CPoint((left + right) / 2, (top + bottom) / 2); }

	operator LPRECT() throw() { return this; }
	operator LPCRECT() const throw() { return this; }

	BOOL IsRectEmpty() const throw() { return ::IsRectEmpty(this); }
	BOOL IsRectNull() const throw() { return left == 0 && right == 0 && top == 0 && bottom == 0; }
	BOOL PtInRect(POINT point) const throw() { return ::PtInRect(this, point); }

// Operations
	void SetRect(int x1, int y1, int x2, int y2) throw()
	{
		left = x1;
		top = y1;
		right = x2;
		bottom = y2;
	}
	void SetRect(POINT topLeft, POINT bottomRight) throw()
	{
		SetRect(topLeft.x, topLeft.y, bottomRight.x, bottomRight.y);
	}
	void SetRectEmpty() throw() { left = top = right = bottom = 0; }
	void CopyRect(LPCRECT lpSrcRect) throw() { *static_cast<RECT*>(this) = *lpSrcRect; }
	BOOL EqualRect(LPCRECT lpRect) const throw()
	{
		return left == lpRect->left && top == lpRect->top && right == lpRect->right &&
			   bottom == lpRect->bottom;
	}

	void InflateRect(int x, int y) throw()
	{
		left -= x;
		top -= y;
		right += x;
		bottom += y;
	}
	void InflateRect(SIZE size) throw() { InflateRect(size.cx, size.cy); }
	void InflateRect(LPCRECT lpRect) throw()
	{
		left -= lpRect->left;
		top -= lpRect->top;
		right += lpRect->right;
		bottom += lpRect->bottom;
	}
	void InflateRect(int l, int t, int r, int b) throw()
	{
		left -= l;
		top -= t;
		right += r;
		bottom += b;
	}
	void DeflateRect(int x, int y) throw() { InflateRect(-x, -y); }
	void DeflateRect(SIZE size) throw() { InflateRect(-size.cx, -size.cy); }
	void DeflateRect(LPCRECT lpRect) throw()
	{
		left += lpRect->left;
		top += lpRect->top;
		right -= lpRect->right;
		bottom -= lpRect->bottom;
	}
	void DeflateRect(int l, int t, int r, int b) throw()
	{
		left += l;
		top += t;
		right -= r;
		bottom -= b;
	}

	void OffsetRect(int x, int y) throw()
	{
		left += x;
		right += x;
		top += y;
		bottom += y;
	}
	void OffsetRect(POINT point) throw() { OffsetRect(point.x, point.y); }
	void OffsetRect(SIZE size) throw() { OffsetRect(size.cx, size.cy); }
	void MoveToX(int x) throw()
	{
		right = Width() + x;
		left = x;
	}
	void MoveToY(int y) throw()
	{
		bottom = Height() + y;
		top = y;
	}
	void MoveToXY(int x, int y) throw()
	{
		MoveToX(x);
		MoveToY(y);
	}
	void MoveToXY(POINT point) throw() { MoveToXY(point.x, point.y); }

	void NormalizeRect() throw()
	{
		if (left > right)
		{
			int t = left;
			left = right;
			right = t;
		}
		if (top > bottom)
		{
			int t = top;
			top = bottom;
			bottom = t;
		}
	}

	// The Win32 functions define the empty cases: an empty result is all zero.
	BOOL IntersectRect(LPCRECT lpRect1, LPCRECT lpRect2) throw()
	{
		return ::IntersectRect(this, lpRect1, lpRect2);
	}
	BOOL UnionRect(LPCRECT lpRect1, LPCRECT lpRect2) throw() { return ::UnionRect(this, lpRect1, lpRect2); }
	BOOL SubtractRect(LPCRECT lpRectSrc1, LPCRECT lpRectSrc2) throw()
	{
		return ::SubtractRect(this, lpRectSrc1, lpRectSrc2);
	}

	void operator=(const RECT& srcRect) throw() { CopyRect(&srcRect); }
	BOOL operator==(const RECT& rect) const throw() { return EqualRect(&rect); }
	BOOL operator!=(const RECT& rect) const throw() { return !EqualRect(&rect); }
	void operator+=(POINT point) throw() { OffsetRect(point); }
	void operator+=(SIZE size) throw() { OffsetRect(size); }
	void operator+=(LPCRECT lpRect) throw() { InflateRect(lpRect); }
	void operator-=(POINT point) throw() { OffsetRect(-point.x, -point.y); }
	void operator-=(SIZE size) throw() { OffsetRect(-size.cx, -size.cy); }
	void operator-=(LPCRECT lpRect) throw() { DeflateRect(lpRect); }
	void operator&=(const RECT& rect) throw() { IntersectRect(this, &rect); }
	void operator|=(const RECT& rect) throw() { UnionRect(this, &rect); }

	CRect operator+(POINT point) const throw()
	{
		CRect r(*this);
		r.OffsetRect(point);
		return r;
	}
	CRect operator-(POINT point) const throw()
	{
		CRect r(*this);
		r.OffsetRect(-point.x, -point.y);
		return r;
	}
	CRect operator+(SIZE size) const throw()
	{
		CRect r(*this);
		r.OffsetRect(size);
		return r;
	}
	CRect operator-(SIZE size) const throw()
	{
		CRect r(*this);
		r.OffsetRect(-size.cx, -size.cy);
		return r;
	}
	CRect operator+(LPCRECT lpRect) const throw()
	{
		CRect r(*this);
		r.InflateRect(lpRect);
		return r;
	}
	CRect operator-(LPCRECT lpRect) const throw()
	{
		CRect r(*this);
		r.DeflateRect(lpRect);
		return r;
	}
	CRect operator&(const RECT& rect2) const throw()
	{
		CRect r;
		r.IntersectRect(this, &rect2);
		return r;
	}
	CRect operator|(const RECT& rect2) const throw()
	{
		CRect r;
		r.UnionRect(this, &rect2);
		return r;
	}
};

inline CPoint CSize::operator+(POINT point) const throw()
{
	return CPoint(cx + point.x, cy + point.y);
}
inline CPoint CSize::operator-(POINT point) const throw()
{
	return CPoint(cx - point.x, cy - point.y);
}
inline CRect CSize::operator+(const RECT* lpRect) const throw()
{
	return CRect(lpRect) + *this;
}
inline CRect CSize::operator-(const RECT* lpRect) const throw()
{
	return CRect(lpRect) - *this;
}
inline CRect CPoint::operator+(const RECT* lpRect) const throw()
{
	return CRect(lpRect) + *this;
}
inline CRect CPoint::operator-(const RECT* lpRect) const throw()
{
	return CRect(lpRect) - *this;
}
