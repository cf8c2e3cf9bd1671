// Folder listings on real folders, path handling and file queries.
#include <kavrotest/TestSupport.h>

#include "SupportTestUtil.h"

#include <algorithm>

namespace {

std::vector<CString> Sorted(std::vector<CString> items)
{
    std::sort(items.begin(), items.end(), [](const CString& a, const CString& b) { return strcmp(a, b) < 0; });
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

std::vector<CString> Under(const std::string& dir, std::initializer_list<const char*> names)
{
    return Sorted(Paths(dir, names));
}

// Removes a tree through the wide API; the test support's ANSI removal cannot
// reach names outside the code page or paths beyond MAX_PATH.
void RemoveTreeW(const std::wstring& dir)
{
    WIN32_FIND_DATAW fd;
    HANDLE h = ::FindFirstFileW((dir + L"\\*").c_str(), &fd);
    if (h != INVALID_HANDLE_VALUE)
    {
        do
        {
            std::wstring child = dir + L"\\" + fd.cFileName;
            if (wcscmp(fd.cFileName, L".") == 0 || wcscmp(fd.cFileName, L"..") == 0)
                continue;
            if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTreeW(child);
            else
                ::DeleteFileW(child.c_str());
        } while (::FindNextFileW(h, &fd));
        ::FindClose(h);
    }
    ::RemoveDirectoryW(dir.c_str());
}

}  // namespace

TEST(DirListing, FlagsChooseHiddenAndSystemFolders)
{
    kt::TempDir tmp;
    const std::string& dir = tmp.Path();
    tmp.MakeDir("One");
    tmp.MakeDir("Two\\Deeper");
    std::string hidden = tmp.MakeDir("Hidden");
    std::string system = tmp.MakeDir("Sys");
    std::string both = tmp.MakeDir("Both");
    tmp.MakeFile("file.txt", "x");
    ASSERT_TRUE(::SetFileAttributesA(hidden.c_str(), FILE_ATTRIBUTE_HIDDEN));
    ASSERT_TRUE(::SetFileAttributesA(system.c_str(), FILE_ATTRIBUTE_SYSTEM));
    ASSERT_TRUE(::SetFileAttributesA(both.c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));

    TextArray list;
    EXPECT_EQ(DirUtils::GetDirectoryList(dir.c_str(), list, 0), 2);
    EXPECT_EQ(Sorted(Items(list)), Under(dir, { "One", "Two" }));
    DirUtils::GetDirectoryList(dir.c_str(), list, DirUtils::ListHidden);
    EXPECT_EQ(Sorted(Items(list)), Under(dir, { "One", "Two", "Hidden" }));
    DirUtils::GetDirectoryList(dir.c_str(), list, DirUtils::ListSystem | DirUtils::ListSkipLinks);
    EXPECT_EQ(Sorted(Items(list)), Under(dir, { "One", "Two", "Sys" }));
    // The directory tree shows system folders with 0x0C.
    DirUtils::GetDirectoryList(dir.c_str(), list, 0x0C | DirUtils::ListSkipLinks);
    EXPECT_EQ(Sorted(Items(list)), Under(dir, { "One", "Two", "Hidden", "Sys", "Both" }));

    // Without the trailing backslash the entries still begin with dir as given.
    std::string bare = dir.substr(0, dir.size() - 1);
    DirUtils::GetDirectoryList(bare.c_str(), list, 0);
    EXPECT_EQ(Sorted(Items(list)), Under(dir, { "One", "Two" }));

    EXPECT_TRUE(DirUtils::HasSubdirectory(dir.c_str(), 0));
    EXPECT_FALSE(DirUtils::HasSubdirectory((dir + "One").c_str(), 0));
    EXPECT_TRUE(DirUtils::HasSubdirectory((dir + "Two").c_str(), 0));
}

TEST(DirListing, SortedFlagAndHiddenOnlyContent)
{
    kt::TempDir tmp;
    for (const char* name : { "c", "b10", "B2", "a" })
        tmp.MakeDir(name);
    TextArray list;
    DirUtils::GetDirectoryList(tmp.Path().c_str(), list, 0x11);
    EXPECT_EQ(Items(list), Paths(tmp.Path(), { "a", "B2", "b10", "c" }));

    std::string only = tmp.MakeDir("c\\only");
    ASSERT_TRUE(::SetFileAttributesA(only.c_str(), FILE_ATTRIBUTE_HIDDEN));
    EXPECT_FALSE(DirUtils::HasSubdirectory((tmp.Path() + "c").c_str(), 0));
    EXPECT_TRUE(DirUtils::HasSubdirectory((tmp.Path() + "c").c_str(), DirUtils::ListHidden));
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
    std::string segment(60, 'L');
    std::string deep = tmp.Path();
    for (int level = 0; level < 5; ++level)
        deep += segment + std::to_string(level) + "\\";
    ASSERT_GT(deep.size(), static_cast<size_t>(MAX_PATH));
    std::wstring wideDeep = L"\\\\?\\" + WideOf(deep);
    std::wstring walk = L"\\\\?\\" + WideOf(tmp.Path());
    for (int level = 0; level < 5; ++level)
    {
        walk += WideOf(segment + std::to_string(level)) + L"\\";
        ASSERT_TRUE(::CreateDirectoryW(walk.c_str(), NULL));
    }
    ASSERT_TRUE(::CreateDirectoryW((wideDeep + L"leaf").c_str(), NULL));
    HANDLE hFile = ::CreateFileW((wideDeep + L"data.bin").c_str(), GENERIC_WRITE, 0, NULL, CREATE_NEW, 0, NULL);
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
    EXPECT_EQ(size, 10u);
    EXPECT_TRUE(modified.IsSet());

    RemoveTreeW(L"\\\\?\\" + WideOf(tmp.Path() + segment + "0"));
}

TEST(DirListing, NamesOutsideTheCodePageAreLeftOut)
{
    if (::GetACP() != 1252)
        GTEST_SKIP() << "expects the Western code page";
    kt::TempDir tmp;
    std::wstring base = WideOf(tmp.Path());
    ASSERT_TRUE(::CreateDirectoryW((base + L"caf\u00E9").c_str(), NULL));
    ASSERT_TRUE(::CreateDirectoryW((base + L"\u03A9mega").c_str(), NULL));
    ASSERT_TRUE(::CreateDirectoryW((base + L"\u4E2D").c_str(), NULL));

    TextArray list;
    EXPECT_EQ(DirUtils::GetDirectoryList(tmp.Path().c_str(), list, 0), 1);
    EXPECT_EQ(list.GetCopyAt(0), (tmp.Path() + "caf\xE9\\").c_str());

    RemoveTreeW(base + L"\u03A9mega");
    RemoveTreeW(base + L"\u4E2D");
    // A folder holding only unreachable names has no sub-folder to offer.
    ASSERT_TRUE(::CreateDirectoryW((base + L"caf\u00E9\\\u03A9").c_str(), NULL));
    EXPECT_FALSE(DirUtils::HasSubdirectory((tmp.Path() + "caf\xE9").c_str(), 0));
    RemoveTreeW(base + L"caf\u00E9");
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
    EXPECT_TRUE(temp.Right(1) == "\\");
    EXPECT_TRUE(DirUtils::DoesDirExist(temp));
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

    CString path("C:\\a");
    EXPECT_EQ(DirUtils::EnsureTrailingBackslash(path), "C:\\a\\");
    EXPECT_EQ(DirUtils::EnsureTrailingBackslash(path), "C:\\a\\");
    path = "D:/x/";
    EXPECT_EQ(DirUtils::EnsureTrailingBackslash(path), "D:/x/");
    path.Empty();
    EXPECT_EQ(DirUtils::EnsureTrailingBackslash(path), "");
    path = "C:\\a\\\\/";
    EXPECT_EQ(DirUtils::RemoveTrailingSlash(path), "C:\\a");
    path = "C:\\";
    EXPECT_EQ(DirUtils::RemoveTrailingSlash(path), "C:");
}

TEST(DirPaths, BreakUpAndMakeRelative)
{
    TextArray levels;
    EXPECT_TRUE(DirUtils::BreakUpDirs("C:\\Windows\\System32\\", levels));
    ASSERT_EQ(levels.GetCount(), 3);
    EXPECT_EQ(levels.GetCopyAt(0), "C:");
    EXPECT_EQ(levels.GetCopyAt(1), "Windows");
    EXPECT_EQ(levels.GetCopyAt(2), "System32");
    EXPECT_TRUE(DirUtils::BreakUpDirs("C:\\", levels));
    ASSERT_EQ(levels.GetCount(), 1);
    EXPECT_EQ(levels.GetCopyAt(0), "C:");
    EXPECT_TRUE(DirUtils::BreakUpDirs("\\\\srv\\share\\a", levels));
    ASSERT_EQ(levels.GetCount(), 2);
    EXPECT_EQ(levels.GetCopyAt(0), "\\\\srv\\share");
    EXPECT_EQ(levels.GetCopyAt(1), "a");
    EXPECT_FALSE(DirUtils::BreakUpDirs("\\\\", levels));
    EXPECT_TRUE(levels.IsEmpty());
    EXPECT_FALSE(DirUtils::BreakUpDirs("", levels));

    TextArray list;
    list.Add("C:\\Data\\Top\\");
    list.Add("c:\\data\\Other\\Sub\\");
    list.Add("D:\\Elsewhere\\");
    list.Add("C:\\Database\\");
    EXPECT_EQ(DirUtils::MakePathsRelative("C:\\Data", list), 2);
    EXPECT_EQ(list.GetCopyAt(0), "Top\\");
    EXPECT_EQ(list.GetCopyAt(1), "Other\\Sub\\");
    EXPECT_EQ(list.GetCopyAt(2), "D:\\Elsewhere\\");
    EXPECT_EQ(list.GetCopyAt(3), "C:\\Database\\");
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
    EXPECT_EQ(modified.GetDay(), 737853);
    EXPECT_EQ(modified.GetSecond(), 5 * 3600 + 6 * 60 + 7);

    size = 7;
    DateTime untouched;
    EXPECT_FALSE(FileUtils::GetFileInfoCore(tmp.Path().c_str(), size, untouched));
    EXPECT_FALSE(FileUtils::GetFileInfoCore((tmp.Path() + "none").c_str(), size, untouched));
    EXPECT_EQ(size, 7u);
    EXPECT_FALSE(untouched.IsSet());

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
