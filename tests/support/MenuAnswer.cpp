// MenuAnswer.cpp - answers the popup menus a test tracks and notes what each popup held.
#include <kavrotest/TestSupport.h>

#include <algorithm>

namespace kt
{

namespace
{

// Answers alive on this thread; the hook hands every message to each.
thread_local std::vector<MenuAnswer*> t_answers;

std::vector<MenuAnswer::Item> ReadItems(HMENU hMenu)
{
	std::vector<MenuAnswer::Item> items;
	const int count = ::GetMenuItemCount(hMenu);
	for (int i = 0; i < count; ++i)
	{
		MENUITEMINFOA mii = {};
		mii.cbSize = sizeof(mii);
		mii.fMask = MIIM_ID | MIIM_FTYPE | MIIM_STATE;
		::GetMenuItemInfoA(hMenu, i, TRUE, &mii);
		char text[256] = "";
		if (!(mii.fType & (MFT_SEPARATOR | MFT_OWNERDRAW)))
			::GetMenuStringA(hMenu, i, text, sizeof(text), MF_BYPOSITION);
		items.push_back({ mii.wID, text, mii.fType, mii.fState });
	}
	return items;
}

} // namespace

MenuAnswer::MenuAnswer(HWND hWndOwner)
	: m_hWndOwner(hWndOwner)
{
	m_hHook = ::SetWindowsHookExA(WH_CALLWNDPROCRET, CallWndRetProc, NULL, ::GetCurrentThreadId());
	t_answers.push_back(this);
}

MenuAnswer::~MenuAnswer()
{
	t_answers.erase(std::remove(t_answers.begin(), t_answers.end(), this), t_answers.end());
	if (m_hHook)
		::UnhookWindowsHookEx(m_hHook);
}

LRESULT CALLBACK MenuAnswer::CallWndRetProc(int code, WPARAM wParam, LPARAM lParam)
{
	// After the owner's own handling, so that the items are seen as the
	// owner's update handlers left them.
	if (code == HC_ACTION)
	{
		const CWPRETSTRUCT* msg = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
		for (MenuAnswer* a : t_answers)
			if (msg->hwnd == a->m_hWndOwner)
				a->OnMessage(*msg);
	}
	return ::CallNextHookEx(NULL, code, wParam, lParam);
}

void MenuAnswer::OnMessage(const CWPRETSTRUCT& msg)
{
	switch (msg.message)
	{
	case WM_INITMENUPOPUP:
		m_popups.push_back(ReadItems(reinterpret_cast<HMENU>(msg.wParam)));
		break;
	case WM_ENTERIDLE:
		if (msg.wParam != MSGF_MENU)
			break;
		if (m_nIdle++ == 0)
		{
			::GetWindowRect(reinterpret_cast<HWND>(msg.lParam), &m_rcMenu);
			if (m_whileOpen)
			{
				auto action = std::move(m_whileOpen);
				m_whileOpen = nullptr;
				action();
			}
			// The menu's own loop reads the keys from the thread's queue.
			for (UINT vk : m_keys)
			{
				::PostMessageA(m_hWndOwner, WM_KEYDOWN, vk, 1);
				::PostMessageA(m_hWndOwner, WM_KEYUP, vk, 0xC0000001);
			}
			if (!m_keys.empty())
				break;
		}
		::EndMenu();
		break;
	case WM_EXITMENULOOP:
		++m_nLoops;
		m_nIdle = 0;
		m_keys.clear();
		break;
	}
}

} // namespace kt
