// Text and file lists on the real clipboard, including damaged file lists and
// a clipboard that another thread holds open.
#include <kavrotest/TestSupport.h>

#include "SupportTestUtil.h"

#include <shlobj.h>

#include <thread>

namespace {

// Puts raw blocks on the clipboard, the way another application would.
class ClipboardWriter
{
public:
    ClipboardWriter()
        : m_hWnd(::CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, NULL, NULL, NULL))
    {
        m_bOpen = ::OpenClipboard(m_hWnd) && ::EmptyClipboard();
    }
    ~ClipboardWriter()
    {
        if (m_bOpen)
            ::CloseClipboard();
        ::DestroyWindow(m_hWnd);
    }
    bool Put(UINT format, const void* data, size_t size)
    {
        HGLOBAL hData = ::GlobalAlloc(GMEM_MOVEABLE, size);
        if (hData == NULL)
            return false;
        memcpy(::GlobalLock(hData), data, size);
        ::GlobalUnlock(hData);
        if (m_bOpen && ::SetClipboardData(format, hData))
            return true;
        ::GlobalFree(hData);
        return false;
    }
    bool PutEffect(DWORD effect)
    {
        return Put(::RegisterClipboardFormatA(CFSTR_PREFERREDDROPEFFECT), &effect, sizeof(effect));
    }

private:
    HWND m_hWnd;
    bool m_bOpen;
};

// A DROPFILES block: the header, then the names, each ending with a zero,
// then the zero that ends the list.
template <typename Char>
std::vector<BYTE> DropBlock(const std::vector<std::basic_string<Char>>& names, bool finalZero = true)
{
    std::basic_string<Char> list;
    for (const auto& name : names)
    {
        list += name;
        list += Char(0);
    }
    if (finalZero)
        list += Char(0);
    std::vector<BYTE> block(sizeof(DROPFILES) + list.size() * sizeof(Char));
    DROPFILES header = {};
    header.pFiles = sizeof(DROPFILES);
    header.fWide = sizeof(Char) == sizeof(wchar_t);
    memcpy(block.data(), &header, sizeof(header));
    memcpy(block.data() + sizeof(header), list.data(), list.size() * sizeof(Char));
    return block;
}

bool PutFiles(const std::vector<BYTE>& block)
{
    ClipboardWriter writer;
    return writer.Put(CF_HDROP, block.data(), block.size());
}

}  // namespace

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

    TextArray lines;
    lines.Add("stale");
    ASSERT_TRUE(ClipboardUtils::ParseClipboardText(lines, "~"));
    EXPECT_EQ(Items(lines), Texts({ "first", "second", "~", "fourth", "fifth" }));

    ASSERT_TRUE(ClipboardUtils::CopyTextToClipboard(""));
    EXPECT_TRUE(ClipboardUtils::ParseClipboardText(lines, "~"));
    EXPECT_TRUE(lines.IsEmpty());
}

TEST(Clipboard, FileListsWithTheirDropEffect)
{
    std::vector<std::wstring> wideNames = { L"C:\\data\\one.txt", L"C:\\data\\two dir" };
    struct Case
    {
        bool withEffect;
        DWORD effect;
        bool copy;
        bool link;
    };
    const Case cases[] = {
        { false, 0, true, false },
        { true, DROPEFFECT_COPY, true, false },
        { true, DROPEFFECT_MOVE, false, false },
        { true, DROPEFFECT_LINK, false, true },
        { true, DROPEFFECT_COPY | DROPEFFECT_LINK, true, true },
    };
    for (const Case& c : cases)
    {
        {
            ClipboardWriter writer;
            std::vector<BYTE> block = DropBlock(wideNames);
            ASSERT_TRUE(writer.Put(CF_HDROP, block.data(), block.size()));
            if (c.withEffect)
            {
                ASSERT_TRUE(writer.PutEffect(c.effect));
            }
        }
        TextArray files;
        bool copy = !c.copy, link = !c.link;
        ASSERT_TRUE(ClipboardUtils::ParseClipboardFilesList(files, copy, link)) << c.effect;
        EXPECT_EQ(Items(files), Texts({ "C:\\data\\one.txt", "C:\\data\\two dir" }));
        EXPECT_EQ(copy, c.copy) << c.effect;
        EXPECT_EQ(link, c.link) << c.effect;
    }

    ASSERT_TRUE(PutFiles(DropBlock<char>({ "D:\\narrow.bin" })));
    TextArray files;
    bool copy = false, link = true;
    ASSERT_TRUE(ClipboardUtils::ParseClipboardFilesList(files, copy, link));
    EXPECT_EQ(Items(files), Texts({ "D:\\narrow.bin" }));

    if (::GetACP() == 1252)
    {
        ASSERT_TRUE(PutFiles(DropBlock<wchar_t>({ L"C:\\caf\u00E9.txt", L"C:\\\u03A9.txt" })));
        ASSERT_TRUE(ClipboardUtils::ParseClipboardFilesList(files, copy, link));
        EXPECT_EQ(Items(files), Texts({ "C:\\caf\xE9.txt" }));
    }
}

TEST(Clipboard, DamagedFileListsGiveNothing)
{
    std::vector<BYTE> good = DropBlock<wchar_t>({ L"C:\\a.txt", L"C:\\b.txt" });

    std::vector<BYTE> tooShort(good.begin(), good.begin() + 8);
    std::vector<BYTE> offsetOutside = good;
    reinterpret_cast<DROPFILES*>(offsetOutside.data())->pFiles = static_cast<DWORD>(good.size() + 40);
    std::vector<BYTE> offsetInHeader = good;
    reinterpret_cast<DROPFILES*>(offsetInHeader.data())->pFiles = 4;
    std::vector<BYTE> noListEnd = DropBlock<wchar_t>({ L"C:\\a.txt", L"C:\\b.txt" }, false);
    // The last name runs to the end of the block without its zero.
    std::vector<BYTE> noNameEnd(good.begin(), good.end() - 2 * sizeof(wchar_t));
    std::vector<BYTE> narrowNoEnd = DropBlock<char>({ "C:\\abcdefg" }, false);
    narrowNoEnd.pop_back();

    for (const std::vector<BYTE>* block : { &tooShort, &offsetOutside, &offsetInHeader, &noListEnd, &noNameEnd,
                                            &narrowNoEnd })
    {
        ASSERT_TRUE(PutFiles(*block));
        TextArray files;
        files.Add("stale");
        bool copy = false, link = false;
        EXPECT_FALSE(ClipboardUtils::ParseClipboardFilesList(files, copy, link)) << block->size();
        EXPECT_TRUE(files.IsEmpty()) << block->size();
    }

    // With text on the clipboard there is no file list, and with a file list no text.
    ASSERT_TRUE(ClipboardUtils::CopyTextToClipboard("C:\\a.txt"));
    TextArray files;
    bool copy, link;
    EXPECT_FALSE(ClipboardUtils::ParseClipboardFilesList(files, copy, link));
    ASSERT_TRUE(PutFiles(good));
    EXPECT_FALSE(ClipboardUtils::ParseClipboardText(files, "~"));
}

TEST(Clipboard, HeldOpenElsewhereFailsQuickly)
{
    ASSERT_TRUE(ClipboardUtils::CopyTextToClipboard("before"));
    HANDLE opened = ::CreateEventA(NULL, TRUE, FALSE, NULL);
    HANDLE release = ::CreateEventA(NULL, TRUE, FALSE, NULL);
    std::thread holder([&] {
        HWND hWnd = ::CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, NULL, NULL, NULL);
        BOOL open = ::OpenClipboard(hWnd);
        ::SetEvent(opened);
        ::WaitForSingleObject(release, 10000);
        if (open)
            ::CloseClipboard();
        ::DestroyWindow(hWnd);
    });
    ASSERT_EQ(::WaitForSingleObject(opened, 5000), WAIT_OBJECT_0);

    DWORD start = ::GetTickCount();
    TextArray list;
    bool copy, link;
    EXPECT_FALSE(ClipboardUtils::ParseClipboardText(list, "~"));
    EXPECT_FALSE(ClipboardUtils::ParseClipboardFilesList(list, copy, link));
    EXPECT_FALSE(ClipboardUtils::CopyTextToClipboard("during"));
    EXPECT_LT(::GetTickCount() - start, 1500u);

    ::SetEvent(release);
    holder.join();
    ::CloseHandle(opened);
    ::CloseHandle(release);

    EXPECT_TRUE(ClipboardUtils::ParseClipboardText(list, "~"));
    EXPECT_EQ(list.GetCopyAt(0), "before");
}
