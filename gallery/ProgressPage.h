// ProgressPage.h - the gallery page of panels, frames, 3-D texts and a running job.
//
// Classes in this file:
//   CProgressPage
#pragma once

#include "GalleryPage.h"
#include "resource.h"

#include <kavro/3DTextCtrl.h>
#include <kavro/BackgroundStatic.h>
#include <kavro/GradientProgressCtrl.h>
#include <kavro/TaskBarProgressCtrl.h>
#include <kavro/TransparentStatic.h>

class CProgressPage : public CGalleryPage
{
// Construction
public:
	CProgressPage();
	enum
	{
		IDD = IDD_PAGE_PROGRESS
	};

// Implementation
protected:
	virtual void DoDataExchange(CDataExchange* pDX) override;
	virtual BOOL OnInitDialog() override;

	// The rectangle of a placeholder item of the template, in client coordinates.
	CRect ItemRect(UINT nID) const;
	// Sets both bars and the taskbar button to the start of a job at nPosition.
	void StartJob(int nPosition);
	// The taskbar shows the job again in its normal state, at the current step.
	void ResumeTaskbar();

	enum
	{
		CaptionCount = 3,
		TextCount = 3
	};
	CTransparentStatic m_title;
	CTransparentStatic m_captions[CaptionCount];
	CGroupStatic m_groupPanels;
	CGroupStatic m_group3DText;
	CGroupStatic m_groupJob;
	CBackgroundStatic m_panelSunken;
	CBackgroundStatic m_panelRaised;
	CBorderStatic m_borderPlain;
	CBorderStatic m_borderColoured;
	C3DTextCtrl m_texts[TextCount];
	CGradientProgressCtrl m_gradient;
	CGradientProgressCtrl m_bands;
	TaskBarProgressCtrl m_taskbar;
	bool m_bPaused;
	bool m_bFailed;
	bool m_bTiming;

// Message handlers
protected:
	afx_msg void OnTimer(UINT_PTR nIDEvent);
	afx_msg void OnDestroy();
	afx_msg void OnPause();
	afx_msg void OnError();
	afx_msg void OnRestart();
	DECLARE_MESSAGE_MAP()
};
