// FormatArgumentMismatch.cpp - Format checks its arguments against the format.
#include <afxwin.h>

void Describe(CString& strOut)
{
	strOut.AppendFormat("%d items", "three");
}
