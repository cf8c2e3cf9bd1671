// strw.cpp - CStringW, the wide string, on the storage CString uses.
#include "afxwin.h"
#include "strcore_.h"

#include <string.h>
#include <wchar.h>

typedef CStringCore<wchar_t> Core;

/////////////////////////////////////////////////////////////////////////////
// Construction

CStringW::CStringW() throw()
	: m_pszData(Core::Nil())
{
}

CStringW::CStringW(const CStringW& strSrc)
	: m_pszData(Core::Nil())
{
	Core::Assign(m_pszData, strSrc.m_pszData, strSrc.GetLength());
}

CStringW::CStringW(CStringW&& strSrc) throw()
	: m_pszData(strSrc.m_pszData)
{
	strSrc.m_pszData = Core::Nil();
}

CStringW::CStringW(PCXSTR pszSrc)
	: m_pszData(Core::Nil())
{
	SetString(pszSrc);
}

CStringW::CStringW(PCXSTR pch, int nLength)
	: m_pszData(Core::Nil())
{
	SetString(pch, nLength);
}

CStringW::CStringW(XCHAR ch, int nRepeat)
	: m_pszData(Core::Nil())
{
	if (nRepeat > 0 && Core::Reserve(m_pszData, nRepeat))
	{
		wmemset(m_pszData, ch, nRepeat);
		Core::SetLength(m_pszData, nRepeat);
	}
}

CStringW::CStringW(PCYSTR pszSrc)
	: m_pszData(Core::Nil())
{
	AssignNarrow(pszSrc, CStringCore<char>::Length(pszSrc));
}

CStringW::CStringW(PCYSTR pch, int nLength)
	: m_pszData(Core::Nil())
{
	AssignNarrow(pch, nLength);
}

CStringW::CStringW(const CString& strSrc)
	: m_pszData(Core::Nil())
{
	AssignNarrow(strSrc.GetString(), strSrc.GetLength());
}

CStringW::~CStringW() throw()
{
	Core::Free(m_pszData);
}

void CStringW::AssignNarrow(PCYSTR pch, int nLength)
{
	int cch = pch != NULL && nLength > 0 ? ::MultiByteToWideChar(CP_ACP, 0, pch, nLength, NULL, 0) : 0;
	if (cch <= 0 || !Core::Reserve(m_pszData, cch))
	{
		Empty();
		return;
	}
	::MultiByteToWideChar(CP_ACP, 0, pch, nLength, m_pszData, cch);
	Core::SetLength(m_pszData, cch);
}

/////////////////////////////////////////////////////////////////////////////
// Attributes

CStringW::XCHAR CStringW::GetAt(int iChar) const
{
	if (iChar < 0 || iChar >= GetLength())
		return L'\0';
	return m_pszData[iChar];
}

void CStringW::SetAt(int iChar, XCHAR ch)
{
	if (iChar >= 0 && iChar < GetLength())
		m_pszData[iChar] = ch;
}

/////////////////////////////////////////////////////////////////////////////
// Assignment and concatenation

void CStringW::Empty() throw()
{
	Core::Free(m_pszData);
}

void CStringW::SetString(PCXSTR pszSrc)
{
	Core::Assign(m_pszData, pszSrc, Core::Length(pszSrc));
}

void CStringW::SetString(PCXSTR pszSrc, int nLength)
{
	Core::Assign(m_pszData, pszSrc, nLength);
}

CStringW& CStringW::operator=(const CStringW& strSrc)
{
	if (this != &strSrc)
		Core::Assign(m_pszData, strSrc.m_pszData, strSrc.GetLength());
	return *this;
}

CStringW& CStringW::operator=(CStringW&& strSrc) throw()
{
	if (this != &strSrc)
	{
		Empty();
		m_pszData = strSrc.m_pszData;
		strSrc.m_pszData = Core::Nil();
	}
	return *this;
}

CStringW& CStringW::operator=(PCXSTR pszSrc)
{
	SetString(pszSrc);
	return *this;
}

CStringW& CStringW::operator=(PCYSTR pszSrc)
{
	AssignNarrow(pszSrc, CStringCore<char>::Length(pszSrc));
	return *this;
}

CStringW& CStringW::operator=(const CString& strSrc)
{
	AssignNarrow(strSrc.GetString(), strSrc.GetLength());
	return *this;
}

CStringW& CStringW::operator=(XCHAR ch)
{
	Core::Assign(m_pszData, &ch, 1);
	return *this;
}

CStringW& CStringW::operator+=(const CStringW& str)
{
	Append(str);
	return *this;
}

CStringW& CStringW::operator+=(PCXSTR pszSrc)
{
	Append(pszSrc);
	return *this;
}

CStringW& CStringW::operator+=(PCYSTR pszSrc)
{
	Append(CStringW(pszSrc));
	return *this;
}

CStringW& CStringW::operator+=(XCHAR ch)
{
	AppendChar(ch);
	return *this;
}

void CStringW::Append(PCXSTR pszSrc)
{
	Core::Append(m_pszData, pszSrc, Core::Length(pszSrc));
}

void CStringW::Append(PCXSTR pszSrc, int nLength)
{
	// Stop at a terminator inside the count, as a C string would.
	if (pszSrc != NULL && nLength > 0)
		Core::Append(m_pszData, pszSrc, static_cast<int>(wcsnlen(pszSrc, nLength)));
}

void CStringW::Append(const CStringW& strSrc)
{
	Core::Append(m_pszData, strSrc.m_pszData, strSrc.GetLength());
}

void CStringW::AppendChar(XCHAR ch)
{
	Core::Append(m_pszData, &ch, 1);
}

void CStringW::Truncate(int nNewLength)
{
	if (nNewLength >= 0 && nNewLength < GetLength())
		Core::SetLength(m_pszData, nNewLength);
}

CStringW AFXAPI operator+(const CStringW& str1, const CStringW& str2)
{
	CStringW s;
	s.Preallocate(str1.GetLength() + str2.GetLength());
	s.Append(str1);
	s.Append(str2);
	return s;
}

CStringW AFXAPI operator+(const CStringW& str1, CStringW::PCXSTR psz2)
{
	CStringW s(str1);
	s.Append(psz2);
	return s;
}

CStringW AFXAPI operator+(CStringW::PCXSTR psz1, const CStringW& str2)
{
	CStringW s(psz1);
	s.Append(str2);
	return s;
}

/////////////////////////////////////////////////////////////////////////////
// Comparison, searching and extraction

int CStringW::Compare(PCXSTR psz) const
{
	return wcscmp(m_pszData, psz != NULL ? psz : L"");
}

int CStringW::CompareNoCase(PCXSTR psz) const throw()
{
	return _wcsicmp(m_pszData, psz != NULL ? psz : L"");
}

int CStringW::Find(PCXSTR pszSub, int iStart) const throw()
{
	if (pszSub == NULL || iStart < 0 || iStart > GetLength())
		return -1;
	const wchar_t* p = wcsstr(m_pszData + iStart, pszSub);
	return p == NULL ? -1 : static_cast<int>(p - m_pszData);
}

int CStringW::Find(XCHAR ch, int iStart) const throw()
{
	if (iStart < 0 || iStart >= GetLength())
		return -1;
	const wchar_t* p = wcschr(m_pszData + iStart, ch);
	return p == NULL ? -1 : static_cast<int>(p - m_pszData);
}

int CStringW::ReverseFind(XCHAR ch) const throw()
{
	const wchar_t* p = wcsrchr(m_pszData, ch);
	return p == NULL ? -1 : static_cast<int>(p - m_pszData);
}

CStringW CStringW::Left(int nCount) const
{
	return Mid(0, nCount);
}

CStringW CStringW::Mid(int iFirst) const
{
	return Mid(iFirst, GetLength());
}

CStringW CStringW::Mid(int iFirst, int nCount) const
{
	AfxClampStringRange(GetLength(), iFirst, nCount);
	return CStringW(m_pszData + iFirst, nCount);
}

CStringW CStringW::Right(int nCount) const
{
	if (nCount < 0)
		nCount = 0;
	return Mid(GetLength() - nCount, nCount);
}

/////////////////////////////////////////////////////////////////////////////
// Formatting, resources and buffer access

void CStringW::FormatV(PCXSTR pszFormat, va_list args)
{
	// Into a new buffer: the arguments may point into this string.
	PXSTR pszResult = Core::Nil();
	Core::AppendFormatV(pszResult, pszFormat, args);
	Core::Free(m_pszData);
	m_pszData = pszResult;
}

void CStringW::AppendFormatV(PCXSTR pszFormat, va_list args)
{
	Core::AppendFormatV(m_pszData, pszFormat, args);
}

void AFX_CDECL CStringW::Format(PCXSTR pszFormat, ...)
{
	va_list args;
	va_start(args, pszFormat);
	FormatV(pszFormat, args);
	va_end(args);
}

void AFX_CDECL CStringW::AppendFormat(PCXSTR pszFormat, ...)
{
	va_list args;
	va_start(args, pszFormat);
	AppendFormatV(pszFormat, args);
	va_end(args);
}

BOOL CStringW::LoadString(UINT nID)
{
	// With a zero buffer size LoadStringW hands out the resource's own text.
	HINSTANCE hInst = AfxFindStringResourceHandle(nID);
	const wchar_t* pszRes = NULL;
	int nLength = hInst != NULL ? ::LoadStringW(hInst, nID, reinterpret_cast<LPWSTR>(&pszRes), 0) : 0;
	if (nLength <= 0 || pszRes == NULL)
		return FALSE;
	SetString(pszRes, nLength);
	return TRUE;
}

CStringW::PXSTR CStringW::GetBuffer()
{
	return GetBuffer(0);
}

CStringW::PXSTR CStringW::GetBuffer(int nMinBufferLength)
{
	return Core::GetBuffer(m_pszData, nMinBufferLength);
}

CStringW::PXSTR CStringW::GetBufferSetLength(int nLength)
{
	return Core::GetBufferSetLength(m_pszData, nLength);
}

void CStringW::ReleaseBuffer(int nNewLength)
{
	Core::ReleaseBuffer(m_pszData, nNewLength);
}

void CStringW::Preallocate(int nLength)
{
	Core::Reserve(m_pszData, nLength);
}
