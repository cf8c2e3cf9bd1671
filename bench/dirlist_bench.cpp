// dirlist_bench.cpp - how much cheaper asking "has a sub-folder" is than listing the sub-folders.
//
// A directory tree asks HasSubdirectory for every folder it shows and lists a
// folder only when it is opened. Prints, for a sub-folder whose name sorts
// before and after the files, the median time of each call over several
// repetitions and their ratio. Not a test: the numbers depend on the file
// system and its enumeration order.
#include "BenchTiming.h"

#include <qtx/Support.h>

#include <stdio.h>

namespace
{

const int kFiles = 10000;
const int kRepetitions = 15;

bool MakeFiles(const CString& dir)
{
	for (int i = 0; i < kFiles; ++i)
	{
		CString path;
		path.Format("%sfile%05d.dat", dir.GetString(), i);
		HANDLE h = ::CreateFileA(path, GENERIC_WRITE, 0, NULL, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, NULL);
		if (h == INVALID_HANDLE_VALUE)
			return false;
		::CloseHandle(h);
	}
	return true;
}

void RemoveAll(const CString& dir, const CString& sub)
{
	for (int i = 0; i < kFiles; ++i)
	{
		CString path;
		path.Format("%sfile%05d.dat", dir.GetString(), i);
		::DeleteFileA(path);
	}
	::RemoveDirectoryA(dir + sub);
	::RemoveDirectoryA(dir);
}

// Times both calls with the sub-folder named sub; false when the folder
// could not be set up.
bool Measure(const char* label, const char* sub)
{
	CString dir;
	dir.Format("%sdirlist-bench-%lu\\", DirUtils::GetTempDir().GetString(), ::GetCurrentProcessId());
	if (!::CreateDirectoryA(dir, NULL) || !::CreateDirectoryA(dir + sub, NULL) || !MakeFiles(dir))
	{
		fprintf(stderr, "dirlist_bench: cannot set up %s\n", dir.GetString());
		RemoveAll(dir, sub);
		return false;
	}

	bool has = false;
	__int64 count = 0;
	TextArray list;
	double hasTime = MedianSeconds(kRepetitions, [&] { has = DirUtils::HasSubdirectory(dir, 0); });
	double listTime = MedianSeconds(kRepetitions, [&] { count = DirUtils::GetDirectoryList(dir, list, 0); });
	RemoveAll(dir, sub);
	if (!has || count != 1)
	{
		fprintf(stderr, "dirlist_bench: unexpected results (has %d, listed %d)\n", has,
			static_cast<int>(count));
		return false;
	}

	printf("%s: HasSubdirectory %.3f ms, GetDirectoryList %.3f ms (median of %d)\n", label, hasTime * 1000.0,
		listTime * 1000.0, kRepetitions);
	printf("ratio %s HasSubdirectory/GetDirectoryList %.3f\n", label,
		listTime > 0 ? hasTime / listTime : 0.0);
	return true;
}

} // namespace

int main()
{
	bool ok = Measure("sub-folder-first", "aaa-sub");
	ok = Measure("sub-folder-last", "zzz-sub") && ok;
	return ok ? 0 : 1;
}
