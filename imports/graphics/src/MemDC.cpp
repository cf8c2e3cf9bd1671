// MemDC.cpp - the double-buffered device context.
//
// Classes in this file:
//   SpareBuffer

#include <qtx/Graphics.h>

CMemDC::CMemDC(CDC* pDC)
	: m_pTarget(nullptr)
	, m_hOldBitmap(nullptr)
	, m_bValid(false)
{
	CRect rect;
	if (pDC != nullptr && pDC->GetSafeHdc() != nullptr)
		::GetClipBox(pDC->GetSafeHdc(), &rect);
	Init(pDC, rect);
}

CMemDC::CMemDC(CDC* pDC, const CRect& rect)
	: m_pTarget(nullptr)
	, m_hOldBitmap(nullptr)
	, m_bValid(false)
{
	Init(pDC, rect);
}

namespace
{

// The buffer of the last CMemDC on this thread, kept for the next one: for a
// small control, making a memory DC and a bitmap costs more than the paint.
// Kept only for buffers over a window's DC (every window has the screen's
// format) up to kSpareMaxPixels (1 MB at 32 bits a pixel); one taken is not
// in the slot, so nested buffers make their own. (GetDeviceCaps on a window
// DC costs as much as the paint under Wine, so the format is not asked.)
const long kSpareMaxPixels = 512 * 512;

struct SpareBuffer
{
	HDC hdc = nullptr;
	HBITMAP hBitmap = nullptr;
	HGDIOBJ hOldBitmap = nullptr;
	CSize size;

	~SpareBuffer() { Free(); }
	void Free()
	{
		if (hdc != nullptr)
		{
			::SelectObject(hdc, hOldBitmap);
			::DeleteDC(hdc);
		}
		if (hBitmap != nullptr)
			::DeleteObject(hBitmap);
		Forget();
	}
	// Drops the handles without deleting them: they were handed on.
	void Forget()
	{
		hdc = nullptr;
		hBitmap = nullptr;
		hOldBitmap = nullptr;
	}
};

thread_local SpareBuffer t_spare;

bool IsWindowDC(HDC hdc)
{
	return ::GetObjectType(hdc) == OBJ_DC && ::WindowFromDC(hdc) != nullptr;
}

} // namespace

void CMemDC::Init(CDC* pDC, const CRect& rect)
{
	m_rect = rect;
	m_rect.NormalizeRect();
	if (pDC == nullptr || pDC->GetSafeHdc() == nullptr || m_rect.IsRectEmpty())
		return;
	if (t_spare.hdc != nullptr && IsWindowDC(pDC->GetSafeHdc()) && t_spare.size.cx >= m_rect.Width() &&
		t_spare.size.cy >= m_rect.Height())
	{
		Attach(t_spare.hdc);
		m_bitmap.Attach(t_spare.hBitmap);
		m_hOldBitmap = t_spare.hOldBitmap;
		t_spare.Forget();
	}
	else
	{
		if (!CreateCompatibleDC(pDC))
			return;
		if (!m_bitmap.CreateCompatibleBitmap(pDC, m_rect.Width(), m_rect.Height()))
		{
			DeleteDC();
			return;
		}
		m_hOldBitmap = ::SelectObject(m_hDC, m_bitmap.GetSafeHandle());
	}
	// Whatever the caller selects or sets goes with the RestoreDC at the end.
	::SaveDC(m_hDC);
	// Callers draw in the target's coordinates, and a kept buffer larger
	// than the area clips as one of the area's size would.
	::SetWindowOrgEx(m_hDC, m_rect.left, m_rect.top, nullptr);
	::IntersectClipRect(m_hDC, m_rect.left, m_rect.top, m_rect.right, m_rect.bottom);
	// Start from what the target shows, so that parts the caller leaves
	// untouched come back unchanged.
	::BitBlt(m_hDC, m_rect.left, m_rect.top, m_rect.Width(), m_rect.Height(), pDC->GetSafeHdc(), m_rect.left,
		m_rect.top, SRCCOPY);
	m_pTarget = pDC;
	m_bValid = true;
}

CMemDC::~CMemDC()
{
	if (!m_bValid)
		return;
	::BitBlt(m_pTarget->GetSafeHdc(), m_rect.left, m_rect.top, m_rect.Width(), m_rect.Height(), m_hDC,
		m_rect.left, m_rect.top, SRCCOPY);
	::RestoreDC(m_hDC, -1);
	BITMAP bm = {};
	m_bitmap.GetBitmap(&bm);
	if (IsWindowDC(m_pTarget->GetSafeHdc()) && static_cast<long>(bm.bmWidth) * bm.bmHeight <= kSpareMaxPixels)
	{
		t_spare.Free();
		t_spare.size = CSize(bm.bmWidth, bm.bmHeight);
		t_spare.hOldBitmap = m_hOldBitmap;
		t_spare.hBitmap = static_cast<HBITMAP>(m_bitmap.Detach());
		t_spare.hdc = Detach();
		return;
	}
	::SelectObject(m_hDC, m_hOldBitmap);
	DeleteDC();
}
