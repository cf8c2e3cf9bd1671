// StringUtils.cpp - string helpers, the case tables and the cipher of fixed texts.
//
// Classes in this file:
//   CaseTableInit, KeyStream
#include "SupportImpl.h"

using namespace qtxsupport;

#include <new>
#include <string.h>

char StringUtils::m_tableUppercase[256];
char StringUtils::m_tableLowercase[256];

namespace
{

// Which bytes of the ANSI code page begin a character of more than one byte,
// and whether that code page is UTF-8; filled with the case tables.
bool g_bUtf8 = false;
bool g_leadBytes[256];

bool IsContinuation(BYTE ch)
{
	return (ch & 0xC0) == 0x80;
}

// Length of the well-formed UTF-8 character at p, or 1 when the bytes there
// are not one (overlong forms and surrogates included, as MultiByteToWideChar
// rejects them).
int Utf8Length(const BYTE* p)
{
	BYTE lead = p[0];
	int length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
	if (lead < 0xC2 || lead > 0xF4)
		return 1;
	// The second byte's range rules out overlong forms, surrogates and values past U+10FFFF.
	BYTE low = 0x80, high = 0xBF;
	if (lead == 0xE0)
		low = 0xA0;
	else if (lead == 0xED)
		high = 0x9F;
	else if (lead == 0xF0)
		low = 0x90;
	else if (lead == 0xF4)
		high = 0x8F;
	if (p[1] < low || p[1] > high)
		return 1;
	for (int i = 2; i < length; ++i)
	{
		if (!IsContinuation(p[i]))
			return 1;
	}
	return length;
}

// Fills the case tables from the ANSI code page while the library loads.
struct CaseTableInit
{
	CaseTableInit()
	{
		const UINT codePage = ::GetACP();
		g_bUtf8 = codePage == CP_UTF8;
		for (int i = 0; i < 256; ++i)
		{
			g_leadBytes[i] = g_bUtf8 ? (i >= 0xC2 && i <= 0xF4)
									 : ::IsDBCSLeadByteEx(codePage, static_cast<BYTE>(i)) != FALSE;
		}
		for (int i = 0; i < 256; ++i)
		{
			char upper = static_cast<char>(i);
			char lower = static_cast<char>(i);
			// A lead byte, and in UTF-8 any byte above ASCII, is no character
			// on its own: it keeps its value.
			const bool alone = g_bUtf8 ? i < 0x80 : !g_leadBytes[i];
			if (i != 0 && alone)
			{
				::CharUpperBuffA(&upper, 1);
				::CharLowerBuffA(&lower, 1);
			}
			StringUtils::m_tableUppercase[i] = upper;
			StringUtils::m_tableLowercase[i] = lower;
		}
	}
} g_caseTableInit;

} // namespace

bool StringUtils::IsLeadByte(BYTE ch)
{
	return g_leadBytes[ch];
}

LPCSTR StringUtils::NextChar(LPCSTR p)
{
	const BYTE* q = reinterpret_cast<const BYTE*>(p);
	if (q == NULL || *q == 0)
		return p;
	if (!g_leadBytes[*q])
		return p + 1;
	if (g_bUtf8)
		return p + Utf8Length(q);
	// A lead byte right before the terminating zero stands alone.
	return p + (q[1] != 0 ? 2 : 1);
}

LPCSTR StringUtils::PrevChar(LPCSTR start, LPCSTR p)
{
	if (start == NULL || p == NULL || p <= start)
		return start;
	if (p - start == 1)
		return start;
	const BYTE* first = reinterpret_cast<const BYTE*>(start);
	const BYTE* end = reinterpret_cast<const BYTE*>(p);
	if (g_bUtf8)
	{
		// Back over at most three continuation bytes to a lead byte whose
		// character ends exactly at p; anything else is one stray byte.
		const BYTE* q = end - 1;
		while (q > first && end - q < 4 && IsContinuation(*q))
			--q;
		if (q != end - 1 && g_leadBytes[*q] && q + Utf8Length(q) == end)
			return reinterpret_cast<LPCSTR>(q);
		return p - 1;
	}
	// A byte that cannot lead ends a character, so characters pair up from
	// just after the last such byte: an odd run of lead-byte values before
	// p - 1 means that p - 2 leads the character that ends at p.
	const BYTE* q = end - 2;
	while (q >= first && g_leadBytes[*q])
		--q;
	return ((end - 2 - q) & 1) ? p - 2 : p - 1;
}

namespace
{

// The lower case of the character of length bytes at p, in place: the case
// table for one byte, the system's case mapping through UTF-16 for more when
// the result has as many bytes.
void LowerChar(char* p, int length)
{
	if (length == 1)
	{
		*p = StringUtils::m_tableLowercase[static_cast<unsigned char>(*p)];
		return;
	}
	wchar_t wide[2];
	const int units = ::MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, p, length, wide, 2);
	if (units <= 0)
		return;
	::CharLowerBuffW(wide, static_cast<DWORD>(units));
	char lower[8];
	BOOL usedDefault = FALSE;
	const int bytes = ::WideCharToMultiByte(CP_ACP, g_bUtf8 ? 0 : WC_NO_BEST_FIT_CHARS, wide, units, lower,
		sizeof(lower), NULL, g_bUtf8 ? NULL : &usedDefault);
	if (bytes == length && !usedDefault)
		memcpy(p, lower, static_cast<size_t>(length));
}

unsigned int CharCode(const char* p, int length, bool caseSensitive)
{
	char ch[4] = {};
	memcpy(ch, p, static_cast<size_t>(length));
	if (!caseSensitive)
		LowerChar(ch, length);
	unsigned int code = 0;
	for (int i = 0; i < length; ++i)
		code = (code << 8) | static_cast<unsigned char>(ch[i]);
	return code;
}

} // namespace

namespace qtxsupport
{

int CompareChars(const char* a, int lengthA, const char* b, int lengthB, bool caseSensitive)
{
	const unsigned int codeA = CharCode(a, lengthA, caseSensitive);
	const unsigned int codeB = CharCode(b, lengthB, caseSensitive);
	return codeA == codeB ? 0 : codeA < codeB ? -1 : 1;
}

int FindLastSeparator(const char* text)
{
	int last = -1;
	for (const char* p = text; *p; p = StringUtils::NextChar(p))
	{
		if (IsSeparator(*p) && CharLength(p) == 1)
			last = static_cast<int>(p - text);
	}
	return last;
}

} // namespace qtxsupport

namespace
{

/////////////////////////////////////////////////////////////////////////////
// The cipher of fixed texts.
//
// Element 0 holds the length (low 16 bits) and a Fletcher-16 checksum of the
// characters (high 16 bits). Element i+1 holds character i in its low byte
// and a position tag in the 24 bits above. Every element is mixed with the
// next value of a key stream seeded from the length, so equal characters
// give different integers and a changed, dropped or added element shows.

const unsigned int kSeed = 0x6B3A91C5u;
const size_t kMaxLength = 0xFFFF;

class KeyStream
{
public:
	explicit KeyStream(size_t length)
		: m_state(kSeed ^ (static_cast<unsigned int>(length) * 0x9E3779B1u))
	{
	}
	unsigned int Next()
	{
		m_state = m_state * 1664525u + 1013904223u;
		return m_state ^ (m_state >> 15);
	}

private:
	unsigned int m_state;
};

inline unsigned int PositionTag(size_t index, size_t length)
{
	return (static_cast<unsigned int>(index) * 0x2F1u + static_cast<unsigned int>(length)) & 0xFFFFFFu;
}

unsigned int Checksum(const unsigned char* text, size_t length)
{
	unsigned int sum1 = 0, sum2 = 0;
	for (size_t i = 0; i < length; ++i)
	{
		sum1 = (sum1 + text[i]) % 255;
		sum2 = (sum2 + sum1) % 255;
	}
	return (sum2 << 8) | sum1;
}

} // namespace

/////////////////////////////////////////////////////////////////////////////
// Conversions used across the library

namespace qtxsupport
{

bool Narrow(const wchar_t* text, int length, CString& result)
{
	result.Empty();
	if (text == NULL || length <= 0)
		return true;

	// UTF-8 as the ANSI code page represents everything and takes no flags.
	bool utf8 = ::GetACP() == CP_UTF8;
	DWORD flags = utf8 ? 0 : WC_NO_BEST_FIT_CHARS;
	BOOL usedDefault = FALSE;
	BOOL* pUsedDefault = utf8 ? NULL : &usedDefault;

	int count = ::WideCharToMultiByte(CP_ACP, flags, text, length, NULL, 0, NULL, pUsedDefault);
	if (count <= 0 || usedDefault)
		return false;
	char* buffer = result.GetBuffer(count);
	if (buffer == NULL)
		return false;
	::WideCharToMultiByte(CP_ACP, flags, text, length, buffer, count, NULL, NULL);
	result.ReleaseBuffer(count);
	return true;
}

} // namespace qtxsupport

/////////////////////////////////////////////////////////////////////////////
// StringUtils

CString StringUtils::DecryptText(const std::vector<int>& cipher)
{
	if (cipher.size() < 2 || cipher.size() - 1 > kMaxLength)
		return CString();

	size_t length = cipher.size() - 1;
	KeyStream keys(length);
	unsigned int header = static_cast<unsigned int>(cipher[0]) ^ keys.Next();
	if ((header & 0xFFFFu) != length)
		return CString();

	CString text;
	char* buffer = text.GetBuffer(static_cast<int>(length));
	if (buffer == NULL)
		return CString();
	for (size_t i = 0; i < length; ++i)
	{
		unsigned int value = static_cast<unsigned int>(cipher[i + 1]) ^ keys.Next();
		if ((value >> 8) != PositionTag(i, length) || (value & 0xFFu) == 0)
		{
			text.ReleaseBuffer(0);
			return CString();
		}
		buffer[i] = static_cast<char>(value & 0xFFu);
	}
	if (Checksum(reinterpret_cast<const unsigned char*>(buffer), length) != (header >> 16))
	{
		text.ReleaseBuffer(0);
		return CString();
	}
	text.ReleaseBuffer(static_cast<int>(length));
	return text;
}

std::vector<int> StringUtils::EncryptText(const CString& text)
{
	std::vector<int> cipher;
	size_t length = static_cast<size_t>(text.GetLength());
	if (length == 0 || length > kMaxLength)
		return cipher;

	try
	{
		const unsigned char* chars = reinterpret_cast<const unsigned char*>(text.GetString());
		KeyStream keys(length);
		cipher.reserve(length + 1);
		unsigned int header = static_cast<unsigned int>(length) | (Checksum(chars, length) << 16);
		cipher.push_back(static_cast<int>(header ^ keys.Next()));
		for (size_t i = 0; i < length; ++i)
		{
			unsigned int value = chars[i] | (PositionTag(i, length) << 8);
			cipher.push_back(static_cast<int>(value ^ keys.Next()));
		}
	}
	catch (...)
	{
		cipher.clear();
	}
	return cipher;
}

std::wstring StringUtils::ToWide(LPCSTR text)
{
	std::wstring result;
	if (text == NULL || *text == '\0')
		return result;
	const int count = ::MultiByteToWideChar(CP_ACP, 0, text, -1, NULL, 0);
	if (count <= 1)
		return result;
	try
	{
		result.resize(static_cast<size_t>(count));
		::MultiByteToWideChar(CP_ACP, 0, text, -1, &result[0], count);
		// The count includes the terminating zero, which the string holds apart.
		result.resize(static_cast<size_t>(count) - 1);
	}
	catch (...)
	{
		result.clear();
	}
	return result;
}

wchar_t* StringUtils::ConvertToWCHAR(CString& text)
{
	const std::wstring wide = ToWide(text.GetBuffer());
	wchar_t* copy = new (std::nothrow) wchar_t[wide.size() + 1];
	if (copy != NULL)
		memcpy(copy, wide.c_str(), (wide.size() + 1) * sizeof(wchar_t));
	return copy;
}

void StringUtils::RemoveSingleAmpersand(CString& text)
{
	int length = text.GetLength();
	if (text.Find('&') < 0)
		return;
	CString result;
	char* out = result.GetBuffer(length);
	if (out == NULL)
		return;
	const char* in = text.GetString();
	const char* end = in + length;
	int n = 0;
	for (const char* p = in; p < end;)
	{
		const int bytes = CharLength(p);
		if (*p == '&')
		{
			// "&&" stands for one literal ampersand.
			if (p[1] == '&')
			{
				out[n++] = '&';
				++p;
			}
			++p;
			continue;
		}
		memcpy(out + n, p, static_cast<size_t>(bytes));
		n += bytes;
		p += bytes;
	}
	result.ReleaseBuffer(n);
	text = result;
}

CString& StringUtils::Trim(CString& text)
{
	return text.Trim(" \t\r\n\v\f");
}

bool StringUtils::IsEffectivelyEmpty(const CString& text)
{
	for (const char* p = text.GetString(); *p; p = NextChar(p))
	{
		if (!IsBlank(*p))
			return false;
	}
	return true;
}

int StringUtils::FindLast(const CString& text, const CString& what)
{
	int length = text.GetLength();
	int whatLength = what.GetLength();
	if (whatLength == 0 || whatLength > length)
		return -1;
	// A match starts at a character and ends where one ends.
	const char* chars = text.GetString();
	const char* last = chars + (length - whatLength);
	int found = -1;
	for (const char* p = chars; p <= last; p = NextChar(p))
	{
		if (memcmp(p, what.GetString(), static_cast<size_t>(whatLength)) != 0)
			continue;
		const char* q = p;
		while (q < p + whatLength)
			q = NextChar(q);
		if (q == p + whatLength)
			found = static_cast<int>(p - chars);
	}
	return found;
}

bool StringUtils::MatchLastChars(const CString& text, const CString& tail, bool caseSensitive)
{
	int length = text.GetLength();
	int tailLength = tail.GetLength();
	if (tailLength == 0 || tailLength > length)
		return false;
	// The tail must start where a character of the text starts.
	const char* end = text.GetString() + (length - tailLength);
	const char* p = text.GetString();
	while (p < end)
		p = NextChar(p);
	if (p != end)
		return false;
	if (caseSensitive)
		return memcmp(end, tail.GetString(), static_cast<size_t>(tailLength)) == 0;
	return CompareNoCase(end, tail) == 0;
}

int StringUtils::CompareNoCase(const char* a, const char* b)
{
	if (a == NULL)
		a = "";
	if (b == NULL)
		b = "";
	for (;;)
	{
		const int lengthA = CharLength(a), lengthB = CharLength(b);
		if (lengthA == 0 || lengthB == 0)
			return lengthA == lengthB ? 0 : lengthA == 0 ? -1 : 1;
		const int cmp = CompareChars(a, lengthA, b, lengthB, false);
		if (cmp != 0)
			return cmp;
		a += lengthA;
		b += lengthB;
	}
}
