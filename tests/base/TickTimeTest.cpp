#include "base/TickTime.h"

#include <gtest/gtest.h>

namespace corvane {
namespace tick_time_test {
namespace {

constexpr std::uint32_t kUntouched = 0xDEADBEEFu;
constexpr std::uint32_t kTicksPerDay = 200u * 86400u;

struct ConvertCase {
    bool toTicks;
    std::uint32_t value;
    int unit;
    int offset;
    bool fits;
    std::uint32_t result;  // meaningful when fits
};

TEST(TickTimeTest, ConvertIntervalTicksTable)
{
    const ConvertCase cases[] = {
        // Zero is zero both ways, in any unit.
        {true, 0, kUnitDays, 0, true, 0},
        {false, 0, kUnitMilliseconds, 0, true, 0},
        // Milliseconds round to the nearest tick, never below one tick.
        {true, 7, kUnitMilliseconds, 0, true, 1},
        {true, 2, kUnitMilliseconds, 0, true, 1},
        {true, 8, kUnitMilliseconds, 0, true, 2},
        // No wrap near the top of the range.
        {true, 0xFFFFFFFFu, kUnitMilliseconds, 0, true, 858993459u},
        {true, 1, kUnitSeconds, 0, true, 200},
        {true, 21474836, kUnitSeconds, 0, true, 4294967200u},
        {true, 21474837, kUnitSeconds, 0, false, 0},
        {true, 357913, kUnitMinutes, 0, true, 357913u * 12000u},
        {true, 357914, kUnitMinutes, 0, false, 0},
        {true, 5965, kUnitHours, 0, true, 5965u * 720000u},
        {true, 5966, kUnitHours, 0, false, 0},
        {true, 248, kUnitDays, 0, true, 248u * kTicksPerDay},
        {true, 249, kUnitDays, 0, false, 0},
        // The offset is added to the caller's index.
        {true, 3, 0, kUnitMinutes, true, 36000},
        // From ticks: milliseconds multiply, larger units round half up.
        {false, 1, kUnitMilliseconds, 0, true, 5},
        {false, 858993459u, kUnitMilliseconds, 0, true, 4294967295u},
        {false, 858993460u, kUnitMilliseconds, 0, false, 0},
        {false, 299, kUnitSeconds, 0, true, 1},
        {false, 300, kUnitSeconds, 0, true, 2},
        {false, 100, kUnitSeconds, 0, true, 1},
        {false, 99, kUnitSeconds, 0, true, 1},
        {false, 1, kUnitDays, 0, true, 1},
        {false, kTicksPerDay * 3, kUnitDays, 0, true, 3},
        // Large tick counts neither wrap nor collapse to one.
        {false, 0xFFFFFFFFu, kUnitSeconds, 0, true, 21474836u},
        {false, 0xFFFFFFFFu, kUnitDays, 0, true, 249u},
        // Unknown units are refused.
        {true, 5, 5, 0, false, 0},
        {false, 5, 0, -1, false, 0},
    };
    for (const ConvertCase& c : cases) {
        std::uint32_t out = kUntouched;
        const bool fits = ConvertIntervalTicks(out, c.toTicks, c.value, c.unit, c.offset);
        EXPECT_EQ(fits, c.fits) << (c.toTicks ? "to" : "from") << " ticks, value " << c.value << ", unit "
                                << c.unit + c.offset;
        EXPECT_EQ(out, c.fits ? c.result : kUntouched) << "value " << c.value << ", unit " << c.unit + c.offset;
    }
}

TEST(TickTimeTest, GetBestTimeUnitTable)
{
    struct Case {
        std::uint32_t ticks;
        int offset;
        int unit;
    };
    const Case cases[] = {
        {0, 0, kUnitSeconds},
        {0, 1, 0},
        {1, 0, kUnitMilliseconds},
        {199, 0, kUnitMilliseconds},
        {200, 0, kUnitSeconds},
        {200, 1, 0},
        {12000, 0, kUnitMinutes},
        {12200, 0, kUnitSeconds},
        {720000, 0, kUnitHours},
        {kTicksPerDay, 0, kUnitDays},
        {kTicksPerDay * 7, 0, kUnitDays},
        {kTicksPerDay * 24, 0, kUnitDays},
        {kTicksPerDay + 720000, 0, kUnitHours},
        {0xFFFFFFFFu, 0, kUnitMilliseconds},
    };
    for (const Case& c : cases)
        EXPECT_EQ(GetBestTimeUnit(c.ticks, c.offset), c.unit) << c.ticks << " ticks, offset " << c.offset;
}

}  // namespace
}  // namespace tick_time_test
}  // namespace corvane
