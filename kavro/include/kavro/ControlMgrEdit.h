// ControlMgrEdit.h - the text field of a run-time form: a label above a multi-line rich edit.
//
// Classes in this file:
//   ControlMgrEdit
#pragma once

#include <kavro/ControlMgr.h>
#include <kavro/ImageMenuRichEdit.h>
#include <kavro/TransparentStatic.h>

// The field's data is the edit's whole text, trimmed. Focus, enabling, undo,
// the Edit commands and messages go to the edit; the text prints through the
// print library.
class AFX_EXT_CLASS ControlMgrEdit : public ControlMgr
{
// Construction
public:
	ControlMgrEdit();
	// Copy the data property id and the rectangles; the copy has no windows.
	ControlMgrEdit(const ControlMgrEdit& other);
	ControlMgrEdit& operator=(const ControlMgrEdit& other);
	virtual ~ControlMgrEdit();

// Attributes
public:
	// Equal when both rectangles are.
	bool operator==(const ControlMgrEdit& other) const;
	bool operator<(const ControlMgrEdit& other) const;

// Overridables
public:
	// Creates the label and the edit (two control ids), both placed after
	// pPrevCtrl in the tab order; pPrevCtrl becomes the edit.
	virtual void DoCreate(int dataPropID, unsigned int& nextCtrlID, const CString& name, CWnd* pParent,
		bool inTabPage, CWnd*& pPrevCtrl) override;
	virtual void UpdateName(const CString& name, bool redraw) override;
	virtual unsigned int GetCtrlID() const override;
	virtual CWnd* GetLastCtrl() override;
	virtual void SetLabelFont(const FontDef& def) override;
	// Also gives the edit the font and def's text colour.
	virtual void SetControlFont(const FontDef& def) override;
	virtual void SetFixDoubleTextPasteBug() override;
	virtual void SetRect(const CRect& rect) override;
	virtual void GetRect(CRect& rect) const override;
	virtual void DoMoveWindow() override;
	// Shows the text scrolled to its top with the caret at its start; does
	// not count as a change.
	virtual void ShowData(const CString& data) override;
	virtual CString GetData() const override;
	virtual void GetSelRange(long& start, long& end) override;
	virtual bool GetInsertMode() const override;
	virtual bool HaveFocus() const override;
	virtual bool CanHaveFocus() const override;
	// Focuses the edit; a whole-text selection becomes a caret at the end.
	virtual void DoSetFocus() override;
	virtual void DoEnable(bool enable) override;
	virtual bool CanEnableEditUndo() const override;
	virtual void DoEditUndo() override;
	virtual int OnCmdMsg(unsigned int id, int code, void* extra, AFX_CMDHANDLERINFO* info) override;
	// WM_SYSKEYDOWN shows the label's mnemonic underscores and is not passed
	// on; every other message goes to the edit.
	virtual LRESULT DoSendMessage(unsigned int msg, WPARAM wParam, LPARAM lParam) override;
	virtual bool GetDataModified() override;
	virtual void Print(PrintInfo* info) override;

// Implementation
protected:
	bool HaveEdit() const;

	CRect m_rectLabel;
	CRect m_rectCtrl;
	CTransparentStatic m_label;
	CImageMenuRichEdit m_edit;
};
