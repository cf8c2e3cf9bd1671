// Button pictures: every id names a 16 x 16 icon with alpha in the returned module.

#include "Surface.h"

#include <set>
#include <vector>

namespace {

struct IconPixels
{
	int width = 0, height = 0;
	std::vector<DWORD> argb;  // top-down
};

// Loads an icon resource the way the controls do and reads its colour bitmap.
IconPixels LoadIconPixels(HINSTANCE module, unsigned int id)
{
	IconPixels result;
	HICON icon = static_cast<HICON>(::LoadImageA(module, MAKEINTRESOURCEA(id), IMAGE_ICON, 0, 0, 0));
	if (icon == nullptr)
		return result;
	ICONINFO info = {};
	if (::GetIconInfo(icon, &info))
	{
		BITMAP bm = {};
		::GetObjectA(info.hbmColor, sizeof(bm), &bm);
		result.width = 2 * int(info.xHotspot);
		result.height = 2 * int(info.yHotspot);
		if (bm.bmBitsPixel == 32)
		{
			BITMAPINFO bmi = {};
			bmi.bmiHeader = BITMAPINFOHEADER{ sizeof(BITMAPINFOHEADER), bm.bmWidth, -bm.bmHeight, 1, 32,
				BI_RGB, 0, 0, 0, 0, 0 };
			result.argb.resize(size_t(bm.bmWidth) * bm.bmHeight);
			HDC hdc = ::GetDC(nullptr);
			::GetDIBits(hdc, info.hbmColor, 0, bm.bmHeight, result.argb.data(), &bmi, DIB_RGB_COLORS);
			::ReleaseDC(nullptr, hdc);
		}
		::DeleteObject(info.hbmColor);
		::DeleteObject(info.hbmMask);
	}
	::DestroyIcon(icon);
	return result;
}

// 16 x 16, 32 bits, transparent corners, opaque and soft (anti-aliased) pixels.
void ExpectAlphaIcon(HINSTANCE module, unsigned int id)
{
	IconPixels icon = LoadIconPixels(module, id);
	ASSERT_EQ(16, icon.width) << "icon " << id;
	ASSERT_EQ(16, icon.height) << "icon " << id;
	ASSERT_EQ(256u, icon.argb.size()) << "icon " << id << " is not 32-bit";
	int clear = 0, opaque = 0, soft = 0;
	for (DWORD px : icon.argb)
	{
		BYTE alpha = BYTE(px >> 24);
		clear += alpha == 0;
		opaque += alpha >= 200;
		soft += alpha > 0 && alpha < 200;
	}
	EXPECT_GT(clear, 0) << "icon " << id;
	EXPECT_GT(opaque + soft, 40) << "icon " << id;
	EXPECT_GT(soft, 0) << "icon " << id;
}

}  // namespace

TEST(QTXIcon, EveryButtonPictureHasThreeLoadableIcons)
{
	std::set<unsigned int> seen;
	for (int value = QTXIcon::IconNone + 1; value < QTXIcon::IconCount; ++value)
	{
		unsigned int normal = 0, hot = 0, disabled = 0;
		HINSTANCE module = nullptr;
		ASSERT_TRUE(QTXIcon::GetIconInfo(QTXIcon::ButtonIcon(value), normal, hot, disabled, module, true));
		EXPECT_NE(nullptr, module);
		EXPECT_NE(::GetModuleHandleA(nullptr), module) << "icons live in the graphics library";
		for (unsigned int id : { normal, hot, disabled })
		{
			EXPECT_TRUE(seen.insert(id).second) << "id " << id << " used twice";
			ExpectAlphaIcon(module, id);
		}

		// Disabled pictures are grey; normal ones are not all grey.
		IconPixels grey = LoadIconPixels(module, disabled);
		for (DWORD px : grey.argb)
		{
			int r = (px >> 16) & 0xFF, g = (px >> 8) & 0xFF, b = px & 0xFF;
			if ((px >> 24) > 128)
			{
				EXPECT_TRUE(std::abs(r - g) <= 2 && std::abs(g - b) <= 2) << "icon " << disabled;
			}
		}
		EXPECT_NE(LoadIconPixels(module, normal).argb, LoadIconPixels(module, hot).argb);
	}
}

TEST(QTXIcon, HotTrackingOffReusesTheNormalIcon)
{
	unsigned int normal = 0, hot = 0, disabled = 0;
	HINSTANCE module = nullptr;
	ASSERT_TRUE(QTXIcon::GetIconInfo(QTXIcon::IconSave, normal, hot, disabled, module, false));
	EXPECT_EQ(normal, hot);
	EXPECT_NE(normal, disabled);
}

TEST(QTXIcon, UnknownPicturesLeaveTheOutputsAlone)
{
	for (int value : { int(QTXIcon::IconNone), int(QTXIcon::IconCount), -4, 5000 })
	{
		unsigned int normal = 7, hot = 8, disabled = 9;
		HINSTANCE module = reinterpret_cast<HINSTANCE>(0x1234);
		EXPECT_FALSE(QTXIcon::GetIconInfo(QTXIcon::ButtonIcon(value), normal, hot, disabled, module, true));
		EXPECT_EQ(7u, normal);
		EXPECT_EQ(8u, hot);
		EXPECT_EQ(9u, disabled);
		EXPECT_EQ(reinterpret_cast<HINSTANCE>(0x1234), module);
	}
}

TEST(QTXIcon, CheckAndRadioPicturesLoadAndDifferByState)
{
	unsigned int checkOn = 0, checkOff = 0, radioOn = 0, radioOff = 0;
	HINSTANCE m1 = nullptr, m2 = nullptr, m3 = nullptr, m4 = nullptr;
	ASSERT_TRUE(QTXIcon::GetCheckOnID(checkOn, m1));
	ASSERT_TRUE(QTXIcon::GetCheckOffID(checkOff, m2));
	ASSERT_TRUE(QTXIcon::GetRadioButton(radioOn, m3, true));
	ASSERT_TRUE(QTXIcon::GetRadioButton(radioOff, m4, false));
	EXPECT_EQ(4u, std::set<unsigned int>({ checkOn, checkOff, radioOn, radioOff }).size());

	ExpectAlphaIcon(m1, checkOn);
	ExpectAlphaIcon(m2, checkOff);
	ExpectAlphaIcon(m3, radioOn);
	ExpectAlphaIcon(m4, radioOff);

	// The ticked box has dark pixels in its middle where the clear one has none.
	auto darkInMiddle = [](const IconPixels& icon) {
		int dark = 0;
		for (int y = 5; y < 11; ++y)
			for (int x = 5; x < 11; ++x)
				dark += Brightness(RGB((icon.argb[y * 16 + x] >> 16) & 0xFF,
					(icon.argb[y * 16 + x] >> 8) & 0xFF, icon.argb[y * 16 + x] & 0xFF)) < 400;
		return dark;
	};
	EXPECT_GT(darkInMiddle(LoadIconPixels(m1, checkOn)), 5);
	EXPECT_EQ(0, darkInMiddle(LoadIconPixels(m2, checkOff)));
	EXPECT_GT(darkInMiddle(LoadIconPixels(m3, radioOn)), 5);
	EXPECT_EQ(0, darkInMiddle(LoadIconPixels(m4, radioOff)));
}
