// ImageWrapper.cpp - one image file decoded by GDI+ and drawn fitted into a rectangle.

#include "GraphicsInternal.h"

namespace
{

// Files above this size are not read into memory.
const DWORD kMaxFileBytes = 256u * 1024u * 1024u;

// Reads a whole file into a stream over movable global memory, without
// keeping the file open or refusing others access to it.
IStream* ReadFileStream(const CString& path)
{
	HANDLE hFile = ::CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
		nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
	if (hFile == INVALID_HANDLE_VALUE)
		return nullptr;
	IStream* stream = nullptr;
	LARGE_INTEGER size = {};
	if (::GetFileSizeEx(hFile, &size) && size.QuadPart > 0 && size.QuadPart <= kMaxFileBytes)
	{
		const DWORD bytes = static_cast<DWORD>(size.QuadPart);
		HGLOBAL hData = ::GlobalAlloc(GMEM_MOVEABLE, bytes);
		void* data = hData != nullptr ? ::GlobalLock(hData) : nullptr;
		DWORD read = 0;
		bool complete = data != nullptr && ::ReadFile(hFile, data, bytes, &read, nullptr) && read == bytes;
		if (data != nullptr)
			::GlobalUnlock(hData);
		// The stream takes the memory over, also when it is dropped below.
		if (complete && SUCCEEDED(::CreateStreamOnHGlobal(hData, TRUE, &stream)))
			hData = nullptr;
		if (hData != nullptr)
			::GlobalFree(hData);
	}
	::CloseHandle(hFile);
	return stream;
}

// Copies path to a new file in dir; empty when that fails.
CString CopyToFolder(const CString& path, const CString& dir)
{
	char copy[MAX_PATH] = {};
	if (dir.IsEmpty() || ::GetTempFileNameA(dir, "img", 0, copy) == 0)
		return CString();
	if (!::CopyFileA(path, copy, FALSE))
	{
		::DeleteFileA(copy);
		return CString();
	}
	return CString(copy);
}

bool IsDecoded(Gdiplus::Bitmap* bitmap)
{
	return bitmap != nullptr && bitmap->GetLastStatus() == Gdiplus::Ok && bitmap->GetWidth() > 0 &&
		   bitmap->GetHeight() > 0;
}

} // namespace

ImageWrapper::ImageWrapper()
	: m_nLayout(0)
	, m_pBitmap(nullptr)
	, m_pStream(nullptr)
{
}

ImageWrapper::~ImageWrapper()
{
	Clear();
}

int ImageWrapper::GetWidth() const
{
	return m_pBitmap != nullptr ? static_cast<int>(m_pBitmap->GetWidth()) : 0;
}

int ImageWrapper::GetHeight() const
{
	return m_pBitmap != nullptr ? static_cast<int>(m_pBitmap->GetHeight()) : 0;
}

void ImageWrapper::SetTempDir(const CString& dir)
{
	m_strTempDir = dir;
}

bool ImageWrapper::SetImageFile(const CString& path, bool reload)
{
	if (m_pBitmap != nullptr && !reload && path.CompareNoCase(m_strFile) == 0)
		return true;
	Clear();
	if (path.IsEmpty())
		return true;

	int dot = path.ReverseFind('.');
	if (dot < 0 || !IsSupportedExt(path.Mid(dot)) || !qtxgraphics::IsGdiplusRunning())
		return false;

	// Decode from a private copy when there is a folder for it, otherwise
	// from memory; GDI+ keeps its source open while the image lives.
	CString copy = CopyToFolder(path, m_strTempDir);
	if (!copy.IsEmpty())
	{
		m_strTempCopy = copy;
		std::wstring wideCopy = StringUtils::ToWide(copy);
		m_pBitmap = Gdiplus::Bitmap::FromFile(wideCopy.c_str());
	}
	else
	{
		m_pStream = ReadFileStream(path);
		if (m_pStream != nullptr)
			m_pBitmap = Gdiplus::Bitmap::FromStream(m_pStream);
	}
	if (!IsDecoded(m_pBitmap))
	{
		Clear();
		return false;
	}
	m_strFile = path;
	return true;
}

bool ImageWrapper::DrawImage(Gdiplus::Graphics& graphics, const Gdiplus::RectF& rect)
{
	if (m_pBitmap == nullptr || !(rect.Width > 0.0f) || !(rect.Height > 0.0f))
		return false;
	const float width = static_cast<float>(GetWidth());
	const float height = static_cast<float>(GetHeight());
	float scale = std::min(rect.Width / width, rect.Height / height);
	if (scale > 1.0f && (m_nLayout & LayoutEnlarge) == 0)
		scale = 1.0f;
	Gdiplus::RectF target(rect.X, rect.Y, width * scale, height * scale);
	if (m_nLayout & LayoutHCenter)
		target.X += (rect.Width - target.Width) / 2.0f;
	if (m_nLayout & LayoutVCenter)
		target.Y += (rect.Height - target.Height) / 2.0f;
	return graphics.DrawImage(m_pBitmap, target) == Gdiplus::Ok;
}

bool ImageWrapper::IsSupportedExt(const CString& ext)
{
	CString name = ext;
	if (!name.IsEmpty() && name[0] == '.')
		name = name.Mid(1);
	static const char* const supported[] = { "bmp", "dib", "png", "jpg", "jpeg", "jpe", "gif", "tif",
		"tiff" };
	for (const char* candidate : supported)
	{
		if (name.CompareNoCase(candidate) == 0)
			return true;
	}
	return false;
}

void ImageWrapper::Clear()
{
	delete m_pBitmap;
	m_pBitmap = nullptr;
	if (m_pStream != nullptr)
		m_pStream->Release();
	m_pStream = nullptr;
	if (!m_strTempCopy.IsEmpty())
		::DeleteFileA(m_strTempCopy);
	m_strTempCopy.Empty();
	m_strFile.Empty();
}
