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
