// SupportImpl.h - helpers shared by the support library's sources; not part of its interface.
//
// Classes in this file:
//   NoDiskPrompt
#pragma once

#include <qtx/Support.h>

#include <string>

namespace qtxsupport
{

inline bool IsSeparator(char ch)
{
	return ch == '\\' || ch == '/';
}

inline bool IsBlank(char ch)
{
	return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n' || ch == '\v' || ch == '\f';
}

// Compares the character of lengthA bytes at a with the character of
// lengthB bytes at b (NextChar's steps): <0, 0, >0. Ignoring case, a
// character of one byte goes through the case tables and a longer one takes
// the system's lower case when that has as many bytes. Characters order by
// their bytes, the first the most significant, so a double-byte character
// follows every single byte and UTF-8 keeps the order of its code points.
int CompareChars(const char* a, int lengthA, const char* b, int lengthB, bool caseSensitive);

// The length of the character at p, as NextChar steps over it (0 at the
// terminator).
inline int CharLength(const char* p)
{
	return static_cast<int>(StringUtils::NextChar(p) - p);
}

// The start of the last separator (\ or /) of text, -1 when there is none.
int FindLastSeparator(const char* text);

// UTF-16 text in the ANSI code page. False when a character has no exact
// counterpart there (no best-fit substitutes are accepted).
bool Narrow(const wchar_t* text, int length, CString& result);

// The absolute form of a path that the wide file functions accept at any
// length: \\?\C:\... or \\?\UNC\server\share\... once the path is too long
// for the plain form. Empty when the path cannot be resolved.
std::wstring ToFileSystemPath(const CString& path);

// Keeps the system from asking for a disk while a drive is examined.
class NoDiskPrompt
{
public:
	NoDiskPrompt() { ::SetThreadErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX, &m_oldMode); }
	~NoDiskPrompt() { ::SetThreadErrorMode(m_oldMode, NULL); }

private:
	NoDiskPrompt(const NoDiskPrompt&) = delete;
	NoDiskPrompt& operator=(const NoDiskPrompt&) = delete;
	DWORD m_oldMode = 0;
};

} // namespace qtxsupport
