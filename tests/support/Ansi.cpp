// Ansi.cpp - test strings in the ANSI code page of the process, made at run time from wide text.
#include <kavrotest/TestSupport.h>

namespace kt
{

bool TryAnsi(const wchar_t* text, CString& result)
{
	result.Empty();
	const int length = text != NULL ? static_cast<int>(wcslen(text)) : 0;
	if (length == 0)
		return true;
	// UTF-8 holds every character and takes neither the flag nor the question.
	const bool utf8 = ::GetACP() == CP_UTF8;
	const DWORD flags = utf8 ? 0 : WC_NO_BEST_FIT_CHARS;
	BOOL usedDefault = FALSE;
	const int count =
		::WideCharToMultiByte(CP_ACP, flags, text, length, NULL, 0, NULL, utf8 ? NULL : &usedDefault);
	if (count <= 0 || usedDefault)
		return false;
	::WideCharToMultiByte(CP_ACP, flags, text, length, result.GetBuffer(count), count, NULL, NULL);
	result.ReleaseBuffer(count);
	return true;
}

bool IsAnsi(const wchar_t* text)
{
	CString ignored;
	return TryAnsi(text, ignored);
}

CString Ansi(const wchar_t* text)
{
	CString result;
	if (!TryAnsi(text, result))
		ADD_FAILURE() << "a test string has a character that code page " << ::GetACP() << " lacks";
	return result;
}

} // namespace kt
