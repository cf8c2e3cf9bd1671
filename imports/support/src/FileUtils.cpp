// FileUtils.cpp - file queries and temporary file names.
#include "SupportImpl.h"

#include <string.h>

using namespace qtxsupport;

namespace
{

bool ReadAttributes(const CString& path, WIN32_FILE_ATTRIBUTE_DATA& data)
{
	if (StringUtils::IsEffectivelyEmpty(path))
		return false;
	std::wstring fsPath = ToFileSystemPath(path);
	if (fsPath.empty())
		return false;
	NoDiskPrompt noPrompt;
	return ::GetFileAttributesExW(fsPath.c_str(), GetFileExInfoStandard, &data) != FALSE;
}

bool IsValidFileNameText(const CString& text)
{
	// Only characters of one byte can be invalid: the second byte of a
	// double-byte character may have the value of \ or |.
	for (const char* p = text.GetString(); *p; p = StringUtils::NextChar(p))
	{
		unsigned char ch = static_cast<unsigned char>(*p);
		if (CharLength(p) == 1 && (ch < 0x20 || strchr("<>:\"/\\|?*", ch) != NULL))
			return false;
	}
	return true;
}

// Successive calls get successive numbers even when none of the names is
// ever created, so two callers never get the same free name.
volatile LONG g_tempCounter = 0;

} // namespace

bool FileUtils::DoesFileExist(const CString& path)
{
	WIN32_FILE_ATTRIBUTE_DATA data;
	return ReadAttributes(path, data) && (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

CString FileUtils::GetFileExt(const CString& path)
{
	int nameStart = FindLastSeparator(path.GetString()) + 1;
	int dot = path.ReverseFind('.');
	if (dot < nameStart)
		return CString();
	return path.Mid(dot + 1);
}

bool FileUtils::GetFileInfoCore(const CString& path, unsigned __int64& size, DateTime& modified)
{
	WIN32_FILE_ATTRIBUTE_DATA data;
	if (!ReadAttributes(path, data) || (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
		return false;
	DateTime time;
	if (!time.SetFromFileTime(data.ftLastWriteTime))
		return false;
	size = (static_cast<unsigned __int64>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
	modified = time;
	return true;
}

CString FileUtils::GetTempFile(const CString& dir, const CString& text, unsigned int& number)
{
	number = 0;
	if (!DirUtils::DoesDirExist(dir) || !IsValidFileNameText(text))
		return CString();

	CString prefix(dir);
	DirUtils::EnsureTrailingBackslash(prefix);
	prefix += text;

	unsigned int seed = ::GetTickCount() ^ (::GetCurrentProcessId() << 16);
	// A bounded search: a folder full of 65536 of our names is not worth more.
	for (int attempt = 0; attempt < 0x10000; ++attempt)
	{
		unsigned int candidate = seed + static_cast<unsigned int>(::InterlockedIncrement(&g_tempCounter));
		CString path;
		path.Format("%s%08X.tmp", prefix.GetString(), candidate);
		std::wstring fsPath = ToFileSystemPath(path);
		if (fsPath.empty())
			return CString();
		if (::GetFileAttributesW(fsPath.c_str()) == INVALID_FILE_ATTRIBUTES &&
			::GetLastError() == ERROR_FILE_NOT_FOUND)
		{
			number = candidate;
			return path;
		}
	}
	return CString();
}
