// ProgressPage.cpp - panels, frames, 3-D texts, and a job that moves two progress bars and the taskbar.
#include "ProgressPage.h"

#include <map>

namespace
{

// The job: one step per tick of the page's timer.
const UINT_PTR kJobTimer = 1;
const UINT kJobTickMs = 120;
const int kJobSteps = 200;
// Where the job stands when the page opens, so that its picture shows a
// bar under way.
const int kJobResumedAt = 90;

const COLORREF kInk = RGB(0, 0, 128);
const COLORREF kBarBack = RGB(250, 250, 250);

} // namespace

BEGIN_MESSAGE_MAP(CProgressPage, CGalleryPage)
	ON_WM_TIMER()
	ON_WM_DESTROY()
	ON_BN_CLICKED(IDC_PRG_PAUSE, &CProgressPage::OnPause)
	ON_BN_CLICKED(IDC_PRG_ERROR, &CProgressPage::OnError)
	ON_BN_CLICKED(IDC_PRG_RESTART, &CProgressPage::OnRestart)
END_MESSAGE_MAP()

CProgressPage::CProgressPage()
	: CGalleryPage(IDD, "Progress and panels")
	, m_bPaused(false)
	, m_bFailed(false)
	, m_bTiming(false)
{
}

void CProgressPage::DoDataExchange(CDataExchange* pDX)
{
	CGalleryPage::DoDataExchange(pDX);
	DDX_Control(pDX, IDC_PRG_TITLE, m_title);
	for (int i = 0; i < CaptionCount; ++i)
		DDX_Control(pDX, IDC_PRG_CAPTION_FIRST + i, m_captions[i]);
	DDX_Control(pDX, IDC_PRG_GROUP_PANELS, m_groupPanels);
	DDX_Control(pDX, IDC_PRG_GROUP_3DTEXT, m_group3DText);
	DDX_Control(pDX, IDC_PRG_GROUP_JOB, m_groupJob);
	DDX_Control(pDX, IDC_PRG_PANEL_SUNKEN, m_panelSunken);
	DDX_Control(pDX, IDC_PRG_PANEL_RAISED, m_panelRaised);
	DDX_Control(pDX, IDC_PRG_BORDER_PLAIN, m_borderPlain);
	DDX_Control(pDX, IDC_PRG_BORDER_COLOURED, m_borderColoured);
}

CRect CProgressPage::ItemRect(UINT nID) const
{
	CRect rc;
	GetDlgItem(nID)->GetWindowRect(&rc);
	ScreenToClient(&rc);
	return rc;
}

BOOL CProgressPage::OnInitDialog()
{
	CGalleryPage::OnInitDialog();

	m_title.SetTextColor(kInk, false);
	m_panelRaised.SetColor(RGB(214, 236, 214));
	m_panelRaised.SetFrameType(true, true);
	m_borderColoured.SetBorderColor(RGB(200, 40, 40));

	// The 3-D texts are made at run time over placeholders of the template,
	// one per alignment; the first and last let the page's painting through.
	LOGFONT lf;
	GetFont()->GetLogFont(&lf);
	lf.lfHeight = -18;
	lf.lfWeight = FW_BOLD;
	const struct
	{
		const char* text;
		UINT nFormat;
		bool bTransparent;
	} texts[TextCount] = {
		{ "Left, transparent", DT_LEFT | DT_VCENTER, true },
		{ "Centred, opaque", DT_CENTER | DT_VCENTER, false },
		{ "Right, transparent", DT_RIGHT | DT_VCENTER, true },
	};
	for (int i = 0; i < TextCount; ++i)
	{
		const CRect rc = ItemRect(IDC_PRG_3DTEXT_FIRST + i);
		if (!m_texts[i].Create(this, rc.left, rc.top, IDC_PRG_3DTEXT_FIRST + i + TextCount))
			continue;
		m_texts[i].MoveWindow(&rc);
		m_texts[i].SetFont(lf);
		m_texts[i].SetTextColor(RGB(30, 60, 130));
		m_texts[i].SetTransparent(texts[i].bTransparent);
		m_texts[i].SetDisplayFormat(texts[i].nFormat);
		m_texts[i].SetText(texts[i].text);
	}

	CRect rc = ItemRect(IDC_PRG_GRADIENT);
	m_gradient.Create(this, rc, IDC_PRG_GRADIENT + 100);
	rc = ItemRect(IDC_PRG_BANDS);
	m_bands.Create(this, rc, IDC_PRG_BANDS + 100);
	StartJob(kJobResumedAt);
	SetTimer(kJobTimer, kJobTickMs, NULL);
	return TRUE;
}

void CProgressPage::StartJob(int nPosition)
{
	m_bPaused = m_bFailed = false;
	SetDlgItemText(IDC_PRG_PAUSE, "&Pause");
	m_gradient.Init(kJobSteps, "Copying files", true, kInk, kBarBack, m_gradient.GetStartColor(),
		m_gradient.GetEndColor(), CGradientProgressCtrl::FlatBorder);
	// Red while little is done, amber past a third, green past two thirds.
	const std::map<int, COLORREF> bands = {
		{ 33, RGB(214, 72, 64) },
		{ 66, RGB(236, 168, 48) },
		{ 100, RGB(72, 168, 72) },
	};
	m_bands.InitSolid(bands, kJobSteps, "Checking", true, CGradientProgressCtrl::SunkenBorder, RGB(0, 0, 0),
		kBarBack);
	m_gradient.Position(nPosition);
	m_bands.Position(nPosition);
	// The estimate starts with the first step the page sees.
	m_bTiming = false;

	m_taskbar.Stop();
	m_taskbar.SetTotalCount(kJobSteps);
	m_taskbar.SetProgress(nPosition);
}

void CProgressPage::ResumeTaskbar()
{
	m_taskbar.Stop();
	m_taskbar.SetTotalCount(kJobSteps);
	m_taskbar.SetProgress(m_gradient.GetPosition());
}

void CProgressPage::OnTimer(UINT_PTR nIDEvent)
{
	if (nIDEvent != kJobTimer)
	{
		CGalleryPage::OnTimer(nIDEvent);
		return;
	}
	if (m_bPaused || m_bFailed || m_gradient.GetPosition() >= kJobSteps)
		return;
	if (!m_bTiming)
	{
		m_gradient.StartTiming();
		m_bTiming = true;
	}
	m_gradient.Step();
	m_bands.Step();
	m_taskbar.SetProgress(m_gradient.GetPosition());
	if (m_gradient.GetPosition() >= kJobSteps)
	{
		m_gradient.UpdateText("Copied");
		m_gradient.Stop(false);
		m_bands.Stop(false);
		m_taskbar.Stop();
	}
}

void CProgressPage::OnDestroy()
{
	KillTimer(kJobTimer);
	m_taskbar.Stop();
	CGalleryPage::OnDestroy();
}

void CProgressPage::OnPause()
{
	if (m_bFailed || m_gradient.GetPosition() >= kJobSteps)
		return;
	m_bPaused = !m_bPaused;
	SetDlgItemText(IDC_PRG_PAUSE, m_bPaused ? "Res&ume" : "&Pause");
	m_gradient.UpdateText(m_bPaused ? "Paused" : "Copying files");
	if (m_bPaused)
		m_taskbar.Pause();
	else
		ResumeTaskbar();
}

void CProgressPage::OnError()
{
	if (m_gradient.GetPosition() >= kJobSteps)
		return;
	m_bFailed = true;
	m_gradient.UpdateText("Failed");
	m_taskbar.ShowError();
}

void CProgressPage::OnRestart()
{
	StartJob(0);
}
