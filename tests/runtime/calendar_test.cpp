// Calendar arithmetic through CalendarTable: day numbers from 1 January 2010.
#include "runtime_host.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

const CalendarTable& calendar() { return *runtimeRoot().calendarTable; }

struct Date {
    int32_t year, month, day;
    bool operator==(const Date&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Date& d) { return os << d.year << '-' << d.month << '-' << d.day; }

Date dateOf(uint32_t n) {
    Date d{-1, -1, -1};
    calendar().dayToDate(n, &d.year, &d.month, &d.day);
    return d;
}

// The year-by-year walk, taken literally, that the table must reproduce.
Date walkOracle(uint32_t n) {
    const int64_t estimate = n / 365 + 2010;
    int64_t total = 0, before = 0, year = estimate;
    for (int64_t y = 2010; y < estimate; ++y) {
        int64_t len = y % 4 == 0 ? 366 : 365;
        if (total + len >= n) {
            year = y;
            before = total;
            break;
        }
        total += len;
        before = total;
    }
    int64_t d = int64_t(n) - before;
    const int lengths[12] = {31, year % 4 == 0 ? 29 : 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    for (int m = 1; m <= 12; ++m) {
        if (d - lengths[m - 1] <= 0) return {int32_t(year), m, int32_t(d)};
        d -= lengths[m - 1];
    }
    return {int32_t(year), 13, int32_t(d)};
}

TEST(Calendar, KnownDays) {
    EXPECT_EQ(dateOf(0), (Date{2010, 1, 0}));
    EXPECT_EQ(dateOf(1), (Date{2010, 1, 1}));
    EXPECT_EQ(dateOf(365), (Date{2010, 12, 31}));
    EXPECT_EQ(dateOf(366), (Date{2011, 1, 1}));
    EXPECT_EQ(dateOf(790), (Date{2012, 2, 29}));
    EXPECT_EQ(dateOf(1155), (Date{2013, 2, 28}));
    EXPECT_EQ(calendar().dateToDay(2012, 3, 1), 791u);
}

TEST(Calendar, EveryDayOfFourCenturiesRoundTripsAndMatchesTheWalk) {
    // 2100 is a leap year here: no century rule.
    for (uint32_t n = 1; n <= 146100 + 400; ++n) {
        Date d = dateOf(n);
        ASSERT_EQ(d, walkOracle(n)) << "day " << n;
        ASSERT_EQ(calendar().dateToDay(d.year, d.month, d.day), n) << d;
    }
    EXPECT_EQ(dateOf(calendar().dateToDay(2100, 2, 29)), (Date{2100, 2, 29}));
}

TEST(Calendar, FarDayNumbersMatchTheWalk) {
    for (uint32_t n : {1000000u, 123456789u, 4000000000u, 4294967295u}) {
        EXPECT_EQ(dateOf(n), walkOracle(n)) << n;
        Date d = dateOf(n);
        EXPECT_EQ(calendar().dateToDay(d.year, d.month, d.day), n);
    }
}

TEST(Calendar, OutOfRangeMonthsAndEarlyYears) {
    EXPECT_EQ(calendar().dateToDay(2011, 0, 5), calendar().dateToDay(2011, 1, 5));
    EXPECT_EQ(calendar().dateToDay(2011, 13, 5), calendar().dateToDay(2011, 12, 5));
    EXPECT_EQ(calendar().dateToDay(2011, -7, 5), calendar().dateToDay(2011, 1, 5));
    // Years before 2010 contribute nothing; the leap day of a multiple of 4 still counts.
    EXPECT_EQ(calendar().dateToDay(1999, 3, 1), 59u + 1u);
    EXPECT_EQ(calendar().dateToDay(2008, 3, 1), 59u + 1u + 1u);
    EXPECT_EQ(calendar().dateToDay(-5, 1, 1), 1u);
}

TEST(Calendar, SecondsAndTimesOfDay) {
    EXPECT_EQ(calendar().timeToSeconds(25, 1, 1), 90061u);
    uint16_t h = 0, m = 0, s = 0;
    EXPECT_EQ(calendar().secondsToTime(90061, &h, &m, &s), 1);
    EXPECT_EQ(h, 25);
    EXPECT_EQ(m, 1);
    EXPECT_EQ(s, 1);
    EXPECT_EQ(calendar().secondsToTime(59, nullptr, nullptr, &s), 1);
    EXPECT_EQ(s, 59);
}

SystemTime garbage() {
    SystemTime t;
    std::memset(&t, 0xAB, sizeof t);
    return t;
}

TEST(Calendar, SystemTimeRecords) {
    SystemTime t = garbage();
    calendar().secondsToSystemTime(86400, &t);
    EXPECT_EQ(t.year, 2010);
    EXPECT_EQ(t.month, 1);
    EXPECT_EQ(t.day, 1);
    EXPECT_EQ(t.hour, 0);
    EXPECT_EQ(t.dayOfWeek, 0);  // cleared, never set
    EXPECT_EQ(t.milliseconds, 0);

    t = garbage();
    calendar().secondsToSystemTime(90061, &t);
    EXPECT_EQ(t.day, 1);
    EXPECT_EQ(t.hour, 1);
    EXPECT_EQ(t.minute, 1);
    EXPECT_EQ(t.second, 1);

    SystemTime jan2{};
    jan2.year = 2010;
    jan2.month = 1;
    jan2.day = 2;
    EXPECT_EQ(calendar().systemTimeToSeconds(&jan2), 172800u);
    EXPECT_EQ(calendar().systemTimeToDay(&jan2), 2u);

    t = garbage();
    calendar().dayToSystemTime(790, &t);
    EXPECT_EQ(t.year, 2012);
    EXPECT_EQ(t.month, 2);
    EXPECT_EQ(t.day, 29);
    EXPECT_EQ(t.hour, 0);
    EXPECT_EQ(t.second, 0);
    EXPECT_EQ(t.dayOfWeek, 0);

    // Round trip of a seconds value through the record.
    const uint32_t when = calendar().dateToDay(2031, 7, 14) * 86400u + 13 * 3600 + 5 * 60 + 9;
    calendar().secondsToSystemTime(when, &t);
    EXPECT_EQ(calendar().systemTimeToSeconds(&t), when);
}

}  // namespace
