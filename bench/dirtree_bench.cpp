// dirtree_bench.cpp - opening a folder of many sub-folders in CDirTreeCtrl, against a plain tree.
//
// Classes in this file:
//   Timing, Ticker, BackgroundTiming
//
// The directory tree reads a branch when it is opened: it lists the
// sub-folders, sorts them, asks every one whether it is shared and whether it
// has sub-folders of its own, and inserts them. The plain way is
// FindFirstFile/FindNextFile and one TVM_INSERTITEM per name. Both trees are
// visible and repaint once at the end. Prints the median time of each at
// 10,000 and 20,000 sub-folders, their ratio, how each grows from 10,000 to
// 20,000, and the pieces of the tree's work timed alone, so that a slow
// opening shows what bounds it. Not a test: the numbers depend on the file
// system and the machine's load.
//
// The background mode is timed at the smaller count: how soon the opening
// returns to the message loop, against the plain tree; how soon the last
// answer is applied, against the synchronous opening; and how late a message
// posted to the application's window every few milliseconds is handled while
// the answers come. The synchronous opening is set against the sum of its
// documented pieces (the listing, one HasSubdirectory and one IsDirShared per
// folder, the inserts). A second count on the command line (say 100000) adds
// a background opening of that many folders.
#include "BenchHost.h"
#include "BenchTiming.h"

#include <afxcmn.h>
#include <afxwin.h>

#include <kavro/DirTreeCtrl.h>
#include <qtx/Support.h>

#include <algorithm>
#include <atomic>
#include <process.h>
#include <stdio.h>
#include <stdlib.h>

namespace
{

// Fewer runs are made of a call that takes long (BenchTiming.h).
const int kRepetitions = 3;
// IsDirShared is slow enough under Wine to be timed on an even sample of the
// folders and scaled up.
const int kSharedSample = 250;
// Folders in the smaller of the two runs; the larger has twice as many.
// A count on the command line replaces it (CI runs a small one).
const int kDefaultFewer = 10000;
const DWORD kTreeStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT;
// The flags the tree lists with by default: hidden and system folders shown, links left out.
const DWORD kListFlags = DirUtils::ListHidden | DirUtils::ListSystem | DirUtils::ListSkipLinks;

CBenchApp theApp("dirtree-bench");

CString SubFolderPath(const CString& strDir, int nIndex)
{
	CString strPath;
	strPath.Format("%sfolder%05d", strDir.GetString(), nIndex);
	return strPath;
}

// Creates the sub-folders nFrom to nTo - 1 of strDir.
bool MakeSubFolders(const CString& strDir, int nFrom, int nTo)
{
	for (int i = nFrom; i < nTo; ++i)
	{
		if (!::CreateDirectoryA(SubFolderPath(strDir, i), NULL))
			return false;
	}
	return true;
}

void RemoveSubFolders(const CString& strDir, int nCount)
{
	for (int i = 0; i < nCount; ++i)
		::RemoveDirectoryA(SubFolderPath(strDir, i));
}

int CountChildren(const CTreeCtrl& tree, HTREEITEM hParent)
{
	int nCount = 0;
	for (HTREEITEM hChild = tree.GetChildItem(hParent); hChild != NULL;
		 hChild = tree.GetNextSiblingItem(hChild))
		++nCount;
	return nCount;
}

// The plain way: the names as FindNextFile gives them, each inserted as it comes.
void ListIntoTree(const CString& strDir, HWND hTree, HTREEITEM hParent)
{
	WIN32_FIND_DATAA data;
	HANDLE hFind = ::FindFirstFileA(strDir + "*", &data);
	if (hFind == INVALID_HANDLE_VALUE)
		return;
	TVINSERTSTRUCTA insert = {};
	insert.hParent = hParent;
	insert.hInsertAfter = TVI_LAST;
	insert.item.mask = TVIF_TEXT;
	do
	{
		if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0 || strcmp(data.cFileName, ".") == 0 ||
			strcmp(data.cFileName, "..") == 0)
			continue;
		insert.item.pszText = data.cFileName;
		::SendMessageA(hTree, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert));
	} while (::FindNextFileA(hFind, &data));
	::FindClose(hFind);
}

struct Timing
{
	double dirTree;
	double plain;
};

// Times the opening of strBench's only folder, which holds nCount sub-folders,
// in both trees, the median of nRuns; a negative time when a tree did not end
// up with them all.
Timing Measure(CDirTreeCtrl& dirTree, CTreeCtrl& plain, const CString& strBench, const CString& strMany,
	int nCount, int nRuns = kRepetitions)
{
	Timing timing = { -1.0, -1.0 };

	// A programmatic collapse is not reported by the tree, so each opening
	// starts from a freshly built root level, whose folder holds its dummy.
	HTREEITEM hBranch = NULL;
	dirTree.SetRestrictToDir(strBench);
	double seconds = MedianSeconds(
		nRuns,
		[&]
		{
			dirTree.Refresh(false);
			hBranch = dirTree.GetRootItem();
		},
		[&] { dirTree.Expand(hBranch, TVE_EXPAND); });
	if (CountChildren(dirTree, hBranch) == nCount)
		timing.dirTree = seconds;

	seconds = MedianSeconds(
		nRuns,
		[&]
		{
			plain.DeleteAllItems();
			hBranch = plain.InsertItem("many");
		},
		[&]
		{
			ListIntoTree(strMany, plain.GetSafeHwnd(), hBranch);
			plain.Expand(hBranch, TVE_EXPAND);
			plain.UpdateWindow();
		});
	if (CountChildren(plain, hBranch) == nCount)
		timing.plain = seconds;
	return timing;
}

// The pieces of the tree's opening, each timed alone over the same folders
// (the median of nRuns), printed when bPrint; returns the sum of those its
// documentation names.
double PrintPieces(const CString& strMany, CTreeCtrl& plain, int nCount, int nRuns = kRepetitions,
	bool bPrint = true)
{
	TextArray list;
	const double listing =
		MedianSeconds(nRuns, [&] { DirUtils::GetDirectoryList(strMany, list, kListFlags); });
	TextArray sorted;
	const double sort = MedianSeconds(
		nRuns, [&] { sorted = list; }, [&] { sorted.Sort(true, false, TextArray::ContentPaths); });
	const double hasSub = MedianSeconds(nRuns,
		[&]
		{
			for (__int64 i = 0; i < list.GetCount(); ++i)
				DirUtils::HasSubdirectory(list.GetCopyAt(i), kListFlags);
		});
	const double exists = MedianSeconds(nRuns,
		[&]
		{
			for (__int64 i = 0; i < list.GetCount(); ++i)
				DirUtils::DoesDirExist(list.GetCopyAt(i));
		});
	const __int64 nStep = std::max<__int64>(1, list.GetCount() / kSharedSample);
	const double sharedSample = MedianSeconds(nRuns,
		[&]
		{
			for (__int64 i = 0; i < list.GetCount(); i += nStep)
				DirUtils::IsDirShared(list.GetCopyAt(i));
		});
	const double shared = sharedSample * static_cast<double>(nStep);
	const double enumeration = MedianSeconds(nRuns,
		[&]
		{
			WIN32_FIND_DATAA data;
			HANDLE hFind = ::FindFirstFileA(strMany + "*", &data);
			if (hFind == INVALID_HANDLE_VALUE)
				return;
			while (::FindNextFileA(hFind, &data))
			{
			}
			::FindClose(hFind);
		});
	HTREEITEM hBranch = NULL;
	const double inserts = MedianSeconds(
		nRuns,
		[&]
		{
			plain.DeleteAllItems();
			hBranch = plain.InsertItem("many");
		},
		[&]
		{
			TVINSERTSTRUCTA insert = {};
			insert.hParent = hBranch;
			insert.hInsertAfter = TVI_LAST;
			insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
			for (__int64 i = 0; i < list.GetCount(); ++i)
			{
				CString strName = DirUtils::ParseLastDir(list.GetCopyAt(i));
				insert.item.pszText = const_cast<LPSTR>(strName.GetString());
				::SendMessageA(plain.GetSafeHwnd(), TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert));
			}
			plain.Expand(hBranch, TVE_EXPAND);
			plain.UpdateWindow();
		});
	if (!bPrint)
		return listing + sort + hasSub + shared + inserts;
	printf("pieces at %d sub-folders, ms (median of up to %d runs):\n", nCount, nRuns);
	printf("  GetDirectoryList %.1f, Sort %.1f\n", listing * 1000.0, sort * 1000.0);
	printf("  HasSubdirectory of each %.1f, DoesDirExist of each %.1f\n", hasSub * 1000.0, exists * 1000.0);
	printf("  IsDirShared of each %.1f (every %dth timed, scaled up)\n", shared * 1000.0,
		static_cast<int>(nStep));
	printf("  FindFirstFile/FindNextFile %.1f, TVM_INSERTITEM and repaint %.1f\n", enumeration * 1000.0,
		inserts * 1000.0);
	return listing + sort + hasSub + shared + inserts;
}

// Posts the current time to a window every few milliseconds while it runs.
class Ticker
{
public:
	static const UINT kMessage = WM_APP + 1;

	explicit Ticker(HWND hWnd)
		: m_hWnd(hWnd)
	{
		m_hThread = reinterpret_cast<HANDLE>(_beginthreadex(NULL, 0, &Ticker::Run, this, 0, NULL));
	}
	~Ticker()
	{
		m_bStop = true;
		if (m_hThread != NULL)
		{
			::WaitForSingleObject(m_hThread, INFINITE);
			::CloseHandle(m_hThread);
		}
	}

private:
	static unsigned __stdcall Run(void* pParam)
	{
		Ticker* pThis = static_cast<Ticker*>(pParam);
		while (!pThis->m_bStop)
		{
			LARGE_INTEGER now;
			::QueryPerformanceCounter(&now);
			::PostMessageA(pThis->m_hWnd, kMessage, 0, static_cast<LPARAM>(now.QuadPart));
			::Sleep(5);
		}
		return 0;
	}

	HWND m_hWnd;
	HANDLE m_hThread;
	std::atomic<bool> m_bStop{ false };
};

struct BackgroundTiming
{
	double opening;    // until the opening returned to the message loop
	double lastAnswer; // until the last answer was applied
	double worstDelay; // the longest a ticker message waited after the opening returned
};

// Opens strBench's only folder, of nCount sub-folders, with background
// probing, and runs the message loop until every answer is applied.
BackgroundTiming OpenInBackground(CDirTreeCtrl& tree, HWND hHost, const CString& strBench, int nCount)
{
	BackgroundTiming timing = { -1.0, -1.0, 0.0 };
	tree.SetBackgroundProbe(true);
	tree.SetRestrictToDir(strBench);
	tree.Refresh(false);
	while (tree.IsProbing())
		AfxGetThread()->PumpMessage();
	HTREEITEM hBranch = tree.GetRootItem();

	Ticker ticker(hHost);
	LARGE_INTEGER start, opened, now;
	::QueryPerformanceCounter(&start);
	tree.Expand(hBranch, TVE_EXPAND);
	::QueryPerformanceCounter(&opened);
	MSG msg;
	while (tree.IsProbing() && ::GetMessageA(&msg, NULL, 0, 0))
	{
		::QueryPerformanceCounter(&now);
		if (msg.hwnd == hHost && msg.message == Ticker::kMessage)
		{
			LARGE_INTEGER posted;
			posted.QuadPart = static_cast<LONGLONG>(msg.lParam);
			if (posted.QuadPart >= opened.QuadPart)
				timing.worstDelay = std::max(timing.worstDelay, Seconds(posted, now));
			continue;
		}
		if (!AfxGetThread()->PreTranslateMessage(&msg))
		{
			::TranslateMessage(&msg);
			::DispatchMessageA(&msg);
		}
	}
	::QueryPerformanceCounter(&now);
	timing.opening = Seconds(start, opened);
	timing.lastAnswer = Seconds(start, now);
	if (CountChildren(tree, hBranch) != nCount)
		timing.opening = -1.0;
	tree.SetBackgroundProbe(false);
	return timing;
}

// The background lines at nCount sub-folders. Each ratio is the median of
// kRepetitions rounds in which both of its figures are timed once, one right
// after the other, so that a change in the machine's load strikes both alike.
// False when a tree did not end up with all the folders.
bool PrintBackground(CDirTreeCtrl& dirTree, CTreeCtrl& plain, HWND hHost, const CString& strBench,
	const CString& strMany, int nCount)
{
	std::vector<double> openings, answers, delays, offs;
	for (int i = 0; i < kRepetitions; ++i)
	{
		const double documented = PrintPieces(strMany, plain, nCount, 1, false);
		const Timing synchronous = Measure(dirTree, plain, strBench, strMany, nCount, 1);
		const BackgroundTiming background = OpenInBackground(dirTree, hHost, strBench, nCount);
		if (synchronous.dirTree < 0 || synchronous.plain < 0 || background.opening < 0)
			return false;
		printf("%d sub-folders, round %d, ms: documented work %.1f, synchronous opening %.1f, plain %.1f; "
			   "in the background: opening %.1f, last answer %.1f, worst message delay %.1f\n",
			nCount, i + 1, documented * 1000.0, synchronous.dirTree * 1000.0, synchronous.plain * 1000.0,
			background.opening * 1000.0, background.lastAnswer * 1000.0, background.worstDelay * 1000.0);
		openings.push_back(background.opening / synchronous.plain);
		answers.push_back(background.lastAnswer / synchronous.dirTree);
		offs.push_back(synchronous.dirTree / documented);
		delays.push_back(background.worstDelay);
	}
	auto median = [](std::vector<double> values)
	{
		std::sort(values.begin(), values.end());
		return values[values.size() / 2];
	};
	printf("ratio DirTreeCtrl background opening/plain at %d %.3f (aim 1.5)\n", nCount, median(openings));
	printf("ratio DirTreeCtrl background last answer/synchronous opening at %d %.3f (aim 1.2)\n", nCount,
		median(answers));
	// A round's worst delay is one moment of the machine; the median of them tells the tree.
	printf("ratio DirTreeCtrl background worst message delay/50 ms at %d %.3f (aim 1.0)\n", nCount,
		median(delays) / 0.050);
	printf("ratio DirTreeCtrl background off: opening/documented work at %d %.3f (aim 1.3)\n", nCount,
		median(offs));
	return true;
}

} // namespace

int main(int argc, char** argv)
{
	const int kFewer = argc > 1 && atoi(argv[1]) > 0 ? atoi(argv[1]) : kDefaultFewer;
	const int kMore = 2 * kFewer;
	const int kHuge = argc > 2 ? atoi(argv[2]) : 0;
	// The run is long: each line shows as soon as it is printed.
	setvbuf(stdout, NULL, _IONBF, 0);
	if (!StartFramework("dirtree_bench"))
		return 1;
	CString strBench;
	strBench.Format("%sdirtree-bench-%lu\\", DirUtils::GetTempDir().GetString(), ::GetCurrentProcessId());
	const CString strMany = strBench + "many\\";

	CWnd host;
	CDirTreeCtrl dirTree;
	CTreeCtrl plain;
	if (!CreateHost(host, 640, 480) || !dirTree.Create(kTreeStyle, CRect(0, 0, 320, 480), &host, 1) ||
		!plain.Create(kTreeStyle, CRect(320, 0, 640, 480), &host, 2))
	{
		fprintf(stderr, "dirtree_bench: no windows\n");
		return 1;
	}

	const int counts[] = { kFewer, kMore };
	Timing timings[2] = {};
	bool ok = ::CreateDirectoryA(strBench, NULL) && ::CreateDirectoryA(strMany, NULL);
	for (int i = 0; ok && i < 2; ++i)
	{
		ok = MakeSubFolders(strMany, i == 0 ? 0 : counts[i - 1], counts[i]);
		if (!ok)
			break;
		PrintPieces(strMany, plain, counts[i]);
		timings[i] = Measure(dirTree, plain, strBench, strMany, counts[i]);
		ok = timings[i].dirTree > 0 && timings[i].plain > 0;
		printf("%d sub-folders: CDirTreeCtrl opening %.1f ms, FindFirstFile + TVM_INSERTITEM %.1f ms\n",
			counts[i], timings[i].dirTree * 1000.0, timings[i].plain * 1000.0);
		printf("ratio DirTreeCtrl/plain at %d %.3f (aim 1.5)\n", counts[i],
			timings[i].dirTree / timings[i].plain);
		if (ok && i == 0)
			ok = PrintBackground(dirTree, plain, host.GetSafeHwnd(), strBench, strMany, counts[i]);
	}
	if (ok && kHuge > kMore)
	{
		ok = MakeSubFolders(strMany, kMore, kHuge);
		const BackgroundTiming huge = ok ? OpenInBackground(dirTree, host.GetSafeHwnd(), strBench, kHuge)
										 : BackgroundTiming{ -1.0, -1.0, 0.0 };
		ok = huge.opening > 0;
		printf("%d sub-folders in the background: opening %.1f ms, last answer %.1f ms, worst message delay "
			   "%.1f ms\n",
			kHuge, huge.opening * 1000.0, huge.lastAnswer * 1000.0, huge.worstDelay * 1000.0);
	}
	dirTree.DestroyWindow();
	plain.DestroyWindow();
	host.DestroyWindow();
	RemoveSubFolders(strMany, std::max(kMore, kHuge));
	::RemoveDirectoryA(strMany);
	::RemoveDirectoryA(strBench);
	if (!ok)
	{
		fprintf(stderr, "dirtree_bench: %s could not be filled, or a tree did not show all of it\n",
			strMany.GetString());
		return 1;
	}
	printf("ratio DirTreeCtrl %d/%d %.3f (aim 2.2, linear 2.0)\n", kMore, kFewer,
		timings[1].dirTree / timings[0].dirTree);
	printf("ratio plain %d/%d %.3f\n", kMore, kFewer, timings[1].plain / timings[0].plain);
	return 0;
}
