// Surface.h - a 32-bit memory surface the graphics tests draw on and read back.
#pragma once

#include <qtx/Graphics.h>

#include <gtest/gtest.h>

#include <cstdlib>

// A top-down 32-bit DIB section selected into its own memory DC.
class Surface
{
public:
	Surface(int cx, int cy, COLORREF fill = RGB(255, 255, 255)) : m_cx(cx), m_cy(cy)
	{
		BITMAPINFO bmi = {};
		bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
		bmi.bmiHeader.biWidth = cx;
		bmi.bmiHeader.biHeight = -cy;
		bmi.bmiHeader.biPlanes = 1;
		bmi.bmiHeader.biBitCount = 32;
		bmi.bmiHeader.biCompression = BI_RGB;
		m_hdc = ::CreateCompatibleDC(nullptr);
		m_hbm = ::CreateDIBSection(m_hdc, &bmi, DIB_RGB_COLORS, reinterpret_cast<void**>(&m_bits), nullptr, 0);
		m_hOld = ::SelectObject(m_hdc, m_hbm);
		Fill(fill);
	}
	~Surface()
	{
		::SelectObject(m_hdc, m_hOld);
		::DeleteObject(m_hbm);
		::DeleteDC(m_hdc);
	}
	Surface(const Surface&) = delete;
	Surface& operator=(const Surface&) = delete;

	HDC Dc() const { return m_hdc; }
	void Fill(COLORREF color)
	{
		RECT rc = { 0, 0, m_cx, m_cy };
		HBRUSH brush = ::CreateSolidBrush(color);
		::FillRect(m_hdc, &rc, brush);
		::DeleteObject(brush);
	}
	COLORREF At(int x, int y) const
	{
		::GdiFlush();
		DWORD px = m_bits[y * m_cx + x];
		return RGB((px >> 16) & 0xFF, (px >> 8) & 0xFF, px & 0xFF);
	}

private:
	int m_cx, m_cy;
	HDC m_hdc;
	HBITMAP m_hbm;
	HGDIOBJ m_hOld;
	DWORD* m_bits = nullptr;
};

// The process's GDI objects; 0 on systems that do not count them (Wine),
// where the tests check the released handles themselves.
inline int GdiObjectCount()
{
	return static_cast<int>(::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS));
}

inline int Brightness(COLORREF c)
{
	return GetRValue(c) + GetGValue(c) + GetBValue(c);
}

// Channels equal within tolerance (lossy formats, rounding).
inline bool Near(COLORREF a, COLORREF b, int tolerance = 2)
{
	return std::abs(GetRValue(a) - GetRValue(b)) <= tolerance &&
		std::abs(GetGValue(a) - GetGValue(b)) <= tolerance &&
		std::abs(GetBValue(a) - GetBValue(b)) <= tolerance;
}
