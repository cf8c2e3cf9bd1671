// DirTreeSelection.cpp - the directory tree: selecting paths, rebuilding, and keeping a tree up to date.
#include <afxwin.h>
#include <afxcmn.h>

#include <kavro/DirTreeCtrl.h>

/////////////////////////////////////////////////////////////////////////////
// Selection

HTREEITEM CDirTreeCtrl::SetSelectedDir(const CString& strPath, bool bExpandLast)
{
	return DoSetSelectedDir(strPath, bExpandLast);
}

HTREEITEM CDirTreeCtrl::DoSetSelectedDir(const CString& strPath, bool bExpandLast)
{
	if (strPath.IsEmpty())
		return NULL;
	TextArray levels;
	if (!DirUtils::BreakUpDirs(strPath, levels) || levels.IsEmpty())
		return NULL;
	HTREEITEM hItem = TVI_ROOT;
	for (__int64 i = 0; i < levels.GetCount(); ++i)
	{
		const CString strLevel = levels.GetCopyAt(i);
		if (strLevel.IsEmpty())
			continue;
		// Opening a level reads it at once, so the next level's items exist.
		hItem = GetTreeDirMatch(hItem, strLevel, levels.IsLast(i) ? bExpandLast : true);
		if (hItem == NULL)
		{
			m_strDesiredSelectedDir = strPath;
			return NULL;
		}
	}
	SelectItem(hItem);
	m_strSelectedDir = strPath;
	return hItem;
}

HTREEITEM CDirTreeCtrl::GetTreeDirMatch(HTREEITEM hParent, const CString& strName, bool bExpand)
{
	if (strName.IsEmpty())
		return NULL;
	// Names early in the alphabet are looked for from the first child, the
	// others from the last, which halves the walk through a large folder.
	const unsigned char c = static_cast<unsigned char>(strName[0]);
	bool bForward;
	if (StringUtils::m_tableUppercase[c] == static_cast<char>(c))
		bForward = c >= 'A' && c <= 'M';
	else
		bForward = c >= 'a' && c <= 'm';

	HTREEITEM hChild = GetChildItem(hParent);
	if (!bForward)
	{
		for (HTREEITEM hNext = hChild; hNext != NULL; hNext = GetNextSiblingItem(hNext))
			hChild = hNext;
	}
	for (; hChild != NULL; hChild = bForward ? GetNextSiblingItem(hChild) : GetPrevSiblingItem(hChild))
	{
		CString strLabel = GetItemText(hChild);
		if (strLabel.IsEmpty())
			continue;
		// A drive item "C:\ (System)" is level "C:".
		if (strLabel.Find(":\\") >= 0)
			strLabel = strLabel.Left(2);
		if (strLabel != strName)
			continue;
		if (bExpand)
			ExpandBranch(hChild, true);
		else
			SelectItem(hChild);
		return hChild;
	}
	return NULL;
}

CString CDirTreeCtrl::GetSelectedDir(bool bFromCache) const
{
	if (bFromCache)
		return m_strSelectedDir;
	HTREEITEM hItem = GetSelectedItem();
	return hItem != NULL ? GetItemText(hItem) : CString();
}

void CDirTreeCtrl::SelectSiblingOrParentDir()
{
	HTREEITEM hItem = GetSelectedItem();
	if (hItem == NULL)
		return;
	HTREEITEM hNew = GetNextSiblingItem(hItem);
	if (hNew == NULL)
		hNew = GetPrevSiblingItem(hItem);
	if (hNew == NULL)
		hNew = GetParentItem(hItem);
	if (hNew != NULL)
		SelectItem(hNew);
}

HTREEITEM CDirTreeCtrl::SelectDirSiblingOrParentDir(const CString& strPath)
{
	if (strPath.IsEmpty())
		return NULL;
	CString strExisting = strPath;
	while (strExisting.GetLength() > 3 && !DirUtils::DoesDirExist(strExisting))
		strExisting = DirUtils::ParseParentDir(strExisting);
	if (strExisting.GetLength() == strPath.GetLength())
		return DoSetSelectedDir(strPath, false);

	// The folder is gone: its place among its former siblings tells which
	// neighbour takes over.
	TextArray list;
	DirUtils::GetDirectoryList(strExisting, list, m_dwListFlags | DirUtils::ListSkipLinks);
	list.Add(strPath);
	list.Sort(true, false, TextArray::ContentPaths);
	bool bFound = false;
	const __int64 nIndex = list.Find(strPath, false, bFound);
	if (!bFound)
		return NULL;
	if (!list.IsLast(nIndex))
		return DoSetSelectedDir(list.GetCopyAt(nIndex + 1), false);
	if (list.GetCount() == 1)
		return DoSetSelectedDir(strExisting, false);
	return DoSetSelectedDir(list.GetCopyAt(nIndex - 1), false);
}

void CDirTreeCtrl::SelectDrive(char cLetter)
{
	const char cWanted = StringUtils::m_tableUppercase[static_cast<unsigned char>(cLetter)];
	for (HTREEITEM hItem = GetRootItem(); hItem != NULL; hItem = GetNextSiblingItem(hItem))
	{
		const CString strLabel = GetItemText(hItem);
		if (!strLabel.IsEmpty() &&
			StringUtils::m_tableUppercase[static_cast<unsigned char>(strLabel[0])] == cWanted)
		{
			SelectItem(hItem);
			return;
		}
	}
}

bool CDirTreeCtrl::IsSelectedDriveLetter() const
{
	HTREEITEM hItem = GetSelectedItem();
	return hItem != NULL && GetParentItem(hItem) == NULL;
}

bool CDirTreeCtrl::HasChildren() const
{
	HTREEITEM hItem = GetSelectedItem();
	return hItem != NULL && GetChildItem(hItem) != NULL;
}

CString CDirTreeCtrl::GetFirstVisibleDir() const
{
	HTREEITEM hItem = GetFirstVisibleItem();
	return hItem != NULL ? GetItemPath(hItem) : CString();
}

CString CDirTreeCtrl::GetDesiredSelectedDir() const
{
	return m_strDesiredSelectedDir;
}

void CDirTreeCtrl::ResetDesiredSelectedDir()
{
	m_strDesiredSelectedDir.Empty();
}

/////////////////////////////////////////////////////////////////////////////
// Rebuilding and updating

void CDirTreeCtrl::Refresh(bool bEnsureVisible)
{
	if (m_pFont != NULL)
		SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(m_pFont->GetSafeHandle()), TRUE);
	const CString strPrevious = GetSelectedDir(true);
	CString strWanted = m_strDesiredSelectedDir;

	m_bSendSelChangedMsg = false;
	DeleteAllItems();
	m_bSendSelChangedMsg = true;
	PopulateRoot(strWanted);

	HTREEITEM hItem = SelectDirSiblingOrParentDir(strWanted.IsEmpty() ? strPrevious : strWanted);
	if (hItem != NULL && bEnsureVisible)
		EnsureVisible(hItem);
	PrioritiseVisibleProbes(true);
}

bool CDirTreeCtrl::UpdateBranch(HTREEITEM hItem, bool& bChanged)
{
	CString strPath = GetItemPath(hItem);
	if (strPath.IsEmpty())
		return false;
	const bool bDir = DirUtils::IsDir(strPath, true);
	if (bDir)
		DirUtils::EnsureTrailingBackslash(strPath);
	if (IsDriveLetter(strPath) || DirUtils::DoesDirExist(strPath))
	{
		if (!bDir)
			return false;
		bool bResult = DoUpdateBranch(strPath, hItem, bChanged);
		for (HTREEITEM hChild = GetChildItem(hItem); hChild != NULL;)
		{
			// The child may go while it is brought up to date.
			HTREEITEM hNext = GetNextSiblingItem(hChild);
			if (UpdateBranch(hChild, bChanged))
				bResult = true;
			hChild = hNext;
		}
		return bResult;
	}
	DeleteVanished(hItem);
	bChanged = true;
	return false;
}

bool CDirTreeCtrl::DoUpdateBranch(const CString& strPath, HTREEITEM hItem, bool& bChanged)
{
	const bool bOpen = IsBranchExpanded(hItem);
	TextArray list;
	bool bHasFolders;
	if (bOpen)
	{
		DirUtils::GetDirectoryList(strPath, list, m_dwListFlags | DirUtils::ListSkipLinks);
		bHasFolders = !list.IsEmpty();
		list.Sort(true, false, TextArray::ContentPaths);
	}
	else
	{
		bHasFolders = DirUtils::HasSubdirectory(strPath, m_dwListFlags);
	}

	const bool bHasChildren = GetChildItem(hItem) != NULL;
	if (bHasFolders && !bHasChildren)
	{
		AddDummyNode(hItem);
	}
	else if (!bHasFolders && bHasChildren)
	{
		RemoveAllChildBranches(hItem, true);
	}
	else
	{
		if (!bOpen)
			return false;

		DirUtils::MakePathsRelative(strPath, list);
		for (HTREEITEM hChild = GetChildItem(hItem); hChild != NULL;)
		{
			HTREEITEM hNext = GetNextSiblingItem(hChild);
			if (!list.Have(GetItemText(hChild) + "\\", true))
			{
				DeleteVanished(hChild);
				bChanged = true;
			}
			hChild = hNext;
		}
		bool bInserted = false;
		for (__int64 i = 0; i < list.GetCount(); ++i)
		{
			CString strName = list.GetCopyAt(i);
			DirUtils::RemoveTrailingSlash(strName);
			HTREEITEM hChild = GetChildItem(hItem);
			while (hChild != NULL && GetItemText(hChild) != strName)
				hChild = GetNextSiblingItem(hChild);
			if (hChild == NULL)
			{
				CString strFolder = strPath + strName;
				AddFolderItem(hItem, DirUtils::EnsureTrailingBackslash(strFolder), strName);
				bChanged = bInserted = true;
			}
		}
		AddProvisionalButtons();
		if (bInserted)
			SortChildren(hItem);
		return bInserted;
	}

	// The branch changed shape: close it, to be read afresh when it is opened.
	if (bOpen)
		ExpandBranch(hItem, false);
	return true;
}

bool CDirTreeCtrl::UpdateDriveLetters()
{
	TextArray roots;
	VolumeUtils::GetDriveLetters(roots);
	bool bChanged = false;
	for (HTREEITEM hItem = GetRootItem(); hItem != NULL;)
	{
		HTREEITEM hNext = GetNextSiblingItem(hItem);
		const CString strLabel = GetItemText(hItem);
		const CString strRoot = ParseDriveLetter(strLabel);
		bool bFound = false;
		roots.Find(strRoot, false, bFound);
		if (!bFound)
		{
			// A drive that went away is no change worth a new sort.
			DeleteVanished(hItem);
		}
		else
		{
			const CString strNewLabel = BuildDriveText(strRoot, VolumeUtils::GetVolumeName(strRoot));
			if (strNewLabel != strLabel)
			{
				SetItemText(hItem, strNewLabel);
				bChanged = true;
				if (IsBranchExpanded(hItem))
				{
					bool bBranchChanged = false;
					DoUpdateBranch(strRoot, hItem, bBranchChanged);
				}
			}
		}
		hItem = hNext;
	}

	for (__int64 i = 0; i < roots.GetCount(); ++i)
	{
		const CString strRoot = roots.GetCopyAt(i);
		HTREEITEM hItem = GetRootItem();
		while (hItem != NULL && ParseDriveLetter(GetItemText(hItem)).CompareNoCase(strRoot) != 0)
			hItem = GetNextSiblingItem(hItem);
		if (hItem == NULL)
		{
			const int nImage = GetDriveImageIndex(VolumeUtils::GetDriveTypeA(strRoot), strRoot);
			AddToTree(TVI_ROOT, BuildDriveText(strRoot, VolumeUtils::GetVolumeName(strRoot)), nImage, true,
				nImage);
			bChanged = true;
		}
	}
	if (bChanged)
		SortChildren(TVI_ROOT);
	return bChanged;
}

void CDirTreeCtrl::DeleteVanished(HTREEITEM hItem)
{
	// The tree's own move of the selection off a deleted item is not
	// reported; a move made here is.
	if (hItem == GetSelectedItem())
		SelectSiblingOrParentDir();
	else
		m_bSendSelChangedMsg = false;
	DeleteItem(hItem);
	m_bSendSelChangedMsg = true;
}
