// MessageRecorder.cpp - records the messages windows receive and compares them with expected sequences.
//
// Classes in this file:
//   Name
#include <kavrotest/TestSupport.h>

#include <commctrl.h>
#include <richedit.h>

#include <algorithm>
#include <iomanip>
#include <sstream>

namespace kt
{

namespace
{

// Recorders alive on this thread; the hooks hand every message to each.
thread_local std::vector<MessageRecorder*> t_recorders;

struct Name
{
	UINT value;
	const char* name;
};
#define KT_NAME(x) \
	{ \
		static_cast<UINT>(x), #x \
	}

const Name kMessages[] = { KT_NAME(WM_NULL), KT_NAME(WM_CREATE), KT_NAME(WM_DESTROY), KT_NAME(WM_MOVE),
	KT_NAME(WM_SIZE), KT_NAME(WM_ACTIVATE), KT_NAME(WM_SETFOCUS), KT_NAME(WM_KILLFOCUS), KT_NAME(WM_ENABLE),
	KT_NAME(WM_SETREDRAW), KT_NAME(WM_SETTEXT), KT_NAME(WM_GETTEXT), KT_NAME(WM_GETTEXTLENGTH),
	KT_NAME(WM_PAINT), KT_NAME(WM_CLOSE), KT_NAME(WM_QUIT), KT_NAME(WM_ERASEBKGND),
	KT_NAME(WM_SYSCOLORCHANGE), KT_NAME(WM_SHOWWINDOW), KT_NAME(WM_SETTINGCHANGE), KT_NAME(WM_ACTIVATEAPP),
	KT_NAME(WM_CANCELMODE), KT_NAME(WM_SETCURSOR), KT_NAME(WM_MOUSEACTIVATE), KT_NAME(WM_CHILDACTIVATE),
	KT_NAME(WM_GETMINMAXINFO), KT_NAME(WM_DRAWITEM), KT_NAME(WM_MEASUREITEM), KT_NAME(WM_DELETEITEM),
	KT_NAME(WM_SETFONT), KT_NAME(WM_GETFONT), KT_NAME(WM_WINDOWPOSCHANGING), KT_NAME(WM_WINDOWPOSCHANGED),
	KT_NAME(WM_NOTIFY), KT_NAME(WM_STYLECHANGING), KT_NAME(WM_STYLECHANGED), KT_NAME(WM_GETICON),
	KT_NAME(WM_SETICON), KT_NAME(WM_NCCREATE), KT_NAME(WM_NCDESTROY), KT_NAME(WM_NCCALCSIZE),
	KT_NAME(WM_NCHITTEST), KT_NAME(WM_NCPAINT), KT_NAME(WM_NCACTIVATE), KT_NAME(WM_GETDLGCODE),
	KT_NAME(WM_SYNCPAINT), KT_NAME(WM_GETOBJECT), KT_NAME(WM_NCMOUSEMOVE), KT_NAME(WM_NCLBUTTONDOWN),
	KT_NAME(WM_NCLBUTTONUP), KT_NAME(WM_KEYDOWN), KT_NAME(WM_KEYUP), KT_NAME(WM_CHAR), KT_NAME(WM_SYSKEYDOWN),
	KT_NAME(WM_SYSKEYUP), KT_NAME(WM_SYSCHAR), KT_NAME(WM_INITDIALOG), KT_NAME(WM_COMMAND),
	KT_NAME(WM_SYSCOMMAND), KT_NAME(WM_TIMER), KT_NAME(WM_HSCROLL), KT_NAME(WM_VSCROLL), KT_NAME(WM_INITMENU),
	KT_NAME(WM_INITMENUPOPUP), KT_NAME(WM_MENUSELECT), KT_NAME(WM_MENUCHAR), KT_NAME(WM_ENTERIDLE),
	KT_NAME(WM_UNINITMENUPOPUP), KT_NAME(WM_CHANGEUISTATE), KT_NAME(WM_UPDATEUISTATE),
	KT_NAME(WM_QUERYUISTATE), KT_NAME(WM_CTLCOLORMSGBOX), KT_NAME(WM_CTLCOLOREDIT),
	KT_NAME(WM_CTLCOLORLISTBOX), KT_NAME(WM_CTLCOLORBTN), KT_NAME(WM_CTLCOLORDLG),
	KT_NAME(WM_CTLCOLORSCROLLBAR), KT_NAME(WM_CTLCOLORSTATIC), KT_NAME(WM_MOUSEMOVE), KT_NAME(WM_LBUTTONDOWN),
	KT_NAME(WM_LBUTTONUP), KT_NAME(WM_LBUTTONDBLCLK), KT_NAME(WM_RBUTTONDOWN), KT_NAME(WM_RBUTTONUP),
	KT_NAME(WM_MOUSEWHEEL), KT_NAME(WM_PARENTNOTIFY), KT_NAME(WM_ENTERMENULOOP), KT_NAME(WM_EXITMENULOOP),
	KT_NAME(WM_CAPTURECHANGED), KT_NAME(WM_IME_SETCONTEXT), KT_NAME(WM_IME_NOTIFY), KT_NAME(WM_MOUSELEAVE),
	KT_NAME(WM_CUT), KT_NAME(WM_COPY), KT_NAME(WM_PASTE), KT_NAME(WM_CLEAR), KT_NAME(WM_UNDO),
	KT_NAME(WM_PRINT), KT_NAME(WM_PRINTCLIENT), KT_NAME(WM_CLIPBOARDUPDATE), KT_NAME(BM_GETCHECK),
	KT_NAME(BM_SETCHECK), KT_NAME(BM_GETSTATE), KT_NAME(BM_SETSTATE), KT_NAME(BM_SETSTYLE), KT_NAME(BM_CLICK),
	KT_NAME(BM_SETIMAGE), KT_NAME(STM_SETICON), KT_NAME(STM_SETIMAGE), KT_NAME(EM_GETSEL), KT_NAME(EM_SETSEL),
	KT_NAME(EM_REPLACESEL), KT_NAME(EM_LIMITTEXT), KT_NAME(EM_SETREADONLY), KT_NAME(TVM_INSERTITEMA),
	KT_NAME(TVM_DELETEITEM), KT_NAME(TVM_EXPAND), KT_NAME(TVM_GETITEMRECT), KT_NAME(TVM_GETNEXTITEM),
	KT_NAME(TVM_SELECTITEM), KT_NAME(TVM_GETITEMA), KT_NAME(TVM_SETITEMA), KT_NAME(TVM_HITTEST) };

// Notification codes of WM_NOTIFY, told apart by their ranges.
const Name kNotifications[] = { KT_NAME(NM_CLICK), KT_NAME(NM_DBLCLK), KT_NAME(NM_RETURN), KT_NAME(NM_RCLICK),
	KT_NAME(NM_SETFOCUS), KT_NAME(NM_KILLFOCUS), KT_NAME(NM_CUSTOMDRAW), KT_NAME(NM_HOVER),
	KT_NAME(NM_RELEASEDCAPTURE), KT_NAME(TVN_SELCHANGINGA), KT_NAME(TVN_SELCHANGEDA),
	KT_NAME(TVN_GETDISPINFOA), KT_NAME(TVN_ITEMEXPANDINGA), KT_NAME(TVN_ITEMEXPANDEDA),
	KT_NAME(TVN_DELETEITEMA), KT_NAME(TVN_BEGINLABELEDITA), KT_NAME(TVN_ENDLABELEDITA), KT_NAME(TVN_KEYDOWN),
	KT_NAME(TVN_SELCHANGINGW), KT_NAME(TVN_SELCHANGEDW), KT_NAME(TVN_ITEMEXPANDINGW),
	KT_NAME(TVN_ITEMEXPANDEDW), KT_NAME(TVN_DELETEITEMW), KT_NAME(TCN_SELCHANGE), KT_NAME(TCN_SELCHANGING),
	KT_NAME(EN_MSGFILTER), KT_NAME(EN_REQUESTRESIZE), KT_NAME(EN_SELCHANGE), KT_NAME(EN_LINK) };

// Notification codes of WM_COMMAND, which overlap from one control class to
// the next.
const Name kButtonCodes[] = { KT_NAME(BN_CLICKED), KT_NAME(BN_PAINT), KT_NAME(BN_HILITE),
	KT_NAME(BN_UNHILITE), KT_NAME(BN_DISABLE), KT_NAME(BN_DOUBLECLICKED), KT_NAME(BN_SETFOCUS),
	KT_NAME(BN_KILLFOCUS) };
const Name kEditCodes[] = { KT_NAME(EN_SETFOCUS), KT_NAME(EN_KILLFOCUS), KT_NAME(EN_CHANGE),
	KT_NAME(EN_UPDATE), KT_NAME(EN_ERRSPACE), KT_NAME(EN_MAXTEXT), KT_NAME(EN_HSCROLL), KT_NAME(EN_VSCROLL) };
const Name kStaticCodes[] = { KT_NAME(STN_CLICKED), KT_NAME(STN_DBLCLK), KT_NAME(STN_ENABLE),
	KT_NAME(STN_DISABLE) };
const Name kListBoxCodes[] = { KT_NAME(LBN_SELCHANGE), KT_NAME(LBN_DBLCLK), KT_NAME(LBN_SELCANCEL),
	KT_NAME(LBN_SETFOCUS), KT_NAME(LBN_KILLFOCUS) };
const Name kComboBoxCodes[] = { KT_NAME(CBN_SELCHANGE), KT_NAME(CBN_DBLCLK), KT_NAME(CBN_SETFOCUS),
	KT_NAME(CBN_KILLFOCUS), KT_NAME(CBN_EDITCHANGE), KT_NAME(CBN_EDITUPDATE), KT_NAME(CBN_DROPDOWN),
	KT_NAME(CBN_CLOSEUP), KT_NAME(CBN_SELENDOK), KT_NAME(CBN_SELENDCANCEL) };
#undef KT_NAME

template <size_t N>
const char* Find(const Name (&names)[N], UINT value)
{
	for (const Name& n : names)
		if (n.value == value)
			return n.name;
	return nullptr;
}

std::string MessageName(UINT message)
{
	if (const char* name = Find(kMessages, message))
		return name;
	std::ostringstream s;
	if (message == kSeparatorMessage)
		s << "separator";
	else if (message >= WM_APP && message < 0xC000)
		s << "WM_APP+" << message - WM_APP;
	else if (message >= WM_USER && message < WM_APP)
		s << "WM_USER+" << message - WM_USER;
	else
	{
		// Registered messages share their names with clipboard formats.
		char name[128] = "";
		if (message >= 0xC000 && ::GetClipboardFormatNameA(message, name, sizeof(name)) > 0)
			s << "\"" << name << "\"";
		else
			s << "0x" << std::hex << std::setw(4) << std::setfill('0') << message;
	}
	return s.str();
}

// The name of a notification code; control is the class of the control that
// sent a WM_COMMAND, empty when unknown.
std::string CodeName(UINT message, UINT code, const std::string& control)
{
	const char* name = nullptr;
	if (message == WM_NOTIFY)
		name = Find(kNotifications, code);
	else if (lstrcmpiA(control.c_str(), "Button") == 0)
		name = Find(kButtonCodes, code);
	else if (lstrcmpiA(control.c_str(), "Edit") == 0 || control.compare(0, 8, "RichEdit") == 0 ||
			 control.compare(0, 8, "RICHEDIT") == 0)
		name = Find(kEditCodes, code);
	else if (lstrcmpiA(control.c_str(), "Static") == 0)
		name = Find(kStaticCodes, code);
	else if (lstrcmpiA(control.c_str(), "ListBox") == 0)
		name = Find(kListBoxCodes, code);
	else if (lstrcmpiA(control.c_str(), "ComboBox") == 0)
		name = Find(kComboBoxCodes, code);
	if (name != nullptr)
		return name;
	std::ostringstream s;
	s << "code " << static_cast<int>(code);
	return s.str();
}

std::string Describe(UINT message, unsigned flags, WPARAM wParam, LPARAM lParam, UINT code,
	const std::string& control, bool showParams)
{
	std::ostringstream s;
	s << MessageName(message);
	if ((message == WM_COMMAND || message == WM_NOTIFY) && (flags & kt::code))
		s << " " << CodeName(message, code, control);
	if (flags & sent)
		s << " sent";
	if (flags & posted)
		s << " posted";
	if (flags & parent)
		s << " parent";
	if (flags & optional)
		s << " optional";
	if (showParams || (flags & wparam))
		s << " wp=" << static_cast<unsigned long long>(wParam);
	if (showParams || (flags & lparam))
		s << " lp=" << static_cast<long long>(lParam);
	return s.str();
}

bool IsMatch(const Expected& e, const Recorded& r)
{
	return e.message == r.message && (e.flags & parent) == (r.flags & parent) &&
		   (!(e.flags & (sent | posted)) || (e.flags & r.flags & (sent | posted))) &&
		   (!(e.flags & wparam) || e.wParam == r.wParam) && (!(e.flags & lparam) || e.lParam == r.lParam) &&
		   (!(e.flags & code) || e.code == r.code);
}

} // namespace

bool Ignore::Has(const Recorded& r) const
{
	auto listed = [this](UINT value)
	{ return std::find(m_messages.begin(), m_messages.end(), value) != m_messages.end(); };
	return listed(r.message) || (r.message == WM_NOTIFY && listed(r.code));
}

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
	if (hwnd != m_hWnd && (m_hParent == NULL || hwnd != m_hParent))
		return;
	Recorded r = { message, hwnd == m_hWnd ? kind : kind | parent, wParam, lParam, 0, std::string() };
	// The code and the sender's class are read now: the NMHDR and the
	// control may be gone by the time the sequence is compared.
	if (message == WM_NOTIFY && lParam != 0)
		r.code = reinterpret_cast<const NMHDR*>(lParam)->code;
	else if (message == WM_COMMAND)
	{
		r.code = HIWORD(wParam);
		char cls[64] = "";
		if (lParam != 0 && ::GetClassNameA(reinterpret_cast<HWND>(lParam), cls, sizeof(cls)) > 0)
			r.control = cls;
	}
	m_records.push_back(r);
}

void MessageRecorder::Separate()
{
	PumpPending();
	::SendMessageA(m_hWnd, kSeparatorMessage, 0, 0);
}

::testing::AssertionResult MessageRecorder::Matches(const Sequence& expected, const Ignore& ignore) const
{
	std::vector<const Recorded*> got;
	for (const Recorded& r : m_records)
		if (!ignore.Has(r))
			got.push_back(&r);

	// Walk both sequences: an entry either matches the next message, or is
	// optional and skipped, or is a mismatch; each step becomes a row.
	struct Row
	{
		const Expected* e;
		const Recorded* r;
		bool bad;
	};
	std::vector<Row> rows;
	bool failed = false;
	size_t g = 0;
	for (const Expected& e : expected)
	{
		const Recorded* r = g < got.size() ? got[g] : nullptr;
		if (r != nullptr && IsMatch(e, *r))
		{
			rows.push_back({ &e, r, false });
			++g;
		}
		else if (e.flags & optional)
			rows.push_back({ &e, nullptr, false });
		else
		{
			rows.push_back({ &e, r, true });
			failed = true;
			if (r != nullptr)
				++g;
		}
	}
	for (; g < got.size(); ++g)
	{
		rows.push_back({ nullptr, got[g], true });
		failed = true;
	}
	if (!failed)
		return ::testing::AssertionSuccess();

	// An expected WM_COMMAND takes its code's name from the control that sent
	// the recorded one beside it, or else from any that sent one.
	std::string anyControl;
	for (const Recorded* r : got)
		if (r->message == WM_COMMAND && anyControl.empty())
			anyControl = r->control;

	const int kColumn = 44;
	std::ostringstream s;
	s << "message sequence differs (rows marked !)\n    " << std::left << std::setw(kColumn) << "expected"
	  << "recorded\n";
	for (size_t i = 0; i < rows.size(); ++i)
	{
		const Row& row = rows[i];
		const std::string& control =
			row.r != nullptr && row.r->message == WM_COMMAND ? row.r->control : anyControl;
		std::string left, right;
		if (row.e != nullptr)
			left = Describe(row.e->message, row.e->flags, row.e->wParam, row.e->lParam, row.e->code, control,
				false);
		if (row.r != nullptr)
		{
			const unsigned shown = row.e != nullptr ? row.e->flags & (wparam | lparam) : 0;
			right = Describe(row.r->message, row.r->flags | code | shown, row.r->wParam, row.r->lParam,
				row.r->code, control, row.bad);
		}
		else if (row.e != nullptr)
			right = row.bad ? "(nothing)" : "(absent)";
		s << (row.bad ? '!' : ' ') << std::right << std::setw(2) << i << ' ' << std::left
		  << std::setw(kColumn) << left << right << '\n';
	}
	return ::testing::AssertionFailure() << s.str();
}

} // namespace kt
