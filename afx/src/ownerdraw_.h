// ownerdraw_.h - how control wrappers take the owner-draw messages their parent reflects (internal).
#pragma once

#include "afxwin.h"

// Ends a reflected message that the control handled itself.
inline BOOL HandledChildNotify(LRESULT* pResult, LRESULT lResult)
{
	if (pResult != NULL)
		*pResult = lResult;
	return TRUE;
}

// WM_DRAWITEM reflected to an owner-drawn control ends in its DrawItem;
// FALSE for any other message.
template <class TCtrl>
BOOL ReflectDrawItem(TCtrl* pCtrl, UINT message, LPARAM lParam, LRESULT* pResult)
{
	if (message != WM_DRAWITEM)
		return FALSE;
	pCtrl->DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
	return HandledChildNotify(pResult, TRUE);
}

// Owner-draw messages reflected to a list or combo box end in its virtual
// functions; FALSE for any other message.
template <class TBox>
BOOL ReflectOwnerDraw(TBox* pBox, UINT message, LPARAM lParam, LRESULT* pResult)
{
	switch (message)
	{
	case WM_DRAWITEM:
		return ReflectDrawItem(pBox, message, lParam, pResult);
	case WM_MEASUREITEM:
		pBox->MeasureItem(reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam));
		return HandledChildNotify(pResult, TRUE);
	case WM_COMPAREITEM:
		return HandledChildNotify(pResult, pBox->CompareItem(reinterpret_cast<LPCOMPAREITEMSTRUCT>(lParam)));
	case WM_DELETEITEM:
		pBox->DeleteItem(reinterpret_cast<LPDELETEITEMSTRUCT>(lParam));
		return HandledChildNotify(pResult, TRUE);
	}
	return FALSE;
}
