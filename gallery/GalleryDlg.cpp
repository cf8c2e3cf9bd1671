// GalleryDlg.cpp - the gallery's main window.
#include "GalleryDlg.h"
#include "Screenshot.h"

#include <commctrl.h>

static const UINT WM_TAKE_SCREENSHOTS = WM_APP + 1;

BEGIN_MESSAGE_MAP(CGalleryDlg, CDialog)
	ON_NOTIFY(TCN_SELCHANGE, IDC_PAGES, &CGalleryDlg::OnSelChangePages)
	ON_MESSAGE(WM_TAKE_SCREENSHOTS, &CGalleryDlg::OnTakeScreenshots)
END_MESSAGE_MAP()

CGalleryDlg::CGalleryDlg(const CString& strShotsDir)
	: CDialog(IDD)
	, m_strShotsDir(strShotsDir)
	, m_nShots(0)
{
	m_pages[0] = &m_pageLabels;
	m_pages[1] = &m_pageFolders;
	m_pages[2] = &m_pageProgress;
	m_pages[3] = &m_pageButtons;
	m_pages[4] = &m_pageEdits;
	m_pages[5] = &m_pageLists;
	m_pages[6] = &m_pageForms;
}

BOOL CGalleryDlg::OnInitDialog()
{
	CDialog::OnInitDialog();

	CWnd* pTabs = GetDlgItem(IDC_PAGES);
	CRect rcPage;
	pTabs->GetWindowRect(&rcPage);
	ScreenToClient(&rcPage);
	for (int i = 0; i < PageCount; ++i)
	{
		TCITEMA item = {};
		item.mask = TCIF_TEXT;
		item.pszText = const_cast<LPSTR>(static_cast<LPCSTR>(m_pages[i]->GetTitle()));
		pTabs->SendMessage(TCM_INSERTITEMA, i, reinterpret_cast<LPARAM>(&item));
	}
	// The pages cover the tab control's display area, above it in Z order.
	pTabs->SendMessage(TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&rcPage));
	for (int i = 0; i < PageCount; ++i)
	{
		m_pages[i]->Create(m_pages[i]->GetTemplateID(), this);
		m_pages[i]->SetWindowPos(&wndTop, rcPage.left, rcPage.top, rcPage.Width(), rcPage.Height(),
			SWP_NOACTIVATE);
	}
	ShowPage(0);

	if (!m_strShotsDir.IsEmpty())
		PostMessage(WM_TAKE_SCREENSHOTS);
	return TRUE;
}

void CGalleryDlg::ShowPage(int nPage)
{
	for (int i = 0; i < PageCount; ++i)
		m_pages[i]->ShowWindow(i == nPage ? SW_SHOW : SW_HIDE);
	GetDlgItem(IDC_PAGES)->SendMessage(TCM_SETCURSEL, nPage);
}

void CGalleryDlg::OnSelChangePages(NMHDR* /*pNotifyStruct*/, LRESULT* pResult)
{
	ShowPage(static_cast<int>(GetDlgItem(IDC_PAGES)->SendMessage(TCM_GETCURSEL)));
	*pResult = 0;
}

LRESULT CGalleryDlg::OnTakeScreenshots(WPARAM, LPARAM)
{
	::CreateDirectoryA(m_strShotsDir, NULL);
	// The modal loop shows the dialog only once it is idle; this message
	// comes first.
	ShowWindow(SW_SHOWNORMAL);
	for (int i = 0; i < PageCount; ++i)
	{
		ShowPage(i);
		RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_FRAME);
		CString strName(m_pages[i]->GetTitle());
		strName.MakeLower();
		CString strPath = m_strShotsDir;
		if (strPath.Right(1) != "\\")
			strPath += "\\";
		strPath += "gallery-" + strName + ".png";
		if (!SaveWindowPng(this, strPath))
		{
			m_nShots = -1;
			break;
		}
		++m_nShots;
	}
	EndDialog(IDOK);
	return 0;
}
