#include "base/CivilTime.h"

#include <cstdio>
#include <limits>

namespace corvane {

namespace {

constexpr std::int64_t kSecondsPerDay = 86400;

// Floor division, so times before 1970 land on the day they belong to.
constexpr std::int64_t FloorDiv(std::int64_t a, std::int64_t b)
{
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)) ? 1 : 0);
}

}  // namespace

// Days-from-civil and its inverse count in 400-year eras of 146097 days,
// with years starting on 1 March so the leap day falls at the end.
std::int64_t DaysFromCivil(int year, int month, int day)
{
    const std::int64_t y = static_cast<std::int64_t>(year) - (month <= 2 ? 1 : 0);
    const std::int64_t era = FloorDiv(y, 400);
    const std::int64_t yearOfEra = y - era * 400;
    const std::int64_t m = month > 2 ? month - 3 : month + 9;
    const std::int64_t dayOfYear = (153 * m + 2) / 5 + day - 1;
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

CivilTime BreakDownUtc(std::int64_t time)
{
    const std::int64_t days = FloorDiv(time, kSecondsPerDay);
    const std::int64_t secondsOfDay = time - days * kSecondsPerDay;

    const std::int64_t z = days + 719468;
    const std::int64_t era = FloorDiv(z, 146097);
    const std::int64_t dayOfEra = z - era * 146097;
    const std::int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t mp = (5 * dayOfYear + 2) / 153;
    const std::int64_t month = mp < 10 ? mp + 3 : mp - 9;

    CivilTime civil;
    civil.year = static_cast<int>(yearOfEra + era * 400 + (month <= 2 ? 1 : 0));
    civil.month = static_cast<int>(month);
    civil.day = static_cast<int>(dayOfYear - (153 * mp + 2) / 5 + 1);
    civil.hour = static_cast<int>(secondsOfDay / 3600);
    civil.minute = static_cast<int>(secondsOfDay / 60 % 60);
    civil.second = static_cast<int>(secondsOfDay % 60);
    // 1970-01-01 was a Thursday.
    civil.weekday = static_cast<int>(days - FloorDiv(days + 4, 7) * 7 + 4);
    return civil;
}

std::int64_t MakeUtcTime(int year, int month, int day, int hour, int minute, int second)
{
    return DaysFromCivil(year, month, day) * kSecondsPerDay + std::int64_t{hour} * 3600 + std::int64_t{minute} * 60
        + second;
}

DateAndTimeText FormatDateAndTime(std::int32_t time)
{
    if (time < 0)
        time = std::numeric_limits<std::int32_t>::max();
    const CivilTime civil = BreakDownUtc(time);
    char date[24];
    char clock[24];
    std::snprintf(date, sizeof date, " %02d/%02d/%04d", civil.month, civil.day, civil.year);
    std::snprintf(clock, sizeof clock, " %02d:%02d:%02d", civil.hour, civil.minute, civil.second);
    return {date, clock};
}

}  // namespace corvane
