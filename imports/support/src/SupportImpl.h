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
