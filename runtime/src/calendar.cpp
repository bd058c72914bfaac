#include "calendar.h"

namespace tolvanea {
namespace {

constexpr std::int64_t firstYear = 2010;
constexpr std::uint32_t monthLength[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
constexpr std::uint32_t daysBeforeMonth[12] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};

// Days of the years 2010 .. year-1, the running total of a year-by-year walk in closed
// form (leap years are the multiples of 4 from 2012 on).
std::uint64_t daysBeforeYear(std::int64_t year) {
    if (year <= firstYear) return 0;
    return 365 * (year - firstYear) + (year - 1) / 4 - (firstYear - 1) / 4;
}

}  // namespace

CalendarDate dayToCalendarDate(std::uint32_t n) {
    const std::int64_t estimate = n / 365 + firstYear;
    // The walk over the years before the estimate stops at the first year whose running
    // total reaches n. No year before n / 366 can reach it (no year is longer than 366
    // days), so the walk starts there; the result is the same as walking from 2010.
    std::int64_t year = firstYear + (n / 366 > 0 ? n / 366 - 1 : 0);
    if (year > estimate) year = estimate;
    while (year < estimate && daysBeforeYear(year + 1) < n) ++year;
    std::uint64_t d = n - daysBeforeYear(year);
    const bool leap = year % 4 == 0;
    std::int32_t month = 12;
    for (std::int32_t m = 1; m <= 12; ++m) {
        std::uint64_t len = monthLength[m - 1] + (m == 2 && leap ? 1 : 0);
        if (d <= len) {
            month = m;
            break;
        }
        d -= len;
    }
    return {std::int32_t(year), month, std::int32_t(d)};
}

std::uint32_t calendarDateToDay(std::int32_t year, std::int32_t month, std::int32_t day) {
    const std::int32_t m = month < 1 ? 1 : month > 12 ? 12 : month;
    std::uint64_t total = daysBeforeYear(year) + daysBeforeMonth[m - 1];
    if (m >= 3 && year % 4 == 0) ++total;
    return std::uint32_t(total + std::uint64_t(std::int64_t(day)));
}

std::uint32_t timeToSecondCount(std::uint16_t hour, std::uint16_t minute, std::uint16_t second) {
    return std::uint32_t(hour) * 3600u + std::uint32_t(minute) * 60u + second;
}

TimeOfDay secondCountToTime(std::uint32_t s) {
    return {std::uint16_t(s / 3600), std::uint16_t((s % 3600) / 60), std::uint16_t(s % 60)};
}

SystemTime dayToSystemTimeRecord(std::uint32_t dayNumber) {
    CalendarDate date = dayToCalendarDate(dayNumber);
    SystemTime t{};
    t.year = std::uint16_t(date.year);
    t.month = std::uint16_t(date.month);
    t.day = std::uint16_t(date.day);
    return t;
}

std::uint32_t systemTimeRecordToDay(const SystemTime& t) { return calendarDateToDay(t.year, t.month, t.day); }

std::uint32_t systemTimeRecordToSeconds(const SystemTime& t) {
    return systemTimeRecordToDay(t) * 86400u + timeToSecondCount(t.hour, t.minute, t.second);
}

SystemTime secondsToSystemTimeRecord(std::uint32_t seconds) {
    SystemTime t = dayToSystemTimeRecord(seconds / 86400);
    std::uint32_t r = seconds % 86400;
    t.hour = std::uint16_t(r / 3600);
    t.minute = std::uint16_t((r % 3600) / 60);
    t.second = std::uint16_t(r % 60);
    return t;
}

}  // namespace tolvanea
