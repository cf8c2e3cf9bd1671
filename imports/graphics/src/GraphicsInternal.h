// GraphicsInternal.h - private helpers shared by the graphics library's sources.
#pragma once

#include <qtx/Graphics.h>
#include <qtx/Support.h>

#include <string>

namespace qtxgraphics
{

// True when the process has started GDI+.
bool IsGdiplusRunning();

// A 32-bit top-down DIB section; pBits receives its pixels.
HBITMAP CreateTopDownDib(int width, int height, void** pBits);

// The module that holds this library's resources.
HINSTANCE GetModule();

} // namespace qtxgraphics
