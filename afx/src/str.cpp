// str.cpp - CString storage, assignment, concatenation and formatting; storage shared with CStringW.
//
// Classes in this file:
//   NilString
#include "afxwin.h"
#include "strcore_.h"

#include <limits.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <wchar.h>

namespace
{
// The terminator of every empty string that owns no buffer, behind a header
// that says so. A wide zero is a zero for either kind of character.
struct NilString
{
	CStringData header;
	wchar_t chNil;
};
NilString g_nilString = { { 0, 0 }, L'\0' };

// Strings longer than this are refused rather than overflowing the
// header's int fields while growing.
const int kMaxLength = INT_MAX / 2 - 64;

size_t BoundedLength(const char* psz, size_t nMax)
{
	return strnlen(psz, nMax);
}
size_t BoundedLength(const wchar_t* psz, size_t nMax)
{
	return wcsnlen(psz, nMax);
}

// The C runtime's formatting, narrow or wide: the length of the result, and
// the result itself.
int FormattedLength(const char* pszFormat, va_list args)
{
	return _vscprintf(pszFormat, args);
}
int FormattedLength(const wchar_t* pszFormat, va_list args)
{
	return _vscwprintf(pszFormat, args);
}
void FormatInto(char* pszBuffer, int nLength, const char* pszFormat, va_list args)
{
	_vsnprintf(pszBuffer, nLength + 1, pszFormat, args);
}
void FormatInto(wchar_t* pszBuffer, int nLength, const wchar_t* pszFormat, va_list args)
{
	_vsnwprintf(pszBuffer, nLength + 1, pszFormat, args);
}

// first + second, for the operands that CString's constructors and
// operator+= take.
template <class TFirst, class TSecond>
CString Concat(const TFirst& first, const TSecond& second)
{
	CString s(first);
	s += second;
	return s;
}
} // namespace

/////////////////////////////////////////////////////////////////////////////
// Storage shared with CStringW

template <class XCHAR>
XCHAR* CStringCore<XCHAR>::Nil() throw()
{
	return reinterpret_cast<XCHAR*>(&g_nilString.chNil);
}

template <class XCHAR>
int CStringCore<XCHAR>::Length(const XCHAR* psz) throw()
{
	return psz == NULL ? 0 : static_cast<int>(BoundedLength(psz, kMaxLength));
}

template <class XCHAR>
bool CStringCore<XCHAR>::Reserve(XCHAR*& psz, int nLength)
{
	if (nLength < 0 || nLength > kMaxLength)
		return false;
	bool bNil = IsNil(psz);
	CStringData* pOld = Data(psz);
	if (!bNil && nLength <= pOld->nAllocLength)
		return true;

	// Grow geometrically so that repeated appends stay linear.
	int nAlloc = nLength;
	if (!bNil)
	{
		int nGrown = pOld->nAllocLength + pOld->nAllocLength / 2;
		if (nGrown > nAlloc && nGrown <= kMaxLength)
			nAlloc = nGrown;
	}
	if (nAlloc < 15)
		nAlloc = 15;

	size_t cb = sizeof(CStringData) + (static_cast<size_t>(nAlloc) + 1) * sizeof(XCHAR);
	CStringData* pNew = static_cast<CStringData*>(bNil ? malloc(cb) : realloc(pOld, cb));
	if (pNew == NULL)
		return false;
	if (bNil)
	{
		pNew->nDataLength = 0;
		reinterpret_cast<XCHAR*>(pNew + 1)[0] = 0;
	}
	pNew->nAllocLength = nAlloc;
	psz = reinterpret_cast<XCHAR*>(pNew + 1);
	return true;
}

template <class XCHAR>
void CStringCore<XCHAR>::SetLength(XCHAR* psz, int nLength) throw()
{
	if (IsNil(psz))
		return;
	Data(psz)->nDataLength = nLength;
	psz[nLength] = 0;
}

template <class XCHAR>
void CStringCore<XCHAR>::Free(XCHAR*& psz) throw()
{
	if (!IsNil(psz))
		free(Data(psz));
	psz = Nil();
}

template <class XCHAR>
void CStringCore<XCHAR>::Assign(XCHAR*& psz, const XCHAR* pch, int nLength)
{
	if (nLength <= 0 || pch == NULL)
	{
		Free(psz);
		return;
	}
	// The source may be part of this string; it moves if the buffer does.
	if (pch >= psz && pch <= psz + Data(psz)->nDataLength)
	{
		XCHAR* pszCopy = Nil();
		Assign(pszCopy, pch, nLength);
		if (!IsNil(pszCopy))
		{
			Free(psz);
			psz = pszCopy;
		}
		return;
	}
	if (!Reserve(psz, nLength))
		return;
	memcpy(psz, pch, nLength * sizeof(XCHAR));
	SetLength(psz, nLength);
}

template <class XCHAR>
void CStringCore<XCHAR>::Append(XCHAR*& psz, const XCHAR* pch, int nLength)
{
	if (pch == NULL || nLength <= 0)
		return;
	int nOld = Data(psz)->nDataLength;
	if (nLength > kMaxLength - nOld)
		return;
	// Appending a piece of this string to itself: remember where it was.
	ptrdiff_t nSelfOffset = -1;
	if (pch >= psz && pch <= psz + nOld)
		nSelfOffset = pch - psz;
	if (!Reserve(psz, nOld + nLength))
		return;
	if (nSelfOffset >= 0)
		pch = psz + nSelfOffset;
	memmove(psz + nOld, pch, nLength * sizeof(XCHAR));
	SetLength(psz, nOld + nLength);
}

template <class XCHAR>
XCHAR* CStringCore<XCHAR>::GetBuffer(XCHAR*& psz, int nMinBufferLength)
{
	int nLength = Data(psz)->nDataLength;
	if (nMinBufferLength < nLength)
		nMinBufferLength = nLength;
	return Reserve(psz, nMinBufferLength) ? psz : NULL;
}

template <class XCHAR>
XCHAR* CStringCore<XCHAR>::GetBufferSetLength(XCHAR*& psz, int nLength)
{
	if (nLength < 0 || !Reserve(psz, nLength))
		return NULL;
	// Unlike GetBuffer this also shortens, and the new length holds from now
	// on even if the caller never releases the buffer.
	SetLength(psz, nLength);
	return psz;
}

template <class XCHAR>
void CStringCore<XCHAR>::ReleaseBuffer(XCHAR* psz, int nNewLength) throw()
{
	if (IsNil(psz))
		return;
	int nAlloc = Data(psz)->nAllocLength;
	if (nNewLength < 0)
		nNewLength = static_cast<int>(BoundedLength(psz, nAlloc));
	if (nNewLength > nAlloc)
		nNewLength = nAlloc;
	SetLength(psz, nNewLength);
}

template <class XCHAR>
void CStringCore<XCHAR>::AppendFormatV(XCHAR*& psz, const XCHAR* pszFormat, va_list args)
{
	if (pszFormat == NULL)
		return;
	va_list argsCount;
	va_copy(argsCount, args);
	int nAdd = FormattedLength(pszFormat, argsCount);
	va_end(argsCount);
	if (nAdd <= 0)
		return;

	XCHAR* pszPiece = Nil();
	if (!Reserve(pszPiece, nAdd))
		return;
	FormatInto(pszPiece, nAdd, pszFormat, args);
	SetLength(pszPiece, nAdd);
	Append(psz, pszPiece, nAdd);
	Free(pszPiece);
}

template struct CStringCore<char>;
template struct CStringCore<wchar_t>;

typedef CStringCore<char> Core;

/////////////////////////////////////////////////////////////////////////////
// Storage

CString::CString() throw()
	: m_pszData(Core::Nil())
{
}

CString::CString(const CString& strSrc)
	: m_pszData(Core::Nil())
{
	Assign(strSrc.m_pszData, strSrc.GetLength());
}

CString::CString(CString&& strSrc) throw()
	: m_pszData(strSrc.m_pszData)
{
	strSrc.m_pszData = Core::Nil();
}

CString::CString(PCXSTR pszSrc)
	: m_pszData(Core::Nil())
{
	// CString(MAKEINTRESOURCE(IDS_...)) loads that string table entry.
	if (pszSrc != NULL && IS_INTRESOURCE(pszSrc))
		LoadString(static_cast<UINT>(reinterpret_cast<UINT_PTR>(pszSrc)));
	else
		SetString(pszSrc);
}

CString::CString(PCXSTR pch, int nLength)
	: m_pszData(Core::Nil())
{
	SetString(pch, nLength);
}

CString::CString(XCHAR ch, int nRepeat)
	: m_pszData(Core::Nil())
{
	if (nRepeat > 0 && Reserve(nRepeat))
	{
		memset(m_pszData, ch, nRepeat);
		SetLength(nRepeat);
	}
}

CString::CString(PCYSTR pszSrc)
	: m_pszData(Core::Nil())
{
	AssignWide(pszSrc, CStringCore<wchar_t>::Length(pszSrc));
}

CString::CString(PCYSTR pch, int nLength)
	: m_pszData(Core::Nil())
{
	AssignWide(pch, nLength);
}

CString::CString(const CStringW& strSrc)
	: m_pszData(Core::Nil())
{
	AssignWide(strSrc.GetString(), strSrc.GetLength());
}

CString::CString(const unsigned char* pszSrc)
	: m_pszData(Core::Nil())
{
	SetString(reinterpret_cast<PCXSTR>(pszSrc));
}

CString::~CString() throw()
{
	Core::Free(m_pszData);
}

bool CString::Reserve(int nLength)
{
	return Core::Reserve(m_pszData, nLength);
}

void CString::SetLength(int nLength) throw()
{
	Core::SetLength(m_pszData, nLength);
}

void CString::Assign(PCXSTR pch, int nLength)
{
	Core::Assign(m_pszData, pch, nLength);
}

void CString::AssignWide(PCYSTR pch, int nLength)
{
	int cb =
		pch != NULL && nLength > 0 ? ::WideCharToMultiByte(CP_ACP, 0, pch, nLength, NULL, 0, NULL, NULL) : 0;
	if (cb <= 0 || !Reserve(cb))
	{
		Empty();
		return;
	}
	::WideCharToMultiByte(CP_ACP, 0, pch, nLength, m_pszData, cb, NULL, NULL);
	SetLength(cb);
}

void CString::AppendRaw(PCXSTR pch, int nLength)
{
	Core::Append(m_pszData, pch, nLength);
}

void CString::Empty() throw()
{
	Core::Free(m_pszData);
}

void CString::SetString(PCXSTR pszSrc)
{
	Assign(pszSrc, Core::Length(pszSrc));
}

void CString::SetString(PCXSTR pszSrc, int nLength)
{
	Assign(pszSrc, nLength);
}

CString::XCHAR CString::GetAt(int iChar) const
{
	if (iChar < 0 || iChar >= GetLength())
		return '\0';
	return m_pszData[iChar];
}

void CString::SetAt(int iChar, XCHAR ch)
{
	if (iChar >= 0 && iChar < GetLength())
		m_pszData[iChar] = ch;
}

/////////////////////////////////////////////////////////////////////////////
// Assignment and concatenation

CString& CString::operator=(const CString& strSrc)
{
	if (this != &strSrc)
		Assign(strSrc.m_pszData, strSrc.GetLength());
	return *this;
}

CString& CString::operator=(CString&& strSrc) throw()
{
	if (this != &strSrc)
	{
		Empty();
		m_pszData = strSrc.m_pszData;
		strSrc.m_pszData = Core::Nil();
	}
	return *this;
}

CString& CString::operator=(PCXSTR pszSrc)
{
	SetString(pszSrc);
	return *this;
}

CString& CString::operator=(PCYSTR pszSrc)
{
	*this = CString(pszSrc);
	return *this;
}

CString& CString::operator=(const CStringW& strSrc)
{
	AssignWide(strSrc.GetString(), strSrc.GetLength());
	return *this;
}

CString& CString::operator=(const unsigned char* pszSrc)
{
	SetString(reinterpret_cast<PCXSTR>(pszSrc));
	return *this;
}

CString& CString::operator=(XCHAR ch)
{
	Assign(&ch, 1);
	return *this;
}

CString& CString::operator+=(const CString& str)
{
	AppendRaw(str.m_pszData, str.GetLength());
	return *this;
}

CString& CString::operator+=(PCXSTR pszSrc)
{
	Append(pszSrc);
	return *this;
}

CString& CString::operator+=(PCYSTR pszSrc)
{
	Append(CString(pszSrc));
	return *this;
}

CString& CString::operator+=(XCHAR ch)
{
	AppendChar(ch);
	return *this;
}

void CString::Append(PCXSTR pszSrc)
{
	AppendRaw(pszSrc, Core::Length(pszSrc));
}

void CString::Append(PCXSTR pszSrc, int nLength)
{
	// Stop at a terminator inside the count, as a C string would.
	if (pszSrc != NULL && nLength > 0)
		AppendRaw(pszSrc, static_cast<int>(strnlen(pszSrc, nLength)));
}

void CString::Append(const CString& strSrc)
{
	AppendRaw(strSrc.m_pszData, strSrc.GetLength());
}

void CString::AppendChar(XCHAR ch)
{
	AppendRaw(&ch, 1);
}

void CString::Truncate(int nNewLength)
{
	if (nNewLength >= 0 && nNewLength < GetLength())
		SetLength(nNewLength);
}

CString AFXAPI operator+(const CString& str1, const CString& str2)
{
	CString s;
	s.Preallocate(str1.GetLength() + str2.GetLength());
	s.Append(str1);
	s.Append(str2);
	return s;
}

CString AFXAPI operator+(const CString& str1, CString::PCXSTR psz2)
{
	return Concat(str1, psz2);
}

CString AFXAPI operator+(CString::PCXSTR psz1, const CString& str2)
{
	return Concat(psz1, str2);
}

CString AFXAPI operator+(const CString& str1, CString::XCHAR ch2)
{
	return Concat(str1, ch2);
}

CString AFXAPI operator+(CString::XCHAR ch1, const CString& str2)
{
	return Concat(ch1, str2);
}

/////////////////////////////////////////////////////////////////////////////
// Buffer access

CString::PXSTR CString::GetBuffer()
{
	return GetBuffer(0);
}

CString::PXSTR CString::GetBuffer(int nMinBufferLength)
{
	return Core::GetBuffer(m_pszData, nMinBufferLength);
}

CString::PXSTR CString::GetBufferSetLength(int nLength)
{
	return Core::GetBufferSetLength(m_pszData, nLength);
}

void CString::ReleaseBuffer(int nNewLength)
{
	Core::ReleaseBuffer(m_pszData, nNewLength);
}

void CString::ReleaseBufferSetLength(int nNewLength)
{
	ReleaseBuffer(nNewLength < 0 ? 0 : nNewLength);
}

void CString::Preallocate(int nLength)
{
	Reserve(nLength);
}

void CString::FreeExtra()
{
	if (Core::IsNil(m_pszData) || GetLength() == GetAllocLength())
		return;
	CString strTight(m_pszData, GetLength());
	*this = static_cast<CString&&>(strTight);
}

/////////////////////////////////////////////////////////////////////////////
// Formatting and resources

void CString::FormatV(PCXSTR pszFormat, va_list args)
{
	// Into a new buffer: the arguments may point into this string.
	PXSTR pszResult = Core::Nil();
	Core::AppendFormatV(pszResult, pszFormat, args);
	Core::Free(m_pszData);
	m_pszData = pszResult;
}

void CString::AppendFormatV(PCXSTR pszFormat, va_list args)
{
	Core::AppendFormatV(m_pszData, pszFormat, args);
}

void AFX_CDECL CString::Format(PCXSTR pszFormat, ...)
{
	va_list args;
	va_start(args, pszFormat);
	FormatV(pszFormat, args);
	va_end(args);
}

void AFX_CDECL CString::Format(UINT nFormatID, ...)
{
	CString strFormat;
	if (!strFormat.LoadString(nFormatID))
		return;
	va_list args;
	va_start(args, nFormatID);
	FormatV(strFormat, args);
	va_end(args);
}

void AFX_CDECL CString::AppendFormat(PCXSTR pszFormat, ...)
{
	va_list args;
	va_start(args, pszFormat);
	AppendFormatV(pszFormat, args);
	va_end(args);
}

BOOL CString::LoadString(UINT nID)
{
	// Asked string by string: a module may hold the block of sixteen that
	// nID falls in without holding nID itself.
	HINSTANCE hInst = AfxFindStringResourceHandle(nID);
	if (hInst == NULL)
		return FALSE;
	return LoadString(hInst, nID);
}

BOOL CString::LoadString(HINSTANCE hInstance, UINT nID)
{
	// With a zero buffer size LoadStringW hands out the resource's own text
	// and its length, so no guess of the size is needed.
	const wchar_t* pszRes = NULL;
	int nLength = ::LoadStringW(hInstance, nID, reinterpret_cast<LPWSTR>(&pszRes), 0);
	if (nLength <= 0 || pszRes == NULL)
		return FALSE;
	AssignWide(pszRes, nLength);
	return TRUE;
}
