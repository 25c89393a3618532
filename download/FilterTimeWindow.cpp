#include "download/FilterTimeWindow.h"

#include <algorithm>
#include <ctime>
#include <limits>

namespace corvane {
namespace {

constexpr int kNoon = 12;

}  // namespace

bool IsAfternoonTime(const DateTimeFields& time) { return time.hour >= kNoon; }

DateTimeFields TimeInHalfOfDay(DateTimeFields time, bool afternoon)
{
    if (afternoon && time.hour < kNoon)
        time.hour += kNoon;
    else if (!afternoon && time.hour >= kNoon)
        time.hour -= kNoon;
    return time;
}

std::uint32_t PickedSeconds(const PickedMoment& moment)
{
    const DateTimeFields time = moment.afternoon ? TimeInHalfOfDay(moment.time, *moment.afternoon) : moment.time;
    std::tm local{};
    local.tm_year = moment.date.year - 1900;
    local.tm_mon = moment.date.month - 1;
    local.tm_mday = moment.date.day;
    local.tm_hour = time.hour;
    local.tm_min = time.minute;
    local.tm_sec = time.second;
    local.tm_isdst = -1;
    const std::int64_t seconds = std::mktime(&local);
    return static_cast<std::uint32_t>(std::clamp<std::int64_t>(seconds, 0, std::numeric_limits<std::uint32_t>::max()));
}

TimeWindow WindowFromPickers(const PickedMoment& start, const PickedMoment& stop)
{
    return {PickedSeconds(start), PickedSeconds(stop)};
}

}  // namespace corvane
