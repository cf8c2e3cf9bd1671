// Saving the clipboard's image to files, and the reasons given when that fails.

#include "Surface.h"

#include <kavrotest/TestSupport.h>

#include <memory>

namespace {

const COLORREF kQuadrants[4] = { RGB(255, 0, 0), RGB(0, 160, 0), RGB(0, 0, 255), RGB(255, 255, 0) };
const int kWidth = 40, kHeight = 20;

class ClipboardImage : public ::testing::Test
{
protected:
	void SetUp() override { ASSERT_TRUE(::IsWindow(m_owner.GetSafeHwnd())); }
	void TearDown() override { Put(0, nullptr); }

	// Replaces the clipboard's content by one item (none for format 0).
	void Put(UINT format, HANDLE data)
	{
		ASSERT_TRUE(::OpenClipboard(m_owner.GetSafeHwnd()));
		::EmptyClipboard();
		if (format != 0)
		{
			EXPECT_NE(nullptr, ::SetClipboardData(format, data));
		}
		::CloseClipboard();
	}

	// A device-dependent bitmap of four coloured quadrants.
	void PutQuadrantBitmap()
	{
		HDC screen = ::GetDC(nullptr);
		HBITMAP bitmap = ::CreateCompatibleBitmap(screen, kWidth, kHeight);
		HDC hdc = ::CreateCompatibleDC(screen);
		HGDIOBJ old = ::SelectObject(hdc, bitmap);
		for (int q = 0; q < 4; ++q)
		{
			RECT rc = { (q % 2) * kWidth / 2, (q / 2) * kHeight / 2, 0, 0 };
			rc.right = rc.left + kWidth / 2;
			rc.bottom = rc.top + kHeight / 2;
			HBRUSH brush = ::CreateSolidBrush(kQuadrants[q]);
			::FillRect(hdc, &rc, brush);
			::DeleteObject(brush);
		}
		::SelectObject(hdc, old);
		::DeleteDC(hdc);
		::ReleaseDC(nullptr, screen);
		Put(CF_BITMAP, bitmap);  // the clipboard owns it now
	}

	// Reads a saved file back and checks the middle of each quadrant.
	void ExpectQuadrants(const std::string& path, int tolerance)
	{
		std::wstring wide(path.begin(), path.end());
		Gdiplus::Bitmap saved(wide.c_str());
		ASSERT_EQ(Gdiplus::Ok, saved.GetLastStatus()) << path;
		ASSERT_EQ(UINT(kWidth), saved.GetWidth());
		ASSERT_EQ(UINT(kHeight), saved.GetHeight());
		for (int q = 0; q < 4; ++q)
		{
			Gdiplus::Color c;
			saved.GetPixel((q % 2) * kWidth / 2 + kWidth / 4, (q / 2) * kHeight / 2 + kHeight / 4, &c);
			EXPECT_TRUE(Near(RGB(c.GetR(), c.GetG(), c.GetB()), kQuadrants[q], tolerance))
				<< path << " quadrant " << q;
		}
	}

	kt::HostWindow m_owner{ 50, 50 };
	kt::TempDir m_dir;
};

}  // namespace

TEST_F(ClipboardImage, BitmapRoundTripsThroughEveryFormat)
{
	PutQuadrantBitmap();
	for (const char* name : { "shot.png", "shot.BMP", "shot.jpg", "shot.jpeg" })
	{
		std::string path = m_dir.Path() + name;
		EXPECT_EQ("", std::string(GraphicsUtils::SaveClipboardImageAs(path.c_str()))) << name;
		bool lossy = strstr(name, ".jp") != nullptr;
		ExpectQuadrants(path, lossy ? 40 : 0);
	}
}

TEST_F(ClipboardImage, PackedDibIsSaved)
{
	// 24-bit bottom-up DIB: the first row in memory is the picture's bottom.
	const int stride = ((kWidth * 3 + 3) / 4) * 4;
	HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE, sizeof(BITMAPINFOHEADER) + stride * kHeight);
	BYTE* data = static_cast<BYTE*>(::GlobalLock(block));
	BITMAPINFOHEADER* header = reinterpret_cast<BITMAPINFOHEADER*>(data);
	*header = BITMAPINFOHEADER{ sizeof(BITMAPINFOHEADER), kWidth, kHeight, 1, 24, BI_RGB, 0, 0, 0, 0, 0 };
	for (int y = 0; y < kHeight; ++y)
	{
		BYTE* row = data + sizeof(BITMAPINFOHEADER) + (kHeight - 1 - y) * stride;
		for (int x = 0; x < kWidth; ++x)
		{
			COLORREF c = kQuadrants[(y >= kHeight / 2) * 2 + (x >= kWidth / 2)];
			row[x * 3] = GetBValue(c);
			row[x * 3 + 1] = GetGValue(c);
			row[x * 3 + 2] = GetRValue(c);
		}
	}
	::GlobalUnlock(block);
	Put(CF_DIB, block);

	std::string path = m_dir.Path() + "dib.png";
	EXPECT_EQ("", std::string(GraphicsUtils::SaveClipboardImageAs(path.c_str())));
	ExpectQuadrants(path, 0);
}

TEST_F(ClipboardImage, FailuresGiveAReasonAndWriteNothing)
{
	std::string png = m_dir.Path() + "none.png";

	Put(0, nullptr);
	EXPECT_NE("", std::string(GraphicsUtils::SaveClipboardImageAs(png.c_str()))) << "empty clipboard";

	HGLOBAL text = ::GlobalAlloc(GMEM_MOVEABLE, 6);
	::lstrcpyA(static_cast<char*>(::GlobalLock(text)), "hello");
	::GlobalUnlock(text);
	Put(CF_TEXT, text);
	EXPECT_NE("", std::string(GraphicsUtils::SaveClipboardImageAs(png.c_str()))) << "text only";
	EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesA(png.c_str()));

	// A DIB header that promises far more pixels than the block holds.
	HGLOBAL bad = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(BITMAPINFOHEADER) + 16);
	*static_cast<BITMAPINFOHEADER*>(::GlobalLock(bad)) =
		BITMAPINFOHEADER{ sizeof(BITMAPINFOHEADER), 5000, 5000, 1, 24, BI_RGB, 0, 0, 0, 0, 0 };
	::GlobalUnlock(bad);
	Put(CF_DIB, bad);
	EXPECT_NE("", std::string(GraphicsUtils::SaveClipboardImageAs(png.c_str()))) << "malformed DIB";
	EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesA(png.c_str()));

	PutQuadrantBitmap();
	EXPECT_NE("", std::string(GraphicsUtils::SaveClipboardImageAs("")));
	for (const char* name : { "shot.gif", "shot.txt", "shot", "dir.png\\shot" })
	{
		std::string path = m_dir.Path() + name;
		EXPECT_NE("", std::string(GraphicsUtils::SaveClipboardImageAs(path.c_str()))) << name;
		EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesA(path.c_str())) << name;
	}
	std::string unwritable = m_dir.Path() + "missing\\folder\\shot.png";
	EXPECT_NE("", std::string(GraphicsUtils::SaveClipboardImageAs(unwritable.c_str())));
}
