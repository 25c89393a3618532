#include "download/FilterTimeWindow.h"

#include "PinnedTimeZone.h"

#include <gtest/gtest.h>

#include <limits>

namespace corvane {
namespace filter_time_window_test {
namespace {

DateTimeFields At(int hour, int minute, int second = 0) { return {2024, 3, 15, hour, minute, second}; }

TEST(FilterTimeWindow, MovesATimeIntoTheChosenHalfOfTheDay)
{
    struct Case {
        DateTimeFields time;
        bool afternoon;
        int hour;
    };
    const Case cases[] = {
        {At(3, 15), true, 15},   // pm on 03:15
        {At(15, 15), false, 3},  // am on 15:15
        {At(15, 15), true, 15},  // already afternoon
        {At(3, 15), false, 3},   // already morning
        {At(0, 0), true, 12},    // midnight to noon
        {At(12, 0), false, 0},   // noon to midnight
        {At(11, 59), true, 23},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.time.hour);
        const DateTimeFields moved = TimeInHalfOfDay(c.time, c.afternoon);
        EXPECT_EQ(moved.hour, c.hour);
        EXPECT_EQ(moved.minute, c.time.minute);
        EXPECT_EQ(IsAfternoonTime(moved), c.afternoon);
    }
}

TEST(FilterTimeWindow, TakesThePickersAsLocalTime)
{
    // Eastern time: UTC-5 in winter, UTC-4 from the second Sunday of March.
    const test::PinnedTimeZone zone("EST5EDT,M3.2.0,M11.1.0");
    const DateTimeFields winterDay{2024, 1, 10, 0, 0, 0};
    const DateTimeFields summerDay{2024, 7, 1, 0, 0, 0};
    const DateTimeFields anyDay{1999, 12, 31, 0, 0, 0};
    const TimeWindow window = WindowFromPickers({winterDay, At(9, 30), std::nullopt}, {summerDay, At(3, 45, 10), true});
    EXPECT_EQ(window.start, 1704897000u);                               // 2024-01-10 14:30:00 UTC
    EXPECT_EQ(window.stop, 1719863110u);                                // 2024-07-01 19:45:10 UTC, from 15:45:10 local
    EXPECT_EQ(PickedSeconds({winterDay, anyDay, false}), 1704862800u);  // the date of one, the time of the other
}

TEST(FilterTimeWindow, HoldsMomentsToThirtyTwoBits)
{
    const test::PinnedTimeZone zone("UTC0");
    EXPECT_EQ(PickedSeconds({{1965, 5, 1}, At(10, 0), std::nullopt}), 0u);
    EXPECT_EQ(PickedSeconds({{2200, 1, 1}, At(10, 0), std::nullopt}), std::numeric_limits<std::uint32_t>::max());
    EXPECT_EQ(PickedSeconds({{2038, 1, 19}, At(3, 14, 7), false}), 0x7FFFFFFFu);
}

}  // namespace
}  // namespace filter_time_window_test
}  // namespace corvane
