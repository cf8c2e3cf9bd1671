// GdiCount.cpp - counting the process's live GDI objects and its threads.
#include <kavrotest/TestSupport.h>

#include <tlhelp32.h>
#include <winternl.h>

namespace kt
{

int CountGdiObjects()
{
	// The handle table that the system shares with every process, as the
	// process environment block points to it (Windows and Wine alike): 0x10000
	// entries of 24 bytes, the handle's upper word at offset 12 and the
	// object type at 14.
	const size_t kTableOffset = 0xF8, kEntrySize = 24, kEntries = 0x10000;
	typedef NTSTATUS(NTAPI * QueryProcess)(HANDLE, PROCESSINFOCLASS, PVOID, ULONG, PULONG);
	QueryProcess query = reinterpret_cast<QueryProcess>(reinterpret_cast<void (*)()>(
		::GetProcAddress(::GetModuleHandleA("ntdll.dll"), "NtQueryInformationProcess")));
	PROCESS_BASIC_INFORMATION info = {};
	if (query == NULL ||
		query(::GetCurrentProcess(), ProcessBasicInformation, &info, sizeof(info), NULL) != 0)
		return -1;
	const BYTE* pPeb = reinterpret_cast<const BYTE*>(info.PebBaseAddress);
	const BYTE* pTable = *reinterpret_cast<const BYTE* const*>(pPeb + kTableOffset);
	if (pTable == NULL)
		return -1;
	int nCount = 0;
	for (size_t i = 0; i < kEntries; ++i)
	{
		const BYTE* pEntry = pTable + i * kEntrySize;
		if (pEntry[14] == 0)
			continue;
		const ULONG_PTR upper = *reinterpret_cast<const USHORT*>(pEntry + 12);
		if (::GetObjectType(reinterpret_cast<HGDIOBJ>(i | (upper << 16))) != 0)
			++nCount;
	}
	return nCount;
}

int CountThreads()
{
	HANDLE hSnapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
	if (hSnapshot == INVALID_HANDLE_VALUE)
		return -1;
	int nCount = 0;
	THREADENTRY32 entry = {};
	entry.dwSize = sizeof(entry);
	for (BOOL bMore = ::Thread32First(hSnapshot, &entry); bMore; bMore = ::Thread32Next(hSnapshot, &entry))
		nCount += entry.th32OwnerProcessID == ::GetCurrentProcessId();
	::CloseHandle(hSnapshot);
	return nCount;
}

} // namespace kt
