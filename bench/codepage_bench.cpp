// codepage_bench.cpp - the ellipsis of 100,000 characters and a tree's opening in code page 932 and in 1252.
//
// The program starts itself twice more, once under a Latin and once under a
// Japanese locale (Wine takes the ANSI code page from it: 1252 and 932), and
// each child prints its times; the parent prints them side by side with
// their ratio. Each code page is timed on the same ASCII text and folders,
// and on text and folder names of its own script: Latin with accents in 1252,
// Japanese in 932, where every character takes two bytes. Both draw with the
// same face. Not a test: the numbers depend on the machine and its load.
#include "BenchHost.h"
#include "BenchTiming.h"

#include <afxcmn.h>
#include <afxwin.h>

#include <kavro/DirTreeCtrl.h>
#include <kavro/TransparentStatic.h>
#include <qtx/Support.h>

#include <map>
#include <stdio.h>
#include <string>

namespace
{

const int kRepetitions = 7;
const int kCharacters = 100000;
const int kFolders = 2000;
const char* const kChildSwitch = "/measure";
const DWORD kChildTimeoutMs = 10 * 60 * 1000;

CBenchApp theApp("codepage-bench");

// kCharacters characters: the same ASCII path in every code page, or a text
// of the code page's own script.
CString BenchText(bool bOwnScript)
{
	const std::wstring unit = !bOwnScript         ? L"a\\"
							  : ::GetACP() == 932 ? L"表示ソフト能力ポイント"
												  : L"Ünïcödé façade ";
	std::wstring text;
	while (text.size() < static_cast<size_t>(kCharacters))
		text += unit;
	text.resize(kCharacters);
	return CString(text.c_str());
}

// The name of sub-folder nIndex: ASCII, or in the code page's own script.
CString FolderName(bool bOwnScript, int nIndex)
{
	wchar_t szName[64];
	const wchar_t* pszFormat = !bOwnScript         ? L"folder%05d"
							   : ::GetACP() == 932 ? L"表示フォルダ%05d"
												   : L"Dossier été %05d";
	swprintf(szName, 64, pszFormat, nIndex);
	return CString(szName);
}

// Times one repaint of a label that shortens the text in each ellipsis mode.
void MeasureEllipsis(FILE* pOut, CWnd& host, CFont& font, bool bOwnScript)
{
	const CString strText = BenchText(bOwnScript);
	const struct
	{
		const char* name;
		CTransparentStatic::Ellipsis ellipsis;
		CTransparentStatic::ContentType content;
	} modes[] = {
		{ "LeadingText", CTransparentStatic::LeadingEllipsis, CTransparentStatic::TextContent },
		{ "TrailingText", CTransparentStatic::TrailingEllipsis, CTransparentStatic::TextContent },
		{ "LeadingPath", CTransparentStatic::LeadingEllipsis, CTransparentStatic::PathContent },
	};
	for (const auto& mode : modes)
	{
		CTransparentStatic ctrl;
		ctrl.UseEllipsis(mode.ellipsis, false);
		ctrl.SetContentType(mode.content, false);
		ctrl.Create("", WS_CHILD | WS_VISIBLE | SS_LEFT, CRect(10, 10, 250, 30), &host, 1);
		ctrl.SetFont(&font, FALSE);
		ctrl.SetWindowTextA(strText, false);
		const HWND hWnd = ctrl.GetSafeHwnd();
		const double seconds = MedianSeconds(kRepetitions,
			[hWnd] { ::RedrawWindow(hWnd, NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW); });
		ctrl.DestroyWindow();
		fprintf(pOut, "ellipsis %s, %s: %.6f\n", mode.name, bOwnScript ? "own script" : "same text", seconds);
	}
}

// Times the opening of a folder of kFolders sub-folders in the tree.
void MeasureTree(FILE* pOut, CWnd& host, CFont& font, bool bOwnScript)
{
	CString strBench;
	strBench.Format("%scodepage-bench-%lu\\", DirUtils::GetTempDir().GetString(), ::GetCurrentProcessId());
	const CString strMany = strBench + "many\\";
	bool ok = ::CreateDirectoryA(strBench, NULL) && ::CreateDirectoryA(strMany, NULL);
	for (int i = 0; ok && i < kFolders; ++i)
		ok = ::CreateDirectoryA(strMany + FolderName(bOwnScript, i), NULL) != FALSE;

	CDirTreeCtrl tree;
	if (ok && tree.Create(WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS, CRect(0, 40, 320, 480), &host, 2))
	{
		LOGFONTA lf;
		font.GetLogFont(&lf);
		tree.ApplyFont(lf, RGB(0, 0, 0));
		tree.SetRestrictToDir(strBench);
		HTREEITEM hBranch = NULL;
		// A programmatic collapse is not reported by the tree, so each opening
		// starts from a freshly built root level.
		const double seconds = MedianSeconds(
			kRepetitions,
			[&]
			{
				tree.Refresh(false);
				hBranch = tree.GetRootItem();
			},
			[&] { tree.Expand(hBranch, TVE_EXPAND); });
		int nChildren = 0;
		for (HTREEITEM h = tree.GetChildItem(hBranch); h != NULL; h = tree.GetNextSiblingItem(h))
			++nChildren;
		if (nChildren == kFolders)
			fprintf(pOut, "tree opening, %s: %.6f\n", bOwnScript ? "own script" : "same names", seconds);
		tree.DestroyWindow();
	}
	for (int i = 0; i < kFolders; ++i)
		::RemoveDirectoryA(strMany + FolderName(bOwnScript, i));
	::RemoveDirectoryA(strMany);
	::RemoveDirectoryA(strBench);
}

// Times everything in this process's code page, writes the times to the
// file and then signals the named event.
int Measure(const char* pszFile, const char* pszDone)
{
	FILE* pOut = fopen(pszFile, "w");
	CWnd host;
	if (pOut == NULL || !CreateHost(host, 640, 480))
		return 1;
	// One face for both code pages, with the glyphs of both scripts.
	LOGFONTA lf = {};
	lf.lfHeight = -13;
	lf.lfCharSet = DEFAULT_CHARSET;
	lstrcpynA(lf.lfFaceName, "IPAPGothic", LF_FACESIZE);
	CFont font;
	font.CreateFontIndirect(&lf);
	fprintf(pOut, "code page: %u\n", ::GetACP());
	for (bool bOwnScript : { false, true })
	{
		MeasureEllipsis(pOut, host, font, bOwnScript);
		MeasureTree(pOut, host, font, bOwnScript);
	}
	host.DestroyWindow();
	fclose(pOut);
	HANDLE hDone = ::OpenEventA(EVENT_MODIFY_STATE, FALSE, pszDone);
	if (hDone != NULL)
	{
		::SetEvent(hDone);
		::CloseHandle(hDone);
	}
	return 0;
}

// Runs this program under Wine with the locale given and returns what it
// wrote, each "name: seconds" line as an entry; the entry "code page" is the
// code page it ran in. Wine takes a process's code page from the locale it
// starts in, which only a Unix parent sets: the child is started through
// env(1), a Unix program that Wine runs from its drive Z:. The handle of
// that process ends when env hands over to Wine, so the child says through a
// named event when it is done.
std::map<std::string, double> RunChild(const char* pszLocale)
{
	std::map<std::string, double> results;
	char szSelf[MAX_PATH], szDir[MAX_PATH], szFile[MAX_PATH];
	::GetModuleFileNameA(NULL, szSelf, MAX_PATH);
	::GetTempPathA(MAX_PATH, szDir);
	if (!::GetTempFileNameA(szDir, "cpb", 0, szFile))
		return results;
	char szDone[64];
	sprintf(szDone, "codepage-bench-%lu-done", ::GetCurrentProcessId());
	HANDLE hDone = ::CreateEventA(NULL, TRUE, FALSE, szDone);
	std::string strCommand = std::string("Z:\\usr\\bin\\env LANG=") + pszLocale + " LC_ALL=" + pszLocale +
							 " wine \"" + szSelf + "\" " + kChildSwitch + " \"" + szFile + "\" " + szDone;
	STARTUPINFOA si = {};
	si.cb = sizeof(si);
	PROCESS_INFORMATION pi = {};
	if (hDone != NULL && ::CreateProcessA(NULL, &strCommand[0], NULL, NULL, FALSE, 0, NULL, NULL, &si, &pi))
	{
		::WaitForSingleObject(hDone, kChildTimeoutMs);
		::CloseHandle(pi.hProcess);
		::CloseHandle(pi.hThread);
	}
	if (hDone != NULL)
		::CloseHandle(hDone);
	FILE* pIn = fopen(szFile, "r");
	char szLine[256];
	while (pIn != NULL && fgets(szLine, sizeof(szLine), pIn) != NULL)
	{
		const std::string line(szLine);
		const size_t colon = line.rfind(": ");
		if (colon != std::string::npos)
			results[line.substr(0, colon)] = atof(line.c_str() + colon + 2);
	}
	if (pIn != NULL)
		fclose(pIn);
	::DeleteFileA(szFile);
	return results;
}

} // namespace

int main(int argc, char** argv)
{
	if (!StartFramework("codepage_bench"))
		return 1;
	if (argc > 3 && strcmp(argv[1], kChildSwitch) == 0)
		return Measure(argv[2], argv[3]);

	std::map<std::string, double> western = RunChild("C.UTF-8");
	std::map<std::string, double> japanese = RunChild("ja_JP.UTF-8");
	if (western["code page"] != 1252 || japanese["code page"] != 932)
	{
		fprintf(stderr,
			"codepage_bench: the children ran in code pages %.0f and %.0f, not 1252 and 932 "
			"(it runs under Wine; the locale ja_JP.UTF-8 comes from tools/bootstrap.sh)\n",
			western["code page"], japanese["code page"]);
		return 1;
	}
	int nMissing = 0;
	for (const auto& entry : western)
	{
		if (entry.first == "code page")
			continue;
		const auto it = japanese.find(entry.first);
		if (it == japanese.end() || entry.second <= 0)
		{
			++nMissing;
			continue;
		}
		printf("ratio cp932/cp1252 %s %.3f (%.3f ms in 1252, %.3f ms in 932)\n", entry.first.c_str(),
			it->second / entry.second, entry.second * 1000.0, it->second * 1000.0);
	}
	return nMissing == 0 ? 0 : 1;
}
