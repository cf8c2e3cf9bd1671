// ClipboardTest.cpp - text and file lists on the real clipboard, damaged lists, a clipboard held open.
#include <kavrotest/TestSupport.h>

#include "SupportTestUtil.h"

#include <shlobj.h>

#include <thread>

namespace
{

// A DROPFILES block: the header, then the names, each ending with a zero,
// then the zero that ends the list.
template <typename Char>
std::vector<BYTE> DropBlock(const std::vector<std::basic_string<Char>>& names, bool finalZero = true)
{
	std::basic_string<Char> list;
	for (const auto& name : names)
		list += name + Char(0);
	if (finalZero)
		list += Char(0);
	std::vector<BYTE> block(sizeof(DROPFILES) + list.size() * sizeof(Char));
	DROPFILES header = { sizeof(DROPFILES), {}, FALSE, sizeof(Char) == sizeof(wchar_t) };
	memcpy(block.data(), &header, sizeof(header));
	memcpy(block.data() + sizeof(header), list.data(), list.size() * sizeof(Char));
	return block;
}

// Puts a file list on the clipboard, alone or with the drop effect that Copy,
// Cut or a link gave it, the way another application would.
bool PutFiles(const std::vector<BYTE>& block, const DWORD* effect = NULL)
{
	auto put = [](UINT format, const void* data, size_t size)
	{
		HGLOBAL hData = ::GlobalAlloc(GMEM_MOVEABLE, size);
		memcpy(::GlobalLock(hData), data, size);
		::GlobalUnlock(hData);
		return ::SetClipboardData(format, hData) != NULL;
	};
	HWND hWnd = ::CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, NULL, NULL, NULL);
	bool ok = ::OpenClipboard(hWnd) && ::EmptyClipboard() && put(CF_HDROP, block.data(), block.size()) &&
			  (effect == NULL ||
				  put(::RegisterClipboardFormatA(CFSTR_PREFERREDDROPEFFECT), effect, sizeof(*effect)));
	::CloseClipboard();
	::DestroyWindow(hWnd);
	return ok;
}

// The clipboard's lines or file list, joined; the file list ends with ":"
// and "c" for copy and "l" for link. "none" when there is no such content.
std::string ReadText()
{
	TextArray list = Split("stale");
	return ClipboardUtils::ParseClipboardText(list, "~") ? Joined(list) : "none" + Joined(list);
}

std::string ReadFiles()
{
	TextArray list = Split("stale");
	bool copy = false, link = true;
	if (!ClipboardUtils::ParseClipboardFilesList(list, copy, link))
		return "none" + Joined(list);
	return Joined(list) + ":" + (copy ? "c" : "") + (link ? "l" : "");
}

} // namespace

TEST(Clipboard, TextGoesOnAndComesBackAsLines)
{
	ASSERT_TRUE(ClipboardUtils::CopyTextToClipboard("first\r\nsecond\n\nfourth\rfifth\r\n"));

	// Read it back independently of the library.
	ASSERT_TRUE(::OpenClipboard(NULL));
	HANDLE hText = ::GetClipboardData(CF_TEXT);
	const char* raw = static_cast<const char*>(::GlobalLock(hText));
	std::string copied = raw != NULL ? raw : "";
	::GlobalUnlock(hText);
	::CloseClipboard();
	EXPECT_EQ(copied, "first\r\nsecond\n\nfourth\rfifth\r\n");

	EXPECT_EQ(ReadText(), "first|second|~|fourth|fifth");
	ASSERT_TRUE(ClipboardUtils::CopyTextToClipboard(""));
	EXPECT_EQ(ReadText(), "");
}

TEST(Clipboard, FileListsWithTheirDropEffect)
{
	const std::vector<BYTE> block = DropBlock<wchar_t>({ L"C:\\data\\one.txt", L"C:\\data\\two dir" });
	// Without a drop effect a list is copied; Cut moves it.
	const std::pair<DWORD, const char*> effects[] = { { DWORD(-1), "c" }, { DROPEFFECT_COPY, "c" },
		{ DROPEFFECT_MOVE, "" }, { DROPEFFECT_LINK, "l" }, { DROPEFFECT_COPY | DROPEFFECT_LINK, "cl" } };
	for (const auto& e : effects)
	{
		ASSERT_TRUE(PutFiles(block, e.first == DWORD(-1) ? NULL : &e.first));
		EXPECT_EQ(ReadFiles(), std::string("C:\\data\\one.txt|C:\\data\\two dir:") + e.second);
	}
	ASSERT_TRUE(PutFiles(DropBlock<char>({ "D:\\narrow.bin" })));
	EXPECT_EQ(ReadFiles(), "D:\\narrow.bin:c");
	if (::GetACP() == 1252)
	{
		ASSERT_TRUE(PutFiles(DropBlock<wchar_t>({ L"C:\\caf\u00E9.txt", L"C:\\\u03A9.txt" })));
		EXPECT_EQ(ReadFiles(), "C:\\caf\xE9.txt:c");
	}
}

TEST(Clipboard, DamagedFileListsGiveNothing)
{
	std::vector<BYTE> good = DropBlock<wchar_t>({ L"C:\\a.txt", L"C:\\b.txt" });
	std::vector<BYTE> tooShort(good.begin(), good.begin() + 8);
	std::vector<BYTE> offsetOutside = good, offsetInHeader = good;
	reinterpret_cast<DROPFILES*>(offsetOutside.data())->pFiles = static_cast<DWORD>(good.size() + 40);
	reinterpret_cast<DROPFILES*>(offsetInHeader.data())->pFiles = 4;
	std::vector<BYTE> noListEnd = DropBlock<wchar_t>({ L"C:\\a.txt", L"C:\\b.txt" }, false);
	// The last name runs to the end of the block without its zero.
	std::vector<BYTE> noNameEnd(good.begin(), good.end() - 2 * sizeof(wchar_t));
	std::vector<BYTE> narrowNoEnd = DropBlock<char>({ "C:\\abcdefg" }, false);
	narrowNoEnd.pop_back();
	for (const std::vector<BYTE>* block :
		{ &tooShort, &offsetOutside, &offsetInHeader, &noListEnd, &noNameEnd, &narrowNoEnd })
	{
		ASSERT_TRUE(PutFiles(*block));
		EXPECT_EQ(ReadFiles(), "none") << block->size();
	}

	// With text on the clipboard there is no file list, and with a file list no text.
	ASSERT_TRUE(ClipboardUtils::CopyTextToClipboard("C:\\a.txt"));
	EXPECT_EQ(ReadFiles(), "none");
	ASSERT_TRUE(PutFiles(good));
	EXPECT_EQ(ReadText(), "none");
}

TEST(Clipboard, HeldOpenElsewhereFailsQuickly)
{
	ASSERT_TRUE(ClipboardUtils::CopyTextToClipboard("before"));
	HANDLE opened = ::CreateEventA(NULL, TRUE, FALSE, NULL);
	HANDLE release = ::CreateEventA(NULL, TRUE, FALSE, NULL);
	std::thread holder(
		[&]
		{
			HWND hWnd = ::CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, NULL, NULL, NULL);
			BOOL open = ::OpenClipboard(hWnd);
			::SetEvent(opened);
			::WaitForSingleObject(release, 10000);
			if (open)
				::CloseClipboard();
			::DestroyWindow(hWnd);
		});
	ASSERT_EQ(::WaitForSingleObject(opened, 5000), WAIT_OBJECT_0);
	const DWORD start = ::GetTickCount();
	EXPECT_EQ(ReadText(), "none");
	EXPECT_EQ(ReadFiles(), "none");
	EXPECT_FALSE(ClipboardUtils::CopyTextToClipboard("during"));
	EXPECT_LT(::GetTickCount() - start, 1500u);

	::SetEvent(release);
	holder.join();
	::CloseHandle(opened);
	::CloseHandle(release);
	EXPECT_EQ(ReadText(), "before");
}

// Text of the process code page goes on in both forms and comes back whole,
// and text another program put on only in its wide form is read from that.
TEST(Clipboard, InternationalTextKeepsItsCharacters)
{
	const wchar_t* const kText = ::GetACP() == CP_UTF8 ? L"表|ポ\r\nΣ😀" : L"表|ポ\r\nΣ";
	if (!kt::IsAnsi(kText))
		GTEST_SKIP() << "code page " << ::GetACP() << " has no Japanese or Greek letters";
	ASSERT_TRUE(ClipboardUtils::CopyTextToClipboard(kt::Ansi(kText)));
	ASSERT_TRUE(::OpenClipboard(NULL));
	const wchar_t* wide = static_cast<const wchar_t*>(::GlobalLock(::GetClipboardData(CF_UNICODETEXT)));
	EXPECT_STREQ(wide, kText);
	::GlobalUnlock(::GetClipboardData(CF_UNICODETEXT));
	::CloseClipboard();
	TextArray list;
	ASSERT_TRUE(ClipboardUtils::ParseClipboardText(list, "~"));
	ASSERT_EQ(list.GetCount(), 2);
	EXPECT_EQ(list.GetCopyAt(0), kt::Ansi(L"表|ポ"));
	EXPECT_EQ(list.GetCopyAt(1), kt::Ansi(kText + 5));

	HWND hWnd = ::CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, NULL, NULL, NULL);
	ASSERT_TRUE(::OpenClipboard(hWnd) && ::EmptyClipboard());
	const size_t bytes = (wcslen(kText) + 1) * sizeof(wchar_t);
	HGLOBAL hData = ::GlobalAlloc(GMEM_MOVEABLE, bytes);
	memcpy(::GlobalLock(hData), kText, bytes);
	::GlobalUnlock(hData);
	EXPECT_TRUE(::SetClipboardData(CF_UNICODETEXT, hData) != NULL);
	::CloseClipboard();
	::DestroyWindow(hWnd);
	ASSERT_TRUE(ClipboardUtils::ParseClipboardText(list, "~"));
	EXPECT_EQ(Joined(list), std::string(kt::Ansi(L"表|ポ")) + "|" + std::string(kt::Ansi(kText + 5)));
}
