// TestSupport.h - helpers shared by the test executables.
//
// Classes in this file:
//   HostWindow, DialogTemplate, Snapshot, Expected, Recorded, MessageRecorder, TempDir
#pragma once

#include <afxwin.h>

#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace kt
{

// ---------------------------------------------------------------------------
// Pumps. Every message goes through the framework's PreTranslateMessage walk
// first, as the application's own message loop would do it.

// Handles every message already queued for this thread, then returns.
void PumpPending();
// Handles messages for the given time.
void PumpFor(DWORD ms);
// Handles messages until cond() holds (true) or the time runs out (false).
bool PumpUntil(const std::function<bool()>& cond, DWORD timeoutMs = 3000);
// Paints every invalid window of the thread now.
void FlushPaint(HWND hWnd);

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
	void SetBackColor(COLORREF cr);
	int EraseCount() const { return m_nErase; }
	void ResetEraseCount() { m_nErase = 0; }

	// Paints a two-colour checkerboard of the given cell size; handy to prove
	// that a transparent child lets the parent's painting through.
	static Painter Checkerboard(int cell, COLORREF a, COLORREF b);

protected:
	Painter m_painter;
	int m_nErase = 0;

	afx_msg BOOL OnEraseBkgnd(CDC* pDC);
	afx_msg void OnPaint();
	DECLARE_MESSAGE_MAP()
};

// ---------------------------------------------------------------------------
// Builds a DLGTEMPLATE in memory (ANSI strings are widened as the format
// needs). Coordinates are dialog units.
class DialogTemplate
{
public:
	DialogTemplate(const char* caption, int cx, int cy,
		DWORD style = DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE,
		const char* fontFace = "MS Shell Dlg", WORD pointSize = 8);

	// Adds an item of a predefined class (0x0080 button, 0x0081 edit,
	// 0x0082 static, 0x0083 list box, 0x0084 scroll bar, 0x0085 combo box).
	DialogTemplate& AddItem(WORD classAtom, const char* text, UINT id, int x, int y, int cx, int cy,
		DWORD style, DWORD exStyle = 0);
	// Adds an item of a registered class by name.
	DialogTemplate& AddItem(const char* className, const char* text, UINT id, int x, int y, int cx, int cy,
		DWORD style, DWORD exStyle = 0);

	// The finished template; valid while this object lives and is not changed.
	LPCDLGTEMPLATE Get();

private:
	struct Item
	{
		std::wstring cls;
		WORD atom;
		std::wstring text;
		UINT id;
		short x, y, cx, cy;
		DWORD style, exStyle;
	};
	std::wstring m_caption, m_font;
	WORD m_pointSize;
	DWORD m_style;
	short m_cx, m_cy;
	std::vector<Item> m_items;
	std::vector<WORD> m_buffer;
};

// ---------------------------------------------------------------------------
// A 32-bit top-down copy of pixels: of a window's client area as it is on
// screen, or of a picture drawn by the test itself with plain GDI.
class Snapshot
{
public:
	Snapshot() = default;
	// Copies the client area of the window (what is on its surface now,
	// including what the parent painted under a transparent child).
	explicit Snapshot(HWND hWnd);
	// Copies a rectangle of a device context.
	Snapshot(HDC hdc, const RECT& rc);
	// A picture of the given size filled with crFill and then drawn by draw().
	static Snapshot Draw(int cx, int cy, COLORREF crFill, const std::function<void(HDC)>& draw);

	int Width() const { return m_cx; }
	int Height() const { return m_cy; }
	bool IsEmpty() const { return m_pixels.empty(); }
	COLORREF At(int x, int y) const;
	// Number of pixels that differ from other inside rc (both pictures'
	// coordinates); pixels outside either picture count as different.
	int CountDiff(const Snapshot& other, const RECT& rc) const;
	int CountDiff(const Snapshot& other) const;
	// Number of pixels of colour cr inside rc.
	int Count(COLORREF cr, const RECT& rc) const;
	int Count(COLORREF cr) const;
	// Smallest rectangle holding every pixel that is not cr (empty when none).
	RECT Bounds(COLORREF crNot) const;
	Snapshot Crop(const RECT& rc) const;
	// Writes a PNG through GDI+, for looking at a failing case.
	bool SavePng(const char* path) const;

private:
	int m_cx = 0, m_cy = 0;
	std::vector<DWORD> m_pixels; // 0x00RRGGBB, top-down
};

// ---------------------------------------------------------------------------
// Records the messages that windows of this thread receive, sent or posted,
// and compares them with an expected sequence in the manner of Wine's
// conformance tests.
enum MsgFlags : unsigned
{
	sent = 0x01,      // arrives through SendMessage (window procedure called directly)
	posted = 0x02,    // arrives through the queue
	parent = 0x04,    // arrives at the parent of the watched window
	optional = 0x08,  // may be missing
	wparam = 0x10,    // compare wParam
	lparam = 0x20,    // compare lParam
	defwinproc = 0x40 // informational, not checked
};

struct Expected
{
	UINT message;
	unsigned flags;
	WPARAM wParam = 0;
	LPARAM lParam = 0;
};

struct Recorded
{
	HWND hwnd;
	UINT message;
	unsigned flags; // sent or posted, plus parent when it came to the parent
	WPARAM wParam;
	LPARAM lParam;
};

class MessageRecorder
{
public:
	// Watches hWnd (and, with flag parent in the records, its parent).
	explicit MessageRecorder(HWND hWnd, bool withParent = false);
	~MessageRecorder();

	void Clear() { m_records.clear(); }
	const std::vector<Recorded>& Records() const { return m_records; }
	// Messages of one kind received so far.
	int Count(UINT message, unsigned flags = 0) const;
	// Compares the recorded messages with the expected ones, in order,
	// skipping messages that are not in the interesting set (the messages
	// named in expected) and allowing optional entries to be absent.
	::testing::AssertionResult Matches(const std::vector<Expected>& expected) const;

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

	static void RemoveTree(const std::string& path);

private:
	std::string m_path;
};

} // namespace kt
