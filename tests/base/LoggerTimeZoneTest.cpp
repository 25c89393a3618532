#include "base/LoggerTimeZone.h"

#include "base/CivilTime.h"

#include <gtest/gtest.h>

namespace corvane {
namespace logger_time_zone_test {
namespace {

TEST(LoggerTimeZoneTest, WindowRunsFromSecondSundayOfMarchToFirstOfNovember)
{
    LoggerTimeZone zone;
    zone.SetLoggerTimeZone(300, 1);
    const LoggerTimeZone::Window w2025 = zone.DaylightWindow(2025);
    EXPECT_EQ(w2025.start, MakeUtcTime(2025, 3, 9, 7, 0, 0));
    EXPECT_EQ(w2025.end, MakeUtcTime(2025, 11, 2, 7, 0, 0));
    // Years whose 8 March and 1 November are Sundays keep those days.
    const LoggerTimeZone::Window w2026 = zone.DaylightWindow(2026);
    EXPECT_EQ(w2026.start, MakeUtcTime(2026, 3, 8, 7, 0, 0));
    EXPECT_EQ(w2026.end, MakeUtcTime(2026, 11, 1, 7, 0, 0));
}

TEST(LoggerTimeZoneTest, AppliesOffsetAndDaylightSavingAtWindowEdges)
{
    LoggerTimeZone zone;
    zone.SetLoggerTimeZone(300, 1);
    const std::int64_t shift = 300 * 60;
    const std::int64_t start = MakeUtcTime(2025, 3, 9, 7, 0, 0);
    const std::int64_t end = MakeUtcTime(2025, 11, 2, 7, 0, 0);
    struct Case {
        std::int64_t local;  // the shifted time
        std::int64_t expected;
    };
    const Case cases[] = {
        {start - 1, start - 1},
        {start, start + 3600},
        {end - 1, end - 1 + 3600},
        {end, end},  // the end instant is outside the window
        {MakeUtcTime(2025, 1, 15, 12, 0, 0), MakeUtcTime(2025, 1, 15, 12, 0, 0)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(zone.ApplyLoggerTimeZone(c.local + shift), c.expected) << c.local;
}

TEST(LoggerTimeZoneTest, UsesTheWindowOfTheConvertedTimesOwnYear)
{
    LoggerTimeZone zone;
    zone.SetLoggerTimeZone(0, 1);
    // Converting a 2025 time first must not leave the 2025 window in force
    // for a 2019 time (2019's window began on 10 March).
    EXPECT_EQ(zone.ApplyLoggerTimeZone(MakeUtcTime(2025, 7, 1, 0, 0, 0)), MakeUtcTime(2025, 7, 1, 1, 0, 0));
    EXPECT_EQ(zone.ApplyLoggerTimeZone(MakeUtcTime(2019, 3, 9, 12, 0, 0)), MakeUtcTime(2019, 3, 9, 12, 0, 0));
    EXPECT_EQ(zone.ApplyLoggerTimeZone(MakeUtcTime(2019, 3, 10, 12, 0, 0)), MakeUtcTime(2019, 3, 10, 13, 0, 0));
}

TEST(LoggerTimeZoneTest, WindowFollowsAChangedOffset)
{
    LoggerTimeZone zone;
    zone.SetLoggerTimeZone(300, 1);
    EXPECT_EQ(zone.DaylightWindow(2025).start, MakeUtcTime(2025, 3, 9, 7, 0, 0));
    zone.SetLoggerTimeZone(480, 1);
    EXPECT_EQ(zone.DaylightWindow(2025).start, MakeUtcTime(2025, 3, 9, 10, 0, 0));
}

TEST(LoggerTimeZoneTest, ZonesEastOfGreenwichAreNegative)
{
    // A 16-bit field of -60 (one hour east) read as unsigned would shift
    // times by about 45 days.
    const std::int32_t offset = ZoneOffsetFromField(0xFFC4);
    EXPECT_EQ(offset, -60);
    LoggerTimeZone zone;
    zone.SetLoggerTimeZone(offset, 0);
    EXPECT_EQ(zone.ApplyLoggerTimeZone(1000), 1000 + 3600);
    // An eastern zone keeps the Sunday even though its switch hour is
    // before midnight UTC.
    zone.SetLoggerTimeZone(-330, 1);
    EXPECT_EQ(zone.DaylightWindow(2026).start, MakeUtcTime(2026, 3, 8, -3, 0, 0));
}

TEST(LoggerTimeZoneTest, NoDaylightSavingWithoutTheFlag)
{
    LoggerTimeZone zone;
    zone.SetLoggerTimeZone(300, 0);
    const std::int64_t summer = MakeUtcTime(2025, 7, 1, 12, 0, 0);
    EXPECT_EQ(zone.ApplyLoggerTimeZone(summer), summer - 300 * 60);
}

}  // namespace
}  // namespace logger_time_zone_test
}  // namespace corvane
