// Snapshot.cpp - copies of pixels from windows and from pictures the test draws itself.
#include <kavrotest/TestSupport.h>

namespace kt
{

namespace
{

// Copies cx x cy pixels at (x, y) of hdcSrc into a 32-bit top-down DIB.
std::vector<DWORD> Grab(HDC hdcSrc, int x, int y, int cx, int cy)
{
	std::vector<DWORD> pixels;
	if (hdcSrc == NULL || cx <= 0 || cy <= 0)
		return pixels;
	BITMAPINFO bmi = {};
	bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
	bmi.bmiHeader.biWidth = cx;
	bmi.bmiHeader.biHeight = -cy;
	bmi.bmiHeader.biPlanes = 1;
	bmi.bmiHeader.biBitCount = 32;
	bmi.bmiHeader.biCompression = BI_RGB;
	void* bits = NULL;
	HBITMAP hbm = ::CreateDIBSection(hdcSrc, &bmi, DIB_RGB_COLORS, &bits, NULL, 0);
	if (hbm == NULL)
		return pixels;
	HDC hdcMem = ::CreateCompatibleDC(hdcSrc);
	HGDIOBJ hOld = ::SelectObject(hdcMem, hbm);
	::BitBlt(hdcMem, 0, 0, cx, cy, hdcSrc, x, y, SRCCOPY);
	::GdiFlush();
	const DWORD* p = static_cast<const DWORD*>(bits);
	pixels.assign(p, p + static_cast<size_t>(cx) * cy);
	for (DWORD& px : pixels)
		px &= 0x00FFFFFF;
	::SelectObject(hdcMem, hOld);
	::DeleteDC(hdcMem);
	::DeleteObject(hbm);
	return pixels;
}

inline COLORREF ToColorRef(DWORD px)
{
	return RGB((px >> 16) & 0xFF, (px >> 8) & 0xFF, px & 0xFF);
}

} // namespace

Snapshot::Snapshot(HWND hWnd)
{
	if (!::IsWindow(hWnd))
		return;
	RECT rc;
	::GetClientRect(hWnd, &rc);
	HDC hdc = ::GetDC(hWnd);
	m_pixels = Grab(hdc, 0, 0, rc.right, rc.bottom);
	::ReleaseDC(hWnd, hdc);
	if (!m_pixels.empty())
	{
		m_cx = rc.right;
		m_cy = rc.bottom;
	}
}

Snapshot::Snapshot(HDC hdc, const RECT& rc)
{
	m_pixels = Grab(hdc, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top);
	if (!m_pixels.empty())
	{
		m_cx = rc.right - rc.left;
		m_cy = rc.bottom - rc.top;
	}
}

Snapshot Snapshot::Draw(int cx, int cy, COLORREF crFill, const std::function<void(HDC)>& draw)
{
	Snapshot shot;
	HDC hdcScreen = ::GetDC(NULL);
	HDC hdc = ::CreateCompatibleDC(hdcScreen);
	HBITMAP hbm = ::CreateCompatibleBitmap(hdcScreen, cx, cy);
	HGDIOBJ hOld = ::SelectObject(hdc, hbm);
	RECT rc = { 0, 0, cx, cy };
	HBRUSH hbr = ::CreateSolidBrush(crFill);
	::FillRect(hdc, &rc, hbr);
	::DeleteObject(hbr);
	if (draw)
		draw(hdc);
	shot = Snapshot(hdc, rc);
	::SelectObject(hdc, hOld);
	::DeleteObject(hbm);
	::DeleteDC(hdc);
	::ReleaseDC(NULL, hdcScreen);
	return shot;
}

COLORREF Snapshot::At(int x, int y) const
{
	if (x < 0 || y < 0 || x >= m_cx || y >= m_cy)
		return CLR_INVALID;
	return ToColorRef(m_pixels[static_cast<size_t>(y) * m_cx + x]);
}

int Snapshot::CountDiff(const Snapshot& other, const RECT& rc) const
{
	int n = 0;
	for (int y = rc.top; y < rc.bottom; ++y)
		for (int x = rc.left; x < rc.right; ++x)
		{
			COLORREF a = At(x, y), b = other.At(x, y);
			if (a == CLR_INVALID || b == CLR_INVALID || a != b)
				++n;
		}
	return n;
}

int Snapshot::CountDiff(const Snapshot& other) const
{
	RECT rc = { 0, 0, m_cx > other.m_cx ? m_cx : other.m_cx, m_cy > other.m_cy ? m_cy : other.m_cy };
	return CountDiff(other, rc);
}

int Snapshot::Count(COLORREF cr, const RECT& rc) const
{
	int n = 0;
	for (int y = rc.top; y < rc.bottom; ++y)
		for (int x = rc.left; x < rc.right; ++x)
			if (At(x, y) == cr)
				++n;
	return n;
}

int Snapshot::Count(COLORREF cr) const
{
	RECT rc = { 0, 0, m_cx, m_cy };
	return Count(cr, rc);
}

RECT Snapshot::Bounds(COLORREF crNot) const
{
	RECT r = { m_cx, m_cy, 0, 0 };
	for (int y = 0; y < m_cy; ++y)
		for (int x = 0; x < m_cx; ++x)
			if (At(x, y) != crNot)
			{
				if (x < r.left)
					r.left = x;
				if (y < r.top)
					r.top = y;
				if (x + 1 > r.right)
					r.right = x + 1;
				if (y + 1 > r.bottom)
					r.bottom = y + 1;
			}
	if (r.right <= r.left)
		r = RECT{ 0, 0, 0, 0 };
	return r;
}

Snapshot Snapshot::Crop(const RECT& rc) const
{
	Snapshot s;
	RECT r = { rc.left < 0 ? 0 : rc.left, rc.top < 0 ? 0 : rc.top, rc.right > m_cx ? m_cx : rc.right,
		rc.bottom > m_cy ? m_cy : rc.bottom };
	if (r.right <= r.left || r.bottom <= r.top)
		return s;
	s.m_cx = r.right - r.left;
	s.m_cy = r.bottom - r.top;
	s.m_pixels.reserve(static_cast<size_t>(s.m_cx) * s.m_cy);
	for (int y = r.top; y < r.bottom; ++y)
		for (int x = r.left; x < r.right; ++x)
			s.m_pixels.push_back(m_pixels[static_cast<size_t>(y) * m_cx + x]);
	return s;
}

} // namespace kt
