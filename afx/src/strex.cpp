// strex.cpp - CString comparison, searching, extraction and editing.
#include "strcore_.h"

#include <ctype.h>
#include <mbstring.h>
#include <string.h>

namespace
{
const unsigned char* U(const char* psz) throw()
{
	return reinterpret_cast<const unsigned char*>(psz);
}

unsigned char* U(char* psz) throw()
{
	return reinterpret_cast<unsigned char*>(psz);
}

bool IsIn(char ch, const char* pszSet) throw()
{
	return ch != '\0' && strchr(pszSet, ch) != NULL;
}

bool IsSpace(char ch) throw()
{
	return isspace(static_cast<unsigned char>(ch)) != 0;
}
} // namespace

/////////////////////////////////////////////////////////////////////////////
// Comparison

int CString::Compare(PCXSTR psz) const
{
	return _mbscmp(U(m_pszData), U(psz != NULL ? psz : ""));
}

int CString::CompareNoCase(PCXSTR psz) const throw()
{
	return _mbsicmp(U(m_pszData), U(psz != NULL ? psz : ""));
}

int CString::Collate(PCXSTR psz) const throw()
{
	return _mbscoll(U(m_pszData), U(psz != NULL ? psz : ""));
}

int CString::CollateNoCase(PCXSTR psz) const throw()
{
	return _mbsicoll(U(m_pszData), U(psz != NULL ? psz : ""));
}

/////////////////////////////////////////////////////////////////////////////
// Searching

int CString::Find(PCXSTR pszSub, int iStart) const throw()
{
	if (pszSub == NULL || iStart < 0 || iStart > GetLength())
		return -1;
	const unsigned char* p = _mbsstr(U(m_pszData + iStart), U(pszSub));
	return p == NULL ? -1 : static_cast<int>(p - U(m_pszData));
}

int CString::Find(XCHAR ch, int iStart) const throw()
{
	if (iStart < 0 || iStart >= GetLength())
		return -1;
	const unsigned char* p = _mbschr(U(m_pszData + iStart), static_cast<unsigned char>(ch));
	return p == NULL ? -1 : static_cast<int>(p - U(m_pszData));
}

int CString::ReverseFind(XCHAR ch) const throw()
{
	const unsigned char* p = _mbsrchr(U(m_pszData), static_cast<unsigned char>(ch));
	return p == NULL ? -1 : static_cast<int>(p - U(m_pszData));
}

int CString::FindOneOf(PCXSTR pszCharSet) const throw()
{
	if (pszCharSet == NULL)
		return -1;
	const unsigned char* p = _mbspbrk(U(m_pszData), U(pszCharSet));
	return p == NULL ? -1 : static_cast<int>(p - U(m_pszData));
}

/////////////////////////////////////////////////////////////////////////////
// Extraction

CString CString::Left(int nCount) const
{
	if (nCount < 0)
		nCount = 0;
	if (nCount >= GetLength())
		return *this;
	return CString(m_pszData, nCount);
}

CString CString::Mid(int iFirst) const
{
	return Mid(iFirst, GetLength());
}

CString CString::Mid(int iFirst, int nCount) const
{
	int nLength = GetLength();
	AfxClampStringRange(nLength, iFirst, nCount);
	if (iFirst == 0 && nCount == nLength)
		return *this;
	return CString(m_pszData + iFirst, nCount);
}

CString CString::Right(int nCount) const
{
	int nLength = GetLength();
	if (nCount < 0)
		nCount = 0;
	if (nCount >= nLength)
		return *this;
	return CString(m_pszData + nLength - nCount, nCount);
}

CString CString::SpanIncluding(PCXSTR pszCharSet) const
{
	if (pszCharSet == NULL)
		return CString();
	return Left(static_cast<int>(_mbsspn(U(m_pszData), U(pszCharSet))));
}

CString CString::SpanExcluding(PCXSTR pszCharSet) const
{
	if (pszCharSet == NULL)
		return *this;
	return Left(static_cast<int>(_mbscspn(U(m_pszData), U(pszCharSet))));
}

CString CString::Tokenize(PCXSTR pszTokens, int& iStart) const
{
	int nLength = GetLength();
	if (iStart < 0 || iStart >= nLength)
	{
		iStart = -1;
		return CString();
	}
	if (pszTokens == NULL || *pszTokens == '\0')
	{
		// No delimiters: the rest is one token. Moving past the end makes the
		// next call finish instead of handing out the same token forever.
		CString strRest = Mid(iStart);
		iStart = nLength;
		return strRest;
	}

	int nSkip = static_cast<int>(_mbsspn(U(m_pszData + iStart), U(pszTokens)));
	int iFrom = iStart + nSkip;
	if (iFrom >= nLength)
	{
		iStart = -1;
		return CString();
	}
	int nToken = static_cast<int>(_mbscspn(U(m_pszData + iFrom), U(pszTokens)));
	iStart = iFrom + nToken + 1;
	return CString(m_pszData + iFrom, nToken);
}

/////////////////////////////////////////////////////////////////////////////
// Case and order

CString& CString::MakeUpper()
{
	if (!IsEmpty())
		_mbsupr(U(m_pszData));
	return *this;
}

CString& CString::MakeLower()
{
	if (!IsEmpty())
		_mbslwr(U(m_pszData));
	return *this;
}

CString& CString::MakeReverse()
{
	if (!IsEmpty())
		_mbsrev(U(m_pszData));
	return *this;
}

/////////////////////////////////////////////////////////////////////////////
// Editing

int CString::Replace(XCHAR chOld, XCHAR chNew)
{
	if (chOld == chNew)
		return 0;
	int nCount = 0;
	int nLength = GetLength();
	for (int i = 0; i < nLength; ++i)
	{
		if (m_pszData[i] == chOld)
		{
			m_pszData[i] = chNew;
			++nCount;
		}
	}
	return nCount;
}

int CString::Replace(PCXSTR pszOld, PCXSTR pszNew)
{
	if (pszOld == NULL || *pszOld == '\0')
		return 0;
	if (pszNew == NULL)
		pszNew = "";
	int nOld = static_cast<int>(strlen(pszOld));

	// Matches do not overlap: the search resumes after each one.
	CString strResult;
	int nCount = 0;
	int iPos = 0;
	for (int iHit = Find(pszOld, 0); iHit >= 0; iHit = Find(pszOld, iPos))
	{
		strResult.AppendRaw(m_pszData + iPos, iHit - iPos);
		strResult.Append(pszNew);
		iPos = iHit + nOld;
		++nCount;
	}
	if (nCount > 0)
	{
		strResult.AppendRaw(m_pszData + iPos, GetLength() - iPos);
		*this = static_cast<CString&&>(strResult);
	}
	return nCount;
}

int CString::Remove(XCHAR chRemove)
{
	int nLength = GetLength();
	int nKept = 0;
	for (int i = 0; i < nLength; ++i)
	{
		if (m_pszData[i] != chRemove)
			m_pszData[nKept++] = m_pszData[i];
	}
	int nCount = nLength - nKept;
	if (nCount > 0)
		SetLength(nKept);
	return nCount;
}

int CString::Insert(int iIndex, XCHAR ch)
{
	return Insert(iIndex, CString(ch));
}

int CString::Insert(int iIndex, PCXSTR psz)
{
	int nLength = GetLength();
	if (iIndex < 0)
		iIndex = 0;
	if (iIndex > nLength)
		iIndex = nLength;
	if (psz == NULL || *psz == '\0')
		return nLength;
	// Copied first: psz may point into this string.
	CString strInsert(psz);
	int nInsert = strInsert.GetLength();
	if (!Reserve(nLength + nInsert))
		return nLength;
	memmove(m_pszData + iIndex + nInsert, m_pszData + iIndex, nLength - iIndex);
	memcpy(m_pszData + iIndex, strInsert.m_pszData, nInsert);
	SetLength(nLength + nInsert);
	return nLength + nInsert;
}

int CString::Delete(int iIndex, int nCount)
{
	int nLength = GetLength();
	if (iIndex < 0)
		iIndex = 0;
	if (nCount <= 0 || iIndex >= nLength)
		return nLength;
	if (nCount > nLength - iIndex)
		nCount = nLength - iIndex;
	memmove(m_pszData + iIndex, m_pszData + iIndex + nCount, nLength - iIndex - nCount);
	SetLength(nLength - nCount);
	return nLength - nCount;
}

/////////////////////////////////////////////////////////////////////////////
// Trimming

CString& CString::Trim()
{
	return TrimRight().TrimLeft();
}

CString& CString::Trim(XCHAR chTarget)
{
	return TrimRight(chTarget).TrimLeft(chTarget);
}

CString& CString::Trim(PCXSTR pszTargets)
{
	return TrimRight(pszTargets).TrimLeft(pszTargets);
}

CString& CString::TrimLeft()
{
	int n = 0;
	while (n < GetLength() && IsSpace(m_pszData[n]))
		++n;
	Delete(0, n);
	return *this;
}

CString& CString::TrimLeft(XCHAR chTarget)
{
	int n = 0;
	while (n < GetLength() && m_pszData[n] == chTarget)
		++n;
	Delete(0, n);
	return *this;
}

CString& CString::TrimLeft(PCXSTR pszTargets)
{
	if (pszTargets == NULL)
		return *this;
	int n = 0;
	while (n < GetLength() && IsIn(m_pszData[n], pszTargets))
		++n;
	Delete(0, n);
	return *this;
}

CString& CString::TrimRight()
{
	int n = GetLength();
	while (n > 0 && IsSpace(m_pszData[n - 1]))
		--n;
	Truncate(n);
	return *this;
}

CString& CString::TrimRight(XCHAR chTarget)
{
	int n = GetLength();
	while (n > 0 && m_pszData[n - 1] == chTarget)
		--n;
	Truncate(n);
	return *this;
}

CString& CString::TrimRight(PCXSTR pszTargets)
{
	if (pszTargets == NULL)
		return *this;
	int n = GetLength();
	while (n > 0 && IsIn(m_pszData[n - 1], pszTargets))
		--n;
	Truncate(n);
	return *this;
}
