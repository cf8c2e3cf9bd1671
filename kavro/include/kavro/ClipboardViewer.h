// ClipboardViewer.h - an invisible window that follows the clipboard and tells its owner what it holds.
//
// Classes in this file:
//   CClipboardViewer
#pragma once

#include <afxwin.h>

#include <qtx/Support.h>

class TimerThread;

// The viewer listens for clipboard changes, waits until the clipboard has
// been quiet for 300 ms, reads which kinds of data it holds (and, when asked
// to, the data itself), then posts MSG_CLIPBOARDCONTENT_CHANGED to its owner
// with 0 and 0. The owner reads the result through the Have... getters and
// GetClipboardContent.
class AFX_EXT_CLASS CClipboardViewer : public CWnd
{
	DECLARE_DYNAMIC(CClipboardViewer)

public:
	// Posted to the owner after every reading of the clipboard, wParam and
	// lParam 0. Registered by name while the library loads.
	static const UINT MSG_CLIPBOARDCONTENT_CHANGED;

// Construction
public:
	CClipboardViewer();
	// Releases as DeleteAll does.
	virtual ~CClipboardViewer();

	// Makes the viewer a hidden child of pOwner (control id 9213) and
	// registers it as a clipboard format listener. bCollectContent: collect
	// the clipboard's content at every reading. bReadNow: read the clipboard
	// (and notify the owner) at once. A NULL owner makes no window; the other
	// failures write one line to the application log and leave the viewer
	// deaf to the clipboard.
	void Create(bool bCollectContent, CWnd* pOwner, bool bReadNow);

// Attributes
public:
	// What the last reading found: CF_TEXT, CF_BITMAP, CF_HDROP. Any number
	// of them may be true at once.
	bool HaveClipboardText() const;
	bool HaveClipboardImage() const;
	bool HaveClipboardFileDir() const;
	// Drop effect of the last file list that was collected.
	bool HaveClipboardFileDirCopy() const;
	bool HaveClipboardFileDirLink() const;
	// Copies the collected content: the text's lines (an empty line as "~"),
	// the path of the image saved to a temporary file, or the file list's
	// paths. Empty when nothing was collected.
	void GetClipboardContent(TextArray& content) const;

// Overridables
public:
	// Arms the quiet-period timer at every WM_CLIPBOARDUPDATE, then passes
	// the message on.
	virtual BOOL PreTranslateMessage(MSG* pMsg) override;

// Implementation
protected:
	// Stops listening, stops and deletes the timer and forgets the owner, so
	// nothing is posted afterwards.
	void DeleteAll();
	// Saves the clipboard's image to a new temporary file and adds its path
	// to the content; nothing is added when neither of the two names works.
	void CollectImage();

	bool m_bCollectContent;
	bool m_bHaveText;
	bool m_bHaveImage;
	bool m_bHaveFileDir;
	bool m_bFileDirCopy;
	bool m_bFileDirLink;
	CWnd* m_pOwner;
	TimerThread* m_pTimer; // made at the first clipboard change
	TextArray m_content;

// Message handlers
public:
	// Reads the clipboard and notifies the owner; returns 0.
	afx_msg LRESULT OnGetClipboardContent(WPARAM wParam, LPARAM lParam);
	afx_msg void OnDestroy();

	DECLARE_MESSAGE_MAP()
};
