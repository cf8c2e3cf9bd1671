// ImageListWithoutAfxcmn.cpp - CImageList comes with afxcmn.h, not afxwin.h.
#include <afxwin.h>

CImageList* g_pImages = NULL;
