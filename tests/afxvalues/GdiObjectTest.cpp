// GdiObjectTest.cpp - GDI object wrappers: handle ownership, temporary wrappers, selection round trips.
#include <afxwin.h>

#include <gtest/gtest.h>

#include <malloc.h>

#include <vector>

#include "resource.h"

static bool IsLive(HGDIOBJ h)
{
	return h != NULL && ::GetObjectType(h) != 0;
}

TEST(GdiObjectTest, WrappersDeleteWhatTheyOwnAndNothingElse)
{
	HGDIOBJ hPen, hBrush, hFont, hBitmap, hRgn;
	{
		CPen pen(PS_SOLID, 2, RGB(1, 2, 3));
		CBrush brush(RGB(4, 5, 6));
		CFont font;
		ASSERT_TRUE(font.CreatePointFont(90, "Tahoma"));
		CBitmap bitmap;
		ASSERT_TRUE(bitmap.CreateBitmap(8, 8, 1, 32, NULL));
		CRgn rgn;
		ASSERT_TRUE(rgn.CreateRectRgn(0, 0, 5, 5));
		hPen = pen;
		hBrush = brush;
		hFont = font;
		hBitmap = bitmap;
		hRgn = rgn;
		EXPECT_TRUE(IsLive(hPen) && IsLive(hBrush) && IsLive(hFont) && IsLive(hBitmap) && IsLive(hRgn));
	}
	EXPECT_FALSE(IsLive(hPen));
	EXPECT_FALSE(IsLive(hBrush));
	EXPECT_FALSE(IsLive(hFont));
	EXPECT_FALSE(IsLive(hBitmap));
	EXPECT_FALSE(IsLive(hRgn));

	// A detached handle survives its wrapper; an attached one does not.
	HBRUSH hKept;
	{
		CBrush brush(RGB(9, 9, 9));
		hKept = static_cast<HBRUSH>(brush.Detach());
		EXPECT_EQ(nullptr, brush.GetSafeHandle());
	}
	EXPECT_TRUE(IsLive(hKept));
	{
		CBrush owner;
		EXPECT_TRUE(owner.Attach(hKept));
		EXPECT_EQ(&owner, CBrush::FromHandle(hKept));
	}
	EXPECT_FALSE(IsLive(hKept));

	CPen failed(PS_SOLID, 1, RGB(0, 0, 0));
	EXPECT_TRUE(failed.DeleteObject());
	EXPECT_FALSE(failed.DeleteObject());
	EXPECT_EQ(0, failed.GetObject(sizeof(LOGPEN), NULL));
}

TEST(GdiObjectTest, SecondAttachIsRefusedAndLeavesBothHandlesAlone)
{
	HBRUSH hFirst = ::CreateSolidBrush(RGB(1, 1, 1));
	HBRUSH hSecond = ::CreateSolidBrush(RGB(2, 2, 2));
	{
		CBrush brush;
		ASSERT_TRUE(brush.Attach(hFirst));
		EXPECT_FALSE(brush.Attach(hSecond));
		EXPECT_EQ(hFirst, static_cast<HBRUSH>(brush));
	}
	EXPECT_FALSE(IsLive(hFirst));
	EXPECT_TRUE(IsLive(hSecond));
	::DeleteObject(hSecond);
}

TEST(GdiObjectTest, CreatedObjectsCarryTheirAttributes)
{
	CPen pen(PS_DASH, 1, RGB(10, 20, 30));
	LOGPEN lp = {};
	ASSERT_EQ(static_cast<int>(sizeof(LOGPEN)), pen.GetLogPen(&lp));
	EXPECT_EQ(static_cast<UINT>(PS_DASH), lp.lopnStyle);
	EXPECT_EQ(RGB(10, 20, 30), lp.lopnColor);

	CBrush brush;
	ASSERT_TRUE(brush.CreateHatchBrush(HS_CROSS, RGB(1, 2, 3)));
	LOGBRUSH lb = {};
	ASSERT_TRUE(brush.GetLogBrush(&lb));
	EXPECT_EQ(static_cast<UINT>(BS_HATCHED), lb.lbStyle);
	EXPECT_EQ(static_cast<ULONG_PTR>(HS_CROSS), lb.lbHatch);

	// Twelve points on a 96-dpi screen are sixteen pixels of character height.
	CFont font;
	ASSERT_TRUE(font.CreatePointFont(120, "Tahoma"));
	LOGFONT lf = {};
	ASSERT_TRUE(font.GetLogFont(&lf));
	HDC hScreen = ::GetDC(NULL);
	int dpi = ::GetDeviceCaps(hScreen, LOGPIXELSY);
	::ReleaseDC(NULL, hScreen);
	EXPECT_EQ(-MulDiv(120, dpi, 720), lf.lfHeight);
	EXPECT_STREQ("Tahoma", lf.lfFaceName);

	CBitmap bmp;
	ASSERT_TRUE(bmp.LoadBitmap(IDB_VALUES_BITMAP));
	BITMAP bm = {};
	ASSERT_TRUE(bmp.GetBitmap(&bm));
	EXPECT_EQ(4, bm.bmWidth);
	EXPECT_EQ(2, bm.bmHeight);
	CBitmap missing;
	EXPECT_FALSE(missing.LoadBitmap(999));

	CRgn a, b, both;
	ASSERT_TRUE(a.CreateRectRgn(0, 0, 10, 10));
	ASSERT_TRUE(b.CreateRectRgn(5, 0, 20, 10));
	ASSERT_TRUE(both.CreateRectRgn(0, 0, 0, 0));
	EXPECT_EQ(SIMPLEREGION, both.CombineRgn(&a, &b, RGN_OR));
	CRect box;
	both.GetRgnBox(&box);
	EXPECT_EQ(CRect(0, 0, 20, 10), box);
	EXPECT_TRUE(both.PtInRegion(19, 9));
	EXPECT_FALSE(both.PtInRegion(20, 9));
}

TEST(GdiObjectTest, FromHandleMakesTypedTemporariesThatNeverOwnTheHandle)
{
	HBRUSH hBrush = ::CreateSolidBrush(RGB(7, 7, 7));
	HPEN hPen = ::CreatePen(PS_SOLID, 1, RGB(7, 7, 7));

	CBrush* pBrush = CBrush::FromHandle(hBrush);
	ASSERT_NE(nullptr, pBrush);
	EXPECT_EQ(pBrush, CBrush::FromHandle(hBrush));
	EXPECT_TRUE(pBrush->IsKindOf(RUNTIME_CLASS(CBrush)));
	CGdiObject* pPen = CGdiObject::FromHandle(hPen);
	EXPECT_TRUE(pPen->IsKindOf(RUNTIME_CLASS(CPen)));
	EXPECT_FALSE(pPen->IsKindOf(RUNTIME_CLASS(CBrush)));
	EXPECT_EQ(nullptr, CGdiObject::FromHandle(NULL));

	// Freeing the temporaries leaves the handles to their real owner.
	CGdiObject::DeleteTempMap();
	EXPECT_TRUE(IsLive(hBrush));
	EXPECT_TRUE(IsLive(hPen));

	// A permanent owner is found instead of a temporary.
	CBrush owner;
	owner.Attach(hBrush);
	EXPECT_EQ(&owner, CBrush::FromHandle(hBrush));
	::DeleteObject(hPen);
}

TEST(GdiObjectTest, SelectObjectReturnsThePreviousObjectAndRoundTrips)
{
	CDC dc;
	ASSERT_TRUE(dc.CreateCompatibleDC(NULL));
	HGDIOBJ hStockPen = ::GetCurrentObject(dc, OBJ_PEN);
	HGDIOBJ hStockBrush = ::GetCurrentObject(dc, OBJ_BRUSH);
	HGDIOBJ hStockFont = ::GetCurrentObject(dc, OBJ_FONT);
	HGDIOBJ hStockBitmap = ::GetCurrentObject(dc, OBJ_BITMAP);

	CPen pen(PS_SOLID, 3, RGB(255, 0, 0));
	CBrush brush(RGB(0, 255, 0));
	CFont font;
	font.CreatePointFont(100, "Tahoma");
	CBitmap bitmap;
	bitmap.CreateBitmap(16, 16, 1, 32, NULL);

	CPen* pOldPen = dc.SelectObject(&pen);
	CBrush* pOldBrush = dc.SelectObject(&brush);
	CFont* pOldFont = dc.SelectObject(&font);
	CBitmap* pOldBitmap = dc.SelectObject(&bitmap);
	ASSERT_TRUE(pOldPen && pOldBrush && pOldFont && pOldBitmap);
	EXPECT_EQ(hStockPen, pOldPen->m_hObject);
	EXPECT_EQ(hStockBrush, pOldBrush->m_hObject);
	EXPECT_EQ(hStockFont, pOldFont->m_hObject);
	EXPECT_EQ(hStockBitmap, pOldBitmap->m_hObject);
	EXPECT_TRUE(pOldPen->IsKindOf(RUNTIME_CLASS(CPen)));
	EXPECT_EQ(static_cast<HGDIOBJ>(font), ::GetCurrentObject(dc, OBJ_FONT));
	EXPECT_EQ(&pen, dc.GetCurrentPen());

	// Selecting a second object hands back the permanent wrapper of the first.
	CPen pen2(PS_SOLID, 1, RGB(0, 0, 255));
	EXPECT_EQ(&pen, dc.SelectObject(&pen2));

	dc.SelectObject(pOldPen);
	dc.SelectObject(pOldBrush);
	dc.SelectObject(pOldFont);
	dc.SelectObject(pOldBitmap);
	EXPECT_EQ(hStockPen, ::GetCurrentObject(dc, OBJ_PEN));
	EXPECT_EQ(hStockBitmap, ::GetCurrentObject(dc, OBJ_BITMAP));

	CGdiObject* pOld = dc.SelectStockObject(NULL_BRUSH);
	ASSERT_NE(nullptr, pOld);
	EXPECT_EQ(hStockBrush, pOld->m_hObject);
	EXPECT_EQ(::GetStockObject(NULL_BRUSH), ::GetCurrentObject(dc, OBJ_BRUSH));

	EXPECT_EQ(nullptr, dc.SelectObject(static_cast<CPen*>(NULL)));
	EXPECT_EQ(nullptr, dc.SelectObject(static_cast<CBitmap*>(NULL)));
	EXPECT_EQ(ERROR, dc.SelectObject(static_cast<CRgn*>(NULL)));

	// Deselected objects are deleted by their wrappers (a selected bitmap
	// could not be).
	HGDIOBJ hBitmap = bitmap;
	EXPECT_TRUE(bitmap.DeleteObject());
	EXPECT_FALSE(IsLive(hBitmap));
}

// Bytes in use on the C runtime heap, which every module of the process
// shares and where the framework allocates its objects.
static long long HeapInUse()
{
	_HEAPINFO info = {};
	long long used = 0;
	while (_heapwalk(&info) == _HEAPOK)
	{
		if (info._useflag == _USEDENTRY)
			used += static_cast<long long>(info._size);
	}
	return used;
}

TEST(GdiObjectTest, TemporaryWrappersAreFreedWhenTheMapsAreCleared)
{
	const int kCount = 300;
	std::vector<HBRUSH> brushes;
	std::vector<HDC> dcs;
	std::vector<HMENU> menus;
	for (int i = 0; i < kCount; ++i)
	{
		brushes.push_back(::CreateSolidBrush(RGB(i, 1, 1)));
		dcs.push_back(::CreateCompatibleDC(NULL));
		menus.push_back(::CreatePopupMenu());
	}
	auto wrapAll = [&]()
	{
		for (int i = 0; i < kCount; ++i)
		{
			CBrush::FromHandle(brushes[i]);
			CDC::FromHandle(dcs[i]);
			CMenu::FromHandle(menus[i]);
		}
	};
	auto clearMaps = []()
	{
		CGdiObject::DeleteTempMap();
		CDC::DeleteTempMap();
		CMenu::DeleteTempMap();
	};
	// The thread's maps come into being on first use; that stays.
	CBrush::FromHandle(static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
	CDC::FromHandle(dcs[0]);
	CMenu::FromHandle(menus[0]);
	clearMaps();

	// Keeping the wrappers would hold several hundred objects.
	const long long kTolerance = static_cast<long long>(kCount * sizeof(CObject));
	long long before = HeapInUse();
	wrapAll();
	clearMaps();
	EXPECT_LT(HeapInUse() - before, kTolerance);

	// The thread's idle time clears them too (the message loop calls OnIdle
	// with a growing count while it answers non-zero).
	before = HeapInUse();
	wrapAll();
	for (LONG lCount = 0; AfxGetApp()->OnIdle(lCount); lCount++)
	{
	}
	EXPECT_LT(HeapInUse() - before, kTolerance);

	// The handles all outlived their wrappers.
	for (int i = 0; i < kCount; ++i)
	{
		EXPECT_TRUE(IsLive(brushes[i]));
		EXPECT_TRUE(::DeleteDC(dcs[i]));
		EXPECT_TRUE(::DestroyMenu(menus[i]));
		::DeleteObject(brushes[i]);
	}
}
