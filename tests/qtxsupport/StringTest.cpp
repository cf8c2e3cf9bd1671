// StringTest.cpp - string helpers, the fixed-text cipher and the string array.
#include <kavrotest/TestSupport.h>

#include "SupportTestUtil.h"

TEST(Cipher, RoundTripsAndRefusesUnsuitableOrDamagedSequences)
{
	std::string all;
	for (int ch = 1; ch < 256; ++ch)
		all += static_cast<char>(ch);
	for (const CString& text : { CString("A"), CString(all.c_str()), CString('x', 5000) })
	{
		std::vector<int> cipher = StringUtils::EncryptText(text);
		ASSERT_EQ(cipher.size(), static_cast<size_t>(text.GetLength()) + 1);
		EXPECT_EQ(StringUtils::DecryptText(cipher), text);
	}
	std::vector<int> same = StringUtils::EncryptText("aaa");
	EXPECT_NE(same[1], same[2]); // equal characters do not give equal integers
	EXPECT_TRUE(
		StringUtils::EncryptText("").empty() && StringUtils::EncryptText(CString('y', 70000)).empty());

	// Any one bit changed anywhere, and any element dropped, added or moved.
	const std::vector<int> good = StringUtils::EncryptText("Colour picker");
	std::vector<std::vector<int>> bad = { {}, { 0 }, std::vector<int>(100000, -1),
		std::vector<int>(good.begin(), good.end() - 1), good, good };
	bad[4].push_back(good.back());
	std::swap(bad[5][2], bad[5][3]);
	for (size_t i = 0; i < good.size() * 32; ++i)
	{
		bad.push_back(good);
		bad.back()[i / 32] ^= static_cast<int>(1u << i % 32);
	}
	for (const std::vector<int>& cipher : bad)
		EXPECT_EQ(StringUtils::DecryptText(cipher), "") << &cipher - bad.data();
}

TEST(StringUtilsTest, ConversionAmpersandsBlanksAndSearching)
{
	const bool western = ::GetACP() == 1252;
	CString text(western ? "caf\xE9 42%" : "cafe 42%");
	wchar_t* wide = StringUtils::ConvertToWCHAR(text);
	ASSERT_NE(wide, nullptr);
	EXPECT_STREQ(wide, western ? L"caf\u00E9 42%" : L"cafe 42%");
	delete[] wide;
	text.ReleaseBuffer(-1);
	EXPECT_EQ(text, western ? "caf\xE9 42%" : "cafe 42%");
	EXPECT_TRUE(StringUtils::ToWide(NULL).empty() && StringUtils::ToWide("").empty());

	for (auto& c : { std::make_pair("&File", "File"), std::make_pair("Save && Exit", "Save & Exit"),
			 std::make_pair("a&&&b", "a&b"), std::make_pair("end&", "end") })
	{
		text = c.first;
		StringUtils::RemoveSingleAmpersand(text);
		EXPECT_EQ(text, c.second) << c.first;
	}
	EXPECT_TRUE(StringUtils::IsEffectivelyEmpty(" \t\r\n") && StringUtils::IsEffectivelyEmpty(""));
	EXPECT_FALSE(StringUtils::IsEffectivelyEmpty("  .  "));

	EXPECT_EQ(StringUtils::FindLast("C:\\a\\b\\a\\x", "\\a\\"), 6);
	EXPECT_TRUE(StringUtils::FindLast("abc", "abcd") == -1 && StringUtils::FindLast("abc", "") == -1);
	EXPECT_TRUE(StringUtils::MatchLastChars("C:\\Folder.LNK", ".lnk", false));
	EXPECT_FALSE(StringUtils::MatchLastChars("C:\\Folder.LNK", ".lnk", true) ||
				 StringUtils::MatchLastChars("lnk", ".lnk", false) ||
				 StringUtils::MatchLastChars("abc", "", false));

	EXPECT_EQ(StringUtils::CompareNoCase("Windows", "wINDOWS"), 0);
	EXPECT_LT(StringUtils::CompareNoCase("apple", "Banana"), 0);
	EXPECT_GT(StringUtils::CompareNoCase("abc", "AB"), 0);
	EXPECT_TRUE(!western || StringUtils::CompareNoCase("caf\xE9", "CAF\xC9") == 0);
}

TEST(TextArrayTest, EditingBoundsAndFinding)
{
	TextArray list;
	EXPECT_FALSE(list.IsLast(0));
	EXPECT_TRUE(list.Add("b") == 0 && list.Add("d") == 1);
	EXPECT_TRUE(list.InsertAt(0, "a") && list.InsertAt(2, "c") && list.InsertAt(4, "e"));
	EXPECT_FALSE(list.InsertAt(6, "x") || list.InsertAt(-1, "x") || list.SetAt(5, "x") || list.RemoveAt(5));
	EXPECT_EQ(Joined(list), "a|b|c|d|e");
	EXPECT_TRUE(list.IsLast(4) && !list.IsLast(3));
	EXPECT_TRUE(list.GetCopyAt(5).IsEmpty() && list.GetCopyAt(-1).IsEmpty());
	EXPECT_TRUE(list.SetAt(0, "A") && list.RemoveAt(1));
	EXPECT_EQ(Joined(list), "A|c|d|e");
	list.RemoveAll();
	EXPECT_TRUE(list.IsEmpty());

	TextArray names = Split("Alpha\\|beta\\|alpha\\");
	bool found = false, missing = true;
	EXPECT_TRUE(names.Find("alpha\\", true, found) == 2 && names.Find("ALPHA\\", false, found) == 0 && found);
	EXPECT_TRUE(names.Find("alpha", false, missing) == -1 && !missing);
	EXPECT_TRUE(names.Have("BETA\\", false) && !names.Have("BETA\\", true));
}

TEST(TextArrayTest, SortOrders)
{
	const struct
	{
		const char* entries;
		bool ascending, caseSensitive;
		TextArray::Content content;
		const char* sorted;
	} sorts[] = {
		{ "b|B|a|A", true, true, TextArray::ContentText, "A|B|a|b" },
		// Equal entries keep their order, either way.
		{ "b|B|a|A", true, false, TextArray::ContentText, "a|A|b|B" },
		{ "a|A|b|B", false, false, TextArray::ContentText, "b|B|a|A" },
		{ "C:\\x\\Disk 10\\|C:\\x\\a b\\|C:\\x\\disk 9\\|C:\\x\\B\\|C:\\x\\a\\|C:\\x\\a\\c\\", true, false,
			TextArray::ContentPaths,
			"C:\\x\\a\\|C:\\x\\a\\c\\|C:\\x\\a b\\|C:\\x\\B\\|C:\\x\\disk 9\\|C:\\x\\Disk 10\\" },
		{ "C:\\x\\disk 9\\|C:\\x\\a\\|C:\\x\\Disk 10\\", false, false, TextArray::ContentPaths,
			"C:\\x\\Disk 10\\|C:\\x\\disk 9\\|C:\\x\\a\\" },
		{ "10|abc|9| 2 |-1.5|1e2|7x", true, true, TextArray::ContentNumbers, "-1.5| 2 |9|10|1e2|7x|abc" },
	};
	for (const auto& s : sorts)
	{
		TextArray list = Split(s.entries);
		list.Sort(s.ascending, s.caseSensitive, s.content);
		EXPECT_EQ(Joined(list), s.sorted) << s.entries;
	}
}

namespace
{

// The character starts of text as NextChar finds them, and as PrevChar finds
// them from the end.
std::vector<int> Forward(const char* text)
{
	std::vector<int> starts;
	for (const char* p = text; *p; p = StringUtils::NextChar(p))
		starts.push_back(static_cast<int>(p - text));
	return starts;
}

std::vector<int> Backward(const char* text)
{
	std::vector<int> starts;
	for (const char* p = text + strlen(text); p > text;)
	{
		p = StringUtils::PrevChar(text, p);
		starts.insert(starts.begin(), static_cast<int>(p - text));
	}
	return starts;
}

} // namespace

// Each character of the wide text is one step, a character outside the BMP
// included; a byte that is not part of a whole character is a step of its own.
TEST(CharBoundaries, FollowTheCodePageBothWays)
{
	for (const wchar_t* wide : { L"a\u8868b", L"C:\\表\\ソ\\能\\", L"ポ|ポ", L"x😀y", L"ΣДｱ" })
	{
		CString text;
		if (!kt::TryAnsi(wide, text))
			continue;
		std::vector<int> starts;
		int pos = 0;
		for (const wchar_t* w = wide; *w; w += IS_HIGH_SURROGATE(*w) ? 2 : 1)
		{
			starts.push_back(pos);
			const int bytes = kt::Ansi(std::wstring(w, IS_HIGH_SURROGATE(*w) ? 2 : 1).c_str()).GetLength();
			EXPECT_EQ(StringUtils::IsLeadByte(static_cast<BYTE>(text[pos])), bytes > 1) << pos;
			pos += bytes;
		}
		EXPECT_EQ(Forward(text), starts) << text;
		EXPECT_EQ(Backward(text), starts) << text;
	}

	const struct
	{
		UINT codePage;
		const char* bytes;
		std::vector<int> starts;
	} kMalformed[] = {
		{ 932, "a\x95", { 0, 1 } },             // a lead byte at the end
		{ 932, "\x95\x5C\x95", { 0, 2 } },      // 表, then a lone lead byte
		{ 65001, "\xE3\x81", { 0, 1 } },        // cut short
		{ 65001, "\xF0\x9F\x98", { 0, 1, 2 } }, // four bytes cut short
		{ 65001,
			"\x80"
			"a",
			{ 0, 1 } },                                // a stray continuation byte
		{ 65001, "\xE3\x82\xBD\x80", { 0, 3 } },       // ソ and a stray one
		{ 65001, "\xC0\xAF", { 0, 1 } },               // overlong '/'
		{ 65001, "\xE0\x80\xAF", { 0, 1, 2 } },        // overlong '/'
		{ 65001, "\xED\xA0\x80", { 0, 1, 2 } },        // a surrogate
		{ 65001, "\xF4\x90\x80\x80", { 0, 1, 2, 3 } }, // past U+10FFFF
	};
	for (const auto& m : kMalformed)
	{
		if (m.codePage != ::GetACP())
			continue;
		EXPECT_EQ(Forward(m.bytes), m.starts) << &m - kMalformed;
		EXPECT_EQ(Backward(m.bytes), m.starts) << &m - kMalformed;
	}

	// Any bytes at all: the walks agree and stay inside the text.
	const BYTE kBytes[] = { 'a', '\\', '|', 0x5C, 0x80, 0x83, 0x95, 0xA9, 0xB1, 0xC3, 0xE3, 0xF0, 0x9F,
		0xBF };
	unsigned int seed = 7;
	for (int n = 0; n < 3000; ++n)
	{
		char text[9] = {};
		const int length = 1 + n % 8;
		for (int i = 0; i < length; ++i)
		{
			seed = seed * 1103515245u + 12345u;
			text[i] = static_cast<char>(kBytes[(seed >> 16) % sizeof(kBytes)]);
		}
		const std::vector<int> forward = Forward(text);
		ASSERT_EQ(forward, Backward(text)) << n;
		ASSERT_TRUE(forward.empty() || forward.back() < length);
	}

	EXPECT_EQ(StringUtils::NextChar(NULL), nullptr);
	const char* empty = "";
	EXPECT_TRUE(StringUtils::NextChar(empty) == empty && StringUtils::PrevChar(empty, empty) == empty);
	EXPECT_EQ(StringUtils::PrevChar(NULL, empty), nullptr);
}

// The trail bytes of 表 ソ 能 are '\\' in code page 932, and of ア 'A'.
TEST(StringUtilsTest, WholeCharactersInEveryCodePage)
{
	if (!kt::IsAnsi(L"表ソ能アヂΣΔσδＺｚ"))
		GTEST_SKIP() << "code page " << ::GetACP() << " has no Japanese and Greek letters";
	CString text = kt::Ansi(L"表&ソ&&");
	StringUtils::RemoveSingleAmpersand(text);
	EXPECT_EQ(text, kt::Ansi(L"表ソ&"));
	text = kt::Ansi(L" 表\t\r\n");
	EXPECT_EQ(StringUtils::Trim(text), kt::Ansi(L"表"));
	EXPECT_FALSE(StringUtils::IsEffectivelyEmpty(kt::Ansi(L"\u3000")));
	EXPECT_EQ(StringUtils::FindLast(kt::Ansi(L"表\\ソ\\x"), "\\"), kt::Ansi(L"表\\ソ").GetLength());
	EXPECT_EQ(StringUtils::FindLast(kt::Ansi(L"x能"), "\\"), -1);
	EXPECT_FALSE(StringUtils::MatchLastChars(kt::Ansi(L"表"), "\\", true));
	EXPECT_TRUE(StringUtils::MatchLastChars(kt::Ansi(L"ア.ΣΔ"), kt::Ansi(L".σδ"), false));
	EXPECT_EQ(StringUtils::CompareNoCase(kt::Ansi(L"ΣΔ表Ｚ"), kt::Ansi(L"σδ表ｚ")), 0);
	EXPECT_LT(StringUtils::CompareNoCase(kt::Ansi(L"ア"), kt::Ansi(L"ヂ")), 0);
}

TEST(TextArrayTest, FindsAndSortsWholeCharacters)
{
	if (!kt::IsAnsi(L"アヂ表ΣДσд"))
		GTEST_SKIP() << "code page " << ::GetACP() << " has no Japanese, Greek and Cyrillic letters";
	TextArray list;
	for (const wchar_t* w : { L"C:\\表\\", L"C:\\表a\\", L"C:\\ア\\", L"ΣД" })
		list.Add(kt::Ansi(w));
	bool found = false;
	EXPECT_EQ(list.Find(kt::Ansi(L"σд"), false, found), 3);
	EXPECT_FALSE(list.Have(kt::Ansi(L"C:\\ヂ\\"), false));
	list.SetAt(3, kt::Ansi(L"C:\\ヂ\\"));
	list.Sort(true, false, TextArray::ContentPaths);
	EXPECT_EQ(Joined(list), std::string(kt::Ansi(L"C:\\ア\\|C:\\ヂ\\|C:\\表\\|C:\\表a\\")));
}
