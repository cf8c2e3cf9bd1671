// The double-buffered DC: nothing reaches the target before the buffer goes.

#include "Surface.h"

#include <kavrotest/TestSupport.h>

namespace {

void FillBox(HDC hdc, int left, int top, int right, int bottom, COLORREF color)
{
	RECT rc = { left, top, right, bottom };
	HBRUSH brush = ::CreateSolidBrush(color);
	::FillRect(hdc, &rc, brush);
	::DeleteObject(brush);
}

const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kWhite = RGB(255, 255, 255);

}  // namespace

TEST(MemDC, WholeAreaReachesTargetOnlyAtDestruction)
{
	Surface target(60, 40, kWhite);
	CDC dc;
	dc.Attach(target.Dc());
	{
		CMemDC mem(&dc);
		ASSERT_TRUE(mem.IsValid());
		EXPECT_EQ(CRect(0, 0, 60, 40), mem.GetBufferRect());
		FillBox(mem.GetSafeHdc(), 10, 10, 30, 30, kRed);
		EXPECT_EQ(kWhite, target.At(20, 20)) << "drawn on the target too early";
		EXPECT_EQ(kRed, ::GetPixel(mem.GetSafeHdc(), 20, 20));
	}
	EXPECT_EQ(kRed, target.At(20, 20));
	EXPECT_EQ(kWhite, target.At(5, 5));
	dc.Detach();
}

TEST(MemDC, RectangleUsesTargetCoordinatesAndKeepsTheRest)
{
	Surface target(60, 40, kWhite);
	FillBox(target.Dc(), 0, 0, 60, 40, RGB(0, 0, 255));
	CDC dc;
	dc.Attach(target.Dc());
	{
		CMemDC mem(&dc, CRect(20, 10, 50, 30));
		ASSERT_TRUE(mem.IsValid());
		// the buffer starts as what the target shows
		EXPECT_EQ(RGB(0, 0, 255), ::GetPixel(mem.GetSafeHdc(), 25, 15));
		FillBox(mem.GetSafeHdc(), 0, 0, 40, 20, kRed);  // reaches outside the rectangle
	}
	dc.Detach();
	EXPECT_EQ(kRed, target.At(20, 10));
	EXPECT_EQ(kRed, target.At(39, 19));
	EXPECT_EQ(RGB(0, 0, 255), target.At(40, 20)) << "untouched buffer pixels come back unchanged";
	EXPECT_EQ(RGB(0, 0, 255), target.At(5, 5)) << "outside the rectangle nothing changes";
	EXPECT_EQ(RGB(0, 0, 255), target.At(55, 35));
}

TEST(MemDC, PaintsAWindowThroughItsClientDC)
{
	kt::HostWindow host(80, 50, kWhite);
	{
		CClientDC client(&host);
		CMemDC mem(&client);
		ASSERT_TRUE(mem.IsValid());
		FillBox(mem.GetSafeHdc(), 0, 0, 40, 50, kRed);
		EXPECT_EQ(kWhite, kt::Snapshot(host.GetSafeHwnd()).At(10, 10));
	}
	kt::Snapshot shot(host.GetSafeHwnd());
	EXPECT_EQ(kRed, shot.At(10, 10));
	EXPECT_EQ(kWhite, shot.At(60, 10));
}

TEST(MemDC, InvalidTargetsAreLeftAlone)
{
	CMemDC none(nullptr);
	EXPECT_FALSE(none.IsValid());
	EXPECT_EQ(nullptr, none.GetSafeHdc());

	CDC empty;
	CMemDC noHandle(&empty);
	EXPECT_FALSE(noHandle.IsValid());

	Surface target(20, 20, kWhite);
	CDC dc;
	dc.Attach(target.Dc());
	{
		CMemDC flat(&dc, CRect(5, 5, 5, 15));
		EXPECT_FALSE(flat.IsValid());
	}
	EXPECT_EQ(kWhite, target.At(5, 5));
	dc.Detach();
}

TEST(MemDC, ReleasesItsDCAndBitmap)
{
	Surface target(30, 30);
	CDC dc;
	dc.Attach(target.Dc());
	const int before = GdiObjectCount();
	HDC memDc = nullptr;
	HGDIOBJ memBitmap = nullptr;
	for (int i = 0; i < 50; ++i)
	{
		CMemDC mem(&dc);
		memDc = mem.GetSafeHdc();
		memBitmap = ::GetCurrentObject(memDc, OBJ_BITMAP);
	}
	dc.Detach();
	EXPECT_EQ(0u, ::GetObjectType(memDc));
	EXPECT_EQ(0u, ::GetObjectType(memBitmap));
	EXPECT_EQ(before, GdiObjectCount());
	// the target's own bitmap is still selected and alive
	EXPECT_EQ(DWORD(OBJ_BITMAP), ::GetObjectType(::GetCurrentObject(target.Dc(), OBJ_BITMAP)));
}
