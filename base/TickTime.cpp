#include "base/TickTime.h"

#include <array>
#include <limits>

namespace corvane {

namespace {

constexpr std::uint64_t kMaxU32 = std::numeric_limits<std::uint32_t>::max();

// factor[i] turns a count of unit i into a count of unit i+1's smaller
// neighbour: ticks per second, seconds per minute, minutes per hour, hours per day.
constexpr std::array<std::uint64_t, 4> kUnitFactors = {kTicksPerSecond, 60, 60, 24};

// Divides and rounds to the nearest whole value, half up.
constexpr std::uint64_t DivideRounded(std::uint64_t value, std::uint64_t divisor)
{
    return (value + divisor / 2) / divisor;
}

}  // namespace

bool ConvertIntervalTicks(std::uint32_t& out, bool toTicks, std::uint32_t value, int unitIndex, int indexOffset)
{
    const int unit = unitIndex + indexOffset;
    if (unit < kUnitMilliseconds || unit > kUnitDays)
        return false;
    if (value == 0) {
        out = 0;
        return true;
    }

    std::uint64_t result = value;
    if (toTicks) {
        // Milliseconds round to the nearest tick; larger units multiply up
        // to seconds and then to ticks.
        if (unit == kUnitMilliseconds)
            result = DivideRounded(result, kMillisecondsPerTick);
        for (int step = kUnitSeconds; step <= unit; ++step)
            result *= kUnitFactors[static_cast<std::size_t>(step - 1)];
        if (result > kMaxU32)
            return false;
    } else {
        if (unit == kUnitMilliseconds)
            result *= kMillisecondsPerTick;
        for (int step = kUnitSeconds; step <= unit; ++step)
            result = DivideRounded(result, kUnitFactors[static_cast<std::size_t>(step - 1)]);
        if (result > kMaxU32)
            return false;
    }
    if (result < 1)
        result = 1;
    out = static_cast<std::uint32_t>(result);
    return true;
}

int GetBestTimeUnit(std::uint32_t ticks, int indexOffset)
{
    if (ticks == 0)
        return kUnitSeconds - indexOffset;
    // Climb the units while the count stays whole; days are the largest.
    std::uint64_t divisor = 1;
    int unit = kUnitMilliseconds;
    while (unit < kUnitDays) {
        divisor *= kUnitFactors[static_cast<std::size_t>(unit)];
        if (ticks % divisor != 0)
            break;
        ++unit;
    }
    return unit - indexOffset;
}

}  // namespace corvane
