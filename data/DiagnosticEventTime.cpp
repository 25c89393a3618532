#include "data/DiagnosticEventTime.h"

#include <cstdio>
#include <ctime>

namespace corvane {

namespace {

constexpr long kDaylightShiftSeconds = 3600;

}  // namespace

std::string DiagnosticEventTimeText(std::int32_t time, std::uint16_t milliseconds)
{
    std::string text;
    AppendDiagnosticEventTimeText(text, time, milliseconds);
    return text;
}

void AppendDiagnosticEventTimeText(std::string& out, std::int32_t time, std::uint16_t milliseconds)
{
    const std::time_t loggerTime = time;
    std::tm atTime{};
    if (::localtime_r(&loggerTime, &atTime) == nullptr) {
        out.append(kUnconvertibleEventTimeText);
        return;
    }
    // The PC's standard offset west of UTC, and the daylight-saving hour
    // when it is in effect at the logger's time.
    const long daylight = atTime.tm_isdst > 0 ? kDaylightShiftSeconds : 0;
    const long standardWest = daylight - atTime.tm_gmtoff;
    const std::time_t shifted = loggerTime + standardWest - daylight;
    std::tm local{};
    if (shifted < 0 || ::localtime_r(&shifted, &local) == nullptr) {
        out.append(kUnconvertibleEventTimeText);
        return;
    }
    char text[64];
    const int length = std::snprintf(text, sizeof text, "%02d/%02d/%04d  %02d:%02d:%02d.%03d", local.tm_mon + 1,
        local.tm_mday, local.tm_year + 1900, local.tm_hour, local.tm_min, local.tm_sec, int{milliseconds});
    if (length <= 0 || static_cast<std::size_t>(length) >= sizeof text) {
        out.append(kUnconvertibleEventTimeText);
        return;
    }
    out.append(text, static_cast<std::size_t>(length));
}

}  // namespace corvane
