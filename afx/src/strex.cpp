// strex.cpp - CString comparison, searching, extraction and editing.
//
// CString behaves as MFC's multi-byte build does: searching, case, reversal,
// trimming and the one-character edits step through the text a character at
// a time (mbcs_.h), so they never match or change half of a double-byte or
// UTF-8 character; positions and counts stay byte counts.
#include "mbcs_.h"
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

bool IsSpace(const char* pch) throw()
{
	return AfxCharLength(pch) == 1 && isspace(static_cast<unsigned char>(*pch)) != 0;
}

// Bytes of the leading characters of psz that are (bInSet) or are not in
// pszSet, as _mbsspn and _mbscspn count them.
int SpanLength(const char* psz, const char* pszSet, bool bInSet) throw()
{
	const char* p = psz;
	while (*p != '\0')
	{
		const int nLength = AfxCharLength(p);
		if (AfxIsCharInSet(p, nLength, pszSet) != bInSet)
			break;
		p += nLength;
	}
	return static_cast<int>(p - psz);
}

// Whether the nLength bytes at pch are whole characters of the text.
bool IsWholeChars(const char* pch, int nLength) throw()
{
	const char* p = pch;
	while (p < pch + nLength)
		p = AfxCharNext(p);
	return p == pch + nLength;
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
	return AfxCompareNoCase(m_pszData, psz != NULL ? psz : "");
}

// The C runtime's collation of its current locale.
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
	// A match begins and ends at character boundaries.
	const int nSub = static_cast<int>(strlen(pszSub));
	const char* pszEnd = m_pszData + GetLength();
	for (const char* p = m_pszData + iStart; p + nSub <= pszEnd; p = AfxCharNext(p))
	{
		if (memcmp(p, pszSub, nSub) == 0 && IsWholeChars(p, nSub))
			return static_cast<int>(p - m_pszData);
		if (p == pszEnd)
			break;
	}
	return -1;
}

int CString::Find(XCHAR ch, int iStart) const throw()
{
	if (iStart < 0 || iStart >= GetLength())
		return -1;
	const char* p = AfxFindChar(m_pszData + iStart, ch);
	return p == NULL ? -1 : static_cast<int>(p - m_pszData);
}

int CString::ReverseFind(XCHAR ch) const throw()
{
	const char* pLast = NULL;
	for (const char* p = AfxFindChar(m_pszData, ch); p != NULL; p = AfxFindChar(AfxCharNext(p), ch))
	{
		pLast = p;
		if (*p == '\0')
			break;
	}
	return pLast == NULL ? -1 : static_cast<int>(pLast - m_pszData);
}

int CString::FindOneOf(PCXSTR pszCharSet) const throw()
{
	if (pszCharSet == NULL)
		return -1;
	const int n = SpanLength(m_pszData, pszCharSet, false);
	return m_pszData[n] == '\0' ? -1 : n;
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
	return Left(SpanLength(m_pszData, pszCharSet, true));
}

CString CString::SpanExcluding(PCXSTR pszCharSet) const
{
	if (pszCharSet == NULL)
		return *this;
	return Left(SpanLength(m_pszData, pszCharSet, false));
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

	int nSkip = SpanLength(m_pszData + iStart, pszTokens, true);
	int iFrom = iStart + nSkip;
	if (iFrom >= nLength)
	{
		iStart = -1;
		return CString();
	}
	int nToken = SpanLength(m_pszData + iFrom, pszTokens, false);
	iStart = iFrom + nToken + 1;
	return CString(m_pszData + iFrom, nToken);
}

/////////////////////////////////////////////////////////////////////////////
// Case and order

CString& CString::MakeUpper()
{
	for (char* p = m_pszData; *p != '\0';)
	{
		const int nLength = AfxCharLength(p);
		AfxCharUpper(p, nLength);
		p += nLength;
	}
	return *this;
}

CString& CString::MakeLower()
{
	for (char* p = m_pszData; *p != '\0';)
	{
		const int nLength = AfxCharLength(p);
		AfxCharLower(p, nLength);
		p += nLength;
	}
	return *this;
}

CString& CString::MakeReverse()
{
	// Each character's bytes are reversed first, so that reversing the
	// whole string puts them back in order.
	char* pszEnd = m_pszData + GetLength();
	for (char* p = m_pszData; p < pszEnd;)
	{
		char* pNext = AfxCharNext(p);
		for (char *a = p, *b = pNext - 1; a < b; ++a, --b)
		{
			const char ch = *a;
			*a = *b;
			*b = ch;
		}
		p = pNext;
	}
	for (char *a = m_pszData, *b = pszEnd - 1; a < b; ++a, --b)
	{
		const char ch = *a;
		*a = *b;
		*b = ch;
	}
	return *this;
}

/////////////////////////////////////////////////////////////////////////////
// Editing

int CString::Replace(XCHAR chOld, XCHAR chNew)
{
	if (chOld == chNew)
		return 0;
	int nCount = 0;
	char* pszEnd = m_pszData + GetLength();
	for (char* p = m_pszData; p < pszEnd; p = AfxCharNext(p))
	{
		if (*p == chOld && AfxCharLength(p) == 1)
		{
			*p = chNew;
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
	const char* pszEnd = m_pszData + GetLength();
	char* pKept = m_pszData;
	for (const char* p = m_pszData; p < pszEnd;)
	{
		const int nLength = AfxCharLength(p);
		if (nLength != 1 || *p != chRemove)
		{
			memmove(pKept, p, nLength);
			pKept += nLength;
		}
		p += nLength;
	}
	const int nKept = static_cast<int>(pKept - m_pszData);
	const int nCount = GetLength() - nKept;
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
	const char* p = m_pszData;
	while (*p != '\0' && IsSpace(p))
		p = AfxCharNext(p);
	Delete(0, static_cast<int>(p - m_pszData));
	return *this;
}

CString& CString::TrimLeft(XCHAR chTarget)
{
	const char* p = m_pszData;
	while (*p != '\0' && *p == chTarget && AfxCharLength(p) == 1)
		++p;
	Delete(0, static_cast<int>(p - m_pszData));
	return *this;
}

CString& CString::TrimLeft(PCXSTR pszTargets)
{
	if (pszTargets == NULL)
		return *this;
	Delete(0, SpanLength(m_pszData, pszTargets, true));
	return *this;
}

// The right-hand trims walk forward and remember where the run of targets
// that reaches the end began, as stepping backwards through multi-byte text
// is not reliable.
CString& CString::TrimRight()
{
	const char* pszEnd = m_pszData + GetLength();
	const char* pRun = NULL;
	for (const char* p = m_pszData; p < pszEnd; p = AfxCharNext(p))
	{
		if (!IsSpace(p))
			pRun = NULL;
		else if (pRun == NULL)
			pRun = p;
	}
	if (pRun != NULL)
		Truncate(static_cast<int>(pRun - m_pszData));
	return *this;
}

CString& CString::TrimRight(XCHAR chTarget)
{
	const char sz[2] = { chTarget, '\0' };
	return chTarget == '\0' ? *this : TrimRight(sz);
}

CString& CString::TrimRight(PCXSTR pszTargets)
{
	if (pszTargets == NULL)
		return *this;
	const char* pszEnd = m_pszData + GetLength();
	const char* pRun = NULL;
	for (const char* p = m_pszData; p < pszEnd;)
	{
		const int nLength = AfxCharLength(p);
		if (!AfxIsCharInSet(p, nLength, pszTargets))
			pRun = NULL;
		else if (pRun == NULL)
			pRun = p;
		p += nLength;
	}
	if (pRun != NULL)
		Truncate(static_cast<int>(pRun - m_pszData));
	return *this;
}
