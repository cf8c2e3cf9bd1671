// GdiObjectTest.cpp - GDI object wrappers: handle ownership, temporary wrappers, selection round trips.
#include <afxwin.h>

#include <kavrotest/TestSupport.h>

#include <vector>

#include "resource.h"

static bool IsLive(HGDIOBJ h)
{
	return h != NULL && ::GetObjectType(h) != 0;
}

TEST(GdiObjectTest, WrappersDeleteWhatTheyOwnAndNothingElse)
{
	std::vector<HGDIOBJ> owned;
	{
		CPen pen(PS_SOLID, 2, RGB(1, 2, 3));
		CBrush brush(RGB(4, 5, 6));
		CFont font;
		font.CreatePointFont(90, "Tahoma");
		CBitmap bitmap;
		bitmap.CreateBitmap(8, 8, 1, 32, NULL);
		CRgn rgn;
		rgn.CreateRectRgn(0, 0, 5, 5);
		owned = { pen.m_hObject, brush.m_hObject, font.m_hObject, bitmap.m_hObject, rgn.m_hObject };
		for (HGDIOBJ h : owned)
			EXPECT_TRUE(IsLive(h));
	}
	for (HGDIOBJ h : owned)
		EXPECT_FALSE(IsLive(h));

	// A detached handle survives its wrapper; an attached one goes with it,
	// and a second Attach is refused, leaving the other handle alone.
	HBRUSH hKept, hOther = ::CreateSolidBrush(RGB(2, 2, 2));
	{
		CBrush brush(RGB(9, 9, 9));
		hKept = static_cast<HBRUSH>(brush.Detach());
		EXPECT_EQ(nullptr, brush.GetSafeHandle());
		EXPECT_NE(&brush, CBrush::FromHandle(hKept));
	}
	EXPECT_TRUE(IsLive(hKept));
	{
		CBrush owner;
		EXPECT_TRUE(owner.Attach(hKept));
		EXPECT_FALSE(owner.Attach(hOther));
		EXPECT_EQ(hKept, static_cast<HBRUSH>(owner));
		EXPECT_EQ(&owner, CBrush::FromHandle(hKept));
	}
	EXPECT_FALSE(IsLive(hKept));
	EXPECT_TRUE(IsLive(hOther));
	::DeleteObject(hOther);

	CPen pen(PS_SOLID, 1, RGB(0, 0, 0));
	LOGPEN lp = {};
	EXPECT_EQ(static_cast<int>(sizeof(LOGPEN)), pen.GetLogPen(&lp));
	EXPECT_TRUE(pen.DeleteObject());
	EXPECT_FALSE(pen.DeleteObject());
	EXPECT_EQ(0, pen.GetObject(sizeof(LOGPEN), NULL));
}

TEST(GdiObjectTest, PointFontsResourceBitmapsAndRegionCopies)
{
	// Twelve points on a 96-dpi screen are sixteen pixels of character height.
	CFont font;
	ASSERT_TRUE(font.CreatePointFont(120, "Tahoma"));
	LOGFONT lf = {};
	ASSERT_TRUE(font.GetLogFont(&lf));
	CClientDC screen(NULL);
	EXPECT_EQ(-MulDiv(120, screen.GetDeviceCaps(LOGPIXELSY), 720), lf.lfHeight);
	EXPECT_STREQ("Tahoma", lf.lfFaceName);

	CBitmap bmp, missing;
	ASSERT_TRUE(bmp.LoadBitmap(IDB_VALUES_BITMAP));
	BITMAP bm = {};
	ASSERT_TRUE(bmp.GetBitmap(&bm));
	EXPECT_EQ(CSize(4, 2), CSize(bm.bmWidth, bm.bmHeight));
	EXPECT_FALSE(missing.LoadBitmap(999));

	// A copy reads only its source.
	CRgn rgn, copy;
	rgn.CreateRectRgn(0, 0, 20, 10);
	copy.CreateRectRgn(0, 0, 0, 0);
	EXPECT_EQ(SIMPLEREGION, copy.CopyRgn(&rgn));
	CRect box;
	copy.GetRgnBox(&box);
	EXPECT_EQ(CRect(0, 0, 20, 10), box);
}

TEST(GdiObjectTest, FromHandleMakesTypedTemporariesThatNeverOwnTheHandle)
{
	const struct
	{
		int nStock;
		CRuntimeClass* pClass;
	} kTypes[] = { { BLACK_PEN, RUNTIME_CLASS(CPen) }, { WHITE_BRUSH, RUNTIME_CLASS(CBrush) },
		{ DEFAULT_GUI_FONT, RUNTIME_CLASS(CFont) } };
	for (const auto& t : kTypes)
	{
		CGdiObject* pObject = CGdiObject::FromHandle(::GetStockObject(t.nStock));
		EXPECT_TRUE(pObject->IsKindOf(t.pClass)) << t.pClass->m_lpszClassName;
		EXPECT_EQ(pObject, CGdiObject::FromHandle(::GetStockObject(t.nStock)));
	}
	EXPECT_FALSE(
		CPen::FromHandle(static_cast<HPEN>(::GetStockObject(BLACK_PEN)))->IsKindOf(RUNTIME_CLASS(CBrush)));
	EXPECT_EQ(nullptr, CGdiObject::FromHandle(NULL));

	// Freeing the temporaries leaves the handle to its real owner, whom
	// FromHandle then finds instead of a temporary.
	HBRUSH hBrush = ::CreateSolidBrush(RGB(7, 7, 7));
	CBrush::FromHandle(hBrush);
	CGdiObject::DeleteTempMap();
	EXPECT_TRUE(IsLive(hBrush));
	CBrush owner;
	owner.Attach(hBrush);
	EXPECT_EQ(&owner, CBrush::FromHandle(hBrush));
}

TEST(GdiObjectTest, SelectObjectReturnsThePreviousObjectAndRoundTrips)
{
	CDC dc;
	ASSERT_TRUE(dc.CreateCompatibleDC(NULL));
	HGDIOBJ hStockPen = ::GetCurrentObject(dc, OBJ_PEN);
	HGDIOBJ hStockBrush = ::GetCurrentObject(dc, OBJ_BRUSH);
	HGDIOBJ hStockBitmap = ::GetCurrentObject(dc, OBJ_BITMAP);
	CPen pen(PS_SOLID, 3, RGB(255, 0, 0)), pen2(PS_SOLID, 1, RGB(0, 0, 255));
	CBitmap bitmap;
	bitmap.CreateBitmap(16, 16, 1, 32, NULL);

	CPen* pOldPen = dc.SelectObject(&pen);
	CBitmap* pOldBitmap = dc.SelectObject(&bitmap);
	ASSERT_TRUE(pOldPen && pOldBitmap);
	EXPECT_EQ(hStockPen, pOldPen->m_hObject);
	EXPECT_EQ(hStockBitmap, pOldBitmap->m_hObject);
	EXPECT_EQ(&pen, dc.GetCurrentPen());
	// Selecting a second object hands back the permanent wrapper of the first.
	EXPECT_EQ(&pen, dc.SelectObject(&pen2));

	dc.SelectObject(pOldPen);
	dc.SelectObject(pOldBitmap);
	EXPECT_EQ(hStockBrush, dc.SelectStockObject(NULL_BRUSH)->m_hObject);
	EXPECT_EQ(::GetStockObject(NULL_BRUSH), ::GetCurrentObject(dc, OBJ_BRUSH));

	EXPECT_EQ(nullptr, dc.SelectObject(static_cast<CPen*>(NULL)));
	EXPECT_EQ(nullptr, dc.SelectObject(static_cast<CBitmap*>(NULL)));
	EXPECT_EQ(ERROR, dc.SelectObject(static_cast<CRgn*>(NULL)));

	// Deselected, the bitmap is deleted by its wrapper (a selected one
	// could not be).
	HGDIOBJ hBitmap = bitmap;
	EXPECT_TRUE(bitmap.DeleteObject());
	EXPECT_FALSE(IsLive(hBitmap));
}

// The thread's idle time frees the temporary wrappers and leaves their
// handles alone.
TEST(GdiObjectTest, TemporaryWrappersAreFreedWhenIdle)
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
	auto wrapThenIdle = [&](int nWrapped)
	{
		for (int i = 0; i < nWrapped; ++i)
		{
			CBrush::FromHandle(brushes[i]);
			CDC::FromHandle(dcs[i]);
			CMenu::FromHandle(menus[i]);
		}
		kt::RunIdle();
	};
	// The thread's maps come into being on first use; that stays.
	wrapThenIdle(1);
	const size_t nBefore = kt::UsedHeapBlocks();
	wrapThenIdle(kCount);
	EXPECT_LT(kt::UsedHeapBlocks() - nBefore, kCount / 2u);
	for (int i = 0; i < kCount; ++i)
	{
		EXPECT_TRUE(IsLive(brushes[i]));
		EXPECT_TRUE(::DeleteDC(dcs[i]));
		EXPECT_TRUE(::DestroyMenu(menus[i]));
		::DeleteObject(brushes[i]);
	}
}
