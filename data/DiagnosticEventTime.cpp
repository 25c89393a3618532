#include "data/DiagnosticEventTime.h"

#include <cstdio>
#include <ctime>

namespace corvane {

namespace {

constexpr long kDaylightShiftSeconds = 3600;

}  // namespace

std::string DiagnosticEventTimeText(std::int32_t time, std::uint16_t milliseconds)
{
    const std::time_t loggerTime = time;
    std::tm atTime{};
    if (::localtime_r(&loggerTime, &atTime) == nullptr)
        return std::string(kUnconvertibleEventTimeText);
    // The PC's standard offset west of UTC, and the daylight-saving hour
    // when it is in effect at the logger's time.
    const long daylight = atTime.tm_isdst > 0 ? kDaylightShiftSeconds : 0;
    const long standardWest = daylight - atTime.tm_gmtoff;
    const std::time_t shifted = loggerTime + standardWest - daylight;
    std::tm local{};
    if (shifted < 0 || ::localtime_r(&shifted, &local) == nullptr)
        return std::string(kUnconvertibleEventTimeText);
    char text[64];
    const int length = std::snprintf(text, sizeof text, "%02d/%02d/%04d  %02d:%02d:%02d.%03d", local.tm_mon + 1,
        local.tm_mday, local.tm_year + 1900, local.tm_hour, local.tm_min, local.tm_sec, int{milliseconds});
    if (length <= 0 || static_cast<std::size_t>(length) >= sizeof text)
        return std::string(kUnconvertibleEventTimeText);
    return std::string(text, static_cast<std::size_t>(length));
}

}  // namespace corvane
