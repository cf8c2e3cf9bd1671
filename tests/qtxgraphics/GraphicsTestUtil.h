// GraphicsTestUtil.h - colour comparisons shared by the graphics library's tests.
#pragma once

#include <qtx/Graphics.h>
#include <qtx/Support.h>

#include <kavrotest/TestSupport.h>

#include <cstdlib>

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
