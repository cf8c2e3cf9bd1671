// ButtonsPage.cpp - every kind of button of the library, bound to the items of a dialog resource.
#include "ButtonsPage.h"

void CDefaultQTXButton::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
	if (lpDrawItemStruct != NULL)
		lpDrawItemStruct->itemState |= ODS_DEFAULT;
	CQTXButton::DrawItem(lpDrawItemStruct);
}

BEGIN_MESSAGE_MAP(CButtonsPage, CGalleryPage)
	ON_BN_CLICKED(IDC_BTN_REPEAT, &CButtonsPage::OnRepeat)
	ON_BN_CLICKED(IDC_BTN_CHECK_FIRST, &CButtonsPage::OnCheck1)
	ON_BN_CLICKED(IDC_BTN_CHECK_FIRST + 1, &CButtonsPage::OnCheck2)
END_MESSAGE_MAP()

CButtonsPage::CButtonsPage()
	: CGalleryPage(IDD, "Buttons")
	, m_nRepeats(0)
{
}

void CButtonsPage::DoDataExchange(CDataExchange* pDX)
{
	CGalleryPage::DoDataExchange(pDX);
	for (int i = 0; i < CaptionCount; ++i)
		DDX_Control(pDX, IDC_BTN_CAPTION_FIRST + i, m_captions[i]);
	DDX_Control(pDX, IDC_BTN_PLAIN, m_plain);
	DDX_Control(pDX, IDC_BTN_DEFAULT, m_default);
	DDX_Control(pDX, IDC_BTN_DISABLED, m_disabled);
	DDX_Control(pDX, IDC_BTN_COLOURED, m_coloured);
	DDX_Control(pDX, IDC_BTN_REPEAT, m_repeat);
	DDX_Control(pDX, IDC_BTN_COUNT, m_count);
	for (int i = 0; i < ShadeCount; ++i)
		DDX_Control(pDX, IDC_BTN_SHADE_FIRST + i, m_shaded[i]);
	for (int i = 0; i < IconCount; ++i)
		DDX_Control(pDX, IDC_BTN_ICON_FIRST + i, m_icons[i]);
	for (int i = 0; i < 2; ++i)
	{
		DDX_Control(pDX, IDC_BTN_CHECK_FIRST + i, m_check[i]);
		DDX_Control(pDX, IDC_BTN_TCHECK_FIRST + i, m_transCheck[i]);
		DDX_Control(pDX, IDC_BTN_TRADIO_FIRST + i, m_transRadios[i]);
	}
	for (int i = 0; i < RadioCount; ++i)
		DDX_Control(pDX, IDC_BTN_RADIO_FIRST + i, m_radios[i]);
	DDX_Control(pDX, IDC_BTN_TICON, m_transIcon);
}

BOOL CButtonsPage::OnInitDialog()
{
	CGalleryPage::OnInitDialog();

	m_disabled.EnableWindow(FALSE);
	m_coloured.SetTextColor(RGB(160, 0, 40));
	m_repeat.SetAsRepeaterButton();
	m_count.SetFormat(DT_SINGLELINE | DT_VCENTER, false);

	const COLORREF shadeColours[ShadeCount] = { RGB(90, 140, 210), RGB(120, 180, 90), RGB(210, 140, 70),
		RGB(170, 170, 180), RGB(200, 110, 150), RGB(150, 130, 200) };
	for (int i = 0; i < ShadeCount; ++i)
		m_shaded[i].SetShadeProps(ShadeProps(ShadeProps::ShadeVertical + i, shadeColours[i]));

	// One of each icon place; the last two greyed and shaded with a jumping icon.
	const struct
	{
		QTXIcon::ButtonIcon icon;
		unsigned int alignH, alignV;
	} icons[IconCount] = {
		{ QTXIcon::IconOK, BS_LEFT, BS_VCENTER },
		{ QTXIcon::IconCancel, BS_RIGHT, BS_VCENTER },
		{ QTXIcon::IconUp, BS_CENTER, BS_TOP },
		{ QTXIcon::IconDown, BS_CENTER, BS_BOTTOM },
		{ QTXIcon::IconSave, BS_LEFT, BS_VCENTER },
		{ QTXIcon::IconPrint, BS_LEFT, BS_VCENTER },
	};
	for (int i = 0; i < IconCount; ++i)
		m_icons[i].SetIcon(icons[i].icon, icons[i].alignH, icons[i].alignV, true);
	m_icons[4].EnableWindow(FALSE);
	m_icons[5].SetShadeProps(ShadeProps(ShadeProps::ShadePillow, RGB(230, 200, 120)));
	m_icons[5].SetJumpIcon(true);

	for (int i = 0; i < 2; ++i)
	{
		m_check[i].SetTextAlign(DT_LEFT | DT_VCENTER | DT_SINGLELINE);
		m_check[i].SetChecked(i == 0);
		m_check[i].ShowCheckIcon();
	}
	for (int i = 0; i < RadioCount; ++i)
	{
		const UINT first = IDC_BTN_RADIO_FIRST;
		m_radios[i].SetGroupIDs(first + (i + 1) % RadioCount, first + (i + 2) % RadioCount, 0, 0, 0, 0, 0, 0);
		m_radios[i].SetChecked(false);
	}
	m_radios[1].SetChecked(true);

	m_transCheck[0].SetCheck(true);
	m_transRadios[0].SetGroupIDs(IDC_BTN_TRADIO_FIRST + 1);
	m_transRadios[1].SetGroupIDs(IDC_BTN_TRADIO_FIRST);
	m_transRadios[1].SetChecked(true);
	unsigned int helpId = 0, hotId = 0, disabledId = 0;
	HINSTANCE module = NULL;
	if (QTXIcon::GetIconInfo(QTXIcon::IconHelp, helpId, hotId, disabledId, module, false))
		m_transIcon.SetIcon(helpId, CTransparentIcon::AlignLeft, module);

	// The icon button is made at run time and placed beside the icon.
	CRect rcIcon;
	m_transIcon.GetWindowRect(&rcIcon);
	ScreenToClient(&rcIcon);
	if (m_iconButton.Create(this, IDC_BTN_TICONBUTTON, BS_CENTER, BS_VCENTER))
	{
		m_iconButton.SetIcon(QTXIcon::IconAdd, true);
		m_iconButton.SetWindowPos(NULL, rcIcon.right + 8, rcIcon.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
	}
	return TRUE;
}

void CButtonsPage::OnRepeat()
{
	CString strCount;
	strCount.Format("%d clicks", ++m_nRepeats);
	m_count.SetWindowTextA(strCount);
}

void CButtonsPage::OnCheck1()
{
	m_check[0].ShowCheckIcon();
}

void CButtonsPage::OnCheck2()
{
	m_check[1].ShowCheckIcon();
}
