// ControlMgr.cpp - the form-field manager's defaults, fonts, label and layout shared by every field type.
#include <afxwin.h>

#include <kavro/ControlMgr.h>
#include <kavro/TransparentStatic.h>
#include <qtx/Graphics.h>

#include "Frame.h"

// Where a field's windows start, until the form gives the field its place.
static const CRect kInitialRect(0, 0, 10, 10);
// Space between the label and the data area below it.
static const int kLabelGap = 3;
static const CString kLabelEnd(":");

ControlMgr::ControlMgr()
	: m_nDataPropID(-1)
{
	CreateDefaultFonts();
}

ControlMgr::ControlMgr(const ControlMgr& other)
	: m_nDataPropID(other.m_nDataPropID)
{
	CreateDefaultFonts();
}

ControlMgr& ControlMgr::operator=(const ControlMgr& other)
{
	if (this != &other)
	{
		m_nDataPropID = other.m_nDataPropID;
		m_fontLabel.DeleteObject();
		m_fontControl.DeleteObject();
		CreateDefaultFonts();
	}
	return *this;
}

ControlMgr::~ControlMgr()
{
	m_fontLabel.DeleteObject();
	m_fontControl.DeleteObject();
}

/////////////////////////////////////////////////////////////////////////////
// Attributes

int ControlMgr::GetDataPropID() const
{
	return m_nDataPropID;
}

bool ControlMgr::operator==(const ControlMgr&) const
{
	return true;
}

bool ControlMgr::operator<(const ControlMgr&) const
{
	return true;
}

/////////////////////////////////////////////////////////////////////////////
// Overridables

void ControlMgr::DoCreate(int, unsigned int&, const CString&, CWnd*, bool, CWnd*&)
{
}

void ControlMgr::UpdateName(const CString&, bool)
{
}

unsigned int ControlMgr::GetCtrlID() const
{
	return 0;
}

CWnd* ControlMgr::GetLastCtrl()
{
	return NULL;
}

void ControlMgr::SetLabelFont(const FontDef& def)
{
	m_fontLabel.DeleteObject();
	m_fontLabel.CreateFontIndirect(&def.GetLogFont());
}

void ControlMgr::SetControlFont(const FontDef& def)
{
	m_fontControl.DeleteObject();
	m_fontControl.CreateFontIndirect(&def.GetLogFont());
}

void ControlMgr::SetFixDoubleTextPasteBug()
{
}

void ControlMgr::SetRect(const CRect&)
{
}

void ControlMgr::GetRect(CRect&) const
{
}

void ControlMgr::GetRedrawRect(CRect& rect) const
{
	rect.SetRectEmpty();
}

void ControlMgr::DoMoveWindow()
{
}

void ControlMgr::ShowData(const CString&)
{
}

CString ControlMgr::GetData() const
{
	return CString();
}

void ControlMgr::GetSelRange(long&, long&)
{
}

unsigned int ControlMgr::GetWidth() const
{
	return 0;
}

unsigned int ControlMgr::GetHeight() const
{
	return 0;
}

void ControlMgr::DoDrawImage(Gdiplus::Graphics&, const Gdiplus::RectF&)
{
}

bool ControlMgr::GetInsertMode() const
{
	return true;
}

bool ControlMgr::HaveFocus() const
{
	return false;
}

bool ControlMgr::CanHaveFocus() const
{
	return false;
}

void ControlMgr::DoSetFocus()
{
}

void ControlMgr::DoEnable(bool)
{
}

bool ControlMgr::CanEnableEditUndo() const
{
	return false;
}

void ControlMgr::DoEditUndo()
{
}

int ControlMgr::OnCmdMsg(unsigned int, int, void*, AFX_CMDHANDLERINFO*)
{
	return 0;
}

LRESULT ControlMgr::DoSendMessage(unsigned int, WPARAM, LPARAM)
{
	return 0;
}

bool ControlMgr::GetDataModified()
{
	return false;
}

void ControlMgr::Print(PrintInfo*)
{
}

/////////////////////////////////////////////////////////////////////////////
// Implementation

void ControlMgr::SetDataPropID(int id)
{
	m_nDataPropID = id;
}

void ControlMgr::SetFontOnLabel(CWnd& label, bool redraw)
{
	if (::IsWindow(label.GetSafeHwnd()))
		label.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(m_fontLabel.GetSafeHandle()), redraw);
}

int ControlMgr::GetLabelTextHeight(CWnd& wnd)
{
	LOGFONTA lf;
	if (!m_fontLabel.GetLogFont(&lf))
		return 0;
	return GraphicsUtils::GetTextHeight(wnd, lf);
}

void ControlMgr::CreateLabel(CTransparentStatic& label, unsigned int& nextCtrlID, CWnd* pParent,
	bool inTabPage)
{
	label.Create("", WS_CHILD | WS_VISIBLE, kInitialRect, pParent, nextCtrlID++);
	if (inTabPage)
		label.IsInTabCtrlPg();
	label.UseEllipsis(CTransparentStatic::TrailingEllipsis, false);
	label.SetContentType(CTransparentStatic::TextContent, false);
}

void ControlMgr::SetLabelText(CTransparentStatic& label, const CString& name, bool redraw)
{
	if (::IsWindow(label.GetSafeHwnd()))
		label.SetWindowTextA(name + kLabelEnd, redraw);
}

void ControlMgr::SplitRect(CWnd& label, const CRect& rect, CRect& rcLabel, CRect& rcData)
{
	const int nLabelHeight = GetLabelTextHeight(label);
	rcLabel = rect;
	rcLabel.bottom = rect.top + nLabelHeight;
	rcData = rect;
	rcData.top = rect.top + nLabelHeight + kLabelGap;
}

void ControlMgr::MoveFieldWindow(CWnd& wnd, const CRect& rect)
{
	// Every field's windows start stacked on one another at the same place;
	// erasing what each move uncovers there at once would paint the whole
	// stack again for every move. The erase waits for the next paint.
	if (::IsWindow(wnd.GetSafeHwnd()))
		wnd.SetWindowPos(NULL, rect.left, rect.top, rect.Width(), rect.Height(),
			SWP_NOZORDER | SWP_NOACTIVATE | SWP_DEFERERASE);
}

void ControlMgr::CreateDefaultFonts()
{
	LOGFONTA lf;
	GraphicsUtils::SetDefaultFont(lf, kDefaultFace, -1, -1, false, false, false);
	m_fontLabel.CreateFontIndirect(&lf);
	m_fontControl.CreateFontIndirect(&lf);
}
