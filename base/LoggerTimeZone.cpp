#include "base/LoggerTimeZone.h"

#include "base/CivilTime.h"

namespace corvane {

namespace {

constexpr std::uint32_t kDaylightSavingFlag = 1u;
constexpr int kSunday = 0;

// The nth Sunday on or after the given day of month, as a day of month.
int SundayOnOrAfter(int year, int month, int day)
{
    const int weekday = BreakDownUtc(MakeUtcTime(year, month, day, 0, 0, 0)).weekday;
    return day + (7 - weekday + kSunday) % 7;
}

}  // namespace

void LoggerTimeZone::SetLoggerTimeZone(std::int32_t offsetMinutes, std::uint32_t flags)
{
    offsetMinutes_ = offsetMinutes;
    flags_ = flags;
}

LoggerTimeZone::Window LoggerTimeZone::DaylightWindow(int year)
{
    if (year == cachedYear_ && offsetMinutes_ == cachedOffset_)
        return cachedWindow_;
    // The switch hour is 2:00 in the zone's standard time, expressed in UTC
    // (whole hours of the offset, truncated toward zero). The date is chosen
    // first, so an hour outside 0..23 only moves the instant, not the Sunday.
    const int hour = 2 + offsetMinutes_ / 60;
    cachedWindow_.start = MakeUtcTime(year, 3, SundayOnOrAfter(year, 3, 8), hour, 0, 0);
    cachedWindow_.end = MakeUtcTime(year, 11, SundayOnOrAfter(year, 11, 1), hour, 0, 0);
    cachedYear_ = year;
    cachedOffset_ = offsetMinutes_;
    return cachedWindow_;
}

std::int64_t LoggerTimeZone::ApplyLoggerTimeZone(std::int64_t loggerTime)
{
    const std::int64_t local = loggerTime - std::int64_t{offsetMinutes_} * 60;
    if ((flags_ & kDaylightSavingFlag) == 0)
        return local;
    const Window window = DaylightWindow(BreakDownUtc(local).year);
    if (local >= window.start && local < window.end)
        return local + 3600;
    return local;
}

}  // namespace corvane
