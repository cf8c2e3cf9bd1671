// GeometryTest.cpp - CPoint, CSize and CRect: arithmetic, normalisation and the empty cases.
#include <afxwin.h>

#include <gtest/gtest.h>

static void ExpectRect(const RECT& rc, int l, int t, int r, int b)
{
	EXPECT_EQ(l, rc.left);
	EXPECT_EQ(t, rc.top);
	EXPECT_EQ(r, rc.right);
	EXPECT_EQ(b, rc.bottom);
}

TEST(GeometryTest, PointFromLParamKeepsNegativeCoordinates)
{
	// Mouse positions left of or above a window arrive as negative shorts.
	CPoint pt(MAKELPARAM(static_cast<WORD>(-5), static_cast<WORD>(-300)));
	EXPECT_EQ(-5, pt.x);
	EXPECT_EQ(-300, pt.y);
	CPoint pt2(MAKELPARAM(640, 480));
	EXPECT_EQ(640, pt2.x);
	EXPECT_EQ(480, pt2.y);

	CPoint a(10, 20);
	a.Offset(-3, 4);
	EXPECT_EQ(CPoint(7, 24), a);
	CSize d = CPoint(10, 10) - CPoint(4, 13);
	EXPECT_EQ(CSize(6, -3), d);
	EXPECT_EQ(CPoint(16, 7), CPoint(10, 10) + d);
	EXPECT_EQ(CPoint(-10, -10), -CPoint(10, 10));
	EXPECT_EQ(CSize(5, 5), CSize(2, 3) + CSize(3, 2));
}

TEST(GeometryTest, RectMeasuresAndCorners)
{
	CRect rc(10, 20, 110, 70);
	EXPECT_EQ(100, rc.Width());
	EXPECT_EQ(50, rc.Height());
	EXPECT_EQ(CSize(100, 50), rc.Size());
	EXPECT_EQ(CPoint(60, 45), rc.CenterPoint());
	// The corners alias the rectangle's own fields.
	rc.TopLeft() = CPoint(0, 0);
	rc.BottomRight().x = 5;
	ExpectRect(rc, 0, 0, 5, 70);

	CRect fromPtSize(CPoint(3, 4), CSize(10, 20));
	ExpectRect(fromPtSize, 3, 4, 13, 24);
	CRect inverted(50, 60, 10, 20);
	EXPECT_EQ(-40, inverted.Width());
	EXPECT_TRUE(inverted.IsRectEmpty());
	EXPECT_FALSE(inverted.IsRectNull());
	inverted.NormalizeRect();
	ExpectRect(inverted, 10, 20, 50, 60);

	EXPECT_TRUE(CRect(5, 5, 5, 9).IsRectEmpty());
	EXPECT_TRUE(CRect().IsRectNull());
	// Right and bottom edges are outside.
	CRect box(0, 0, 10, 10);
	EXPECT_TRUE(box.PtInRect(CPoint(0, 0)));
	EXPECT_TRUE(box.PtInRect(CPoint(9, 9)));
	EXPECT_FALSE(box.PtInRect(CPoint(10, 5)));
	EXPECT_FALSE(box.PtInRect(CPoint(5, -1)));
}

TEST(GeometryTest, InflateDeflateAndOffsetForms)
{
	CRect rc(10, 10, 20, 20);
	rc.InflateRect(2, 3);
	ExpectRect(rc, 8, 7, 22, 23);
	rc.DeflateRect(CSize(2, 3));
	ExpectRect(rc, 10, 10, 20, 20);
	rc.InflateRect(1, 2, 3, 4);
	ExpectRect(rc, 9, 8, 23, 24);
	rc.DeflateRect(CRect(1, 2, 3, 4));
	ExpectRect(rc, 10, 10, 20, 20);
	// Deflating past the middle leaves an inverted (empty) rectangle.
	rc.DeflateRect(6, 6);
	ExpectRect(rc, 16, 16, 14, 14);
	EXPECT_TRUE(rc.IsRectEmpty());

	CRect o(0, 0, 4, 4);
	o.OffsetRect(CPoint(10, -10));
	ExpectRect(o, 10, -10, 14, -6);
	o.OffsetRect(CSize(-10, 10));
	ExpectRect(o, 0, 0, 4, 4);
	o += CPoint(1, 1);
	o -= CSize(2, 2);
	ExpectRect(o, -1, -1, 3, 3);
	const CRect margins(1, 1, 1, 1);
	ExpectRect(o + &margins, -2, -2, 4, 4);
	ExpectRect(o - &margins, 0, 0, 2, 2);
	ExpectRect(CPoint(5, 5) + &o, 4, 4, 8, 8);
	o.MoveToXY(100, 200);
	ExpectRect(o, 100, 200, 104, 204);
}

TEST(GeometryTest, SetOperationsAndTheirEmptyResults)
{
	CRect a(0, 0, 10, 10), b(5, 5, 20, 20), distant(30, 30, 40, 40);
	ExpectRect(a & b, 5, 5, 10, 10);
	ExpectRect(a | b, 0, 0, 20, 20);
	// A disjoint intersection is the null rectangle, not an inverted one.
	CRect none;
	EXPECT_FALSE(none.IntersectRect(&a, &distant));
	EXPECT_TRUE(none.IsRectNull());
	// An empty rectangle takes no part in a union.
	CRect u;
	EXPECT_TRUE(u.UnionRect(&a, CRect(50, 50, 50, 60)));
	EXPECT_EQ(a, u);
	EXPECT_FALSE(u.UnionRect(CRect(), CRect(3, 3, 3, 3)));

	CRect c = a;
	c &= b;
	EXPECT_EQ(CRect(5, 5, 10, 10), c);
	c |= distant;
	EXPECT_EQ(CRect(5, 5, 40, 40), c);

	// Subtraction only works when a whole side is cut away.
	CRect s;
	EXPECT_TRUE(s.SubtractRect(CRect(0, 0, 10, 10), CRect(5, -1, 11, 11)));
	ExpectRect(s, 0, 0, 5, 10);
	EXPECT_TRUE(s.SubtractRect(CRect(0, 0, 10, 10), CRect(2, 2, 4, 4)));
	ExpectRect(s, 0, 0, 10, 10);

	EXPECT_TRUE(a.EqualRect(CRect(0, 0, 10, 10)));
	EXPECT_TRUE(a != b);
	LPCRECT p = a;
	EXPECT_EQ(static_cast<const RECT*>(&a), p);
}
