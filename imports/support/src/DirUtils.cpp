// DirUtils.cpp - folder listings and path handling.
#include "SupportImpl.h"

#include <shellapi.h>
#include <shlobj.h>
#include <wchar.h>

using namespace qtxsupport;

namespace
{

// Paths at least this long go to the file system in the \\?\ form, which
// lifts the MAX_PATH limit; the margin leaves room for "\*" and a name.
const size_t kLongPathThreshold = MAX_PATH - 20;

// "C:" or "C:\" (a drive root).
bool IsDriveRoot(const CString& path)
{
	int length = path.GetLength();
	if (length < 2 || length > 3 || path[1] != ':')
		return false;
	char letter = StringUtils::m_tableUppercase[static_cast<unsigned char>(path[0])];
	if (letter < 'A' || letter > 'Z')
		return false;
	return length == 2 || IsSeparator(path[2]);
}

// "\\server\share" with or without a trailing separator, or "\\server".
bool IsShareRoot(const CString& path)
{
	if (path.GetLength() < 3 || !IsSeparator(path[0]) || !IsSeparator(path[1]) || IsSeparator(path[2]))
		return false;
	CString rest = path.Mid(2);
	DirUtils::RemoveTrailingSlash(rest);
	int separators = 0;
	for (int i = 0; i < rest.GetLength(); ++i)
	{
		if (IsSeparator(rest[i]))
			++separators;
	}
	return separators <= 1;
}

int FindLastSeparator(const CString& path)
{
	int back = path.ReverseFind('\\');
	int slash = path.ReverseFind('/');
	return back > slash ? back : slash;
}

CString WithoutTrailingSeparators(const CString& path)
{
	CString result(path);
	DirUtils::RemoveTrailingSlash(result);
	return result;
}

// Walks the sub-folders of dir that the flags admit. With a list, every one
// is added; without, the walk stops at the first. Returns how many it met.
__int64 WalkSubdirectoriesUnguarded(const CString& dir, DWORD flags, TextArray* list)
{
	if (StringUtils::IsEffectivelyEmpty(dir))
		return 0;

	CString prefix(dir);
	if (IsDriveRoot(prefix) && prefix.GetLength() == 2)
		prefix += '\\';
	DirUtils::EnsureTrailingBackslash(prefix);

	std::wstring pattern = ToFileSystemPath(prefix);
	if (pattern.empty())
		return 0;
	if (pattern.back() != L'\\')
		pattern += L'\\';
	pattern += L'*';

	NoDiskPrompt noPrompt;
	WIN32_FIND_DATAW fd;
	HANDLE hFind = ::FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &fd, FindExSearchLimitToDirectories,
		NULL, list != NULL ? FIND_FIRST_EX_LARGE_FETCH : 0);
	if (hFind == INVALID_HANDLE_VALUE)
		return 0;

	__int64 count = 0;
	do
	{
		// The directory limit of the search is only a hint to the file system.
		if ((fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0)
			continue;
		if (wcscmp(fd.cFileName, L".") == 0 || wcscmp(fd.cFileName, L"..") == 0)
			continue;
		if ((fd.dwFileAttributes & FILE_ATTRIBUTE_HIDDEN) && !(flags & DirUtils::ListHidden))
			continue;
		if ((fd.dwFileAttributes & FILE_ATTRIBUTE_SYSTEM) && !(flags & DirUtils::ListSystem))
			continue;
		// Only name-surrogate links lead elsewhere; other reparse points
		// (cloud placeholders, deduplicated files) are ordinary folders.
		if ((flags & DirUtils::ListSkipLinks) && (fd.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) &&
			(fd.dwReserved0 == IO_REPARSE_TAG_MOUNT_POINT || fd.dwReserved0 == IO_REPARSE_TAG_SYMLINK))
			continue;

		CString name;
		if (!Narrow(fd.cFileName, static_cast<int>(wcslen(fd.cFileName)), name))
			continue;

		++count;
		if (list == NULL)
			break;
		list->Add(prefix + name + "\\");
	} while (::FindNextFileW(hFind, &fd));
	::FindClose(hFind);
	return count;
}

__int64 WalkSubdirectories(const CString& dir, DWORD flags, TextArray* list)
{
	try
	{
		return WalkSubdirectoriesUnguarded(dir, flags, list);
	}
	catch (...)
	{
		// Out of memory for the search pattern: report nothing found.
		return 0;
	}
}

} // namespace

namespace qtxsupport
{

std::wstring ToFileSystemPath(const CString& path)
{
	std::wstring result;
	try
	{
		std::wstring wide = StringUtils::ToWide(path);
		if (wide.empty())
			return result;
		if (wide.compare(0, 4, L"\\\\?\\") == 0)
			return wide;
		for (wchar_t& ch : wide)
		{
			if (ch == L'/')
				ch = L'\\';
		}

		DWORD needed = ::GetFullPathNameW(wide.c_str(), 0, NULL, NULL);
		if (needed == 0)
			return result;
		std::wstring full(needed, L'\0');
		DWORD length = ::GetFullPathNameW(wide.c_str(), needed, &full[0], NULL);
		if (length == 0 || length >= needed)
			return result;
		full.resize(length);

		if (full.size() < kLongPathThreshold)
			return full;
		if (full.compare(0, 2, L"\\\\") == 0)
			result = L"\\\\?\\UNC\\" + full.substr(2);
		else
			result = L"\\\\?\\" + full;
	}
	catch (...)
	{
		result.clear();
	}
	return result;
}

} // namespace qtxsupport

/////////////////////////////////////////////////////////////////////////////
// DirUtils

__int64 DirUtils::GetDirectoryList(const CString& dir, TextArray& list, DWORD flags)
{
	list.RemoveAll();
	WalkSubdirectories(dir, flags, &list);
	if (flags & ListSorted)
		list.Sort(true, false, TextArray::ContentPaths);
	return list.GetCount();
}

bool DirUtils::HasSubdirectory(const CString& dir, DWORD flags)
{
	return WalkSubdirectories(dir, flags, NULL) > 0;
}

bool DirUtils::IsDir(const CString& path, bool acceptRoot)
{
	if (StringUtils::IsEffectivelyEmpty(path))
		return false;
	if (acceptRoot)
	{
		if (IsDriveRoot(path))
		{
			// The drive letter map is kept by the system; no medium is read.
			int letter = StringUtils::m_tableUppercase[static_cast<unsigned char>(path[0])] - 'A';
			return (::GetLogicalDrives() & (1u << letter)) != 0;
		}
		if (IsShareRoot(path))
			return true;
	}

	CString query(path);
	if (IsDriveRoot(query) && query.GetLength() == 2)
		query += '\\';
	std::wstring fsPath = ToFileSystemPath(query);
	if (fsPath.empty())
		return false;
	NoDiskPrompt noPrompt;
	DWORD attributes = ::GetFileAttributesW(fsPath.c_str());
	return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool DirUtils::DoesDirExist(const CString& path)
{
	return IsDir(path, false);
}

bool DirUtils::IsDirShared(const CString& path)
{
	if (!DoesDirExist(path))
		return false;
	// "C:" alone names the drive's current folder; the drive's root is meant.
	CString folder(path);
	if (folder.GetLength() == 2 && folder[1] == ':')
		folder += '\\';
	std::wstring fsPath = ToFileSystemPath(folder);
	if (fsPath.empty())
		return false;
	// The shell knows the shares of this machine, without the rights that
	// enumerating them through the server service needs.
	SHFILEINFOW info = {};
	if (!::SHGetFileInfoW(fsPath.c_str(), 0, &info, sizeof(info), SHGFI_ATTRIBUTES))
		return false;
	return (info.dwAttributes & SFGAO_SHARE) != 0;
}

CString& DirUtils::EnsureTrailingBackslash(CString& path)
{
	int length = path.GetLength();
	if (length > 0 && !IsSeparator(path[length - 1]))
		path += '\\';
	return path;
}

CString& DirUtils::RemoveTrailingSlash(CString& path)
{
	int length = path.GetLength();
	while (length > 0 && IsSeparator(path[length - 1]))
		--length;
	path.Truncate(length);
	return path;
}

CString DirUtils::ParseLastDir(const CString& path)
{
	CString folder;
	int length = path.GetLength();
	if (length == 0)
		return folder;
	if (IsSeparator(path[length - 1]))
	{
		folder = WithoutTrailingSeparators(path);
	}
	else
	{
		// The last component is a file; its folder is wanted.
		int sep = FindLastSeparator(path);
		if (sep < 0)
			return CString();
		folder = WithoutTrailingSeparators(path.Left(sep));
	}
	int sep = FindLastSeparator(folder);
	return sep < 0 ? folder : folder.Mid(sep + 1);
}

CString DirUtils::ParseParentDir(const CString& path)
{
	CString folder = WithoutTrailingSeparators(path);
	if (folder.IsEmpty() || IsDriveRoot(folder) || IsShareRoot(folder))
		return CString();
	int sep = FindLastSeparator(folder);
	if (sep < 0)
		return CString();
	CString parent = folder.Left(sep + 1);
	// C:\a\\b: the parent is C:\a\, not C:\a\\.
	CString trimmed = WithoutTrailingSeparators(parent);
	if (!trimmed.IsEmpty())
		parent = parent.Left(trimmed.GetLength() + 1);
	return parent;
}

CString DirUtils::ParsePathFromFile(const CString& path)
{
	int sep = FindLastSeparator(path);
	return sep < 0 ? CString() : path.Left(sep + 1);
}

bool DirUtils::BreakUpDirs(const CString& path, TextArray& list)
{
	list.RemoveAll();
	int length = path.GetLength();
	int pos = 0;

	if (length > 2 && IsSeparator(path[0]) && IsSeparator(path[1]) && !IsSeparator(path[2]))
	{
		// A share is one level: \\server\share.
		int server = path.Mid(2).FindOneOf("\\/");
		if (server < 0)
		{
			list.Add(path);
			return true;
		}
		int share = path.Mid(2 + server + 1).FindOneOf("\\/");
		pos = share < 0 ? length : 2 + server + 1 + share;
		list.Add(path.Left(pos));
	}

	while (pos < length)
	{
		while (pos < length && IsSeparator(path[pos]))
			++pos;
		int start = pos;
		while (pos < length && !IsSeparator(path[pos]))
			++pos;
		if (pos > start)
			list.Add(path.Mid(start, pos - start));
	}
	return !list.IsEmpty();
}

__int64 DirUtils::MakePathsRelative(const CString& base, TextArray& list)
{
	if (base.IsEmpty())
		return 0;
	CString prefix(base);
	EnsureTrailingBackslash(prefix);
	int prefixLength = prefix.GetLength();

	__int64 changed = 0;
	for (__int64 i = 0; i < list.GetCount(); ++i)
	{
		CString entry = list.GetCopyAt(i);
		if (entry.GetLength() < prefixLength ||
			StringUtils::CompareNoCase(entry.Left(prefixLength), prefix) != 0)
			continue;
		list.SetAt(i, entry.Mid(prefixLength));
		++changed;
	}
	return changed;
}

CString DirUtils::GetTempDir()
{
	CString dir;
	char* buffer = dir.GetBuffer(MAX_PATH + 1);
	if (buffer == NULL)
		return CString();
	DWORD length = ::GetTempPathA(MAX_PATH + 1, buffer);
	dir.ReleaseBuffer(length <= MAX_PATH ? static_cast<int>(length) : 0);
	return EnsureTrailingBackslash(dir);
}
