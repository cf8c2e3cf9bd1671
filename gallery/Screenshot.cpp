// Screenshot.cpp - a window's picture as a PNG file.
#include "Screenshot.h"

#include <qtx/Graphics.h>
#include <qtx/Support.h>

BOOL SaveWindowPng(CWnd* pWnd, const CString& strPath)
{
	if (pWnd == NULL || !::IsWindow(pWnd->GetSafeHwnd()) || strPath.IsEmpty())
		return FALSE;

	CRect rc;
	pWnd->GetWindowRect(&rc);
	CWindowDC dcWindow(pWnd);
	CDC dcMem;
	CBitmap bitmap;
	if (!dcMem.CreateCompatibleDC(&dcWindow) ||
		!bitmap.CreateCompatibleBitmap(&dcWindow, rc.Width(), rc.Height()))
		return FALSE;
	CBitmap* pOldBitmap = dcMem.SelectObject(&bitmap);
	dcMem.BitBlt(0, 0, rc.Width(), rc.Height(), &dcWindow, 0, 0, SRCCOPY);
	dcMem.SelectObject(pOldBitmap);

	CLSID clsidPng;
	if (!GraphicsUtils::GetEncoderClsid(L"image/png", clsidPng))
		return FALSE;
	Gdiplus::Bitmap image(static_cast<HBITMAP>(bitmap.GetSafeHandle()), NULL);
	return image.Save(StringUtils::ToWide(strPath).c_str(), &clsidPng, NULL) == Gdiplus::Ok;
}
