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
	EXPECT_TRUE(lf.lfHeight == ncm.lfMessageFont.lfHeight && lf.lfWeight == FW_NORMAL && lf.lfWidth == 0 &&
				!lf.lfItalic && lf.lfUnderline && !lf.lfStrikeOut);
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
	const std::pair<double, COLORREF> adjusted[] = { { -0.25, RGB(150, 75, 30) }, { 0.25, RGB(214, 139, 94) },
		{ 7.0, RGB(255, 255, 255) }, { -7.0, RGB(0, 0, 0) } };
	for (const auto& a : adjusted)
		EXPECT_EQ(a.second, GraphicsUtils::AdjustColor(RGB(200, 100, 40), a.first)) << a.first;

	// width, height, limits, enlarge, expected size; a failure gives 0 x 0
	const int cases[][7] = {
		{ 800, 600, 400, 400, 0, 400, 300 },
		{ 600, 800, 400, 400, 0, 300, 400 },
		{ 100, 50, 400, 400, 0, 100, 50 },
		{ 100, 50, 400, 400, 1, 400, 200 },
		{ 10000, 1, 100, 100, 0, 100, 1 },
		{ 1024, 768, 1000, 700, 0, 933, 700 },
		{ 0, 10, 100, 100, 0, 0, 0 },
		{ 10, 10, -5, 100, 1, 0, 0 },
	};
	for (const auto& c : cases)
	{
		int w = -1, h = -1;
		EXPECT_EQ(c[5] != 0, GraphicsUtils::CalculateScaledDims(c[0], c[1], c[2], c[3], w, h, c[4] != 0));
		EXPECT_TRUE(w == c[5] && h == c[6]) << c[0] << "x" << c[1] << " gave " << w << "x" << h;
	}
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

	// Saves the clipboard's image, reads the file back and checks the middle
	// of each quadrant; a tolerance below 0 expects a refusal and no file.
	void ExpectSaved(const char* name, int tolerance)
	{
		const std::string path = m_dir.Path() + name;
		const std::string why(GraphicsUtils::SaveClipboardImageAs(path.c_str()));
		if (tolerance < 0)
		{
			EXPECT_NE("", why) << name;
			EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesA(path.c_str())) << name;
			return;
		}
		EXPECT_EQ("", why) << name;
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

	kt::HostWindow m_owner{ 50, 50 };
	kt::TempDir m_dir;
};

} // namespace

TEST_F(ClipboardImage, DibAndBitmapAreSavedInEveryFormat)
{
	Put(CF_DIB, QuadrantDib());
	ExpectSaved("dib.png", 0);
	// A name whose last byte in code page 932 is a backslash.
	if (kt::IsAnsi(L"画像\u8868"))
		ExpectSaved(kt::Ansi(L"画像\u8868.png"), 0);

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
	ExpectSaved("empty.png", -1);
	HGLOBAL text = ::GlobalAlloc(GMEM_MOVEABLE, 6);
	::lstrcpyA(static_cast<char*>(::GlobalLock(text)), "hello");
	::GlobalUnlock(text);
	Put(CF_TEXT, text);
	ExpectSaved("text.png", -1);
	Put(CF_DIB, QuadrantDib(true));
	ExpectSaved("malformed.png", -1);

	Put(CF_DIB, QuadrantDib());
	EXPECT_NE("", std::string(GraphicsUtils::SaveClipboardImageAs("")));
	for (const char* name : { "shot.gif", "shot.txt", "shot", "dir.png\\shot", "missing\\shot.png" })
		ExpectSaved(name, -1);

	CLSID png = {}, bmp = {};
	EXPECT_TRUE(GraphicsUtils::GetEncoderClsid(L"IMAGE/PNG", png) &&
				GraphicsUtils::GetEncoderClsid(L"image/bmp", bmp));
	EXPECT_FALSE(IsEqualCLSID(png, bmp));
	EXPECT_FALSE(
		GraphicsUtils::GetEncoderClsid(L"image/none", png) || GraphicsUtils::GetEncoderClsid(nullptr, png));
}
