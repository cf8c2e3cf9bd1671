// String helpers, the fixed-text cipher and the string array.
#include <kavrotest/TestSupport.h>
#include <qtx/Support.h>

#include <string>
#include <vector>

namespace {

std::vector<CString> Items(const TextArray& list)
{
    std::vector<CString> items;
    for (__int64 i = 0; i < list.GetCount(); ++i)
        items.push_back(list.GetCopyAt(i));
    return items;
}

TextArray Make(std::initializer_list<const char*> texts)
{
    TextArray list;
    for (const char* text : texts)
        list.Add(text);
    return list;
}

std::vector<CString> Expect(std::initializer_list<const char*> texts)
{
    return std::vector<CString>(texts.begin(), texts.end());
}

}  // namespace

TEST(Cipher, RoundTripsEveryCharacterAndLength)
{
    std::string all;
    for (int ch = 1; ch < 256; ++ch)
        all += static_cast<char>(ch);
    const CString texts[] = { "A", "gM", "Time left", CString(all.c_str()), CString('x', 5000) };
    for (const CString& text : texts)
    {
        std::vector<int> cipher = StringUtils::EncryptText(text);
        ASSERT_EQ(cipher.size(), static_cast<size_t>(text.GetLength()) + 1);
        EXPECT_EQ(StringUtils::DecryptText(cipher), text);
    }
    // Equal characters do not give equal integers.
    std::vector<int> cipher = StringUtils::EncryptText("aaaa");
    EXPECT_NE(cipher[1], cipher[2]);
    EXPECT_NE(cipher[2], cipher[3]);

    EXPECT_TRUE(StringUtils::EncryptText("").empty());
    EXPECT_TRUE(StringUtils::EncryptText(CString('y', 70000)).empty());
}

TEST(Cipher, DamagedOrRandomSequencesGiveEmptyText)
{
    const std::vector<int> good = StringUtils::EncryptText("Colour picker");
    ASSERT_EQ(StringUtils::DecryptText(good), "Colour picker");

    // Every single changed bit shows.
    for (size_t i = 0; i < good.size(); ++i)
    {
        for (int bit = 0; bit < 32; ++bit)
        {
            std::vector<int> bad = good;
            bad[i] ^= static_cast<int>(1u << bit);
            EXPECT_EQ(StringUtils::DecryptText(bad), "") << "element " << i << " bit " << bit;
        }
    }
    std::vector<int> shorter(good.begin(), good.end() - 1);
    std::vector<int> longer = good;
    longer.push_back(good.back());
    std::vector<int> swapped = good;
    std::swap(swapped[2], swapped[3]);
    EXPECT_EQ(StringUtils::DecryptText(shorter), "");
    EXPECT_EQ(StringUtils::DecryptText(longer), "");
    EXPECT_EQ(StringUtils::DecryptText(swapped), "");
    EXPECT_EQ(StringUtils::DecryptText({}), "");
    EXPECT_EQ(StringUtils::DecryptText({ 0 }), "");
    EXPECT_EQ(StringUtils::DecryptText(std::vector<int>(100000, -1)), "");

    unsigned int seed = 12345;
    for (int n = 0; n < 2000; ++n)
    {
        std::vector<int> noise(1 + n % 40);
        for (int& value : noise)
        {
            seed = seed * 1103515245u + 12345u;
            value = static_cast<int>(seed);
        }
        EXPECT_EQ(StringUtils::DecryptText(noise), "");
    }
}

TEST(StringUtilsTest, ConvertToWCHARCopiesThroughTheBuffer)
{
    CString text("Progress 42%");
    wchar_t* wide = StringUtils::ConvertToWCHAR(text);
    ASSERT_NE(wide, nullptr);
    EXPECT_STREQ(wide, L"Progress 42%");
    delete[] wide;
    text.ReleaseBuffer(-1);
    EXPECT_EQ(text, "Progress 42%");

    CString empty;
    wide = StringUtils::ConvertToWCHAR(empty);
    ASSERT_NE(wide, nullptr);
    EXPECT_STREQ(wide, L"");
    delete[] wide;
    empty.ReleaseBuffer(-1);

    if (::GetACP() == 1252)
    {
        CString accented("caf\xE9");
        wide = StringUtils::ConvertToWCHAR(accented);
        EXPECT_STREQ(wide, L"caf\u00E9");
        delete[] wide;
        accented.ReleaseBuffer(-1);
    }
}

TEST(StringUtilsTest, RemoveSingleAmpersand)
{
    const char* cases[][2] = {
        { "&File", "File" },        { "Save && Exit", "Save & Exit" }, { "a&&&b", "a&b" },
        { "&&&", "&" },             { "end&", "end" },                 { "", "" },
        { "plain", "plain" },       { "&&", "&" },
    };
    for (auto& c : cases)
    {
        CString text(c[0]);
        StringUtils::RemoveSingleAmpersand(text);
        EXPECT_EQ(text, c[1]) << c[0];
    }
}

TEST(StringUtilsTest, TrimAndEmptiness)
{
    CString text(" \t x  y \r\n");
    EXPECT_EQ(StringUtils::Trim(text), "x  y");
    EXPECT_EQ(text, "x  y");
    EXPECT_TRUE(StringUtils::IsEffectivelyEmpty(""));
    EXPECT_TRUE(StringUtils::IsEffectivelyEmpty(" \t\r\n"));
    EXPECT_FALSE(StringUtils::IsEffectivelyEmpty("  .  "));
}

TEST(StringUtilsTest, FindLastAndMatchLastChars)
{
    EXPECT_EQ(StringUtils::FindLast("C:\\a\\b\\a\\x", "\\a\\"), 6);
    EXPECT_EQ(StringUtils::FindLast("abc", "abc"), 0);
    EXPECT_EQ(StringUtils::FindLast("abc", "abcd"), -1);
    EXPECT_EQ(StringUtils::FindLast("abc", "x"), -1);
    EXPECT_EQ(StringUtils::FindLast("abc", ""), -1);

    EXPECT_TRUE(StringUtils::MatchLastChars("C:\\Folder.LNK", ".lnk", false));
    EXPECT_FALSE(StringUtils::MatchLastChars("C:\\Folder.LNK", ".lnk", true));
    EXPECT_TRUE(StringUtils::MatchLastChars("C:\\Folder.LNK", ".LNK", true));
    EXPECT_FALSE(StringUtils::MatchLastChars("lnk", ".lnk", false));
    EXPECT_FALSE(StringUtils::MatchLastChars("abc", "", false));
}

TEST(StringUtilsTest, CaseTables)
{
    EXPECT_EQ(StringUtils::m_tableUppercase[static_cast<unsigned char>('q')], 'Q');
    EXPECT_EQ(StringUtils::m_tableLowercase[static_cast<unsigned char>('Q')], 'q');
    EXPECT_EQ(StringUtils::m_tableUppercase[static_cast<unsigned char>('7')], '7');
    EXPECT_EQ(StringUtils::m_tableLowercase[0], '\0');
    if (::GetACP() == 1252)
    {
        EXPECT_EQ(StringUtils::m_tableUppercase[0xE9], '\xC9');
        EXPECT_EQ(StringUtils::m_tableLowercase[0xC9], '\xE9');
    }
    EXPECT_EQ(StringUtils::CompareNoCase("Windows", "wINDOWS"), 0);
    EXPECT_LT(StringUtils::CompareNoCase("apple", "Banana"), 0);
    EXPECT_GT(StringUtils::CompareNoCase("abc", "AB"), 0);
}

TEST(TextArrayTest, EditingAndBounds)
{
    TextArray list;
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_FALSE(list.IsLast(0));
    EXPECT_EQ(list.Add("b"), 0);
    EXPECT_EQ(list.Add("d"), 1);
    EXPECT_TRUE(list.InsertAt(0, "a"));
    EXPECT_TRUE(list.InsertAt(2, "c"));
    EXPECT_TRUE(list.InsertAt(4, "e"));
    EXPECT_FALSE(list.InsertAt(6, "x"));
    EXPECT_FALSE(list.InsertAt(-1, "x"));
    EXPECT_EQ(Items(list), Expect({ "a", "b", "c", "d", "e" }));
    EXPECT_EQ(list.GetCount(), 5);
    EXPECT_TRUE(list.IsLast(4));
    EXPECT_FALSE(list.IsLast(3));

    EXPECT_EQ(list.GetCopyAt(5), "");
    EXPECT_EQ(list.GetCopyAt(-1), "");
    EXPECT_FALSE(list.SetAt(5, "x"));
    EXPECT_TRUE(list.SetAt(0, "A"));
    EXPECT_FALSE(list.RemoveAt(5));
    EXPECT_TRUE(list.RemoveAt(1));
    EXPECT_EQ(Items(list), Expect({ "A", "c", "d", "e" }));

    // Copies are independent.
    TextArray copy(list);
    TextArray assigned;
    assigned = list;
    list.RemoveAll();
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_EQ(Items(copy), Expect({ "A", "c", "d", "e" }));
    EXPECT_EQ(Items(assigned), Items(copy));
}

TEST(TextArrayTest, FindAndHave)
{
    TextArray list = Make({ "Alpha\\", "beta\\", "alpha\\" });
    bool found = false;
    EXPECT_EQ(list.Find("alpha\\", true, found), 2);
    EXPECT_TRUE(found);
    EXPECT_EQ(list.Find("ALPHA\\", false, found), 0);
    EXPECT_TRUE(found);
    EXPECT_EQ(list.Find("alpha", false, found), -1);
    EXPECT_FALSE(found);
    EXPECT_TRUE(list.Have("BETA\\", false));
    EXPECT_FALSE(list.Have("BETA\\", true));
}

TEST(TextArrayTest, SortOrders)
{
    TextArray text = Make({ "b", "B", "a", "A" });
    text.Sort(true, true, TextArray::ContentText);
    EXPECT_EQ(Items(text), Expect({ "A", "B", "a", "b" }));
    text = Make({ "b", "B", "a", "A" });
    text.Sort(true, false, TextArray::ContentText);
    EXPECT_EQ(Items(text), Expect({ "a", "A", "b", "B" }));  // equal entries keep their order
    text.Sort(false, false, TextArray::ContentText);
    EXPECT_EQ(Items(text), Expect({ "b", "B", "a", "A" }));

    TextArray paths = Make({ "C:\\x\\Disk 10\\", "C:\\x\\a b\\", "C:\\x\\disk 9\\", "C:\\x\\B\\", "C:\\x\\a\\",
                             "C:\\x\\a\\c\\" });
    paths.Sort(true, false, TextArray::ContentPaths);
    EXPECT_EQ(Items(paths), Expect({ "C:\\x\\a\\", "C:\\x\\a\\c\\", "C:\\x\\a b\\", "C:\\x\\B\\", "C:\\x\\disk 9\\",
                                     "C:\\x\\Disk 10\\" }));
    paths.Sort(false, false, TextArray::ContentPaths);
    EXPECT_EQ(paths.GetCopyAt(0), "C:\\x\\Disk 10\\");

    TextArray numbers = Make({ "10", "abc", "9", " 2 ", "-1.5", "1e2", "7x" });
    numbers.Sort(true, true, TextArray::ContentNumbers);
    EXPECT_EQ(Items(numbers), Expect({ "-1.5", " 2 ", "9", "10", "1e2", "7x", "abc" }));
}
