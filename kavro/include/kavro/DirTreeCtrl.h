// DirTreeCtrl.h - a tree of the machine's drives and folders that reads each branch when it is opened.
//
// Classes in this file:
//   CDirTreeCtrl
#pragma once

#include <afxwin.h>
#include <afxcmn.h>

#include <qtx/Support.h>

/////////////////////////////////////////////////////////////////////////////
// CDirTreeCtrl
//
// Subclass an ordinary tree control with it. The root level holds the drives
// (or, restricted, the folders of one directory); a branch is read from disk
// each time it is opened and forgotten again when it is closed, so an open
// branch shows the disk as it was when it was opened. An item stores only its
// label: a drive item reads "C:\" or "C:\ (Label)", a folder item its name, and
// an empty label is the dummy child that gives an unread branch its button.
//
// Selection changes and openings are posted to the message window
// (SetMsgWnd); Enter and Escape are sent to the parent. All four messages
// carry 0 and 0; the receiver reads the new state with the getters.
//
// An opening branch asks every new folder item whether it has sub-folders
// and whether it is shared, which is one look at the disk (one round trip on
// a network share) per folder. SetBackgroundProbe moves those questions off
// the opening: the items come at once with a button that may go, and a
// worker thread of the tree asks about them, visible ones first.

class CDirTreeProbe;

class AFX_EXT_CLASS CDirTreeCtrl : public CTreeCtrl
{
	DECLARE_DYNAMIC(CDirTreeCtrl)

public:
	// Registered when the library loads; compare incoming messages with these.
	static const UINT MSG_DIR_TREE_SELCHANGED; // posted: a new directory is selected
	static const UINT MSG_DIR_TREE_EXPAND;     // posted: a branch was opened or closed
	static const UINT MSG_DIR_TREE_KEY_ENTER;  // sent to the parent after Enter toggled the selection
	static const UINT MSG_DIR_TREE_KEY_ESCAPE; // sent to the parent on Escape

// Construction
public:
	CDirTreeCtrl();
	virtual ~CDirTreeCtrl();

// Attributes
public:
	// Hidden and system folders are listed, or not, from the next listing on.
	void SetShowSystemDirs(bool bShow);
	// A non-empty directory makes the root level its folders, from the next Refresh on.
	void SetRestrictToDir(const CString& strDir);
	// The first fixed drive met by the first population, such as C:\; empty when none.
	CString GetFirstFixedDrive() const;
	// The item's path with a trailing backslash (C:\ for a drive item); empty for a dummy node.
	CString GetItemPath(HTREEITEM hItem) const;
	// The volume label of the drive item whose label starts with cLetter (either case); empty when none.
	CString GetDriveName(char cLetter) const;
	// The width in pixels that the labels of the shown items need; the scroll range is left alone.
	int GetHorizontalExtent() const;
	// True when the selected item is a root item.
	bool IsSelectedDriveLetter() const;
	// True when an item is selected and has children (a dummy node counts).
	bool HasChildren() const;

	// The window that the selection and expansion messages are posted to; NULL for none.
	void SetMsgWnd(HWND hWnd);
	// The menu resource shown as the popup menu; 0 shows none.
	void SetContextMenu(UINT nMenuID);
	// When set, a branch that the control opens or closes itself is read again
	// even if it was opened before.
	void SetStateReset(bool bReset);
	// Off by default. When on, a branch that opens (and, restricted, the root
	// level) shows its folders at once as closed folders with a button, and
	// the tree's worker thread asks, visible items first, whether each has
	// sub-folders and is shared; the answers take the buttons away and set the
	// shared images as they come. With bOnWorker false the questions are asked
	// on the control's thread instead, a few milliseconds at a time between
	// the application's messages. Switching the mode drops the questions not
	// yet answered, and so do closing their branch, Refresh, SetRestrictToDir
	// and the window's destruction; the worker ends with the window.
	void SetBackgroundProbe(bool bBackground, bool bOnWorker = true);
	// True while background questions wait or their answers are being applied.
	bool IsProbing() const;

// Operations
public:
	// Creates the font from lf (nothing at all when its face name is empty),
	// takes crText for unselected labels and repaints at once.
	void ApplyFont(const LOGFONTA& lf, DWORD crText);
	// Opens the levels of strPath and selects its last one (opening it too
	// when bExpandLast). NULL when a level is missing: the path is then kept
	// and aimed at by every later Refresh.
	HTREEITEM SetSelectedDir(const CString& strPath, bool bExpandLast);
	// Selects the next sibling of the selected item, else the previous one, else its parent.
	void SelectSiblingOrParentDir();
	// Selects the first root item whose label starts with cLetter (either case).
	void SelectDrive(char cLetter);

// Overridables
protected:
	// Brings an existing item up to date with the folder at strPath; true
	// when children were added, or the branch was closed because it changed.
	virtual bool DoUpdateBranch(const CString& strPath, HTREEITEM hItem, bool& bChanged);
	virtual HTREEITEM DoSetSelectedDir(const CString& strPath, bool bExpandLast);
	// Whether a new folder item gets a dummy node: the folder has a sub-folder.
	// With SetBackgroundProbe(true) it runs on the tree's worker thread: an
	// override must then be safe to call from another thread, must not send
	// messages to the control's thread, and should not touch the object after
	// a call that may take long. The tree waits a few seconds for a running
	// call when its window is destroyed; a class that overrides this and
	// destroys the object before its window switches the mode off in its
	// destructor.
	virtual bool DoesFolderHaveContent(const CString& strPath);
	// Appends one child of hParent per sub-folder of strPath, in sorted order.
	virtual void AddDirectoryContent(CString strPath, HTREEITEM hParent);
	// Loads, filters and tracks the popup menu at point (screen coordinates);
	// its commands go to the parent.
	virtual void OnPopupMenu(const CPoint& point);
	// Called with the filtered popup before it is shown; does nothing here.
	virtual void UpdateContextMenu(CMenu* pMenu);

public:
	// The last selected path with its trailing backslash (bFromCache), or the
	// selected item's label as the tree holds it; empty when none.
	virtual CString GetSelectedDir(bool bFromCache) const;
	// Rebuilds the tree from the disk and selects the same directory again,
	// or its nearest neighbour when it is gone; scrolls it into view when
	// bEnsureVisible.
	virtual void Refresh(bool bEnsureVisible);

	// Ctrl+Home, the Applications key, Shift+F10 and WM_CONTEXTMENU.
	virtual BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
	virtual void PreSubclassWindow() override;

// Implementation
protected:
	// Labels and paths
	void GetItemPath(HTREEITEM hItem, CString& strPath) const;
	CString BuildDriveText(const CString& strRoot, const CString& strLabel) const;
	CString ParseDriveLetter(const CString& strLabel) const;
	bool IsDriveLetter(const CString& strText) const;

	// Images
	void LoadDLLIcon(UINT nID, int& nIndex);
	void GetPrivateImageList(CImageList*& pImageList);
	int GetDriveImageIndex(VolumeUtils::DriveType eType, const CString& strRoot) const;
	int GetFolderImageIndex(HTREEITEM hItem, bool bOpen, const CString& strPath) const;

	// Items and branches
	void AddToTree(HTREEITEM hParent, const CString& strText, int nImage, bool bAddDummy, int nSelectedImage);
	void AddDummyNode(HTREEITEM hItem);
	bool IsDummyBranch(HTREEITEM hItem) const;
	bool IsBranchExpanded(HTREEITEM hItem) const;
	void ExpandBranch(HTREEITEM hItem, bool bExpand);
	void AddSubDirectories(HTREEITEM hItem);
	int GetChildCount(HTREEITEM hItem) const;
	// True when hItem lies anywhere below hBranch.
	bool IsChildBranch(HTREEITEM hItem, HTREEITEM hBranch) const;
	// 1 for a root item, plus one per ancestor.
	int GetParentLevels(const HTREEITEM& hItem) const;
	void RemoveAllChildBranches(HTREEITEM hItem, bool bReport);

	// Selection
	HTREEITEM GetTreeDirMatch(HTREEITEM hParent, const CString& strName, bool bExpand);
	HTREEITEM SelectDirSiblingOrParentDir(const CString& strPath);
	CString GetFirstVisibleDir() const;
	CString GetDesiredSelectedDir() const;
	void ResetDesiredSelectedDir();

	// Keeping an existing tree up to date with the disk; true when something changed.
	bool UpdateBranch(HTREEITEM hItem, bool& bChanged);
	bool UpdateDriveLetters();

	UINT GetContextMenuID() const;
	void SetSelectChangedMsg(bool bSend);
	void SetDoDraw(bool bDoDraw);
	// Posts nMsg with 0 and 0 to the message window, when there is one.
	void BroadcastMsgToParent(UINT nMsg);
	// Shows the popup menu under the selected item's label, or near the
	// top-left corner when nothing is selected.
	void DisplayContextMenu();

	bool m_bStateReset;
	bool m_bSendSelChangedMsg;
	bool m_bDoDraw;
	int m_nOpenFolderImage;
	int m_nClosedFolderImage;
	int m_nNetworkFolderImage;
	int m_nSharedFolderImage;
	int m_nOpticalImage;
	int m_nNetworkOpticalImage;
	int m_nHardDiskImage;
	int m_nMemoryCardImage;
	int m_nCableDriveImage;
	int m_nNetworkDriveImage;
	int m_nUsbStickImage;
	int m_nComputerImage;
	DWORD m_dwListFlags;
	UINT m_nContextMenuID;
	HWND m_hMsgWnd;
	CFont* m_pFont;
	COLORREF m_crText;
	CString m_strRestrictDir;
	CString m_strFirstFixedDrive;
	CString m_strSelectedDir;
	CString m_strDesiredSelectedDir;
	CImageList m_imageList;

private:
	friend class CDirTreeProbe;

	// Fills the empty root level; a first fixed drive becomes strWanted when that is empty.
	void PopulateRoot(CString& strWanted);
	// Reads a branch that opens, or forgets what was read into one that closes.
	void OpenOrCloseBranch(HTREEITEM hBranch, bool bOpen);
	// Appends the folder item for strPath, with a dummy node when it has sub-folders.
	void AddFolderItem(HTREEITEM hParent, const CString& strPath, const CString& strLabel);
	bool IsFolderImage(int nImage) const;
	// Deletes an item whose folder or drive is gone; a selection on it moves
	// to a neighbour first, and that move is reported.
	void DeleteVanished(HTREEITEM hItem);
	// Appends a child with the image, and the selected image or the image when that is -1.
	HTREEITEM InsertChild(HTREEITEM hParent, const CString& strText, int nImage, int nSelectedImage);

	// Background probing (DirTreeProbe.cpp).
	// Makes the probe, and its worker when the questions go to one; false when that fails.
	bool StartProbing();
	// Appends a closed folder item that may have sub-folders and notes the question about it.
	void AddProbedItem(HTREEITEM hParent, const CString& strPath, const CString& strLabel, bool bRootLevel);
	// Gives the items just appended their provisional buttons; the tree control
	// finds its items faster when they are asked for all together.
	void AddProvisionalButtons();
	// Puts the questions about the items on screen first; bForce also when the view seems unchanged.
	void PrioritiseVisibleProbes(bool bForce);
	// Applies the answers that came, for a few milliseconds at most.
	void ApplyProbeAnswers();
	// Takes the provisional button away, or sets the shared image.
	void ApplyProbeAnswer(UINT nId, bool bContent, bool bShared);
	// Asks questions on this thread for a few milliseconds.
	void RunProbesHere();
	// Drops every question and ends the worker.
	void StopProbing();
	// The question itself, on the worker thread or on the control's.
	void ProbeFolder(const CString& strPath, bool bRootLevel, bool& bContent, bool& bShared);

	bool m_bBackgroundProbe;
	bool m_bProbeOnWorker;
	CDirTreeProbe* m_pProbe; // made at the first question

// Message handlers
protected:
	afx_msg void OnPaint();
	afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
	afx_msg void OnKeydown(NMHDR* pNMHDR, LRESULT* pResult);
	afx_msg void OnItemexpanding(NMHDR* pNMHDR, LRESULT* pResult);
	afx_msg void OnItemexpanded(NMHDR* pNMHDR, LRESULT* pResult);
	afx_msg void OnSelchanged(NMHDR* pNMHDR, LRESULT* pResult);
	afx_msg void OnEditCopy();
	afx_msg void OnUpdateEditCopy(CCmdUI* pCmdUI);
	afx_msg void OnDestroy();
	afx_msg void OnTimer(UINT_PTR nIDEvent);
	// Scrolling brings the questions about the folders now on screen forward.
	afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
	afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
	// TVM_DELETEITEM and TVM_EXPAND: items about to go are forgotten by the background probing.
	afx_msg LRESULT OnDeleteItem(WPARAM wParam, LPARAM lParam);
	afx_msg LRESULT OnExpand(WPARAM wParam, LPARAM lParam);
	afx_msg LRESULT OnProbeAnswers(WPARAM wParam, LPARAM lParam);

	DECLARE_MESSAGE_MAP()
};
