// DcTest.cpp - CDC: drawing compared with plain GDI, state left behind, temporaries, window contexts.
//
// Classes in this file:
//   MemoryDC, PaintProbe
#include <afxwin.h>

#include <kavrotest/TestSupport.h>

#include <gtest/gtest.h>

#include "resource.h"

namespace
{

const COLORREF kWhite = RGB(255, 255, 255);
const int kCx = 120;
const int kCy = 40;

// A screen-compatible memory context with a white bitmap, owned by
// CDC/CBitmap objects.
struct MemoryDC
{
	CDC dc;
	CBitmap bitmap;
	CBitmap* pOldBitmap = nullptr;

	MemoryDC()
	{
		CClientDC screen(NULL);
		dc.CreateCompatibleDC(&screen);
		bitmap.CreateCompatibleBitmap(&screen, kCx, kCy);
		pOldBitmap = dc.SelectObject(&bitmap);
		dc.FillSolidRect(0, 0, kCx, kCy, kWhite);
	}
	~MemoryDC() { dc.SelectObject(pOldBitmap); }

	kt::Snapshot Shot() const { return kt::Snapshot(dc.m_hDC, CRect(0, 0, kCx, kCy)); }
};

} // namespace

TEST(DcTest, FillsFramesBlitsAndLinesKeepToTheirEdges)
{
	MemoryDC mem, src;
	mem.dc.FillSolidRect(CRect(10, 5, 20, 15), RGB(200, 0, 0));
	// The list boxes draw their text right after, relying on this colour.
	EXPECT_EQ(RGB(200, 0, 0), mem.dc.GetBkColor());
	// Negative extents grow to the left and up from the given corner.
	mem.dc.FillSolidRect(40, 30, -10, -10, RGB(0, 0, 200));
	// The top-right and bottom-left corners belong to the lower edges.
	const COLORREF tl = RGB(255, 0, 0), br = RGB(0, 0, 255);
	const CRect rc3d(60, 10, 70, 16);
	mem.dc.Draw3dRect(rc3d, tl, br);

	src.dc.FillSolidRect(0, 0, 4, 4, RGB(0, 255, 0));
	EXPECT_TRUE(mem.dc.BitBlt(80, 10, 4, 4, &src.dc, 0, 0, SRCCOPY));
	EXPECT_TRUE(mem.dc.PatBlt(CRect(100, 4, 104, 8), BLACKNESS));
	CPen pen(PS_SOLID, 1, RGB(0, 0, 255));
	CPen* pOld = mem.dc.SelectObject(&pen);
	mem.dc.MoveTo(0, 30);
	mem.dc.LineTo(10, 30);
	mem.dc.SelectStockObject(NULL_BRUSH);
	mem.dc.Rectangle(80, 20, 90, 30);
	mem.dc.SelectObject(pOld);

	kt::Snapshot shot = mem.Shot();
	EXPECT_EQ(100, shot.Count(RGB(200, 0, 0), CRect(10, 5, 20, 15)));
	EXPECT_EQ(100, shot.Count(RGB(0, 0, 200), CRect(30, 20, 40, 30)));
	EXPECT_EQ(br, shot.At(69, 10));
	EXPECT_EQ(br, shot.At(60, 15));
	// Nine plus five top-left pixels, ten plus six bottom-right, each less
	// the pixel the two edges share.
	EXPECT_EQ(13, shot.Count(tl, rc3d));
	EXPECT_EQ(15, shot.Count(br, rc3d));
	EXPECT_EQ(16, shot.Count(RGB(0, 255, 0), CRect(80, 10, 84, 14)));
	EXPECT_EQ(16, shot.Count(RGB(0, 0, 0), CRect(100, 4, 104, 8)));
	EXPECT_EQ(10, shot.Count(RGB(0, 0, 255), CRect(0, 30, 12, 31)));
	EXPECT_EQ(36, shot.Count(RGB(0, 0, 255), CRect(80, 20, 90, 30)));
	// Nothing anywhere else.
	EXPECT_EQ(kCx * kCy - 228 - 78, shot.Count(kWhite));
}

TEST(DcTest, TextAndDrawStateMatchPlainGdi)
{
	const CRect rc(2, 2, kCx - 2, kCy - 2);
	const UINT fmt = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
	HICON hIcon = ::LoadIcon(NULL, IDI_APPLICATION);
	CBitmap bitmap;
	ASSERT_TRUE(bitmap.LoadBitmap(IDB_VALUES_BITMAP));
	CBrush grey(RGB(128, 128, 128));

	kt::Snapshot expected = kt::Snapshot::Draw(kCx, kCy, kWhite,
		[&](HDC hdc)
		{
			::SelectObject(hdc, ::GetStockObject(DEFAULT_GUI_FONT));
			::SetTextColor(hdc, RGB(0, 0, 128));
			::SetBkMode(hdc, TRANSPARENT);
			RECT r = rc;
			::DrawTextA(hdc, "Hello, gM world", -1, &r, fmt);
			::TextOutA(hdc, 3, 1, "ab", 2);
			::DrawStateA(hdc, NULL, NULL, reinterpret_cast<LPARAM>(hIcon), 0, 0, 0, 32, 32, DST_ICON);
			::DrawStateA(hdc, NULL, NULL, reinterpret_cast<LPARAM>(static_cast<HBITMAP>(bitmap)), 0, 40, 0, 4,
				2, DST_BITMAP | DSS_NORMAL);
			::DrawStateA(hdc, grey, NULL, reinterpret_cast<LPARAM>("&Text"), 0, 50, 24, 60, 16,
				DST_PREFIXTEXT | DSS_MONO);
		});
	kt::Snapshot actual = kt::Snapshot::Draw(kCx, kCy, kWhite,
		[&](HDC hdc)
		{
			CDC* pDC = CDC::FromHandle(hdc);
			pDC->SelectStockObject(DEFAULT_GUI_FONT);
			pDC->SetTextColor(RGB(0, 0, 128));
			pDC->SetBkMode(TRANSPARENT);
			CRect r = rc;
			pDC->DrawText(CString("Hello, gM world"), &r, fmt);
			pDC->TextOut(3, 1, CString("ab"));
			// Both brush forms default their brush, so "no brush" must be typed.
			EXPECT_TRUE(
				pDC->DrawState(CPoint(0, 0), CSize(32, 32), hIcon, DSS_NORMAL, static_cast<HBRUSH>(NULL)));
			EXPECT_TRUE(pDC->DrawState(CPoint(40, 0), CSize(4, 2), &bitmap, DSS_NORMAL));
			EXPECT_TRUE(pDC->DrawState(CPoint(50, 24), CSize(60, 16), "&Text", DSS_MONO, TRUE, 0, &grey));
		});
	EXPECT_GT(expected.Count(RGB(0, 0, 128)), 20);
	EXPECT_GT(expected.CountDiff(kt::Snapshot::Draw(kCx, kCy, kWhite, nullptr)), 200);
	EXPECT_EQ(0, actual.CountDiff(expected));
	CDC::DeleteTempMap();
}

TEST(DcTest, MeasuringAgreesWithPlainGdi)
{
	MemoryDC mem;
	mem.dc.SelectStockObject(DEFAULT_GUI_FONT);
	SIZE plain;
	::GetTextExtentPoint32A(mem.dc, "gM wide text", 12, &plain);
	EXPECT_EQ(CSize(plain), mem.dc.GetTextExtent(CString("gM wide text")));
	EXPECT_GT(plain.cx, 30);
	EXPECT_EQ(CSize(0, 0), mem.dc.GetTextExtent(NULL, 5));

	// DT_CALCRECT measures into the rectangle and draws nothing.
	CRect calc(0, 0, 0, 0);
	EXPECT_EQ(2 * plain.cy, mem.dc.DrawText("two\nlines", -1, &calc, DT_CALCRECT));
	EXPECT_EQ(2 * plain.cy, calc.Height());
	EXPECT_EQ(kCx * kCy, mem.Shot().Count(kWhite));
}

TEST(DcTest, SaveRestoreClipAndMapping)
{
	MemoryDC mem;
	int saved = mem.dc.SaveDC();
	ASSERT_NE(0, saved);
	mem.dc.SetBkMode(TRANSPARENT);
	mem.dc.IntersectClipRect(CRect(10, 10, 30, 20));
	mem.dc.ExcludeClipRect(CRect(10, 10, 20, 20));
	mem.dc.FillSolidRect(0, 0, kCx, kCy, RGB(0, 0, 200));
	EXPECT_EQ(100, mem.Shot().Count(RGB(0, 0, 200), CRect(20, 10, 30, 20)));
	EXPECT_EQ(100, mem.Shot().Count(RGB(0, 0, 200)));

	ASSERT_TRUE(mem.dc.RestoreDC(saved));
	EXPECT_EQ(OPAQUE, mem.dc.GetBkMode());
	// A region clip, then none.
	CRect clip;
	CRgn rgn;
	rgn.CreateRectRgn(0, 0, 5, 5);
	EXPECT_NE(ERROR, mem.dc.SelectClipRgn(&rgn));
	mem.dc.GetClipBox(&clip);
	EXPECT_EQ(CRect(0, 0, 5, 5), clip);
	mem.dc.SelectClipRgn(NULL);
	mem.dc.GetClipBox(&clip);
	EXPECT_EQ(CRect(0, 0, kCx, kCy), clip);

	// Origins move points but not sizes.
	mem.dc.SetViewportOrg(10, 20);
	CRect r(0, 0, 5, 5);
	mem.dc.LPtoDP(&r);
	EXPECT_EQ(CRect(10, 20, 15, 25), r);
	CSize sz(7, 8);
	mem.dc.LPtoDP(&sz);
	EXPECT_EQ(CSize(7, 8), sz);
}

TEST(DcTest, FromHandleTemporariesAndPermanentContexts)
{
	HDC hScreen = ::GetDC(NULL);
	CDC* pTemp = CDC::FromHandle(hScreen);
	ASSERT_NE(nullptr, pTemp);
	EXPECT_EQ(pTemp, CDC::FromHandle(hScreen));
	EXPECT_EQ(hScreen, pTemp->m_hAttribDC);
	EXPECT_EQ(nullptr, CDC::FromHandle(NULL));
	// Freeing the temporaries leaves the context to its owner.
	CDC::DeleteTempMap();
	EXPECT_EQ(1, ::ReleaseDC(NULL, hScreen));

	HDC hMem, hOther = ::CreateCompatibleDC(NULL);
	{
		CDC mem;
		ASSERT_TRUE(mem.CreateCompatibleDC(NULL));
		hMem = mem;
		EXPECT_EQ(&mem, CDC::FromHandle(hMem));
		EXPECT_FALSE(mem.Attach(hOther));
	}
	// The permanent owner deleted its context, and only its own.
	EXPECT_EQ(0u, ::GetObjectType(hMem));
	EXPECT_TRUE(::DeleteDC(hOther));

	CDC detached;
	detached.CreateCompatibleDC(NULL);
	HDC hKept = detached.Detach();
	EXPECT_EQ(nullptr, detached.GetSafeHdc());
	EXPECT_TRUE(::DeleteDC(hKept));
}

namespace
{

// Paints its client area in one colour with CPaintDC and remembers what the
// context looked like.
class PaintProbe : public CWnd
{
public:
	CRect m_rcPaint;
	bool m_bFoundSelf = false;

protected:
	afx_msg void OnPaint()
	{
		CPaintDC dc(this);
		m_rcPaint = dc.m_ps.rcPaint;
		// During painting the context is the permanent CPaintDC.
		m_bFoundSelf = CDC::FromHandle(dc.m_hDC) == &dc;
		dc.FillSolidRect(&dc.m_ps.rcPaint, RGB(0, 0, 160));
	}
	DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(PaintProbe, CWnd)
	ON_WM_PAINT()
END_MESSAGE_MAP()

} // namespace

TEST(DcTest, PaintWindowAndClientContexts)
{
	kt::HostWindow host(200, 100);
	PaintProbe probe;
	ASSERT_TRUE(probe.Create(NULL, "", WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(10, 10, 62, 42), &host, 100));
	kt::FlushPaint(host.GetSafeHwnd());
	EXPECT_TRUE(probe.m_bFoundSelf);
	EXPECT_EQ(CRect(0, 0, 50, 30), probe.m_rcPaint);
	EXPECT_FALSE(::GetUpdateRect(probe.GetSafeHwnd(), NULL, FALSE));
	EXPECT_EQ(50 * 30, kt::Snapshot(probe.GetSafeHwnd()).Count(RGB(0, 0, 160)));

	// The window context starts on the border, the client context inside it.
	CWindowDC(&probe).SetPixel(0, 0, RGB(128, 0, 0));
	{
		CClientDC dc(&probe);
		EXPECT_EQ(&probe, dc.GetWindow());
		dc.SetPixel(0, 0, RGB(0, 128, 0));
	}
	kt::Snapshot shot(host.GetSafeHwnd());
	EXPECT_EQ(RGB(128, 0, 0), shot.At(10, 10));
	EXPECT_EQ(RGB(0, 128, 0), shot.At(11, 11));
	probe.DestroyWindow();
}
