// Failure.cpp - the one way a control records a failure.
#include "Frame.h"

#include <qtx/Support.h>

void AFXAPI ReportFailure(LPCSTR lpszLogId, bool bWithSystemError)
{
	AppLogger* pLogger = AppLogger::m_pInstance;
	if (pLogger == NULL || lpszLogId == NULL)
		return;
	CString strLine(lpszLogId);
	if (bWithSystemError)
		strLine += SystemUtils::GetLastError(0);
	pLogger->AddLine(strLine);
}
