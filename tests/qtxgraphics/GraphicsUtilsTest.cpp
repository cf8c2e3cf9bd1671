// Fonts, colours and fitted sizes of GraphicsUtils.

#include "Surface.h"

#include <kavrotest/TestSupport.h>

TEST(SetDefaultFont, EmptyFaceGivesSystemFaceAndDefaults)
{
	NONCLIENTMETRICSA ncm = {};
	ncm.cbSize = sizeof(ncm);
	ASSERT_TRUE(::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(ncm), &ncm, 0));

	LOGFONTA lf;
	::memset(&lf, 0x5A, sizeof(lf));  // garbage must not survive
	GraphicsUtils::SetDefaultFont(lf, "", -1, -1, false, false, false);
	EXPECT_NE('\0', lf.lfFaceName[0]);
	EXPECT_STREQ(ncm.lfMessageFont.lfFaceName, lf.lfFaceName);
	EXPECT_EQ(ncm.lfMessageFont.lfHeight, lf.lfHeight);
	EXPECT_EQ(FW_NORMAL, lf.lfWeight);
	EXPECT_EQ(0, lf.lfWidth);
	EXPECT_FALSE(lf.lfItalic || lf.lfUnderline || lf.lfStrikeOut);

	HFONT font = ::CreateFontIndirectA(&lf);
	EXPECT_NE(nullptr, font);
	::DeleteObject(font);
}

TEST(SetDefaultFont, AppliesFaceSizeWeightAndFlags)
{
	LOGFONTA lf;
	GraphicsUtils::SetDefaultFont(lf, "Tahoma", 15, 700, true, false, true);
	EXPECT_STREQ("Tahoma", lf.lfFaceName);
	EXPECT_EQ(-15, lf.lfHeight);
	EXPECT_EQ(FW_BOLD, lf.lfWeight);
	EXPECT_TRUE(lf.lfItalic);
	EXPECT_FALSE(lf.lfUnderline);
	EXPECT_TRUE(lf.lfStrikeOut);

	GraphicsUtils::SetDefaultFont(lf, "", 0, 5000, false, true, false);
	EXPECT_LT(lf.lfHeight, 0) << "size 0 keeps the system height";
	EXPECT_EQ(FW_NORMAL, lf.lfWeight) << "weights outside 1..1000 fall back to normal";
	EXPECT_TRUE(lf.lfUnderline);

	// A face longer than LOGFONT holds is cut and stays terminated.
	GraphicsUtils::SetDefaultFont(lf, CString('x', 200), -1, -1, false, false, false);
	EXPECT_EQ(size_t(LF_FACESIZE - 1), ::strlen(lf.lfFaceName));
}

TEST(GetTextHeight, MatchesTextMetricsOnTheWindow)
{
	kt::HostWindow host;
	for (int size : { 11, 15, 24 })
	{
		LOGFONTA lf;
		GraphicsUtils::SetDefaultFont(lf, "", size, -1, false, false, false);
		HFONT font = ::CreateFontIndirectA(&lf);
		HDC hdc = ::GetDC(host.GetSafeHwnd());
		HGDIOBJ old = ::SelectObject(hdc, font);
		TEXTMETRICA tm = {};
		::GetTextMetricsA(hdc, &tm);
		::SelectObject(hdc, old);
		::ReleaseDC(host.GetSafeHwnd(), hdc);
		::DeleteObject(font);

		EXPECT_EQ(tm.tmHeight, GraphicsUtils::GetTextHeight(host, lf)) << "size " << size;
		EXPECT_GE(tm.tmHeight, size);
	}
}

TEST(GetTextHeight, NoWindowGivesZero)
{
	LOGFONTA lf;
	GraphicsUtils::SetDefaultFont(lf, "", -1, -1, false, false, false);
	CWnd none;
	EXPECT_EQ(0, GraphicsUtils::GetTextHeight(none, lf));
}

TEST(AdjustColor, NegativeDarkensPositiveLightens)
{
	const COLORREF base = RGB(200, 100, 40);
	EXPECT_EQ(RGB(150, 75, 30), GraphicsUtils::AdjustColor(base, -0.25));
	EXPECT_EQ(RGB(110, 55, 22), GraphicsUtils::AdjustColor(base, -0.45));
	EXPECT_EQ(RGB(214, 139, 94), GraphicsUtils::AdjustColor(base, 0.25));
	EXPECT_EQ(base, GraphicsUtils::AdjustColor(base, 0.0));
	EXPECT_EQ(RGB(0, 0, 0), GraphicsUtils::AdjustColor(base, -1.0));
	EXPECT_EQ(RGB(255, 255, 255), GraphicsUtils::AdjustColor(base, 7.0));
	EXPECT_EQ(RGB(0, 0, 0), GraphicsUtils::AdjustColor(base, -7.0));
}

TEST(CalculateScaledDims, FitsKeepingTheAspectRatio)
{
	struct Case { int w, h, maxW, maxH; bool enlarge; int outW, outH; };
	const Case cases[] = {
		{ 800, 600, 400, 400, false, 400, 300 },   // wide: width decides
		{ 600, 800, 400, 400, false, 300, 400 },   // tall: height decides
		{ 100, 50, 400, 400, false, 100, 50 },     // fits: unchanged
		{ 100, 50, 400, 400, true, 400, 200 },     // fits, enlarged to the limit
		{ 400, 400, 400, 400, false, 400, 400 },
		{ 10000, 1, 100, 100, false, 100, 1 },     // never thinner than a pixel
		{ 1024, 768, 1000, 700, false, 933, 700 },
	};
	for (const Case& c : cases)
	{
		int w = -1, h = -1;
		EXPECT_TRUE(GraphicsUtils::CalculateScaledDims(c.w, c.h, c.maxW, c.maxH, w, h, c.enlarge));
		EXPECT_EQ(c.outW, w) << c.w << "x" << c.h << " into " << c.maxW << "x" << c.maxH;
		EXPECT_EQ(c.outH, h) << c.w << "x" << c.h << " into " << c.maxW << "x" << c.maxH;
	}

	int w = -1, h = -1;
	EXPECT_FALSE(GraphicsUtils::CalculateScaledDims(0, 10, 100, 100, w, h, false));
	EXPECT_EQ(0, w);
	EXPECT_EQ(0, h);
	EXPECT_FALSE(GraphicsUtils::CalculateScaledDims(10, 10, -5, 100, w, h, true));
}
