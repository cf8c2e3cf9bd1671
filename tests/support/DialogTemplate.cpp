// DialogTemplate.cpp - in-memory dialog templates for tests.
#include <kavrotest/TestSupport.h>

#include <qtx/Support.h>

namespace kt
{

namespace
{

void PutString(std::vector<WORD>& buf, const std::wstring& s)
{
	for (wchar_t c : s)
		buf.push_back(static_cast<WORD>(c));
	buf.push_back(0);
}

void AlignDword(std::vector<WORD>& buf)
{
	if (buf.size() & 1)
		buf.push_back(0);
}

void PutDword(std::vector<WORD>& buf, DWORD v)
{
	buf.push_back(LOWORD(v));
	buf.push_back(HIWORD(v));
}

} // namespace

DialogTemplate::DialogTemplate(const char* caption, int cx, int cy, DWORD style, const char* fontFace,
	WORD pointSize)
	: m_caption(StringUtils::ToWide(caption))
	, m_font(StringUtils::ToWide(fontFace))
	, m_pointSize(pointSize)
	, m_style(style)
	, m_cx(static_cast<short>(cx))
	, m_cy(static_cast<short>(cy))
{
}

DialogTemplate& DialogTemplate::AddItem(WORD classAtom, const char* text, UINT id, int x, int y, int cx,
	int cy, DWORD style, DWORD exStyle)
{
	m_items.push_back({ std::wstring(), classAtom, StringUtils::ToWide(text), id, static_cast<short>(x),
		static_cast<short>(y), static_cast<short>(cx), static_cast<short>(cy), style, exStyle });
	return *this;
}

DialogTemplate& DialogTemplate::AddItem(const char* className, const char* text, UINT id, int x, int y,
	int cx, int cy, DWORD style, DWORD exStyle)
{
	m_items.push_back(
		{ StringUtils::ToWide(className), 0, StringUtils::ToWide(text), id, static_cast<short>(x),
			static_cast<short>(y), static_cast<short>(cx), static_cast<short>(cy), style, exStyle });
	return *this;
}

LPCDLGTEMPLATE DialogTemplate::Get()
{
	std::vector<WORD>& b = m_buffer;
	b.clear();
	DWORD style = m_style;
	if (!m_font.empty())
		style |= DS_SETFONT;
	PutDword(b, style);
	PutDword(b, 0); // extended style
	b.push_back(static_cast<WORD>(m_items.size()));
	b.push_back(0);
	b.push_back(0);
	b.push_back(static_cast<WORD>(m_cx));
	b.push_back(static_cast<WORD>(m_cy));
	b.push_back(0); // no menu
	b.push_back(0); // predefined dialog class
	PutString(b, m_caption);
	if (style & DS_SETFONT)
	{
		b.push_back(m_pointSize);
		PutString(b, m_font);
	}
	for (const Item& it : m_items)
	{
		AlignDword(b);
		PutDword(b, it.style | WS_CHILD);
		PutDword(b, it.exStyle);
		b.push_back(static_cast<WORD>(it.x));
		b.push_back(static_cast<WORD>(it.y));
		b.push_back(static_cast<WORD>(it.cx));
		b.push_back(static_cast<WORD>(it.cy));
		b.push_back(static_cast<WORD>(it.id));
		if (it.cls.empty())
		{
			b.push_back(0xFFFF);
			b.push_back(it.atom);
		}
		else
		{
			PutString(b, it.cls);
		}
		PutString(b, it.text);
		b.push_back(0); // no creation data
	}
	// The heap block behind the vector is aligned well beyond the DWORD the
	// dialog manager needs.
	return reinterpret_cast<LPCDLGTEMPLATE>(b.data());
}

} // namespace kt
