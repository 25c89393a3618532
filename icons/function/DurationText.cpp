#include "icons/function/DurationText.h"

#include <algorithm>
#include <cstdio>

namespace corvane {
namespace {

constexpr std::size_t kTextLimit = 20;
constexpr std::uint64_t kSecondsPerMinute = 60;
constexpr std::uint64_t kSecondsPerHour = 3600;

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The leading digits of a part; 20 characters hold fewer than 10^20, and
// hours of that size would pass 64 bits once multiplied, so parts stop
// growing at 10^12.
std::uint64_t PartValue(std::string_view part)
{
    constexpr std::uint64_t kCap = 1'000'000'000'000ULL;
    std::uint64_t value = 0;
    for (const char c : part) {
        if (!IsDigit(c))
            break;
        value = std::min(kCap, value * 10 + static_cast<std::uint64_t>(c - '0'));
    }
    return value;
}

}  // namespace

std::uint64_t ReadDurationText(std::string_view text)
{
    text = text.substr(0, std::min(text.size(), kTextLimit));
    std::uint64_t hours = 0;
    std::uint64_t minutes = 0;
    std::uint64_t seconds = 0;
    const std::size_t last = text.rfind(':');
    if (last == std::string_view::npos) {
        seconds = PartValue(text);
    } else {
        seconds = PartValue(text.substr(last + 1));
        const std::string_view before = text.substr(0, last);
        const std::size_t next = before.rfind(':');
        if (next == std::string_view::npos) {
            minutes = PartValue(before);
        } else {
            minutes = PartValue(before.substr(next + 1));
            hours = PartValue(before.substr(0, next));
        }
    }
    minutes += seconds / kSecondsPerMinute;
    seconds %= kSecondsPerMinute;
    hours += minutes / kSecondsPerMinute;
    minutes %= kSecondsPerMinute;
    return hours * kSecondsPerHour + minutes * kSecondsPerMinute + seconds;
}

std::string FormatDurationText(std::uint64_t seconds)
{
    char text[40];
    std::snprintf(text, sizeof text, "%02llu:%02llu:%02llu",
        static_cast<unsigned long long>(seconds / kSecondsPerHour),
        static_cast<unsigned long long>((seconds % kSecondsPerHour) / kSecondsPerMinute),
        static_cast<unsigned long long>(seconds % kSecondsPerMinute));
    return text;
}

std::string CutDurationText(std::string_view text)
{
    const auto end = std::find_if(text.begin(), text.end(), [](char c) { return !IsDigit(c) && c != ':'; });
    return std::string(text.begin(), end);
}

}  // namespace corvane
