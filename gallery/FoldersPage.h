// FoldersPage.h - the gallery page of the directory tree.
//
// Classes in this file:
//   CFoldersPage
#pragma once

#include "GalleryPage.h"
#include "resource.h"

#include <kavro/DirTreeCtrl.h>
#include <kavro/TransparentStatic.h>

#include <vector>

class CFoldersPage : public CGalleryPage
{
// Construction
public:
	CFoldersPage();
	virtual ~CFoldersPage();
	enum
	{
		IDD = IDD_PAGE_FOLDERS
	};

// Implementation
protected:
	virtual void DoDataExchange(CDataExchange* pDX) override;
	virtual BOOL OnInitDialog() override;

	// Shows the name of a notification that just came, with a running count
	// so that a repeated one is seen to arrive.
	void ShowNotification(LPCSTR lpszName);
	// Rebuilds the tree after a setting changed and brings its selection into view.
	void RefreshTree();
	// Makes folders named in several scripts in a temporary folder of their
	// own; returns that folder's path, empty when they cannot all be made.
	CString MakeScriptFolders();

	enum
	{
		CaptionCount = 3
	};
	CDirTreeCtrl m_tree;
	CTransparentStatic m_captions[CaptionCount];
	CTransparentStatic m_title;
	CTransparentStatic m_selected;
	CTransparentStatic m_notification;
	CString m_strRestrictDir;
	// The folders made for the page, in the order made; removed with it.
	std::vector<CStringW> m_madeFolders;
	int m_nNotifications;

// Message handlers
protected:
	afx_msg LRESULT OnDirTreeSelChanged(WPARAM wParam, LPARAM lParam);
	afx_msg LRESULT OnDirTreeExpand(WPARAM wParam, LPARAM lParam);
	afx_msg LRESULT OnDirTreeKeyEnter(WPARAM wParam, LPARAM lParam);
	afx_msg LRESULT OnDirTreeKeyEscape(WPARAM wParam, LPARAM lParam);
	afx_msg void OnShowWindow(BOOL bShow, UINT nStatus);
	afx_msg void OnRefresh();
	afx_msg void OnRestricted();
	afx_msg void OnSystemFolders();
	// Background probing of the folders of an opening branch, on or off.
	afx_msg void OnBackgroundProbe();
	// Makes a folder of 10,000 sub-folders in the temporary folder, to open
	// with and without the background, and selects it.
	afx_msg void OnMakeManyFolders();
	DECLARE_MESSAGE_MAP()
};
