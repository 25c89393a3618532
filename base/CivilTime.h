#pragma once

#include <cstdint>
#include <string>

namespace corvane {

// Calendar fields of a time value in UTC. Time values count seconds since
// 1970-01-01 00:00 UTC; the arithmetic is pure, so no TZ setting affects it.
struct CivilTime {
    int year = 1970;  // full year
    int month = 1;    // 1..12
    int day = 1;      // 1..31
    int hour = 0;
    int minute = 0;
    int second = 0;
    int weekday = 4;  // 0 = Sunday
};

CivilTime BreakDownUtc(std::int64_t time);

// Seconds since 1970 of a UTC calendar date and time. Hours, minutes and
// seconds outside their usual range carry into the date.
std::int64_t MakeUtcTime(int year, int month, int day, int hour, int minute, int second);

// Days since 1970-01-01 of a calendar date (proleptic Gregorian).
std::int64_t DaysFromCivil(int year, int month, int day);

// The logger's date and time texts of a time value, each with a leading
// blank: " MM/DD/YYYY" and " HH:MM:SS", in UTC. A negative time is shown
// as the largest time value.
struct DateAndTimeText {
    std::string date;
    std::string time;
};
DateAndTimeText FormatDateAndTime(std::int32_t time);

}  // namespace corvane
