#include "loggersim/LoggedSessionPlan.h"

#include <algorithm>
#include <limits>

namespace corvane {

std::vector<LoggedPoint> DefaultLoggedPoints()
{
    return {
        {2, 1, 1, 2, "Tank Temperature", "degC"},
        {2, 1, 2, 1, "Line Pressure", "kPa"},
        {1, 2, 3, 0, "Pulse Count", "pulses"},
        {0, 3, 4, 0, "Pump Running", ""},
    };
}

namespace {

constexpr std::int64_t kTicksPerSecond = 200;
constexpr std::int64_t kLastSecond = std::numeric_limits<std::uint32_t>::max();

std::int64_t StartTicks(const LoggedSessionPlan& plan)
{
    return std::int64_t{plan.startSeconds} * kTicksPerSecond + (plan.subSecond ? plan.startTicks % kTicksPerSecond : 0);
}

}  // namespace

std::uint32_t ScanIntervalTicks(const LoggedSessionPlan& plan)
{
    const std::uint32_t interval = std::max<std::uint32_t>(plan.intervalTicks, 1);
    if (plan.subSecond)
        return interval;
    constexpr auto kSecond = static_cast<std::uint32_t>(kTicksPerSecond);
    return static_cast<std::uint32_t>(
        std::min<std::uint64_t>((std::uint64_t{interval} + kSecond - 1) / kSecond * kSecond,
            std::numeric_limits<std::uint32_t>::max() / kSecond * kSecond));
}

bool PlaceSessionEndingAt(LoggedSessionPlan& plan, std::int64_t endSeconds)
{
    if (endSeconds < 0 || endSeconds > kLastSecond)
        return false;
    const std::int64_t span = std::int64_t{plan.scanCount} * ScanIntervalTicks(plan);
    const std::int64_t start = endSeconds * kTicksPerSecond - span;
    if (start < 0)
        return false;
    plan.startSeconds = static_cast<std::uint32_t>(start / kTicksPerSecond);
    plan.startTicks = plan.subSecond ? static_cast<std::uint16_t>(start % kTicksPerSecond) : 0;
    return true;
}

LoggedSessionPlan SessionAsOf(const LoggedSessionPlan& plan, std::int64_t loggerSeconds)
{
    LoggedSessionPlan now = plan;
    const std::int64_t elapsed = loggerSeconds * kTicksPerSecond - StartTicks(plan);
    if (plan.stopped || elapsed <= 0)
        return now;
    // Scans at 0, 1, 2... intervals after the start; those before the clock are taken.
    const std::int64_t interval = ScanIntervalTicks(plan);
    const std::int64_t due = (elapsed + interval - 1) / interval;
    now.scanCount = static_cast<std::uint32_t>(
        std::clamp<std::int64_t>(due, plan.scanCount, std::numeric_limits<std::uint32_t>::max()));
    return now;
}

}  // namespace corvane
