// TextArray.cpp - the ordered string array and its sort orders.
#include "SupportImpl.h"

#include <algorithm>
#include <stdlib.h>
#include <string.h>

using namespace qtxsupport;

namespace
{

inline bool IsDigit(char ch)
{
	return ch >= '0' && ch <= '9';
}

int CompareText(const CString& a, const CString& b, bool caseSensitive)
{
	if (!caseSensitive)
		return StringUtils::CompareNoCase(a, b);
	return strcmp(a, b);
}

// Folder-list order: end of text < separator < any other character, digit
// runs by value. Equal values with different leading zeros fall back to the
// plain text order at the end, so the order stays total. Digits and
// separators count only as characters of their own, never as the second
// byte of a double-byte character.
int ComparePaths(const CString& a, const CString& b, bool caseSensitive)
{
	const char* p = a.GetString();
	const char* q = b.GetString();
	while (*p && *q)
	{
		const int lengthP = CharLength(p), lengthQ = CharLength(q);
		if (IsDigit(*p) && IsDigit(*q))
		{
			while (*p == '0' && IsDigit(p[1]))
				++p;
			while (*q == '0' && IsDigit(q[1]))
				++q;
			const char* pEnd = p;
			const char* qEnd = q;
			while (IsDigit(*pEnd))
				++pEnd;
			while (IsDigit(*qEnd))
				++qEnd;
			if (pEnd - p != qEnd - q)
				return (pEnd - p) < (qEnd - q) ? -1 : 1;
			int cmp = strncmp(p, q, static_cast<size_t>(pEnd - p));
			if (cmp != 0)
				return cmp;
			p = pEnd;
			q = qEnd;
			continue;
		}
		bool sepP = lengthP == 1 && IsSeparator(*p);
		bool sepQ = lengthQ == 1 && IsSeparator(*q);
		if (sepP != sepQ)
			return sepP ? -1 : 1;
		if (!sepP)
		{
			int cmp = CompareChars(p, lengthP, q, lengthQ, caseSensitive);
			if (cmp != 0)
				return cmp;
		}
		p += lengthP;
		q += lengthQ;
	}
	if (*p || *q)
		return *p ? 1 : -1;
	return CompareText(a, b, caseSensitive);
}

bool ParseNumber(const CString& text, double& value)
{
	const char* begin = text.GetString();
	char* end = nullptr;
	value = strtod(begin, &end);
	if (end == begin)
		return false;
	while (IsBlank(*end))
		++end;
	return *end == '\0';
}

int CompareNumbers(const CString& a, const CString& b, bool caseSensitive)
{
	double va = 0, vb = 0;
	bool na = ParseNumber(a, va);
	bool nb = ParseNumber(b, vb);
	if (na && nb)
	{
		if (va != vb)
			return va < vb ? -1 : 1;
		return 0;
	}
	if (na != nb)
		return na ? -1 : 1;
	return CompareText(a, b, caseSensitive);
}

bool Equal(const CString& a, const CString& b, bool caseSensitive)
{
	if (a.GetLength() != b.GetLength())
		return false;
	return CompareText(a, b, caseSensitive) == 0;
}

} // namespace

/////////////////////////////////////////////////////////////////////////////
// TextArray

TextArray::TextArray()
{
}

TextArray::TextArray(const TextArray& src)
{
	try
	{
		m_items = src.m_items;
	}
	catch (...)
	{
		m_items.clear();
	}
}

TextArray& TextArray::operator=(const TextArray& src)
{
	if (this != &src)
	{
		try
		{
			m_items = src.m_items;
		}
		catch (...)
		{
			m_items.clear();
		}
	}
	return *this;
}

TextArray::~TextArray()
{
}

__int64 TextArray::GetCount() const
{
	return static_cast<__int64>(m_items.size());
}

bool TextArray::IsEmpty() const
{
	return m_items.empty();
}

bool TextArray::IsLast(__int64 index) const
{
	return !m_items.empty() && index == GetCount() - 1;
}

CString TextArray::GetCopyAt(__int64 index) const
{
	if (index < 0 || index >= GetCount())
		return CString();
	return m_items[static_cast<size_t>(index)];
}

bool TextArray::Have(const CString& text, bool caseSensitive) const
{
	bool found = false;
	Find(text, caseSensitive, found);
	return found;
}

__int64 TextArray::Find(const CString& text, bool caseSensitive, bool& found) const
{
	for (size_t i = 0; i < m_items.size(); ++i)
	{
		if (Equal(m_items[i], text, caseSensitive))
		{
			found = true;
			return static_cast<__int64>(i);
		}
	}
	found = false;
	return -1;
}

__int64 TextArray::Add(const CString& text)
{
	try
	{
		m_items.push_back(text);
		return GetCount() - 1;
	}
	catch (...)
	{
		return -1;
	}
}

bool TextArray::SetAt(__int64 index, const CString& text)
{
	if (index < 0 || index >= GetCount())
		return false;
	m_items[static_cast<size_t>(index)] = text;
	return true;
}

bool TextArray::InsertAt(__int64 index, const CString& text)
{
	if (index < 0 || index > GetCount())
		return false;
	try
	{
		m_items.insert(m_items.begin() + static_cast<ptrdiff_t>(index), text);
		return true;
	}
	catch (...)
	{
		return false;
	}
}

bool TextArray::RemoveAt(__int64 index)
{
	if (index < 0 || index >= GetCount())
		return false;
	m_items.erase(m_items.begin() + static_cast<ptrdiff_t>(index));
	return true;
}

void TextArray::RemoveAll()
{
	m_items.clear();
}

void TextArray::Sort(bool ascending, bool caseSensitive, Content content)
{
	int (*compare)(const CString&, const CString&, bool) = CompareText;
	if (content == ContentPaths)
		compare = ComparePaths;
	else if (content == ContentNumbers)
		compare = CompareNumbers;

	try
	{
		std::stable_sort(m_items.begin(), m_items.end(),
			[=](const CString& a, const CString& b)
			{
				int cmp = compare(a, b, caseSensitive);
				return ascending ? cmp < 0 : cmp > 0;
			});
	}
	catch (...)
	{
		// stable_sort falls back to an in-place merge when it cannot get its
		// buffer, so this is not expected; the array stays a permutation.
	}
}
