// QTXIconTest.cpp - QTXIcon: every id names a loadable 16 x 16 icon with soft alpha edges.
//
// Classes in this file:
//   IconLook

#include "GraphicsTestUtil.h"

#include <set>

namespace
{

// An icon drawn at (8, 8) over white and over black: a pixel that comes out
// the same is opaque, one that shows the background is clear, anything
// between is blended by alpha. Every picture fits 16 x 16 and has clear,
// opaque and soft pixels.
struct IconLook
{
	IconLook(HINSTANCE module, unsigned int id)
	{
		for (COLORREF back : { RGB(255, 255, 255), RGB(0, 0, 0) })
			shots.push_back(kt::Snapshot::Draw(32, 32, back,
				[&](HDC hdc)
				{
					HICON icon =
						static_cast<HICON>(::LoadImageA(module, MAKEINTRESOURCEA(id), IMAGE_ICON, 0, 0, 0));
					::DrawIconEx(hdc, 8, 8, icon, 0, 0, 0, nullptr, DI_NORMAL);
					::DestroyIcon(icon);
				}));
		int clear = 0, opaque = 0, soft = 0;
		for (int y = 8; y < 24; ++y)
			for (int x = 8; x < 24; ++x)
			{
				COLORREF w = shots[0].At(x, y), b = shots[1].At(x, y);
				const bool isClear = w == RGB(255, 255, 255) && b == RGB(0, 0, 0), isOpaque = Near(w, b, 3);
				clear += isClear;
				opaque += isOpaque;
				soft += !isClear && !isOpaque;
				coloured += isOpaque && !Near(w, RGB(GetGValue(w), GetGValue(w), GetGValue(w)));
				darkMiddle += x >= 13 && x < 19 && y >= 13 && y < 19 && Brightness(w) < 400;
			}
		const RECT drawn = shots[0].Bounds(RGB(255, 255, 255));
		EXPECT_TRUE(drawn.left >= 8 && drawn.top >= 8 && drawn.right <= 24 && drawn.bottom <= 24)
			<< "icon " << id;
		EXPECT_TRUE(clear > 0 && opaque + soft > 40) << "icon " << id;
		EXPECT_GT(soft, 0) << "icon " << id << " has no alpha";
	}

	std::vector<kt::Snapshot> shots;
	int coloured = 0, darkMiddle = 0;
};

} // namespace

TEST(QTXIcon, EveryButtonPictureHasThreeIcons)
{
	std::set<unsigned int> seen;
	for (int value = QTXIcon::IconNone + 1; value < QTXIcon::IconCount; ++value)
	{
		unsigned int ids[3] = {};
		HINSTANCE module = nullptr;
		ASSERT_TRUE(QTXIcon::GetIconInfo(QTXIcon::ButtonIcon(value), ids[0], ids[1], ids[2], module, true));
		EXPECT_NE(::GetModuleHandleA(nullptr), module) << "icons live in the graphics library";
		const IconLook normal(module, ids[0]), hot(module, ids[1]), disabled(module, ids[2]);
		for (unsigned int id : ids)
			EXPECT_TRUE(seen.insert(id).second) << "id " << id << " used twice";
		EXPECT_EQ(0, disabled.coloured) << "disabled icon " << ids[2] << " is grey";
		EXPECT_NE(0, normal.shots[0].CountDiff(hot.shots[0]));
	}

	unsigned int normal = 0, hot = 0, disabled = 0;
	HINSTANCE module = nullptr;
	ASSERT_TRUE(QTXIcon::GetIconInfo(QTXIcon::IconSave, normal, hot, disabled, module, false));
	EXPECT_EQ(normal, hot) << "without hot tracking the picture stays";
	for (int value : { int(QTXIcon::IconNone), int(QTXIcon::IconCount), -4, 5000 })
	{
		unsigned int n = 7, h = 8, d = 9;
		HINSTANCE m = nullptr;
		EXPECT_FALSE(QTXIcon::GetIconInfo(QTXIcon::ButtonIcon(value), n, h, d, m, true));
		EXPECT_TRUE(n == 7 && h == 8 && d == 9 && m == nullptr) << value;
	}
}

TEST(QTXIcon, CheckAndRadioPicturesShowTheirState)
{
	unsigned int ids[4] = {};
	HINSTANCE modules[4] = {};
	ASSERT_TRUE(QTXIcon::GetCheckOnID(ids[0], modules[0]) && QTXIcon::GetCheckOffID(ids[1], modules[1]));
	ASSERT_TRUE(QTXIcon::GetRadioButton(ids[2], modules[2], true) &&
				QTXIcon::GetRadioButton(ids[3], modules[3], false));
	EXPECT_EQ(4u, std::set<unsigned int>(ids, ids + 4).size());
	for (int i = 0; i < 4; ++i)
	{
		// The ticked box and the chosen radio button are dark in the middle.
		const int darkMiddle = IconLook(modules[i], ids[i]).darkMiddle;
		EXPECT_TRUE(i % 2 == 0 ? darkMiddle > 5 : darkMiddle == 0) << "icon " << ids[i];
	}
}
