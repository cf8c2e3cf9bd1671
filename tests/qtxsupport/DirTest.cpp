// DirTest.cpp - folder listings on real folders, path handling and file queries.
#include <kavrotest/TestSupport.h>

#include "SupportTestUtil.h"

#include <shellapi.h>
#include <shlobj.h>

#include <algorithm>
#include <thread>

namespace
{

// The listing of dir, each entry without the dir it must begin with and
// sorted by name unless the listing was asked to sort itself.
std::string Listed(const std::string& dir, DWORD flags)
{
	TextArray list;
	list.Add("stale");
	const __int64 count = DirUtils::GetDirectoryList(dir.c_str(), list, flags);
	EXPECT_EQ(count, list.GetCount());
	const std::string prefix = dir.empty() || dir.back() == '\\' ? dir : dir + "\\";
	std::vector<std::string> names;
	for (__int64 i = 0; i < list.GetCount(); ++i)
	{
		std::string entry(list.GetCopyAt(i));
		names.push_back(entry.compare(0, prefix.size(), prefix) == 0 ? entry.substr(prefix.size()) : entry);
	}
	if (!(flags & DirUtils::ListSorted))
		std::sort(names.begin(), names.end());
	std::string text;
	for (const std::string& name : names)
		text += (text.empty() ? "" : "|") + name;
	return text;
}

} // namespace

TEST(DirListing, FlagsChooseHiddenSystemAndSortedFoldersOfRealFoldersOnly)
{
	kt::TempDir tmp;
	const std::string& dir = tmp.Path();
	tmp.MakeDir("One");
	tmp.MakeDir("Two\\Deeper");
	tmp.MakeFile("file.txt");
	for (const auto& special :
		{ std::make_pair("Hidden", FILE_ATTRIBUTE_HIDDEN), std::make_pair("Sys", FILE_ATTRIBUTE_SYSTEM),
			std::make_pair("Both", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM) })
		ASSERT_TRUE(::SetFileAttributesA(tmp.MakeDir(special.first).c_str(), special.second));

	EXPECT_EQ(Listed(dir, 0), "One\\|Two\\");
	EXPECT_EQ(Listed(dir, DirUtils::ListHidden), "Hidden\\|One\\|Two\\");
	EXPECT_EQ(Listed(dir, DirUtils::ListSystem | DirUtils::ListSkipLinks), "One\\|Sys\\|Two\\");
	// The directory tree shows system folders with 0x0C.
	EXPECT_EQ(Listed(dir, 0x0C), "Both\\|Hidden\\|One\\|Sys\\|Two\\");
	EXPECT_EQ(Listed(dir.substr(0, dir.size() - 1), 0), "One\\|Two\\");

	EXPECT_TRUE(
		DirUtils::HasSubdirectory(dir.c_str(), 0) && DirUtils::HasSubdirectory((dir + "Two").c_str(), 0));
	EXPECT_FALSE(DirUtils::HasSubdirectory((dir + "One").c_str(), 0));
	ASSERT_TRUE(::SetFileAttributesA((dir + "Two\\Deeper").c_str(), FILE_ATTRIBUTE_HIDDEN));
	EXPECT_FALSE(DirUtils::HasSubdirectory((dir + "Two").c_str(), 0));
	EXPECT_TRUE(DirUtils::HasSubdirectory((dir + "Two").c_str(), DirUtils::ListHidden));

	// Sorted: by name as paths sort, ignoring case.
	for (const char* name : { "c", "b10", "B2", "a" })
		tmp.MakeDir(std::string("Two\\") + name);
	EXPECT_EQ(Listed(dir + "Two", DirUtils::ListSorted | DirUtils::ListSkipLinks), "a\\|B2\\|b10\\|c\\");

	// A missing folder, a file or an empty path has nothing to list.
	for (const std::string& none :
		{ dir + "missing\\", tmp.MakeFile("plain.txt"), std::string(), std::string("   ") })
	{
		EXPECT_EQ(Listed(none, 0x0C), "") << none;
		EXPECT_FALSE(DirUtils::HasSubdirectory(none.c_str(), 0x0C)) << none;
	}
}

TEST(DirListing, PathsBeyondMaxPathAndNamesOutsideTheCodePage)
{
	// Made and removed through the wide API: the test support's ANSI calls
	// reach neither.
	kt::TempDir tmp;
	std::string deep = tmp.Path();
	std::vector<std::wstring> made;
	for (int level = 0; level < 5; ++level)
	{
		deep += std::string(60, 'L') + std::to_string(level) + "\\";
		made.push_back(L"\\\\?\\" + StringUtils::ToWide(deep.c_str()));
	}
	ASSERT_GT(deep.size(), static_cast<size_t>(MAX_PATH));
	made.push_back(made.back() + L"leaf");
	const std::wstring base = StringUtils::ToWide(tmp.Path().c_str());
	const bool western = ::GetACP() == 1252;
	if (western)
		made.insert(made.end(), { base + L"caf\u00E9", base + L"caf\u00E9\\\u03A9", base + L"\u4E2D" });
	for (const std::wstring& dir : made)
		ASSERT_TRUE(::CreateDirectoryW(dir.c_str(), NULL));
	HANDLE hFile =
		::CreateFileW((made[4] + L"data.bin").c_str(), GENERIC_WRITE, 0, NULL, CREATE_NEW, 0, NULL);
	ASSERT_NE(hFile, INVALID_HANDLE_VALUE);
	DWORD written = 0;
	::WriteFile(hFile, "0123456789", 10, &written, NULL);
	::CloseHandle(hFile);

	EXPECT_EQ(Listed(deep, 0), "leaf\\");
	EXPECT_TRUE(
		DirUtils::HasSubdirectory(deep.c_str(), 0) && DirUtils::DoesDirExist((deep + "leaf\\").c_str()));
	EXPECT_TRUE(FileUtils::DoesFileExist((deep + "data.bin").c_str()));

	// Names the code page cannot hold are left out; a folder holding only
	// such names has no sub-folder to offer.
	if (western)
	{
		EXPECT_EQ(Listed(tmp.Path(), 0), std::string(60, 'L') + "0\\|caf\xE9\\");
		EXPECT_FALSE(DirUtils::HasSubdirectory((tmp.Path() + "caf\xE9").c_str(), 0));
	}
	::DeleteFileW((made[4] + L"data.bin").c_str());
	for (auto dir = made.rbegin(); dir != made.rend(); ++dir)
		::RemoveDirectoryW(dir->c_str());
}

TEST(DirPaths, ExistenceAndRoots)
{
	kt::TempDir tmp;
	std::string file = tmp.MakeFile("f.txt");
	EXPECT_TRUE(DirUtils::IsDir(tmp.Path().c_str(), false));
	EXPECT_TRUE(DirUtils::DoesDirExist(tmp.Path().substr(0, tmp.Path().size() - 1).c_str()));
	EXPECT_FALSE(DirUtils::IsDir(file.c_str(), true) || DirUtils::IsDir("", true));
	EXPECT_FALSE(DirUtils::DoesDirExist((tmp.Path() + "nope\\").c_str()));

	EXPECT_TRUE(DirUtils::IsDir("C:\\", false) && DirUtils::IsDir("c:", true));
	char letter = 'Y';
	while (letter > 'D' && (::GetLogicalDrives() & (1u << (letter - 'A'))))
		--letter;
	const CString missingRoot = CString(letter) + ":\\";
	EXPECT_FALSE(DirUtils::IsDir(missingRoot, true) || DirUtils::IsDir(missingRoot, false));
	// A share root is taken as a folder without asking the network.
	EXPECT_TRUE(DirUtils::IsDir("\\\\nosuchserver\\share\\", true));

	CString temp = DirUtils::GetTempDir();
	EXPECT_TRUE(temp.Right(1) == "\\" && DirUtils::DoesDirExist(temp));
}

namespace
{

// What the shell says of path asked whole, as a file manager would ask it.
bool ShellSaysShared(const std::string& path)
{
	wchar_t wide[MAX_PATH] = {};
	wchar_t full[MAX_PATH] = {};
	if (path.empty() || !::MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide, MAX_PATH) ||
		!::GetFullPathNameW(wide, MAX_PATH, full, NULL))
		return false;
	SHFILEINFOW info = {};
	return ::SHGetFileInfoW(full, 0, &info, sizeof(info), SHGFI_ATTRIBUTES) &&
		   (info.dwAttributes & SFGAO_SHARE);
}

} // namespace

// IsDirShared keeps the folder it last asked about children of bound, per
// thread: its answers must stay the shell's own as the parent changes, as
// folders go and come back under a bound parent, and on another thread.
// (Wine shares nothing, so there a wrong "shared" is what this catches.)
TEST(DirShared, AgreesWithTheShellAcrossParentsRemovalsAndThreads)
{
	kt::TempDir tmp;
	const std::string a = tmp.MakeDir("a");
	const std::string b = tmp.MakeDir("b");
	const std::string deep = tmp.MakeDir("a\\deep");
	const std::string file = tmp.MakeFile("a\\f.txt");
	char windows[MAX_PATH] = {};
	ASSERT_TRUE(::GetWindowsDirectoryA(windows, MAX_PATH) > 0);
	const std::vector<std::string> paths = { a, b, deep, a, tmp.Path(), "C:", "C:\\", windows,
		std::string(windows) + "/system32/", a.substr(0, a.size() - 1), tmp.Path() + "b/", file,
		tmp.Path() + "gone\\", "", "   ", "C:\\a<b\\" };
	auto answers = [&]
	{
		std::vector<std::string> wrong;
		for (const std::string& path : paths)
		{
			const bool exists = DirUtils::DoesDirExist(path.c_str());
			const bool expected = exists && ShellSaysShared(path);
			// A listing gives existing folders, each with its trailing backslash.
			const bool listed = exists && path.size() > 3 && path.back() == '\\';
			if (DirUtils::IsDirShared(path.c_str()) != expected ||
				(listed && DirUtils::IsListedDirShared(path.c_str()) != expected))
				wrong.push_back(path);
		}
		return wrong;
	};
	EXPECT_EQ(answers(), std::vector<std::string>());

	// Gone while its parent is bound, then the parent and all made anew.
	EXPECT_EQ(DirUtils::IsDirShared(b.c_str()), ShellSaysShared(b));
	ASSERT_TRUE(::RemoveDirectoryA(b.c_str()));
	EXPECT_FALSE(DirUtils::IsDirShared(b.c_str()));
	EXPECT_EQ(DirUtils::IsDirShared(deep.c_str()), ShellSaysShared(deep));
	ASSERT_TRUE(
		::DeleteFileA(file.c_str()) && ::RemoveDirectoryA(deep.c_str()) && ::RemoveDirectoryA(a.c_str()));
	EXPECT_FALSE(DirUtils::IsDirShared(deep.c_str()) || DirUtils::IsDirShared(a.c_str()));
	tmp.MakeDir("a\\deep");
	tmp.MakeDir("b");
	tmp.MakeFile("a\\f.txt");
	EXPECT_EQ(answers(), std::vector<std::string>());

	// A thread binds its own parent and lets it go when it ends.
	std::vector<std::string> wrongOnWorker(1, "not run");
	std::thread worker([&] { wrongOnWorker = answers(); });
	worker.join();
	EXPECT_EQ(wrongOnWorker, std::vector<std::string>());
	EXPECT_EQ(answers(), std::vector<std::string>());
}

TEST(DirPaths, ParsingSeparatorsAndLevels)
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

	// path, its levels
	const char* levels[][2] = { { "C:\\Windows\\\\System32\\", "C:|Windows|System32" }, { "C:\\", "C:" },
		{ "\\\\srv\\share\\a", "\\\\srv\\share|a" }, { "\\\\", "" }, { "", "" } };
	TextArray list;
	for (auto& c : levels)
	{
		EXPECT_EQ(DirUtils::BreakUpDirs(c[0], list), *c[1] != '\0') << c[0];
		EXPECT_EQ(Joined(list), c[1]) << c[0];
	}

	list = Split("C:\\Data\\Top\\|c:\\data\\Other\\Sub\\|D:\\Elsewhere\\|C:\\Database\\");
	EXPECT_EQ(DirUtils::MakePathsRelative("C:\\Data", list), 2);
	EXPECT_EQ(Joined(list), "Top\\|Other\\Sub\\|D:\\Elsewhere\\|C:\\Database\\");
}

TEST(Files, ExistenceExtensionInfoAndTempNames)
{
	kt::TempDir tmp;
	std::string file = tmp.MakeFile("photo.v2.JPG", std::string(1234, 'p'));
	EXPECT_TRUE(FileUtils::DoesFileExist(file.c_str()));
	EXPECT_FALSE(FileUtils::DoesFileExist(tmp.Path().c_str()));
	EXPECT_FALSE(FileUtils::DoesFileExist((tmp.Path() + "none.jpg").c_str()));
	for (auto& c : { std::make_pair(file.c_str(), "JPG"), std::make_pair("C:\\dir.d\\noext", ""),
			 std::make_pair("C:\\dir\\name.", ""), std::make_pair("a.tar.gz", "gz") })
		EXPECT_EQ(FileUtils::GetFileExt(c.first), c.second) << c.first;

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
	EXPECT_NE(FileUtils::GetTempFile(tmp.Path().c_str(), "clip", number), first);
	EXPECT_EQ(FileUtils::GetTempFile(tmp.Path().c_str(), "a/b", number), "");
	EXPECT_EQ(number, 0u);
	EXPECT_EQ(FileUtils::GetTempFile((tmp.Path() + "none").c_str(), "clip", number), "");
}

// The trail bytes of 表 ソ 能 are '\\' and of ポ '|' in code page 932, and 😀
// takes four bytes in UTF-8: no path function takes them for separators or
// cuts them.
TEST(DirPaths, MultiByteNamesStayWhole)
{
	if (!kt::IsAnsi(L"表ソ能ポ共有"))
		GTEST_SKIP() << "code page " << ::GetACP() << " has no Japanese letters";
	CString path = kt::Ansi(L"C:\\表");
	EXPECT_EQ(DirUtils::EnsureTrailingBackslash(path), kt::Ansi(L"C:\\表\\"));
	path = kt::Ansi(L"C:\\ソ");
	EXPECT_EQ(DirUtils::RemoveTrailingSlash(path), kt::Ansi(L"C:\\ソ"));
	path = kt::Ansi(L"C:\\能\\/");
	EXPECT_EQ(DirUtils::RemoveTrailingSlash(path), kt::Ansi(L"C:\\能"));
	EXPECT_EQ(DirUtils::ParseLastDir(kt::Ansi(L"C:\\表\\ソ\\")), kt::Ansi(L"ソ"));
	EXPECT_EQ(DirUtils::ParseLastDir(kt::Ansi(L"C:\\能\\ポ.txt")), kt::Ansi(L"能"));
	EXPECT_EQ(DirUtils::ParseParentDir(kt::Ansi(L"C:\\表\\ソ\\")), kt::Ansi(L"C:\\表\\"));
	EXPECT_EQ(DirUtils::ParseParentDir(kt::Ansi(L"C:\\表")), "C:\\");
	EXPECT_EQ(DirUtils::ParsePathFromFile(kt::Ansi(L"C:\\表\\ソ")), kt::Ansi(L"C:\\表\\"));
	EXPECT_EQ(DirUtils::ParsePathFromFile(kt::Ansi(L"能")), "");
	EXPECT_EQ(FileUtils::GetFileExt(kt::Ansi(L"C:\\a.b\\表")), "");

	TextArray list;
	EXPECT_TRUE(DirUtils::BreakUpDirs(kt::Ansi(L"C:\\表\\\\ソ\\能"), list));
	EXPECT_EQ(Joined(list), std::string(kt::Ansi(L"C:|表|ソ|能")));
	EXPECT_TRUE(DirUtils::BreakUpDirs(kt::Ansi(L"\\\\srv表\\共有ソ\\ポ"), list));
	EXPECT_EQ(Joined(list), std::string(kt::Ansi(L"\\\\srv表\\共有ソ|ポ")));
	list.RemoveAll();
	list.Add(kt::Ansi(L"C:\\表\\ソ\\"));
	list.Add(kt::Ansi(L"C:\\表ソ\\"));
	EXPECT_EQ(DirUtils::MakePathsRelative(kt::Ansi(L"C:\\表"), list), 1);
	EXPECT_EQ(Joined(list), std::string(kt::Ansi(L"ソ\\|C:\\表ソ\\")));

	if (::GetACP() == CP_UTF8)
	{
		EXPECT_EQ(DirUtils::ParseLastDir(kt::Ansi(L"C:\\😀\\x😀\\")), kt::Ansi(L"x😀"));
		path = kt::Ansi(L"C:\\😀");
		EXPECT_EQ(DirUtils::EnsureTrailingBackslash(path), kt::Ansi(L"C:\\😀\\"));
	}
}

// A real folder 表\ソ (made through the wide API) is listed, found and
// given temporary names in whatever code page holds its name.
TEST(DirListing, FoldersWithMultiByteNames)
{
	const wchar_t* const kName = ::GetACP() == CP_UTF8 ? L"表😀" : L"表";
	if (!kt::IsAnsi(kName))
		GTEST_SKIP() << "code page " << ::GetACP() << " has no " << CString(kName).GetString();
	kt::TempDir tmp;
	const std::wstring base = StringUtils::ToWide(tmp.Path().c_str());
	ASSERT_TRUE(::CreateDirectoryW((base + kName).c_str(), NULL));
	ASSERT_TRUE(::CreateDirectoryW((base + kName + L"\\ソ").c_str(), NULL));
	const CString dir = CString(tmp.Path().c_str()) + kt::Ansi(kName);

	EXPECT_EQ(Listed(tmp.Path(), DirUtils::ListSorted), std::string(kt::Ansi(kName) + "\\"));
	EXPECT_EQ(Listed(std::string(dir) + "\\", 0), std::string(kt::Ansi(L"ソ\\")));
	EXPECT_TRUE(DirUtils::HasSubdirectory(dir, 0) && DirUtils::IsDir(dir + "\\", false));
	EXPECT_TRUE(DirUtils::DoesDirExist(dir + kt::Ansi(L"\\ソ\\")));

	unsigned int number = 0;
	const CString temp = FileUtils::GetTempFile(dir, kt::Ansi(L"能"), number);
	CString expected;
	expected.Format("%s\\%s%08X.tmp", dir.GetString(), kt::Ansi(L"能").GetString(), number);
	EXPECT_EQ(temp, expected);
	::RemoveDirectoryW((base + kName + L"\\ソ").c_str());
	::RemoveDirectoryW((base + kName).c_str());
}
