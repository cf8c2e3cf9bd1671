// VolumeTest.cpp - drive letters, drive kinds, buses and labels on real Wine drives.
//
// Classes in this file:
//   UnixDriveRequest, WineDrive
//
// The drives are made for the test through Wine's mount manager, the way
// Wine's own configuration tool adds a drive: a drive letter bound to a
// Unix folder with a drive kind. Outside Wine these tests are skipped.
#include <kavrotest/TestSupport.h>
#include <qtx/Support.h>

#include <winioctl.h>

#include <string>
#include <vector>

namespace
{

// Wine's mount manager extension for defining a drive.
const DWORD kDefineUnixDrive = CTL_CODE('m', 32, METHOD_BUFFERED, FILE_READ_ACCESS | FILE_WRITE_ACCESS);

struct UnixDriveRequest
{
	ULONG size;
	ULONG type;
	ULONG fsType;
	DWORD serial;
	ULONGLONG unixDev;
	WCHAR letter;
	USHORT mountPointOffset;
	USHORT deviceOffset;
	USHORT labelOffset;
};

CString RootOf(char letter)
{
	CString root;
	root.Format("%c:\\", letter);
	return root;
}

std::string UnixPathOf(const std::string& windowsPath)
{
	typedef char*(CDECL * UnixName)(const WCHAR*);
	UnixName toUnix = reinterpret_cast<UnixName>(reinterpret_cast<void (*)()>(
		::GetProcAddress(::GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
	if (toUnix == NULL)
		return std::string();
	char* name = toUnix(StringUtils::ToWide(windowsPath.c_str()).c_str());
	if (name == NULL)
		return std::string();
	std::string result(name);
	::HeapFree(::GetProcessHeap(), 0, name);
	return result;
}

// A drive letter bound to a folder for the life of the object.
class WineDrive
{
public:
	WineDrive(char letter, UINT driveType, const std::string& folder)
		: m_letter(letter)
	{
		std::string unixPath = UnixPathOf(folder);
		m_bDefined = !unixPath.empty() && Define(driveType, unixPath.c_str());
	}
	~WineDrive()
	{
		if (m_bDefined)
			Define(DRIVE_UNKNOWN, NULL);
	}
	bool IsDefined() const { return m_bDefined; }
	CString Root() const { return RootOf(m_letter); }

private:
	bool Define(UINT driveType, const char* unixPath)
	{
		std::vector<BYTE> buffer(sizeof(UnixDriveRequest) + (unixPath ? strlen(unixPath) + 1 : 0));
		UnixDriveRequest* request = reinterpret_cast<UnixDriveRequest*>(buffer.data());
		request->size = static_cast<ULONG>(buffer.size());
		request->type = driveType;
		request->letter = static_cast<WCHAR>(m_letter);
		if (unixPath)
		{
			request->mountPointOffset = sizeof(UnixDriveRequest);
			memcpy(buffer.data() + sizeof(UnixDriveRequest), unixPath, strlen(unixPath) + 1);
		}
		HANDLE hMgr = ::CreateFileW(L"\\\\.\\MountPointManager", GENERIC_READ | GENERIC_WRITE,
			FILE_SHARE_READ | FILE_SHARE_WRITE, NULL, OPEN_EXISTING, 0, NULL);
		if (hMgr == INVALID_HANDLE_VALUE)
			return false;
		DWORD returned = 0;
		BOOL ok = ::DeviceIoControl(hMgr, kDefineUnixDrive, buffer.data(), static_cast<DWORD>(buffer.size()),
			NULL, 0, &returned, NULL);
		::CloseHandle(hMgr);
		return ok != FALSE;
	}

	char m_letter;
	bool m_bDefined = false;
};

// A letter whose drive was removed stays in the drive map, without a root,
// until Wine restarts; such a letter is free as well.
bool IsFreeLetter(char letter)
{
	return !(::GetLogicalDrives() & (1u << (letter - 'A'))) ||
		   ::GetDriveTypeA(RootOf(letter)) == DRIVE_NO_ROOT_DIR;
}

std::vector<char> FreeLetters(int count)
{
	std::vector<char> letters;
	for (char letter = 'Y'; letter > 'D' && static_cast<int>(letters.size()) < count; --letter)
	{
		if (IsFreeLetter(letter))
			letters.push_back(letter);
	}
	return letters;
}

} // namespace

TEST(Volumes, KindsBusesAndLabelsOfWineDrives)
{
	if (UnixPathOf("C:\\").empty())
		GTEST_SKIP() << "needs Wine";
	std::vector<char> letters = FreeLetters(5);
	ASSERT_EQ(letters.size(), 5u);

	kt::TempDir tmp;
	std::string optical = tmp.MakeDir("optical");
	tmp.MakeFile("optical\\.windows-label", "Data");
	std::string network = tmp.MakeDir("network");
	std::string removable = tmp.MakeDir("removable");
	std::string ram = tmp.MakeDir("ram");

	TextArray roots;
	{
		WineDrive opticalDrive(letters[0], DRIVE_CDROM, optical);
		WineDrive networkDrive(letters[1], DRIVE_REMOTE, network);
		WineDrive removableDrive(letters[2], DRIVE_REMOVABLE, removable);
		WineDrive ramDrive(letters[3], DRIVE_RAMDISK, ram);
		ASSERT_TRUE(opticalDrive.IsDefined() && networkDrive.IsDefined() && removableDrive.IsDefined() &&
					ramDrive.IsDefined());
		const CString missing = RootOf(letters[4]);

		EXPECT_EQ(VolumeUtils::GetDriveTypeA("C:\\"), VolumeUtils::DriveFixed);
		EXPECT_EQ(VolumeUtils::GetDriveTypeA(opticalDrive.Root()), VolumeUtils::DriveOptical);
		EXPECT_EQ(VolumeUtils::GetDriveTypeA(networkDrive.Root()), VolumeUtils::DriveNetwork);
		EXPECT_EQ(VolumeUtils::GetDriveTypeA(removableDrive.Root()), VolumeUtils::DriveRemovable);
		EXPECT_EQ(VolumeUtils::GetDriveTypeA(ramDrive.Root()), VolumeUtils::DriveRamDisk);
		EXPECT_EQ(VolumeUtils::GetDriveTypeA(missing), VolumeUtils::DriveNoRoot);
		// The root may be written without its backslash, or as the letter alone.
		EXPECT_EQ(VolumeUtils::GetDriveTypeA(networkDrive.Root().Left(2)), VolumeUtils::DriveNetwork);
		EXPECT_EQ(VolumeUtils::GetDriveTypeA(CString(static_cast<char>(letters[1] + ('a' - 'A')))),
			VolumeUtils::DriveNetwork);
		EXPECT_EQ(VolumeUtils::GetDriveTypeA("C:\\Windows"), VolumeUtils::DriveNoRoot);

		EXPECT_EQ(VolumeUtils::GetBusType(networkDrive.Root()), VolumeUtils::BusNetwork);
		EXPECT_EQ(VolumeUtils::GetBusType(missing), VolumeUtils::BusUnknown);

		EXPECT_EQ(VolumeUtils::GetVolumeName(opticalDrive.Root()), "Data");
		EXPECT_EQ(VolumeUtils::GetVolumeName(removableDrive.Root()), "");
		EXPECT_EQ(VolumeUtils::GetVolumeName(missing), "");

		__int64 count = VolumeUtils::GetDriveLetters(roots);
		EXPECT_EQ(count, roots.GetCount());
		for (const WineDrive* drive : { &opticalDrive, &networkDrive, &removableDrive, &ramDrive })
			EXPECT_TRUE(roots.Have(drive->Root(), true)) << drive->Root().GetString();
		EXPECT_TRUE(roots.Have("C:\\", true));
		EXPECT_FALSE(roots.Have(missing, false));
		for (__int64 i = 1; i < roots.GetCount(); ++i)
			EXPECT_LT(strcmp(roots.GetCopyAt(i - 1), roots.GetCopyAt(i)), 0);
	}

	// Once the drives are gone, their letters are no longer offered.
	VolumeUtils::GetDriveLetters(roots);
	for (int i = 0; i < 4; ++i)
		EXPECT_FALSE(roots.Have(RootOf(letters[i]), true)) << letters[i];
}

TEST(Volumes, FloppyDriveIsToldApart)
{
	if (UnixPathOf("C:\\").empty())
		GTEST_SKIP() << "needs Wine";
	if (!IsFreeLetter('B'))
		GTEST_SKIP() << "B: is taken";
	kt::TempDir tmp;
	WineDrive floppy('B', DRIVE_REMOVABLE, tmp.Path());
	ASSERT_TRUE(floppy.IsDefined());
	EXPECT_EQ(VolumeUtils::GetDriveTypeA("B:\\"), VolumeUtils::DriveFloppy);
}
