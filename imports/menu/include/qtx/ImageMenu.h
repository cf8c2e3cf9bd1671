// ImageMenu.h - popup menus that draw an image beside each item.
//
// Classes in this file:
//   CImageMenu
#pragma once

#include <afxwin.h>

#include <vector>

#ifdef QTXMENU_BUILD
#define QTXMENU_API __declspec(dllexport)
#else
#define QTXMENU_API __declspec(dllimport)
#endif

/////////////////////////////////////////////////////////////////////////////
// CImageMenu
//
// A popup menu whose command items are drawn by the menu itself while it is
// tracked: the image registered for the item's command, the item text with
// its accelerator text (after a tab) aligned right, a check mark or radio
// bullet, and the embossed look of disabled items. The items are built as
// ordinary string items (AppendMenu, a menu resource); TrackPopupMenu turns
// them into owner-drawn items for as long as the menu is open and back
// afterwards. Separators and sub-menus keep the system's drawing.
//
// The owner window passed to TrackPopupMenu receives WM_MEASUREITEM and
// WM_DRAWITEM for the items; the framework's CWnd::OnMeasureItem and
// OnDrawItem hand them to this object, so an owner that handles those
// messages itself must call the base handlers for menu items.
//
// Images come from one table per process, keyed by command id, so that every
// menu showing a command shows it with the same picture.

class QTXMENU_API CImageMenu : public CMenu
{
	DECLARE_DYNAMIC(CImageMenu)

// Construction
public:
	CImageMenu();
	virtual ~CImageMenu();

	// Loads the menu resource nIDResource through the application's resource
	// chain, takes its first popup and filters it for pOwner (which may be
	// NULL):
	//   - each command item is shown as the owner's update handler
	//     (ON_UPDATE_COMMAND_UI, reached through OnCmdMsg) leaves it:
	//     disabled items are greyed, checked items are checked; items
	//     without an update handler stay as the resource has them;
	//   - sub-menus are filtered the same way and dropped when nothing is
	//     left in them;
	//   - separators that would stand first, last or next to another
	//     separator are dropped.
	// Returns a new menu that the caller deletes, or NULL when the resource
	// is missing, has no popup or leaves nothing to show.
	static CImageMenu* LoadFilteredPopupMenu(UINT nIDResource, CWnd* pOwner);

// Attributes
public:
	// Sets the image shown beside every item with command nID; the menu
	// keeps its own copy of the icon. NULL removes the image.
	static BOOL SetCommandImage(UINT nID, HICON hIcon);
	// The image registered for nID, or NULL; owned by the table.
	static HICON GetCommandImage(UINT nID);

// Operations
public:
	// Shows the menu and returns when it has closed; pWnd receives the
	// chosen command as WM_COMMAND. Hides CMenu::TrackPopupMenu so that the
	// items are drawn by this object while the menu is open.
	BOOL TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd, LPCRECT lpRect = NULL);

// Overridables
public:
	virtual void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) override;
	virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

// Implementation
protected:
	// What an owner-drawn item was before TrackPopupMenu took it over.
	struct ItemData
	{
		UINT nID;
		UINT fType;          // the original type bits (MFT_RADIOCHECK ...)
		ULONG_PTR dwOldData; // the application's item data, given back later
		CString strText;     // label
		CString strAccel;    // accelerator text after the tab, if any
	};

	// Turns the string items into owner-drawn ones, and back.
	void BeginOwnerDraw();
	void EndOwnerDraw();

	const ItemData* FindItemData(ULONG_PTR dwItemData) const;
	HFONT GetMenuFont();
	static int GetImageSize();

	std::vector<ItemData*> m_items; // owned; filled while owner-drawn
	HFONT m_hFont;                  // menu font, made on first use

private:
	CImageMenu(const CImageMenu&) = delete;
	CImageMenu& operator=(const CImageMenu&) = delete;
};
