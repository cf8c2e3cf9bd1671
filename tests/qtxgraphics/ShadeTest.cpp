// ShadeTest.cpp - Shade: each kind lit from its side, blending, size and its picture's handles.

#include "GraphicsTestUtil.h"

namespace
{

const COLORREF kFace = RGB(120, 140, 200);
const COLORREF kBlack = RGB(0, 0, 0);

// What the shade draws at (x, y) of a black cx x cy picture.
kt::Snapshot Paint(const Shade& shade, int cx, int cy, int x = 0, int y = 0)
{
	return kt::Snapshot::Draw(cx, cy, kBlack, [&](HDC hdc) { shade.Draw(hdc, x, y); });
}

kt::Snapshot Face(unsigned int kind, int cx, int cy, unsigned char contrast = 50)
{
	Shade shade;
	EXPECT_TRUE(shade.SetSize(cx, cy) && shade.SetShadeProps(ShadeProps(kind, kFace, 30, contrast)));
	return Paint(shade, cx, cy);
}

} // namespace

TEST(Shade, EachKindIsLitFromItsSide)
{
	// a lit point, the middle, a dark point, and two points lit alike
	const struct
	{
		unsigned int kind;
		POINT lit, middle, dark, same1, same2;
	} kinds[] = {
		{ ShadeProps::ShadeVertical, { 30, 2 }, { 30, 30 }, { 30, 57 }, { 3, 10 }, { 56, 10 } },
		{ ShadeProps::ShadeHorizontal, { 2, 30 }, { 30, 30 }, { 57, 30 }, { 20, 2 }, { 20, 57 } },
		{ ShadeProps::ShadeDiagonal, { 2, 2 }, { 30, 30 }, { 57, 57 }, { 57, 2 }, { 2, 57 } },
		{ ShadeProps::ShadePillow, { 1, 30 }, { 30, 30 }, { 58, 30 }, { 1, 30 }, { 30, 1 } },
		// Metal: a bright band above the middle over a fall to the bottom.
		{ ShadeProps::ShadeMetal, { 30, 20 }, { 30, 5 }, { 30, 58 }, {}, {} },
	};
	for (const auto& k : kinds)
	{
		kt::Snapshot face = Face(k.kind, 60, 60);
		auto light = [&](POINT pt) { return Brightness(face.At(pt.x, pt.y)); };
		EXPECT_GT(light(k.lit), light(k.middle)) << "kind " << k.kind;
		EXPECT_GT(light(k.middle), light(k.dark)) << "kind " << k.kind;
		EXPECT_EQ(light(k.same1), light(k.same2)) << "kind " << k.kind;
	}
	// Noise: grain.
	kt::Snapshot noise = Face(ShadeProps::ShadeNoise, 20, 20);
	int changes = 0;
	for (int x = 1; x < 20; ++x)
		changes += noise.At(x, 5) != noise.At(x - 1, 5);
	EXPECT_GT(changes, 5);
}

TEST(Shade, ContrastAndPaletteBlending)
{
	EXPECT_EQ(100, Face(ShadeProps::ShadeVertical, 10, 10, 0).Count(kFace)) << "no contrast: flat";
	kt::Snapshot full = Face(ShadeProps::ShadeVertical, 10, 11, 100);
	EXPECT_TRUE(Near(RGB(255, 255, 255), full.At(5, 0), 2));
	EXPECT_TRUE(Near(kFace, full.At(5, 5), 1)) << "the middle keeps the colour";
	EXPECT_TRUE(Near(kBlack, full.At(5, 10), 1));

	Shade shade;
	shade.SetSize(20, 20);
	shade.SetShadeProps(ShadeProps(ShadeProps::ShadeVertical, kFace));
	const COLORREF before = Paint(shade, 20, 20).At(10, 0);
	shade.BlendPalette(RGB(255, 0, 0), 50);
	EXPECT_EQ(RGB((GetRValue(before) + 255) / 2, GetGValue(before) / 2, GetBValue(before) / 2),
		Paint(shade, 20, 20).At(10, 0));
	shade.BlendPalette(RGB(0, 128, 0), 100);
	EXPECT_EQ(400, Paint(shade, 20, 20).Count(RGB(0, 128, 0)));
}

TEST(Shade, DrawsItsSizeAtTheOffsetOrNothingAndKeepsOnePicture)
{
	std::vector<HBITMAP> pictures;
	{
		Shade shade;
		shade.SetSize(10, 6);
		ASSERT_TRUE(shade.SetShadeProps(ShadeProps(ShadeProps::ShadeHorizontal, kFace)));
		EXPECT_EQ(CRect(7, 5, 17, 11), CRect(Paint(shade, 30, 20, 7, 5).Bounds(kBlack)));
		EXPECT_FALSE(shade.Draw(nullptr, 0, 0));
		for (unsigned int kind : { unsigned(ShadeProps::ShadeNone), 99u })
		{
			EXPECT_FALSE(shade.SetShadeProps(ShadeProps(kind, kFace)));
			EXPECT_EQ(400, Paint(shade, 20, 20).Count(kBlack));
		}
		ASSERT_TRUE(shade.SetShadeProps(ShadeProps(ShadeProps::ShadeMetal, kFace)));
		for (SIZE bad : { SIZE{ 0, 10 }, SIZE{ 10, -3 }, SIZE{ 100000, 10 } })
		{
			ASSERT_TRUE(shade.SetSize(10, 10) && shade.GetBitmap() != nullptr);
			EXPECT_FALSE(shade.SetSize(bad.cx, bad.cy));
			EXPECT_EQ(nullptr, shade.GetBitmap());
		}

		// The picture is made once per size, and each one is released.
		for (int w = 50; w < 80; ++w)
		{
			ASSERT_TRUE(shade.SetSize(w, 20));
			pictures.push_back(shade.GetBitmap());
			shade.SetSize(w, 20);
			EXPECT_EQ(pictures.back(), shade.GetBitmap()) << "same size: no new picture";
		}
		BITMAP bm = {};
		ASSERT_NE(0, ::GetObjectA(shade.GetBitmap(), sizeof(bm), &bm));
		EXPECT_TRUE(bm.bmWidth == 79 && bm.bmHeight == 20);
	}
	for (HBITMAP bitmap : pictures)
		EXPECT_EQ(0u, ::GetObjectType(bitmap));
}
