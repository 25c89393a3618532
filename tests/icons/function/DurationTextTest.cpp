#include "icons/function/DurationText.h"

#include <gtest/gtest.h>

#include <vector>

namespace corvane {
namespace duration_text_test {
namespace {

TEST(DurationText, ReadsHoursMinutesAndSecondsWithCarries)
{
    struct Case {
        std::string text;
        std::uint64_t seconds;
    };
    const std::vector<Case> cases{
        {"90", 90},
        {"1:75:00", 2 * 3600 + 15 * 60},
        {"100:00:00", 100 * 3600},
        {"5:5", 5 * 60 + 5},
        {"", 0},
        {":", 0},
        {"1a:30", 90},  // each part stops at its first non-digit
        {"2:3:4:5", 2 * 3600 + 4 * 60 + 5},  // the hours part stops at its colon
        {"00:00:00000000000000099", 0},  // only the first 20 characters count
        {"4294967296", 4294967296ULL},
        {"99999999999999999999", 1'000'000'000'000ULL},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ReadDurationText(c.text), c.seconds);
    }
}

TEST(DurationText, FormatsTotalHours)
{
    EXPECT_EQ(FormatDurationText(0), "00:00:00");
    EXPECT_EQ(FormatDurationText(90), "00:01:30");
    EXPECT_EQ(FormatDurationText(100 * 3600 + 61), "100:01:01");
    EXPECT_EQ(FormatDurationText(0xFFFFFFFFULL), "1193046:28:15");
}

TEST(DurationText, CutsAtTheFirstCharacterThatIsNoDigitOrColon)
{
    EXPECT_EQ(CutDurationText("1a:30"), "1");
    EXPECT_EQ(CutDurationText("12:30:45"), "12:30:45");
    EXPECT_EQ(CutDurationText(" 5"), "");
}

}  // namespace
}  // namespace duration_text_test
}  // namespace corvane
