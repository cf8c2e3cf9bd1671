// Moments and durations, system settings and error texts, modifier keys, the
// application log and font descriptions.
#include <kavrotest/TestSupport.h>
#include <qtx/Support.h>

#include <fstream>
#include <sstream>
#include <string>

TEST(DateTimeTest, ValidityRanges)
{
    DateTime unset;
    EXPECT_EQ(unset.GetDay(), 0);
    EXPECT_EQ(unset.GetSecond(), -1);
    EXPECT_FALSE(unset.IsSet());

    EXPECT_FALSE(DateTime::IsValidDay(0));
    EXPECT_TRUE(DateTime::IsValidDay(1));
    EXPECT_TRUE(DateTime::IsValidDay(3652061));
    EXPECT_FALSE(DateTime::IsValidDay(3652062));
    EXPECT_FALSE(DateTime::IsValidSecond(-1));
    EXPECT_TRUE(DateTime::IsValidSecond(0));
    EXPECT_TRUE(DateTime::IsValidSecond(86399));
    EXPECT_FALSE(DateTime::IsValidSecond(86400));
    EXPECT_TRUE(DateTime(1, 0).IsSet());
    EXPECT_TRUE(DateTime(3652061, 86399).IsSet());
    EXPECT_FALSE(DateTime(1, 86400).IsSet());
    EXPECT_FALSE(DateTime(-5, 10).IsSet());

    DateTime moment(5, 5);
    moment.SetUnset();
    EXPECT_EQ(moment, DateTime());
}

TEST(DateTimeTest, CalendarAndFileTimes)
{
    SYSTEMTIME st = {};
    ASSERT_TRUE(DateTime(737853, 5 * 3600 + 6 * 60 + 7).GetSystemTime(st));
    EXPECT_EQ(st.wYear, 2021);
    EXPECT_EQ(st.wMonth, 3);
    EXPECT_EQ(st.wDay, 4);
    EXPECT_EQ(st.wDayOfWeek, 4);  // a Thursday
    EXPECT_EQ(st.wHour, 5);
    EXPECT_EQ(st.wMinute, 6);
    EXPECT_EQ(st.wSecond, 7);
    ASSERT_TRUE(DateTime(1, 0).GetSystemTime(st));
    EXPECT_EQ(st.wYear, 1);
    EXPECT_EQ(st.wDayOfWeek, 1);
    ASSERT_TRUE(DateTime(3652059, 86399).GetSystemTime(st));
    EXPECT_EQ(st.wYear, 9999);
    EXPECT_EQ(st.wMonth, 12);
    EXPECT_EQ(st.wDay, 31);
    EXPECT_FALSE(DateTime().GetSystemTime(st));

    FILETIME ft = { 0, 0 };
    DateTime moment;
    ASSERT_TRUE(moment.SetFromFileTime(ft));
    EXPECT_EQ(moment, DateTime(584389, 0));  // 1 January 1601

    SYSTEMTIME when = { 2024, 2, 4, 29, 23, 59, 58, 0 };
    ASSERT_TRUE(::SystemTimeToFileTime(&when, &ft));
    ASSERT_TRUE(moment.SetFromFileTime(ft));
    FILETIME back = {};
    ASSERT_TRUE(moment.GetFileTime(back));
    EXPECT_EQ(back.dwLowDateTime, ft.dwLowDateTime);
    EXPECT_EQ(back.dwHighDateTime, ft.dwHighDateTime);
    EXPECT_FALSE(DateTime(584388, 0).GetFileTime(back));

    FILETIME distant = { 0xFFFFFFFF, 0x7FFFFFFF };
    DateTime kept(100, 100);
    EXPECT_FALSE(kept.SetFromFileTime(distant));
    EXPECT_EQ(kept, DateTime(100, 100));
}

TEST(DateTimeTest, NowDeltasAndReadings)
{
    DateTime now;
    now.SetToCurrent();
    ASSERT_TRUE(now.IsSet());
    FILETIME ft;
    ::GetSystemTimeAsFileTime(&ft);
    DateTime system;
    ASSERT_TRUE(system.SetFromFileTime(ft));
    __int64 seconds = -1;
    ASSERT_TRUE(DateTime::ConvertDeltaToSeconds(system, now, seconds));
    EXPECT_GE(seconds, 0);
    EXPECT_LE(seconds, 2);

    ASSERT_TRUE(DateTime::ConvertDeltaToSeconds(DateTime(10, 100), DateTime(9, 86000), seconds));
    EXPECT_EQ(seconds, 500);
    ASSERT_TRUE(DateTime::ConvertDeltaToSeconds(DateTime(9, 86000), DateTime(10, 100), seconds));
    EXPECT_EQ(seconds, -500);
    ASSERT_TRUE(DateTime::ConvertDeltaToSeconds(DateTime(3652061, 86399), DateTime(1, 0), seconds));
    EXPECT_EQ(seconds, 3652060LL * 86400 + 86399);
    EXPECT_FALSE(DateTime::ConvertDeltaToSeconds(DateTime(), now, seconds));
    EXPECT_EQ(seconds, 0);
    EXPECT_FALSE(DateTime::ConvertDeltaToSeconds(now, DateTime(0, -1), seconds));

    const struct
    {
        __int64 seconds;
        const char* text;
    } readings[] = {
        { 0, "0 s" },        { 45, "45 s" },         { 60, "1 min" },       { 125, "2 min 5 s" },
        { 3600, "1 h" },     { 3720, "1 h 2 min" },  { 3 * 86400 + 4 * 3600 + 59, "3 d 4 h" },
        { -5, "0 s" },       { 400LL * 86400, "400 d" },
    };
    for (const auto& r : readings)
        EXPECT_EQ(DateTime::ConvertSecondsToText(r.seconds), r.text) << r.seconds;
}

TEST(SystemUtilsTest, WheelLinesAndErrorTexts)
{
    UINT saved = 3;
    ASSERT_TRUE(::SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &saved, 0));
    ASSERT_TRUE(::SystemParametersInfoA(SPI_SETWHEELSCROLLLINES, 7, NULL, 0));
    EXPECT_EQ(SystemUtils::GetMouseScrollLines(), 7);
    ASSERT_TRUE(::SystemParametersInfoA(SPI_SETWHEELSCROLLLINES, WHEEL_PAGESCROLL, NULL, 0));
    EXPECT_EQ(SystemUtils::GetMouseScrollLines(), -1);
    ::SystemParametersInfoA(SPI_SETWHEELSCROLLLINES, saved, NULL, 0);

    CString denied = SystemUtils::GetLastError(ERROR_ACCESS_DENIED);
    EXPECT_FALSE(denied.IsEmpty());
    EXPECT_EQ(denied.FindOneOf("\r\n"), -1);
    EXPECT_NE(denied.Right(1), ".");
    EXPECT_NE(denied.Left(1), " ");
    EXPECT_NE(denied, SystemUtils::GetLastError(ERROR_FILE_NOT_FOUND));

    ::SetLastError(ERROR_ACCESS_DENIED);
    EXPECT_EQ(SystemUtils::GetLastError(0), denied);
    EXPECT_EQ(SystemUtils::GetLastError(0x2FFFFFFF), "Error 805306367");
}

TEST(KeyboardTest, ModifierStateOfTheThread)
{
    BYTE saved[256];
    ASSERT_TRUE(::GetKeyboardState(saved));
    BYTE state[256] = {};
    state[VK_SHIFT] = 0x80;
    ASSERT_TRUE(::SetKeyboardState(state));
    EXPECT_TRUE(Keyboard::IsShiftKeyDown());
    EXPECT_FALSE(Keyboard::IsCtrlKeyDown());
    state[VK_SHIFT] = 0;
    state[VK_CONTROL] = 0x80;
    ASSERT_TRUE(::SetKeyboardState(state));
    EXPECT_FALSE(Keyboard::IsShiftKeyDown());
    EXPECT_TRUE(Keyboard::IsCtrlKeyDown());
    ::SetKeyboardState(saved);
}

namespace {

class CountingLogger : public AppLogger
{
public:
    int calls = 0;
    void AddLine(const CString& line) override
    {
        ++calls;
        AppLogger::AddLine("counted " + line);
    }
};

}  // namespace

TEST(AppLoggerTest, InstanceLinesAndFile)
{
    AppLogger* before = AppLogger::m_pInstance;
    kt::TempDir tmp;
    std::string path = tmp.Path() + "app.log";
    {
        AppLogger logger(path.c_str());
        EXPECT_EQ(AppLogger::m_pInstance, &logger);
        EXPECT_EQ(logger.GetFilePath(), path.c_str());
        AppLogger::m_pInstance->AddLine("{313B83F6-A402-4327-977B-F35D59EB079F}");
        logger.AddLine("second line");
        TextArray lines = logger.GetLines();
        ASSERT_EQ(lines.GetCount(), 2);
        EXPECT_EQ(lines.GetCopyAt(0), "{313B83F6-A402-4327-977B-F35D59EB079F}");
    }
    EXPECT_EQ(AppLogger::m_pInstance, nullptr);

    std::ifstream file(path, std::ios::binary);
    std::stringstream content;
    content << file.rdbuf();
    std::string text = content.str();
    // Each line: "YYYY-MM-DD hh:mm:ss  " and the text, ended by CR LF.
    size_t first = text.find("\r\n");
    ASSERT_NE(first, std::string::npos);
    EXPECT_EQ(text.substr(21, first - 21), "{313B83F6-A402-4327-977B-F35D59EB079F}");
    EXPECT_EQ(text[4], '-');
    EXPECT_EQ(text[13], ':');
    EXPECT_EQ(text.substr(first + 2 + 21), "second line\r\n");

    // Appending to an existing file keeps what is there.
    {
        AppLogger again(path.c_str());
        again.AddLine("third");
    }
    std::ifstream reread(path, std::ios::binary);
    std::stringstream all;
    all << reread.rdbuf();
    EXPECT_EQ(all.str().substr(0, text.size()), text);
    EXPECT_NE(all.str().find("third\r\n"), std::string::npos);

    AppLogger::m_pInstance = before;
}

TEST(AppLoggerTest, MemoryLimitUnusableFileAndOverride)
{
    AppLogger* before = AppLogger::m_pInstance;
    {
        kt::TempDir tmp;
        AppLogger logger((tmp.Path() + "missing\\app.log").c_str());
        EXPECT_EQ(logger.GetFilePath(), "");
        for (int i = 0; i < AppLogger::MaxKeptLines + 5; ++i)
        {
            CString line;
            line.Format("line %d", i);
            logger.AddLine(line);
        }
        TextArray lines = logger.GetLines();
        EXPECT_EQ(lines.GetCount(), AppLogger::MaxKeptLines);
        EXPECT_EQ(lines.GetCopyAt(0), "line 5");
    }
    {
        CountingLogger counting;
        ASSERT_EQ(AppLogger::m_pInstance, &counting);
        AppLogger::m_pInstance->AddLine("x");
        EXPECT_EQ(counting.calls, 1);
        EXPECT_EQ(counting.GetLines().GetCopyAt(0), "counted x");
    }
    AppLogger::m_pInstance = before;
}

TEST(FontDefTest, DefaultsAndAccessors)
{
    FontDef def;
    EXPECT_NE(def.GetLogFont().lfFaceName[0], '\0');
    EXPECT_NE(def.GetLogFont().lfHeight, 0);
    EXPECT_EQ(def.GetTextColor(), RGB(0, 0, 0));

    LOGFONTA lf = {};
    lf.lfHeight = -20;
    lf.lfWeight = FW_BOLD;
    lstrcpyA(lf.lfFaceName, "Tahoma");
    FontDef bold(lf, RGB(10, 20, 30));
    EXPECT_EQ(bold.GetLogFont().lfWeight, FW_BOLD);
    EXPECT_STREQ(bold.GetLogFont().lfFaceName, "Tahoma");
    EXPECT_EQ(bold.GetTextColor(), RGB(10, 20, 30));
    bold.SetTextColor(RGB(1, 2, 3));
    lf.lfHeight = -9;
    bold.SetLogFont(lf);
    EXPECT_EQ(bold.GetTextColor(), RGB(1, 2, 3));
    EXPECT_EQ(bold.GetLogFont().lfHeight, -9);
}
