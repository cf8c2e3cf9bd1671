// StringTest.cpp - CString: searching, extraction, editing, trimming, formatting, buffers, conversions.
//
// Classes in this file:
//   Row
#include <afxwin.h>

#include "resource.h"

#include <gtest/gtest.h>
#include <kavrotest/TestSupport.h>

#include <climits>
#include <string>

// Failures show wide strings as text.
void PrintTo(const CStringW& str, std::ostream* os)
{
	*os << CString(str).GetString();
}

namespace
{

// A table row: what a call returned, and what it should have.
template <class T>
struct Row
{
	T actual;
	T expected;
};

// A character beyond ASCII that the ANSI code page holds.
const wchar_t* NonAscii()
{
	return kt::IsAnsi(L"\u00e9") ? L"\u00e9" : L"\u8868";
}

template <class T, size_t N>
void ExpectRows(const Row<T> (&rows)[N])
{
	for (size_t i = 0; i < N; ++i)
		EXPECT_EQ(rows[i].expected, rows[i].actual) << "row " << i;
}

} // namespace

// Positions outside the string, and NULL arguments, find nothing.
TEST(CStringTest, SearchingAndComparing)
{
	const CString s("a.b.c/d"), empty;
	ExpectRows<int>(
		{ { s.Find('.'), 1 }, { s.Find('.', 2), 3 }, { s.Find('.', 4), -1 }, { s.Find('.', 100), -1 },
			{ s.Find('.', -1), -1 }, { s.Find("b.c"), 2 }, { s.Find("b.c", 3), -1 }, { s.Find("b", 99), -1 },
			{ s.Find(static_cast<LPCSTR>(NULL)), -1 }, { s.Find("", 4), 4 }, { s.ReverseFind('.'), 3 },
			{ s.ReverseFind('x'), -1 }, { s.FindOneOf("/."), 1 }, { s.FindOneOf("/"), 5 },
			{ s.FindOneOf("xyz"), -1 }, { empty.Find('a'), -1 }, { empty.ReverseFind('a'), -1 } });

	const CString a("Apple"), b("apple");
	EXPECT_LT(a.Compare(b), 0);
	EXPECT_EQ(0, a.CompareNoCase(b));
	EXPECT_EQ(0, empty.Compare(NULL));
	EXPECT_TRUE("Apple" == a && "apple" > a && a < b && CString("b") >= "abc");
}

// Counts and positions outside the string are clamped to it.
TEST(CStringTest, ExtractionTrimmingCaseAndConstruction)
{
	const CString h("Hello"), padded(" \t padded \r\n"), abcd("abcd");
	ExpectRows<CString>(
		{ { h.Left(2), "He" }, { h.Left(-3), "" }, { h.Left(99), "Hello" }, { h.Right(3), "llo" },
			{ h.Right(-1), "" }, { h.Right(50), "Hello" }, { h.Mid(1, 3), "ell" }, { h.Mid(2), "llo" },
			{ h.Mid(-2, 3), "Hel" }, { h.Mid(5), "" }, { h.Mid(9, 2), "" }, { h.Mid(1, -4), "" },
			{ h.Mid(3, INT_MAX), "lo" }, { CString("123abc").SpanIncluding("0123456789"), "123" },
			{ CString("abc").SpanIncluding("0123456789"), "" },
			{ CString("key=value").SpanExcluding("=;"), "key" },
			{ CString("novalue").SpanExcluding("=;"), "novalue" },
			// Trimming removes only its targets, from its own end.
			{ CString(padded).Trim(), "padded" }, { CString(padded).TrimLeft(), "padded \r\n" },
			{ CString(padded).TrimRight(), " \t padded" }, { CString("\\\\path\\").Trim('\\'), "path" },
			{ CString("\\path\\").TrimLeft('\\'), "path\\" }, { CString("--+a-b+-").Trim("+-"), "a-b" },
			{ CString("    ").Trim(), "" }, { CString(" x ").Trim(static_cast<LPCSTR>(NULL)), " x " },
			{ CString(h).MakeUpper(), "HELLO" }, { CString(h).MakeLower(), "hello" },
			{ CString(h).MakeReverse(), "olleH" },
			// Construction and concatenation.
			{ CString('x', 3), "xxx" }, { CString('x', -1), "" }, { CString("abcdef", 2), "ab" },
			{ CString(static_cast<LPCSTR>(NULL)), "" }, { CString(L"wide text"), "wide text" },
			{ CString(L"wide", 2), "wi" }, { CString("a") + "b" + 'c' + abcd, "abcabcd" },
			{ '0' + abcd, "0abcd" }, { "<" + abcd, "<abcd" } });
}

TEST(CStringTest, EditingReturnsTheNewLengthOrTheCount)
{
	const struct
	{
		const char* before;
		int (*edit)(CString& s);
		int result;
		const char* after;
	} kEdits[] = {
		{ "a-b-c--d", [](CString& s) { return s.Replace('-', '+'); }, 4, "a+b+c++d" },
		{ "a+b", [](CString& s) { return s.Replace('+', '+'); }, 0, "a+b" },
		// Matches do not overlap.
		{ "aaaa", [](CString& s) { return s.Replace("aa", "b"); }, 2, "bb" },
		{ "x.y.z", [](CString& s) { return s.Replace(".", "::"); }, 2, "x::y::z" },
		{ "x::y::z", [](CString& s) { return s.Replace("::", static_cast<LPCSTR>(NULL)); }, 2, "xyz" },
		{ "xyz", [](CString& s) { return s.Replace("", "q"); }, 0, "xyz" },
		{ "xyz", [](CString& s) { return s.Replace("missing", "q"); }, 0, "xyz" },
		{ "banana", [](CString& s) { return s.Remove('a'); }, 3, "bnn" },
		{ "bnn", [](CString& s) { return s.Insert(1, "AB"); }, 5, "bABnn" },
		{ "ab", [](CString& s) { return s.Insert(100, '!'); }, 3, "ab!" },
		{ "ab", [](CString& s) { return s.Insert(-5, '<'); }, 3, "<ab" },
		{ "<bABnn!", [](CString& s) { return s.Delete(1, 3); }, 4, "<nn!" },
		{ "<nn!", [](CString& s) { return s.Delete(2, 100); }, 2, "<n" },
		{ "<n", [](CString& s) { return s.Delete(5); }, 2, "<n" },
		{ "<n", [](CString& s) { return s.Delete(0, -1); }, 2, "<n" },
		// A piece of the string inserted into, or appended to, itself.
		{ "abc", [](CString& s) { return s.Insert(0, s.GetString() + 1); }, 5, "bcabc" },
		{ "abcbc", [](CString& s) { return (s += s).GetLength(); }, 10, "abcbcabcbc" },
	};
	for (const auto& e : kEdits)
	{
		CString s(e.before);
		EXPECT_EQ(e.result, e.edit(s)) << e.before << " -> " << e.after;
		EXPECT_STREQ(e.after, s);
	}
}

// The part before position i, or "-1" when nothing was found.
CString Before(const CString& s, int i)
{
	return i < 0 ? CString("-1") : s.Left(i);
}

// Trail bytes equal to '\\' (表 ソ 能) and '|' (ポ) in code page 932, and a
// character outside the BMP in UTF-8: searches, edits, case and reversal
// treat every character whole. Rows whose text the code page cannot hold
// are left out there.
TEST(CStringTest, MultiByteCharactersAreNeverSplit)
{
	const struct
	{
		const wchar_t* text;
		CString (*op)(CString& s);
		const wchar_t* result;
	} kRows[] = {
		{ L"表ソ\\x", [](CString& s) { return Before(s, s.Find('\\')); }, L"表ソ" },
		{ L"ポ|", [](CString& s) { return Before(s, s.Find('|')); }, L"ポ" },
		{ L"能", [](CString& s) { return Before(s, s.Find('\\')); }, L"-1" },
		{ L"a\\表", [](CString& s) { return Before(s, s.ReverseFind('\\')); }, L"a" },
		{ L"表ポ|", [](CString& s) { return Before(s, s.FindOneOf("\\|")); }, L"表ポ" },
		{ L"x表\\", [](CString& s) { return Before(s, s.Find("\\")); }, L"x表" },
		{ L"ソ能x能", [](CString& s) { return Before(s, s.Find(kt::Ansi(L"能"), 1)); }, L"ソ" },
		{ L"a😀b😀", [](CString& s) { return Before(s, s.Find(kt::Ansi(L"b😀"))); }, L"a😀" },
		{ L"表\\ソ\\", [](CString& s) { return CString('0' + s.Replace('\\', '/')) + s; }, L"2表/ソ/" },
		{ L"ポ|ポ", [](CString& s) { return CString('0' + s.Remove('|')) + s; }, L"1ポポ" },
		{ L"表\\ソ", [](CString& s) { return s.SpanIncluding(kt::Ansi(L"\\表")); }, L"表\\" },
		{ L"表ソ\\x", [](CString& s) { return s.SpanExcluding("\\"); }, L"表ソ" },
		{ L"ソ\\\\", [](CString& s) { return s.TrimRight('\\'); }, L"ソ" },
		{ L"表ポ", [](CString& s) { return s.TrimRight("\\|"); }, L"表ポ" },
		{ L"|ポ|", [](CString& s) { return s.Trim('|'); }, L"ポ" },
		{ L"\t表 \r\n", [](CString& s) { return s.Trim(); }, L"表" },
		{ L"ab表σд", [](CString& s) { return s.MakeUpper(); }, L"AB表ΣД" },
		{ L"AB表ΣД", [](CString& s) { return s.MakeLower(); }, L"ab表σд" },
		{ L"ｚé", [](CString& s) { return s.MakeUpper(); }, L"ＺÉ" },
		// In UTF-8 the other case of these takes another number of bytes
		// (k one, the Kelvin sign three; ɐ two, Ɐ three): they stay.
		{ L"\u212A\u0250", [](CString& s) { return s.MakeLower(); }, L"\u212A\u0250" },
		{ L"\u212A\u0250", [](CString& s) { return s.MakeUpper(); }, L"\u212A\u0250" },
		{ L"a表bソ", [](CString& s) { return s.MakeReverse(); }, L"ソb表a" },
		{ L"x😀yя", [](CString& s) { return s.MakeReverse(); }, L"яy😀x" },
		{ L"表\\ソ\\\\能",
			[](CString& s)
			{
				CString tokens;
				for (int pos = 0; pos >= 0;)
					tokens += s.Tokenize("\\", pos) + "|";
				return tokens;
			},
			L"表|ソ|能||" },
	};
	int nRun = 0;
	for (const auto& r : kRows)
	{
		CString text;
		if (!kt::TryAnsi(r.text, text) || !kt::IsAnsi(r.result))
			continue;
		++nRun;
		EXPECT_EQ(kt::Ansi(r.result), r.op(text))
			<< CStringW(r.text).GetLength() << " chars, row " << &r - kRows;
	}
	if (::GetACP() == 1252)
	{
		// A single byte follows the C runtime's locale, "C" by default: A-Z only.
		EXPECT_STREQ("\xE9", CString("\xE9").MakeUpper());
		return;
	}
	EXPECT_GT(nRun, 15);
	const CString upper = kt::Ansi(L"ΣΔ表Я");
	EXPECT_EQ(0, upper.CompareNoCase(kt::Ansi(L"σδ表я")));
	EXPECT_GT(0, upper.CompareNoCase(kt::Ansi(L"σδ表яa")));
}

TEST(CStringTest, FormatHandlesLongOutputAndSelfReference)
{
	CString s;
	s.Format("%d-%s-%05.1f-%c", 42, "text", 3.14159, 'z');
	EXPECT_STREQ("42-text-003.1-z", s);

	const std::string big(5000, 'q');
	s.Format("<%s>", big.c_str());
	EXPECT_EQ(5002, s.GetLength());
	EXPECT_EQ("<" + big + ">", std::string(s));

	// The argument is the string being formatted.
	CString name("abc");
	name.Format("[%s|%s]", name.GetString(), name.GetString());
	name.AppendFormat("%03d", 7);
	EXPECT_STREQ("[abc|abc]007", name);
	s.Format("%s", "");
	EXPECT_TRUE(s.IsEmpty());
}

TEST(CStringTest, BuffersTakeTheLengthTheirWriterLeft)
{
	CString s("abc");
	char* p = s.GetBuffer(64);
	EXPECT_STREQ("abc", p);
	strcpy(p, "written through the buffer");
	s.ReleaseBuffer();
	EXPECT_EQ(26, s.GetLength());
	EXPECT_STREQ("written through the buffer", s);

	s.GetBuffer(0)[3] = 'X';
	s.ReleaseBuffer(4);
	EXPECT_STREQ("wriX", s);

	// GetBufferSetLength shortens at once.
	EXPECT_EQ('w', s.GetBufferSetLength(2)[0]);
	EXPECT_EQ(2, s.GetLength());
	s.ReleaseBuffer();
	EXPECT_STREQ("wr", s);

	CString empty;
	EXPECT_NE(nullptr, empty.GetBuffer());
	empty.ReleaseBuffer();
	EXPECT_TRUE(empty.IsEmpty());
	EXPECT_EQ(nullptr, empty.GetBufferSetLength(-1));
}

// Each token is followed by "|"; the walk ends on an empty token at -1.
TEST(CStringTest, TokenizeWalksTokensAndEndsWithMinusOne)
{
	const struct
	{
		const char *text, *delims;
		int start;
		const char* tokens;
	} kWalks[] = {
		{ "  one, two,,three ", ", ", 0, "one|two|three||" },
		// Without delimiters the rest is one token, and the next call ends.
		{ "abcdef", "", 2, "cdef||" },
		{ ",,,", ",", 0, "|" },
		{ "a,b", ",", -3, "|" },
		{ "a,b", ",", 3, "|" },
	};
	for (const auto& w : kWalks)
	{
		const CString str(w.text);
		int pos = w.start;
		std::string seen;
		for (int n = 0; n < 8 && pos != -1; ++n)
			seen += std::string(str.Tokenize(w.delims, pos)) + "|";
		EXPECT_EQ(w.tokens, seen) << w.text << " from " << w.start;
	}
}

TEST(CStringTest, AccessMoveAndGrowth)
{
	const CString accented = CString("Abcd") + kt::Ansi(NonAscii());
	CString s("abcd");
	s += NonAscii();
	s.SetAt(0, 'A');
	s.SetAt(99, 'Z');
	EXPECT_STREQ(accented, s);
	EXPECT_EQ('\0', s.GetAt(-1));
	EXPECT_EQ('\0', s.GetAt(99));

	CString moved(std::move(s));
	EXPECT_STREQ(accented, moved);
	EXPECT_TRUE(s.IsEmpty());

	// Growing one character at a time keeps every byte.
	CString grow;
	std::string expected;
	for (int i = 0; i < 1000; ++i)
	{
		expected += static_cast<char>('a' + i % 26);
		grow.AppendChar(expected.back());
	}
	EXPECT_EQ(expected, std::string(grow.GetString(), grow.GetLength()));
}

TEST(CStringTest, LoadStringReadsTheStringTable)
{
	CString s;
	ASSERT_TRUE(s.LoadString(IDS_VALUES_GREETING));
	EXPECT_STREQ("Hello from the string table", s);
	// Stored as UTF-16, handed out in the ANSI code page.
	ASSERT_TRUE(s.LoadString(IDS_VALUES_ACCENT));
	if (kt::IsAnsi(L"caf\u00e9"))
	{
		EXPECT_STREQ(kt::Ansi(L"caf\u00e9"), s);
	}
	EXPECT_STREQ("Hello from the string table", CString(MAKEINTRESOURCE(IDS_VALUES_GREETING)));
	s.Format(IDS_VALUES_FORMAT, 3, "apples");
	EXPECT_STREQ("3 apples", s);

	// A missing entry fails and leaves the string alone.
	s = "unchanged";
	EXPECT_FALSE(s.LoadString(IDS_VALUES_MISSING));
	EXPECT_STREQ("unchanged", s);
}

TEST(CStringWTest, ConvertsWithTheAnsiCodePageBothWays)
{
	const CStringW ch = NonAscii();
	CStringW w(kt::Ansi(L"caf" + ch).GetString());
	EXPECT_STREQ(L"caf" + ch, w);
	const CString narrow = kt::Ansi(L"-" + ch + L"-");
	w = narrow;
	w += "x";
	EXPECT_STREQ(L"-" + ch + L"-x", w);
	EXPECT_EQ(3, CStringW(narrow).GetLength());

	CString back = w;
	EXPECT_STREQ(kt::Ansi(L"-" + ch + L"-x"), back);
	back = CStringW(ch + L"t" + ch);
	EXPECT_STREQ(kt::Ansi(ch + L"t" + ch), back);

	// The string table is read as it is stored.
	ASSERT_TRUE(w.LoadString(IDS_VALUES_ACCENT));
	EXPECT_STREQ(L"caf\u00e9", w);
	EXPECT_FALSE(w.LoadString(IDS_VALUES_MISSING));
}

TEST(CStringWTest, SearchesExtractsFormatsAndLendsItsBuffer)
{
	CStringW s(L"a.b.c");
	ExpectRows<int>({ { s.Find(L'.', 2), 3 }, { s.Find(L"b.c"), 2 }, { s.Find(L"b", 9), -1 },
		{ s.ReverseFind(L'.'), 3 }, { s.CompareNoCase(L"A.B.C"), 0 }, { s.Compare(L"b") < 0, true } });
	ExpectRows<CStringW>({ { s.Left(2), L"a." }, { s.Left(99), L"a.b.c" }, { s.Right(3), L"b.c" },
		{ s.Right(-1), L"" }, { s.Mid(-2, 3), L"a.b" }, { s.Mid(4, INT_MAX), L"c" } });

	// %s is wide, and an argument may be the string itself.
	s.Format(L"[%s|%d]", s.GetString(), 42);
	s.AppendFormat(L"%03d", 7);
	EXPECT_STREQ(L"[a.b.c|42]007", s);

	CStringW buffer;
	int nLength = ::GetWindowsDirectoryW(buffer.GetBuffer(MAX_PATH), MAX_PATH + 1);
	buffer.ReleaseBuffer();
	EXPECT_EQ(nLength, buffer.GetLength());
	EXPECT_EQ(static_cast<size_t>(nLength), wcslen(buffer));
}
