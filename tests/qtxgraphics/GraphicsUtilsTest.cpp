// GraphicsUtilsTest.cpp - GraphicsUtils: fonts, colours, fitted sizes, the clipboard's image saved to files.
//
// Classes in this file:
//   ClipboardImage

#include "GraphicsTestUtil.h"

TEST(GraphicsUtils, FontsStartFromTheMessageFont)
{
	NONCLIENTMETRICSA ncm = {};
	ncm.cbSize = sizeof(ncm);
	ASSERT_TRUE(::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(ncm), &ncm, 0));
	LOGFONTA lf;
	::memset(&lf, 0x5A, sizeof(lf)); // garbage must not survive
	GraphicsUtils::SetDefaultFont(lf, "", -1, 5000, false, true, false);
	EXPECT_STREQ(ncm.lfMessageFont.lfFaceName, lf.lfFaceName);
	EXPECT_EQ(ncm.lfMessageFont.lfHeight, lf.lfHeight);
	EXPECT_TRUE(
		lf.lfWeight == FW_NORMAL && lf.lfWidth == 0 && !lf.lfItalic && lf.lfUnderline && !lf.lfStrikeOut);
	kt::HostWindow host;
	const int systemHeight = GraphicsUtils::GetTextHeight(host, lf);
	GraphicsUtils::SetDefaultFont(lf, "Tahoma", 40, 700, true, false, true);
	EXPECT_STREQ("Tahoma", lf.lfFaceName);
	EXPECT_TRUE(
		lf.lfHeight == -40 && lf.lfWeight == FW_BOLD && lf.lfItalic && !lf.lfUnderline && lf.lfStrikeOut);
	// Text heights are measured in the font itself on the window.
	EXPECT_GE(GraphicsUtils::GetTextHeight(host, lf), 40);
	EXPECT_LT(systemHeight, 40);
	CWnd none;
	EXPECT_EQ(0, GraphicsUtils::GetTextHeight(none, lf));

	// A face longer than LOGFONT holds is cut and stays terminated.
	GraphicsUtils::SetDefaultFont(lf, CString('x', 200), -1, -1, false, false, false);
	EXPECT_EQ(size_t(LF_FACESIZE - 1), ::strlen(lf.lfFaceName));
}

TEST(GraphicsUtils, AdjustColorAndScaledDims)
{
	const COLORREF base = RGB(200, 100, 40);
	EXPECT_EQ(RGB(150, 75, 30), GraphicsUtils::AdjustColor(base, -0.25));
	EXPECT_EQ(RGB(214, 139, 94), GraphicsUtils::AdjustColor(base, 0.25));
	EXPECT_EQ(RGB(255, 255, 255), GraphicsUtils::AdjustColor(base, 7.0));
	EXPECT_EQ(RGB(0, 0, 0), GraphicsUtils::AdjustColor(base, -7.0));

	// width, height, limits, enlarge, expected size
	const int cases[][7] = {
		{ 800, 600, 400, 400, 0, 400, 300 },
		{ 600, 800, 400, 400, 0, 300, 400 },
		{ 100, 50, 400, 400, 0, 100, 50 },
		{ 100, 50, 400, 400, 1, 400, 200 },
		{ 10000, 1, 100, 100, 0, 100, 1 },
		{ 1024, 768, 1000, 700, 0, 933, 700 },
	};
	for (const auto& c : cases)
	{
		int w = -1, h = -1;
		EXPECT_TRUE(GraphicsUtils::CalculateScaledDims(c[0], c[1], c[2], c[3], w, h, c[4] != 0));
		EXPECT_TRUE(w == c[5] && h == c[6]) << c[0] << "x" << c[1] << " gave " << w << "x" << h;
	}
	int w = -1, h = -1;
	EXPECT_FALSE(GraphicsUtils::CalculateScaledDims(0, 10, 100, 100, w, h, false));
	EXPECT_TRUE(w == 0 && h == 0);
	EXPECT_FALSE(GraphicsUtils::CalculateScaledDims(10, 10, -5, 100, w, h, true));
}

namespace
{

const int kWidth = 40, kHeight = 20;

COLORREF QuadrantAt(int x, int y)
{
	const COLORREF quadrants[4] = { RGB(255, 0, 0), RGB(0, 160, 0), RGB(0, 0, 255), RGB(255, 255, 0) };
	return quadrants[(y >= kHeight / 2) * 2 + (x >= kWidth / 2)];
}

// A packed 24-bit DIB of four coloured quadrants, bottom-up as DIBs are
// stored; a truncated one promises far more pixels than the block holds.
HGLOBAL QuadrantDib(bool truncated = false)
{
	const int stride = kWidth * 3;
	HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT,
		sizeof(BITMAPINFOHEADER) + (truncated ? 16 : stride * kHeight));
	BYTE* data = static_cast<BYTE*>(::GlobalLock(block));
	*reinterpret_cast<BITMAPINFOHEADER*>(data) = BITMAPINFOHEADER{ sizeof(BITMAPINFOHEADER),
		truncated ? 5000 : kWidth, truncated ? 5000 : kHeight, 1, 24, BI_RGB, 0, 0, 0, 0, 0 };
	for (int y = 0; y < kHeight && !truncated; ++y)
		for (int x = 0; x < kWidth; ++x)
		{
			COLORREF c = QuadrantAt(x, y);
			*reinterpret_cast<RGBTRIPLE*>(data + sizeof(BITMAPINFOHEADER) + (kHeight - 1 - y) * stride +
										  x * 3) = RGBTRIPLE{ GetBValue(c), GetGValue(c), GetRValue(c) };
		}
	::GlobalUnlock(block);
	return block;
}

class ClipboardImage : public ::testing::Test
{
protected:
	virtual void TearDown() override { Put(0, nullptr); }

	// Replaces the clipboard's content by one item (none for format 0).
	void Put(UINT format, HANDLE data)
	{
		ASSERT_TRUE(::OpenClipboard(m_owner.GetSafeHwnd()));
		::EmptyClipboard();
		EXPECT_TRUE(format == 0 || ::SetClipboardData(format, data) != nullptr);
		::CloseClipboard();
	}

	// Saves the clipboard's image, reads the file back and checks the middle of each quadrant.
	void ExpectSaved(const char* name, int tolerance)
	{
		const std::string path = m_dir.Path() + name;
		EXPECT_EQ("", std::string(GraphicsUtils::SaveClipboardImageAs(path.c_str()))) << name;
		Gdiplus::Bitmap saved(StringUtils::ToWide(path.c_str()).c_str());
		ASSERT_EQ(Gdiplus::Ok, saved.GetLastStatus()) << name;
		ASSERT_TRUE(saved.GetWidth() == kWidth && saved.GetHeight() == kHeight) << name;
		for (int x : { kWidth / 4, 3 * kWidth / 4 })
			for (int y : { kHeight / 4, 3 * kHeight / 4 })
			{
				Gdiplus::Color c;
				saved.GetPixel(x, y, &c);
				EXPECT_TRUE(Near(RGB(c.GetR(), c.GetG(), c.GetB()), QuadrantAt(x, y), tolerance)) << name;
			}
	}

	void ExpectRefused(const char* name, const char* why)
	{
		const std::string path = m_dir.Path() + name;
		EXPECT_NE("", std::string(GraphicsUtils::SaveClipboardImageAs(path.c_str()))) << why;
		EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesA(path.c_str())) << why;
	}

	kt::HostWindow m_owner{ 50, 50 };
	kt::TempDir m_dir;
};

} // namespace

TEST_F(ClipboardImage, DibAndBitmapAreSavedInEveryFormat)
{
	Put(CF_DIB, QuadrantDib());
	ExpectSaved("dib.png", 0);

	// A device-dependent bitmap, as screenshots arrive; the system converts it.
	HGLOBAL dib = QuadrantDib();
	BITMAPINFO* info = static_cast<BITMAPINFO*>(::GlobalLock(dib));
	HDC screen = ::GetDC(nullptr);
	HBITMAP bitmap =
		::CreateDIBitmap(screen, &info->bmiHeader, CBM_INIT, info->bmiColors, info, DIB_RGB_COLORS);
	::ReleaseDC(nullptr, screen);
	::GlobalUnlock(dib);
	::GlobalFree(dib);
	Put(CF_BITMAP, bitmap); // the clipboard owns it now
	for (const char* name : { "shot.png", "shot.BMP", "shot.jpg", "shot.jpeg" })
		ExpectSaved(name, strstr(name, ".jp") != nullptr ? 40 : 0);
}

TEST_F(ClipboardImage, FailuresGiveAReasonAndWriteNothing)
{
	Put(0, nullptr);
	ExpectRefused("none.png", "empty clipboard");
	HGLOBAL text = ::GlobalAlloc(GMEM_MOVEABLE, 6);
	::lstrcpyA(static_cast<char*>(::GlobalLock(text)), "hello");
	::GlobalUnlock(text);
	Put(CF_TEXT, text);
	ExpectRefused("none.png", "text only");
	Put(CF_DIB, QuadrantDib(true));
	ExpectRefused("none.png", "malformed DIB");

	Put(CF_DIB, QuadrantDib());
	EXPECT_NE("", std::string(GraphicsUtils::SaveClipboardImageAs("")));
	for (const char* name : { "shot.gif", "shot.txt", "shot", "dir.png\\shot", "missing\\shot.png" })
		ExpectRefused(name, name);

	CLSID png = {}, bmp = {};
	EXPECT_TRUE(GraphicsUtils::GetEncoderClsid(L"IMAGE/PNG", png) &&
				GraphicsUtils::GetEncoderClsid(L"image/bmp", bmp));
	EXPECT_FALSE(IsEqualCLSID(png, bmp));
	EXPECT_FALSE(
		GraphicsUtils::GetEncoderClsid(L"image/none", png) || GraphicsUtils::GetEncoderClsid(nullptr, png));
}
