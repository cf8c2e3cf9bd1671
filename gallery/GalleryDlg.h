// GalleryDlg.h - the gallery's main window: a tab control over the pages.
//
// Classes in this file:
//   CGalleryDlg
#pragma once

#include <afxwin.h>

#include "ButtonsPage.h"
#include "EditsPage.h"
#include "FoldersPage.h"
#include "FormsPage.h"
#include "LabelsPage.h"
#include "ListsPage.h"
#include "ProgressPage.h"
#include "resource.h"

class CGalleryDlg : public CDialog
{
// Construction
public:
	// With a folder, the gallery writes a PNG screenshot of every page there
	// and closes by itself.
	explicit CGalleryDlg(const CString& strShotsDir = CString());
	enum
	{
		IDD = IDD_GALLERY
	};

// Attributes
public:
	// Pages written to the screenshot folder; -1 when one could not be written.
	int GetShotCount() const { return m_nShots; }

// Implementation
protected:
	virtual BOOL OnInitDialog() override;
	void ShowPage(int nPage);

	CString m_strShotsDir;
	int m_nShots;
	enum
	{
		PageCount = 7
	};
	CLabelsPage m_pageLabels;
	CFoldersPage m_pageFolders;
	CProgressPage m_pageProgress;
	CButtonsPage m_pageButtons;
	CEditsPage m_pageEdits;
	CListsPage m_pageLists;
	CFormsPage m_pageForms;
	CGalleryPage* m_pages[PageCount];

// Message handlers
protected:
	afx_msg void OnSelChangePages(NMHDR* pNotifyStruct, LRESULT* pResult);
	afx_msg LRESULT OnTakeScreenshots(WPARAM wParam, LPARAM lParam);
	DECLARE_MESSAGE_MAP()
};
