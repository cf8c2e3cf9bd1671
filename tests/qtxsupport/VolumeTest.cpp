// VolumeTest.cpp - drive letters, drive kinds, buses and labels on real Wine drives.
//
// The drives are made for the test through Wine's mount manager (kt::WineDrive).
// Outside Wine these tests are skipped.
#include <kavrotest/TestSupport.h>

#include "SupportTestUtil.h"

#include <memory>
#include <set>

namespace
{

CString RootOf(char letter)
{
	return CString(letter) + ":\\";
}

const wchar_t kJapaneseLabel[] = L"データ表ソ";

std::string Utf8(const wchar_t* text)
{
	char utf8[64] = "";
	::WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8, sizeof(utf8), NULL, NULL);
	return utf8;
}

} // namespace

TEST(Volumes, KindsBusesAndLabelsOfWineDrives)
{
	if (!kt::WineDrive::IsWine())
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
	std::vector<std::unique_ptr<kt::WineDrive>> drives;
	char letter = 'Z';
	for (const auto& k : kinds)
	{
		const char at =
			k.kind == VolumeUtils::DriveFloppy ? 'B' : (letter = kt::WineDrive::FreeLetterBelow(letter));
		// Wine reads the label file as UTF-8; a label of the code page's own
		// characters comes back in the code page.
		const bool bJapanese = *k.label != '\0' && kt::IsAnsi(kJapaneseLabel);
		if (*k.label != '\0')
			tmp.MakeFile(std::string(1, at) + "\\.windows-label", bJapanese ? Utf8(kJapaneseLabel) : k.label);
		drives.push_back(std::make_unique<kt::WineDrive>(at, k.type, tmp.MakeDir(std::string(1, at))));
		ASSERT_TRUE(drives.back()->m_bDefined) << at;
		EXPECT_EQ(VolumeUtils::GetDriveTypeA(RootOf(at)), k.kind) << at;
		EXPECT_EQ(VolumeUtils::GetVolumeName(RootOf(at)),
			bJapanese ? kt::Ansi(kJapaneseLabel) : CString(k.label))
			<< at;
		expected.insert(std::string(RootOf(at)));
	}
	EXPECT_EQ(VolumeUtils::GetDriveTypeA("C:\\"), VolumeUtils::DriveFixed);
	EXPECT_EQ(VolumeUtils::GetDriveTypeA("C:\\Windows"), VolumeUtils::DriveNoRoot);
	// The root may be written without its backslash, or as the letter alone.
	const CString network = RootOf(drives[1]->m_letter);
	EXPECT_EQ(VolumeUtils::GetDriveTypeA(network.Left(2)), VolumeUtils::DriveNetwork);
	EXPECT_EQ(VolumeUtils::GetDriveTypeA(network.Left(1).MakeLower()), VolumeUtils::DriveNetwork);
	EXPECT_EQ(VolumeUtils::GetBusType(network), VolumeUtils::BusNetwork);
	const CString missing = RootOf(kt::WineDrive::FreeLetterBelow(letter));
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
