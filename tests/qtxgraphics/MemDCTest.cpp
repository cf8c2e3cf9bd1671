// MemDCTest.cpp - CMemDC: nothing reaches the target before the buffer goes, which goes cleanly.

#include "GraphicsTestUtil.h"

namespace
{

const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kBlue = RGB(0, 0, 255);

} // namespace

TEST(MemDC, WholeClientAreaReachesTheWindowOnlyAtDestructionAndLeavesNothing)
{
	kt::HostWindow host(80, 50, kBlue);
	HDC memDc = nullptr;
	HGDIOBJ memBitmap = nullptr;
	{
		CClientDC client(&host);
		CMemDC mem(&client);
		ASSERT_TRUE(mem.IsValid());
		EXPECT_EQ(CRect(0, 0, 80, 50), mem.GetBufferRect());
		mem.FillSolidRect(0, 0, 40, 50, kRed);
		EXPECT_EQ(kBlue, kt::Snapshot(host.GetSafeHwnd()).At(10, 10)) << "drawn on the target too early";
		memDc = mem.GetSafeHdc();
		memBitmap = ::GetCurrentObject(memDc, OBJ_BITMAP);
	}
	kt::Snapshot shot(host.GetSafeHwnd());
	EXPECT_TRUE(shot.At(10, 10) == kRed && shot.At(60, 10) == kBlue);
	EXPECT_TRUE(::GetObjectType(memDc) == 0 && ::GetObjectType(memBitmap) == 0) << "DC or bitmap left";
}

TEST(MemDC, RectangleUsesTargetCoordinatesAndKeepsTheRest)
{
	kt::Snapshot shot = kt::Snapshot::Draw(60, 40, kBlue,
		[](HDC hdc)
		{
			CDC dc;
			dc.Attach(hdc);
			{
				CMemDC mem(&dc, CRect(20, 10, 50, 30));
				ASSERT_TRUE(mem.IsValid());
				EXPECT_EQ(kBlue, mem.GetPixel(25, 15)) << "the buffer starts as the target";
				mem.FillSolidRect(0, 0, 40, 20, kRed); // reaches outside the rectangle
				EXPECT_EQ(kBlue, ::GetPixel(hdc, 25, 15));
			}
			EXPECT_FALSE(CMemDC(&dc, CRect(5, 5, 5, 15)).IsValid());
			dc.Detach();
		});
	EXPECT_EQ(CRect(20, 10, 40, 20), CRect(shot.Bounds(kBlue))) << "only the buffer's drawing arrives";
	EXPECT_EQ(kRed, shot.At(39, 19));

	CMemDC none(nullptr);
	EXPECT_TRUE(!none.IsValid() && none.GetSafeHdc() == nullptr);
	CDC empty;
	EXPECT_FALSE(CMemDC(&empty).IsValid());
}
