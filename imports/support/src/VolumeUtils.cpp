// VolumeUtils.cpp - drive letters, drive kinds, buses and volume labels.
#include "SupportImpl.h"

#include <winioctl.h>

using namespace qtxsupport;

namespace
{

// The drive letter of a root given as C:\, C: or C; 0 when there is none.
char DriveLetter(const CString& root)
{
	int length = root.GetLength();
	if (length < 1 || length > 3)
		return 0;
	if (length >= 2 && root[1] != ':')
		return 0;
	if (length == 3 && !IsSeparator(root[2]))
		return 0;
	char letter = StringUtils::m_tableUppercase[static_cast<unsigned char>(root[0])];
	return (letter >= 'A' && letter <= 'Z') ? letter : 0;
}

CString RootOf(char letter)
{
	CString root;
	root.Format("%c:\\", letter);
	return root;
}

bool IsFloppyDevice(char letter)
{
	// Floppy controllers only ever had A: and B:; elsewhere the device name tells.
	if (letter == 'A' || letter == 'B')
		return true;
	char drive[3] = { letter, ':', '\0' };
	char target[MAX_PATH] = "";
	if (::QueryDosDeviceA(drive, target, MAX_PATH) == 0)
		return false;
	return strstr(target, "\\Device\\Floppy") == target;
}

VolumeUtils::BusType FromStorageBus(STORAGE_BUS_TYPE bus)
{
	switch (bus)
	{
	case BusTypeAtapi:
		return VolumeUtils::BusOptical;
	case BusTypeAta:
		return VolumeUtils::BusAta;
	case BusTypeSata:
		return VolumeUtils::BusSata;
	case BusTypeScsi:
	case BusTypeSas:
	case BusType1394:
	case BusTypeFibre:
	case BusTypeSsa:
		return VolumeUtils::BusAttached;
	case BusTypeRAID:
		return VolumeUtils::BusRaid;
	case BusTypeiScsi:
		return VolumeUtils::BusNetwork;
	case BusTypeSd:
		return VolumeUtils::BusSd;
	case BusTypeMmc:
		return VolumeUtils::BusMmc;
	case BusTypeUsb:
		return VolumeUtils::BusUsb;
	case BusTypeVirtual:
	case BusTypeFileBackedVirtual:
		return VolumeUtils::BusVirtual;
	case BusTypeNvme:
		return VolumeUtils::BusNvme;
	default:
		return VolumeUtils::BusUnknown;
	}
}

// Asks the storage stack under the volume for its bus; false when it will not say.
bool QueryStorageBus(char letter, VolumeUtils::BusType& bus)
{
	char device[8] = { '\\', '\\', '.', '\\', letter, ':', '\0' };
	// No access rights are needed for a property query, and none are asked,
	// so it works for users without administrative rights.
	HANDLE hDevice =
		::CreateFileA(device, 0, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL, OPEN_EXISTING, 0, NULL);
	if (hDevice == INVALID_HANDLE_VALUE)
		return false;

	STORAGE_PROPERTY_QUERY query = {};
	query.PropertyId = StorageDeviceProperty;
	query.QueryType = PropertyStandardQuery;
	STORAGE_DEVICE_DESCRIPTOR descriptor = {};
	DWORD returned = 0;
	BOOL ok = ::DeviceIoControl(hDevice, IOCTL_STORAGE_QUERY_PROPERTY, &query, sizeof(query), &descriptor,
		sizeof(descriptor), &returned, NULL);
	::CloseHandle(hDevice);
	if (!ok || returned < offsetof(STORAGE_DEVICE_DESCRIPTOR, BusType) + sizeof(descriptor.BusType))
		return false;
	bus = FromStorageBus(descriptor.BusType);
	return true;
}

} // namespace

__int64 VolumeUtils::GetDriveLetters(TextArray& list)
{
	list.RemoveAll();
	DWORD drives = ::GetLogicalDrives();
	NoDiskPrompt noPrompt;
	for (char letter = 'A'; letter <= 'Z'; ++letter)
	{
		if ((drives & (1u << (letter - 'A'))) == 0)
			continue;
		CString root = RootOf(letter);
		// A letter can stay in the map after its target went away.
		if (::GetDriveTypeA(root) == DRIVE_NO_ROOT_DIR)
			continue;
		list.Add(root);
	}
	return list.GetCount();
}

VolumeUtils::DriveType VolumeUtils::GetDriveTypeA(const CString& root)
{
	char letter = DriveLetter(root);
	if (letter == 0)
		return DriveNoRoot;
	NoDiskPrompt noPrompt;
	switch (::GetDriveTypeA(RootOf(letter)))
	{
	case DRIVE_REMOVABLE:
		return IsFloppyDevice(letter) ? DriveFloppy : DriveRemovable;
	case DRIVE_FIXED:
		return DriveFixed;
	case DRIVE_REMOTE:
		return DriveNetwork;
	case DRIVE_CDROM:
		return DriveOptical;
	case DRIVE_RAMDISK:
		return DriveRamDisk;
	case DRIVE_NO_ROOT_DIR:
		return DriveNoRoot;
	default:
		return DriveUnknown;
	}
}

VolumeUtils::BusType VolumeUtils::GetBusType(const CString& root)
{
	DriveType type = GetDriveTypeA(root);
	if (type == DriveNetwork)
		return BusNetwork;
	if (type == DriveNoRoot)
		return BusUnknown;

	BusType bus = BusUnknown;
	if (QueryStorageBus(DriveLetter(root), bus))
		return bus;
	return type == DriveOptical ? BusOptical : BusUnknown;
}

CString VolumeUtils::GetVolumeName(const CString& root)
{
	char letter = DriveLetter(root);
	if (letter == 0)
		return CString();
	NoDiskPrompt noPrompt;
	char label[MAX_PATH + 1] = "";
	if (!::GetVolumeInformationA(RootOf(letter), label, MAX_PATH + 1, NULL, NULL, NULL, NULL, 0))
		return CString();
	return CString(label);
}
