// Shade.cpp - shaded faces: light-level maps per kind, a palette and a DIB section.
//
// Classes in this file:
//   Grain

#include "GraphicsInternal.h"

#include <algorithm>
#include <cmath>
#include <new>
#include <vector>

namespace
{

const int kMaxSide = 4096;

// Repeatable grain: the same face looks the same at every size change.
class Grain
{
public:
	explicit Grain(unsigned int seed)
		: m_state(seed)
	{
	}
	// A value in -range..range.
	int Next(int range)
	{
		m_state = m_state * 1664525u + 1013904223u;
		return int((m_state >> 16) % unsigned(2 * range + 1)) - range;
	}

private:
	unsigned int m_state;
};

inline unsigned char ClampLevel(double value)
{
	if (value <= 0.0)
		return 0;
	if (value >= 255.0)
		return 255;
	return static_cast<unsigned char>(value + 0.5);
}

// Position of i in 0..n-1 as 0..1; a single pixel sits in the middle.
inline double Fraction(int i, int n)
{
	return n > 1 ? double(i) / (n - 1) : 0.5;
}

inline DWORD ToDibPixel(COLORREF color)
{
	return (DWORD(GetRValue(color)) << 16) | (DWORD(GetGValue(color)) << 8) | GetBValue(color);
}

} // namespace

/////////////////////////////////////////////////////////////////////////////
// ShadeProps

ShadeProps::ShadeProps()
	: m_nBlend(30)
	, m_nContrast(50)
	, m_crColor(::GetSysColor(COLOR_BTNFACE))
	, m_nShading(ShadeNone)
{
}

ShadeProps::ShadeProps(unsigned int shading, COLORREF color, unsigned char blend, unsigned char contrast)
	: m_nBlend(blend)
	, m_nContrast(contrast)
	, m_crColor(color)
	, m_nShading(shading)
{
}

/////////////////////////////////////////////////////////////////////////////
// Shade

Shade::Shade()
	: m_bActive(false)
	, m_nWidth(0)
	, m_nHeight(0)
	, m_pLevels(nullptr)
	, m_hBitmap(nullptr)
	, m_pBits(nullptr)
{
	for (COLORREF& entry : m_palette)
		entry = m_props.m_crColor;
}

Shade::~Shade()
{
	FreePicture();
	delete[] m_pLevels;
}

bool Shade::SetShadeProps(const ShadeProps& props)
{
	bool kindChanged = props.m_nShading != m_props.m_nShading || !m_bActive;
	m_props = props;
	m_bActive = props.m_nShading != ShadeProps::ShadeNone && props.m_nShading < ShadeProps::ShadeKindCount;
	if (!m_bActive)
	{
		FreePicture();
		return false;
	}

	double contrast = std::min<int>(props.m_nContrast, 100) / 100.0;
	for (int i = 0; i < 256; ++i)
		m_palette[i] = GraphicsUtils::AdjustColor(props.m_crColor, (i - 128) / 128.0 * contrast);

	if (m_nWidth > 0 && m_nHeight > 0)
	{
		if (kindChanged || m_pLevels == nullptr)
			BuildLevels();
		BuildPicture();
	}
	return true;
}

bool Shade::SetSize(int width, int height)
{
	if (width < 1 || height < 1 || width > kMaxSide || height > kMaxSide)
	{
		FreePicture();
		delete[] m_pLevels;
		m_pLevels = nullptr;
		m_nWidth = m_nHeight = 0;
		return false;
	}
	if (width == m_nWidth && height == m_nHeight && (m_hBitmap != nullptr || !m_bActive))
		return true;

	m_nWidth = width;
	m_nHeight = height;
	delete[] m_pLevels;
	m_pLevels = nullptr;
	FreePicture();
	if (m_bActive)
	{
		BuildLevels();
		BuildPicture();
	}
	return true;
}

void Shade::BlendPalette(COLORREF color, int amount)
{
	if (amount <= 0)
		return;
	if (amount > 100)
		amount = 100;
	for (COLORREF& entry : m_palette)
	{
		entry = RGB((GetRValue(entry) * (100 - amount) + GetRValue(color) * amount) / 100,
			(GetGValue(entry) * (100 - amount) + GetGValue(color) * amount) / 100,
			(GetBValue(entry) * (100 - amount) + GetBValue(color) * amount) / 100);
	}
	if (m_hBitmap != nullptr)
		BuildPicture();
}

bool Shade::Draw(HDC hdc, int x, int y) const
{
	if (hdc == nullptr || m_hBitmap == nullptr)
		return false;
	HDC hdcFace = ::CreateCompatibleDC(hdc);
	if (hdcFace == nullptr)
		return false;
	HGDIOBJ hOld = ::SelectObject(hdcFace, m_hBitmap);
	BOOL drawn = ::BitBlt(hdc, x, y, m_nWidth, m_nHeight, hdcFace, 0, 0, SRCCOPY);
	::SelectObject(hdcFace, hOld);
	::DeleteDC(hdcFace);
	return drawn != FALSE;
}

void Shade::BuildLevels()
{
	const int w = m_nWidth, h = m_nHeight;
	delete[] m_pLevels;
	m_pLevels = new (std::nothrow) unsigned char[size_t(w) * h];
	if (m_pLevels == nullptr)
		return;

	Grain grain(0x5EED0000u + m_props.m_nShading);
	// Pillow rim: a quarter of the shorter side, at least two pixels.
	const double rim = std::max(2, std::min(w, h) / 4);
	std::vector<int> streaks;
	if (m_props.m_nShading == ShadeProps::ShadeMetal)
	{
		streaks.resize(h);
		for (int& s : streaks)
			s = grain.Next(10);
	}

	unsigned char* level = m_pLevels;
	for (int y = 0; y < h; ++y)
	{
		const double fy = Fraction(y, h);
		for (int x = 0; x < w; ++x, ++level)
		{
			const double fx = Fraction(x, w);
			double value = 128.0;
			switch (m_props.m_nShading)
			{
			case ShadeProps::ShadeVertical:
				value = 255.0 * (1.0 - fy);
				break;
			case ShadeProps::ShadeHorizontal:
				value = 255.0 * (1.0 - fx);
				break;
			case ShadeProps::ShadeDiagonal:
				value = 255.0 * (1.0 - (fx + fy) / 2.0);
				break;
			case ShadeProps::ShadeMetal:
			{
				// a soft sheen just above the middle over a slow fall to the
				// bottom, brushed along each row
				double band = (fy - 0.35) / 0.18;
				value = 150.0 - 70.0 * fy + 95.0 * std::exp(-band * band) + streaks[y] + grain.Next(3);
				break;
			}
			case ShadeProps::ShadePillow:
			{
				double light = std::max(0.0, 1.0 - std::min(x, y) / rim);
				double dark = std::max(0.0, 1.0 - std::min(w - 1 - x, h - 1 - y) / rim);
				value = 128.0 + 120.0 * (light - dark);
				break;
			}
			case ShadeProps::ShadeNoise:
				value = 128.0 + grain.Next(28);
				break;
			}
			*level = ClampLevel(value);
		}
	}
}

void Shade::BuildPicture()
{
	if (m_pLevels == nullptr)
		return;
	if (m_hBitmap == nullptr)
	{
		void* bits = nullptr;
		m_hBitmap = qtxgraphics::CreateTopDownDib(m_nWidth, m_nHeight, &bits);
		if (m_hBitmap == nullptr)
			return;
		m_pBits = static_cast<DWORD*>(bits);
	}
	DWORD table[256];
	for (int i = 0; i < 256; ++i)
		table[i] = ToDibPixel(m_palette[i]);
	// GDI may still be drawing from the section; let it finish first
	::GdiFlush();
	const size_t count = size_t(m_nWidth) * m_nHeight;
	for (size_t i = 0; i < count; ++i)
		m_pBits[i] = table[m_pLevels[i]];
}

void Shade::FreePicture()
{
	if (m_hBitmap != nullptr)
		::DeleteObject(m_hBitmap);
	m_hBitmap = nullptr;
	m_pBits = nullptr;
}
