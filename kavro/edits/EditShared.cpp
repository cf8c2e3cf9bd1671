// EditShared.cpp - the popup menu, triple click, line measurement and font of the image-menu edits.
#include <afxwin.h>

#include <qtx/Graphics.h>
#include <qtx/ImageMenu.h>
#include <qtx/Support.h>

#include "EditShared.h"
#include "Frame.h"

// Appends one string item, greyed when it is not available.
static void AppendItem(CImageMenu& menu, UINT nID, const std::vector<int>& label, bool bEnabled)
{
	const UINT nFlags = bEnabled ? MF_BYPOSITION : (MF_BYPOSITION | MF_GRAYED | MF_DISABLED);
	menu.AppendMenu(nFlags, nID, StringUtils::DecryptText(label));
}

void AFXAPI TrackEditMenu(CWnd* pEdit, CWnd* pOwner, CPoint point, const EditMenuState& state)
{
	if (pEdit == NULL || !::IsWindow(pEdit->GetSafeHwnd()))
		return;
	pEdit->SetFocus();

	CImageMenu menu;
	if (!menu.Attach(::CreatePopupMenu()))
		return;

	if (!state.bReadOnly)
	{
		AppendItem(menu, WM_UNDO, kTextMenuUndo, state.bCanUndo);
		menu.AppendMenu(MF_SEPARATOR | MF_BYPOSITION);
	}
	AppendItem(menu, WM_COPY, kTextMenuCopy, state.bHasSelection);
	if (!state.bReadOnly)
	{
		AppendItem(menu, WM_CUT, kTextMenuCut, state.bHasSelection);
		AppendItem(menu, WM_CLEAR, kTextMenuDelete, state.bHasSelection);
		// Asking whether a format is there does not open the clipboard, so a
		// clipboard that another program holds open does not stop the menu.
		AppendItem(menu, WM_PASTE, kTextMenuPaste, ::IsClipboardFormatAvailable(CF_TEXT) != FALSE);
	}
	menu.AppendMenu(MF_SEPARATOR | MF_BYPOSITION);
	AppendItem(menu, ID_EDITMENU_SELECT_ALL, kTextMenuSelectAll, !state.bAllSelected);

	if (point.x == -1 || point.y == -1)
	{
		CRect rcWindow;
		pEdit->GetWindowRect(&rcWindow);
		point = CPoint(rcWindow.left, rcWindow.bottom);
	}
	menu.TrackPopupMenu(TPM_RIGHTBUTTON, point.x, point.y, pOwner != NULL ? pOwner : pEdit, NULL);
	menu.DestroyMenu();
}

UINT_PTR AFXAPI ArmTripleClick(CWnd* pEdit)
{
	return pEdit->SetTimer(kTripleClickTimer, ::GetDoubleClickTime(), NULL);
}

void AFXAPI DisarmTripleClick(CWnd* pEdit, UINT_PTR& nTimer, UINT_PTR nIDEvent)
{
	if (nTimer == 0 || nIDEvent != nTimer)
		return;
	pEdit->KillTimer(nTimer);
	nTimer = 0;
}

int AFXAPI MeasureLineHeight(CWnd* pWnd, CFont* pFont)
{
	CDC* pDC = pWnd->GetWindowDC();
	if (pDC == NULL)
		return -1;
	CFont* pOldFont = pFont != NULL && pFont->GetSafeHandle() != NULL ? pDC->SelectObject(pFont) : NULL;
	CRect rcText(0, 0, 0, 0);
	pDC->DrawText(kSampleText, &rcText, DT_CALCRECT);
	if (pOldFont != NULL)
		pDC->SelectObject(pOldFont);
	pWnd->ReleaseDC(pDC);
	return rcText.Height();
}

void AFXAPI CreateDefaultEditFont(CFont& font)
{
	LOGFONTA lf = {};
	GraphicsUtils::SetDefaultFont(lf, kDefaultFace, -1, -1, false, false, false);
	font.CreateFontIndirect(&lf);
}

void AFXAPI ApplyFontDef(CWnd* pEdit, CFont& font, const FontDef& def)
{
	font.DeleteObject();
	font.CreateFontIndirect(&def.GetLogFont());
	if (::IsWindow(pEdit->GetSafeHwnd()))
		pEdit->SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font.GetSafeHandle()), TRUE);
}
