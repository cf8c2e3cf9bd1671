// DirTest.cpp - folder listings on real folders, path handling and file queries.
#include <kavrotest/TestSupport.h>

#include "SupportTestUtil.h"

#include <algorithm>

namespace
{

std::vector<CString> Sorted(std::vector<CString> items)
{
	std::sort(items.begin(), items.end(),
		[](const CString& a, const CString& b) { return strcmp(a, b) < 0; });
	return items;
}

// dir + name + "\\" for each name, in the given order.
std::vector<CString> Paths(const std::string& dir, std::initializer_list<const char*> names)
{
	std::vector<CString> items;
	for (const char* name : names)
		items.push_back((dir + name + "\\").c_str());
	return items;
}

// The listing of dir with flags, in name order.
std::vector<CString> Listed(const std::string& dir, DWORD flags)
{
	TextArray list;
	DirUtils::GetDirectoryList(dir.c_str(), list, flags);
	return Sorted(Items(list));
}

} // namespace

TEST(DirListing, FlagsChooseHiddenSystemAndSortedFolders)
{
	kt::TempDir tmp;
	const std::string& dir = tmp.Path();
	tmp.MakeDir("One");
	tmp.MakeDir("Two\\Deeper");
	tmp.MakeFile("file.txt", "x");
	const struct
	{
		const char* name;
		DWORD attributes;
	} special[] = { { "Hidden", FILE_ATTRIBUTE_HIDDEN }, { "Sys", FILE_ATTRIBUTE_SYSTEM },
		{ "Both", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM } };
	for (const auto& folder : special)
		ASSERT_TRUE(::SetFileAttributesA(tmp.MakeDir(folder.name).c_str(), folder.attributes));

	TextArray list;
	EXPECT_EQ(DirUtils::GetDirectoryList(dir.c_str(), list, 0), 2);
	EXPECT_EQ(Sorted(Items(list)), Sorted(Paths(dir, { "One", "Two" })));
	EXPECT_EQ(Listed(dir, DirUtils::ListHidden), Sorted(Paths(dir, { "One", "Two", "Hidden" })));
	EXPECT_EQ(Listed(dir, DirUtils::ListSystem | DirUtils::ListSkipLinks),
		Sorted(Paths(dir, { "One", "Two", "Sys" })));
	// The directory tree shows system folders with 0x0C.
	EXPECT_EQ(Listed(dir, 0x0C), Sorted(Paths(dir, { "One", "Two", "Hidden", "Sys", "Both" })));
	// Without the trailing backslash the entries still begin with dir as given.
	EXPECT_EQ(Listed(dir.substr(0, dir.size() - 1), 0), Sorted(Paths(dir, { "One", "Two" })));

	EXPECT_TRUE(DirUtils::HasSubdirectory(dir.c_str(), 0));
	EXPECT_FALSE(DirUtils::HasSubdirectory((dir + "One").c_str(), 0));
	EXPECT_TRUE(DirUtils::HasSubdirectory((dir + "Two").c_str(), 0));
	ASSERT_TRUE(::SetFileAttributesA((dir + "Two\\Deeper").c_str(), FILE_ATTRIBUTE_HIDDEN));
	EXPECT_FALSE(DirUtils::HasSubdirectory((dir + "Two").c_str(), 0));
	EXPECT_TRUE(DirUtils::HasSubdirectory((dir + "Two").c_str(), DirUtils::ListHidden));

	// Sorted: by name as paths sort, ignoring case.
	for (const char* name : { "c", "b10", "B2", "a" })
		tmp.MakeDir(std::string("Two\\") + name);
	DirUtils::GetDirectoryList((dir + "Two").c_str(), list, DirUtils::ListSorted | DirUtils::ListSkipLinks);
	EXPECT_EQ(Items(list), Paths(dir + "Two\\", { "a", "B2", "b10", "c" }));
}

TEST(DirListing, MissingFolderFileOrEmptyPathGiveEmptyList)
{
	kt::TempDir tmp;
	std::string file = tmp.MakeFile("plain.txt", "data");
	TextArray list;
	for (const std::string& dir : { tmp.Path() + "missing\\", file, std::string(), std::string("   ") })
	{
		list.Add("stale");
		EXPECT_EQ(DirUtils::GetDirectoryList(dir.c_str(), list, 0x0C), 0) << dir;
		EXPECT_TRUE(list.IsEmpty()) << dir;
		EXPECT_FALSE(DirUtils::HasSubdirectory(dir.c_str(), 0x0C)) << dir;
	}
}

TEST(DirListing, PathsBeyondMaxPath)
{
	kt::TempDir tmp;
	std::string deep = tmp.Path();
	// Made and removed through the wide API: the test support's ANSI calls
	// cannot reach paths beyond MAX_PATH.
	std::vector<std::wstring> made;
	for (int level = 0; level < 5; ++level)
	{
		deep += std::string(60, 'L') + std::to_string(level) + "\\";
		made.push_back(L"\\\\?\\" + StringUtils::ToWide(deep.c_str()));
		ASSERT_TRUE(::CreateDirectoryW(made.back().c_str(), NULL));
	}
	ASSERT_GT(deep.size(), static_cast<size_t>(MAX_PATH));
	made.push_back(made.back() + L"leaf");
	ASSERT_TRUE(::CreateDirectoryW(made.back().c_str(), NULL));
	HANDLE hFile =
		::CreateFileW((made[4] + L"data.bin").c_str(), GENERIC_WRITE, 0, NULL, CREATE_NEW, 0, NULL);
	ASSERT_NE(hFile, INVALID_HANDLE_VALUE);
	DWORD written = 0;
	::WriteFile(hFile, "0123456789", 10, &written, NULL);
	::CloseHandle(hFile);

	TextArray list;
	EXPECT_EQ(DirUtils::GetDirectoryList(deep.c_str(), list, 0), 1);
	EXPECT_EQ(list.GetCopyAt(0), (deep + "leaf\\").c_str());
	EXPECT_TRUE(DirUtils::HasSubdirectory(deep.c_str(), 0));
	EXPECT_TRUE(DirUtils::DoesDirExist((deep + "leaf\\").c_str()));
	EXPECT_TRUE(FileUtils::DoesFileExist((deep + "data.bin").c_str()));
	unsigned __int64 size = 0;
	DateTime modified;
	EXPECT_TRUE(FileUtils::GetFileInfoCore((deep + "data.bin").c_str(), size, modified));
	EXPECT_TRUE(size == 10u && modified.IsSet());

	::DeleteFileW((made[4] + L"data.bin").c_str());
	for (auto dir = made.rbegin(); dir != made.rend(); ++dir)
		::RemoveDirectoryW(dir->c_str());
}

TEST(DirListing, NamesOutsideTheCodePageAreLeftOut)
{
	if (::GetACP() != 1252)
		GTEST_SKIP() << "expects the Western code page";
	kt::TempDir tmp;
	const std::wstring base = StringUtils::ToWide(tmp.Path().c_str());
	const std::wstring made[] = { base + L"caf\u00E9", base + L"caf\u00E9\\\u03A9", base + L"\u03A9mega",
		base + L"\u4E2D" };
	for (const std::wstring& dir : made)
		ASSERT_TRUE(::CreateDirectoryW(dir.c_str(), NULL));

	TextArray list;
	EXPECT_EQ(DirUtils::GetDirectoryList(tmp.Path().c_str(), list, 0), 1);
	EXPECT_EQ(list.GetCopyAt(0), (tmp.Path() + "caf\xE9\\").c_str());
	// A folder holding only unreachable names has no sub-folder to offer.
	EXPECT_FALSE(DirUtils::HasSubdirectory((tmp.Path() + "caf\xE9").c_str(), 0));
	for (int i = 3; i >= 0; --i)
		::RemoveDirectoryW(made[i].c_str());
}

TEST(DirPaths, ExistenceAndRoots)
{
	kt::TempDir tmp;
	std::string file = tmp.MakeFile("f.txt");
	EXPECT_TRUE(DirUtils::IsDir(tmp.Path().c_str(), false));
	EXPECT_TRUE(DirUtils::DoesDirExist(tmp.Path().substr(0, tmp.Path().size() - 1).c_str()));
	EXPECT_FALSE(DirUtils::IsDir(file.c_str(), true));
	EXPECT_FALSE(DirUtils::DoesDirExist((tmp.Path() + "nope\\").c_str()));
	EXPECT_FALSE(DirUtils::IsDir("", true));

	EXPECT_TRUE(DirUtils::IsDir("C:\\", false));
	EXPECT_TRUE(DirUtils::IsDir("c:", true));
	char letter = 'Y';
	while (letter > 'D' && (::GetLogicalDrives() & (1u << (letter - 'A'))))
		--letter;
	CString missingRoot;
	missingRoot.Format("%c:\\", letter);
	EXPECT_FALSE(DirUtils::IsDir(missingRoot, true));
	EXPECT_FALSE(DirUtils::IsDir(missingRoot, false));
	// A share root is taken as a folder without asking the network.
	EXPECT_TRUE(DirUtils::IsDir("\\\\nosuchserver\\share\\", true));

	EXPECT_FALSE(DirUtils::IsDirShared(tmp.Path().c_str()));
	EXPECT_FALSE(DirUtils::IsDirShared((tmp.Path() + "nope\\").c_str()));

	CString temp = DirUtils::GetTempDir();
	EXPECT_TRUE(temp.Right(1) == "\\" && DirUtils::DoesDirExist(temp));
}

TEST(DirPaths, ParsingAndSeparators)
{
	// path, ParseLastDir, ParseParentDir, ParsePathFromFile
	const char* cases[][4] = {
		{ "C:\\a\\b\\", "b", "C:\\a\\", "C:\\a\\b\\" },
		{ "C:\\a\\b\\file.txt", "b", "C:\\a\\b\\", "C:\\a\\b\\" },
		{ "C:\\a\\b", "a", "C:\\a\\", "C:\\a\\" },
		{ "C:\\", "C:", "", "C:\\" },
		{ "C:\\a\\\\b\\", "b", "C:\\a\\", "C:\\a\\\\b\\" },
		{ "\\\\srv\\share\\dir\\", "dir", "\\\\srv\\share\\", "\\\\srv\\share\\dir\\" },
		{ "\\\\srv\\share\\", "share", "", "\\\\srv\\share\\" },
		{ "D:/data/top/", "top", "D:/data/", "D:/data/top/" },
		{ "name", "", "", "" },
		{ "", "", "", "" },
	};
	for (auto& c : cases)
	{
		EXPECT_EQ(DirUtils::ParseLastDir(c[0]), c[1]) << c[0];
		EXPECT_EQ(DirUtils::ParseParentDir(c[0]), c[2]) << c[0];
		EXPECT_EQ(DirUtils::ParsePathFromFile(c[0]), c[3]) << c[0];
	}

	// path, with a trailing backslash ensured, with trailing separators removed
	const char* ends[][3] = { { "C:\\a", "C:\\a\\", "C:\\a" }, { "D:/x/", "D:/x/", "D:/x" }, { "", "", "" },
		{ "C:\\a\\\\/", "C:\\a\\\\/", "C:\\a" }, { "C:\\", "C:\\", "C:" } };
	for (auto& c : ends)
	{
		CString path(c[0]), other(c[0]);
		EXPECT_EQ(DirUtils::EnsureTrailingBackslash(path), c[1]) << c[0];
		EXPECT_EQ(DirUtils::RemoveTrailingSlash(other), c[2]) << c[0];
	}
}

TEST(DirPaths, BreakUpAndMakeRelative)
{
	TextArray levels;
	EXPECT_TRUE(DirUtils::BreakUpDirs("C:\\Windows\\\\System32\\", levels));
	EXPECT_EQ(Items(levels), Texts({ "C:", "Windows", "System32" }));
	EXPECT_TRUE(DirUtils::BreakUpDirs("C:\\", levels));
	EXPECT_EQ(Items(levels), Texts({ "C:" }));
	EXPECT_TRUE(DirUtils::BreakUpDirs("\\\\srv\\share\\a", levels));
	EXPECT_EQ(Items(levels), Texts({ "\\\\srv\\share", "a" }));
	EXPECT_FALSE(DirUtils::BreakUpDirs("\\\\", levels));
	EXPECT_TRUE(levels.IsEmpty());
	EXPECT_FALSE(DirUtils::BreakUpDirs("", levels));

	TextArray list =
		MakeList({ "C:\\Data\\Top\\", "c:\\data\\Other\\Sub\\", "D:\\Elsewhere\\", "C:\\Database\\" });
	EXPECT_EQ(DirUtils::MakePathsRelative("C:\\Data", list), 2);
	EXPECT_EQ(Items(list), Texts({ "Top\\", "Other\\Sub\\", "D:\\Elsewhere\\", "C:\\Database\\" }));
}

TEST(Files, ExistenceExtensionInfoAndTempNames)
{
	kt::TempDir tmp;
	std::string file = tmp.MakeFile("photo.v2.JPG", std::string(1234, 'p'));
	EXPECT_TRUE(FileUtils::DoesFileExist(file.c_str()));
	EXPECT_FALSE(FileUtils::DoesFileExist(tmp.Path().c_str()));
	EXPECT_FALSE(FileUtils::DoesFileExist((tmp.Path() + "none.jpg").c_str()));

	EXPECT_EQ(FileUtils::GetFileExt(file.c_str()), "JPG");
	EXPECT_EQ(FileUtils::GetFileExt("C:\\dir.d\\noext"), "");
	EXPECT_EQ(FileUtils::GetFileExt("C:\\dir\\name."), "");
	EXPECT_EQ(FileUtils::GetFileExt("a.tar.gz"), "gz");

	// 2021-03-04 05:06:07 UTC, day 737853 counted from 1 January of year 1.
	SYSTEMTIME st = { 2021, 3, 4, 4, 5, 6, 7, 0 };
	FILETIME ft;
	ASSERT_TRUE(::SystemTimeToFileTime(&st, &ft));
	HANDLE hFile = ::CreateFileA(file.c_str(), FILE_WRITE_ATTRIBUTES, 0, NULL, OPEN_EXISTING, 0, NULL);
	ASSERT_NE(hFile, INVALID_HANDLE_VALUE);
	ASSERT_TRUE(::SetFileTime(hFile, NULL, NULL, &ft));
	::CloseHandle(hFile);

	unsigned __int64 size = 0;
	DateTime modified;
	ASSERT_TRUE(FileUtils::GetFileInfoCore(file.c_str(), size, modified));
	EXPECT_EQ(size, 1234u);
	EXPECT_EQ(modified, DateTime(737853, 5 * 3600 + 6 * 60 + 7));

	size = 7;
	DateTime untouched;
	EXPECT_FALSE(FileUtils::GetFileInfoCore(tmp.Path().c_str(), size, untouched));
	EXPECT_FALSE(FileUtils::GetFileInfoCore((tmp.Path() + "none").c_str(), size, untouched));
	EXPECT_TRUE(size == 7u && !untouched.IsSet());

	unsigned int number = 0;
	CString first = FileUtils::GetTempFile(tmp.Path().c_str(), "clip", number);
	CString expectedName;
	expectedName.Format("%sclip%08X.tmp", tmp.Path().c_str(), number);
	EXPECT_EQ(first, expectedName);
	EXPECT_FALSE(FileUtils::DoesFileExist(first));
	unsigned int second = 0;
	EXPECT_NE(FileUtils::GetTempFile(tmp.Path().c_str(), "clip", second), first);
	EXPECT_EQ(FileUtils::GetTempFile(tmp.Path().c_str(), "a/b", number), "");
	EXPECT_EQ(number, 0u);
	EXPECT_EQ(FileUtils::GetTempFile((tmp.Path() + "none").c_str(), "clip", number), "");
}
