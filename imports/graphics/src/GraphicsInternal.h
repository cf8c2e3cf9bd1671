// GraphicsInternal.h - private helpers shared by the graphics library's sources.
#pragma once

#include <qtx/Graphics.h>

#include <string>

namespace qtxgraphics
{

// A wide copy of an ANSI string (the process code page).
std::wstring Widen(const CString& text);

// True when the process has started GDI+.
bool IsGdiplusRunning();

// The class id of the GDI+ encoder for a MIME type such as "image/png".
bool FindEncoder(const wchar_t* mimeType, CLSID& clsid);

// A 32-bit top-down DIB section; pBits receives its pixels.
HBITMAP CreateTopDownDib(int width, int height, void** pBits);

// The module that holds this library's resources.
HINSTANCE GetModule();

} // namespace qtxgraphics
