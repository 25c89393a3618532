#pragma once

#include <cstdint>

namespace corvane {

// The logger counts intervals in ticks of 5 ms, 200 a second.
constexpr std::uint32_t kTicksPerSecond = 200;
constexpr std::uint32_t kMillisecondsPerTick = 5;

// Time unit indexes of the interval helpers.
enum TimeUnit : int { kUnitMilliseconds = 0, kUnitSeconds = 1, kUnitMinutes = 2, kUnitHours = 3, kUnitDays = 4 };

// Converts an interval between a time unit and ticks. unitIndex is the
// caller's list index; indexOffset is added to it to give the unit (for
// lists that do not start at milliseconds). toTicks chooses the direction.
// Each unit step rounds to the nearest whole value (half up), and a non-zero
// interval never becomes 0. The result is written only when every step
// fits in 32 bits and the unit is known; the return value says whether it was.
bool ConvertIntervalTicks(std::uint32_t& out, bool toTicks, std::uint32_t value, int unitIndex, int indexOffset);

// The largest unit in which the tick count is a whole number (0 ms, 1 s,
// 2 min, 3 h, 4 days), less indexOffset. Zero ticks give seconds.
int GetBestTimeUnit(std::uint32_t ticks, int indexOffset);

}  // namespace corvane
