// Shaded faces: direction of each kind, caching per size, palette blending, handles.

#include "Surface.h"

namespace {

const COLORREF kFace = RGB(120, 140, 200);

// Draws a shade of the given kind at (0, 0) of a fresh surface.
struct Face
{
	Face(unsigned int kind, int cx, int cy, unsigned char contrast = 50)
		: surface(cx, cy, RGB(0, 0, 0))
	{
		EXPECT_TRUE(shade.SetSize(cx, cy));
		EXPECT_TRUE(shade.SetShadeProps(ShadeProps(kind, kFace, 30, contrast)));
		EXPECT_TRUE(shade.Draw(surface.Dc(), 0, 0));
	}
	int Light(int x, int y) const { return Brightness(surface.At(x, y)); }

	Shade shade;
	Surface surface;
};

}  // namespace

TEST(Shade, GradientsRunFromTheLightSide)
{
	Face vertical(ShadeProps::ShadeVertical, 60, 30);
	EXPECT_GT(vertical.Light(30, 2), vertical.Light(30, 15));
	EXPECT_GT(vertical.Light(30, 15), vertical.Light(30, 27));
	EXPECT_EQ(vertical.Light(3, 10), vertical.Light(56, 10)) << "rows are even";

	Face horizontal(ShadeProps::ShadeHorizontal, 60, 30);
	EXPECT_GT(horizontal.Light(2, 15), horizontal.Light(30, 15));
	EXPECT_GT(horizontal.Light(30, 15), horizontal.Light(57, 15));
	EXPECT_EQ(horizontal.Light(20, 2), horizontal.Light(20, 27)) << "columns are even";

	Face diagonal(ShadeProps::ShadeDiagonal, 60, 60);
	EXPECT_GT(diagonal.Light(2, 2), diagonal.Light(30, 30));
	EXPECT_GT(diagonal.Light(30, 30), diagonal.Light(57, 57));
	EXPECT_EQ(diagonal.Light(57, 2), diagonal.Light(2, 57)) << "light falls along the diagonal";
}

TEST(Shade, MetalPillowAndNoiseLooks)
{
	// metal: the brightest rows sit above the middle, not at an edge
	Face metal(ShadeProps::ShadeMetal, 40, 40);
	int brightest = 0, best = -1;
	for (int y = 0; y < 40; ++y)
	{
		int row = 0;
		for (int x = 0; x < 40; ++x)
			row += metal.Light(x, y);
		if (row > best)
			best = row, brightest = y;
	}
	EXPECT_GE(brightest, 6);
	EXPECT_LE(brightest, 20);
	EXPECT_GT(metal.Light(20, brightest), metal.Light(20, 39));

	Face pillow(ShadeProps::ShadePillow, 40, 40);
	EXPECT_GT(pillow.Light(1, 20), pillow.Light(20, 20));
	EXPECT_GT(pillow.Light(20, 1), pillow.Light(20, 20));
	EXPECT_LT(pillow.Light(38, 20), pillow.Light(20, 20));
	EXPECT_LT(pillow.Light(20, 38), pillow.Light(20, 20));

	Face noise(ShadeProps::ShadeNoise, 20, 20);
	int distinct = 0;
	for (int x = 1; x < 20; ++x)
		distinct += noise.Light(x, 5) != noise.Light(x - 1, 5);
	EXPECT_GT(distinct, 5);
}

TEST(Shade, ColourAndContrast)
{
	Face flat(ShadeProps::ShadeVertical, 10, 10, 0);
	EXPECT_EQ(kFace, flat.surface.At(0, 0));
	EXPECT_EQ(kFace, flat.surface.At(9, 9));

	Face full(ShadeProps::ShadeVertical, 10, 11, 100);
	EXPECT_TRUE(Near(RGB(255, 255, 255), full.surface.At(5, 0), 2));
	EXPECT_TRUE(Near(kFace, full.surface.At(5, 5), 1)) << "the middle keeps the colour";
	EXPECT_TRUE(Near(RGB(0, 0, 0), full.surface.At(5, 10), 1));
}

TEST(Shade, BlendPaletteMovesEveryPixel)
{
	Face face(ShadeProps::ShadeVertical, 20, 20);
	const COLORREF topBefore = face.surface.At(10, 0);
	face.shade.BlendPalette(RGB(255, 0, 0), 50);
	face.shade.Draw(face.surface.Dc(), 0, 0);
	const COLORREF top = face.surface.At(10, 0);
	EXPECT_EQ((GetRValue(topBefore) + 255) / 2, GetRValue(top));
	EXPECT_EQ(GetGValue(topBefore) / 2, GetGValue(top));

	face.shade.BlendPalette(RGB(0, 128, 0), 100);
	face.shade.Draw(face.surface.Dc(), 0, 0);
	EXPECT_EQ(RGB(0, 128, 0), face.surface.At(0, 0));
	EXPECT_EQ(RGB(0, 128, 0), face.surface.At(19, 19));
}

TEST(Shade, DrawCoversExactlyItsSizeAtTheOffset)
{
	Shade shade;
	shade.SetSize(10, 6);
	ASSERT_TRUE(shade.SetShadeProps(ShadeProps(ShadeProps::ShadeHorizontal, kFace)));
	Surface surface(30, 20, RGB(0, 0, 0));
	ASSERT_TRUE(shade.Draw(surface.Dc(), 7, 5));
	EXPECT_EQ(RGB(0, 0, 0), surface.At(6, 5));
	EXPECT_EQ(RGB(0, 0, 0), surface.At(7, 4));
	EXPECT_NE(RGB(0, 0, 0), surface.At(7, 5));
	EXPECT_NE(RGB(0, 0, 0), surface.At(16, 10));
	EXPECT_EQ(RGB(0, 0, 0), surface.At(17, 10));
	EXPECT_EQ(RGB(0, 0, 0), surface.At(16, 11));
}

TEST(Shade, NoneUnknownAndBadSizesDrawNothing)
{
	Surface surface(10, 10, RGB(0, 0, 0));
	Shade shade;
	EXPECT_FALSE(shade.Draw(surface.Dc(), 0, 0)) << "a new shade has nothing to draw";
	shade.SetSize(10, 10);
	EXPECT_FALSE(shade.SetShadeProps(ShadeProps(ShadeProps::ShadeNone, kFace)));
	EXPECT_FALSE(shade.Draw(surface.Dc(), 0, 0));
	EXPECT_FALSE(shade.SetShadeProps(ShadeProps(99, kFace)));
	EXPECT_FALSE(shade.Draw(surface.Dc(), 0, 0));
	EXPECT_EQ(RGB(0, 0, 0), surface.At(5, 5));

	EXPECT_TRUE(shade.SetShadeProps(ShadeProps(ShadeProps::ShadeMetal, kFace)));
	EXPECT_TRUE(shade.Draw(surface.Dc(), 0, 0));
	EXPECT_FALSE(shade.Draw(nullptr, 0, 0));
	for (auto size : { std::make_pair(0, 10), std::make_pair(10, -3), std::make_pair(100000, 10) })
	{
		EXPECT_FALSE(shade.SetSize(size.first, size.second));
		EXPECT_EQ(nullptr, shade.GetBitmap());
	}
}

TEST(Shade, PictureIsCachedPerSizeAndReleased)
{
	const int before = GdiObjectCount();
	std::vector<HBITMAP> released;
	{
		Shade shade;
		shade.SetShadeProps(ShadeProps(ShadeProps::ShadeDiagonal, kFace));
		shade.SetSize(50, 20);
		HBITMAP first = shade.GetBitmap();
		ASSERT_NE(nullptr, first);
		shade.SetSize(50, 20);
		EXPECT_EQ(first, shade.GetBitmap()) << "same size: no new picture";

		for (int w = 51; w < 80; ++w)
		{
			released.push_back(shade.GetBitmap());
			ASSERT_TRUE(shade.SetSize(w, 20));
		}
		BITMAP bm = {};
		ASSERT_NE(0, ::GetObjectA(shade.GetBitmap(), sizeof(bm), &bm));
		EXPECT_EQ(79, bm.bmWidth);
		EXPECT_EQ(20, bm.bmHeight);
		released.push_back(shade.GetBitmap());
	}
	for (HBITMAP bitmap : released)
		EXPECT_EQ(0u, ::GetObjectType(bitmap));
	EXPECT_EQ(before, GdiObjectCount());
}
