// IconComboBox.h - a combo box that offers the icons of an image list, one entry per icon.
//
// Classes in this file:
//   CIconComboBox
#pragma once

#include <afxwin.h>
#include <afxcmn.h>

/////////////////////////////////////////////////////////////////////////////
// CIconComboBox
//
// An owner-drawn combo box (CBS_OWNERDRAWFIXED or CBS_OWNERDRAWVARIABLE).
// Entry i shows icon i of the image list at small-icon size and no text, so
// the current selection (GetCurSel) is the chosen icon's index. The image
// list stays the application's and must outlive its use here.

class AFX_EXT_CLASS CIconComboBox : public CComboBox
{
	DECLARE_DYNCREATE(CIconComboBox)

// Construction
public:
	CIconComboBox();
	virtual ~CIconComboBox();

// Operations
public:
	// Empties the box and adds one entry per image of pImageList; a NULL or
	// empty list leaves it empty. The selection is not set.
	void ShowIcons(CImageList* pImageList);

	// Entries come from ShowIcons only: these do nothing and return CB_ERR.
	int AddString(LPCTSTR lpszString);
	int InsertString(int nIndex, LPCTSTR lpszString);
	int DeleteString(int nIndex);

// Overridables
public:
	virtual void PreSubclassWindow() override;
	virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
	virtual void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) override;

// Implementation
protected:
	int m_nItemHeight; // a small icon and a pixel above and below
	CImageList* m_pImageList;
};
