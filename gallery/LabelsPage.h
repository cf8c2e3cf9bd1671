// LabelsPage.h - the gallery page of the transparent statics.
//
// Classes in this file:
//   CLabelsPage
#pragma once

#include "GalleryPage.h"
#include "resource.h"

#include <kavro/TransparentStatic.h>

class CLabelsPage : public CGalleryPage
{
// Construction
public:
	CLabelsPage();
	enum
	{
		IDD = IDD_PAGE_LABELS
	};

// Implementation
protected:
	virtual void DoDataExchange(CDataExchange* pDX) override;
	virtual BOOL OnInitDialog() override;

	enum
	{
		CaptionCount = 12
	};
	CTransparentStatic m_captions[CaptionCount];
	CTransparentStatic m_title;
	CTransparentStatic m_enabled;
	CTransparentStatic m_disabled;
	CTransparentStatic m_coloured;
	CTransparentStatic m_ampHidden;
	CTransparentStatic m_ampShown;
	CTransparentStatic m_textLeading;
	CTransparentStatic m_textTrailing;
	CTransparentStatic m_pathLeading;
	CTransparentStatic m_pathTrailing;
	CTransparentStatic m_fileLeading;
	CTransparentStatic m_fileTrailing;
	CTransparentStatic m_scripts;
};
