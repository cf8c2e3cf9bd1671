// VolumeTest.cpp - drive letters, drive kinds, buses and labels on real Wine drives.
//
// Classes in this file:
//   UnixDriveRequest, WineDrive
//
// The drives are made for the test through Wine's mount manager, the way
// Wine's own configuration tool adds a drive: a drive letter bound to a
// Unix folder with a drive kind. Outside Wine these tests are skipped.
#include <kavrotest/TestSupport.h>

#include "SupportTestUtil.h"

#include <winioctl.h>

#include <algorithm>
#include <memory>

namespace
{

// Wine's mount manager extension for defining a drive.
const DWORD kDefineUnixDrive = CTL_CODE('m', 32, METHOD_BUFFERED, FILE_READ_ACCESS | FILE_WRITE_ACCESS);

struct UnixDriveRequest
{
	ULONG size, type, fsType;
	DWORD serial;
	ULONGLONG unixDev;
	WCHAR letter;
	USHORT mountPointOffset, deviceOffset, labelOffset;
};

CString RootOf(char letter)
{
	return CString(letter) + ":\\";
}

// A drive letter bound to a folder for the life of the object.
class WineDrive
{
public:
	WineDrive(char letter, UINT driveType, const std::string& folder)
		: m_letter(letter)
	{
		typedef char*(CDECL * UnixName)(const WCHAR*);
		UnixName toUnix = reinterpret_cast<UnixName>(reinterpret_cast<void*>(
			::GetProcAddress(::GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
		if (char* name = toUnix != NULL ? toUnix(StringUtils::ToWide(folder.c_str()).c_str()) : NULL)
		{
			m_bDefined = Define(driveType, name);
			::HeapFree(::GetProcessHeap(), 0, name);
		}
	}
	~WineDrive()
	{
		if (m_bDefined)
			Define(DRIVE_UNKNOWN, "");
	}
	bool m_bDefined = false;

private:
	// An empty path removes the drive.
	bool Define(UINT driveType, const std::string& unixPath)
	{
		std::vector<BYTE> buffer(sizeof(UnixDriveRequest) + unixPath.size() + 1);
		UnixDriveRequest* request = reinterpret_cast<UnixDriveRequest*>(buffer.data());
		*request = { static_cast<ULONG>(buffer.size()), driveType, 0, 0, 0, static_cast<WCHAR>(m_letter),
			static_cast<USHORT>(unixPath.empty() ? 0 : sizeof(UnixDriveRequest)), 0, 0 };
		memcpy(request + 1, unixPath.c_str(), unixPath.size() + 1);
		HANDLE hMgr = ::CreateFileW(L"\\\\.\\MountPointManager", GENERIC_READ | GENERIC_WRITE,
			FILE_SHARE_READ | FILE_SHARE_WRITE, NULL, OPEN_EXISTING, 0, NULL);
		DWORD returned = 0;
		BOOL ok = ::DeviceIoControl(hMgr, kDefineUnixDrive, buffer.data(), static_cast<DWORD>(buffer.size()),
			NULL, 0, &returned, NULL);
		::CloseHandle(hMgr);
		return ok != FALSE;
	}

	char m_letter;
};

// A letter whose drive was removed stays in the drive map, without a root,
// until Wine restarts; such a letter is free as well.
bool IsFreeLetter(char letter)
{
	return !(::GetLogicalDrives() & (1u << (letter - 'A'))) ||
		   ::GetDriveTypeA(RootOf(letter)) == DRIVE_NO_ROOT_DIR;
}

} // namespace

TEST(Volumes, KindsBusesAndLabelsOfWineDrives)
{
	if (::GetProcAddress(::GetModuleHandleA("ntdll.dll"), "wine_get_version") == NULL)
		GTEST_SKIP() << "needs Wine";
	// Floppy drives are told apart by their letter.
	const struct
	{
		UINT type;
		VolumeUtils::DriveType kind;
		const char* label;
		char letter; // 0: any free one
	} kinds[] = { { DRIVE_CDROM, VolumeUtils::DriveOptical, "Data", 0 },
		{ DRIVE_REMOTE, VolumeUtils::DriveNetwork, "", 0 },
		{ DRIVE_REMOVABLE, VolumeUtils::DriveRemovable, "", 0 },
		{ DRIVE_RAMDISK, VolumeUtils::DriveRamDisk, "", 0 },
		{ DRIVE_REMOVABLE, VolumeUtils::DriveFloppy, "", 'B' } };
	TextArray roots;
	VolumeUtils::GetDriveLetters(roots);
	const std::string before = Joined(roots);
	EXPECT_NE(before.find("C:\\"), std::string::npos);

	kt::TempDir tmp;
	std::vector<std::unique_ptr<WineDrive>> drives;
	std::vector<std::string> all, made; // the roots GetDriveLetters should list, those made here
	for (__int64 i = 0; i < roots.GetCount(); ++i)
		all.push_back(std::string(roots.GetCopyAt(i)));
	char letter = 'Z';
	for (const auto& k : kinds)
	{
		while (k.letter == 0 && !IsFreeLetter(--letter))
			;
		const char at = k.letter != 0 ? k.letter : letter;
		const std::string folder = tmp.MakeDir(std::string(1, at));
		if (*k.label != '\0')
			tmp.MakeFile(std::string(1, at) + "\\.windows-label", k.label);
		drives.push_back(std::make_unique<WineDrive>(at, k.type, folder));
		ASSERT_TRUE(drives.back()->m_bDefined) << at;
		EXPECT_EQ(VolumeUtils::GetDriveTypeA(RootOf(at)), k.kind) << at;
		EXPECT_EQ(VolumeUtils::GetVolumeName(RootOf(at)), k.label) << at;
		made.push_back(std::string(RootOf(at)));
	}
	EXPECT_EQ(VolumeUtils::GetDriveTypeA("C:\\"), VolumeUtils::DriveFixed);
	EXPECT_EQ(VolumeUtils::GetDriveTypeA("C:\\Windows"), VolumeUtils::DriveNoRoot);
	// The root may be written without its backslash, or as the letter alone.
	const CString network = made[1].c_str();
	EXPECT_EQ(VolumeUtils::GetDriveTypeA(network.Left(2)), VolumeUtils::DriveNetwork);
	EXPECT_EQ(VolumeUtils::GetDriveTypeA(network.Left(1).MakeLower()), VolumeUtils::DriveNetwork);
	EXPECT_EQ(VolumeUtils::GetBusType(network), VolumeUtils::BusNetwork);
	while (!IsFreeLetter(--letter))
		;
	EXPECT_EQ(VolumeUtils::GetDriveTypeA(RootOf(letter)), VolumeUtils::DriveNoRoot);
	EXPECT_EQ(VolumeUtils::GetBusType(RootOf(letter)), VolumeUtils::BusUnknown);
	EXPECT_EQ(VolumeUtils::GetVolumeName(RootOf(letter)), "");

	// In letter order; once the drives are gone, their letters are no longer offered.
	all.insert(all.end(), made.begin(), made.end());
	std::sort(all.begin(), all.end());
	std::string listed;
	for (const std::string& root : all)
		listed += (listed.empty() ? "" : "|") + root;
	const __int64 count = VolumeUtils::GetDriveLetters(roots);
	EXPECT_EQ(count, roots.GetCount());
	EXPECT_EQ(Joined(roots), listed);
	drives.clear();
	VolumeUtils::GetDriveLetters(roots);
	EXPECT_EQ(Joined(roots), before);
}
