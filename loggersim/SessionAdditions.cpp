#include "loggersim/SessionAdditions.h"

#include "base/TextNumbers.h"
#include "loggersim/SessionRequests.h"

#include <algorithm>

namespace corvane {
namespace {

// The pause between one added session's stop and the next one's start.
constexpr std::int64_t kGapSeconds = 60;

}  // namespace

std::optional<LoggedSessionPlan> ParseSessionAddition(std::string_view text)
{
    LoggedSessionPlan plan;
    const std::size_t comma = text.find(',');
    const std::optional<std::uint32_t> scans = ParseWholeInteger<std::uint32_t>(text.substr(0, comma));
    if (!scans)
        return std::nullopt;
    plan.scanCount = *scans;
    for (std::size_t position = comma; position != std::string_view::npos;) {
        const std::size_t next = text.find(',', position + 1);
        const std::string_view word
            = text.substr(position + 1, next == std::string_view::npos ? next : next - position - 1);
        position = next;
        if (word == "subsecond") {
            plan.subSecond = true;
        } else if (word == "running") {
            plan.stopped = false;
        } else {
            constexpr std::string_view kInterval = "interval=";
            const std::optional<std::uint32_t> interval = word.starts_with(kInterval)
                ? ParseWholeInteger<std::uint32_t>(word.substr(kInterval.size()))
                : std::nullopt;
            if (!interval || *interval == 0)
                return std::nullopt;
            plan.intervalTicks = *interval;
        }
    }
    return plan;
}

std::string AddSessionsEndingAt(
    std::vector<LoggedSessionPlan>& sessions, std::span<const LoggedSessionPlan> additions, std::int64_t loggerSeconds)
{
    // Placed from the last back: each ends a gap before the next one starts.
    std::vector<LoggedSessionPlan> placed(additions.begin(), additions.end());
    std::int64_t end = loggerSeconds;
    for (auto plan = placed.rbegin(); plan != placed.rend(); ++plan) {
        if (!PlaceSessionEndingAt(*plan, end))
            return "a session of " + std::to_string(plan->scanCount) + " scans does not fit before the clock";
        end = std::int64_t{plan->startSeconds} - kGapSeconds;
    }
    // The logger names a session by its start, so no two may share one.
    for (std::size_t i = 0; i < placed.size(); ++i) {
        const std::string name = SessionName(placed[i]);
        const auto same = [&](const LoggedSessionPlan& other) { return SessionName(other) == name; };
        if (std::any_of(sessions.begin(), sessions.end(), same))
            return "a session named " + name + " is there already";
    }
    sessions.insert(sessions.end(), placed.begin(), placed.end());
    return {};
}

}  // namespace corvane
