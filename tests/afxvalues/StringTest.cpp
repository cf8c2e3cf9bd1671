// StringTest.cpp - CString: searching, extraction, editing, trimming, formatting, buffers, conversions.
#include <afxwin.h>

#include "resource.h"

#include <gtest/gtest.h>

#include <string>

TEST(CStringTest, FindFamilyReturnsIndexesOrMinusOne)
{
	CString s("a.b.c/d");
	EXPECT_EQ(1, s.Find('.'));
	EXPECT_EQ(3, s.Find('.', 2));
	EXPECT_EQ(-1, s.Find('.', 4));
	EXPECT_EQ(-1, s.Find('.', 100));
	EXPECT_EQ(-1, s.Find('.', -1));
	EXPECT_EQ(2, s.Find("b.c"));
	EXPECT_EQ(-1, s.Find("b.c", 3));
	EXPECT_EQ(-1, s.Find("zz"));
	EXPECT_EQ(-1, s.Find(static_cast<LPCSTR>(NULL)));
	// An empty needle matches at the start position, as strstr does.
	EXPECT_EQ(4, s.Find("", 4));
	EXPECT_EQ(3, s.ReverseFind('.'));
	EXPECT_EQ(-1, s.ReverseFind('x'));
	EXPECT_EQ(1, s.FindOneOf("/."));
	EXPECT_EQ(5, s.FindOneOf("/"));
	EXPECT_EQ(-1, s.FindOneOf("xyz"));
	EXPECT_EQ(-1, CString().Find('a'));
	EXPECT_EQ(-1, CString().ReverseFind('a'));
}

TEST(CStringTest, ExtractionClampsOutOfRangeArguments)
{
	CString s("Hello");
	EXPECT_STREQ("He", s.Left(2));
	EXPECT_STREQ("", s.Left(-3));
	EXPECT_STREQ("Hello", s.Left(99));
	EXPECT_STREQ("llo", s.Right(3));
	EXPECT_STREQ("", s.Right(-1));
	EXPECT_STREQ("Hello", s.Right(50));
	EXPECT_STREQ("ell", s.Mid(1, 3));
	EXPECT_STREQ("llo", s.Mid(2));
	EXPECT_STREQ("Hel", s.Mid(-2, 3));
	EXPECT_STREQ("", s.Mid(5));
	EXPECT_STREQ("", s.Mid(9, 2));
	EXPECT_STREQ("", s.Mid(1, -4));
	EXPECT_STREQ("lo", s.Mid(3, 0x7FFFFFFF));
	EXPECT_STREQ("12", CString("123abc").SpanIncluding("0123456789").Left(2));
	EXPECT_STREQ("123", CString("123abc").SpanIncluding("0123456789"));
	EXPECT_STREQ("", CString("abc").SpanIncluding("0123456789"));
	EXPECT_STREQ("key", CString("key=value").SpanExcluding("=;"));
	EXPECT_STREQ("novalue", CString("novalue").SpanExcluding("=;"));
}

TEST(CStringTest, EditingOperationsReportCountsAndLengths)
{
	CString s("a-b-c--d");
	EXPECT_EQ(4, s.Replace('-', '+'));
	EXPECT_STREQ("a+b+c++d", s);
	EXPECT_EQ(0, s.Replace('+', '+'));

	CString t("aaaa");
	// Matches do not overlap.
	EXPECT_EQ(2, t.Replace("aa", "b"));
	EXPECT_STREQ("bb", t);
	CString u("x.y.z");
	EXPECT_EQ(2, u.Replace(".", "::"));
	EXPECT_STREQ("x::y::z", u);
	EXPECT_EQ(2, u.Replace("::", static_cast<LPCSTR>(NULL)));
	EXPECT_STREQ("xyz", u);
	EXPECT_EQ(0, u.Replace("", "q"));
	EXPECT_EQ(0, u.Replace("missing", "q"));
	EXPECT_STREQ("xyz", u);

	CString r("banana");
	EXPECT_EQ(3, r.Remove('a'));
	EXPECT_STREQ("bnn", r);
	EXPECT_EQ(5, r.Insert(1, "AB"));
	EXPECT_STREQ("bABnn", r);
	EXPECT_EQ(6, r.Insert(100, '!'));
	EXPECT_STREQ("bABnn!", r);
	EXPECT_EQ(7, r.Insert(-5, '<'));
	EXPECT_STREQ("<bABnn!", r);
	EXPECT_EQ(4, r.Delete(1, 3));
	EXPECT_STREQ("<nn!", r);
	EXPECT_EQ(2, r.Delete(2, 100));
	EXPECT_STREQ("<n", r);
	EXPECT_EQ(2, r.Delete(5));
	EXPECT_EQ(2, r.Delete(0, -1));

	// Inserting a piece of the string into itself.
	CString self("abc");
	self.Insert(1, self.GetString() + 1);
	EXPECT_STREQ("abcbc", self);
	self += self;
	EXPECT_STREQ("abcbcabcbc", self);
}

TEST(CStringTest, TrimFormsRemoveOnlyTheirTargets)
{
	CString s(" \t padded \r\n");
	EXPECT_STREQ("padded", CString(s).Trim());
	EXPECT_STREQ("padded \r\n", CString(s).TrimLeft());
	EXPECT_STREQ(" \t padded", CString(s).TrimRight());
	EXPECT_STREQ("path", CString("\\\\path\\").Trim('\\'));
	EXPECT_STREQ("path\\", CString("\\path\\").TrimLeft('\\'));
	EXPECT_STREQ("a-b", CString("--+a-b+-").Trim("+-"));
	EXPECT_STREQ("", CString("    ").Trim());
	EXPECT_STREQ(" x ", CString(" x ").Trim(static_cast<LPCSTR>(NULL)));
}

TEST(CStringTest, FormatHandlesLongOutputAndSelfReference)
{
	CString s;
	s.Format("%d-%s-%05.1f-%c", 42, "text", 3.14159, 'z');
	EXPECT_STREQ("42-text-003.1-z", s);

	std::string big(5000, 'q');
	s.Format("<%s>", big.c_str());
	ASSERT_EQ(5002, s.GetLength());
	EXPECT_EQ('<', s[0]);
	EXPECT_EQ('>', s[5001]);
	EXPECT_EQ(5002, static_cast<int>(strlen(s)));

	// The argument is the string being formatted.
	CString name("abc");
	name.Format("[%s|%s]", static_cast<LPCSTR>(name), static_cast<LPCSTR>(name));
	EXPECT_STREQ("[abc|abc]", name);

	name.AppendFormat("%03d", 7);
	EXPECT_STREQ("[abc|abc]007", name);
	s.Format("%s", "");
	EXPECT_TRUE(s.IsEmpty());
}

TEST(CStringTest, GetBufferAndReleaseBuffer)
{
	CString s("abc");
	char* p = s.GetBuffer(64);
	ASSERT_NE(nullptr, p);
	EXPECT_STREQ("abc", p);
	strcpy(p, "written through the buffer");
	s.ReleaseBuffer();
	EXPECT_EQ(26, s.GetLength());
	EXPECT_STREQ("written through the buffer", s);

	p = s.GetBuffer(0);
	p[3] = 'X';
	s.ReleaseBuffer(4);
	EXPECT_STREQ("wriX", s);

	p = s.GetBufferSetLength(2);
	EXPECT_EQ(2, s.GetLength());
	EXPECT_EQ('w', p[0]);
	s.ReleaseBuffer();
	EXPECT_STREQ("wr", s);

	// Windows APIs that fill a caller's buffer.
	CString dir;
	UINT n = ::GetWindowsDirectoryA(dir.GetBuffer(MAX_PATH), MAX_PATH);
	dir.ReleaseBuffer();
	EXPECT_EQ(static_cast<int>(n), dir.GetLength());
	EXPECT_GT(n, 0u);

	CString empty;
	EXPECT_NE(nullptr, empty.GetBuffer());
	empty.ReleaseBuffer();
	EXPECT_TRUE(empty.IsEmpty());
	EXPECT_EQ(nullptr, empty.GetBufferSetLength(-1));
}

TEST(CStringTest, TokenizeWalksTokensAndEndsWithMinusOne)
{
	CString s("  one, two,,three ");
	int pos = 0;
	std::string seen;
	for (CString tok = s.Tokenize(", ", pos); pos != -1; tok = s.Tokenize(", ", pos))
		seen += std::string(tok) + "|";
	EXPECT_EQ("one|two|three|", seen);

	pos = 0;
	EXPECT_TRUE(CString(",,,").Tokenize(",", pos).IsEmpty());
	EXPECT_EQ(-1, pos);

	pos = 2;
	EXPECT_STREQ("cdef", CString("abcdef").Tokenize("", pos));
	EXPECT_TRUE(CString("abcdef").Tokenize("", pos).IsEmpty());
	EXPECT_EQ(-1, pos);

	pos = -3;
	EXPECT_TRUE(CString("a b").Tokenize(" ", pos).IsEmpty());
	EXPECT_EQ(-1, pos);
}

TEST(CStringTest, ComparisonAndCase)
{
	CString a("Apple"), b("apple");
	EXPECT_LT(a.Compare(b), 0);
	EXPECT_EQ(0, a.CompareNoCase(b));
	EXPECT_GT(b.Compare("Apple"), 0);
	EXPECT_TRUE(a != b);
	EXPECT_TRUE(a == "Apple");
	EXPECT_TRUE("Apple" == a);
	EXPECT_TRUE(a < b);
	EXPECT_TRUE(CString("ab") < CString("abc"));
	EXPECT_TRUE(CString("b") >= "abc");
	EXPECT_EQ(0, CString().Compare(NULL));
	EXPECT_EQ(0, CString("x").Collate("x"));
	EXPECT_STREQ("APPLE", CString(a).MakeUpper());
	EXPECT_STREQ("apple", CString(a).MakeLower());
	EXPECT_STREQ("elppA", CString(a).MakeReverse());
}

TEST(CStringTest, ConstructionConcatenationAndAccess)
{
	EXPECT_STREQ("xxx", CString('x', 3));
	EXPECT_STREQ("", CString('x', -1));
	EXPECT_STREQ("ab", CString("abcdef", 2));
	EXPECT_STREQ("", CString(static_cast<LPCSTR>(NULL)));
	EXPECT_STREQ("wide text", CString(L"wide text"));
	EXPECT_STREQ("wi", CString(L"wide", 2));

	CString s = CString("a") + "b" + 'c' + CString("d");
	EXPECT_STREQ("abcd", s);
	EXPECT_STREQ("0abcd", '0' + s);
	EXPECT_STREQ("<abcd", "<" + s);
	s += L"\x00e9";
	EXPECT_EQ(5, s.GetLength());
	EXPECT_EQ('\xe9', s[4]);

	s.SetAt(0, 'A');
	s.SetAt(99, 'Z');
	EXPECT_EQ('A', s.GetAt(0));
	EXPECT_EQ('\0', s.GetAt(-1));
	EXPECT_EQ('\0', s.GetAt(99));

	CString moved(std::move(s));
	EXPECT_STREQ("Abcd\xe9", moved);
	EXPECT_TRUE(s.IsEmpty());
	moved.Empty();
	EXPECT_TRUE(moved.IsEmpty());
	EXPECT_STREQ("", moved);

	// Growing one character at a time keeps every byte.
	CString grow;
	for (int i = 0; i < 1000; ++i)
		grow.AppendChar(static_cast<char>('a' + i % 26));
	ASSERT_EQ(1000, grow.GetLength());
	EXPECT_EQ('a' + 999 % 26, grow[999]);
}

TEST(CStringTest, LoadStringReadsTheStringTable)
{
	CString s;
	ASSERT_TRUE(s.LoadString(IDS_VALUES_GREETING));
	EXPECT_STREQ("Hello from the string table", s);
	// Stored as UTF-16, handed out in the ANSI code page.
	ASSERT_TRUE(s.LoadString(IDS_VALUES_ACCENT));
	EXPECT_STREQ("caf\xe9", s);

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
	// Assigned, constructed and appended from narrow text.
	CStringW w("caf\xe9");
	EXPECT_STREQ(L"caf\u00e9", w);
	CString narrow("-\xe9-");
	w = narrow;
	EXPECT_STREQ(L"-\u00e9-", w);
	w += "x";
	EXPECT_STREQ(L"-\u00e9-x", w);
	CStringW fromString = narrow;
	EXPECT_EQ(3, fromString.GetLength());

	// And back.
	CString back = w;
	EXPECT_STREQ("-\xe9-x", back);
	back = CStringW(L"\u00e9t\u00e9");
	EXPECT_STREQ("\xe9t\xe9", back);

	// The string table is read as it is stored.
	ASSERT_TRUE(w.LoadString(IDS_VALUES_ACCENT));
	EXPECT_STREQ(L"caf\u00e9", w);
	EXPECT_FALSE(w.LoadString(IDS_VALUES_MISSING));
}

TEST(CStringWTest, SearchesExtractsFormatsAndLendsItsBuffer)
{
	CStringW s(L"a.b.c");
	EXPECT_EQ(3, s.Find(L'.', 2));
	EXPECT_EQ(2, s.Find(L"b.c"));
	EXPECT_EQ(-1, s.Find(L"b", 9));
	EXPECT_EQ(3, s.ReverseFind(L'.'));
	EXPECT_STREQ(L"a.", s.Left(2));
	EXPECT_STREQ(L"a.b.c", s.Left(99));
	EXPECT_STREQ(L"b.c", s.Right(3));
	EXPECT_STREQ(L"", s.Right(-1));
	EXPECT_STREQ(L"a.b", s.Mid(-2, 3));
	EXPECT_STREQ(L"c", s.Mid(4, 0x7FFFFFFF));
	EXPECT_EQ(0, s.CompareNoCase(L"A.B.C"));
	EXPECT_LT(s.Compare(L"b"), 0);
	EXPECT_TRUE(s == CStringW(L"a.b.c"));

	// %s is wide, and an argument may be the string itself.
	s.Format(L"[%s|%d]", s.GetString(), 42);
	EXPECT_STREQ(L"[a.b.c|42]", s);
	s.AppendFormat(L"%03d", 7);
	EXPECT_STREQ(L"[a.b.c|42]007", s);

	CStringW buffer;
	int nLength = ::GetWindowsDirectoryW(buffer.GetBuffer(MAX_PATH), MAX_PATH + 1);
	buffer.ReleaseBuffer();
	EXPECT_EQ(nLength, buffer.GetLength());
	EXPECT_EQ(static_cast<size_t>(nLength), wcslen(buffer));
}
