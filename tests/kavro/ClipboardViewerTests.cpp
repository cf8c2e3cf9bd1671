// ClipboardViewerTests.cpp - CClipboardViewer against real clipboard changes made by another thread.
//
// Classes in this file:
//   ClipData, Reading, Owner, ClipboardViewerTest
#include <kavrotest/CapturingLogger.h>
#include <kavrotest/TestSupport.h>

#include <kavro/ClipboardViewer.h>
#include <qtx/Graphics.h>

#include <shlobj.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

namespace
{

LONGLONG NowMs()
{
	LARGE_INTEGER freq, now;
	::QueryPerformanceFrequency(&freq);
	::QueryPerformanceCounter(&now);
	return now.QuadPart * 1000 / freq.QuadPart;
}

// One piece of clipboard data: a format and its handle (a global block, or a
// bitmap for CF_BITMAP).
struct ClipData
{
	UINT format;
	HANDLE handle;
};

HGLOBAL Block(const void* data, size_t size)
{
	HGLOBAL hData = ::GlobalAlloc(GMEM_MOVEABLE, size);
	memcpy(::GlobalLock(hData), data, size);
	::GlobalUnlock(hData);
	return hData;
}

ClipData Text(const std::string& text)
{
	return { CF_TEXT, Block(text.c_str(), text.size() + 1) };
}

// A CF_DIB block: a header that claims cx x cy at 32 bits, with whatever
// pixel bytes are given (too few for a damaged image).
ClipData Dib(int cx, int cy, COLORREF cr, size_t nPixels)
{
	std::vector<BYTE> block(sizeof(BITMAPINFOHEADER) + nPixels * 4);
	BITMAPINFOHEADER bih = { sizeof(bih), cx, cy, 1, 32, BI_RGB, 0, 0, 0, 0, 0 };
	memcpy(block.data(), &bih, sizeof(bih));
	const DWORD pixel = (GetRValue(cr) << 16) | (GetGValue(cr) << 8) | GetBValue(cr);
	for (size_t i = 0; i < nPixels; ++i)
		memcpy(block.data() + sizeof(bih) + i * 4, &pixel, 4);
	return { CF_DIB, Block(block.data(), block.size()) };
}

ClipData Bitmap(COLORREF cr)
{
	HDC hdcScreen = ::GetDC(NULL);
	HBITMAP hbm = ::CreateCompatibleBitmap(hdcScreen, 8, 8);
	HDC hdc = ::CreateCompatibleDC(hdcScreen);
	HGDIOBJ hOld = ::SelectObject(hdc, hbm);
	HBRUSH hbr = ::CreateSolidBrush(cr);
	RECT rc = { 0, 0, 8, 8 };
	::FillRect(hdc, &rc, hbr);
	::DeleteObject(hbr);
	::SelectObject(hdc, hOld);
	::DeleteDC(hdc);
	::ReleaseDC(NULL, hdcScreen);
	return { CF_BITMAP, hbm };
}

// A DROPFILES block of ANSI names; pFiles can be pointed outside the block.
ClipData Files(const std::vector<std::string>& names, DWORD offset = sizeof(DROPFILES))
{
	std::string list;
	for (const auto& name : names)
		list += name + '\0';
	list += '\0';
	std::vector<BYTE> block(sizeof(DROPFILES) + list.size());
	DROPFILES header = { offset, {}, FALSE, FALSE };
	memcpy(block.data(), &header, sizeof(header));
	memcpy(block.data() + sizeof(header), list.data(), list.size());
	return { CF_HDROP, Block(block.data(), block.size()) };
}

ClipData DropEffect(DWORD effect)
{
	return { ::RegisterClipboardFormatA(CFSTR_PREFERREDDROPEFFECT), Block(&effect, sizeof(effect)) };
}

// Replaces the clipboard's content, as another application does: one change.
void Put(HWND hWnd, const std::vector<ClipData>& data)
{
	while (!::OpenClipboard(hWnd))
		::Sleep(1);
	::EmptyClipboard();
	for (const auto& d : data)
		::SetClipboardData(d.format, d.handle);
	::CloseClipboard();
}

// Runs work on a thread of its own with a message-only window to own the
// clipboard, and waits for it.
void OnOtherThread(const std::function<void(HWND)>& work)
{
	std::thread t(
		[&]
		{
			HWND hWnd = ::CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, NULL, NULL, NULL);
			work(hWnd);
			::DestroyWindow(hWnd);
		});
	t.join();
}

// The colour of a pixel of an image file; CLR_INVALID when it cannot be read.
COLORREF PixelOfFile(const CString& path)
{
	Gdiplus::Bitmap image(CStringW(path).GetString());
	Gdiplus::Color px;
	return image.GetPixel(1, 1, &px) == Gdiplus::Ok ? RGB(px.GetR(), px.GetG(), px.GetB()) : CLR_INVALID;
}

void PutElsewhere(const std::vector<ClipData>& data)
{
	OnOtherThread([&](HWND hWnd) { Put(hWnd, data); });
}

// What the viewer reported at one notification.
struct Reading
{
	LONGLONG ms;
	bool text, image, files, copy, link;
	std::vector<std::string> content;
};

// The owner reads the viewer at every notification, as an application does.
class Owner : public kt::HostWindow
{
public:
	CClipboardViewer* m_pViewer = NULL;
	std::vector<Reading> m_readings;

protected:
	afx_msg LRESULT OnContentChanged(WPARAM wParam, LPARAM lParam)
	{
		EXPECT_EQ(wParam, 0u);
		EXPECT_EQ(lParam, 0);
		TextArray content;
		m_pViewer->GetClipboardContent(content);
		Reading r = { NowMs(), m_pViewer->HaveClipboardText(), m_pViewer->HaveClipboardImage(),
			m_pViewer->HaveClipboardFileDir(), m_pViewer->HaveClipboardFileDirCopy(),
			m_pViewer->HaveClipboardFileDirLink(), {} };
		for (__int64 i = 0; i < content.GetCount(); ++i)
			r.content.push_back(std::string(content.GetCopyAt(i)));
		m_readings.push_back(r);
		return 0;
	}
	DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(Owner, kt::HostWindow)
	ON_REGISTERED_MESSAGE(CClipboardViewer::MSG_CLIPBOARDCONTENT_CHANGED, &Owner::OnContentChanged)
END_MESSAGE_MAP()

class ClipboardViewerTest : public ::testing::Test
{
protected:
	virtual void SetUp() override
	{
		PutElsewhere({ Text("start") });
		m_owner.m_pViewer = &m_viewer;
		m_viewer.Create(true, &m_owner, false);
		ASSERT_TRUE(::IsWindow(m_viewer.GetSafeHwnd()));
		// Whatever the clipboard announced before the viewer listened is gone.
		kt::PumpFor(50);
	}

	// Makes one change elsewhere and waits for its notification.
	const Reading& Change(const std::vector<ClipData>& data)
	{
		const size_t n = m_owner.m_readings.size();
		PutElsewhere(data);
		EXPECT_TRUE(kt::PumpUntil([&] { return m_owner.m_readings.size() > n; }));
		static const Reading none = {};
		return m_owner.m_readings.size() > n ? m_owner.m_readings.back() : none;
	}

	Owner m_owner;
	CClipboardViewer m_viewer;
};

using Lines = std::vector<std::string>;

// A burst of changes is one reading, 300 ms after its last change, of that
// last change; a second burst after a quiet second is one more.
TEST_F(ClipboardViewerTest, EachBurstGivesOneReadingOfItsLastChange)
{
	auto burst = [&](int nChanges)
	{
		std::atomic<LONGLONG> lastChange(0);
		std::atomic<bool> done(false);
		std::thread writer(
			[&]
			{
				HWND hWnd = ::CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, NULL, NULL, NULL);
				for (int i = 0; i < nChanges; ++i)
					Put(hWnd, { Text("change " + std::to_string(i)) });
				lastChange = NowMs();
				::DestroyWindow(hWnd);
				done = true;
			});
		const size_t n = m_owner.m_readings.size();
		EXPECT_TRUE(kt::PumpUntil([&] { return done && m_owner.m_readings.size() > n; }, 5000));
		writer.join();
		return lastChange.load();
	};

	const LONGLONG lastOfFirst = burst(1000);
	kt::PumpFor(1000 - static_cast<DWORD>(NowMs() - m_owner.m_readings.back().ms));
	ASSERT_EQ(m_owner.m_readings.size(), 1u);
	const LONGLONG delay = m_owner.m_readings[0].ms - lastOfFirst;
	EXPECT_GE(delay, 300);
	EXPECT_LT(delay, 1000);
	EXPECT_EQ(m_owner.m_readings[0].content, Lines({ "change 999" }));

	burst(20);
	kt::PumpFor(400);
	ASSERT_EQ(m_owner.m_readings.size(), 2u);
	EXPECT_EQ(m_owner.m_readings[1].content, Lines({ "change 19" }));
}

// Each kind of content is collected by the first rule that applies: text
// before an image before a file list; the flags say everything that is there.
TEST_F(ClipboardViewerTest, ContentIsReadByTheFirstRuleThatApplies)
{
	const Reading& text = Change({ Text("one\r\n\r\nthree") });
	EXPECT_TRUE(text.text && !text.image && !text.files);
	EXPECT_EQ(text.content, Lines({ "one", "~", "three" }));

	const struct
	{
		const char* name;
		ClipData data;
		COLORREF cr;
	} images[] = {
		{ "CF_BITMAP", Bitmap(RGB(200, 30, 60)), RGB(200, 30, 60) },
		{ "CF_DIB alone", Dib(4, 4, RGB(20, 90, 210), 16), RGB(20, 90, 210) },
	};
	for (const auto& c : images)
	{
		const Reading r = Change({ c.data });
		EXPECT_TRUE(r.image && !r.text && !r.files) << c.name;
		ASSERT_EQ(r.content.size(), 1u) << c.name;
		const CString path(r.content[0].c_str());
		EXPECT_TRUE(path.Right(4) == ".png" || path.Right(4) == ".bmp") << r.content[0];
		// The saved file is the picture that was copied.
		EXPECT_EQ(PixelOfFile(path), c.cr) << c.name;
		::DeleteFileA(path);
	}

	const struct
	{
		const char* name;
		std::vector<ClipData> extra;
		bool copy, link;
	} lists[] = {
		{ "no drop effect", {}, true, false },
		{ "link", { DropEffect(DROPEFFECT_LINK) }, false, true },
	};
	for (const auto& c : lists)
	{
		std::vector<ClipData> data = { Files({ "C:\\a.txt", "C:\\dir\\" }) };
		data.insert(data.end(), c.extra.begin(), c.extra.end());
		const Reading r = Change(data);
		EXPECT_TRUE(r.files && !r.text && !r.image) << c.name;
		EXPECT_EQ(r.copy, c.copy) << c.name;
		EXPECT_EQ(r.link, c.link) << c.name;
		EXPECT_EQ(r.content, Lines({ "C:\\a.txt", "C:\\dir\\" })) << c.name;
	}

	// All three at once: the text wins, and the file list's flags keep the
	// values of the last list that was parsed (the link above).
	const Reading all = Change({ Text("words"), Bitmap(RGB(0, 0, 0)), Files({ "C:\\b" }), DropEffect(0) });
	EXPECT_TRUE(all.text && all.image && all.files);
	EXPECT_EQ(all.content, Lines({ "words" }));
	EXPECT_FALSE(all.copy);
	EXPECT_TRUE(all.link);
}

// Damaged content and a clipboard that cannot be read give empty content, a
// notification and nothing worse.
TEST_F(ClipboardViewerTest, HostileContentGivesEmptyContent)
{
	const char unterminated[] = { 'a', 'b', 'c' };
	const struct
	{
		const char* name;
		std::vector<ClipData> data;
		bool image, files;
	} cases[] = {
		{ "list outside its block", { Files({ "C:\\a" }, 4000) }, false, true },
		{ "image of no pixels", { Dib(0, 0, 0, 0) }, true, false },
		{ "huge image without its pixels", { Dib(60000, 60000, 0, 4) }, true, false },
	};
	for (const auto& c : cases)
	{
		const Reading r = Change(c.data);
		EXPECT_EQ(r.image, c.image) << c.name;
		EXPECT_EQ(r.files, c.files) << c.name;
		EXPECT_EQ(r.content, Lines()) << c.name;
	}
	// A text without its terminator yields no more than the bytes that are there.
	const Reading text = Change({ { CF_TEXT, Block(unterminated, sizeof(unterminated)) } });
	EXPECT_TRUE(text.text);
	EXPECT_LE(text.content.size(), 1u);
	if (!text.content.empty())
	{
		EXPECT_EQ(std::string("abc").find(text.content[0]), 0u) << text.content[0];
	}

	// A temporary folder that does not exist: no image file.
	char tmp[MAX_PATH] = {};
	::GetEnvironmentVariableA("TMP", tmp, MAX_PATH);
	::SetEnvironmentVariableA("TMP", "C:\\no such folder\\");
	const Reading noTemp = Change({ Bitmap(RGB(1, 2, 3)) });
	::SetEnvironmentVariableA("TMP", tmp[0] != 0 ? tmp : NULL);
	EXPECT_TRUE(noTemp.image);
	EXPECT_EQ(noTemp.content, Lines());

	// Held open by another thread for longer than the quiet period: the
	// flags are read, the text cannot be.
	HANDLE opened = ::CreateEventA(NULL, TRUE, FALSE, NULL);
	HANDLE release = ::CreateEventA(NULL, TRUE, FALSE, NULL);
	std::thread holder(
		[&]
		{
			HWND hWnd = ::CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, NULL, NULL, NULL);
			Put(hWnd, { Text("held") });
			::OpenClipboard(hWnd);
			::SetEvent(opened);
			::WaitForSingleObject(release, 5000);
			::CloseClipboard();
			::DestroyWindow(hWnd);
		});
	::WaitForSingleObject(opened, 5000);
	const size_t n = m_owner.m_readings.size();
	EXPECT_TRUE(kt::PumpUntil([&] { return m_owner.m_readings.size() > n; }));
	::SetEvent(release);
	holder.join();
	::CloseHandle(opened);
	::CloseHandle(release);
	ASSERT_EQ(m_owner.m_readings.size(), n + 1);
	EXPECT_TRUE(m_owner.m_readings.back().text);
	EXPECT_EQ(m_owner.m_readings.back().content, Lines());
}

// With collecting off the flags still change and the owner is told, while
// the content keeps what it held; reading at creation notifies at once.
TEST(ClipboardViewer, CollectingOffAndReadingAtCreation)
{
	PutElsewhere({ Text("before") });
	Owner owner;
	CClipboardViewer viewer;
	owner.m_pViewer = &viewer;
	viewer.Create(false, &owner, true);
	kt::PumpPending();
	ASSERT_EQ(owner.m_readings.size(), 1u);
	EXPECT_TRUE(owner.m_readings[0].text);
	EXPECT_EQ(owner.m_readings[0].content, Lines());

	PutElsewhere({ Files({ "C:\\x" }) });
	ASSERT_TRUE(kt::PumpUntil([&] { return owner.m_readings.size() == 2; }));
	EXPECT_FALSE(owner.m_readings[1].text);
	EXPECT_TRUE(owner.m_readings[1].files);
	EXPECT_EQ(owner.m_readings[1].content, Lines());
}

// A viewer or owner that goes while a reading is due stops the timer; nothing
// arrives afterwards and nothing crashes.
TEST(ClipboardViewer, NothingIsPostedAfterTheViewerOrItsOwnerIsGone)
{
	enum Gone
	{
		ViewerWindow,
		ViewerObject,
		OwnerWindow
	};
	for (Gone gone : { ViewerWindow, ViewerObject, OwnerWindow })
	{
		Owner owner;
		auto* pViewer = new CClipboardViewer;
		owner.m_pViewer = pViewer;
		pViewer->Create(true, &owner, false);
		PutElsewhere({ Text("due") });
		// The change has armed the timer once its notice has been handled.
		kt::PumpFor(50);
		if (gone == ViewerWindow)
			pViewer->DestroyWindow();
		else if (gone == ViewerObject)
			delete pViewer;
		else
			owner.DestroyWindow();
		kt::PumpFor(400);
		EXPECT_TRUE(owner.m_readings.empty()) << gone;
		if (gone != ViewerObject)
			delete pViewer;
	}
}

// Bad owners: none makes no window and no log line; an owner without a
// window makes no window and logs that creation failed.
TEST(ClipboardViewer, BadOwnersMakeNoWindow)
{
	kt::CapturingLogger log;
	CClipboardViewer noOwner;
	noOwner.Create(true, NULL, true);
	EXPECT_EQ(noOwner.GetSafeHwnd(), (HWND)NULL);
	EXPECT_TRUE(log.Lines().empty());

	CWnd notAWindow;
	CClipboardViewer viewer;
	viewer.Create(true, &notAWindow, true);
	EXPECT_EQ(viewer.GetSafeHwnd(), (HWND)NULL);
	EXPECT_EQ(log.Lines(), std::vector<std::string>({ "{03D2250A-FF16-4F86-B298-B646529D2675}" }));
}

} // namespace
