// DirTreeTextTests.cpp - CDirTreeCtrl on folders and drives named in several scripts: paths, labels.
//
// Classes in this file:
//   DirTreeTextTest
//
// Names are written as wide literals and narrowed at run time; a name that
// the process's code page lacks is left out there.
#include <kavrotest/TestSupport.h>

#include <kavro/DirTreeCtrl.h>

#include <string>
#include <vector>

namespace
{

// Folder chains below the temporary folder. In code page 932 表, ソ and 能
// end in a backslash byte and ポ in a bar; 𠮟, 𩸽 and 𠀋 are four bytes of UTF-8.
const wchar_t* const kChains[] = { L"Été\\Ça va", L"表\\ソ\\能力", L"ポイント\\ΑΛΦΑ\\Жук",
	L"𠮟る\\𩸽\\表𠀋" };

// The folder that holds path (both with trailing backslashes), and the
// folder's own name, cut in UTF-16 where a backslash cannot hide in a character.
std::string Parent(const std::string& path, std::wstring* pName = NULL)
{
	const std::wstring wide = StringUtils::ToWide(path.c_str());
	const size_t cut = wide.find_last_of(L'\\', wide.size() - 2);
	if (pName != NULL)
		*pName = wide.substr(cut + 1, wide.size() - cut - 2);
	return std::string(kt::Ansi(wide.substr(0, cut + 1).c_str()));
}

class DirTreeTextTest : public ::testing::Test
{
protected:
	virtual void SetUp() override
	{
		for (const wchar_t* chain : kChains)
		{
			CString narrow;
			if (kt::TryAnsi(chain, narrow))
				m_chains.push_back(m_tmp.MakeDir(std::string(narrow)));
		}
		ASSERT_GE(m_chains.size(), 1u);
	}

	// Binds m_tree to a new tree control: the drives, or the temporary
	// folder's folders when bRestricted.
	void Attach(bool bRestricted)
	{
		HWND hWnd = ::CreateWindowExA(0, WC_TREEVIEWA, "", WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS, 10, 10,
			300, 260, m_host.GetSafeHwnd(), NULL, NULL, NULL);
		if (bRestricted)
			m_tree.SetRestrictToDir(m_tmp.Path().c_str());
		ASSERT_TRUE(m_tree.SubclassWindow(hWnd));
	}

	kt::HostWindow m_host{ 320, 280, RGB(255, 255, 255) };
	kt::TempDir m_tmp;
	// The deepest folder of each chain, with its trailing backslash.
	std::vector<std::string> m_chains;
	CDirTreeCtrl m_tree;
};

// Each folder is found level by level from its path (in a restricted tree,
// its path below the tree's folder), selected, and gives its full path back;
// the label of every level is its folder's name.
TEST_F(DirTreeTextTest, FoldersAreSelectedByTheirPathsAndGiveThemBack)
{
	for (bool bRestricted : { false, true })
	{
		SCOPED_TRACE(bRestricted ? "restricted to the temporary folder" : "drives");
		Attach(bRestricted);
		for (const std::string& path : m_chains)
		{
			SCOPED_TRACE(path);
			const std::string asked = bRestricted ? path.substr(m_tmp.Path().size()) : path;
			HTREEITEM hItem = m_tree.SetSelectedDir(asked.c_str(), false);
			ASSERT_NE(hItem, (HTREEITEM)NULL);
			EXPECT_EQ(m_tree.GetSelectedItem(), hItem);
			EXPECT_EQ(std::string(m_tree.GetItemPath(hItem)), path);
			EXPECT_EQ(std::string(m_tree.GetSelectedDir(true)), asked);
			std::string folder = path;
			for (HTREEITEM h = hItem; h != NULL && folder.size() > m_tmp.Path().size();
				 h = m_tree.GetParentItem(h))
			{
				std::wstring name;
				folder = Parent(folder, &name);
				EXPECT_EQ(StringUtils::ToWide(m_tree.GetItemText(h)), name);
			}
		}
		m_tree.DestroyWindow();
	}
}

// A rebuild selects the same folder again, or, once it is gone, the folder
// that held it.
TEST_F(DirTreeTextTest, RefreshFindsTheFolderOrItsParentAgain)
{
	Attach(false);
	for (const std::string& path : m_chains)
	{
		SCOPED_TRACE(path);
		ASSERT_NE(m_tree.SetSelectedDir(path.c_str(), false), (HTREEITEM)NULL);
		m_tree.Refresh(false);
		EXPECT_EQ(std::string(m_tree.GetItemPath(m_tree.GetSelectedItem())), path);

		ASSERT_TRUE(::RemoveDirectoryW(StringUtils::ToWide(path.c_str()).c_str()));
		m_tree.Refresh(false);
		const std::string parent = Parent(path);
		EXPECT_EQ(std::string(m_tree.GetItemPath(m_tree.GetSelectedItem())), parent);
		EXPECT_EQ(std::string(m_tree.GetSelectedDir(true)), parent);
	}
}

// A drive's volume label in any script: the drive's item shows it, the drive
// is found by its letter, and its path is its root.
TEST_F(DirTreeTextTest, VolumeLabelsOfEveryScriptNameTheirDrives)
{
	if (!kt::WineDrive::IsWine())
		GTEST_SKIP() << "needs Wine";
	const wchar_t* const kLabels[] = { L"Données", L"表ソ能ポ", L"ΑΛΦΑ Жук", L"𠮟𩸽" };
	char letter = 'Z';
	for (const wchar_t* label : kLabels)
	{
		CString narrow;
		if (!kt::TryAnsi(label, narrow))
			continue;
		SCOPED_TRACE(std::string(narrow));
		letter = kt::WineDrive::FreeLetterBelow(letter);
		// Wine reads the label from a file at the drive's root, as UTF-8.
		std::string utf8(64, '\0');
		utf8.resize(::WideCharToMultiByte(CP_UTF8, 0, label, -1, &utf8[0], 64, NULL, NULL) - 1);
		const std::string at(1, letter);
		m_tmp.MakeFile(at + "\\.windows-label", utf8);
		kt::WineDrive drive(letter, DRIVE_REMOVABLE, m_tmp.MakeDir(at));
		ASSERT_TRUE(drive.m_bDefined);
		Attach(false);
		const std::string root = at + ":\\";
		EXPECT_EQ(std::string(m_tree.GetDriveName(letter)), std::string(narrow));
		m_tree.SelectDrive(letter);
		HTREEITEM hItem = m_tree.GetSelectedItem();
		ASSERT_NE(hItem, (HTREEITEM)NULL);
		EXPECT_EQ(std::string(m_tree.GetItemText(hItem)), root + " (" + std::string(narrow) + ")");
		EXPECT_EQ(std::string(m_tree.GetItemPath(hItem)), root);
		m_tree.DestroyWindow();
	}
}

// A drive root is three characters, however many bytes they take.
TEST(DirTreeText, ADriveRootIsThreeCharactersNotThreeBytes)
{
	struct CTree : public CDirTreeCtrl
	{
		using CDirTreeCtrl::IsDriveLetter;
	} tree;
	const struct
	{
		const wchar_t* text;
		bool bRoot;
	} rows[] = { { L"C:\\", true }, { L"表ソ\\", true }, { L"表\\", false }, { L"表", false },
		{ L"𠮟る", false }, { L"C:\\a", false } };
	for (const auto& r : rows)
	{
		CString text;
		if (!kt::TryAnsi(r.text, text))
			continue;
		EXPECT_EQ(tree.IsDriveLetter(text), r.bRoot) << text.GetString();
	}
}

} // namespace
