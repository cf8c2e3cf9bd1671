// GraphicsUtils.cpp - fonts, colours, fitted sizes and saving the clipboard's image.
//
// Classes in this file:
//   ClipboardPicture

#include "GraphicsInternal.h"

#include <climits>
#include <cmath>
#include <vector>

namespace qtxgraphics
{

bool IsGdiplusRunning()
{
	// Every flat call answers GdiplusNotInitialized before GdiplusStartup;
	// a one-pixel bitmap is the cheapest call that allocates nothing lasting.
	Gdiplus::GpBitmap* bitmap = nullptr;
	Gdiplus::Status status =
		Gdiplus::DllExports::GdipCreateBitmapFromScan0(1, 1, 0, PixelFormat32bppARGB, nullptr, &bitmap);
	if (bitmap != nullptr)
		Gdiplus::DllExports::GdipDisposeImage(bitmap);
	return status == Gdiplus::Ok;
}

HBITMAP CreateTopDownDib(int width, int height, void** pBits)
{
	BITMAPINFO bmi = {};
	bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
	bmi.bmiHeader.biWidth = width;
	bmi.bmiHeader.biHeight = -height;
	bmi.bmiHeader.biPlanes = 1;
	bmi.bmiHeader.biBitCount = 32;
	bmi.bmiHeader.biCompression = BI_RGB;
	return ::CreateDIBSection(nullptr, &bmi, DIB_RGB_COLORS, pBits, nullptr, 0);
}

} // namespace qtxgraphics

using namespace qtxgraphics;

namespace
{

// The clipboard's picture as 32-bit top-down pixels.
struct ClipboardPicture
{
	int width = 0;
	int height = 0;
	std::vector<DWORD> pixels;
};

// Largest picture taken from the clipboard: 16384 x 16384.
const int kMaxSide = 16384;

// Renders a packed DIB (as CF_DIB holds it) into picture; GDI converts every
// uncompressed, bit-field and run-length format. False when the block is
// malformed or shorter than its header says.
bool ReadPackedDib(const BYTE* data, SIZE_T size, ClipboardPicture& picture)
{
	if (size < sizeof(BITMAPINFOHEADER))
		return false;
	const BITMAPINFOHEADER* header = reinterpret_cast<const BITMAPINFOHEADER*>(data);
	if (header->biSize < sizeof(BITMAPINFOHEADER) || header->biSize > size)
		return false;
	LONG width = header->biWidth;
	// The most negative height has no positive counterpart.
	if (header->biHeight == LONG_MIN)
		return false;
	LONG height = header->biHeight < 0 ? -header->biHeight : header->biHeight;
	if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide || header->biPlanes != 1)
		return false;

	WORD bits = header->biBitCount;
	SIZE_T colors = 0;
	if (bits <= 8)
	{
		if (bits != 1 && bits != 4 && bits != 8)
			return false;
		colors = header->biClrUsed != 0 ? header->biClrUsed : (SIZE_T(1) << bits);
		if (colors > 256)
			return false;
	}
	else if (bits != 16 && bits != 24 && bits != 32)
	{
		return false;
	}
	// Above 8 bits a colour table is optional, but when the header counts
	// one it stands between the header and the pixels.
	if (bits > 8)
		colors = header->biClrUsed;
	if (colors > 256)
		return false;
	SIZE_T offset = header->biSize + colors * sizeof(RGBQUAD);
	if (header->biCompression == BI_BITFIELDS && header->biSize == sizeof(BITMAPINFOHEADER))
		offset += 3 * sizeof(DWORD);

	SIZE_T needed;
	switch (header->biCompression)
	{
	case BI_RGB:
	case BI_BITFIELDS:
		needed = SIZE_T(((width * bits + 31) / 32) * 4) * SIZE_T(height);
		break;
	case BI_RLE8:
	case BI_RLE4:
		needed = header->biSizeImage;
		if (needed == 0 || header->biHeight < 0)
			return false;
		break;
	default:
		return false;
	}
	if (offset > size || needed > size - offset)
		return false;

	void* canvasBits = nullptr;
	HBITMAP canvas = CreateTopDownDib(width, height, &canvasBits);
	if (canvas == nullptr)
		return false;
	HDC hdc = ::CreateCompatibleDC(nullptr);
	bool done = false;
	if (hdc != nullptr)
	{
		HGDIOBJ old = ::SelectObject(hdc, canvas);
		done = ::StretchDIBits(hdc, 0, 0, width, height, 0, 0, width, height, data + offset,
				   reinterpret_cast<const BITMAPINFO*>(data), DIB_RGB_COLORS, SRCCOPY) != 0;
		::GdiFlush();
		if (done)
		{
			picture.width = width;
			picture.height = height;
			const DWORD* from = static_cast<const DWORD*>(canvasBits);
			// A very large picture may not fit twice in memory; nothing may
			// leave the library, and the DC and bitmap must still go.
			try
			{
				picture.pixels.assign(from, from + SIZE_T(width) * height);
			}
			catch (...)
			{
				done = false;
			}
		}
		::SelectObject(hdc, old);
		::DeleteDC(hdc);
	}
	::DeleteObject(canvas);
	return done;
}

// Another program may hold the clipboard for a moment; try for about 200 ms.
bool OpenClipboardPatiently()
{
	for (int attempt = 0; attempt < 10; ++attempt)
	{
		if (::OpenClipboard(nullptr))
			return true;
		::Sleep(20);
	}
	return false;
}

const wchar_t* MimeTypeOf(const CString& path)
{
	// The support library knows where the name begins in multi-byte text.
	const CString ext = FileUtils::GetFileExt(path);
	if (ext.CompareNoCase("png") == 0)
		return L"image/png";
	if (ext.CompareNoCase("bmp") == 0)
		return L"image/bmp";
	if (ext.CompareNoCase("jpg") == 0 || ext.CompareNoCase("jpeg") == 0)
		return L"image/jpeg";
	return nullptr;
}

int ScaleRounded(int value, double scale)
{
	return static_cast<int>(std::floor(value * scale + 0.5));
}

} // namespace

/////////////////////////////////////////////////////////////////////////////
// GraphicsUtils

void GraphicsUtils::SetDefaultFont(LOGFONTA& lf, const CString& face, int size, int weight, bool italic,
	bool underline, bool strikeOut)
{
	::ZeroMemory(&lf, sizeof(lf));
	NONCLIENTMETRICSA ncm = {};
	ncm.cbSize = sizeof(ncm);
	if (::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(ncm), &ncm, 0))
		lf = ncm.lfMessageFont;
	if (lf.lfFaceName[0] == '\0')
		::GetObjectA(::GetStockObject(DEFAULT_GUI_FONT), sizeof(lf), &lf);
	if (lf.lfFaceName[0] == '\0')
		::lstrcpynA(lf.lfFaceName, "MS Shell Dlg", LF_FACESIZE);
	if (lf.lfHeight == 0)
		lf.lfHeight = -11;

	if (!face.IsEmpty())
		::lstrcpynA(lf.lfFaceName, face, LF_FACESIZE);
	if (size >= 1)
		lf.lfHeight = -size;
	lf.lfWidth = 0;
	lf.lfEscapement = 0;
	lf.lfOrientation = 0;
	lf.lfWeight = (weight >= 1 && weight <= 1000) ? weight : FW_NORMAL;
	lf.lfItalic = italic ? TRUE : FALSE;
	lf.lfUnderline = underline ? TRUE : FALSE;
	lf.lfStrikeOut = strikeOut ? TRUE : FALSE;
}

int GraphicsUtils::GetTextHeight(CWnd& wnd, const LOGFONTA& lf)
{
	if (!::IsWindow(wnd.GetSafeHwnd()))
		return 0;
	CFont font;
	if (!font.CreateFontIndirect(&lf))
		return 0;
	CClientDC dc(&wnd);
	if (dc.GetSafeHdc() == nullptr)
		return 0;
	CFont* pOldFont = dc.SelectObject(&font);
	TEXTMETRICA tm = {};
	BOOL measured = dc.GetTextMetrics(&tm);
	dc.SelectObject(pOldFont);
	return measured ? tm.tmHeight : 0;
}

COLORREF GraphicsUtils::AdjustColor(COLORREF color, double factor)
{
	if (!(factor >= -1.0)) // also catches NaN
		factor = factor > 0.0 ? 1.0 : -1.0;
	if (factor > 1.0)
		factor = 1.0;
	int channel[3] = { GetRValue(color), GetGValue(color), GetBValue(color) };
	for (int& c : channel)
	{
		double target = factor < 0.0 ? 0.0 : 255.0;
		double value = c + (target - c) * std::fabs(factor);
		c = static_cast<int>(std::floor(value + 0.5));
		if (c < 0)
			c = 0;
		if (c > 255)
			c = 255;
	}
	return RGB(channel[0], channel[1], channel[2]);
}

bool GraphicsUtils::CalculateScaledDims(int width, int height, int maxWidth, int maxHeight, int& newWidth,
	int& newHeight, bool allowEnlarge)
{
	newWidth = 0;
	newHeight = 0;
	if (width <= 0 || height <= 0 || maxWidth <= 0 || maxHeight <= 0)
		return false;
	if (width <= maxWidth && height <= maxHeight && !allowEnlarge)
	{
		newWidth = width;
		newHeight = height;
		return true;
	}
	double scaleX = double(maxWidth) / width;
	double scaleY = double(maxHeight) / height;
	// The tighter side decides; it lands exactly on its limit, the other is
	// rounded and kept at least one pixel.
	if (scaleX <= scaleY)
	{
		newWidth = maxWidth;
		newHeight = std::max(1, std::min(maxHeight, ScaleRounded(height, scaleX)));
	}
	else
	{
		newHeight = maxHeight;
		newWidth = std::max(1, std::min(maxWidth, ScaleRounded(width, scaleY)));
	}
	return true;
}

bool GraphicsUtils::GetEncoderClsid(const wchar_t* mimeType, CLSID& clsid)
{
	if (mimeType == nullptr)
		return false;
	UINT count = 0, size = 0;
	if (Gdiplus::GetImageEncodersSize(&count, &size) != Gdiplus::Ok || size == 0)
		return false;
	std::vector<BYTE> buffer(size);
	Gdiplus::ImageCodecInfo* codecs = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
	if (Gdiplus::GetImageEncoders(count, size, codecs) != Gdiplus::Ok)
		return false;
	for (UINT i = 0; i < count; ++i)
	{
		if (codecs[i].MimeType != nullptr && ::lstrcmpiW(codecs[i].MimeType, mimeType) == 0)
		{
			clsid = codecs[i].Clsid;
			return true;
		}
	}
	return false;
}

CString GraphicsUtils::SaveClipboardImageAs(const CString& path)
{
	if (path.IsEmpty())
		return CString("No file name was given for the clipboard image.");
	const wchar_t* mimeType = MimeTypeOf(path);
	if (mimeType == nullptr)
		return CString("Unsupported image file type (use .png, .bmp, .jpg or .jpeg): ") + path;
	if (!IsGdiplusRunning())
		return CString("GDI+ has not been started.");
	CLSID encoder;
	if (!GetEncoderClsid(mimeType, encoder))
		return CString("No GDI+ encoder is available for this file type: ") + path;

	if (!OpenClipboardPatiently())
		return CString("The clipboard could not be opened.");
	// The system turns a CF_BITMAP into CF_DIB on request, so one reader
	// serves both.
	ClipboardPicture picture;
	bool haveImage = ::IsClipboardFormatAvailable(CF_DIB) != FALSE;
	bool readable = false;
	if (haveImage)
	{
		HGLOBAL hData = ::GetClipboardData(CF_DIB);
		const BYTE* data = hData != nullptr ? static_cast<const BYTE*>(::GlobalLock(hData)) : nullptr;
		if (data != nullptr)
		{
			readable = ReadPackedDib(data, ::GlobalSize(hData), picture);
			::GlobalUnlock(hData);
		}
	}
	::CloseClipboard();
	if (!haveImage)
		return CString("The clipboard holds no image.");
	if (!readable)
		return CString("The clipboard's image could not be read.");

	Gdiplus::Bitmap bitmap(picture.width, picture.height, picture.width * 4, PixelFormat32bppRGB,
		reinterpret_cast<BYTE*>(picture.pixels.data()));
	if (bitmap.GetLastStatus() != Gdiplus::Ok)
		return CString("The clipboard's image could not be converted.");
	const std::wstring widePath = StringUtils::ToWide(path);
	if (bitmap.Save(widePath.c_str(), &encoder, nullptr) != Gdiplus::Ok)
		return CString("The image could not be written to ") + path;
	return CString();
}
