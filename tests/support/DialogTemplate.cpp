// DialogTemplate.cpp - in-memory dialog templates for tests.
#include <kavrotest/TestSupport.h>

#include <qtx/Support.h>

namespace kt
{

namespace
{

void PutString(std::vector<WORD>& buf, const char* text)
{
	const std::wstring wide = StringUtils::ToWide(text);
	buf.insert(buf.end(), wide.begin(), wide.end());
	buf.push_back(0);
}

} // namespace

// Style, extended style, item count, position, size, no menu and the
// predefined dialog class; then the caption and the font.
DialogTemplate::DialogTemplate(const char* caption, int cx, int cy, DWORD style)
	: m_buffer{ LOWORD(style | DS_SETFONT), HIWORD(style | DS_SETFONT), 0, 0, 0, 0, 0, WORD(cx), WORD(cy), 0,
		0 }
{
	PutString(m_buffer, caption);
	m_buffer.push_back(8);
	PutString(m_buffer, "MS Shell Dlg");
}

DialogTemplate& DialogTemplate::AddItem(WORD classAtom, const char* text, UINT id, int x, int y, int cx,
	int cy, DWORD style)
{
	// Each item starts on a DWORD: style, extended style, place, size, id,
	// class, text and no creation data.
	if (m_buffer.size() & 1)
		m_buffer.push_back(0);
	style |= WS_CHILD;
	m_buffer.insert(m_buffer.end(), { LOWORD(style), HIWORD(style), 0, 0, WORD(x), WORD(y), WORD(cx),
										WORD(cy), WORD(id), 0xFFFF, classAtom });
	PutString(m_buffer, text);
	m_buffer.push_back(0);
	++m_buffer[4];
	return *this;
}

} // namespace kt
