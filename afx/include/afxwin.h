// afxwin.h - command targets, windows, dialogs, standard controls, threads and the application object.
//
// Classes in this file:
//   AFX_MSGCALL, AFX_MSGMAP_ENTRY, AFX_MSGMAP, AFX_CMDHANDLERINFO, AFX_NOTIFY, AFX_CTLCOLOR, CCmdTarget,
//   CCmdUI, CWnd, CDialog, CStatic, CButton, CListBox, CCheckListBox, CComboBox, CEdit, CScrollBar, CView,
//   CWinThread, CWinApp
#pragma once

#include "afx.h"

#include <commctrl.h>
#include <shellapi.h>

#include "afxgdi_.h"

#include "afxres.h"
#include "afxstat_.h"

// <winuser.h> makes GetNextWindow a two-argument macro for GetWindow, which
// would hide CWnd::GetNextWindow.
#ifdef GetNextWindow
#undef GetNextWindow
#endif

class CCmdTarget;
class CCmdUI;
class CWnd;
class CDialog;
class CScrollBar;
class CListBox;
class CWinThread;
class CWinApp;
class CDataExchange;
struct CCreateContext;

/////////////////////////////////////////////////////////////////////////////
// Message maps
//
// An entry names what it matches (message, notification code, control id
// range) and a dispatch function that cracks the parameters and calls the
// handler. The dispatch functions are made per handler by the ON_ macros of
// afxmsg_.h, which also check the handler's signature at compile time.

// Command codes passed to OnCmdMsg.
#define CN_COMMAND 0
#define CN_UPDATE_COMMAND_UI ((UINT)(-1))
#define CN_EVENT ((UINT)(-2))
#define CN_OLECOMMAND ((UINT)(-3))
#define CN_OLE_UNREGISTER ((UINT)(-4))

typedef void (AFX_MSG_CALL CCmdTarget::*AFX_PMSG)(void);
typedef void (AFX_MSG_CALL CWnd::*AFX_PMSGW)(void);

// What a dispatch function receives: the message for window messages, the
// command id, code and extra data for commands and notifications.
struct AFX_MSGCALL
{
	UINT nMessage;
	WPARAM wParam;
	LPARAM lParam;
	LRESULT lResult;
	UINT nID;
	UINT nCode;
	void* pExtra;
};

// Returns FALSE when the handler declined the message (the _EX forms, a NULL
// reflected brush), so that routing goes on.
typedef BOOL(AFX_CDECL* AFX_PMSGDISPATCH)(CCmdTarget* pTarget, AFX_MSGCALL& call);

struct AFX_MSGMAP_ENTRY
{
	UINT nMessage;                   // window message, WM_COMMAND/WM_NOTIFY (maybe reflected), or 0xC000
	UINT nCode;                      // control notification code, CN_UPDATE_COMMAND_UI, or 0
	UINT nID;                        // first control id of the range, 0 for window messages
	UINT nLastID;                    // last control id of the range
	const UINT* pnRegisteredMessage; // ON_REGISTERED_MESSAGE: read at dispatch time
	AFX_PMSGDISPATCH pfnDispatch;
	AFX_PMSG pfn; // plain command handlers only, for AFX_CMDHANDLERINFO
};

struct AFX_MSGMAP
{
	const AFX_MSGMAP*(PASCAL* pfnGetBaseMap)();
	const AFX_MSGMAP_ENTRY* lpEntries;
};

// The map macros open and close a definition across the entries between
// them, which a formatter cannot follow.
// clang-format off
#define DECLARE_MESSAGE_MAP() \
protected: \
	static const AFX_MSGMAP* PASCAL GetThisMessageMap(); \
	virtual const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass) \
	const AFX_MSGMAP* theClass::GetMessageMap() const \
		{ return GetThisMessageMap(); } \
	const AFX_MSGMAP* PASCAL theClass::GetThisMessageMap() \
	{ \
		[[maybe_unused]] typedef theClass ThisClass; \
		typedef baseClass TheBaseClass; \
		static const AFX_MSGMAP_ENTRY _messageEntries[] = \
		{

#define END_MESSAGE_MAP() \
			{ 0, 0, 0, 0, NULL, NULL, NULL } \
		}; \
		static const AFX_MSGMAP messageMap = \
			{ &TheBaseClass::GetThisMessageMap, &_messageEntries[0] }; \
		return &messageMap; \
	}
// clang-format on

// Filled by OnCmdMsg instead of dispatching when the caller only asks who
// would handle a command.
struct AFX_CMDHANDLERINFO
{
	CCmdTarget* pTarget;
	void (AFX_MSG_CALL CCmdTarget::*pmf)(void);
};

// pExtra of a WM_NOTIFY routed through OnCmdMsg.
struct AFX_NOTIFY
{
	LRESULT* pResult;
	NMHDR* pNMHDR;
};

// lParam of a reflected WM_CTLCOLORxxx.
struct AFX_CTLCOLOR
{
	HWND hWnd;
	HDC hDC;
	UINT nCtlType;
};

/////////////////////////////////////////////////////////////////////////////
// CCmdTarget - root of everything that receives messages and commands

class AFX_CORE_API CCmdTarget : public CObject
{
	DECLARE_DYNAMIC(CCmdTarget)

public:
// Construction
	CCmdTarget();
	virtual ~CCmdTarget();

// Operations
	void BeginWaitCursor();
	void EndWaitCursor();
	void RestoreWaitCursor();

// Overridables
	// Routes a command (CN_COMMAND), an update request (CN_UPDATE_COMMAND_UI
	// with a CCmdUI* in pExtra) or a notification (MAKELONG(code, WM_NOTIFY))
	// through the message maps. A non-NULL pHandlerInfo is filled instead of
	// calling the handler.
	virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);

// Implementation
	// Searches the maps from the most derived class up; NULL when no entry
	// matches.
	static const AFX_MSGMAP_ENTRY* PASCAL FindMessageEntry(const AFX_MSGMAP_ENTRY* lpEntry, UINT nMsg,
		UINT nCode, UINT nID);

protected:
	static const AFX_MSGMAP* PASCAL GetThisMessageMap();
	virtual const AFX_MSGMAP* GetMessageMap() const;
};

/////////////////////////////////////////////////////////////////////////////
// CCmdUI - the item whose state an ON_UPDATE_COMMAND_UI handler sets

class AFX_CORE_API CCmdUI
{
public:
// Construction
	CCmdUI();
	virtual ~CCmdUI() {}

// Attributes
	UINT m_nID;
	UINT m_nIndex;     // menu item or other index
	CMenu* m_pMenu;    // NULL if not a menu
	CMenu* m_pSubMenu; // sub-menu containing the item, NULL if not a popup
	CWnd* m_pOther;    // NULL if a menu or not a CWnd

// Operations
	virtual void Enable(BOOL bOn = TRUE);
	virtual void SetCheck(int nCheck = 1); // 0, 1 or 2 (indeterminate)
	virtual void SetRadio(BOOL bOn = TRUE);
	virtual void SetText(LPCTSTR lpszText);

	// Lets the next command target in the route handle the update as well.
	void ContinueRouting();

	// Asks pTarget to update the item; disables it when nobody handles it and
	// bDisableIfNoHndler is set.
	BOOL DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHndler);

// Implementation
	BOOL m_bEnableChanged;
	BOOL m_bContinueRouting;
	UINT m_nIndexMax;     // last + 1 for iterating m_nIndex
	CMenu* m_pParentMenu; // NULL if parent menu not easily determined
};

/////////////////////////////////////////////////////////////////////////////
// CWnd - a window attached to a Win32 handle

// m_nFlags
#define WF_TOOLTIPS 0x0001
#define WF_TEMPHIDE 0x0002
#define WF_STAYDISABLED 0x0004
#define WF_MODALLOOP 0x0008     // currently in a modal loop
#define WF_CONTINUEMODAL 0x0010 // the modal loop should go on
#define WF_OLECTLCONTAINER 0x0100
#define WF_TRACKINGTOOLTIPS 0x0400
#define WF_CREATING 0x8000 // made by CreateEx, WM_CREATE not yet over

// RunModalLoop flags
#define MLF_NOIDLEMSG 0x0001  // no WM_ENTERIDLE to the parent
#define MLF_NOKICKIDLE 0x0002 // no WM_KICKIDLE to the dialog
#define MLF_SHOWONIDLE 0x0004 // show the window when the queue first empties

// A TOOLINFO flag of the framework's own, which the tooltip control ignores:
// the tool is not a button.
#ifndef TTF_NOTBUTTON
#define TTF_NOTBUTTON 0x80000000L
#endif

// RepositionBars / GetDescendantWindow and friends
#define AFX_IDW_PANE_FIRST 0xE900

class AFX_CORE_API CWnd : public CCmdTarget
{
	DECLARE_DYNCREATE(CWnd)

public:
// Construction
	CWnd();
	// Destroys the window when the object still owns it.
	virtual ~CWnd();

	virtual BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
		CWnd* pParentWnd, UINT nID, CCreateContext* pContext = NULL);
	virtual BOOL CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
		int x, int y, int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu, LPVOID lpParam = NULL);
	virtual BOOL CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
		const RECT& rect, CWnd* pParentWnd, UINT nID, LPVOID lpParam = NULL);
	virtual BOOL DestroyWindow();

	// Binds an existing window to this object without subclassing it.
	BOOL Attach(HWND hWndNew);
	HWND Detach();

	// Binds an existing window and routes its messages through this object.
	BOOL SubclassWindow(HWND hWnd);
	BOOL SubclassDlgItem(UINT nID, CWnd* pParent);
	HWND UnsubclassWindow();

// Attributes
	HWND m_hWnd;

	static const CWnd wndTop;
	static const CWnd wndBottom;
	static const CWnd wndTopMost;
	static const CWnd wndNoTopMost;

	operator HWND() const { return m_hWnd; }
	BOOL operator==(const CWnd& wnd) const { return wnd.m_hWnd == m_hWnd; }
	BOOL operator!=(const CWnd& wnd) const { return wnd.m_hWnd != m_hWnd; }

	// NULL for a NULL object, which callers rely on.
	HWND GetSafeHwnd() const;

	// The object bound to hWnd, else a temporary one owned by the framework
	// and deleted when the thread goes idle.
	static CWnd* PASCAL FromHandle(HWND hWnd);
	// The bound object of hWnd, never a temporary one; NULL when none.
	static CWnd* PASCAL FromHandlePermanent(HWND hWnd);
	static void PASCAL DeleteTempMap();

	DWORD GetStyle() const;
	DWORD GetExStyle() const;
	BOOL ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
	BOOL ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
	static BOOL PASCAL ModifyStyle(HWND hWnd, DWORD dwRemove, DWORD dwAdd, UINT nFlags);
	static BOOL PASCAL ModifyStyleEx(HWND hWnd, DWORD dwRemove, DWORD dwAdd, UINT nFlags);

	CWnd* GetOwner() const;
	void SetOwner(CWnd* pOwnerWnd);

	int GetDlgCtrlID() const;
	int SetDlgCtrlID(int nID);

	// Text
	void SetWindowText(LPCTSTR lpszString);
	int GetWindowText(LPTSTR lpszStringBuf, int nMaxCount) const;
	void GetWindowText(CString& rString) const;
	int GetWindowTextLength() const;

	// Font
	void SetFont(CFont* pFont, BOOL bRedraw = TRUE);
	CFont* GetFont() const;

	// Menu and icon
	CMenu* GetMenu() const;
	BOOL SetMenu(CMenu* pMenu);
	void DrawMenuBar();
	CMenu* GetSystemMenu(BOOL bRevert) const;
	HICON SetIcon(HICON hIcon, BOOL bBigIcon);
	HICON GetIcon(BOOL bBigIcon) const;

	// Size and position
	BOOL IsIconic() const;
	BOOL IsZoomed() const;
	void MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint = TRUE);
	void MoveWindow(LPCRECT lpRect, BOOL bRepaint = TRUE);
	BOOL SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags);
	BOOL GetWindowPlacement(WINDOWPLACEMENT* lpwndpl) const;
	BOOL SetWindowPlacement(const WINDOWPLACEMENT* lpwndpl);
	void BringWindowToTop();
	void CenterWindow(CWnd* pAlternateOwner = NULL);

	// Coordinates
	void GetWindowRect(LPRECT lpRect) const;
	void GetClientRect(LPRECT lpRect) const;
	void ClientToScreen(LPPOINT lpPoint) const;
	void ClientToScreen(LPRECT lpRect) const;
	void ScreenToClient(LPPOINT lpPoint) const;
	void ScreenToClient(LPRECT lpRect) const;
	void MapWindowPoints(CWnd* pwndTo, LPPOINT lpPoint, UINT nCount) const;
	void MapWindowPoints(CWnd* pwndTo, LPRECT lpRect) const;
	virtual void CalcWindowRect(LPRECT lpClientRect, UINT nAdjustType = 0);

	// Painting
	CDC* BeginPaint(LPPAINTSTRUCT lpPaint);
	void EndPaint(LPPAINTSTRUCT lpPaint);
	CDC* GetDC();
	CDC* GetWindowDC();
	CDC* GetDCEx(CRgn* prgnClip, DWORD flags);
	int ReleaseDC(CDC* pDC);
	void UpdateWindow();
	void SetRedraw(BOOL bRedraw = TRUE);
	BOOL GetUpdateRect(LPRECT lpRect, BOOL bErase = FALSE);
	void Invalidate(BOOL bErase = TRUE);
	void InvalidateRect(LPCRECT lpRect, BOOL bErase = TRUE);
	void InvalidateRgn(CRgn* pRgn, BOOL bErase = TRUE);
	void ValidateRect(LPCRECT lpRect);
	void ValidateRgn(CRgn* pRgn);
	BOOL ShowWindow(int nCmdShow);
	BOOL IsWindowVisible() const;
	void ShowOwnedPopups(BOOL bShow = TRUE);
	BOOL RedrawWindow(LPCRECT lpRectUpdate = NULL, CRgn* prgnUpdate = NULL,
		UINT flags = RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
	BOOL LockWindowUpdate();
	void UnlockWindowUpdate();
	int SetWindowRgn(HRGN hRgn, BOOL bRedraw);
	int GetWindowRgn(HRGN hRgn) const;

	// Timers
	UINT_PTR SetTimer(UINT_PTR nIDEvent, UINT nElapse,
		void(CALLBACK* lpfnTimer)(HWND, UINT, UINT_PTR, DWORD));
	BOOL KillTimer(UINT_PTR nIDEvent);

	// State
	BOOL IsWindowEnabled() const;
	BOOL EnableWindow(BOOL bEnable = TRUE);
	static CWnd* PASCAL GetActiveWindow();
	CWnd* SetActiveWindow();
	BOOL SetForegroundWindow();
	static CWnd* PASCAL GetForegroundWindow();
	static CWnd* PASCAL GetCapture();
	CWnd* SetCapture();
	static CWnd* PASCAL GetFocus();
	CWnd* SetFocus();
	static CWnd* PASCAL GetDesktopWindow();

	// Dialog items
	void CheckDlgButton(int nIDButton, UINT nCheck);
	void CheckRadioButton(int nIDFirstButton, int nIDLastButton, int nIDCheckButton);
	int GetCheckedRadioButton(int nIDFirstButton, int nIDLastButton);
	CWnd* GetDlgItem(int nID) const;
	void GetDlgItem(int nID, HWND* phWnd) const;
	UINT GetDlgItemInt(int nID, BOOL* lpTrans = NULL, BOOL bSigned = TRUE) const;
	int GetDlgItemText(int nID, LPTSTR lpStr, int nMaxCount) const;
	int GetDlgItemText(int nID, CString& rString) const;
	CWnd* GetNextDlgGroupItem(CWnd* pWndCtl, BOOL bPrevious = FALSE) const;
	CWnd* GetNextDlgTabItem(CWnd* pWndCtl, BOOL bPrevious = FALSE) const;
	UINT IsDlgButtonChecked(int nIDButton) const;
	LRESULT SendDlgItemMessage(int nID, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
	void SetDlgItemInt(int nID, UINT nValue, BOOL bSigned = TRUE);
	void SetDlgItemText(int nID, LPCTSTR lpszString);
	// Updates each child control through ON_UPDATE_COMMAND_UI: the control's
	// own reflected entry, this window's entry, then pTarget's route. With
	// bDisableIfNoHndler, a button with no handler anywhere is disabled.
	void UpdateDialogControls(CCmdTarget* pTarget, BOOL bDisableIfNoHndler);

	// Scrolling
	int GetScrollPos(int nBar) const;
	void GetScrollRange(int nBar, LPINT lpMinPos, LPINT lpMaxPos) const;
	void ScrollWindow(int xAmount, int yAmount, LPCRECT lpRect = NULL, LPCRECT lpClipRect = NULL);
	int SetScrollPos(int nBar, int nPos, BOOL bRedraw = TRUE);
	void SetScrollRange(int nBar, int nMinPos, int nMaxPos, BOOL bRedraw = TRUE);
	void ShowScrollBar(UINT nBar, BOOL bShow = TRUE);
	void EnableScrollBarCtrl(int nBar, BOOL bEnable = TRUE);
	virtual CScrollBar* GetScrollBarCtrl(int nBar) const;
	int ScrollWindowEx(int dx, int dy, LPCRECT lpRectScroll, LPCRECT lpRectClip, CRgn* prgnUpdate,
		LPRECT lpRectUpdate, UINT flags);
	BOOL SetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, BOOL bRedraw = TRUE);
	BOOL GetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, UINT nMask = SIF_ALL);
	int GetScrollLimit(int nBar);
	BOOL EnableScrollBar(int nSBFlags, UINT nArrowFlags = ESB_ENABLE_BOTH);

	// Window tree
	CWnd* ChildWindowFromPoint(POINT point) const;
	CWnd* ChildWindowFromPoint(POINT point, UINT nFlags) const;
	static CWnd* PASCAL FindWindow(LPCTSTR lpszClassName, LPCTSTR lpszWindowName);
	CWnd* GetNextWindow(UINT nFlag = GW_HWNDNEXT) const;
	CWnd* GetTopWindow() const;
	CWnd* GetWindow(UINT nCmd) const;
	CWnd* GetLastActivePopup() const;
	BOOL IsChild(const CWnd* pWnd) const;
	CWnd* GetParent() const;
	CWnd* SetParent(CWnd* pWndNewParent);
	CWnd* GetTopLevelParent() const;
	CWnd* GetTopLevelOwner() const;
	CWnd* GetParentOwner() const;
	static CWnd* PASCAL WindowFromPoint(POINT point);
	// A descendant with the given id; with bOnlyPerm only bound objects.
	CWnd* GetDescendantWindow(int nID, BOOL bOnlyPerm = FALSE) const;
	void SendMessageToDescendants(UINT message, WPARAM wParam = 0, LPARAM lParam = 0, BOOL bDeep = TRUE,
		BOOL bOnlyPerm = FALSE);

	// Alerts and clipboard
	BOOL FlashWindow(BOOL bInvert);
	int MessageBox(LPCTSTR lpszText, LPCTSTR lpszCaption = NULL, UINT nType = MB_OK);
	BOOL OpenClipboard();
	void DragAcceptFiles(BOOL bAccept = TRUE);

	// Caret
	void CreateCaret(CBitmap* pBitmap);
	void CreateSolidCaret(int nWidth, int nHeight);
	void CreateGrayCaret(int nWidth, int nHeight);
	static CPoint PASCAL GetCaretPos();
	static void PASCAL SetCaretPos(POINT point);
	void HideCaret();
	void ShowCaret();

	// Messages
	LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
	BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
	BOOL SendNotifyMessage(UINT message, WPARAM wParam, LPARAM lParam);

	// Dialog data
	BOOL UpdateData(BOOL bSaveAndValidate = TRUE);
	BOOL ExecuteDlgInit(LPCTSTR lpszResourceName);
	BOOL ExecuteDlgInit(LPVOID lpResource);

	// Tooltips for the window's children (or what OnToolHitTest names),
	// shown by one tooltip control per thread. Returns the previous state.
	BOOL EnableToolTips(BOOL bEnable = TRUE);
	// Hands mouse messages to the thread's tooltip; called from
	// PreTranslateMessage while tooltips are enabled.
	void FilterToolTipMessage(MSG* pMsg);

	// Modal loops
	int RunModalLoop(DWORD dwFlags = 0);
	virtual BOOL ContinueModal();
	virtual void EndModalLoop(int nResult);

	// Window-procedure helpers
	static BOOL PASCAL WalkPreTranslateTree(HWND hWndStop, MSG* pMsg);
	BOOL SendChildNotifyLastMsg(LRESULT* pResult = NULL);
	BOOL IsDialogMessage(LPMSG lpMsg);
	BOOL PreTranslateInput(LPMSG lpMsg);

// Overridables
	virtual BOOL PreCreateWindow(CREATESTRUCT& cs);
	// Called when a window is bound, while its own procedure is still in
	// place: by SubclassWindow, and for a window made by Create once its
	// class has handled WM_CREATE (so that a control answers what it is
	// sent), before OnCreate. AfxGetThreadState()->m_pWndInit is this object
	// in the second case only.
	virtual void PreSubclassWindow();
	virtual BOOL PreTranslateMessage(MSG* pMsg);
	virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
	// The tool at point (client coordinates): its id, with pTI filled in, or
	// -1. By default the visible child there that has an id of its own, as a
	// whole-window tool whose text is asked for (TTN_NEEDTEXT). Text that an
	// override puts in pTI->lpszText must come from malloc; the framework
	// frees it.
	virtual INT_PTR OnToolHitTest(CPoint point, TOOLINFO* pTI) const;

protected:
	virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
	virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
	virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
	virtual void PostNcDestroy();
	virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
	virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult);
	virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
	virtual void DoDataExchange(CDataExchange* pDX);

	// Calls the previous window procedure with the message being handled,
	// its own wParam and lParam.
	LRESULT Default();
	// The message being handled on this thread; valid only inside a handler.
	static const MSG* PASCAL GetCurrentMessage();

	BOOL ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
	static BOOL PASCAL ReflectLastMsg(HWND hWndChild, LRESULT* pResult = NULL);

// Message handlers
protected:
	afx_msg void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
	afx_msg void OnActivateApp(BOOL bActive, DWORD dwThreadID);
	afx_msg void OnCancelMode();
	afx_msg void OnCaptureChanged(CWnd* pWnd);
	afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
	afx_msg int OnCharToItem(UINT nChar, CListBox* pListBox, UINT nIndex);
	afx_msg void OnClipboardUpdate();
	afx_msg void OnClose();
	afx_msg int OnCompareItem(int nIDCtl, LPCOMPAREITEMSTRUCT lpCompareItemStruct);
	afx_msg void OnContextMenu(CWnd* pWnd, CPoint pos);
	afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
	afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
	afx_msg void OnDeleteItem(int nIDCtl, LPDELETEITEMSTRUCT lpDeleteItemStruct);
	afx_msg void OnDestroy();
	afx_msg void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct);
	afx_msg void OnDropFiles(HDROP hDropInfo);
	afx_msg void OnEnable(BOOL bEnable);
	afx_msg void OnEnterIdle(UINT nWhy, CWnd* pWho);
	afx_msg BOOL OnEraseBkgnd(CDC* pDC);
	afx_msg UINT OnGetDlgCode();
	afx_msg void OnGetMinMaxInfo(MINMAXINFO* lpMMI);
	afx_msg BOOL OnHelpInfo(HELPINFO* lpHelpInfo);
	afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
	afx_msg void OnInitMenu(CMenu* pMenu);
	afx_msg void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu);
	afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
	afx_msg void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
	afx_msg void OnKillFocus(CWnd* pNewWnd);
	afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
	afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
	afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
	afx_msg void OnMButtonDblClk(UINT nFlags, CPoint point);
	afx_msg void OnMButtonDown(UINT nFlags, CPoint point);
	afx_msg void OnMButtonUp(UINT nFlags, CPoint point);
	afx_msg void OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct);
	afx_msg LRESULT OnMenuChar(UINT nChar, UINT nFlags, CMenu* pMenu);
	afx_msg void OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hSysMenu);
	afx_msg int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
	afx_msg void OnMouseHover(UINT nFlags, CPoint point);
	afx_msg void OnMouseHWheel(UINT nFlags, short zDelta, CPoint pt);
	afx_msg void OnMouseLeave();
	afx_msg void OnMouseMove(UINT nFlags, CPoint point);
	afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
	afx_msg void OnMove(int x, int y);
	afx_msg BOOL OnNcActivate(BOOL bActive);
	afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
	afx_msg BOOL OnNcCreate(LPCREATESTRUCT lpCreateStruct);
	afx_msg void OnNcDestroy();
	afx_msg LRESULT OnNcHitTest(CPoint point);
	afx_msg void OnNcLButtonDown(UINT nHitTest, CPoint point);
	afx_msg void OnNcLButtonUp(UINT nHitTest, CPoint point);
	afx_msg void OnNcMouseLeave();
	afx_msg void OnNcMouseMove(UINT nHitTest, CPoint point);
	afx_msg void OnNcPaint();
	afx_msg void OnPaint();
	afx_msg void OnParentNotify(UINT message, LPARAM lParam);
	afx_msg void OnPrintClient(CDC* pDC, UINT nFlags);
	afx_msg void OnRButtonDblClk(UINT nFlags, CPoint point);
	afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
	afx_msg void OnRButtonUp(UINT nFlags, CPoint point);
	afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
	afx_msg void OnSetFocus(CWnd* pOldWnd);
	afx_msg void OnSettingChange(UINT uFlags, LPCTSTR lpszSection);
	afx_msg void OnShowWindow(BOOL bShow, UINT nStatus);
	afx_msg void OnSize(UINT nType, int cx, int cy);
	afx_msg void OnSizing(UINT fwSide, LPRECT pRect);
	afx_msg void OnStyleChanged(int nStyleType, LPSTYLESTRUCT lpStyleStruct);
	afx_msg void OnStyleChanging(int nStyleType, LPSTYLESTRUCT lpStyleStruct);
	afx_msg void OnSysChar(UINT nChar, UINT nRepCnt, UINT nFlags);
	afx_msg void OnSysColorChange();
	afx_msg void OnSysCommand(UINT nID, LPARAM lParam);
	afx_msg void OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
	afx_msg void OnSysKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
	afx_msg LRESULT OnThemeChanged();
	afx_msg void OnTimer(UINT_PTR nIDEvent);
	afx_msg void OnUnInitMenuPopup(CMenu* pPopupMenu, UINT nFlags);
	afx_msg int OnVKeyToItem(UINT nKey, CListBox* pListBox, UINT nIndex);
	afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
	afx_msg void OnWindowPosChanged(WINDOWPOS* lpwndpos);
	afx_msg void OnWindowPosChanging(WINDOWPOS* lpwndpos);

// Implementation
public:
	UINT m_nFlags;
	WNDPROC m_pfnSuper; // the window procedure in place before ours
	int m_nModalResult;
	HWND m_hWndOwner; // owner recorded by SetOwner

protected:
	explicit CWnd(HWND hWnd);

	friend AFX_CORE_API LRESULT AFXAPI AfxCallWndProc(CWnd*, HWND, UINT, WPARAM, LPARAM);
	friend class CWinThread;

	DECLARE_MESSAGE_MAP()
};

// The window procedure that every bound, subclassed window of the framework
// runs through.
AFX_CORE_API LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam);
AFX_CORE_API LRESULT AFXAPI AfxCallWndProc(CWnd* pWnd, HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam);
AFX_CORE_API WNDPROC AFXAPI AfxGetAfxWndProc();

// Makes the next window created on this thread bound to pWnd from its first
// message on; returns FALSE from the unhook when the hook never fired.
AFX_CORE_API void AFXAPI AfxHookWindowCreate(CWnd* pWnd);
AFX_CORE_API BOOL AFXAPI AfxUnhookWindowCreate();

// The dialog procedure of framework dialogs: hands WM_INITDIALOG to
// CDialog::OnInitDialog and leaves the rest to the window procedure.
AFX_CORE_API INT_PTR CALLBACK AfxDlgProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

/////////////////////////////////////////////////////////////////////////////
// Dialog data exchange

#include "afxdd_.h"

/////////////////////////////////////////////////////////////////////////////
// CDialog

class AFX_CORE_API CDialog : public CWnd
{
	DECLARE_DYNAMIC(CDialog)

public:
// Construction
	CDialog();
	explicit CDialog(LPCTSTR lpszTemplateName, CWnd* pParentWnd = NULL);
	explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = NULL);
	virtual ~CDialog();

	// Modeless
	virtual BOOL Create(LPCTSTR lpszTemplateName, CWnd* pParentWnd = NULL);
	virtual BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = NULL);
	virtual BOOL CreateIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd = NULL,
		void* lpDialogInit = NULL);
	virtual BOOL CreateIndirect(HGLOBAL hDialogTemplate, CWnd* pParentWnd = NULL);

	// Modal from an in-memory template
	BOOL InitModalIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd = NULL,
		void* lpDialogInit = NULL);
	BOOL InitModalIndirect(HGLOBAL hDialogTemplate, CWnd* pParentWnd = NULL);

// Attributes
	void MapDialogRect(LPRECT lpRect) const;
	void SetHelpID(UINT nIDR);

// Operations
	virtual INT_PTR DoModal();

	void NextDlgCtrl() const;
	void PrevDlgCtrl() const;
	void GotoDlgCtrl(CWnd* pWndCtrl);

	void SetDefID(UINT nID);
	DWORD GetDefID() const;

	void EndDialog(int nResult);

// Overridables
	virtual BOOL OnInitDialog();
	virtual void OnSetFont(CFont* pFont);
	virtual BOOL PreTranslateMessage(MSG* pMsg) override;
	// A command the dialog does not handle goes to its owner, then to the
	// application.
	virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

protected:
	virtual void OnOK();
	virtual void OnCancel();
	virtual void PreInitDialog();

// Implementation
public:
	UINT m_nIDHelp;
	LPCTSTR m_lpszTemplateName;
	HGLOBAL m_hDialogTemplate;
	LPCDLGTEMPLATE m_lpDialogTemplate;
	void* m_lpDialogInit;
	CWnd* m_pParentWnd;
	HWND m_hWndTop;

protected:
	BOOL CreateDlgIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd, HINSTANCE hInst);
	HWND PreModal();
	void PostModal();

	afx_msg LRESULT HandleInitDialog(WPARAM, LPARAM);
	afx_msg LRESULT HandleSetFont(WPARAM, LPARAM);

	DECLARE_MESSAGE_MAP()
};

/////////////////////////////////////////////////////////////////////////////
// Standard controls

class AFX_CORE_API CStatic : public CWnd
{
	DECLARE_DYNAMIC(CStatic)

public:
// Construction
	CStatic();
	virtual ~CStatic();
	virtual BOOL Create(LPCTSTR lpszText, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
		UINT nID = 0xffff);

// Operations
	HICON SetIcon(HICON hIcon);
	HICON GetIcon() const;
	HBITMAP SetBitmap(HBITMAP hBitmap);
	HBITMAP GetBitmap() const;
	HCURSOR SetCursor(HCURSOR hCursor);
	HCURSOR GetCursor();
	HENHMETAFILE SetEnhMetaFile(HENHMETAFILE hMetaFile);
	HENHMETAFILE GetEnhMetaFile() const;

// Overridables
	virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);

protected:
	virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};

class AFX_CORE_API CButton : public CWnd
{
	DECLARE_DYNAMIC(CButton)

public:
// Construction
	CButton();
	virtual ~CButton();
	virtual BOOL Create(LPCTSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

// Attributes
	UINT GetState() const;
	void SetState(BOOL bHighlight);
	int GetCheck() const;
	void SetCheck(int nCheck);
	UINT GetButtonStyle() const;
	void SetButtonStyle(UINT nStyle, BOOL bRedraw = TRUE);
	HICON SetIcon(HICON hIcon);
	HICON GetIcon() const;
	HBITMAP SetBitmap(HBITMAP hBitmap);
	HBITMAP GetBitmap() const;
	HCURSOR SetCursor(HCURSOR hCursor);
	HCURSOR GetCursor();

// Overridables
	// Paints a BS_OWNERDRAW button; the default paints nothing.
	virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);

protected:
	virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};

class AFX_CORE_API CListBox : public CWnd
{
	DECLARE_DYNAMIC(CListBox)

public:
// Construction
	CListBox();
	virtual ~CListBox();
	virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

// Attributes
	int GetCount() const;
	int GetHorizontalExtent() const;
	void SetHorizontalExtent(int cxExtent);
	int GetTopIndex() const;
	int SetTopIndex(int nIndex);
	LCID GetLocale() const;
	LCID SetLocale(LCID nNewLocale);
	int InitStorage(int nItems, UINT nBytes);
	UINT ItemFromPoint(CPoint pt, BOOL& bOutside) const;

	// Single-selection list boxes
	int GetCurSel() const;
	int SetCurSel(int nSelect);

	// Multiple-selection list boxes
	int GetSel(int nIndex) const;
	int SetSel(int nIndex, BOOL bSelect = TRUE);
	int GetSelCount() const;
	int GetSelItems(int nMaxItems, LPINT rgIndex) const;
	void SetAnchorIndex(int nIndex);
	int GetAnchorIndex() const;

	// Items
	DWORD_PTR GetItemData(int nIndex) const;
	int SetItemData(int nIndex, DWORD_PTR dwItemData);
	void* GetItemDataPtr(int nIndex) const;
	int SetItemDataPtr(int nIndex, void* pData);
	int GetItemRect(int nIndex, LPRECT lpRect) const;
	int SetItemHeight(int nIndex, UINT cyItemHeight);
	int GetItemHeight(int nIndex) const;
	int GetText(int nIndex, LPTSTR lpszBuffer) const;
	void GetText(int nIndex, CString& rString) const;
	int GetTextLen(int nIndex) const;

	void SetColumnWidth(int cxWidth);
	BOOL SetTabStops(int nTabStops, LPINT rgTabStops);
	void SetTabStops();
	BOOL SetTabStops(const int& cxEachStop);

	int GetCaretIndex() const;
	int SetCaretIndex(int nIndex, BOOL bScroll = TRUE);

// Operations
	int AddString(LPCTSTR lpszItem);
	int DeleteString(UINT nIndex);
	int InsertString(int nIndex, LPCTSTR lpszItem);
	void ResetContent();
	int Dir(UINT attr, LPCTSTR lpszWildCard);
	int FindString(int nStartAfter, LPCTSTR lpszItem) const;
	int FindStringExact(int nIndexStart, LPCTSTR lpszFind) const;
	int SelectString(int nStartAfter, LPCTSTR lpszItem);
	int SelItemRange(BOOL bSelect, int nFirstItem, int nLastItem);

// Overridables
	virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
	virtual void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct);
	virtual int CompareItem(LPCOMPAREITEMSTRUCT lpCompareItemStruct);
	virtual void DeleteItem(LPDELETEITEMSTRUCT lpDeleteItemStruct);
	virtual int VKeyToItem(UINT nKey, UINT nIndex);
	virtual int CharToItem(UINT nKey, UINT nIndex);

protected:
	virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};

// A list box with a check box in front of every entry. The list box must be
// owner-drawn and keep its strings (LBS_HASSTRINGS). Check and enabled states
// are kept beside each entry's item data, which stays the application's own.
struct AFX_CHECK_DATA;

class AFX_CORE_API CCheckListBox : public CListBox
{
	DECLARE_DYNAMIC(CCheckListBox)

public:
// Construction
	CCheckListBox();
	virtual ~CCheckListBox();
	virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) override;

// Attributes
	// BS_CHECKBOX, BS_AUTOCHECKBOX (the default), BS_3STATE or BS_AUTO3STATE;
	// the automatic styles toggle a box on a click or the space bar.
	void SetCheckStyle(UINT nStyle);
	UINT GetCheckStyle();
	// 0 clear, 1 checked, 2 indeterminate (three-state styles only); repaints
	// the box.
	void SetCheck(int nIndex, int nCheck);
	int GetCheck(int nIndex);
	// A disabled entry is drawn grey and its box does not toggle.
	void Enable(int nIndex, BOOL bEnabled = TRUE);
	BOOL IsEnabled(int nIndex);

	// The least item height that holds the check box and a line of the list
	// box's font.
	int CalcMinimumItemHeight();

// Overridables
	// Where the box of an entry goes; by default at the left, centred in
	// the entry's height.
	virtual CRect OnGetCheckPosition(CRect rectItem, CRect rectCheckBox);
	// Draws the text part of an entry: rcItem starts right of the check box.
	virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
	virtual void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) override;
	virtual void DeleteItem(LPDELETEITEMSTRUCT lpDeleteItemStruct) override;

protected:
	virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
	virtual void PreSubclassWindow() override;

// Implementation
protected:
	AFX_CHECK_DATA* GetCheckData(int nIndex);
	AFX_CHECK_DATA* EnsureCheckData(int nIndex);
	CRect GetCheckRect(const CRect& rectItem);
	void PreDrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
	void PreMeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct);
	void PreDeleteItem(LPDELETEITEMSTRUCT lpDeleteItemStruct);
	// Moves the check of an enabled entry on, as a click or the space bar
	// does, and tells the parent with CLBN_CHKCHANGE.
	void ToggleCheck(int nIndex);
	void InvalidateItem(int nIndex);
	void SetMinimumItemHeight();

	int m_cyText;
	UINT m_nStyle;

	afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
	afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
	afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
	afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
	afx_msg LRESULT OnSetFont(WPARAM wParam, LPARAM lParam);
	afx_msg LRESULT OnLBGetItemData(WPARAM wParam, LPARAM lParam);
	afx_msg LRESULT OnLBSetItemData(WPARAM wParam, LPARAM lParam);

	DECLARE_MESSAGE_MAP()
};

class AFX_CORE_API CComboBox : public CWnd
{
	DECLARE_DYNAMIC(CComboBox)

public:
// Construction
	CComboBox();
	virtual ~CComboBox();
	virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

// Attributes
	int GetCount() const;
	int GetCurSel() const;
	int SetCurSel(int nSelect);
	LCID GetLocale() const;
	LCID SetLocale(LCID nNewLocale);
	int GetTopIndex() const;
	int SetTopIndex(int nIndex);
	int InitStorage(int nItems, UINT nBytes);
	void SetHorizontalExtent(UINT nExtent);
	UINT GetHorizontalExtent() const;
	int SetDroppedWidth(UINT nWidth);
	int GetDroppedWidth() const;

	DWORD GetEditSel() const;
	BOOL LimitText(int nMaxChars);
	BOOL SetEditSel(int nStartChar, int nEndChar);

	// Items; nIndex -1 of SetItemHeight and GetItemHeight is the selection
	// field, 0 every item of a fixed list.
	DWORD_PTR GetItemData(int nIndex) const;
	int SetItemData(int nIndex, DWORD_PTR dwItemData);
	void* GetItemDataPtr(int nIndex) const;
	int SetItemDataPtr(int nIndex, void* pData);
	int SetItemHeight(int nIndex, UINT cyItemHeight);
	int GetItemHeight(int nIndex) const;
	int GetLBText(int nIndex, LPTSTR lpszText) const;
	void GetLBText(int nIndex, CString& rString) const;
	int GetLBTextLen(int nIndex) const;

	int SetExtendedUI(BOOL bExtended = TRUE);
	BOOL GetExtendedUI() const;
	void GetDroppedControlRect(LPRECT lprect) const;
	BOOL GetDroppedState() const;

// Operations
	void ShowDropDown(BOOL bShowIt = TRUE);
	int AddString(LPCTSTR lpszString);
	int DeleteString(UINT nIndex);
	int InsertString(int nIndex, LPCTSTR lpszString);
	void ResetContent();
	int Dir(UINT attr, LPCTSTR lpszWildCard);
	int FindString(int nStartAfter, LPCTSTR lpszString) const;
	int FindStringExact(int nIndexStart, LPCTSTR lpszFind) const;
	int SelectString(int nStartAfter, LPCTSTR lpszString);
	void Clear();
	void Copy();
	void Cut();
	void Paste();

// Overridables
	virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
	virtual void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct);
	virtual int CompareItem(LPCOMPAREITEMSTRUCT lpCompareItemStruct);
	virtual void DeleteItem(LPDELETEITEMSTRUCT lpDeleteItemStruct);

protected:
	virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
};

class AFX_CORE_API CEdit : public CWnd
{
	DECLARE_DYNAMIC(CEdit)

public:
// Construction
	CEdit();
	virtual ~CEdit();
	virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

// Attributes
	BOOL CanUndo() const;
	int GetLineCount() const;
	BOOL GetModify() const;
	void SetModify(BOOL bModified = TRUE);
	void GetRect(LPRECT lpRect) const;
	DWORD GetSel() const;
	void GetSel(int& nStartChar, int& nEndChar) const;
	HLOCAL GetHandle() const;
	void SetHandle(HLOCAL hBuffer);
	void SetMargins(UINT nLeft, UINT nRight);
	DWORD GetMargins() const;
	void SetLimitText(UINT nMax);
	UINT GetLimitText() const;
	CPoint PosFromChar(UINT nChar) const;
	int CharFromPos(CPoint pt) const;
	int GetLine(int nIndex, LPTSTR lpszBuffer) const;
	int GetLine(int nIndex, LPTSTR lpszBuffer, int nMaxLength) const;
	TCHAR GetPasswordChar() const;
	int GetFirstVisibleLine() const;

// Operations
	void EmptyUndoBuffer();
	BOOL FmtLines(BOOL bAddEOL);
	void LimitText(int nChars = 0);
	int LineFromChar(int nIndex = -1) const;
	int LineIndex(int nLine = -1) const;
	int LineLength(int nLine = -1) const;
	void LineScroll(int nLines, int nChars = 0);
	void ReplaceSel(LPCTSTR lpszNewText, BOOL bCanUndo = FALSE);
	void SetPasswordChar(TCHAR ch);
	void SetRect(LPCRECT lpRect);
	void SetRectNP(LPCRECT lpRect);
	void SetSel(DWORD dwSelection, BOOL bNoScroll = FALSE);
	void SetSel(int nStartChar, int nEndChar, BOOL bNoScroll = FALSE);
	BOOL SetTabStops(int nTabStops, LPINT rgTabStops);
	void SetTabStops();
	BOOL SetTabStops(const int& cxEachStop);
	BOOL Undo();
	void Clear();
	void Copy();
	void Cut();
	void Paste();
	BOOL SetReadOnly(BOOL bReadOnly = TRUE);
};

class AFX_CORE_API CScrollBar : public CWnd
{
	DECLARE_DYNAMIC(CScrollBar)

public:
// Construction
	CScrollBar();
	virtual ~CScrollBar();
	virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

// Attributes
	int GetScrollPos() const;
	int SetScrollPos(int nPos, BOOL bRedraw = TRUE);
	void GetScrollRange(LPINT lpMinPos, LPINT lpMaxPos) const;
	void SetScrollRange(int nMinPos, int nMaxPos, BOOL bRedraw = TRUE);
	void ShowScrollBar(BOOL bShow = TRUE);
	BOOL EnableScrollBar(UINT nArrowFlags = ESB_ENABLE_BOTH);
	BOOL SetScrollInfo(LPSCROLLINFO lpScrollInfo, BOOL bRedraw = TRUE);
	BOOL GetScrollInfo(LPSCROLLINFO lpScrollInfo, UINT nMask = SIF_ALL);
	int GetScrollLimit();
};

/////////////////////////////////////////////////////////////////////////////
// CView - a window that paints itself through OnDraw. Views here have no
// document; CFormView (afxext.h) is the one derived view.

class AFX_CORE_API CView : public CWnd
{
	DECLARE_DYNAMIC(CView)

protected:
// Construction
	CView();

public:
	virtual ~CView();

// Overridables
	// Paints the view into pDC, the paint DC when the screen is updated.
	virtual void OnDraw(CDC* pDC) = 0;

// Message handlers
protected:
	afx_msg void OnPaint();
	DECLARE_MESSAGE_MAP()
};

/////////////////////////////////////////////////////////////////////////////
// CWinThread and CWinApp

class AFX_CORE_API CWinThread : public CCmdTarget
{
	DECLARE_DYNAMIC(CWinThread)

public:
// Construction
	CWinThread();
	virtual ~CWinThread();

// Attributes
	CWnd* m_pMainWnd;   // main window (usually same AfxGetApp()->m_pMainWnd)
	CWnd* m_pActiveWnd; // active main window (may not be m_pMainWnd)
	BOOL m_bAutoDelete;
	HANDLE m_hThread;
	DWORD m_nThreadID;

	operator HANDLE() const { return m_hThread; }

// Overridables
	virtual BOOL InitInstance();
	virtual int Run();
	virtual BOOL PreTranslateMessage(MSG* pMsg);
	virtual BOOL PumpMessage();
	// Count 0 sends WM_IDLEUPDATECMDUI to the visible main window and its
	// bound descendants; count 1 frees the temporary objects unless a modal
	// loop is running. Non-zero while there is more to do.
	virtual BOOL OnIdle(LONG lCount);
	virtual BOOL IsIdleMessage(MSG* pMsg);
	virtual int ExitInstance();
	virtual CWnd* GetMainWnd();

// Implementation
public:
	MSG m_msgCur;         // the message being pumped
	POINT m_ptCursorLast; // last mouse position, to filter out idle mouse moves
	UINT m_nMsgLast;
};

class AFX_CORE_API CWinApp : public CWinThread
{
	DECLARE_DYNAMIC(CWinApp)

public:
// Construction
	explicit CWinApp(LPCTSTR lpszAppName = NULL);
	virtual ~CWinApp();

// Attributes
	HINSTANCE m_hInstance;
	LPTSTR m_lpCmdLine;
	int m_nCmdShow;
	LPCTSTR m_pszAppName;
	LPCTSTR m_pszExeName;

// Operations
	HCURSOR LoadCursor(LPCTSTR lpszResourceName) const;
	HCURSOR LoadCursor(UINT nIDResource) const;
	HCURSOR LoadStandardCursor(LPCTSTR lpszCursorName) const;
	HICON LoadIcon(LPCTSTR lpszResourceName) const;
	HICON LoadIcon(UINT nIDResource) const;
	HICON LoadStandardIcon(LPCTSTR lpszIconName) const;

// Overridables
	virtual BOOL InitApplication();
	virtual BOOL InitInstance() override;
	virtual int ExitInstance() override;
	virtual int Run() override;
	virtual BOOL OnIdle(LONG lCount) override;
	// 1 begins a wait, -1 ends one, 0 puts the wait cursor back; the waits
	// are counted.
	virtual void DoWaitCursor(int nCode);

// Implementation
public:
	int m_nWaitCursorCount;
	HCURSOR m_hcurWaitCursorRestore;
	char m_szExeName[MAX_PATH];
};

/////////////////////////////////////////////////////////////////////////////
// Global functions

AFX_CORE_API CWinApp* AFXAPI AfxGetApp();
AFX_CORE_API CWinThread* AFXAPI AfxGetThread();
AFX_CORE_API CWnd* AFXAPI AfxGetMainWnd();
AFX_CORE_API LPCTSTR AFXAPI AfxGetAppName();

AFX_CORE_API HINSTANCE AFXAPI AfxGetInstanceHandle();
AFX_CORE_API HINSTANCE AFXAPI AfxGetResourceHandle();
AFX_CORE_API void AFXAPI AfxSetResourceHandle(HINSTANCE hInstResource);
// The module that holds the resource: the current resource module first,
// then the extension DLLs of the resource chain.
AFX_CORE_API HINSTANCE AFXAPI AfxFindResourceHandle(LPCTSTR lpszName, LPCTSTR lpszType);
// The same search for one string: strings are stored sixteen to a block, and
// a module may hold the block but not the string. NULL when nobody has it.
AFX_CORE_API HINSTANCE AFXAPI AfxFindStringResourceHandle(UINT nID);

// A window class with the given attributes, registered on first use; the
// same attributes always give the same class. The name lives in a per-thread
// buffer until the next call; NULL when the class cannot be registered.
AFX_CORE_API LPCTSTR AFXAPI AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor = 0,
	HBRUSH hbrBackground = 0, HICON hIcon = 0);

AFX_CORE_API BOOL AFXAPI AfxWinInit(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPTSTR lpCmdLine,
	int nCmdShow);
AFX_CORE_API void AFXAPI AfxWinTerm();
// Runs the application object: AfxWinInit, InitInstance, then Run, or
// ExitInstance when InitInstance returns FALSE. GUI applications without a
// WinMain of their own get one that calls it by linking kavro::afx_main.
AFX_CORE_API int AFXAPI AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPTSTR lpCmdLine,
	int nCmdShow);

AFX_CORE_API BOOL AFXAPI AfxPumpMessage();
AFX_CORE_API void AFXAPI AfxPostQuitMessage(int nExitCode);
AFX_CORE_API BOOL AFXAPI AfxInitRichEdit2();
AFX_CORE_API BOOL AFXAPI AfxInitRichEdit();
AFX_CORE_API int AFXAPI AfxMessageBox(LPCTSTR lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);
AFX_CORE_API int AFXAPI AfxMessageBox(UINT nIDPrompt, UINT nType = MB_OK, UINT nIDHelp = (UINT)-1);

// Sent by modal loops while the queue is empty: wParam MSGF_DIALOGBOX, lParam
// the idle count; a non-zero answer asks for more idle time.
#ifndef WM_KICKIDLE
#define WM_KICKIDLE 0x036A
#endif

#include "afxmsg_.h"
#include "afxdll_.h"
