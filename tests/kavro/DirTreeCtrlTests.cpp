// DirTreeCtrlTests.cpp - CDirTreeCtrl on real folders and Wine drives: branches, selection, messages, paint.
//
// Classes in this file:
//   CTestDirTree, EnableProbe, DirTreeTest
#include <kavrotest/TestSupport.h>

#include <kavro/DirTreeCtrl.h>

#include "DirTreeTestIds.h"

#include <functional>
#include <memory>
#include <string>

namespace
{

const DWORD kTreeStyle =
	WS_CHILD | WS_VISIBLE | WS_BORDER | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_SHOWSELALWAYS;
// Places of the icons in the private image list when all of them load.
const int kOptical = 0, kHardDisk = 2, kCableDrive = 3, kNetworkDrive = 5, kClosedFolder = 7, kOpenFolder = 9;
const UINT kIcons[] = { 1470, 1471, 1472, 1473, 1474, 1475, 1476, 1477, 1479, 1480, 1482, 1483 };

// Derived as an application would, to reach what the class leaves to derived
// classes. It notes the folders it is asked about and the thread that asks,
// and while held it keeps a question waiting.
class CTestDirTree : public CDirTreeCtrl
{
public:
	CTestDirTree() { ::InitializeCriticalSection(&m_lock); }
	// The override runs on the worker, so the mode goes before the object does.
	virtual ~CTestDirTree() override
	{
		Go();
		SetBackgroundProbe(false);
		::CloseHandle(m_hGo);
		::DeleteCriticalSection(&m_lock);
	}
	virtual bool DoesFolderHaveContent(const CString& strPath) override
	{
		::EnterCriticalSection(&m_lock);
		m_asked.push_back(std::string(DirUtils::ParseLastDir(strPath)));
		m_nThread = ::GetCurrentThreadId();
		::LeaveCriticalSection(&m_lock);
		::WaitForSingleObject(m_hGo, m_nHoldMs);
		return CDirTreeCtrl::DoesFolderHaveContent(strPath);
	}
	void Hold(DWORD nMs = 2000)
	{
		ClearAsked();
		m_nHoldMs = nMs;
		::ResetEvent(m_hGo);
	}
	void Go() { ::SetEvent(m_hGo); }
	std::vector<std::string> Asked()
	{
		::EnterCriticalSection(&m_lock);
		const std::vector<std::string> asked = m_asked;
		::LeaveCriticalSection(&m_lock);
		return asked;
	}
	void ClearAsked()
	{
		::EnterCriticalSection(&m_lock);
		m_asked.clear();
		::LeaveCriticalSection(&m_lock);
	}

	HANDLE m_hGo = ::CreateEventA(NULL, TRUE, TRUE, NULL);
	DWORD m_nHoldMs = 0;
	CRITICAL_SECTION m_lock;
	std::vector<std::string> m_asked;
	DWORD m_nThread = 0;

	using CDirTreeCtrl::ExpandBranch;
	using CDirTreeCtrl::GetDesiredSelectedDir;
	using CDirTreeCtrl::GetDriveImageIndex;
	using CDirTreeCtrl::GetPrivateImageList;
	using CDirTreeCtrl::SetDoDraw;
	using CDirTreeCtrl::UpdateBranch;
	using CDirTreeCtrl::UpdateDriveLetters;
};

// Notes what an update handler decides.
class EnableProbe : public CCmdUI
{
public:
	virtual void Enable(BOOL bOn) override { m_nEnabled = bOn; }
	int m_nEnabled = -1;
};

const unsigned kZeroParams = kt::wparam | kt::lparam;
const kt::Expected kSelChanged = { CDirTreeCtrl::MSG_DIR_TREE_SELCHANGED, kt::posted | kZeroParams };
const kt::Expected kExpand = { CDirTreeCtrl::MSG_DIR_TREE_EXPAND, kt::posted | kZeroParams };
const kt::Expected kKeyEnter = { CDirTreeCtrl::MSG_DIR_TREE_KEY_ENTER, kt::sent | kt::parent | kZeroParams };
const kt::Expected kKeyEscape = { CDirTreeCtrl::MSG_DIR_TREE_KEY_ESCAPE,
	kt::sent | kt::parent | kZeroParams };
const kt::Expected kKeyDown = kt::Notify(TVN_KEYDOWN, kt::sent | kt::parent);

// What the message window (posted) and the tree's parent (sent) receive; the
// tree's other notifications to its parent are its own business.
const kt::Ignore kTreeTraffic = { kt::kIncidental,
	{ WM_PARENTNOTIFY, WM_SETFOCUS, WM_KILLFOCUS, NM_CLICK, NM_RETURN, NM_CUSTOMDRAW, NM_SETFOCUS,
		NM_KILLFOCUS, TVN_SELCHANGINGA, TVN_SELCHANGEDA, TVN_GETDISPINFOA, TVN_ITEMEXPANDINGA,
		TVN_ITEMEXPANDEDA, TVN_DELETEITEMA } };

class DirTreeTest : public ::testing::Test
{
protected:
	virtual void SetUp() override
	{
		// Wine lists n10 before n9; the tree sorts as a file manager does.
		for (const char* dir : { "Alpha\\n10", "Alpha\\n9\\Deep", "beta", "Gamma", "zeta\\x" })
			m_tmp.MakeDir(dir);
		m_hMsgWnd =
			::CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 1, 1, m_host.GetSafeHwnd(), NULL, NULL, NULL);
	}

	// Binds m_tree to a new tree control in the host; the root level is the
	// temporary folder's folders unless bDrives.
	void Attach(bool bDrives = false)
	{
		HWND hWnd = ::CreateWindowExA(0, WC_TREEVIEWA, "", kTreeStyle, 10, 10, 300, 260, m_host.GetSafeHwnd(),
			NULL, NULL, NULL);
		if (!bDrives)
			m_tree.SetRestrictToDir(m_tmp.Path().c_str());
		m_tree.SetMsgWnd(m_hMsgWnd);
		ASSERT_TRUE(m_tree.SubclassWindow(hWnd));
		kt::PumpPending();
	}

	std::string Path(const std::string& relative) const { return m_tmp.Path() + relative; }

	// The item reached through the labels of path ('/' between levels) from hFrom's children.
	HTREEITEM Item(const std::string& path, HTREEITEM hFrom = TVI_ROOT) const
	{
		HTREEITEM hItem = hFrom;
		for (size_t start = 0, end = 0; hItem != NULL && start <= path.size(); start = end + 1)
		{
			end = std::min(path.find('/', start), path.size());
			HTREEITEM hChild = m_tree.GetChildItem(hItem);
			while (
				hChild != NULL && std::string(m_tree.GetItemText(hChild)) != path.substr(start, end - start))
				hChild = m_tree.GetNextSiblingItem(hChild);
			hItem = hChild;
		}
		return hItem;
	}

	// The labels of the item's children joined by '|', a dummy node as '~'.
	std::string Children(HTREEITEM hItem) const
	{
		std::string text;
		for (HTREEITEM hChild = m_tree.GetChildItem(hItem); hChild != NULL;
			 hChild = m_tree.GetNextSiblingItem(hChild))
		{
			const std::string label(m_tree.GetItemText(hChild));
			text += (text.empty() ? "" : "|") + (label.empty() ? "~" : label);
		}
		return text;
	}

	// The children of each item, joined by ','.
	std::string Each(std::initializer_list<std::string> paths) const
	{
		std::string text;
		for (const std::string& path : paths)
			text += Children(Item(path)) + ",";
		return text.substr(0, text.size() - 1);
	}

	std::string Images(HTREEITEM hItem) const
	{
		int nImage = -2, nSelected = -2;
		m_tree.GetItemImage(hItem, nImage, nSelected);
		return std::to_string(nImage) + "/" + std::to_string(nSelected);
	}

	// Clicks the item's button, as a user opens or closes a branch.
	void ClickButton(HTREEITEM hItem)
	{
		CRect rc;
		ASSERT_TRUE(m_tree.GetItemRect(hItem, &rc, FALSE));
		for (int x = 0; x < rc.right; ++x)
		{
			TVHITTESTINFO ht = {};
			ht.pt = CPoint(x, rc.CenterPoint().y);
			if (m_tree.HitTest(&ht) == hItem && (ht.flags & TVHT_ONITEMBUTTON))
			{
				m_tree.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, ht.pt.y));
				m_tree.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(x, ht.pt.y));
				kt::PumpPending();
				return;
			}
		}
		ADD_FAILURE() << "no button on " << m_tree.GetItemText(hItem).GetString();
	}

	// Posts a key to the tree, with a modifier held down, and lets the message loop handle it.
	void Key(UINT vk, UINT modifier = 0, UINT message = WM_KEYDOWN)
	{
		BYTE state[256];
		::GetKeyboardState(state);
		if (modifier != 0)
			state[modifier] = 0x80;
		::SetKeyboardState(state);
		::PostMessageA(m_tree.GetSafeHwnd(), message, vk, 1);
		kt::PumpPending();
		state[modifier] = 0;
		::SetKeyboardState(state);
	}

	// Runs the message loop until every background answer is applied.
	bool Answered()
	{
		return kt::PumpUntil([&] { return !m_tree.IsProbing(); });
	}
	// Runs it until the worker has taken nAsked questions.
	bool Taken(size_t nAsked)
	{
		return kt::PumpUntil([&] { return m_tree.Asked().size() == nAsked; });
	}

	kt::HostWindow m_host{ 420, 300 };
	kt::TempDir m_tmp;
	HWND m_hMsgWnd = NULL;
	CTestDirTree m_tree;
};

std::string ClipboardText()
{
	TextArray lines;
	return ClipboardUtils::ParseClipboardText(lines, "") ? std::string(lines.GetCopyAt(0)) : std::string();
}

} // namespace

// ---------------------------------------------------------------------------
// Population, labels and images

TEST_F(DirTreeTest, DrivesAreLabelledAndPicturedByKindAndLeftUnread)
{
	if (!kt::WineDrive::IsWine())
		GTEST_SKIP() << "needs Wine";
	// The floppy is told by its letter; the optical drive without a disc
	// points at a folder that does not exist.
	const struct
	{
		UINT type;
		const char* label;
		int image;
		char letter;
	} kinds[] = { { DRIVE_CDROM, "Data", kOptical, 0 }, { DRIVE_REMOTE, "", kNetworkDrive, 0 },
		{ DRIVE_REMOVABLE, "", kCableDrive, 0 }, { DRIVE_RAMDISK, "", kCableDrive, 0 },
		{ DRIVE_REMOVABLE, "", kCableDrive, 'B' }, { DRIVE_CDROM, "", kOptical, 0 } };
	std::vector<std::unique_ptr<kt::WineDrive>> drives;
	char letter = 'Z';
	for (const auto& k : kinds)
	{
		const char at = k.letter ? k.letter : (letter = kt::WineDrive::FreeLetterBelow(letter));
		if (*k.label != '\0')
			m_tmp.MakeFile(std::string(1, at) + "\\.windows-label", k.label);
		const std::string folder =
			&k == &kinds[5] ? m_tmp.Path() + "no-disc" : m_tmp.MakeDir(std::string(1, at));
		drives.push_back(std::make_unique<kt::WineDrive>(at, k.type, folder));
		ASSERT_TRUE(drives.back()->m_bDefined) << at;
	}
	Attach(true);

	EXPECT_EQ(std::string(m_tree.GetFirstFixedDrive()), "C:\\");
	EXPECT_EQ(std::string(m_tree.GetSelectedDir(true)), "C:\\");
	EXPECT_EQ(Images(Item("C:\\")), "2/2");
	for (size_t i = 0; i < drives.size(); ++i)
	{
		const std::string root = std::string(1, drives[i]->m_letter) + ":\\";
		const std::string label = *kinds[i].label ? root + " (" + kinds[i].label + ")" : root;
		HTREEITEM hItem = Item(label);
		ASSERT_NE(hItem, (HTREEITEM)NULL) << label;
		EXPECT_EQ(Images(hItem), std::to_string(kinds[i].image) + "/" + std::to_string(kinds[i].image))
			<< label;
		EXPECT_EQ(Children(hItem), "~") << label;
		EXPECT_EQ(std::string(m_tree.GetItemPath(hItem)), root);
	}
	// A floppy opens without being read; a drive without its disc opens empty.
	const std::string noDisc = std::string(1, drives[5]->m_letter) + ":\\";
	ClickButton(Item("B:\\"));
	ClickButton(Item(noDisc));
	EXPECT_EQ(Each({ "B:\\", noDisc }), "~,");

	const char cdLetter = drives[0]->m_letter;
	EXPECT_EQ(std::string(m_tree.GetDriveName(static_cast<char>(cdLetter + 'a' - 'A'))), "Data");
	EXPECT_EQ(std::string(m_tree.GetDriveName('C')), "");
	EXPECT_EQ(std::string(m_tree.GetDriveName(kt::WineDrive::FreeLetterBelow(letter))), "");
	// A label in the shell's form names its drive after the name.
	m_tree.SetItemText(Item("C:\\"), "System (C:)");
	EXPECT_EQ(std::string(m_tree.GetItemPath(Item("System (C:)"))), "C:\\");

	// Wine's local drives all say they sit on a SCSI cable (the removable
	// drive above); other buses come from a network root and from no root.
	const CString netRoot = CString(drives[1]->m_letter) + ":\\";
	const struct
	{
		VolumeUtils::DriveType type;
		CString root;
		int image;
	} rows[] = { { VolumeUtils::DriveRemovable, netRoot, kNetworkDrive },
		{ VolumeUtils::DriveRemovable, "", kHardDisk }, { VolumeUtils::DriveUnknown, "C:\\", kHardDisk },
		{ VolumeUtils::DriveNoRoot, "", kHardDisk } };
	for (const auto& r : rows)
		EXPECT_EQ(m_tree.GetDriveImageIndex(r.type, r.root), r.image) << r.type << " " << r.root.GetString();

	// The whole label is copied, and only while something is selected.
	EnableProbe probe;
	probe.m_nID = ID_EDIT_COPY;
	for (bool bSelected : { true, false })
	{
		m_tree.SelectItem(bSelected ? Item(std::string(1, cdLetter) + ":\\ (Data)") : NULL);
		ClipboardUtils::CopyTextToClipboard("before");
		m_tree.SendMessage(WM_COMMAND, ID_EDIT_COPY);
		EXPECT_EQ(ClipboardText(), bSelected ? std::string(1, cdLetter) + ":\\ (Data)" : "before");
		m_tree.OnCmdMsg(ID_EDIT_COPY, CN_UPDATE_COMMAND_UI, &probe, NULL);
		EXPECT_EQ(probe.m_nEnabled, bSelected);
	}
}

TEST_F(DirTreeTest, FolderPicturesFollowTheBranchAndComeFromTheLibrarysIcons)
{
	Attach();
	CImageList* pList = NULL;
	m_tree.GetPrivateImageList(pList);
	ASSERT_EQ(pList->GetImageCount(), 12);
	// Each image is most like the icon of its place.
	std::vector<kt::Snapshot> icons, images;
	for (int i = 0; i < 12; ++i)
	{
		HICON hIcon = static_cast<HICON>(
			::LoadImageA(::GetModuleHandleA("kavro.dll"), MAKEINTRESOURCEA(kIcons[i]), IMAGE_ICON, 0, 0, 0));
		icons.push_back(kt::Snapshot::Draw(16, 16, RGB(255, 255, 255),
			[&](HDC hdc) { ::DrawIconEx(hdc, 0, 0, hIcon, 16, 16, 0, NULL, DI_NORMAL); }));
		images.push_back(kt::Snapshot::Draw(16, 16, RGB(255, 255, 255),
			[&](HDC hdc) { ImageList_Draw(pList->GetSafeHandle(), i, hdc, 0, 0, ILD_NORMAL); }));
		::DestroyIcon(hIcon);
	}
	for (int i = 0; i < 12; ++i)
		for (int j = 0; j < 12; ++j)
			EXPECT_TRUE(j == i || images[i].CountDiff(icons[i]) < images[i].CountDiff(icons[j])) << kIcons[i];

	const std::string closed = std::to_string(kClosedFolder), open = std::to_string(kOpenFolder);
	HTREEITEM hAlpha = Item("Alpha");
	EXPECT_EQ(Children(TVI_ROOT), "Alpha|beta|Gamma|zeta");
	EXPECT_EQ(Images(hAlpha), closed + "/" + closed);
	ClickButton(hAlpha);
	EXPECT_EQ(Images(hAlpha), open + "/" + open);
	EXPECT_EQ(Images(Item("Alpha/n9")), closed + "/" + open);
	ClickButton(hAlpha);
	EXPECT_EQ(Images(hAlpha), closed + "/" + open);
}

// ---------------------------------------------------------------------------
// Lazy branches

TEST_F(DirTreeTest, OpeningReadsTheDiskAndClosingForgetsWhatWasRead)
{
	// Hidden system folders: one of the root level, and Gamma's only one.
	for (const char* dir : { "sys", "Gamma\\sys" })
		ASSERT_TRUE(
			::SetFileAttributesA(m_tmp.MakeDir(dir).c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));
	Attach();
	HTREEITEM hAlpha = Item("Alpha");
	EXPECT_EQ(Children(TVI_ROOT), "Alpha|beta|Gamma|sys|zeta");
	EXPECT_EQ(Each({ "Alpha", "Gamma" }), "~,~");
	EXPECT_EQ(std::string(m_tree.GetItemPath(Item("Alpha/"))), "");
	ClickButton(hAlpha);
	// Only a folder with sub-folders gets a dummy node.
	EXPECT_EQ(Children(hAlpha), "n9|n10");
	EXPECT_EQ(Each({ "Alpha/n9", "Alpha/n10" }), "~,");
	ClickButton(hAlpha);
	EXPECT_EQ(Children(hAlpha), "~");

	m_tmp.MakeDir("Alpha\\m5");
	ClickButton(hAlpha);
	EXPECT_EQ(Children(hAlpha), "m5|n9|n10");
	// Enter closes and forgets too, though the tree control asked to close may not say so.
	m_tree.SelectItem(hAlpha);
	Key(VK_RETURN);
	EXPECT_EQ(Children(hAlpha), "~");
	EXPECT_FALSE(m_tree.GetItemState(hAlpha, TVIS_EXPANDED) & TVIS_EXPANDED);

	// Without system folders, from the next listing on.
	m_tree.SetShowSystemDirs(false);
	m_tree.Refresh(false);
	EXPECT_EQ(Children(TVI_ROOT), "Alpha|beta|Gamma|zeta");
	EXPECT_EQ(Children(Item("Gamma")), "");
}

// The messages of a user's session, one line per action. Ctrl+Home is
// handled before the tree control sees the key, so it has no TVN_KEYDOWN.
const kt::Sequence kSessionSeq = {
	kKeyDown, kKeyEnter, kt::kSeparator,          // Enter with nothing selected
	kSelChanged, kt::kSeparator,                  // beta selected
	kExpand, kt::kSeparator,                      // Alpha opened by a click
	kSelChanged, kt::kSeparator,                  // n9 inside it selected
	kSelChanged, kExpand, kt::kSeparator,         // Alpha closed around the selection
	kKeyDown, kKeyEnter, kExpand, kt::kSeparator, // Enter opens Alpha
	kt::kSeparator,                               // a derived class closes it
	kKeyDown, kKeyEnter, kExpand, kt::kSeparator, // Enter opens it again
	kKeyDown, kKeyEnter, kExpand, kt::kSeparator, // and closes it
	kKeyDown, kKeyEscape, kt::kSeparator,         // Escape
	kSelChanged, kSelChanged, kt::kSeparator      // zeta selected, then Ctrl+Home
};

TEST_F(DirTreeTest, SelectionsAndOpeningsArePostedAndKeysSentToTheParent)
{
	Attach();
	HTREEITEM hAlpha = Item("Alpha");
	kt::MessageRecorder rec(m_hMsgWnd, true);
	Key(VK_RETURN);
	rec.Separate();
	m_tree.SelectItem(Item("beta"));
	rec.Separate();
	ClickButton(hAlpha);
	rec.Separate();
	m_tree.SelectItem(Item("Alpha/n9"));
	rec.Separate();
	ClickButton(hAlpha);
	rec.Separate();
	EXPECT_EQ(m_tree.GetSelectedItem(), hAlpha);
	Key(VK_RETURN);
	rec.Separate();
	EXPECT_EQ(Children(hAlpha), "n9|n10");
	// A branch opened before closes as the tree control closes it, keeping
	// what was read, unless the state is reset.
	m_tree.ExpandBranch(hAlpha, false);
	rec.Separate();
	EXPECT_EQ(Children(hAlpha), "n9|n10");
	EXPECT_FALSE(m_tree.GetItemState(hAlpha, TVIS_EXPANDED) & TVIS_EXPANDED);
	Key(VK_RETURN);
	rec.Separate();
	Key(VK_RETURN);
	rec.Separate();
	Key(VK_ESCAPE);
	rec.Separate();
	m_tree.SelectItem(Item("zeta"));
	Key(VK_HOME, VK_CONTROL);
	rec.Separate();
	EXPECT_EQ(m_tree.GetSelectedItem(), hAlpha);
	EXPECT_TRUE(rec.Matches(kSessionSeq, kTreeTraffic));
}

// ---------------------------------------------------------------------------
// Selection and rebuilding

TEST_F(DirTreeTest, SetSelectedDirFindsExactPathsAndRemembersTheOthers)
{
	if (!kt::WineDrive::IsWine())
		GTEST_SKIP() << "needs Wine";
	Attach(true);
	// Each level opened on the way is reported, then the selection; a rebuild
	// opens them all again.
	TextArray levels;
	DirUtils::BreakUpDirs(Path("zeta\\x\\").c_str(), levels);
	kt::Sequence expected;
	{
		kt::MessageRecorder rec(m_hMsgWnd);
		ASSERT_NE(m_tree.SetSelectedDir(Path("zeta\\x\\").c_str(), false), (HTREEITEM)NULL);
		rec.Separate();
		m_tree.Refresh(false);
		rec.Separate();
		for (int pass = 0; pass < 2; ++pass)
		{
			expected.insert(expected.end(), static_cast<size_t>(levels.GetCount() - 1), kExpand);
			expected.insert(expected.end(), { kSelChanged, kt::kSeparator });
		}
		EXPECT_TRUE(rec.Matches(expected, kTreeTraffic));
	}

	const std::string file = m_tmp.MakeFile("Alpha\\file.txt");
	const std::string noDrive = std::string(1, kt::WineDrive::FreeLetterBelow('Z')) + ":\\Later\\";
	const struct
	{
		std::string path;
		const char* found; // the item's label, or null
	} rows[] = { { Path("Alpha\\n9\\Deep\\"), "Deep" }, { Path("Alpha\\n10"), "n10" },
		{ Path("ALPHA\\n10\\"), NULL }, { Path("Alpha\\missing\\"), NULL }, { file, NULL },
		{ "\\\\server\\share\\dir\\", NULL }, { "<>|?*", NULL }, { noDrive, NULL } };
	for (const auto& r : rows)
	{
		HTREEITEM hItem = m_tree.SetSelectedDir(r.path.c_str(), false);
		if (r.found == NULL)
		{
			EXPECT_EQ(hItem, (HTREEITEM)NULL) << r.path;
			EXPECT_EQ(std::string(m_tree.GetDesiredSelectedDir()), r.path);
			continue;
		}
		ASSERT_NE(hItem, (HTREEITEM)NULL) << r.path;
		EXPECT_EQ(std::string(m_tree.GetItemText(hItem)), r.found);
		EXPECT_EQ(m_tree.GetSelectedItem(), hItem);
		EXPECT_EQ(std::string(m_tree.GetSelectedDir(true)), r.path);
	}
	EXPECT_EQ(m_tree.SetSelectedDir("", true), (HTREEITEM)NULL);
	EXPECT_EQ(std::string(m_tree.GetDesiredSelectedDir()), noDrive);

	// The path asked for last is aimed at by the next rebuild, once its drive is there.
	m_tmp.MakeDir("Q\\Later");
	kt::WineDrive drive(noDrive[0], DRIVE_FIXED, m_tmp.Path() + "Q");
	ASSERT_TRUE(drive.m_bDefined);
	m_tree.Refresh(false);
	EXPECT_EQ(std::string(m_tree.GetItemPath(m_tree.GetSelectedItem())), noDrive);
}

TEST_F(DirTreeTest, ABranchOpenedBeforeIsReadAgainOnlyWithStateReset)
{
	Attach(true);
	ASSERT_NE(m_tree.SetSelectedDir(Path("zeta").c_str(), false), (HTREEITEM)NULL);
	HTREEITEM hZeta = Item("zeta", m_tree.GetParentItem(m_tree.GetSelectedItem()));
	ClickButton(hZeta);
	ClickButton(hZeta);
	EXPECT_EQ(m_tree.SetSelectedDir(Path("zeta\\x\\").c_str(), false), (HTREEITEM)NULL);
	EXPECT_EQ(Children(hZeta), "~");
	m_tree.SetStateReset(true);
	HTREEITEM hX = m_tree.SetSelectedDir(Path("zeta\\x\\").c_str(), false);
	ASSERT_NE(hX, (HTREEITEM)NULL);
	EXPECT_EQ(Children(m_tree.GetParentItem(hX)), "x");
}

TEST_F(DirTreeTest, RefreshSelectsTheNearestNeighbourOfAVanishedFolder)
{
	Attach(true);
	const struct
	{
		const char* selected;
		const char* expected;
	} rows[] = { { "R\\b\\", "R\\c\\" }, { "R\\c\\", "R\\b\\" }, { "S\\only\\", "S\\" } };
	for (const auto& r : rows)
	{
		for (const char* dir : { "R\\a", "R\\b", "R\\c", "S\\only" })
			m_tmp.MakeDir(dir);
		ASSERT_NE(m_tree.SetSelectedDir(Path(r.selected).c_str(), false), (HTREEITEM)NULL);
		ASSERT_TRUE(::RemoveDirectoryA(Path(r.selected).c_str()));
		// Scrolled away, to be brought back.
		m_tree.SendMessage(WM_VSCROLL, SB_TOP);
		m_tree.Refresh(true);
		EXPECT_EQ(std::string(m_tree.GetSelectedDir(true)), Path(r.expected)) << r.selected;
		CRect rc, rcClient;
		m_tree.GetClientRect(&rcClient);
		EXPECT_TRUE(
			m_tree.GetItemRect(m_tree.GetSelectedItem(), &rc, TRUE) && rcClient.PtInRect(rc.TopLeft()));
	}

	// A restricted tree holds no drive, so no full path is found. Its folder
	// may be given without the backslash that ends a folder path.
	std::string restrictDir = m_tmp.Path();
	restrictDir.pop_back();
	m_tree.SetRestrictToDir(restrictDir.c_str());
	m_tree.Refresh(false);
	EXPECT_EQ(m_tree.SetSelectedDir(Path("Alpha\\").c_str(), false), (HTREEITEM)NULL);
	m_tree.Refresh(false);
	EXPECT_EQ(m_tree.GetSelectedItem(), (HTREEITEM)NULL);
	EXPECT_EQ(Children(TVI_ROOT), "Alpha|beta|Gamma|R|S|zeta");
	EXPECT_EQ(std::string(m_tree.GetItemPath(Item("R"))), Path("R\\"));
}

// ---------------------------------------------------------------------------
// Keeping an existing tree up to date

TEST_F(DirTreeTest, UpdateBranchFollowsTheDisk)
{
	Attach();
	HTREEITEM hAlpha = Item("Alpha");
	ClickButton(hAlpha);
	ClickButton(Item("Alpha/n9"));
	m_tree.SelectItem(Item("Alpha/n10"));
	bool bChanged = false;
	EXPECT_FALSE(m_tree.UpdateBranch(hAlpha, bChanged));
	EXPECT_FALSE(bChanged);

	m_tmp.MakeDir("Alpha\\m5\\sub");
	ASSERT_TRUE(::RemoveDirectoryA(Path("Alpha\\n10").c_str()));
	ASSERT_TRUE(::RemoveDirectoryA(Path("Alpha\\n9\\Deep").c_str()));
	kt::PumpPending();
	kt::MessageRecorder rec(m_hMsgWnd);
	EXPECT_TRUE(m_tree.UpdateBranch(hAlpha, bChanged));
	rec.Separate();
	EXPECT_TRUE(bChanged);
	EXPECT_EQ(Children(hAlpha), "m5|n9");
	EXPECT_EQ(Each({ "Alpha/m5", "Alpha/n9" }), "~,");
	// The selection moved off the vanished folder to its neighbour, and said so.
	EXPECT_EQ(std::string(m_tree.GetSelectedDir(true)), Path("Alpha\\n9\\"));
	EXPECT_TRUE(rec.Matches({ kSelChanged, kt::kSeparator }, kTreeTraffic));
}

TEST_F(DirTreeTest, UpdateDriveLettersFollowsTheDrives)
{
	if (!kt::WineDrive::IsWine())
		GTEST_SKIP() << "needs Wine";
	Attach(true);
	EXPECT_FALSE(m_tree.UpdateDriveLetters());
	const std::string roots = Children(TVI_ROOT);
	const char letter = kt::WineDrive::FreeLetterBelow('Z');
	const std::string root = std::string(1, letter) + ":\\";
	m_tmp.MakeDir("V\\old");
	auto drive = std::make_unique<kt::WineDrive>(letter, DRIVE_FIXED, m_tmp.Path() + "V");
	ASSERT_TRUE(drive->m_bDefined);
	EXPECT_TRUE(m_tree.UpdateDriveLetters());
	EXPECT_EQ(Children(Item(root)), "~");
	// The open drive's volume gets a label (Wine reads it when the drive is
	// defined): the label changes and the open branch follows the disk.
	ClickButton(Item(root));
	EXPECT_EQ(Children(Item(root)), "old");
	drive.reset();
	m_tmp.MakeFile("V\\.windows-label", "Backup");
	m_tmp.MakeDir("V\\new");
	drive = std::make_unique<kt::WineDrive>(letter, DRIVE_FIXED, m_tmp.Path() + "V");
	EXPECT_TRUE(m_tree.UpdateDriveLetters());
	EXPECT_EQ(Children(Item(root + " (Backup)")), "new|old");
	// Sorted in letter order among the others.
	EXPECT_LT(Children(TVI_ROOT).find(root), Children(TVI_ROOT).find("Z:\\"));
	drive.reset();
	EXPECT_FALSE(m_tree.UpdateDriveLetters());
	EXPECT_EQ(Children(TVI_ROOT), roots);
}

// ---------------------------------------------------------------------------
// Popup menu

TEST_F(DirTreeTest, PopupMenuOpensUnderTheSelectionFromEveryKeyboardWayAndAtARightClick)
{
	Attach();
	kt::MenuAnswer answer(m_host.GetSafeHwnd());
	// A right click selects the item under the mouse, and shows the menu when there is one.
	for (UINT nMenu : { 0, IDR_TREE_MENU })
	{
		m_tree.SetContextMenu(nMenu);
		m_tree.SelectItem(Item("Alpha"));
		CRect rc;
		m_tree.GetItemRect(Item("Gamma"), &rc, TRUE);
		m_tree.SendMessage(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(rc.CenterPoint().x, rc.CenterPoint().y));
		kt::PumpPending();
		EXPECT_EQ(m_tree.GetSelectedItem(), Item("Gamma"));
		EXPECT_EQ(answer.Loops(), nMenu ? 1 : 0);
	}
	kt::MessageRecorder rec(m_host.GetSafeHwnd());
	const struct
	{
		UINT message, vk, modifier;
		LPARAM lParam;
	} ways[] = { { WM_KEYDOWN, VK_APPS, 0, 0 }, { WM_SYSKEYDOWN, VK_F10, VK_SHIFT, 0 },
		{ WM_CONTEXTMENU, 0, 0, -1 }, { WM_CONTEXTMENU, 0, 0, MAKELPARAM(50, 50) } };
	for (HTREEITEM hSelected : { Item("Gamma"), (HTREEITEM)NULL })
	{
		m_tree.SelectItem(hSelected);
		// Under the label's left end, or 5 pixels into the client area.
		CRect rc(0, 0, 5, 5);
		if (hSelected != NULL)
			m_tree.GetItemRect(hSelected, &rc, TRUE);
		CPoint at(hSelected ? rc.left : 5, rc.bottom);
		m_tree.ClientToScreen(&at);
		for (const auto& w : ways)
		{
			const int nLoops = answer.Loops();
			answer.Press({ VK_DOWN, VK_RETURN });
			if (w.message == WM_CONTEXTMENU)
			{
				::PostMessageA(m_tree.GetSafeHwnd(), WM_CONTEXTMENU,
					reinterpret_cast<WPARAM>(m_tree.GetSafeHwnd()), w.lParam);
				kt::PumpPending();
			}
			else
			{
				Key(w.vk, w.modifier, w.message);
			}
			rec.Separate();
			EXPECT_EQ(answer.Loops(), nLoops + 1) << w.message << " " << w.vk;
			EXPECT_EQ(CPoint(answer.MenuRect().left, answer.MenuRect().top), at) << w.message << " " << w.vk;
		}
	}
	// Each time the chosen command went to the parent.
	kt::Sequence expected;
	for (int i = 0; i < 8; ++i)
		expected.insert(expected.end(), { { WM_COMMAND, kt::wparam, ID_TREE_OPEN }, kt::kSeparator });
	EXPECT_TRUE(rec.Matches(expected,
		{ kt::kIncidental, { WM_NOTIFY, WM_ENTERMENULOOP, WM_EXITMENULOOP, WM_INITMENU, WM_INITMENUPOPUP,
							   WM_UNINITMENUPOPUP, WM_MENUSELECT, WM_ENTERIDLE, WM_MEASUREITEM, WM_DRAWITEM,
							   WM_CAPTURECHANGED, WM_KEYDOWN, WM_KEYUP, WM_CHAR, WM_CONTEXTMENU } }));
}

// ---------------------------------------------------------------------------
// Painting

TEST_F(DirTreeTest, UnselectedLabelsAreDrawnInTheControlsFontAndColour)
{
	Attach();
	const LOGFONTA lf = kt::TestLogFont();
	const COLORREF kRed = RGB(255, 0, 0), kBlue = RGB(0, 0, 255);
	m_tree.ApplyFont(lf, kRed);
	m_tree.SelectItem(Item("beta"));
	kt::FlushPaint(m_host.GetSafeHwnd());

	HFONT hFont = kt::CreateTestFont();
	const COLORREF crBack = ::GetSysColor(COLOR_WINDOW);
	for (const char* label : { "Alpha", "beta", "Gamma", "zeta" })
	{
		CRect rc;
		ASSERT_TRUE(m_tree.GetItemRect(Item(label), &rc, TRUE));
		const kt::Snapshot got(m_tree.GetSafeHwnd(), rc);
		if (std::string(label) == "beta")
		{
			EXPECT_EQ(got.Count(kRed), 0) << "the selected item keeps the tree's colours";
			continue;
		}
		// The box of the text drawn again is exactly the plain GDI picture.
		SIZE size = {};
		const kt::Snapshot want = kt::Snapshot::Draw(rc.Width(), rc.Height(), crBack,
			[&](HDC hdc)
			{
				HGDIOBJ hOld = ::SelectObject(hdc, hFont);
				::SetTextColor(hdc, kRed);
				::SetBkColor(hdc, crBack);
				::TextOutA(hdc, 2, 1, label, lstrlenA(label));
				::GetTextExtentPoint32A(hdc, label, lstrlenA(label), &size);
				::SelectObject(hdc, hOld);
			});
		const CRect box(2, 1, 2 + size.cx, 1 + size.cy);
		EXPECT_EQ(got.CountDiff(want, box & CRect(0, 0, rc.Width(), rc.Height())), 0) << label;
		EXPECT_GT(got.Count(kRed), 10) << label;
	}
	::DeleteObject(hFont);

	// While drawing is off nothing is painted; an empty face changes nothing.
	auto countColour = [this](COLORREF cr)
	{
		kt::FlushPaint(m_host.GetSafeHwnd());
		return kt::Snapshot(m_tree.GetSafeHwnd()).Count(cr);
	};
	const int nRed = countColour(kRed);
	m_tree.SetDoDraw(false);
	m_tree.ApplyFont(lf, kBlue);
	EXPECT_EQ(countColour(kBlue), 0);
	m_tree.SetDoDraw(true);
	LOGFONTA lfNoFace = lf;
	lfNoFace.lfFaceName[0] = '\0';
	m_tree.ApplyFont(lfNoFace, kRed);
	m_tree.Invalidate();
	EXPECT_EQ(countColour(kBlue), nRed);
	EXPECT_EQ(countColour(kRed), 0);
}

// ---------------------------------------------------------------------------
// Bad input and lifetime

TEST_F(DirTreeTest, BadInputFailsQuietly)
{
	// Longer than MAX_PATH: found, and its path given in full.
	std::wstring longDir = L"\\\\?\\" + StringUtils::ToWide(m_tmp.Path().c_str());
	std::string longPath = m_tmp.Path();
	std::vector<std::wstring> made;
	while (longPath.size() <= MAX_PATH + 20)
	{
		longDir += L"level-of-a-long-path\\";
		longPath += "level-of-a-long-path\\";
		ASSERT_TRUE(::CreateDirectoryW(longDir.c_str(), NULL));
		made.push_back(longDir);
	}
	Attach(true);
	HTREEITEM hLong = m_tree.SetSelectedDir(longPath.c_str(), false);
	ASSERT_NE(hLong, (HTREEITEM)NULL);
	EXPECT_EQ(std::string(m_tree.GetItemPath(hLong)), longPath);
	for (auto it = made.rbegin(); it != made.rend(); ++it)
		::RemoveDirectoryW(it->c_str());

	// Deleted between the listing of its parent and its opening: opens empty.
	ASSERT_NE(m_tree.SetSelectedDir(Path("zeta\\").c_str(), false), (HTREEITEM)NULL);
	HTREEITEM hZeta = m_tree.GetSelectedItem();
	ASSERT_TRUE(::RemoveDirectoryA(Path("zeta\\x").c_str()) && ::RemoveDirectoryA(Path("zeta").c_str()));
	ClickButton(hZeta);
	EXPECT_EQ(Children(hZeta), "");
	EXPECT_EQ(std::string(m_tree.GetItemPath(hZeta)), Path("zeta"));

	// A name the ANSI code page cannot hold is left out; its siblings are not.
	// Cyrillic and Chinese are not in code page 1252, Hangul is not in 932;
	// UTF-8 holds every name the file system takes.
	for (const wchar_t* name : { L"\x0416\x4E2D", L"\xD55C\xAE00" })
	{
		if (kt::IsAnsi(name))
			continue;
		const std::wstring wide = StringUtils::ToWide(Path("Alpha\\").c_str()) + name;
		ASSERT_TRUE(::CreateDirectoryW(wide.c_str(), NULL));
		ASSERT_NE(m_tree.SetSelectedDir(Path("Alpha\\").c_str(), true), (HTREEITEM)NULL);
		EXPECT_EQ(Children(m_tree.GetSelectedItem()), "n9|n10");
		::RemoveDirectoryW(wide.c_str());
		break;
	}
}

TEST_F(DirTreeTest, CyclesAndDestructionLeaveNoGdiObjectOrThreadBehind)
{
	Attach();
	LOGFONTA lf = {};
	lf.lfHeight = -12;
	lstrcpyA(lf.lfFaceName, "Tahoma");
	EXPECT_TRUE(kt::LeavesNoGdiObjects(
		[&]
		{
			ClickButton(Item("Alpha"));
			kt::FlushPaint(m_host.GetSafeHwnd());
			ClickButton(Item("Alpha"));
			m_tree.ApplyFont(lf, RGB(0, 0, 128));
			m_tree.Refresh(true);
			kt::FlushPaint(m_host.GetSafeHwnd());
		}));
	const int nBefore = kt::CountGdiObjects(), nThreads = kt::CountThreads();

	// What a control made goes with it, its worker too.
	auto tree = std::make_unique<CDirTreeCtrl>();
	tree->SetBackgroundProbe(true);
	tree->SubclassWindow(::CreateWindowExA(0, WC_TREEVIEWA, "", kTreeStyle, 10, 10, 300, 260,
		m_host.GetSafeHwnd(), NULL, NULL, NULL));
	tree->SetSelectedDir(Path("Alpha\\").c_str(), true);
	kt::FlushPaint(m_host.GetSafeHwnd());
	EXPECT_GT(kt::CountThreads(), nThreads);
	EXPECT_GT(kt::CountGdiObjects(), nBefore);
	tree.reset();
	kt::PumpPending();
	EXPECT_EQ(kt::CountGdiObjects(), nBefore);
	EXPECT_EQ(kt::CountThreads(), nThreads);
}

// ---------------------------------------------------------------------------
// Background probing

TEST_F(DirTreeTest, InTheBackgroundABranchShowsAtOnceAndItsButtonsGoAsTheAnswersCome)
{
	m_tree.SetBackgroundProbe(true);
	Attach();
	ASSERT_TRUE(Answered());
	// The root level ends as it would have been decided at once.
	EXPECT_EQ(Each({ "Alpha", "beta", "Gamma", "zeta" }), "~,,,~");

	const std::string closed = std::to_string(kClosedFolder), open = std::to_string(kOpenFolder);
	m_tree.Hold();
	ClickButton(Item("Alpha"));
	kt::MessageRecorder rec(m_hMsgWnd);
	EXPECT_EQ(Children(Item("Alpha")), "n9|n10");
	EXPECT_EQ(Each({ "Alpha/n9", "Alpha/n10" }), "~,~");
	EXPECT_EQ(Images(Item("Alpha/n10")), closed + "/" + open);
	EXPECT_TRUE(m_tree.IsProbing());
	m_tree.Go();
	ASSERT_TRUE(Answered());
	rec.Separate();
	EXPECT_EQ(Each({ "Alpha/n9", "Alpha/n10" }), "~,");
	EXPECT_EQ(m_tree.Asked(), std::vector<std::string>({ "n9", "n10" }));
	EXPECT_NE(m_tree.m_nThread, ::GetCurrentThreadId());
	// The answers are none of the application's business.
	EXPECT_TRUE(rec.Matches({ kt::kSeparator }, kTreeTraffic));

	// Asked on the control's thread instead, after the opening.
	ClickButton(Item("Alpha"));
	m_tree.SetBackgroundProbe(true, false);
	m_tree.ClearAsked();
	m_tree.SetStateReset(true);
	m_tree.ExpandBranch(Item("Alpha"), true);
	EXPECT_TRUE(m_tree.Asked().empty());
	EXPECT_EQ(Each({ "Alpha/n9", "Alpha/n10" }), "~,~");
	ASSERT_TRUE(Answered());
	EXPECT_EQ(Each({ "Alpha/n9", "Alpha/n10" }), "~,");
	EXPECT_EQ(m_tree.m_nThread, ::GetCurrentThreadId());
}

TEST_F(DirTreeTest, InTheBackgroundTheFoldersOnScreenAreAskedAboutFirst)
{
	for (int i = 0; i < 40; ++i)
		m_tmp.MakeDir("Many\\f" + std::to_string(100 + i));
	m_tree.SetBackgroundProbe(true);
	Attach();
	m_tree.Hold();
	ClickButton(Item("Many"));
	ASSERT_TRUE(Taken(1));
	// Scrolled to the end while the first is asked about.
	m_tree.SendMessage(WM_VSCROLL, SB_BOTTOM);
	std::vector<std::string> onScreen = m_tree.Asked();
	for (HTREEITEM hItem = m_tree.GetFirstVisibleItem(); hItem != NULL;
		 hItem = m_tree.GetNextVisibleItem(hItem))
	{
		const std::string label(m_tree.GetItemText(hItem));
		if (label[0] == 'f')
			onScreen.push_back(label);
	}
	ASSERT_EQ(onScreen.back(), "f139");
	ASSERT_LT(onScreen.size(), 30u);
	m_tree.Go();
	ASSERT_TRUE(Answered());
	const std::vector<std::string> asked = m_tree.Asked();
	ASSERT_EQ(asked.size(), 40u);
	EXPECT_EQ(std::vector<std::string>(asked.begin(), asked.begin() + onScreen.size()), onScreen);
}

// Each of these drops the questions not yet asked: the worker, held in the
// first of Many's four folders, is asked about no other. The last row lets
// all four be answered and destroys the tree before the answers are applied.
TEST_F(DirTreeTest, InTheBackgroundClosingRefreshingRestrictingSwitchingOffAndDestroyingDropTheQuestions)
{
	for (const char* dir : { "Many\\a\\sub", "Many\\b", "Many\\c", "Many\\d" })
		m_tmp.MakeDir(dir);
	const int nThreads = kt::CountThreads();
	const struct
	{
		std::function<void()> action;
		size_t nAsked;
	} rows[] = { { [&] { ClickButton(Item("Many")); }, 1 }, { [&] { m_tree.Refresh(false); }, 1 },
		{ [&] { m_tree.SetRestrictToDir(m_tmp.Path().c_str()); }, 1 },
		{ [&] { m_tree.SetBackgroundProbe(false); }, 1 }, { [&] { m_tree.DestroyWindow(); }, 1 },
		{ [&]
			{
				m_tree.Go();
				while (m_tree.Asked().size() < 4)
					::Sleep(5);
				::Sleep(50);
				m_tree.DestroyWindow();
			},
			4 } };
	for (const auto& row : rows)
	{
		const size_t nRow = &row - rows;
		m_tree.SetBackgroundProbe(true);
		if (m_tree.GetSafeHwnd() == NULL)
			Attach();
		m_tree.Refresh(false);
		m_tree.Hold(300);
		ClickButton(Item("Many"));
		ASSERT_TRUE(Taken(1)) << nRow;
		row.action();
		m_tree.Go();
		EXPECT_TRUE(Answered()) << nRow;
		kt::PumpFor(50);
		EXPECT_EQ(m_tree.Asked().size(), row.nAsked) << nRow;
	}
	EXPECT_EQ(kt::CountThreads(), nThreads);
}

TEST_F(DirTreeTest, InTheBackgroundFoldersThatChangeOrGoMeanwhileAreHandled)
{
	if (!kt::WineDrive::IsWine())
		GTEST_SKIP() << "needs Wine";
	// A removable drive pulled while its folders are asked about: they lose their buttons.
	const char letter = kt::WineDrive::FreeLetterBelow('Z');
	const std::string root = std::string(1, letter) + ":\\";
	for (const char* dir : { "R\\a\\sub", "R\\b\\sub" })
		m_tmp.MakeDir(dir);
	auto drive = std::make_unique<kt::WineDrive>(letter, DRIVE_REMOVABLE, m_tmp.Path() + "R");
	ASSERT_TRUE(drive->m_bDefined);
	m_tree.SetBackgroundProbe(true);
	Attach(true);
	m_tree.Hold();
	ClickButton(Item(root));
	ASSERT_TRUE(Taken(1));
	drive.reset();
	m_tree.Go();
	ASSERT_TRUE(Answered());
	EXPECT_EQ(Children(Item(root)), "a|b");
	EXPECT_EQ(Each({ root + "/a", root + "/b" }), ",");

	// A folder opened before its answer is read at once, and its late answer
	// is dropped; one renamed meanwhile loses its button.
	m_tmp.MakeDir("Alpha\\n8\\sub");
	m_tree.SetRestrictToDir(m_tmp.Path().c_str());
	m_tree.Refresh(false);
	m_tree.Hold();
	ClickButton(Item("Alpha"));
	ASSERT_TRUE(Taken(1));
	ClickButton(Item("Alpha/n9"));
	EXPECT_EQ(Children(Item("Alpha/n9")), "Deep");
	ASSERT_TRUE(::MoveFileA(Path("Alpha\\n8").c_str(), Path("Alpha\\m8").c_str()));
	m_tree.Go();
	ASSERT_TRUE(Answered());
	EXPECT_EQ(Each({ "Alpha/n8", "Alpha/n9", "Alpha/n10" }), ",Deep,");
	EXPECT_EQ(m_tree.Asked(), std::vector<std::string>({ "n8", "Deep", "n10" }));

	// A share that does not answer lists nothing, and nothing waits.
	m_tree.SetRestrictToDir("\\\\no-such-server\\share\\");
	m_tree.Refresh(false);
	EXPECT_EQ(Children(TVI_ROOT), "");
	EXPECT_FALSE(m_tree.IsProbing());
}
