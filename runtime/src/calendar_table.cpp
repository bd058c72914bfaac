// CalendarTable: dates, times of day and seconds values from 1 January 2010.
#include <cstring>

#include "calendar.h"
#include "entry_guard.h"
#include "table_fill.h"

using namespace tolvanea;

namespace {

void dayToDate(uint32_t dayNumber, int32_t* year, int32_t* month, int32_t* day) {
    CalendarDate d = dayToCalendarDate(dayNumber);
    if (year) *year = d.year;
    if (month) *month = d.month;
    if (day) *day = d.day;
}

void dayToSystemTime(uint32_t dayNumber, SystemTime* out) {
    if (out) *out = dayToSystemTimeRecord(dayNumber);
}

uint32_t dateToDay(int32_t year, int32_t month, int32_t day) { return calendarDateToDay(year, month, day); }

uint32_t systemTimeToDay(const SystemTime* time) { return time ? systemTimeRecordToDay(*time) : 0; }

uint32_t timeToSeconds(uint16_t hour, uint16_t minute, uint16_t second) {
    return timeToSecondCount(hour, minute, second);
}

RtBool secondsToTime(uint32_t seconds, uint16_t* hour, uint16_t* minute, uint16_t* second) {
    TimeOfDay t = secondCountToTime(seconds);
    if (hour) *hour = t.hour;
    if (minute) *minute = t.minute;
    if (second) *second = t.second;
    return 1;
}

uint32_t systemTimeToSeconds(const SystemTime* time) { return time ? systemTimeRecordToSeconds(*time) : 0; }

void secondsToSystemTime(uint32_t seconds, SystemTime* out) {
    if (out) *out = secondsToSystemTimeRecord(seconds);
}

}  // namespace

void fillCalendarTable(CalendarTable* table) {
    table->size = sizeof(CalendarTable);
    table->dayToDate = guarded<dayToDate>;
    table->dayToSystemTime = guarded<dayToSystemTime>;
    table->dateToDay = guarded<dateToDay>;
    table->systemTimeToDay = guarded<systemTimeToDay>;
    table->timeToSeconds = guarded<timeToSeconds>;
    table->secondsToTime = guarded<secondsToTime>;
    table->systemTimeToSeconds = guarded<systemTimeToSeconds>;
    table->secondsToSystemTime = guarded<secondsToSystemTime>;
}
