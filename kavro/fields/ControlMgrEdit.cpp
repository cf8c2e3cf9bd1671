// ControlMgrEdit.cpp - the text field: label and rich edit, data in and out, focus, commands and printing.
#include <afxwin.h>

#include <kavro/ControlMgrEdit.h>
#include <qtx/Print.h>
#include <qtx/Support.h>

#include "Frame.h"

// 12 MB of text: far beyond the rich edit's default of 32 KB.
static const long kTextLimit = 0x00C00000;

// Puts wnd right after prev in the Z order, which is the tab order. A new
// child goes to the bottom, so in a form created field after field the label
// is in its place already, and moving a window to where it is would still
// cost a round of position messages. (The edit is not: ES_SELECTIONBAR is the
// bit of WS_MAXIMIZE, and the system brings a maximized child to the top.)
static void PlaceAfter(CWnd& wnd, CWnd& prev)
{
	if (::GetWindow(wnd.GetSafeHwnd(), GW_HWNDPREV) == prev.GetSafeHwnd())
		return;
	wnd.SetWindowPos(&prev, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_DEFERERASE);
}

ControlMgrEdit::ControlMgrEdit()
{
}

ControlMgrEdit::ControlMgrEdit(const ControlMgrEdit& other)
	: ControlMgr(other)
	, m_rectLabel(other.m_rectLabel)
	, m_rectCtrl(other.m_rectCtrl)
{
}

ControlMgrEdit& ControlMgrEdit::operator=(const ControlMgrEdit& other)
{
	ControlMgr::operator=(other);
	m_rectLabel = other.m_rectLabel;
	m_rectCtrl = other.m_rectCtrl;
	// The label's font was just replaced: a live label must not keep the old one.
	SetFontOnLabel(m_label, true);
	return *this;
}

ControlMgrEdit::~ControlMgrEdit()
{
}

/////////////////////////////////////////////////////////////////////////////
// Attributes

bool ControlMgrEdit::operator==(const ControlMgrEdit& other) const
{
	return ::EqualRect(&m_rectLabel, &other.m_rectLabel) && ::EqualRect(&m_rectCtrl, &other.m_rectCtrl);
}

bool ControlMgrEdit::operator<(const ControlMgrEdit& other) const
{
	return ControlMgr::operator<(other);
}

/////////////////////////////////////////////////////////////////////////////
// Overridables

void ControlMgrEdit::DoCreate(int dataPropID, unsigned int& nextCtrlID, const CString& name, CWnd* pParent,
	bool inTabPage, CWnd*& pPrevCtrl)
{
	SetDataPropID(dataPropID);
	CreateLabel(m_label, nextCtrlID, pParent, inTabPage);
	UpdateName(name, false);

	m_edit.Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER | WS_VSCROLL | ES_MULTILINE | ES_WANTRETURN |
					  ES_SELECTIONBAR,
		CRect(0, 0, 0, 0), pParent, nextCtrlID++);
	if (HaveEdit())
	{
		// A form's fields look flat: a one-pixel border instead of the sunken edge.
		m_edit.SetFlatLook();
		m_edit.SendMessage(EM_EXLIMITTEXT, 0, kTextLimit);
	}

	// The Z order is the tab order: label, then edit, after the previous field.
	if (pPrevCtrl != NULL && ::IsWindow(m_label.GetSafeHwnd()))
		PlaceAfter(m_label, *pPrevCtrl);
	if (HaveEdit())
		PlaceAfter(m_edit, m_label);

	SetFontOnLabel(m_label, false);
	pPrevCtrl = &m_edit;
}

void ControlMgrEdit::UpdateName(const CString& name, bool redraw)
{
	SetLabelText(m_label, name, redraw);
}

unsigned int ControlMgrEdit::GetCtrlID() const
{
	return HaveEdit() ? m_edit.GetDlgCtrlID() : 0;
}

CWnd* ControlMgrEdit::GetLastCtrl()
{
	return HaveEdit() ? &m_edit : NULL;
}

void ControlMgrEdit::SetLabelFont(const FontDef& def)
{
	ControlMgr::SetLabelFont(def);
	SetFontOnLabel(m_label, true);
}

void ControlMgrEdit::SetControlFont(const FontDef& def)
{
	ControlMgr::SetControlFont(def);
	if (HaveEdit())
		m_edit.SetFontDef(def);
}

void ControlMgrEdit::SetFixDoubleTextPasteBug()
{
	m_edit.SetFixDoubleTextPasteBug();
}

void ControlMgrEdit::SetRect(const CRect& rect)
{
	SplitRect(m_label, rect, m_rectLabel, m_rectCtrl);
}

void ControlMgrEdit::GetRect(CRect& rect) const
{
	rect.UnionRect(&m_rectLabel, &m_rectCtrl);
}

void ControlMgrEdit::DoMoveWindow()
{
	MoveFieldWindow(m_label, m_rectLabel);
	if (HaveEdit())
		MoveFieldWindow(m_edit, m_rectCtrl);
}

void ControlMgrEdit::ShowData(const CString& data)
{
	if (!HaveEdit())
		return;
	m_edit.SetWindowText(data);
	m_edit.ScrollToTheTop();
	m_edit.SetSel(0, 0);
	// Loading the field is not a change by the user.
	m_edit.SetModify(FALSE);
}

CString ControlMgrEdit::GetData() const
{
	if (!HaveEdit())
		return CString();
	CString text;
	m_edit.GetWindowText(text);
	return StringUtils::Trim(text);
}

void ControlMgrEdit::GetSelRange(long& start, long& end)
{
	if (HaveEdit())
		m_edit.GetSel(start, end);
}

bool ControlMgrEdit::GetInsertMode() const
{
	return HaveEdit() && m_edit.GetInsertMode();
}

bool ControlMgrEdit::HaveFocus() const
{
	return HaveEdit() && ::GetFocus() == m_edit.GetSafeHwnd();
}

bool ControlMgrEdit::CanHaveFocus() const
{
	return true;
}

void ControlMgrEdit::DoSetFocus()
{
	if (!HaveEdit())
		return;
	m_edit.SetFocus();
	long start = 0, end = 0;
	m_edit.GetSel(start, end);
	// Tabbing into a field selects all of it; typing should not replace it.
	// The end is compared with the length in the selection's own units, UTF-16
	// characters with a paragraph break as one (the window text's length
	// counts bytes of the ANSI code page and a break as two); a select-all may
	// end one past it, on the final paragraph mark.
	if (start == 0 && end >= 1 && end >= m_edit.GetTextLengthEx(GTL_NUMCHARS | GTL_PRECISE, kUnicodeCodePage))
	{
		m_edit.SetSel(0, 0);
		m_edit.SetSel(end, end);
	}
}

void ControlMgrEdit::DoEnable(bool enable)
{
	const bool bCurrent = HaveEdit() && m_edit.IsWindowEnabled();
	if (bCurrent == enable)
		return;
	if (::IsWindow(m_label.GetSafeHwnd()))
		m_label.EnableWindow(enable, true);
	if (HaveEdit())
		m_edit.EnableWindow(enable);
}

bool ControlMgrEdit::CanEnableEditUndo() const
{
	return HaveEdit() && m_edit.CanEnableEditUndo();
}

void ControlMgrEdit::DoEditUndo()
{
	if (HaveEdit())
		m_edit.DoEditUndo();
}

int ControlMgrEdit::OnCmdMsg(unsigned int id, int code, void* extra, AFX_CMDHANDLERINFO* info)
{
	if (!HaveEdit())
		return 0;
	return m_edit.OnCmdMsg(id, code, extra, info);
}

LRESULT ControlMgrEdit::DoSendMessage(unsigned int msg, WPARAM wParam, LPARAM lParam)
{
	if (!HaveEdit())
		return 0;
	// Alt pressed anywhere in the form: the labels show their access keys.
	if (msg == WM_SYSKEYDOWN)
	{
		if (::IsWindow(m_label.GetSafeHwnd()))
			m_label.ShowUnderscore(true, true);
		return 0;
	}
	return m_edit.SendMessage(msg, wParam, lParam);
}

bool ControlMgrEdit::GetDataModified()
{
	return HaveEdit() && m_edit.IsModified();
}

void ControlMgrEdit::Print(PrintInfo* info)
{
	if (info == NULL || !HaveEdit())
		return;
	RichTextEditPrinter printer(&m_edit);
	printer.Print(info);
}

/////////////////////////////////////////////////////////////////////////////
// Implementation

bool ControlMgrEdit::HaveEdit() const
{
	return ::IsWindow(m_edit.GetSafeHwnd()) != FALSE;
}
