// ClipboardUtils.cpp - text and file lists on the clipboard.
//
// Classes in this file:
//   ClipboardScope, GlobalView
#include "SupportImpl.h"

#include <shlobj.h>
#include <oleidl.h>
#include <string.h>
#include <wchar.h>

using namespace qtxsupport;

namespace
{

const DWORD kOpenTimeoutMs = 100;
const DWORD kOpenRetryMs = 10;

// Opens the clipboard for the duration of a scope. Another window may hold it
// open for a moment, so opening is retried briefly before giving up.
class ClipboardScope
{
public:
	explicit ClipboardScope(HWND hOwner = NULL)
		: m_bOpen(false)
	{
		DWORD start = ::GetTickCount();
		for (;;)
		{
			if (::OpenClipboard(hOwner))
			{
				m_bOpen = true;
				break;
			}
			if (::GetTickCount() - start >= kOpenTimeoutMs)
				break;
			::Sleep(kOpenRetryMs);
		}
	}
	~ClipboardScope()
	{
		if (m_bOpen)
			::CloseClipboard();
	}
	bool IsOpen() const { return m_bOpen; }

private:
	ClipboardScope(const ClipboardScope&) = delete;
	ClipboardScope& operator=(const ClipboardScope&) = delete;
	bool m_bOpen;
};

// Reads a global memory block of the clipboard without trusting its content.
class GlobalView
{
public:
	explicit GlobalView(HANDLE hData)
		: m_hData(hData)
		, m_pData(NULL)
		, m_size(0)
	{
		if (m_hData != NULL)
		{
			m_pData = static_cast<const BYTE*>(::GlobalLock(m_hData));
			if (m_pData != NULL)
				m_size = ::GlobalSize(m_hData);
		}
	}
	~GlobalView()
	{
		if (m_pData != NULL)
			::GlobalUnlock(m_hData);
	}
	const BYTE* Data() const { return m_pData; }
	SIZE_T Size() const { return m_pData != NULL ? m_size : 0; }

private:
	GlobalView(const GlobalView&) = delete;
	GlobalView& operator=(const GlobalView&) = delete;
	HANDLE m_hData;
	const BYTE* m_pData;
	SIZE_T m_size;
};

// A movable global block holding a copy of bytes; NULL when memory runs out.
HGLOBAL NewBlock(const void* data, SIZE_T bytes)
{
	HGLOBAL hData = ::GlobalAlloc(GMEM_MOVEABLE, bytes);
	void* pData = hData != NULL ? ::GlobalLock(hData) : NULL;
	if (pData == NULL)
	{
		if (hData != NULL)
			::GlobalFree(hData);
		return NULL;
	}
	memcpy(pData, data, bytes);
	::GlobalUnlock(hData);
	return hData;
}

// The clipboard's text in the ANSI code page, read from the wide form when
// there is one: the system makes the narrow form with the code page of the
// clipboard's locale, which loses every character of a UTF-8 or double-byte
// process that the locale's code page lacks. The blocks need not be
// terminated; nothing past them is read. False when there is no text.
bool ReadClipboardText(CString& text)
{
	GlobalView wide(::GetClipboardData(CF_UNICODETEXT));
	if (wide.Data() != NULL)
	{
		const wchar_t* chars = reinterpret_cast<const wchar_t*>(wide.Data());
		const SIZE_T count = wcsnlen(chars, wide.Size() / sizeof(wchar_t));
		if (count > INT_MAX / 4)
			return false;
		text = CString(chars, static_cast<int>(count));
		return true;
	}
	GlobalView narrow(::GetClipboardData(CF_TEXT));
	if (narrow.Data() == NULL)
		return false;
	const char* chars = reinterpret_cast<const char*>(narrow.Data());
	const void* nul = memchr(chars, '\0', narrow.Size());
	SIZE_T length = nul != NULL ? static_cast<const char*>(nul) - chars : narrow.Size();
	if (length > INT_MAX)
		return false;
	text.SetString(chars, static_cast<int>(length));
	return true;
}

// Splits text into lines; a line break at the very end opens no new line.
void SplitLines(const CString& text, const CString& emptyLine, TextArray& list)
{
	const char* p = text.GetString();
	while (*p)
	{
		const char* end = p;
		while (*end && *end != '\r' && *end != '\n')
			++end;
		CString line(p, static_cast<int>(end - p));
		list.Add(line.IsEmpty() ? emptyLine : line);
		if (*end == '\r' && end[1] == '\n')
			end += 2;
		else if (*end)
			++end;
		p = end;
	}
}

// Reads the names of a DROPFILES block. Every name and the list itself must
// end inside the block; otherwise the block is damaged and nothing is read.
template <typename Char>
bool ReadFileNames(const BYTE* names, SIZE_T bytes, TextArray& list)
{
	const SIZE_T count = bytes / sizeof(Char);
	SIZE_T pos = 0;
	for (;;)
	{
		SIZE_T start = pos;
		Char ch = 0;
		while (pos < count)
		{
			memcpy(&ch, names + pos * sizeof(Char), sizeof(Char));
			if (ch == 0)
				break;
			++pos;
		}
		if (pos >= count)
			return false;
		if (pos == start)
			return true;

		CString name;
		const Char* first = reinterpret_cast<const Char*>(names + start * sizeof(Char));
		if (sizeof(Char) == sizeof(wchar_t))
		{
			std::wstring wide(pos - start, L'\0');
			memcpy(&wide[0], first, (pos - start) * sizeof(wchar_t));
			if (Narrow(wide.c_str(), static_cast<int>(wide.size()), name))
				list.Add(name);
		}
		else
		{
			list.Add(CString(reinterpret_cast<const char*>(first), static_cast<int>(pos - start)));
		}
		++pos;
	}
}

bool ParseDropFiles(const BYTE* data, SIZE_T size, TextArray& list)
{
	if (data == NULL || size < sizeof(DROPFILES))
		return false;
	DROPFILES header;
	memcpy(&header, data, sizeof(header));
	if (header.pFiles < sizeof(DROPFILES) || header.pFiles >= size)
		return false;
	const BYTE* names = data + header.pFiles;
	SIZE_T bytes = size - header.pFiles;
	bool ok =
		header.fWide ? ReadFileNames<wchar_t>(names, bytes, list) : ReadFileNames<char>(names, bytes, list);
	if (!ok)
		list.RemoveAll();
	return ok;
}

} // namespace

bool ClipboardUtils::CopyTextToClipboard(const CString& text)
{
	SIZE_T bytes = static_cast<SIZE_T>(text.GetLength()) + 1;
	HGLOBAL hData = NewBlock(text.GetString(), bytes);
	if (hData == NULL)
		return false;
	// The wide form too: the system would make it from the narrow one with
	// the code page of the keyboard's locale, which in a UTF-8 or
	// double-byte process is not the code page of the text.
	const std::wstring wide = StringUtils::ToWide(text);
	HGLOBAL hWide = NewBlock(wide.c_str(), (wide.size() + 1) * sizeof(wchar_t));

	// Emptying the clipboard makes the opening window its owner, and data can
	// only be set with an owner; a message-only window of our own serves.
	HWND hOwner = ::CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, NULL, NULL, NULL);
	bool done = false;
	{
		ClipboardScope clipboard(hOwner);
		if (clipboard.IsOpen() && ::EmptyClipboard())
		{
			done = ::SetClipboardData(CF_TEXT, hData) != NULL;
			if (done && hWide != NULL && ::SetClipboardData(CF_UNICODETEXT, hWide) != NULL)
				hWide = NULL;
		}
	}
	if (!done)
		::GlobalFree(hData);
	if (hWide != NULL)
		::GlobalFree(hWide);
	if (hOwner != NULL)
		::DestroyWindow(hOwner);
	return done;
}

bool ClipboardUtils::ParseClipboardText(TextArray& list, const CString& emptyLine)
{
	list.RemoveAll();
	CString text;
	{
		ClipboardScope clipboard;
		if (!clipboard.IsOpen() || !ReadClipboardText(text))
			return false;
	}
	SplitLines(text, emptyLine, list);
	return true;
}

bool ClipboardUtils::ParseClipboardFilesList(TextArray& list, bool& copy, bool& link)
{
	list.RemoveAll();
	copy = true;
	link = false;

	ClipboardScope clipboard;
	if (!clipboard.IsOpen())
		return false;

	bool ok = false;
	try
	{
		GlobalView files(::GetClipboardData(CF_HDROP));
		ok = ParseDropFiles(files.Data(), files.Size(), list);
	}
	catch (...)
	{
		list.RemoveAll();
		ok = false;
	}
	if (!ok)
		return false;

	UINT effectFormat = ::RegisterClipboardFormatA(CFSTR_PREFERREDDROPEFFECT);
	GlobalView effect(effectFormat != 0 ? ::GetClipboardData(effectFormat) : NULL);
	if (effect.Size() >= sizeof(DWORD))
	{
		DWORD value = 0;
		memcpy(&value, effect.Data(), sizeof(value));
		copy = (value & DROPEFFECT_COPY) != 0;
		link = (value & DROPEFFECT_LINK) != 0;
	}
	return !list.IsEmpty();
}
