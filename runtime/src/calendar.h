#pragma once
// Calendar arithmetic on day numbers counted from 1 January 2010 (day 1) with a
// simplified leap rule: every year divisible by 4 is a leap year, centuries included.
#include <cstdint>

#include "tolvanea/runtime.h"

namespace tolvanea {

struct CalendarDate {
    std::int32_t year;
    std::int32_t month;
    std::int32_t day;
};

struct TimeOfDay {
    std::uint16_t hour;
    std::uint16_t minute;
    std::uint16_t second;
};

// Day 0 yields 2010-01-00.
CalendarDate dayToCalendarDate(std::uint32_t dayNumber);

// Years up to 2010 add nothing; month values below 2 count as January, above 12 as
// December; the sum wraps at 32 bits.
std::uint32_t calendarDateToDay(std::int32_t year, std::int32_t month, std::int32_t day);

std::uint32_t timeToSecondCount(std::uint16_t hour, std::uint16_t minute, std::uint16_t second);

// The hour is not reduced modulo 24; each field keeps its low 16 bits.
TimeOfDay secondCountToTime(std::uint32_t seconds);

SystemTime dayToSystemTimeRecord(std::uint32_t dayNumber);
std::uint32_t systemTimeRecordToDay(const SystemTime& t);
std::uint32_t systemTimeRecordToSeconds(const SystemTime& t);
SystemTime secondsToSystemTimeRecord(std::uint32_t seconds);

}  // namespace tolvanea
