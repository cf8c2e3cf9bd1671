// afxstr.h - the framework's narrow and wide string classes.
//
// Classes in this file:
//   CStringData, CString, CStringW
#pragma once

#include "afxver_.h"
#include <stdarg.h>

// Lets GCC check the arguments of the formatting members against their
// format. The conversions are msvcrt's (%I64d, no %zu), which GCC knows as
// ms_printf; the attribute counts the implicit this as argument 1.
#if defined(__GNUC__) && !defined(__clang__)
#define AFX_PRINTF_FORMAT(nFormat, nFirstArg) __attribute__((format(ms_printf, nFormat, nFirstArg)))
#else
#define AFX_PRINTF_FORMAT(nFormat, nFirstArg)
#endif

class CStringW;

// The header in front of the characters of every CString and CStringW.
struct CStringData
{
	int nDataLength;  // characters in use, not counting the terminator
	int nAllocLength; // characters that fit, not counting the terminator
};

/////////////////////////////////////////////////////////////////////////////
// CString - a counted, zero-terminated string of chars in the ANSI code page.
//
// The object holds one pointer to its characters; the length and capacity sit
// in a header just before them. Every allocation and release happens inside
// kavroafx.dll, so strings can be handed between modules freely. Copies are
// deep: a CString never shares its buffer with another one.

class AFX_CORE_API CString
{
public:
	typedef char XCHAR;
	typedef char* PXSTR;
	typedef const char* PCXSTR;
	typedef wchar_t YCHAR;
	typedef const wchar_t* PCYSTR;

// Construction
	CString() throw();
	CString(const CString& strSrc);
	CString(CString&& strSrc) throw();
	// A MAKEINTRESOURCE value loads that string table entry.
	CString(PCXSTR pszSrc);
	CString(PCXSTR pch, int nLength);
	CString(XCHAR ch, int nRepeat = 1);
	// Wide text is converted with the ANSI code page.
	CString(PCYSTR pszSrc);
	CString(PCYSTR pch, int nLength);
	CString(const CStringW& strSrc);
	CString(const unsigned char* pszSrc);
	~CString() throw();

// Attributes
	int GetLength() const throw() { return GetData()->nDataLength; }
	int GetAllocLength() const throw() { return GetData()->nAllocLength; }
	bool IsEmpty() const throw() { return GetLength() == 0; }
	PCXSTR GetString() const throw() { return m_pszData; }
	operator PCXSTR() const throw() { return m_pszData; }

	XCHAR GetAt(int iChar) const;
	void SetAt(int iChar, XCHAR ch);
	XCHAR operator[](int iChar) const { return GetAt(iChar); }

// Operations
	void Empty() throw();
	void SetString(PCXSTR pszSrc);
	void SetString(PCXSTR pszSrc, int nLength);

	CString& operator=(const CString& strSrc);
	CString& operator=(CString&& strSrc) throw();
	CString& operator=(PCXSTR pszSrc);
	CString& operator=(PCYSTR pszSrc);
	CString& operator=(const CStringW& strSrc);
	CString& operator=(const unsigned char* pszSrc);
	CString& operator=(XCHAR ch);

	CString& operator+=(const CString& str);
	CString& operator+=(PCXSTR pszSrc);
	CString& operator+=(PCYSTR pszSrc);
	CString& operator+=(XCHAR ch);

	void Append(PCXSTR pszSrc);
	void Append(PCXSTR pszSrc, int nLength);
	void Append(const CString& strSrc);
	void AppendChar(XCHAR ch);
	void Truncate(int nNewLength);

	// Comparison: Compare is a plain byte-wise comparison, CompareNoCase
	// ignores case, Collate and CollateNoCase follow the current locale.
	int Compare(PCXSTR psz) const;
	int CompareNoCase(PCXSTR psz) const throw();
	int Collate(PCXSTR psz) const throw();
	int CollateNoCase(PCXSTR psz) const throw();

	// Searching: each returns the zero-based index or -1.
	int Find(PCXSTR pszSub, int iStart = 0) const throw();
	int Find(XCHAR ch, int iStart = 0) const throw();
	int ReverseFind(XCHAR ch) const throw();
	int FindOneOf(PCXSTR pszCharSet) const throw();

	// Extraction: counts and positions outside the string are clamped.
	CString Left(int nCount) const;
	CString Mid(int iFirst) const;
	CString Mid(int iFirst, int nCount) const;
	CString Right(int nCount) const;
	CString SpanIncluding(PCXSTR pszCharSet) const;
	CString SpanExcluding(PCXSTR pszCharSet) const;
	CString Tokenize(PCXSTR pszTokens, int& iStart) const;

	CString& MakeUpper();
	CString& MakeLower();
	CString& MakeReverse();

	int Replace(XCHAR chOld, XCHAR chNew);
	int Replace(PCXSTR pszOld, PCXSTR pszNew);
	int Remove(XCHAR chRemove);
	int Insert(int iIndex, XCHAR ch);
	int Insert(int iIndex, PCXSTR psz);
	int Delete(int iIndex, int nCount = 1);

	CString& Trim();
	CString& Trim(XCHAR chTarget);
	CString& Trim(PCXSTR pszTargets);
	CString& TrimLeft();
	CString& TrimLeft(XCHAR chTarget);
	CString& TrimLeft(PCXSTR pszTargets);
	CString& TrimRight();
	CString& TrimRight(XCHAR chTarget);
	CString& TrimRight(PCXSTR pszTargets);

	// printf-style formatting with the C runtime's conversions. Pass a
	// CString argument as GetString() or (LPCTSTR): the object itself would
	// go through "..." by reference and print garbage.
	void AFX_CDECL Format(PCXSTR pszFormat, ...) AFX_PRINTF_FORMAT(2, 3);
	void AFX_CDECL Format(UINT nFormatID, ...);
	void FormatV(PCXSTR pszFormat, va_list args);
	void AFX_CDECL AppendFormat(PCXSTR pszFormat, ...) AFX_PRINTF_FORMAT(2, 3);
	void AppendFormatV(PCXSTR pszFormat, va_list args);

	// Loads a string table entry through the module chain; FALSE when absent.
	BOOL LoadString(UINT nID);
	BOOL LoadString(HINSTANCE hInstance, UINT nID);

	// Direct access to the characters. After writing through the pointer,
	// call ReleaseBuffer with the new length, or -1 to measure it.
	PXSTR GetBuffer();
	PXSTR GetBuffer(int nMinBufferLength);
	PXSTR GetBufferSetLength(int nLength);
	void ReleaseBuffer(int nNewLength = -1);
	void ReleaseBufferSetLength(int nNewLength);
	void Preallocate(int nLength);
	void FreeExtra();

	friend AFX_CORE_API CString AFXAPI operator+(const CString& str1, const CString& str2);
	friend AFX_CORE_API CString AFXAPI operator+(const CString& str1, PCXSTR psz2);
	friend AFX_CORE_API CString AFXAPI operator+(PCXSTR psz1, const CString& str2);
	friend AFX_CORE_API CString AFXAPI operator+(const CString& str1, XCHAR ch2);
	friend AFX_CORE_API CString AFXAPI operator+(XCHAR ch1, const CString& str2);

	friend bool operator==(const CString& str1, const CString& str2) throw()
	{
		return str1.Compare(str2) == 0;
	}
	friend bool operator==(const CString& str1, PCXSTR psz2) throw() { return str1.Compare(psz2) == 0; }
	friend bool operator==(PCXSTR psz1, const CString& str2) throw() { return str2.Compare(psz1) == 0; }
	friend bool operator!=(const CString& str1, const CString& str2) throw()
	{
		return str1.Compare(str2) != 0;
	}
	friend bool operator!=(const CString& str1, PCXSTR psz2) throw() { return str1.Compare(psz2) != 0; }
	friend bool operator!=(PCXSTR psz1, const CString& str2) throw() { return str2.Compare(psz1) != 0; }
	friend bool operator<(const CString& str1, const CString& str2) throw() { return str1.Compare(str2) < 0; }
	friend bool operator<(const CString& str1, PCXSTR psz2) throw() { return str1.Compare(psz2) < 0; }
	friend bool operator<(PCXSTR psz1, const CString& str2) throw() { return str2.Compare(psz1) > 0; }
	friend bool operator>(const CString& str1, const CString& str2) throw() { return str1.Compare(str2) > 0; }
	friend bool operator>(const CString& str1, PCXSTR psz2) throw() { return str1.Compare(psz2) > 0; }
	friend bool operator>(PCXSTR psz1, const CString& str2) throw() { return str2.Compare(psz1) < 0; }
	friend bool operator<=(const CString& str1, const CString& str2) throw()
	{
		return str1.Compare(str2) <= 0;
	}
	friend bool operator<=(const CString& str1, PCXSTR psz2) throw() { return str1.Compare(psz2) <= 0; }
	friend bool operator<=(PCXSTR psz1, const CString& str2) throw() { return str2.Compare(psz1) >= 0; }
	friend bool operator>=(const CString& str1, const CString& str2) throw()
	{
		return str1.Compare(str2) >= 0;
	}
	friend bool operator>=(const CString& str1, PCXSTR psz2) throw() { return str1.Compare(psz2) >= 0; }
	friend bool operator>=(PCXSTR psz1, const CString& str2) throw() { return str2.Compare(psz1) <= 0; }
	friend bool operator==(const CString& str1, XCHAR ch2) throw()
	{
		return str1.GetLength() == 1 && str1.GetAt(0) == ch2;
	}
	friend bool operator==(XCHAR ch1, const CString& str2) throw() { return str2 == ch1; }
	friend bool operator!=(const CString& str1, XCHAR ch2) throw() { return !(str1 == ch2); }
	friend bool operator!=(XCHAR ch1, const CString& str2) throw() { return !(str2 == ch1); }

// Implementation
private:
	CStringData* GetData() const throw() { return reinterpret_cast<CStringData*>(m_pszData) - 1; }
	bool Reserve(int nLength);
	void SetLength(int nLength) throw();
	void Assign(PCXSTR pch, int nLength);
	void AssignWide(PCYSTR pch, int nLength);
	void AppendRaw(PCXSTR pch, int nLength);

	PXSTR m_pszData;
};

typedef CString CStringA;

/////////////////////////////////////////////////////////////////////////////
// CStringW - the wide string, stored as CString is. It has what code needs
// to hand text to the wide APIs and back: conversion, comparison, searching,
// extraction, formatting and buffer access.

class AFX_CORE_API CStringW
{
public:
	typedef wchar_t XCHAR;
	typedef wchar_t* PXSTR;
	typedef const wchar_t* PCXSTR;
	typedef char YCHAR;
	typedef const char* PCYSTR;

// Construction
	CStringW() throw();
	CStringW(const CStringW& strSrc);
	CStringW(CStringW&& strSrc) throw();
	CStringW(PCXSTR pszSrc);
	CStringW(PCXSTR pch, int nLength);
	CStringW(XCHAR ch, int nRepeat = 1);
	// Narrow text is converted with the ANSI code page.
	CStringW(PCYSTR pszSrc);
	CStringW(PCYSTR pch, int nLength);
	CStringW(const CString& strSrc);
	~CStringW() throw();

// Attributes
	int GetLength() const throw() { return GetData()->nDataLength; }
	int GetAllocLength() const throw() { return GetData()->nAllocLength; }
	bool IsEmpty() const throw() { return GetLength() == 0; }
	PCXSTR GetString() const throw() { return m_pszData; }
	operator PCXSTR() const throw() { return m_pszData; }

	XCHAR GetAt(int iChar) const;
	void SetAt(int iChar, XCHAR ch);
	XCHAR operator[](int iChar) const { return GetAt(iChar); }

// Operations
	void Empty() throw();
	void SetString(PCXSTR pszSrc);
	void SetString(PCXSTR pszSrc, int nLength);

	CStringW& operator=(const CStringW& strSrc);
	CStringW& operator=(CStringW&& strSrc) throw();
	CStringW& operator=(PCXSTR pszSrc);
	CStringW& operator=(PCYSTR pszSrc);
	CStringW& operator=(const CString& strSrc);
	CStringW& operator=(XCHAR ch);

	CStringW& operator+=(const CStringW& str);
	CStringW& operator+=(PCXSTR pszSrc);
	CStringW& operator+=(PCYSTR pszSrc);
	CStringW& operator+=(XCHAR ch);

	void Append(PCXSTR pszSrc);
	void Append(PCXSTR pszSrc, int nLength);
	void Append(const CStringW& strSrc);
	void AppendChar(XCHAR ch);
	void Truncate(int nNewLength);

	// Compare is ordinal, CompareNoCase ignores case.
	int Compare(PCXSTR psz) const;
	int CompareNoCase(PCXSTR psz) const throw();

	// Searching: each returns the zero-based index or -1.
	int Find(PCXSTR pszSub, int iStart = 0) const throw();
	int Find(XCHAR ch, int iStart = 0) const throw();
	int ReverseFind(XCHAR ch) const throw();

	// Extraction: counts and positions outside the string are clamped.
	CStringW Left(int nCount) const;
	CStringW Mid(int iFirst) const;
	CStringW Mid(int iFirst, int nCount) const;
	CStringW Right(int nCount) const;

	// wprintf-style formatting with the C runtime's conversions (%s takes a
	// wide string).
	void AFX_CDECL Format(PCXSTR pszFormat, ...);
	void FormatV(PCXSTR pszFormat, va_list args);
	void AFX_CDECL AppendFormat(PCXSTR pszFormat, ...);
	void AppendFormatV(PCXSTR pszFormat, va_list args);

	// Loads a string table entry through the module chain; FALSE when absent.
	BOOL LoadString(UINT nID);

	PXSTR GetBuffer();
	PXSTR GetBuffer(int nMinBufferLength);
	PXSTR GetBufferSetLength(int nLength);
	void ReleaseBuffer(int nNewLength = -1);
	void Preallocate(int nLength);

	friend AFX_CORE_API CStringW AFXAPI operator+(const CStringW& str1, const CStringW& str2);
	friend AFX_CORE_API CStringW AFXAPI operator+(const CStringW& str1, PCXSTR psz2);
	friend AFX_CORE_API CStringW AFXAPI operator+(PCXSTR psz1, const CStringW& str2);

	friend bool operator==(const CStringW& str1, const CStringW& str2) throw()
	{
		return str1.Compare(str2) == 0;
	}
	friend bool operator==(const CStringW& str1, PCXSTR psz2) throw() { return str1.Compare(psz2) == 0; }
	friend bool operator==(PCXSTR psz1, const CStringW& str2) throw() { return str2.Compare(psz1) == 0; }
	friend bool operator!=(const CStringW& str1, const CStringW& str2) throw()
	{
		return str1.Compare(str2) != 0;
	}
	friend bool operator!=(const CStringW& str1, PCXSTR psz2) throw() { return str1.Compare(psz2) != 0; }
	friend bool operator!=(PCXSTR psz1, const CStringW& str2) throw() { return str2.Compare(psz1) != 0; }
	friend bool operator<(const CStringW& str1, const CStringW& str2) throw()
	{
		return str1.Compare(str2) < 0;
	}

// Implementation
private:
	CStringData* GetData() const throw() { return reinterpret_cast<CStringData*>(m_pszData) - 1; }
	void AssignNarrow(PCYSTR pch, int nLength);

	PXSTR m_pszData;
};

#undef AFX_PRINTF_FORMAT
