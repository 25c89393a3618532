#include "loggersim/SessionAdditions.h"

#include "loggersim/LoggedSessionGenerator.h"
#include "loggersim/LoggerState.h"
#include "loggersim/SessionRequests.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace corvane {
namespace session_additions_test {
namespace {

constexpr std::int64_t kClock = 1767605400;  // 2026-01-05 09:30:00 UTC

TEST(SessionAdditionsTest, ReadsScansIntervalAndFlags)
{
    struct Case {
        const char* text;
        bool valid;
        std::uint32_t scans;
        std::uint32_t interval;
        bool subSecond;
        bool stopped;
    };
    const Case cases[] = {
        {"3600", true, 3600, 200, false, true},
        {"3000,interval=40,subsecond,running", true, 3000, 40, true, false},
        {"0,running", true, 0, 200, false, false},
        {"", false, 0, 0, false, false},
        {"ten", false, 0, 0, false, false},
        {"10,interval=0", false, 0, 0, false, false},
        {"10,interval=", false, 0, 0, false, false},
        {"10,paused", false, 0, 0, false, false},
        {"10,", false, 0, 0, false, false},
        {"-5", false, 0, 0, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const std::optional<LoggedSessionPlan> plan = ParseSessionAddition(c.text);
        ASSERT_EQ(plan.has_value(), c.valid);
        if (!plan)
            continue;
        EXPECT_EQ(plan->scanCount, c.scans);
        EXPECT_EQ(plan->intervalTicks, c.interval);
        EXPECT_EQ(plan->subSecond, c.subSecond);
        EXPECT_EQ(plan->stopped, c.stopped);
        EXPECT_EQ(plan->points, DefaultLoggedPoints());
    }
}

// The simulator's shipped pair: an hour of a scan a second, then ten
// minutes of five scans a second, still logging.
TEST(SessionAdditionsTest, AddedSessionsLieBeforeTheClockAMinuteApart)
{
    const LoggerState unit = LoggerState::Fresh();
    std::vector<LoggedSessionPlan> sessions;
    const std::vector<LoggedSessionPlan> added
        = {*ParseSessionAddition("3600"), *ParseSessionAddition("3000,interval=40,subsecond,running")};
    ASSERT_EQ(AddSessionsEndingAt(sessions, added, kClock), "");
    ASSERT_EQ(sessions.size(), 2u);

    const LoggedSessionPlan& hour = sessions[0];
    const LoggedSessionPlan& running = sessions[1];
    EXPECT_EQ(running.startSeconds, kClock - 600);
    EXPECT_EQ(LoggedSessionGenerator(unit, running).StopSeconds(), 0u);
    EXPECT_EQ(SessionAsOf(running, kClock).scanCount, 3000u);
    EXPECT_EQ(SessionAsOf(running, kClock + 10).scanCount, 3050u);
    EXPECT_EQ(LoggedSessionGenerator(unit, hour).StopSeconds(), running.startSeconds - 60);
    EXPECT_EQ(hour.startSeconds, running.startSeconds - 60 - 3600);
    EXPECT_EQ(SessionAsOf(hour, kClock + 10), hour);

    // Later additions go after them, again up to the clock then.
    ASSERT_EQ(AddSessionsEndingAt(sessions, std::vector{*ParseSessionAddition("10")}, kClock + 100), "");
    ASSERT_EQ(sessions.size(), 3u);
    EXPECT_EQ(sessions[2].startSeconds, kClock + 90);
    EXPECT_EQ(LoggedSessionGenerator(unit, sessions[2]).StopSeconds(), kClock + 100);
}

TEST(SessionAdditionsTest, RefusesSessionsThatDoNotFitAndLeavesTheOthers)
{
    LoggedSessionPlan kept;
    kept.startSeconds = kClock - 10;
    kept.scanCount = 10;
    struct Case {
        const char* what;
        std::vector<LoggedSessionPlan> added;
        std::int64_t clock;
    };
    const Case cases[] = {
        {"the start of a session already there", {*ParseSessionAddition("10")}, kClock},
        {"a start before 1970", {*ParseSessionAddition("10"), *ParseSessionAddition("5")}, 60},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<LoggedSessionPlan> sessions = {kept};
        EXPECT_NE(AddSessionsEndingAt(sessions, c.added, c.clock), "");
        EXPECT_EQ(sessions, std::vector<LoggedSessionPlan>{kept});
    }
}

}  // namespace
}  // namespace session_additions_test
}  // namespace corvane
