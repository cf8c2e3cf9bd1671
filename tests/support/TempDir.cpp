// TempDir.cpp - temporary folder trees for tests.
#include <kavrotest/TestSupport.h>

#include <shlobj.h>

#include <algorithm>

namespace kt
{

TempDir::TempDir()
{
	char base[MAX_PATH] = "";
	::GetTempPathA(MAX_PATH, base);
	// Process id, a counter and the time keep parallel test programs and
	// earlier runs apart.
	static LONG s_counter = 0;
	char name[MAX_PATH];
	wsprintfA(name, "%skavro-%lu-%ld-%lu\\", base, ::GetCurrentProcessId(),
		::InterlockedIncrement(&s_counter), ::GetTickCount());
	if (::CreateDirectoryA(name, NULL))
		m_path = name;
}

TempDir::~TempDir()
{
	if (m_path.empty())
		return;
	// A list of one path, without its backslash, ended by an empty one.
	const std::string from = m_path.substr(0, m_path.size() - 1) + '\0';
	SHFILEOPSTRUCTA op = {};
	op.wFunc = FO_DELETE;
	op.pFrom = from.c_str();
	op.fFlags = FOF_NOCONFIRMATION | FOF_NOERRORUI | FOF_SILENT;
	::SHFileOperationA(&op);
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

} // namespace kt
