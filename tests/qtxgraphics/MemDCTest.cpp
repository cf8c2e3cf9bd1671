// MemDCTest.cpp - CMemDC: nothing reaches the target before the buffer goes, which goes cleanly.

#include "GraphicsTestUtil.h"

#include <utility>

namespace
{

const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kBlue = RGB(0, 0, 255);

} // namespace

// A window's buffer is kept for the next one on the thread and replaced by a
// larger one; a buffer over a memory DC goes with its object.
TEST(MemDC, WholeClientAreaReachesTheWindowOnlyAtDestructionAndBuffersAreKeptOnce)
{
	kt::HostWindow host(80, 50, kBlue);
	CClientDC client(&host);
	auto paint = [&](const CRect& rc, COLORREF cr)
	{
		const COLORREF crShown = kt::Snapshot(host.GetSafeHwnd()).At(rc.left, rc.top);
		CMemDC mem(&client, rc);
		EXPECT_TRUE(mem.IsValid());
		mem.FillSolidRect(0, 0, 80, 50, cr);
		CRect rcClip;
		mem.GetClipBox(&rcClip);
		EXPECT_EQ(rcClip, rc);
		EXPECT_EQ(crShown, kt::Snapshot(host.GetSafeHwnd()).At(rc.left, rc.top))
			<< "drawn on the target too early";
		return std::make_pair(mem.GetSafeHdc(), ::GetCurrentObject(mem.GetSafeHdc(), OBJ_BITMAP));
	};
	const auto first = paint(CRect(0, 0, 40, 50), kRed);
	EXPECT_EQ(kt::Snapshot(host.GetSafeHwnd()).At(50, 10), kBlue);
	EXPECT_EQ(paint(CRect(40, 0, 80, 20), kRed), first) << "a smaller area reuses the kept buffer";
	const auto larger = paint(CRect(0, 0, 80, 50), kRed);
	EXPECT_TRUE(::GetObjectType(first.first) == 0 && ::GetObjectType(first.second) == 0)
		<< "replaced, not freed";
	EXPECT_EQ(kRed, kt::Snapshot(host.GetSafeHwnd()).At(70, 40));
	const int before = kt::CountGdiObjects();
	for (int i = 0; i < 10; ++i)
		paint(CRect(i, i, 80, 50), kRed);
	EXPECT_EQ(kt::CountGdiObjects(), before);

	kt::Snapshot::Draw(10, 10, kBlue,
		[&](HDC hdc)
		{
			CDC dc;
			dc.Attach(hdc);
			HDC memDc = nullptr;
			{
				CMemDC mem(&dc);
				memDc = mem.GetSafeHdc();
			}
			EXPECT_NE(memDc, larger.first);
			EXPECT_EQ(::GetObjectType(memDc), 0u) << "a memory DC's buffer is not kept";
			dc.Detach();
		});
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
