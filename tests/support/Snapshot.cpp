// Snapshot.cpp - copies of pixels from windows and from pictures the test draws itself.
#include <kavrotest/TestSupport.h>

#include <algorithm>

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
	RECT rc = {};
	::GetClientRect(hWnd, &rc);
	*this = Snapshot(hWnd, rc);
}

Snapshot::Snapshot(HWND hWnd, const RECT& rc)
{
	if (!::IsWindow(hWnd))
		return;
	HDC hdc = ::GetDC(hWnd);
	*this = Snapshot(hdc, rc);
	::ReleaseDC(hWnd, hdc);
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
	const Snapshot shot(hdc, rc);
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

int Snapshot::Count(COLORREF cr, const RECT& rc) const
{
	int n = 0;
	for (int y = rc.top; y < rc.bottom; ++y)
		for (int x = rc.left; x < rc.right; ++x)
			if (At(x, y) == cr)
				++n;
	return n;
}

RECT Snapshot::Bounds(COLORREF crNot) const
{
	RECT r = { m_cx, m_cy, 0, 0 };
	for (int y = 0; y < m_cy; ++y)
		for (int x = 0; x < m_cx; ++x)
			if (At(x, y) != crNot)
				r = { std::min<LONG>(r.left, x), std::min<LONG>(r.top, y), std::max<LONG>(r.right, x + 1),
					std::max<LONG>(r.bottom, y + 1) };
	return r.right > r.left ? r : RECT{};
}

HICON SolidIcon(COLORREF cr, int size)
{
	const std::vector<DWORD> color(size * size,
		0xFF000000 | GetRValue(cr) << 16 | GetGValue(cr) << 8 | GetBValue(cr));
	const std::vector<WORD> mask(size * ((size + 15) / 16), 0);
	ICONINFO ii = { TRUE, 0, 0, ::CreateBitmap(size, size, 1, 1, mask.data()),
		::CreateBitmap(size, size, 1, 32, color.data()) };
	HICON hIcon = ::CreateIconIndirect(&ii);
	::DeleteObject(ii.hbmMask);
	::DeleteObject(ii.hbmColor);
	return hIcon;
}

} // namespace kt
