// DirUtils.cpp - folder listings and path handling.
//
// Classes in this file:
//   FindDataForParse, BoundParentFolder
#include "SupportImpl.h"

#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>
#include <shobjidl.h>
#include <wchar.h>

#include <new>

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
	for (const char* p = rest.GetString(); *p; p = StringUtils::NextChar(p))
	{
		if (IsSeparator(*p) && CharLength(p) == 1)
			++separators;
	}
	return separators <= 1;
}

// The last character of path is a separator.
bool EndsWithSeparator(const CString& path)
{
	const char* end = path.GetString() + path.GetLength();
	const char* last = StringUtils::PrevChar(path.GetString(), end);
	return last < end && end - last == 1 && IsSeparator(*last);
}

// The start of the next separator of path at or after pos (its length when none).
int NextSeparator(const CString& path, int pos)
{
	const char* text = path.GetString();
	const char* p = text + pos;
	while (*p && !(IsSeparator(*p) && CharLength(p) == 1))
		p = StringUtils::NextChar(p);
	return static_cast<int>(p - text);
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

// Hands the shell the find data of an item it is asked to parse, so that the
// parse builds the item's identifier from it instead of reading the disk.
// Made with one reference; the last Release deletes it.
class FindDataForParse final : public IFileSystemBindData
{
public:
	explicit FindDataForParse(const WIN32_FIND_DATAW& data)
		: m_data(data)
	{
	}

	HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override
	{
		if (ppv == NULL)
			return E_POINTER;
		if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IFileSystemBindData))
		{
			*ppv = static_cast<IFileSystemBindData*>(this);
			AddRef();
			return S_OK;
		}
		*ppv = NULL;
		return E_NOINTERFACE;
	}
	ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&m_refs)); }
	ULONG STDMETHODCALLTYPE Release() override
	{
		const LONG refs = InterlockedDecrement(&m_refs);
		if (refs == 0)
			delete this;
		return static_cast<ULONG>(refs);
	}
	HRESULT STDMETHODCALLTYPE SetFindData(const WIN32_FIND_DATAW* data) override
	{
		if (data == NULL)
			return E_POINTER;
		m_data = *data;
		return S_OK;
	}
	HRESULT STDMETHODCALLTYPE GetFindData(WIN32_FIND_DATAW* data) override
	{
		if (data == NULL)
			return E_POINTER;
		*data = m_data;
		return S_OK;
	}

private:
	~FindDataForParse() = default;

	WIN32_FIND_DATAW m_data;
	LONG m_refs = 1;
};

// The shell folder of the folder whose sub-folders were asked about last on
// this thread. A tree asks about all the sub-folders of one folder in a row,
// and binding a folder costs a parse of its whole path, which is the bulk of
// a shell query. Released when the thread ends.
class BoundParentFolder
{
public:
	BoundParentFolder() = default;
	~BoundParentFolder() { Reset(); }

	// The folder of path (a full path ending in a backslash), with a
	// reference for the caller; NULL when the shell cannot bind it.
	IShellFolder* Get(const std::wstring& path)
	{
		if (m_folder == NULL || m_path != path)
		{
			Reset();
			IShellFolder* folder = Bind(path);
			if (folder == NULL)
				return NULL;
			try
			{
				m_path = path;
			}
			catch (...)
			{
				folder->Release();
				return NULL;
			}
			m_folder = folder;
		}
		m_folder->AddRef();
		return m_folder;
	}

	void Reset()
	{
		if (m_folder != NULL)
		{
			IShellFolder* folder = m_folder;
			m_folder = NULL;
			folder->Release();
		}
		m_path.clear();
	}

private:
	BoundParentFolder(const BoundParentFolder&) = delete;
	BoundParentFolder& operator=(const BoundParentFolder&) = delete;

	static IShellFolder* Bind(const std::wstring& path)
	{
		IShellFolder* desktop = NULL;
		if (FAILED(::SHGetDesktopFolder(&desktop)) || desktop == NULL)
			return NULL;
		IShellFolder* folder = NULL;
		PIDLIST_RELATIVE pidl = NULL;
		ULONG eaten = 0;
		if (SUCCEEDED(desktop->ParseDisplayName(NULL, NULL, const_cast<LPWSTR>(path.c_str()), &eaten, &pidl,
				NULL)) &&
			pidl != NULL)
		{
			if (FAILED(
					desktop->BindToObject(pidl, NULL, IID_IShellFolder, reinterpret_cast<void**>(&folder))))
				folder = NULL;
		}
		::CoTaskMemFree(pidl);
		desktop->Release();
		return folder;
	}

	std::wstring m_path;
	IShellFolder* m_folder = NULL;
};

// Each thread's bound parent lives in a fiber-local slot, whose callback
// releases it when the thread ends. The compiler's thread_local would do the
// same, but with MinGW its clean-up at the end of a worker thread that another
// module started frees memory that is not its own.
void WINAPI ReleaseBoundParent(void* bound)
{
	delete static_cast<BoundParentFolder*>(bound);
}

const DWORD g_boundParentSlot = ::FlsAlloc(&ReleaseBoundParent);

// This thread's bound parent; NULL when it cannot be made.
BoundParentFolder* GetBoundParent()
{
	if (g_boundParentSlot == FLS_OUT_OF_INDEXES)
		return NULL;
	BoundParentFolder* bound = static_cast<BoundParentFolder*>(::FlsGetValue(g_boundParentSlot));
	if (bound == NULL)
	{
		bound = new (std::nothrow) BoundParentFolder;
		if (bound != NULL && !::FlsSetValue(g_boundParentSlot, bound))
		{
			delete bound;
			bound = NULL;
		}
	}
	return bound;
}

// Splits C:\dir\name into C:\dir\ and name. False for anything the bound
// parent does not serve: drive roots, network and \\?\ paths, and names the
// shell would read as more than one item.
bool SplitDriveChild(const std::wstring& fsPath, std::wstring& parent, std::wstring& name)
{
	if (fsPath.size() < 4 || fsPath[1] != L':' || fsPath[2] != L'\\')
		return false;
	size_t end = fsPath.size();
	while (end > 3 && fsPath[end - 1] == L'\\')
		--end;
	const size_t sep = fsPath.rfind(L'\\', end - 1);
	if (sep == std::wstring::npos || sep + 1 >= end || end - sep - 1 >= MAX_PATH)
		return false;
	name.assign(fsPath, sep + 1, end - sep - 1);
	if (name.find(L':') != std::wstring::npos)
		return false;
	parent.assign(fsPath, 0, sep + 1);
	return true;
}

// The shell's sharing attribute of the existing folder parent\name, asked of
// the parent's bound folder; the item is parsed from its known attributes.
bool IsChildShared(const std::wstring& parent, const std::wstring& name,
	const WIN32_FILE_ATTRIBUTE_DATA& attributes)
{
	BoundParentFolder* bound = GetBoundParent();
	IShellFolder* folder = bound != NULL ? bound->Get(parent) : NULL;
	if (folder == NULL)
		return false;

	WIN32_FIND_DATAW data = {};
	data.dwFileAttributes = attributes.dwFileAttributes;
	data.ftCreationTime = attributes.ftCreationTime;
	data.ftLastAccessTime = attributes.ftLastAccessTime;
	data.ftLastWriteTime = attributes.ftLastWriteTime;
	data.nFileSizeHigh = attributes.nFileSizeHigh;
	data.nFileSizeLow = attributes.nFileSizeLow;
	wcsncpy(data.cFileName, name.c_str(), MAX_PATH - 1);
	FindDataForParse* findData = new (std::nothrow) FindDataForParse(data);
	if (findData == NULL)
	{
		folder->Release();
		return false;
	}

	bool shared = false;
	IBindCtx* context = NULL;
	if (SUCCEEDED(::CreateBindCtx(0, &context)) && context != NULL)
	{
		PIDLIST_RELATIVE child = NULL;
		ULONG eaten = 0;
		if (SUCCEEDED(context->RegisterObjectParam(const_cast<LPOLESTR>(STR_FILE_SYS_BIND_DATA), findData)) &&
			SUCCEEDED(folder->ParseDisplayName(NULL, context, const_cast<LPWSTR>(name.c_str()), &eaten,
				&child, NULL)) &&
			child != NULL)
		{
			SFGAOF wanted = SFGAO_SHARE;
			PCUITEMID_CHILD item = reinterpret_cast<PCUITEMID_CHILD>(child);
			shared = SUCCEEDED(folder->GetAttributesOf(1, &item, &wanted)) && (wanted & SFGAO_SHARE) != 0;
		}
		::CoTaskMemFree(child);
		context->Release();
	}
	findData->Release();
	folder->Release();
	return shared;
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
	if (StringUtils::IsEffectivelyEmpty(path))
		return false;
	// "C:" alone names the drive's current folder; the drive's root is meant.
	CString folder(path);
	if (folder.GetLength() == 2 && folder[1] == ':')
		folder += '\\';
	std::wstring fsPath = ToFileSystemPath(folder);
	if (fsPath.empty())
		return false;
	WIN32_FILE_ATTRIBUTE_DATA attributes = {};
	{
		NoDiskPrompt noPrompt;
		if (!::GetFileAttributesExW(fsPath.c_str(), GetFileExInfoStandard, &attributes) ||
			(attributes.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0)
			return false;
	}

	// The shell knows the shares of this machine, without the rights that
	// enumerating them through the server service needs.
	try
	{
		std::wstring parent, name;
		if (SplitDriveChild(fsPath, parent, name))
			return IsChildShared(parent, name, attributes);
	}
	catch (...)
	{
		// Out of memory for the names: ask with the whole path.
	}
	SHFILEINFOW info = {};
	if (!::SHGetFileInfoW(fsPath.c_str(), 0, &info, sizeof(info), SHGFI_ATTRIBUTES))
		return false;
	return (info.dwAttributes & SFGAO_SHARE) != 0;
}

CString& DirUtils::EnsureTrailingBackslash(CString& path)
{
	if (!path.IsEmpty() && !EndsWithSeparator(path))
		path += '\\';
	return path;
}

CString& DirUtils::RemoveTrailingSlash(CString& path)
{
	// Separators are bytes of their own, but so is the second byte of some
	// double-byte characters: only a whole character counts.
	const char* text = path.GetString();
	const char* end = text + path.GetLength();
	for (;;)
	{
		const char* last = StringUtils::PrevChar(text, end);
		if (last == end || end - last != 1 || !IsSeparator(*last))
			break;
		end = last;
	}
	path.Truncate(static_cast<int>(end - text));
	return path;
}

CString DirUtils::ParseLastDir(const CString& path)
{
	CString folder;
	if (path.IsEmpty())
		return folder;
	if (EndsWithSeparator(path))
	{
		folder = WithoutTrailingSeparators(path);
	}
	else
	{
		// The last component is a file; its folder is wanted.
		int sep = FindLastSeparator(path.GetString());
		if (sep < 0)
			return CString();
		folder = WithoutTrailingSeparators(path.Left(sep));
	}
	int sep = FindLastSeparator(folder.GetString());
	return sep < 0 ? folder : folder.Mid(sep + 1);
}

CString DirUtils::ParseParentDir(const CString& path)
{
	CString folder = WithoutTrailingSeparators(path);
	if (folder.IsEmpty() || IsDriveRoot(folder) || IsShareRoot(folder))
		return CString();
	int sep = FindLastSeparator(folder.GetString());
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
	int sep = FindLastSeparator(path.GetString());
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
		int server = NextSeparator(path, 2);
		if (server >= length)
		{
			list.Add(path);
			return true;
		}
		pos = NextSeparator(path, server + 1);
		list.Add(path.Left(pos));
	}

	while (pos < length)
	{
		while (pos < length && IsSeparator(path[pos]))
			++pos;
		int start = pos;
		pos = NextSeparator(path, pos);
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
		if (entry.GetLength() < prefixLength)
			continue;
		// The base must end where a character of the entry ends.
		const char* p = entry.GetString();
		while (p < entry.GetString() + prefixLength)
			p = StringUtils::NextChar(p);
		if (p != entry.GetString() + prefixLength ||
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

bool DirUtils::IsListedDirShared(const CString& path)
{
	// Roots, network and long paths take the whole question.
	std::wstring parent, name;
	try
	{
		if (!SplitDriveChild(ToFileSystemPath(path), parent, name))
			return IsDirShared(path);
	}
	catch (...)
	{
		return IsDirShared(path);
	}
	WIN32_FILE_ATTRIBUTE_DATA attributes = {};
	attributes.dwFileAttributes = FILE_ATTRIBUTE_DIRECTORY;
	return IsChildShared(parent, name, attributes);
}
