// ImageWrapper: loading each format, reloading, never locking the file, and fitted drawing.

#include "Surface.h"

#include <kavrotest/TestSupport.h>

#include <memory>

namespace {

const COLORREF kImage = RGB(200, 30, 30);

// Writes a solid image of the given size with GDI+ in the format of mime.
std::string WriteImage(const kt::TempDir& dir, const std::string& name, const wchar_t* mime, int cx,
	int cy)
{
	std::string path = dir.Path() + name;
	const Gdiplus::Color color(GetRValue(kImage), GetGValue(kImage), GetBValue(kImage));
	// Some GIF encoders take only palette images; an indexed one suits them all.
	const bool indexed = ::lstrcmpiW(mime, L"image/gif") == 0;
	Gdiplus::Bitmap bitmap(cx, cy, indexed ? PixelFormat8bppIndexed : PixelFormat32bppRGB);
	if (indexed)
	{
		struct { UINT flags, count; Gdiplus::ARGB entries[1]; } palette = { 0, 1, { color.GetValue() } };
		bitmap.SetPalette(reinterpret_cast<Gdiplus::ColorPalette*>(&palette));
		Gdiplus::BitmapData data;
		Gdiplus::Rect all(0, 0, cx, cy);
		bitmap.LockBits(&all, Gdiplus::ImageLockModeWrite, PixelFormat8bppIndexed, &data);
		for (int y = 0; y < cy; ++y)
			::memset(static_cast<BYTE*>(data.Scan0) + y * data.Stride, 0, cx);
		bitmap.UnlockBits(&data);
	}
	else
	{
		Gdiplus::Graphics g(&bitmap);
		Gdiplus::SolidBrush brush(color);
		g.FillRectangle(&brush, 0, 0, cx, cy);
	}
	UINT count = 0, size = 0;
	Gdiplus::GetImageEncodersSize(&count, &size);
	std::vector<BYTE> buffer(size);
	auto* codecs = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
	Gdiplus::GetImageEncoders(count, size, codecs);
	for (UINT i = 0; i < count; ++i)
	{
		if (::lstrcmpiW(codecs[i].MimeType, mime) == 0)
		{
			std::wstring wide(path.begin(), path.end());
			EXPECT_EQ(Gdiplus::Ok, bitmap.Save(wide.c_str(), &codecs[i].Clsid, nullptr)) << name;
			return path;
		}
	}
	ADD_FAILURE() << "no encoder for " << name;
	return path;
}

bool Exists(const std::string& path)
{
	return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

int FilesIn(const std::string& dir)
{
	WIN32_FIND_DATAA data;
	HANDLE find = ::FindFirstFileA((dir + "*").c_str(), &data);
	int files = 0;
	if (find != INVALID_HANDLE_VALUE)
	{
		do
			files += (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
		while (::FindNextFileA(find, &data));
		::FindClose(find);
	}
	return files;
}

}  // namespace

TEST(ImageWrapper, LoadsEveryFormatAndReportsItsSize)
{
	kt::TempDir dir;
	const struct { const char* name; const wchar_t* mime; } files[] = {
		{ "a.bmp", L"image/bmp" }, { "b.PNG", L"image/png" }, { "c.jpg", L"image/jpeg" },
		{ "d.jpeg", L"image/jpeg" }, { "e.gif", L"image/gif" }, { "f.tif", L"image/tiff" },
		{ "g.tiff", L"image/tiff" },
	};
	ImageWrapper image;
	EXPECT_EQ(0u, image.m_nLayout) << "top-left, never enlarged";
	int cx = 31;
	for (const auto& file : files)
	{
		std::string path = WriteImage(dir, file.name, file.mime, cx, 17);
		EXPECT_TRUE(image.SetImageFile(path.c_str(), false)) << file.name;
		EXPECT_EQ(cx, image.GetWidth()) << file.name;
		EXPECT_EQ(17, image.GetHeight()) << file.name;
		EXPECT_EQ(path, std::string(image.GetImageFile()));
		++cx;
	}
	EXPECT_TRUE(image.SetImageFile("", false));
	EXPECT_EQ(0, image.GetWidth());
	EXPECT_EQ(0, image.GetHeight());
	EXPECT_EQ("", std::string(image.GetImageFile()));
}

TEST(ImageWrapper, BadFilesClearTheImage)
{
	kt::TempDir dir;
	std::string good = WriteImage(dir, "good.png", L"image/png", 10, 10);
	std::string corrupt = dir.MakeFile("corrupt.png", "this is not a picture");
	std::string text = WriteImage(dir, "picture.txt", L"image/png", 10, 10);
	ImageWrapper image;
	for (const std::string& bad : { corrupt, text, dir.Path() + "missing.png", dir.Path() + "noext" })
	{
		ASSERT_TRUE(image.SetImageFile(good.c_str(), false));
		EXPECT_FALSE(image.SetImageFile(bad.c_str(), false)) << bad;
		EXPECT_EQ(0, image.GetWidth()) << bad;
		EXPECT_EQ("", std::string(image.GetImageFile())) << bad;
	}
	Gdiplus::Bitmap canvas(20, 20, PixelFormat32bppRGB);
	Gdiplus::Graphics g(&canvas);
	EXPECT_FALSE(image.DrawImage(g, Gdiplus::RectF(0, 0, 20, 20)));
}

TEST(ImageWrapper, SameFileIsReloadedOnlyWhenAsked)
{
	kt::TempDir dir;
	std::string path = WriteImage(dir, "photo.png", L"image/png", 30, 20);
	ImageWrapper image;
	ASSERT_TRUE(image.SetImageFile(path.c_str(), false));

	// Replacing the file proves the wrapper does not hold it open.
	ASSERT_TRUE(::DeleteFileA(path.c_str()));
	WriteImage(dir, "photo.png", L"image/png", 50, 40);

	CString otherCase(path.c_str());
	otherCase.MakeUpper();
	EXPECT_TRUE(image.SetImageFile(otherCase, false));
	EXPECT_EQ(30, image.GetWidth()) << "the same file is not read again";
	EXPECT_TRUE(image.SetImageFile(path.c_str(), true));
	EXPECT_EQ(50, image.GetWidth());
	EXPECT_EQ(40, image.GetHeight());
}

TEST(ImageWrapper, PrivateCopyLivesInTheTempDirWhileShown)
{
	kt::TempDir dir;
	std::string temp = dir.MakeDir("temp");
	std::string path = WriteImage(dir, "photo.gif", L"image/gif", 12, 12);
	{
		ImageWrapper image;
		image.SetTempDir(temp.c_str());
		EXPECT_EQ(temp, std::string(image.GetTempDir()));
		ASSERT_TRUE(image.SetImageFile(path.c_str(), false));
		EXPECT_EQ(1, FilesIn(temp));
		EXPECT_TRUE(::DeleteFileA(path.c_str())) << "the original is free";
		EXPECT_EQ(12, image.GetWidth());

		path = WriteImage(dir, "next.bmp", L"image/bmp", 8, 8);
		ASSERT_TRUE(image.SetImageFile(path.c_str(), false));
		EXPECT_EQ(1, FilesIn(temp)) << "the previous copy is gone";
	}
	EXPECT_EQ(0, FilesIn(temp));
	EXPECT_TRUE(Exists(path));

	// A temporary folder that does not exist falls back to reading into memory.
	ImageWrapper image;
	image.SetTempDir((dir.Path() + "nowhere\\").c_str());
	EXPECT_TRUE(image.SetImageFile(path.c_str(), false));
	EXPECT_EQ(8, image.GetWidth());
}

TEST(ImageWrapper, DrawsFittedAndPlacedByLayout)
{
	kt::TempDir dir;
	ImageWrapper image;
	ASSERT_TRUE(image.SetImageFile(WriteImage(dir, "small.png", L"image/png", 40, 30).c_str(), false));

	auto draw = [&](unsigned int layout, const Gdiplus::RectF& rect) {
		auto surface = std::make_unique<Surface>(200, 100);
		Gdiplus::Graphics g(surface->Dc());
		image.m_nLayout = layout;
		EXPECT_TRUE(image.DrawImage(g, rect));
		return surface;
	};
	const Gdiplus::RectF field(0, 0, 200, 100);

	auto topLeft = draw(0, field);  // natural size, top-left
	EXPECT_TRUE(Near(kImage, topLeft->At(20, 15), 4));
	EXPECT_EQ(RGB(255, 255, 255), topLeft->At(60, 15));
	EXPECT_EQ(RGB(255, 255, 255), topLeft->At(100, 50));

	auto centred = draw(ImageWrapper::LayoutHCenter | ImageWrapper::LayoutVCenter, field);
	EXPECT_TRUE(Near(kImage, centred->At(100, 50), 4));
	EXPECT_EQ(RGB(255, 255, 255), centred->At(20, 15));
	EXPECT_EQ(RGB(255, 255, 255), centred->At(100, 10));

	// enlarged to the field's height: 133 x 100, centred across
	auto enlarged = draw(ImageWrapper::LayoutEnlarge | ImageWrapper::LayoutHCenter, field);
	EXPECT_TRUE(Near(kImage, enlarged->At(100, 95), 4));
	EXPECT_TRUE(Near(kImage, enlarged->At(40, 5), 4));
	EXPECT_EQ(RGB(255, 255, 255), enlarged->At(25, 50));
	EXPECT_EQ(RGB(255, 255, 255), enlarged->At(175, 50));

	// a large image shrinks into a small rectangle at its offset
	ASSERT_TRUE(image.SetImageFile(WriteImage(dir, "large.bmp", L"image/bmp", 400, 300).c_str(), false));
	auto shrunk = draw(0, Gdiplus::RectF(10, 10, 80, 80));
	EXPECT_TRUE(Near(kImage, shrunk->At(85, 65), 4));
	EXPECT_EQ(RGB(255, 255, 255), shrunk->At(50, 75)) << "80 x 60: nothing below";
	EXPECT_EQ(RGB(255, 255, 255), shrunk->At(5, 5));
	Gdiplus::Graphics g(topLeft->Dc());
	EXPECT_FALSE(image.DrawImage(g, Gdiplus::RectF(0, 0, 0, 50)));
}

TEST(ImageWrapper, SupportedExtensions)
{
	for (const char* ext : { "bmp", ".BMP", "png", "jpg", ".JPEG", "jpe", "gif", "tif", ".Tiff", "dib" })
		EXPECT_TRUE(ImageWrapper::IsSupportedExt(ext)) << ext;
	for (const char* ext : { "", ".", "txt", "ico", "bmpx", ".png.", "jp" })
		EXPECT_FALSE(ImageWrapper::IsSupportedExt(ext)) << ext;
}
