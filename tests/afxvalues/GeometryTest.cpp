// GeometryTest.cpp - CPoint, CSize and CRect: the cases that plain arithmetic does not make obvious.
#include <afxwin.h>

#include <gtest/gtest.h>

TEST(GeometryTest, PointFromLParamKeepsNegativeCoordinates)
{
	// Mouse positions left of or above a window arrive as negative shorts.
	EXPECT_EQ(CPoint(-5, -300), CPoint(MAKELPARAM(static_cast<WORD>(-5), static_cast<WORD>(-300))));
	EXPECT_EQ(CSize(6, -3), CPoint(10, 10) - CPoint(4, 13));
}

TEST(GeometryTest, EmptyInvertedAndEdgeCases)
{
	CRect inverted(50, 60, 10, 20);
	EXPECT_TRUE(inverted.IsRectEmpty());
	EXPECT_FALSE(inverted.IsRectNull());
	inverted.NormalizeRect();
	EXPECT_EQ(CRect(10, 20, 50, 60), inverted);
	EXPECT_TRUE(CRect(5, 5, 5, 9).IsRectEmpty());

	// The corners alias the rectangle's own fields.
	CRect rc(10, 20, 110, 70);
	rc.BottomRight().x = 5;
	EXPECT_EQ(CRect(10, 20, 5, 70), rc);

	// Deflating past the middle leaves an inverted rectangle; the four-sided
	// forms take left, top, right, bottom in that order.
	CRect d(10, 10, 20, 20);
	d.DeflateRect(6, 6);
	EXPECT_EQ(CRect(16, 16, 14, 14), d);
	CRect i(10, 10, 20, 20);
	i.InflateRect(1, 2, 3, 4);
	EXPECT_EQ(CRect(9, 8, 23, 24), i);
	const CRect margins(1, 2, 3, 4);
	EXPECT_EQ(CRect(10, 10, 20, 20), i - &margins);

	// A disjoint intersection is the null rectangle, not an inverted one.
	const CRect a(0, 0, 10, 10), b(5, 5, 20, 20);
	EXPECT_EQ(CRect(5, 5, 10, 10), a & b);
	EXPECT_EQ(CRect(0, 0, 20, 20), a | b);
	EXPECT_TRUE((a & CRect(30, 30, 40, 40)).IsRectNull());
}
