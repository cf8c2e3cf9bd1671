// Screenshot.cpp - a window's picture as a PNG file.
#include "Screenshot.h"

#include <gdiplus.h>

#include <vector>

static BOOL GetPngEncoder(CLSID& clsid)
{
	UINT nCount = 0, nSize = 0;
	if (Gdiplus::GetImageEncodersSize(&nCount, &nSize) != Gdiplus::Ok || nSize == 0)
		return FALSE;
	std::vector<BYTE> buffer(nSize);
	Gdiplus::ImageCodecInfo* pCodecs = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
	if (Gdiplus::GetImageEncoders(nCount, nSize, pCodecs) != Gdiplus::Ok)
		return FALSE;
	for (UINT i = 0; i < nCount; ++i)
	{
		if (wcscmp(pCodecs[i].MimeType, L"image/png") == 0)
		{
			clsid = pCodecs[i].Clsid;
			return TRUE;
		}
	}
	return FALSE;
}

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
	if (!GetPngEncoder(clsidPng))
		return FALSE;
	Gdiplus::Bitmap image(static_cast<HBITMAP>(bitmap.GetSafeHandle()), NULL);
	const int nWide = ::MultiByteToWideChar(CP_ACP, 0, strPath, -1, NULL, 0);
	std::vector<wchar_t> wide(nWide > 0 ? nWide : 1);
	::MultiByteToWideChar(CP_ACP, 0, strPath, -1, wide.data(), nWide);
	return image.Save(wide.data(), &clsidPng, NULL) == Gdiplus::Ok;
}
