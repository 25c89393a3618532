#include "loggersim/LoggedSessionPlan.h"

#include "loggersim/LoggedSessionGenerator.h"
#include "loggersim/LoggerState.h"

#include <gtest/gtest.h>

namespace corvane {
namespace logged_session_plan_test {
namespace {

constexpr std::int64_t kClock = 1767605400;  // 2026-01-05 09:30:00 UTC

LoggedSessionPlan Plan(std::uint32_t scans, std::uint32_t interval, bool subSecond, bool stopped)
{
    LoggedSessionPlan plan;
    plan.scanCount = scans;
    plan.intervalTicks = interval;
    plan.subSecond = subSecond;
    plan.stopped = stopped;
    return plan;
}

TEST(LoggedSessionPlanTest, APlacedSessionsScansEndAtTheGivenSecond)
{
    struct Case {
        const char* what;
        LoggedSessionPlan plan;
        std::uint32_t startSeconds;
        std::uint16_t startTicks;
    };
    const Case cases[] = {
        {"an hour, a scan a second", Plan(3600, 200, false, true), kClock - 3600, 0},
        {"whole seconds round the interval up", Plan(10, 250, false, true), kClock - 20, 0},
        {"sub-second: 7 scans of 150 ms", Plan(7, 30, true, true), kClock - 2, 190},
        {"running: ten minutes of 200 ms", Plan(3000, 40, true, false), kClock - 600, 0},
        {"no scans yet", Plan(0, 200, false, false), kClock, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        LoggedSessionPlan plan = c.plan;
        ASSERT_TRUE(PlaceSessionEndingAt(plan, kClock));
        EXPECT_EQ(plan.startSeconds, c.startSeconds);
        EXPECT_EQ(plan.startTicks, c.startTicks);
        const LoggedSessionGenerator generator(LoggerState::Fresh(), plan);
        EXPECT_EQ(generator.EndSeconds(), kClock);
        EXPECT_EQ(generator.StopSeconds(), plan.stopped ? kClock : 0);
        // As of the clock, the session holds the scans it was given.
        EXPECT_EQ(SessionAsOf(plan, kClock).scanCount, plan.scanCount);
    }

    LoggedSessionPlan tooLong = Plan(100, 200, false, true);
    EXPECT_FALSE(PlaceSessionEndingAt(tooLong, 99));
    EXPECT_FALSE(PlaceSessionEndingAt(tooLong, -1));
    EXPECT_EQ(tooLong, Plan(100, 200, false, true));
}

TEST(LoggedSessionPlanTest, ARunningSessionTakesTheScansDueBeforeTheClock)
{
    LoggedSessionPlan running = Plan(5, 40, true, false);  // a scan every 200 ms
    running.startSeconds = kClock;
    running.startTicks = 100;  // 500 ms past the second
    LoggedSessionPlan stopped = running;
    stopped.stopped = true;
    struct Case {
        std::int64_t clock;
        std::uint32_t runningScans;
    };
    const Case cases[] = {
        {kClock - 100, 5},  // before its start: as planned
        {kClock + 1, 5},    // scans at .5 and .7 s: still fewer than planned
        {kClock + 2, 8},    // .5, .7, .9, 1.1, 1.3, 1.5, 1.7, 1.9
        {kClock + 60, 298},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.clock - kClock);
        EXPECT_EQ(SessionAsOf(running, c.clock).scanCount, c.runningScans);
        EXPECT_EQ(SessionAsOf(stopped, c.clock), stopped);
        if (c.runningScans > running.scanCount) {
            // The last scan taken lies before the clock, the next one not.
            const std::int64_t start = std::int64_t{kClock} * 200 + running.startTicks;
            EXPECT_LT(start + (c.runningScans - 1) * 40, c.clock * 200);
            EXPECT_GE(start + c.runningScans * 40, c.clock * 200);
        }
    }
}

}  // namespace
}  // namespace logged_session_plan_test
}  // namespace corvane
