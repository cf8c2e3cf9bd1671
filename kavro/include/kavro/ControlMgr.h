// ControlMgr.h - the interface of a form-field manager: one labelled field of a form built at run time.
//
// Classes in this file:
//   ControlMgr
#pragma once

#include <afxwin.h>

#include <qtx/Graphics.h>
#include <qtx/Support.h>

class CTransparentStatic;
class PrintInfo;

// A field manager owns a label and one data control, both children of the
// form window. The application creates its managers in tab order, sharing one
// control-id counter and one previous-control pointer between the calls, then
// gives each its rectangle, moves it and fills it. Every operation has a
// default that does nothing or returns an empty value, so a field type
// overrides only what applies to it; DoCreate is the one it must write.
class AFX_EXT_CLASS ControlMgr
{
// Construction
public:
	// Data property id -1, default fonts.
	ControlMgr();
	// Copies the data property id; the copy gets default fonts and no windows.
	ControlMgr(const ControlMgr& other);
	ControlMgr& operator=(const ControlMgr& other);
	// Deletes both fonts.
	virtual ~ControlMgr();

// Attributes
public:
	// The application's id of the property the field shows; -1 when none.
	int GetDataPropID() const;
	// The base class gives no ordering: both answer true.
	bool operator==(const ControlMgr& other) const;
	bool operator<(const ControlMgr& other) const;

// Overridables
public:
	// Creates the field's windows under pParent, ids taken from nextCtrlID
	// (which is advanced), placed after pPrevCtrl in the tab order; pPrevCtrl
	// becomes the field's last window.
	virtual void DoCreate(int dataPropID, unsigned int& nextCtrlID, const CString& name, CWnd* pParent,
		bool inTabPage, CWnd*& pPrevCtrl) = 0;
	// Label text := name + ":"; repainted at once when redraw is set.
	virtual void UpdateName(const CString& name, bool redraw);
	// Dialog id of the data control; 0 when it has none.
	virtual unsigned int GetCtrlID() const;
	// The field's last window in the tab order; NULL when it has none.
	virtual CWnd* GetLastCtrl();
	// Replace the stored fonts with def's LOGFONT.
	virtual void SetLabelFont(const FontDef& def);
	virtual void SetControlFont(const FontDef& def);
	virtual void SetFixDoubleTextPasteBug();
	// The whole field's rectangle in the form's client coordinates; the
	// label takes one line at the top, the data area the rest. Nothing moves
	// before DoMoveWindow.
	virtual void SetRect(const CRect& rect);
	// The union of the label and data rectangles; rect is left alone by the
	// base class.
	virtual void GetRect(CRect& rect) const;
	// What the form must invalidate for the field's drawing; empty by default.
	virtual void GetRedrawRect(CRect& rect) const;
	// Moves the windows to their rectangles; they and what they uncovered
	// are repainted at the next WM_PAINT.
	virtual void DoMoveWindow();
	virtual void ShowData(const CString& data);
	virtual CString GetData() const;
	virtual void GetSelRange(long& start, long& end);
	// Pixel size of the field's picture; 0 when it has none.
	virtual unsigned int GetWidth() const;
	virtual unsigned int GetHeight() const;
	// Draws the field's picture into rect on g.
	virtual void DoDrawImage(Gdiplus::Graphics& g, const Gdiplus::RectF& rect);
	virtual bool GetInsertMode() const;
	virtual bool HaveFocus() const;
	virtual bool CanHaveFocus() const;
	virtual void DoSetFocus();
	// Enables or disables the field; nothing when it already is.
	virtual void DoEnable(bool enable);
	virtual bool CanEnableEditUndo() const;
	virtual void DoEditUndo();
	// Routes an Edit command or its update request to the data control;
	// 0 when not handled.
	virtual int OnCmdMsg(unsigned int id, int code, void* extra, AFX_CMDHANDLERINFO* info);
	// Sends a message to the data control and returns its result; 0 when not sent.
	virtual LRESULT DoSendMessage(unsigned int msg, WPARAM wParam, LPARAM lParam);
	// True once after each change of the data by the user.
	virtual bool GetDataModified();
	// Prints the field's content for the job; nothing when info is NULL.
	virtual void Print(PrintInfo* info);

// Implementation
private:
	int m_nDataPropID;

protected:
	void SetDataPropID(int id);
	// WM_SETFONT with the label font.
	void SetFontOnLabel(CWnd& label, bool redraw);
	// Height of one line of the label font on wnd; 0 without a window.
	int GetLabelTextHeight(CWnd& wnd);

	// The label every field type has: a transparent static, no text, the
	// next control id, shortened at its end as plain text.
	static void CreateLabel(CTransparentStatic& label, unsigned int& nextCtrlID, CWnd* pParent,
		bool inTabPage);
	// name + ":" on the label, when it exists.
	static void SetLabelText(CTransparentStatic& label, const CString& name, bool redraw);
	// Splits a field's rectangle: one line of the label font on top, the
	// data area 3 pixels below it.
	void SplitRect(CWnd& label, const CRect& rect, CRect& rcLabel, CRect& rcData);
	// Moves and sizes one of the field's windows, repainting it and what it
	// uncovered at the next WM_PAINT; nothing when wnd has no window.
	static void MoveFieldWindow(CWnd& wnd, const CRect& rect);

	CFont m_fontLabel;
	CFont m_fontControl;

private:
	void CreateDefaultFonts();
};
