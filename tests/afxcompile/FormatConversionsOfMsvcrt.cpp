// FormatConversionsOfMsvcrt.cpp - Format knows msvcrt's conversions: no %zu, while %I64d is fine.
#include <afxwin.h>

void Describe(CString& strOut, size_t nCount, __int64 nTotal)
{
	strOut.Format("%I64d in total, %zu here", nTotal, nCount);
}
