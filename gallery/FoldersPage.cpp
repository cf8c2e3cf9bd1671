// FoldersPage.cpp - CDirTreeCtrl on a tree of the dialog resource, with its notifications shown beside it.
#include "FoldersPage.h"

#include <qtx/Support.h>

// The page's ink: its title and the tree's unselected folders (the selected
// one keeps the system's highlight colours).
static const COLORREF kInk = RGB(0, 0, 128);

BEGIN_MESSAGE_MAP(CFoldersPage, CGalleryPage)
	ON_REGISTERED_MESSAGE(CDirTreeCtrl::MSG_DIR_TREE_SELCHANGED, &CFoldersPage::OnDirTreeSelChanged)
	ON_REGISTERED_MESSAGE(CDirTreeCtrl::MSG_DIR_TREE_EXPAND, &CFoldersPage::OnDirTreeExpand)
	ON_REGISTERED_MESSAGE(CDirTreeCtrl::MSG_DIR_TREE_KEY_ENTER, &CFoldersPage::OnDirTreeKeyEnter)
	ON_REGISTERED_MESSAGE(CDirTreeCtrl::MSG_DIR_TREE_KEY_ESCAPE, &CFoldersPage::OnDirTreeKeyEscape)
	ON_WM_SHOWWINDOW()
	ON_BN_CLICKED(IDC_FLD_REFRESH, &CFoldersPage::OnRefresh)
	ON_BN_CLICKED(IDC_FLD_RESTRICTED, &CFoldersPage::OnRestricted)
	ON_BN_CLICKED(IDC_FLD_SYSTEM, &CFoldersPage::OnSystemFolders)
	ON_BN_CLICKED(IDC_FLD_BACKGROUND, &CFoldersPage::OnBackgroundProbe)
	ON_BN_CLICKED(IDC_FLD_MAKE_MANY, &CFoldersPage::OnMakeManyFolders)
END_MESSAGE_MAP()

CFoldersPage::CFoldersPage()
	: CGalleryPage(IDD, "Folders")
	, m_nNotifications(0)
{
}

void CFoldersPage::DoDataExchange(CDataExchange* pDX)
{
	CGalleryPage::DoDataExchange(pDX);
	DDX_Control(pDX, IDC_FLD_TREE, m_tree);
	for (int i = 0; i < CaptionCount; ++i)
		DDX_Control(pDX, IDC_FLD_CAPTION_FIRST + i, m_captions[i]);
	DDX_Control(pDX, IDC_FLD_TITLE, m_title);
	DDX_Control(pDX, IDC_FLD_SELECTED, m_selected);
	DDX_Control(pDX, IDC_FLD_NOTIFICATION, m_notification);
}

BOOL CFoldersPage::OnInitDialog()
{
	CGalleryPage::OnInitDialog();

	m_title.SetTextColor(kInk, false);
	m_selected.SetContentType(CTransparentStatic::PathContent, false);
	m_selected.UseEllipsis(CTransparentStatic::LeadingEllipsis, false);
	m_selected.SetFormat(DT_SINGLELINE, false);
	m_notification.SetFormat(DT_SINGLELINE, false);

	char szWindows[MAX_PATH] = "";
	::GetWindowsDirectoryA(szWindows, MAX_PATH);
	CString strWindows(szWindows);
	DirUtils::EnsureTrailingBackslash(strWindows);
	m_strRestrictDir = strWindows;
	CString strCaption;
	strCaption.Format("Restricted lists the folders of %s as the top level.", strWindows.GetString());
	m_captions[CaptionCount - 1].SetWindowTextA(strCaption, false);

	// The tree filled itself with the drives when it was bound; from here on
	// its selections and openings come to this page.
	m_tree.SetMsgWnd(GetSafeHwnd());
	LOGFONT lf;
	GetFont()->GetLogFont(&lf);
	m_tree.ApplyFont(lf, kInk);
	CheckDlgButton(IDC_FLD_SYSTEM, BST_CHECKED);
	m_tree.SetSelectedDir(strWindows, true);
	// Opening a branch scrolls it to the top; the drive above it belongs in the picture.
	m_tree.Select(m_tree.GetRootItem(), TVGN_FIRSTVISIBLE);
	return TRUE;
}

void CFoldersPage::ShowNotification(LPCSTR lpszName)
{
	CString strText;
	strText.Format("%s  (#%d)", lpszName, ++m_nNotifications);
	m_notification.SetWindowTextA(strText);
}

void CFoldersPage::RefreshTree()
{
	m_tree.Refresh(true);
	m_selected.SetWindowTextA(m_tree.GetSelectedDir(true));
}

LRESULT CFoldersPage::OnDirTreeSelChanged(WPARAM, LPARAM)
{
	m_selected.SetWindowTextA(m_tree.GetSelectedDir(true));
	ShowNotification("MSG_DIR_TREE_SELCHANGED");
	return 0;
}

LRESULT CFoldersPage::OnDirTreeExpand(WPARAM, LPARAM)
{
	ShowNotification("MSG_DIR_TREE_EXPAND");
	return 0;
}

LRESULT CFoldersPage::OnDirTreeKeyEnter(WPARAM, LPARAM)
{
	ShowNotification("MSG_DIR_TREE_KEY_ENTER");
	return 0;
}

LRESULT CFoldersPage::OnDirTreeKeyEscape(WPARAM, LPARAM)
{
	ShowNotification("MSG_DIR_TREE_KEY_ESCAPE");
	return 0;
}

void CFoldersPage::OnShowWindow(BOOL bShow, UINT nStatus)
{
	CGalleryPage::OnShowWindow(bShow, nStatus);
	// The tree is what the page is about: it takes the keys, and its
	// selection shows in the highlight colour rather than the inactive one.
	if (bShow)
		m_tree.SetFocus();
}

void CFoldersPage::OnRefresh()
{
	RefreshTree();
}

void CFoldersPage::OnRestricted()
{
	m_tree.SetRestrictToDir(IsDlgButtonChecked(IDC_FLD_RESTRICTED) ? m_strRestrictDir : CString());
	RefreshTree();
}

void CFoldersPage::OnSystemFolders()
{
	m_tree.SetShowSystemDirs(IsDlgButtonChecked(IDC_FLD_SYSTEM) != 0);
	RefreshTree();
}

void CFoldersPage::OnBackgroundProbe()
{
	m_tree.SetBackgroundProbe(IsDlgButtonChecked(IDC_FLD_BACKGROUND) != 0);
	RefreshTree();
}

void CFoldersPage::OnMakeManyFolders()
{
	static const int kFolders = 10000;
	const CString strMany = DirUtils::GetTempDir() + "kavro-10000-folders\\";
	CString strFolder;
	BeginWaitCursor();
	::CreateDirectoryA(strMany, NULL);
	for (int i = 0; i < kFolders; ++i)
	{
		strFolder.Format("%sfolder%05d", strMany.GetString(), i);
		::CreateDirectoryA(strFolder, NULL);
	}
	EndWaitCursor();
	m_tree.SetSelectedDir(strMany, false);
	m_tree.SetFocus();
}
