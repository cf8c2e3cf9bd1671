// ImageListTest.cpp - CImageList: icons in and out, drawing, and ownership of the list.
#include <afxcmn.h>

#include <kavrotest/TestSupport.h>

#include <gtest/gtest.h>

namespace
{

// A 16x16 icon of one opaque colour.
HICON SolidIcon(COLORREF cr)
{
	HDC hScreen = ::GetDC(NULL);
	HDC hMem = ::CreateCompatibleDC(hScreen);
	HBITMAP hColor = ::CreateCompatibleBitmap(hScreen, 16, 16);
	HBITMAP hMask = ::CreateBitmap(16, 16, 1, 1, NULL);
	HGDIOBJ hOld = ::SelectObject(hMem, hColor);
	HBRUSH hBrush = ::CreateSolidBrush(cr);
	RECT rc = { 0, 0, 16, 16 };
	::FillRect(hMem, &rc, hBrush);
	::SelectObject(hMem, hMask);
	::PatBlt(hMem, 0, 0, 16, 16, BLACKNESS);
	::SelectObject(hMem, hOld);
	ICONINFO ii = { TRUE, 0, 0, hMask, hColor };
	HICON hIcon = ::CreateIconIndirect(&ii);
	::DeleteObject(hBrush);
	::DeleteObject(hColor);
	::DeleteObject(hMask);
	::DeleteDC(hMem);
	::ReleaseDC(NULL, hScreen);
	return hIcon;
}

COLORREF CentreOfIcon(HICON hIcon)
{
	kt::Snapshot shot = kt::Snapshot::Draw(16, 16, RGB(255, 255, 255),
		[&](HDC hdc) { ::DrawIconEx(hdc, 0, 0, hIcon, 16, 16, 0, NULL, DI_NORMAL); });
	return shot.At(8, 8);
}

} // namespace

TEST(ImageListTest, IconsGoInComeOutAndDraw)
{
	CImageList list;
	ASSERT_TRUE(list.Create(16, 16, ILC_COLOR32 | ILC_MASK, 2, 2));
	EXPECT_FALSE(list.Create(16, 16, ILC_COLOR32, 1, 1));

	HICON hRed = SolidIcon(RGB(255, 0, 0));
	HICON hBlue = SolidIcon(RGB(0, 0, 255));
	EXPECT_EQ(0, list.Add(hRed));
	EXPECT_EQ(1, list.Add(hRed));
	EXPECT_EQ(2, list.GetImageCount());
	EXPECT_EQ(1, list.Replace(1, hBlue));
	EXPECT_EQ(-1, list.Add(static_cast<HICON>(NULL)));

	HICON hOut = list.ExtractIcon(1);
	ASSERT_NE(nullptr, hOut);
	EXPECT_EQ(RGB(0, 0, 255), CentreOfIcon(hOut));
	::DestroyIcon(hOut);
	EXPECT_EQ(nullptr, list.ExtractIcon(7));

	EXPECT_EQ(CLR_NONE, list.SetBkColor(RGB(1, 2, 3)));
	EXPECT_EQ(RGB(1, 2, 3), list.GetBkColor());
	list.SetBkColor(CLR_NONE);

	kt::Snapshot shot = kt::Snapshot::Draw(40, 20, RGB(255, 255, 255),
		[&](HDC hdc)
		{
			CDC* pDC = CDC::FromHandle(hdc);
			EXPECT_TRUE(list.Draw(pDC, 0, CPoint(0, 2), ILD_NORMAL));
			EXPECT_TRUE(list.Draw(pDC, 1, CPoint(20, 2), ILD_NORMAL));
		});
	EXPECT_EQ(256, shot.Count(RGB(255, 0, 0), CRect(0, 2, 16, 18)));
	EXPECT_EQ(256, shot.Count(RGB(0, 0, 255), CRect(20, 2, 36, 18)));
	EXPECT_EQ(RGB(255, 255, 255), shot.At(18, 10));
	CDC::DeleteTempMap();

	::DestroyIcon(hRed);
	::DestroyIcon(hBlue);
}

TEST(ImageListTest, TheObjectOwnsItsListAndTemporariesDoNot)
{
	HIMAGELIST hList;
	{
		CImageList list;
		ASSERT_TRUE(list.Create(8, 8, ILC_COLOR24, 1, 1));
		hList = list;
		EXPECT_EQ(&list, CImageList::FromHandle(hList));
		EXPECT_EQ(&list, CImageList::FromHandlePermanent(hList));
		EXPECT_TRUE(list.SetImageCount(3));
		EXPECT_EQ(3, list.GetImageCount());
		HIMAGELIST hDetached = list.Detach();
		EXPECT_EQ(nullptr, CImageList::FromHandlePermanent(hDetached));

		// A temporary wrapper does not destroy the list it wraps.
		CImageList* pTemp = CImageList::FromHandle(hDetached);
		ASSERT_NE(nullptr, pTemp);
		EXPECT_EQ(3, pTemp->GetImageCount());
		CImageList::DeleteTempMap();
		EXPECT_EQ(3, ::ImageList_GetImageCount(hDetached));
		EXPECT_TRUE(list.Attach(hDetached));
	}
	// Destroyed with its object: a destroyed list reports no images.
	EXPECT_EQ(0, ::ImageList_GetImageCount(hList));

	CImageList empty;
	EXPECT_EQ(0, empty.GetImageCount());
	EXPECT_FALSE(empty.DeleteImageList());
	EXPECT_EQ(-1, empty.Add(static_cast<HICON>(NULL)));
	EXPECT_FALSE(empty.Draw(NULL, 0, CPoint(0, 0), ILD_NORMAL));
}
