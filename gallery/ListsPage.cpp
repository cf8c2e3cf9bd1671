// ListsPage.cpp - list boxes with a menu and highlights, a check list, an icon combo box, a colour picker.
#include "ListsPage.h"

#include <qtx/Graphics.h>
#include <qtx/ImageMenu.h>

namespace
{

const COLORREF kInk = RGB(0, 0, 128);
// The colour the picker and the panel start with.
const COLORREF kStartColor = RGB(60, 179, 113);

} // namespace

BEGIN_MESSAGE_MAP(CListsPage, CGalleryPage)
	ON_REGISTERED_MESSAGE(CColorPicker::CPN_SELCHANGE, &CListsPage::OnColorSelChange)
	ON_CBN_SELCHANGE(IDC_LST_ICONS, &CListsPage::OnIconSelChange)
	ON_CONTROL(CLBN_CHKCHANGE, IDC_LST_CHECK, &CListsPage::OnCheckChange)
	ON_COMMAND(ID_LST_OPEN, &CListsPage::OnListOpen)
	ON_COMMAND(ID_LST_MOVE_UP, &CListsPage::OnListMoveUp)
	ON_COMMAND(ID_LST_REMOVE, &CListsPage::OnListRemove)
	ON_UPDATE_COMMAND_UI(ID_LST_MOVE_UP, &CListsPage::OnUpdateListMoveUp)
	ON_UPDATE_COMMAND_UI(ID_LST_REMOVE, &CListsPage::OnUpdateListRemove)
END_MESSAGE_MAP()

CListsPage::CListsPage()
	: CGalleryPage(IDD, "Lists")
{
	// Set before the binding, which fills the picker and selects this colour.
	m_picker.SetColor(kStartColor);
}

void CListsPage::DoDataExchange(CDataExchange* pDX)
{
	CGalleryPage::DoDataExchange(pDX);
	DDX_Control(pDX, IDC_LST_TITLE, m_title);
	for (int i = 0; i < CaptionCount; ++i)
		DDX_Control(pDX, IDC_LST_CAPTION_FIRST + i, m_captions[i]);
	DDX_Control(pDX, IDC_LST_STATUS, m_status);
	DDX_Control(pDX, IDC_LST_MENU_LIST, m_menuList);
	DDX_Control(pDX, IDC_LST_HIGHLIGHT_LIST, m_highlightList);
	DDX_Control(pDX, IDC_LST_CHECK, m_checkList);
	DDX_Control(pDX, IDC_LST_ICONS, m_icons);
	DDX_Control(pDX, IDC_LST_PICKER, m_picker);
	DDX_Control(pDX, IDC_LST_PANEL, m_panel);
}

BOOL CListsPage::OnInitDialog()
{
	// The check list's fonts follow the page's; set before the binding, so
	// that its entries are measured with them.
	LOGFONTA lf;
	CFont::FromHandle(reinterpret_cast<HFONT>(SendMessage(WM_GETFONT)))->GetLogFont(&lf);
	m_checkList.SetFont(CString(lf.lfFaceName), lf.lfHeight < 0 ? -lf.lfHeight : lf.lfHeight, FW_NORMAL,
		false, false, false);

	CGalleryPage::OnInitDialog();
	m_title.SetTextColor(kInk, false);

	const char* const kFiles[] = { "Annual report.doc", "Budget 2024.xls", "Contract draft.doc",
		"Holiday.jpg", "Invoice 1187.pdf", "Minutes.txt", "Price list.xls", "Roadmap.ppt", "Team photo.png",
		"Timesheet.xls" };
	for (const char* file : kFiles)
	{
		m_menuList.AddString(file);
		m_highlightList.AddString(file);
	}
	m_menuList.SetMenuResID(IDR_LST_MENU);
	m_menuList.SetCurSel(0);

	// Files changed since the last backup are marked.
	m_highlightList.SetHighlightColor(RGB(200, 30, 30));
	m_highlightList.SetHighlight(CString("Budget 2024.xls"));
	m_highlightList.SetHighlight(CString("Invoice 1187.pdf"));
	m_highlightList.SetHighlight(6);
	m_highlightList.SetCurSel(3);

	const char* const kTasks[] = { "Back up documents", "Empty the bin", "Update the index",
		"Compress old mail", "Check the disk", "Defragment", "Send the report" };
	m_checkList.SetCheckStyle(BS_AUTO3STATE);
	for (const char* task : kTasks)
		m_checkList.AddString(task);
	m_checkList.SetCheck(0, 1);
	m_checkList.SetCheck(1, 1);
	m_checkList.SetCheck(3, 2);
	m_checkList.SetHighlight(CString("Update the index"));
	m_checkList.SetHighlight(5);
	m_checkList.Enable(5, FALSE);
	m_checkList.Enable(6, FALSE);
	m_checkList.SetCheck(6, 1);

	// The library's own button pictures, in an image list of the page's.
	m_imageList.Create(16, 16, ILC_COLOR32 | ILC_MASK, QTXIcon::IconCount - 1, 1);
	for (int i = QTXIcon::IconNone + 1; i < QTXIcon::IconCount; ++i)
	{
		unsigned int nNormal = 0, nHot = 0, nDisabled = 0;
		HINSTANCE hModule = NULL;
		if (!QTXIcon::GetIconInfo(static_cast<QTXIcon::ButtonIcon>(i), nNormal, nHot, nDisabled, hModule,
				false))
			continue;
		HICON hIcon = static_cast<HICON>(
			::LoadImageA(hModule, MAKEINTRESOURCEA(nNormal), IMAGE_ICON, 16, 16, LR_DEFAULTCOLOR));
		if (hIcon == NULL)
			continue;
		m_imageList.Add(hIcon);
		// The list menu's commands show the same pictures.
		if (i == QTXIcon::IconOpen)
			CImageMenu::SetCommandImage(ID_LST_OPEN, hIcon);
		else if (i == QTXIcon::IconUp)
			CImageMenu::SetCommandImage(ID_LST_MOVE_UP, hIcon);
		else if (i == QTXIcon::IconDelete)
			CImageMenu::SetCommandImage(ID_LST_REMOVE, hIcon);
		::DestroyIcon(hIcon);
	}
	m_icons.ShowIcons(&m_imageList);
	// The dialog measured the drop-down's entries before the combo box was
	// bound: they are given the icons' height here.
	m_icons.SetItemHeight(0, ::GetSystemMetrics(SM_CYSMICON) + 2);
	m_icons.SetCurSel(QTXIcon::IconSave - 1);
	OnIconSelChange();

	m_panel.SetFrameType(true, false);
	m_panel.SetFormat(DT_SINGLELINE | DT_VCENTER | DT_CENTER, false);
	ShowColor(m_picker.GetColor());
	return TRUE;
}

void CListsPage::ShowColor(COLORREF crColor)
{
	m_panel.SetColor(crColor);
	// Dark text on light colours, white on dark ones.
	const int nLuma = (GetRValue(crColor) * 299 + GetGValue(crColor) * 587 + GetBValue(crColor) * 114) / 1000;
	m_panel.SetTextColor(nLuma > 128 ? RGB(0, 0, 0) : RGB(255, 255, 255), false);
	CString strText;
	strText.Format("Red %d, green %d, blue %d", GetRValue(crColor), GetGValue(crColor), GetBValue(crColor));
	m_panel.SetWindowTextA(strText);
}

void CListsPage::SetStatus(const CString& strText)
{
	m_status.SetWindowTextA(strText);
}

LRESULT CListsPage::OnColorSelChange(WPARAM wParam, LPARAM lParam)
{
	if (wParam == IDC_LST_PICKER)
		ShowColor(static_cast<COLORREF>(lParam));
	return 0;
}

void CListsPage::OnIconSelChange()
{
	CString strText;
	strText.Format("Icon %d of %d chosen", m_icons.GetCurSel() + 1, m_icons.GetCount());
	SetStatus(strText);
}

void CListsPage::OnCheckChange()
{
	const int nIndex = m_checkList.GetCaretIndex();
	CString strTask;
	m_checkList.GetText(nIndex, strTask);
	static const char* const kStates[] = { "cleared", "checked", "left undecided" };
	CString strText;
	strText.Format("\"%s\" %s", strTask.GetString(), kStates[m_checkList.GetCheck(nIndex) % 3]);
	SetStatus(strText);
}

void CListsPage::OnListOpen()
{
	const int nIndex = m_menuList.GetCurSel();
	if (nIndex == LB_ERR)
		return;
	CString strFile;
	m_menuList.GetText(nIndex, strFile);
	SetStatus("Opened " + strFile);
}

void CListsPage::OnListMoveUp()
{
	const int nIndex = m_menuList.GetCurSel();
	if (nIndex < 1)
		return;
	CString strFile;
	m_menuList.GetText(nIndex, strFile);
	m_menuList.DeleteString(nIndex);
	m_menuList.InsertString(nIndex - 1, strFile);
	m_menuList.SetCurSel(nIndex - 1);
}

void CListsPage::OnListRemove()
{
	const int nIndex = m_menuList.GetCurSel();
	if (nIndex == LB_ERR)
		return;
	m_menuList.DeleteString(nIndex);
	m_menuList.SetCurSel(nIndex < m_menuList.GetCount() ? nIndex : nIndex - 1);
}

void CListsPage::OnUpdateListMoveUp(CCmdUI* pCmdUI)
{
	pCmdUI->Enable(m_menuList.GetCurSel() > 0);
}

void CListsPage::OnUpdateListRemove(CCmdUI* pCmdUI)
{
	// The last entry stays, so that the menu always has something to show.
	pCmdUI->Enable(m_menuList.GetCount() > 1);
}
