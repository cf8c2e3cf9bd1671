// GeometryTest.cpp - CPoint, CSize and CRect: the cases that plain arithmetic does not make obvious.
#include <afxwin.h>

#include <gtest/gtest.h>

static void ExpectRect(const RECT& rc, int l, int t, int r, int b)
{
	EXPECT_EQ(CRect(l, t, r, b), CRect(rc));
}

TEST(GeometryTest, PointFromLParamKeepsNegativeCoordinates)
{
	// Mouse positions left of or above a window arrive as negative shorts.
	EXPECT_EQ(CPoint(-5, -300), CPoint(MAKELPARAM(static_cast<WORD>(-5), static_cast<WORD>(-300))));
	EXPECT_EQ(CPoint(640, 480), CPoint(MAKELPARAM(640, 480)));
	EXPECT_EQ(CSize(6, -3), CPoint(10, 10) - CPoint(4, 13));
}

TEST(GeometryTest, EmptyInvertedAndEdgeCases)
{
	CRect inverted(50, 60, 10, 20);
	EXPECT_TRUE(inverted.IsRectEmpty());
	EXPECT_FALSE(inverted.IsRectNull());
	inverted.NormalizeRect();
	ExpectRect(inverted, 10, 20, 50, 60);
	EXPECT_TRUE(CRect(5, 5, 5, 9).IsRectEmpty());

	// The corners alias the rectangle's own fields.
	CRect rc(10, 20, 110, 70);
	rc.BottomRight().x = 5;
	ExpectRect(rc, 10, 20, 5, 70);

	// Right and bottom edges are outside.
	const CRect box(0, 0, 10, 10);
	EXPECT_TRUE(box.PtInRect(CPoint(9, 9)));
	EXPECT_FALSE(box.PtInRect(CPoint(10, 5)));
	EXPECT_FALSE(box.PtInRect(CPoint(5, -1)));

	// Deflating past the middle leaves an inverted rectangle; the four-sided
	// forms take left, top, right, bottom in that order.
	CRect d(10, 10, 20, 20);
	d.DeflateRect(6, 6);
	ExpectRect(d, 16, 16, 14, 14);
	CRect i(10, 10, 20, 20);
	i.InflateRect(1, 2, 3, 4);
	ExpectRect(i, 9, 8, 23, 24);
	const CRect margins(1, 2, 3, 4);
	ExpectRect(i - &margins, 10, 10, 20, 20);
}

TEST(GeometryTest, SetOperationsAndTheirEmptyResults)
{
	const CRect a(0, 0, 10, 10), b(5, 5, 20, 20), distant(30, 30, 40, 40);
	ExpectRect(a & b, 5, 5, 10, 10);
	ExpectRect(a | b, 0, 0, 20, 20);
	// A disjoint intersection is the null rectangle, not an inverted one.
	CRect none(1, 1, 2, 2);
	EXPECT_FALSE(none.IntersectRect(&a, &distant));
	EXPECT_TRUE(none.IsRectNull());
	// An empty rectangle takes no part in a union.
	CRect u;
	EXPECT_TRUE(u.UnionRect(&a, CRect(50, 50, 50, 60)));
	EXPECT_EQ(a, u);
	EXPECT_FALSE(u.UnionRect(CRect(), CRect(3, 3, 3, 3)));

	// Subtraction only works when a whole side is cut away.
	CRect s;
	EXPECT_TRUE(s.SubtractRect(CRect(0, 0, 10, 10), CRect(5, -1, 11, 11)));
	ExpectRect(s, 0, 0, 5, 10);
	EXPECT_TRUE(s.SubtractRect(CRect(0, 0, 10, 10), CRect(2, 2, 4, 4)));
	ExpectRect(s, 0, 0, 10, 10);
}
