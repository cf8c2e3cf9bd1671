// WineDrive.cpp - drives made for a test through Wine's mount manager.
//
// Classes in this file:
//   UnixDriveRequest
#include <kavrotest/TestSupport.h>

#include <qtx/Support.h>

#include <winioctl.h>

namespace kt
{

namespace
{

// Wine's mount manager request for defining a drive; no path removes it.
struct UnixDriveRequest
{
	ULONG size, type, fsType;
	DWORD serial;
	ULONGLONG unixDev;
	WCHAR letter;
	USHORT mountPointOffset, deviceOffset, labelOffset;
};

bool DefineDrive(char letter, UINT driveType, const std::string& unixPath)
{
	std::vector<BYTE> buffer(sizeof(UnixDriveRequest) + unixPath.size() + 1);
	*reinterpret_cast<UnixDriveRequest*>(buffer.data()) = { static_cast<ULONG>(buffer.size()), driveType, 0,
		0, 0, static_cast<WCHAR>(letter),
		static_cast<USHORT>(unixPath.empty() ? 0 : sizeof(UnixDriveRequest)), 0, 0 };
	memcpy(buffer.data() + sizeof(UnixDriveRequest), unixPath.c_str(), unixPath.size() + 1);
	HANDLE hMgr = ::CreateFileW(L"\\\\.\\MountPointManager", GENERIC_READ | GENERIC_WRITE,
		FILE_SHARE_READ | FILE_SHARE_WRITE, NULL, OPEN_EXISTING, 0, NULL);
	DWORD returned = 0;
	const BOOL ok =
		::DeviceIoControl(hMgr, CTL_CODE('m', 32, METHOD_BUFFERED, FILE_READ_ACCESS | FILE_WRITE_ACCESS),
			buffer.data(), static_cast<DWORD>(buffer.size()), NULL, 0, &returned, NULL);
	::CloseHandle(hMgr);
	return ok != FALSE;
}

} // namespace

WineDrive::WineDrive(char letter, UINT driveType, const std::string& folder)
	: m_letter(letter)
{
	typedef char*(CDECL * UnixName)(const WCHAR*);
	UnixName toUnix = reinterpret_cast<UnixName>(reinterpret_cast<void (*)()>(
		::GetProcAddress(::GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
	if (toUnix == NULL)
		return;
	if (char* name = toUnix(StringUtils::ToWide(folder.c_str()).c_str()))
	{
		m_bDefined = DefineDrive(letter, driveType, name);
		::HeapFree(::GetProcessHeap(), 0, name);
	}
}

WineDrive::~WineDrive()
{
	if (m_bDefined)
		DefineDrive(m_letter, DRIVE_UNKNOWN, "");
}

bool WineDrive::IsWine()
{
	return ::GetProcAddress(::GetModuleHandleA("ntdll.dll"), "wine_get_version") != NULL;
}

char WineDrive::FreeLetterBelow(char letter)
{
	auto hasRoot = [](char c)
	{
		const char root[] = { c, ':', '\\', '\0' };
		return ::GetDriveTypeA(root) != DRIVE_NO_ROOT_DIR;
	};
	while (--letter > 'D' && (::GetLogicalDrives() & (1u << (letter - 'A'))) && hasRoot(letter))
		;
	return letter;
}

} // namespace kt
