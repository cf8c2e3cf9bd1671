// Support.h - the support library: log, strings, paths, files, volumes, clipboard, time, system.
//
// Classes in this file:
//   TextArray, AppLogger, StringUtils, DirUtils, FileUtils, VolumeUtils, ClipboardUtils, DateTime,
//   SystemUtils, Keyboard, FontDef
//
// Strings are narrow CString in the ANSI code page. No operation throws; a
// failure is the documented return value (false, -1, an empty string or list).
#pragma once

#include <windows.h>
#include <afxstr.h>

#include <string>
#include <vector>

#ifdef QTXSUPPORT_BUILD
#define QTXSUPPORT_API __declspec(dllexport)
#else
#define QTXSUPPORT_API __declspec(dllimport)
#endif

class DateTime;

/////////////////////////////////////////////////////////////////////////////
// TextArray - an ordered array of strings.
//
// Indices and counts are 64-bit. Reading out of range gives an empty string or
// false; writing out of range does nothing.

class QTXSUPPORT_API TextArray
{
public:
	// How Sort compares two entries.
	enum Content
	{
		// Character by character in the ANSI code page (case folded through
		// StringUtils' case tables when the sort ignores case).
		ContentText = 0,
		// Paths and folder names: a separator (\ or /) sorts before any other
		// character, so "a\" comes before "a b\" and a folder before its
		// siblings that extend its name; runs of digits compare by value
		// ("Disk 9" before "Disk 10"), as a file manager lists folders.
		ContentPaths = 1,
		// Decimal numbers (leading blanks and a sign allowed) by value; entries
		// that are not numbers follow all numbers, in text order.
		ContentNumbers = 2
	};

// Construction
	TextArray();
	TextArray(const TextArray& src);
	TextArray& operator=(const TextArray& src);
	~TextArray();

// Attributes
	__int64 GetCount() const;
	bool IsEmpty() const;
	// True when index is the last valid index.
	bool IsLast(__int64 index) const;
	// A copy of the entry, or an empty string when index is out of range.
	CString GetCopyAt(__int64 index) const;

	// Whether an entry equals text (byte for byte, or ignoring case).
	bool Have(const CString& text, bool caseSensitive) const;
	// Index of the first entry equal to text, or -1; found tells the same.
	__int64 Find(const CString& text, bool caseSensitive, bool& found) const;

// Operations
	// Appends text; returns its index.
	__int64 Add(const CString& text);
	// Replaces an entry; false when index is out of range.
	bool SetAt(__int64 index, const CString& text);
	// Inserts before index (index == GetCount() appends); false when out of range.
	bool InsertAt(__int64 index, const CString& text);
	// Removes one entry; false when index is out of range.
	bool RemoveAt(__int64 index);
	void RemoveAll();

	// Sorts in place. Equal entries keep their order.
	void Sort(bool ascending, bool caseSensitive, Content content);

// Implementation
private:
	std::vector<CString> m_items;
};

/////////////////////////////////////////////////////////////////////////////
// AppLogger - the application's log.
//
// An application that wants a log creates one AppLogger (or an object of a
// derived class) and keeps it alive; the constructor makes it the single
// instance that libraries reach through m_pInstance, the destructor clears
// the pointer again. Lines are kept in memory (the most recent
// MaxKeptLines) and, when a file is given, appended to that file with a time
// stamp. AddLine is virtual so that a derived class can send lines elsewhere.

class QTXSUPPORT_API AppLogger
{
public:
	enum
	{
		MaxKeptLines = 1000
	};

// Construction
	// Keeps lines in memory only.
	AppLogger();
	// Also appends every line to the file (created when missing). A file that
	// cannot be opened leaves the logger working in memory only.
	explicit AppLogger(const CString& filePath);
	virtual ~AppLogger();

// Attributes
	// The application's logger, or null when it has none.
	static AppLogger* m_pInstance;

	// Copies of the lines kept in memory, oldest first.
	TextArray GetLines() const;
	// Path of the log file; empty when the logger writes no file.
	CString GetFilePath() const;

// Overridables
	// Appends one line. Line breaks inside the text are kept as they are.
	virtual void AddLine(const CString& line);

// Implementation
private:
	AppLogger(const AppLogger&) = delete;
	AppLogger& operator=(const AppLogger&) = delete;

	mutable CRITICAL_SECTION m_lock;
	TextArray m_lines;
	CString m_strFile;
	HANDLE m_hFile;
};

/////////////////////////////////////////////////////////////////////////////
// StringUtils - string helpers.

class QTXSUPPORT_API StringUtils
{
public:
// Attributes
	// Upper- and lower-case forms of every character of the ANSI code page,
	// indexed by the character as unsigned char. Filled when the library
	// loads; callers only read them.
	static char m_tableUppercase[256];
	static char m_tableLowercase[256];

	// Character boundaries in the ANSI code page of the process, double-byte
	// (932, 936, 949, 950, ...) and UTF-8 (65001) alike. Every walk through a
	// narrow string steps with these, never a byte at a time. A sequence that
	// is not a whole character (a lead byte before the terminating zero, a
	// UTF-8 sequence cut short or malformed, a stray continuation byte) counts
	// as a character of one byte, so a walk never passes the terminating zero.

	// True when ch can begin a character of more than one byte.
	static bool IsLeadByte(BYTE ch);
	// The start of the character after the one at p; p itself when p points
	// at the terminating zero (or is null).
	static LPCSTR NextChar(LPCSTR p);
	// The start of the character that ends just before p, never before start;
	// start when p is at or before start.
	static LPCSTR PrevChar(LPCSTR start, LPCSTR p);

// Operations
	// Fixed texts are held as integer sequences made by EncryptText: the first
	// integer carries the length and a checksum, each following one a
	// character mixed with a key that depends on its position. A sequence that
	// is empty, too short or too long, or whose length, key or checksum does
	// not match gives an empty string.
	static CString DecryptText(const std::vector<int>& cipher);
	// The integer sequence for text (at most 65535 characters, no zero
	// character); an empty vector for an empty or unsuitable text.
	static std::vector<int> EncryptText(const CString& text);

	// text (ANSI code page) as UTF-16. Empty for NULL or empty text, and when
	// the conversion fails.
	static std::wstring ToWide(LPCSTR text);

	// A wide copy of text (ANSI code page) allocated with new[]. The copy is
	// read through text.GetBuffer(), so the caller frees the copy with
	// delete[] and then calls text.ReleaseBuffer(-1). Null only when memory
	// runs out (the buffer is then already taken, so ReleaseBuffer is still due).
	static wchar_t* ConvertToWCHAR(CString& text);

	// Removes mnemonic ampersands in place: a single "&" goes, "&&" becomes "&".
	static void RemoveSingleAmpersand(CString& text);

	// Removes blanks, tabs and line breaks at both ends, in place; returns text.
	static CString& Trim(CString& text);
	// True when text is empty or holds only blanks, tabs and line breaks.
	static bool IsEffectivelyEmpty(const CString& text);

	// Index of the last occurrence of what in text, or -1 (also when what is empty).
	static int FindLast(const CString& text, const CString& what);
	// True when text ends with tail; an empty tail matches nothing.
	static bool MatchLastChars(const CString& text, const CString& tail, bool caseSensitive);

	// Compares through the case tables: <0, 0, >0.
	static int CompareNoCase(const char* a, const char* b);
};

/////////////////////////////////////////////////////////////////////////////
// DirUtils - folders and paths.
//
// Paths use backslashes; a folder path ends with a backslash and a drive root
// has three characters (C:\). Forward slashes are accepted as separators on
// input. Every operation that touches the disk works with paths longer than
// MAX_PATH (it switches to the \\?\ form internally) and returns such paths in
// full. Folder names that the ANSI code page cannot represent are left out of
// listings, since no narrow-string caller could open them.

class QTXSUPPORT_API DirUtils
{
public:
	// Listing flags of GetDirectoryList and HasSubdirectory.
	enum ListFlags
	{
		// Leave out folders that are links to elsewhere (junctions, mount
		// points and symbolic links), so that a walk of the tree cannot loop.
		ListSkipLinks = 0x01,
		// Include hidden folders (FILE_ATTRIBUTE_HIDDEN).
		ListHidden = 0x04,
		// Include system folders (FILE_ATTRIBUTE_SYSTEM). A folder that is both
		// hidden and system needs both flags.
		ListSystem = 0x08,
		// Return the list sorted by name as TextArray::ContentPaths sorts,
		// ignoring case. Without it the order is the file system's.
		ListSorted = 0x10
	};

// Operations
	// Fills list with the sub-folders of dir, one full path each, beginning
	// with dir as given (a missing backslash after dir is added) and ending
	// with a backslash. "." and ".." are never listed. The list is emptied
	// first; a missing or unreadable folder, a file or an empty dir gives an
	// empty list. Returns the number of entries.
	static __int64 GetDirectoryList(const CString& dir, TextArray& list, DWORD flags);
	// True when dir has at least one sub-folder that GetDirectoryList would
	// list with these flags; stops at the first one.
	static bool HasSubdirectory(const CString& dir, DWORD flags);

	// True when path names an existing folder. With acceptRoot a drive root
	// (C:\ or C:) or a share root (\\server\share\) counts as a folder without
	// touching the drive, so that an empty floppy or optical drive is not
	// spun up; without it roots are checked like any other path.
	static bool IsDir(const CString& path, bool acceptRoot);
	// True when path names an existing folder (a drive root included).
	static bool DoesDirExist(const CString& path);
	// True when the folder exists and is shared on the network, as the shell
	// sees it (the sharing hand in Explorer).
	static bool IsDirShared(const CString& path);
	// IsDirShared for a folder that a listing has just returned: the folder is
	// taken to exist, so its attributes are not read from the disk again.
	static bool IsListedDirShared(const CString& path);

	// Appends a backslash unless path is empty or already ends with \ or /.
	static CString& EnsureTrailingBackslash(CString& path);
	// Removes every trailing \ and /; C:\ becomes C:.
	static CString& RemoveTrailingSlash(CString& path);

	// The last component of a folder path, without separators: the name
	// before the final separator when path ends with one, otherwise the name
	// of the folder that holds the last component (which is taken for a
	// file). C:\a\b\ and C:\a\b\file.txt give b; C:\ gives C:; a name without
	// separator gives an empty string.
	static CString ParseLastDir(const CString& path);
	// The parent folder with a trailing backslash: C:\a\b\ and C:\a\b give
	// C:\a\. A root (C:\, \\server\share\) or a name without a folder part
	// has no parent: empty string.
	static CString ParseParentDir(const CString& path);
	// The folder part of a file path, up to and including the last
	// separator: C:\a\file.txt gives C:\a\. Empty when there is no separator.
	static CString ParsePathFromFile(const CString& path);

	// One entry per level from the root down: C:\a\b\ gives C:, a, b;
	// \\server\share\a gives \\server\share, a; a relative a\b gives a, b.
	// Empty components are skipped. False (and an empty list) when the path
	// has no component.
	static bool BreakUpDirs(const CString& path, TextArray& list);
	// Removes base (compared without regard to case, with a trailing
	// backslash added when missing) from the front of every entry that begins
	// with it, so C:\a\b\ against C:\a becomes b\. Other entries stay as they
	// are. Returns the number of entries changed.
	static __int64 MakePathsRelative(const CString& base, TextArray& list);

	// The folder for temporary files, with a trailing backslash.
	static CString GetTempDir();
};

/////////////////////////////////////////////////////////////////////////////
// FileUtils - files.

class QTXSUPPORT_API FileUtils
{
public:
// Operations
	// True when path names an existing file (not a folder).
	static bool DoesFileExist(const CString& path);
	// The extension of the file name without the dot, as written ("JPG" for
	// C:\a\photo.JPG); empty when the name has none. A dot in a folder name
	// does not count.
	static CString GetFileExt(const CString& path);
	// Size in bytes and last-modified time (UTC) of a file. False, with the
	// arguments unchanged, when the file cannot be read or is a folder.
	static bool GetFileInfoCore(const CString& path, unsigned __int64& size, DateTime& modified);
	// A new temporary file name in dir: dir, then text, then eight hex digits,
	// then ".tmp". The name is free at the time of the call; the file is not
	// created. number receives the value of the hex digits. Empty (number 0)
	// when dir does not exist or text holds a character invalid in file names.
	static CString GetTempFile(const CString& dir, const CString& text, unsigned int& number);
};

/////////////////////////////////////////////////////////////////////////////
// VolumeUtils - drives and volumes.
//
// Queries never show the system's "insert a disk" message box.

class QTXSUPPORT_API VolumeUtils
{
public:
	enum DriveType
	{
		DriveUnknown = 0,
		// A floppy drive (A: or B:, or a floppy device): slow and noisy to
		// read, so a directory tree never reads it unasked.
		DriveFloppy = 1,
		// A fixed disk.
		DriveFixed = 2,
		// A removable disk other than a floppy (memory card, USB stick,
		// external drive); GetBusType tells which.
		DriveRemovable = 3,
		// The root does not exist.
		DriveNoRoot = 4,
		// A CD, DVD or Blu-ray drive.
		DriveOptical = 5,
		// A network drive.
		DriveNetwork = 6,
		// A RAM disk.
		DriveRamDisk = 7
	};

	enum BusType
	{
		BusUnknown = 0,
		// ATAPI, the packet interface of optical drives.
		BusOptical = 1,
		BusAta = 2,
		BusSata = 3,
		// A drive on a SCSI, SAS, FireWire, Fibre Channel or SSA cable.
		BusAttached = 4,
		BusRaid = 5,
		// A network drive, or a disk on iSCSI.
		BusNetwork = 6,
		BusSd = 7,
		BusMmc = 8,
		BusUsb = 9,
		BusVirtual = 10,
		BusNvme = 11
	};

// Operations
	// The roots of the drives that are present (C:\ form, upper case), in
	// letter order. The list is emptied first. Returns the number of roots.
	static __int64 GetDriveLetters(TextArray& list);
	// The kind of drive of a root (C:\, or C: or C); DriveNoRoot for a root
	// that does not exist.
	static DriveType GetDriveTypeA(const CString& root);
	// The bus of the drive's device. Network drives give BusNetwork; when the
	// device cannot be asked, optical drives give BusOptical and others
	// BusUnknown.
	static BusType GetBusType(const CString& root);
	// The volume label, or an empty string when the volume has none or cannot
	// be read.
	static CString GetVolumeName(const CString& root);
};

/////////////////////////////////////////////////////////////////////////////
// ClipboardUtils - text and file lists on the clipboard.
//
// When another window holds the clipboard open, each operation retries for a
// short while (about 100 ms) and then gives up with its failure value.

class QTXSUPPORT_API ClipboardUtils
{
public:
// Operations
	// Replaces the clipboard's content with text (CF_TEXT). False when the
	// clipboard cannot be opened or memory runs out.
	static bool CopyTextToClipboard(const CString& text);
	// Fills list with the lines of the clipboard's text (CR LF, LF or CR end
	// a line; a break at the very end opens no further line). An empty line
	// becomes emptyLine, so that blank lines stay visible. The list is
	// emptied first; false when the clipboard holds no text or cannot be
	// opened.
	static bool ParseClipboardText(TextArray& list, const CString& emptyLine);
	// Fills list with the paths of the clipboard's file list (CF_HDROP), and
	// sets copy and link from the "Preferred DropEffect" format (DROPEFFECT_COPY
	// and DROPEFFECT_LINK bits; a move, from Cut, clears both). Without that
	// format copy is true and link false. Paths that the ANSI code page cannot
	// represent are left out. A file list that is damaged (too short, an offset
	// outside the block, a name or the list without its terminator) gives an
	// empty list. The list is emptied first; false when there is no usable
	// file list.
	static bool ParseClipboardFilesList(TextArray& list, bool& copy, bool& link);
};

/////////////////////////////////////////////////////////////////////////////
// DateTime - a moment as a day number and a second of the day (UTC).
//
// Day 1 is 1 January of the year 1 (proleptic Gregorian calendar); a moment is
// set when its day lies in 1..MaxDay and its second in 0..86399. The unset
// value is day 0, second -1.

class QTXSUPPORT_API DateTime
{
public:
	enum
	{
		MaxDay = 3652061,
		SecondsPerDay = 86400
	};

// Construction
	// Unset.
	DateTime();
	DateTime(int day, int second);

// Attributes
	int GetDay() const { return m_nDay; }
	int GetSecond() const { return m_nSecond; }
	bool IsSet() const;
	static bool IsValidDay(int day);
	static bool IsValidSecond(int second);

	bool operator==(const DateTime& other) const;
	bool operator!=(const DateTime& other) const { return !(*this == other); }

// Operations
	void Set(int day, int second);
	void SetUnset();
	// Now, in UTC.
	void SetToCurrent();
	// From a FILETIME (UTC); false, leaving the moment unchanged, when it lies
	// outside the valid range.
	bool SetFromFileTime(const FILETIME& ft);
	// To a FILETIME; false when the moment is not set or lies before 1601.
	bool GetFileTime(FILETIME& ft) const;
	// To a SYSTEMTIME (UTC); false when the moment is not set.
	bool GetSystemTime(SYSTEMTIME& st) const;

	// seconds = now - start. False, with seconds 0, when either is not set.
	static bool ConvertDeltaToSeconds(const DateTime& now, const DateTime& start, __int64& seconds);
	// A short reading of a duration in the two largest units that apply, the
	// second left out when it is zero: "45 s", "2 min 5 s", "1 min", "1 h 2 min",
	// "3 d 4 h". Negative counts read as "0 s".
	static CString ConvertSecondsToText(__int64 seconds);

// Implementation
private:
	int m_nDay;
	int m_nSecond;
};

/////////////////////////////////////////////////////////////////////////////
// SystemUtils - system settings and error texts.

class QTXSUPPORT_API SystemUtils
{
public:
// Operations
	// Lines to scroll per notch of the mouse wheel; -1 when the user chose a
	// page per notch (WHEEL_PAGESCROLL); 3 when the setting cannot be read.
	static int GetMouseScrollLines();
	// The system's text for an error code, without trailing line break or
	// period; code 0 stands for the calling thread's last error (read before
	// anything else happens). An unknown code gives "Error <code>".
	static CString GetLastError(DWORD code);
};

/////////////////////////////////////////////////////////////////////////////
// Keyboard - state of modifier keys for the message being handled.

class QTXSUPPORT_API Keyboard
{
public:
// Operations
	static bool IsShiftKeyDown();
	static bool IsCtrlKeyDown();
};

/////////////////////////////////////////////////////////////////////////////
// FontDef - a font description handed to controls: a LOGFONTA and a text colour.

class QTXSUPPORT_API FontDef
{
public:
// Construction
	// The default GUI font of the system, black text.
	FontDef();
	FontDef(const LOGFONTA& lf, COLORREF crText);

// Attributes
	const LOGFONTA& GetLogFont() const { return m_lf; }
	void SetLogFont(const LOGFONTA& lf) { m_lf = lf; }
	COLORREF GetTextColor() const { return m_crText; }
	void SetTextColor(COLORREF cr) { m_crText = cr; }

// Implementation
private:
	LOGFONTA m_lf;
	COLORREF m_crText;
};
