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

CFoldersPage::~CFoldersPage()
{
	for (auto it = m_madeFolders.rbegin(); it != m_madeFolders.rend(); ++it)
		::RemoveDirectoryW(*it);
}

CString CFoldersPage::MakeScriptFolders()
{
	// Names in Japanese (表 and ソ end in a backslash byte in code page 932),
	// Greek, Cyrillic, and with a character outside the BMP; the process runs
	// in UTF-8, which holds them all.
	const wchar_t* const kNames[] = { L"", L"日本語", L"表示", L"表示\\ソース", L"ΕΛΛΗΝΙΚΑ", L"Русский",
		L"𠮟る" };
	CString strRoot;
	strRoot.Format("%skavro-gallery-%lu\\", DirUtils::GetTempDir().GetString(), ::GetCurrentProcessId());
	const CStringW strWideRoot(strRoot);
	for (const wchar_t* pszName : kNames)
	{
		const CStringW strFolder = strWideRoot + pszName;
		if (!::CreateDirectoryW(strFolder, NULL))
			break;
		m_madeFolders.push_back(strFolder);
	}
	if (m_madeFolders.size() != sizeof(kNames) / sizeof(kNames[0]))
		return CString();
	return strRoot;
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
	m_selected.SetFont(GetScriptsFont(), FALSE);
	m_selected.SetContentType(CTransparentStatic::PathContent, false);
	m_selected.UseEllipsis(CTransparentStatic::LeadingEllipsis, false);
	m_selected.SetFormat(DT_SINGLELINE, false);
	m_notification.SetFormat(DT_SINGLELINE, false);

	// Restricted, the tree's top level is a temporary folder of folders named
	// in several scripts, or the Windows folder when they cannot be made.
	char szWindows[MAX_PATH] = "";
	::GetWindowsDirectoryA(szWindows, MAX_PATH);
	CString strWindows(szWindows);
	DirUtils::EnsureTrailingBackslash(strWindows);
	m_strRestrictDir = MakeScriptFolders();
	CString strCaption;
	if (m_strRestrictDir.IsEmpty())
	{
		m_strRestrictDir = strWindows;
		strCaption.Format("Restricted lists the folders of %s as the top level.", strWindows.GetString());
	}
	else
		strCaption =
			"Restricted lists folders named in several scripts, made for the page, as the top level.";
	m_captions[CaptionCount - 1].SetWindowTextA(strCaption, false);

	// The tree filled itself with the drives when it was bound; from here on
	// its selections and openings come to this page.
	m_tree.SetMsgWnd(GetSafeHwnd());
	LOGFONT lf;
	GetScriptsFont()->GetLogFont(&lf);
	m_tree.ApplyFont(lf, kInk);
	CheckDlgButton(IDC_FLD_SYSTEM, BST_CHECKED);
	if (m_strRestrictDir != strWindows)
	{
		CheckDlgButton(IDC_FLD_RESTRICTED, BST_CHECKED);
		m_tree.SetRestrictToDir(m_strRestrictDir);
		m_tree.Refresh(false);
		m_tree.SetSelectedDir(CString(L"表示\\ソース\\"), true);
	}
	else
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
	// The folder is found among the drives.
	if (IsDlgButtonChecked(IDC_FLD_RESTRICTED))
	{
		CheckDlgButton(IDC_FLD_RESTRICTED, BST_UNCHECKED);
		OnRestricted();
	}
	m_tree.SetSelectedDir(strMany, false);
	m_tree.SetFocus();
}
