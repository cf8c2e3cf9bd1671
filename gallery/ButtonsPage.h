// ButtonsPage.h - the gallery page of the buttons: owner-drawn and transparent.
//
// Classes in this file:
//   CDefaultQTXButton, CIconCheckbox, CButtonsPage
#pragma once

#include "GalleryPage.h"
#include "resource.h"

#include <kavro/QTXButton.h>
#include <kavro/TransparentCheckbox.h>
#include <kavro/TransparentIcon.h>
#include <kavro/TransparentStatic.h>

// The system never marks an owner-drawn button as the default one, so the
// application says so itself.
class CDefaultQTXButton : public CQTXButton
{
public:
	virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
};

// A check box that shows the graphics library's tick or clear box.
class CIconCheckbox : public CQTXCheckbox
{
public:
	void ShowCheckIcon() { SetCheckboxIcon(); }
};

class CButtonsPage : public CGalleryPage
{
// Construction
public:
	CButtonsPage();
	enum
	{
		IDD = IDD_PAGE_BUTTONS
	};

// Implementation
protected:
	virtual void DoDataExchange(CDataExchange* pDX) override;
	virtual BOOL OnInitDialog() override;

	enum
	{
		CaptionCount = 5,
		ShadeCount = 6,
		IconCount = 6,
		RadioCount = 3
	};
	CTransparentStatic m_captions[CaptionCount];
	CQTXButton m_plain;
	CDefaultQTXButton m_default;
	CQTXButton m_disabled;
	CQTXButton m_coloured;
	CQTXButton m_repeat;
	CTransparentStatic m_count;
	int m_nRepeats;
	CQTXButton m_shaded[ShadeCount];
	CQTXButton m_icons[IconCount];
	CIconCheckbox m_check[2];
	CQTXRadiobutton m_radios[RadioCount];
	CTransparentCheckbox m_transCheck[2];
	CTransparentRButton m_transRadios[2];
	CTransparentIcon m_transIcon;
	CTransparentIconButton m_iconButton;

// Message handlers
protected:
	afx_msg void OnRepeat();
	afx_msg void OnCheck1();
	afx_msg void OnCheck2();
	DECLARE_MESSAGE_MAP()
};
