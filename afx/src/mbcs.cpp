// mbcs.cpp - character boundaries and case of the ANSI code page for the framework's narrow text.
//
// Classes in this file:
//   CodePage
#include "mbcs_.h"

#include <ctype.h>
#include <string.h>

namespace
{

// What the walks need to know of the ANSI code page, read once at load.
struct CodePage
{
	CodePage()
	{
		const UINT nCodePage = ::GetACP();
		bUtf8 = nCodePage == CP_UTF8;
		for (int i = 0; i < 256; ++i)
		{
			bLead[i] = bUtf8 ? (i >= 0xC2 && i <= 0xF4)
							 : ::IsDBCSLeadByteEx(nCodePage, static_cast<BYTE>(i)) != FALSE;
		}
		CPINFO info = {};
		nMaxPerUnit = bUtf8 ? 3 : ::GetCPInfo(nCodePage, &info) && info.MaxCharSize > 1 ? 2 : 1;
	}

	bool bUtf8;
	bool bLead[256];
	int nMaxPerUnit;
} g_codePage;

bool IsContinuation(BYTE ch)
{
	return (ch & 0xC0) == 0x80;
}

// Bytes of the well-formed UTF-8 character at p, 1 when the bytes there are
// not one (overlong forms, surrogates and values past U+10FFFF included).
int Utf8Length(const BYTE* p)
{
	const BYTE lead = p[0];
	if (lead < 0xC2 || lead > 0xF4)
		return 1;
	const int nLength = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
	BYTE low = 0x80, high = 0xBF;
	if (lead == 0xE0)
		low = 0xA0;
	else if (lead == 0xED)
		high = 0x9F;
	else if (lead == 0xF0)
		low = 0x90;
	else if (lead == 0xF4)
		high = 0x8F;
	if (p[1] < low || p[1] > high)
		return 1;
	for (int i = 2; i < nLength; ++i)
	{
		if (!IsContinuation(p[i]))
			return 1;
	}
	return nLength;
}

// The other case of a character of several bytes, through UTF-16.
void MapCase(char* pch, int nLength, bool bUpper)
{
	WCHAR wsz[2];
	const int nUnits = ::MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, pch, nLength, wsz, 2);
	if (nUnits <= 0)
		return;
	if (bUpper)
		::CharUpperBuffW(wsz, nUnits);
	else
		::CharLowerBuffW(wsz, nUnits);
	char sz[8];
	BOOL bDefault = FALSE;
	const int nBytes = ::WideCharToMultiByte(CP_ACP, g_codePage.bUtf8 ? 0 : WC_NO_BEST_FIT_CHARS, wsz, nUnits,
		sz, sizeof(sz), NULL, g_codePage.bUtf8 ? NULL : &bDefault);
	if (nBytes == nLength && !bDefault)
		memcpy(pch, sz, nLength);
}

// The lower-case character at psz as one number that orders as _mbsicmp
// orders characters: its bytes, the first the most significant.
unsigned int FoldedCode(const char* psz, int nLength)
{
	char sz[4];
	memcpy(sz, psz, nLength);
	AfxCharLower(sz, nLength);
	unsigned int nCode = 0;
	for (int i = 0; i < nLength; ++i)
		nCode = (nCode << 8) | static_cast<BYTE>(sz[i]);
	return nCode;
}

} // namespace

bool AfxIsLeadByte(BYTE ch) throw()
{
	return g_codePage.bLead[ch];
}

int AfxCharLength(const char* psz) throw()
{
	const BYTE* p = reinterpret_cast<const BYTE*>(psz);
	if (!g_codePage.bLead[*p])
		return 1;
	if (g_codePage.bUtf8)
		return Utf8Length(p);
	return p[1] != 0 ? 2 : 1;
}

const char* AfxCharPrev(const char* pszStart, const char* psz) throw()
{
	if (psz - pszStart <= 1)
		return pszStart;
	const BYTE* pFirst = reinterpret_cast<const BYTE*>(pszStart);
	const BYTE* pEnd = reinterpret_cast<const BYTE*>(psz);
	if (g_codePage.bUtf8)
	{
		// Back over at most three continuation bytes to a lead byte whose
		// character ends exactly here; anything else is a stray byte.
		const BYTE* p = pEnd - 1;
		while (p > pFirst && pEnd - p < 4 && IsContinuation(*p))
			--p;
		if (p != pEnd - 1 && g_codePage.bLead[*p] && p + Utf8Length(p) == pEnd)
			return reinterpret_cast<const char*>(p);
		return psz - 1;
	}
	// A byte that cannot lead ends a character, so characters pair up from
	// just after the last such byte before psz - 1.
	const BYTE* p = pEnd - 2;
	while (p >= pFirst && g_codePage.bLead[*p])
		--p;
	return ((pEnd - 2 - p) & 1) ? psz - 2 : psz - 1;
}

int AfxMaxBytesPerUnit() throw()
{
	return g_codePage.nMaxPerUnit;
}

void AfxCharUpper(char* pch, int nLength) throw()
{
	if (nLength == 1)
		*pch = static_cast<char>(toupper(static_cast<BYTE>(*pch)));
	else
		MapCase(pch, nLength, true);
}

void AfxCharLower(char* pch, int nLength) throw()
{
	if (nLength == 1)
		*pch = static_cast<char>(tolower(static_cast<BYTE>(*pch)));
	else
		MapCase(pch, nLength, false);
}

const char* AfxFindChar(const char* psz, char ch) throw()
{
	for (;; psz = AfxCharNext(psz))
	{
		const int nLength = AfxCharLength(psz);
		if (nLength == 1 && *psz == ch)
			return psz;
		if (*psz == '\0')
			return NULL;
	}
}

bool AfxIsCharInSet(const char* pch, int nLength, const char* pszSet) throw()
{
	for (const char* p = pszSet; *p != '\0'; p = AfxCharNext(p))
	{
		if (AfxCharLength(p) == nLength && memcmp(p, pch, nLength) == 0)
			return true;
	}
	return false;
}

int AfxCompareNoCase(const char* psz1, const char* psz2) throw()
{
	for (;;)
	{
		const int n1 = AfxCharLength(psz1), n2 = AfxCharLength(psz2);
		const unsigned int c1 = FoldedCode(psz1, n1), c2 = FoldedCode(psz2, n2);
		if (c1 != c2)
			return c1 < c2 ? -1 : 1;
		if (c1 == 0)
			return 0;
		psz1 += n1;
		psz2 += n2;
	}
}
