// DirTreeCtrl.cpp - the directory tree: icons, labels and paths, the root level and lazy branches, the font.
#include <afxwin.h>
#include <afxcmn.h>

#include <kavro/DirTreeCtrl.h>
#include <kavro/WndUtils.h>
#include <qtx/Graphics.h>

#include "DirTreeProbe.h"
#include "Frame.h"
#include "resource.h"

// The library's own module, where the tree's icons are.
static const char* const kModuleName = "kavro.dll";
// Size of the default font, in pixels.
static const int kDefaultFontSize = 15;

IMPLEMENT_DYNAMIC(CDirTreeCtrl, CTreeCtrl)

BEGIN_MESSAGE_MAP(CDirTreeCtrl, CTreeCtrl)
	ON_WM_PAINT()
	ON_WM_RBUTTONDOWN()
	ON_NOTIFY_REFLECT(TVN_KEYDOWN, &CDirTreeCtrl::OnKeydown)
	ON_NOTIFY_REFLECT(TVN_ITEMEXPANDING, &CDirTreeCtrl::OnItemexpanding)
	ON_NOTIFY_REFLECT(TVN_ITEMEXPANDED, &CDirTreeCtrl::OnItemexpanded)
	ON_NOTIFY_REFLECT(TVN_SELCHANGED, &CDirTreeCtrl::OnSelchanged)
	ON_COMMAND(ID_EDIT_COPY, &CDirTreeCtrl::OnEditCopy)
	ON_UPDATE_COMMAND_UI(ID_EDIT_COPY, &CDirTreeCtrl::OnUpdateEditCopy)
	ON_WM_DESTROY()
	ON_WM_TIMER()
	ON_WM_VSCROLL()
	ON_WM_MOUSEWHEEL()
	ON_MESSAGE(TVM_DELETEITEM, &CDirTreeCtrl::OnDeleteItem)
	ON_MESSAGE(TVM_EXPAND, &CDirTreeCtrl::OnExpand)
	ON_REGISTERED_MESSAGE(MSG_DIR_TREE_PROBE_ANSWERS, &CDirTreeCtrl::OnProbeAnswers)
END_MESSAGE_MAP()

/////////////////////////////////////////////////////////////////////////////
// Construction

CDirTreeCtrl::CDirTreeCtrl()
	: m_bStateReset(false)
	, m_bSendSelChangedMsg(true)
	, m_bDoDraw(true)
	, m_nOpenFolderImage(-1)
	, m_nClosedFolderImage(-1)
	, m_nNetworkFolderImage(-1)
	, m_nSharedFolderImage(-1)
	, m_nOpticalImage(-1)
	, m_nNetworkOpticalImage(-1)
	, m_nHardDiskImage(-1)
	, m_nMemoryCardImage(-1)
	, m_nCableDriveImage(-1)
	, m_nNetworkDriveImage(-1)
	, m_nUsbStickImage(-1)
	, m_nComputerImage(-1)
	, m_dwListFlags(DirUtils::ListHidden | DirUtils::ListSystem)
	, m_nContextMenuID(0)
	, m_hMsgWnd(NULL)
	, m_pFont(NULL)
	, m_crText(::GetSysColor(COLOR_WINDOWTEXT))
	, m_bBackgroundProbe(false)
	, m_bProbeOnWorker(true)
	, m_pProbe(NULL)
{
}

CDirTreeCtrl::~CDirTreeCtrl()
{
	StopProbing();
	delete m_pFont;
	m_pFont = NULL;
	m_hMsgWnd = NULL;
}

void CDirTreeCtrl::PreSubclassWindow()
{
	CTreeCtrl::PreSubclassWindow();
	SetBkColor(::GetSysColor(COLOR_WINDOW));

	// An object that is bound a second time starts a fresh list.
	m_imageList.DeleteImageList();
	m_imageList.Create(16, 16, ILC_COLOR32 | ILC_MASK, 5, 3);
	m_imageList.SetBkColor(::GetSysColor(COLOR_WINDOW));
	const struct
	{
		UINT nID;
		int CDirTreeCtrl::*pnIndex;
	} icons[] = {
		{ IDI_KAVRO_OPTICAL_DRIVE, &CDirTreeCtrl::m_nOpticalImage },
		{ IDI_KAVRO_OPTICAL_DRIVE_NETWORK, &CDirTreeCtrl::m_nNetworkOpticalImage },
		{ IDI_KAVRO_HARD_DISK, &CDirTreeCtrl::m_nHardDiskImage },
		{ IDI_KAVRO_CABLE_DRIVE, &CDirTreeCtrl::m_nCableDriveImage },
		{ IDI_KAVRO_MEMORY_CARD, &CDirTreeCtrl::m_nMemoryCardImage },
		{ IDI_KAVRO_HARD_DISK_NETWORK, &CDirTreeCtrl::m_nNetworkDriveImage },
		{ IDI_KAVRO_USB_STICK, &CDirTreeCtrl::m_nUsbStickImage },
		{ IDI_KAVRO_CLOSED_FOLDER, &CDirTreeCtrl::m_nClosedFolderImage },
		{ IDI_KAVRO_OPEN_FOLDER_NETWORK, &CDirTreeCtrl::m_nNetworkFolderImage },
		{ IDI_KAVRO_OPEN_FOLDER, &CDirTreeCtrl::m_nOpenFolderImage },
		{ IDI_KAVRO_OPEN_FOLDER_SHARED, &CDirTreeCtrl::m_nSharedFolderImage },
		{ IDI_KAVRO_COMPUTER, &CDirTreeCtrl::m_nComputerImage },
	};
	for (const auto& icon : icons)
		LoadDLLIcon(icon.nID, this->*icon.pnIndex);
	SetImageList(&m_imageList, TVSIL_NORMAL);

	LOGFONTA lf;
	GraphicsUtils::SetDefaultFont(lf, kDefaultFace, kDefaultFontSize, -1, false, false, false);
	ApplyFont(lf, m_crText);
	Refresh(false);
}

/////////////////////////////////////////////////////////////////////////////
// Attributes

void CDirTreeCtrl::SetShowSystemDirs(bool bShow)
{
	m_dwListFlags = bShow ? (DirUtils::ListHidden | DirUtils::ListSystem) : 0;
}

void CDirTreeCtrl::SetRestrictToDir(const CString& strDir)
{
	// Root labels are appended to it to make their paths.
	m_strRestrictDir = strDir;
	DirUtils::EnsureTrailingBackslash(m_strRestrictDir);
	// The items asked about are replaced at the next Refresh.
	if (m_pProbe != NULL)
		m_pProbe->Forget(*this, TVI_ROOT);
}

CString CDirTreeCtrl::GetFirstFixedDrive() const
{
	return m_strFirstFixedDrive;
}

int CDirTreeCtrl::GetHorizontalExtent() const
{
	return WndUtils::GetWidthOfContent(*this);
}

CString CDirTreeCtrl::GetItemPath(HTREEITEM hItem) const
{
	CString strPath;
	GetItemPath(hItem, strPath);
	return strPath;
}

void CDirTreeCtrl::GetItemPath(HTREEITEM hItem, CString& strPath) const
{
	for (; hItem != NULL; hItem = GetParentItem(hItem))
	{
		CString strLabel = GetItemText(hItem);
		if (strLabel.IsEmpty() && strPath.IsEmpty())
			return;
		if (GetParentItem(hItem) == NULL)
			strLabel = m_strRestrictDir + strLabel;
		if (strLabel.Find(':') >= 0)
			strLabel = ParseDriveLetter(strLabel);
		if (!strPath.IsEmpty())
			DirUtils::EnsureTrailingBackslash(strLabel);
		strPath = strLabel + strPath;
	}
	// A floppy is not touched to find out whether the path is a folder.
	if (strPath.IsEmpty() || VolumeUtils::GetDriveTypeA(strPath.Left(3)) == VolumeUtils::DriveFloppy)
		return;
	if (DirUtils::IsDir(strPath, false) &&
		!StringUtils::MatchLastChars(strPath, StringUtils::DecryptText(kTextPathEnd), false))
		DirUtils::EnsureTrailingBackslash(strPath);
}

CString CDirTreeCtrl::GetDriveName(char cLetter) const
{
	const char cWanted = StringUtils::m_tableUppercase[static_cast<unsigned char>(cLetter)];
	for (HTREEITEM hItem = GetRootItem(); hItem != NULL; hItem = GetNextSiblingItem(hItem))
	{
		const CString strLabel = GetItemText(hItem);
		if (strLabel.IsEmpty() ||
			StringUtils::m_tableUppercase[static_cast<unsigned char>(strLabel[0])] != cWanted)
			continue;
		CString strName = strLabel.Mid(3);
		StringUtils::Trim(strName);
		// What is left is the volume label in parentheses.
		return strName.GetLength() >= 2 ? strName.Mid(1, strName.GetLength() - 2) : CString();
	}
	return CString();
}

/////////////////////////////////////////////////////////////////////////////
// Operations

void CDirTreeCtrl::ApplyFont(const LOGFONTA& lf, DWORD crText)
{
	if (lf.lfFaceName[0] == '\0')
		return;
	try
	{
		m_crText = crText;
		delete m_pFont;
		m_pFont = new CFont;
		if (!m_pFont->CreateFontIndirect(&lf))
		{
			ReportFailure(kLogDirTreeFontAttach);
			delete m_pFont;
			m_pFont = NULL;
		}
		if (GetSafeHwnd() != NULL)
		{
			SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(m_pFont ? m_pFont->GetSafeHandle() : NULL),
				TRUE);
			Invalidate(TRUE);
			UpdateWindow();
			// Other items may be on screen now.
			PrioritiseVisibleProbes(true);
		}
	}
	catch (...)
	{
		ReportFailure(kLogDirTreeFontException);
	}
}

/////////////////////////////////////////////////////////////////////////////
// Labels and images

CString CDirTreeCtrl::BuildDriveText(const CString& strRoot, const CString& strLabel) const
{
	return strLabel.IsEmpty() ? strRoot : strRoot + " (" + strLabel + ")";
}

CString CDirTreeCtrl::ParseDriveLetter(const CString& strLabel) const
{
	// "System (C:)", the form the shell writes.
	const int nParen = strLabel.Find(":)");
	if (nParen > 0)
		return CString(strLabel[nParen - 1]) + ":\\";
	const int nRoot = strLabel.Find(":\\ ");
	if (nRoot >= 0)
		return strLabel.Left(nRoot + 2);
	return strLabel;
}

bool CDirTreeCtrl::IsDriveLetter(const CString& strText) const
{
	// Three characters, of whatever number of bytes.
	int nChars = 0;
	for (LPCSTR p = strText; *p != '\0' && nChars <= 3; p = StringUtils::NextChar(p))
		++nChars;
	return nChars == 3;
}

void CDirTreeCtrl::LoadDLLIcon(UINT nID, int& nIndex)
{
	nIndex = -1;
	HMODULE hModule = NULL;
	if (!::GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT, kModuleName, &hModule))
		return;
	HICON hIcon = static_cast<HICON>(::LoadImageA(hModule, MAKEINTRESOURCEA(nID), IMAGE_ICON, 0, 0, 0));
	if (hIcon == NULL)
		return;
	nIndex = m_imageList.Add(hIcon);
	::DestroyIcon(hIcon);
}

void CDirTreeCtrl::GetPrivateImageList(CImageList*& pImageList)
{
	pImageList = &m_imageList;
}

int CDirTreeCtrl::GetDriveImageIndex(VolumeUtils::DriveType eType, const CString& strRoot) const
{
	switch (eType)
	{
	case VolumeUtils::DriveFloppy:
	case VolumeUtils::DriveRamDisk:
		return m_nCableDriveImage;
	case VolumeUtils::DriveRemovable:
		switch (VolumeUtils::GetBusType(strRoot))
		{
		case VolumeUtils::BusOptical:
			return m_nOpticalImage;
		case VolumeUtils::BusAttached:
			return m_nCableDriveImage;
		case VolumeUtils::BusNetwork:
			return m_nNetworkDriveImage;
		case VolumeUtils::BusSd:
		case VolumeUtils::BusMmc:
		case VolumeUtils::BusUsb:
			return m_nMemoryCardImage;
		default:
			return m_nHardDiskImage;
		}
	case VolumeUtils::DriveOptical:
		return m_nOpticalImage;
	case VolumeUtils::DriveNetwork:
		return m_nNetworkDriveImage;
	default:
		return m_nHardDiskImage;
	}
}

int CDirTreeCtrl::GetFolderImageIndex(HTREEITEM hItem, bool bOpen, const CString& strPath) const
{
	if (DirUtils::IsDirShared(strPath.IsEmpty() ? GetItemPath(hItem) : strPath))
		return m_nSharedFolderImage;
	return bOpen ? m_nOpenFolderImage : m_nClosedFolderImage;
}

bool CDirTreeCtrl::IsFolderImage(int nImage) const
{
	return nImage != -1 && (nImage == m_nClosedFolderImage || nImage == m_nOpenFolderImage ||
							   nImage == m_nNetworkFolderImage || nImage == m_nSharedFolderImage);
}

/////////////////////////////////////////////////////////////////////////////
// Items and branches

HTREEITEM CDirTreeCtrl::InsertChild(HTREEITEM hParent, const CString& strText, int nImage, int nSelectedImage)
{
	return InsertItem(TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE, strText, nImage,
		nSelectedImage == -1 ? nImage : nSelectedImage, 0, 0, 0, hParent, TVI_LAST);
}

void CDirTreeCtrl::AddToTree(HTREEITEM hParent, const CString& strText, int nImage, bool bAddDummy,
	int nSelectedImage)
{
	HTREEITEM hItem = InsertChild(hParent, strText, nImage, nSelectedImage);
	if (hItem != NULL && bAddDummy)
		AddDummyNode(hItem);
}

void CDirTreeCtrl::AddDummyNode(HTREEITEM hItem)
{
	InsertChild(hItem, "", 0, 0);
}

bool CDirTreeCtrl::IsDummyBranch(HTREEITEM hItem) const
{
	return GetItemText(hItem).IsEmpty();
}

bool CDirTreeCtrl::IsBranchExpanded(HTREEITEM hItem) const
{
	return (GetItemState(hItem, TVIS_EXPANDED) & TVIS_EXPANDED) != 0;
}

int CDirTreeCtrl::GetChildCount(HTREEITEM hItem) const
{
	int nCount = 0;
	for (HTREEITEM hChild = GetChildItem(hItem); hChild != NULL; hChild = GetNextSiblingItem(hChild))
		++nCount;
	return nCount;
}

bool CDirTreeCtrl::IsChildBranch(HTREEITEM hItem, HTREEITEM hBranch) const
{
	if (hItem == NULL || hBranch == NULL)
		return false;
	for (HTREEITEM hParent = GetParentItem(hItem); hParent != NULL; hParent = GetParentItem(hParent))
	{
		if (hParent == hBranch)
			return true;
	}
	return false;
}

int CDirTreeCtrl::GetParentLevels(const HTREEITEM& hItem) const
{
	int nLevels = 1;
	for (HTREEITEM hParent = GetParentItem(hItem); hParent != NULL; hParent = GetParentItem(hParent))
		++nLevels;
	return nLevels;
}

void CDirTreeCtrl::RemoveAllChildBranches(HTREEITEM hItem, bool bReport)
{
	m_bSendSelChangedMsg = bReport;
	for (HTREEITEM hChild = GetChildItem(hItem); hChild != NULL;)
	{
		HTREEITEM hNext = GetNextSiblingItem(hChild);
		if (bReport && hChild == GetSelectedItem())
			SelectSiblingOrParentDir();
		DeleteItem(hChild);
		hChild = hNext;
	}
	m_bSendSelChangedMsg = true;
}

void CDirTreeCtrl::ExpandBranch(HTREEITEM hItem, bool bExpand)
{
	if (hItem == NULL)
		return;
	if (m_bStateReset && (GetItemState(hItem, TVIS_EXPANDEDONCE) & TVIS_EXPANDEDONCE))
		SetItemState(hItem, 0, TVIS_EXPANDEDONCE);
	// A tree control tells of a change it is asked for only while the item
	// has never been opened or its state was reset.
	const bool bNotifies = (GetItemState(hItem, TVIS_EXPANDEDONCE) & TVIS_EXPANDEDONCE) == 0;
	const bool bWasOpen = IsBranchExpanded(hItem);
	Expand(hItem, bExpand ? TVE_EXPAND : TVE_COLLAPSE);
	// Wine's tree control does not tell of a collapse that it is asked for,
	// even then. A branch closed without the notification still has what was
	// read into it: close it the way the notification would have.
	HTREEITEM hChild = bExpand || !bWasOpen || !bNotifies ? NULL : GetChildItem(hItem);
	if (hChild != NULL && !(IsDummyBranch(hChild) && GetNextSiblingItem(hChild) == NULL))
	{
		OpenOrCloseBranch(hItem, false);
		BroadcastMsgToParent(MSG_DIR_TREE_EXPAND);
	}
}

void CDirTreeCtrl::OpenOrCloseBranch(HTREEITEM hBranch, bool bOpen)
{
	HTREEITEM hSelected = GetSelectedItem();
	const bool bSelectionInside = IsChildBranch(hSelected, hBranch);
	// The branch is read now or its content thrown away: what was asked about it is moot.
	CDirTreeProbe* pProbe = m_pProbe;
	if (pProbe != NULL)
	{
		pProbe->Forget(*this, hBranch);
		pProbe->m_bDeleting = true;
	}

	SetRedraw(FALSE);
	m_bDoDraw = false;
	m_bSendSelChangedMsg = false;
	for (HTREEITEM hChild = GetChildItem(hBranch); hChild != NULL;)
	{
		HTREEITEM hNext = GetNextSiblingItem(hChild);
		DeleteItem(hChild);
		hChild = hNext;
	}
	m_bSendSelChangedMsg = true;
	if (pProbe != NULL)
		pProbe->m_bDeleting = false;

	int nImage = -1, nSelectedImage = -1;
	GetItemImage(hBranch, nImage, nSelectedImage);
	const bool bFolder = IsFolderImage(nImage);
	const bool bShared = bFolder && DirUtils::IsDirShared(GetItemPath(hBranch));
	const int nOpenImage = bShared ? m_nSharedFolderImage : m_nOpenFolderImage;
	if (!bOpen)
	{
		// The deletions moved the selection up to the branch without a word.
		if (bSelectionInside)
			BroadcastMsgToParent(MSG_DIR_TREE_SELCHANGED);
		if (bFolder)
			SetItemImage(hBranch, bShared ? m_nSharedFolderImage : m_nClosedFolderImage, nOpenImage);
		AddDummyNode(hBranch);
	}
	else
	{
		if (bFolder)
			SetItemImage(hBranch, nOpenImage, nOpenImage);
		AddSubDirectories(hBranch);
	}

	m_bDoDraw = true;
	SetRedraw(TRUE);
	Invalidate(TRUE);
	UpdateWindow();
}

void CDirTreeCtrl::AddSubDirectories(HTREEITEM hItem)
{
	const CString strPath = GetItemPath(hItem);
	if (strPath.IsEmpty())
		return;
	// A floppy is never read unasked: it stays openable and opens empty.
	if (VolumeUtils::GetDriveTypeA(strPath.Left(3)) == VolumeUtils::DriveFloppy)
		AddDummyNode(hItem);
	else
		AddDirectoryContent(strPath, hItem);
}

void CDirTreeCtrl::AddDirectoryContent(CString strPath, HTREEITEM hParent)
{
	BeginWaitCursor();
	TextArray list;
	DirUtils::GetDirectoryList(strPath, list, m_dwListFlags | DirUtils::ListSkipLinks);
	list.Sort(true, false, TextArray::ContentPaths);
	for (__int64 i = 0; i < list.GetCount(); ++i)
	{
		const CString strEntry = list.GetCopyAt(i);
		CString strLabel = strEntry.Mid(strPath.GetLength());
		AddFolderItem(hParent, strEntry, DirUtils::RemoveTrailingSlash(strLabel));
	}
	AddProvisionalButtons();
	EndWaitCursor();
}

void CDirTreeCtrl::AddFolderItem(HTREEITEM hParent, const CString& strPath, const CString& strLabel)
{
	if (m_bBackgroundProbe && StartProbing())
	{
		AddProbedItem(hParent, strPath, strLabel, false);
		return;
	}
	const bool bAddDummy = DoesFolderHaveContent(strPath);
	const bool bShared = DirUtils::IsListedDirShared(strPath);
	const int nOpenImage = bShared ? m_nSharedFolderImage : m_nOpenFolderImage;
	const int nClosedImage = bShared ? m_nSharedFolderImage : m_nClosedFolderImage;
	AddToTree(hParent, strLabel, nClosedImage, bAddDummy, nOpenImage);
}

bool CDirTreeCtrl::DoesFolderHaveContent(const CString& strPath)
{
	return DirUtils::HasSubdirectory(strPath, m_dwListFlags);
}

void CDirTreeCtrl::PopulateRoot(CString& strWanted)
{
	if (!m_strRestrictDir.IsEmpty())
	{
		TextArray list;
		DirUtils::GetDirectoryList(m_strRestrictDir, list,
			m_dwListFlags | DirUtils::ListSkipLinks | DirUtils::ListSorted);
		const bool bProbe = m_bBackgroundProbe && StartProbing();
		for (__int64 i = 0; i < list.GetCount(); ++i)
		{
			const CString strEntry = list.GetCopyAt(i);
			if (bProbe)
				AddProbedItem(TVI_ROOT, strEntry, DirUtils::ParseLastDir(strEntry), true);
			else
				AddToTree(TVI_ROOT, DirUtils::ParseLastDir(strEntry), m_nClosedFolderImage,
					DirUtils::HasSubdirectory(strEntry, m_dwListFlags), m_nClosedFolderImage);
		}
		AddProvisionalButtons();
		return;
	}

	TextArray roots;
	VolumeUtils::GetDriveLetters(roots);
	for (__int64 i = 0; i < roots.GetCount(); ++i)
	{
		const CString strRoot = roots.GetCopyAt(i);
		const VolumeUtils::DriveType eType = VolumeUtils::GetDriveTypeA(strRoot);
		if (m_strFirstFixedDrive.IsEmpty() && eType == VolumeUtils::DriveFixed)
		{
			m_strFirstFixedDrive = strRoot;
			if (strWanted.IsEmpty())
				strWanted = strRoot;
		}
		// Drives get a dummy node unread: reading them is for when they are opened.
		const int nImage = GetDriveImageIndex(eType, strRoot);
		AddToTree(TVI_ROOT, BuildDriveText(strRoot, VolumeUtils::GetVolumeName(strRoot)), nImage, true,
			nImage);
	}
}

/////////////////////////////////////////////////////////////////////////////
// Message handlers

void CDirTreeCtrl::OnItemexpanding(NMHDR* pNMHDR, LRESULT* pResult)
{
	*pResult = 0;
	const NMTREEVIEW* pNMTreeView = reinterpret_cast<const NMTREEVIEW*>(pNMHDR);
	OpenOrCloseBranch(pNMTreeView->itemNew.hItem,
		(pNMTreeView->action & (TVE_COLLAPSE | TVE_EXPAND)) != TVE_COLLAPSE);
}

void CDirTreeCtrl::OnItemexpanded(NMHDR* /*pNMHDR*/, LRESULT* pResult)
{
	*pResult = 0;
	BroadcastMsgToParent(MSG_DIR_TREE_EXPAND);
	// The branch's folders are on screen now.
	PrioritiseVisibleProbes(true);
}
