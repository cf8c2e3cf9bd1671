// MessageRecorder.cpp - records the messages windows receive and compares them with expected sequences.
#include <kavrotest/TestSupport.h>

#include <algorithm>
#include <sstream>

namespace kt
{

namespace
{

// Recorders alive on this thread; the hooks hand every message to each.
thread_local std::vector<MessageRecorder*> t_recorders;

std::string Describe(UINT message, unsigned flags, WPARAM wParam, LPARAM lParam)
{
	std::ostringstream s;
	s << "0x" << std::hex << message << std::dec;
	if (flags & sent)
		s << " sent";
	if (flags & posted)
		s << " posted";
	if (flags & parent)
		s << " parent";
	if (flags & optional)
		s << " optional";
	s << " wp=" << static_cast<unsigned long long>(wParam) << " lp=" << static_cast<long long>(lParam);
	return s.str();
}

} // namespace

MessageRecorder::MessageRecorder(HWND hWnd, bool withParent)
	: m_hWnd(hWnd)
	, m_hParent(withParent ? ::GetParent(hWnd) : NULL)
{
	const DWORD tid = ::GetCurrentThreadId();
	m_hCallHook = ::SetWindowsHookExA(WH_CALLWNDPROC, CallWndProc, NULL, tid);
	m_hGetHook = ::SetWindowsHookExA(WH_GETMESSAGE, GetMsgProc, NULL, tid);
	t_recorders.push_back(this);
}

MessageRecorder::~MessageRecorder()
{
	t_recorders.erase(std::remove(t_recorders.begin(), t_recorders.end(), this), t_recorders.end());
	if (m_hCallHook)
		::UnhookWindowsHookEx(m_hCallHook);
	if (m_hGetHook)
		::UnhookWindowsHookEx(m_hGetHook);
}

LRESULT CALLBACK MessageRecorder::CallWndProc(int code, WPARAM wParam, LPARAM lParam)
{
	if (code == HC_ACTION)
	{
		const CWPSTRUCT* cwp = reinterpret_cast<const CWPSTRUCT*>(lParam);
		for (MessageRecorder* r : t_recorders)
			r->Record(cwp->hwnd, cwp->message, cwp->wParam, cwp->lParam, sent);
	}
	return ::CallNextHookEx(NULL, code, wParam, lParam);
}

LRESULT CALLBACK MessageRecorder::GetMsgProc(int code, WPARAM wParam, LPARAM lParam)
{
	// Only messages taken off the queue count, not peeks that leave them.
	if (code == HC_ACTION && wParam == PM_REMOVE)
	{
		const MSG* msg = reinterpret_cast<const MSG*>(lParam);
		for (MessageRecorder* r : t_recorders)
			r->Record(msg->hwnd, msg->message, msg->wParam, msg->lParam, posted);
	}
	return ::CallNextHookEx(NULL, code, wParam, lParam);
}

void MessageRecorder::Record(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, unsigned kind)
{
	if (hwnd == NULL)
		return;
	if (hwnd == m_hWnd)
		m_records.push_back({ hwnd, message, kind, wParam, lParam });
	else if (m_hParent != NULL && hwnd == m_hParent)
		m_records.push_back({ hwnd, message, kind | parent, wParam, lParam });
}

int MessageRecorder::Count(UINT message, unsigned flags) const
{
	int n = 0;
	for (const Recorded& r : m_records)
		if (r.message == message && (flags == 0 || (r.flags & flags) == flags))
			++n;
	return n;
}

::testing::AssertionResult MessageRecorder::Matches(const std::vector<Expected>& expected) const
{
	// Only the messages the expectation talks about are compared, so that
	// incidental traffic (WM_GETTEXT, WM_NCHITTEST ...) does not matter.
	auto interesting = [&](const Recorded& r)
	{
		for (const Expected& e : expected)
			if (e.message == r.message && ((e.flags & parent) != 0) == ((r.flags & parent) != 0))
				return true;
		return false;
	};
	std::vector<Recorded> got;
	for (const Recorded& r : m_records)
		if (interesting(r))
			got.push_back(r);

	size_t g = 0;
	std::ostringstream why;
	for (size_t i = 0; i < expected.size(); ++i)
	{
		const Expected& e = expected[i];
		bool ok = g < got.size() && got[g].message == e.message &&
				  ((e.flags & parent) != 0) == ((got[g].flags & parent) != 0) &&
				  (!(e.flags & (sent | posted)) || (got[g].flags & e.flags & (sent | posted))) &&
				  (!(e.flags & wparam) || got[g].wParam == e.wParam) &&
				  (!(e.flags & lparam) || got[g].lParam == e.lParam);
		if (ok)
		{
			++g;
		}
		else if (!(e.flags & optional))
		{
			why << "expected #" << i << " " << Describe(e.message, e.flags, e.wParam, e.lParam) << ", got ";
			if (g < got.size())
				why << Describe(got[g].message, got[g].flags, got[g].wParam, got[g].lParam);
			else
				why << "nothing";
			why << "\nrecorded:";
			for (const Recorded& r : got)
				why << "\n  " << Describe(r.message, r.flags, r.wParam, r.lParam);
			return ::testing::AssertionFailure() << why.str();
		}
	}
	if (g != got.size())
	{
		why << "unexpected extra message "
			<< Describe(got[g].message, got[g].flags, got[g].wParam, got[g].lParam);
		return ::testing::AssertionFailure() << why.str();
	}
	return ::testing::AssertionSuccess();
}

} // namespace kt
