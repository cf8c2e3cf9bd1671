// wnd.cpp - CWnd: binding objects to windows, creation, subclassing, destruction, everyday operations.

#include "afximpl_.h"

#include <stdio.h>

IMPLEMENT_DYNCREATE(CWnd, CCmdTarget)

const CWnd CWnd::wndTop(HWND_TOP);
const CWnd CWnd::wndBottom(HWND_BOTTOM);
const CWnd CWnd::wndTopMost(HWND_TOPMOST);
const CWnd CWnd::wndNoTopMost(HWND_NOTOPMOST);

/////////////////////////////////////////////////////////////////////////////
// Handle map

static CWnd* NewTempWnd(HWND hWnd)
{
	// A temporary object only ever stands for a real window.
	if (!::IsWindow(hWnd))
		return NULL;
	CWnd* pWnd = new CWnd;
	if (pWnd != NULL)
		pWnd->m_hWnd = hWnd;
	return pWnd;
}

static void DeleteTempWnd(CWnd* pWnd)
{
	// The window belongs to somebody else: forget it before the destructor
	// could destroy it.
	pWnd->m_hWnd = NULL;
	delete pWnd;
}

CHandleMap<CWnd, HWND>& AFXAPI AfxMapHWND()
{
	static thread_local CHandleMap<CWnd, HWND> map(&NewTempWnd, &DeleteTempWnd);
	return map;
}

CWnd* PASCAL CWnd::FromHandle(HWND hWnd)
{
	return AfxMapHWND().FromHandle(hWnd);
}

CWnd* PASCAL CWnd::FromHandlePermanent(HWND hWnd)
{
	if (hWnd == NULL)
		return NULL;
	return AfxMapHWND().LookupPermanent(hWnd);
}

void PASCAL CWnd::DeleteTempMap()
{
	AfxMapHWND().DeleteTemp();
}

/////////////////////////////////////////////////////////////////////////////
// Construction and destruction

CWnd::CWnd()
	: m_hWnd(NULL)
	, m_nFlags(0)
	, m_pfnSuper(NULL)
	, m_nModalResult(0)
	, m_hWndOwner(NULL)
{
}

CWnd::CWnd(HWND hWnd)
	: m_hWnd(hWnd)
	, m_nFlags(0)
	, m_pfnSuper(NULL)
	, m_nModalResult(0)
	, m_hWndOwner(NULL)
{
}

CWnd::~CWnd()
{
	// Only an object that owns its window destroys it; temporary wrappers
	// and the wndTop family never do.
	if (m_hWnd == NULL || FromHandlePermanent(m_hWnd) != this)
		return;
	// A window destroyed behind our back (attached, never subclassed) only
	// leaves its map entry to remove: its handle may already name another.
	if (::IsWindow(m_hWnd))
		DestroyWindow();
	else
		Detach();
}

HWND CWnd::GetSafeHwnd() const
{
	// Callers use it on pointers that may be NULL; read 'this' through a
	// volatile so that the test is not optimised away.
	const CWnd* volatile pThis = this;
	return pThis == NULL ? NULL : pThis->m_hWnd;
}

BOOL CWnd::Attach(HWND hWndNew)
{
	if (hWndNew == NULL || m_hWnd != NULL || !::IsWindow(hWndNew))
		return FALSE;
	// A window has at most one bound object.
	if (FromHandlePermanent(hWndNew) != NULL)
		return FALSE;
	AfxMapHWND().SetPermanent(hWndNew, this);
	m_hWnd = hWndNew;
	return TRUE;
}

HWND CWnd::Detach()
{
	HWND hWnd = m_hWnd;
	if (hWnd != NULL)
	{
		if (FromHandlePermanent(hWnd) == this)
			AfxMapHWND().RemoveHandle(hWnd);
		m_hWnd = NULL;
		m_nFlags &= ~WF_CREATING;
	}
	return hWnd;
}

BOOL CWnd::SubclassWindow(HWND hWnd)
{
	// A window routed through the framework by an earlier object that was
	// detached without unsubclassing: its original procedure is lost to us,
	// and default processing would go nowhere.
	if (reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(hWnd, GWLP_WNDPROC)) == &AfxWndProc)
		return FALSE;
	if (!Attach(hWnd))
		return FALSE;

	// The control still runs its own procedure here, so whatever
	// PreSubclassWindow sends reaches the original code.
	PreSubclassWindow();

	::SetLastError(0);
	WNDPROC pfnOld = reinterpret_cast<WNDPROC>(
		::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&AfxWndProc)));
	if (pfnOld == NULL && ::GetLastError() != 0)
	{
		// Another process's window, for instance.
		Detach();
		return FALSE;
	}
	m_pfnSuper = pfnOld;
	return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent)
{
	if (pParent == NULL || pParent->m_hWnd == NULL)
		return FALSE;
	HWND hWndControl = ::GetDlgItem(pParent->m_hWnd, static_cast<int>(nID));
	if (hWndControl == NULL)
		return FALSE;
	return SubclassWindow(hWndControl);
}

HWND CWnd::UnsubclassWindow()
{
	ASSERT(::IsWindow(m_hWnd));
	if (m_hWnd == NULL)
		return NULL;
	if (m_pfnSuper != NULL &&
		reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(m_hWnd, GWLP_WNDPROC)) == &AfxWndProc)
	{
		::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
	}
	m_pfnSuper = NULL;
	return Detach();
}

void CWnd::PreSubclassWindow()
{
}

BOOL CWnd::PreCreateWindow(CREATESTRUCT& cs)
{
	if (cs.lpszClass == NULL)
	{
		cs.lpszClass = AfxDefaultWndClass();
		if (cs.lpszClass == NULL)
			return FALSE;
	}
	// A child needs an id; the object's address stands in when none is given.
	if (cs.hMenu == NULL && (cs.style & WS_CHILD))
		cs.hMenu = reinterpret_cast<HMENU>(this);
	return TRUE;
}

BOOL CWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
	CWnd* pParentWnd, UINT nID, CCreateContext* pContext)
{
	// Create makes child windows only.
	if (dwStyle & WS_POPUP)
		return FALSE;
	return CreateEx(0, lpszClassName, lpszWindowName, dwStyle | WS_CHILD, rect.left, rect.top,
		rect.right - rect.left, rect.bottom - rect.top, pParentWnd->GetSafeHwnd(),
		reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)), static_cast<LPVOID>(pContext));
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
	const RECT& rect, CWnd* pParentWnd, UINT nID, LPVOID lpParam)
{
	return CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top,
		rect.right - rect.left, rect.bottom - rect.top, pParentWnd->GetSafeHwnd(),
		reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)), lpParam);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, int x,
	int y, int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu, LPVOID lpParam)
{
	if (m_hWnd != NULL)
		return FALSE;

	CREATESTRUCTA cs;
	cs.dwExStyle = dwExStyle;
	cs.lpszClass = lpszClassName;
	cs.lpszName = lpszWindowName;
	cs.style = dwStyle;
	cs.x = x;
	cs.y = y;
	cs.cx = nWidth;
	cs.cy = nHeight;
	cs.hwndParent = hWndParent;
	cs.hMenu = nIDorHMenu;
	cs.hInstance = AfxGetInstanceHandle();
	cs.lpCreateParams = lpParam;

	if (!PreCreateWindow(cs))
	{
		PostNcDestroy();
		return FALSE;
	}

	AfxHookWindowCreate(this);
	HWND hWnd = ::CreateWindowExA(cs.dwExStyle, cs.lpszClass, cs.lpszName, cs.style, cs.x, cs.y, cs.cx, cs.cy,
		cs.hwndParent, cs.hMenu, cs.hInstance, cs.lpCreateParams);
	if (!AfxUnhookWindowCreate())
	{
		// The window never came to life (unknown class, for instance), so
		// nothing reached OnNcDestroy: finish the object here.
		PostNcDestroy();
	}
	return hWnd != NULL;
}

BOOL CWnd::DestroyWindow()
{
	if (m_hWnd == NULL)
		return FALSE;

	HWND hWndOrig = m_hWnd;
	BOOL bPermanent = FromHandlePermanent(hWndOrig) == this;
	BOOL bResult = ::DestroyWindow(hWndOrig);

	if (!bPermanent)
	{
		// A temporary wrapper no longer stands for a window; the handle's
		// value may come back for another one.
		if (!::IsWindow(hWndOrig))
		{
			AfxMapHWND().RemoveHandle(hWndOrig);
			m_hWnd = NULL;
		}
		return bResult;
	}
	// A subclassed window was detached by OnNcDestroy, and PostNcDestroy may
	// have deleted this object: look it up rather than touching members. An
	// attached but not subclassed window never saw WM_NCDESTROY through us.
	CWnd* pWnd = FromHandlePermanent(hWndOrig);
	if (pWnd != NULL && !::IsWindow(hWndOrig))
		pWnd->Detach();
	return bResult;
}

void CWnd::PostNcDestroy()
{
}

/////////////////////////////////////////////////////////////////////////////
// Creation hook
//
// A thread-local CBT hook catches the window that CreateEx is making before
// its first message, binds it to the object and installs AfxWndProc, so that
// WM_NCCREATE and WM_CREATE reach the message map. PreSubclassWindow follows
// once the window's class has handled WM_CREATE (see AfxWndProc).

LRESULT CALLBACK _AfxCbtFilterHook(int nCode, WPARAM wParam, LPARAM lParam)
{
	_AFX_THREAD_STATE* pState = AfxGetThreadState();
	if (nCode == HCBT_CREATEWND && pState->m_pWndInit != NULL)
	{
		HWND hWnd = reinterpret_cast<HWND>(wParam);
		// The system may make the thread's IME window inside our creation;
		// it is not ours.
		char szClass[16];
		BOOL bIme = (::GetClassLongPtrA(hWnd, GCL_STYLE) & CS_IME) != 0 ||
					(::GetClassNameA(hWnd, szClass, sizeof(szClass)) > 0 && lstrcmpiA(szClass, "IME") == 0);
		CWnd* pWndInit = pState->m_pWndInit;
		if (!bIme && pWndInit->Attach(hWnd))
		{
			pState->m_pWndInit = NULL;
			pWndInit->m_nFlags |= WF_CREATING;
			WNDPROC pfnOld = reinterpret_cast<WNDPROC>(
				::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&AfxWndProc)));
			if (pfnOld != &AfxWndProc)
				pWndInit->m_pfnSuper = pfnOld;
		}
	}
	return ::CallNextHookEx(pState->m_hHookOldCbtFilter, nCode, wParam, lParam);
}

void AFXAPI AfxHookWindowCreate(CWnd* pWnd)
{
	_AFX_THREAD_STATE* pState = AfxGetThreadState();
	if (pState->m_hHookOldCbtFilter == NULL)
	{
		pState->m_hHookOldCbtFilter =
			::SetWindowsHookExA(WH_CBT, &_AfxCbtFilterHook, NULL, ::GetCurrentThreadId());
	}
	pState->m_pWndInit = pWnd;
}

BOOL AFXAPI AfxUnhookWindowCreate()
{
	_AFX_THREAD_STATE* pState = AfxGetThreadState();
	if (pState->m_hHookOldCbtFilter != NULL)
	{
		::UnhookWindowsHookEx(pState->m_hHookOldCbtFilter);
		pState->m_hHookOldCbtFilter = NULL;
	}
	if (pState->m_pWndInit != NULL)
	{
		pState->m_pWndInit = NULL;
		return FALSE;
	}
	return TRUE;
}

/////////////////////////////////////////////////////////////////////////////
// Window classes

LPCTSTR AFXAPI AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor, HBRUSH hbrBackground, HICON hIcon)
{
	_AFX_THREAD_STATE* pState = AfxGetThreadState();
	LPSTR lpszName = pState->m_szTempClassName;
	HINSTANCE hInst = AfxGetInstanceHandle();

	// The name is made from the attributes alone, so the same attributes
	// find the class registered the first time.
	snprintf(lpszName, sizeof(pState->m_szTempClassName), "Afx:%p:%x:%p:%p:%p", static_cast<void*>(hInst),
		nClassStyle, static_cast<void*>(hCursor), static_cast<void*>(hbrBackground),
		static_cast<void*>(hIcon));

	WNDCLASSA wc;
	if (::GetClassInfoA(hInst, lpszName, &wc))
		return lpszName;

	memset(&wc, 0, sizeof(wc));
	wc.style = nClassStyle;
	wc.lpfnWndProc = &::DefWindowProcA;
	wc.hInstance = hInst;
	wc.hIcon = hIcon;
	wc.hCursor = hCursor;
	wc.hbrBackground = hbrBackground;
	wc.lpszClassName = lpszName;
	// Window classes belong to the process: another thread may have
	// registered the same attributes since we looked.
	if (!::RegisterClassA(&wc) && ::GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
		return NULL;
	return lpszName;
}

LPCSTR AFXAPI AfxDefaultWndClass()
{
	// Double clicks for controls that want them; no background brush, so a
	// window that does not erase stays transparent; no icon.
	return AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(NULL, IDC_ARROW), NULL, NULL);
}

/////////////////////////////////////////////////////////////////////////////
// Styles, ids and text

DWORD CWnd::GetStyle() const
{
	ASSERT(::IsWindow(m_hWnd));
	return static_cast<DWORD>(::GetWindowLongPtrA(m_hWnd, GWL_STYLE));
}

DWORD CWnd::GetExStyle() const
{
	ASSERT(::IsWindow(m_hWnd));
	return static_cast<DWORD>(::GetWindowLongPtrA(m_hWnd, GWL_EXSTYLE));
}

static BOOL ModifyStyleImpl(HWND hWnd, int nStyleOffset, DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
	if (hWnd == NULL)
		return FALSE;
	DWORD dwStyle = static_cast<DWORD>(::GetWindowLongPtrA(hWnd, nStyleOffset));
	DWORD dwNewStyle = (dwStyle & ~dwRemove) | dwAdd;
	if (dwStyle == dwNewStyle)
		return FALSE;
	::SetWindowLongPtrA(hWnd, nStyleOffset, static_cast<LONG_PTR>(dwNewStyle));
	if (nFlags != 0)
	{
		::SetWindowPos(hWnd, NULL, 0, 0, 0, 0,
			SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | nFlags);
	}
	return TRUE;
}

BOOL PASCAL CWnd::ModifyStyle(HWND hWnd, DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
	return ModifyStyleImpl(hWnd, GWL_STYLE, dwRemove, dwAdd, nFlags);
}

BOOL PASCAL CWnd::ModifyStyleEx(HWND hWnd, DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
	return ModifyStyleImpl(hWnd, GWL_EXSTYLE, dwRemove, dwAdd, nFlags);
}

BOOL CWnd::ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
	ASSERT(::IsWindow(m_hWnd));
	return ModifyStyleImpl(m_hWnd, GWL_STYLE, dwRemove, dwAdd, nFlags);
}

BOOL CWnd::ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
	ASSERT(::IsWindow(m_hWnd));
	return ModifyStyleImpl(m_hWnd, GWL_EXSTYLE, dwRemove, dwAdd, nFlags);
}

CWnd* CWnd::GetOwner() const
{
	if (m_hWndOwner != NULL)
		return FromHandle(m_hWndOwner);
	return GetParent();
}

void CWnd::SetOwner(CWnd* pOwnerWnd)
{
	m_hWndOwner = pOwnerWnd->GetSafeHwnd();
}

int CWnd::GetDlgCtrlID() const
{
	ASSERT(::IsWindow(m_hWnd));
	return ::GetDlgCtrlID(m_hWnd);
}

int CWnd::SetDlgCtrlID(int nID)
{
	ASSERT(::IsWindow(m_hWnd));
	return static_cast<int>(::SetWindowLongPtrA(m_hWnd, GWLP_ID, nID));
}

void CWnd::SetWindowText(LPCTSTR lpszString)
{
	ASSERT(::IsWindow(m_hWnd));
	::SetWindowTextA(m_hWnd, lpszString);
}

int CWnd::GetWindowText(LPTSTR lpszStringBuf, int nMaxCount) const
{
	ASSERT(::IsWindow(m_hWnd));
	if (lpszStringBuf == NULL || nMaxCount <= 0)
		return 0;
	return ::GetWindowTextA(m_hWnd, lpszStringBuf, nMaxCount);
}

void CWnd::GetWindowText(CString& rString) const
{
	ASSERT(::IsWindow(m_hWnd));
	int nLen = ::GetWindowTextLengthA(m_hWnd);
	if (nLen <= 0)
	{
		rString.Empty();
		return;
	}
	// The length is an upper bound for multi-byte text; measure the result.
	char* pszBuffer = rString.GetBufferSetLength(nLen);
	if (pszBuffer == NULL)
	{
		rString.Empty();
		return;
	}
	::GetWindowTextA(m_hWnd, pszBuffer, nLen + 1);
	rString.ReleaseBuffer();
}

int CWnd::GetWindowTextLength() const
{
	ASSERT(::IsWindow(m_hWnd));
	return ::GetWindowTextLengthA(m_hWnd);
}

void CWnd::SetFont(CFont* pFont, BOOL bRedraw)
{
	ASSERT(::IsWindow(m_hWnd));
	::SendMessageA(m_hWnd, WM_SETFONT,
		reinterpret_cast<WPARAM>(pFont != NULL ? pFont->GetSafeHandle() : NULL), bRedraw);
}

CFont* CWnd::GetFont() const
{
	ASSERT(::IsWindow(m_hWnd));
	HFONT hFont = reinterpret_cast<HFONT>(::SendMessageA(m_hWnd, WM_GETFONT, 0, 0));
	return hFont != NULL ? CFont::FromHandle(hFont) : NULL;
}

CMenu* CWnd::GetMenu() const
{
	ASSERT(::IsWindow(m_hWnd));
	return CMenu::FromHandle(::GetMenu(m_hWnd));
}

BOOL CWnd::SetMenu(CMenu* pMenu)
{
	ASSERT(::IsWindow(m_hWnd));
	return ::SetMenu(m_hWnd, pMenu != NULL ? pMenu->m_hMenu : NULL);
}

void CWnd::DrawMenuBar()
{
	ASSERT(::IsWindow(m_hWnd));
	::DrawMenuBar(m_hWnd);
}

CMenu* CWnd::GetSystemMenu(BOOL bRevert) const
{
	ASSERT(::IsWindow(m_hWnd));
	return CMenu::FromHandle(::GetSystemMenu(m_hWnd, bRevert));
}

HICON CWnd::SetIcon(HICON hIcon, BOOL bBigIcon)
{
	ASSERT(::IsWindow(m_hWnd));
	return reinterpret_cast<HICON>(::SendMessageA(m_hWnd, WM_SETICON, bBigIcon ? ICON_BIG : ICON_SMALL,
		reinterpret_cast<LPARAM>(hIcon)));
}

HICON CWnd::GetIcon(BOOL bBigIcon) const
{
	ASSERT(::IsWindow(m_hWnd));
	return reinterpret_cast<HICON>(::SendMessageA(m_hWnd, WM_GETICON, bBigIcon ? ICON_BIG : ICON_SMALL, 0));
}

/////////////////////////////////////////////////////////////////////////////
// Size, position and coordinates

BOOL CWnd::IsIconic() const
{
	ASSERT(::IsWindow(m_hWnd));
	return ::IsIconic(m_hWnd);
}
BOOL CWnd::IsZoomed() const
{
	ASSERT(::IsWindow(m_hWnd));
	return ::IsZoomed(m_hWnd);
}

void CWnd::MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint)
{
	ASSERT(::IsWindow(m_hWnd));
	::MoveWindow(m_hWnd, x, y, nWidth, nHeight, bRepaint);
}

void CWnd::MoveWindow(LPCRECT lpRect, BOOL bRepaint)
{
	ASSERT(::IsWindow(m_hWnd));
	if (lpRect != NULL)
		::MoveWindow(m_hWnd, lpRect->left, lpRect->top, lpRect->right - lpRect->left,
			lpRect->bottom - lpRect->top, bRepaint);
}

BOOL CWnd::SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags)
{
	ASSERT(::IsWindow(m_hWnd));
	return ::SetWindowPos(m_hWnd, pWndInsertAfter != NULL ? pWndInsertAfter->m_hWnd : NULL, x, y, cx, cy,
		nFlags);
}

BOOL CWnd::GetWindowPlacement(WINDOWPLACEMENT* lpwndpl) const
{
	ASSERT(::IsWindow(m_hWnd));
	if (lpwndpl == NULL)
		return FALSE;
	lpwndpl->length = sizeof(WINDOWPLACEMENT);
	return ::GetWindowPlacement(m_hWnd, lpwndpl);
}

BOOL CWnd::SetWindowPlacement(const WINDOWPLACEMENT* lpwndpl)
{
	ASSERT(::IsWindow(m_hWnd));
	if (lpwndpl == NULL)
		return FALSE;
	WINDOWPLACEMENT wp = *lpwndpl;
	wp.length = sizeof(WINDOWPLACEMENT);
	return ::SetWindowPlacement(m_hWnd, &wp);
}

void CWnd::BringWindowToTop()
{
	ASSERT(::IsWindow(m_hWnd));
	::BringWindowToTop(m_hWnd);
}

void CWnd::CenterWindow(CWnd* pAlternateOwner)
{
	ASSERT(::IsWindow(m_hWnd));
	if (m_hWnd == NULL)
		return;
	// Centre over the owner (or parent), or over the work area without one.
	HWND hWndCenter = pAlternateOwner->GetSafeHwnd();
	DWORD dwStyle = GetStyle();
	if (hWndCenter == NULL)
		hWndCenter = (dwStyle & WS_CHILD) ? ::GetParent(m_hWnd) : ::GetWindow(m_hWnd, GW_OWNER);

	RECT rcDlg;
	::GetWindowRect(m_hWnd, &rcDlg);
	RECT rcArea;
	RECT rcCenter;
	if (dwStyle & WS_CHILD)
	{
		HWND hWndParent = ::GetParent(m_hWnd);
		::GetClientRect(hWndParent, &rcArea);
		::GetClientRect(hWndCenter != NULL ? hWndCenter : hWndParent, &rcCenter);
		::MapWindowPoints(hWndCenter != NULL ? hWndCenter : hWndParent, hWndParent,
			reinterpret_cast<LPPOINT>(&rcCenter), 2);
	}
	else
	{
		::SystemParametersInfoA(SPI_GETWORKAREA, 0, &rcArea, 0);
		if (hWndCenter != NULL && ::IsWindowVisible(hWndCenter) && !::IsIconic(hWndCenter))
			::GetWindowRect(hWndCenter, &rcCenter);
		else
			rcCenter = rcArea;
	}

	int cx = rcDlg.right - rcDlg.left;
	int cy = rcDlg.bottom - rcDlg.top;
	int x = (rcCenter.left + rcCenter.right) / 2 - cx / 2;
	int y = (rcCenter.top + rcCenter.bottom) / 2 - cy / 2;
	// Keep the window inside the area.
	if (x + cx > rcArea.right)
		x = rcArea.right - cx;
	if (x < rcArea.left)
		x = rcArea.left;
	if (y + cy > rcArea.bottom)
		y = rcArea.bottom - cy;
	if (y < rcArea.top)
		y = rcArea.top;
	::SetWindowPos(m_hWnd, NULL, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CWnd::GetWindowRect(LPRECT lpRect) const
{
	ASSERT(::IsWindow(m_hWnd));
	::GetWindowRect(m_hWnd, lpRect);
}
void CWnd::GetClientRect(LPRECT lpRect) const
{
	ASSERT(::IsWindow(m_hWnd));
	::GetClientRect(m_hWnd, lpRect);
}
void CWnd::ClientToScreen(LPPOINT lpPoint) const
{
	ASSERT(::IsWindow(m_hWnd));
	::ClientToScreen(m_hWnd, lpPoint);
}

void CWnd::ClientToScreen(LPRECT lpRect) const
{
	ASSERT(::IsWindow(m_hWnd));
	::ClientToScreen(m_hWnd, reinterpret_cast<LPPOINT>(lpRect));
	::ClientToScreen(m_hWnd, reinterpret_cast<LPPOINT>(lpRect) + 1);
	// In a mirrored window the left edge maps to the right.
	if (GetExStyle() & WS_EX_LAYOUTRTL)
	{
		LONG t = lpRect->left;
		lpRect->left = lpRect->right;
		lpRect->right = t;
	}
}

void CWnd::ScreenToClient(LPPOINT lpPoint) const
{
	ASSERT(::IsWindow(m_hWnd));
	::ScreenToClient(m_hWnd, lpPoint);
}

void CWnd::ScreenToClient(LPRECT lpRect) const
{
	ASSERT(::IsWindow(m_hWnd));
	::ScreenToClient(m_hWnd, reinterpret_cast<LPPOINT>(lpRect));
	::ScreenToClient(m_hWnd, reinterpret_cast<LPPOINT>(lpRect) + 1);
	if (GetExStyle() & WS_EX_LAYOUTRTL)
	{
		LONG t = lpRect->left;
		lpRect->left = lpRect->right;
		lpRect->right = t;
	}
}

void CWnd::MapWindowPoints(CWnd* pwndTo, LPPOINT lpPoint, UINT nCount) const
{
	ASSERT(::IsWindow(m_hWnd));
	::MapWindowPoints(m_hWnd, pwndTo->GetSafeHwnd(), lpPoint, nCount);
}

void CWnd::MapWindowPoints(CWnd* pwndTo, LPRECT lpRect) const
{
	ASSERT(::IsWindow(m_hWnd));
	::MapWindowPoints(m_hWnd, pwndTo->GetSafeHwnd(), reinterpret_cast<LPPOINT>(lpRect), 2);
}

void CWnd::CalcWindowRect(LPRECT lpClientRect, UINT nAdjustType)
{
	DWORD dwExStyle = GetExStyle();
	if (nAdjustType == 0)
		dwExStyle &= ~WS_EX_CLIENTEDGE;
	::AdjustWindowRectEx(lpClientRect, GetStyle(), FALSE, dwExStyle);
}

/////////////////////////////////////////////////////////////////////////////
// Painting

CDC* CWnd::BeginPaint(LPPAINTSTRUCT lpPaint)
{
	ASSERT(::IsWindow(m_hWnd));
	return CDC::FromHandle(::BeginPaint(m_hWnd, lpPaint));
}

void CWnd::EndPaint(LPPAINTSTRUCT lpPaint)
{
	ASSERT(::IsWindow(m_hWnd));
	::EndPaint(m_hWnd, lpPaint);
}

CDC* CWnd::GetDC()
{
	ASSERT(::IsWindow(m_hWnd));
	return CDC::FromHandle(::GetDC(m_hWnd));
}

CDC* CWnd::GetWindowDC()
{
	ASSERT(::IsWindow(m_hWnd));
	return CDC::FromHandle(::GetWindowDC(m_hWnd));
}

CDC* CWnd::GetDCEx(CRgn* prgnClip, DWORD flags)
{
	ASSERT(::IsWindow(m_hWnd));
	return CDC::FromHandle(
		::GetDCEx(m_hWnd, static_cast<HRGN>(prgnClip != NULL ? prgnClip->GetSafeHandle() : NULL), flags));
}

int CWnd::ReleaseDC(CDC* pDC)
{
	ASSERT(::IsWindow(m_hWnd));
	if (pDC == NULL)
		return 0;
	return ::ReleaseDC(m_hWnd, pDC->m_hDC);
}

void CWnd::UpdateWindow()
{
	ASSERT(::IsWindow(m_hWnd));
	::UpdateWindow(m_hWnd);
}

void CWnd::SetRedraw(BOOL bRedraw)
{
	ASSERT(::IsWindow(m_hWnd));
	::SendMessageA(m_hWnd, WM_SETREDRAW, bRedraw, 0);
}

BOOL CWnd::GetUpdateRect(LPRECT lpRect, BOOL bErase)
{
	ASSERT(::IsWindow(m_hWnd));
	return ::GetUpdateRect(m_hWnd, lpRect, bErase);
}

void CWnd::Invalidate(BOOL bErase)
{
	ASSERT(::IsWindow(m_hWnd));
	::InvalidateRect(m_hWnd, NULL, bErase);
}
void CWnd::InvalidateRect(LPCRECT lpRect, BOOL bErase)
{
	ASSERT(::IsWindow(m_hWnd));
	::InvalidateRect(m_hWnd, lpRect, bErase);
}

void CWnd::InvalidateRgn(CRgn* pRgn, BOOL bErase)
{
	ASSERT(::IsWindow(m_hWnd));
	::InvalidateRgn(m_hWnd, static_cast<HRGN>(pRgn != NULL ? pRgn->GetSafeHandle() : NULL), bErase);
}

void CWnd::ValidateRect(LPCRECT lpRect)
{
	ASSERT(::IsWindow(m_hWnd));
	::ValidateRect(m_hWnd, lpRect);
}

void CWnd::ValidateRgn(CRgn* pRgn)
{
	ASSERT(::IsWindow(m_hWnd));
	::ValidateRgn(m_hWnd, static_cast<HRGN>(pRgn != NULL ? pRgn->GetSafeHandle() : NULL));
}

BOOL CWnd::ShowWindow(int nCmdShow)
{
	ASSERT(::IsWindow(m_hWnd));
	return ::ShowWindow(m_hWnd, nCmdShow);
}
BOOL CWnd::IsWindowVisible() const
{
	ASSERT(::IsWindow(m_hWnd));
	return ::IsWindowVisible(m_hWnd);
}
void CWnd::ShowOwnedPopups(BOOL bShow)
{
	ASSERT(::IsWindow(m_hWnd));
	::ShowOwnedPopups(m_hWnd, bShow);
}

BOOL CWnd::RedrawWindow(LPCRECT lpRectUpdate, CRgn* prgnUpdate, UINT flags)
{
	ASSERT(::IsWindow(m_hWnd));
	return ::RedrawWindow(m_hWnd, lpRectUpdate,
		static_cast<HRGN>(prgnUpdate != NULL ? prgnUpdate->GetSafeHandle() : NULL), flags);
}

BOOL CWnd::LockWindowUpdate()
{
	ASSERT(::IsWindow(m_hWnd));
	return ::LockWindowUpdate(m_hWnd);
}
void CWnd::UnlockWindowUpdate()
{
	::LockWindowUpdate(NULL);
}
int CWnd::SetWindowRgn(HRGN hRgn, BOOL bRedraw)
{
	ASSERT(::IsWindow(m_hWnd));
	return ::SetWindowRgn(m_hWnd, hRgn, bRedraw);
}
int CWnd::GetWindowRgn(HRGN hRgn) const
{
	ASSERT(::IsWindow(m_hWnd));
	return ::GetWindowRgn(m_hWnd, hRgn);
}

/////////////////////////////////////////////////////////////////////////////
// Timers, state, focus and capture

UINT_PTR CWnd::SetTimer(UINT_PTR nIDEvent, UINT nElapse,
	void(CALLBACK* lpfnTimer)(HWND, UINT, UINT_PTR, DWORD))
{
	ASSERT(::IsWindow(m_hWnd));
	return ::SetTimer(m_hWnd, nIDEvent, nElapse, lpfnTimer);
}

BOOL CWnd::KillTimer(UINT_PTR nIDEvent)
{
	ASSERT(::IsWindow(m_hWnd));
	return ::KillTimer(m_hWnd, nIDEvent);
}

BOOL CWnd::IsWindowEnabled() const
{
	ASSERT(::IsWindow(m_hWnd));
	return ::IsWindowEnabled(m_hWnd);
}
BOOL CWnd::EnableWindow(BOOL bEnable)
{
	ASSERT(::IsWindow(m_hWnd));
	return ::EnableWindow(m_hWnd, bEnable);
}

CWnd* PASCAL CWnd::GetActiveWindow()
{
	return FromHandle(::GetActiveWindow());
}
CWnd* CWnd::SetActiveWindow()
{
	ASSERT(::IsWindow(m_hWnd));
	return FromHandle(::SetActiveWindow(m_hWnd));
}
BOOL CWnd::SetForegroundWindow()
{
	ASSERT(::IsWindow(m_hWnd));
	return ::SetForegroundWindow(m_hWnd);
}
CWnd* PASCAL CWnd::GetForegroundWindow()
{
	return FromHandle(::GetForegroundWindow());
}
CWnd* PASCAL CWnd::GetCapture()
{
	return FromHandle(::GetCapture());
}
CWnd* CWnd::SetCapture()
{
	ASSERT(::IsWindow(m_hWnd));
	return FromHandle(::SetCapture(m_hWnd));
}
CWnd* PASCAL CWnd::GetFocus()
{
	return FromHandle(::GetFocus());
}
CWnd* CWnd::SetFocus()
{
	ASSERT(::IsWindow(m_hWnd));
	return FromHandle(::SetFocus(m_hWnd));
}
CWnd* PASCAL CWnd::GetDesktopWindow()
{
	return FromHandle(::GetDesktopWindow());
}

/////////////////////////////////////////////////////////////////////////////
// Dialog items

void CWnd::CheckDlgButton(int nIDButton, UINT nCheck)
{
	ASSERT(::IsWindow(m_hWnd));
	::CheckDlgButton(m_hWnd, nIDButton, nCheck);
}

void CWnd::CheckRadioButton(int nIDFirstButton, int nIDLastButton, int nIDCheckButton)
{
	ASSERT(::IsWindow(m_hWnd));
	::CheckRadioButton(m_hWnd, nIDFirstButton, nIDLastButton, nIDCheckButton);
}

int CWnd::GetCheckedRadioButton(int nIDFirstButton, int nIDLastButton)
{
	ASSERT(::IsWindow(m_hWnd));
	for (int nID = nIDFirstButton; nID <= nIDLastButton; nID++)
	{
		if (::IsDlgButtonChecked(m_hWnd, nID))
			return nID;
	}
	return 0;
}

CWnd* CWnd::GetDlgItem(int nID) const
{
	ASSERT(::IsWindow(m_hWnd));
	return FromHandle(::GetDlgItem(m_hWnd, nID));
}

void CWnd::GetDlgItem(int nID, HWND* phWnd) const
{
	ASSERT(::IsWindow(m_hWnd));
	if (phWnd != NULL)
		*phWnd = ::GetDlgItem(m_hWnd, nID);
}

UINT CWnd::GetDlgItemInt(int nID, BOOL* lpTrans, BOOL bSigned) const
{
	ASSERT(::IsWindow(m_hWnd));
	return ::GetDlgItemInt(m_hWnd, nID, lpTrans, bSigned);
}

int CWnd::GetDlgItemText(int nID, LPTSTR lpStr, int nMaxCount) const
{
	ASSERT(::IsWindow(m_hWnd));
	if (lpStr == NULL || nMaxCount <= 0)
		return 0;
	return static_cast<int>(::GetDlgItemTextA(m_hWnd, nID, lpStr, nMaxCount));
}

int CWnd::GetDlgItemText(int nID, CString& rString) const
{
	ASSERT(::IsWindow(m_hWnd));
	rString.Empty();
	HWND hWndItem = ::GetDlgItem(m_hWnd, nID);
	if (hWndItem == NULL)
		return 0;
	FromHandle(hWndItem)->GetWindowText(rString);
	return rString.GetLength();
}

CWnd* CWnd::GetNextDlgGroupItem(CWnd* pWndCtl, BOOL bPrevious) const
{
	ASSERT(::IsWindow(m_hWnd));
	return FromHandle(::GetNextDlgGroupItem(m_hWnd, pWndCtl->GetSafeHwnd(), bPrevious));
}

CWnd* CWnd::GetNextDlgTabItem(CWnd* pWndCtl, BOOL bPrevious) const
{
	ASSERT(::IsWindow(m_hWnd));
	return FromHandle(::GetNextDlgTabItem(m_hWnd, pWndCtl->GetSafeHwnd(), bPrevious));
}

UINT CWnd::IsDlgButtonChecked(int nIDButton) const
{
	ASSERT(::IsWindow(m_hWnd));
	return ::IsDlgButtonChecked(m_hWnd, nIDButton);
}

LRESULT CWnd::SendDlgItemMessage(int nID, UINT message, WPARAM wParam, LPARAM lParam)
{
	ASSERT(::IsWindow(m_hWnd));
	return ::SendDlgItemMessageA(m_hWnd, nID, message, wParam, lParam);
}

void CWnd::SetDlgItemInt(int nID, UINT nValue, BOOL bSigned)
{
	ASSERT(::IsWindow(m_hWnd));
	::SetDlgItemInt(m_hWnd, nID, nValue, bSigned);
}

void CWnd::SetDlgItemText(int nID, LPCTSTR lpszString)
{
	ASSERT(::IsWindow(m_hWnd));
	::SetDlgItemTextA(m_hWnd, nID, lpszString);
}

/////////////////////////////////////////////////////////////////////////////
// Scrolling

int CWnd::GetScrollPos(int nBar) const
{
	ASSERT(::IsWindow(m_hWnd));
	return ::GetScrollPos(m_hWnd, nBar);
}

void CWnd::GetScrollRange(int nBar, LPINT lpMinPos, LPINT lpMaxPos) const
{
	ASSERT(::IsWindow(m_hWnd));
	::GetScrollRange(m_hWnd, nBar, lpMinPos, lpMaxPos);
}

void CWnd::ScrollWindow(int xAmount, int yAmount, LPCRECT lpRect, LPCRECT lpClipRect)
{
	ASSERT(::IsWindow(m_hWnd));
	::ScrollWindow(m_hWnd, xAmount, yAmount, lpRect, lpClipRect);
}

int CWnd::SetScrollPos(int nBar, int nPos, BOOL bRedraw)
{
	ASSERT(::IsWindow(m_hWnd));
	return ::SetScrollPos(m_hWnd, nBar, nPos, bRedraw);
}

void CWnd::SetScrollRange(int nBar, int nMinPos, int nMaxPos, BOOL bRedraw)
{
	ASSERT(::IsWindow(m_hWnd));
	::SetScrollRange(m_hWnd, nBar, nMinPos, nMaxPos, bRedraw);
}

void CWnd::ShowScrollBar(UINT nBar, BOOL bShow)
{
	ASSERT(::IsWindow(m_hWnd));
	::ShowScrollBar(m_hWnd, static_cast<int>(nBar), bShow);
}

void CWnd::EnableScrollBarCtrl(int nBar, BOOL bEnable)
{
	ASSERT(::IsWindow(m_hWnd));
	::EnableScrollBar(m_hWnd, nBar, bEnable ? ESB_ENABLE_BOTH : ESB_DISABLE_BOTH);
}

CScrollBar* CWnd::GetScrollBarCtrl(int) const
{
	return NULL;
}

int CWnd::ScrollWindowEx(int dx, int dy, LPCRECT lpRectScroll, LPCRECT lpRectClip, CRgn* prgnUpdate,
	LPRECT lpRectUpdate, UINT flags)
{
	ASSERT(::IsWindow(m_hWnd));
	return ::ScrollWindowEx(m_hWnd, dx, dy, lpRectScroll, lpRectClip,
		static_cast<HRGN>(prgnUpdate != NULL ? prgnUpdate->GetSafeHandle() : NULL), lpRectUpdate, flags);
}

BOOL CWnd::SetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, BOOL bRedraw)
{
	ASSERT(::IsWindow(m_hWnd));
	if (lpScrollInfo == NULL)
		return FALSE;
	lpScrollInfo->cbSize = sizeof(SCROLLINFO);
	::SetScrollInfo(m_hWnd, nBar, lpScrollInfo, bRedraw);
	return TRUE;
}

BOOL CWnd::GetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, UINT nMask)
{
	ASSERT(::IsWindow(m_hWnd));
	if (lpScrollInfo == NULL)
		return FALSE;
	lpScrollInfo->cbSize = sizeof(SCROLLINFO);
	lpScrollInfo->fMask = nMask;
	return ::GetScrollInfo(m_hWnd, nBar, lpScrollInfo);
}

int CWnd::GetScrollLimit(int nBar)
{
	SCROLLINFO info;
	if (!GetScrollInfo(nBar, &info, SIF_RANGE | SIF_PAGE))
		return 0;
	int nLimit = info.nMax;
	if (info.nPage > 0)
		nLimit -= static_cast<int>(info.nPage) - 1;
	return nLimit;
}

BOOL CWnd::EnableScrollBar(int nSBFlags, UINT nArrowFlags)
{
	ASSERT(::IsWindow(m_hWnd));
	return ::EnableScrollBar(m_hWnd, static_cast<UINT>(nSBFlags), nArrowFlags);
}

/////////////////////////////////////////////////////////////////////////////
// Window tree

CWnd* CWnd::ChildWindowFromPoint(POINT point) const
{
	ASSERT(::IsWindow(m_hWnd));
	return FromHandle(::ChildWindowFromPoint(m_hWnd, point));
}

CWnd* CWnd::ChildWindowFromPoint(POINT point, UINT nFlags) const
{
	ASSERT(::IsWindow(m_hWnd));
	return FromHandle(::ChildWindowFromPointEx(m_hWnd, point, nFlags));
}

CWnd* PASCAL CWnd::FindWindow(LPCTSTR lpszClassName, LPCTSTR lpszWindowName)
{
	return FromHandle(::FindWindowA(lpszClassName, lpszWindowName));
}

CWnd* CWnd::GetNextWindow(UINT nFlag) const
{
	ASSERT(::IsWindow(m_hWnd));
	return FromHandle(::GetWindow(m_hWnd, nFlag));
}

CWnd* CWnd::GetTopWindow() const
{
	ASSERT(::IsWindow(m_hWnd));
	return FromHandle(::GetTopWindow(m_hWnd));
}
CWnd* CWnd::GetWindow(UINT nCmd) const
{
	ASSERT(::IsWindow(m_hWnd));
	return FromHandle(::GetWindow(m_hWnd, nCmd));
}
CWnd* CWnd::GetLastActivePopup() const
{
	ASSERT(::IsWindow(m_hWnd));
	return FromHandle(::GetLastActivePopup(m_hWnd));
}

BOOL CWnd::IsChild(const CWnd* pWnd) const
{
	ASSERT(::IsWindow(m_hWnd));
	return pWnd != NULL && ::IsChild(m_hWnd, pWnd->m_hWnd);
}

CWnd* CWnd::GetParent() const
{
	ASSERT(::IsWindow(m_hWnd));
	return FromHandle(::GetParent(m_hWnd));
}

CWnd* CWnd::SetParent(CWnd* pWndNewParent)
{
	ASSERT(::IsWindow(m_hWnd));
	return FromHandle(::SetParent(m_hWnd, pWndNewParent->GetSafeHwnd()));
}

// The parent of a child window, the owner of any other.
static HWND GetParentOrOwner(HWND hWnd)
{
	if (::GetWindowLongPtrA(hWnd, GWL_STYLE) & WS_CHILD)
		return ::GetParent(hWnd);
	return ::GetWindow(hWnd, GW_OWNER);
}

CWnd* CWnd::GetTopLevelParent() const
{
	ASSERT(::IsWindow(m_hWnd));
	if (m_hWnd == NULL)
		return NULL;
	HWND hWnd = m_hWnd;
	for (HWND hWndParent; (hWndParent = GetParentOrOwner(hWnd)) != NULL;)
		hWnd = hWndParent;
	return FromHandle(hWnd);
}

CWnd* CWnd::GetTopLevelOwner() const
{
	ASSERT(::IsWindow(m_hWnd));
	if (m_hWnd == NULL)
		return NULL;
	HWND hWnd = m_hWnd;
	for (HWND hWndOwner; (hWndOwner = ::GetWindow(hWnd, GW_OWNER)) != NULL;)
		hWnd = hWndOwner;
	return FromHandle(hWnd);
}

CWnd* CWnd::GetParentOwner() const
{
	ASSERT(::IsWindow(m_hWnd));
	if (m_hWnd == NULL)
		return NULL;
	HWND hWnd = m_hWnd;
	while (::GetWindowLongPtrA(hWnd, GWL_STYLE) & WS_CHILD)
	{
		HWND hWndParent = ::GetParent(hWnd);
		if (hWndParent == NULL)
			break;
		hWnd = hWndParent;
	}
	return FromHandle(hWnd);
}

CWnd* PASCAL CWnd::WindowFromPoint(POINT point)
{
	return FromHandle(::WindowFromPoint(point));
}

static HWND FindDescendant(HWND hWnd, int nID, BOOL bOnlyPerm)
{
	// Direct children first: that is where ids are unique.
	HWND hWndChild = ::GetDlgItem(hWnd, nID);
	if (hWndChild != NULL && ::GetParent(hWndChild) == hWnd &&
		(!bOnlyPerm || CWnd::FromHandlePermanent(hWndChild) != NULL))
		return hWndChild;
	for (hWndChild = ::GetTopWindow(hWnd); hWndChild != NULL; hWndChild = ::GetWindow(hWndChild, GW_HWNDNEXT))
	{
		HWND hWndFound = FindDescendant(hWndChild, nID, bOnlyPerm);
		if (hWndFound != NULL)
			return hWndFound;
	}
	return NULL;
}

CWnd* CWnd::GetDescendantWindow(int nID, BOOL bOnlyPerm) const
{
	ASSERT(::IsWindow(m_hWnd));
	if (m_hWnd == NULL)
		return NULL;
	HWND hWnd = FindDescendant(m_hWnd, nID, bOnlyPerm);
	if (hWnd == NULL)
		return NULL;
	return bOnlyPerm ? FromHandlePermanent(hWnd) : FromHandle(hWnd);
}

static void SendToDescendants(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam, BOOL bDeep,
	BOOL bOnlyPerm)
{
	for (HWND hWndChild = ::GetTopWindow(hWnd); hWndChild != NULL;
		 hWndChild = ::GetWindow(hWndChild, GW_HWNDNEXT))
	{
		if (!bOnlyPerm)
			::SendMessageA(hWndChild, message, wParam, lParam);
		else if (CWnd* pWnd = CWnd::FromHandlePermanent(hWndChild))
			AfxCallWndProc(pWnd, hWndChild, message, wParam, lParam);
		if (bDeep && ::GetTopWindow(hWndChild) != NULL)
			SendToDescendants(hWndChild, message, wParam, lParam, bDeep, bOnlyPerm);
	}
}

void CWnd::SendMessageToDescendants(UINT message, WPARAM wParam, LPARAM lParam, BOOL bDeep, BOOL bOnlyPerm)
{
	ASSERT(::IsWindow(m_hWnd));
	if (m_hWnd != NULL)
		SendToDescendants(m_hWnd, message, wParam, lParam, bDeep, bOnlyPerm);
}

/////////////////////////////////////////////////////////////////////////////
// Alerts, clipboard, caret and messages

BOOL CWnd::FlashWindow(BOOL bInvert)
{
	ASSERT(::IsWindow(m_hWnd));
	return ::FlashWindow(m_hWnd, bInvert);
}

int CWnd::MessageBox(LPCTSTR lpszText, LPCTSTR lpszCaption, UINT nType)
{
	if (lpszCaption == NULL)
		lpszCaption = AfxGetAppName();
	return ::MessageBoxA(m_hWnd, lpszText, lpszCaption, nType);
}

BOOL CWnd::OpenClipboard()
{
	ASSERT(::IsWindow(m_hWnd));
	return ::OpenClipboard(m_hWnd);
}
void CWnd::DragAcceptFiles(BOOL bAccept)
{
	ASSERT(::IsWindow(m_hWnd));
	::DragAcceptFiles(m_hWnd, bAccept);
}

void CWnd::CreateCaret(CBitmap* pBitmap)
{
	ASSERT(::IsWindow(m_hWnd));
	::CreateCaret(m_hWnd, static_cast<HBITMAP>(pBitmap != NULL ? pBitmap->GetSafeHandle() : NULL), 0, 0);
}

void CWnd::CreateSolidCaret(int nWidth, int nHeight)
{
	ASSERT(::IsWindow(m_hWnd));
	::CreateCaret(m_hWnd, NULL, nWidth, nHeight);
}

void CWnd::CreateGrayCaret(int nWidth, int nHeight)
{
	ASSERT(::IsWindow(m_hWnd));
	::CreateCaret(m_hWnd, reinterpret_cast<HBITMAP>(1), nWidth, nHeight);
}

CPoint PASCAL CWnd::GetCaretPos()
{
	CPoint point;
	::GetCaretPos(&point);
	return point;
}

void PASCAL CWnd::SetCaretPos(POINT point)
{
	::SetCaretPos(point.x, point.y);
}
void CWnd::HideCaret()
{
	ASSERT(::IsWindow(m_hWnd));
	::HideCaret(m_hWnd);
}
void CWnd::ShowCaret()
{
	ASSERT(::IsWindow(m_hWnd));
	::ShowCaret(m_hWnd);
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
	ASSERT(::IsWindow(m_hWnd));
	return ::SendMessageA(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
	ASSERT(::IsWindow(m_hWnd));
	return ::PostMessageA(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::SendNotifyMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
	ASSERT(::IsWindow(m_hWnd));
	return ::SendNotifyMessageA(m_hWnd, message, wParam, lParam);
}
