// str.cpp - CString storage, assignment, concatenation and formatting.
#include "afxwin.h"

#include <limits.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

namespace
{
// The shared representation of every empty string that owns no buffer.
// It is never written: anything that writes first allocates.
struct NilString
{
	int nDataLength;
	int nAllocLength;
	char chNil;
};
NilString g_nilString = { 0, 0, '\0' };

// Strings longer than this are refused rather than overflowing the
// header's int fields while growing.
const int kMaxLength = INT_MAX / 2 - 64;

char* NilData() throw()
{
	return &g_nilString.chNil;
}

// The length of a C string, 0 for NULL, never beyond kMaxLength.
int SafeLength(const char* psz) throw()
{
	return psz == NULL ? 0 : static_cast<int>(strnlen(psz, kMaxLength));
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
// Storage

CString::CString() throw()
	: m_pszData(NilData())
{
}

CString::CString(const CString& strSrc)
	: m_pszData(NilData())
{
	Assign(strSrc.m_pszData, strSrc.GetLength());
}

CString::CString(CString&& strSrc) throw()
	: m_pszData(strSrc.m_pszData)
{
	strSrc.m_pszData = NilData();
}

CString::CString(PCXSTR pszSrc)
	: m_pszData(NilData())
{
	// CString(MAKEINTRESOURCE(IDS_...)) loads that string table entry.
	if (pszSrc != NULL && IS_INTRESOURCE(pszSrc))
		LoadString(static_cast<UINT>(reinterpret_cast<UINT_PTR>(pszSrc)));
	else
		SetString(pszSrc);
}

CString::CString(PCXSTR pch, int nLength)
	: m_pszData(NilData())
{
	SetString(pch, nLength);
}

CString::CString(XCHAR ch, int nRepeat)
	: m_pszData(NilData())
{
	if (nRepeat > 0 && Reserve(nRepeat))
	{
		memset(m_pszData, ch, nRepeat);
		SetLength(nRepeat);
	}
}

CString::CString(PCYSTR pszSrc)
	: m_pszData(NilData())
{
	if (pszSrc != NULL)
		AssignWide(pszSrc, static_cast<int>(wcsnlen(pszSrc, kMaxLength)));
}

CString::CString(PCYSTR pch, int nLength)
	: m_pszData(NilData())
{
	if (pch != NULL && nLength > 0)
		AssignWide(pch, nLength);
}

CString::CString(const unsigned char* pszSrc)
	: m_pszData(NilData())
{
	SetString(reinterpret_cast<PCXSTR>(pszSrc));
}

CString::~CString() throw()
{
	if (m_pszData != NilData())
		free(GetData());
}

bool CString::Reserve(int nLength)
{
	if (nLength < 0 || nLength > kMaxLength)
		return false;
	CStringData* pOld = GetData();
	if (m_pszData != NilData() && nLength <= pOld->nAllocLength)
		return true;

	// Grow geometrically so that repeated appends stay linear.
	int nAlloc = nLength;
	if (m_pszData != NilData())
	{
		int nGrown = pOld->nAllocLength + pOld->nAllocLength / 2;
		if (nGrown > nAlloc && nGrown <= kMaxLength)
			nAlloc = nGrown;
	}
	if (nAlloc < 15)
		nAlloc = 15;

	size_t cb = sizeof(CStringData) + static_cast<size_t>(nAlloc) + 1;
	CStringData* pNew;
	if (m_pszData == NilData())
	{
		pNew = static_cast<CStringData*>(malloc(cb));
		if (pNew == NULL)
			return false;
		pNew->nDataLength = 0;
		pNew->data()[0] = '\0';
	}
	else
	{
		pNew = static_cast<CStringData*>(realloc(pOld, cb));
		if (pNew == NULL)
			return false;
	}
	pNew->nAllocLength = nAlloc;
	m_pszData = pNew->data();
	return true;
}

void CString::SetLength(int nLength) throw()
{
	if (m_pszData == NilData())
		return;
	GetData()->nDataLength = nLength;
	m_pszData[nLength] = '\0';
}

void CString::Assign(PCXSTR pch, int nLength)
{
	if (nLength <= 0 || pch == NULL)
	{
		Empty();
		return;
	}
	// The source may be part of this string; it moves if the buffer does.
	if (pch >= m_pszData && pch <= m_pszData + GetLength())
	{
		CString strCopy(pch, nLength);
		*this = static_cast<CString&&>(strCopy);
		return;
	}
	if (!Reserve(nLength))
		return;
	memcpy(m_pszData, pch, nLength);
	SetLength(nLength);
}

void CString::AssignWide(PCYSTR pch, int nLength)
{
	int cb = ::WideCharToMultiByte(CP_ACP, 0, pch, nLength, NULL, 0, NULL, NULL);
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
	if (pch == NULL || nLength <= 0)
		return;
	int nOld = GetLength();
	if (nLength > kMaxLength - nOld)
		return;
	// Appending a piece of this string to itself: remember where it was.
	ptrdiff_t nSelfOffset = -1;
	if (pch >= m_pszData && pch <= m_pszData + nOld)
		nSelfOffset = pch - m_pszData;
	if (!Reserve(nOld + nLength))
		return;
	if (nSelfOffset >= 0)
		pch = m_pszData + nSelfOffset;
	memmove(m_pszData + nOld, pch, nLength);
	SetLength(nOld + nLength);
}

void CString::Empty() throw()
{
	if (m_pszData != NilData())
		free(GetData());
	m_pszData = NilData();
}

void CString::SetString(PCXSTR pszSrc)
{
	Assign(pszSrc, SafeLength(pszSrc));
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
		strSrc.m_pszData = NilData();
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
	AppendRaw(pszSrc, SafeLength(pszSrc));
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
	if (nMinBufferLength < GetLength())
		nMinBufferLength = GetLength();
	if (!Reserve(nMinBufferLength))
		return NULL;
	return m_pszData;
}

CString::PXSTR CString::GetBufferSetLength(int nLength)
{
	if (nLength < 0 || !Reserve(nLength))
		return NULL;
	// Unlike GetBuffer this also shortens, and the new length holds from now
	// on even if the caller never releases the buffer.
	SetLength(nLength);
	return m_pszData;
}

void CString::ReleaseBuffer(int nNewLength)
{
	if (m_pszData == NilData())
		return;
	int nAlloc = GetAllocLength();
	if (nNewLength < 0)
		nNewLength = static_cast<int>(strnlen(m_pszData, nAlloc));
	if (nNewLength > nAlloc)
		nNewLength = nAlloc;
	SetLength(nNewLength);
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
	if (m_pszData == NilData() || GetLength() == GetAllocLength())
		return;
	CString strTight(m_pszData, GetLength());
	*this = static_cast<CString&&>(strTight);
}

/////////////////////////////////////////////////////////////////////////////
// Formatting and resources

void CString::FormatV(PCXSTR pszFormat, va_list args)
{
	if (pszFormat == NULL)
	{
		Empty();
		return;
	}
	// The arguments may point into this string, so format into a new one.
	CString strResult;
	strResult.AppendFormatV(pszFormat, args);
	*this = static_cast<CString&&>(strResult);
}

void CString::AppendFormatV(PCXSTR pszFormat, va_list args)
{
	if (pszFormat == NULL)
		return;
	va_list argsCount;
	va_copy(argsCount, args);
	int nAdd = _vscprintf(pszFormat, argsCount);
	va_end(argsCount);
	if (nAdd <= 0)
		return;

	CString strPiece;
	PXSTR pBuf = strPiece.GetBuffer(nAdd);
	if (pBuf == NULL)
		return;
	_vsnprintf(pBuf, nAdd + 1, pszFormat, args);
	strPiece.ReleaseBuffer(nAdd);
	Append(strPiece);
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
