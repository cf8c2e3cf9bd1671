// ImageWrapperTest.cpp - ImageWrapper: every format from real files, never held open, fitted drawing.

#include "GraphicsTestUtil.h"

namespace
{

const COLORREF kImage = RGB(200, 30, 30);
const COLORREF kWhite = RGB(255, 255, 255);

// Writes a solid cx x cy image with GDI+ in the format of mime; returns its path.
std::string WriteImage(const kt::TempDir& dir, const std::string& name, const wchar_t* mime, int cx, int cy)
{
	const Gdiplus::Color color(GetRValue(kImage), GetGValue(kImage), GetBValue(kImage));
	// Some GIF encoders take only palette images; an indexed one suits them all.
	const bool indexed = ::lstrcmpiW(mime, L"image/gif") == 0;
	Gdiplus::Bitmap bitmap(cx, cy, indexed ? PixelFormat8bppIndexed : PixelFormat32bppRGB);
	struct
	{
		UINT flags, count;
		Gdiplus::ARGB entries[1];
	} palette = { 0, 1, { color.GetValue() } };
	Gdiplus::SolidBrush brush(color);
	if (indexed)
		bitmap.SetPalette(reinterpret_cast<Gdiplus::ColorPalette*>(&palette));
	else
		Gdiplus::Graphics(&bitmap).FillRectangle(&brush, 0, 0, cx, cy);
	const std::string path = dir.Path() + name;
	CLSID clsid;
	EXPECT_TRUE(GraphicsUtils::GetEncoderClsid(mime, clsid) &&
				bitmap.Save(StringUtils::ToWide(path.c_str()).c_str(), &clsid, nullptr) == Gdiplus::Ok)
		<< "not written: " << name;
	return path;
}

int FilesIn(const std::string& dir)
{
	WIN32_FIND_DATAA data;
	HANDLE find = ::FindFirstFileA((dir + "*").c_str(), &data);
	int files = 0;
	for (BOOL more = find != INVALID_HANDLE_VALUE; more; more = ::FindNextFileA(find, &data))
		files += (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
	::FindClose(find);
	return files;
}

} // namespace

TEST(ImageWrapper, LoadsEveryFormatAndClearsOnBadFiles)
{
	kt::TempDir dir;
	const std::pair<const char*, const wchar_t*> files[] = { { "a.bmp", L"image/bmp" },
		{ "b.PNG", L"image/png" }, { "c.jpg", L"image/jpeg" }, { "d.jpeg", L"image/jpeg" },
		{ "e.gif", L"image/gif" }, { "f.tif", L"image/tiff" } };
	ImageWrapper image;
	int cx = 31;
	for (const auto& file : files)
	{
		EXPECT_TRUE(image.SetImageFile(WriteImage(dir, file.first, file.second, cx, 17).c_str(), false));
		EXPECT_TRUE(image.GetWidth() == cx++ && image.GetHeight() == 17) << file.first;
	}
	EXPECT_TRUE(image.SetImageFile("", false));
	EXPECT_EQ(0, image.GetWidth());

	std::string good = WriteImage(dir, "good.png", L"image/png", 10, 10);
	std::string corrupt = dir.MakeFile("corrupt.png", "this is not a picture");
	std::string text = WriteImage(dir, "picture.txt", L"image/png", 10, 10);
	for (const std::string& bad : { corrupt, text, dir.Path() + "missing.png", dir.Path() + "noext" })
	{
		ASSERT_TRUE(image.SetImageFile(good.c_str(), false));
		EXPECT_FALSE(image.SetImageFile(bad.c_str(), false)) << bad;
		EXPECT_TRUE(image.GetWidth() == 0 && image.GetImageFile().IsEmpty()) << bad;
	}
	Gdiplus::Bitmap canvas(20, 20, PixelFormat32bppRGB);
	Gdiplus::Graphics g(&canvas);
	EXPECT_FALSE(image.DrawImage(g, Gdiplus::RectF(0, 0, 20, 20)));
}

TEST(ImageWrapper, FileIsNeverHeldOpenAndReloadedOnlyWhenAsked)
{
	kt::TempDir dir;
	std::string path = WriteImage(dir, "photo.png", L"image/png", 30, 20);
	ImageWrapper image;
	ASSERT_TRUE(image.SetImageFile(path.c_str(), false));
	ASSERT_TRUE(::DeleteFileA(path.c_str())) << "read into memory";
	WriteImage(dir, "photo.png", L"image/png", 50, 40);
	CString otherCase(path.c_str());
	EXPECT_TRUE(image.SetImageFile(otherCase.MakeUpper(), false));
	EXPECT_EQ(30, image.GetWidth()) << "the same file is not read again";
	EXPECT_TRUE(image.SetImageFile(path.c_str(), true));
	EXPECT_EQ(50, image.GetWidth());

	// With a temporary folder the image is decoded from a private copy there.
	std::string temp = dir.MakeDir("temp");
	{
		ImageWrapper copied;
		copied.SetTempDir(temp.c_str());
		path = WriteImage(dir, "photo.gif", L"image/gif", 12, 12);
		ASSERT_TRUE(copied.SetImageFile(path.c_str(), false));
		EXPECT_EQ(1, FilesIn(temp));
		EXPECT_TRUE(::DeleteFileA(path.c_str())) << "the original is free";
		EXPECT_EQ(12, copied.GetWidth());
		ASSERT_TRUE(copied.SetImageFile(WriteImage(dir, "next.bmp", L"image/bmp", 8, 8).c_str(), false));
		EXPECT_EQ(1, FilesIn(temp)) << "the previous copy is gone";
	}
	EXPECT_EQ(0, FilesIn(temp));
	// A temporary folder that does not exist falls back to reading into memory.
	image.SetTempDir((dir.Path() + "nowhere\\").c_str());
	EXPECT_TRUE(image.SetImageFile((dir.Path() + "next.bmp").c_str(), false));
	EXPECT_EQ(8, image.GetWidth());
}

TEST(ImageWrapper, DrawsFittedAndPlacedByLayout)
{
	// The image's extent in the picture: natural size top-left, centred,
	// enlarged to the field's height (133 x 100) and centred across, and a
	// large image shrunk into a small rectangle at its offset (80 x 60).
	const struct
	{
		int cx, cy;
		unsigned int layout;
		Gdiplus::RectF field;
		RECT extent;
	} layouts[] = { { 40, 30, 0, { 0, 0, 200, 100 }, { 0, 0, 40, 30 } },
		{ 40, 30, ImageWrapper::LayoutHCenter | ImageWrapper::LayoutVCenter, { 0, 0, 200, 100 },
			{ 80, 35, 120, 65 } },
		{ 40, 30, ImageWrapper::LayoutEnlarge | ImageWrapper::LayoutHCenter, { 0, 0, 200, 100 },
			{ 33, 0, 167, 100 } },
		{ 400, 300, 0, { 10, 10, 80, 80 }, { 10, 10, 90, 70 } } };
	kt::TempDir dir;
	ImageWrapper image;
	for (const auto& l : layouts)
	{
		const std::string name = std::to_string(l.cx) + ".bmp";
		ASSERT_TRUE(image.SetImageFile(WriteImage(dir, name, L"image/bmp", l.cx, l.cy).c_str(), false));
		image.m_nLayout = l.layout;
		kt::Snapshot shot = kt::Snapshot::Draw(200, 100, kWhite,
			[&](HDC hdc)
			{
				Gdiplus::Graphics g(hdc);
				EXPECT_TRUE(image.DrawImage(g, l.field));
				EXPECT_FALSE(image.DrawImage(g, Gdiplus::RectF(0, 0, 0, 50)));
			});
		// Scaled edges may blend by a pixel.
		const RECT drawn = shot.Bounds(kWhite);
		EXPECT_TRUE(std::abs(drawn.left - l.extent.left) <= 1 &&
					std::abs(drawn.right - l.extent.right) <= 1 && drawn.top == l.extent.top &&
					drawn.bottom == l.extent.bottom)
			<< l.layout << ": " << drawn.left << "," << drawn.top << "," << drawn.right << ","
			<< drawn.bottom;
		EXPECT_TRUE(Near(kImage, shot.At((l.extent.left + l.extent.right) / 2, l.extent.top + 5), 4));
	}
}
