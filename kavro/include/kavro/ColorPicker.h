// ColorPicker.h - a combo box of named colour swatches with a custom entry that opens the colour dialog.
//
// Classes in this file:
//   CColorPicker
#pragma once

#include <afxwin.h>

/////////////////////////////////////////////////////////////////////////////
// CColorPicker
//
// Bind it to an owner-drawn combo box that keeps its strings (CBS_HASSTRINGS)
// and is not sorted. It lists 40 named colours, each entry's item data its
// COLORREF, and last a custom entry that opens the system's colour dialog and
// always carries the current colour. Every choice is sent to the parent as
// CPN_SELCHANGE (wParam the control id, lParam the colour); the parent does
// not see the combo box's CBN_SELCHANGE. A cancelled dialog sends nothing.

class AFX_EXT_CLASS CColorPicker : public CComboBox
{
	DECLARE_DYNCREATE(CColorPicker)

public:
	// Registered when the library loads; compare incoming messages with it.
	static const UINT CPN_SELCHANGE;

// Construction
public:
	CColorPicker();
	virtual ~CColorPicker();

// Attributes
public:
	// The colour last chosen or set; white at first.
	COLORREF GetColor() const;
	// Selects the first entry of that colour, or else the custom entry, which
	// takes the colour; repaints at once and tells the parent nothing. Before
	// the window is bound it only stores the colour.
	void SetColor(COLORREF crColor);

// Overridables
public:
	virtual void PreSubclassWindow() override;
	virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

// Implementation
protected:
	COLORREF m_crColor;
	bool m_bDialogOpen; // the colour dialog of the custom entry is showing

// Message handlers
protected:
	afx_msg void OnClicked();
	// Wakes the colour dialog's modal loop when the picker goes while the
	// dialog is open, so that the loop sees its dialog gone and returns.
	afx_msg void OnDestroy();

	DECLARE_MESSAGE_MAP()
};
