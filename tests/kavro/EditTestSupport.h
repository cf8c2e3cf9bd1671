// EditTestSupport.h - clipboard and popup-menu helpers shared by the edit tests.
//
// Classes in this file:
//   ClipboardHolder
#pragma once

#include <kavrotest/TestSupport.h>

#include <string>
#include <thread>

namespace et
{

// Puts text on the clipboard, or empties it when text is NULL.
inline void SetClipboardText(const char* text)
{
	ASSERT_TRUE(::OpenClipboard(NULL));
	::EmptyClipboard();
	if (text != NULL)
	{
		const size_t n = strlen(text) + 1;
		HGLOBAL hMem = ::GlobalAlloc(GMEM_MOVEABLE, n);
		memcpy(::GlobalLock(hMem), text, n);
		::GlobalUnlock(hMem);
		::SetClipboardData(CF_TEXT, hMem);
	}
	::CloseClipboard();
}

// The clipboard's text, empty when it has none.
inline std::string ClipboardText()
{
	std::string text;
	if (!::OpenClipboard(NULL))
		return text;
	if (HANDLE hData = ::GetClipboardData(CF_TEXT))
	{
		text = static_cast<const char*>(::GlobalLock(hData));
		::GlobalUnlock(hData);
	}
	::CloseClipboard();
	return text;
}

// Puts only a bitmap on the clipboard: data that is not text.
inline void SetClipboardBitmap()
{
	ASSERT_TRUE(::OpenClipboard(NULL));
	::EmptyClipboard();
	HDC hdc = ::GetDC(NULL);
	::SetClipboardData(CF_BITMAP, ::CreateCompatibleBitmap(hdc, 4, 4));
	::ReleaseDC(NULL, hdc);
	::CloseClipboard();
}

// Holds the clipboard open from another thread for its lifetime, as another
// program might.
class ClipboardHolder
{
public:
	ClipboardHolder()
		: m_thread(
			  [this]
			  {
				  HWND hWnd = ::CreateWindowExA(0, "STATIC", "", 0, 0, 0, 1, 1, NULL, NULL, NULL, NULL);
				  m_bOpen = ::OpenClipboard(hWnd) != FALSE;
				  ::SetEvent(m_hOpened);
				  ::WaitForSingleObject(m_hRelease, INFINITE);
				  if (m_bOpen)
					  ::CloseClipboard();
				  ::DestroyWindow(hWnd);
			  })
	{
		::WaitForSingleObject(m_hOpened, INFINITE);
	}
	~ClipboardHolder()
	{
		::SetEvent(m_hRelease);
		m_thread.join();
		::CloseHandle(m_hOpened);
		::CloseHandle(m_hRelease);
	}
	bool IsOpen() const { return m_bOpen; }

private:
	HANDLE m_hOpened = ::CreateEventA(NULL, TRUE, FALSE, NULL);
	HANDLE m_hRelease = ::CreateEventA(NULL, TRUE, FALSE, NULL);
	bool m_bOpen = false;
	std::thread m_thread;
};

// The last popup the answer saw, one letter per item: U undo, C copy, T cut,
// D delete, P paste, A select all, '-' a separator; lower case when greyed.
inline std::string MenuLetters(const kt::MenuAnswer& answer)
{
	if (answer.Popups().empty())
		return "(none)";
	std::string letters;
	for (const kt::MenuAnswer::Item& item : answer.Popups().back())
	{
		char c = '?';
		switch (item.id)
		{
		case WM_UNDO:
			c = 'U';
			break;
		case WM_COPY:
			c = 'C';
			break;
		case WM_CUT:
			c = 'T';
			break;
		case WM_CLEAR:
			c = 'D';
			break;
		case WM_PASTE:
			c = 'P';
			break;
		case 0x7400:
			c = 'A';
			break;
		}
		if (item.type & MFT_SEPARATOR)
			c = '-';
		else if (item.state & MFS_GRAYED)
			c = static_cast<char>(c - 'A' + 'a');
		letters += c;
	}
	return letters;
}

// Opens a window's context menu from the keyboard (the point -1, -1) and lets
// the answer close it or press its keys.
inline void OpenMenuFromKeyboard(HWND hWnd)
{
	::PostMessageA(hWnd, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(hWnd), MAKELPARAM(-1, -1));
	kt::PumpPending();
}

// One mouse message at the point (client coordinates), posted and handled.
inline void Click(HWND hWnd, UINT message, POINT pt)
{
	::PostMessageA(hWnd, message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
	kt::PumpPending();
}
// A double click as the system delivers it: down, up, double click, up.
inline void DoubleClick(HWND hWnd, POINT pt)
{
	for (UINT message : { WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP })
		Click(hWnd, message, pt);
}

} // namespace et
