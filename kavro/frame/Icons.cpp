// Icons.cpp - loading and measuring the icons of the buttons and icon controls.
#include <afxwin.h>

#include "Frame.h"

HICON AFXAPI LoadIconResource(UINT nID, HINSTANCE hModule)
{
	if (hModule == NULL)
		hModule = AfxGetModuleState()->m_hCurrentInstanceHandle;
	return static_cast<HICON>(
		::LoadImageA(hModule, MAKEINTRESOURCEA(LOWORD(nID)), IMAGE_ICON, 0, 0, LR_DEFAULTCOLOR));
}

bool AFXAPI GetIconRect(HICON hIcon, CRect& rcIcon)
{
	ICONINFO info = {};
	if (hIcon == NULL || !::GetIconInfo(hIcon, &info))
	{
		rcIcon.SetRectEmpty();
		return false;
	}
	// The bitmaps are copies made for the caller.
	if (info.hbmMask != NULL)
		::DeleteObject(info.hbmMask);
	if (info.hbmColor != NULL)
		::DeleteObject(info.hbmColor);
	rcIcon.SetRect(0, 0, 2 * static_cast<int>(info.xHotspot), 2 * static_cast<int>(info.yHotspot));
	return true;
}

CRect AFXAPI GetIconRect(HICON hIcon)
{
	CRect rcIcon;
	GetIconRect(hIcon, rcIcon);
	return rcIcon;
}
