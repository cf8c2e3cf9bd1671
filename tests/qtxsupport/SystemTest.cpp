// SystemTest.cpp - moments and durations, system settings and error texts, the application log.
//
// Classes in this file:
//   CountingLogger
#include <kavrotest/TestSupport.h>

#include "SupportTestUtil.h"

#include <fstream>
#include <regex>
#include <sstream>

TEST(DateTimeTest, ValidityCalendarAndFileTimes)
{
	EXPECT_FALSE(DateTime().IsSet());
	EXPECT_TRUE(DateTime(1, 0).IsSet() && DateTime(DateTime::MaxDay, 86399).IsSet());
	for (const DateTime& bad : { DateTime(0, 0), DateTime(3652062, 0), DateTime(1, 86400), DateTime(1, -1) })
		EXPECT_FALSE(bad.IsSet()) << bad.GetDay() << " " << bad.GetSecond();

	SYSTEMTIME st = {};
	ASSERT_TRUE(DateTime(737853, 5 * 3600 + 6 * 60 + 7).GetSystemTime(st));
	EXPECT_TRUE(st.wYear == 2021 && st.wMonth == 3 && st.wDay == 4 && st.wDayOfWeek == 4); // a Thursday
	EXPECT_TRUE(st.wHour == 5 && st.wMinute == 6 && st.wSecond == 7);
	ASSERT_TRUE(DateTime(1, 0).GetSystemTime(st));
	EXPECT_TRUE(st.wYear == 1 && st.wDayOfWeek == 1);
	ASSERT_TRUE(DateTime(3652059, 86399).GetSystemTime(st));
	EXPECT_TRUE(st.wYear == 9999 && st.wMonth == 12 && st.wDay == 31);
	EXPECT_FALSE(DateTime().GetSystemTime(st));

	SYSTEMTIME when = { 2024, 2, 4, 29, 23, 59, 58, 0 };
	FILETIME ft;
	DateTime moment;
	ASSERT_TRUE(::SystemTimeToFileTime(&when, &ft) && moment.SetFromFileTime(ft));
	FILETIME back = {};
	ASSERT_TRUE(moment.GetFileTime(back));
	EXPECT_TRUE(back.dwLowDateTime == ft.dwLowDateTime && back.dwHighDateTime == ft.dwHighDateTime);
	EXPECT_FALSE(DateTime(584388, 0).GetFileTime(back));
	FILETIME distant = { 0xFFFFFFFF, 0x7FFFFFFF };
	DateTime kept(100, 100);
	EXPECT_FALSE(kept.SetFromFileTime(distant));
	EXPECT_EQ(kept, DateTime(100, 100));
}

TEST(DateTimeTest, NowDeltasAndReadings)
{
	DateTime now, system;
	now.SetToCurrent();
	FILETIME ft;
	::GetSystemTimeAsFileTime(&ft);
	__int64 seconds = -1;
	ASSERT_TRUE(system.SetFromFileTime(ft) && DateTime::ConvertDeltaToSeconds(system, now, seconds));
	EXPECT_TRUE(seconds >= 0 && seconds <= 2) << seconds;

	EXPECT_TRUE(
		DateTime::ConvertDeltaToSeconds(DateTime(9, 86000), DateTime(10, 100), seconds) && seconds == -500);
	EXPECT_TRUE(DateTime::ConvertDeltaToSeconds(DateTime(3652061, 86399), DateTime(1, 0), seconds) &&
				seconds == 3652060LL * 86400 + 86399);
	EXPECT_FALSE(DateTime::ConvertDeltaToSeconds(DateTime(), now, seconds) ||
				 DateTime::ConvertDeltaToSeconds(now, DateTime(0, -1), seconds));
	EXPECT_EQ(seconds, 0);

	const std::pair<__int64, const char*> readings[] = { { 0, "0 s" }, { 45, "45 s" }, { 60, "1 min" },
		{ 125, "2 min 5 s" }, { 3720, "1 h 2 min" }, { 3 * 86400 + 4 * 3600 + 59, "3 d 4 h" }, { -5, "0 s" },
		{ 400LL * 86400, "400 d" } };
	for (const auto& r : readings)
		EXPECT_EQ(DateTime::ConvertSecondsToText(r.first), r.second) << r.first;
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
	EXPECT_TRUE(denied.Right(1) != "." && denied.Left(1) != " ") << denied.GetString();
	EXPECT_NE(denied, SystemUtils::GetLastError(ERROR_FILE_NOT_FOUND));
	::SetLastError(ERROR_ACCESS_DENIED);
	EXPECT_EQ(SystemUtils::GetLastError(0), denied);
	EXPECT_EQ(SystemUtils::GetLastError(0x2FFFFFFF), "Error 805306367");
}

namespace
{

class CountingLogger : public AppLogger
{
public:
	int calls = 0;
	virtual void AddLine(const CString& line) override
	{
		++calls;
		AppLogger::AddLine("counted " + line);
	}
};

} // namespace

TEST(AppLoggerTest, InstanceLinesFileLimitAndOverride)
{
	AppLogger* before = AppLogger::m_pInstance;
	kt::TempDir tmp;
	std::string path = tmp.Path() + "app.log";
	// Each line in the file: "YYYY-MM-DD hh:mm:ss  " and the text, ended by
	// CR LF; a second logger appends.
	const std::string stamp = "\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d  ";
	{
		AppLogger logger(path.c_str());
		EXPECT_TRUE(AppLogger::m_pInstance == &logger && logger.GetFilePath() == path.c_str());
		AppLogger::m_pInstance->AddLine("first");
		logger.AddLine("second line");
		EXPECT_EQ(Joined(logger.GetLines()), "first|second line");
	}
	EXPECT_EQ(AppLogger::m_pInstance, nullptr);
	AppLogger(path.c_str()).AddLine("third");
	std::stringstream file;
	file << std::ifstream(path, std::ios::binary).rdbuf();
	EXPECT_TRUE(std::regex_match(file.str(),
		std::regex(stamp + "first\r\n" + stamp + "second line\r\n" + stamp + "third\r\n")))
		<< file.str();

	// A file that cannot be made leaves the logger in memory only, which
	// keeps the most recent lines.
	{
		AppLogger logger((tmp.Path() + "missing\\app.log").c_str());
		EXPECT_EQ(logger.GetFilePath(), "");
		for (int i = 0; i < AppLogger::MaxKeptLines + 5; ++i)
			logger.AddLine(CString('x', i));
		TextArray lines = logger.GetLines();
		EXPECT_EQ(lines.GetCount(), AppLogger::MaxKeptLines);
		EXPECT_EQ(lines.GetCopyAt(0), CString('x', 5));
	}
	{
		CountingLogger counting;
		ASSERT_EQ(AppLogger::m_pInstance, &counting);
		AppLogger::m_pInstance->AddLine("x");
		EXPECT_EQ(counting.calls, 1);
		EXPECT_EQ(Joined(counting.GetLines()), "counted x");
	}
	AppLogger::m_pInstance = before;
}
