#include "logger/ProbeValueTexts.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <limits>

namespace corvane {

namespace {

constexpr std::array<std::string_view, 7> kDays{"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
constexpr std::array<std::string_view, 12> kMonths{
    "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

bool InRange(const std::tm& time)
{
    return time.tm_wday >= 0 && time.tm_wday < 7 && time.tm_mon >= 0 && time.tm_mon < 12 && time.tm_mday >= 1
        && time.tm_mday <= 31 && time.tm_hour >= 0 && time.tm_hour < 24 && time.tm_min >= 0 && time.tm_min < 60
        && time.tm_sec >= 0 && time.tm_sec <= 60 && time.tm_year >= -1900 && time.tm_year <= 9999 - 1900;
}

}  // namespace

std::string ProbeValueText(const ProbeValueEntry& entry, std::uint8_t dataType, std::uint8_t decimals)
{
    if (dataType == kProbeBoolean)
        return entry.value[0] != 0 ? "HI" : "LOW";
    const float value = entry.Real();
    char text[64];
    if (dataType == kProbeInteger) {
        // Rounded half away from zero; a value no int holds is shown whole
        // as it is.
        const double rounded = std::round(static_cast<double>(value));
        if (std::isfinite(rounded) && rounded >= std::numeric_limits<int>::min()
            && rounded <= std::numeric_limits<int>::max())
            std::snprintf(text, sizeof text, "%d", static_cast<int>(rounded));
        else
            std::snprintf(text, sizeof text, "%.0f", rounded);
        return text;
    }
    // A large value with many digits may pass a fixed buffer: measure first.
    const int needed = std::snprintf(nullptr, 0, "%.*f", static_cast<int>(decimals), static_cast<double>(value));
    std::string result(static_cast<std::size_t>(needed > 0 ? needed : 0), '\0');
    std::snprintf(result.data(), result.size() + 1, "%.*f", static_cast<int>(decimals), static_cast<double>(value));
    return result;
}

std::string AscTimeText(const std::tm& time)
{
    if (!InRange(time))
        return std::string(kUnknownTimeText);
    char text[32];
    std::snprintf(text, sizeof text, "%.3s %.3s%3d %.2d:%.2d:%.2d %d", kDays[static_cast<std::size_t>(time.tm_wday)].data(),
        kMonths[static_cast<std::size_t>(time.tm_mon)].data(), time.tm_mday, time.tm_hour, time.tm_min, time.tm_sec,
        1900 + time.tm_year);
    return text;
}

std::string ProbeTimeText(std::int32_t time)
{
    if (time == 0)
        return std::string(kNoReadingTimeText);
    const std::time_t seconds = time;
    std::tm local{};
    if (localtime_r(&seconds, &local) == nullptr)
        return std::string(kUnknownTimeText);
    return AscTimeText(local);
}

std::string PollTimeText(const std::tm& time)
{
    if (!InRange(time))
        return std::string(kUnknownTimeText);
    char text[48];
    std::snprintf(text, sizeof text, "%.3s %.3s %.2d, %d  %.2d:%.2d:%.2d", kDays[static_cast<std::size_t>(time.tm_wday)].data(),
        kMonths[static_cast<std::size_t>(time.tm_mon)].data(), time.tm_mday, 1900 + time.tm_year, time.tm_hour,
        time.tm_min, time.tm_sec);
    return text;
}

}  // namespace corvane
