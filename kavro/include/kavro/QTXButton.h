// QTXButton.h - owner-drawn push buttons with icons, shading, hot look and repeat; check and radio buttons.
//
// Classes in this file:
//   CQTXButton, CQTXCheckbox, CQTXRadiobutton
#pragma once

#include <afxwin.h>

#include <qtx/Graphics.h>

#include <vector>

/////////////////////////////////////////////////////////////////////////////
// CQTXButton: a push button that paints itself completely (face, icon,
// caption, frame, focus), tracks the mouse for a hot look and can repeat its
// click while held down. Bind it to a dialog's button or Create it; either way
// it turns the window into an owner-drawn button.

class AFX_EXT_CLASS CQTXButton : public CButton
{
	DECLARE_DYNAMIC(CQTXButton)

// Construction
public:
	CQTXButton();
	virtual ~CQTXButton();

// Attributes
public:
	// Caption colour of the enabled button; shows at the next paint.
	void SetTextColor(unsigned long color);
	// DT_ flags the caption is drawn with; shows at the next paint.
	void SetTextAlign(unsigned int format);
	// Inset of the dotted focus frame; 0 or less draws none. Next paint.
	void SetFocusRectMargin(short margin);
	// While hot, the icon rises one pixel over a dark shadow. Next paint.
	void SetJumpIcon(bool jump);
	// Keeps mnemonic ampersands in the enabled caption; repaints on a change.
	void ShowUnderscore(bool show);
	// Draws a disabled caption once in the text colour instead of embossed.
	void SetRegularFontWhenDisabled(bool regular, bool redraw);

	// The size caption, icon and focus margin need, in pixels.
	CSize GetContentSize();

// Operations
public:
	// Repeats WM_COMMAND (BN_CLICKED) to the parent while the button is held
	// down: 250 ms after the press, then every 90 ms. Cannot be undone.
	void SetAsRepeaterButton();
	// A shaded face for every state (hot darker); a kind of 0 returns to the
	// flat system colour. Invalidates.
	void SetShadeProps(const ShadeProps& props);

	// One of the graphics library's pictures; nothing changes when the
	// library has none for it.
	void SetIcon(QTXIcon::ButtonIcon icon, unsigned int alignH, unsigned int alignV, bool flag);
	// Icons loaded from module (NULL: the application) by resource id; the
	// state ids are optional (0: the normal icon). A normal icon that cannot
	// be loaded leaves no icon and writes one log line. alignH is BS_LEFT,
	// BS_RIGHT or BS_CENTER, alignV BS_TOP, BS_BOTTOM or BS_VCENTER; other
	// values centre. Invalidates.
	void SetIcon(unsigned int iconId, HINSTANCE module, unsigned int alignH, unsigned int alignV,
		unsigned int pressedId, unsigned int hotId, unsigned int disabledId);
	// One icon for every state; the button takes it over and destroys it.
	// A null or destroyed handle leaves no icon. Invalidates.
	void SetIcon(HICON icon, unsigned int alignH, unsigned int alignV);

	// Caption font from the graphics library's default font with a face,
	// size, weight, italic and underline; false when the font cannot be made.
	// Next paint.
	bool SetFont(const CString& face, long a, long b, unsigned char c, unsigned char d);
	// Caption font from a description; false when it cannot be made.
	bool SetFont(LOGFONTA& lf);

// Overridables
public:
	// Paints every pixel of the button for the item state in lpDrawItemStruct.
	virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

protected:
	// True when the button is to be drawn pressed although it is not held.
	virtual bool IsChecked() const;
	// True when the focus frame is to be drawn whatever the item state says.
	virtual bool GetHaveFocus() const;
	// Places the icon in textRect and takes its room from the caption.
	virtual void AdjustForIcon(CRect& textRect, CPoint& iconPos) const;
	virtual void PreSubclassWindow() override;

public:
	// Records whether the content moves by one pixel when pressed (the
	// BS_PUSHLIKE bit of style); the window's own style is left alone.
	// Invalidates when redraw is true. Check boxes and radio buttons never move.
	virtual void SetButtonStyle(unsigned int style, bool redraw);

// Implementation
protected:
	bool GetButtonDown() const { return m_bButtonDown; }
	// Records the logical type for a derived class (BS_CHECKBOX,
	// BS_RADIOBUTTON); such buttons neither shift nor draw a frame.
	void SetSpecialStyle(unsigned long style);
	// Destroys the icons the button holds, each once, and empties the slots.
	void ClearIcons();

	// Invalidates the whole button when it has a window.
	void Repaint();
	// Sends WM_COMMAND with BN_CLICKED to the parent, as the button itself does.
	void NotifyClicked();
	void KillRepeatTimer();
	// True while the mouse is held on the button and point (client
	// coordinates) lies over it, with no other window in front.
	bool IsHeldOver(CPoint point) const;
	// Stores the icon alignments, centring values that are not allowed.
	void SetIconAlign(unsigned int alignH, unsigned int alignV);
	void CreateDefaultFont();
	void DrawIcon(CDC* pDC, HICON hIcon, CPoint pt, UINT nFlags, HBRUSH hBrush = NULL) const;
	// Draws the face for the item state into the memory DC; a default
	// button's frame narrows dis.rcItem by one pixel.
	void DrawFace(CDC* pDC, DRAWITEMSTRUCT& dis);
	void DrawFocusFrame(CDC* pDC, const CRect& rcItem) const;

	bool m_bPushLike;
	bool m_bHot;
	bool m_bJumpIcon;
	bool m_bButtonDown;
	bool m_bFlat;
	bool m_bDrawFrame;
	bool m_bRegularFontWhenDisabled;
	bool m_bShaded;
	bool m_bShowUnderscore;
	bool m_bRepeater;
	bool m_bRepeated;
	short m_nFocusRectMargin;
	unsigned int m_nSpecialStyle;
	unsigned int m_nTextAlign;
	unsigned int m_nIconAlignH;
	unsigned int m_nIconAlignV;
	UINT_PTR m_nRepeatTimer;
	COLORREF m_crText;
	CRect m_rcIcon;
	HICON m_hIcon;
	HICON m_hIconPressed;
	HICON m_hIconHot;
	HICON m_hIconDisabled;
	CFont m_font;
	Shade m_shadeNormal;
	Shade m_shadeHot;

// Message handlers
protected:
	afx_msg BOOL OnEraseBkgnd(CDC* pDC);
	afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
	afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
	afx_msg void OnMouseMove(UINT nFlags, CPoint point);
	afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
	afx_msg void OnKillFocus(CWnd* pNewWnd);
	afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
	afx_msg void OnSize(UINT nType, int cx, int cy);
	afx_msg void OnTimer(UINT_PTR nIDEvent);
	afx_msg void OnDestroy();
	afx_msg LRESULT OnMouseLeave(WPARAM wParam, LPARAM lParam);

	DECLARE_MESSAGE_MAP()
};

/////////////////////////////////////////////////////////////////////////////
// CQTXCheckbox: a CQTXButton with a check state of its own, toggled by a
// completed click or the space bar and drawn like a pressed button.

class AFX_EXT_CLASS CQTXCheckbox : public CQTXButton
{
	DECLARE_DYNAMIC(CQTXCheckbox)

// Construction
public:
	CQTXCheckbox();

// Attributes
public:
	// Stores the state; no repaint (invalidate to show it).
	void SetChecked(bool checked);
	bool GetChecked() const { return m_bChecked; }
	// 1 when checked, else 0.
	int GetCheck() const { return m_bChecked ? 1 : 0; }
	virtual void SetButtonStyle(unsigned int style, bool redraw) override;

// Overridables
protected:
	virtual bool IsChecked() const override;
	virtual void PreSubclassWindow() override;

// Implementation
protected:
	// Shows the graphics library's tick or clear box as the icon, on the left.
	void SetCheckboxIcon();

	bool m_bChecked;

// Message handlers
protected:
	afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
	afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
	afx_msg LRESULT OnBMSetCheck(WPARAM wParam, LPARAM lParam);
	afx_msg LRESULT OnBMGetCheck(WPARAM wParam, LPARAM lParam);

	DECLARE_MESSAGE_MAP()
};

/////////////////////////////////////////////////////////////////////////////
// CQTXRadiobutton: a CQTXButton with a radio picture for its state; checking
// it unchecks the other members of its group, named by control id.

class AFX_EXT_CLASS CQTXRadiobutton : public CQTXButton
{
	DECLARE_DYNAMIC(CQTXRadiobutton)

// Construction
public:
	CQTXRadiobutton();
	virtual ~CQTXRadiobutton();

// Attributes
public:
	// Sets the state and its radio icon, repaints, and when checked unchecks
	// the group.
	void SetChecked(bool checked);
	bool GetChecked() const { return m_bChecked; }
	// 1 when checked, else 0.
	int GetCheck() const { return m_bChecked ? 1 : 0; }
	// The control ids of the other members of the group; zeros are skipped.
	void SetGroupIDs(unsigned int id1, unsigned int id2, unsigned int id3, unsigned int id4, unsigned int id5,
		unsigned int id6, unsigned int id7, unsigned int id8);
	virtual void SetButtonStyle(unsigned int style, bool redraw) override;

// Overridables
protected:
	virtual bool IsChecked() const override;
	virtual bool GetHaveFocus() const override;
	virtual void PreSubclassWindow() override;

// Implementation
protected:
	// Unchecks the group's members that are CQTXRadiobutton objects; other
	// windows and ids without a window are skipped.
	void UncheckOthers();
	// Shows the radio icon of the current state and invalidates.
	void SetRadiobuttonIcon();

	bool m_bChecked;
	bool m_bHaveFocus;
	std::vector<unsigned int> m_groupIDs;

// Message handlers
protected:
	afx_msg void OnSetFocus(CWnd* pOldWnd);
	afx_msg void OnKillFocus(CWnd* pNewWnd);
	afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
	afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
	afx_msg LRESULT OnBMSetCheck(WPARAM wParam, LPARAM lParam);
	afx_msg LRESULT OnBMGetCheck(WPARAM wParam, LPARAM lParam);

	DECLARE_MESSAGE_MAP()
};
