// TempDir.cpp - temporary folder trees for tests.
#include <kavrotest/TestSupport.h>

#include <shlobj.h>

#include <algorithm>

namespace kt
{

TempDir::TempDir()
{
	char base[MAX_PATH];
	DWORD n = ::GetTempPathA(MAX_PATH, base);
	if (n == 0 || n >= MAX_PATH)
		lstrcpyA(base, "C:\\windows\\temp\\");
	// Process id and a counter keep parallel test programs apart.
	static LONG s_counter = 0;
	for (int attempt = 0; attempt < 100; ++attempt)
	{
		char name[MAX_PATH];
		wsprintfA(name, "%skavro-%lu-%ld-%lu\\", base, ::GetCurrentProcessId(),
			::InterlockedIncrement(&s_counter), ::GetTickCount());
		if (::CreateDirectoryA(name, NULL))
		{
			m_path = name;
			return;
		}
	}
}

TempDir::~TempDir()
{
	if (!m_path.empty())
		RemoveTree(m_path);
}

std::string TempDir::MakeDir(const std::string& relative) const
{
	std::string path = m_path + relative;
	std::replace(path.begin(), path.end(), '/', '\\');
	if (path.back() != '\\')
		path += '\\';
	::SHCreateDirectoryExA(NULL, path.c_str(), NULL);
	return path;
}

std::string TempDir::MakeFile(const std::string& relative, const std::string& content) const
{
	size_t slash = relative.find_last_of("\\/");
	if (slash != std::string::npos)
		MakeDir(relative.substr(0, slash));
	std::string path = m_path + relative;
	std::replace(path.begin(), path.end(), '/', '\\');
	HANDLE h =
		::CreateFileA(path.c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
	if (h != INVALID_HANDLE_VALUE)
	{
		DWORD written = 0;
		if (!content.empty())
			::WriteFile(h, content.data(), static_cast<DWORD>(content.size()), &written, NULL);
		::CloseHandle(h);
	}
	return path;
}

void TempDir::RemoveTree(const std::string& path)
{
	std::string dir = path;
	if (!dir.empty() && dir.back() != '\\')
		dir += '\\';
	WIN32_FIND_DATAA fd;
	HANDLE h = ::FindFirstFileA((dir + "*").c_str(), &fd);
	if (h != INVALID_HANDLE_VALUE)
	{
		do
		{
			if (lstrcmpA(fd.cFileName, ".") == 0 || lstrcmpA(fd.cFileName, "..") == 0)
				continue;
			std::string child = dir + fd.cFileName;
			::SetFileAttributesA(child.c_str(), FILE_ATTRIBUTE_NORMAL);
			if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
				RemoveTree(child);
			else
				::DeleteFileA(child.c_str());
		} while (::FindNextFileA(h, &fd));
		::FindClose(h);
	}
	::SetFileAttributesA(dir.c_str(), FILE_ATTRIBUTE_NORMAL);
	::RemoveDirectoryA(dir.c_str());
}

} // namespace kt
