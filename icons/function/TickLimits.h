#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace corvane {

// The refusal of a time value that would not fit in 32 bits of 5 ms ticks
// in its unit (kUnitMilliseconds..kUnitDays): "<what> must be less than
// <n> <unit>", n being the first value that no longer fits (249 days,
// 5966 hours, 357914 minutes, 21474837 seconds). None when it fits.
std::optional<std::string> TickLimitRefusal(std::string_view what, std::uint32_t value, int unit);

// The units a time value is chosen in, as the unit lists show them.
inline constexpr std::array<std::string_view, 5> kIntervalUnitTexts{
    "Milliseconds (5ms resolution)", "Seconds", "Minutes", "Hours", "Days"};

// A tick count as a value in the unit, or fallback when it does not convert.
std::uint32_t TicksInUnit(std::uint32_t ticks, int unit, std::uint32_t fallback = 0);
bool IsIntervalUnit(int unit);

}  // namespace corvane
