#include "icons/function/TickLimits.h"

#include "base/TickTime.h"

#include <array>
#include <limits>

namespace corvane {
namespace {

constexpr std::uint64_t kMaxTicks = std::numeric_limits<std::uint32_t>::max();
constexpr std::uint64_t kTicksPerMinute = 60ULL * kTicksPerSecond;
constexpr std::array<std::uint64_t, 5> kTicksPerUnit{
    0, kTicksPerSecond, kTicksPerMinute, 60 * kTicksPerMinute, 24 * 60 * kTicksPerMinute};
constexpr std::array<std::string_view, 5> kUnitNames{"milliseconds", "seconds", "minutes", "hours", "days"};

}  // namespace

std::optional<std::string> TickLimitRefusal(std::string_view what, std::uint32_t value, int unit)
{
    // Milliseconds always fit: the largest number is 858993459 ticks.
    if (unit <= kUnitMilliseconds || unit > kUnitDays)
        return std::nullopt;
    const auto at = static_cast<std::size_t>(unit);
    const std::uint64_t limit = kMaxTicks / kTicksPerUnit[at] + 1;
    if (value < limit)
        return std::nullopt;
    return std::string(what) + " must be less than " + std::to_string(limit) + " " + std::string(kUnitNames[at]);
}

std::uint32_t TicksInUnit(std::uint32_t ticks, int unit, std::uint32_t fallback)
{
    std::uint32_t value = fallback;
    if (!ConvertIntervalTicks(value, false, ticks, unit, 0))
        value = fallback;
    return value;
}

bool IsIntervalUnit(int unit)
{
    return unit >= kUnitMilliseconds && unit <= kUnitDays;
}

}  // namespace corvane
