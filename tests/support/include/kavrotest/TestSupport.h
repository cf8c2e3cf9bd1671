// TestSupport.h - helpers shared by the test executables.
//
// Classes in this file:
//   HostWindow, DialogTemplate, Snapshot, TabPage, Expected, Ignore, Recorded, MessageRecorder, MenuAnswer,
//   TempDir, WineDrive
#pragma once

#include <afxwin.h>
#include <commctrl.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace kt
{

// ---------------------------------------------------------------------------
// Text in the ANSI code page of the process. Executables whose cases touch
// text also run in code page 932 and in UTF-8 (kavro_add_gtest's CODEPAGES);
// their cases write strings as wide literals and narrow them at run time, so
// that a case means the same characters in every code page.

// text in the ANSI code page; false, with result empty, when a character has
// no exact counterpart there (as 表 in code page 1252).
bool TryAnsi(const wchar_t* text, CString& result);
// True when every character of text exists in the ANSI code page.
bool IsAnsi(const wchar_t* text);
// text in the ANSI code page; a character that has no counterpart there fails
// the running case (a case that cannot run in some code page asks IsAnsi and
// skips).
CString Ansi(const wchar_t* text);

// ---------------------------------------------------------------------------
// Pumps. Every message goes through the framework's PreTranslateMessage walk
// first, as the application's own message loop would do it.

// Handles every message already queued for this thread, then returns.
void PumpPending();
// Handles messages for the given time: only for proving that nothing
// arrives; to wait for something, PumpUntil.
void PumpFor(DWORD ms);
// Handles messages until cond() holds (true) or the time runs out (false);
// the way to wait for something that happens on its own time.
bool PumpUntil(const std::function<bool()>& cond, DWORD timeoutMs = 2000);
// Paints every invalid window of the thread now.
void FlushPaint(HWND hWnd);
// Runs the thread's idle processing as its message loop does when the queue
// is empty, which frees the framework's temporary objects.
void RunIdle();
// Blocks in use on the C runtime heap, which every module of the process
// shares and where the framework allocates its objects.
size_t UsedHeapBlocks();

// ---------------------------------------------------------------------------
// A visible top-level framework window whose background is painted by a
// callback (a solid colour by default) in WM_ERASEBKGND, as a dialog does with
// its brush. It has no WS_CLIPCHILDREN, like a dialog, so that transparent
// children show its painting. Its message map reflects notifications to bound
// children like any CWnd.
class HostWindow : public CWnd
{
public:
	using Painter = std::function<void(HDC hdc, const RECT& rcClient)>;

	HostWindow(int cx = 320, int cy = 200, COLORREF crBack = RGB(255, 255, 255));
	virtual ~HostWindow();

	void SetPainter(Painter painter);
	const Painter& GetPainter() const { return m_painter; }

	// Fills the client area with one colour.
	static Painter Solid(COLORREF cr);
	// Paints a two-colour checkerboard of the given cell size; handy to prove
	// that a transparent child lets the parent's painting through.
	static Painter Checkerboard(int cell, COLORREF a, COLORREF b);

protected:
	Painter m_painter;

	afx_msg BOOL OnEraseBkgnd(CDC* pDC);
	afx_msg void OnPaint();
	DECLARE_MESSAGE_MAP()
};

// ---------------------------------------------------------------------------
// Builds a DLGTEMPLATE in memory, in the dialog font (ANSI strings are
// widened as the format needs). Coordinates are dialog units.
class DialogTemplate
{
public:
	DialogTemplate(const char* caption, int cx, int cy,
		DWORD style = DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE);

	// Adds a child of a predefined class (0x0080 button, 0x0081 edit,
	// 0x0082 static, 0x0083 list box, 0x0084 scroll bar, 0x0085 combo box).
	DialogTemplate& AddItem(WORD classAtom, const char* text, UINT id, int x, int y, int cx, int cy,
		DWORD style);

	// The finished template; valid while this object lives and is not changed.
	// The heap block behind the vector is aligned well beyond the DWORD the
	// dialog manager needs.
	LPCDLGTEMPLATE Get() const { return reinterpret_cast<LPCDLGTEMPLATE>(m_buffer.data()); }

private:
	std::vector<WORD> m_buffer;
};

// ---------------------------------------------------------------------------
// A 32-bit top-down copy of pixels: of a window's client area as it is on
// screen, or of a picture drawn by the test itself with plain GDI.
class Snapshot
{
public:
	Snapshot() = default;
	// Copies the client area of the window, or the part of it at rc: what is
	// on its surface now, including what the parent painted under a
	// transparent child.
	explicit Snapshot(HWND hWnd);
	Snapshot(HWND hWnd, const RECT& rc);
	// Copies a rectangle of a device context.
	Snapshot(HDC hdc, const RECT& rc);
	// A picture of the given size filled with crFill and then drawn by draw().
	static Snapshot Draw(int cx, int cy, COLORREF crFill, const std::function<void(HDC)>& draw);

	int Width() const { return m_cx; }
	int Height() const { return m_cy; }
	COLORREF At(int x, int y) const;
	// Number of pixels that differ from other inside rc (both pictures'
	// coordinates); pixels outside either picture count as different.
	int CountDiff(const Snapshot& other, const RECT& rc) const;
	int CountDiff(const Snapshot& other) const
	{
		return CountDiff(other, { 0, 0, std::max(m_cx, other.m_cx), std::max(m_cy, other.m_cy) });
	}
	// Number of pixels of colour cr inside rc.
	int Count(COLORREF cr, const RECT& rc) const;
	int Count(COLORREF cr) const { return Count(cr, { 0, 0, m_cx, m_cy }); }
	// Smallest rectangle holding every pixel that is not cr (empty when none).
	RECT Bounds(COLORREF crNot) const;
	// A PNG file: written (false on failure) or read (empty on failure).
	bool SavePng(const std::string& path) const;
	static Snapshot LoadPng(const std::string& path);

private:
	int m_cx = 0, m_cy = 0;
	std::vector<DWORD> m_pixels; // 0x00RRGGBB, top-down
};

// Compares a snapshot pixel for pixel with its approved picture, a PNG file
// beside the test's sources: pictures/<dpi>/<name>.png, where <dpi> is the
// screen's (96 by default). Pictures are approved at 96 DPI in code page
// 1252; elsewhere a missing picture, or one with text (bText: the fonts of
// other code pages draw it otherwise), skips the comparison. With
// KAVRO_APPROVE_PICTURES set (make approve-pictures) the snapshot is written
// as the approved picture instead; a picture that does not match is written
// beside the test program as <name>.actual.png.
// KAVRO_PICTURES, the folder of a test program's pictures, is defined by
// kavro_add_gtest.
::testing::AssertionResult MatchesApproved(const char* pictures, const Snapshot& shot, const char* name,
	bool bText = false);
#define EXPECT_APPROVED(shot, ...) EXPECT_TRUE(::kt::MatchesApproved(KAVRO_PICTURES, shot, __VA_ARGS__))

// A square icon of one opaque colour; the caller destroys it.
HICON SolidIcon(COLORREF cr, int size = 16);

// The host's painting under rc (host client coordinates), then draw() on top
// in rc's own coordinates: what a transparent control at rc should show.
Snapshot DrawOverHost(const HostWindow& host, const RECT& rc, const std::function<void(HDC)>& draw = {});

// ---------------------------------------------------------------------------
// DPI. Each CTest entry runs at one DPI (96, or 192 for the .dpi192 entries),
// checked when the program starts.

// The DPI of the screen the tests run at.
UINT Dpi();
// n pixels at 96 DPI at the DPI the tests run at, rounded as MulDiv rounds.
int Scaled(int n);

// ---------------------------------------------------------------------------
// Text as the tests draw it. The test font is Tahoma at 13 pixels without
// antialiasing, so that a picture is the same pixel for pixel every time.

LOGFONTA TestLogFont();
// The caller deletes it.
HFONT CreateTestFont();
// Width of one line of text in the font.
int TextWidth(HFONT hFont, const char* text);
// DrawText of text in rc with a transparent background, in cr, or when
// bEmbossed grey over a highlight copy one pixel down and right: the caption
// of a disabled control.
void DrawCaption(HDC hdc, HFONT hFont, const char* text, RECT rc, UINT format, COLORREF cr,
	bool bEmbossed = false);

// ---------------------------------------------------------------------------
// Windows

// Invalidates the window and its children, paints them now and handles what
// the painting queued.
void RepaintAll(HWND hWnd);

// A tab control at rcTabs in the parent, holding a page window that paints
// nothing of its own: where a transparent control on a tab page sits.
struct TabPage
{
	TabPage(CWnd* pParent, const RECT& rcTabs);
	~TabPage();
	CWnd m_tabs;
	CWnd m_page;
};

// Runs cycle once (first-use objects), then nCycles times, and fails when the
// process then holds more or fewer GDI objects than after the first.
::testing::AssertionResult LeavesNoGdiObjects(const std::function<void()>& cycle, int nCycles = 20);

// ---------------------------------------------------------------------------
// Message sequences, in the manner of Wine's conformance tests. A recorder
// notes every message that the watched window (and, if asked, its parent)
// receives, sent or posted. A test compares the whole recording with a table
// written at file scope:
//
//   const kt::Sequence kClickSeq = {
//   	{ BM_CLICK, kt::sent },
//   	kt::Command(BN_CLICKED, kt::sent | kt::parent),
//   	kt::kSeparator,
//   };
//   ...
//   EXPECT_TRUE(rec.Matches(kClickSeq, kt::kIncidental));
//
// Every recorded message that is not on the ignore list must match its entry,
// in order; only entries marked optional may be missing. A mismatch prints
// both sequences side by side, by name.
enum MsgFlags : unsigned
{
	sent = 0x01,     // came through SendMessage (with neither sent nor posted, either will do)
	posted = 0x02,   // came through the queue
	parent = 0x04,   // came to the parent of the watched window
	optional = 0x08, // may be missing
	wparam = 0x10,   // compare wParam
	lparam = 0x20,   // compare lParam
	code = 0x40      // compare the notification code: HIWORD(wParam) of WM_COMMAND, NMHDR::code of WM_NOTIFY
};

struct Expected
{
	UINT message;
	unsigned flags;
	WPARAM wParam = 0;
	LPARAM lParam = 0;
	UINT code = 0;
};
using Sequence = std::vector<Expected>;

// Entries for notifications to a parent, compared by their code.
constexpr Expected Command(UINT nCode, unsigned flags)
{
	return { WM_COMMAND, flags | code, 0, 0, nCode };
}
constexpr Expected Notify(UINT nCode, unsigned flags)
{
	return { WM_NOTIFY, flags | code, 0, 0, nCode };
}

// MessageRecorder::Separate sends this message after an action; kSeparator
// is its entry in a table.
constexpr UINT kSeparatorMessage = WM_APP + 0x3FFF;
constexpr Expected kSeparator = { kSeparatorMessage, sent };

// Questions any window is asked that say nothing about the behaviour under
// test: hit tests, the mouse and cursor shapes, text, font, icon and size
// queries, IME and accessibility.
constexpr UINT kQueries[] = { WM_NCHITTEST, WM_SETCURSOR, WM_MOUSEMOVE, WM_NCMOUSEMOVE, WM_GETTEXT,
	WM_GETTEXTLENGTH, WM_GETFONT, WM_GETICON, WM_GETOBJECT, WM_GETMINMAXINFO, WM_IME_SETCONTEXT,
	WM_IME_NOTIFY };
// Incidental traffic: the queries, and painting and the activation of
// top-level windows, for cases that are not about either.
constexpr UINT kIncidental[] = { WM_NCHITTEST, WM_SETCURSOR, WM_MOUSEMOVE, WM_NCMOUSEMOVE, WM_GETTEXT,
	WM_GETTEXTLENGTH, WM_GETFONT, WM_GETICON, WM_GETOBJECT, WM_GETMINMAXINFO, WM_IME_SETCONTEXT,
	WM_IME_NOTIFY, WM_NCPAINT, WM_ERASEBKGND, WM_PAINT, WM_SYNCPAINT, WM_CTLCOLORBTN, WM_CTLCOLORSTATIC,
	WM_CTLCOLOREDIT, WM_CTLCOLORLISTBOX, WM_CTLCOLORDLG, WM_CTLCOLORSCROLLBAR, WM_PRINTCLIENT, NM_CUSTOMDRAW,
	WM_NCACTIVATE, WM_ACTIVATE, WM_ACTIVATEAPP };

struct Recorded;

// The messages a comparison passes over, named in each test: kIncidental or
// kQueries, a list of its own, or one of those and more:
// { kt::kIncidental, { WM_TIMER } }. WM_NOTIFY codes may be listed too (no
// message has their values): NM_CUSTOMDRAW passes over custom draw.
class Ignore
{
public:
	Ignore(std::initializer_list<UINT> messages)
		: m_messages(messages)
	{
	}
	template <size_t N>
	Ignore(const UINT (&base)[N], std::initializer_list<UINT> more = {})
		: m_messages(base, base + N)
	{
		m_messages.insert(m_messages.end(), more);
	}
	bool Has(const Recorded& r) const;

private:
	std::vector<UINT> m_messages;
};

struct Recorded
{
	UINT message;
	unsigned flags; // sent or posted, plus parent when it came to the parent
	WPARAM wParam;
	LPARAM lParam;
	UINT code;           // of WM_COMMAND and WM_NOTIFY
	std::string control; // class of the control that sent a WM_COMMAND
};

class MessageRecorder
{
public:
	// Watches hWnd, and with withParent its parent too.
	explicit MessageRecorder(HWND hWnd, bool withParent = false);
	~MessageRecorder();

	// Ends an action: handles what it queued, then sends the separator to
	// the watched window, so that the table shows which action each message
	// came from.
	void Separate();
	// Compares the recording with the table, passing over ignored messages.
	::testing::AssertionResult Matches(const Sequence& expected, const Ignore& ignore) const;

private:
	static LRESULT CALLBACK CallWndProc(int code, WPARAM wParam, LPARAM lParam);
	static LRESULT CALLBACK GetMsgProc(int code, WPARAM wParam, LPARAM lParam);
	void Record(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, unsigned kind);

	HWND m_hWnd;
	HWND m_hParent;
	HHOOK m_hCallHook = nullptr;
	HHOOK m_hGetHook = nullptr;
	std::vector<Recorded> m_records;
};

// ---------------------------------------------------------------------------
// Answers the popup menus a window owns, as a user would, so that a test can
// track a menu on its own thread: at the first WM_ENTERIDLE of a menu loop it
// presses the keys given for that loop, or closes the menu when none were
// given; a menu still open at the next idle is closed, so that a test never
// hangs in a menu. At every WM_INITMENUPOPUP it notes the popup's items as the
// owner left them.
class MenuAnswer
{
public:
	struct Item
	{
		UINT id;
		std::string text; // empty for separators and owner-drawn items
		UINT type;        // MFT_ flags
		UINT state;       // MFS_ flags
	};

	explicit MenuAnswer(HWND hWndOwner);
	~MenuAnswer();

	// Virtual keys to press in the next menu loop.
	void Press(std::initializer_list<UINT> keys) { m_keys = keys; }
	// Runs once at the next loop's first idle, while the menu is open (its
	// items are then owner-drawn), before the keys are pressed.
	void WhileOpen(std::function<void()> action) { m_whileOpen = std::move(action); }
	// The popups initialised so far, each with its items.
	const std::vector<std::vector<Item>>& Popups() const { return m_popups; }
	// The menu window's rectangle at the last loop's first idle.
	const RECT& MenuRect() const { return m_rcMenu; }
	// Menu loops answered so far.
	int Loops() const { return m_nLoops; }

private:
	static LRESULT CALLBACK CallWndRetProc(int code, WPARAM wParam, LPARAM lParam);
	void OnMessage(const CWPRETSTRUCT& msg);

	HWND m_hWndOwner;
	HHOOK m_hHook = nullptr;
	std::vector<UINT> m_keys;
	std::function<void()> m_whileOpen;
	std::vector<std::vector<Item>> m_popups;
	RECT m_rcMenu = {};
	int m_nLoops = 0;
	int m_nIdle = 0; // idle messages in the current loop
};

// ---------------------------------------------------------------------------
// Names the test case in the output when the process crashes in it, and ends
// the process without waiting for a debugger. main() calls it.
void ReportCrashes();

// ---------------------------------------------------------------------------
// A temporary folder, removed with everything in it when the object goes.
class TempDir
{
public:
	TempDir();
	~TempDir();
	TempDir(const TempDir&) = delete;
	TempDir& operator=(const TempDir&) = delete;

	// The folder's path, with a trailing backslash.
	const std::string& Path() const { return m_path; }
	// Makes a sub-folder (with its parents) and returns its full path with a
	// trailing backslash.
	std::string MakeDir(const std::string& relative) const;
	// Writes a file and returns its full path.
	std::string MakeFile(const std::string& relative, const std::string& content = std::string()) const;

private:
	std::string m_path;
};

// ---------------------------------------------------------------------------
// A drive letter bound to a folder through Wine's mount manager, the way
// Wine's configuration tool adds a drive, for the life of the object. The
// kind is a DRIVE_ value; a floppy is told apart by its letter (A: or B:).
// Outside Wine nothing is defined.
struct WineDrive
{
	WineDrive(char letter, UINT driveType, const std::string& folder);
	~WineDrive();
	WineDrive(const WineDrive&) = delete;
	WineDrive& operator=(const WineDrive&) = delete;

	// True in a process that runs under Wine.
	static bool IsWine();
	// The next letter down from letter that has no drive. A letter whose
	// drive was removed stays in the drive map, without a root, until Wine
	// restarts.
	static char FreeLetterBelow(char letter);

	char m_letter;
	bool m_bDefined = false;
};

// ---------------------------------------------------------------------------
// The number of live GDI objects of the process, read from the system's
// shared GDI handle table (GetGuiResources answers 0 under Wine). Each
// entry counts only when GetObjectType accepts its handle.
int CountGdiObjects();
// The number of threads of the process.
int CountThreads();

} // namespace kt
