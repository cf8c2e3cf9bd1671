// SystemUtils.cpp - system settings, error texts, modifier keys and FontDef.
#include "SupportImpl.h"

/////////////////////////////////////////////////////////////////////////////
// SystemUtils

int SystemUtils::GetMouseScrollLines()
{
	UINT lines = 3;
	if (!::SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &lines, 0))
		return 3;
	if (lines == WHEEL_PAGESCROLL)
		return -1;
	return static_cast<int>(lines);
}

CString SystemUtils::GetLastError(DWORD code)
{
	if (code == 0)
		code = ::GetLastError();

	char* buffer = NULL;
	DWORD length = ::FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
										FORMAT_MESSAGE_IGNORE_INSERTS,
		NULL, code, 0, reinterpret_cast<char*>(&buffer), 0, NULL);
	CString text;
	if (length != 0 && buffer != NULL)
		text.SetString(buffer, static_cast<int>(length));
	if (buffer != NULL)
		::LocalFree(buffer);

	StringUtils::Trim(text);
	// The system ends its sentences with a period; a log line goes on after it.
	text.TrimRight('.');
	StringUtils::Trim(text);
	if (text.IsEmpty())
		text.Format("Error %lu", code);
	return text;
}

/////////////////////////////////////////////////////////////////////////////
// Keyboard

// GetKeyState gives the state as of the message being handled, which is what
// a handler that asks "was Shift held for this key" wants.
bool Keyboard::IsShiftKeyDown()
{
	return ::GetKeyState(VK_SHIFT) < 0;
}

bool Keyboard::IsCtrlKeyDown()
{
	return ::GetKeyState(VK_CONTROL) < 0;
}

/////////////////////////////////////////////////////////////////////////////
// FontDef

FontDef::FontDef()
	: m_crText(RGB(0, 0, 0))
{
	memset(&m_lf, 0, sizeof(m_lf));
	if (::GetObjectA(::GetStockObject(DEFAULT_GUI_FONT), sizeof(m_lf), &m_lf) == 0)
	{
		m_lf.lfHeight = -11;
		m_lf.lfWeight = FW_NORMAL;
		m_lf.lfCharSet = DEFAULT_CHARSET;
		lstrcpynA(m_lf.lfFaceName, "MS Shell Dlg", LF_FACESIZE);
	}
}

FontDef::FontDef(const LOGFONTA& lf, COLORREF crText)
	: m_lf(lf)
	, m_crText(crText)
{
}
