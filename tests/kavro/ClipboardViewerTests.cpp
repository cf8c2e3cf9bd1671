// ClipboardViewerTests.cpp - CClipboardViewer against real clipboard changes made by another thread.
//
// Classes in this file:
//   ClipData, Reading, Owner
#include <kavrotest/CapturingLogger.h>
#include <kavrotest/TestSupport.h>

#include "EditTestSupport.h"

#include <kavro/ClipboardViewer.h>
#include <qtx/Graphics.h>

#include <shlobj.h>
#include <tlhelp32.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

namespace
{

using Lines = std::vector<std::string>;

// One piece of clipboard data: a format and its handle (a global block, or a
// bitmap for CF_BITMAP).
struct ClipData
{
	UINT format;
	HANDLE handle;
};

ClipData Block(UINT format, const void* data, size_t size)
{
	HGLOBAL hData = ::GlobalAlloc(GMEM_MOVEABLE, size);
	memcpy(::GlobalLock(hData), data, size);
	::GlobalUnlock(hData);
	return { format, hData };
}

ClipData Text(const std::string& text)
{
	return Block(CF_TEXT, text.c_str(), text.size() + 1);
}

// A bitmap of cx x cy in one colour.
ClipData Image(int cx, int cy, COLORREF cr)
{
	const std::vector<DWORD> pixels(cx * cy, (GetRValue(cr) << 16) | (GetGValue(cr) << 8) | GetBValue(cr));
	return { CF_BITMAP, ::CreateBitmap(cx, cy, 1, 32, pixels.data()) };
}

// A DROPFILES block of ANSI names.
ClipData Files(const Lines& names)
{
	const DROPFILES header = { sizeof(DROPFILES), {}, FALSE, FALSE };
	std::string block(reinterpret_cast<const char*>(&header), sizeof(header));
	for (const auto& name : names)
		block += name + '\0';
	return Block(CF_HDROP, block.c_str(), block.size() + 1);
}

ClipData DropEffect(DWORD effect)
{
	return Block(::RegisterClipboardFormatA(CFSTR_PREFERREDDROPEFFECT), &effect, sizeof(effect));
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
// clipboard; waits for it unless told not to.
std::thread OnOtherThread(const std::function<void(HWND)>& work, bool bWait = true)
{
	std::thread t(
		[=]
		{
			HWND hWnd = ::CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, NULL, NULL, NULL);
			work(hWnd);
			::DestroyWindow(hWnd);
		});
	if (bWait)
		t.join();
	return t;
}

void PutElsewhere(const std::vector<ClipData>& data)
{
	OnOtherThread([&](HWND hWnd) { Put(hWnd, data); });
}

// The colour of a pixel of an image file; CLR_INVALID when it cannot be read.
COLORREF PixelOfFile(const CString& path)
{
	Gdiplus::Bitmap image(CStringW(path).GetString());
	Gdiplus::Color px;
	return image.GetPixel(1, 1, &px) == Gdiplus::Ok ? RGB(px.GetR(), px.GetG(), px.GetB()) : CLR_INVALID;
}

// Threads of this process now.
int ThreadCount()
{
	HANDLE snap = ::CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
	THREADENTRY32 te = {};
	te.dwSize = sizeof(te);
	int n = 0;
	for (BOOL ok = ::Thread32First(snap, &te); ok; ok = ::Thread32Next(snap, &te))
		n += te.th32OwnerProcessID == ::GetCurrentProcessId();
	::CloseHandle(snap);
	return n;
}

// What the viewer reported at one notification: when, the flags that were
// set by name ("text image files copy link"), and the content.
struct Reading
{
	ULONGLONG ms;
	std::string flags;
	Lines content;
};

// The owner reads the viewer at every notification, as an application does.
class Owner : public kt::HostWindow
{
public:
	CClipboardViewer* m_pViewer = NULL;
	std::vector<Reading> m_readings;

	// Creates the viewer for this owner.
	void Watch(CClipboardViewer* pViewer, bool bCollect, bool bReadNow)
	{
		m_pViewer = pViewer;
		pViewer->Create(bCollect, this, bReadNow);
	}

protected:
	afx_msg LRESULT OnContentChanged(WPARAM wParam, LPARAM lParam)
	{
		EXPECT_EQ(wParam, 0u);
		EXPECT_EQ(lParam, 0);
		const bool flags[] = { m_pViewer->HaveClipboardText(), m_pViewer->HaveClipboardImage(),
			m_pViewer->HaveClipboardFileDir(), m_pViewer->HaveClipboardFileDirCopy(),
			m_pViewer->HaveClipboardFileDirLink() };
		const char* const names[] = { "text", "image", "files", "copy", "link" };
		Reading r = { ::GetTickCount64(), "", {} };
		for (int i = 0; i < 5; ++i)
			r.flags += flags[i] ? std::string(r.flags.empty() ? "" : " ") + names[i] : "";
		TextArray content;
		m_pViewer->GetClipboardContent(content);
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

// Puts data on the clipboard elsewhere (unless none is given), then reads it
// at once through a new viewer that collects (or not), as the quiet period's
// end does.
Reading ReadNow(const std::vector<ClipData>& data, bool bCollect = true)
{
	if (!data.empty())
		PutElsewhere(data);
	Owner owner;
	CClipboardViewer viewer;
	owner.Watch(&viewer, bCollect, true);
	kt::PumpPending();
	EXPECT_EQ(owner.m_readings.size(), 1u);
	return owner.m_readings.empty() ? Reading() : owner.m_readings[0];
}

// A burst of changes is one reading, 300 ms after its last change, of that
// last change; a second burst after a quiet second is one more.
TEST(ClipboardViewer, EachBurstGivesOneReadingOfItsLastChange)
{
	PutElsewhere({ Text("start") });
	Owner owner;
	CClipboardViewer viewer;
	owner.Watch(&viewer, true, false);
	auto burst = [&](int nChanges)
	{
		std::atomic<ULONGLONG> lastChange(0);
		std::atomic<bool> done(false);
		std::thread writer = OnOtherThread(
			[&](HWND hWnd)
			{
				for (int i = 0; i < nChanges; ++i)
					Put(hWnd, { Text("change " + std::to_string(i)) });
				lastChange = ::GetTickCount64();
				done = true;
			},
			false);
		const size_t n = owner.m_readings.size();
		EXPECT_TRUE(kt::PumpUntil([&] { return done && owner.m_readings.size() > n; }, 5000));
		writer.join();
		return lastChange.load();
	};

	const ULONGLONG lastOfFirst = burst(1000);
	kt::PumpFor(1000 - static_cast<DWORD>(::GetTickCount64() - owner.m_readings.back().ms));
	ASSERT_EQ(owner.m_readings.size(), 1u);
	const LONGLONG delay = static_cast<LONGLONG>(owner.m_readings[0].ms - lastOfFirst);
	EXPECT_GE(delay, 300);
	EXPECT_LT(delay, 1000);
	EXPECT_EQ(owner.m_readings[0].content, Lines({ "change 999" }));

	burst(20);
	kt::PumpFor(400);
	ASSERT_EQ(owner.m_readings.size(), 2u);
	EXPECT_EQ(owner.m_readings[1].content, Lines({ "change 19" }));

	// Changes that waited in the queue while the thread was busy for longer
	// than the quiet period: still one reading, of the last.
	OnOtherThread(
		[&](HWND hWnd)
		{
			for (int i = 0; i < 3; ++i)
				Put(hWnd, { Text("queued " + std::to_string(i)) });
		});
	::Sleep(400);
	kt::PumpFor(600);
	ASSERT_EQ(owner.m_readings.size(), 3u);
	EXPECT_EQ(owner.m_readings[2].content, Lines({ "queued 2" }));
}

// Each kind of content is collected by the first rule that applies, text
// before an image before a file list, and the flags say everything that is
// there. (How each kind is read, and damaged content, are the support and
// graphics libraries' own tests.)
TEST(ClipboardViewer, ContentIsReadByTheFirstRuleThatApplies)
{
	const struct
	{
		std::vector<ClipData> data;
		const char* flags;
		Lines content; // for an image: empty, and the saved file has its colour
	} cases[] = {
		{ { Text("one\r\n\r\nthree") }, "text", { "one", "~", "three" } },
		{ { Image(8, 8, RGB(200, 30, 60)) }, "image", {} },
		{ { Files({ "C:\\a", "C:\\dir\\" }), DropEffect(DROPEFFECT_LINK) }, "files link",
			{ "C:\\a", "C:\\dir\\" } },
		{ { Text("words"), Image(2, 2, 0), Files({ "C:\\b" }) }, "text image files", { "words" } },
	};
	for (const auto& c : cases)
	{
		const Reading r = ReadNow(c.data);
		EXPECT_EQ(r.flags, c.flags);
		if (r.flags != "image")
		{
			EXPECT_EQ(r.content, c.content) << c.flags;
			continue;
		}
		// The picture that was copied, saved as a PNG file (this system can
		// encode PNG; the bitmap file is for one that cannot).
		ASSERT_EQ(r.content.size(), 1u);
		const CString path(r.content[0].c_str());
		EXPECT_EQ(path.Right(4), CString(".png")) << r.content[0];
		EXPECT_EQ(PixelOfFile(path), RGB(200, 30, 60));
		::DeleteFileA(path);
	}

	// Not collecting: the flags and nothing else.
	const Reading off = ReadNow({ Text("words") }, false);
	EXPECT_EQ(off.flags, "text");
	EXPECT_EQ(off.content, Lines());
}

// A temporary folder that cannot be written, or a clipboard held open by
// another program when the reading comes: the flags, and no content.
TEST(ClipboardViewer, UnreadableContentGivesTheFlagsOnly)
{
	char tmp[MAX_PATH] = {};
	::GetEnvironmentVariableA("TMP", tmp, MAX_PATH);
	::SetEnvironmentVariableA("TMP", "C:\\no such folder\\");
	const Reading noTemp = ReadNow({ Image(2, 2, RGB(1, 2, 3)) });
	::SetEnvironmentVariableA("TMP", tmp[0] != 0 ? tmp : NULL);
	EXPECT_EQ(noTemp.flags, "image");
	EXPECT_EQ(noTemp.content, Lines());

	PutElsewhere({ Text("held") });
	Reading held;
	et::WhileClipboardHeld(true, [&] { held = ReadNow({}); });
	EXPECT_EQ(held.flags, "text");
	EXPECT_EQ(held.content, Lines());
}

// A viewer or owner that goes while a reading is due stops the timer's
// thread; nothing arrives afterwards and nothing crashes, while a fourth
// viewer that stays gets its reading. They wait out one quiet period together.
TEST(ClipboardViewer, NothingIsPostedAfterTheViewerOrItsOwnerIsGone)
{
	const int nThreads = ThreadCount();
	Owner owners[4];
	CClipboardViewer* viewers[4];
	for (int i = 0; i < 4; ++i)
		owners[i].Watch(viewers[i] = new CClipboardViewer, true, false);
	PutElsewhere({ Text("due") });
	// The change has armed the timers once its notice has been handled.
	kt::PumpFor(50);
	viewers[0]->DestroyWindow();
	delete viewers[1];
	owners[2].DestroyWindow();
	kt::PumpFor(400);
	for (int i = 0; i < 3; ++i)
		EXPECT_TRUE(owners[i].m_readings.empty()) << i;
	ASSERT_EQ(owners[3].m_readings.size(), 1u);
	EXPECT_EQ(owners[3].m_readings[0].content, Lines({ "due" }));
	delete viewers[3];
	EXPECT_EQ(ThreadCount(), nThreads);
	delete viewers[0];
	delete viewers[2];
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
