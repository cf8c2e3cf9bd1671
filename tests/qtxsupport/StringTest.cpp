// StringTest.cpp - string helpers, the fixed-text cipher and the string array.
#include <kavrotest/TestSupport.h>

#include "SupportTestUtil.h"

TEST(Cipher, RoundTripsAndRefusesUnsuitableText)
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
	EXPECT_TRUE(StringUtils::EncryptText("").empty());
	EXPECT_TRUE(StringUtils::EncryptText(CString('y', 70000)).empty());
}

TEST(Cipher, DamagedOrRandomSequencesGiveEmptyText)
{
	const std::vector<int> good = StringUtils::EncryptText("Colour picker");
	ASSERT_EQ(StringUtils::DecryptText(good), "Colour picker");
	for (size_t i = 0; i < good.size(); ++i)
	{
		for (int bit = 0; bit < 32; ++bit)
		{
			std::vector<int> bad = good;
			bad[i] ^= static_cast<int>(1u << bit);
			EXPECT_EQ(StringUtils::DecryptText(bad), "") << "element " << i << " bit " << bit;
		}
	}
	std::vector<int> shorter(good.begin(), good.end() - 1), longer = good, swapped = good;
	longer.push_back(good.back());
	std::swap(swapped[2], swapped[3]);
	for (const std::vector<int>& bad :
		{ shorter, longer, swapped, std::vector<int>(), std::vector<int>{ 0 }, std::vector<int>(100000, -1) })
		EXPECT_EQ(StringUtils::DecryptText(bad), "") << bad.size();

	unsigned int seed = 12345;
	for (int n = 0; n < 2000; ++n)
	{
		std::vector<int> noise(1 + n % 40);
		for (int& value : noise)
			value = static_cast<int>(seed = seed * 1103515245u + 12345u);
		EXPECT_EQ(StringUtils::DecryptText(noise), "");
	}
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
	EXPECT_EQ(StringUtils::ToWide(text), western ? L"caf\u00E9 42%" : L"cafe 42%");
	EXPECT_TRUE(StringUtils::ToWide(NULL).empty() && StringUtils::ToWide("").empty());

	const char* ampersands[][2] = { { "&File", "File" }, { "Save && Exit", "Save & Exit" },
		{ "a&&&b", "a&b" }, { "end&", "end" } };
	for (auto& c : ampersands)
	{
		text = c[0];
		StringUtils::RemoveSingleAmpersand(text);
		EXPECT_EQ(text, c[1]) << c[0];
	}
	text = " \t x  y \r\n";
	EXPECT_EQ(StringUtils::Trim(text), "x  y");
	EXPECT_EQ(text, "x  y");
	EXPECT_TRUE(StringUtils::IsEffectivelyEmpty(" \t\r\n") && StringUtils::IsEffectivelyEmpty(""));
	EXPECT_FALSE(StringUtils::IsEffectivelyEmpty("  .  "));

	EXPECT_EQ(StringUtils::FindLast("C:\\a\\b\\a\\x", "\\a\\"), 6);
	EXPECT_EQ(StringUtils::FindLast("abc", "abcd"), -1);
	EXPECT_EQ(StringUtils::FindLast("abc", ""), -1);
	EXPECT_TRUE(StringUtils::MatchLastChars("C:\\Folder.LNK", ".lnk", false));
	EXPECT_FALSE(StringUtils::MatchLastChars("C:\\Folder.LNK", ".lnk", true));
	EXPECT_FALSE(StringUtils::MatchLastChars("lnk", ".lnk", false));
	EXPECT_FALSE(StringUtils::MatchLastChars("abc", "", false));

	EXPECT_EQ(StringUtils::CompareNoCase("Windows", "wINDOWS"), 0);
	EXPECT_LT(StringUtils::CompareNoCase("apple", "Banana"), 0);
	EXPECT_GT(StringUtils::CompareNoCase("abc", "AB"), 0);
	if (western)
	{
		EXPECT_EQ(StringUtils::CompareNoCase("caf\xE9", "CAF\xC9"), 0);
	}
}

TEST(TextArrayTest, EditingBoundsAndCopies)
{
	TextArray list;
	EXPECT_FALSE(list.IsLast(0));
	EXPECT_EQ(list.Add("b"), 0);
	EXPECT_EQ(list.Add("d"), 1);
	EXPECT_TRUE(list.InsertAt(0, "a") && list.InsertAt(2, "c") && list.InsertAt(4, "e"));
	EXPECT_FALSE(list.InsertAt(6, "x") || list.InsertAt(-1, "x") || list.SetAt(5, "x") || list.RemoveAt(5));
	EXPECT_EQ(Items(list), Texts({ "a", "b", "c", "d", "e" }));
	EXPECT_TRUE(list.IsLast(4) && !list.IsLast(3));
	EXPECT_EQ(list.GetCopyAt(5), "");
	EXPECT_EQ(list.GetCopyAt(-1), "");
	EXPECT_TRUE(list.SetAt(0, "A") && list.RemoveAt(1));

	TextArray copy(list), assigned;
	assigned = list;
	list.RemoveAll();
	EXPECT_TRUE(list.IsEmpty());
	EXPECT_EQ(Items(copy), Texts({ "A", "c", "d", "e" }));
	EXPECT_EQ(Items(assigned), Items(copy));

	TextArray names = MakeList({ "Alpha\\", "beta\\", "alpha\\" });
	bool found = false;
	EXPECT_EQ(names.Find("alpha\\", true, found), 2);
	EXPECT_TRUE(found);
	EXPECT_EQ(names.Find("ALPHA\\", false, found), 0);
	EXPECT_EQ(names.Find("alpha", false, found), -1);
	EXPECT_FALSE(found);
	EXPECT_TRUE(names.Have("BETA\\", false) && !names.Have("BETA\\", true));
}

TEST(TextArrayTest, SortOrders)
{
	TextArray text = MakeList({ "b", "B", "a", "A" });
	text.Sort(true, true, TextArray::ContentText);
	EXPECT_EQ(Items(text), Texts({ "A", "B", "a", "b" }));
	text = MakeList({ "b", "B", "a", "A" });
	text.Sort(true, false, TextArray::ContentText);
	EXPECT_EQ(Items(text), Texts({ "a", "A", "b", "B" })); // equal entries keep their order
	text.Sort(false, false, TextArray::ContentText);
	EXPECT_EQ(Items(text), Texts({ "b", "B", "a", "A" }));

	TextArray paths = MakeList({ "C:\\x\\Disk 10\\", "C:\\x\\a b\\", "C:\\x\\disk 9\\", "C:\\x\\B\\",
		"C:\\x\\a\\", "C:\\x\\a\\c\\" });
	paths.Sort(true, false, TextArray::ContentPaths);
	EXPECT_EQ(Items(paths), Texts({ "C:\\x\\a\\", "C:\\x\\a\\c\\", "C:\\x\\a b\\", "C:\\x\\B\\",
								"C:\\x\\disk 9\\", "C:\\x\\Disk 10\\" }));
	paths.Sort(false, false, TextArray::ContentPaths);
	EXPECT_EQ(paths.GetCopyAt(0), "C:\\x\\Disk 10\\");

	TextArray numbers = MakeList({ "10", "abc", "9", " 2 ", "-1.5", "1e2", "7x" });
	numbers.Sort(true, true, TextArray::ContentNumbers);
	EXPECT_EQ(Items(numbers), Texts({ "-1.5", " 2 ", "9", "10", "1e2", "7x", "abc" }));
}
