// ListsPage.h - the gallery page of the list boxes, the check list, the icon combo box and the colour picker.
//
// Classes in this file:
//   CListsPage
#pragma once

#include "GalleryPage.h"
#include "resource.h"

#include <afxcmn.h>

#include <kavro/BackgroundStatic.h>
#include <kavro/ColorPicker.h>
#include <kavro/HighlightCheckListbox.h>
#include <kavro/IconComboBox.h>
#include <kavro/MenuListbox.h>
#include <kavro/TransparentStatic.h>

class CListsPage : public CGalleryPage
{
// Construction
public:
	CListsPage();
	enum
	{
		IDD = IDD_PAGE_LISTS
	};

// Implementation
protected:
	virtual void DoDataExchange(CDataExchange* pDX) override;
	virtual BOOL OnInitDialog() override;
	// Paints the panel in crColor with its value written in a colour that reads on it.
	void ShowColor(COLORREF crColor);
	// Writes strText into the status line below the controls.
	void SetStatus(const CString& strText);

	enum
	{
		CaptionCount = 6
	};
	CTransparentStatic m_title;
	CTransparentStatic m_captions[CaptionCount];
	CTransparentStatic m_status;
	CMenuListbox m_menuList;
	CHighlightListbox m_highlightList;
	CHighlightCheckListbox m_checkList;
	CIconComboBox m_icons;
	CColorPicker m_picker;
	CBackgroundStatic m_panel;
	CImageList m_imageList;

// Message handlers
protected:
	afx_msg LRESULT OnColorSelChange(WPARAM wParam, LPARAM lParam);
	afx_msg void OnIconSelChange();
	afx_msg void OnCheckChange();
	afx_msg void OnListOpen();
	afx_msg void OnListMoveUp();
	afx_msg void OnListRemove();
	afx_msg void OnUpdateListMoveUp(CCmdUI* pCmdUI);
	afx_msg void OnUpdateListRemove(CCmdUI* pCmdUI);
	DECLARE_MESSAGE_MAP()
};
