// MemDC.cpp - the double-buffered device context.

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

void CMemDC::Init(CDC* pDC, const CRect& rect)
{
	m_rect = rect;
	m_rect.NormalizeRect();
	if (pDC == nullptr || pDC->GetSafeHdc() == nullptr || m_rect.IsRectEmpty())
		return;
	if (!CreateCompatibleDC(pDC))
		return;
	if (!m_bitmap.CreateCompatibleBitmap(pDC, m_rect.Width(), m_rect.Height()))
	{
		DeleteDC();
		return;
	}
	m_hOldBitmap = ::SelectObject(m_hDC, m_bitmap.GetSafeHandle());
	// Callers draw in the target's coordinates.
	::SetWindowOrgEx(m_hDC, m_rect.left, m_rect.top, nullptr);
	// Start from what the target shows, so that parts the caller leaves
	// untouched come back unchanged.
	::BitBlt(m_hDC, m_rect.left, m_rect.top, m_rect.Width(), m_rect.Height(), pDC->GetSafeHdc(), m_rect.left,
		m_rect.top, SRCCOPY);
	m_pTarget = pDC;
	m_bValid = true;
}

CMemDC::~CMemDC()
{
	if (m_bValid)
	{
		::BitBlt(m_pTarget->GetSafeHdc(), m_rect.left, m_rect.top, m_rect.Width(), m_rect.Height(), m_hDC,
			m_rect.left, m_rect.top, SRCCOPY);
		::SelectObject(m_hDC, m_hOldBitmap);
	}
	if (m_hDC != nullptr)
		DeleteDC();
}
