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

// A 24-bit memory context with a white bitmap, owned by CDC/CBitmap objects.
struct MemoryDC
{
	CDC dc;
	CBitmap bitmap;
	CBitmap* pOldBitmap = nullptr;

	MemoryDC(int cx = kCx, int cy = kCy)
	{
		CClientDC screen(NULL);
		dc.CreateCompatibleDC(&screen);
		bitmap.CreateCompatibleBitmap(&screen, cx, cy);
		pOldBitmap = dc.SelectObject(&bitmap);
		dc.FillSolidRect(0, 0, cx, cy, kWhite);
	}
	~MemoryDC() { dc.SelectObject(pOldBitmap); }

	kt::Snapshot Shot() const { return kt::Snapshot(dc.m_hDC, CRect(0, 0, kCx, kCy)); }
};

LOGFONT TahomaLogFont(int height)
{
	LOGFONT lf = {};
	lf.lfHeight = height;
	lf.lfCharSet = DEFAULT_CHARSET;
	lstrcpyA(lf.lfFaceName, "Tahoma");
	return lf;
}

} // namespace

TEST(DcTest, FillSolidRectFillsAndLeavesTheBackgroundColour)
{
	MemoryDC mem;
	mem.dc.SetBkColor(RGB(1, 2, 3));
	mem.dc.FillSolidRect(CRect(10, 5, 20, 15), RGB(200, 0, 0));
	// The list boxes draw their text right after, relying on this colour.
	EXPECT_EQ(RGB(200, 0, 0), mem.dc.GetBkColor());

	// Negative extents grow to the left and up from the given corner.
	mem.dc.FillSolidRect(40, 30, -10, -10, RGB(0, 0, 200));
	kt::Snapshot shot = mem.Shot();
	EXPECT_EQ(100, shot.Count(RGB(200, 0, 0), CRect(10, 5, 20, 15)));
	EXPECT_EQ(100, shot.Count(RGB(200, 0, 0)));
	EXPECT_EQ(100, shot.Count(RGB(0, 0, 200), CRect(30, 20, 40, 30)));
	EXPECT_EQ(100, shot.Count(RGB(0, 0, 200)));
}

TEST(DcTest, Draw3dRectPutsTheCornersOnTheLowerEdges)
{
	const COLORREF tl = RGB(255, 0, 0), br = RGB(0, 0, 255);
	MemoryDC mem;
	mem.dc.Draw3dRect(CRect(10, 10, 20, 16), tl, br);
	kt::Snapshot shot = mem.Shot();
	EXPECT_EQ(tl, shot.At(10, 10));
	EXPECT_EQ(tl, shot.At(18, 10));
	EXPECT_EQ(br, shot.At(19, 10)); // top-right corner
	EXPECT_EQ(tl, shot.At(10, 14));
	EXPECT_EQ(br, shot.At(10, 15)); // bottom-left corner
	EXPECT_EQ(br, shot.At(19, 15));
	EXPECT_EQ(kWhite, shot.At(11, 11));
	EXPECT_EQ(kWhite, shot.At(20, 10));
	// Nine plus five top-left pixels, ten plus six bottom-right, each less
	// the pixel the two edges share.
	EXPECT_EQ(13, shot.Count(tl));
	EXPECT_EQ(15, shot.Count(br));
}

TEST(DcTest, TextOutputMatchesPlainGdi)
{
	LOGFONT lf = TahomaLogFont(-14);
	const char* text = "Hello, gM world";
	CRect rc(2, 2, kCx - 2, kCy - 2);
	const UINT fmt = DT_CENTER | DT_VCENTER | DT_SINGLELINE;

	kt::Snapshot expected = kt::Snapshot::Draw(kCx, kCy, kWhite,
		[&](HDC hdc)
		{
			HFONT hFont = ::CreateFontIndirectA(&lf);
			HGDIOBJ hOld = ::SelectObject(hdc, hFont);
			::SetTextColor(hdc, RGB(0, 0, 128));
			::SetBkMode(hdc, TRANSPARENT);
			RECT r = rc;
			::DrawTextA(hdc, text, -1, &r, fmt);
			::TextOutA(hdc, 3, 1, "ab", 2);
			::SelectObject(hdc, hOld);
			::DeleteObject(hFont);
		});
	kt::Snapshot actual = kt::Snapshot::Draw(kCx, kCy, kWhite,
		[&](HDC hdc)
		{
			CDC* pDC = CDC::FromHandle(hdc);
			CFont font;
			font.CreateFontIndirect(&lf);
			CFont* pOld = pDC->SelectObject(&font);
			pDC->SetTextColor(RGB(0, 0, 128));
			pDC->SetBkMode(TRANSPARENT);
			CRect r = rc;
			pDC->DrawText(CString(text), &r, fmt);
			pDC->TextOut(3, 1, CString("ab"));
			pDC->SelectObject(pOld);
		});
	EXPECT_GT(expected.Count(RGB(0, 0, 128)), 20);
	EXPECT_EQ(0, actual.CountDiff(expected));
	CDC::DeleteTempMap();
}

TEST(DcTest, DrawStateFormsMatchPlainGdi)
{
	HICON hIcon = ::LoadIcon(NULL, IDI_APPLICATION);
	CBitmap bitmap;
	ASSERT_TRUE(bitmap.LoadBitmap(IDB_VALUES_BITMAP));
	HBITMAP hBitmap = bitmap;
	CBrush grey(RGB(128, 128, 128));
	HBRUSH hGrey = grey;

	kt::Snapshot expected = kt::Snapshot::Draw(kCx, kCy, kWhite,
		[&](HDC hdc)
		{
			::DrawStateA(hdc, NULL, NULL, reinterpret_cast<LPARAM>(hIcon), 0, 0, 0, 32, 32, DST_ICON);
			::DrawStateA(hdc, NULL, NULL, reinterpret_cast<LPARAM>(hBitmap), 0, 40, 0, 4, 2,
				DST_BITMAP | DSS_NORMAL);
			::DrawStateA(hdc, hGrey, NULL, reinterpret_cast<LPARAM>("&Text"), 0, 50, 4, 60, 20,
				DST_PREFIXTEXT | DSS_MONO);
		});
	kt::Snapshot actual = kt::Snapshot::Draw(kCx, kCy, kWhite,
		[&](HDC hdc)
		{
			CDC* pDC = CDC::FromHandle(hdc);
			// Both brush forms default their brush, so "no brush" must be typed.
			EXPECT_TRUE(
				pDC->DrawState(CPoint(0, 0), CSize(32, 32), hIcon, DSS_NORMAL, static_cast<HBRUSH>(NULL)));
			EXPECT_TRUE(pDC->DrawState(CPoint(40, 0), CSize(4, 2), &bitmap, DSS_NORMAL));
			EXPECT_TRUE(pDC->DrawState(CPoint(50, 4), CSize(60, 20), "&Text", DSS_MONO, TRUE, 0, &grey));
		});
	EXPECT_GT(expected.CountDiff(kt::Snapshot::Draw(kCx, kCy, kWhite, nullptr)), 100);
	EXPECT_EQ(0, actual.CountDiff(expected));
	CDC::DeleteTempMap();
}

TEST(DcTest, MeasuringAgreesWithPlainGdi)
{
	MemoryDC mem;
	CFont font;
	LOGFONT lf = TahomaLogFont(-20);
	font.CreateFontIndirect(&lf);
	CFont* pOld = mem.dc.SelectObject(&font);

	SIZE plain;
	::GetTextExtentPoint32A(mem.dc, "gM wide text", 12, &plain);
	CSize ours = mem.dc.GetTextExtent(CString("gM wide text"));
	EXPECT_EQ(plain.cx, ours.cx);
	EXPECT_EQ(plain.cy, ours.cy);
	EXPECT_GT(ours.cx, 50);
	EXPECT_EQ(CSize(0, 0), mem.dc.GetTextExtent(NULL, 5));

	// DT_CALCRECT measures into the rectangle and draws nothing.
	CRect calc(0, 0, 0, 0);
	int h = mem.dc.DrawText("two\nlines", -1, &calc, DT_CALCRECT);
	EXPECT_EQ(h, calc.Height());
	EXPECT_EQ(2 * plain.cy, calc.Height());
	EXPECT_EQ(0, mem.Shot().CountDiff(kt::Snapshot::Draw(kCx, kCy, kWhite, nullptr)));

	TEXTMETRIC tm = {};
	ASSERT_TRUE(mem.dc.GetTextMetrics(&tm));
	EXPECT_EQ(plain.cy, tm.tmHeight);
	mem.dc.SelectObject(pOld);
}

TEST(DcTest, SaveRestoreClipAndMapping)
{
	MemoryDC mem;
	int saved = mem.dc.SaveDC();
	ASSERT_NE(0, saved);
	mem.dc.SetTextColor(RGB(9, 9, 9));
	mem.dc.SetBkMode(TRANSPARENT);
	mem.dc.IntersectClipRect(CRect(10, 10, 30, 20));
	CRect clip;
	EXPECT_EQ(SIMPLEREGION, mem.dc.GetClipBox(&clip));
	EXPECT_EQ(CRect(10, 10, 30, 20), clip);
	mem.dc.FillSolidRect(0, 0, kCx, kCy, RGB(0, 200, 0));
	EXPECT_EQ(200, mem.Shot().Count(RGB(0, 200, 0)));

	mem.dc.ExcludeClipRect(10, 10, 20, 20);
	mem.dc.FillSolidRect(0, 0, kCx, kCy, RGB(0, 0, 200));
	EXPECT_EQ(100, mem.Shot().Count(RGB(0, 0, 200)));

	ASSERT_TRUE(mem.dc.RestoreDC(saved));
	EXPECT_EQ(OPAQUE, mem.dc.GetBkMode());
	EXPECT_NE(RGB(9, 9, 9), mem.dc.GetTextColor());
	mem.dc.GetClipBox(&clip);
	EXPECT_EQ(CRect(0, 0, kCx, kCy), clip);

	// A region clip, then none.
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
	CPoint pt(10, 20);
	mem.dc.DPtoLP(&pt);
	EXPECT_EQ(CPoint(0, 0), pt);
	CSize sz(7, 8);
	mem.dc.LPtoDP(&sz);
	EXPECT_EQ(CSize(7, 8), sz);
	CRect r(0, 0, 5, 5);
	mem.dc.LPtoDP(&r);
	EXPECT_EQ(CRect(10, 20, 15, 25), r);
	EXPECT_EQ(CPoint(10, 20), mem.dc.SetViewportOrg(0, 0));
}

TEST(DcTest, ShapesAndBlitsDrawWhereTheyShould)
{
	MemoryDC src, dst;
	src.dc.FillSolidRect(0, 0, 4, 4, RGB(255, 0, 0));
	EXPECT_TRUE(dst.dc.BitBlt(50, 10, 4, 4, &src.dc, 0, 0, SRCCOPY));
	EXPECT_TRUE(dst.dc.StretchBlt(60, 10, 8, 8, &src.dc, 0, 0, 4, 4, SRCCOPY));
	kt::Snapshot shot = dst.Shot();
	EXPECT_EQ(16, shot.Count(RGB(255, 0, 0), CRect(50, 10, 54, 14)));
	EXPECT_EQ(64, shot.Count(RGB(255, 0, 0), CRect(60, 10, 68, 18)));

	CPen pen(PS_SOLID, 1, RGB(0, 0, 255));
	CPen* pOld = dst.dc.SelectObject(&pen);
	dst.dc.MoveTo(0, 30);
	dst.dc.LineTo(10, 30);
	EXPECT_EQ(CPoint(10, 30), dst.dc.GetCurrentPosition());
	dst.dc.SelectStockObject(NULL_BRUSH);
	dst.dc.Rectangle(20, 20, 30, 30);
	dst.dc.SelectObject(pOld);
	dst.dc.SetPixel(100, 5, RGB(0, 255, 0));
	EXPECT_EQ(RGB(0, 255, 0), dst.dc.GetPixel(100, 5));

	shot = dst.Shot();
	EXPECT_EQ(10, shot.Count(RGB(0, 0, 255), CRect(0, 30, 12, 31)));
	EXPECT_EQ(36, shot.Count(RGB(0, 0, 255), CRect(20, 20, 30, 30)));
	EXPECT_EQ(kWhite, shot.At(25, 25));

	EXPECT_TRUE(dst.dc.PatBlt(CRect(0, 0, 4, 4), BLACKNESS));
	EXPECT_EQ(RGB(0, 0, 0), dst.dc.GetPixel(3, 3));
}

TEST(DcTest, FromHandleTemporariesAndPermanentContexts)
{
	HDC hScreen = ::GetDC(NULL);
	CDC* pTemp = CDC::FromHandle(hScreen);
	ASSERT_NE(nullptr, pTemp);
	EXPECT_EQ(pTemp, CDC::FromHandle(hScreen));
	EXPECT_EQ(hScreen, pTemp->m_hDC);
	EXPECT_EQ(hScreen, pTemp->m_hAttribDC);
	EXPECT_EQ(nullptr, CDC::FromHandle(NULL));

	// Freeing the temporaries leaves the context usable.
	CDC::DeleteTempMap();
	EXPECT_NE(0, ::GetDeviceCaps(hScreen, LOGPIXELSY));
	EXPECT_EQ(1, ::ReleaseDC(NULL, hScreen));

	HDC hMem;
	{
		CDC mem;
		ASSERT_TRUE(mem.CreateCompatibleDC(NULL));
		hMem = mem;
		EXPECT_EQ(&mem, CDC::FromHandle(hMem));
		// A context that is already attached refuses a second handle.
		HDC hOther = ::CreateCompatibleDC(NULL);
		EXPECT_FALSE(mem.Attach(hOther));
		::DeleteDC(hOther);
	}
	// The permanent owner deleted its context.
	EXPECT_EQ(0u, ::GetObjectType(hMem));

	CDC detached;
	detached.CreateCompatibleDC(NULL);
	HDC hKept = detached.Detach();
	EXPECT_EQ(nullptr, detached.GetSafeHdc());
	EXPECT_EQ(static_cast<DWORD>(OBJ_MEMDC), ::GetObjectType(hKept));
	::DeleteDC(hKept);
}

namespace
{

// Paints its client area in one colour with CPaintDC and remembers what the
// context looked like.
class PaintProbe : public CWnd
{
public:
	COLORREF m_crFill = RGB(0, 0, 160);
	CRect m_rcPaint;
	bool m_bFoundSelf = false;

protected:
	afx_msg void OnPaint()
	{
		CPaintDC dc(this);
		m_rcPaint = dc.m_ps.rcPaint;
		// During painting the context is the permanent CPaintDC.
		m_bFoundSelf = CDC::FromHandle(dc.m_hDC) == &dc;
		dc.FillSolidRect(&dc.m_ps.rcPaint, m_crFill);
	}
	DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(PaintProbe, CWnd)
	ON_WM_PAINT()
END_MESSAGE_MAP()

} // namespace

const kt::Sequence kOnePaintSeq = { { WM_PAINT, kt::sent }, kt::kSeparator };

TEST(DcTest, PaintDCValidatesTheUpdateRegion)
{
	kt::HostWindow host(200, 100);
	PaintProbe probe;
	ASSERT_TRUE(probe.Create(NULL, "", WS_CHILD | WS_VISIBLE, CRect(10, 10, 60, 40), &host, 100));
	kt::FlushPaint(host.GetSafeHwnd());
	EXPECT_TRUE(probe.m_bFoundSelf);
	EXPECT_EQ(CRect(0, 0, 50, 30), probe.m_rcPaint);
	// EndPaint validated everything: nothing is left to paint.
	EXPECT_FALSE(::GetUpdateRect(probe.GetSafeHwnd(), NULL, FALSE));
	kt::Snapshot shot(probe.GetSafeHwnd());
	EXPECT_EQ(50 * 30, shot.Count(RGB(0, 0, 160)));

	// One paint for one invalid rectangle, and none left in the queue after it.
	kt::MessageRecorder rec(probe.GetSafeHwnd());
	probe.InvalidateRect(CRect(5, 5, 10, 10), FALSE);
	probe.UpdateWindow();
	rec.Separate();
	EXPECT_TRUE(rec.Matches(kOnePaintSeq, kt::kQueries));
	EXPECT_EQ(CRect(5, 5, 10, 10), probe.m_rcPaint);
	probe.DestroyWindow();
}

TEST(DcTest, WindowAndClientContextsHaveTheirOwnOrigins)
{
	kt::HostWindow host(200, 100, RGB(255, 255, 255));
	PaintProbe probe;
	ASSERT_TRUE(probe.Create(NULL, "", WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(10, 10, 60, 40), &host, 101));
	kt::FlushPaint(host.GetSafeHwnd());
	{
		CWindowDC dc(&probe);
		ASSERT_NE(nullptr, dc.GetSafeHdc());
		dc.SetPixel(0, 0, RGB(128, 0, 0));
	}
	{
		CClientDC dc(&probe);
		ASSERT_NE(nullptr, dc.GetSafeHdc());
		EXPECT_EQ(&probe, dc.GetWindow());
		dc.SetPixel(0, 0, RGB(0, 128, 0));
	}
	// The window context starts on the border, the client context inside it.
	kt::Snapshot shot(host.GetSafeHwnd());
	EXPECT_EQ(RGB(128, 0, 0), shot.At(10, 10));
	EXPECT_EQ(RGB(0, 128, 0), shot.At(11, 11));
	probe.DestroyWindow();
}
