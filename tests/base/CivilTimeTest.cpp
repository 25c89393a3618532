#include "base/CivilTime.h"

#include <gtest/gtest.h>

#include <ctime>

namespace corvane {
namespace civil_time_test {
namespace {

TEST(CivilTimeTest, BreakDownAgreesWithTheCLibrary)
{
    // A sweep over leap years, century rules and times before 1970.
    for (std::int64_t t = -4'000'000'000LL; t < 8'000'000'000LL; t += 7'777'777) {
        const std::time_t value = static_cast<std::time_t>(t);
        std::tm expected{};
        ASSERT_NE(gmtime_r(&value, &expected), nullptr);
        const CivilTime civil = BreakDownUtc(t);
        ASSERT_EQ(civil.year, expected.tm_year + 1900) << t;
        ASSERT_EQ(civil.month, expected.tm_mon + 1) << t;
        ASSERT_EQ(civil.day, expected.tm_mday) << t;
        ASSERT_EQ(civil.hour, expected.tm_hour) << t;
        ASSERT_EQ(civil.minute, expected.tm_min) << t;
        ASSERT_EQ(civil.second, expected.tm_sec) << t;
        ASSERT_EQ(civil.weekday, expected.tm_wday) << t;
        ASSERT_EQ(MakeUtcTime(civil.year, civil.month, civil.day, civil.hour, civil.minute, civil.second), t);
    }
}

TEST(CivilTimeTest, MakeUtcTimeCarriesOutOfRangeHours)
{
    EXPECT_EQ(MakeUtcTime(2025, 3, 9, -3, 0, 0), MakeUtcTime(2025, 3, 8, 21, 0, 0));
    EXPECT_EQ(MakeUtcTime(2024, 2, 28, 24, 0, 0), MakeUtcTime(2024, 2, 29, 0, 0, 0));
}

TEST(CivilTimeTest, FormatsDateAndTime)
{
    struct Case {
        std::int32_t time;
        const char* date;
        const char* clock;
    };
    const Case cases[] = {
        {0, " 01/01/1970", " 00:00:00"},
        {1741489200, " 03/09/2025", " 03:00:00"},
        {951782400, " 02/29/2000", " 00:00:00"},
        // Negative times show the largest time value.
        {-1, " 01/19/2038", " 03:14:07"},
        {INT32_MIN, " 01/19/2038", " 03:14:07"},
    };
    for (const Case& c : cases) {
        const DateAndTimeText text = FormatDateAndTime(c.time);
        EXPECT_EQ(text.date, c.date) << c.time;
        EXPECT_EQ(text.time, c.clock) << c.time;
    }
}

}  // namespace
}  // namespace civil_time_test
}  // namespace corvane
