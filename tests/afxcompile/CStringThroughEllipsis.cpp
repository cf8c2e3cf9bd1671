// CStringThroughEllipsis.cpp - a CString handed to "..." must not compile.
#include <afxwin.h>

void Describe(CString& strOut, const CString& strName)
{
	strOut.Format("name: %s", strName);
}
