// mbcs_.h - characters of the ANSI code page in narrow text (internal to kavroafx.dll).
//
// Every walk of the framework through narrow text steps a character at a
// time with these, as MFC's multi-byte build steps with the C runtime's
// _mbsinc: a double-byte character (code pages 932, 936, 949, 950, ...) and a
// UTF-8 sequence (code page 65001) are one character. Bytes that do not make
// a whole character (a lead byte before the terminator, a UTF-8 sequence cut
// short or malformed, a stray continuation byte) are one character each, so a
// walk never passes the terminator. The code page is read once, when the DLL
// loads.
#pragma once

#include <windows.h>

// True when ch can begin a character of more than one byte.
bool AfxIsLeadByte(BYTE ch) throw();
// Bytes of the character at psz, 1 to 4; the terminator counts as one.
int AfxCharLength(const char* psz) throw();
inline const char* AfxCharNext(const char* psz) throw()
{
	return psz + AfxCharLength(psz);
}
inline char* AfxCharNext(char* psz) throw()
{
	return psz + AfxCharLength(psz);
}
// The start of the character that ends just before psz; pszStart when psz
// is at or before it.
const char* AfxCharPrev(const char* pszStart, const char* psz) throw();
// The most bytes that one UTF-16 unit of text takes in the code page (1 to 3).
int AfxMaxBytesPerUnit() throw();

// Upper or lower case of the character of nLength bytes at pch, in place. A
// single byte follows the C runtime's current locale, as _mbsupr does (the
// default "C" locale maps A-Z only); a character of more bytes takes the
// system's case of the character when that has the same number of bytes, and
// stays as it is otherwise, so the text never changes length.
void AfxCharUpper(char* pch, int nLength) throw();
void AfxCharLower(char* pch, int nLength) throw();

// The position of character ch (a character of one byte) in psz at or after
// psz, stopping at the terminator; NULL when there is none. ch == '\0'
// finds the terminator.
const char* AfxFindChar(const char* psz, char ch) throw();
// Whether the character of nLength bytes at pch is one of the characters of
// pszSet.
bool AfxIsCharInSet(const char* pch, int nLength, const char* pszSet) throw();
// Compares two strings character by character after taking each character
// to lower case (_mbsicmp): <0, 0, >0.
int AfxCompareNoCase(const char* psz1, const char* psz2) throw();
