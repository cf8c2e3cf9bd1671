// diag.cpp - the report of a failed ASSERT or VERIFY.
#include "afx.h"

#include <stdio.h>

#include <atomic>

namespace
{

// Any thread may fail an assertion while another installs the hook.
std::atomic<AFX_ASSERT_HOOK> g_pfnAssertHook(NULL);

} // namespace

AFX_ASSERT_HOOK AFXAPI AfxSetAssertHook(AFX_ASSERT_HOOK pfnHook)
{
	return g_pfnAssertHook.exchange(pfnHook);
}

BOOL AFXAPI AfxAssertFailedLine(LPCSTR lpszFileName, int nLine)
{
	if (lpszFileName == NULL)
		lpszFileName = "(unknown)";
	AFX_ASSERT_HOOK pfnHook = g_pfnAssertHook.load();
	if (pfnHook != NULL && (*pfnHook)(lpszFileName, nLine))
		return FALSE;

	char szMessage[MAX_PATH + 64];
	snprintf(szMessage, sizeof(szMessage), "assertion failed in file %s in line %d\n", lpszFileName, nLine);
	::OutputDebugStringA(szMessage);
	// A GUI program's stderr may go nowhere; the debugger output above is the
	// report that always exists.
	fputs(szMessage, stderr);
	fflush(stderr);
	// Only a debugger can take the breakpoint; without one the process would
	// end, so the caller carries on into its release failure path instead.
	return ::IsDebuggerPresent();
}
