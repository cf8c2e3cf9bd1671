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

#include <memory>
#include <set>

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

// A drive letter bound to a folder for the life of the object.
struct WineDrive
{
	WineDrive(char letter, UINT driveType, const std::string& folder)
		: m_letter(letter)
	{
		typedef char*(CDECL * UnixName)(const WCHAR*);
		UnixName toUnix = reinterpret_cast<UnixName>(reinterpret_cast<void (*)()>(
			::GetProcAddress(::GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
		if (char* name = toUnix(StringUtils::ToWide(folder.c_str()).c_str()))
		{
			m_bDefined = DefineDrive(letter, driveType, name);
			::HeapFree(::GetProcessHeap(), 0, name);
		}
	}
	~WineDrive()
	{
		if (m_bDefined)
			DefineDrive(m_letter, DRIVE_UNKNOWN, "");
	}

	char m_letter;
	bool m_bDefined = false;
};

CString RootOf(char letter)
{
	return CString(letter) + ":\\";
}

// The next letter down from letter that has no drive. A letter whose drive
// was removed stays in the drive map, without a root, until Wine restarts.
char FreeLetterBelow(char letter)
{
	while (--letter > 'D' && (::GetLogicalDrives() & (1u << (letter - 'A'))) &&
		   ::GetDriveTypeA(RootOf(letter)) != DRIVE_NO_ROOT_DIR)
		;
	return letter;
}

} // namespace

TEST(Volumes, KindsBusesAndLabelsOfWineDrives)
{
	if (::GetProcAddress(::GetModuleHandleA("ntdll.dll"), "wine_get_version") == NULL)
		GTEST_SKIP() << "needs Wine";
	TextArray roots;
	VolumeUtils::GetDriveLetters(roots);
	const std::string before = Joined(roots);
	std::set<std::string> expected; // the roots that should be listed, in letter order
	for (__int64 i = 0; i < roots.GetCount(); ++i)
		expected.insert(std::string(roots.GetCopyAt(i)));
	EXPECT_EQ(expected.count("C:\\"), 1u);

	// Floppy drives are told apart by their letter.
	const struct
	{
		UINT type;
		VolumeUtils::DriveType kind;
		const char* label;
	} kinds[] = { { DRIVE_CDROM, VolumeUtils::DriveOptical, "Data" },
		{ DRIVE_REMOTE, VolumeUtils::DriveNetwork, "" }, { DRIVE_REMOVABLE, VolumeUtils::DriveRemovable, "" },
		{ DRIVE_RAMDISK, VolumeUtils::DriveRamDisk, "" }, { DRIVE_REMOVABLE, VolumeUtils::DriveFloppy, "" } };
	kt::TempDir tmp;
	std::vector<std::unique_ptr<WineDrive>> drives;
	char letter = 'Z';
	for (const auto& k : kinds)
	{
		const char at = k.kind == VolumeUtils::DriveFloppy ? 'B' : (letter = FreeLetterBelow(letter));
		if (*k.label != '\0')
			tmp.MakeFile(std::string(1, at) + "\\.windows-label", k.label);
		drives.push_back(std::make_unique<WineDrive>(at, k.type, tmp.MakeDir(std::string(1, at))));
		ASSERT_TRUE(drives.back()->m_bDefined) << at;
		EXPECT_EQ(VolumeUtils::GetDriveTypeA(RootOf(at)), k.kind) << at;
		EXPECT_EQ(VolumeUtils::GetVolumeName(RootOf(at)), k.label) << at;
		expected.insert(std::string(RootOf(at)));
	}
	EXPECT_EQ(VolumeUtils::GetDriveTypeA("C:\\"), VolumeUtils::DriveFixed);
	EXPECT_EQ(VolumeUtils::GetDriveTypeA("C:\\Windows"), VolumeUtils::DriveNoRoot);
	// The root may be written without its backslash, or as the letter alone.
	const CString network = RootOf(drives[1]->m_letter);
	EXPECT_EQ(VolumeUtils::GetDriveTypeA(network.Left(2)), VolumeUtils::DriveNetwork);
	EXPECT_EQ(VolumeUtils::GetDriveTypeA(network.Left(1).MakeLower()), VolumeUtils::DriveNetwork);
	EXPECT_EQ(VolumeUtils::GetBusType(network), VolumeUtils::BusNetwork);
	const CString missing = RootOf(FreeLetterBelow(letter));
	EXPECT_EQ(VolumeUtils::GetDriveTypeA(missing), VolumeUtils::DriveNoRoot);
	EXPECT_EQ(VolumeUtils::GetBusType(missing), VolumeUtils::BusUnknown);
	EXPECT_EQ(VolumeUtils::GetVolumeName(missing), "");

	// In letter order; once the drives are gone, their letters are no longer offered.
	std::string listed;
	for (const std::string& root : expected)
		listed += (listed.empty() ? "" : "|") + root;
	const __int64 count = VolumeUtils::GetDriveLetters(roots);
	EXPECT_EQ(count, roots.GetCount());
	EXPECT_EQ(Joined(roots), listed);
	drives.clear();
	VolumeUtils::GetDriveLetters(roots);
	EXPECT_EQ(Joined(roots), before);
}
