// EditShared.h - what the image-menu edit and the image-menu rich edit share inside kavro.dll.
//
// Classes in this file:
//   EditMenuState
//
// The popup menu of edit commands, the triple click, the paste-command fix and
// the measurement of one line for vertical centring are the same for both
// edits; each edit only reads its own state.
#pragma once

#include <afxwin.h>

class FontDef;

// The popup menu's command ids. Each carries out the window message of the
// same value (WM_UNDO, WM_COPY, WM_CUT, WM_CLEAR, WM_PASTE); select all has an
// id of its own.
const UINT ID_EDITMENU_SELECT_ALL = 0x7400;

// The system's timer id of the triple click, running for one double-click
// time after a double click.
const UINT_PTR kTripleClickTimer = 34;

// What the popup menu shows, read from the edit just before it opens.
struct EditMenuState
{
	bool bReadOnly;     // ES_READONLY: only copy and select all are offered
	bool bCanUndo;      // EM_CANUNDO
	bool bHasSelection; // the selection is not empty
	bool bAllSelected;  // the text is empty or already selected as a whole
};

// Gives pEdit the focus and shows the popup menu of edit commands at point
// (screen coordinates); a point with a coordinate of -1 (the menu key,
// Shift+F10) opens it below the control's lower-left corner. The chosen
// command reaches pOwner (pEdit when NULL) as WM_COMMAND. Shows nothing when
// no menu can be made.
void AFXAPI TrackEditMenu(CWnd* pEdit, CWnd* pOwner, CPoint point, const EditMenuState& state);

// Starts the triple-click timer after a double click; returns its id, 0 when
// the system has no timer to give.
UINT_PTR AFXAPI ArmTripleClick(CWnd* pEdit);
// Called for every WM_TIMER: when nIDEvent is the running triple-click timer
// nTimer, kills it and sets nTimer to 0.
void AFXAPI DisarmTripleClick(CWnd* pEdit, UINT_PTR& nTimer, UINT_PTR nIDEvent);

// With the paste fix on, the framework's paste command (not its update
// request) is swallowed: the edit pastes from its own keystroke and menu only.
inline bool IsSwallowedPaste(bool bFixDoublePaste, UINT nID, int nCode)
{
	return bFixDoublePaste && nID == ID_EDIT_PASTE && nCode >= 0;
}

// Height of one line of text in pFont on the window's device context, -1
// when the window gives no device context.
int AFXAPI MeasureLineHeight(CWnd* pWnd, CFont* pFont);

// Makes font from the graphics library's default font description.
void AFXAPI CreateDefaultEditFont(CFont& font);
// Replaces font by one made from def's LOGFONT and gives it to the edit
// (WM_SETFONT, redrawn).
void AFXAPI ApplyFontDef(CWnd* pEdit, CFont& font, const FontDef& def);
