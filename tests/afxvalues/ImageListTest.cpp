// ImageListTest.cpp - CImageList: icons in and out, drawing, and ownership of the list.
#include <afxcmn.h>

#include <kavrotest/TestSupport.h>

#include <gtest/gtest.h>

namespace
{

const COLORREF kRed = RGB(255, 0, 0), kBlue = RGB(0, 0, 255), kWhite = RGB(255, 255, 255);

} // namespace

TEST(ImageListTest, IconsGoInComeOutAndDraw)
{
	CImageList list;
	ASSERT_TRUE(list.Create(16, 16, ILC_COLOR32 | ILC_MASK, 2, 2));
	EXPECT_FALSE(list.Create(16, 16, ILC_COLOR32, 1, 1));

	HICON hRed = kt::SolidIcon(kRed), hBlue = kt::SolidIcon(kBlue);
	EXPECT_EQ(0, list.Add(hRed));
	EXPECT_EQ(1, list.Add(hRed));
	EXPECT_EQ(1, list.Replace(1, hBlue));
	EXPECT_EQ(-1, list.Add(static_cast<HICON>(NULL)));
	EXPECT_EQ(2, list.GetImageCount());
	// The list keeps copies: the caller's icons go, the list's stay.
	::DestroyIcon(hRed);
	::DestroyIcon(hBlue);

	HICON hOut = list.ExtractIcon(1);
	kt::Snapshot shot = kt::Snapshot::Draw(60, 20, kWhite,
		[&](HDC hdc)
		{
			CDC* pDC = CDC::FromHandle(hdc);
			EXPECT_TRUE(list.Draw(pDC, 0, CPoint(0, 2), ILD_NORMAL));
			EXPECT_TRUE(list.Draw(pDC, 1, CPoint(20, 2), ILD_NORMAL));
			::DrawIconEx(hdc, 40, 2, hOut, 16, 16, 0, NULL, DI_NORMAL);
		});
	::DestroyIcon(hOut);
	EXPECT_EQ(256, shot.Count(kRed, CRect(0, 2, 16, 18)));
	EXPECT_EQ(256, shot.Count(kBlue, CRect(20, 2, 36, 18)));
	EXPECT_EQ(256, shot.Count(kBlue, CRect(40, 2, 56, 18)));
	EXPECT_EQ(60 * 20 - 3 * 256, shot.Count(kWhite));
	CDC::DeleteTempMap();
}

TEST(ImageListTest, TheObjectOwnsItsListAndTemporariesDoNot)
{
	HIMAGELIST hList;
	{
		CImageList list;
		ASSERT_TRUE(list.Create(8, 8, ILC_COLOR24, 1, 1));
		hList = list;
		EXPECT_EQ(&list, CImageList::FromHandle(hList));
		EXPECT_TRUE(list.SetImageCount(3));
		HIMAGELIST hDetached = list.Detach();
		EXPECT_EQ(nullptr, CImageList::FromHandlePermanent(hDetached));

		// A temporary wrapper does not destroy the list it wraps.
		EXPECT_EQ(3, CImageList::FromHandle(hDetached)->GetImageCount());
		CImageList::DeleteTempMap();
		EXPECT_EQ(3, ::ImageList_GetImageCount(hDetached));
		EXPECT_TRUE(list.Attach(hDetached));
		EXPECT_EQ(&list, CImageList::FromHandlePermanent(hList));
	}
	// Destroyed with its object: a destroyed list reports no images.
	EXPECT_EQ(0, ::ImageList_GetImageCount(hList));

	CImageList empty;
	EXPECT_EQ(0, empty.GetImageCount());
	EXPECT_FALSE(empty.DeleteImageList());
	EXPECT_EQ(-1, empty.Add(static_cast<HICON>(NULL)));
	EXPECT_FALSE(empty.Draw(NULL, 0, CPoint(0, 0), ILD_NORMAL));
}
