// DateTime.cpp - moments as day number and second of the day.
#include "SupportImpl.h"

namespace
{

const __int64 kTicksPerSecond = 10000000;
const __int64 kTicksPerDay = kTicksPerSecond * DateTime::SecondsPerDay;

// Days since 1 January 1970 of a date of the proleptic Gregorian calendar.
__int64 DaysFromCivil(__int64 y, unsigned m, unsigned d)
{
	y -= m <= 2;
	const __int64 era = (y >= 0 ? y : y - 399) / 400;
	const unsigned yoe = static_cast<unsigned>(y - era * 400);
	const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
	const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
	return era * 146097 + static_cast<__int64>(doe) - 719468;
}

void CivilFromDays(__int64 z, __int64& y, unsigned& m, unsigned& d)
{
	z += 719468;
	const __int64 era = (z >= 0 ? z : z - 146096) / 146097;
	const unsigned doe = static_cast<unsigned>(z - era * 146097);
	const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
	const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
	const unsigned mp = (5 * doy + 2) / 153;
	d = doy - (153 * mp + 2) / 5 + 1;
	m = mp < 10 ? mp + 3 : mp - 9;
	y = static_cast<__int64>(yoe) + era * 400 + (m <= 2);
}

// Day numbers are counted from 1 January of the year 1, which is day 1.
const __int64 kDay1Offset = DaysFromCivil(1, 1, 1) - 1;
// The day number of 1 January 1601, where FILETIME starts.
const __int64 kFileTimeEpochDay = DaysFromCivil(1601, 1, 1) - kDay1Offset;

} // namespace

DateTime::DateTime()
	: m_nDay(0)
	, m_nSecond(-1)
{
}

DateTime::DateTime(int day, int second)
	: m_nDay(day)
	, m_nSecond(second)
{
}

bool DateTime::IsValidDay(int day)
{
	return day >= 1 && day <= MaxDay;
}

bool DateTime::IsValidSecond(int second)
{
	return second >= 0 && second < SecondsPerDay;
}

bool DateTime::IsSet() const
{
	return IsValidDay(m_nDay) && IsValidSecond(m_nSecond);
}

bool DateTime::operator==(const DateTime& other) const
{
	return m_nDay == other.m_nDay && m_nSecond == other.m_nSecond;
}

void DateTime::Set(int day, int second)
{
	m_nDay = day;
	m_nSecond = second;
}

void DateTime::SetUnset()
{
	m_nDay = 0;
	m_nSecond = -1;
}

void DateTime::SetToCurrent()
{
	FILETIME ft;
	::GetSystemTimeAsFileTime(&ft);
	SetFromFileTime(ft);
}

bool DateTime::SetFromFileTime(const FILETIME& ft)
{
	__int64 ticks =
		static_cast<__int64>((static_cast<unsigned __int64>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime);
	if (ticks < 0)
		return false;
	__int64 day = kFileTimeEpochDay + ticks / kTicksPerDay;
	if (day > MaxDay)
		return false;
	m_nDay = static_cast<int>(day);
	m_nSecond = static_cast<int>((ticks % kTicksPerDay) / kTicksPerSecond);
	return true;
}

bool DateTime::GetFileTime(FILETIME& ft) const
{
	if (!IsSet() || m_nDay < kFileTimeEpochDay)
		return false;
	unsigned __int64 ticks = static_cast<unsigned __int64>(m_nDay - kFileTimeEpochDay) * kTicksPerDay +
							 static_cast<unsigned __int64>(m_nSecond) * kTicksPerSecond;
	ft.dwLowDateTime = static_cast<DWORD>(ticks);
	ft.dwHighDateTime = static_cast<DWORD>(ticks >> 32);
	return true;
}

bool DateTime::GetSystemTime(SYSTEMTIME& st) const
{
	if (!IsSet())
		return false;
	__int64 year = 0;
	unsigned month = 0, day = 0;
	CivilFromDays(m_nDay + kDay1Offset, year, month, day);
	st.wYear = static_cast<WORD>(year);
	st.wMonth = static_cast<WORD>(month);
	st.wDay = static_cast<WORD>(day);
	// Day 1 was a Monday; Sunday is 0.
	st.wDayOfWeek = static_cast<WORD>(m_nDay % 7);
	st.wHour = static_cast<WORD>(m_nSecond / 3600);
	st.wMinute = static_cast<WORD>(m_nSecond / 60 % 60);
	st.wSecond = static_cast<WORD>(m_nSecond % 60);
	st.wMilliseconds = 0;
	return true;
}

bool DateTime::ConvertDeltaToSeconds(const DateTime& now, const DateTime& start, __int64& seconds)
{
	seconds = 0;
	if (!now.IsSet() || !start.IsSet())
		return false;
	seconds = (static_cast<__int64>(now.m_nDay) - start.m_nDay) * SecondsPerDay +
			  (static_cast<__int64>(now.m_nSecond) - start.m_nSecond);
	return true;
}

CString DateTime::ConvertSecondsToText(__int64 seconds)
{
	if (seconds < 0)
		seconds = 0;
	struct Unit
	{
		__int64 seconds;
		const char* name;
	};
	static const Unit units[] = { { 86400, "d" }, { 3600, "h" }, { 60, "min" }, { 1, "s" } };
	const int unitCount = sizeof(units) / sizeof(units[0]);

	int first = 0;
	while (first < unitCount - 1 && seconds < units[first].seconds)
		++first;

	CString text;
	__int64 major = seconds / units[first].seconds;
	text.Format("%I64d %s", major, units[first].name);
	if (first < unitCount - 1)
	{
		__int64 minor = seconds % units[first].seconds / units[first + 1].seconds;
		if (minor != 0)
			text.AppendFormat(" %I64d %s", minor, units[first + 1].name);
	}
	return text;
}
