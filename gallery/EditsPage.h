// EditsPage.h - the gallery page of the image-menu edits and the image-menu rich edit.
//
// Classes in this file:
//   CEditsPage
#pragma once

#include "GalleryPage.h"
#include "resource.h"

#include <kavro/ImageMenuEdit.h>
#include <kavro/ImageMenuRichEdit.h>
#include <kavro/TransparentStatic.h>

class CEditsPage : public CGalleryPage
{
// Construction
public:
	CEditsPage();
	enum
	{
		IDD = IDD_PAGE_EDITS
	};

// Overridables
public:
	// The Edit bar's commands go to the rich edit that had the focus last.
	virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

// Implementation
protected:
	virtual void DoDataExchange(CDataExchange* pDX) override;
	virtual BOOL OnInitDialog() override;
	// Enables the Edit bar's buttons as the rich edit's update handlers say
	// and shows its insert mode and fill.
	void UpdateEditBar();

	enum
	{
		CaptionCount = 5,
		BackgroundCount = 3
	};
	CTransparentStatic m_captions[CaptionCount];
	CTransparentStatic m_title;
	CTransparentStatic m_status;
	CImageMenuEdit m_plain;
	CImageMenuEdit m_centred;
	CBackgroundEdit m_backgrounds[BackgroundCount];
	CImageMenuRichEdit m_rich;
	CImageMenuRichEdit m_richReadOnly;
	CImageMenuRichEdit* m_pTarget; // the rich edit the Edit bar works on

// Message handlers
protected:
	afx_msg void OnTimer(UINT_PTR nIDEvent);
	DECLARE_MESSAGE_MAP()
};
