// afxmsg_.h - message-map entry macros and the dispatch functions behind them (from afxwin.h).
//
// Classes in this file:
//   AfxSig, AfxPmfClass
//
// AfxSig<F> checks a handler's signature at compile time and picks among overloads;
// the function templates AfxDispatch_*<pmf> crack the parameters and call the handler.
#pragma once

// A reflected message arrives at the child keyed WM_REFLECT_BASE + message.
#ifndef WM_REFLECT_BASE
#define WM_REFLECT_BASE 0xBC00
#endif

/////////////////////////////////////////////////////////////////////////////
// Handler signatures
//
// AfxSig<F>::Get(&ThisClass::Handler) only compiles when the handler has
// exactly the function type F; it also picks the right one of overloads.

template <class F>
struct AfxSig
{
	template <class C>
	static constexpr auto Get(F C::*pmf)
	{
		return pmf;
	}
};

template <class P>
struct AfxPmfClass;
template <class C, class F>
struct AfxPmfClass<F C::*>
{
	typedef C type;
};

// The object the handler runs on: the command target seen as the class that
// declares the handler.
#define AFX_MSG_THIS(pmf, pTarget) static_cast<typename AfxPmfClass<decltype(pmf)>::type*>(pTarget)

inline CPoint AfxPointFromLParam(LPARAM lParam)
{
	return CPoint(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
}

// Signatures of window-message handlers.
typedef void AfxSig_v();
typedef BOOL AfxSig_b_CREATE(LPCREATESTRUCT);
typedef int AfxSig_i_CREATE(LPCREATESTRUCT);
typedef BOOL AfxSig_b_D(CDC*);
typedef void AfxSig_v_u_pt(UINT, CPoint);
typedef BOOL AfxSig_b_u_s_pt(UINT, short, CPoint);
typedef void AfxSig_v_u_s_pt(UINT, short, CPoint);
typedef void AfxSig_v_uuu(UINT, UINT, UINT);
typedef void AfxSig_v_W(CWnd*);
typedef void AfxSig_v_u_ii(UINT, int, int);
typedef void AfxSig_v_ii(int, int);
typedef void AfxSig_v_t(UINT_PTR);
typedef void AfxSig_v_W_pt(CWnd*, CPoint);
typedef void AfxSig_v_u_u_SB(UINT, UINT, CScrollBar*);
typedef HBRUSH AfxSig_h_D_W_u(CDC*, CWnd*, UINT);
typedef void AfxSig_v_i_DRAW(int, LPDRAWITEMSTRUCT);
typedef void AfxSig_v_i_MEASURE(int, LPMEASUREITEMSTRUCT);
typedef int AfxSig_i_i_COMPARE(int, LPCOMPAREITEMSTRUCT);
typedef void AfxSig_v_i_DELETE(int, LPDELETEITEMSTRUCT);
typedef int AfxSig_i_u_LB_u(UINT, CListBox*, UINT);
typedef void AfxSig_v_b_NCCALC(BOOL, NCCALCSIZE_PARAMS*);
typedef LRESULT AfxSig_l_pt(CPoint);
typedef UINT AfxSig_u_v();
typedef BOOL AfxSig_b_W_uu(CWnd*, UINT, UINT);
typedef int AfxSig_i_W_uu(CWnd*, UINT, UINT);
typedef void AfxSig_v_b(BOOL);
typedef BOOL AfxSig_b_b(BOOL);
typedef void AfxSig_v_b_u(BOOL, UINT);
typedef void AfxSig_v_b_dw(BOOL, DWORD);
typedef void AfxSig_v_u_W_b(UINT, CWnd*, BOOL);
typedef void AfxSig_v_WINDOWPOS(WINDOWPOS*);
typedef void AfxSig_v_MINMAX(MINMAXINFO*);
typedef void AfxSig_v_u_l(UINT, LPARAM);
typedef void AfxSig_v_u_W(UINT, CWnd*);
typedef void AfxSig_v_M_u_b(CMenu*, UINT, BOOL);
typedef void AfxSig_v_M(CMenu*);
typedef void AfxSig_v_M_u(CMenu*, UINT);
typedef LRESULT AfxSig_l_u_u_M(UINT, UINT, CMenu*);
typedef void AfxSig_v_u_u_hm(UINT, UINT, HMENU);
typedef void AfxSig_v_i_STYLE(int, LPSTYLESTRUCT);
typedef void AfxSig_v_u_sz(UINT, LPCTSTR);
typedef LRESULT AfxSig_l_v();
typedef void AfxSig_v_HDROP(HDROP);
typedef BOOL AfxSig_b_HELP(HELPINFO*);
typedef void AfxSig_v_u_RECT(UINT, LPRECT);
typedef void AfxSig_v_D_u(CDC*, UINT);
typedef LRESULT AfxSig_l_w_l(WPARAM, LPARAM);

// Signatures of reflected-message handlers.
typedef HBRUSH AfxSig_h_D_u(CDC*, UINT);
typedef void AfxSig_v_DRAW(LPDRAWITEMSTRUCT);
typedef void AfxSig_v_MEASURE(LPMEASUREITEMSTRUCT);
typedef int AfxSig_i_COMPARE(LPCOMPAREITEMSTRUCT);
typedef void AfxSig_v_DELETE(LPDELETEITEMSTRUCT);
typedef int AfxSig_i_u_u(UINT, UINT);
typedef void AfxSig_v_u_u(UINT, UINT);

// Signatures of command and notification handlers.
typedef BOOL AfxSig_b();
typedef BOOL AfxSig_b_u(UINT);
typedef void AfxSig_v_u(UINT);
typedef void AfxSig_v_UI(CCmdUI*);
typedef void AfxSig_v_u_UI(UINT, CCmdUI*);
typedef void AfxSig_v_NM(NMHDR*, LRESULT*);
typedef BOOL AfxSig_b_NM(NMHDR*, LRESULT*);
typedef void AfxSig_v_u_NM(UINT, NMHDR*, LRESULT*);
typedef BOOL AfxSig_b_u_NM(UINT, NMHDR*, LRESULT*);

/////////////////////////////////////////////////////////////////////////////
// Dispatch functions: crack wParam/lParam and call the handler

#define AFX_DISPATCH(sig) \
	template <auto pmf> \
	BOOL AFX_CDECL AfxDispatch_##sig(CCmdTarget* pTarget, AFX_MSGCALL& c)
#define AFX_CALL(...) (AFX_MSG_THIS(pmf, pTarget)->*pmf)(__VA_ARGS__)

AFX_DISPATCH(v)
{
	(void)c;
	AFX_CALL();
	return TRUE;
}
AFX_DISPATCH(b_CREATE)
{
	c.lResult = AFX_CALL(reinterpret_cast<LPCREATESTRUCT>(c.lParam));
	return TRUE;
}
AFX_DISPATCH(i_CREATE)
{
	c.lResult = AFX_CALL(reinterpret_cast<LPCREATESTRUCT>(c.lParam));
	return TRUE;
}
AFX_DISPATCH(b_D)
{
	c.lResult = AFX_CALL(CDC::FromHandle(reinterpret_cast<HDC>(c.wParam)));
	return TRUE;
}
AFX_DISPATCH(v_u_pt)
{
	AFX_CALL(static_cast<UINT>(c.wParam), AfxPointFromLParam(c.lParam));
	return TRUE;
}
AFX_DISPATCH(b_u_s_pt)
{
	c.lResult =
		AFX_CALL(LOWORD(c.wParam), static_cast<short>(HIWORD(c.wParam)), AfxPointFromLParam(c.lParam));
	return TRUE;
}
AFX_DISPATCH(v_u_s_pt)
{
	AFX_CALL(LOWORD(c.wParam), static_cast<short>(HIWORD(c.wParam)), AfxPointFromLParam(c.lParam));
	return TRUE;
}
AFX_DISPATCH(v_uuu)
{
	AFX_CALL(static_cast<UINT>(c.wParam), LOWORD(c.lParam), HIWORD(c.lParam));
	return TRUE;
}
// The window comes in wParam (focus changes) ...
AFX_DISPATCH(v_W)
{
	AFX_CALL(CWnd::FromHandle(reinterpret_cast<HWND>(c.wParam)));
	return TRUE;
}
// ... or in lParam (WM_CAPTURECHANGED).
AFX_DISPATCH(v_W_l)
{
	AFX_CALL(CWnd::FromHandle(reinterpret_cast<HWND>(c.lParam)));
	return TRUE;
}
AFX_DISPATCH(v_u_ii)
{
	AFX_CALL(static_cast<UINT>(c.wParam), static_cast<int>(LOWORD(c.lParam)),
		static_cast<int>(HIWORD(c.lParam)));
	return TRUE;
}
AFX_DISPATCH(v_ii)
{
	AFX_CALL(static_cast<int>(static_cast<short>(LOWORD(c.lParam))),
		static_cast<int>(static_cast<short>(HIWORD(c.lParam))));
	return TRUE;
}
AFX_DISPATCH(v_t)
{
	AFX_CALL(static_cast<UINT_PTR>(c.wParam));
	return TRUE;
}
AFX_DISPATCH(v_W_pt)
{
	AFX_CALL(CWnd::FromHandle(reinterpret_cast<HWND>(c.wParam)), AfxPointFromLParam(c.lParam));
	return TRUE;
}
AFX_DISPATCH(v_u_u_SB)
{
	AFX_CALL(LOWORD(c.wParam), HIWORD(c.wParam),
		static_cast<CScrollBar*>(CWnd::FromHandle(reinterpret_cast<HWND>(c.lParam))));
	return TRUE;
}
// WM_CTLCOLORxxx: nCode carries the CTLCOLOR_xxx type.
AFX_DISPATCH(h_D_W_u)
{
	c.lResult = reinterpret_cast<LRESULT>(AFX_CALL(CDC::FromHandle(reinterpret_cast<HDC>(c.wParam)),
		CWnd::FromHandle(reinterpret_cast<HWND>(c.lParam)), c.nCode));
	return TRUE;
}
AFX_DISPATCH(v_i_DRAW)
{
	AFX_CALL(static_cast<int>(c.wParam), reinterpret_cast<LPDRAWITEMSTRUCT>(c.lParam));
	c.lResult = TRUE;
	return TRUE;
}
AFX_DISPATCH(v_i_MEASURE)
{
	AFX_CALL(static_cast<int>(c.wParam), reinterpret_cast<LPMEASUREITEMSTRUCT>(c.lParam));
	c.lResult = TRUE;
	return TRUE;
}
AFX_DISPATCH(i_i_COMPARE)
{
	c.lResult = AFX_CALL(static_cast<int>(c.wParam), reinterpret_cast<LPCOMPAREITEMSTRUCT>(c.lParam));
	return TRUE;
}
AFX_DISPATCH(v_i_DELETE)
{
	AFX_CALL(static_cast<int>(c.wParam), reinterpret_cast<LPDELETEITEMSTRUCT>(c.lParam));
	c.lResult = TRUE;
	return TRUE;
}
AFX_DISPATCH(i_u_LB_u)
{
	c.lResult = AFX_CALL(LOWORD(c.wParam),
		static_cast<CListBox*>(CWnd::FromHandle(reinterpret_cast<HWND>(c.lParam))), HIWORD(c.wParam));
	return TRUE;
}
AFX_DISPATCH(v_b_NCCALC)
{
	AFX_CALL(static_cast<BOOL>(c.wParam), reinterpret_cast<NCCALCSIZE_PARAMS*>(c.lParam));
	return TRUE;
}
AFX_DISPATCH(l_pt)
{
	c.lResult = AFX_CALL(AfxPointFromLParam(c.lParam));
	return TRUE;
}
AFX_DISPATCH(u_v)
{
	c.lResult = AFX_CALL();
	return TRUE;
}
AFX_DISPATCH(b_W_uu)
{
	c.lResult =
		AFX_CALL(CWnd::FromHandle(reinterpret_cast<HWND>(c.wParam)), LOWORD(c.lParam), HIWORD(c.lParam));
	return TRUE;
}
AFX_DISPATCH(i_W_uu)
{
	c.lResult =
		AFX_CALL(CWnd::FromHandle(reinterpret_cast<HWND>(c.wParam)), LOWORD(c.lParam), HIWORD(c.lParam));
	return TRUE;
}
AFX_DISPATCH(v_b)
{
	AFX_CALL(static_cast<BOOL>(c.wParam));
	return TRUE;
}
AFX_DISPATCH(b_b)
{
	c.lResult = AFX_CALL(static_cast<BOOL>(c.wParam));
	return TRUE;
}
AFX_DISPATCH(v_b_u)
{
	AFX_CALL(static_cast<BOOL>(c.wParam), static_cast<UINT>(c.lParam));
	return TRUE;
}
AFX_DISPATCH(v_b_dw)
{
	AFX_CALL(static_cast<BOOL>(c.wParam), static_cast<DWORD>(c.lParam));
	return TRUE;
}
AFX_DISPATCH(v_u_W_b)
{
	AFX_CALL(LOWORD(c.wParam), CWnd::FromHandle(reinterpret_cast<HWND>(c.lParam)),
		static_cast<BOOL>(HIWORD(c.wParam)));
	return TRUE;
}
AFX_DISPATCH(v_WINDOWPOS)
{
	AFX_CALL(reinterpret_cast<WINDOWPOS*>(c.lParam));
	return TRUE;
}
AFX_DISPATCH(v_MINMAX)
{
	AFX_CALL(reinterpret_cast<MINMAXINFO*>(c.lParam));
	return TRUE;
}
AFX_DISPATCH(v_u_l)
{
	AFX_CALL(static_cast<UINT>(c.wParam), c.lParam);
	return TRUE;
}
AFX_DISPATCH(v_u_W)
{
	AFX_CALL(static_cast<UINT>(c.wParam), CWnd::FromHandle(reinterpret_cast<HWND>(c.lParam)));
	return TRUE;
}
AFX_DISPATCH(v_M_u_b)
{
	AFX_CALL(CMenu::FromHandle(reinterpret_cast<HMENU>(c.wParam)), LOWORD(c.lParam),
		static_cast<BOOL>(HIWORD(c.lParam)));
	return TRUE;
}
AFX_DISPATCH(v_M)
{
	AFX_CALL(CMenu::FromHandle(reinterpret_cast<HMENU>(c.wParam)));
	return TRUE;
}
AFX_DISPATCH(v_M_u)
{
	// The high word of lParam is what the handler compares with MF_SYSMENU.
	AFX_CALL(CMenu::FromHandle(reinterpret_cast<HMENU>(c.wParam)), HIWORD(c.lParam));
	return TRUE;
}
AFX_DISPATCH(l_u_u_M)
{
	c.lResult =
		AFX_CALL(LOWORD(c.wParam), HIWORD(c.wParam), CMenu::FromHandle(reinterpret_cast<HMENU>(c.lParam)));
	return TRUE;
}
AFX_DISPATCH(v_u_u_hm)
{
	AFX_CALL(LOWORD(c.wParam), HIWORD(c.wParam), reinterpret_cast<HMENU>(c.lParam));
	return TRUE;
}
AFX_DISPATCH(v_i_STYLE)
{
	AFX_CALL(static_cast<int>(c.wParam), reinterpret_cast<LPSTYLESTRUCT>(c.lParam));
	return TRUE;
}
AFX_DISPATCH(v_u_sz)
{
	AFX_CALL(static_cast<UINT>(c.wParam), reinterpret_cast<LPCTSTR>(c.lParam));
	return TRUE;
}
AFX_DISPATCH(l_v)
{
	c.lResult = AFX_CALL();
	return TRUE;
}
AFX_DISPATCH(v_HDROP)
{
	AFX_CALL(reinterpret_cast<HDROP>(c.wParam));
	return TRUE;
}
AFX_DISPATCH(b_HELP)
{
	c.lResult = AFX_CALL(reinterpret_cast<HELPINFO*>(c.lParam));
	return TRUE;
}
AFX_DISPATCH(v_u_RECT)
{
	AFX_CALL(static_cast<UINT>(c.wParam), reinterpret_cast<LPRECT>(c.lParam));
	c.lResult = TRUE;
	return TRUE;
}
AFX_DISPATCH(v_D_u)
{
	AFX_CALL(CDC::FromHandle(reinterpret_cast<HDC>(c.wParam)), static_cast<UINT>(c.lParam));
	return TRUE;
}
AFX_DISPATCH(l_w_l)
{
	c.lResult = AFX_CALL(c.wParam, c.lParam);
	return TRUE;
}

// Reflected messages. A reflected CtlColor that returns NULL leaves the
// colouring to the parent.
AFX_DISPATCH(h_D_u)
{
	const AFX_CTLCOLOR* pCtl = reinterpret_cast<const AFX_CTLCOLOR*>(c.lParam);
	HBRUSH hbr = AFX_CALL(CDC::FromHandle(pCtl->hDC), pCtl->nCtlType);
	c.lResult = reinterpret_cast<LRESULT>(hbr);
	return hbr != NULL;
}
AFX_DISPATCH(v_DRAW)
{
	AFX_CALL(reinterpret_cast<LPDRAWITEMSTRUCT>(c.lParam));
	c.lResult = TRUE;
	return TRUE;
}
AFX_DISPATCH(v_MEASURE)
{
	AFX_CALL(reinterpret_cast<LPMEASUREITEMSTRUCT>(c.lParam));
	c.lResult = TRUE;
	return TRUE;
}
AFX_DISPATCH(i_COMPARE)
{
	c.lResult = AFX_CALL(reinterpret_cast<LPCOMPAREITEMSTRUCT>(c.lParam));
	return TRUE;
}
AFX_DISPATCH(v_DELETE)
{
	AFX_CALL(reinterpret_cast<LPDELETEITEMSTRUCT>(c.lParam));
	c.lResult = TRUE;
	return TRUE;
}
AFX_DISPATCH(i_u_u)
{
	c.lResult = AFX_CALL(LOWORD(c.wParam), HIWORD(c.wParam));
	return TRUE;
}
AFX_DISPATCH(v_u_u)
{
	AFX_CALL(LOWORD(c.wParam), HIWORD(c.wParam));
	return TRUE;
}

// Commands and notifications (reached through OnCmdMsg).
AFX_DISPATCH(b)
{
	(void)c;
	return AFX_CALL();
}
AFX_DISPATCH(b_u)
{
	return AFX_CALL(c.nID);
}
AFX_DISPATCH(v_u)
{
	AFX_CALL(c.nID);
	return TRUE;
}
AFX_DISPATCH(v_UI)
{
	CCmdUI* pCmdUI = static_cast<CCmdUI*>(c.pExtra);
	pCmdUI->m_bContinueRouting = FALSE;
	AFX_CALL(pCmdUI);
	return !pCmdUI->m_bContinueRouting;
}
AFX_DISPATCH(v_u_UI)
{
	CCmdUI* pCmdUI = static_cast<CCmdUI*>(c.pExtra);
	pCmdUI->m_bContinueRouting = FALSE;
	AFX_CALL(c.nID, pCmdUI);
	return !pCmdUI->m_bContinueRouting;
}
AFX_DISPATCH(v_NM)
{
	AFX_NOTIFY* pNotify = static_cast<AFX_NOTIFY*>(c.pExtra);
	AFX_CALL(pNotify->pNMHDR, pNotify->pResult);
	return TRUE;
}
AFX_DISPATCH(b_NM)
{
	AFX_NOTIFY* pNotify = static_cast<AFX_NOTIFY*>(c.pExtra);
	return AFX_CALL(pNotify->pNMHDR, pNotify->pResult);
}
AFX_DISPATCH(v_u_NM)
{
	AFX_NOTIFY* pNotify = static_cast<AFX_NOTIFY*>(c.pExtra);
	AFX_CALL(c.nID, pNotify->pNMHDR, pNotify->pResult);
	return TRUE;
}
AFX_DISPATCH(b_u_NM)
{
	AFX_NOTIFY* pNotify = static_cast<AFX_NOTIFY*>(c.pExtra);
	return AFX_CALL(c.nID, pNotify->pNMHDR, pNotify->pResult);
}

#undef AFX_CALL
#undef AFX_DISPATCH
#undef AFX_MSG_THIS

/////////////////////////////////////////////////////////////////////////////
// Entry builders

#define AFX_DISPATCHER(sig, memberFxn) &AfxDispatch_##sig<AfxSig<AfxSig_##sig>::Get(memberFxn)>

#define AFX_MSG_ENTRY(message, sig, memberFxn) \
	{ message, 0, 0, 0, NULL, AFX_DISPATCHER(sig, memberFxn), NULL },

#define AFX_CMD_ENTRY(message, code, id, lastId, sig, memberFxn) \
	{ message, (UINT)(code), (UINT)(id), (UINT)(lastId), NULL, AFX_DISPATCHER(sig, memberFxn), NULL },

/////////////////////////////////////////////////////////////////////////////
// Commands and user messages

#define ON_COMMAND(id, memberFxn) \
	{ WM_COMMAND, CN_COMMAND, (UINT)(id), (UINT)(id), NULL, AFX_DISPATCHER(v, memberFxn), \
		static_cast<AFX_PMSG>(AfxSig<AfxSig_v>::Get(memberFxn)) },
#define ON_COMMAND_EX(id, memberFxn) AFX_CMD_ENTRY(WM_COMMAND, CN_COMMAND, id, id, b_u, memberFxn)
#define ON_COMMAND_RANGE(id, idLast, memberFxn) \
	AFX_CMD_ENTRY(WM_COMMAND, CN_COMMAND, id, idLast, v_u, memberFxn)
#define ON_COMMAND_EX_RANGE(id, idLast, memberFxn) \
	AFX_CMD_ENTRY(WM_COMMAND, CN_COMMAND, id, idLast, b_u, memberFxn)
#define ON_UPDATE_COMMAND_UI(id, memberFxn) \
	AFX_CMD_ENTRY(WM_COMMAND, CN_UPDATE_COMMAND_UI, id, id, v_UI, memberFxn)
#define ON_UPDATE_COMMAND_UI_RANGE(id, idLast, memberFxn) \
	AFX_CMD_ENTRY(WM_COMMAND, CN_UPDATE_COMMAND_UI, id, idLast, v_UI, memberFxn)

// Control notifications arriving in WM_COMMAND.
#define ON_CONTROL(wNotifyCode, id, memberFxn) \
	AFX_CMD_ENTRY(WM_COMMAND, (WORD)(wNotifyCode), id, id, v, memberFxn)
#define ON_CONTROL_RANGE(wNotifyCode, id, idLast, memberFxn) \
	AFX_CMD_ENTRY(WM_COMMAND, (WORD)(wNotifyCode), id, idLast, v_u, memberFxn)

// WM_NOTIFY from child controls; codes are stored as their low word.
#define ON_NOTIFY(wNotifyCode, id, memberFxn) \
	AFX_CMD_ENTRY(WM_NOTIFY, (WORD)(int)(wNotifyCode), id, id, v_NM, memberFxn)
#define ON_NOTIFY_RANGE(wNotifyCode, id, idLast, memberFxn) \
	AFX_CMD_ENTRY(WM_NOTIFY, (WORD)(int)(wNotifyCode), id, idLast, v_u_NM, memberFxn)
#define ON_NOTIFY_EX(wNotifyCode, id, memberFxn) \
	AFX_CMD_ENTRY(WM_NOTIFY, (WORD)(int)(wNotifyCode), id, id, b_u_NM, memberFxn)
#define ON_NOTIFY_EX_RANGE(wNotifyCode, id, idLast, memberFxn) \
	AFX_CMD_ENTRY(WM_NOTIFY, (WORD)(int)(wNotifyCode), id, idLast, b_u_NM, memberFxn)

// Any message, LRESULT handler(WPARAM, LPARAM).
#define ON_MESSAGE(message, memberFxn) AFX_MSG_ENTRY(message, l_w_l, memberFxn)
// A message registered with RegisterWindowMessage; the variable is read when
// a message arrives, so it may be set after the map was built.
#define ON_REGISTERED_MESSAGE(nMessageVariable, memberFxn) \
	{ 0xC000, 0, 0, 0, &(nMessageVariable), AFX_DISPATCHER(l_w_l, memberFxn), NULL },

/////////////////////////////////////////////////////////////////////////////
// Reflected notifications, handled by the control itself

#define ON_CONTROL_REFLECT(wNotifyCode, memberFxn) \
	AFX_CMD_ENTRY(WM_COMMAND + WM_REFLECT_BASE, (WORD)(wNotifyCode), 0, 0, v, memberFxn)
#define ON_CONTROL_REFLECT_EX(wNotifyCode, memberFxn) \
	AFX_CMD_ENTRY(WM_COMMAND + WM_REFLECT_BASE, (WORD)(wNotifyCode), 0, 0, b, memberFxn)
#define ON_NOTIFY_REFLECT(wNotifyCode, memberFxn) \
	AFX_CMD_ENTRY(WM_NOTIFY + WM_REFLECT_BASE, (WORD)(int)(wNotifyCode), 0, 0, v_NM, memberFxn)
#define ON_NOTIFY_REFLECT_EX(wNotifyCode, memberFxn) \
	AFX_CMD_ENTRY(WM_NOTIFY + WM_REFLECT_BASE, (WORD)(int)(wNotifyCode), 0, 0, b_NM, memberFxn)
// Found by UpdateDialogControls, which asks with the update code's low word.
#define ON_UPDATE_COMMAND_UI_REFLECT(memberFxn) \
	AFX_CMD_ENTRY(WM_COMMAND + WM_REFLECT_BASE, (WORD)CN_UPDATE_COMMAND_UI, 0, 0, v_UI, memberFxn)

#define ON_WM_CTLCOLOR_REFLECT() AFX_MSG_ENTRY(WM_CTLCOLOR + WM_REFLECT_BASE, h_D_u, &ThisClass::CtlColor)
#define ON_WM_DRAWITEM_REFLECT() AFX_MSG_ENTRY(WM_DRAWITEM + WM_REFLECT_BASE, v_DRAW, &ThisClass::DrawItem)
#define ON_WM_MEASUREITEM_REFLECT() \
	AFX_MSG_ENTRY(WM_MEASUREITEM + WM_REFLECT_BASE, v_MEASURE, &ThisClass::MeasureItem)
#define ON_WM_COMPAREITEM_REFLECT() \
	AFX_MSG_ENTRY(WM_COMPAREITEM + WM_REFLECT_BASE, i_COMPARE, &ThisClass::CompareItem)
#define ON_WM_DELETEITEM_REFLECT() \
	AFX_MSG_ENTRY(WM_DELETEITEM + WM_REFLECT_BASE, v_DELETE, &ThisClass::DeleteItem)
#define ON_WM_CHARTOITEM_REFLECT() \
	AFX_MSG_ENTRY(WM_CHARTOITEM + WM_REFLECT_BASE, i_u_u, &ThisClass::CharToItem)
#define ON_WM_VKEYTOITEM_REFLECT() \
	AFX_MSG_ENTRY(WM_VKEYTOITEM + WM_REFLECT_BASE, i_u_u, &ThisClass::VKeyToItem)
#define ON_WM_HSCROLL_REFLECT() AFX_MSG_ENTRY(WM_HSCROLL + WM_REFLECT_BASE, v_u_u, &ThisClass::HScroll)
#define ON_WM_VSCROLL_REFLECT() AFX_MSG_ENTRY(WM_VSCROLL + WM_REFLECT_BASE, v_u_u, &ThisClass::VScroll)
#define ON_WM_PARENTNOTIFY_REFLECT() \
	AFX_MSG_ENTRY(WM_PARENTNOTIFY + WM_REFLECT_BASE, v_u_l, &ThisClass::ParentNotify)

/////////////////////////////////////////////////////////////////////////////
// Window messages

#ifndef WM_CTLCOLOR
// The 16-bit message that stands for all seven WM_CTLCOLORxxx in a map.
#define WM_CTLCOLOR 0x0019
#endif

#define ON_WM_ACTIVATE() AFX_MSG_ENTRY(WM_ACTIVATE, v_u_W_b, &ThisClass::OnActivate)
#define ON_WM_ACTIVATEAPP() AFX_MSG_ENTRY(WM_ACTIVATEAPP, v_b_dw, &ThisClass::OnActivateApp)
#define ON_WM_CANCELMODE() AFX_MSG_ENTRY(WM_CANCELMODE, v, &ThisClass::OnCancelMode)
#define ON_WM_CAPTURECHANGED() \
	{ WM_CAPTURECHANGED, 0, 0, 0, NULL, \
		&AfxDispatch_v_W_l<AfxSig<AfxSig_v_W>::Get(&ThisClass::OnCaptureChanged)>, NULL },
#define ON_WM_CHAR() AFX_MSG_ENTRY(WM_CHAR, v_uuu, &ThisClass::OnChar)
#define ON_WM_CHARTOITEM() AFX_MSG_ENTRY(WM_CHARTOITEM, i_u_LB_u, &ThisClass::OnCharToItem)
#define ON_WM_CLIPBOARDUPDATE() AFX_MSG_ENTRY(WM_CLIPBOARDUPDATE, v, &ThisClass::OnClipboardUpdate)
#define ON_WM_CLOSE() AFX_MSG_ENTRY(WM_CLOSE, v, &ThisClass::OnClose)
#define ON_WM_COMPAREITEM() AFX_MSG_ENTRY(WM_COMPAREITEM, i_i_COMPARE, &ThisClass::OnCompareItem)
#define ON_WM_CONTEXTMENU() AFX_MSG_ENTRY(WM_CONTEXTMENU, v_W_pt, &ThisClass::OnContextMenu)
#define ON_WM_CREATE() AFX_MSG_ENTRY(WM_CREATE, i_CREATE, &ThisClass::OnCreate)
#define ON_WM_CTLCOLOR() AFX_MSG_ENTRY(WM_CTLCOLOR, h_D_W_u, &ThisClass::OnCtlColor)
#define ON_WM_DELETEITEM() AFX_MSG_ENTRY(WM_DELETEITEM, v_i_DELETE, &ThisClass::OnDeleteItem)
#define ON_WM_DESTROY() AFX_MSG_ENTRY(WM_DESTROY, v, &ThisClass::OnDestroy)
#define ON_WM_DRAWITEM() AFX_MSG_ENTRY(WM_DRAWITEM, v_i_DRAW, &ThisClass::OnDrawItem)
#define ON_WM_DROPFILES() AFX_MSG_ENTRY(WM_DROPFILES, v_HDROP, &ThisClass::OnDropFiles)
#define ON_WM_ENABLE() AFX_MSG_ENTRY(WM_ENABLE, v_b, &ThisClass::OnEnable)
#define ON_WM_ENTERIDLE() AFX_MSG_ENTRY(WM_ENTERIDLE, v_u_W, &ThisClass::OnEnterIdle)
#define ON_WM_ERASEBKGND() AFX_MSG_ENTRY(WM_ERASEBKGND, b_D, &ThisClass::OnEraseBkgnd)
#define ON_WM_GETDLGCODE() AFX_MSG_ENTRY(WM_GETDLGCODE, u_v, &ThisClass::OnGetDlgCode)
#define ON_WM_GETMINMAXINFO() AFX_MSG_ENTRY(WM_GETMINMAXINFO, v_MINMAX, &ThisClass::OnGetMinMaxInfo)
#define ON_WM_HELPINFO() AFX_MSG_ENTRY(WM_HELP, b_HELP, &ThisClass::OnHelpInfo)
#define ON_WM_HSCROLL() AFX_MSG_ENTRY(WM_HSCROLL, v_u_u_SB, &ThisClass::OnHScroll)
#define ON_WM_INITMENU() AFX_MSG_ENTRY(WM_INITMENU, v_M, &ThisClass::OnInitMenu)
#define ON_WM_INITMENUPOPUP() AFX_MSG_ENTRY(WM_INITMENUPOPUP, v_M_u_b, &ThisClass::OnInitMenuPopup)
#define ON_WM_KEYDOWN() AFX_MSG_ENTRY(WM_KEYDOWN, v_uuu, &ThisClass::OnKeyDown)
#define ON_WM_KEYUP() AFX_MSG_ENTRY(WM_KEYUP, v_uuu, &ThisClass::OnKeyUp)
#define ON_WM_KILLFOCUS() AFX_MSG_ENTRY(WM_KILLFOCUS, v_W, &ThisClass::OnKillFocus)
#define ON_WM_LBUTTONDBLCLK() AFX_MSG_ENTRY(WM_LBUTTONDBLCLK, v_u_pt, &ThisClass::OnLButtonDblClk)
#define ON_WM_LBUTTONDOWN() AFX_MSG_ENTRY(WM_LBUTTONDOWN, v_u_pt, &ThisClass::OnLButtonDown)
#define ON_WM_LBUTTONUP() AFX_MSG_ENTRY(WM_LBUTTONUP, v_u_pt, &ThisClass::OnLButtonUp)
#define ON_WM_MBUTTONDBLCLK() AFX_MSG_ENTRY(WM_MBUTTONDBLCLK, v_u_pt, &ThisClass::OnMButtonDblClk)
#define ON_WM_MBUTTONDOWN() AFX_MSG_ENTRY(WM_MBUTTONDOWN, v_u_pt, &ThisClass::OnMButtonDown)
#define ON_WM_MBUTTONUP() AFX_MSG_ENTRY(WM_MBUTTONUP, v_u_pt, &ThisClass::OnMButtonUp)
#define ON_WM_MEASUREITEM() AFX_MSG_ENTRY(WM_MEASUREITEM, v_i_MEASURE, &ThisClass::OnMeasureItem)
#define ON_WM_MENUCHAR() AFX_MSG_ENTRY(WM_MENUCHAR, l_u_u_M, &ThisClass::OnMenuChar)
#define ON_WM_MENUSELECT() AFX_MSG_ENTRY(WM_MENUSELECT, v_u_u_hm, &ThisClass::OnMenuSelect)
#define ON_WM_MOUSEACTIVATE() AFX_MSG_ENTRY(WM_MOUSEACTIVATE, i_W_uu, &ThisClass::OnMouseActivate)
#define ON_WM_MOUSEHOVER() AFX_MSG_ENTRY(WM_MOUSEHOVER, v_u_pt, &ThisClass::OnMouseHover)
#define ON_WM_MOUSEHWHEEL() AFX_MSG_ENTRY(WM_MOUSEHWHEEL, v_u_s_pt, &ThisClass::OnMouseHWheel)
#define ON_WM_MOUSELEAVE() AFX_MSG_ENTRY(WM_MOUSELEAVE, v, &ThisClass::OnMouseLeave)
#define ON_WM_MOUSEMOVE() AFX_MSG_ENTRY(WM_MOUSEMOVE, v_u_pt, &ThisClass::OnMouseMove)
#define ON_WM_MOUSEWHEEL() AFX_MSG_ENTRY(WM_MOUSEWHEEL, b_u_s_pt, &ThisClass::OnMouseWheel)
#define ON_WM_MOVE() AFX_MSG_ENTRY(WM_MOVE, v_ii, &ThisClass::OnMove)
#define ON_WM_NCACTIVATE() AFX_MSG_ENTRY(WM_NCACTIVATE, b_b, &ThisClass::OnNcActivate)
#define ON_WM_NCCALCSIZE() AFX_MSG_ENTRY(WM_NCCALCSIZE, v_b_NCCALC, &ThisClass::OnNcCalcSize)
#define ON_WM_NCCREATE() AFX_MSG_ENTRY(WM_NCCREATE, b_CREATE, &ThisClass::OnNcCreate)
#define ON_WM_NCDESTROY() AFX_MSG_ENTRY(WM_NCDESTROY, v, &ThisClass::OnNcDestroy)
#define ON_WM_NCHITTEST() AFX_MSG_ENTRY(WM_NCHITTEST, l_pt, &ThisClass::OnNcHitTest)
#define ON_WM_NCLBUTTONDOWN() AFX_MSG_ENTRY(WM_NCLBUTTONDOWN, v_u_pt, &ThisClass::OnNcLButtonDown)
#define ON_WM_NCLBUTTONUP() AFX_MSG_ENTRY(WM_NCLBUTTONUP, v_u_pt, &ThisClass::OnNcLButtonUp)
#define ON_WM_NCMOUSEMOVE() AFX_MSG_ENTRY(WM_NCMOUSEMOVE, v_u_pt, &ThisClass::OnNcMouseMove)
#define ON_WM_NCMOUSELEAVE() AFX_MSG_ENTRY(WM_NCMOUSELEAVE, v, &ThisClass::OnNcMouseLeave)
#define ON_WM_NCPAINT() AFX_MSG_ENTRY(WM_NCPAINT, v, &ThisClass::OnNcPaint)
#define ON_WM_PAINT() AFX_MSG_ENTRY(WM_PAINT, v, &ThisClass::OnPaint)
#define ON_WM_PARENTNOTIFY() AFX_MSG_ENTRY(WM_PARENTNOTIFY, v_u_l, &ThisClass::OnParentNotify)
#define ON_WM_PRINTCLIENT() AFX_MSG_ENTRY(WM_PRINTCLIENT, v_D_u, &ThisClass::OnPrintClient)
#define ON_WM_RBUTTONDBLCLK() AFX_MSG_ENTRY(WM_RBUTTONDBLCLK, v_u_pt, &ThisClass::OnRButtonDblClk)
#define ON_WM_RBUTTONDOWN() AFX_MSG_ENTRY(WM_RBUTTONDOWN, v_u_pt, &ThisClass::OnRButtonDown)
#define ON_WM_RBUTTONUP() AFX_MSG_ENTRY(WM_RBUTTONUP, v_u_pt, &ThisClass::OnRButtonUp)
#define ON_WM_SETCURSOR() AFX_MSG_ENTRY(WM_SETCURSOR, b_W_uu, &ThisClass::OnSetCursor)
#define ON_WM_SETFOCUS() AFX_MSG_ENTRY(WM_SETFOCUS, v_W, &ThisClass::OnSetFocus)
#define ON_WM_SETTINGCHANGE() AFX_MSG_ENTRY(WM_SETTINGCHANGE, v_u_sz, &ThisClass::OnSettingChange)
#define ON_WM_SHOWWINDOW() AFX_MSG_ENTRY(WM_SHOWWINDOW, v_b_u, &ThisClass::OnShowWindow)
#define ON_WM_SIZE() AFX_MSG_ENTRY(WM_SIZE, v_u_ii, &ThisClass::OnSize)
#define ON_WM_SIZING() AFX_MSG_ENTRY(WM_SIZING, v_u_RECT, &ThisClass::OnSizing)
#define ON_WM_STYLECHANGED() AFX_MSG_ENTRY(WM_STYLECHANGED, v_i_STYLE, &ThisClass::OnStyleChanged)
#define ON_WM_STYLECHANGING() AFX_MSG_ENTRY(WM_STYLECHANGING, v_i_STYLE, &ThisClass::OnStyleChanging)
#define ON_WM_SYSCHAR() AFX_MSG_ENTRY(WM_SYSCHAR, v_uuu, &ThisClass::OnSysChar)
#define ON_WM_SYSCOLORCHANGE() AFX_MSG_ENTRY(WM_SYSCOLORCHANGE, v, &ThisClass::OnSysColorChange)
#define ON_WM_SYSCOMMAND() AFX_MSG_ENTRY(WM_SYSCOMMAND, v_u_l, &ThisClass::OnSysCommand)
#define ON_WM_SYSKEYDOWN() AFX_MSG_ENTRY(WM_SYSKEYDOWN, v_uuu, &ThisClass::OnSysKeyDown)
#define ON_WM_SYSKEYUP() AFX_MSG_ENTRY(WM_SYSKEYUP, v_uuu, &ThisClass::OnSysKeyUp)
#define ON_WM_THEMECHANGED() AFX_MSG_ENTRY(WM_THEMECHANGED, l_v, &ThisClass::OnThemeChanged)
#define ON_WM_TIMER() AFX_MSG_ENTRY(WM_TIMER, v_t, &ThisClass::OnTimer)
#define ON_WM_UNINITMENUPOPUP() AFX_MSG_ENTRY(WM_UNINITMENUPOPUP, v_M_u, &ThisClass::OnUnInitMenuPopup)
#define ON_WM_VKEYTOITEM() AFX_MSG_ENTRY(WM_VKEYTOITEM, i_u_LB_u, &ThisClass::OnVKeyToItem)
#define ON_WM_VSCROLL() AFX_MSG_ENTRY(WM_VSCROLL, v_u_u_SB, &ThisClass::OnVScroll)
#define ON_WM_WINDOWPOSCHANGED() \
	AFX_MSG_ENTRY(WM_WINDOWPOSCHANGED, v_WINDOWPOS, &ThisClass::OnWindowPosChanged)
#define ON_WM_WINDOWPOSCHANGING() \
	AFX_MSG_ENTRY(WM_WINDOWPOSCHANGING, v_WINDOWPOS, &ThisClass::OnWindowPosChanging)

/////////////////////////////////////////////////////////////////////////////
// Control notifications by control type (parent side)

#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_BN_DOUBLECLICKED(id, memberFxn) ON_CONTROL(BN_DOUBLECLICKED, id, memberFxn)
#define ON_BN_SETFOCUS(id, memberFxn) ON_CONTROL(BN_SETFOCUS, id, memberFxn)
#define ON_BN_KILLFOCUS(id, memberFxn) ON_CONTROL(BN_KILLFOCUS, id, memberFxn)

#define ON_EN_SETFOCUS(id, memberFxn) ON_CONTROL(EN_SETFOCUS, id, memberFxn)
#define ON_EN_KILLFOCUS(id, memberFxn) ON_CONTROL(EN_KILLFOCUS, id, memberFxn)
#define ON_EN_CHANGE(id, memberFxn) ON_CONTROL(EN_CHANGE, id, memberFxn)
#define ON_EN_UPDATE(id, memberFxn) ON_CONTROL(EN_UPDATE, id, memberFxn)
#define ON_EN_ERRSPACE(id, memberFxn) ON_CONTROL(EN_ERRSPACE, id, memberFxn)
#define ON_EN_MAXTEXT(id, memberFxn) ON_CONTROL(EN_MAXTEXT, id, memberFxn)
#define ON_EN_HSCROLL(id, memberFxn) ON_CONTROL(EN_HSCROLL, id, memberFxn)
#define ON_EN_VSCROLL(id, memberFxn) ON_CONTROL(EN_VSCROLL, id, memberFxn)

#define ON_STN_CLICKED(id, memberFxn) ON_CONTROL(STN_CLICKED, id, memberFxn)
#define ON_STN_DBLCLK(id, memberFxn) ON_CONTROL(STN_DBLCLK, id, memberFxn)
#define ON_STN_ENABLE(id, memberFxn) ON_CONTROL(STN_ENABLE, id, memberFxn)
#define ON_STN_DISABLE(id, memberFxn) ON_CONTROL(STN_DISABLE, id, memberFxn)

#define ON_LBN_ERRSPACE(id, memberFxn) ON_CONTROL(LBN_ERRSPACE, id, memberFxn)
#define ON_LBN_SELCHANGE(id, memberFxn) ON_CONTROL(LBN_SELCHANGE, id, memberFxn)
#define ON_LBN_DBLCLK(id, memberFxn) ON_CONTROL(LBN_DBLCLK, id, memberFxn)
#define ON_LBN_SELCANCEL(id, memberFxn) ON_CONTROL(LBN_SELCANCEL, id, memberFxn)
#define ON_LBN_SETFOCUS(id, memberFxn) ON_CONTROL(LBN_SETFOCUS, id, memberFxn)
#define ON_LBN_KILLFOCUS(id, memberFxn) ON_CONTROL(LBN_KILLFOCUS, id, memberFxn)

// Sent by a check list box when an item's check changes.
#ifndef CLBN_CHKCHANGE
#define CLBN_CHKCHANGE 40
#endif
#define ON_CLBN_CHKCHANGE(id, memberFxn) ON_CONTROL(CLBN_CHKCHANGE, id, memberFxn)

#define ON_CBN_ERRSPACE(id, memberFxn) ON_CONTROL(CBN_ERRSPACE, id, memberFxn)
#define ON_CBN_SELCHANGE(id, memberFxn) ON_CONTROL(CBN_SELCHANGE, id, memberFxn)
#define ON_CBN_DBLCLK(id, memberFxn) ON_CONTROL(CBN_DBLCLK, id, memberFxn)
#define ON_CBN_SETFOCUS(id, memberFxn) ON_CONTROL(CBN_SETFOCUS, id, memberFxn)
#define ON_CBN_KILLFOCUS(id, memberFxn) ON_CONTROL(CBN_KILLFOCUS, id, memberFxn)
#define ON_CBN_EDITCHANGE(id, memberFxn) ON_CONTROL(CBN_EDITCHANGE, id, memberFxn)
#define ON_CBN_EDITUPDATE(id, memberFxn) ON_CONTROL(CBN_EDITUPDATE, id, memberFxn)
#define ON_CBN_DROPDOWN(id, memberFxn) ON_CONTROL(CBN_DROPDOWN, id, memberFxn)
#define ON_CBN_CLOSEUP(id, memberFxn) ON_CONTROL(CBN_CLOSEUP, id, memberFxn)
#define ON_CBN_SELENDOK(id, memberFxn) ON_CONTROL(CBN_SELENDOK, id, memberFxn)
#define ON_CBN_SELENDCANCEL(id, memberFxn) ON_CONTROL(CBN_SELENDCANCEL, id, memberFxn)
