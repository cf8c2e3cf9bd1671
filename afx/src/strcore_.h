// strcore_.h - the storage that CString and CStringW share (internal to kavroafx.dll).
//
// Classes in this file:
//   CStringCore
#pragma once

#include "afxstr.h"

#include <stdarg.h>

// A string's characters follow its CStringData header in one block from
// malloc. Every empty string that owns no block points at the same shared
// terminator, which is never written: anything that writes allocates first.
// Operations that may move the characters take the string's pointer by
// reference.
template <class XCHAR>
struct CStringCore
{
	static XCHAR* Nil() throw();
	static bool IsNil(const XCHAR* psz) throw() { return psz == Nil(); }
	static CStringData* Data(const XCHAR* psz) throw()
	{
		return reinterpret_cast<CStringData*>(const_cast<XCHAR*>(psz)) - 1;
	}

	// The length of a C string, 0 for NULL, never beyond the longest string.
	static int Length(const XCHAR* psz) throw();
	// Room for nLength characters; false, with the string unchanged, when
	// that is impossible.
	static bool Reserve(XCHAR*& psz, int nLength);
	static void SetLength(XCHAR* psz, int nLength) throw();
	static void Free(XCHAR*& psz) throw();
	// pch may point into the string itself.
	static void Assign(XCHAR*& psz, const XCHAR* pch, int nLength);
	static void Append(XCHAR*& psz, const XCHAR* pch, int nLength);

	static XCHAR* GetBuffer(XCHAR*& psz, int nMinBufferLength);
	static XCHAR* GetBufferSetLength(XCHAR*& psz, int nLength);
	static void ReleaseBuffer(XCHAR* psz, int nNewLength) throw();

	// The arguments may point into the string itself.
	static void AppendFormatV(XCHAR*& psz, const XCHAR* pszFormat, va_list args);
};

extern template struct CStringCore<char>;
extern template struct CStringCore<wchar_t>;

// The part of a string of nLength characters that Mid(iFirst, nCount) takes:
// positions and counts outside the string are clamped.
inline void AfxClampStringRange(int nLength, int& iFirst, int& nCount) throw()
{
	if (iFirst < 0)
		iFirst = 0;
	if (nCount < 0)
		nCount = 0;
	if (iFirst > nLength)
		iFirst = nLength;
	// Subtracting avoids the overflow of iFirst + nCount near INT_MAX.
	if (nCount > nLength - iFirst)
		nCount = nLength - iFirst;
}
