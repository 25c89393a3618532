#include "logger/LoggerClockRules.h"

#include "base/CivilTime.h"

#include <array>
#include <cctype>
#include <cstdio>
#include <ctime>

namespace corvane {

namespace {

constexpr std::size_t kOffsetTextLimit = 63;
constexpr std::array<std::string_view, 7> kDayNames = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
constexpr std::array<std::string_view, 12> kMonthNames
    = {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::string FormatOffsetText(std::int32_t minutesWest)
{
    const std::int32_t hours = minutesWest / 60;
    char text[16];
    if (hours <= 0)
        std::snprintf(text, sizeof text, "%+d", static_cast<int>(-hours));
    else
        std::snprintf(text, sizeof text, "-%d", static_cast<int>(hours));
    return text;
}

std::string FormatClockText(std::int64_t seconds)
{
    const CivilTime civil = BreakDownUtc(seconds);
    char text[50];
    std::snprintf(text, sizeof text, "%.3s %.3s %02d %04d  %02d:%02d:%02d",
        kDayNames[static_cast<std::size_t>(civil.weekday % 7)].data(),
        kMonthNames[static_cast<std::size_t>((civil.month - 1) % 12)].data(), civil.day, civil.year, civil.hour,
        civil.minute, civil.second);
    return text;
}

OffsetEntry ReadOffsetEntry(std::string_view text)
{
    text = text.substr(0, kOffsetTextLimit);
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        for (const char c : text.substr(1)) {
            if (!IsDigit(c))
                return {OffsetEntry::Kind::Refused, 0};
        }
    }
    // As "%d" reads: blanks, a sign, then at least one digit.
    std::size_t at = 0;
    while (at < text.size() && std::isspace(static_cast<unsigned char>(text[at])) != 0)
        ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        negative = text[at] == '-';
        ++at;
    }
    if (at >= text.size() || !IsDigit(text[at]))
        return {OffsetEntry::Kind::Waiting, 0};
    // Any number beyond the range is refused, however many digits it has.
    long long value = 0;
    for (; at < text.size() && IsDigit(text[at]); ++at) {
        value = value * 10 + (text[at] - '0');
        if (value > kMaxOffsetHours)
            return {OffsetEntry::Kind::Refused, 0};
    }
    const int hours = static_cast<int>(negative ? -value : value);
    return {OffsetEntry::Kind::Hours, hours};
}

std::int32_t PcZoneOffsetMinutesWest(std::int64_t seconds)
{
    const std::time_t time = static_cast<std::time_t>(seconds);
    std::tm local{};
    if (::localtime_r(&time, &local) == nullptr)
        return 0;
    return static_cast<std::int32_t>(-local.tm_gmtoff / 60);
}

std::string_view UpdateButtonText(bool internetTime)
{
    return internetTime ? "Update logger clock\nsettings" : "Update logger clock\nand time settings";
}

}  // namespace corvane
